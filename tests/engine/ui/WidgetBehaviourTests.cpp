// Behaviours the widgets share: showing and hiding reach every part, scaling
// the layout scales the text of every part, roll-over shows the widget's
// help text, and the handler of its activation may destroy the widget.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "engine/ui/ButtonWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/EditLineWidget.h"
#include "engine/ui/GroupWidget.h"
#include "engine/ui/SliderWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

const AABB2 BOUNDS(0.0f, 0.0f, 300.0f, 30.0f);
const Vector2 OUTSIDE(500.0f, 500.0f);

struct WidgetCase {
  const char* name;
  std::function<std::unique_ptr<BaseWidget>()> make;
  // Its parts: the labels (a button stands for its caption too) and the others.
  std::function<std::vector<BaseWidget*>(BaseWidget&)> labels;
  std::function<std::vector<BaseWidget*>(BaseWidget&)> otherParts;
  // The player's activation and the event the game hears of it; none for a group.
  std::function<void(BaseWidget&)> activate;
  const char* activationEvent;
};

template <typename W>
W& As(BaseWidget& widget) {
  return static_cast<W&>(widget);
}

template <typename W>
std::function<std::unique_ptr<BaseWidget>()> Maker() {
  return [] { return std::unique_ptr<BaseWidget>(std::make_unique<W>("Widget", nullptr)); };
}

void Click(BaseWidget& widget, const Vector2& point) {
  widget.UpdateMouseOver(point);
  widget.OnKeyEvent(KEY_ACTION_DOWN, KEY_CODE_LEFT_BUTTON);
  widget.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON);
}

const WidgetCase WIDGETS[] = {
    {"Button", Maker<ButtonWidget>(),
     [](BaseWidget& w) -> std::vector<BaseWidget*> { return {&As<ButtonWidget>(w).GetCaption()}; },
     [](BaseWidget&) -> std::vector<BaseWidget*> { return {}; },
     [](BaseWidget& w) { Click(w, Vector2(150.0f, 15.0f)); }, "Activated"},
    {"CheckBox", Maker<CheckBoxWidget>(),
     [](BaseWidget& w) -> std::vector<BaseWidget*> {
       auto& c = As<CheckBoxWidget>(w);
       return {&c.GetCaption(), &c.GetBox().GetCaption()};
     },
     [](BaseWidget& w) -> std::vector<BaseWidget*> { return {&As<CheckBoxWidget>(w).GetBox()}; },
     // The box takes the right tenth.
     [](BaseWidget& w) { Click(w, Vector2(290.0f, 15.0f)); }, "ToggleActivated"},
    {"EditLine", Maker<EditLineWidget>(),
     [](BaseWidget& w) -> std::vector<BaseWidget*> { return {&As<EditLineWidget>(w).GetTextLabel()}; },
     [](BaseWidget&) -> std::vector<BaseWidget*> { return {}; },
     [](BaseWidget& w) {
       w.OnKeyEvent(KEY_ACTION_CHARACTER, 'a');
       w.OnKeyEvent(KEY_ACTION_DOWN, KEY_ENTER);
     },
     "Activated"},
    {"Group", Maker<GroupWidget>(),
     [](BaseWidget& w) -> std::vector<BaseWidget*> { return {&As<GroupWidget>(w).GetCaption()}; },
     [](BaseWidget&) -> std::vector<BaseWidget*> { return {}; }, nullptr, nullptr},
    {"Slider", Maker<SliderWidget>(),
     [](BaseWidget& w) -> std::vector<BaseWidget*> {
       auto& s = As<SliderWidget>(w);
       return {&s.GetCaption(), &s.GetValueLabel(), &s.GetIncreaseButton().GetCaption(),
               &s.GetDecreaseButton().GetCaption()};
     },
     [](BaseWidget& w) -> std::vector<BaseWidget*> {
       auto& s = As<SliderWidget>(w);
       return {&s.GetIncreaseButton(), &s.GetDecreaseButton()};
     },
     // The increase button is the right tenth.
     [](BaseWidget& w) { Click(w, Vector2(290.0f, 15.0f)); }, "IncreaseActivated"},
};

void PrintTo(const WidgetCase& widgetCase, std::ostream* out) { *out << widgetCase.name; }

class WidgetBehaviourTest : public WidgetTest, public ::testing::WithParamInterface<WidgetCase> {
 protected:
  // Shown and laid out in BOUNDS, with a help text and an activation event.
  std::unique_ptr<BaseWidget> MakeShown() {
    std::unique_ptr<BaseWidget> widget = GetParam().make();
    Describe(*widget, Bag("Bounds", BOUNDS, "Size", BOUNDS.CalcSize(), "RolloverText",
                          std::string("Help"), "OnActivationEventName", std::string("Activated")));
    widget->Show();
    widget->LayoutContents();
    return widget;
  }
  std::vector<BaseWidget*> Parts(BaseWidget& widget) {
    std::vector<BaseWidget*> parts = GetParam().labels(widget);
    for (BaseWidget* part : GetParam().otherParts(widget)) parts.push_back(part);
    return parts;
  }
};

TEST_P(WidgetBehaviourTest, ShowAndHideReachEveryPart) {
  auto widget = MakeShown();
  for (BaseWidget* part : Parts(*widget)) {
    EXPECT_EQ(part->GetState(), UI_STATE_IDLE) << part->GetName();
  }
  EXPECT_TRUE(widget->Hide());
  for (BaseWidget* part : Parts(*widget)) {
    EXPECT_EQ(part->GetState(), UI_STATE_HIDDEN) << part->GetName();
  }
}

TEST_P(WidgetBehaviourTest, ScaleLayoutScalesTheTextOfEveryPart) {
  auto widget = GetParam().make();
  widget->ScaleLayout(2.0f, 0.5f);
  for (BaseWidget* label : GetParam().labels(*widget)) {
    EXPECT_FLOAT_EQ(label->GetProperty<float>("FontHeight"), 12.0f) << label->GetName();
  }
}

TEST_P(WidgetBehaviourTest, RolloverShowsTheHelpTextAndLeavingClearsIt) {
  if (GetParam().activate == nullptr) GTEST_SKIP() << "a group has no help text";
  EventRecorder helpText("RolloverTextChangedEvent");
  auto widget = MakeShown();
  widget->UpdateMouseOver(Vector2(150.0f, 15.0f));
  EXPECT_EQ(helpText.Get<std::string>("Label"), "Help");
  widget->UpdateMouseOver(OUTSIDE);
  EXPECT_EQ(helpText.Get<std::string>("Label"), "");
}

TEST_P(WidgetBehaviourTest, HandlerMayDestroyTheWidgetItActivated) {
  if (GetParam().activate == nullptr) GTEST_SKIP() << "a group is not activated";
  struct Closer : EventRecipient {
    std::unique_ptr<BaseWidget> widget;
    int calls = 0;
    void OnActivated(NamedProperties&) {
      ++calls;
      widget.reset();
    }
  } closer;
  closer.widget = MakeShown();
  RegisterEventHandler(GetParam().activationEvent, UlvoEventSystem::GetGlobal(),
                       &Closer::OnActivated, &closer);
  GetParam().activate(*closer.widget);
  EXPECT_EQ(closer.widget, nullptr);
  EXPECT_EQ(closer.calls, 1);
}

INSTANTIATE_TEST_SUITE_P(Widgets, WidgetBehaviourTest, ::testing::ValuesIn(WIDGETS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
