#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/gpu/SdlGpuDevice.h"

namespace platform_test {

// A hidden window drawn by SDL's software renderer, with a device whose back
// buffer is kSize pixels square, in a scene, with a pixel projection.
class GpuDeviceFixture : public ::testing::Test {
 protected:
  static constexpr int kSize = 64;

  void SetUp() override {
    // The environment, when it names drivers, has the last word.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    // Otherwise SDL puts an OpenGL texture behind the software window
    // surface, loading (and leaking from) the system's GL libraries.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    window_ = SDL_CreateWindow("gpu test", 0, 0, kSize, kSize, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window_, nullptr) << SDL_GetError();
    std::string error;
    device_ = platform::SdlGpuDevice::Create(window_, kSize, kSize, &error);
    ASSERT_NE(device_, nullptr) << error;
    device_->SetProjection(PixelProjection(kSize, kSize));
    ASSERT_EQ(device_->BeginScene(), platform::GpuResult::Ok);
  }

  void TearDown() override {
    device_.reset();
    if (window_ != nullptr) {
      SDL_DestroyWindow(window_);
    }
    SDL_Quit();
  }

  // Units of one pixel, y down, as the game sets it up.
  static platform::OrthographicProjection PixelProjection(int width, int height) {
    return platform::OrthographicProjection(0.0f, static_cast<float>(width),
                                            static_cast<float>(height), 0.0f);
  }

  platform::GpuColor Pixel(int x, int y) {
    const std::vector<platform::GpuColor> pixels = device_->ReadBackBuffer({x, y, 1, 1});
    return pixels.empty() ? platform::GpuColor{} : pixels[0];
  }

  // An axis-aligned quad as the renderer sends it: corners top-left,
  // top-right, bottom-right, bottom-left, texture coordinates spread over it.
  platform::GpuResult DrawQuad(float left, float top, float right, float bottom,
                               const platform::GpuColor (&colors)[4], float uLeft = 0.0f,
                               float vTop = 0.0f, float uRight = 1.0f, float vBottom = 1.0f) {
    const platform::GpuVertex fan[4] = {{left, top, colors[0], uLeft, vTop},
                                        {right, top, colors[1], uRight, vTop},
                                        {right, bottom, colors[2], uRight, vBottom},
                                        {left, bottom, colors[3], uLeft, vBottom}};
    return device_->DrawTriangleFan(fan, 4);
  }

  platform::GpuResult DrawQuad(float left, float top, float right, float bottom,
                               platform::GpuColor color) {
    return DrawQuad(left, top, right, bottom, {color, color, color, color});
  }

  SDL_Window* window_ = nullptr;
  std::unique_ptr<platform::SdlGpuDevice> device_;
};

inline ::testing::AssertionResult ColorNear(platform::GpuColor actual,
                                            platform::GpuColor expected, int tolerance) {
  const int channels[4][2] = {{actual.r, expected.r},
                              {actual.g, expected.g},
                              {actual.b, expected.b},
                              {actual.a, expected.a}};
  for (const auto& channel : channels) {
    if (std::abs(channel[0] - channel[1]) > tolerance) {
      return ::testing::AssertionFailure()
             << "colour (" << int(actual.r) << ", " << int(actual.g) << ", " << int(actual.b)
             << ", " << int(actual.a) << ") is not within " << tolerance << " of ("
             << int(expected.r) << ", " << int(expected.g) << ", " << int(expected.b) << ", "
             << int(expected.a) << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

constexpr platform::GpuColor kBlack{0, 0, 0, 255};
constexpr platform::GpuColor kRed{255, 0, 0, 255};
constexpr platform::GpuColor kGreen{0, 255, 0, 255};
constexpr platform::GpuColor kBlue{0, 0, 255, 255};
constexpr platform::GpuColor kWhite{255, 255, 255, 255};

}  // namespace platform_test
