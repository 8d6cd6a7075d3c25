#pragma once

#include "engine/core/AABB2.h"

#include <set>

namespace Pemberquill {

// Boards have 1 to 9 rows and columns; candidate masks and the candidate
// layout are made for no more.
constexpr unsigned MAX_BOARD_SIZE = 9;

// One square of a board. Column and row come first so that a square can
// stand wherever a column/row pair is expected; edits name a square by its
// address, which stays put for the life of the board.
struct Square {
    unsigned x = 0;
    unsigned y = 0;
    AABB2 bounds;               // in board units
    unsigned solutionValue = 0; // the answer, 1 to N once the board is generated
    int cageIndex = -1;         // -1 = not in a cage; only Board::ClearCages sets it back
};

// Squares in the board's row-major order.
struct SquareOrder {
    bool operator()(const Square* a, const Square* b) const
    {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
    }
};

using SquareSet = std::set<Square*, SquareOrder>;

} // namespace Pemberquill
