#include "platform/gpu/TextureSeams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using platform::GpuAddressMode;
using platform::GpuColor;
using platform::GpuVertex;
using platform::SplitTriangleAtTextureSeams;

// Texture coordinates that run with the position: u = x / 10 - 1, v = y / 10.
GpuVertex At(float x, float y, GpuColor color = {255, 255, 255, 255}) {
  return {x, y, color, x / 10.0f - 1.0f, y / 10.0f};
}

double Area(const GpuVertex& a, const GpuVertex& b, const GpuVertex& c) {
  return std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2.0;
}

double TotalArea(const std::vector<GpuVertex>& triangles) {
  double area = 0.0;
  for (size_t i = 0; i + 2 < triangles.size(); i += 3) {
    area += Area(triangles[i], triangles[i + 1], triangles[i + 2]);
  }
  return area;
}

TEST(TextureSeamsTest, WrapCutsAtEveryRepeatAndShiftsEachPieceIntoRange) {
  // u runs from -1 to 2 across the triangle: three repeats.
  std::vector<GpuVertex> pieces;
  ASSERT_TRUE(SplitTriangleAtTextureSeams(At(0, 0), At(30, 0), At(0, 10), GpuAddressMode::Wrap,
                                          16, 16, pieces));
  ASSERT_EQ(pieces.size() % 3, 0u);
  EXPECT_GE(pieces.size(), 9u);
  EXPECT_NEAR(TotalArea(pieces), 150.0, 1e-3);
  for (size_t i = 0; i < pieces.size(); i += 3) {
    // Within one piece, u differs from the unwrapped u by one whole repeat.
    const double shift = (pieces[i].x / 10.0 - 1.0) - pieces[i].u;
    EXPECT_NEAR(shift, std::round(shift), 1e-4);
    for (size_t k = i; k < i + 3; ++k) {
      EXPECT_GE(pieces[k].u, 0.0f);
      EXPECT_LE(pieces[k].u, 1.0f);
      EXPECT_NEAR((pieces[k].x / 10.0 - 1.0) - pieces[k].u, shift, 1e-4);
      EXPECT_NEAR(pieces[k].v, pieces[k].y / 10.0, 1e-5);
    }
  }
}

TEST(TextureSeamsTest, ClampPinsOutlyingPiecesToTheEdgeTexels) {
  std::vector<GpuVertex> pieces;
  ASSERT_TRUE(SplitTriangleAtTextureSeams(At(0, 0), At(30, 0), At(0, 10), GpuAddressMode::Clamp,
                                          16, 16, pieces));
  EXPECT_NEAR(TotalArea(pieces), 150.0, 1e-3);
  for (size_t i = 0; i < pieces.size(); i += 3) {
    const float middleX = (pieces[i].x + pieces[i + 1].x + pieces[i + 2].x) / 3.0f;
    for (size_t k = i; k < i + 3; ++k) {
      if (middleX < 10.0f) {
        EXPECT_FLOAT_EQ(pieces[k].u, 0.5f / 16.0f);
      } else if (middleX > 20.0f) {
        EXPECT_FLOAT_EQ(pieces[k].u, 1.0f - 0.5f / 16.0f);
      } else {
        EXPECT_NEAR(pieces[k].u, pieces[k].x / 10.0 - 1.0, 1e-5);
      }
    }
  }
}

TEST(TextureSeamsTest, TriangleFlatOnASeamIsDrawnOnce) {
  // Every u is exactly 1: the seam between two clamp regions.
  const GpuVertex a{0, 0, {}, 1, 0}, b{10, 0, {}, 1, 0.5f}, c{0, 10, {}, 1, 1};
  for (GpuAddressMode mode : {GpuAddressMode::Clamp, GpuAddressMode::Wrap}) {
    std::vector<GpuVertex> pieces;
    ASSERT_TRUE(SplitTriangleAtTextureSeams(a, b, c, mode, 4, 4, pieces));
    EXPECT_NEAR(TotalArea(pieces), 50.0, 1e-4);
  }
}

TEST(TextureSeamsTest, RefusesWhatCannotBeCutSensibly) {
  const float huge = 1e30f;
  std::vector<GpuVertex> pieces;
  // Ten thousand repeats each way.
  EXPECT_FALSE(SplitTriangleAtTextureSeams({0, 0, {}, 0, 0}, {10, 0, {}, 1e4f, 0},
                                           {0, 10, {}, 0, 1e4f}, GpuAddressMode::Wrap, 4, 4,
                                           pieces));
  EXPECT_FALSE(SplitTriangleAtTextureSeams({0, 0, {}, std::nanf(""), 0}, {10, 0, {}, 0, 0},
                                           {0, 10, {}, 0, 0}, GpuAddressMode::Clamp, 4, 4,
                                           pieces));
  EXPECT_TRUE(pieces.empty());
  // Coordinates too large to step through one by one still finish.
  EXPECT_TRUE(SplitTriangleAtTextureSeams({0, 0, {}, huge, 0}, {10, 0, {}, huge, 0},
                                          {0, 10, {}, huge, 0.5f}, GpuAddressMode::Wrap, 4, 4,
                                          pieces));
  // But clamping handles any span in at most nine pieces.
  pieces.clear();
  EXPECT_TRUE(SplitTriangleAtTextureSeams({0, 0, {}, -huge, -huge}, {10, 0, {}, huge, 0},
                                          {0, 10, {}, 0, huge}, GpuAddressMode::Clamp, 4, 4,
                                          pieces));
  EXPECT_LE(pieces.size(), 9u * 7u * 3u);
}

}  // namespace
