// Textures on the SDL device: tint, formats, locking, address modes, copies
// from the back buffer, and textures that survive a lost device.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/gpu/SdlGpuDevice.h"
#include "tests/platform/gpu/GpuDeviceFixture.h"

namespace platform_test {
namespace {

using platform::GpuAddressMode;
using platform::GpuLockedRect;
using platform::GpuTexture;
using platform::GpuTextureFormat;

class SdlGpuTextureTest : public GpuDeviceFixture {
 protected:
  void DrawTexture(GpuTexture* texture) {
    device_->SetTexture(texture);
    ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, kWhite), GpuResult::Ok);
  }
};

TEST_F(SdlGpuTextureTest, TexturedQuadIsTintedByItsVertexColoursForThatDrawOnly) {
  auto texture = MakeBlocks(2, 2, 16, {kRed, kGreen, kWhite, kBlue});
  device_->SetTexture(texture.get());
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, GpuColor{255, 128, 255, 255}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(48, 16), {0, 128, 0, 255}, 1));
  EXPECT_TRUE(ColorNear(Pixel(16, 48), {255, 128, 255, 255}, 1));
  EXPECT_TRUE(ColorNear(Pixel(48, 48), kBlue, 1));
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, {250, 250, 250, 255}}), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(48, 16), kGreen, 3));
}

// Each format: its texel size in the lock, zeroed at first, locked once at a
// time, and drawn as its colour; the unused byte of Rgb is no alpha.
TEST_F(SdlGpuTextureTest, EachFormatLocksInItsLayoutAndDrawsAsItsColour) {
  const struct {
    GpuTextureFormat format;
    std::vector<uint8_t> texel;
    GpuColor drawn;
  } formats[] = {{GpuTextureFormat::Rgb, {0, 0, 200, 0}, {200, 0, 0, 255}},
                 {GpuTextureFormat::Rgba, {0, 0, 200, 255}, {200, 0, 0, 255}},
                 {GpuTextureFormat::Luminance, {100}, {100, 100, 100, 255}},
                 {GpuTextureFormat::LuminanceAlpha, {200, 128}, {100, 100, 100, 255}}};
  for (const auto& entry : formats) {
    SCOPED_TRACE(entry.texel.size());
    auto texture = device_->CreateTexture(8, 4, entry.format);
    ASSERT_NE(texture, nullptr);
    GpuLockedRect locked = texture->Lock();
    ASSERT_EQ(locked.pitch, 8 * static_cast<int>(entry.texel.size()));
    EXPECT_EQ(std::vector<uint8_t>(locked.bits, locked.bits + 4 * locked.pitch), std::vector<uint8_t>(4 * locked.pitch));
    EXPECT_EQ(texture->Lock().bits, nullptr);
    for (int i = 0; i < 32; ++i) std::memcpy(locked.bits + i * entry.texel.size(), entry.texel.data(), entry.texel.size());
    texture->Unlock();
    device_->Clear(kBlack);
    DrawTexture(texture.get());
    EXPECT_TRUE(ColorNear(Pixel(30, 30), entry.drawn, 2));
  }
  EXPECT_EQ(device_->CreateTexture(0, 4, GpuTextureFormat::Rgba), nullptr);
  EXPECT_EQ(device_->CreateTexture(4, -1, GpuTextureFormat::Rgba), nullptr);
  EXPECT_EQ(device_->CreateTexture(1 << 20, 4, GpuTextureFormat::Rgba), nullptr);
  EXPECT_FALSE(device_->LastError().empty());
}

TEST_F(SdlGpuTextureTest, WrapRepeatsAndClampStretchesTheEdges) {
  auto texture = MakeBlocks(2, 1, 16, {kRed, kBlue});
  device_->SetTexture(texture.get());
  device_->SetTextureAddressMode(GpuAddressMode::Wrap);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, kWhite}, 0, 0, 2, 2), GpuResult::Ok);
  for (int x : {8, 24, 40, 56}) EXPECT_TRUE(ColorNear(Pixel(x, 56), x % 32 < 16 ? kRed : kBlue, 2)) << x;
  // From -1 to 2 across 64 pixels: a third pinned to each edge texel.
  device_->SetTextureAddressMode(GpuAddressMode::Clamp);
  ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, {kWhite, kWhite, kWhite, kWhite}, -1, 0, 2, 1), GpuResult::Ok);
  for (int x : {4, 18, 26, 38, 46, 60}) EXPECT_TRUE(ColorNear(Pixel(x, 30), x < 32 ? kRed : kBlue, 2)) << x;
}

