// The pointer update, the keys and buttons a board takes, painting and the
// focus sounds.
#include "game/common/GameSoundID.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <vector>

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
constexpr int KEY_NUMPAD_4 = 0x64;

// A 6 x 6 board, large enough for the candidate grid of the second layout.
const std::vector<std::string> ANSWER = {"123456", "234561", "345612", "456123", "561234", "612345"};

std::vector<CageSpec> Cages()
{
    std::vector<CageSpec> cages = {
        {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {1, 1}}, 0},
        {CAGE_RULE_MULTIPLICATION, {{2, 0}, {3, 0}}, 1},
        {CAGE_RULE_ADDITION, {{0, 1}, {0, 2}}, 2},
        {CAGE_RULE_ADDITION, {{2, 1}, {3, 1}}, 3},
        {CAGE_RULE_EQUALS, {{1, 2}}, 4},
        {CAGE_RULE_ADDITION, {{0, 5}, {1, 5}}, 0},
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
    BoardInputTest() : play(ANSWER, Cages())
    {
        log.Listen(events, {"PlaySoundEvent", "EndPaintingEvent", "UpdateSolutionsEvent"});
        board.RecomputeAutoEliminations();
    }

    void PointAt(const Vector2& point) { board.UpdatePointer(point, SOLUTIONS_LAYOUT_SINGLE_BOARD); }
    void PointAtSquare(unsigned x, unsigned y) { PointAt(play.CentreOf(x, y)); }

    std::vector<GameSoundID> Sounds() const
    {
        std::vector<GameSoundID> sounds;
        for (const EventLog::Entry& entry : log.entries) {
            GameSoundID id = SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL;
            if (entry.name == "PlaySoundEvent" && entry.args.Get("AudioSound", id) == PROPERTY_FETCH_OK) {
                sounds.push_back(id);
            }
        }
        return sounds;
    }

    size_t NumMoves() const { return play.progress->GetMoves().size(); }

    UlvoEventSystem events;
    EventLog log;
    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardInputTest, ThePointerFocusesTheSquareUnderIt)
{
    PointAtSquare(4, 2);
    EXPECT_EQ(16, board.GetFocusedSquareIndex());
    EXPECT_EQ(&play.At(4, 2), board.GetFocusedSquare());
    EXPECT_EQ(play.CentreOf(4, 2).x, board.GetPointerPosition().x);

    PointAt(Vector2(1.0f, 1.0f));
    EXPECT_EQ(35, board.GetFocusedSquareIndex()) << "the far edge still belongs to the board";

    PointAt(Vector2(1.01f, 0.5f));
    EXPECT_EQ(-1, board.GetFocusedSquareIndex());
    EXPECT_EQ(nullptr, board.GetFocusedSquare());
}

TEST_F(BoardInputTest, DigitKeysPlaceValuesAndShiftTogglesCandidates)
{
    PointAtSquare(3, 3);
    EXPECT_TRUE(board.HandleInput(KEY_3, DOWN));
    EXPECT_EQ(3u, play.ValueAt(3, 3));
    EXPECT_TRUE(board.HandleInput(KEY_NUMPAD_4, DOWN));
    EXPECT_EQ(4u, play.ValueAt(3, 3));

    EXPECT_FALSE(board.HandleInput(KEY_3, UP));
    EXPECT_FALSE(board.HandleInput(KEY_3, REPEAT));
    EXPECT_FALSE(board.HandleInput('5', CHARACTER));

    PointAtSquare(4, 4);
    settings.shiftDown = true;
    EXPECT_TRUE(board.HandleInput(KEY_3, DOWN));
    EXPECT_EQ(0u, play.ValueAt(4, 4));
    EXPECT_TRUE(play.progress->IsCandidateEliminatedByPlayer(play.At(4, 4), 2));
    EXPECT_EQ(3u, NumMoves());
}

TEST_F(BoardInputTest, DeleteSpaceAndBackspaceClearTheSquare)
{
    PointAtSquare(5, 5);
    const int clearing[][2] = {{KEY_DELETE, DOWN}, {' ', CHARACTER}, {8, CHARACTER}};
    for (const auto& input : clearing) {
        board.SetSquareValue(play.At(5, 5), 2, false, false);
        EXPECT_TRUE(board.HandleInput(input[0], input[1])) << input[0];
        EXPECT_EQ(0u, play.ValueAt(5, 5)) << input[0];
    }
    EXPECT_FALSE(board.HandleInput(KEY_DELETE, CHARACTER));
}

TEST_F(BoardInputTest, TheRightButtonClearsAFilledSquareOnly)
{
    // The label strip at the top of the square holds no candidate.
    const Vector2 labelStrip = play.At(4, 1).bounds.mins + Vector2(0.5f, 0.1f) * board.GetSquareEdge();
    PointAt(labelStrip);
    ASSERT_EQ(-1, board.GetFocusedCandidate());
    EXPECT_FALSE(board.HandleInput(RIGHT_BUTTON, DOWN));

    board.SetSquareValue(play.At(4, 1), 6, false, false);
    EXPECT_TRUE(board.HandleInput(RIGHT_BUTTON, DOWN));
    EXPECT_EQ(0u, play.ValueAt(4, 1));
}

