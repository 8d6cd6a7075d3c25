#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/imagestudio/Image.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/shell/PemberquillOptions.h"
#include "tests/game/presentation/TestBoards.h"
#include "tests/support/RecordingDrawCalls.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Pemberquill;
using Calls = testsupport::RecordingDrawCalls;

namespace {

::testing::AssertionResult NearBox(const AABB2& actual, const AABB2& expected)
{
    const Vector2 corners[] = {actual.mins - expected.mins, actual.maxs - expected.maxs};
    for (const Vector2& d : corners) {
        if (std::abs(d.x) > 1e-3f || std::abs(d.y) > 1e-3f) {
            return ::testing::AssertionFailure() << "(" << actual.mins.x << ", " << actual.mins.y << ")-(" << actual.maxs.x
                                                 << ", " << actual.maxs.y << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

// A 400 x 400 board (squares of 100) drawn through the recording renderer.
class BoardDrawingTest : public ::testing::Test {
protected:
    void Draw(TestPuzzle& test)
    {
        renderer.calls.clear();
        PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 400, 400));
        PemberquillRenderer::DrawPuzzle(display);
    }

    std::vector<std::string> Texts(const Rgba* color = nullptr) const
    {
        std::vector<std::string> texts;
        for (const Calls::Call& call : renderer.Of(Calls::TEXT)) {
            if (color == nullptr || call.color == *color) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }

    Calls::Call FirstText(const std::string& text) const
    {
        for (const Calls::Call& call : renderer.Of(Calls::TEXT)) {
            if (call.text == text) {
                return call;
            }
        }
        ADD_FAILURE() << "no text " << text;
        return {};
    }

    bool HasLine(const Vector2& from, const Vector2& to) const
    {
        const auto near = [](const Vector2& a, const Vector2& b) {
            return std::abs(a.x - b.x) < 1e-3f && std::abs(a.y - b.y) < 1e-3f;
        };
        for (const Calls::Call& line : renderer.Of(Calls::LINE)) {
            if ((near(line.points[0], from) && near(line.points[1], to)) ||
                (near(line.points[0], to) && near(line.points[1], from))) {
                return true;
            }
        }
        return false;
    }

    void SetHighlightingErrors(bool on)
    {
        if (GetPemberquillOptions().IsHighlightingErrors() != on) {
            NamedProperties none;
            GetPemberquillOptions().Event_OnToggleIsHighlightingErrors(none);
        }
    }

    Calls renderer;
};

TEST_F(BoardDrawingTest, ASquareIsFilledOutlinedThenLabelledAndTheBordersComeAfterAllSquares)
{
    // Answers (x + y) % 4 + 1: 1 + 2, and 1 and 2 in row 2.
    TestPuzzle test(4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}, {CAGE_RULE_DIVISION, {{2, 2}, {3, 2}}}});
    Draw(test);
    ASSERT_GE(renderer.calls.size(), 2u);
    EXPECT_EQ(renderer.calls[0].kind, Calls::BOX);
    EXPECT_TRUE(renderer.calls[0].filled);
    EXPECT_FLOAT_EQ(renderer.calls[0].shade, 0.3f);
    EXPECT_EQ(renderer.calls[0].Box(), AABB2(0, 0, 100, 100));
    EXPECT_EQ(renderer.calls[0].color, test.GetBoard().GetCageColor(0));
    EXPECT_EQ(renderer.calls[1].color, Rgba(120, 120, 120, 255));
    const Calls::Call label = FirstText("3+");
    EXPECT_EQ(label.horizontal, 0) << "labels are left-aligned";
    EXPECT_TRUE(NearBox(label.Box(), AABB2(5, 0, 100, 25)));
    EXPECT_TRUE(NearBox(FirstText("2\xF7").Box(), AABB2(205, 200, 300, 225))) << "the division sign is byte 0xF7";
    size_t lastBox = 0;
    size_t firstLine = renderer.calls.size();
    for (size_t i = 0; i < renderer.calls.size(); ++i) {
        if (renderer.calls[i].kind == Calls::BOX) {
            lastBox = i;
        } else if (renderer.calls[i].kind == Calls::LINE) {
            firstLine = std::min(firstLine, i);
        }
    }
    EXPECT_LT(lastBox, firstLine);
}

TEST_F(BoardDrawingTest, CageBordersSeparateCagesAndTheFrameClosesTheBoard)
{
    TestPuzzle test(2, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}, {CAGE_RULE_ADDITION, {{0, 1}, {1, 1}}}});
    Draw(test);
    const std::vector<Calls::Call> lines = renderer.Of(Calls::LINE);
    ASSERT_EQ(lines.size(), 2u + 4u) << "the two bottom edges of row 0 and the frame";
    EXPECT_TRUE(HasLine({0, 200}, {200, 200}));
    EXPECT_TRUE(HasLine({200, 200}, {400, 200}));
    EXPECT_FALSE(HasLine({200, 0}, {200, 200})) << "no border inside a cage";
    EXPECT_EQ(lines[0].width, 4.0f) << "lines 2 % of a square of 200";
}

