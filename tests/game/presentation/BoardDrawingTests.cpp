#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/imagestudio/Image.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/shell/PemberquillOptions.h"
#include "game/tutorial/Instructor.h"
#include "tests/support/TestPuzzle.h"
#include "tests/support/RecordingDrawCalls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>


using namespace Pemberquill;
using Calls = testsupport::RecordingDrawCalls;

namespace {

// Boards drawn at (0, 0) in 400 x 400 through the recording renderer.
class BoardDrawingTest : public ::testing::Test {
protected:
    void Draw(TestPuzzle& test)
    {
        renderer.calls.clear();
        PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 400, 400));
        PemberquillRenderer::DrawPuzzle(display);
    }

    size_t CountTexts(const Rgba& color) const
    {
        const std::vector<Calls::Call> texts = renderer.Of(Calls::TEXT);
        return std::count_if(texts.begin(), texts.end(), [&color](const Calls::Call& t) { return t.color == color; });
    }

    Calls renderer;
};

TEST_F(BoardDrawingTest, SquaresComeFirstWithTheirLabelsThenTheLinesAndSignsPointAtTheSmallerAnswer)
{
    // Answers (x + y) % 4 + 1: 1 < 2 right of and below (0, 0); 1 and 2 in row 2.
    TestPuzzle test(4, {{CAGE_RULE_COMPARISONS, {{0, 0}, {1, 0}, {0, 1}}}, {CAGE_RULE_DIVISION, {{2, 2}, {3, 2}}}});
    Draw(test);
    EXPECT_EQ(renderer.calls[0].Box(), AABB2(0, 0, 100, 100));
    EXPECT_FLOAT_EQ(renderer.calls[0].shade, 0.3f);
    EXPECT_EQ(renderer.calls[0].color, test.GetBoard().GetCageColor(0));
    EXPECT_EQ(renderer.calls[1].color, Rgba(120, 120, 120, 255));
    const Calls::Call label = renderer.FindText("2\xF7");
    EXPECT_NEAR(label.Box().mins.x, 205.0f, 1e-3f) << "the division sign is byte 0xF7";
    EXPECT_NEAR(label.Box().maxs.y, 225.0f, 1e-3f);
    EXPECT_EQ(label.horizontal, 0) << "labels are left-aligned";

    const auto isLine = [](const Calls::Call& call) { return call.kind == Calls::LINE; };
    EXPECT_TRUE(std::is_partitioned(renderer.calls.begin(), renderer.calls.end(), std::not_fn(isLine)))
        << "the lines are drawn over all squares";
    EXPECT_TRUE(renderer.HasLine({105, 45}, {95, 50})) << "< on the right edge of (0, 0)";
    EXPECT_TRUE(renderer.HasLine({105, 55}, {95, 50}));
    EXPECT_TRUE(renderer.HasLine({45, 105}, {50, 95})) << "^ on its bottom edge";
    EXPECT_TRUE(renderer.HasLine({55, 105}, {50, 95}));
}

TEST_F(BoardDrawingTest, WrongValuesBlinkOnlyWhileErrorsAreHighlighted)
{
    TestPuzzle test(4, {});
    test.GetProgress().SetValue(test.GetBoard().GetSquare(0, 0), 1);
    test.GetProgress().SetValue(test.GetBoard().GetSquare(1, 0), 4);
    test.SetTime(10.25);
    const Rgba plain(0, 0, 0, 128);
    const Rgba blink(0.75f, 0.0f, 0.0f, 1.0f);
    NamedProperties none;
    for (const bool highlighting : {true, false}) {
        if (GetPemberquillOptions().IsHighlightingErrors() != highlighting) {
            GetPemberquillOptions().Event_OnToggleIsHighlightingErrors(none);
        }
        Draw(test);
        EXPECT_EQ(CountTexts(plain), highlighting ? 1u : 2u);
        EXPECT_EQ(CountTexts(blink), highlighting ? 1u : 0u);
    }
    GetPemberquillOptions().Event_OnToggleIsHighlightingErrors(none);
}

TEST_F(BoardDrawingTest, TheSolveWaveReachesTheLastSquareOfANineByNine0_56sAfterTheFirst)
{
    TestPuzzle test(9, {});
    test.Solve();
    test.puzzle->SetSolveTime(10.0);
    const Rgba white(255, 255, 255, 255);
    const Rgba green(0, 255, 0, 255);
    const struct {
        double at;
        Rgba first;
        Rgba last;
    } cases[] = {
        {10.25, Rgba::Lerp(white, green, 0.5f), Rgba(0, 0, 0, 128)},
        {10.81, Rgba::Lerp(green, {0, 90, 0, 255}, 0.62f), Rgba::Lerp(white, green, 0.5f)},
    };
    for (const auto& c : cases) {
        test.SetTime(c.at);
        Draw(test);
        const std::vector<Calls::Call> texts = renderer.Of(Calls::TEXT);
        ASSERT_EQ(texts.size(), 81u);
        EXPECT_EQ(texts.front().color, c.first) << c.at;
        EXPECT_EQ(texts.back().color, c.last) << c.at;
    }
}

