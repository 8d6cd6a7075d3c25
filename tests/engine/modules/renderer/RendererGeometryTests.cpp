// The corners and colours of the fans that lines, outlines and shaded boxes
// send to the device.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace renderer_test {
namespace {

// x, y and the colour of one corner as the device got it.
using Corner = std::tuple<float, float, int, int, int, int>;
using Fan = std::vector<Corner>;

class GeometryTest : public RecordingRendererTest {
 protected:
  std::vector<Fan> Fans() const {
    std::vector<Fan> fans;
    for (const auto& fan : m_device->fans) {
      Fan corners;
      for (const platform::GpuVertex& v : fan.vertices) {
        corners.emplace_back(v.x, v.y, v.color.r, v.color.g, v.color.b, v.color.a);
      }
      fans.push_back(corners);
    }
    return fans;
  }
};

Corner At(float x, float y, const Rgba& c) { return {x, y, c.r, c.g, c.b, c.a}; }

const Rgba RED(255, 0, 0, 255);
const Rgba BLUE(0, 0, 255, 128);
const Rgba BLACK(0, 0, 0, 255);

// A plain band runs from + n to - n at each end; a mitred one is two quads
// on the segment itself, their outer edges shortened by half the thickness
// at both ends. The 3-4-5 segment shows the band built on the unit
// direction, the others that axis-aligned segments are exact.
TEST_F(GeometryTest, LinesAreBandsAroundTheirSegment) {
  const struct {
    Vector2 from, to;
    float thickness;
    bool mitred;
    std::vector<Fan> fans;
  } cases[] = {
      {{10, 10}, {30, 10}, 4, false,
       {{At(10, 12, RED), At(10, 8, RED), At(30, 8, BLUE), At(30, 12, BLUE)}}},
      {{0, 0}, {3, 4}, 10, false,
       {{At(-4, 3, RED), At(4, -3, RED), At(7, 1, BLUE), At(-1, 7, BLUE)}}},
      {{10, 10}, {30, 10}, 4, true,
       {{At(10, 10, RED), At(30, 10, BLUE), At(28, 12, BLUE), At(12, 12, RED)},
        {At(10, 10, RED), At(30, 10, BLUE), At(28, 8, BLUE), At(12, 8, RED)}}},
      {{5, 40}, {5, 20}, 2, true,
       {{At(5, 40, RED), At(5, 20, BLUE), At(6, 21, BLUE), At(6, 39, RED)},
        {At(5, 40, RED), At(5, 20, BLUE), At(4, 21, BLUE), At(4, 39, RED)}}},
      {{10, 10}, {30, 10}, 0, true, {}},
      {{10, 10}, {30, 10}, -1, false, {}},
      {{10, 10}, {10, 10}, 4, false, {}},
  };
  for (const auto& c : cases) {
    ForgetDrawing();
    m_renderer->DrawLine(c.from, c.to, RED, BLUE, c.thickness, c.mitred);
    EXPECT_EQ(Fans(), c.fans) << c.to.x << " " << c.thickness << " " << c.mitred;
  }
}

// Shading darkens toward the bottom right (positive) or the top left
// (negative), the off-diagonal corners half as much, alpha kept; corners go
// top left, top right, bottom right, bottom left.
TEST_F(GeometryTest, ABoxIsShadedAcrossItsDiagonal) {
  const Rgba c(0, 0, 100, 160);
  const Rgba dark(0, 0, 0, 160);
  const Rgba half(0, 0, 50, 160);
  const Rgba quarter(0, 0, 75, 160);
  const std::tuple<float, Rgba, Rgba, Rgba> cases[] = {
      {0.0f, c, c, c}, {0.5f, c, quarter, half}, {1.0f, c, half, dark}, {-1.0f, dark, half, c},
      {-0.5f, half, quarter, c}};
  for (const auto& [shade, topLeft, offDiagonal, bottomRight] : cases) {
    ForgetDrawing();
    m_renderer->DrawBox(Vector2(10, 20), Vector2(50, 60), c, true, shade, 0.0f);
    EXPECT_EQ(Fans(), (std::vector<Fan>{{At(10, 20, topLeft), At(50, 20, offDiagonal),
                                         At(50, 60, bottomRight), At(10, 60, offDiagonal)}}))
        << shade;
  }
}

// An outline is four mitred lines, each from a corner to the next in that
// corner's colour; none without thickness.
TEST_F(GeometryTest, AnOutlineIsFourMitredLinesBetweenTheCorners) {
  m_renderer->DrawAlignedQuad(Vector2(0, 0), Vector2(20, 10), RED, BLUE, Rgba::WHITE, BLACK,
                              false, 0.0f);
  EXPECT_TRUE(Fans().empty());
  m_renderer->DrawAlignedQuad(Vector2(0, 0), Vector2(20, 10), RED, BLUE, Rgba::WHITE, BLACK,
                              false, 2.0f);
  const std::vector<Fan> fans = Fans();
  ASSERT_EQ(fans.size(), 8u);
  const Corner starts[] = {At(0, 0, RED), At(20, 0, BLUE), At(20, 10, Rgba::WHITE),
                           At(0, 10, BLACK)};
  for (int side = 0; side < 4; ++side) {
    for (int half = 0; half < 2; ++half) {
      EXPECT_EQ(fans[side * 2 + half][0], starts[side]) << side;
      EXPECT_EQ(fans[side * 2 + half][1], starts[(side + 1) % 4]) << side;
    }
  }
  EXPECT_EQ(fans[0][2], At(19, 1, BLUE));  // the top band's inner edge, 1 in from the corner
}

}  // namespace
}  // namespace renderer_test
