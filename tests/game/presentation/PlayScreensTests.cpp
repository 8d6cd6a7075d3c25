// The screens of play: the puzzle window's layout by board count, the
// solutions panel's rows, colours and life, the rewind dialog and the
// splash dialog.

#include <gtest/gtest.h>

#include "engine/core/UlvoException.h"
#include "game/common/CageRules.h"
#include "game/puzzle/board/Cage.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/support/TestPuzzle.h"

namespace Pemberquill {
namespace {

using screen_test::ScreenEnvironment;

class PlayScreensTest : public ::testing::Test {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    static BaseWidget* Find(int windowId, const std::string& name) { return screen_test::Find(Window(windowId), name); }

    static BaseWidget* Window(int windowId)
    {
        return BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(windowId));
    }

    template <typename T>
    static T Property(int windowId, const std::string& name, const std::string& property)
    {
        const BaseWidget* widget = Find(windowId, name);
        EXPECT_NE(widget, nullptr) << name;
        return widget != nullptr ? widget->GetProperty<T>(property) : T{};
    }

    void ShowSolutions(size_t count, const std::vector<bool>& solverEliminated = {},
                       const std::vector<bool>& autoEliminated = {})
    {
        NamedProperties args;
        args.Set("SolutionDescriptions", std::vector<std::string>(count, "1+2+3"));
        args.Set("SolutionsSolverEliminated", solverEliminated);
        args.Set("SolutionsAutoEliminated", autoEliminated);
        env.eventSystem.FireEvent("UpdateSolutionsEvent", args);
    }

    ScreenEnvironment env;
    TestPuzzle game{4, {{CAGE_RULE_STRAIGHT, {{0, 0}, {1, 0}}}, {CAGE_RULE_ADDITION, {{2, 0}, {3, 0}}}}};
};

TEST_F(PlayScreensTest, AHiddenCageBoardGetsASwatchForEachColourItCanPaint)
{
    for (const bool hiddenCages : {false, true}) {
        TestPuzzle shown(4, {});
        shown.GetBoard().SetSolvingAttributes(hiddenCages ? SOLVING_ATTRIBUTE_HIDDEN_CAGES : 0u);
        env.ui.CreatePuzzleWindow(shown.puzzle.get(), "MenuEvent", false, false);
        ASSERT_EQ(Window(GAME_WINDOW_PAINT_BUTTONS) != nullptr, hiddenCages);
        const Board& board = shown.GetBoard();
        for (unsigned index : hiddenCages ? board.GetColorChoices() : std::vector<unsigned>{}) {
            const BaseWidget* swatch = Find(GAME_WINDOW_PAINT_BUTTONS, "PaintButton" + std::to_string(index));
            ASSERT_NE(swatch, nullptr) << index;
            EXPECT_EQ(swatch->GetProperty<Rgba>("BaseColor"), board.GetPaletteColor(static_cast<int>(index)));
        }
        env.ui.DestroyWindow(GAME_WINDOW_PUZZLE);
    }
}

TEST_F(PlayScreensTest, ASolutionRuledOutByEitherListIsRedAndShortListsReadAsPossible)
{
    env.ui.CreatePuzzleWindow(game.puzzle.get(), "MenuEvent", false, false);
    ShowSolutions(4, {true, false, false}, {false, true});
    const Rgba red(255, 50, 50, 255);
    const Rgba green(0, 255, 0, 255);
    const Rgba expected[] = {red, red, green, green};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Property<Rgba>(GAME_WINDOW_SOLUTIONS_PANEL, "Solution" + std::to_string(i), "FontColor"),
                  expected[i])
            << i;
    }
}

TEST_F(PlayScreensTest, TheHeaderNamesTheCageRuleOnTheCageColourDimmedTo150)
{
    env.ui.CreatePuzzleWindow(game.puzzle.get(), "MenuEvent", false, false);
    const Board& board = game.GetBoard();
    const std::string addition = board.GetCages()[1].GetRuleText() + " solutions";
    const struct {
        size_t cage;
        std::string header;
    } cases[] = {{0, "Straights"}, {1, addition}};
    for (const auto& c : cases) {
        const Cage& cage = board.GetCages()[c.cage];
        env.ui.CreateSolutionsPanel(0, &board, &cage, {"a", "b"}, {}, {});
        Rgba expected = board.GetCageColor(cage);
        expected.SetBrightness(150);
        const Rgba color = Property<Rgba>(GAME_WINDOW_SOLUTIONS_PANEL, "Solution Panel Header", "BaseColor");
        EXPECT_EQ(color, expected) << c.cage;
        EXPECT_NE(color, board.GetCageColor(cage)) << c.cage;
        EXPECT_EQ(Property<std::string>(GAME_WINDOW_SOLUTIONS_PANEL, "Solution Panel Header", "Label"), c.header);
    }
}

