#include <gtest/gtest.h>

#include "tests/engine/ui/CoreWidgetTestSupport.h"

namespace {

using namespace ui_core_test;

class BaseWidgetPropertyTest : public WidgetTest {
 protected:
  TestWidget widget{"Widget", nullptr};
};

TEST_F(BaseWidgetPropertyTest, LookupTakesAnimationThenCurrentStateThenOwnBag) {
  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), Rgba(220, 0, 0, 255));
  EXPECT_EQ(widget.GetProperty<Vector2>("Size"), Vector2(100.0f, 20.0f));
  EXPECT_EQ(widget.GetProperty<UILayoutMode>("LayoutMode"), UI_LAYOUT_MODE_PARENT_RELATIVE);

  NamedProperties idleLook = Bag("BaseColor", Rgba(0, 255, 0, 255), "TintGradient", 7);
  widget.SetStateProperties(UI_STATE_IDLE, idleLook);
  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), Rgba(220, 0, 0, 255)) << "still hidden";
  widget.Show();
  ASSERT_EQ(widget.GetState(), UI_STATE_IDLE);
  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), Rgba(0, 255, 0, 255));
  // An int in the state bag does not hide the own bag's float.
  EXPECT_FLOAT_EQ(widget.GetProperty<float>("TintGradient"), 0.5f);

  NamedProperties idleAnimation = Bag("IdleAnim", MakeFloatAnimation("TintGradient", 2.0f, 4.0f, 1.0));
  widget.SetProperties(idleAnimation);
  widget.SetState(UI_STATE_FOCUSED);
  widget.SetState(UI_STATE_IDLE);
  AdvanceAnimations(0.5);
  EXPECT_FLOAT_EQ(widget.GetProperty<float>("TintGradient"), 3.0f);
  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), Rgba(0, 255, 0, 255)) << "no track for it";

  widget.SetState(UI_STATE_DISABLED);
  widget.Render();  // detaches the stopped animation
  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), Rgba(128, 128, 128, 255));
  EXPECT_FLOAT_EQ(widget.GetProperty<float>("TintGradient"), -0.5f);
}

TEST_F(BaseWidgetPropertyTest, ReadersStoreRemoveAndMarkLayoutByTheirFlags) {
  widget.LayoutContents();
  NamedProperties description =
      Bag("BaseColor", Rgba(1, 2, 3, 4), "Size", Vector2(30.0f, 40.0f), "Tint", Rgba(9, 9, 9, 9),
          "Label", std::string("kept for subclasses"), "Type", UI_WIDGET_TYPE_LABEL);
  widget.SetProperties(description);

  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), Rgba(1, 2, 3, 4));
  EXPECT_EQ(widget.GetProperty<Vector2>("Size"), Vector2(30.0f, 40.0f));
  EXPECT_EQ(widget.GetProperty<Rgba>("Tint"), Rgba(9, 9, 9, 9));
  EXPECT_TRUE(widget.IsLayoutDirty());
  Rgba color;
  Vector2 size;
  EXPECT_EQ(description.Get("BaseColor", color), PROPERTY_FETCH_OK) << "copied, not removed";
  EXPECT_EQ(description.Get("Size", size), PROPERTY_FETCH_NOT_FOUND);
  EXPECT_EQ(description.Get("Tint", color), PROPERTY_FETCH_NOT_FOUND);
  std::string label;
  EXPECT_EQ(description.Get("Label", label), PROPERTY_FETCH_OK);
  UIWidgetType type;
  EXPECT_EQ(widget.GetProperties().Get("Type", type), PROPERTY_FETCH_NOT_FOUND);
}

TEST_F(BaseWidgetPropertyTest, EnabledMovesTheStateAndADisabledWidgetStaysDisabledWhenShownAgain) {
  widget.Show();
  NamedProperties enable = Bag("Enabled", true);
  widget.SetProperties(enable);
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);

  NamedProperties disable = Bag("Enabled", false);
  widget.SetProperties(disable);
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED);
  bool enabled = true;
  EXPECT_EQ(disable.Get("Enabled", enabled), PROPERTY_FETCH_OK) << "the source keeps it";

  widget.Hide();
  EXPECT_EQ(widget.GetState(), UI_STATE_HIDDEN);
  widget.Show();
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED);

  widget.SetProperties(enable);
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
}

}  // namespace
