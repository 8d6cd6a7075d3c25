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

TEST_F(LabelWidgetTest, FontHeightRoundsHalfAwayFromZero) {
  for (const auto& [height, size] :
       {std::make_pair(17.5f, 18), std::make_pair(-17.5f, -18), std::make_pair(17.49f, 17)}) {
    LabelWidget label("Sized", nullptr);
    NamedProperties description;
    description.Set("FontHeight", height);
    Describe(label, description);
    EXPECT_EQ(label.GetProperty<FontDescriptor*>("FontDescriptor")->GetSize(), size) << height;
  }
}

TEST_F(LabelWidgetTest, AnyOneFontSettingRebuildsTheDescriptorFromAllThree) {
  LabelWidget label("Bold", nullptr);
  NamedProperties height;
  height.Set("FontHeight", 30.0f);
  Describe(label, height);
  const FontDescriptor* before = label.GetProperty<FontDescriptor*>("FontDescriptor");

  NamedProperties bold;
  bold.Set("FontBold", true);
  Describe(label, bold);
  const FontDescriptor* font = label.GetProperty<FontDescriptor*>("FontDescriptor");
  EXPECT_NE(font, before);
  EXPECT_EQ(font->GetFace(), "MainFont");
  EXPECT_EQ(font->GetSize(), 30);
  EXPECT_TRUE(font->IsBold());
  EXPECT_FALSE(font->IsItalic());

  m_renderer.LoadTestFont("TitleFont");
  NamedProperties face;
  face.Set("FontName", std::string("TitleFont"));
  Describe(label, face);
  font = label.GetProperty<FontDescriptor*>("FontDescriptor");
  EXPECT_EQ(font->GetFace(), "TitleFont");
  EXPECT_EQ(font->GetHandle(), m_renderer.GetFont("TitleFont"));
  EXPECT_TRUE(font->IsBold());
}

TEST_F(LabelWidgetTest, ScaleLayoutScalesTextEvenOutsideLayoutMode) {
  for (UILayoutMode mode : {UI_LAYOUT_MODE_PARENT_RELATIVE, UI_LAYOUT_MODE_ABSOLUTE}) {
    LabelWidget label("Scaled", nullptr);
    NamedProperties description;
    description.Set("TextOffset", Vector2(10.0f, 10.0f));
    description.Set("LayoutMode", mode);
    Describe(label, description);
    label.LayoutContents();

    label.ScaleLayout(1.0f, 0.5f);
    EXPECT_EQ(label.GetProperty<float>("FontHeight"), 12.0f);
    EXPECT_EQ(label.GetProperty<Vector2>("TextOffset"), Vector2(10.0f, 5.0f));
    EXPECT_EQ(label.GetProperty<FontDescriptor*>("FontDescriptor")->GetSize(), 12);
    EXPECT_TRUE(label.IsLayoutDirty());
  }
}

TEST_F(LabelWidgetTest, FeatheredBackgroundFadesInAndOutAroundASolidMiddle) {
  const Rgba base(0, 0, 64, 200);
  NamedProperties description;
  description.Set("RenderBackground", true);
  description.Set("BaseColor", base);
  description.Set("FeatherFractionLeft", 0.25f);
  description.Set("FeatherFractionRight", 0.25f);
  description.Set("BorderThickness", 0);
  description.Set("Bounds", AABB2(0.0f, 0.0f, 100.0f, 20.0f));
  LabelWidget label("Feathered", nullptr);
  Describe(label, description);
  label.Show();
  RenderOnce(label);

  ASSERT_EQ(m_renderer.alignedQuads.size(), 2u);
  EXPECT_EQ(m_renderer.alignedQuads[0].maxs, Vector2(25.0f, 20.0f));
  EXPECT_EQ(m_renderer.alignedQuads[0].corners[0].a, 0);
  EXPECT_EQ(m_renderer.alignedQuads[1].mins, Vector2(75.0f, 0.0f));
  EXPECT_EQ(m_renderer.alignedQuads[1].corners[1].a, 0);
  ASSERT_EQ(m_renderer.boxes.size(), 1u) << "the solid middle, and no outline at thickness 0";
  EXPECT_EQ(m_renderer.boxes[0].box, AABB2(25.0f, 0.0f, 75.0f, 20.0f));

  NamedProperties halves;
  halves.Set("FeatherFractionLeft", 0.5f);
  halves.Set("FeatherFractionRight", 0.5f);
  Describe(label, halves);
  RenderOnce(label);
  EXPECT_TRUE(m_renderer.boxes.empty()) << "no middle left";
}

TEST_F(LabelWidgetTest, SetDefaultLabelEventReplacesTheText) {
  NamedProperties description;
  description.Set("SetDefaultLabelEvent", std::string("ScoreChangedEvent"));
  auto label = MakeShownLabel(description);

  NamedProperties payload;
  payload.Set("Label", std::string("1200"));
  payload.Set("FontColor", Rgba(0, 255, 0, 255));
  m_events.FireEvent("ScoreChangedEvent", payload);
  EXPECT_EQ(label->GetProperty<std::string>("Label"), "1200");
  EXPECT_EQ(label->GetProperty<Rgba>("FontColor"), Rgba(0, 255, 0, 255));

  label.reset();
  m_events.FireEvent("ScoreChangedEvent", payload);  // no handler left behind
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
