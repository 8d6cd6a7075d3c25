#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gpu/TexelConversion.h"

namespace {

using platform::GpuTextureFormat;

constexpr uint8_t kGuard = 0xA5;
constexpr int kCount = 3;

struct FormatCase {
  GpuTextureFormat format;
  int bytesPerTexel;
};

const FormatCase kFormats[] = {
    {GpuTextureFormat::Rgb, 4},
    {GpuTextureFormat::Rgba, 4},
    {GpuTextureFormat::Luminance, 1},
    {GpuTextureFormat::LuminanceAlpha, 2},
};

// A loop that runs one texel too far writes into the bytes just past the
// converted area; the larger buffer keeps that write inside the allocation so
// a plain build sees it as a changed guard byte rather than only a sanitizer
// report.
TEST(TexelConversionBoundsTest, TexelsToBgraLeavesTheBytesPastTheLastPixelUntouched) {
  for (const FormatCase& c : kFormats) {
    SCOPED_TRACE(c.bytesPerTexel);
    const std::vector<uint8_t> texels((kCount + 1) * c.bytesPerTexel, 0x40);
    std::vector<uint8_t> bgra((kCount + 1) * 4, kGuard);
    platform::TexelsToBgra(c.format, texels.data(), kCount, bgra.data());
    for (int i = kCount * 4; i < (kCount + 1) * 4; ++i) {
      EXPECT_EQ(bgra[i], kGuard) << "byte " << i;
    }
  }
}

TEST(TexelConversionBoundsTest, BgraToTexelsLeavesTheBytesPastTheLastTexelUntouched) {
  for (const FormatCase& c : kFormats) {
    SCOPED_TRACE(c.bytesPerTexel);
    const std::vector<uint8_t> bgra((kCount + 1) * 4, 0x40);
    std::vector<uint8_t> texels((kCount + 1) * c.bytesPerTexel, kGuard);
    platform::BgraToTexels(c.format, bgra.data(), kCount, texels.data());
    for (int i = kCount * c.bytesPerTexel; i < (kCount + 1) * c.bytesPerTexel; ++i) {
      EXPECT_EQ(texels[i], kGuard) << "byte " << i;
    }
  }
}

}  // namespace
