// The four board edits, undo, redo and re-application, and the derived
// state (automatic eliminations) they keep up to date.
#include "engine/core/UlvoException.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace Pemberquill;

namespace {

// 1234 / 3412 / 2143 / 4321, in eight cages of every arithmetic rule.
const std::vector<std::string> ANSWER = {"1234", "3412", "2143", "4321"};

std::vector<CageSpec> Cages()
{
    return {
        {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}, 0},
        {CAGE_RULE_ADDITION, {{2, 0}, {3, 0}, {3, 1}}, 1},
        {CAGE_RULE_SUBTRACTION, {{0, 1}, {0, 2}}, 2},
        {CAGE_RULE_DIVISION, {{1, 1}, {2, 1}}, 3},
        {CAGE_RULE_EQUALS, {{1, 2}}, 0},
        {CAGE_RULE_ADDITION, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}, 4},
        {CAGE_RULE_MULTIPLICATION, {{0, 3}, {1, 3}}, 2},
    };
}

// Everything an edit can change, for comparing a board before and after.
struct BoardState {
    std::vector<unsigned> values;
    std::vector<int> colors;
    std::vector<uint16_t> playerEliminations;
    std::vector<uint16_t> autoEliminations;
    std::vector<bool> invalidSolutions;
    std::vector<bool> autoSolutions;

    bool operator==(const BoardState& other) const
    {
        return values == other.values && colors == other.colors && playerEliminations == other.playerEliminations &&
               autoEliminations == other.autoEliminations && invalidSolutions == other.invalidSolutions &&
               autoSolutions == other.autoSolutions;
    }
};

BoardState Capture(const Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    BoardState state;
    for (const Square& square : board.GetSquares()) {
        state.values.push_back(progress.GetValue(square));
        state.colors.push_back(progress.GetColorIndex(square));
        state.playerEliminations.push_back(progress.GetPlayerEliminations(square));
        state.autoEliminations.push_back(progress.GetAutoEliminations(square));
    }
    for (const Cage& cage : board.GetCages()) {
        for (size_t i = 0; i < cage.solutions.size(); ++i) {
            state.invalidSolutions.push_back(progress.IsSolutionMarkedInvalid(cage.index, static_cast<int>(i)));
            state.autoSolutions.push_back(progress.IsSolutionAutoEliminated(cage.index, static_cast<int>(i)));
        }
    }
    return state;
}

class BoardEditsTest : public ::testing::Test {
protected:
    BoardEditsTest() : play(ANSWER, Cages())
    {
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
    }

    // Applies the edit, then checks that undo restores the state before it
    // and redo the state after it, with the step count left alone.
    template <typename Edit>
    void ExpectUndoRedoRoundTrip(Edit edit)
    {
        const BoardState before = Capture(board);
        const BoardMove move = edit();
        ASSERT_GT(move.type, 0);
        const BoardState after = Capture(board);
        ASSERT_FALSE(before == after);
        const int steps = play.Progress().GetSteps();

        EXPECT_TRUE(board.Undo());
        EXPECT_TRUE(Capture(board) == before);
        EXPECT_TRUE(board.Redo());
        EXPECT_TRUE(Capture(board) == after);
        EXPECT_EQ(steps, play.Progress().GetSteps());
    }

    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardEditsTest, SetSquareValueBuildsTheMoveAndPlacesTheValue)
{
    const BoardMove move = board.SetSquareValue(play.At(2, 1), 1, false, false);

    EXPECT_EQ(MOVE_TYPE_VALUE, move.type);
    EXPECT_EQ(2, move.x);
    EXPECT_EQ(1, move.y);
    EXPECT_EQ(1, move.data);
    EXPECT_EQ(0, move.extraData);
    EXPECT_EQ(-1, move.rowIndex);
    EXPECT_EQ(-1, move.columnIndex);
    EXPECT_EQ(0, move.originatingBoardIndex);
    EXPECT_EQ(1u, play.ValueAt(2, 1));
    ASSERT_EQ(1u, play.Progress().GetMoves().size());
    EXPECT_EQ(1, play.Progress().GetSteps());

    const BoardMove second = board.SetSquareValue(play.At(2, 1), 3, false, false);
    EXPECT_EQ(1, second.extraData) << "the value it replaces";
}

TEST_F(BoardEditsTest, EachMoveTypeUndoesAndRedoesToTheSameBoard)
{
    ExpectUndoRedoRoundTrip([&] { return board.SetSquareValue(play.At(1, 1), 4, false, true); });
    ExpectUndoRedoRoundTrip([&] { return board.SetSquareValue(play.At(1, 1), 0, false, true); });
    ExpectUndoRedoRoundTrip([&] { return board.ToggleCandidate(play.At(0, 0), 3, false); });
    ExpectUndoRedoRoundTrip([&] { return board.ToggleCandidate(play.At(0, 0), 3, false); });
    ExpectUndoRedoRoundTrip([&] { return board.SetSquareColor(play.At(1, 0), 5, false); });
    ExpectUndoRedoRoundTrip([&] { return board.MarkSolutionInvalid(5, 0, false); });
}

