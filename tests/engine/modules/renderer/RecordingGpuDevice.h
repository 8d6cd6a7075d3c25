#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gpu/GpuDevice.h"

namespace renderer_test {

// A texture of the recording device: its texels in memory, nothing more.
class RecordingGpuTexture : public platform::GpuTexture {
 public:
  RecordingGpuTexture(int width, int height, platform::GpuTextureFormat format)
      : m_width(width),
        m_height(height),
        m_format(format),
        m_texels(static_cast<size_t>(width) * height * platform::BytesPerTexel(format), 0) {}

  int Width() const override { return m_width; }
  int Height() const override { return m_height; }
  platform::GpuTextureFormat Format() const override { return m_format; }
  platform::GpuLockedRect Lock() override {
    if (m_locked) {
      return {};
    }
    m_locked = true;
    return {m_texels.data(), Pitch()};
  }
  void Unlock() override { m_locked = false; }

  int Pitch() const { return m_width * platform::BytesPerTexel(m_format); }
  const std::vector<uint8_t>& Texels() const { return m_texels; }
  // The bytes of texel (x, y).
  std::vector<uint8_t> Texel(int x, int y) const {
    const int size = platform::BytesPerTexel(m_format);
    const auto start = m_texels.begin() + y * Pitch() + x * size;
    return std::vector<uint8_t>(start, start + size);
  }

 private:
  int m_width;
  int m_height;
  platform::GpuTextureFormat m_format;
  std::vector<uint8_t> m_texels;
  bool m_locked = false;
};

// A graphics device that draws nothing and keeps a record of what it was
// asked: the geometry of every fan with the states it was drawn in, and the
// order of the calls that matter for frames, resets and copies.
class RecordingGpuDevice : public platform::GpuDevice {
 public:
  struct Fan {
    std::vector<platform::GpuVertex> vertices;
    platform::GpuTexture* texture;
    platform::GpuAddressMode addressMode;
    platform::GpuRect viewport;
    platform::OrthographicProjection projection;
  };

  struct Copy {
    platform::GpuRect source;
    platform::GpuTexture* destination;
    int backBufferWidth;
    int backBufferHeight;
  };

  RecordingGpuDevice(int backBufferWidth, int backBufferHeight)
      : m_backBufferWidth(backBufferWidth), m_backBufferHeight(backBufferHeight) {
    RestoreDefaults();
  }

  platform::GpuResult BeginScene() override {
    calls.push_back("BeginScene");
    if (lost) {
      return platform::GpuResult::DeviceLost;
    }
    if (inScene) {
      return platform::GpuResult::InvalidCall;
    }
    inScene = true;
    return platform::GpuResult::Ok;
  }

  platform::GpuResult EndScene() override {
    calls.push_back("EndScene");
    if (lost) {
      return platform::GpuResult::DeviceLost;
    }
    if (!inScene) {
      return platform::GpuResult::InvalidCall;
    }
    inScene = false;
    return platform::GpuResult::Ok;
  }

  platform::GpuResult Present() override {
    calls.push_back("Present");
    if (loseOnPresent) {
      loseOnPresent = false;
      Lose();
    }
    return lost ? platform::GpuResult::DeviceLost : platform::GpuResult::Ok;
  }

  platform::GpuResult TestDeviceState() override {
    calls.push_back("TestDeviceState");
    if (!lost) {
      return platform::GpuResult::Ok;
    }
    return resetPossible ? platform::GpuResult::DeviceNotReset : platform::GpuResult::DeviceLost;
  }

  platform::GpuResult Reset(int width, int height) override {
    calls.push_back("Reset " + std::to_string(width) + "x" + std::to_string(height));
    if (width <= 0 || height <= 0) {
      return platform::GpuResult::InvalidCall;
    }
    m_backBufferWidth = width;
    m_backBufferHeight = height;
    lost = false;
    inScene = false;
    RestoreDefaults();
    return platform::GpuResult::Ok;
  }

