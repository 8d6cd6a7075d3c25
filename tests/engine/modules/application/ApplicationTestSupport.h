#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"

namespace modules_test {

// An application with an open offscreen window of 640 x 400, an input
// module and a game at the end of the key chain; the window's opening
// messages have been pumped. Events are pushed as SDL would deliver them.
class OpenApplicationTest : public ::testing::Test {
 protected:
  explicit OpenApplicationTest(int64_t nanosecondsPerClockReading = 0)
      : m_core(nanosecondsPerClockReading),
        m_game(std::make_unique<RecordingGame>()),
        m_application(UlvoApplicationBasic_Win32::Create()),
        m_input(UlvoInputBasic_Win32::Create()) {}

  static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "offscreen", 0); }

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
  Uint32 WindowId() { return SDL_GetWindowID(Window().NativeHandle()); }

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

  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

  void PushWindowEvent(Uint8 kind, int data1 = 0, int data2 = 0) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = WindowId();
    event.window.event = kind;
    event.window.data1 = data1;
    event.window.data2 = data2;
    Push(event);
  }

  void PushKey(Uint32 type, SDL_Keycode key, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE,
               bool repeat = false) {
    SDL_Event event{};
    event.type = type;
    event.key.windowID = WindowId();
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = modifiers;
    Push(event);
  }

  // Down and up, as a tap of the key.
  void PushTap(SDL_Keycode key, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE) {
    PushKey(SDL_KEYDOWN, key, scancode, modifiers);
    PushKey(SDL_KEYUP, key, scancode, modifiers);
  }

  void PushText(const char* utf8) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = WindowId();
    SDL_strlcpy(event.text.text, utf8, sizeof(event.text.text));
    Push(event);
  }

  void PushButton(Uint32 type, Uint8 button) {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = WindowId();
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    Push(event);
  }

  void PushWheel(int notches, float precise) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = WindowId();
    event.wheel.y = notches;
    event.wheel.preciseY = precise;
    event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    Push(event);
  }

  TestCore m_core;
  RecordingConsole m_console;
  std::unique_ptr<RecordingGame> m_game;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
  std::unique_ptr<UlvoInputBasic_Win32> m_input;
};

}  // namespace modules_test
