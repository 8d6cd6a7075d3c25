#include <gtest/gtest.h>

#include "engine/ui/UIWidgetType.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

const AABB2 BOX(10.0f, 10.0f, 50.0f, 30.0f);

class BaseWidgetTest : public WidgetTest {
 protected:
  Journal journal;
  TestWidget parent{"Parent", nullptr};
  TestWidget widget{"Widget", &parent, &journal};
};

TEST_F(BaseWidgetTest, OneShotShowAnimationEndsInIdleAndStartsTheIdleLoop) {
  Describe(widget, Bag("ShowAnim", MakeFloatAnimation("AnimOffsetX", 0.0f, 40.0f, 0.5), "IdleAnim",
                       MakeFloatAnimation("BaseAlpha", 1.0f, 0.0f, 1.0), "Bounds", BOX));
  widget.Show();
  EXPECT_EQ(widget.GetState(), UI_STATE_APPEARING);
  EXPECT_FALSE(widget.IsTakingInput());
  widget.UpdateMouseOver(Vector2(20.0f, 20.0f));
  EXPECT_EQ(widget.GetState(), UI_STATE_APPEARING) << "no roll-over while appearing";

  AdvanceAnimations(0.5);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_APPEARING) << "ends only once past the duration";
  AdvanceAnimations(0.01);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
  EXPECT_EQ(widget.GetActiveAnimation(), widget.GetStateAnimation(UI_STATE_IDLE));
  EXPECT_EQ(widget.GetAnimatedBounds(), BOX) << "the idle loop keys no offset";

}

TEST_F(BaseWidgetTest, StartTimeSkipsAheadAndTheSkippedTimedEventsFireTogether) {
  const std::string show = MakeFloatAnimation("AnimOffsetY", 0.0f, 1.0f, 0.5);
  PropertyAnimation* animation = Animations().FindAnimation(show);
  animation->AddTimedEvent("AtZero", 0.0, NamedProperties());
  animation->AddTimedEvent("Early", 0.1, Bag("Which", 1));
  animation->AddTimedEvent("Early", 0.2, Bag("Which", 2));
  animation->AddTimedEvent("AtEnd", 0.5, NamedProperties());
  EventRecorder atZero("AtZero"), early("Early"), atEnd("AtEnd");
  Describe(widget, Bag("ShowAnim", show, "AnimStartTime", 0.3));

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
}

TEST_F(BaseWidgetTest, EnabledFalsePlaysTheDisableAnimationOnceAndSurvivesHiding) {
  Describe(widget, Bag("DisableAnim", MakeFloatAnimation("BaseAlpha", 1.0f, 0.5f, 0.2)));
  widget.Show();
  NamedProperties disable = Bag("Enabled", false);
  widget.SetProperties(disable);
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLING);
  AdvanceAnimations(0.3);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED);
  Describe(widget, Bag("Enabled", false));
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED) << "disabling again does not replay it";

  widget.Hide();
  widget.Show();
  AdvanceAnimations(0.3);
  widget.Render();
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED) << "shown again, still disabled";
  Describe(widget, Bag("Enabled", true));
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
}

TEST_F(BaseWidgetTest, LookupTakesAnimationThenCurrentStateThenOwnBag) {
  const Rgba own(1, 2, 3, 4), idle(0, 255, 0, 255);
  Describe(widget, Bag("BaseColor", own, "TintGradient", 0.25f));
  NamedProperties idleLook = Bag("BaseColor", idle, "TintGradient", 7);
  widget.SetStateProperties(UI_STATE_IDLE, idleLook);
  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), own) << "still hidden";
  widget.Show();
  EXPECT_EQ(widget.GetProperty<Rgba>("BaseColor"), idle);
  // An int in the state bag does not hide the own bag's float.
  EXPECT_FLOAT_EQ(widget.GetProperty<float>("TintGradient"), 0.25f);

  Describe(widget, Bag("IdleAnim", MakeFloatAnimation("TintGradient", 2.0f, 4.0f, 1.0)));
  widget.SetState(UI_STATE_FOCUSED);
  widget.SetState(UI_STATE_IDLE);
  AdvanceAnimations(0.5);
  EXPECT_FLOAT_EQ(widget.GetProperty<float>("TintGradient"), 3.0f);
  widget.SetState(UI_STATE_FOCUSED);
  widget.Render();  // detaches the stopped animation
  EXPECT_FLOAT_EQ(widget.GetProperty<float>("TintGradient"), 0.25f);
}

TEST_F(BaseWidgetTest, ASizeMarksTheLayoutDirty) {
  widget.LayoutContents();
  Describe(widget, Bag("Size", Vector2(30.0f, 40.0f)));
  EXPECT_TRUE(widget.IsLayoutDirty());
}

// Pre, draw and post each pass; show once; hide once on entering hidden and
// once more on destruction of a shown widget.
TEST_F(BaseWidgetTest, RenderShowAndHideEventsFireOnceEach) {
  EventRecorder pre("Pre", &journal), post("Post", &journal), shown("Shown", &journal),
      update("Update", &journal), hidden("Hidden", &journal);
  Describe(widget, Bag("PreRenderEventToFire", std::string("Pre"), "PostRenderEventToFire",
                       std::string("Post"), "ShowEventToFire", std::string("Shown"),
                       "UpdateEventToFire", std::string("Update"), "HideEventToFire",
                       std::string("Hidden")));
  EXPECT_FALSE(widget.SetState(UI_STATE_HIDDEN));
  widget.Render();
  EXPECT_EQ(journal, Journal{"event Update"}) << "hidden";

  journal.clear();
  widget.Show();
  widget.Render();
  widget.Render();
  EXPECT_TRUE(widget.Hide());
  EXPECT_TRUE(widget.Hide()) << "already hidden: whether the children are";
  EXPECT_EQ(journal, (Journal{"event Pre", "draw Widget", "event Post", "event Shown",
                              "event Update", "event Pre", "draw Widget", "event Post",
                              "event Update", "event Hidden"}));
  {
    TestWidget shown("Shown", nullptr);
    Describe(shown, Bag("HideEventToFire", std::string("Hidden"), "SubscribeEvent",
                        std::string("Hidden")));
    shown.Show();
    TestWidget neverShown("NeverShown", nullptr);
    Describe(neverShown, Bag("HideEventToFire", std::string("Hidden")));
  }
  EXPECT_EQ(hidden.Count(), 2);
}

TEST_F(BaseWidgetTest, RolloverFollowsThePointAndSkipsDisabledOrCoveredWidgets) {
  Describe(widget, Bag("Bounds", BOX));
  EXPECT_FALSE(widget.UpdateMouseOver(Vector2(20.0f, 20.0f))) << "hidden";
  widget.Show();
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(50.0f, 30.0f))) << "the edge is inside";
  EXPECT_EQ(widget.GetState(), UI_STATE_FOCUSED);
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(20.0f, 20.0f)));
  EXPECT_FALSE(widget.UpdateMouseOver(Vector2(51.0f, 20.0f)));
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
  EXPECT_EQ(parent.released, std::vector<BaseWidget*>{&widget});
  Describe(widget, Bag("Enabled", false));
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(20.0f, 20.0f)));
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED);
}

}  // namespace
