#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoException.h"
#include "engine/ui/ButtonWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

constexpr int ESCAPE = 27;
// A window stack, top first.
using Stack = std::deque<WindowWidget*>;

class WindowStackTest : public WidgetTest {
 protected:
  void SetUp() override { root.Show(); }

  WindowWidget* AddWindow(const std::string& name, NamedProperties description = Bag()) {
    auto window = std::make_unique<WindowWidget>(name, &root);
    window->SetProperties(description);
    return static_cast<WindowWidget*>(root.AddChild(std::move(window)));
  }

  TestWidget* AddTo(WindowWidget* window, const std::string& name, const AABB2& bounds) {
    auto child = std::make_unique<TestWidget>(name, window);
    Describe(*child, Bag("Bounds", bounds, "LayoutMode", UI_LAYOUT_MODE_ABSOLUTE));
    return static_cast<TestWidget*>(window->AddChild(std::move(child)));
  }

  void Push(const WindowWidget* window, bool immediately) {
    NamedProperties args = Bag("Handle", window->GetHandle(), "PushImmediately", immediately);
    events.FireEvent("WindowPushEvent", args);
  }

  void Pop(const WindowWidget* window, bool allowAnimationsToFinish = false) {
    NamedProperties args =
        Bag("Handle", window->GetHandle(), "AllowAnimationsToFinish", allowAnimationsToFinish);
    events.FireEvent("WindowPopEvent", args);
  }

  WindowWidget root{"Root", nullptr};
};

TEST_F(WindowStackTest, PushesTakeEffectAtOnceOrAtTheNextRenderPassButNeverTwice) {
  EventRecorder gone("Gone");
  WindowWidget* first = AddWindow("First");
  WindowWidget* second = AddWindow("Second");
  WindowWidget* third = AddWindow("Third", Bag("WindowPopEventToFire", std::string("Gone")));
  WindowWidget* stranger = AddWindow("Stranger", Bag("WindowPopEventToFire", std::string("Gone")));

  Push(first, true);
  Push(second, false);
  Push(second, false);
  EXPECT_EQ(root.GetWindowStack(), Stack{first});
  EXPECT_EQ(root.GetPendingWindow(), second);
  Push(third, false);
  EXPECT_EQ(root.GetWindowStack(), (Stack{second, first})) << "the earlier pending push lands";
  // Popping a pending window cancels its push, silently.
  Pop(third);
  Pop(stranger);
  root.Render();
  EXPECT_EQ(root.GetWindowStack(), (Stack{second, first}));
  EXPECT_EQ(gone.Count(), 0);

  Push(third, false);
  Push(third, true);
  EXPECT_EQ(root.GetWindowStack(), (Stack{third, second, first}));
  root.Render();
  EXPECT_EQ(root.GetWindowStack(), (Stack{third, second, first}));
  EXPECT_EQ(third->GetState(), UI_STATE_IDLE);
  EXPECT_TRUE(third->IsTopOfStack());
  EXPECT_EQ(second->GetState(), UI_STATE_HIDDEN) << "not a dialog: only the top is shown";
  EXPECT_THROW(Push(first, true), UlvoException) << "already on the stack";
}

TEST_F(WindowStackTest, PopsFireTheirEventOnceAndWaitForTheHideAnimationWhenAsked) {
  EventRecorder firstGone("FirstGone");
  EventRecorder secondGone("SecondGone");
  WindowWidget* first = AddWindow("First", Bag("WindowPopEventToFire", std::string("FirstGone")));
  WindowWidget* second =
      AddWindow("Second", Bag("WindowPopEventToFire", std::string("SecondGone"), "HideAnim",
                              MakeFloatAnimation("BaseAlpha", 1.0f, 0.0f, 0.2)));
  WindowWidget* third = AddWindow("Third");

  Push(first, true);
  root.Render();
  Pop(first);
  EXPECT_EQ(firstGone.Count(), 1);
  EXPECT_EQ(first->GetState(), UI_STATE_HIDDEN);
  EXPECT_FALSE(first->IsTopOfStack());
  EXPECT_TRUE(root.GetWindowStack().empty());
  Pop(first);
  EXPECT_EQ(firstGone.Count(), 1);

  Push(second, true);
  root.Render();
  Pop(second, true);
  EXPECT_EQ(root.GetPoppingWindow(), second);
  EXPECT_EQ(second->GetState(), UI_STATE_HIDING);
  Push(third, false);
  root.Render();
  EXPECT_EQ(root.GetPendingWindow(), third) << "waits for the hiding window";
  AdvanceAnimations(0.3);
  root.Render();
  root.Render();
  EXPECT_EQ(second->GetState(), UI_STATE_HIDDEN);
  EXPECT_EQ(secondGone.Count(), 1);
  EXPECT_EQ(root.GetWindowStack(), Stack{third});
  root.Render();
  EXPECT_EQ(secondGone.Count(), 1);

  Push(second, true);
  root.Render();
  Pop(second, true);
  ASSERT_EQ(root.GetPoppingWindow(), second);
  Push(second, true);
  EXPECT_EQ(root.GetPoppingWindow(), nullptr) << "pushed back while hiding: the pop is off";
  root.Render();
  EXPECT_EQ(root.GetWindowStack(), (Stack{second, third}));
  EXPECT_EQ(second->GetState(), UI_STATE_IDLE) << "shown again";
}

