#include "game/puzzle/solver/StepResult.h"

namespace Pemberquill {

namespace {

// Indexed by step id. Ratings stored in puzzle sets and recipe books were
// summed from exactly these single-precision values.
constexpr float STEP_COMPLEXITY[NUM_STEP_IDS] = {
    10000.0f, // 0: no technique
    0.0f,     // 1: board solved
    0.0f,     // 2: single-square cage
    0.0f,     // 3: only candidate left
    1.0f,     // 4: odd candidate in an Even cage
    1.5f,     // 5: even candidate in an Odd cage
    1.5f,     // 6: LOWER comparison square cannot hold the maximum
    3.0f,     // 7: HIGHER comparison square cannot hold the minimum
    3.0f,     // 8: candidate not above a lower neighbour's lowest
    3.5f,     // 9: candidate not below a higher neighbour's highest
    3.5f,     // 10: last value of the only remaining solution
    2.0f,     // 11: no remaining solution uses the candidate
    2.1f,     // 12: only location for a value in a line
    3.0f,     // 13: candidate absent from the only remaining solution
    3.1f,     // 14: candidate taken by a combination elsewhere in the line
    3.2f,     // 15: no technique
    4.0f,     // 16: unique ordered solution of an L-shaped cage
    4.1f,     // 17: duplicate forced into one line
    4.2f,     // 18: solution contradicted by placed values
    4.3f,     // 19: solution that needs removed candidates
    4.4f,     // 20: candidate required by every solution of another cage
    4.4f,     // 21: candidate that no assignment uses
    4.5f,     // 22: as 21, duplicates kept out of one line
    5.0f,     // 23: value already placed in the line
    3.0f,     // 24: hidden cage: only square the cage can take
    3.5f,     // 25: hidden cage: only cage a square can join
    4.0f,     // 26: hidden cage: cage must grow
    4.5f,     // 27: hidden cage: square next to a comparison cage
    3.0f,     // 28: no technique
};

} // namespace

float GetStepComplexity(int stepId)
{
    if (stepId < 0 || stepId >= NUM_STEP_IDS) {
        return 0.0f;
    }
    return STEP_COMPLEXITY[stepId];
}

} // namespace Pemberquill
