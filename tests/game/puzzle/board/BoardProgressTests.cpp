#include "game/puzzle/board/BoardProgress.h"

#include "game/puzzle/board/Cage.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

Square At(unsigned x, unsigned y)
{
    Square square;
    square.x = x;
    square.y = y;
    return square;
}

BoardMove ValueMove(int x, int y, int value)
{
    BoardMove move;
    move.type = MOVE_TYPE_VALUE;
    move.x = x;
    move.y = y;
    move.data = value;
    return move;
}

TEST(BoardProgressTest, ResetClearsThePlayButKeepsTheSizes)
{
    std::vector<Square> squares = {At(0, 0)};
    std::vector<Cage> cages(1);
    cages[0].squares = {&squares[0]};
    cages[0].color = 2;
    cages[0].keySquare = 0;
    BoardProgress progress(3, cages);
    progress.SetValue(At(1, 1), 3);
    progress.SetPlayerCandidateBit(At(2, 1), 0, true);
    progress.SetAutoCandidateBit(At(2, 1), 1, true);
    progress.SetSolutionInvalidBit(0, 5, true);
    progress.SetSolutionAutoBit(0, 6, true);
    progress.SetSteps(12);
    progress.RecordMove(ValueMove(1, 1, 3));
    progress.SetChanged(false);

    progress.Reset();
    EXPECT_EQ(0u, progress.GetValue(At(1, 1)));
    EXPECT_EQ(-1, progress.GetColorIndex(At(0, 0))); // the board re-colours key squares
    EXPECT_EQ(3, progress.CountOpenCandidates(At(2, 1)));
    EXPECT_FALSE(progress.IsSolutionEliminated(0, 5));
    EXPECT_FALSE(progress.IsSolutionEliminated(0, 6));
    EXPECT_EQ(0, progress.GetSteps());
    EXPECT_TRUE(progress.GetMoves().empty());
    EXPECT_EQ(0, progress.GetMoveTracker());
    EXPECT_TRUE(progress.HasChanged());
    EXPECT_EQ(3u, progress.GetSize());
    EXPECT_EQ(1u, progress.GetNumberOfCages());
}

TEST(BoardProgressTest, CandidatesCountWhenEliminatedInEitherMask)
{
    BoardProgress progress(5, 0u);
    const Square a = At(1, 2);
    const Square b = At(4, 4);
    progress.SetPlayerCandidateBit(a, 0, true);
    progress.SetAutoCandidateBit(a, 4, true);
    EXPECT_TRUE(progress.IsCandidateEliminated(a, 0));
    EXPECT_TRUE(progress.IsCandidateEliminatedByPlayer(a, 0));
    EXPECT_FALSE(progress.IsCandidateEliminatedAutomatically(a, 0));
    EXPECT_TRUE(progress.IsCandidateEliminated(a, 4));
    EXPECT_FALSE(progress.IsCandidateEliminatedByPlayer(a, 4));
    EXPECT_EQ(3, progress.CountOpenCandidates(a));
    EXPECT_EQ(0x0001, progress.GetPlayerEliminations(a));
    EXPECT_EQ(0x0010, progress.GetAutoEliminations(a));

    EXPECT_FALSE(progress.HaveSameEliminatedCandidates(a, b));
    progress.SetAutoCandidateBit(b, 0, true);
    progress.SetPlayerCandidateBit(b, 4, true);
    EXPECT_TRUE(progress.HaveSameEliminatedCandidates(a, b));

    progress.ClearAutoEliminations();
    EXPECT_FALSE(progress.IsCandidateEliminated(a, 4));
    EXPECT_TRUE(progress.IsCandidateEliminated(a, 0));
    progress.SetPlayerCandidateBit(a, 0, false);
    EXPECT_EQ(5, progress.CountOpenCandidates(a));
}

TEST(BoardProgressTest, ChangesRaiseTheChangedFlag)
{
    BoardProgress progress(3, 1u);
    const auto expectChangeBy = [&progress](const char* what, auto change) {
        progress.SetChanged(false);
        change();
        EXPECT_TRUE(progress.HasChanged()) << what;
    };
    expectChangeBy("value", [&] { progress.SetValue(At(0, 0), 1); });
    expectChangeBy("colour", [&] { progress.SetColorIndex(At(0, 0), 1); });
    expectChangeBy("player candidate", [&] { progress.SetPlayerCandidateBit(At(0, 0), 1, true); });
    expectChangeBy("automatic candidate", [&] { progress.SetAutoCandidateBit(At(0, 0), 1, true); });
    expectChangeBy("invalid solution", [&] { progress.SetSolutionInvalidBit(0, 1, true); });
    expectChangeBy("automatic solution", [&] { progress.SetSolutionAutoBit(0, 1, true); });
}

