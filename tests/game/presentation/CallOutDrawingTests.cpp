#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/core/Clock.h"
#include "engine/modules/imagestudio/Image.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/tutorial/Instructor.h"
#include "tests/game/presentation/TestBoards.h"
#include "tests/support/RecordingDrawCalls.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Pemberquill;
using Calls = testsupport::RecordingDrawCalls;

namespace {

// Call-outs on boards of 100-unit squares whose view is at (0, 0).
class CallOutDrawingTest : public ::testing::Test {
protected:
    void SetUp() override { instructor.Startup(&clock); }

    void Draw(TestPuzzle& test, bool thumbnail = false)
    {
        renderer.calls.clear();
        PuzzleDisplay display(test.puzzle.get(), thumbnail, AABB2(0, 0, 100.0f * test.GetBoard().GetSize(),
                                                                   100.0f * test.GetBoard().GetSize()));
        display.UpdateBoardViews();
        PemberquillRenderer::DrawInstructorCallOuts(display);
    }

    std::vector<Calls::Call> Lines() const { return renderer.Of(Calls::LINE); }

    bool HasLine(const std::vector<Calls::Call>& lines, const Vector2& from, const Vector2& to) const
    {
        for (const Calls::Call& line : lines) {
            if (std::abs(line.points[0].x - from.x) < 1e-2f && std::abs(line.points[0].y - from.y) < 1e-2f &&
                std::abs(line.points[1].x - to.x) < 1e-2f && std::abs(line.points[1].y - to.y) < 1e-2f) {
                return true;
            }
        }
        return false;
    }

    Calls renderer;
    Clock clock;
    Instructor instructor;
};

TEST_F(CallOutDrawingTest, ANewCallOutFadesInWhileItsArrowFliesInOpaque)
{
    TestPuzzle test(4, {});
    const Square& square = test.GetBoard().GetSquare(1, 2);
    instructor.CallOutSquare(&square, "hint");
    const struct {
        double t;
        int highlightAlpha;
        float shadowShift;
    } cases[] = {{0.0, 0, 0.0f}, {0.2, 255, 3.0f}};
    for (const auto& c : cases) {
        clock.Advance(c.t - instructor.FindCallOutForSquare(&square)->GetTime());
        Draw(test);
        const std::vector<Calls::Call> boxes = renderer.Of(Calls::BOX);
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0].points[0], Vector2(96, 196) + Vector2(c.shadowShift, c.shadowShift)) << c.t;
        EXPECT_EQ(boxes[1].Box(), AABB2(96, 196, 204, 304));
        EXPECT_EQ(boxes[1].color.a, c.highlightAlpha) << c.t;
        EXPECT_EQ(boxes[1].width, 3.0f);
    }
}

TEST_F(CallOutDrawingTest, TheArrowStartsFarUpAndRightOfItsAnchor)
{
    TestPuzzle test(4, {});
    const Square& square = test.GetBoard().GetSquare(1, 2);
    instructor.CallOutSquare(&square, "hint");
    Draw(test);
    const std::vector<Calls::Call> lines = Lines();
    ASSERT_EQ(lines.size(), 6u) << "shadow arrow and arrow, each a line and two barbs";
    const Vector2 tip = Vector2(165, 225) + Vector2(1010, -2020);
    EXPECT_TRUE(HasLine(lines, tip + Vector2(30, -60), tip));
    EXPECT_EQ(lines[3].color, Rgba(255, 0, 0, 255));
    EXPECT_TRUE(instructor.FindCallOutForSquare(&square)->m_isAnchorPositionValid);
}

TEST_F(CallOutDrawingTest, ACandidateToBeRemovedIsCrossedOutInPureRedWithoutAnArrow)
{
    TestPuzzle test(4, {});
    const Square& square = test.GetBoard().GetSquare(0, 0);
    instructor.CallOutCandidateForRemoval(&square, 3, "hint");
    instructor.CallOutCandidate(&square, 1, "hint");
    clock.Advance(std::acos(-1.0) / 4.0); // the top of the pulse: yellowest
    Draw(test);
    const std::vector<Calls::Call> boxes = renderer.Of(Calls::BOX);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[1].color, Rgba(255, 255, 0, 255)) << "plain candidate";
    EXPECT_EQ(boxes[3].color, Rgba(255, 0, 0, 255)) << "removal";
    // Two passes of four strokes for the removal, one arrow for the other.
    EXPECT_EQ(Lines().size(), 8u + 6u);
}