TEST_F(BoardDrawingTest, ComparisonSignsPointAtTheSmallerAnswer)
{
    // Answers (x + y) % 4 + 1: (0,0) = 1, (1,0) = 2, (0,1) = 2.
    TestPuzzle test(4, {{CAGE_RULE_COMPARISONS, {{0, 0}, {1, 0}, {0, 1}}}});
    Draw(test);
    // 1 < 2 to the right: the point at the left of the mid-edge (100, 50).
    EXPECT_TRUE(HasLine({105, 45}, {95, 50}));
    EXPECT_TRUE(HasLine({105, 55}, {95, 50}));
    // 1 < 2 below: the point at the top of the mid-edge (50, 100).
    EXPECT_TRUE(HasLine({45, 105}, {50, 95}));
    EXPECT_TRUE(HasLine({55, 105}, {50, 95}));
}

TEST_F(BoardDrawingTest, ValuesBlinkWhenWrongOnlyWhileErrorsAreHighlighted)
{
    TestPuzzle test(4, {});
    const Board& board = test.GetBoard();
    test.GetProgress().SetValue(board.GetSquare(0, 0), 1);
    test.GetProgress().SetValue(board.GetSquare(1, 0), 4);
    test.SetTime(10.25);
    const Rgba plain(0, 0, 0, 128);
    const Rgba blink(0.75f, 0.0f, 0.0f, 1.0f);
    const struct {
        bool highlighting;
        std::vector<std::string> plainTexts;
        std::vector<std::string> blinkingTexts;
    } cases[] = {{true, {"1"}, {"4"}}, {false, {"1", "4"}, {}}};
    for (const auto& c : cases) {
        SetHighlightingErrors(c.highlighting);
        Draw(test);
        EXPECT_EQ(Texts(&plain), c.plainTexts);
        EXPECT_EQ(Texts(&blink), c.blinkingTexts);
    }
    SetHighlightingErrors(true);
}

TEST_F(BoardDrawingTest, TheSolveWaveReachesTheLastSquareOfANineByNine0_56sAfterTheFirst)
{
    TestPuzzle test(9, {});
    test.Solve();
    test.puzzle->SetSolveTime(10.0);
    const struct {
        double at;
        Rgba first;
        Rgba last;
    } cases[] = {
        {10.25, Rgba::Lerp({255, 255, 255, 255}, {0, 255, 0, 255}, 0.5f), Rgba(0, 0, 0, 128)},
        {10.81, Rgba::Lerp({0, 255, 0, 255}, {0, 90, 0, 255}, 0.62f), Rgba::Lerp({255, 255, 255, 255}, {0, 255, 0, 255}, 0.5f)},
    };
    for (const auto& c : cases) {
        test.SetTime(c.at);
        Draw(test);
        std::vector<Calls::Call> texts = renderer.Of(Calls::TEXT);
        ASSERT_EQ(texts.size(), 81u);
        EXPECT_EQ(texts.front().color, c.first) << c.at;
        EXPECT_EQ(texts.back().color, c.last) << c.at;
    }
}

