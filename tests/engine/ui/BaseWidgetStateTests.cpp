#include <gtest/gtest.h>

#include <memory>

#include "tests/engine/ui/CoreWidgetTestSupport.h"

namespace {

using namespace ui_core_test;

class BaseWidgetStateTest : public WidgetTest {
 protected:
  Journal journal;
  TestWidget parent{"Parent", nullptr};
  TestWidget widget{"Widget", &parent, &journal};
};

TEST_F(BaseWidgetStateTest, HideEventFiresOnceOnEnteringHiddenAndNotForAnUnchangedState) {
  EventRecorder hidden("Hidden");
  Describe(widget, Bag("HideEventToFire", std::string("Hidden")));
  EXPECT_FALSE(widget.SetState(UI_STATE_HIDDEN));
  EXPECT_EQ(hidden.Count(), 0);

  widget.Show();
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
  EXPECT_TRUE(widget.Hide());
  EXPECT_EQ(widget.GetState(), UI_STATE_HIDDEN);
  EXPECT_EQ(hidden.Count(), 1);
  EXPECT_TRUE(widget.Hide()) << "already hidden: whether the children are";
  EXPECT_EQ(hidden.Count(), 1);
}

TEST_F(BaseWidgetStateTest, RenderFiresAroundDrawAndTheShowEventOnlyOnce) {
  EventRecorder pre("Pre", &journal);
  EventRecorder post("Post", &journal);
  EventRecorder shown("Shown", &journal);
  EventRecorder update("Update", &journal);
  Describe(widget, Bag("PreRenderEventToFire", std::string("Pre"), "PostRenderEventToFire",
                       std::string("Post"), "ShowEventToFire", std::string("Shown"),
                       "UpdateEventToFire", std::string("Update")));

  widget.Render();
  EXPECT_EQ(journal.entries, std::vector<std::string>{"event Update"}) << "hidden";

  journal.entries.clear();
  widget.Show();
  widget.Render();
  widget.Render();
  EXPECT_EQ(journal.entries,
            (std::vector<std::string>{"event Pre", "draw Widget", "event Post", "event Shown",
                                      "event Update", "event Pre", "draw Widget", "event Post",
                                      "event Update"}));

  journal.entries.clear();
  widget.Hide();
  Describe(widget, Bag("Transparent", true));
  widget.Show();
  widget.Render();
  EXPECT_EQ(journal.entries, (std::vector<std::string>{"event Shown", "event Update"}));
}

TEST_F(BaseWidgetStateTest, RolloverFollowsThePointAndSkipsDisabledOrCoveredWidgets) {
  Describe(widget, Bag("Bounds", AABB2(10.0f, 10.0f, 50.0f, 30.0f)));
  EXPECT_FALSE(widget.UpdateMouseOver(Vector2(20.0f, 20.0f))) << "hidden";

  widget.Show();
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(50.0f, 30.0f))) << "the edge is inside";
  EXPECT_EQ(widget.GetState(), UI_STATE_FOCUSED);
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(20.0f, 20.0f)));
  EXPECT_EQ(widget.GetState(), UI_STATE_FOCUSED);

  EXPECT_FALSE(widget.UpdateMouseOver(Vector2(51.0f, 20.0f)));
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);
  EXPECT_EQ(parent.released, std::vector<BaseWidget*>{&widget});

  widget.SetTopOfStack(false);
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(20.0f, 20.0f)));
  EXPECT_EQ(widget.GetState(), UI_STATE_IDLE);

  widget.SetTopOfStack(true);
  Describe(widget, Bag("Enabled", false));
  EXPECT_TRUE(widget.UpdateMouseOver(Vector2(20.0f, 20.0f)));
  EXPECT_EQ(widget.GetState(), UI_STATE_DISABLED);
}

TEST_F(BaseWidgetStateTest, DestroyingAShownWidgetFiresItsHideEventOnce) {
  EventRecorder hidden("Gone");
  {
    TestWidget shown("Shown", nullptr);
    Describe(shown, Bag("HideEventToFire", std::string("Gone"), "SubscribeEvent",
                        std::string("Gone")));
    shown.Show();
  }
  {
    TestWidget neverShown("NeverShown", nullptr);
    Describe(neverShown, Bag("HideEventToFire", std::string("Gone")));
  }
  EXPECT_EQ(hidden.Count(), 1);
}

}  // namespace
