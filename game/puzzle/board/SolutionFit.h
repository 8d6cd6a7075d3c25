#pragma once

#include "game/puzzle/board/CageSolution.h"

#include <cstdint>

namespace Pemberquill {

class BoardProgress;
struct Square;

// Values 1 to 31 as bits (bit v for value v). Anything outside that range
// maps to bit 0, which no set of open values ever holds.
using ValueMask = uint32_t;

inline ValueMask ValueBit(int value)
{
    return value >= 1 && value <= 31 ? ValueMask{1} << value : ValueMask{1};
}

ValueMask GetSolutionValueMask(const CageSolution& solution);

// What a group of squares (a cage, or a shape a hidden cage might take)
// says about the values that can fill it.
struct SquareGroupValues {
    ValueMask placed = 0;    // values placed in the group
    ValueMask available = 0; // placed values and the open candidates of empty squares
    bool inOneColumn = true;
    bool inOneRow = true;
    int count = 0;

    bool IsLinear() const { return inOneColumn || inOneRow; }
};

// What one square adds to a group: its value when it holds one, its open
// candidates when it is empty.
ValueMask GetPlacedValueBit(const BoardProgress& progress, const Square& square);
ValueMask GetAvailableValueBits(const BoardProgress& progress, const Square& square, unsigned boardSize);

// Adds a square to the group; first and square give the line test.
void AddSquareToGroup(SquareGroupValues& group, const Square& first, const Square& square, ValueMask placed,
                      ValueMask available);

// Whether the solution could still fill the group: no repeated value in a
// line, every value available, every placed value among its values, and,
// with sameSize, one value per square.
bool DoesSolutionFitGroup(const CageSolution& solution, ValueMask solutionMask, const SquareGroupValues& group,
                          bool sameSize);

} // namespace Pemberquill
