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

TEST(Vector2Test, ComponentWiseArithmetic) {
  const Vector2 a(1.0f, 2.0f);
  const Vector2 b(3.0f, -4.0f);
  EXPECT_EQ(Vector2(4.0f, -2.0f), a + b);
  EXPECT_EQ(Vector2(-2.0f, 6.0f), a - b);
  EXPECT_EQ(Vector2(2.0f, 4.0f), a * 2.0f);
  EXPECT_EQ(Vector2(2.0f, 4.0f), 2.0f * a);
  EXPECT_EQ(Vector2(3.0f, -8.0f), a.MultiplyComponents(b));
  EXPECT_EQ(Vector2(0.5f, 1.0f), a / 2.0f);
  Vector2 c = a;
  c += b;
  c *= 2.0f;
  EXPECT_EQ(Vector2(8.0f, -4.0f), c);
  EXPECT_EQ(IntVector2(-2, 5), IntVector2(1, 7) - IntVector2(3, 2));
}

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

TEST(Vector2Test, LerpPerpendicularAndSetLength) {
  const Vector2 a(0.0f, 10.0f);
  const Vector2 b(10.0f, 20.0f);
  EXPECT_EQ(a, Vector2::Lerp(a, b, 0.0f));
  EXPECT_EQ(b, Vector2::Lerp(a, b, 1.0f));
  EXPECT_EQ(Vector2(2.5f, 12.5f), Vector2::Lerp(a, b, 0.25f));
  EXPECT_EQ(Vector2(20.0f, 30.0f), Vector2::Lerp(a, b, 2.0f));  // t is not clamped

  EXPECT_EQ(Vector2(-4.0f, 3.0f), Vector2::Perpendicular(Vector2(3.0f, 4.0f)));

  const Vector2 resized = Vector2::SetLength(Vector2(3.0f, 4.0f), 10.0f);
  EXPECT_FLOAT_EQ(6.0f, resized.x);
  EXPECT_FLOAT_EQ(8.0f, resized.y);
  EXPECT_FLOAT_EQ(10.0f, resized.CalcLength());
  EXPECT_EQ(Vector2(), Vector2::SetLength(Vector2(), 5.0f));
}

TEST(AABB2Test, SizeCentreAndNormalizedPoints) {
  const AABB2 box(10.0f, 20.0f, 50.0f, 100.0f);
  EXPECT_EQ(Vector2(40.0f, 80.0f), box.CalcSize());
  EXPECT_EQ(Vector2(30.0f, 60.0f), box.CalcCenter());
  EXPECT_EQ(box.mins, box.GetPointAtNormalizedCoords(Vector2(0.0f, 0.0f)));
  EXPECT_EQ(box.maxs, box.GetPointAtNormalizedCoords(Vector2(1.0f, 1.0f)));
  EXPECT_EQ(Vector2(20.0f, 80.0f), box.GetPointAtNormalizedCoords(Vector2(0.25f, 0.75f)));
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

TEST(AABB2Test, TranslateScaleStretchAndLerp) {
  const AABB2 box(1.0f, 2.0f, 3.0f, 4.0f);
  ExpectBox(box + Vector2(10.0f, -1.0f), 11.0f, 1.0f, 13.0f, 3.0f);
  ExpectBox(box - Vector2(1.0f, 2.0f), 0.0f, 0.0f, 2.0f, 2.0f);
  ExpectBox(box.MultiplyComponents(Vector2(2.0f, 10.0f)), 2.0f, 20.0f, 6.0f, 40.0f);

  AABB2 stretched = box;
  stretched.StretchToIncludeBox(AABB2(2.0f, -5.0f, 8.0f, 3.0f));
  ExpectBox(stretched, 1.0f, -5.0f, 8.0f, 4.0f);

  ExpectBox(AABB2::Lerp(box, AABB2(3.0f, 6.0f, 7.0f, 8.0f), 0.5f), 2.0f, 4.0f, 5.0f, 6.0f);
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
