#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/ui/SliderWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

// 300 x 30 at (100, 40): caption 100-220, decrease 220-250, value 250-370,
// increase 370-400.
const AABB2 BOUNDS(100.0f, 40.0f, 400.0f, 70.0f);
const Vector2 ON_DECREASE(235.0f, 55.0f);
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
    NamedProperties args = Bag("Label", std::to_string(value));
    FireGlobalEvent("MusicVolumeChangedEvent", args);
  }
};

using SliderWidgetTest = WidgetTest;

TEST_F(SliderWidgetTest, ButtonsStepTheGamesValueWhichComesBackToTheValueLabel) {
  SteppedSetting setting;
  SliderWidget slider("MusicVolume", nullptr);
  Describe(slider, Bag("Bounds", BOUNDS, "Size", BOUNDS.CalcSize(), "Label", std::string("Music"),
                       "SetDefaultLabelEvent", std::string("MusicVolumeChangedEvent"),
                       "OnActivationEventName", std::string("MusicVolumeEvent")));
  slider.Show();
  slider.LayoutContents();
  const auto valueText = [&slider] { return slider.GetValueLabel().GetProperty<std::string>("Label"); };

  ClickAt(slider, ON_INCREASE);
  EXPECT_EQ(setting.value, 2);
  EXPECT_EQ(valueText(), "2");
  for (int i = 0; i < 4; ++i) ClickAt(slider, ON_DECREASE);
  EXPECT_EQ(setting.value, 0);
  EXPECT_EQ(valueText(), "0");
  EXPECT_EQ(slider.GetCaption().GetProperty<std::string>("Label"), "Music")
      << "the published text never reaches the caption";
  EXPECT_EQ(slider.GetIncreaseButton().GetCaption().GetProperty<std::string>("Label"), "");
}

}  // namespace