TEST_F(BoardDrawingTest, CandidatesShowWhatIsStillPossibleAndAllBoxesUnderTheMouse)
{
    TestPuzzle test(4, {});
    const Square& square = test.GetBoard().GetSquare(0, 0); // answer 1
    test.GetProgress().SetPlayerCandidateBit(square, 1, true);
    test.GetProgress().SetAutoCandidateBit(square, 2, true);
    test.GetProgress().SetPlayerCandidateBit(square, 0, true); // the answer: blinks
    for (Square& other : test.GetBoard().GetSquares()) {
        if (&other != &square) {
            test.GetProgress().SetValue(other, other.solutionValue);
        }
    }
    Draw(test);
    EXPECT_EQ(renderer.Of(Calls::BOX).size(), 2u * 16u) << "no candidate boxes away from the mouse";
    std::vector<std::string> candidates;
    for (const Calls::Call& call : renderer.Of(Calls::TEXT)) {
        if (call.Box().CalcSize().y < 50) {
            candidates.push_back(call.text);
        }
    }
    EXPECT_EQ(candidates, (std::vector<std::string>{"1", "4"}));

    test.GetBoard().SetFocusedSquareIndex(0);
    test.GetBoard().SetFocusedCandidate(3);
    Draw(test);
    const std::vector<Calls::Call> boxes = renderer.Of(Calls::BOX);
    std::vector<Rgba> fills;
    for (const Calls::Call& box : boxes) {
        if (box.filled && box.Box().CalcSize().x < 50) {
            fills.push_back(box.color);
        }
    }
    EXPECT_EQ(fills, (std::vector<Rgba>{{255, 0, 0, 150}, {255, 0, 0, 150}, {255, 255, 255, 180}, {255, 255, 255, 255}}));
    EXPECT_EQ(FirstText("3").color, Rgba(255, 255, 255, 0)) << "a hidden candidate's text is invisible";
    EXPECT_EQ(FirstText("4").color, Rgba(0, 0, 0, 255));
    std::vector<AABB2> frames;
    for (const Calls::Call& box : boxes) {
        if (box.width == 3.0f) {
            frames.push_back(box.Box());
        }
    }
    ASSERT_EQ(frames.size(), 1u) << "the hovered candidate is framed";
    EXPECT_NEAR(frames[0].mins.x, 72.5f, 1e-3f);
    EXPECT_NEAR(frames[0].mins.y, 60.0f, 1e-3f);
}

TEST_F(BoardDrawingTest, TheClearBoxIsDrawnOnlyOnAFilledSquareUnderTheMouse)
{
    TestPuzzle test(4, {});
    const Board& board = test.GetBoard();
    test.GetProgress().SetValue(board.GetSquare(1, 0), 2);
    const struct {
        int focused;
        bool overClearBox;
        size_t extraBoxes;
        size_t extraLines;
    } cases[] = {{-1, false, 0, 0}, {0, false, 0, 0}, {1, false, 2, 2}, {1, true, 2, 2 + 4}};
    for (const auto& c : cases) {
        test.GetBoard().SetFocusedSquareIndex(c.focused);
        test.GetBoard().SetOverClearBox(c.overClearBox);
        Draw(test);
        const size_t candidateBoxes = c.focused == 0 ? 2 * 4 : 0;
        EXPECT_EQ(renderer.Of(Calls::BOX).size(), 2 * 16 + candidateBoxes + c.extraBoxes) << c.focused;
        EXPECT_EQ(renderer.Of(Calls::LINE).size(), 4 + c.extraLines) << c.focused;
    }
}

TEST_F(BoardDrawingTest, AHiddenCageBoardFollowsThePaintAndMarksEqualsSquares)
{
    TestPuzzle test(2, {{CAGE_RULE_EQUALS, {{0, 0}}}, {CAGE_RULE_ADDITION, {{1, 0}, {0, 1}, {1, 1}}}});
    test.GetBoard().SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    BoardProgress& progress = test.GetProgress();
    for (const Square& square : test.GetBoard().GetSquares()) {
        progress.SetColorIndex(square, 2);
    }
    Draw(test);
    EXPECT_EQ(renderer.calls[0].color, test.GetBoard().GetPaletteColor(2)) << "squares show the paint";
    EXPECT_TRUE(HasLine({200, 0}, {200, 200})) << "right of the Equals square";
    EXPECT_TRUE(HasLine({0, 200}, {200, 200})) << "below the Equals square";
    EXPECT_FALSE(HasLine({200, 200}, {400, 200})) << "same paint, no border";
    EXPECT_EQ(renderer.Of(Calls::LINE)[0].width, 6.0f) << "hidden-cage lines are half as wide again";
}

