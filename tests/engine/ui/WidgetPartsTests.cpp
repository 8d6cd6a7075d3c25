// Behaviours every composite widget shares: hiding reaches each of its parts,
// and scaling the layout scales the text of each part.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "engine/ui/ButtonWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/GroupWidget.h"
#include "engine/ui/SliderWidget.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"
#include "tests/engine/ui/WidgetTestDoubles.h"

namespace {

using namespace ui_test;

// A widget and the labels it is made of (a button part stands for its own
// label too).
struct Composite {
  std::unique_ptr<BaseWidget> widget;
  std::vector<BaseWidget*> parts;
  std::vector<LabelWidget*> labels;
};

struct WidgetCase {
  const char* name;
  std::function<Composite()> make;
};

template <typename Widget>
Composite Make(const std::function<void(Widget&, Composite&)>& listParts) {
  auto widget = std::make_unique<Widget>("Widget", nullptr);
  Composite composite;
  listParts(*widget, composite);
  NamedProperties description;
  description.Set("Bounds", AABB2(0.0f, 0.0f, 300.0f, 30.0f));
  Describe(*widget, description);
  composite.widget = std::move(widget);
  return composite;
}

void AddButton(ButtonWidget& button, Composite& composite) {
  composite.parts.push_back(&button);
  composite.parts.push_back(&button.GetCaption());
  composite.labels.push_back(&button.GetCaption());
}

const WidgetCase WIDGETS[] = {
    {"Button", [] { return Make<ButtonWidget>([](ButtonWidget& w, Composite& c) { AddButton(w, c); }); }},
    {"CheckBox",
     [] {
       return Make<CheckBoxWidget>([](CheckBoxWidget& w, Composite& c) {
         c.parts.push_back(&w.GetCaption());
         c.labels.push_back(&w.GetCaption());
         AddButton(w.GetBox(), c);
       });
     }},
    {"Group",
     [] {
       return Make<GroupWidget>([](GroupWidget& w, Composite& c) {
         c.parts.push_back(&w.GetCaption());
         c.labels.push_back(&w.GetCaption());
       });
     }},
    {"Slider",
     [] {
       return Make<SliderWidget>([](SliderWidget& w, Composite& c) {
         for (LabelWidget* label : {&w.GetCaption(), &w.GetValueLabel()}) {
           c.parts.push_back(label);
           c.labels.push_back(label);
         }
         AddButton(w.GetIncreaseButton(), c);
         AddButton(w.GetDecreaseButton(), c);
       });
     }},
};

void PrintTo(const WidgetCase& widgetCase, std::ostream* out) { *out << widgetCase.name; }

class WidgetPartsTest : public ::testing::TestWithParam<WidgetCase> {
 protected:
  UlvoEventSystem m_events;
  RecordingWidgetRenderer m_renderer;
};

TEST_P(WidgetPartsTest, ShowAndHideReachEveryPart) {
  Composite composite = GetParam().make();
  composite.widget->Show();
  for (BaseWidget* part : composite.parts) {
    EXPECT_EQ(part->GetState(), UI_STATE_IDLE) << part->GetName();
  }
  EXPECT_TRUE(composite.widget->Hide());
  for (BaseWidget* part : composite.parts) {
    EXPECT_EQ(part->GetState(), UI_STATE_HIDDEN) << part->GetName();
  }
}

TEST_P(WidgetPartsTest, ScaleLayoutScalesTheTextOfEveryPart) {
  Composite composite = GetParam().make();
  composite.widget->ScaleLayout(2.0f, 0.5f);
  for (LabelWidget* label : composite.labels) {
    EXPECT_FLOAT_EQ(label->GetProperty<float>("FontHeight"), 12.0f) << label->GetName();
  }
}

INSTANTIATE_TEST_SUITE_P(Widgets, WidgetPartsTest, ::testing::ValuesIn(WIDGETS),
                         [](const ::testing::TestParamInfo<WidgetCase>& info) { return info.param.name; });

}  // namespace
