#pragma once

#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <ostream>
#include <vector>

namespace platform {

inline void PrintTo(const WindowMessage& m, std::ostream* os) {
  *os << "{type " << static_cast<int>(m.type) << ", origin (" << m.origin.x << "," << m.origin.y
      << "), size (" << m.size.width << "," << m.size.height << "), active " << m.active
      << ", key " << static_cast<int>(m.virtualKey) << ", repeat " << m.repeat << ", system "
      << m.systemKey << ", char " << m.character << ", wheel " << m.wheelDelta << "}";
}

}  // namespace platform

namespace platform_test {

// An offscreen window whose opening messages have been taken.
class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "offscreen", 0); }

  void SetUp() override {
    platform::WindowSettings settings;
    settings.title = "Test window";
    settings.clientOrigin = {100, 50};
    settings.clientSize = {640, 400};
    std::string error;
    window_ = platform::Window::Create(settings, error);
    ASSERT_NE(window_, nullptr) << error;
    Drain();
  }

  std::vector<platform::WindowMessage> Drain() {
    std::vector<platform::WindowMessage> messages;
    platform::WindowMessage message;
    while (window_->PollMessage(message)) {
      messages.push_back(message);
    }
    return messages;
  }

  Uint32 WindowId() const { return SDL_GetWindowID(window_->NativeHandle()); }

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

  void PushButton(Uint32 type, Uint8 button) const {
    SDL_Event event{};
    event.type = type;
    event.button.windowID = WindowId();
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
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

  std::unique_ptr<platform::Window> window_;
};

}  // namespace platform_test