TEST_F(BoardDrawingTest, ThumbnailsAreDrawnIntoTheRequestedRegionAndMarkedReady)
{
    testsupport::RecordingDrawCalls& calls = renderer;
    UlvoEventSystem events;
    PemberquillRenderer pemberquillRenderer;
    pemberquillRenderer.Startup();
    TestPuzzle test(4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}});
    test.GetProgress().SetValue(test.GetBoard().GetSquare(0, 0), 1);
    std::unique_ptr<Image> image = Image::Create(IntVector2(8, 8), Image::IMAGE_FORMAT_RGBA);
    BoardProgress::SetThumbnailImage(image.get());
    test.GetProgress().RenderThumbnail(test.GetBoard());
    BoardProgress::SetThumbnailImage(nullptr);

    PuzzleDisplay thumbnails(test.puzzle.get(), true, AABB2(0, 0, 64, 64));
    PemberquillRenderer::DrawPuzzle(thumbnails);
    EXPECT_TRUE(calls.calls.empty()) << "nothing until the thumbnail is rendered";

    NamedProperties passBack;
    passBack.Set<Board*>("Board", &test.GetBoard());
    NamedProperties request;
    request.Set("UpdatedRegionSize", Vector2(256, 256));
    request.Set<NamedProperties>("PassBackProperties", passBack);
    events.FireEvent("RenderBoardThumbnailToTexture", request);
    ASSERT_FALSE(calls.calls.empty());
    EXPECT_EQ(calls.calls[0].kind, Calls::CLEAR);
    EXPECT_EQ(calls.calls[0].color, Rgba(0, 0, 0, 255));
    EXPECT_TRUE(HasLine({2, 2}, {251, 2})) << "the board in (2, 2)-(251, 251)";
    EXPECT_TRUE(HasLine({251, 2}, {251, 251}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"1"})) << "values only";
    EXPECT_FLOAT_EQ(calls.Of(Calls::LINE)[0].width, 2.0f * (249.0f / 4.0f * 0.02f));
    EXPECT_TRUE(test.GetProgress().IsThumbnailReady());

    calls.calls.clear();
    PemberquillRenderer::DrawPuzzle(thumbnails);
    ASSERT_EQ(calls.calls.size(), 1u);
    EXPECT_EQ(calls.calls[0].kind, Calls::TEXTURE);
    EXPECT_EQ(calls.calls[0].texture, test.GetProgress().GetThumbnail());

    calls.calls.clear();
    NamedProperties noBoard;
    events.FireEvent("RenderBoardThumbnailToTexture", noBoard);
    ASSERT_EQ(calls.calls.size(), 1u);
    EXPECT_EQ(calls.calls[0].color, Rgba(255, 255, 255, 255));
}

TEST_F(BoardDrawingTest, CreditsStepDownTheScreenRightAlignedByLevel)
{
    std::unique_ptr<UlvoApplicationBasic_Win32> application = UlvoApplicationBasic_Win32::Create();
    const IntVector2 screen = application->GetViewBoundsSize();
    const float w = static_cast<float>(screen.x);
    const float h = static_cast<float>(screen.y);
    const CreditsEntry name{"A. Person", {}, 10, 0, 5, 1};
    const CreditsEntry group{"Group", {name}, 20, 0, 0, 2};
    const CreditsEntry section{"Section", {group, name}, 30, 0, 0, 3};
    PemberquillRenderer::DrawCredits({section}, 100.0f);

    ASSERT_EQ(renderer.calls.size(), 1u + 2u * 4u);
    EXPECT_EQ(renderer.calls[0].Box(), AABB2(0, 0, w, h));
    const struct {
        Vector2 at;
        Rgba color;
    } expected[] = {
        {{0.7f * w, h + 60 + 30}, {255, 128, 0, 255}},
        {{0.75f * w, h + 90 + 20}, {230, 230, 185, 255}},
        {{0.8f * w, h + 110 + 15}, {200, 180, 50, 255}},
        {{0.75f * w, h + 125 + 1 + 2 + 15}, {230, 230, 185, 255}}, // a name directly under a section
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Calls::Call& shadow = renderer.calls[1 + 2 * i];
        const Calls::Call& text = renderer.calls[2 + 2 * i];
        EXPECT_EQ(shadow.points[0], expected[i].at + Vector2(2, 2)) << i;
        EXPECT_EQ(shadow.color, Rgba(0, 0, 0, 192));
        EXPECT_EQ(text.points[0], expected[i].at) << i;
        EXPECT_EQ(text.color, expected[i].color) << i;
        EXPECT_EQ(text.vertical, 1);
        EXPECT_EQ(text.horizontal, 0) << "ending at the point";
    }
}

} // namespace