TEST_F(BoardInputTest, ClickingACandidatePlacesOrTogglesIt)
{
    PointAt(play.CandidatePoint(2, 4, 6));
    ASSERT_EQ(5, board.GetFocusedCandidate());
    EXPECT_TRUE(board.HandleInput(RIGHT_BUTTON, DOWN));
    EXPECT_TRUE(play.progress->IsCandidateEliminatedByPlayer(play.At(2, 4), 5));
    EXPECT_FALSE(play.progress->IsCandidateEliminatedByPlayer(play.At(2, 5), 5)) << "no Shift, no spread";

    EXPECT_TRUE(board.HandleInput(LEFT_BUTTON, DOWN));
    EXPECT_EQ(6u, play.ValueAt(2, 4));
    EXPECT_FALSE(board.HandleInput(LEFT_BUTTON, UP));
}

TEST_F(BoardInputTest, ShiftRightClickSpreadsTheToggleOverTheCage)
{
    // Cage 0 holds (0,0), (1,0) and (1,1); (1,1) already has candidate 4 out.
    board.ToggleCandidate(play.At(1, 1), 4, false);
    settings.shiftDown = true;
    PointAt(play.CandidatePoint(0, 0, 4));

    EXPECT_TRUE(board.HandleInput(RIGHT_BUTTON, DOWN));

    for (const auto& [x, y] : std::vector<std::pair<unsigned, unsigned>>{{0, 0}, {1, 0}, {1, 1}}) {
        EXPECT_TRUE(play.progress->IsCandidateEliminatedByPlayer(play.At(x, y), 3)) << x << "," << y;
    }
    EXPECT_EQ(3u, NumMoves()) << "one toggle for the square clicked and one for the square that differed";
}

TEST_F(BoardInputTest, PaintingStrokeFromPressToRelease)
{
    settings.paintingCages = true;
    settings.paintColorIndex = 3;
    PointAtSquare(4, 5);
    EXPECT_EQ(-1, board.GetFocusedCandidate()) << "no candidates while painting";
    EXPECT_EQ(0u, NumMoves()) << "pointing alone paints nothing";

    EXPECT_TRUE(board.HandleInput(LEFT_BUTTON, DOWN));
    EXPECT_TRUE(play.progress->IsPainting());
    log.entries.clear();

    PointAt(play.CentreOf(4, 5) + Vector2(0.01f, 0.0f));
    EXPECT_EQ(3, play.progress->GetColorIndex(play.At(4, 5)));
    EXPECT_EQ(std::vector<GameSoundID>{SOUND_PLAYINGPUZZLE_PAINT_USED}, Sounds());
    PointAt(play.CentreOf(4, 5));
    EXPECT_EQ(1u, NumMoves()) << "a square already in the paint colour is not painted again";

    const int keyColor = play.progress->GetColorIndex(play.At(0, 1));
    PointAtSquare(0, 1);
    EXPECT_EQ(keyColor, play.progress->GetColorIndex(play.At(0, 1))) << "key squares keep their colour";
    PointAtSquare(0, 2);
    EXPECT_EQ(3, play.progress->GetColorIndex(play.At(0, 2)));
    EXPECT_EQ(2u, NumMoves());
    EXPECT_EQ(MOVE_TYPE_COLOR, play.progress->GetMoves().back().type);

    EXPECT_FALSE(board.HandleInput(RIGHT_BUTTON, UP));
    EXPECT_TRUE(board.HandleInput(LEFT_BUTTON, UP));
    EXPECT_FALSE(play.progress->IsPainting());
    EXPECT_EQ(1, log.Count("EndPaintingEvent"));
    EXPECT_TRUE(log.Last("EndPaintingEvent").IsEmpty());

    PointAtSquare(1, 4);
    EXPECT_EQ(-1, play.progress->GetColorIndex(play.At(1, 4))) << "the stroke has ended";
}

TEST(BoardInputWithoutProgressTest, PointerWorksAndInputIsLeftAlone)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());
    play.board.SetProgress(nullptr);

    play.board.UpdatePointer(play.CandidatePoint(1, 1, 2), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    EXPECT_EQ(7, play.board.GetFocusedSquareIndex());
    EXPECT_EQ(1, play.board.GetFocusedCandidate());
    EXPECT_FALSE(play.board.HandleInput(KEY_3, DOWN));
    EXPECT_FALSE(play.board.HandleInput(LEFT_BUTTON, DOWN));
}

TEST(BoardInputNineByNineTest, KeyNineAndNumpadNinePlaceTheLargestValue)
{
    FakeBoardSettings settings;
    std::vector<std::string> answer;
    CageSpec everything{CAGE_RULE_NOOP, {}, 0};
    for (unsigned y = 0; y < 9; ++y) {
        std::string row;
        for (unsigned x = 0; x < 9; ++x) {
            row += static_cast<char>('1' + (x + y) % 9);
            everything.squares.emplace_back(x, y);
        }
        answer.push_back(row);
    }
    PlayableBoard play(answer, {everything});
    for (const auto& [x, key] : {std::make_pair(0u, 0x39), std::make_pair(1u, 0x69)}) {
        play.board.UpdatePointer(play.CentreOf(x, 0), SOLUTIONS_LAYOUT_SINGLE_BOARD);
        EXPECT_TRUE(play.board.HandleInput(key, DOWN)) << key;
        EXPECT_EQ(9u, play.ValueAt(x, 0)) << key;
    }
}

} // namespace
