// The mouse leaving a group or a slider takes its focus away (the caption's
// focused colour goes with it), and the UI module
// complains in the log only when destroyed without its shutdown.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "engine/ui/GroupWidget.h"
#include "engine/ui/SliderWidget.h"
#include "engine/ui/UlvoUIBasic.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

TEST_F(WidgetTest, TheMouseLeavingAGroupOrASliderEndsItsFocus) {
  const std::function<std::unique_ptr<BaseWidget>()> makers[] = {
      [] { return std::make_unique<GroupWidget>("Group", nullptr); },
      [] { return std::make_unique<SliderWidget>("Slider", nullptr); }};
  for (const auto& make : makers) {
    std::unique_ptr<BaseWidget> widget = make();
    Describe(*widget, Bag("Virtual", false));
    widget->Show();
    widget->SetState(UI_STATE_FOCUSED);
    widget->OnRolloverEnd();
    EXPECT_FALSE(widget->HasFocus()) << widget->GetName();
  }
}

TEST_F(WidgetTest, TheUIModuleComplainsOnlyWhenDestroyedWithoutItsShutdown) {
  OffscreenApplication application;
  for (const bool shutDown : {true, false}) {
    console.lines.clear();
    std::unique_ptr<UlvoUIBasic> ui = UlvoUIBasic::Create();
    ui->Startup();
    if (shutDown) ui->Shutdown();
    ui.reset();
    EXPECT_EQ(console.Text().find("without Shutdown() being called") != std::string::npos, !shutDown);
  }
}

}  // namespace
