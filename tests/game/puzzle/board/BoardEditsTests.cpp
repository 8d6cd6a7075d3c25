// The four board edits, undo, redo and re-application, the automatic
// eliminations they keep up to date, and the events they fire: once each,
// with their arguments, and never for moves made elsewhere, undone, redone
// or refused.
#include "engine/core/Diagnostics.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace Pemberquill;

namespace {

// 1234 / 3412 / 2143 / 4321, in cages of every arithmetic rule.
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

// Everything an edit can change: per square its value, colour, player and
// automatic eliminations; per solution its invalid and automatic marks.
std::string Capture(const Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    std::string state;
    for (const Square& square : board.GetSquares()) {
        state += Stringf("%u %d %x %x|", progress.GetValue(square), progress.GetColorIndex(square),
                         progress.GetPlayerEliminations(square), progress.GetAutoEliminations(square));
    }
    for (const Cage& cage : board.GetCages()) {
        for (int i = 0; i < static_cast<int>(cage.solutions.size()); ++i) {
            state += progress.IsSolutionMarkedInvalid(cage.index, i) ? 'x' : '.';
            state += progress.IsSolutionAutoEliminated(cage.index, i) ? 'a' : '.';
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
        log.Listen(events, {"OnSetSquareValue", "OnToggleCandidate", "CandidateEliminatedEvent",
                            "OnToggleSolutionInvalid", "UpdateSolutionsEvent"});
    }

    UlvoEventSystem events;
    EventLog log;
    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardEditsTest, EachEditUndoesAndRedoesToTheSameBoardWithoutAStep)
{
    const std::function<BoardMove()> edits[] = {
        [&] { return board.SetSquareValue(play.At(1, 1), 4, false, true); },
        [&] { return board.SetSquareValue(play.At(1, 1), 0, false, true); },
        [&] { return board.ToggleCandidate(play.At(0, 0), 3, false); },
        [&] { return board.ToggleCandidate(play.At(0, 0), 3, false); },
        [&] { return board.SetSquareColor(play.At(1, 0), 5, false); },
        [&] { return board.MarkSolutionInvalid(5, 0, false); },
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(&edit - edits);
        const std::string before = Capture(board);
        ASSERT_GT(edit().type, 0);
        const std::string after = Capture(board);
        ASSERT_NE(before, after);
        const int steps = play.Progress().GetSteps();
        EXPECT_TRUE(board.Undo());
        EXPECT_EQ(before, Capture(board));
        EXPECT_TRUE(board.Redo());
        EXPECT_EQ(after, Capture(board));
        EXPECT_EQ(steps, play.Progress().GetSteps());
    }
}

TEST_F(BoardEditsTest, AValueMoveRecordsWhatItReplacesAndANewEditDropsTheRedoTail)
{
    const BoardMove m = board.SetSquareValue(play.At(2, 1), 1, false, false);
    EXPECT_EQ(std::make_tuple(MOVE_TYPE_VALUE, 2, 1, 1, 0, 0),
              std::make_tuple(m.type, m.x, m.y, m.data, m.extraData, m.originatingBoardIndex));
    EXPECT_EQ(1, board.SetSquareValue(play.At(2, 1), 3, false, false).extraData) << "the value it replaces";
    board.SetSquareValue(play.At(2, 0), 3, false, false);
    board.Undo();
    board.Undo();

    board.ToggleCandidate(play.At(3, 3), 2, false);
    ASSERT_EQ(2u, play.Progress().GetMoves().size());
    EXPECT_EQ(MOVE_TYPE_CANDIDATE, play.Progress().GetMoves()[1].type);
    EXPECT_EQ(2, play.Progress().GetMoveTracker());
    EXPECT_FALSE(board.Redo());
    EXPECT_EQ(4, play.Progress().GetSteps()) << "undone edits were still made";
}

TEST_F(BoardEditsTest, RefusedEditsChangeAndRecordNothing)
{
    const std::string before = Capture(board);
    const struct { BoardMove move; int type; } refused[] = {
        {board.SetSquareValue(play.At(1, 2), 5, false, true), MOVE_TYPE_BAD_VALUE},
        {board.SetSquareValue(play.At(1, 2), -1, false, true), MOVE_TYPE_BAD_VALUE},
        {board.ToggleCandidate(play.At(1, 2), 0, false), MOVE_TYPE_BAD_CANDIDATE},
        {board.ToggleCandidate(play.At(1, 2), 5, false), MOVE_TYPE_BAD_CANDIDATE},
        {board.MarkSolutionInvalid(7, 0, false), MOVE_TYPE_BAD_CAGE},
        {board.MarkSolutionInvalid(-1, 0, false), MOVE_TYPE_BAD_CAGE},
        {board.MarkSolutionInvalid(4, 1, false), MOVE_TYPE_BAD_SOLUTION},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(r.type, r.move.type) << &r - refused;
    }
    EXPECT_EQ(5, refused[0].move.data);
    // The progress keeps to the board's candidates also when asked directly.
    play.Progress().SetChanged(false);
    play.Progress().SetPlayerCandidateBit(play.At(1, 2), 4, true);
    play.Progress().SetAutoCandidateBit(play.At(1, 2), 4, true);
    EXPECT_FALSE(play.Progress().HasChanged());
    EXPECT_EQ(before, Capture(board));
    EXPECT_TRUE(play.Progress().GetMoves().empty());
    EXPECT_EQ(0, play.Progress().GetSteps());

    // Marks past the tracked solutions could not be stored or undone.
    board.GetCages()[4].solutions.resize(MAX_TRACKED_SOLUTIONS + 1);
    EXPECT_EQ(MOVE_TYPE_BAD_SOLUTION, board.MarkSolutionInvalid(4, MAX_TRACKED_SOLUTIONS, false).type);
    EXPECT_EQ(MOVE_TYPE_SOLUTION_MARK, board.MarkSolutionInvalid(4, MAX_TRACKED_SOLUTIONS - 1, false).type);
}

TEST_F(BoardEditsTest, PlacingAValueRulesItOutInItsLinesOnlyWhileTheOptionIsOn)
{
    board.SetSquareValue(play.At(1, 1), 4, false, false);
    for (int value = 1; value <= 4; ++value) {
        EXPECT_FALSE(play.IsOpen(1, 1, value)) << "a filled square keeps no candidate";
    }
    for (unsigned i : {0u, 2u, 3u}) {
        EXPECT_FALSE(play.IsOpen(i, 1, 4)) << "row, column " << i;
        EXPECT_FALSE(play.IsOpen(1, i, 4)) << "column, row " << i;
        EXPECT_TRUE(play.IsOpen(i, 1, 3));
    }
    EXPECT_TRUE(play.IsOpen(0, 0, 4));
    EXPECT_EQ(0, play.Progress().GetPlayerEliminations(play.At(0, 1)));

    settings.useAutoElimination = false;
    board.RecomputeAutoEliminations();
    EXPECT_TRUE(play.IsOpen(0, 1, 4));
    EXPECT_FALSE(play.IsOpen(1, 1, 2));
}

TEST_F(BoardEditsTest, ApplyingAMoveMadeElsewhereIsOneUnrecordedStepIfItFits)
{
    EXPECT_TRUE(board.ApplyMove(board.SetSquareValue(play.At(3, 3), 1, true, false)));
    EXPECT_EQ(1u, play.ValueAt(3, 3));
    EXPECT_FALSE(play.IsOpen(3, 0, 1)) << "eliminations follow the applied value";
    EXPECT_TRUE(board.ApplyMove(board.ToggleCandidate(play.At(2, 2), 3, true)));
    EXPECT_TRUE(play.Progress().IsCandidateEliminatedByPlayer(play.At(2, 2), 2));
    EXPECT_TRUE(board.ApplyMove(board.MarkSolutionInvalid(5, 0, true)));
    EXPECT_TRUE(play.Progress().IsSolutionMarkedInvalid(5, 0));
    EXPECT_EQ(3, play.Progress().GetSteps());
    EXPECT_TRUE(play.Progress().GetMoves().empty());

    BoardMove outside = board.SetSquareValue(play.At(0, 0), 1, true, false);
    BoardMove tooLarge = outside;
    outside.x = 4;
    tooLarge.data = 9;
    BoardMove noSuchCage = board.MarkSolutionInvalid(0, 0, true);
    noSuchCage.x = 12;
    for (const BoardMove& move : {BoardMove(), outside, tooLarge, noSuchCage}) {
        EXPECT_FALSE(board.ApplyMove(move));
    }
    EXPECT_EQ(3, play.Progress().GetSteps());
    board.SetProgress(nullptr);
    EXPECT_FALSE(board.ApplyMove(board.SetSquareValue(play.At(0, 0), 1, true, false)));
}

// A history shared by two boards holds paint of the other board and marks
// of solutions this board may lack, and a damaged record may hold anything
// the reader lets through: undo and redo step over such moves.
TEST_F(BoardEditsTest, MovesOfAnotherBoardOrNamingWhatTheBoardLacksAreSteppedOver)
{
    PlayableBoard second(ANSWER, Cages(), 0, 1);
    const BoardMove paint = second.board.SetSquareColor(second.At(2, 2), 5, false);
    EXPECT_EQ(1, paint.originatingBoardIndex);
    EXPECT_FALSE(board.ApplyMove(paint));
    EXPECT_TRUE(second.board.ApplyMove(paint));

    ASSERT_EQ(1u, board.GetCages()[4].solutions.size());
    BoardMove lacking[5] = {paint, board.MarkSolutionInvalid(4, 0, true), board.MarkSolutionInvalid(4, 0, true),
                            board.SetSquareValue(play.At(1, 1), 2, true, false),
                            board.ToggleCandidate(play.At(1, 1), 2, true)};
    lacking[1].y = 5;
    lacking[2].x = 20;
    lacking[3].x = 7;
    lacking[4].data = 9;
    for (const BoardMove& move : lacking) {
        play.Progress().RecordMove(move);
    }
    const std::string before = Capture(board);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(board.Undo()) << i;
    }
    EXPECT_EQ(before, Capture(board));
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(board.Redo()) << i;
    }
    EXPECT_EQ(before, Capture(board));
    EXPECT_FALSE(play.Progress().IsSolutionMarkedInvalid(4, 5));
    EXPECT_EQ(0, play.Progress().GetSteps());
}

