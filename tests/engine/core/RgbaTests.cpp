#include <gtest/gtest.h>

#include <limits>

#include "engine/core/Rgba.h"

namespace {

void ExpectColor(const Rgba& color, int r, int g, int b, int a) {
  EXPECT_EQ(r, color.r);
  EXPECT_EQ(g, color.g);
  EXPECT_EQ(b, color.b);
  EXPECT_EQ(a, color.a);
}

}  // namespace

TEST(RgbaTest, BuiltFromUnitFloats) {
  ExpectColor(Rgba(1.0f, 0.5f, 0.0f, 0.25f), 255, 127, 0, 63);
  ExpectColor(Rgba::WHITE, 255, 255, 255, 255);
  ExpectColor(Rgba(10, 20, 30), 10, 20, 30, 255);
}

TEST(RgbaTest, OutOfRangeInputClamps) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  ExpectColor(Rgba(1.5f, -0.2f, nan, 2.0f), 255, 0, 0, 255);
  ExpectColor(Rgba(300, -5, 128, 999), 255, 0, 128, 255);
}

TEST(RgbaTest, Brightness) {
  EXPECT_EQ(255u, Rgba(255, 255, 255).GetBrightness());
  EXPECT_EQ(73u, Rgba(255, 0, 0).GetBrightness());
  EXPECT_EQ(134u, Rgba(0, 255, 0).GetBrightness());
  EXPECT_EQ(46u, Rgba(0, 0, 255).GetBrightness());
  EXPECT_EQ(0u, Rgba(0, 0, 0).GetBrightness());
}

TEST(RgbaTest, SetBrightnessBlendsTowardWhiteWhenScalingFallsShort) {
  Rgba blue(0, 0, 255, 255);
  blue.SetBrightness(128);
  ExpectColor(blue, 100, 100, 255, 255);
  EXPECT_EQ(128u, blue.GetBrightness());

  // The blend toward white takes the alpha along.
  Rgba translucentBlue(0, 0, 255, 100);
  translucentBlue.SetBrightness(128);
  ExpectColor(translucentBlue, 100, 100, 255, 161);
}

TEST(RgbaTest, SetBrightnessScalesWhenItCan) {
  Rgba brighter(100, 50, 20, 200);
  brighter.SetBrightness(116);
  ExpectColor(brighter, 200, 100, 40, 200);

  Rgba darker(200, 100, 40, 255);
  darker.SetBrightness(29);
  ExpectColor(darker, 49, 24, 9, 255);
}

TEST(RgbaTest, SetBrightnessExtremesAndGrey) {
  Rgba color(10, 20, 30, 77);
  color.SetBrightness(0);
  ExpectColor(color, 0, 0, 0, 77);

  Rgba bright(10, 20, 30, 77);
  bright.SetBrightness(255);
  ExpectColor(bright, 255, 255, 255, 77);

  Rgba beyond(10, 20, 30, 77);
  beyond.SetBrightness(400);
  ExpectColor(beyond, 255, 255, 255, 77);

  Rgba black(0, 0, 0, 50);
  black.SetBrightness(90);
  ExpectColor(black, 90, 90, 90, 50);
}

TEST(RgbaTest, Interpolation) {
  const Rgba black(0, 0, 0, 255);
  const Rgba white(255, 255, 255, 255);
  ExpectColor(Rgba::Lerp(black, white, 0.5f), 127, 127, 127, 255);
  EXPECT_EQ(black, Rgba::Lerp(black, white, 0.0f));
  EXPECT_EQ(white, Rgba::Lerp(black, white, 1.0f));
  const Rgba odd(1, 100, 254, 7);
  EXPECT_EQ(odd, Rgba::Lerp(odd, white, 0.0f));

  // Beyond the ends the channels saturate instead of wrapping.
  ExpectColor(Rgba::Lerp(Rgba(200, 200, 200, 200), white, 2.0f), 255, 255, 255, 255);
  ExpectColor(Rgba::Lerp(white, black, 2.0f), 0, 0, 0, 255);
}

TEST(RgbaTest, ScalingClampsToAByte) {
  Rgba color(200, 10, 0, 255);
  color.ScaleAlpha(0.5f);
  ExpectColor(color, 200, 10, 0, 127);
  color.ScaleAlpha(3.0f);
  EXPECT_EQ(255, color.a);

  color.ScaleRGB(2.0f);
  ExpectColor(color, 255, 20, 0, 255);
  color.ScaleRGB(-1.0f);
  ExpectColor(color, 0, 0, 0, 255);
}

TEST(RgbaTest, LerpTowardWhiteMovesAllFourChannels) {
  Rgba clear(0, 0, 0, 0);
  clear.LerpTowardWhite(0.5f);
  ExpectColor(clear, 127, 127, 127, 127);
  clear.LerpTowardWhite(1.0f);
  EXPECT_EQ(Rgba::WHITE, clear);
}
