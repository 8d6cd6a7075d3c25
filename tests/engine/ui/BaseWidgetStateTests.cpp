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

TEST_F(BaseWidgetStateTest, FiredEventsCarryTheCompanionAndTheExternalRenderBounds) {
  EventRecorder activated("Activated");
  EXPECT_FALSE(widget.FireEventFromProperty("PostRenderEventToFire", "", NamedProperties()));

  Describe(widget, Bag("PostRenderEventToFire", std::string("Activated"),
                       "PostRenderEventToFireProperty", 5, "Bounds",
                       AABB2(0.0f, 0.0f, 100.0f, 50.0f), "ExternalRenderOffset",
                       Vector2(2.0f, 3.0f), "ExternalRenderInset", Vector2(4.0f, 5.0f)));
  NamedProperties payload = Bag("Value", true);
  EXPECT_TRUE(widget.FireEventFromProperty("PostRenderEventToFire", "", payload));
  EXPECT_TRUE(widget.FireEventFromProperty("PostRenderEventToFire", "Toggle", payload));
  EventRecorder toggled("ToggleActivated");
  EXPECT_TRUE(widget.FireEventFromProperty("PostRenderEventToFire", "Toggle", payload));

  ASSERT_EQ(activated.Count(), 1);
  EXPECT_EQ(activated.Get<int>("PostRenderEventToFireProperty"), 5);
  EXPECT_EQ(activated.Get<AABB2>("Bounds"), AABB2(2.0f, 3.0f, 96.0f, 45.0f));
  EXPECT_TRUE(activated.Get<bool>("Value"));
  EXPECT_EQ(toggled.Count(), 1);
  int companion = 0;
  EXPECT_EQ(payload.Get("PostRenderEventToFireProperty", companion), PROPERTY_FETCH_NOT_FOUND)
      << "the caller's payload is not touched";
}

TEST_F(BaseWidgetStateTest, FiringLaysTheParentOutFirstWhileTheLayoutIsDirty) {
  TestContainer container("Container", nullptr);
  BaseWidget* child = container.AddChild(std::make_unique<TestWidget>("Child", &container));
  Describe(container, Bag("Bounds", AABB2(100.0f, 100.0f, 400.0f, 400.0f)));
  Describe(*child, Bag("UpdateEventToFire", std::string("Update"), "Offset", Vector2(5.0f, 0.0f)));
  EventRecorder update("Update");

  child->Render();
  EXPECT_EQ(update.Get<AABB2>("Bounds"), AABB2(105.0f, 100.0f, 205.0f, 120.0f));
  EXPECT_FALSE(child->IsLayoutDirty());
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
