#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/gpu/SdlGpuDevice.h"
#include "tests/platform/gpu/GpuDeviceFixture.h"

namespace platform_test {
namespace {

using platform::GpuAddressMode;
using platform::GpuColor;
using platform::GpuLockedRect;
using platform::GpuResult;
using platform::GpuTexture;
using platform::GpuTextureFormat;

class SdlGpuTextureTest : public GpuDeviceFixture {
 protected:
  // A texture of opaque colours given row by row from the top.
  std::unique_ptr<GpuTexture> MakeRgba(int width, int height, const std::vector<GpuColor>& colors) {
    std::unique_ptr<GpuTexture> texture =
        device_->CreateTexture(width, height, GpuTextureFormat::Rgba);
    EXPECT_NE(texture, nullptr) << device_->LastError();
    GpuLockedRect locked = texture->Lock();
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const GpuColor& color = colors[y * width + x];
        uint8_t* texel = locked.bits + y * locked.pitch + 4 * x;
        texel[0] = color.b;
        texel[1] = color.g;
        texel[2] = color.r;
        texel[3] = color.a;
      }
    }
    texture->Unlock();
    return texture;
  }

  // SDL's software renderer maps texels onto triangles only roughly, so
  // pictures are made of blocks of many texels.
  std::unique_ptr<GpuTexture> MakeBlocks(int columns, int rows, int blockSize,
                                         const std::vector<GpuColor>& blocks) {
    std::vector<GpuColor> texels;
    for (int y = 0; y < rows * blockSize; ++y) {
      for (int x = 0; x < columns * blockSize; ++x) {
        texels.push_back(blocks[(y / blockSize) * columns + x / blockSize]);
      }
    }
    return MakeRgba(columns * blockSize, rows * blockSize, texels);
  }

  std::unique_ptr<GpuTexture> MakeFilled(GpuTextureFormat format, std::vector<uint8_t> texel) {
    std::unique_ptr<GpuTexture> texture = device_->CreateTexture(2, 2, format);
    EXPECT_NE(texture, nullptr) << device_->LastError();
    GpuLockedRect locked = texture->Lock();
    for (int i = 0; i < 4; ++i) {
      std::memcpy(locked.bits + i * texel.size(), texel.data(), texel.size());
    }
    texture->Unlock();
    return texture;
  }
};

TEST_F(SdlGpuTextureTest, TexturedQuadIsTintedByItsVertexColours) {
  auto texture = MakeBlocks(2, 2, 16, {kRed, kGreen, kWhite, kBlue});
  device_->SetTexture(texture.get());
  const GpuColor tint{255, 128, 255, 255};
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, tint), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(16, 16), kRed, 1));
  EXPECT_TRUE(ColorNear(Pixel(48, 16), {0, 128, 0, 255}, 1));
  EXPECT_TRUE(ColorNear(Pixel(16, 48), {255, 128, 255, 255}, 1));
  EXPECT_TRUE(ColorNear(Pixel(48, 48), kBlue, 1));

  // The tint of one draw must not stay on the texture for the next one.
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, {250, 250, 250, 255}}),
            GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(48, 16), kGreen, 3));
}

TEST_F(SdlGpuTextureTest, EachFormatDrawsAsItsColour) {
  // The unused byte of an Rgb texel is no alpha: the texture is opaque.
  auto rgb = MakeFilled(GpuTextureFormat::Rgb, {0, 0, 200, 0});
  auto grey = MakeFilled(GpuTextureFormat::Luminance, {100});
  auto greyAlpha = MakeFilled(GpuTextureFormat::LuminanceAlpha, {200, 128});
  device_->Clear(kBlack);
  device_->SetTexture(rgb.get());
  ASSERT_EQ(DrawQuad(0, 0, 20, 20, kWhite), GpuResult::Ok);
  device_->SetTexture(grey.get());
  ASSERT_EQ(DrawQuad(20, 0, 40, 20, kWhite), GpuResult::Ok);
  device_->SetTexture(greyAlpha.get());
  ASSERT_EQ(DrawQuad(40, 0, 60, 20, kWhite), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(10, 10), {200, 0, 0, 255}, 1));
  EXPECT_TRUE(ColorNear(Pixel(30, 10), {100, 100, 100, 255}, 1));
  EXPECT_TRUE(ColorNear(Pixel(50, 10), {100, 100, 100, 255}, 2));
}

