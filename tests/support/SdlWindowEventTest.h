#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

namespace testsupport {

// A test on an offscreen window that pushes events onto SDL's queue as SDL
// would deliver them to that window.
class SdlWindowEventTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "offscreen", 0); }

  // The window the events are addressed to.
  virtual Uint32 WindowId() const = 0;

  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError(); }

  void PushWindowEvent(Uint8 kind, int data1 = 0, int data2 = 0) const {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = WindowId();
    event.window.event = kind;
    event.window.data1 = data1;
    event.window.data2 = data2;
    Push(event);
  }

  void PushKey(Uint32 type, SDL_Keycode key, SDL_Scancode scancode, Uint16 modifiers = KMOD_NONE,
               bool repeat = false) const {
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

  void PushText(const char* utf8) const {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = WindowId();
    SDL_strlcpy(event.text.text, utf8, sizeof(event.text.text));
    Push(event);
  }

  // At (x, y) in the window, as SDL last measured the pointer.
  void PushButton(Uint32 type, Uint8 button, int x = 0, int y = 0) const {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = WindowId();
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    Push(event);
  }

  void PushWheel(int notches, float precise, Uint32 direction = SDL_MOUSEWHEEL_NORMAL) const {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.windowID = WindowId();
    event.wheel.y = notches;
    event.wheel.preciseY = precise;
    event.wheel.direction = direction;
    Push(event);
  }
};

}  // namespace testsupport
