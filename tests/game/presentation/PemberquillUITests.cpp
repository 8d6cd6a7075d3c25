// The screen manager's window table: the windows of start-up, rebuilding,
// destroying with dependants, and the window stack's events.

#include <gtest/gtest.h>

#include "engine/ui/UIWidgetType.h"
#include "engine/ui/WindowWidget.h"
#include "tests/game/presentation/ScreenTestSupport.h"

namespace Pemberquill {
namespace {

using screen_test::EventRecorder;
using screen_test::ScreenEnvironment;

class PemberquillUITest : public ::testing::Test {
protected:
    int BuildWindowNamed(int windowId, const std::string& name)
    {
        NamedProperties bag;
        bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
        bag.Set<std::string>("Name", name);
        return env.ui.BuildWindow(windowId, bag);
    }

    int BuildGroupIn(int windowId, int parentHandle)
    {
        NamedProperties bag;
        bag.Set("Type", UI_WIDGET_TYPE_GROUP);
        bag.Set<std::string>("Name", "Group");
        bag.Set("Parent", parentHandle);
        return env.ui.BuildWindow(windowId, bag);
    }

    ScreenEnvironment env;
};

TEST_F(PemberquillUITest, StartupBuildsExactlyTheFourLastingWindowsAndPushesNone)
{
    env.ui.Startup(env.clock);
    const std::map<int, std::string> expected = {
        {GAME_WINDOW_TITLE, "TitleWindow"},
        {GAME_WINDOW_MESSAGE, "MessageWindow"},
        {GAME_WINDOW_OPTIONS, "OptionsWindow"},
        {GAME_WINDOW_CAMPAIGN_ESCAPE_MENU, "CampaignPuzzleEscapeMenuDialog"},
    };
    for (int windowId = 0; windowId < GAME_WINDOW_COUNT; ++windowId) {
        const int handle = PemberquillUI::GetWindowHandle(windowId);
        const auto found = expected.find(windowId);
        if (found == expected.end()) {
            EXPECT_EQ(handle, PemberquillUI::NO_WINDOW) << windowId;
            continue;
        }
        const BaseWidget* widget = BaseWidget::FindWidgetByHandle(handle);
        ASSERT_NE(widget, nullptr) << windowId;
        EXPECT_EQ(widget->GetName(), found->second);
    }
    EXPECT_EQ(env.uiModule.GetRootWindow()->GetTopWindow(), nullptr);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_COUNT), PemberquillUI::NO_WINDOW);
}

TEST_F(PemberquillUITest, BuildingAgainReplacesTheOldWindow)
{
    env.ui.Startup(env.clock);
    const int first = PemberquillUI::GetWindowHandle(GAME_WINDOW_OPTIONS);
    const size_t windowCount = env.uiModule.GetRootWindow()->GetChildCount();

    const int second = env.ui.CreateOptionsWindow();
    EXPECT_NE(second, first);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_OPTIONS), second);
    EXPECT_EQ(BaseWidget::FindWidgetByHandle(first), nullptr);
    EXPECT_EQ(env.uiModule.GetRootWindow()->GetChildCount(), windowCount);
}

TEST_F(PemberquillUITest, DestroyingAWindowForgetsTheGroupsThatLivedInIt)
{
    struct Case {
        int destroyed;
        std::vector<int> groups;
        std::vector<int> unaffected;
    };
    const Case cases[] = {
        {GAME_WINDOW_PUZZLE, {GAME_WINDOW_SOLUTIONS_PANEL, GAME_WINDOW_PAINT_BUTTONS, GAME_WINDOW_PUZZLE_GROUP_26},
         {GAME_WINDOW_EASY_PUZZLES}},
        {GAME_WINDOW_PUZZLE_SET, {GAME_WINDOW_EASY_PUZZLES, GAME_WINDOW_MEDIUM_PUZZLES, GAME_WINDOW_HARD_PUZZLES},
         {GAME_WINDOW_SOLUTIONS_PANEL}},
    };
    env.ui.Startup(env.clock);
    for (const Case& c : cases) {
        const int puzzle = BuildWindowNamed(GAME_WINDOW_PUZZLE, "PuzzleWindow");
        const int puzzleSet = BuildWindowNamed(GAME_WINDOW_PUZZLE_SET, "PuzzleSetWindow");
        for (int id : {GAME_WINDOW_SOLUTIONS_PANEL, GAME_WINDOW_PAINT_BUTTONS, GAME_WINDOW_PUZZLE_GROUP_26}) {
            BuildGroupIn(id, puzzle);
        }
        for (int id : {GAME_WINDOW_EASY_PUZZLES, GAME_WINDOW_MEDIUM_PUZZLES, GAME_WINDOW_HARD_PUZZLES}) {
            BuildGroupIn(id, puzzleSet);
        }
        const int destroyedHandle = PemberquillUI::GetWindowHandle(c.destroyed);

        env.ui.DestroyWindow(c.destroyed);
        EXPECT_EQ(BaseWidget::FindWidgetByHandle(destroyedHandle), nullptr);
        EXPECT_EQ(PemberquillUI::GetWindowHandle(c.destroyed), PemberquillUI::NO_WINDOW);
        for (int id : c.groups) {
            EXPECT_EQ(PemberquillUI::GetWindowHandle(id), PemberquillUI::NO_WINDOW) << c.destroyed << " " << id;
        }
        for (int id : c.unaffected) {
            EXPECT_NE(PemberquillUI::GetWindowHandle(id), PemberquillUI::NO_WINDOW) << c.destroyed << " " << id;
        }
        env.ui.DestroyWindow(GAME_WINDOW_PUZZLE);
        env.ui.DestroyWindow(GAME_WINDOW_PUZZLE_SET);
    }
}

