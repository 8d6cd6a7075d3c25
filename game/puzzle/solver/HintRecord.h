#pragma once

#include "game/puzzle/board/BoardMove.h"

namespace Pemberquill {

class Board;
struct StepResult;

// Hint kinds of the player's mistakes; the other kinds name solver steps.
constexpr int HINT_KIND_NONE = 0;
constexpr int HINT_KIND_WRONG_VALUE = 2;
constexpr int HINT_KIND_WRONG_COLOR = 3;
constexpr int HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE = 4;

// One hint: what kind of step or mistake it explains, the move it is about,
// how far the player has asked about it, and the board it applies to (a
// board of the puzzle, never owned here).
struct HintRecord {
    int kind = HINT_KIND_NONE;
    BoardMove move;
    unsigned stage = 0;
    Board* board = nullptr;

    HintRecord() = default;
    // A mistake on a board; the three mistake kinds also hold the square in
    // the move's X and Y.
    HintRecord(int kind, Board* board, int column, int row)
        : kind(kind),
          board(board)
    {
        if (kind == HINT_KIND_WRONG_VALUE || kind == HINT_KIND_WRONG_COLOR ||
            kind == HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE) {
            move.x = column;
            move.y = row;
        }
    }

    // The hint for a solver step on a board; kind 0 for a step that no hint
    // explains (the board already solved, or no step found).
    static HintRecord FromSolverStep(const StepResult& step, Board* board);

    // Both explain the same edit: the move's text and error flag, which the
    // puzzle changes as it checks moves, play no part.
    bool IsSameStep(const HintRecord& other) const;
};

// The hint kind that explains a solver step id; 0 outside 2 to 27.
int GetHintKindForStep(int stepId);

} // namespace Pemberquill