  int BackBufferWidth() const override { return m_backBufferWidth; }
  int BackBufferHeight() const override { return m_backBufferHeight; }

  platform::GpuResult SetViewport(const platform::GpuRect& rect) override {
    calls.push_back("SetViewport");
    viewport = rect;
    return platform::GpuResult::Ok;
  }
  void SetProjection(const platform::OrthographicProjection& value) override {
    calls.push_back("SetProjection");
    projection = value;
  }
  void SetBlendMode(platform::GpuBlendFactor source, platform::GpuBlendFactor destination) override {
    calls.push_back("SetBlendMode");
    blendSource = source;
    blendDestination = destination;
  }
  void SetTexture(platform::GpuTexture* value) override {
    calls.push_back("SetTexture");
    texture = value;
  }
  void SetTextureAddressMode(platform::GpuAddressMode mode) override {
    calls.push_back("SetTextureAddressMode");
    addressMode = mode;
  }

  void Clear(platform::GpuColor) override { calls.push_back("Clear"); }

  platform::GpuResult DrawTriangleFan(const platform::GpuVertex* vertices, int count) override {
    calls.push_back("DrawTriangleFan");
    if (lost) {
      return platform::GpuResult::DeviceLost;
    }
    if (!inScene) {
      return platform::GpuResult::InvalidCall;
    }
    fans.push_back(
        {std::vector<platform::GpuVertex>(vertices, vertices + count), texture, addressMode,
         viewport, projection});
    return platform::GpuResult::Ok;
  }

  std::unique_ptr<platform::GpuTexture> CreateTexture(int width, int height,
                                                      platform::GpuTextureFormat format) override {
    calls.push_back("CreateTexture");
    if (width <= 0 || height <= 0) {
      m_lastError = "refused";
      return nullptr;
    }
    return std::make_unique<RecordingGpuTexture>(width, height, format);
  }

  platform::GpuResult CopyBackBufferToTexture(const platform::GpuRect& source,
                                              platform::GpuTexture& destination, int, int) override {
    calls.push_back("CopyBackBufferToTexture");
    if (lost) {
      return platform::GpuResult::DeviceLost;
    }
    copies.push_back({source, &destination, m_backBufferWidth, m_backBufferHeight});
    return platform::GpuResult::Ok;
  }

  const std::string& LastError() const override { return m_lastError; }

  // As a graphics driver taking the device away.
  void Lose() {
    lost = true;
    inScene = false;
  }

  size_t CountCalls(const std::string& name) const {
    size_t count = 0;
    for (const std::string& call : calls) {
      count += call == name ? 1 : 0;
    }
    return count;
  }

  // Settings of the test.
  bool loseOnPresent = false;
  bool resetPossible = true;

  // What happened.
  std::vector<std::string> calls;
  std::vector<Fan> fans;
  std::vector<Copy> copies;
  bool lost = false;
  bool inScene = false;

  // Current states.
  platform::GpuRect viewport;
  platform::OrthographicProjection projection;
  platform::GpuBlendFactor blendSource = platform::GpuBlendFactor::SourceAlpha;
  platform::GpuBlendFactor blendDestination = platform::GpuBlendFactor::InverseSourceAlpha;
  platform::GpuTexture* texture = nullptr;
  platform::GpuAddressMode addressMode = platform::GpuAddressMode::Clamp;

 private:
  void RestoreDefaults() {
    viewport = {0, 0, m_backBufferWidth, m_backBufferHeight};
    projection = platform::OrthographicProjection();
    blendSource = platform::GpuBlendFactor::SourceAlpha;
    blendDestination = platform::GpuBlendFactor::InverseSourceAlpha;
    texture = nullptr;
    addressMode = platform::GpuAddressMode::Clamp;
  }

  int m_backBufferWidth;
  int m_backBufferHeight;
  std::string m_lastError;
};

}  // namespace renderer_test