TEST_F(SdlGpuTextureTest, LockExposesZeroedTexelsInTheFormatsLayoutOnceAtATime) {
  const struct {
    GpuTextureFormat format;
    int bytes;
  } formats[] = {{GpuTextureFormat::Rgb, 4},
                 {GpuTextureFormat::Rgba, 4},
                 {GpuTextureFormat::Luminance, 1},
                 {GpuTextureFormat::LuminanceAlpha, 2}};
  for (const auto& entry : formats) {
    auto texture = device_->CreateTexture(8, 4, entry.format);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->Width(), 8);
    EXPECT_EQ(texture->Height(), 4);
    GpuLockedRect locked = texture->Lock();
    ASSERT_NE(locked.bits, nullptr);
    EXPECT_EQ(locked.pitch, 8 * entry.bytes);
    EXPECT_EQ(std::vector<uint8_t>(locked.bits, locked.bits + 4 * locked.pitch),
              std::vector<uint8_t>(4 * locked.pitch, 0));
    EXPECT_EQ(texture->Lock().bits, nullptr);
    locked.bits[5] = 77;
    texture->Unlock();
    EXPECT_EQ(texture->Lock().bits[5], 77);
    texture->Unlock();
  }
}

TEST_F(SdlGpuTextureTest, RefusesSizesItCannotHold) {
  EXPECT_EQ(device_->CreateTexture(0, 4, GpuTextureFormat::Rgba), nullptr);
  EXPECT_EQ(device_->CreateTexture(4, -1, GpuTextureFormat::Rgba), nullptr);
  EXPECT_EQ(device_->CreateTexture(1 << 20, 4, GpuTextureFormat::Rgba), nullptr);
  EXPECT_FALSE(device_->LastError().empty());
}

TEST_F(SdlGpuTextureTest, WrapRepeatsAndClampStretchesTheEdges) {
  auto texture = MakeBlocks(2, 1, 16, {kRed, kBlue});
  device_->SetTexture(texture.get());
  device_->SetTextureAddressMode(GpuAddressMode::Wrap);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, kWhite}, 0, 0, 2, 2),
            GpuResult::Ok);
  const int column[] = {8, 24, 40, 56};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(ColorNear(Pixel(column[i], 8), i % 2 == 0 ? kRed : kBlue, 2)) << column[i];
    EXPECT_TRUE(ColorNear(Pixel(column[i], 56), i % 2 == 0 ? kRed : kBlue, 2)) << column[i];
  }

  // From -1 to 2 across 64 pixels: a third pinned to each edge texel.
  device_->SetTextureAddressMode(GpuAddressMode::Clamp);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, kWhite}, -1, 0, 2, 1),
            GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(4, 30), kRed, 2));
  EXPECT_TRUE(ColorNear(Pixel(18, 30), kRed, 2));
  EXPECT_TRUE(ColorNear(Pixel(26, 30), kRed, 2));
  EXPECT_TRUE(ColorNear(Pixel(38, 30), kBlue, 2));
  EXPECT_TRUE(ColorNear(Pixel(46, 30), kBlue, 2));
  EXPECT_TRUE(ColorNear(Pixel(60, 30), kBlue, 2));
}