TEST_F(WindowStackTest, UnderADialogLowerWindowsStayShownButTakeNeitherMouseNorKeys) {
  OffscreenApplication application;
  WindowWidget* screen = AddWindow("Screen");
  TestWidget* screenButton = AddTo(screen, "ScreenButton", AABB2(0.0f, 0.0f, 100.0f, 100.0f));
  WindowWidget* dialog = AddWindow("Dialog", Bag("Dialog", true));
  TestWidget* dialogButton = AddTo(dialog, "DialogButton", AABB2(200.0f, 0.0f, 300.0f, 100.0f));
  screenButton->takesKeys = true;

  Push(screen, true);
  Push(dialog, true);
  root.Render();
  EXPECT_EQ(screen->GetState(), UI_STATE_IDLE);
  EXPECT_FALSE(screen->IsTopOfStack());
  EXPECT_FALSE(renderer.Of(testsupport::RecordingDrawCalls::BOX).empty()) << "the veil";
  EXPECT_EQ(screenButton->drawCount, 1) << "drawn beneath the veil";

  EXPECT_FALSE(root.UpdateMouseOver(Vector2(50.0f, 50.0f)));
  EXPECT_EQ(screenButton->GetState(), UI_STATE_IDLE);
  EXPECT_FALSE(root.OnKeyEvent(1, 13));
  EXPECT_TRUE(screenButton->keys.empty());
  EXPECT_EQ(dialogButton->keys, std::vector<int>{1013});
}

TEST_F(WindowStackTest, EscapePopsOrFiresOrPassesTheKeyOn) {
  EventRecorder escaped("Escaped");
  WindowWidget* pops = AddWindow("Pops");
  WindowWidget* fires =
      AddWindow("Fires", Bag("EscapePops", false, "EscapeEvent", std::string("Escaped")));
  WindowWidget* passes = AddWindow("Passes", Bag("EscapePops", false));
  TestWidget* inner = AddTo(passes, "Inner", AABB2());

  Push(pops, true);
  root.Render();
  EXPECT_TRUE(root.OnKeyEvent(KEY_ACTION_CHARACTER, ESCAPE));
  EXPECT_TRUE(root.GetWindowStack().empty());

  Push(fires, true);
  root.Render();
  EXPECT_TRUE(root.OnKeyEvent(KEY_ACTION_CHARACTER, ESCAPE));
  EXPECT_EQ(escaped.Count(), 1);
  EXPECT_EQ(root.GetWindowStack(), Stack{fires});

  Push(passes, true);
  root.Render();
  EXPECT_FALSE(root.OnKeyEvent(KEY_ACTION_CHARACTER, ESCAPE));
  EXPECT_EQ(inner->keys, std::vector<int>{KEY_ACTION_CHARACTER * 1000 + ESCAPE});
  EXPECT_EQ(escaped.Count(), 1) << "the window below is not on top";
}

// Catches a window in the stack acting on a key or click that comes after a
// push in the same frame: the Escape that closes the menu the push came
// from, leaving the new window over a screen that no longer expects it.
TEST_F(WindowStackTest, InTheFrameOfAPushTheWindowsItWillCoverTakeNoKeysOrClicks) {
  const Vector2 onOptions(50.0f, 15.0f);
  const Vector2 onExit(50.0f, 55.0f);
  const struct {
    const char* name;
    std::vector<std::string> inputs;
    bool menuStays, optionsOnTop;
  } cases[] = {
      {"a push, then Escape", {"options", "escape"}, true, true},
      {"a push, then a click on the menu's other button", {"options", "exit"}, true, true},
      {"Escape, then a push", {"escape", "options"}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EventRecorder exited("Exited");
    WindowWidget stackRoot("StackRoot", nullptr);
    stackRoot.Show();
    const auto add = [&stackRoot](const std::string& name) {
      return static_cast<WindowWidget*>(
          stackRoot.AddChild(std::make_unique<WindowWidget>(name, &stackRoot)));
    };
    WindowWidget* puzzle = add("Puzzle");
    WindowWidget* menu = add("Menu");
    WindowWidget* options = add("Options");
    const auto addButton = [menu](const std::string& name, const AABB2& bounds,
                                  NamedProperties activation) {
      auto button = std::make_unique<ButtonWidget>(name, menu);
      activation.Set("Bounds", bounds);
      activation.Set("LayoutMode", UI_LAYOUT_MODE_ABSOLUTE);
      Describe(*button, activation);
      menu->AddChild(std::move(button));
    };
    addButton("OptionsButton", AABB2(0.0f, 0.0f, 100.0f, 30.0f),
              Bag("OnActivationEventName", std::string("WindowPushEvent"),
                  "OnActivationEventNameProperty", options->GetHandle()));
    addButton("ExitButton", AABB2(0.0f, 40.0f, 100.0f, 70.0f),
              Bag("OnActivationEventName", std::string("Exited")));
    Push(puzzle, true);
    Push(menu, false);
    stackRoot.Render();
    ASSERT_EQ(stackRoot.GetWindowStack(), (Stack{menu, puzzle}));

    for (const std::string& input : c.inputs) {
      if (input == "escape") {
        stackRoot.OnKeyEvent(KEY_ACTION_CHARACTER, ESCAPE);
      } else {
        ClickAt(stackRoot, input == "options" ? onOptions : onExit);
      }
    }
    stackRoot.Render();
    EXPECT_EQ(exited.Count(), 0);
    EXPECT_EQ(stackRoot.IsInStack(menu), c.menuStays);
    EXPECT_EQ(stackRoot.GetTopWindow() == options, c.optionsOnTop);
    // Once the push has landed, the new window takes the keys again.
    if (c.optionsOnTop) {
      EXPECT_TRUE(stackRoot.OnKeyEvent(KEY_ACTION_CHARACTER, ESCAPE));
      EXPECT_EQ(stackRoot.GetTopWindow(), menu);
    }
  }
}

}  // namespace
