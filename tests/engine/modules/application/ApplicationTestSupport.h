#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/support/SdlWindowEventTest.h"

namespace modules_test {

// An application with an open offscreen window of 640 x 400, an input
// module and a game at the end of the key chain; the window's opening
// messages have been pumped. Events are pushed as SDL would deliver them.
class OpenApplicationTest : public testsupport::SdlWindowEventTest {
 protected:
  explicit OpenApplicationTest(int64_t nanosecondsPerClockReading = 0)
      : m_core(nanosecondsPerClockReading),
        m_game(std::make_unique<RecordingGame>()),
        m_application(UlvoApplicationBasic_Win32::Create()),
        m_input(UlvoInputBasic_Win32::Create()) {}

  void SetUp() override {
    m_input->Startup();
    m_application->SetApplicationName("Harrowmere: Pemberquill");
    m_application->OpenWindow(IntVector2(640, 400), 0, 101);
    PumpUntilEmpty();
  }

  void TearDown() override {
    m_input->Shutdown();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }

  platform::Window& Window() { return *m_application->GetDeviceContext(); }
  Uint32 WindowId() const override {
    return SDL_GetWindowID(m_application->GetDeviceContext()->NativeHandle());
  }

  void Pump() { m_application->Update(); }
  void PumpUntilEmpty() {
    for (int frame = 0; frame < 100 && Window().HasMessage(); ++frame) {
      Pump();
    }
  }

  void Focus() {
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    Pump();
  }

  // Down and up, as a tap of the key.
  void PushTap(SDL_Keycode key, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE) const {
    PushKey(SDL_KEYDOWN, key, scancode, modifiers);
    PushKey(SDL_KEYUP, key, scancode, modifiers);
  }

  TestCore m_core;
  RecordingConsole m_console;
  std::unique_ptr<RecordingGame> m_game;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
  std::unique_ptr<UlvoInputBasic_Win32> m_input;
};

}  // namespace modules_test
