// Which hint explains which solver step, and when two hints are one step.
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/solver/StepResult.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Pemberquill;

namespace {

BoardMove MakeMove()
{
    BoardMove move;
    move.type = MOVE_TYPE_CANDIDATE;
    move.x = 2;
    move.y = 3;
    move.data = 1;
    move.extraData = 1;
    move.rowIndex = 3;
    move.columnIndex = -1;
    move.numCandidatesInvolved = 2;
    move.originatingBoardIndex = 1;
    return move;
}

HintRecord RecordOf(const BoardMove& move)
{
    HintRecord record;
    record.kind = 7;
    record.move = move;
    return record;
}

TEST(HintRecordTest, FromSolverStepTakesTheMoveAndTheBoardAtStageZero)
{
    StepResult step;
    step.stepId = STEP_ID_ONLY_CANDIDATE_LEFT;
    step.move = MakeMove();
    Board* board = reinterpret_cast<Board*>(0x10);

    const HintRecord record = HintRecord::FromSolverStep(step, board);

    EXPECT_EQ(13, record.kind);
    EXPECT_EQ(0u, record.stage);
    EXPECT_EQ(board, record.board);
    EXPECT_TRUE(record.IsSameStep(RecordOf(step.move)));

    step.stepId = STEP_ID_BOARD_SOLVED;
    EXPECT_EQ(HINT_KIND_NONE, HintRecord::FromSolverStep(step, board).kind);
}

TEST(HintRecordTest, SameStepIgnoresOnlyTheTextAndTheErrorFlag)
{
    const HintRecord original = RecordOf(MakeMove());
    HintRecord annotated = original;
    annotated.move.text = "explained";
    annotated.move.errorState = true;
    annotated.stage = 2;
    EXPECT_TRUE(original.IsSameStep(annotated));

    const std::vector<void (*)(BoardMove&)> changes = {
        [](BoardMove& m) { m.type = MOVE_TYPE_VALUE; },  [](BoardMove& m) { ++m.x; },
        [](BoardMove& m) { ++m.y; },                     [](BoardMove& m) { ++m.data; },
        [](BoardMove& m) { ++m.extraData; },             [](BoardMove& m) { m.rowIndex = -1; },
        [](BoardMove& m) { m.columnIndex = 4; },         [](BoardMove& m) { ++m.numCandidatesInvolved; },
        [](BoardMove& m) { m.originatingBoardIndex = 0; }};
    for (size_t index = 0; index < changes.size(); ++index) {
        HintRecord changed = original;
        changes[index](changed.move);
        EXPECT_FALSE(original.IsSameStep(changed)) << "change " << index;
    }
}

} // namespace
