#include <gtest/gtest.h>

#include "tests/engine/ui/CoreWidgetTestSupport.h"

namespace {

using namespace ui_core_test;

class BaseWidgetAnimationTest : public WidgetTest {
 protected:
  void Describe(NamedProperties description) { widget.SetProperties(description); }

  TestWidget widget{"Widget", nullptr};
};

TEST_F(BaseWidgetAnimationTest, OneShotShowAnimationEndsInIdleAndStartsTheIdleLoop) {
  const std::string show = MakeFloatAnimation("AnimOffsetX", 0.0f, 40.0f, 0.5);
  const std::string idle = MakeFloatAnimation("BaseAlpha", 1.0f, 0.0f, 1.0);
  Describe(Bag("ShowAnim", show, "IdleAnim", idle, "Bounds", AABB2(0.0f, 0.0f, 10.0f, 10.0f)));

  widget.Show();
  EXPECT_EQ(widget.GetState(), UI_STATE_APPEARING);
  EXPECT_FALSE(widget.IsTakingInput());
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(5.0f, 5.0f)));
  EXPECT_EQ(widget.GetState(), UI_STATE_APPEARING) << "no roll-over while appearing";

  AdvanceAnimations(0.25);
  widget.Render();
  EXPECT_EQ(widget.GetAnimatedBounds(), AABB2(20.0f, 0.0f, 30.0f, 10.0f));
  EXPECT_EQ(widget.GetBounds(), AABB2(0.0f, 0.0f, 10.0f, 10.0f));

  AdvanceAnimations(0.25);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_APPEARING) << "ends only once past the duration";
  AdvanceAnimations(0.01);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
  EXPECT_EQ(widget.GetActiveAnimation(), widget.GetStateAnimation(UI_STATE_IDLE));
  EXPECT_EQ(widget.GetAnimatedBounds(), AABB2(0.0f, 0.0f, 10.0f, 10.0f))
      << "the idle loop keys no offset";

  AdvanceAnimations(1.2);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE) << "a loop never ends the state";
  EXPECT_NEAR(widget.GetProperty<float>("BaseAlpha"), 1.0f, 1e-6f) << "wrapped to its start";
}

TEST_F(BaseWidgetAnimationTest, StartTimeSkipsAheadAndTheSkippedTimedEventsFireTogether) {
  const std::string show = MakeFloatAnimation("AnimOffsetY", 0.0f, 1.0f, 0.5);
  PropertyAnimation* animation = Animations().FindAnimation(show);
  animation->AddTimedEvent("AtZero", 0.0, NamedProperties());
  animation->AddTimedEvent("Early", 0.1, Bag("Which", 1));
  animation->AddTimedEvent("Early", 0.2, Bag("Which", 2));
  animation->AddTimedEvent("AtEnd", 0.5, NamedProperties());
  EventRecorder atZero("AtZero");
  EventRecorder early("Early");
  EventRecorder atEnd("AtEnd");
  Describe(Bag("ShowAnim", show, "AnimStartTime", 0.3));

  widget.Show();
  AdvanceAnimations(0.01);
  widget.Render();
  EXPECT_EQ(early.Count(), 2);
  EXPECT_EQ(early.Get<int>("Which"), 2);
  EXPECT_EQ(atEnd.Count(), 0);

  AdvanceAnimations(0.2);
  widget.Render();
  EXPECT_EQ(atEnd.Count(), 1);
  EXPECT_EQ(atZero.Count(), 0);
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
}

TEST_F(BaseWidgetAnimationTest, DisablingPlaysItsAnimationBeforeDisabled) {
  Describe(Bag("DisableAnim", MakeFloatAnimation("BaseAlpha", 1.0f, 0.5f, 0.2)));
  widget.Show();
  Describe(Bag("Enabled", false));
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLING);
  AdvanceAnimations(0.3);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED);

  Describe(Bag("Enabled", false));
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED) << "disabling again does not replay the animation";
}

}  // namespace
