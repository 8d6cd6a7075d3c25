#include <gtest/gtest.h>

#include <limits>

#include "engine/core/AABB2.h"
#include "engine/core/IntVector2.h"
#include "engine/core/Vector2.h"

namespace {

void ExpectBox(const AABB2& box, float minX, float minY, float maxX, float maxY) {
  EXPECT_FLOAT_EQ(minX, box.mins.x);
  EXPECT_FLOAT_EQ(minY, box.mins.y);
  EXPECT_FLOAT_EQ(maxX, box.maxs.x);
  EXPECT_FLOAT_EQ(maxY, box.maxs.y);
}

}  // namespace

TEST(Vector2Test, DivisionByZeroGivesZero) {
  EXPECT_EQ(Vector2(0.0f, 0.0f), Vector2(3.0f, 4.0f) / 0.0f);
  Vector2 v(1.0f, 1.0f);
  v /= 0.0f;
  EXPECT_EQ(Vector2(), v);
}

TEST(Vector2Test, ToIntVector2RoundsHalvesUpward) {
  EXPECT_EQ(IntVector2(3, 0), Vector2(2.5f, -0.5f).ToIntVector2(1.0f));
  EXPECT_EQ(IntVector2(-1, 2), Vector2(-0.51f, 1.5f).ToIntVector2(1.0f));
  EXPECT_EQ(IntVector2(3, -3), Vector2(25.0f, -26.0f).ToIntVector2(10.0f));
  EXPECT_EQ(IntVector2(2, -2), Vector2(24.0f, -25.0f).ToIntVector2(10.0f));
  EXPECT_EQ(IntVector2(0, 0), Vector2(25.0f, -26.0f).ToIntVector2(0.0f));
}

TEST(Vector2Test, ToIntVector2SaturatesOutOfRangeValues) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(IntVector2(std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()),
            Vector2(1e20f, -1e20f).ToIntVector2(1.0f));
  EXPECT_EQ(IntVector2(0, 0), Vector2(nan, nan).ToIntVector2(1.0f));
}

TEST(AABB2Test, PointInsideIncludesEdgesAndCorners) {
  const AABB2 box(0.0f, 0.0f, 10.0f, 5.0f);
  EXPECT_TRUE(box.IsPointInside(Vector2(0.0f, 0.0f)));
  EXPECT_TRUE(box.IsPointInside(Vector2(10.0f, 5.0f)));
  EXPECT_TRUE(box.IsPointInside(Vector2(10.0f, 0.0f)));
  EXPECT_TRUE(box.IsPointInside(Vector2(5.0f, 5.0f)));
  EXPECT_TRUE(box.IsPointInside(Vector2(3.0f, 2.0f)));
  EXPECT_FALSE(box.IsPointInside(Vector2(10.01f, 2.0f)));
  EXPECT_FALSE(box.IsPointInside(Vector2(3.0f, -0.01f)));
  EXPECT_FALSE(box.IsPointInside(Vector2(-1.0f, 6.0f)));
}

TEST(AABB2Test, CenteredBoxWithAspectRatio) {
  const AABB2 square(0.0f, 0.0f, 100.0f, 100.0f);
  ExpectBox(square.GetCenteredBoxWithAspectRatio(2.0f), 0.0f, 25.0f, 100.0f, 75.0f);
  ExpectBox(square.GetCenteredBoxWithAspectRatio(0.5f), 25.0f, 0.0f, 75.0f, 100.0f);
  ExpectBox(square.GetCenteredBoxWithAspectRatio(-2.0f), 0.0f, 25.0f, 100.0f, 75.0f);
  ExpectBox(square.GetCenteredBoxWithAspectRatio(0.0f), 50.0f, 0.0f, 50.0f, 100.0f);
  ExpectBox(square.GetCenteredBoxWithAspectRatio(1.0f), 0.0f, 0.0f, 100.0f, 100.0f);

  // The 16:10 area of a 1280 x 1024 client.
  ExpectBox(AABB2(0.0f, 0.0f, 1280.0f, 1024.0f).GetCenteredBoxWithAspectRatio(1.6f), 0.0f, 112.0f,
            1280.0f, 912.0f);
}

TEST(AABB2Test, CenteredBoxNeverLeavesAFlatBox) {
  const AABB2 flat(0.0f, 10.0f, 100.0f, 10.0f);
  ExpectBox(flat.GetCenteredBoxWithAspectRatio(2.0f), 50.0f, 10.0f, 50.0f, 10.0f);
  const AABB2 thin(20.0f, 0.0f, 20.0f, 100.0f);
  ExpectBox(thin.GetCenteredBoxWithAspectRatio(2.0f), 20.0f, 50.0f, 20.0f, 50.0f);
}
