#pragma once

#include "game/puzzle/solver/StepResult.h"

namespace Pemberquill {

// The outcome of solving a whole board (or, filled by the puzzle chef, a
// whole puzzle).
struct SolveResult {
    bool isSolvable = true;
    int boardValue = -1; // the seed of the board solved
    int steps = 0;       // edits made; the final "solved" or "stuck" call is not one
    int iterations = 0;  // the puzzle chef's count of solving passes
    float rating = 0.0f; // complexity sum, scaled by the hardest step
    int hardestStep = STEP_ID_BOARD_SOLVED;
    int difficultyRating = 0; // left 0 by the solvers
};

} // namespace Pemberquill
