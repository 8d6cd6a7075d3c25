#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/SliderWidget.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"
#include "tests/engine/ui/WidgetTestDoubles.h"

namespace {

using namespace ui_test;

// 300 x 30 at (100, 40): caption 100-220, decrease 220-250, value 250-370,
// increase 370-400.
const AABB2 BOUNDS(100.0f, 40.0f, 400.0f, 70.0f);
const Vector2 ON_CAPTION(150.0f, 55.0f);
const Vector2 ON_DECREASE(235.0f, 55.0f);
const Vector2 ON_VALUE(300.0f, 55.0f);
const Vector2 ON_INCREASE(385.0f, 55.0f);

// The game's side of a stepped option: a value from 0 to 3 that the
// slider's buttons step and that is published back as text.
class SteppedSetting : public EventRecipient {
 public:
  SteppedSetting() {
    RegisterEventHandler("IncreaseMusicVolumeEvent", UlvoEventSystem::GetGlobal(),
                         &SteppedSetting::OnIncrease, this);
    RegisterEventHandler("DecreaseMusicVolumeEvent", UlvoEventSystem::GetGlobal(),
                         &SteppedSetting::OnDecrease, this);
  }
  void OnIncrease(NamedProperties&) { Step(+1); }
  void OnDecrease(NamedProperties&) { Step(-1); }

  int value = 1;

 private:
  void Step(int delta) {
    value = std::clamp(value + delta, 0, 3);
    NamedProperties args;
    args.Set("Label", std::to_string(value));
    FireGlobalEvent("MusicVolumeChangedEvent", args);
  }
};

class SliderWidgetTest : public ::testing::Test {
 protected:
  SliderWidgetTest() {
    for (const char* name :
         {"IncreaseMusicVolumeEvent", "DecreaseMusicVolumeEvent", "RolloverTextChangedEvent"}) {
      m_log.Listen(name);
    }
  }

  std::unique_ptr<SliderWidget> MakeSlider(NamedProperties description = NamedProperties()) {
    auto slider = std::make_unique<SliderWidget>("MusicVolume", nullptr);
    description.Set("Bounds", BOUNDS);
    description.Set("Size", BOUNDS.CalcSize());
    description.Set("Label", std::string("Music"));
    description.Set("RolloverText", std::string("How loud the music plays."));
    description.Set("SetDefaultLabelEvent", std::string("MusicVolumeChangedEvent"));
    Describe(*slider, description);
    slider->Show();
    slider->LayoutContents();
    return slider;
  }

  static NamedProperties Wired() {
    NamedProperties description;
    description.Set("OnActivationEventName", std::string("MusicVolumeEvent"));
    return description;
  }

  // What the window does with a click at point: roll-over, press, release.
  static void ClickAt(SliderWidget& slider, const Vector2& point) {
    slider.UpdateMouseOver(point);
    slider.OnKeyEvent(PRESS, LEFT_BUTTON);
    slider.OnKeyEvent(RELEASE, LEFT_BUTTON);
  }

  UlvoEventSystem m_events;
  EventLog m_log;
  RecordingWidgetRenderer m_renderer;
};

TEST_F(SliderWidgetTest, ButtonsStepTheGamesValueWhichComesBackToTheValueLabel) {
  SteppedSetting setting;
  auto slider = MakeSlider(Wired());
  EXPECT_EQ(slider->GetIncreaseButton().GetProperty<std::string>("OnActivationEventName"),
            "IncreaseMusicVolumeEvent");
  EXPECT_EQ(slider->GetDecreaseButton().GetProperty<std::string>("OnActivationEventName"),
            "DecreaseMusicVolumeEvent");

  ClickAt(*slider, ON_INCREASE);
  EXPECT_EQ(m_log.Count("IncreaseMusicVolumeEvent"), 1);
  EXPECT_EQ(setting.value, 2);
  EXPECT_EQ(slider->GetValueLabel().GetProperty<std::string>("Label"), "2");

  for (int i = 0; i < 4; ++i) {
    ClickAt(*slider, ON_INCREASE);
  }
  EXPECT_EQ(setting.value, 3) << "held at the upper limit";
  EXPECT_EQ(slider->GetValueLabel().GetProperty<std::string>("Label"), "3");

  for (int i = 0; i < 5; ++i) {
    ClickAt(*slider, ON_DECREASE);
  }
  EXPECT_EQ(m_log.Count("DecreaseMusicVolumeEvent"), 5);
  EXPECT_EQ(setting.value, 0) << "held at the lower limit";
  EXPECT_EQ(slider->GetValueLabel().GetProperty<std::string>("Label"), "0");
  EXPECT_EQ(slider->GetCaption().GetProperty<std::string>("Label"), "Music")
      << "the published text never reaches the caption";
  EXPECT_EQ(slider->GetIncreaseButton().GetCaption().GetProperty<std::string>("Label"), "");
}

}  // namespace
