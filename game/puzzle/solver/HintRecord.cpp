#include "game/puzzle/solver/HintRecord.h"

#include "game/puzzle/solver/StepResult.h"

#include <iterator>

namespace Pemberquill {

namespace {

// Indexed by step id; the hint kinds were numbered in the order the hint
// sentences were written, not in technique order.
constexpr int HINT_KIND_BY_STEP_ID[] = {
    0,  0,  5,  13, 7,  8,  9,  10, 11, 12, // 0 to 9
    17, 15, 18, 22, 16, 19, 6,  21, 20, 14, // 10 to 19
    23, 24, 25, 26, 27, 28, 29, 30,         // 20 to 27
};

} // namespace

int GetHintKindForStep(int stepId)
{
    if (stepId < 0 || stepId >= static_cast<int>(std::size(HINT_KIND_BY_STEP_ID))) {
        return HINT_KIND_NONE;
    }
    return HINT_KIND_BY_STEP_ID[stepId];
}

HintRecord HintRecord::FromSolverStep(const StepResult& step, Board* board)
{
    HintRecord record;
    record.kind = GetHintKindForStep(step.stepId);
    record.move = step.move;
    record.stage = 0;
    record.board = board;
    return record;
}

bool HintRecord::IsSameStep(const HintRecord& other) const
{
    const BoardMove& a = move;
    const BoardMove& b = other.move;
    return a.type == b.type && a.x == b.x && a.y == b.y && a.data == b.data && a.extraData == b.extraData &&
           a.rowIndex == b.rowIndex && a.columnIndex == b.columnIndex &&
           a.numCandidatesInvolved == b.numCandidatesInvolved &&
           a.originatingBoardIndex == b.originatingBoardIndex;
}

} // namespace Pemberquill
