#include <gtest/gtest.h>

#include <string>

#include "engine/ui/CheckBoxWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

// 200 x 20 at (100, 50): the box takes the right tenth.
const AABB2 BOUNDS(100.0f, 50.0f, 300.0f, 70.0f);
const Vector2 ON_BOX(290.0f, 60.0f);

class CheckBoxWidgetTest : public WidgetTest {
 protected:
  CheckBoxWidgetTest() {
    Describe(checkBox, Bag("Bounds", BOUNDS, "Size", BOUNDS.CalcSize(), "Label",
                           std::string("Sound effects"), "OnActivationEventName",
                           std::string("IsPlayingSoundsEvent"), "OnActivationEventNameProperty", 7));
    checkBox.Show();
    checkBox.LayoutContents();
  }
  std::string Tick() { return checkBox.GetBox().GetCaption().GetProperty<std::string>("Label"); }

  EventRecorder toggled{"ToggleIsPlayingSoundsEvent"};
  CheckBoxWidget checkBox{"Sounds", nullptr};
};

TEST_F(CheckBoxWidgetTest, EachClickOnTheBoxTogglesOnceAndTellsTheGame) {
  EXPECT_EQ(Tick(), "");
  ClickAt(checkBox, ON_BOX);
  ASSERT_EQ(toggled.Count(), 1);
  EXPECT_TRUE(toggled.Get<bool>("Value"));
  EXPECT_EQ(toggled.Get<int>("OnActivationEventNameProperty"), 7);
  EXPECT_EQ(toggled.Get<AABB2>("Bounds"), BOUNDS);
  EXPECT_TRUE(checkBox.GetProperty<bool>("Value"));
  EXPECT_EQ(Tick(), "X");
  EXPECT_EQ(checkBox.GetCaption().GetProperty<std::string>("Label"), "Sound effects");

  ClickAt(checkBox, ON_BOX);
  ASSERT_EQ(toggled.Count(), 2);
  EXPECT_FALSE(toggled.Get<bool>("Value"));
  EXPECT_EQ(Tick(), "");
}

TEST_F(CheckBoxWidgetTest, DescribingAgainDoesNotDoubleTheToggleAndRenamingMovesTheSetEvent) {
  Describe(checkBox, Bag("OnActivationEventName", std::string("IsPlayingSoundsEvent")));
  ClickAt(checkBox, ON_BOX);
  EXPECT_EQ(toggled.Count(), 1);
  EXPECT_TRUE(checkBox.GetProperty<bool>("Value"));

  Describe(checkBox, Bag("OnActivationEventName", std::string("IsPlayingMusicEvent")));
  NamedProperties off = Bag("Value", false);
  events.FireEvent("SetIsPlayingSoundsEvent", off);
  EXPECT_TRUE(checkBox.GetProperty<bool>("Value"));
  events.FireEvent("SetIsPlayingMusicEvent", off);
  EXPECT_FALSE(checkBox.GetProperty<bool>("Value"));
  EXPECT_EQ(Tick(), "");
}

}  // namespace
