// The pointer, the keys and buttons a board takes, and painting.
#include "game/common/GameSoundID.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

constexpr int DOWN = 1;
constexpr int REPEAT = 2;
constexpr int UP = 3;
constexpr int CHARACTER = 4;
constexpr int LEFT_BUTTON = 1;
constexpr int RIGHT_BUTTON = 2;
constexpr int KEY_DELETE = 0x2E;
constexpr int KEY_3 = 0x33;

// A 6 x 6 board, large enough for the candidate grid of the second layout.
const std::vector<std::string> ANSWER = {"123456", "234561", "345612", "456123", "561234", "612345"};

std::vector<CageSpec> Cages()
{
    std::vector<CageSpec> cages = {
        {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {1, 1}}, 0}, {CAGE_RULE_MULTIPLICATION, {{2, 0}, {3, 0}}, 1},
        {CAGE_RULE_ADDITION, {{0, 1}, {0, 2}}, 2},         {CAGE_RULE_ADDITION, {{2, 1}, {3, 1}}, 3},
        {CAGE_RULE_EQUALS, {{1, 2}}, 4},                   {CAGE_RULE_ADDITION, {{0, 5}, {1, 5}}, 0},
    };
    // The rest in two-square column cages.
    const unsigned columnPairs[][2] = {{4, 0}, {5, 0}, {2, 2}, {3, 2}, {4, 2}, {5, 2},
                                       {0, 3}, {1, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4}};
    for (const auto& top : columnPairs) {
        cages.push_back({CAGE_RULE_ADDITION, {{top[0], top[1]}, {top[0], top[1] + 1}},
                         static_cast<int>((top[0] + top[1]) % 5)});
    }
    return cages;
}

class BoardInputTest : public ::testing::Test {
protected:
    explicit BoardInputTest(unsigned solvingAttributes = 0) : play(ANSWER, Cages(), solvingAttributes)
    {
        log.Listen(events, {"PlaySoundEvent", "EndPaintingEvent"});
        board.RecomputeAutoEliminations();
    }

    void PointAt(const Vector2& point) { board.UpdatePointer(point, SOLUTIONS_LAYOUT_SINGLE_BOARD); }
    void PointAtSquare(unsigned x, unsigned y) { PointAt(play.CentreOf(x, y)); }
    bool PlayerOut(unsigned x, unsigned y, int candidate)
    {
        return play.Progress().IsCandidateEliminatedByPlayer(play.At(x, y), candidate);
    }
    size_t NumMoves() { return play.Progress().GetMoves().size(); }

    UlvoEventSystem events;
    EventLog log;
    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardInputTest, ThePointerFocusesTheSquareUnderItWithOrWithoutAProgress)
{
    PointAtSquare(4, 2);
    EXPECT_EQ(16, board.GetFocusedSquareIndex());
    EXPECT_EQ(&play.At(4, 2), board.GetFocusedSquare());
    PointAt(Vector2(1.0f, 1.0f));
    EXPECT_EQ(35, board.GetFocusedSquareIndex()) << "the far edge still belongs to the board";
    PointAt(Vector2(1.01f, 0.5f));
    EXPECT_EQ(-1, board.GetFocusedSquareIndex());
    EXPECT_EQ(nullptr, board.GetFocusedSquare());

    // Without a progress the pointer still works and input is left alone.
    board.SetProgress(nullptr);
    PointAt(play.CandidatePoint(1, 1, 2));
    EXPECT_EQ(7, board.GetFocusedSquareIndex());
    EXPECT_EQ(1, board.GetFocusedCandidate());
    EXPECT_FALSE(board.HandleInput(KEY_3, DOWN));
    EXPECT_FALSE(board.HandleInput(LEFT_BUTTON, DOWN));
}

TEST_F(BoardInputTest, KeysPlaceClearAndWithShiftToggleCandidates)
{
    PointAtSquare(3, 3);
    const struct { int key, action; bool handled; unsigned value; } keys[] = {
        {KEY_3, DOWN, true, 3},      {0x64, DOWN, true, 4},      {KEY_3, UP, false, 4},
        {KEY_3, REPEAT, false, 4},   {'5', CHARACTER, false, 4}, {KEY_DELETE, CHARACTER, false, 4},
        {KEY_DELETE, DOWN, true, 0}, {KEY_3, DOWN, true, 3},     {' ', CHARACTER, true, 0},
        {KEY_3, DOWN, true, 3},      {8, CHARACTER, true, 0}};
    for (const auto& k : keys) {
        EXPECT_EQ(k.handled, board.HandleInput(k.key, k.action)) << &k - keys;
        EXPECT_EQ(k.value, play.ValueAt(3, 3)) << &k - keys;
    }

    PointAtSquare(4, 4);
    settings.shiftDown = true;
    EXPECT_TRUE(board.HandleInput(KEY_3, DOWN));
    EXPECT_EQ(0u, play.ValueAt(4, 4));
    EXPECT_TRUE(PlayerOut(4, 4, 2));
}

