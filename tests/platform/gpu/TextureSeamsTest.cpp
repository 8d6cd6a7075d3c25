// Cutting a triangle where its texture coordinates cross from one repeat of
// the texture to the next.
#include "platform/gpu/TextureSeams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using platform::GpuAddressMode;
using platform::GpuVertex;
using platform::SplitTriangleAtTextureSeams;

double TotalArea(const std::vector<GpuVertex>& t) {
  double area = 0.0;
  for (size_t i = 0; i + 2 < t.size(); i += 3) {
    area += std::fabs((t[i + 1].x - t[i].x) * (t[i + 2].y - t[i].y) - (t[i + 2].x - t[i].x) * (t[i + 1].y - t[i].y)) / 2;
  }
  return area;
}

// u runs from -1 to 2 across the triangle (u = x / 10 - 1, v = y / 10): wrap
// shifts each piece by whole repeats into range, clamp pins the outer thirds
// to the edge texels.
TEST(TextureSeamsTest, EachPieceTakesItsRepeatOrItsEdge) {
  const GpuVertex a{0, 0, {}, -1, 0}, b{30, 0, {}, 2, 0}, c{0, 10, {}, -1, 1};
  for (GpuAddressMode mode : {GpuAddressMode::Wrap, GpuAddressMode::Clamp}) {
    std::vector<GpuVertex> pieces;
    ASSERT_TRUE(SplitTriangleAtTextureSeams(a, b, c, mode, 16, 16, pieces));
    EXPECT_NEAR(TotalArea(pieces), 150.0, 1e-3);
    EXPECT_GE(pieces.size(), 9u);
    for (size_t i = 0; i < pieces.size(); i += 3) {
      const float middleX = (pieces[i].x + pieces[i + 1].x + pieces[i + 2].x) / 3.0f;
      const double shift = std::floor(middleX / 10.0) - 1.0;
      for (size_t k = i; k < i + 3; ++k) {
        const double u = pieces[k].x / 10.0 - 1.0;
        const double expected = mode == GpuAddressMode::Wrap ? u - shift
                                : middleX < 10                ? 0.5 / 16
                                : middleX > 20                ? 1 - 0.5 / 16
                                                              : u;
        EXPECT_NEAR(pieces[k].u, expected, 1e-4) << k;
        EXPECT_NEAR(pieces[k].v, pieces[k].y / 10.0, 1e-5);
      }
    }
  }
}

TEST(TextureSeamsTest, TriangleFlatOnASeamIsDrawnOnce) {
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
  // Ten thousand repeats each way, or no number at all.
  EXPECT_FALSE(SplitTriangleAtTextureSeams({0, 0, {}, 0, 0}, {10, 0, {}, 1e4f, 0}, {0, 10, {}, 0, 1e4f},
                                           GpuAddressMode::Wrap, 4, 4, pieces));
  EXPECT_FALSE(SplitTriangleAtTextureSeams({0, 0, {}, std::nanf(""), 0}, {10, 0, {}, 0, 0}, {0, 10, {}, 0, 0},
                                           GpuAddressMode::Clamp, 4, 4, pieces));
  EXPECT_TRUE(pieces.empty());
  // Coordinates too large to step through one by one still finish, and
  // clamping handles any span in few pieces.
  EXPECT_TRUE(SplitTriangleAtTextureSeams({0, 0, {}, huge, 0}, {10, 0, {}, huge, 0}, {0, 10, {}, huge, 0.5f},
                                          GpuAddressMode::Wrap, 4, 4, pieces));
  pieces.clear();
  EXPECT_TRUE(SplitTriangleAtTextureSeams({0, 0, {}, -huge, -huge}, {10, 0, {}, huge, 0}, {0, 10, {}, 0, huge},
                                          GpuAddressMode::Clamp, 4, 4, pieces));
  EXPECT_LE(pieces.size(), 9u * 7u * 3u);
}

}  // namespace
