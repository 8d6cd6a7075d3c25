// The controls: button, check box, slider and group.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "engine/ui/ButtonWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/SliderWidget.h"
#include "tests/engine/ui/UITestSupport.h"
#include "tests/support/FakeAudioDevice.h"
#include "tests/support/ScopedDataFolder.h"

namespace {

using namespace ui_test;
using ControlWidgetTest = WidgetTest;
using ::testing::Contains;
using ::testing::StartsWith;

TEST_F(ControlWidgetTest, ClickSelectsThenActivatesOnceAndEnterActivatesPerPressAndRepeat) {
  EventRecorder pressed("Pressed");
  EventRecorder selected("Selected");
  // The default sound module while it lives, its sound 21 a file of its own.
  testsupport::ScopedDataFolder data;
  data.Write("Audio/Click.wav", "x");
  auto* device = new testsupport::FakeAudioDevice();
  UlvoSoundBasic_FMOD sound{std::unique_ptr<platform::AudioDevice>(device)};
  sound.Startup();
  sound.RegisterSample(21, "Audio/Click");
  device->ClearCalls();
  ButtonWidget button("PlayButton", nullptr);
  Describe(button, Bag("Bounds", AABB2(100.0f, 100.0f, 200.0f, 130.0f), "OnActivationEventName",
                       std::string("Pressed"), "OnSelectionEventName", std::string("Selected"),
                       "ActivateSoundHandle", 21));
  button.Show();
  button.UpdateMouseOver(Vector2(150.0f, 115.0f));
  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_DOWN, KEY_CODE_LEFT_BUTTON));
  EXPECT_EQ(button.GetState(), UI_STATE_SELECTED);
  EXPECT_EQ(selected.Count(), 1);
  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON));
  EXPECT_EQ(button.GetState(), UI_STATE_FOCUSED);
  EXPECT_THAT(device->Calls(), Contains(StartsWith("Play 1 once ")).Times(1));
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON)) << "a second release";
  EXPECT_EQ(pressed.Count(), 1);

  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_DOWN, KEY_ENTER));
  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_REPEAT, KEY_ENTER));
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_UP, KEY_ENTER));
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_CHARACTER, KEY_ENTER));
  EXPECT_EQ(pressed.Count(), 3);
  EXPECT_EQ(button.GetState(), UI_STATE_FOCUSED);

  // Pressed, then left before the release: nothing is activated.
  button.OnKeyEvent(KEY_ACTION_DOWN, KEY_CODE_LEFT_BUTTON);
  EXPECT_FALSE(button.UpdateMouseOver(Vector2(500.0f, 500.0f)));
  EXPECT_EQ(button.GetState(), UI_STATE_IDLE);
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON));
  EXPECT_EQ(pressed.Count(), 3);
}

// 200 x 20 at (100, 50): the box takes the right tenth.
TEST_F(ControlWidgetTest, EachClickOnTheCheckBoxTogglesOnceAndTheSetEventFollowsARename) {
  const AABB2 bounds(100.0f, 50.0f, 300.0f, 70.0f);
  const Vector2 onBox(290.0f, 60.0f);
  EventRecorder toggled("ToggleIsPlayingSoundsEvent");
  CheckBoxWidget checkBox("Sounds", nullptr);
  Describe(checkBox, Bag("Bounds", bounds, "Size", bounds.CalcSize(), "Label",
                         std::string("Sound effects"), "OnActivationEventName",
                         std::string("IsPlayingSoundsEvent"), "OnActivationEventNameProperty", 7));
  checkBox.Show();
  checkBox.LayoutContents();
  const auto tick = [&checkBox] {
    return checkBox.GetBox().GetCaption().GetProperty<std::string>("Label");
  };
  ClickAt(checkBox, onBox);
  ASSERT_EQ(toggled.Count(), 1);
  EXPECT_TRUE(toggled.Get<bool>("Value"));
  EXPECT_EQ(toggled.Get<int>("OnActivationEventNameProperty"), 7);
  EXPECT_EQ(tick(), "X");
  ClickAt(checkBox, onBox);
  EXPECT_FALSE(toggled.Get<bool>("Value"));
  EXPECT_EQ(tick(), "");

  // Describing it again must not double the toggle.
  Describe(checkBox, Bag("OnActivationEventName", std::string("IsPlayingSoundsEvent")));
  ClickAt(checkBox, onBox);
  EXPECT_EQ(toggled.Count(), 3);
  EXPECT_TRUE(checkBox.GetProperty<bool>("Value"));

  Describe(checkBox, Bag("OnActivationEventName", std::string("IsPlayingMusicEvent")));
  NamedProperties off = Bag("Value", false);
  events.FireEvent("SetIsPlayingSoundsEvent", off);
  EXPECT_TRUE(checkBox.GetProperty<bool>("Value"));
  events.FireEvent("SetIsPlayingMusicEvent", off);
  EXPECT_EQ(tick(), "");
}

// 300 x 30 at (100, 40): caption 100-220, decrease 220-250, value 250-370,
// increase 370-400.
const AABB2 SLIDER_BOUNDS(100.0f, 40.0f, 400.0f, 70.0f);
const Vector2 ON_DECREASE(235.0f, 55.0f);
const Vector2 ON_INCREASE(385.0f, 55.0f);

// The buttons tell the game; the game's answer reaches only the value label.
TEST_F(ControlWidgetTest, SliderButtonsTellTheGameWhoseAnswerReachesTheValueLabel) {
  EventRecorder increase("IncreaseMusicVolumeEvent");
  EventRecorder decrease("DecreaseMusicVolumeEvent");
  SliderWidget slider("MusicVolume", nullptr);
  Describe(slider, Bag("Bounds", SLIDER_BOUNDS, "Size", SLIDER_BOUNDS.CalcSize(), "Label",
                       std::string("Music"), "SetDefaultLabelEvent",
                       std::string("MusicVolumeChangedEvent"), "OnActivationEventName",
                       std::string("MusicVolumeEvent")));
  slider.Show();
  slider.LayoutContents();
  ClickAt(slider, ON_INCREASE);
  ClickAt(slider, ON_DECREASE);
  ClickAt(slider, ON_DECREASE);
  EXPECT_EQ(increase.Count(), 1);
  EXPECT_EQ(decrease.Count(), 2);

  NamedProperties answer = Bag("Label", std::string("2"));
  events.FireEvent("MusicVolumeChangedEvent", answer);
  EXPECT_EQ(slider.GetValueLabel().GetProperty<std::string>("Label"), "2");
  EXPECT_EQ(slider.GetCaption().GetProperty<std::string>("Label"), "Music") << "untouched";
}

}  // namespace