TEST(BoardProgressTest, IndicesOutsideTheProgressAreIgnored)
{
    BoardProgress progress(3, 2u);
    progress.SetChanged(false);
    progress.SetValue(At(3, 0), 2);
    progress.SetColorIndex(At(0, 3), 2);
    progress.SetPlayerCandidateBit(At(0, 0), 3, true);
    progress.SetPlayerCandidateBit(At(0, 0), -1, true);
    progress.SetAutoCandidateBit(At(0, 0), 16, true);
    progress.SetSolutionInvalidBit(2, 0, true);
    progress.SetSolutionInvalidBit(-1, 0, true);
    progress.SetSolutionInvalidBit(0, MAX_TRACKED_SOLUTIONS, true);
    progress.SetSolutionAutoBit(0, -1, true);
    EXPECT_FALSE(progress.HasChanged());

    EXPECT_EQ(0u, progress.GetValue(At(3, 0)));
    EXPECT_EQ(-1, progress.GetColorIndex(At(0, 3)));
    EXPECT_FALSE(progress.IsCandidateEliminated(At(0, 0), 3));
    EXPECT_FALSE(progress.IsCandidateEliminated(At(9, 9), 0));
    EXPECT_FALSE(progress.IsSolutionEliminated(2, 0));
    EXPECT_FALSE(progress.IsSolutionEliminated(0, MAX_TRACKED_SOLUTIONS));
}

TEST(BoardProgressHistoryTest, UndoAndRedoWalkTheHistory)
{
    BoardProgress progress(4, 0u);
    BoardMove move;
    EXPECT_FALSE(progress.PopUndoMove(move));
    EXPECT_FALSE(progress.PopRedoMove(move));

    for (int v = 1; v <= 3; ++v) {
        progress.RecordMove(ValueMove(0, 0, v));
    }
    EXPECT_EQ(3, progress.GetMoveTracker());
    EXPECT_FALSE(progress.PopRedoMove(move));

    ASSERT_TRUE(progress.PopUndoMove(move));
    EXPECT_EQ(3, move.data);
    ASSERT_TRUE(progress.PopUndoMove(move));
    EXPECT_EQ(2, move.data);
    EXPECT_EQ(1, progress.GetMoveTracker());
    ASSERT_TRUE(progress.PopRedoMove(move));
    EXPECT_EQ(2, move.data);
    EXPECT_EQ(2, progress.GetMoveTracker());
}

TEST(BoardProgressHistoryTest, ANewMoveAfterUndoDropsTheRedoTail)
{
    BoardProgress progress(4, 0u);
    for (int v = 1; v <= 4; ++v) {
        progress.RecordMove(ValueMove(1, 1, v));
    }
    BoardMove move;
    progress.PopUndoMove(move);
    progress.PopUndoMove(move);
    progress.RecordMove(ValueMove(2, 2, 4));
    ASSERT_EQ(3u, progress.GetMoves().size());
    EXPECT_EQ(3, progress.GetMoveTracker());
    EXPECT_EQ(2, progress.GetMoves()[1].data);
    EXPECT_EQ(2, progress.GetMoves()[2].x);
    EXPECT_FALSE(progress.PopRedoMove(move));
}

TEST(BoardProgressHistoryTest, MarkLastMoveAsErrorMarksTheMoveBeforeTheTracker)
{
    BoardProgress progress(4, 0u);
    progress.MarkLastMoveAsError();
    progress.RecordMove(ValueMove(0, 0, 1));
    progress.RecordMove(ValueMove(0, 0, 2));
    BoardMove move;
    progress.PopUndoMove(move);
    progress.MarkLastMoveAsError();
    EXPECT_TRUE(progress.GetMoves()[0].errorState);
    EXPECT_FALSE(progress.GetMoves()[1].errorState);
    progress.PopUndoMove(move);
    progress.MarkLastMoveAsError();
    EXPECT_FALSE(progress.GetMoves()[1].errorState);
}

TEST(BoardProgressTest, ACloneIsIndependent)
{
    BoardProgress original(3, 1u);
    original.SetValue(At(1, 1), 2);
    original.SetSteps(5);
    original.RecordMove(ValueMove(1, 1, 2));
    original.SetSolutionInvalidBit(0, 3, true);

    const std::unique_ptr<BoardProgress> copy = original.Clone();
    EXPECT_EQ(2u, copy->GetValue(At(1, 1)));
    EXPECT_EQ(5, copy->GetSteps());
    EXPECT_EQ(1, copy->GetMoveTracker());
    EXPECT_TRUE(copy->IsSolutionMarkedInvalid(0, 3));

    copy->SetValue(At(1, 1), 3);
    copy->RecordMove(ValueMove(0, 0, 1));
    EXPECT_EQ(2u, original.GetValue(At(1, 1)));
    EXPECT_EQ(1u, original.GetMoves().size());
}

} // namespace
