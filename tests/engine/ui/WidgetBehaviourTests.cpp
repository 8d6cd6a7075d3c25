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
#include "engine/ui/WindowWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

using Parts = std::vector<BaseWidget*>;

struct WidgetCase {
  const char* name;
  std::function<std::unique_ptr<BaseWidget>()> make;
  std::function<Parts(BaseWidget&)> parts;  // a button's caption among them
  // The player's activation and the event the game hears of it.
  std::function<void(BaseWidget&)> activate;
  const char* activationEvent;
};

template <typename W>
WidgetCase Case(const char* name, std::function<Parts(W&)> parts,
                std::function<void(BaseWidget&)> activate = nullptr,
                const char* activationEvent = nullptr) {
  return {name, [] { return std::unique_ptr<BaseWidget>(std::make_unique<W>("Widget", nullptr)); },
          [parts](BaseWidget& w) { return parts(static_cast<W&>(w)); }, activate, activationEvent};
}

// 300 x 30 at the origin: a check box's box and a slider's increase button
// take its right tenth.
const WidgetCase WIDGETS[] = {
    Case<ButtonWidget>(
        "Button", [](ButtonWidget& w) { return Parts{&w.GetCaption()}; },
        [](BaseWidget& w) { ClickAt(w, Vector2(150.0f, 15.0f)); }, "Activated"),
    Case<CheckBoxWidget>(
        "CheckBox",
        [](CheckBoxWidget& w) { return Parts{&w.GetCaption(), &w.GetBox(), &w.GetBox().GetCaption()}; },
        [](BaseWidget& w) { ClickAt(w, Vector2(290.0f, 15.0f)); }, "ToggleActivated"),
    Case<EditLineWidget>(
        "EditLine", [](EditLineWidget& w) { return Parts{&w.GetTextLabel()}; },
        [](BaseWidget& w) {
          w.OnKeyEvent(KEY_ACTION_CHARACTER, 'a');
          w.OnKeyEvent(KEY_ACTION_DOWN, KEY_ENTER);
        },
        "Activated"),
    Case<SliderWidget>(
        "Slider",
        [](SliderWidget& w) {
          return Parts{&w.GetCaption(), &w.GetValueLabel(), &w.GetIncreaseButton(),
                       &w.GetIncreaseButton().GetCaption(), &w.GetDecreaseButton(),
                       &w.GetDecreaseButton().GetCaption()};
        },
        [](BaseWidget& w) { ClickAt(w, Vector2(290.0f, 15.0f)); }, "IncreaseActivated"),
    Case<GroupWidget>("Group", [](GroupWidget& w) { return Parts{&w.GetCaption()}; }),
};
const auto ACTIVATABLE = ::testing::ValuesIn(std::begin(WIDGETS), std::end(WIDGETS) - 1);

class WidgetBehaviourTest : public WidgetTest, public ::testing::WithParamInterface<WidgetCase> {
 protected:
  // Shown and laid out, with a help text and an activation event.
  std::unique_ptr<BaseWidget> MakeShown() {
    std::unique_ptr<BaseWidget> widget = GetParam().make();
    Describe(*widget, Bag("Bounds", AABB2(0.0f, 0.0f, 300.0f, 30.0f), "Size", Vector2(300.0f, 30.0f),
                          "RolloverText", std::string("Help"), "OnActivationEventName",
                          std::string("Activated")));
    widget->Show();
    widget->LayoutContents();
    return widget;
  }
};
class ActivatableBehaviourTest : public WidgetBehaviourTest {};

TEST_P(WidgetBehaviourTest, ShowHideAndScaleLayoutReachEveryPart) {
  auto widget = MakeShown();
  widget->ScaleLayout(2.0f, 0.5f);
  for (BaseWidget* part : GetParam().parts(*widget)) {
    EXPECT_EQ(part->GetState(), UI_STATE_IDLE) << part->GetName();
    if (dynamic_cast<LabelWidget*>(part) != nullptr) {
      EXPECT_FLOAT_EQ(part->GetProperty<float>("FontHeight"), 12.0f) << part->GetName();
    }
  }
  EXPECT_TRUE(widget->Hide());
  for (BaseWidget* part : GetParam().parts(*widget)) {
    EXPECT_EQ(part->GetState(), UI_STATE_HIDDEN) << part->GetName();
  }
}

