#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PuzzleDisplay.h"

#include "game/common/CageRules.h"
#include "tests/game/presentation/TestBoards.h"
#include "engine/modules/imagestudio/Image.h"
#include "tests/support/RecordingDrawCalls.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

void ExpectBox(const AABB2& actual, const AABB2& expected)
{
    EXPECT_NEAR(actual.mins.x, expected.mins.x, 1e-3f);
    EXPECT_NEAR(actual.mins.y, expected.mins.y, 1e-3f);
    EXPECT_NEAR(actual.maxs.x, expected.maxs.x, 1e-3f);
    EXPECT_NEAR(actual.maxs.y, expected.maxs.y, 1e-3f);
}

TEST(PuzzleDisplayTest, BoardsAreSquaresCentredInTheBounds)
{
    struct Case {
        unsigned boards;
        AABB2 bounds;
        std::vector<AABB2> rects;
    };
    const Case cases[] = {
        {1, AABB2(0, 0, 1000, 600), {AABB2(200, 0, 800, 600)}},
        // g = 15, s = min((1000 - 30) / 2, 600) = 485, centres cx -/+ 257.5.
        {2, AABB2(0, 0, 1000, 600), {AABB2(0, 57.5f, 485, 542.5f), AABB2(515, 57.5f, 1000, 542.5f)}},
        // Taller than wide: still side by side, each as wide as the bounds.
        {2, AABB2(0, 0, 400, 1000), {AABB2(-210, 300, 190, 700), AABB2(210, 300, 610, 700)}},
        {3, AABB2(0, 0, 1000, 600), {}},
    };
    for (const Case& c : cases) {
        TestPuzzle test(4, {}, c.boards);
        const PuzzleDisplay display(test.puzzle.get(), false, c.bounds);
        ASSERT_EQ(display.GetBoardViews().size(), c.rects.size()) << c.boards << " boards";
        for (size_t i = 0; i < c.rects.size(); ++i) {
            ExpectBox(display.GetBoardViews()[i].rect, c.rects[i]);
        }
    }
}

TEST(BoardViewTest, TextIsShownOnlyWhereItIsLegible)
{
    struct Case {
        unsigned size;
        float side;
        bool values, candidates, labels;
        float lineWidth;
    };
    // e = side / N; value 0.75 e, candidate 1.3 x 0.65 e / 3 on 9 x 9 (0.5 x
    // 0.35 e on 1 x 1), label 0.25 e; more than 8 points is legible.
    const Case cases[] = {
        {9, 900, true, true, true, 2.0f},
        {9, 330, true, true, true, 1.0f},    // candidate 10, label 9 points
        {9, 300, true, true, false, 1.0f},   // candidate 9, label 8 points
        {9, 108, true, false, false, 1.0f},  // value 9; narrower than 200
        {9, 104, false, false, false, 1.0f}, // value 8
        {1, 300, true, true, true, 5.0f},
    };
    for (const Case& c : cases) {
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

TEST(BoardViewTest, AThumbnailDisplayDrawsTheStoredTextureInsteadOfLayingOutTheBoard)
{
    testsupport::RecordingDrawCalls renderer;
    std::unique_ptr<Image> image = Image::Create(IntVector2(8, 8), Image::IMAGE_FORMAT_RGBA);
    BoardProgress::SetThumbnailImage(image.get());
    TestPuzzle test(4, {});
    test.GetProgress().RenderThumbnail(test.GetBoard());
    BoardProgress::SetThumbnailImage(nullptr);

    PuzzleDisplay thumbnail(test.puzzle.get(), true, AABB2(0, 0, 100, 100));
    thumbnail.UpdateBoardViews();
    EXPECT_TRUE(thumbnail.GetBoardViews()[0].useThumbnail);
    EXPECT_TRUE(thumbnail.GetBoardViews()[0].squareRects.empty());

    PuzzleDisplay play(test.puzzle.get(), false, AABB2(0, 0, 100, 100));
    play.UpdateBoardViews();
    EXPECT_FALSE(play.GetBoardViews()[0].useThumbnail);
    EXPECT_EQ(play.GetBoardViews()[0].squareRects.size(), 16u);
}

TEST(BoardViewTest, TheIntroZoomGrowsTheBoardOverTheFirstSecondUnlessNameless)
{
    struct Case {
        double shownFor;
        bool named;
        float side;
    };
    const Case cases[] = {{0.0, true, 480}, {0.5, true, 480 * (0.8f + 0.2f * 0.875f) / 0.8f}, {1.5, true, 600},
                          {0.0, false, 600}};
    for (const Case& c : cases) {
        TestPuzzle test(4, {});
        if (!c.named) {
            test.puzzle->SetDisplayName("");
        }
        test.SetTime(c.shownFor);
        PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 1000, 600));
        display.UpdateBoardViews();
        const AABB2& rect = display.GetBoardViews()[0].rect;
        EXPECT_NEAR(rect.CalcSize().x, c.side, 0.01f) << c.shownFor << (c.named ? " named" : " nameless");
        EXPECT_NEAR(rect.CalcCenter().x, 500.0f, 0.01f);
    }
}

TEST(BoardViewTest, UnlockPuzzleSquaresDropInBottomRowFirst)
{
    TestPuzzle test(4, {});
    test.puzzle->SetUnlockPuzzle(true);
    test.SetTime(0.4);
    PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 400, 400));
    display.UpdateBoardViews();
    const BoardView& view = display.GetBoardViews()[0];
    // Column 1 has no stagger: the bottom row is 0.4 s in (b = 0.16), the
    // row above 0.125 s later.
    EXPECT_NEAR(view.squareRects[13].mins.y, 300.0f + (0.16f - 1.0f) * 800.0f, 0.01f);
    EXPECT_NEAR(view.squareRects[9].mins.y, 200.0f + (0.275f * 0.275f - 1.0f) * 800.0f, 0.01f);
    EXPECT_FLOAT_EQ(view.rect.CalcSize().x, 400.0f) << "no zoom for an unlock puzzle";
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

TEST(BoardViewTest, CallOutAnchorsSitOnTheirSquares)
{
    TestPuzzle test(4, {{CAGE_RULE_ADDITION, {{1, 1}, {2, 1}}}});
    BoardView view(&test.GetBoard(), AABB2(100, 100, 500, 500));
    view.UpdateLayout(false, false, false);
    const Square& square = test.GetBoard().GetSquare(1, 2);
    const struct {
        Vector2 anchor;
        Vector2 expected;
    } cases[] = {
        {view.ComputeCallOutAnchorForSquare(square), {200 + 65, 300 + 25}},
        {view.ComputeCallOutAnchorForCage(test.GetBoard().GetCages()[0]), {200 + 5 + 0.25f * 95, 200}},
        {view.ComputeCallOutAnchorForColumn(0), {150, 90}},
        {view.ComputeCallOutAnchorForRow(0), {510, 100}},
        {view.ComputeCallOutAnchorForRow(3), {510, 400}},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.anchor.x, c.expected.x, 1e-3f);
        EXPECT_NEAR(c.anchor.y, c.expected.y, 1e-3f);
    }
}

} // namespace
