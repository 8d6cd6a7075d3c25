#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/gpu/SdlGpuDevice.h"
#include "tests/platform/gpu/GpuDeviceFixture.h"

namespace platform_test {
namespace {

using platform::GpuBlendFactor;
using platform::GpuColor;
using platform::GpuRect;
using platform::GpuResult;
using platform::GpuVertex;
using platform::OrthographicProjection;

class SdlGpuDeviceDrawingTest : public GpuDeviceFixture {
 protected:
  // Every pixel of the back buffer: `inside` within the rectangle, `outside` elsewhere.
  void ExpectRectangle(const GpuRect& rect, GpuColor inside, GpuColor outside) {
    const std::vector<GpuColor> pixels = device_->ReadBackBuffer({0, 0, kSize, kSize});
    ASSERT_EQ(pixels.size(), static_cast<size_t>(kSize * kSize));
    int wrong = 0;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const bool within =
            x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
        const GpuColor expected = within ? inside : outside;
        if (pixels[y * kSize + x] != expected && ++wrong <= 5) {
          ADD_FAILURE() << "pixel (" << x << ", " << y << ") "
                        << ColorNear(pixels[y * kSize + x], expected, 0).message();
        }
      }
    }
    EXPECT_EQ(wrong, 0);
  }
};

TEST_F(SdlGpuDeviceDrawingTest, ColouredFanInterpolatesItsCorners) {
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kRed, kGreen, kBlue, kWhite}), GpuResult::Ok);

  // Pixel centres lie half a pixel inside, so corners come within 1/64 of each neighbour.
  EXPECT_TRUE(ColorNear(Pixel(0, 0), kRed, 10));
  EXPECT_TRUE(ColorNear(Pixel(kSize - 1, 0), kGreen, 10));
  EXPECT_TRUE(ColorNear(Pixel(kSize - 1, kSize - 1), kBlue, 10));
  EXPECT_TRUE(ColorNear(Pixel(0, kSize - 1), kWhite, 10));
  // Along the top edge only the first two corners count; along the shared
  // diagonal of the two triangles only the first and the third.
  EXPECT_TRUE(ColorNear(Pixel(kSize / 2, 0), {128, 128, 0, 255}, 10));
  EXPECT_TRUE(ColorNear(Pixel(kSize / 2, kSize / 2), {128, 0, 128, 255}, 10));
}

TEST_F(SdlGpuDeviceDrawingTest, AlphaBlendsSourceOverDestination) {
  device_->Clear(kBlue);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{255, 0, 0, 128}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(20, 20), {128, 0, 127, 255}, 2));

  // One over zero replaces, whatever the alpha.
  device_->SetBlendMode(GpuBlendFactor::One, GpuBlendFactor::Zero);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{255, 0, 0, 128}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(20, 20), kRed, 0));

  // Source alpha over one adds.
  device_->Clear({100, 0, 0, 255});
  device_->SetBlendMode(GpuBlendFactor::SourceAlpha, GpuBlendFactor::One);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{100, 50, 0, 255}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(20, 20), {200, 50, 0, 255}, 1));
}

TEST_F(SdlGpuDeviceDrawingTest, ProjectionMapsItsMinimumCornerToTheViewportTopLeft) {
  ASSERT_EQ(device_->SetViewport({8, 4, 40, 20}), GpuResult::Ok);
  // 100 units across 40 pixels and 50 units down 20 pixels: 10 units are 4 pixels.
  device_->SetProjection(OrthographicProjection(100, 200, 50, 0));
  ASSERT_EQ(DrawQuad(100, 0, 110, 10, kRed), GpuResult::Ok);
  ExpectRectangle({8, 4, 4, 4}, kRed, kBlack);

  device_->Clear(kBlack);
  ASSERT_EQ(DrawQuad(190, 40, 200, 50, kGreen), GpuResult::Ok);
  ExpectRectangle({44, 20, 4, 4}, kGreen, kBlack);
}

TEST_F(SdlGpuDeviceDrawingTest, DegenerateProjectionOrViewportDrawsNothing) {
  device_->SetProjection(OrthographicProjection(5, 5, 1, 0));
  EXPECT_EQ(DrawQuad(0, 0, 10, 10, kRed), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize, kSize));
  ASSERT_EQ(device_->SetViewport({0, 0, 0, kSize}), GpuResult::Ok);
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kRed), GpuResult::Ok);
  ExpectRectangle({}, kRed, kBlack);
}

TEST_F(SdlGpuDeviceDrawingTest, DrawsOnlyInsideAScene) {
  EXPECT_EQ(device_->BeginScene(), GpuResult::InvalidCall);
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  EXPECT_EQ(device_->EndScene(), GpuResult::InvalidCall);
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kRed), GpuResult::InvalidCall);
  ExpectRectangle({}, kRed, kBlack);

  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  const GpuVertex line[2] = {{0, 0, kRed, 0, 0}, {kSize, kSize, kRed, 0, 0}};
  EXPECT_EQ(device_->DrawTriangleFan(line, 2), GpuResult::InvalidCall);
  EXPECT_EQ(device_->DrawTriangleFan(nullptr, 4), GpuResult::InvalidCall);
}

TEST_F(SdlGpuDeviceDrawingTest, PresentStretchesTheBackBufferOverTheWindow) {
  ASSERT_EQ(device_->Reset(kSize / 2, kSize / 2), GpuResult::Ok);
  EXPECT_EQ(device_->BackBufferWidth(), kSize / 2);
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize / 2, kSize / 2));
  device_->Clear(kBlack);
  ASSERT_EQ(DrawQuad(0, 0, kSize / 4, kSize / 2, kRed), GpuResult::Ok);
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  ASSERT_EQ(device_->Present(), GpuResult::Ok);

  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  ASSERT_NE(surface, nullptr) << SDL_GetError();
  ASSERT_EQ(surface->format->BytesPerPixel, 4);
  auto windowPixel = [surface](int x, int y) {
    const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
    GpuColor color;
    SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], surface->format, &color.r, &color.g,
               &color.b);
    return color;
  };
  EXPECT_TRUE(ColorNear(windowPixel(10, 40), kRed, 8));
  EXPECT_TRUE(ColorNear(windowPixel(50, 40), kBlack, 8));
}

}  // namespace
}  // namespace platform_test