TEST_F(SdlGpuTextureTest, CopiesFromTheBackBufferAreOpaqueAndLeaveOutWhatLiesOffEitherSurface) {
  device_->Clear(kBlack);
  ASSERT_EQ(DrawQuad(0, 0, 16, 8, GpuColor{0, 255, 0, 128}), GpuResult::Ok);
  ASSERT_EQ(DrawQuad(0, 8, 16, 16, kBlue), GpuResult::Ok);
  auto texture = device_->CreateTexture(16, 16, GpuTextureFormat::Rgba);
  // Four pixels of the source lie left of and above the back buffer; then
  // the destination reaches past the texture's edge.
  ASSERT_EQ(device_->CopyBackBufferToTexture({-4, -4, 8, 8}, *texture, 0, 0), GpuResult::Ok);
  ASSERT_EQ(device_->CopyBackBufferToTexture({0, 8, 16, 16}, *texture, 14, 14), GpuResult::Ok);
  GpuLockedRect locked = texture->Lock();
  const auto texel = [&](int x, int y) { return std::vector<uint8_t>(locked.bits + y * locked.pitch + 4 * x, locked.bits + y * locked.pitch + 4 * x + 4); };
  EXPECT_EQ(texel(3, 3), std::vector<uint8_t>(4, 0));
  EXPECT_EQ(texel(4, 4), (std::vector<uint8_t>{0, 128, 0, 255}));
  EXPECT_EQ(texel(8, 8), std::vector<uint8_t>(4, 0));
  EXPECT_EQ(texel(15, 15), (std::vector<uint8_t>{255, 0, 0, 255}));
  // Nothing in reach, or a texture held locked, is refused.
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 4, 4}, *texture, 16, 0), GpuResult::InvalidCall);
  EXPECT_EQ(device_->CopyBackBufferToTexture({kSize, 0, 4, 4}, *texture, 0, 0), GpuResult::InvalidCall);
  EXPECT_EQ(device_->CopyBackBufferToTexture({0, 0, 4, 4}, *texture, 0, 0), GpuResult::InvalidCall);
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
  auto texture = MakeBlocks(1, 1, 1, {kRed});
  device_->SetTexture(texture.get());
  texture.reset();
  ASSERT_EQ(DrawQuad(32, 32, 64, 64, kBlue), GpuResult::Ok);
  EXPECT_TRUE(ColorNear(Pixel(40, 40), kBlue, 0));
}

// Lost, nothing is drawn, shown or read; after the reset every texture shows
// its contents, also those changed or made while lost.
TEST_F(SdlGpuTextureTest, TexturesSurviveALostDevice) {
  auto kept = MakeBlocks(2, 1, 16, {kRed, kBlue});
  auto changed = MakeBlocks(2, 1, 16, {kRed, kBlue});
  device_->SimulateDeviceLoss();
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kGreen), GpuResult::DeviceLost);
  EXPECT_EQ(device_->EndScene(), GpuResult::DeviceLost);
  EXPECT_EQ(device_->Present(), GpuResult::DeviceLost);
  EXPECT_EQ(device_->BeginScene(), GpuResult::DeviceLost);
  EXPECT_TRUE(device_->ReadBackBuffer({0, 0, 1, 1}).empty());
  Paint(*changed, 2, 16, {kGreen, kWhite});
  auto made = MakeBlocks(2, 1, 16, {kBlue, kRed});

  ASSERT_EQ(device_->TestDeviceState(), GpuResult::DeviceNotReset);
  EXPECT_EQ(device_->Reset(0, kSize), GpuResult::InvalidCall);
  EXPECT_EQ(device_->Reset(kSize, 1 << 20), GpuResult::InvalidCall);
  ASSERT_EQ(device_->Reset(2 * kSize, kSize), GpuResult::Ok) << device_->LastError();
  EXPECT_EQ(device_->TestDeviceState(), GpuResult::Ok);
  EXPECT_EQ(device_->ReadBackBuffer({0, 0, 2 * kSize, kSize}).size(), static_cast<size_t>(2 * kSize * kSize));
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize, kSize));
  ASSERT_EQ(device_->SetViewport({0, 0, kSize, kSize}), GpuResult::Ok);
  const std::pair<GpuTexture*, std::pair<GpuColor, GpuColor>> drawn[] = {
      {kept.get(), {kRed, kBlue}}, {changed.get(), {kGreen, kWhite}}, {made.get(), {kBlue, kRed}}};
  for (const auto& [texture, colors] : drawn) {
    DrawTexture(texture);
    EXPECT_TRUE(ColorNear(Pixel(10, 10), colors.first, 0));
    EXPECT_TRUE(ColorNear(Pixel(50, 10), colors.second, 0));
  }
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  EXPECT_EQ(device_->Present(), GpuResult::Ok);
}

}  // namespace
}  // namespace platform_test
