#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gpu/GpuDevice.h"

namespace renderer_test {

using platform::GpuResult;

// A texture of the recording device: its texels in memory, nothing more.
class RecordingGpuTexture : public platform::GpuTexture {
 public:
  RecordingGpuTexture(int width, int height, platform::GpuTextureFormat format)
      : width(width), height(height), format(format),
        texels(size_t(width) * height * platform::BytesPerTexel(format)) {}

  int Width() const override { return width; }
  int Height() const override { return height; }
  platform::GpuTextureFormat Format() const override { return format; }
  platform::GpuLockedRect Lock() override {
    return {texels.data(), width * platform::BytesPerTexel(format)};
  }
  void Unlock() override {}

  // As a driver may, a texture made after one was released takes its address.
  static void* operator new(size_t size) {
    return s_released != nullptr ? std::exchange(s_released, nullptr) : ::operator new(size);
  }
  static void operator delete(void* texture) {
    ::operator delete(s_released);
    s_released = texture;
  }
  inline static void* s_released = nullptr;

  int width;
  int height;
  platform::GpuTextureFormat format;
  std::vector<uint8_t> texels;
};

// A graphics device that draws nothing and records the fans it is given,
// the copies out of its back buffer and the calls that matter for frames
// and resets. A lost device refuses scenes and draws until it is reset,
// which forgets the states set on it.
class RecordingGpuDevice : public platform::GpuDevice {
 public:
  struct Fan {
    std::vector<platform::GpuVertex> vertices;
    platform::GpuAddressMode addressMode;
  };
  struct Copy {
    platform::GpuRect source;
    platform::GpuTexture* destination;
  };

  RecordingGpuDevice(int width, int height) : m_width(width), m_height(height) {}

  GpuResult BeginScene() override { return Note("BeginScene"); }
  GpuResult EndScene() override { return Note("EndScene"); }
  GpuResult Present() override { return Note("Present", loseOnPresent); }
  GpuResult TestDeviceState() override {
    Note("TestDeviceState");
    if (!lost) return GpuResult::Ok;
    return resetPossible ? GpuResult::DeviceNotReset : GpuResult::DeviceLost;
  }
  GpuResult Reset(int width, int height) override {
    if (failResets) return Note("Reset failed", true);
    m_width = width;
    m_height = height;
    lost = loseOnPresent = false;
    blendSource = platform::GpuBlendFactor::Zero;
    return Note("Reset " + std::to_string(width) + "x" + std::to_string(height));
  }
  int BackBufferWidth() const override { return m_width; }
  int BackBufferHeight() const override { return m_height; }

  GpuResult SetViewport(const platform::GpuRect&) override { return GpuResult::Ok; }
  void SetProjection(const platform::OrthographicProjection&) override {}
  void SetBlendMode(platform::GpuBlendFactor source, platform::GpuBlendFactor) override {
    blendSource = source;
  }
  void SetTexture(platform::GpuTexture*) override {}
  void SetTextureAddressMode(platform::GpuAddressMode mode) override { addressMode = mode; }
  void Clear(platform::GpuColor) override { Note("Clear"); }
  GpuResult DrawTriangleFan(const platform::GpuVertex* vertices, int count) override {
    if (!lost) fans.push_back({{vertices, vertices + count}, addressMode});
    return Note("DrawTriangleFan");
  }
  std::unique_ptr<platform::GpuTexture> CreateTexture(int width, int height,
                                                      platform::GpuTextureFormat format) override {
    if (refuseTextures) return nullptr;
    return std::make_unique<RecordingGpuTexture>(width, height, format);
  }
  GpuResult CopyBackBufferToTexture(const platform::GpuRect& source,
                                    platform::GpuTexture& destination, int, int) override {
    if (!lost) copies.push_back({source, &destination});
    return Note("CopyBackBufferToTexture");
  }
  const std::string& LastError() const override { return m_lastError; }

  bool loseOnPresent = false;
  bool resetPossible = true;
  bool failResets = false;  // a reset leaves the size as it was and the device lost
  bool lost = false;
  bool refuseTextures = false;  // as a device out of memory would
  std::vector<std::string> calls;
  std::vector<Fan> fans;
  std::vector<Copy> copies;
  platform::GpuBlendFactor blendSource = platform::GpuBlendFactor::Zero;
  platform::GpuAddressMode addressMode = platform::GpuAddressMode::Clamp;

 private:
  // Records the call, after which the device is lost if it was or if the
  // call loses it.
  GpuResult Note(const std::string& call, bool loses = false) {
    calls.push_back(call);
    lost = lost || loses;
    return lost ? GpuResult::DeviceLost : GpuResult::Ok;
  }

  int m_width;
  int m_height;
  std::string m_lastError;
};

}  // namespace renderer_test
