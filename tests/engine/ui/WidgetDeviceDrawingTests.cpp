// What labels and groups put on the graphics device through the game's own
// renderer: the colours of each state, the shadow, the group's box, the
// window's border.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/ui/EditLineWidget.h"
#include "engine/ui/GroupWidget.h"
#include "engine/ui/LabelWidget.h"
#include "engine/ui/WindowWidget.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"
#include "tests/engine/ui/UITestSupport.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/TestCore.h"

namespace {

using ui_test::Bag;
using ui_test::Describe;

// left, top, right, bottom of one fan and the colour of its first corner.
using Quad = std::tuple<float, float, float, float, int, int, int, int>;

// The renderer on the recording device with a "MainFont" whose only glyph,
// 'w', fills a square of the font size.
class WidgetDeviceTest : public renderer_test::RecordingRendererTest {
 protected:
  void SetUp() override {
    RecordingRendererTest::SetUp();
    m_application.reset();  // no view to cull text against
    std::string definition = "\"MainFont\" \"EN\" 7 1 0.75\n";
    for (int byte = 0; byte < 256; ++byte) {
      definition += byte == 'w' ? "{ true 0 AABB2[(0,0),(1,1)] 0 1 0 }\n" : "{ false }\n";
    }
    m_data.Write("Locale/Fonts/MainFont_EN.FontDef", definition);
    m_data.Write("Locale/Fonts/MainFont_EN_00.png", font_test::SolidPng(4, Rgba::WHITE));
    ASSERT_NE(m_renderer->LoadFont("MainFont", "EN"), nullptr);
  }

  std::vector<Quad> Drawn(BaseWidget& widget) {
    ForgetDrawing();
    widget.Render();
    std::vector<Quad> quads;
    for (const auto& fan : m_device->fans) {
      const auto& v = fan.vertices;
      quads.emplace_back(v[0].x, v[0].y, v[2].x, v[2].y, v[0].color.r, v[0].color.g,
                         v[0].color.b, v[0].color.a);
    }
    return quads;
  }

