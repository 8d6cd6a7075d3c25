// Drawing a board: the board view's layout and zoom, the drawing passes
// through the recording renderer, call-outs, thumbnails, and a few pixel
// checks through the software renderer.
#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/Texture.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/options/PemberquillOptions.h"
#include "game/tutorial/Instructor.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"
#include "tests/support/RecordingDrawCalls.h"
#include "tests/support/SoftwareRendererTest.h"
#include "tests/support/TestPuzzle.h"
#include "tests/game/presentation/ScreenTestSupport.h"

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
    for (const Calls::Call& call : renderer.Of(Calls::TEXT)) {
        EXPECT_NE(call.text, "5") << "a 4 x 4 board has no 5, not even over a whole square";
    }

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

TEST(BoardViewTest, CallOutsAskedForBeforeTheFirstLayoutPointAtTheBoard)
{
    TestPuzzle test(4, {});
    const AABB2 bounds(10, 20, 110, 120);
    const BoardView view(&test.GetBoard(), bounds);
    const Square& corner = test.GetBoard().GetSquare(3, 3);
    EXPECT_TRUE(NearBox(view.GetSquareRect(corner), bounds));
    EXPECT_TRUE(NearBox(view.GetCandidateRect(3, corner), bounds));
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

// A 4 x 4 board on a 400 x 400 back buffer, one pixel a unit: squares of
// 100, lines 2 wide. Cage 0 is the two left squares of row 0 ("3+"), cage 1
// every other square, without a rule text.
class BoardPixelTest : public testsupport::SoftwareRendererTest {
protected:
    BoardPixelTest() : SoftwareRendererTest(IntVector2(400, 400)) {}

    void SetUp() override
    {
        SoftwareRendererTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_renderer->LoadFont("MainFont", "EN");
        std::vector<std::pair<unsigned, unsigned>> rest;
        for (unsigned i = 2; i < 16; ++i) {
            rest.emplace_back(i % 4, i / 4);
        }
        m_test = std::make_unique<TestPuzzle>(
            4, std::vector<TestCage>{{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}, {CAGE_RULE_NOOP, rest}});
        DrawBoard(false);
    }

    void DrawBoard(bool isTextItalic)
    {
        BeginFrameInPixels(Rgba(255, 255, 255, 255));
        PuzzleDisplay display(m_test->puzzle.get(), false, AABB2(0, 0, 400, 400));
        display.SetTextItalic(isTextItalic);
        PemberquillRenderer::DrawPuzzle(display);
    }

    std::vector<platform::GpuColor> Read(int x, int y, int width, int height)
    {
        return m_device->ReadBackBuffer({x, y, width, height});
    }

    static bool IsDark(const platform::GpuColor& pixel) { return pixel.r < 80 && pixel.g < 80 && pixel.b < 80; }

    // Pixels of the box darker than (80, 80, 80).
    int CountDark(int x, int y, int width, int height)
    {
        int dark = 0;
        for (const platform::GpuColor& pixel : Read(x, y, width, height)) {
            dark += IsDark(pixel) ? 1 : 0;
        }
        return dark;
    }

    // The mean column of the dark pixels of the box.
    float DarkCentreX(int x, int y, int width, int height)
    {
        const std::vector<platform::GpuColor> pixels = Read(x, y, width, height);
        float sum = 0.0f;
        int count = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            if (IsDark(pixels[i])) {
                sum += static_cast<float>(x + static_cast<int>(i) % width);
                ++count;
            }
        }
        return count > 0 ? sum / static_cast<float>(count) : 0.0f;
    }

    // How far the top third of the ink of the cage label "3+" stands right
    // of its bottom third; the thirds are found from the ink, whose rows
    // depend on the font's metrics, and leave out the middle, where the
    // bars of the 3 and the + sit.
    float LabelLean()
    {
        int top = -1;
        int bottom = -1;
        for (int y = 2; y < 24; ++y) {
            if (CountDark(5, y, 60, 1) > 0) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        }
        const int third = (bottom - top + 1) / 3;
        return DarkCentreX(5, top, 60, third) - DarkCentreX(5, bottom + 1 - third, 60, third);
    }

    std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
    std::unique_ptr<TestPuzzle> m_test;
};