TEST_F(BoardDrawingTest, CandidatesShowWhatIsStillPossibleAndAllTheirBoxesUnderTheMouse)
{
    TestPuzzle test(4, {});
    const Square& square = test.GetBoard().GetSquare(0, 0); // answer 1
    for (Square& other : test.GetBoard().GetSquares()) {
        if (&other != &square) {
            test.GetProgress().SetValue(other, other.solutionValue);
        }
    }
    test.GetProgress().SetPlayerCandidateBit(square, 0, true); // the answer: blinks
    test.GetProgress().SetPlayerCandidateBit(square, 1, true);
    test.GetProgress().SetAutoCandidateBit(square, 2, true);
    const auto candidateTexts = [this] {
        std::vector<std::string> texts;
        for (const Calls::Call& call : renderer.Of(Calls::TEXT)) {
            if (call.Box().CalcSize().y < 50) {
                texts.push_back(call.text);
            }
        }
        return texts;
    };
    Draw(test);
    EXPECT_EQ(renderer.Of(Calls::BOX).size(), 2u * 16u) << "no candidate boxes away from the mouse";
    EXPECT_EQ(candidateTexts(), (std::vector<std::string>{"1", "4"}));

    test.GetBoard().SetFocusedSquareIndex(0);
    test.GetBoard().SetFocusedCandidate(3);
    Draw(test);
    std::vector<Rgba> fills;
    int frames = 0;
    for (const Calls::Call& box : renderer.Of(Calls::BOX)) {
        if (box.Box().CalcSize().x < 50) {
            fills.push_back(box.filled ? box.color : Rgba());
            frames += box.width == 3.0f ? 1 : 0;
        }
    }
    const Rgba red(255, 0, 0, 150);
    const Rgba open(255, 255, 255, 180);
    const Rgba hovered(255, 255, 255, 255);
    EXPECT_EQ(fills, (std::vector<Rgba>{red, {}, red, {}, open, {}, hovered, {}, {}}));
    EXPECT_EQ(frames, 1) << "the hovered candidate is framed";
    EXPECT_EQ(candidateTexts().size(), 4u);
    EXPECT_EQ(renderer.FindText("3").color, Rgba(255, 255, 255, 0)) << "a hidden candidate's text is invisible";
    EXPECT_EQ(renderer.FindText("4").color, Rgba(0, 0, 0, 255));
}

TEST_F(BoardDrawingTest, AHiddenCageBoardFollowsThePaintAndMarksEqualsSquares)
{
    TestPuzzle test(2, {{CAGE_RULE_EQUALS, {{0, 0}}}, {CAGE_RULE_ADDITION, {{1, 0}, {0, 1}, {1, 1}}}});
    test.GetBoard().SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    for (const Square& square : test.GetBoard().GetSquares()) {
        test.GetProgress().SetColorIndex(square, 2);
    }
    Draw(test);
    EXPECT_EQ(renderer.calls[0].color, test.GetBoard().GetPaletteColor(2)) << "squares show the paint";
    EXPECT_TRUE(renderer.HasLine({200, 0}, {200, 200})) << "right of the Equals square";
    EXPECT_TRUE(renderer.HasLine({0, 200}, {200, 200})) << "below the Equals square";
    EXPECT_FALSE(renderer.HasLine({200, 200}, {400, 200})) << "same paint, no border";
    EXPECT_EQ(renderer.Of(Calls::LINE)[0].width, 6.0f) << "1.5 times the 2 % of a square of 200";
}

TEST_F(BoardDrawingTest, AThumbnailIsDrawnIntoItsTextureOnceAndShownFromItThen)
{
    UlvoEventSystem events;
    PemberquillRenderer pemberquillRenderer;
    pemberquillRenderer.Startup();
    TestPuzzle test(4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}});
    test.GetProgress().SetValue(test.GetBoard().GetSquare(0, 0), 1);
    std::unique_ptr<Image> image = Image::Create(IntVector2(8, 8), Image::IMAGE_FORMAT_RGBA);
    BoardProgress::SetThumbnailImage(image.get());
    test.GetProgress().RenderThumbnail(test.GetBoard());
    BoardProgress::SetThumbnailImage(nullptr);
    PuzzleDisplay thumbnail(test.puzzle.get(), true, AABB2(0, 0, 64, 64));
    PemberquillRenderer::DrawPuzzle(thumbnail);
    EXPECT_TRUE(renderer.calls.empty()) << "nothing until the thumbnail is rendered";

    NamedProperties passBack;
    passBack.Set<Board*>("Board", &test.GetBoard());
    NamedProperties request;
    request.Set("UpdatedRegionSize", Vector2(256, 256));
    request.Set<NamedProperties>("PassBackProperties", passBack);
    events.FireEvent("RenderBoardThumbnailToTexture", request);
    ASSERT_FALSE(renderer.calls.empty());
    EXPECT_EQ(renderer.calls[0].color, Rgba(0, 0, 0, 255)) << "cleared";
    EXPECT_TRUE(renderer.HasLine({2, 2}, {251, 2})) << "the board in (2, 2)-(251, 251)";
    EXPECT_TRUE(renderer.HasLine({251, 2}, {251, 251}));
    EXPECT_EQ(renderer.Of(Calls::TEXT).size(), 1u) << "values only";
    EXPECT_FLOAT_EQ(renderer.Of(Calls::LINE)[0].width, 2.0f * (249.0f / 4.0f * 0.02f));
    EXPECT_TRUE(test.GetProgress().IsThumbnailReady());

    renderer.calls.clear();
    PemberquillRenderer::DrawPuzzle(thumbnail);
    ASSERT_EQ(renderer.calls.size(), 1u);
    EXPECT_EQ(renderer.calls[0].texture, test.GetProgress().GetThumbnail());

    renderer.calls.clear();
    NamedProperties noBoard;
    events.FireEvent("RenderBoardThumbnailToTexture", noBoard);
    ASSERT_EQ(renderer.calls.size(), 1u);
    EXPECT_EQ(renderer.calls[0].color, Rgba(255, 255, 255, 255));
}

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
