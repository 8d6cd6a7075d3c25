#include <gtest/gtest.h>

#include "engine/ui/UlvoUIBasic.h"
#include "engine/ui/WindowWidget.h"
#include "tests/engine/ui/CoreWidgetTestSupport.h"

namespace {

using namespace ui_core_test;

// Alone in its binary: the root window must be the first widget of the run.
TEST(UIHandleTest, TheRootWindowIsTheFirstWidgetAndHasHandleTwo) {
  UlvoEventSystem events;
  std::unique_ptr<UlvoUIBasic> ui = UlvoUIBasic::Create();
  ui->Startup();
  EXPECT_EQ(ui->GetRootWindow()->GetHandle(), 2);

  NamedProperties window = Bag("Type", UI_WIDGET_TYPE_WINDOW, "Name", std::string("First"));
  EXPECT_EQ(ui->CreateComponent(window), 3);
  ui->Shutdown();
}

}  // namespace