TEST_F(BoardPixelTest, TheCageBorderRunsBetweenTheCagesAndTheTargetStandsInTheKeySquare)
{
    EXPECT_EQ(CountDark(199, 10, 2, 80), 2 * 80) << "right of the cage";
    EXPECT_EQ(CountDark(10, 99, 80, 2), 2 * 80) << "below the cage";
    EXPECT_EQ(CountDark(110, 99, 80, 2), 2 * 80) << "below the cage";
    EXPECT_EQ(CountDark(95, 30, 10, 60), 0) << "inside the cage";
    EXPECT_EQ(CountDark(299, 110, 2, 80), 0) << "inside the other cage";
    EXPECT_GT(CountDark(5, 2, 40, 22), 40) << "\"3+\" at the top left of square (0, 0)";
    EXPECT_EQ(CountDark(105, 2, 90, 22), 0) << "the second square of the cage has no label";
}

// Catches the focused square's cage outline thickening borders elsewhere:
// cage 0 (the two left squares of row 0) is focused; cage 1 is the right
// half of row 0, cage 2 the three rows below.
TEST_F(BoardPixelTest, OnlyTheFocusedCagesBorderIsThickened)
{
    m_test = std::make_unique<TestPuzzle>(
        4, std::vector<TestCage>{{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}},
                                 {CAGE_RULE_NOOP, {{2, 0}, {3, 0}}},
                                 {CAGE_RULE_NOOP, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2},
                                                   {0, 3}, {1, 3}, {2, 3}, {3, 3}}}});
    m_test->GetBoard().SetFocusedSquareIndex(0);
    DrawBoard(false);
    EXPECT_GT(CountDark(110, 94, 80, 12), 2 * 80) << "below the focused cage, off the focused square";
    EXPECT_GT(CountDark(194, 10, 12, 80), 2 * 80) << "right of the focused cage";
    EXPECT_EQ(CountDark(210, 94, 80, 12), 2 * 80) << "between the other two cages";
    EXPECT_EQ(CountDark(95, 30, 10, 60), 0) << "inside the focused cage";
}

TEST_F(BoardPixelTest, SlantedTextLeansRight)
{
    const float upright = LabelLean();
    DrawBoard(true);
    EXPECT_GT(CountDark(5, 2, 40, 22), 40) << "the slanted label is drawn";
    // A fifth of the 8 rows between the halves, give or take the pixels.
    EXPECT_GT(LabelLean() - upright, 0.8f);
}

// The hovered clear box's X, as the fans that reach the graphics device.
// Its arms fade out towards their far ends, the only fans with clear
// corners on a board; each must come to a point at the square's centre, or
// the four bands overlap there in a darker blot.
class ClearBoxFanTest : public renderer_test::RecordingRendererTest {};

TEST_F(ClearBoxFanTest, TheArmsOfTheHoveredClearXMeetInAPointAtTheSquaresCentre)
{
    TestPuzzle test(4, {});
    const Square& square = test.GetBoard().GetSquare(1, 1);
    test.GetProgress().SetValue(square, square.solutionValue);
    test.GetBoard().SetFocusedSquareIndex(4 * 1 + 1);
    test.GetBoard().SetOverClearBox(true);
    ForgetDrawing();
    PuzzleDisplay display(test.puzzle.get(), false, AABB2(0, 0, 400, 400));
    PemberquillRenderer::DrawPuzzle(display);

    const Vector2 centre(150, 150);
    int armFans = 0;
    for (const renderer_test::RecordingGpuDevice::Fan& fan : m_device->fans) {
        const auto& corners = fan.vertices;
        if (std::none_of(corners.begin(), corners.end(), [](const platform::GpuVertex& v) { return v.color.a == 0; })) {
            continue;
        }
        ++armFans;
        float nearest = 1e9f;
        for (const platform::GpuVertex& v : corners) {
            nearest = std::min(nearest, (Vector2(v.x, v.y) - centre).CalcLength());
        }
        EXPECT_LT(nearest, 1e-3f) << "fan " << armFans;
    }
    EXPECT_GE(armFans, 4) << "one or more fans for each of the four arms";
}