TEST_F(SdlGpuTextureTest, RenderToTextureCopiesTheBackBufferRegion) {
  device_->Clear(kBlack);
  ASSERT_EQ(DrawQuad(0, 0, 8, 8, kRed), GpuResult::Ok);
  ASSERT_EQ(DrawQuad(8, 0, 16, 8, GpuColor{0, 255, 0, 128}), GpuResult::Ok);
  ASSERT_EQ(DrawQuad(0, 8, 16, 16, kBlue), GpuResult::Ok);
  auto texture = device_->CreateTexture(16, 16, GpuTextureFormat::Rgba);
  ASSERT_EQ(device_->CopyBackBufferToTexture({0, 0, 16, 16}, *texture, 0, 0), GpuResult::Ok);

  // Texels in blue, green, red, alpha order, opaque whatever was blended.
  GpuLockedRect locked = texture->Lock();
  const uint8_t* red = locked.bits + 2 * locked.pitch + 2 * 4;
  const uint8_t* green = locked.bits + 2 * locked.pitch + 12 * 4;
  EXPECT_EQ(std::vector<uint8_t>(red, red + 4), (std::vector<uint8_t>{0, 0, 255, 255}));
  EXPECT_NEAR(green[1], 128, 1);
  EXPECT_EQ(green[3], 255);
  texture->Unlock();

  // Drawn back elsewhere, the texture shows what was copied.
  device_->SetTexture(texture.get());
  ASSERT_EQ(DrawQuad(32, 32, 64, 64, kWhite), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(36, 36), kRed, 1));
  EXPECT_TRUE(ColorNear(Pixel(60, 36), {0, 128, 0, 255}, 2));
  EXPECT_TRUE(ColorNear(Pixel(44, 60), kBlue, 1));
}

TEST_F(SdlGpuTextureTest, CopyLeavesOutWhatLiesOffEitherSurface) {
  device_->Clear(kRed);
  auto texture = device_->CreateTexture(16, 16, GpuTextureFormat::Rgba);
  // Four pixels of the source lie left of and above the back buffer.
  ASSERT_EQ(device_->CopyBackBufferToTexture({-4, -4, 8, 8}, *texture, 0, 0), GpuResult::Ok);
  // The destination reaches past the texture's edge.
  ASSERT_EQ(device_->CopyBackBufferToTexture({0, 0, 16, 16}, *texture, 14, 14), GpuResult::Ok);
  GpuLockedRect locked = texture->Lock();
  auto alpha = [&](int x, int y) { return locked.bits[y * locked.pitch + 4 * x + 3]; };
  EXPECT_EQ(alpha(3, 3), 0);
  EXPECT_EQ(alpha(4, 4), 255);
  EXPECT_EQ(alpha(7, 7), 255);
  EXPECT_EQ(alpha(8, 8), 0);
  EXPECT_EQ(alpha(15, 15), 255);
  EXPECT_EQ(alpha(13, 13), 0);

  // Nothing in reach, or a texture held locked, is refused.
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 4, 4}, *texture, 16, 0),
            GpuResult::InvalidCall);
  EXPECT_EQ(device_->CopyBackBufferToTexture({kSize, 0, 4, 4}, *texture, 0, 0),
            GpuResult::InvalidCall);
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 4, 4}, *texture, 0, 0),
            GpuResult::InvalidCall);
  texture->Unlock();
}

// A texture that some other device made.
class ForeignTexture : public GpuTexture {
 public:
  int Width() const override { return 1; }
  int Height() const override { return 1; }
  GpuTextureFormat Format() const override { return GpuTextureFormat::Rgba; }
  GpuLockedRect Lock() override { return {texel_, 4}; }
  void Unlock() override {}

 private:
  uint8_t texel_[4] = {};
};

TEST_F(SdlGpuTextureTest, TexturesItDidNotMakeOrThatAreGoneDrawAsPlainColour) {
  ForeignTexture foreign;
  device_->SetTexture(&foreign);
  ASSERT_EQ(DrawQuad(0, 0, 32, 32, kGreen), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(10, 10), kGreen, 0));
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 1, 1}, foreign, 0, 0), GpuResult::InvalidCall);

  auto texture = MakeRgba(1, 1, {kRed});
  device_->SetTexture(texture.get());
  texture.reset();
  ASSERT_EQ(DrawQuad(32, 32, 64, 64, kBlue), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(40, 40), kBlue, 0));
}

}  // namespace
}  // namespace platform_test
