#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/gpu/SdlGpuDevice.h"

namespace platform_test {

using platform::GpuColor;
using platform::GpuResult;
constexpr GpuColor kBlack{0, 0, 0, 255};
constexpr GpuColor kRed{255, 0, 0, 255};
constexpr GpuColor kGreen{0, 255, 0, 255};
constexpr GpuColor kBlue{0, 0, 255, 255};
constexpr GpuColor kWhite{255, 255, 255, 255};

inline ::testing::AssertionResult ColorNear(GpuColor actual, GpuColor expected, int tolerance) {
  const int off = std::max({std::abs(actual.r - expected.r), std::abs(actual.g - expected.g),
                            std::abs(actual.b - expected.b), std::abs(actual.a - expected.a)});
  if (off <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "colour (" << int{actual.r} << ", " << int{actual.g} << ", " << int{actual.b}
                                       << ", " << int{actual.a} << ") is " << off << " off";
}

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
    ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  }
  void TearDown() override {
    device_.reset();
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    SDL_Quit();
  }

  // Units of one pixel, y down, as the game sets it up.
  static platform::OrthographicProjection PixelProjection(int width, int height) {
    return platform::OrthographicProjection(0.0f, static_cast<float>(width), static_cast<float>(height), 0.0f);
  }
  GpuColor Pixel(int x, int y) {
    const std::vector<GpuColor> pixels = device_->ReadBackBuffer({x, y, 1, 1});
    return pixels.empty() ? GpuColor{} : pixels[0];
  }

  // An axis-aligned quad as the renderer sends it: corners top-left,
  // top-right, bottom-right, bottom-left, texture coordinates spread over it.
  GpuResult DrawQuad(float left, float top, float right, float bottom, const GpuColor (&colors)[4], float uLeft = 0,
                     float vTop = 0, float uRight = 1, float vBottom = 1) {
    const platform::GpuVertex fan[4] = {{left, top, colors[0], uLeft, vTop},
                                        {right, top, colors[1], uRight, vTop},
                                        {right, bottom, colors[2], uRight, vBottom},
                                        {left, bottom, colors[3], uLeft, vBottom}};
    return device_->DrawTriangleFan(fan, 4);
  }
  GpuResult DrawQuad(float left, float top, float right, float bottom, GpuColor color) {
    return DrawQuad(left, top, right, bottom, {color, color, color, color});
  }

  // A texture of opaque colours in square blocks of texels, given row by row:
  // SDL's software renderer maps texels onto triangles only roughly.
  std::unique_ptr<platform::GpuTexture> MakeBlocks(int columns, int rows, int block, const std::vector<GpuColor>& colors) {
    auto texture = device_->CreateTexture(columns * block, rows * block, platform::GpuTextureFormat::Rgba);
    EXPECT_NE(texture, nullptr) << device_->LastError();
    Paint(*texture, columns, block, colors);
    return texture;
  }
  static void Paint(platform::GpuTexture& texture, int columns, int block, const std::vector<GpuColor>& colors) {
    platform::GpuLockedRect locked = texture.Lock();
    ASSERT_NE(locked.bits, nullptr);
    for (int y = 0; y < texture.Height(); ++y) {
      for (int x = 0; x < texture.Width(); ++x) {
        const GpuColor& color = colors[(y / block) * columns + x / block];
        uint8_t* texel = locked.bits + y * locked.pitch + 4 * x;
        texel[0] = color.b, texel[1] = color.g, texel[2] = color.r, texel[3] = color.a;
      }
    }
    texture.Unlock();
  }

  SDL_Window* window_ = nullptr;
  std::unique_ptr<platform::SdlGpuDevice> device_;
};

}  // namespace platform_test