// Roll-over shows the help text, leaving clears it; the handler of the
// activation may destroy the widget.
TEST_P(ActivatableBehaviourTest, RolloverHelpTextAndAHandlerDestroyingTheWidget) {
  EventRecorder helpText("RolloverTextChangedEvent");
  struct Closer : EventRecipient {
    std::unique_ptr<BaseWidget> widget;
    int calls = 0;
    void OnActivated(NamedProperties&) {
      ++calls;
      widget.reset();
    }
  } closer;
  closer.widget = MakeShown();
  closer.widget->UpdateMouseOver(Vector2(150.0f, 15.0f));
  EXPECT_EQ(helpText.Get<std::string>("Label"), "Help");
  closer.widget->UpdateMouseOver(Vector2(500.0f, 500.0f));
  EXPECT_EQ(helpText.Get<std::string>("Label"), "");
  RegisterEventHandler(GetParam().activationEvent, UlvoEventSystem::GetGlobal(),
                       &Closer::OnActivated, &closer);
  GetParam().activate(*closer.widget);
  EXPECT_EQ(closer.widget, nullptr);
  EXPECT_EQ(closer.calls, 1);
}

// The pointer never leaves a widget that is hidden, disabled, destroyed or
// closed with its window under it, so the widget itself takes its help text
// back.
TEST_P(ActivatableBehaviourTest, HelpTextGoesWithAWidgetThePointerCanNoLongerReach) {
  using TakeAway = std::function<void(std::unique_ptr<BaseWidget>&, WindowWidget& root)>;
  const struct {
    const char* name;
    TakeAway takeAway;
  } ways[] = {
      {"hidden", [](std::unique_ptr<BaseWidget>& w, WindowWidget&) { w->Hide(); }},
      {"disabled",
       [](std::unique_ptr<BaseWidget>& w, WindowWidget&) { Describe(*w, Bag("Enabled", false)); }},
      {"destroyed", [](std::unique_ptr<BaseWidget>& w, WindowWidget&) { w.reset(); }},
      {"window closed",
       [](std::unique_ptr<BaseWidget>& w, WindowWidget& root) {
         auto window = std::make_unique<WindowWidget>("Window", &root);
         Describe(*window, Bag("Bounds", AABB2(0.0f, 0.0f, 1024.0f, 640.0f), "LayoutMode",
                               UI_LAYOUT_MODE_ABSOLUTE));
         w->SetParent(window.get());
         window->AddChild(std::move(w));
         const int handle = root.AddChild(std::move(window))->GetHandle();
         NamedProperties push = Bag("Handle", handle, "PushImmediately", true);
         FireGlobalEvent("WindowPushEvent", push);
         root.Render();
         EXPECT_TRUE(root.UpdateMouseOver(Vector2(150.0f, 15.0f))) << "still under the pointer";
         NamedProperties pop = Bag("Handle", handle);
         FireGlobalEvent("WindowPopEvent", pop);
       }},
  };
  for (const auto& way : ways) {
    EventRecorder helpText("RolloverTextChangedEvent");
    WindowWidget root("Root", nullptr);
    root.Show();
    std::unique_ptr<BaseWidget> widget = MakeShown();
    widget->UpdateMouseOver(Vector2(150.0f, 15.0f));
    ASSERT_EQ(helpText.Get<std::string>("Label"), "Help") << way.name;
    const int before = helpText.Count();
    way.takeAway(widget, root);
    EXPECT_GT(helpText.Count(), before) << way.name;
    EXPECT_EQ(helpText.Get<std::string>("Label"), "") << way.name;
  }
}

const auto NAME = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Widgets, WidgetBehaviourTest, ::testing::ValuesIn(WIDGETS), NAME);
INSTANTIATE_TEST_SUITE_P(Widgets, ActivatableBehaviourTest, ACTIVATABLE, NAME);

}  // namespace