TEST_F(PemberquillUITest, DestroyingTheTextAreasWindowForgetsTheTextAreaButAnUnbuiltWindowOnlyItself)
{
    env.ui.Startup(env.clock);
    const int tutorial = BuildWindowNamed(GAME_WINDOW_TUTORIAL, "TutorialWindow");
    BuildGroupIn(GAME_WINDOW_INSTRUCTOR_TEXT_AREA, tutorial);
    env.ui.SetInstructorTextAreaParent(tutorial);

    // Window 12 was never built: its groups are not its to forget.
    const int panel = BuildGroupIn(GAME_WINDOW_SOLUTIONS_PANEL, tutorial);
    env.ui.DestroyWindow(GAME_WINDOW_PUZZLE);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), panel);

    env.ui.DestroyWindow(GAME_WINDOW_TUTORIAL);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_INSTRUCTOR_TEXT_AREA), PemberquillUI::NO_WINDOW);
    // Remembered once only: another window's end leaves a later text area.
    BuildGroupIn(GAME_WINDOW_INSTRUCTOR_TEXT_AREA, BuildWindowNamed(GAME_WINDOW_CREDITS, "CreditsWindow"));
    env.ui.DestroyWindow(GAME_WINDOW_CREDITS);
    EXPECT_NE(PemberquillUI::GetWindowHandle(GAME_WINDOW_INSTRUCTOR_TEXT_AREA), PemberquillUI::NO_WINDOW);
}

TEST_F(PemberquillUITest, PushAndPopFireTheStackEventThenClearTheRolloverLine)
{
    env.ui.Startup(env.clock);
    const int options = PemberquillUI::GetWindowHandle(GAME_WINDOW_OPTIONS);
    std::vector<std::string> order;
    struct Listener : EventRecipient {
        explicit Listener(std::vector<std::string>& order) : order(order)
        {
            RegisterEventHandler("WindowPushEvent", UlvoEventSystem::GetGlobal(), &Listener::OnPush, this);
            RegisterEventHandler("WindowPopEvent", UlvoEventSystem::GetGlobal(), &Listener::OnPop, this);
            RegisterEventHandler("RolloverTextChangedEvent", UlvoEventSystem::GetGlobal(), &Listener::OnRollover,
                                 this);
        }
        void OnPush(NamedProperties& args) { Record("push", args, "PushImmediately"); }
        void OnPop(NamedProperties& args) { Record("pop", args, "AllowAnimationsToFinish"); }
        void OnRollover(NamedProperties& args)
        {
            std::string label = "?";
            args.Get("Label", label);
            order.push_back("rollover '" + label + "'");
        }
        void Record(const std::string& what, NamedProperties& args, const char* flagName)
        {
            int handle = 0;
            bool flag = false;
            args.Get("Handle", handle);
            args.Get(flagName, flag);
            order.push_back(what + " " + std::to_string(handle) + (flag ? " yes" : " no"));
        }
        std::vector<std::string>& order;
    } listener(order);

    env.ui.PushWindow(GAME_WINDOW_OPTIONS, true);
    EXPECT_EQ(env.uiModule.GetRootWindow()->GetTopWindow(), BaseWidget::FindWidgetByHandle(options));
    env.ui.PopWindow(GAME_WINDOW_OPTIONS, false);
    EXPECT_EQ(env.uiModule.GetRootWindow()->GetTopWindow(), nullptr);
    env.ui.PushWindow(16, false);
    env.ui.PopWindow(GAME_WINDOW_COUNT, true);

    const std::string h = std::to_string(options);
    EXPECT_EQ(order, (std::vector<std::string>{"push " + h + " yes", "rollover ''", "pop " + h + " no",
                                               "rollover ''", "push -1 no", "rollover ''", "rollover ''"}));
}

TEST_F(PemberquillUITest, TheRolloverLineShowsPublishedTextUntilTheNextPush)
{
    env.ui.Startup(env.clock);
    const auto* message =
        dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(GAME_WINDOW_MESSAGE)));
    ASSERT_NE(message, nullptr);
    ASSERT_EQ(message->GetChildCount(), 1u);
    const BaseWidget* line = message->GetChild(0);

    NamedProperties rollover;
    rollover.Set<std::string>("Label", "Change the current puzzle options.");
    rollover.Set("BaseColor", Rgba(0, 0, 0, 200));
    FireGlobalEvent("RolloverTextChangedEvent", rollover);
    EXPECT_EQ(line->GetProperty<std::string>("Label"), "Change the current puzzle options.");

    env.ui.PushWindow(GAME_WINDOW_TITLE, true);
    EXPECT_EQ(line->GetProperty<std::string>("Label"), "");
}

} // namespace
} // namespace Pemberquill
