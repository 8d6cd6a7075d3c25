#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/FontDescriptor.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem_Win32.h"
#include "engine/ui/LabelWidget.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"
#include "tests/engine/ui/WidgetTestDoubles.h"

namespace {

using ui_test::Describe;
using ui_test::RecordingWidgetRenderer;

const AABB2 BOX(10.0f, 20.0f, 210.0f, 60.0f);

class LabelWidgetTest : public ::testing::Test {
 protected:
  // A shown label in BOX.
  std::unique_ptr<LabelWidget> MakeShownLabel(NamedProperties description = NamedProperties()) {
    auto label = std::make_unique<LabelWidget>("Caption", nullptr);
    description.Set("Bounds", BOX);
    Describe(*label, description);
    label->Show();
    return label;
  }

  void RenderOnce(BaseWidget& widget) {
    m_renderer.Forget();
    widget.Render();
  }

  UlvoEventSystem m_events;
  RecordingWidgetRenderer m_renderer;
};

TEST_F(LabelWidgetTest, DrawsShadowOneUnitRightAndDownBeforeTheTextBothOffsetAndFaded) {
  NamedProperties description;
  description.Set("TextOffset", Vector2(5.0f, -3.0f));
  description.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_RIGHT);
  description.Set("FontAlpha", 0.5f);
  description.Set("ShadowAlpha", 0.25f);
  auto label = MakeShownLabel(description);
  RenderOnce(*label);

  ASSERT_EQ(m_renderer.texts.size(), 2u);
  const auto& shadow = m_renderer.texts[0];
  const auto& text = m_renderer.texts[1];
  EXPECT_EQ(shadow.box, BOX + Vector2(6.0f, -2.0f));
  EXPECT_EQ(shadow.color, Rgba(0, 0, 0, 63));
  EXPECT_EQ(text.box, BOX + Vector2(5.0f, -3.0f));
  EXPECT_EQ(text.color, Rgba(255, 255, 255, 127));
  for (const auto& drawn : m_renderer.texts) {
    EXPECT_EQ(drawn.text, "Label");
    EXPECT_EQ(drawn.size, 24.0f);
    EXPECT_EQ(drawn.font, m_renderer.GetFont("MainFont"));
    EXPECT_EQ(drawn.horizontalAlignment, 2);
  }
  EXPECT_TRUE(m_renderer.boxes.empty()) << "no background unless asked";
}

// The cursor blinks on the core's clock, so these tests drive the clock.
class EditableLabelTest : public LabelWidgetTest {
 protected:
  static constexpr int64_t TICKS_PER_SECOND = 1000;

  EditableLabelTest()
      : m_core(std::make_unique<UlvoTimeSystem_Win32>([this] { return m_ticks; }, TICKS_PER_SECOND),
               m_animations) {}

  void SetTime(double seconds) {
    m_ticks = static_cast<int64_t>(seconds * static_cast<double>(TICKS_PER_SECOND));
  }

  std::unique_ptr<LabelWidget> MakeEditable(const std::string& text, int cursor) {
    NamedProperties description;
    description.Set("Editable", true);
    description.Set("Label", text);
    description.Set("CursorPosition", cursor);
    description.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    description.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    description.Set("Bounds", AABB2(0.0f, 0.0f, 200.0f, 40.0f));
    auto label = std::make_unique<LabelWidget>("Entry", nullptr);
    Describe(*label, description);
    label->Show();
    return label;
  }

  int64_t m_ticks = 0;
  PropertyAnimationSystem m_animations;
  UlvoCore m_core;
};

TEST_F(EditableLabelTest, CursorStandsAfterTheCharactersBeforeIt) {
  // Glyphs are half a size wide: "abc" at size 24 is 36 wide, centred in a
  // 200-wide box it starts at 82; the line is 24 high, centred in 40.
  SetTime(0.1);
  auto label = MakeEditable("abc", 3);
  RenderOnce(*label);
  ASSERT_EQ(m_renderer.lines.size(), 1u);
  EXPECT_EQ(m_renderer.lines[0].from, Vector2(120.0f, 8.0f));
  EXPECT_EQ(m_renderer.lines[0].to, Vector2(120.0f, 32.0f));
  EXPECT_EQ(m_renderer.lines[0].color, Rgba(255, 255, 255, 255));
  EXPECT_EQ(m_renderer.lines[0].thickness, 2.0f);

  for (const auto& [cursor, x] :
       {std::make_pair(0, 84.0f), std::make_pair(1, 96.0f), std::make_pair(99, 120.0f)}) {
    NamedProperties moved;
    moved.Set("CursorPosition", cursor);
    Describe(*label, moved);
    RenderOnce(*label);
    ASSERT_EQ(m_renderer.lines.size(), 1u);
    EXPECT_EQ(m_renderer.lines[0].from.x, x) << cursor;
  }
}

}  // namespace
