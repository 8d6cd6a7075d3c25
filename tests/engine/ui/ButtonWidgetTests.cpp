#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/modules/sound/UlvoSoundInterface.h"
#include "engine/ui/ButtonWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

const Vector2 INSIDE(150.0f, 115.0f);

// The default sound module while it lives: keeps the samples played.
class RecordingSound : public UlvoSoundInterface {
 public:
  void PlaySample(int id, int, int loopMode, float, float, float) override {
    plays.push_back(std::to_string(id) + (loopMode == LOOP_OFF ? " once" : " looped"));
  }
  void StopSample(int) override {}
  void DebugRender() override {}
  bool IsFMODOk() override { return true; }
  float GetSpectrumPeak(int) override { return 0.0f; }
  void RegisterSample(int, const std::string&) override {}
  void RegisterStream(int, const std::string&, unsigned) override {}
  void UnregisterSample(int) override {}
  void UnregisterStream(int) override {}
  void UnregisterAll() override {}
  float GetSampleVolume(int, int) override { return 0.0f; }
  float GetStreamVolume(int) override { return 0.0f; }
  void ChangeSampleFrequency(int, float) override {}
  void SetPlaybackLimit(int, uint8_t) override {}
  void PlaySampleEx(int, int, int, float, float, float) override {}
  void PlayStream(int, float) override {}
  void StopSampleByTag(int, int) override {}
  void StopStream(int) override {}
  void PauseSample(int) override {}
  void UnpauseSample(int) override {}
  void PauseStream(int) override {}
  void UnpauseStream(int) override {}
  void StopAll() override {}
  void PauseAll() override {}
  void UnpauseAll() override {}
  void ChangeSampleVolume(int, int, float, int) override {}
  void ChangeStreamVolume(int, float) override {}

  std::vector<std::string> plays;
};

class ButtonWidgetTest : public WidgetTest {
 protected:
  ButtonWidgetTest() {
    Describe(button, Bag("Bounds", AABB2(100.0f, 100.0f, 200.0f, 130.0f), "OnActivationEventName",
                         std::string("Pressed"), "OnSelectionEventName", std::string("Selected"),
                         "ActivateSoundHandle", 21));
    button.Show();
    button.UpdateMouseOver(INSIDE);
  }

  EventRecorder pressed{"Pressed"};
  EventRecorder selected{"Selected"};
  RecordingSound sound;
  ButtonWidget button{"PlayButton", nullptr};
};

TEST_F(ButtonWidgetTest, ClickSelectsThenActivatesOnceWithItsSound) {
  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_DOWN, KEY_CODE_LEFT_BUTTON));
  EXPECT_EQ(button.GetState(), UI_STATE_SELECTED);
  EXPECT_EQ(selected.Count(), 1);
  EXPECT_EQ(pressed.Count(), 0);

  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON));
  EXPECT_EQ(button.GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(pressed.Count(), 1);
  EXPECT_EQ(sound.plays, std::vector<std::string>{"21 once"});
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON)) << "a second release";
  EXPECT_EQ(pressed.Count(), 1);
}

TEST_F(ButtonWidgetTest, PressThenLeavingBeforeTheReleaseActivatesNothing) {
  button.OnKeyEvent(KEY_ACTION_DOWN, KEY_CODE_LEFT_BUTTON);
  EXPECT_FALSE(button.UpdateMouseOver(Vector2(500.0f, 500.0f)));
  EXPECT_EQ(button.GetState(), UI_STATE_IDLE);
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON));
  EXPECT_EQ(pressed.Count(), 0);
}

TEST_F(ButtonWidgetTest, EnterActivatesOncePerPressAndRepeat) {
  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_DOWN, KEY_ENTER));
  EXPECT_TRUE(button.OnKeyEvent(KEY_ACTION_REPEAT, KEY_ENTER));
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_UP, KEY_ENTER));
  EXPECT_FALSE(button.OnKeyEvent(KEY_ACTION_CHARACTER, KEY_ENTER));
  EXPECT_EQ(pressed.Count(), 2);
  EXPECT_EQ(button.GetState(), UI_STATE_FOCUSED);
}

}  // namespace
