#include "game/puzzle/board/SolutionFit.h"

namespace Pemberquill {

ValueMask GetSolutionValueMask(const CageSolution& solution)
{
    ValueMask mask = 0;
    for (int value : solution.values) {
        mask |= ValueBit(value);
    }
    return mask;
}

bool DoesSolutionFitGroup(const CageSolution& solution, ValueMask solutionMask, const SquareGroupValues& group,
                          bool sameSize)
{
    if (group.IsLinear() && !solution.hasNoRepeats) {
        return false;
    }
    if (sameSize && static_cast<int>(solution.values.size()) != group.count) {
        return false;
    }
    return (solutionMask & ~group.available) == 0 && (group.placed & ~solutionMask) == 0;
}

} // namespace Pemberquill