TEST_F(CallOutDrawingTest, ACageOutlineStopsShortAtItsInnerCorner)
{
    TestPuzzle test(2, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {0, 1}}}});
    instructor.CallOutCage(&test.GetBoard().GetCages()[0], "hint");
    clock.Advance(1.0);
    Draw(test);
    std::vector<Calls::Call> lines = Lines();
    ASSERT_EQ(lines.size(), 8u + 8u + 6u);
    const std::vector<Calls::Call> highlights(lines.begin() + 8, lines.begin() + 16);
    EXPECT_TRUE(HasLine(highlights, {102, 102}, {102, 202}));
    EXPECT_TRUE(HasLine(highlights, {102, 102}, {202, 102}));
    EXPECT_TRUE(HasLine(highlights, {-2, -2}, {-2, 102}));
    EXPECT_TRUE(HasLine(highlights, {202, -2}, {202, 102}));
    EXPECT_TRUE(HasLine(highlights, {-2, 202}, {102, 202}));
    EXPECT_EQ(highlights[0].width, 3.0f);
    EXPECT_EQ(lines[0].width, 3.0f + 3.0f * (1.0f - 1.0f / 6.0f)) << "the shadow widens as it eases in";
}

TEST_F(CallOutDrawingTest, AHiddenCageShowsOnlyACornerBracketOnItsKeySquare)
{
    TestPuzzle test(2, {{CAGE_RULE_ADDITION, {{1, 0}, {1, 1}}}});
    test.GetBoard().SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    instructor.CallOutCage(&test.GetBoard().GetCages()[0], "hint");
    Draw(test);
    const std::vector<Calls::Call> lines = Lines();
    ASSERT_EQ(lines.size(), 2u + 2u + 6u);
    EXPECT_TRUE(HasLine(lines, {96, -4}, {204, -4}));
    EXPECT_TRUE(HasLine(lines, {96, -4}, {96, 104}));
}

TEST_F(CallOutDrawingTest, ABoardShownAsAThumbnailGetsNoCallOuts)
{
    TestPuzzle test(4, {});
    std::unique_ptr<Image> image = Image::Create(IntVector2(8, 8), Image::IMAGE_FORMAT_RGBA);
    BoardProgress::SetThumbnailImage(image.get());
    test.GetProgress().RenderThumbnail(test.GetBoard());
    BoardProgress::SetThumbnailImage(nullptr);
    instructor.CallOutRow(&test.GetBoard(), 1, "hint");
    Draw(test, true);
    EXPECT_TRUE(renderer.calls.empty());
    EXPECT_FALSE(instructor.FindCallOutForRow(&test.GetBoard(), 1)->m_isAnchorPositionValid);
}

class PaintingSettings final : public BoardSettingsInterface {
public:
    bool IsPaintingCages() const override { return true; }
    int GetPaintColorIndex() const override { return 3; }
    bool UseAutoElimination() const override { return false; }
    bool IsAutoSolving() const override { return false; }
    bool IsShiftKeyDown() const override { return false; }
    bool IsCtrlKeyDown() const override { return false; }
};

TEST_F(CallOutDrawingTest, ThePaintCursorIsAPatchOfThePaintColourWhereverTheMouseIs)
{
    TestPuzzle test(4, {});
    PaintingSettings painting;
    SetBoardSettings(&painting);
    test.puzzle->SetPointerPosition(Vector2(1.5f, -0.5f));
    test.SetTime(0.0);
    const PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 400, 200));
    PemberquillRenderer::DrawPaintCursor(display);
    SetBoardSettings(nullptr);

    const std::vector<Calls::Call> quads = renderer.Of(Calls::QUAD);
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_TRUE(quads[0].filled);
    EXPECT_EQ(quads[0].color, test.GetBoard().GetPaletteColor(3));
    // At time 0 every corner is 4 units out along x.
    EXPECT_EQ(quads[0].points[0], Vector2(600 - 20 + 4, -100 - 20));
    EXPECT_EQ(quads[0].points[2], Vector2(600 + 20 + 4, -100 + 20));
}

} // namespace
