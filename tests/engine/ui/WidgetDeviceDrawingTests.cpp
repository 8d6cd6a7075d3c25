// What labels and groups put on the graphics device through the game's own
// renderer: the colours of each state, the shadow, the group's box.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/ui/GroupWidget.h"
#include "engine/ui/LabelWidget.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"
#include "tests/engine/ui/UITestSupport.h"
#include "tests/support/ScopedDataFolder.h"

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

}  // namespace
