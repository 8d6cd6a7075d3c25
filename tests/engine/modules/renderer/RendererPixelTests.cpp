// The one check that drawing really reaches the device's back buffer: the
// virtual screen is letterboxed into the window and nothing is drawn outside.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/SoftwareRendererTest.h"

namespace renderer_test {
namespace {

using platform::GpuColor;

constexpr int CLIENT_WIDTH = 1280;
constexpr int CLIENT_HEIGHT = 1024;

class RendererPixelTest : public testsupport::SoftwareRendererTest {
 protected:
  RendererPixelTest() : SoftwareRendererTest(IntVector2(CLIENT_WIDTH, CLIENT_HEIGHT)) {}

  // Whether every pixel of the rows is the colour (red only compared).
  bool RowsAre(int firstRow, int rowCount, unsigned char red) {
    for (const GpuColor& pixel : m_device->ReadBackBuffer({0, firstRow, CLIENT_WIDTH, rowCount})) {
      if (pixel.r != red) {
        return false;
      }
    }
    return true;
  }
};

TEST_F(RendererPixelTest, TheVirtualScreenIsLetterboxedAndNothingIsDrawnOutsideIt) {
  ASSERT_EQ(m_application->GetScreenBounds(), AABB2(0, 112, 1280, 912));
  BeginFrameInPixels(Rgba(0, 0, 0, 255));
  const AABB2 screen = m_application->GetScreenBounds();
  const AABB2 view = m_application->GetViewBounds();
  m_renderer->SetViewport(IntVector2(int(screen.mins.x), int(screen.mins.y)),
                          m_application->GetScreenBoundsSize());
  m_renderer->SetTransform(view.mins.x, view.mins.y, view.maxs.x, view.maxs.y);
  // Far larger than the virtual screen: the viewport cuts it.
  m_renderer->DrawAlignedQuad(Vector2(-500, -500), Vector2(2000, 2000), Rgba::WHITE, Rgba::WHITE,
                              Rgba::WHITE, Rgba::WHITE, true, 0.0f);

  EXPECT_TRUE(RowsAre(0, 112, 0));
  EXPECT_TRUE(RowsAre(112, 800, 255));
  EXPECT_TRUE(RowsAre(912, CLIENT_HEIGHT - 912, 0));
  m_renderer->Render();
}

}  // namespace
}  // namespace renderer_test
