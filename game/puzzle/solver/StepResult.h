#pragma once

#include "game/puzzle/board/BoardMove.h"

namespace Pemberquill {

class Board;

// What a solver step reports. Hints, saved puzzle statistics and the rating
// all name techniques by these numbers, so they never change; the gaps (0,
// 15, 28) belong to no technique.
constexpr int STEP_ID_STUCK = -1;
constexpr int STEP_ID_BOARD_SOLVED = 1;
constexpr int STEP_ID_SINGLE_SQUARE_CAGE = 2;
constexpr int STEP_ID_ONLY_CANDIDATE_LEFT = 3;
constexpr int STEP_ID_ODD_IN_EVEN_CAGE = 4;
constexpr int STEP_ID_EVEN_IN_ODD_CAGE = 5;
constexpr int STEP_ID_LOWER_CAGE_NO_MAX = 6;
constexpr int STEP_ID_HIGHER_CAGE_NO_MIN = 7;
constexpr int STEP_ID_BELOW_LOWEST_OF_LOWER_CAGE = 8;
constexpr int STEP_ID_ABOVE_HIGHEST_OF_HIGHER_CAGE = 9;
constexpr int STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION = 10;
constexpr int STEP_ID_NO_SOLUTION_USES_CANDIDATE = 11;
constexpr int STEP_ID_ONLY_LOCATION_FOR_VALUE = 12;
constexpr int STEP_ID_ONLY_SOLUTION_LACKS_NUMBER = 13;
constexpr int STEP_ID_COMBINATION_ELSEWHERE = 14;
constexpr int STEP_ID_UNIQUE_ORDERED_SOLUTION = 16;
constexpr int STEP_ID_REMOVE_LINEAR_DUPLICATE_SOLUTIONS = 17;
constexpr int STEP_ID_REMOVE_SOLUTIONS_BY_PLACED_VALUES = 18;
constexpr int STEP_ID_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES = 19;
constexpr int STEP_ID_REQUIRED_BY_OTHER_CAGE = 20;
constexpr int STEP_ID_DEPENDENTS_NOT_VALIDATED = 21;
constexpr int STEP_ID_DUPLICATE_DEPENDENTS_LINEAR = 22;
constexpr int STEP_ID_VALUE_ALREADY_PLACED = 23;
constexpr int STEP_ID_ONLY_SQUARE_AVAILABLE = 24;
constexpr int STEP_ID_ONLY_LEGAL_CAGE = 25;
constexpr int STEP_ID_SMALLEST_SOLUTIONS_INVALID = 26;
constexpr int STEP_ID_ADJACENT_TO_COMPARISON_CAGE = 27;

// Step ids run from 0 to this bound, exclusive.
constexpr int NUM_STEP_IDS = 29;

// The fixed complexity of a technique, which the rating sums; 0 for a stuck
// step and for any id outside the table.
float GetStepComplexity(int stepId);

// One solver step: the technique that applied (1 when the board was already
// solved, -1 when none applied), the board edit it made or describes, and
// the technique's complexity.
struct StepResult {
    int stepId = STEP_ID_STUCK;
    BoardMove move;
    float complexity = 0.0f;

    // Explains the step to the player: its sentence in the puzzle screen's
    // hint line, and an instructor call-out on the square or candidate it
    // concerns (HintDriver.cpp).
    void ShowHint(const Board& board) const;
};

} // namespace Pemberquill
