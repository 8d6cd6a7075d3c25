#pragma once

#include "platform/window/Window.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/SdlWindowEventTest.h"

namespace platform_test {

// An offscreen window whose opening messages have been taken.
class WindowTest : public testsupport::SdlWindowEventTest {
 protected:
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

  Uint32 WindowId() const override { return SDL_GetWindowID(window_->NativeHandle()); }

  std::unique_ptr<platform::Window> window_;
};

}  // namespace platform_test
