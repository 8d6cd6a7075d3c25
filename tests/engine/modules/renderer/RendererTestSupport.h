#pragma once

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/engine/modules/renderer/RecordingGpuDevice.h"

namespace renderer_test {

// A started renderer on a recording device, inside a scene, with an event
// system and an application (no window: the recording device needs none).
class RecordingRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_renderer->Startup();
    m_renderer->Update();
  }
  void TearDown() override { m_renderer->Shutdown(); }

  // The fans drawn from now on.
  void ForgetDrawing() {
    m_device->fans.clear();
    m_device->calls.clear();
  }

  modules_test::RecordingConsole m_console;
  UlvoEventSystem m_events;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application = UlvoApplicationBasic_Win32::Create();
  RecordingGpuDevice* m_device = nullptr;
  std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> m_renderer =
      std::make_unique<UlvoRendererBasic_Win32_DirectX81>(
          [this](platform::Window*, const IntVector2& size, std::string*) {
            auto device = std::make_unique<RecordingGpuDevice>(size.x, size.y);
            m_device = device.get();
            return device;
          });
};

// An image whose pixels are the given bytes, row after row.
inline std::unique_ptr<Image> MakeImage(int width, int height, int format,
                                        const std::vector<unsigned char>& bytes) {
  std::unique_ptr<Image> image = Image::Create(IntVector2(width, height), format);
  std::copy(bytes.begin(), bytes.end(), image->GetPixels());
  return image;
}

// A populated texture of the platform's kind, every pixel opaque white.
inline std::unique_ptr<Texture> MakeTexture(int width, int height) {
  const std::vector<unsigned char> white(size_t(width) * height * 4, 255);
  std::unique_ptr<Texture> texture = Texture::Create();
  texture->PopulateFromImage(*MakeImage(width, height, Image::IMAGE_FORMAT_RGBA, white), false);
  return texture;
}

}  // namespace renderer_test
