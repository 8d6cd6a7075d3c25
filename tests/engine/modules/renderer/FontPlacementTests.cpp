#include <SDL.h>

#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace font_test {
namespace {

using renderer_test::RecordingGpuDevice;

// Quads as the device received them: left, top, right, bottom.
struct Quad {
  float left;
  float top;
  float right;
  float bottom;
};

bool operator==(const Quad& a, const Quad& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void PrintTo(const Quad& quad, std::ostream* os) {
  *os << "(" << quad.left << ", " << quad.top << ")-(" << quad.right << ", " << quad.bottom << ")";
}

// A one-page font whose glyphs make the arithmetic easy:
//   'w'  fills its whole advance of one size;
//   'a'  0.1 before, 0.6 wide, 0.3 after, on the left half of the page;
//   ' '  nothing to draw, 0.25 of space;
//   'p'  on page 5, which the font lacks; 'h' on page 200 (draws nothing);
// every other byte has no glyph.
class FontPlacementTest : public renderer_test::RecordingRendererTest {
 protected:
  void SetUp() override {
    RecordingRendererTest::SetUp();
    // Culling looks at the application's view: the virtual screen of an open
    // window. The recording device draws nowhere, so the window stays hidden.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    m_application->OpenWindow(IntVector2(1024, 640), 0, 101);
    ASSERT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 640));
    m_renderer->Update();
    FontFile font;
    font.glyphs['w'] = Glyph(0, AABB2(0.5f, 0.0f, 1.0f, 0.5f), 0.0f, 1.0f, 0.0f);
    font.glyphs['a'] = Glyph(0, AABB2(0.0f, 0.0f, 0.5f, 0.5f), 0.1f, 0.6f, 0.3f);
    font.glyphs[' '] = Glyph(0, AABB2(0.0f, 0.0f, 0.0f, 0.0f), 0.0f, 0.0f, 0.25f);
    font.glyphs['p'] = Glyph(5, AABB2(), 0.0f, 1.0f, 0.0f);
    font.glyphs['h'] = Glyph(200, AABB2(), 0.0f, 1.0f, 0.0f);
    m_data.Write("Locale/Fonts/Test_EN.FontDef", BinaryFontDefinition(font));
    m_data.Write("Locale/Fonts/Test_EN_00.png", SolidPng(8, 8, Rgba(255, 255, 255, 255)));
    m_font = m_renderer->LoadFont("Test", "EN");
    ForgetDrawing();
  }

  void TearDown() override {
    RecordingRendererTest::TearDown();
    m_application.reset();
    SDL_Quit();
  }

  std::vector<Quad> Quads() const {
    std::vector<Quad> quads;
    for (const RecordingGpuDevice::Fan& fan : m_device->fans) {
      EXPECT_EQ(fan.vertices.size(), 4u);
      quads.push_back({fan.vertices[0].x, fan.vertices[0].y, fan.vertices[2].x, fan.vertices[2].y});
    }
    return quads;
  }

  ScopedDataFolder m_data;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
  BitmapFont* m_font = nullptr;
};

TEST_F(FontPlacementTest, TheExtentSumsTheAdvancesUpToTheFirstNul) {
  EXPECT_EQ(m_renderer->CalcTextExtent(m_font, "", 20.0f), Vector2(0.0f, 20.0f));
  EXPECT_EQ(m_renderer->CalcTextExtent(m_font, "ww", 20.0f), Vector2(40.0f, 20.0f));
  // 1 + 1 + 0.25 + 0.5 (no glyph) + 0.25 + 1 + 1 (on missing pages).
  EXPECT_FLOAT_EQ(m_renderer->CalcTextExtent(m_font, "wa z ph", 8.0f).x, 8.0f * 5.0f);
  EXPECT_EQ(m_renderer->CalcTextExtent(m_font, std::string("w\0ww", 4), 20.0f),
            Vector2(20.0f, 20.0f));
  EXPECT_EQ(m_renderer->CalcTextExtent(nullptr, "ww", 20.0f), Vector2(0.0f, 20.0f));
}

