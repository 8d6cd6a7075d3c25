#include "game/puzzle/board/SolutionFit.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/Square.h"

namespace Pemberquill {

ValueMask GetSolutionValueMask(const CageSolution& solution)
{
    ValueMask mask = 0;
    for (int value : solution.values) {
        mask |= ValueBit(value);
    }
    return mask;
}

ValueMask GetPlacedValueBit(const BoardProgress& progress, const Square& square)
{
    const unsigned value = progress.GetValue(square);
    return value != 0 ? ValueBit(static_cast<int>(value)) : 0;
}

ValueMask GetAvailableValueBits(const BoardProgress& progress, const Square& square, unsigned boardSize)
{
    // A placed value stays available to the solutions: the square's own
    // candidates are all ruled out once it holds a value, and without this
    // a cage's true solution would be ruled out by its own values.
    if (const ValueMask placed = GetPlacedValueBit(progress, square)) {
        return placed;
    }
    // Candidate c is value c + 1, which is bit c + 1 of a value mask.
    const unsigned tracked = (1u << progress.GetSize()) - 1u;
    const unsigned all = (1u << boardSize) - 1u;
    return static_cast<ValueMask>((all & ~(progress.GetEliminations(square) & tracked)) << 1);
}

void AddSquareToGroup(SquareGroupValues& group, const Square& first, const Square& square, ValueMask placed,
                      ValueMask available)
{
    group.placed |= placed;
    group.available |= available;
    group.inOneColumn = group.inOneColumn && square.x == first.x;
    group.inOneRow = group.inOneRow && square.y == first.y;
    ++group.count;
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