  testsupport::ScopedDataFolder m_data;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
};

// The shadow lies one unit right and down, under the text; focus turns the
// text yellow, disabling turns it dark grey over a light grey shadow; the
// alphas scale what the state gives.
TEST_F(WidgetDeviceTest, ALabelsTextAndShadowTakeTheColoursOfItsState) {
  LabelWidget label("Caption", nullptr);
  Describe(label, Bag("Bounds", AABB2(10, 20, 210, 60), "Label", std::string("w"), "FontAlpha",
                      0.5f, "ShadowAlpha", 0.5f));
  const std::tuple<UIState, bool, std::vector<Quad>> cases[] = {
      {UI_STATE_IDLE, true, {{11, 21, 35, 45, 0, 0, 0, 127}, {10, 20, 34, 44, 255, 255, 255, 127}}},
      {UI_STATE_FOCUSED, true, {{11, 21, 35, 45, 0, 0, 0, 127}, {10, 20, 34, 44, 255, 255, 0, 127}}},
      {UI_STATE_DISABLED, true,
       {{11, 21, 35, 45, 140, 140, 140, 127}, {10, 20, 34, 44, 40, 40, 40, 127}}},
      {UI_STATE_DISABLED, false, {{10, 20, 34, 44, 40, 40, 40, 127}}},
  };
  for (const auto& [state, shadowed, quads] : cases) {
    label.SetState(state);
    Describe(label, Bag("Shadowed", shadowed));
    EXPECT_EQ(Drawn(label), quads) << state << shadowed;
  }
}

// Feathered ends fade from nothing to the base colour over their fraction
// of the width, the middle is plain; an outline is four lines of two quads.
TEST_F(WidgetDeviceTest, ALabelsBackgroundFadesInAtItsFeatheredEnds) {
  const Rgba base(200, 100, 50, 255);
  // left x, right x, alpha at the top left and at the top right of each fan
  using Strip = std::tuple<float, float, int, int>;
  const std::tuple<float, float, int, std::vector<Strip>> cases[] = {
      {0.0f, 0.0f, 0, {{0, 100, 255, 255}}},
      {0.25f, 0.0f, 0, {{0, 25, 0, 255}, {25, 100, 255, 255}}},
      {0.0f, 0.25f, 0, {{75, 100, 255, 0}, {0, 75, 255, 255}}},
      {0.5f, 0.5f, 0, {{0, 50, 0, 255}, {50, 100, 255, 0}}},
      {0.0f, 0.0f, 2, {{0, 100, 255, 255}}},
  };
  for (const auto& [left, right, border, strips] : cases) {
    LabelWidget label("Back", nullptr);
    Describe(label, Bag("Bounds", AABB2(0, 0, 100, 20), "Label", std::string(), "RenderBackground",
                        true, "BaseColor", base, "BorderColor", base, "TintGradient", 0.0f,
                        "FeatherFractionLeft", left, "FeatherFractionRight", right,
                        "BorderThickness", border));
    label.SetState(UI_STATE_IDLE);
    Drawn(label);
    std::vector<Strip> drawn;
    for (const auto& fan : m_device->fans) {
      const auto& v = fan.vertices;
      drawn.emplace_back(v[0].x, v[2].x, v[0].color.a, v[1].color.a);
    }
    const size_t outline = border > 0 ? 8 : 0;
    ASSERT_EQ(drawn.size(), strips.size() + outline) << left << " " << right;
    drawn.resize(strips.size());
    EXPECT_EQ(drawn, strips) << left << " " << right;
  }
}

// The editing cursor, a white line 2 units after the characters before it,
// blinks: drawn 0.4 s of every 0.5 s by the core's clock.
TEST_F(WidgetDeviceTest, AnEditableLabelsCursorBlinksByTheCoresClock) {
  testsupport::TestCore core(450000000);
  LabelWidget label("Typed", nullptr);
  Describe(label, Bag("Bounds", AABB2(10, 20, 210, 60), "Label", std::string("ww"), "Editable",
                      true, "CursorPosition", 1));
  label.SetState(UI_STATE_IDLE);
  std::vector<size_t> fanCounts;
  for (int draw = 0; draw < 4; ++draw) fanCounts.push_back(Drawn(label).size());
  // 0.45 s and 0.9 s into the blink fall in its dark tenth, 1.35 s and 1.8 s do not.
  EXPECT_EQ(fanCounts, (std::vector<size_t>{4, 4, 6, 6}));
  const auto& cursor = m_device->fans[0].vertices;
  EXPECT_EQ(std::make_tuple(cursor[0].x, cursor[0].y, cursor[1].y, cursor[0].color.b),
            std::make_tuple(36.0f, 20.0f, 44.0f, 255));
}

// An edit line shows where typing goes: a white upright line among what it
// draws.
TEST_F(WidgetDeviceTest, AnEditLineDrawsItsCursor) {
  EditLineWidget editLine("Name", nullptr);
  Describe(editLine, Bag("Bounds", AABB2(0, 0, 300, 30), "Label", std::string("ww")));
  editLine.Show();
  Drawn(editLine);
  int upright = 0;
  for (const auto& fan : m_device->fans) {
    const auto& v = fan.vertices;
    upright += v[0].x == v[1].x && v[0].y != v[1].y && v[0].color.r == 255 && v[0].color.b == 255;
  }
  EXPECT_EQ(upright, 2);  // the two halves of one mitred line
}

// A group shows its box in its base colour only when it is neither
// transparent nor virtual; its empty caption draws nothing.
TEST_F(WidgetDeviceTest, AGroupDrawsItsBoxOnlyWhenMadeVisible) {
  const std::tuple<bool, bool, std::vector<Quad>> cases[] = {
      {true, false, {}}, {false, true, {}}, {false, false, {{5, 6, 105, 56, 30, 60, 90, 200}}}};
  for (const auto& [transparent, isVirtual, quads] : cases) {
    GroupWidget group("Panel", nullptr);
    Describe(group, Bag("Bounds", AABB2(5, 6, 105, 56), "BaseColor", Rgba(30, 60, 90, 200),
                        "Transparent", transparent, "Virtual", isVirtual));
    group.Show();
    EXPECT_EQ(Drawn(group), quads) << transparent << isVirtual;
  }
}

// A window draws its box, then its border as four lines of the border's
// thickness around it, not a second box over it.
TEST_F(WidgetDeviceTest, AWindowsBorderIsAnOutline) {
  WindowWidget window("Panel", nullptr);
  Describe(window, Bag("Bounds", AABB2(5, 6, 105, 56), "BaseColor", Rgba(30, 60, 90, 255),
                       "TintGradient", 0.0f, "BorderColor", Rgba(200, 0, 0, 255),
                       "BorderThickness", 4, "Virtual", false));
  window.Show();
  const std::vector<Quad> quads = Drawn(window);
  ASSERT_EQ(quads.size(), 9u);
  EXPECT_EQ(quads[0], (Quad{5, 6, 105, 56, 30, 60, 90, 255}));
  EXPECT_EQ(quads[1], (Quad{5, 6, 103, 8, 200, 0, 0, 255}));  // the top band, its inner edge
}

}  // namespace
