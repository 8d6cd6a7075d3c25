#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

#include "engine/core/IntVector2.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/support/RecordingConsole.h"

namespace testsupport {

// The game's renderer on SDL's software renderer, on an offscreen
// application window with a client area of the given size, so that a test
// can read back the pixels drawn. A derived SetUp that goes on after this
// one's must first check HasFatalFailure().
class SoftwareRendererTest : public ::testing::Test {
 protected:
  explicit SoftwareRendererTest(const IntVector2& clientSize) : m_clientSize(clientSize) {}

  void SetUp() override {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    // Otherwise SDL puts an OpenGL texture behind the software window
    // surface, loading the system's GL libraries.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    m_application = UlvoApplicationBasic_Win32::Create();
    m_application->OpenWindow(m_clientSize, 0, 101);
    ASSERT_EQ(m_application->GetClientSize(), m_clientSize);
    m_renderer = MakeRenderer();
    m_renderer->SetDeviceContext(m_application->GetDeviceContext());
    m_renderer->Startup();
    m_device = dynamic_cast<platform::SdlGpuDevice*>(m_renderer->GetDevice());
    ASSERT_NE(m_device, nullptr);
  }

  virtual std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> MakeRenderer() {
    return UlvoRendererBasic_Win32_DirectX81::Create();
  }

  void TearDown() override {
    if (m_renderer != nullptr) {
      m_renderer->Shutdown();
    }
    m_renderer.reset();
    m_application.reset();
    SDL_Quit();
  }

  // The update pass, then the whole client area, one unit a pixel, cleared.
  void BeginFrameInPixels(const Rgba& background) {
    m_renderer->Update();
    m_renderer->SetViewport(IntVector2(0, 0), m_clientSize);
    m_renderer->SetTransform(0, 0, static_cast<float>(m_clientSize.x),
                             static_cast<float>(m_clientSize.y));
    m_renderer->Clear(background);
  }

  const IntVector2 m_clientSize;
  RecordingConsole m_console;
  UlvoEventSystem m_events;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
  std::unique_ptr<UlvoRendererBasic_Win32_DirectX81> m_renderer;
  platform::SdlGpuDevice* m_device = nullptr;
};

}  // namespace testsupport
