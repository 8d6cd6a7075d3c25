// Drawing on the SDL device: colours across a fan, blending, the projection
// onto the viewport, scenes, and the back buffer shown in the window.

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "platform/gpu/SdlGpuDevice.h"
#include "tests/platform/gpu/GpuDeviceFixture.h"

namespace platform_test {
namespace {

using platform::GpuBlendFactor;
using platform::GpuRect;
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
        const bool within = x >= rect.x && x < rect.x + rect.width && y >= rect.y && y < rect.y + rect.height;
        wrong += pixels[y * kSize + x] != (within ? inside : outside);
      }
    }
    EXPECT_EQ(wrong, 0);
  }
};

TEST_F(SdlGpuDeviceDrawingTest, AFanInterpolatesItsCornersAndBlends) {
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kRed, kGreen, kBlue, kWhite}), GpuResult::Ok);
  // Pixel centres lie half a pixel inside; along the top edge only the first
  // two corners count, along the shared diagonal only the first and third.
  const struct {
    int x, y;
    GpuColor color;
  } pixels[] = {{0, 0, kRed}, {kSize - 1, kSize - 1, kBlue}, {0, kSize - 1, kWhite},
                {kSize / 2, 0, {128, 128, 0, 255}}, {kSize / 2, kSize / 2, {128, 0, 128, 255}}};
  for (const auto& pixel : pixels) EXPECT_TRUE(ColorNear(Pixel(pixel.x, pixel.y), pixel.color, 10)) << pixel.x;

  device_->Clear(kBlue);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{255, 0, 0, 128}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(20, 20), {128, 0, 127, 255}, 2));
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
  ASSERT_EQ(DrawQuad(190, 40, 200, 50, kGreen), GpuResult::Ok);
  ExpectRectangle({44, 20, 4, 4}, kGreen, kBlack);
}

TEST_F(SdlGpuDeviceDrawingTest, NothingIsDrawnOutsideAScene) {
  // A degenerate projection or viewport draws nothing, but is no error.
  device_->SetProjection(OrthographicProjection(5, 5, 1, 0));
  EXPECT_EQ(DrawQuad(0, 0, 10, 10, kRed), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize, kSize));
  ASSERT_EQ(device_->SetViewport({0, 0, 0, kSize}), GpuResult::Ok);
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kRed), GpuResult::Ok);
  ASSERT_EQ(device_->SetViewport({0, 0, kSize, kSize}), GpuResult::Ok);

  EXPECT_EQ(device_->BeginScene(), GpuResult::InvalidCall);
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  EXPECT_EQ(device_->EndScene(), GpuResult::InvalidCall);
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kRed), GpuResult::InvalidCall);
  ExpectRectangle({}, kRed, kBlack);
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  const platform::GpuVertex line[2] = {{0, 0, kRed, 0, 0}, {kSize, kSize, kRed, 0, 0}};
  EXPECT_EQ(device_->DrawTriangleFan(line, 2), GpuResult::InvalidCall);
  EXPECT_EQ(device_->DrawTriangleFan(nullptr, 4), GpuResult::InvalidCall);
}

TEST(OrthographicProjectionTest, EmptyOrUnboundedRectanglesAreNotValid) {
  const float infinity = std::numeric_limits<float>::infinity(), huge = std::numeric_limits<float>::max();
  EXPECT_TRUE(OrthographicProjection(0, 1, 1, 0).IsValid());
  const OrthographicProjection invalid[] = {{3, 3, 1, 0}, {0, 1, 2, 2}, {0, infinity, 1, 0},
                                            {0, 1, std::nanf(""), 0}, {-huge, huge, 1, 0}};
  for (const OrthographicProjection& projection : invalid) EXPECT_FALSE(projection.IsValid());
}

TEST_F(SdlGpuDeviceDrawingTest, PresentStretchesTheBackBufferOverTheWindow) {
  ASSERT_EQ(device_->Reset(kSize / 2, kSize / 2), GpuResult::Ok);
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize / 2, kSize / 2));
  ASSERT_EQ(DrawQuad(0, 0, kSize / 4, kSize / 2, kRed), GpuResult::Ok);
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  ASSERT_EQ(device_->Present(), GpuResult::Ok);

  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  ASSERT_EQ(surface->format->BytesPerPixel, 4);
  const auto windowPixel = [surface](int x, int y) {
    GpuColor color;
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
    SDL_GetRGB(row[x], surface->format, &color.r, &color.g, &color.b);
    return color;
  };
  EXPECT_TRUE(ColorNear(windowPixel(10, 40), kRed, 8));
  EXPECT_TRUE(ColorNear(windowPixel(50, 40), kBlack, 8));
}

}  // namespace
}  // namespace platform_test
