#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/CheckBoxWidget.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"
#include "tests/engine/ui/WidgetTestDoubles.h"

namespace {

using namespace ui_test;

// 200 x 20 at (100, 50): the box takes the right tenth, (280, 50)-(300, 70).
const AABB2 BOUNDS(100.0f, 50.0f, 300.0f, 70.0f);
const Vector2 ON_BOX(290.0f, 60.0f);
const Vector2 ON_CAPTION(150.0f, 60.0f);
const Vector2 OUTSIDE(500.0f, 500.0f);

class CheckBoxWidgetTest : public ::testing::Test {
 protected:
  CheckBoxWidgetTest() {
    m_log.Listen("ToggleIsPlayingSoundsEvent");
    m_log.Listen("RolloverTextChangedEvent");
  }

  std::unique_ptr<CheckBoxWidget> MakeCheckBox(NamedProperties description = NamedProperties()) {
    auto checkBox = std::make_unique<CheckBoxWidget>("Sounds", nullptr);
    description.Set("Bounds", BOUNDS);
    description.Set("Size", BOUNDS.CalcSize());
    description.Set("Label", std::string("Sound effects"));
    if (description.Get("OnActivationEventName", m_unused) != PROPERTY_FETCH_OK) {
      description.Set("OnActivationEventName", std::string("IsPlayingSoundsEvent"));
    }
    Describe(*checkBox, description);
    checkBox->Show();
    checkBox->LayoutContents();
    return checkBox;
  }

  // Roll-over onto the box, press and release, as the window passes them on.
  void ClickBox(CheckBoxWidget& checkBox) {
    checkBox.UpdateMouseOver(ON_BOX);
    checkBox.OnKeyEvent(PRESS, LEFT_BUTTON);
    checkBox.OnKeyEvent(RELEASE, LEFT_BUTTON);
  }

  static std::string Tick(CheckBoxWidget& checkBox) {
    return checkBox.GetBox().GetCaption().GetProperty<std::string>("Label");
  }

  std::string m_unused;
  UlvoEventSystem m_events;
  EventLog m_log;
  RecordingWidgetRenderer m_renderer;
};

TEST_F(CheckBoxWidgetTest, EachClickOnTheBoxTogglesOnceAndTellsTheGame) {
  NamedProperties description;
  description.Set("OnActivationEventNameProperty", 7);
  auto checkBox = MakeCheckBox(description);
  EXPECT_EQ(Tick(*checkBox), "");

  ClickBox(*checkBox);
  ASSERT_EQ(m_log.Count("ToggleIsPlayingSoundsEvent"), 1);
  const NamedProperties& first = m_log.Last("ToggleIsPlayingSoundsEvent");
  EXPECT_TRUE(Read<bool>(first, "Value"));
  EXPECT_EQ(Read<int>(first, "OnActivationEventNameProperty"), 7);
  EXPECT_EQ(Read<AABB2>(first, "Bounds"), BOUNDS);
  EXPECT_TRUE(checkBox->GetProperty<bool>("Value"));
  EXPECT_EQ(Tick(*checkBox), "X");
  EXPECT_EQ(checkBox->GetCaption().GetProperty<std::string>("Label"), "Sound effects");

  ClickBox(*checkBox);
  ASSERT_EQ(m_log.Count("ToggleIsPlayingSoundsEvent"), 2);
  EXPECT_FALSE(Read<bool>(m_log.Last("ToggleIsPlayingSoundsEvent"), "Value"));
  EXPECT_EQ(Tick(*checkBox), "");
}

TEST_F(CheckBoxWidgetTest, DescribingAgainDoesNotDoubleTheToggle) {
  auto checkBox = MakeCheckBox();
  NamedProperties again;
  again.Set("OnActivationEventName", std::string("IsPlayingSoundsEvent"));
  Describe(*checkBox, again);
  ClickBox(*checkBox);
  ASSERT_EQ(m_log.Count("ToggleIsPlayingSoundsEvent"), 1);
  EXPECT_TRUE(Read<bool>(m_log.Last("ToggleIsPlayingSoundsEvent"), "Value"));

  // Renamed: the old "Set" event no longer reaches it.
  NamedProperties renamed;
  renamed.Set("OnActivationEventName", std::string("IsPlayingMusicEvent"));
  Describe(*checkBox, renamed);
  NamedProperties off;
  off.Set("Value", false);
  m_events.FireEvent("SetIsPlayingSoundsEvent", off);
  EXPECT_TRUE(checkBox->GetProperty<bool>("Value"));
  m_events.FireEvent("SetIsPlayingMusicEvent", off);
  EXPECT_FALSE(checkBox->GetProperty<bool>("Value"));
}

TEST_F(CheckBoxWidgetTest, DestroyedCheckBoxHearsNoMoreEvents) {
  auto checkBox = MakeCheckBox();
  checkBox.reset();
  NamedProperties set;
  set.Set("Value", true);
  m_events.FireEvent("SetIsPlayingSoundsEvent", set);
  m_events.FireEvent("InternalToggleSounds");
  EXPECT_EQ(m_log.Count("ToggleIsPlayingSoundsEvent"), 0);
}

TEST_F(CheckBoxWidgetTest, ToggleHandlerMayDestroyTheCheckBox) {
  struct Closer : EventRecipient {
    std::unique_ptr<CheckBoxWidget>* checkBox = nullptr;
    std::string tickSeen;
    void OnToggled(NamedProperties&) {
      tickSeen = Tick(**checkBox);
      checkBox->reset();
    }
  } closer;
  auto checkBox = MakeCheckBox();
  closer.checkBox = &checkBox;
  RegisterEventHandler("ToggleIsPlayingSoundsEvent", UlvoEventSystem::GetGlobal(),
                       &Closer::OnToggled, &closer);
  ClickBox(*checkBox);
  EXPECT_EQ(checkBox, nullptr);
  EXPECT_EQ(closer.tickSeen, "X") << "the game hears the toggle with the tick already shown";
  EXPECT_EQ(m_log.Count("ToggleIsPlayingSoundsEvent"), 1);
}

}  // namespace
