#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PuzzleDisplay.h"

#include "tests/support/TestPuzzle.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

::testing::AssertionResult NearBox(const AABB2& actual, const AABB2& expected)
{
    const Vector2 errors[] = {actual.mins - expected.mins, actual.maxs - expected.maxs};
    for (const Vector2& e : errors) {
        if (std::abs(e.x) > 1e-3f || std::abs(e.y) > 1e-3f) {
            return ::testing::AssertionFailure() << actual.mins.x << ", " << actual.mins.y << " - " << actual.maxs.x
                                                 << ", " << actual.maxs.y;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(PuzzleDisplayTest, BoardsAreSquaresCentredInTheBounds)
{
    const struct {
        unsigned boards;
        AABB2 bounds;
        std::vector<AABB2> rects;
    } cases[] = {
        {1, AABB2(0, 0, 1000, 600), {AABB2(200, 0, 800, 600)}},
        // g = 15, s = min((1000 - 30) / 2, 600) = 485, centres cx -/+ 257.5.
        {2, AABB2(0, 0, 1000, 600), {AABB2(0, 57.5f, 485, 542.5f), AABB2(515, 57.5f, 1000, 542.5f)}},
        // Taller than wide: still side by side, each as wide as the bounds.
        {2, AABB2(0, 0, 400, 1000), {AABB2(-210, 300, 190, 700), AABB2(210, 300, 610, 700)}},
        {3, AABB2(0, 0, 1000, 600), {}},
    };
    for (const auto& c : cases) {
        TestPuzzle test(4, {}, c.boards);
        const PuzzleDisplay display(test.puzzle.get(), false, c.bounds);
        ASSERT_EQ(display.GetBoardViews().size(), c.rects.size()) << c.boards << " boards";
        for (size_t i = 0; i < c.rects.size(); ++i) {
            EXPECT_TRUE(NearBox(display.GetBoardViews()[i].rect, c.rects[i]));
        }
    }
}

TEST(BoardViewTest, TextIsShownOnlyWhereItIsLegible)
{
    // e = side / N; value 0.75 e, candidate 1.3 x 0.65 e / 3 on 9 x 9 (0.5 x
    // 0.35 e on 1 x 1), label 0.25 e; more than 8 points is legible.
    const struct {
        unsigned size;
        float side;
        bool values, candidates, labels;
        float lineWidth;
    } cases[] = {
        {9, 900, true, true, true, 2.0f},
        {9, 330, true, true, true, 1.0f},    // candidate 10, label 9 points
        {9, 300, true, true, false, 1.0f},   // candidate 9, label 8 points
        {9, 108, true, false, false, 1.0f},  // value 9; narrower than 200
        {9, 104, false, false, false, 1.0f}, // value 8
        {1, 300, true, true, true, 5.0f},
    };
    for (const auto& c : cases) {
        TestPuzzle test(c.size, {});
        BoardView view(&test.GetBoard(), AABB2(0, 0, c.side, c.side));
        view.UpdateLayout(false, false, false);
        SCOPED_TRACE(::testing::Message() << c.size << " x " << c.size << " at " << c.side);
        EXPECT_EQ(view.showValues, c.values);
        EXPECT_EQ(view.showCandidates, c.candidates);
        EXPECT_EQ(view.showCageLabels, c.labels);
        EXPECT_FLOAT_EQ(view.lineWidth, c.lineWidth);
    }
}

TEST(BoardViewTest, BoardsZoomInOverTheFirstSecondUnlessNamelessAndUnlockPuzzlesDropIn)
{
    const struct {
        double shownFor;
        bool named, unlock;
        float side;
        float bottomRowDrop; // square (1, 3), whose column has no stagger
    } cases[] = {
        {0.0, true, false, 480, 0},
        {0.5, true, false, 600 * (0.8f + 0.2f * 0.875f), 0},
        {1.5, true, false, 600, 0},
        {0.0, false, false, 600, 0},
        {0.4, true, true, 600, (0.16f - 1.0f) * 1200},
    };
    for (const auto& c : cases) {
        TestPuzzle test(4, {});
        test.puzzle->SetDisplayName(c.named ? "Test #1" : "");
        test.puzzle->SetUnlockPuzzle(c.unlock);
        test.SetTime(c.shownFor);
        PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 1000, 600));
        display.UpdateBoardViews();
        const BoardView& view = display.GetBoardViews()[0];
        EXPECT_NEAR(view.rect.CalcSize().x, c.side, 0.01f) << c.shownFor;
        EXPECT_NEAR(view.rect.CalcCenter().x, 500.0f, 0.01f);
        EXPECT_NEAR(view.squareRects[13].mins.y, 0.75f * c.side + c.bottomRowDrop, 0.01f) << c.shownFor;
    }
}

TEST(PuzzleDisplayTest, TheMouseMapsOntoTheBoardWhoseEdgeItTouches)
{
    TestPuzzle test(4, {}, 2);
    test.puzzle->SetActive(true);
    PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 1000, 600));
    const struct {
        Vector2 mouse;
        int board;
    } cases[] = {{{0, 57.5f}, 0}, {{485, 300}, 0}, {{515, 542.5f}, 1}, {{500, 300}, -1}, {{0, 0}, -1}};
    for (const auto& c : cases) {
        display.UpdateBoards(c.mouse);
        EXPECT_EQ(test.puzzle->GetFocusedBoardIndex(), c.board) << c.mouse.x << ", " << c.mouse.y;
    }
    display.UpdateBoards(Vector2(485 * 0.3f, 57.5f + 485 * 0.9f));
    EXPECT_EQ(test.GetBoard(0).GetFocusedSquareIndex(), 4 * 3 + 1);
    EXPECT_EQ(test.GetBoard(1).GetFocusedSquareIndex(), -1);

    test.puzzle->SetActive(false);
    display.UpdateBoards(Vector2(100, 100));
    EXPECT_EQ(test.puzzle->GetFocusedBoardIndex(), -1);
    EXPECT_EQ(test.GetBoard(0).GetFocusedSquareIndex(), -1);
}

} // namespace
