#pragma once

#include "game/puzzle/board/SquareMask.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"

#include <vector>

namespace Pemberquill {

struct Cage;
struct Square;

// The solver of boards whose cages are hidden: before every ordinary step it
// tries to settle where the cages lie, painting one square into its cage
// per step. Solving thus alternates between painting, which lets the cage
// techniques see a cage once its extent is known, and ordinary deduction,
// whose placed values and removed candidates narrow down where a cage can
// still grow.
class HiddenCageSolver : public SimpleBoardSolver {
public:
    StepResult FindNextStep(Board& board, bool describeOnly) override;

protected:
    // A cage the painting techniques still work on. One without a colour of
    // its own can never be painted into: painting "its" colour would only
    // clear squares, and the step would repeat for ever.
    bool IsOpenForPainting(const Board& board, const Cage& cage);
    // An unpainted square that every shape the cage can still take holds.
    bool StepOnlySquareAvailable(Board& board, StepResult& step);
    // The only cage an unpainted square can still join.
    bool StepOnlyLegalCage(Board& board, StepResult& step);
    // A cage whose remaining solutions all need more squares than it has
    // painted, with a single square it can grow into.
    bool StepSmallestSolutionsInvalid(Board& board, StepResult& step);
    // The next square of a Comparisons cage: with no solutions to reason
    // from, its extent is taken from its own squares, one neighbour at a time.
    bool StepAdjacentToComparisonCage(Board& board, StepResult& step);

private:
    // StepOnlyLegalCage's buffers: the squares within each cage's reach, by
    // cage position, and the painted squares by the cage index they carry.
    std::vector<SquareMask> m_reach;
    std::vector<SquareMask> m_paintedByCage;
};

} // namespace Pemberquill
