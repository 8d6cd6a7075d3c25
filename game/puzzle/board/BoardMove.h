#pragma once

#include <string>

namespace Pemberquill {

// Move types. Negative types are edits that were refused and never recorded.
constexpr int MOVE_TYPE_VALUE = 1;
constexpr int MOVE_TYPE_CANDIDATE = 2;
constexpr int MOVE_TYPE_COLOR = 3;
constexpr int MOVE_TYPE_SOLUTION_MARK = 4;
constexpr int MOVE_TYPE_BAD_CANDIDATE = -1;
constexpr int MOVE_TYPE_BAD_VALUE = -2;
constexpr int MOVE_TYPE_EMPTY = -3;
constexpr int MOVE_TYPE_BAD_CAGE = -4;
constexpr int MOVE_TYPE_BAD_SOLUTION = -5;

// The record of one board edit, made by the player, a hint or a solver.
struct BoardMove {
    int type = MOVE_TYPE_EMPTY;
    int x = 0;         // column; the cage index of a solution mark
    int y = 0;         // row; the solution index of a solution mark
    int data = 0;      // the new value, candidate index or colour index; 0 for a solution mark
    int extraData = 0; // the state before the edit, for undo
    int rowIndex = -1;    // filled by hints
    int columnIndex = -1; // filled by hints
    std::string text;     // a hint's explanation; never saved
    bool errorState = false; // the puzzle marks moves that made a mistake
    int numCandidatesInvolved = 0; // filled by hints
    int originatingBoardIndex = 0;
};

} // namespace Pemberquill
