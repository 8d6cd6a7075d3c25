#pragma once

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/CageSolution.h"
#include "game/puzzle/board/Square.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Pemberquill {

// Values 1 to 31 as bits (bit v for value v). Anything outside that range
// maps to bit 0, which no set of open values ever holds.
using ValueMask = uint32_t;

inline ValueMask ValueBit(int value)
{
    return value >= 1 && value <= 31 ? ValueMask{1} << value : ValueMask{1};
}

inline ValueMask GetSolutionValueMask(const CageSolution& solution)
{
    ValueMask mask = 0;
    for (int value : solution.values) {
        mask |= ValueBit(value);
    }
    return mask;
}

// What a group of squares (a cage, or a shape a hidden cage might take)
// says about the values that can fill it.
struct SquareGroupValues {
    ValueMask placed = 0;    // values placed in the group
    ValueMask available = 0; // placed values and the open candidates of empty squares
    bool isLinear = false;   // all in one column or all in one row
    int count = 0;
};

// A set of a cage's solutions, by their position in its list.
class SolutionSet {
public:
    // Empties the set for a list of count solutions.
    void Reset(size_t count)
    {
        m_has.assign(count, 0);
        m_size = 0;
    }
    bool Has(size_t position) const { return m_has[position] != 0; }
    void Add(size_t position)
    {
        m_size += m_has[position] == 0 ? 1 : 0;
        m_has[position] = 1;
    }
    size_t Size() const { return m_size; }
    // Holds every solution of the list.
    bool IsFull() const { return m_size == m_has.size(); }

private:
    std::vector<uint8_t> m_has;
    size_t m_size = 0;
};

// What one square adds to a group: its value when it holds one, its open
// candidates when it is empty. The first two read a square's value and
// eliminations as stored, the last two from the progress by square.
inline ValueMask PlacedValueBit(unsigned value)
{
    return value != 0 ? ValueBit(static_cast<int>(value)) : 0;
}

inline ValueMask AvailableValueBits(ValueMask placed, unsigned eliminations, unsigned progressSize,
                                    unsigned boardSize)
{
    // A placed value stays available to the solutions: the square's own
    // candidates are all ruled out once it holds a value, and without this
    // a cage's true solution would be ruled out by its own values.
    if (placed != 0) {
        return placed;
    }
    // Candidate c is value c + 1, which is bit c + 1 of a value mask.
    const unsigned tracked = (1u << progressSize) - 1u;
    const unsigned all = (1u << boardSize) - 1u;
    return static_cast<ValueMask>((all & ~(eliminations & tracked)) << 1);
}

inline ValueMask GetPlacedValueBit(const BoardProgress& progress, const Square& square)
{
    return PlacedValueBit(progress.GetValue(square));
}

inline ValueMask GetAvailableValueBits(const BoardProgress& progress, const Square& square, unsigned boardSize)
{
    return AvailableValueBits(GetPlacedValueBit(progress, square), progress.GetEliminations(square),
                              progress.GetSize(), boardSize);
}

// Whether the solution could still fill the group: no repeated value in a
// line, every value available, every placed value among its values, and,
// with sameSize, one value per square.
inline bool DoesSolutionFitGroup(const CageSolution& solution, ValueMask solutionMask, const SquareGroupValues& group,
                                 bool sameSize)
{
    if (group.isLinear && !solution.hasNoRepeats) {
        return false;
    }
    if (sameSize && static_cast<int>(solution.values.size()) != group.count) {
        return false;
    }
    return (solutionMask & ~group.available) == 0 && (group.placed & ~solutionMask) == 0;
}

} // namespace Pemberquill