TEST_F(FontPlacementTest, EachGlyphIsOneTintedQuadAndEveryByteMovesThePen) {
  const Rgba orange(255, 128, 0, 200);
  // Top-left at (100, 50): vertical 2 and horizontal 2 start at the anchor.
  m_renderer->DrawText(m_font, Vector2(100, 50), "az w", 20.0f, orange, 2, 2);
  // 'a' from 102 to 114, pen to 120; 'z' has no glyph: pen to 130; ' ' draws
  // nothing: pen to 135; 'w' from 135 to 155.
  ASSERT_EQ(Quads(), (std::vector<Quad>{{102, 50, 114, 70}, {135, 50, 155, 70}}));
  const RecordingGpuDevice::Fan& a = m_device->fans[0];
  EXPECT_TRUE(renderer_test::SameColor(a.vertices[2].color, orange));
  EXPECT_EQ(a.vertices[0].u, 0.0f);
  EXPECT_EQ(a.vertices[0].v, 0.0f);
  EXPECT_EQ(a.vertices[2].u, 0.5f);
  EXPECT_EQ(a.vertices[2].v, 0.5f);
  EXPECT_EQ(m_device->fans[1].vertices[0].u, 0.5f);
  EXPECT_EQ(m_device->fans[1].texture, a.texture);
}

TEST_F(FontPlacementTest, GlyphsOnPagesTheFontLacksAreSkippedButAdvance) {
  m_renderer->DrawText(m_font, Vector2(0, 0), "pwhw", 10.0f, Rgba::WHITE, 2, 2);
  EXPECT_EQ(Quads(), (std::vector<Quad>{{10, 0, 20, 10}, {30, 0, 40, 10}}));
}

TEST_F(FontPlacementTest, DrawTextAlignsTheLineAgainstTheAnchor) {
  const Vector2 anchor(100, 200);
  struct Case {
    int vertical;
    int horizontal;
    Quad first;
  };
  // "ww" at size 20 is 40 wide and 20 high.
  const Case cases[] = {
      {0, 0, {60, 180, 80, 200}},    // ends at the anchor, bottom on it
      {2, 2, {100, 200, 120, 220}},  // starts at the anchor, top on it
      {1, 1, {80, 190, 100, 210}},   // centred both ways
      {7, -3, {80, 190, 100, 210}},  // any other value centres too
  };
  for (const Case& c : cases) {
    ForgetDrawing();
    m_renderer->DrawText(m_font, anchor, "ww", 20.0f, Rgba::WHITE, c.vertical, c.horizontal);
    ASSERT_EQ(Quads().size(), 2u);
    EXPECT_EQ(Quads()[0], c.first) << c.vertical << ", " << c.horizontal;
  }
}

TEST_F(FontPlacementTest, DrawTextInBoxShrinksAWideTextToNinetyPercentOfTheBox) {
  // 120 wide at size 20 in a box 100 wide: 90 wide at size 15, centred.
  m_renderer->DrawTextInBox(m_font, AABB2(0, 0, 100, 50), "wwwwww", 20.0f, Rgba::WHITE, 1, 1);
  const std::vector<Quad> quads = Quads();
  ASSERT_EQ(quads.size(), 6u);
  EXPECT_EQ(quads.front(), (Quad{5, 17.5f, 20, 32.5f}));
  EXPECT_EQ(quads.back(), (Quad{80, 17.5f, 95, 32.5f}));

  // 80 wide fits in 90: no shrinking. The height is never checked.
  ForgetDrawing();
  m_renderer->DrawTextInBox(m_font, AABB2(0, 0, 100, 10), "wwww", 20.0f, Rgba::WHITE, 1, 1);
  EXPECT_EQ(Quads().front(), (Quad{10, -5, 30, 15}));
}

TEST_F(FontPlacementTest, DrawTextInBoxAlignsInsideTheBox) {
  const AABB2 box(100, 200, 300, 300);
  struct Case {
    int vertical;
    int horizontal;
    Quad first;
  };
  const Case cases[] = {
      {0, 0, {100, 200, 120, 220}},  // top left
      {2, 2, {260, 280, 280, 300}},  // bottom right
      {1, 1, {180, 240, 200, 260}},  // centred
      {9, 3, {180, 240, 200, 260}},
  };
  for (const Case& c : cases) {
    ForgetDrawing();
    m_renderer->DrawTextInBox(m_font, box, "ww", 20.0f, Rgba::WHITE, c.vertical, c.horizontal);
    ASSERT_EQ(Quads().size(), 2u);
    EXPECT_EQ(Quads()[0], c.first) << c.vertical << ", " << c.horizontal;
  }
}

}  // namespace
}  // namespace font_test