TEST_F(BoardEditsTest, EachEditFiresOnceWithItsArguments)
{
    board.SetSquareValue(play.At(2, 1), 1, false, true);
    ASSERT_EQ(std::vector<std::string>{"OnSetSquareValue"}, log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnSetSquareValue", "board", nullptr));
    EXPECT_EQ(&play.At(2, 1), log.Get<Square*>("OnSetSquareValue", "square", nullptr));
    EXPECT_EQ(1u, log.Get<unsigned>("OnSetSquareValue", "solverValue", 99u));

    log.entries.clear();
    board.ToggleCandidate(play.At(3, 2), 2, false);
    ASSERT_EQ((std::vector<std::string>{"OnToggleCandidate", "CandidateEliminatedEvent"}), log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnToggleCandidate", "board", nullptr));
    EXPECT_EQ(&play.At(3, 2), log.Get<Square*>("OnToggleCandidate", "square", nullptr));
    EXPECT_EQ(1, log.Get<int>("OnToggleCandidate", "candidateIndex", -1));
    EXPECT_TRUE(log.Get<bool>("OnToggleCandidate", "wasJustEliminated", false));
    log.entries.clear();
    board.ToggleCandidate(play.At(3, 2), 2, false);
    ASSERT_EQ(std::vector<std::string>{"OnToggleCandidate"}, log.Names()) << "restoring eliminates nothing";
    EXPECT_FALSE(log.Get<bool>("OnToggleCandidate", "wasJustEliminated", true));

    log.entries.clear();
    board.MarkSolutionInvalid(5, 2, false);
    ASSERT_EQ(std::vector<std::string>{"OnToggleSolutionInvalid"}, log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnToggleSolutionInvalid", "Board", nullptr));
    EXPECT_EQ(5u, log.Get<unsigned>("OnToggleSolutionInvalid", "CageIndex", 99u));
    EXPECT_EQ(2u, log.Get<unsigned>("OnToggleSolutionInvalid", "SolutionIndex", 99u));
    EXPECT_FALSE(log.Get<bool>("OnToggleSolutionInvalid", "Validity", true));
}

TEST_F(BoardEditsTest, NothingFiresUnaskedForMovesMadeElsewhereOrRefused)
{
    const std::function<void()> silent[] = {
        [&] { board.SetSquareValue(play.At(2, 1), 1, false, false); },
        [&] { board.SetSquareValue(play.At(2, 1), 2, true, true); },
        [&] { board.SetSquareValue(play.At(2, 1), 9, false, true); },
        [&] { board.Undo(); },
        [&] { board.Redo(); },
        [&] { board.ApplyMove(board.SetSquareValue(play.At(3, 3), 1, true, true)); },
        [&] { board.SetSquareColor(play.At(3, 3), 2, false); },
        [&] { board.ToggleCandidate(play.At(3, 2), 2, true); },
        [&] { board.ToggleCandidate(play.At(3, 2), 0, false); },
        [&] { board.MarkSolutionInvalid(5, 2, true); },
        [&] { board.MarkSolutionInvalid(5, 200, false); },
        [&] {
            settings.autoSolving = true;
            board.UpdatePointer(play.CentreOf(1, 0), SOLUTIONS_LAYOUT_FIRST_BOARD);
            board.FireUpdateSolutionsEvent(SOLUTIONS_LAYOUT_SINGLE_BOARD);
        },
    };
    for (const auto& edit : silent) {
        edit();
        EXPECT_TRUE(log.entries.empty()) << &edit - silent;
    }
}

} // namespace