TEST_F(BoardEditsTest, ANewEditDropsTheRedoTail)
{
    board.SetSquareValue(play.At(0, 0), 1, false, false);
    board.SetSquareValue(play.At(1, 0), 2, false, false);
    board.SetSquareValue(play.At(2, 0), 3, false, false);
    board.Undo();
    board.Undo();

    const BoardMove move = board.ToggleCandidate(play.At(3, 3), 2, false);

    const std::vector<BoardMove>& moves = play.Progress().GetMoves();
    ASSERT_EQ(2u, moves.size());
    EXPECT_EQ(MOVE_TYPE_VALUE, moves[0].type);
    EXPECT_EQ(move.type, moves[1].type);
    EXPECT_EQ(2, play.Progress().GetMoveTracker());
    EXPECT_FALSE(board.Redo());
    EXPECT_EQ(0u, play.ValueAt(1, 0));
    EXPECT_EQ(4, play.Progress().GetSteps()) << "undone edits were still made";
}

TEST_F(BoardEditsTest, RefusedEditsChangeAndRecordNothing)
{
    const BoardState before = Capture(board);

    const BoardMove tooLarge = board.SetSquareValue(play.At(1, 2), 5, false, true);
    EXPECT_EQ(MOVE_TYPE_BAD_VALUE, tooLarge.type);
    EXPECT_EQ(1, tooLarge.x);
    EXPECT_EQ(2, tooLarge.y);
    EXPECT_EQ(5, tooLarge.data);
    EXPECT_EQ(MOVE_TYPE_BAD_VALUE, board.SetSquareValue(play.At(1, 2), -1, false, true).type);

    const BoardMove noCandidate = board.ToggleCandidate(play.At(1, 2), 0, false);
    EXPECT_EQ(MOVE_TYPE_BAD_CANDIDATE, noCandidate.type);
    EXPECT_EQ(0, noCandidate.data);
    EXPECT_EQ(0, noCandidate.extraData);
    EXPECT_EQ(MOVE_TYPE_BAD_CANDIDATE, board.ToggleCandidate(play.At(1, 2), 5, false).type);

    EXPECT_EQ(MOVE_TYPE_BAD_CAGE, board.MarkSolutionInvalid(7, 0, false).type);
    EXPECT_EQ(MOVE_TYPE_BAD_CAGE, board.MarkSolutionInvalid(-1, 0, false).type);
    const BoardMove noSolution = board.MarkSolutionInvalid(4, 1, false);
    EXPECT_EQ(MOVE_TYPE_BAD_SOLUTION, noSolution.type);
    EXPECT_EQ(1, noSolution.x);

    EXPECT_TRUE(Capture(board) == before);
    EXPECT_TRUE(play.Progress().GetMoves().empty());
    EXPECT_EQ(0, play.Progress().GetSteps());

    // Marks past the tracked solutions could not be stored or undone.
    board.GetCages()[4].solutions.resize(MAX_TRACKED_SOLUTIONS + 1);
    EXPECT_EQ(MOVE_TYPE_BAD_SOLUTION, board.MarkSolutionInvalid(4, MAX_TRACKED_SOLUTIONS, false).type);
    EXPECT_EQ(MOVE_TYPE_SOLUTION_MARK, board.MarkSolutionInvalid(4, MAX_TRACKED_SOLUTIONS - 1, false).type);
}

TEST(BoardAutoEliminationTest, PlacingAValueRulesItOutInItsLinesOnlyWhileTheOptionIsOn)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());

    play.board.SetSquareValue(play.At(1, 1), 4, false, false);
    for (int value = 1; value <= 4; ++value) {
        EXPECT_FALSE(play.IsOpen(1, 1, value)) << "a filled square keeps no candidate";
    }
    for (unsigned i = 0; i < 4; ++i) {
        if (i != 1) {
            EXPECT_FALSE(play.IsOpen(i, 1, 4)) << "row, column " << i;
            EXPECT_FALSE(play.IsOpen(1, i, 4)) << "column, row " << i;
            EXPECT_TRUE(play.IsOpen(i, 1, 3));
        }
    }
    EXPECT_TRUE(play.IsOpen(0, 0, 4));
    EXPECT_EQ(0, play.Progress().GetPlayerEliminations(play.At(0, 1)));

    settings.useAutoElimination = false;
    play.board.RecomputeAutoEliminations();
    EXPECT_TRUE(play.IsOpen(0, 1, 4));
    EXPECT_TRUE(play.IsOpen(1, 3, 4));
    EXPECT_FALSE(play.IsOpen(1, 1, 2));
}