TEST_F(BoardInputTest, ButtonsOnACandidateToggleOrPlaceItAndTheRightButtonClearsAFilledSquare)
{
    PointAt(play.CandidatePoint(2, 4, 6));
    ASSERT_EQ(5, board.GetFocusedCandidate());
    EXPECT_TRUE(board.HandleInput(RIGHT_BUTTON, DOWN));
    EXPECT_TRUE(PlayerOut(2, 4, 5));
    EXPECT_FALSE(PlayerOut(2, 5, 5)) << "no Shift, no spread";
    EXPECT_TRUE(board.HandleInput(LEFT_BUTTON, DOWN));
    EXPECT_EQ(6u, play.ValueAt(2, 4));
    EXPECT_FALSE(board.HandleInput(LEFT_BUTTON, UP));

    // The label strip at the top of the square holds no candidate.
    PointAt(play.At(4, 1).bounds.mins + Vector2(0.5f, 0.1f) * board.GetSquareEdge());
    ASSERT_EQ(-1, board.GetFocusedCandidate());
    EXPECT_FALSE(board.HandleInput(RIGHT_BUTTON, DOWN));
    board.SetSquareValue(play.At(4, 1), 6, false, false);
    EXPECT_TRUE(board.HandleInput(RIGHT_BUTTON, DOWN));
    EXPECT_EQ(0u, play.ValueAt(4, 1));

    // With Shift the toggle spreads over the cage: cage 0 holds (0,0), (1,0)
    // and (1,1).
    board.ToggleCandidate(play.At(1, 1), 4, false);
    settings.shiftDown = true;
    PointAt(play.CandidatePoint(0, 0, 4));
    EXPECT_TRUE(board.HandleInput(RIGHT_BUTTON, DOWN));
    EXPECT_TRUE(PlayerOut(0, 0, 3));
    EXPECT_TRUE(PlayerOut(1, 0, 3));
    EXPECT_TRUE(PlayerOut(1, 1, 3));
    EXPECT_EQ(7u, NumMoves()) << "one toggle for the square clicked and one for the square that differed";
}

// The brush is for boards whose cages are hidden.
class BoardPaintingTest : public BoardInputTest {
protected:
    BoardPaintingTest() : BoardInputTest(SOLVING_ATTRIBUTE_HIDDEN_CAGES) {}
};

TEST_F(BoardPaintingTest, StrokeFromPressToAReleaseOffTheBoard)
{
    settings.paintingCages = true;
    settings.paintColorIndex = 3;
    PointAtSquare(4, 5);
    EXPECT_EQ(-1, board.GetFocusedCandidate()) << "no candidates while painting";
    EXPECT_EQ(0u, NumMoves()) << "pointing alone paints nothing";
    EXPECT_TRUE(board.HandleInput(LEFT_BUTTON, DOWN));
    log.entries.clear();

    PointAt(play.CentreOf(4, 5) + Vector2(0.01f, 0.0f));
    EXPECT_EQ(3, play.Progress().GetColorIndex(play.At(4, 5)));
    EXPECT_EQ(1, log.Count("PlaySoundEvent"));
    EXPECT_EQ(SOUND_PLAYINGPUZZLE_PAINT_USED,
              log.Get("PlaySoundEvent", "AudioSound", SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL));
    PointAt(play.CentreOf(4, 5));
    EXPECT_EQ(1u, NumMoves()) << "a square already in the paint colour is not painted again";
    const int keyColor = play.Progress().GetColorIndex(play.At(0, 1));
    PointAtSquare(0, 1);
    EXPECT_EQ(keyColor, play.Progress().GetColorIndex(play.At(0, 1))) << "key squares keep their colour";
    PointAtSquare(0, 2);
    EXPECT_EQ(3, play.Progress().GetColorIndex(play.At(0, 2)));
    EXPECT_EQ(2u, NumMoves());

    EXPECT_FALSE(board.HandleInput(RIGHT_BUTTON, UP));
    PointAt(Vector2(1.2f, 0.5f));
    EXPECT_TRUE(board.HandleInput(LEFT_BUTTON, UP)) << "no square is focused, yet the stroke is the board's";
    EXPECT_FALSE(play.Progress().IsPainting());
    EXPECT_EQ(1, log.Count("EndPaintingEvent"));
    PointAtSquare(1, 4);
    EXPECT_EQ(-1, play.Progress().GetColorIndex(play.At(1, 4))) << "the stroke has ended";
}

// With the brush held, a board that shows its cages takes a click on a
// candidate as a value and is never painted.
TEST(BoardBrushTest, OnlyBoardsWithHiddenCagesArePainted)
{
    FakeBoardSettings settings;
    settings.paintingCages = true;
    settings.paintColorIndex = 3;
    const struct {
        unsigned attributes;
        unsigned clickedValue;
        int paintedColor;
    } cases[] = {{0, 2, -1}, {SOLVING_ATTRIBUTE_HIDDEN_CAGES, 0, 3}};
    for (const auto& c : cases) {
        PlayableBoard play(ANSWER, Cages(), c.attributes);
        play.board.UpdatePointer(play.CandidatePoint(4, 5, 2), SOLUTIONS_LAYOUT_SINGLE_BOARD);
        EXPECT_TRUE(play.board.HandleInput(LEFT_BUTTON, DOWN));
        play.board.UpdatePointer(play.CentreOf(3, 5), SOLUTIONS_LAYOUT_SINGLE_BOARD);
        EXPECT_EQ(c.clickedValue, play.ValueAt(4, 5)) << c.attributes;
        EXPECT_EQ(c.paintedColor, play.Progress().GetColorIndex(play.At(3, 5))) << c.attributes;
    }
}

TEST(BoardInputNineByNineTest, KeyNineAndNumpadNinePlaceTheLargestValue)
{
    FakeBoardSettings settings;
    CageSpec everything{CAGE_RULE_NOOP, {}, 0};
    for (unsigned i = 0; i < 81; ++i) {
        everything.squares.emplace_back(i % 9, i / 9);
    }
    PlayableBoard play(NineByNineAnswer(), {everything});
    for (const auto& [x, key] : {std::make_pair(0u, 0x39), std::make_pair(1u, 0x69)}) {
        play.board.UpdatePointer(play.CentreOf(x, 0), SOLUTIONS_LAYOUT_SINGLE_BOARD);
        EXPECT_TRUE(play.board.HandleInput(key, DOWN)) << key;
        EXPECT_EQ(9u, play.ValueAt(x, 0)) << key;
    }
}

} // namespace
