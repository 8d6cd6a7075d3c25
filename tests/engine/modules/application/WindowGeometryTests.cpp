#include <gtest/gtest.h>

#include <cmath>

#include "engine/modules/application/ApplicationWindowProperties.h"
#include "engine/modules/application/WindowPlacement.h"

namespace {

void ExpectBox(const AABB2& box, float minX, float minY, float maxX, float maxY) {
  EXPECT_FLOAT_EQ(box.mins.x, minX);
  EXPECT_FLOAT_EQ(box.mins.y, minY);
  EXPECT_FLOAT_EQ(box.maxs.x, maxX);
  EXPECT_FLOAT_EQ(box.maxs.y, maxY);
}

ApplicationWindowProperties LaidOut(int width, int height) {
  ApplicationWindowProperties properties(IntVector2(width, height), 0);
  properties.RecomputeBounds();
  return properties;
}

TEST(SixteenByTenTest, CutsTheLongerSide) {
  EXPECT_EQ(BringToSixteenByTen(IntVector2(1720, 880)), IntVector2(1408, 880));
  EXPECT_EQ(BringToSixteenByTen(IntVector2(1920, 1080)), IntVector2(1728, 1080));
  EXPECT_EQ(BringToSixteenByTen(IntVector2(1280, 1024)), IntVector2(1280, 800));
  EXPECT_EQ(BringToSixteenByTen(IntVector2(1400, 700)), IntVector2(1120, 700));
  EXPECT_EQ(BringToSixteenByTen(IntVector2(1001, 999)), IntVector2(1001, 625));
}

TEST(SixteenByTenTest, AnExactMatchAndAZeroHeight) {
  EXPECT_EQ(BringToSixteenByTen(IntVector2(640, 400)), IntVector2(640, 400));
  EXPECT_EQ(BringToSixteenByTen(IntVector2(1680, 1050)), IntVector2(1680, 1050));
  EXPECT_EQ(BringToSixteenByTen(IntVector2(640, 0)), IntVector2(640, 400));
  EXPECT_EQ(BringToSixteenByTen(IntVector2(0, 0)), IntVector2(0, 0));
}

TEST(WindowPropertiesTest, ATallClientGetsBarsAboveAndBelow) {
  const ApplicationWindowProperties properties = LaidOut(1280, 1024);
  ExpectBox(properties.m_screenBounds, 0, 112, 1280, 912);
  ExpectBox(properties.m_viewBounds, 0, 0, 1024, 640);
  EXPECT_FLOAT_EQ(properties.m_viewScale.x, 0.8f);
  EXPECT_FLOAT_EQ(properties.m_viewScale.y, 0.8f);
}

TEST(WindowPropertiesTest, AWideClientGetsBarsAtTheSides) {
  const ApplicationWindowProperties properties = LaidOut(1920, 1080);
  ExpectBox(properties.m_screenBounds, 96, 0, 1824, 1080);
  ExpectBox(properties.m_viewBounds, 0, 0, 1024, 640);
  EXPECT_NEAR(properties.m_viewScale.x, 0.5926f, 0.00005f);
  EXPECT_NEAR(properties.m_viewScale.y, 0.5926f, 0.00005f);
}

TEST(WindowPropertiesTest, AMinimisedClientKeepsThePreviousBounds) {
  ApplicationWindowProperties properties = LaidOut(1280, 1024);
  for (const IntVector2 empty : {IntVector2(0, 0), IntVector2(1280, 0), IntVector2(0, 1024)}) {
    properties.m_physicalSize = empty;
    properties.RecomputeBounds();
    ExpectBox(properties.m_screenBounds, 0, 112, 1280, 912);
    ExpectBox(properties.m_viewBounds, 0, 0, 1024, 640);
    EXPECT_TRUE(std::isfinite(properties.m_viewScale.x));
    EXPECT_FLOAT_EQ(properties.m_viewScale.y, 0.8f);
  }
}

TEST(WindowPlacementTest, AWindowThatFitsIsCentred) {
  const WindowPlacement placement =
      PlaceWindowOnDesktop(IntVector2(640, 400), {30, 8, 8, 8}, ScreenRect{0, 0, 1920, 1080});
  EXPECT_EQ(placement.clientRect, (ScreenRect{640, 340, 1280, 740}));
  EXPECT_EQ(placement.windowRect, (ScreenRect{632, 310, 1288, 748}));
}

TEST(WindowPlacementTest, AWindowLargerThanTheDesktopKeepsItsSizeAndTopLeftCorner) {
  const WindowPlacement placement =
      PlaceWindowOnDesktop(IntVector2(1920, 1200), {30, 8, 8, 8}, ScreenRect{0, 0, 1600, 900});
  EXPECT_EQ(placement.windowRect.left, 0);
  EXPECT_EQ(placement.windowRect.top, 0);
  EXPECT_EQ(placement.windowRect.Width(), 1936);
  EXPECT_EQ(placement.windowRect.Height(), 1238);
  EXPECT_EQ(placement.clientRect, (ScreenRect{8, 30, 1928, 1230}));
}

TEST(WindowPlacementTest, AFrameOverTheBottomEdgeIsShiftedUpWithItsClientArea) {
  // Centred, the deep bottom frame would reach 10 pixels below the desktop.
  const WindowPlacement placement =
      PlaceWindowOnDesktop(IntVector2(800, 1000), {2, 0, 30, 0}, ScreenRect{0, 0, 1200, 1040});
  EXPECT_EQ(placement.windowRect, (ScreenRect{200, 8, 1000, 1040}));
  EXPECT_EQ(placement.clientRect, (ScreenRect{200, 10, 1000, 1010}));
}

}  // namespace
