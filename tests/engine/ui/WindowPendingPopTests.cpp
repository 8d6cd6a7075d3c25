#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

// Popping the window whose push waits for the next render pass calls the
// push off; popping a window that is neither there nor waiting leaves the
// waiting push alone.
TEST_F(WidgetTest, PoppingTheWaitingWindowAloneCallsItsPushOff) {
  for (const bool popTheWaitingOne : {true, false}) {
    WindowWidget root("Root", nullptr);
    root.Show();
    const auto add = [&root](const std::string& name) {
      return static_cast<WindowWidget*>(root.AddChild(std::make_unique<WindowWidget>(name, &root)));
    };
    WindowWidget* base = add("Base");
    WindowWidget* waiting = add("Waiting");
    WindowWidget* stranger = add("Stranger");
    NamedProperties pushBase = Bag("Handle", base->GetHandle(), "PushImmediately", true);
    events.FireEvent("WindowPushEvent", pushBase);
    NamedProperties push = Bag("Handle", waiting->GetHandle(), "PushImmediately", false);
    events.FireEvent("WindowPushEvent", push);
    const WindowWidget* popped = popTheWaitingOne ? waiting : stranger;
    NamedProperties pop = Bag("Handle", popped->GetHandle(), "AllowAnimationsToFinish", false);
    events.FireEvent("WindowPopEvent", pop);
    root.Render();
    const std::deque<WindowWidget*> expected =
        popTheWaitingOne ? std::deque<WindowWidget*>{base} : std::deque<WindowWidget*>{waiting, base};
    EXPECT_EQ(root.GetWindowStack(), expected);
  }
}

}  // namespace