// A picture whose top five of eight rows are red and the rest blue, drawn
// over a view of 400 x 250.
class BackdropPixelTest : public testsupport::SoftwareRendererTest {
protected:
    BackdropPixelTest() : SoftwareRendererTest(IntVector2(400, 250)) {}
};

TEST_F(BackdropPixelTest, OnlyTheTopFiveEighthsOfTheBackdropFillTheView)
{
    std::unique_ptr<Image> image = Image::Create(IntVector2(2, 8), Image::IMAGE_FORMAT_RGBA);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 2; ++x) {
            image->SetPixel(x, y, y < 5 ? Rgba(255, 0, 0, 255) : Rgba(0, 0, 255, 255));
        }
    }
    const std::unique_ptr<Texture> texture = Texture::Create();
    texture->PopulateFromImage(*image, false);
    BeginFrameInPixels(Rgba(255, 255, 255, 255));
    const Vector2 view = PemberquillRenderer::GetViewSize();
    m_renderer->SetTransform(0.0f, 0.0f, view.x, view.y);
    PemberquillRenderer::DrawFullScreenBackdrop(texture.get());
    for (const IntVector2& at : {IntVector2(0, 0), IntVector2(399, 0), IntVector2(200, 200), IntVector2(399, 200)}) {
        const platform::GpuColor pixel = m_device->ReadBackBuffer({at.x, at.y, 1, 1})[0];
        EXPECT_GT(pixel.r, 200) << at.x << ", " << at.y;
        EXPECT_LT(pixel.b, 60) << at.x << ", " << at.y;
    }
}

// Each record steps down by its space before and its size, draws its text
// ending at its level's edge over a shadow, and steps down by its space after
// only once its children are drawn.
TEST(CreditsDrawingTest, EachLevelStepsDownByItsSpacingAndEndsAtItsOwnEdge)
{
    const screen_test::ScreenOf1024x768 application;
    Calls renderer;
    const std::vector<CreditsSection> roll = {{"S", {{"G", {{"a"}, {"b"}}}}}, {"T", {}}};
    PemberquillRenderer::DrawCredits(roll, -8.0f);

    const Rgba section(255, 128, 0, 255);
    const Rgba group(230, 230, 185, 255);
    const Rgba line(200, 180, 50, 255);
    // The roll starts at 768 - 40 - 8 = 720.
    const struct {
        const char* text;
        Vector2 at;
        float size;
        Rgba color;
    } rows[] = {{"S", {716.8f, 812.0f}, 52.0f, section}, {"G", {768.0f, 876.0f}, 44.0f, group},
                {"a", {819.2f, 918.0f}, 32.0f, line},    {"b", {819.2f, 970.0f}, 32.0f, line},
                {"T", {716.8f, 1212.0f}, 52.0f, section}};
    const std::vector<Calls::Call> texts = renderer.Of(Calls::TEXT);
    ASSERT_EQ(texts.size(), 2 * std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].text);
        const Calls::Call& shadow = texts[2 * i];
        const Calls::Call& text = texts[2 * i + 1];
        EXPECT_EQ(text.text, rows[i].text);
        EXPECT_NEAR(text.points[0].x, rows[i].at.x, 0.01f);
        EXPECT_NEAR(text.points[0].y, rows[i].at.y, 0.01f);
        EXPECT_EQ(text.width, rows[i].size);
        EXPECT_EQ(text.color, rows[i].color);
        EXPECT_EQ(text.horizontal, 0);
        EXPECT_EQ(shadow.color, Rgba(0, 0, 0, 192));
        EXPECT_NEAR(shadow.points[0].y, rows[i].at.y + 2.0f, 0.01f);
    }
}

} // namespace
