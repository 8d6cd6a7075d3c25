#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/core/Clock.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/tutorial/Instructor.h"
#include "tests/support/TestPuzzle.h"
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

    Calls renderer;
    Clock clock;
    Instructor instructor;
};

TEST_F(CallOutDrawingTest, ANewCallOutFadesInWhileItsArrowFliesInOpaqueFromFarUpAndRight)
{
    TestPuzzle test(4, {});
    const Square& square = test.GetBoard().GetSquare(1, 2);
    instructor.CallOutSquare(&square, "hint");
    Draw(test);
    const std::vector<Calls::Call> lines = Lines();
    ASSERT_EQ(lines.size(), 6u) << "shadow arrow and arrow, each a line and two barbs";
    const Vector2 tip = Vector2(165, 225) + Vector2(1010, -2020);
    EXPECT_TRUE(renderer.HasLine(tip + Vector2(30, -60), tip));
    EXPECT_EQ(lines[3].color, Rgba(255, 0, 0, 255));

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
    }
}

TEST_F(CallOutDrawingTest, NearTheTopOfTheViewTheArrowComesFromBelow)
{
    TestPuzzle test(4, {});
    instructor.CallOutSquare(&test.GetBoard().GetSquare(1, 0), "hint");
    Draw(test);
    const Vector2 tip = Vector2(165, 25) + Vector2(1010, 2020);
    EXPECT_TRUE(renderer.HasLine(tip + Vector2(30, 60), tip));
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
    EXPECT_TRUE(renderer.HasLine({102, 102}, {102, 202}));
    EXPECT_TRUE(renderer.HasLine({102, 102}, {202, 102}));
    EXPECT_TRUE(renderer.HasLine({-2, -2}, {-2, 102}));
    EXPECT_TRUE(renderer.HasLine({202, -2}, {202, 102}));
    EXPECT_TRUE(renderer.HasLine({-2, 202}, {102, 202}));
    EXPECT_EQ(lines[8].width, 3.0f) << "the highlights after the eight shadows";
    EXPECT_EQ(lines[0].width, 3.0f + 3.0f * (1.0f - 1.0f / 6.0f)) << "the shadow widens as it eases in";
}

} // namespace
