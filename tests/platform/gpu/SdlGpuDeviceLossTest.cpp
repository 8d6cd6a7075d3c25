#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gpu/SdlGpuDevice.h"
#include "tests/platform/gpu/GpuDeviceFixture.h"

namespace platform_test {
namespace {

using platform::GpuBlendFactor;
using platform::GpuColor;
using platform::GpuLockedRect;
using platform::GpuResult;
using platform::GpuTexture;
using platform::GpuTextureFormat;

class SdlGpuDeviceLossTest : public GpuDeviceFixture {
 protected:
  // A 32 x 32 texture whose left half is one colour and right half another.
  std::unique_ptr<GpuTexture> MakeHalves(GpuColor left, GpuColor right) {
    std::unique_ptr<GpuTexture> texture = device_->CreateTexture(32, 32, GpuTextureFormat::Rgba);
    EXPECT_NE(texture, nullptr) << device_->LastError();
    Paint(*texture, left, right);
    return texture;
  }

  static void Paint(GpuTexture& texture, GpuColor left, GpuColor right) {
    GpuLockedRect locked = texture.Lock();
    ASSERT_NE(locked.bits, nullptr);
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const GpuColor& color = x < 16 ? left : right;
        uint8_t* texel = locked.bits + y * locked.pitch + 4 * x;
        texel[0] = color.b;
        texel[1] = color.g;
        texel[2] = color.r;
        texel[3] = color.a;
      }
    }
    texture.Unlock();
  }

  // Brings the lost device back and starts a scene drawn in pixels, as the
  // renderer does after a reset.
  void Recover() {
    ASSERT_EQ(device_->TestDeviceState(), GpuResult::DeviceNotReset);
    ASSERT_EQ(device_->Reset(kSize, kSize), GpuResult::Ok) << device_->LastError();
    EXPECT_EQ(device_->TestDeviceState(), GpuResult::Ok);
    ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
    device_->SetProjection(PixelProjection(kSize, kSize));
  }

  void DrawTexture(GpuTexture* texture) {
    device_->SetTexture(texture);
    ASSERT_EQ(DrawQuad(0, 0, kSize, kSize, kWhite), GpuResult::Ok);
  }
};

TEST_F(SdlGpuDeviceLossTest, DrawingResumesAfterResetWithTheSameTextureContents) {
  auto texture = MakeHalves(kRed, kBlue);
  DrawTexture(texture.get());
  const std::vector<GpuColor> before = device_->ReadBackBuffer({0, 0, kSize, kSize});
  ASSERT_TRUE(ColorNear(before[10 * kSize + 10], kRed, 0));

  device_->SimulateDeviceLoss();
  // Lost: nothing is drawn, shown or read, and the scene has to begin anew.
  EXPECT_EQ(device_->DrawTriangleFan(nullptr, 0), GpuResult::DeviceLost);
  EXPECT_EQ(DrawQuad(0, 0, kSize, kSize, kGreen), GpuResult::DeviceLost);
  EXPECT_EQ(device_->EndScene(), GpuResult::DeviceLost);
  EXPECT_EQ(device_->Present(), GpuResult::DeviceLost);
  EXPECT_EQ(device_->BeginScene(), GpuResult::DeviceLost);
  EXPECT_TRUE(device_->ReadBackBuffer({0, 0, 1, 1}).empty());
  device_->Clear(kGreen);

  Recover();
  DrawTexture(texture.get());
  EXPECT_EQ(device_->ReadBackBuffer({0, 0, kSize, kSize}), before);
  ASSERT_EQ(device_->EndScene(), GpuResult::Ok);
  EXPECT_EQ(device_->Present(), GpuResult::Ok);
}

TEST_F(SdlGpuDeviceLossTest, TexturesChangedOrMadeWhileLostShowAfterReset) {
  auto changed = MakeHalves(kRed, kBlue);
  device_->SimulateDeviceLoss();
  Paint(*changed, kGreen, kWhite);
  auto made = device_->CreateTexture(32, 32, GpuTextureFormat::Rgba);
  ASSERT_NE(made, nullptr);
  Paint(*made, kBlue, kRed);

  Recover();
  DrawTexture(changed.get());
  EXPECT_TRUE(ColorNear(Pixel(10, 10), kGreen, 0));
  EXPECT_TRUE(ColorNear(Pixel(50, 10), kWhite, 0));
  DrawTexture(made.get());
  EXPECT_TRUE(ColorNear(Pixel(10, 10), kBlue, 0));
  EXPECT_TRUE(ColorNear(Pixel(50, 10), kRed, 0));
}

TEST_F(SdlGpuDeviceLossTest, ResetResizesTheBackBufferOrRefusesImpossibleSizes) {
  EXPECT_EQ(device_->Reset(0, kSize), GpuResult::InvalidCall);
  EXPECT_EQ(device_->Reset(kSize, 1 << 20), GpuResult::InvalidCall);
  EXPECT_EQ(device_->TestDeviceState(), GpuResult::Ok);
  EXPECT_EQ(device_->BackBufferWidth(), kSize);

  auto texture = MakeHalves(kRed, kBlue);
  ASSERT_EQ(device_->Reset(2 * kSize, kSize), GpuResult::Ok);
  EXPECT_EQ(device_->BackBufferWidth(), 2 * kSize);
  EXPECT_EQ(device_->BackBufferHeight(), kSize);
  EXPECT_EQ(device_->ReadBackBuffer({0, 0, 2 * kSize, kSize}).size(),
            static_cast<size_t>(2 * kSize * kSize));
  ASSERT_EQ(device_->BeginScene(), GpuResult::Ok);
  device_->SetProjection(PixelProjection(kSize, kSize));
  ASSERT_EQ(device_->SetViewport({0, 0, kSize, kSize}), GpuResult::Ok);
  DrawTexture(texture.get());
  EXPECT_TRUE(ColorNear(Pixel(50, 10), kBlue, 0));
}

}  // namespace
}  // namespace platform_test