TEST(BoardApplyMoveTest, AppliesAMoveMadeElsewhereAsOneUnrecordedStep)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());
    const BoardMove hint = play.board.SetSquareValue(play.At(3, 3), 1, true, false);

    EXPECT_TRUE(play.board.ApplyMove(hint));

    EXPECT_EQ(1u, play.ValueAt(3, 3));
    EXPECT_FALSE(play.IsOpen(3, 0, 1)) << "eliminations follow the applied value";
    EXPECT_EQ(1, play.Progress().GetSteps());
    EXPECT_TRUE(play.Progress().GetMoves().empty());

    const BoardMove candidate = play.board.ToggleCandidate(play.At(2, 2), 3, true);
    EXPECT_TRUE(play.board.ApplyMove(candidate));
    EXPECT_TRUE(play.Progress().IsCandidateEliminatedByPlayer(play.At(2, 2), 2));
    const BoardMove mark = play.board.MarkSolutionInvalid(5, 0, true);
    EXPECT_TRUE(play.board.ApplyMove(mark));
    EXPECT_TRUE(play.Progress().IsSolutionMarkedInvalid(5, 0));
    EXPECT_EQ(3, play.Progress().GetSteps());
}

TEST(BoardApplyMoveTest, RefusesMovesThatDoNotFitTheBoard)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());
    BoardMove move = play.board.SetSquareValue(play.At(0, 0), 1, true, false);

    BoardMove empty;
    EXPECT_FALSE(play.board.ApplyMove(empty));
    BoardMove outside = move;
    outside.x = 4;
    EXPECT_FALSE(play.board.ApplyMove(outside));
    BoardMove tooLarge = move;
    tooLarge.data = 9;
    EXPECT_FALSE(play.board.ApplyMove(tooLarge));
    BoardMove noSuchCage = play.board.MarkSolutionInvalid(0, 0, true);
    noSuchCage.x = 12;
    EXPECT_FALSE(play.board.ApplyMove(noSuchCage));

    EXPECT_EQ(0, play.Progress().GetSteps());
    EXPECT_EQ(0u, play.ValueAt(0, 0));
    play.board.SetProgress(nullptr);
    EXPECT_FALSE(play.board.ApplyMove(move));
}

TEST(BoardTwoBoardHistoryTest, PaintStaysOnTheBoardThatMadeIt)
{
    FakeBoardSettings settings;
    PlayableBoard first(ANSWER, Cages(), 0, 0);
    PlayableBoard second(ANSWER, Cages(), 0, 1);
    const BoardMove paint = second.board.SetSquareColor(second.At(2, 2), 5, false);
    EXPECT_EQ(1, paint.originatingBoardIndex);

    // The puzzle copies one board's history into the other's progress.
    first.Progress().RecordMove(paint);
    const BoardState before = Capture(first.board);

    EXPECT_TRUE(first.board.Undo());
    EXPECT_TRUE(Capture(first.board) == before);
    EXPECT_TRUE(first.board.Redo());
    EXPECT_TRUE(Capture(first.board) == before);
    EXPECT_FALSE(first.board.ApplyMove(paint));
    EXPECT_TRUE(second.board.ApplyMove(paint));
}

// A shared history holds the other board's solution marks, whose cages and
// solutions this board may lack, and a damaged record may hold anything the
// reader lets through: undo and redo step over such moves and change nothing.
TEST(BoardTwoBoardHistoryTest, MovesNamingWhatTheBoardLacksAreSteppedOver)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());
    play.board.RecomputeAutoEliminations();
    play.board.UpdateCageSolutions();
    ASSERT_EQ(1u, play.board.GetCages()[4].solutions.size());
    BoardMove lacking[4];
    lacking[0] = play.board.MarkSolutionInvalid(4, 0, true);
    lacking[0].y = 5;
    lacking[1] = play.board.MarkSolutionInvalid(4, 0, true);
    lacking[1].x = 20;
    lacking[2] = play.board.SetSquareValue(play.At(1, 1), 2, true, false);
    lacking[2].x = 7;
    lacking[3] = play.board.ToggleCandidate(play.At(1, 1), 2, true);
    lacking[3].data = 9;
    for (const BoardMove& move : lacking) {
        play.Progress().RecordMove(move);
    }
    const BoardState before = Capture(play.board);

    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(play.board.Undo()) << i;
    }
    EXPECT_TRUE(Capture(play.board) == before);
    EXPECT_FALSE(play.Progress().IsSolutionMarkedInvalid(4, 5));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(play.board.Redo()) << i;
    }
    EXPECT_TRUE(Capture(play.board) == before);
    EXPECT_FALSE(play.Progress().IsSolutionMarkedInvalid(4, 5));
    EXPECT_EQ(4, play.Progress().GetMoveTracker());
    EXPECT_EQ(0, play.Progress().GetSteps());
}

} // namespace