TEST_F(PlayScreensTest, ThePanelNeedsThePuzzleWindowAndGoesWithNoSolutionsOrTheOptionOff)
{
    ShowSolutions(3);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), PemberquillUI::NO_WINDOW);

    env.ui.CreatePuzzleWindow(game.puzzle.get(), "MenuEvent", false, false);
    ShowSolutions(3);
    const int panel = PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL);
    ASSERT_NE(Window(GAME_WINDOW_SOLUTIONS_PANEL), nullptr);
    NamedProperties on;
    on.Set("Value", true);
    env.eventSystem.FireEvent("SetSolutionsEvent", on);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), panel);
    NamedProperties off;
    off.Set("Value", false);
    env.eventSystem.FireEvent("SetSolutionsEvent", off);
    EXPECT_EQ(BaseWidget::FindWidgetByHandle(panel), nullptr);

    ShowSolutions(3);
    ShowSolutions(0);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), PemberquillUI::NO_WINDOW);
    EXPECT_EQ(Find(GAME_WINDOW_PUZZLE, "SolutionsPanel"), nullptr);
}

TEST_F(PlayScreensTest, TheRewindDialogCountsTwoMistakesAndRewindsOrClosesItself)
{
    Board& board = game.GetBoard();
    for (unsigned column : {1u, 3u}) {
        const Square& square = board.GetSquare(column, 2);
        board.SetSquareValue(square, static_cast<int>(square.solutionValue % 4 + 1), false, false);
    }
    ASSERT_TRUE(game.puzzle->FindMistakes());
    const int dialog = env.ui.CreateRewindPuzzleDialog(game.puzzle.get());

    EXPECT_EQ(Property<std::string>(GAME_WINDOW_REWIND_PUZZLE, "PuzzleSolvedLabel1", "Label"),
              "Test #1 has 2 errors in it.");
    const BaseWidget* rewind = Find(GAME_WINDOW_REWIND_PUZZLE, "ResetSolvedPuzzleButton");
    ASSERT_NE(rewind, nullptr);
    EXPECT_EQ(rewind->GetProperty<std::string>("OnActivationEventName"), "RewindPuzzleEvent");
    EXPECT_EQ(rewind->GetProperty<Puzzle*>("OnActivationEventNameProperty"), game.puzzle.get());
    EXPECT_EQ(Property<int>(GAME_WINDOW_REWIND_PUZZLE, "CancelPuzzleRewindButton", "OnActivationEventNameProperty"),
              dialog);

    EXPECT_THROW(env.ui.CreateRewindPuzzleDialog(nullptr), UlvoException);
}

TEST_F(PlayScreensTest, TheSplashImageIsCentredAndAMissingOneLeavesADismissableBlackScreen)
{
    const Vector2 screen = PemberquillUI::GetScreenSize();
    env.images.missing = {"Images/SplashScreens/missing.png"};
    const struct {
        const char* image;
        Vector2 size;
        Vector2 offset;
    } cases[] = {
        {"Images/SplashScreens/splash00.png", {1, 1}, {(screen.x - 1) * 0.5f, (screen.y - 1) * 0.5f}},
        {"Images/SplashScreens/missing.png", {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        env.ui.CreateSplashScreenDialog(c.image, "Dismiss");
        EXPECT_EQ(Property<Vector2>(GAME_WINDOW_SPLASH_SCREEN, "SplashScreenCanvas", "Size"), c.size) << c.image;
        EXPECT_EQ(Property<Vector2>(GAME_WINDOW_SPLASH_SCREEN, "SplashScreenCanvas", "Offset"), c.offset);
        EXPECT_EQ(Property<std::string>(GAME_WINDOW_SPLASH_SCREEN, "SplashScreenHiddenButton",
                                        "OnActivationEventName"),
                  "Dismiss");
        EXPECT_EQ(Window(GAME_WINDOW_SPLASH_SCREEN)->GetProperty<std::string>("EscapeEvent"), "Dismiss");
    }
}

} // namespace
} // namespace Pemberquill
