#include "platform/gpu/OrthographicProjection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using platform::OrthographicProjection;

TEST(OrthographicProjectionTest, MapsAnOffCentreRectangleOntoTheViewport) {
  const OrthographicProjection virtualScreen(100, 1124, 740, 100);
  const OrthographicProjection::Point topLeft = virtualScreen.ToViewport(100, 100, 800, 600);
  const OrthographicProjection::Point middle = virtualScreen.ToViewport(612, 420, 800, 600);
  EXPECT_FLOAT_EQ(topLeft.x, 0);
  EXPECT_FLOAT_EQ(topLeft.y, 0);
  EXPECT_FLOAT_EQ(middle.x, 400);
  EXPECT_FLOAT_EQ(middle.y, 300);
}

TEST(OrthographicProjectionTest, EmptyOrUnboundedRectanglesAreNotValid) {
  const float infinity = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float huge = std::numeric_limits<float>::max();
  EXPECT_TRUE(OrthographicProjection(0, 1, 1, 0).IsValid());
  EXPECT_TRUE(OrthographicProjection().IsValid());
  EXPECT_FALSE(OrthographicProjection(3, 3, 1, 0).IsValid());
  EXPECT_FALSE(OrthographicProjection(0, 1, 2, 2).IsValid());
  EXPECT_FALSE(OrthographicProjection(0, infinity, 1, 0).IsValid());
  EXPECT_FALSE(OrthographicProjection(0, 1, nan, 0).IsValid());
  EXPECT_FALSE(OrthographicProjection(-huge, huge, 1, 0).IsValid());
}

}  // namespace
