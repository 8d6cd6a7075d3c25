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

TEST(RgbaTest, OutOfRangeInputClamps) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  ExpectColor(Rgba(1.5f, -0.2f, nan, 2.0f), 255, 0, 0, 255);
  ExpectColor(Rgba(300, -5, 128, 999), 255, 0, 128, 255);
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

// At either end of the range, and from black, the colour becomes a grey.
TEST(RgbaTest, SetBrightnessAtTheEndsOrFromBlackGivesGrey) {
  const struct {
    Rgba start;
    int target;
    Rgba expected;
  } cases[] = {{Rgba(10, 20, 30, 77), 0, Rgba(0, 0, 0, 77)},
               {Rgba(10, 20, 30, 77), 255, Rgba(255, 255, 255, 77)},
               {Rgba(10, 20, 30, 77), 400, Rgba(255, 255, 255, 77)},
               {Rgba(0, 0, 0, 50), 90, Rgba(90, 90, 90, 50)}};
  for (const auto& c : cases) {
    Rgba color = c.start;
    color.SetBrightness(c.target);
    EXPECT_EQ(color, c.expected) << c.target;
  }
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

