#pragma once

#include "game/puzzle/solver/SolveResult.h"
#include "game/puzzle/solver/StepResult.h"

namespace Pemberquill {

class Board;
class BoardProgress;
struct Square;

// Solves boards by pure deduction, one step at a time. Every step is one
// board edit (a value placed, a candidate removed, a cage solution declared
// invalid, a square painted) found by the first technique of the solver's
// ordered list that applies; since every step starts again from the top of
// the list, cheap techniques always run out before dear ones are tried,
// which is what makes the rating meaningful.
class BoardSolver {
public:
    virtual ~BoardSolver() = default;

    // Applies steps until the board is full or no technique applies, and
    // rates the solve. Changes the board: callers that need its earlier
    // state rebuild or copy it.
    virtual SolveResult SolveBoard(Board& board) = 0;

    // The next step on the board, which must have its progress attached.
    // With describeOnly the board is left untouched and the step's move only
    // describes the edit the step would make; otherwise the edit is applied
    // exactly as a player's edit would be.
    virtual StepResult FindNextStep(Board& board, bool describeOnly) = 0;

    // Whether candidate index + 1 of the square is ruled out, by the player
    // (or a step) or by a value placed in the square or its lines.
    static bool IsCandidateEliminated(const BoardProgress& progress, const Square& square, int candidateIndex);

protected:
    BoardSolver() = default;
    BoardSolver(const BoardSolver&) = default;
    BoardSolver& operator=(const BoardSolver&) = default;

    // Every technique hands this flag to the edit it makes.
    bool IsDescribeOnly() const { return m_describeOnly; }
    void SetDescribeOnly(bool describeOnly) { m_describeOnly = describeOnly; }

private:
    bool m_describeOnly = false;
};

// One entry of a solver's ordered technique list: the step id the technique
// reports and the member that tries it. A technique returns true right
// after making its one edit, which it copies into the step's move, and
// false, having changed nothing, when it does not apply.
template <typename Solver>
struct SolverTechnique {
    int stepId;
    bool (Solver::*apply)(Board& board, StepResult& step);
};

// Tries the techniques in order; the first that applies gives the step its
// id. False, with the step untouched, when none applies.
template <typename Solver, typename Techniques>
bool ApplyFirstTechnique(Solver& solver, const Techniques& techniques, Board& board, StepResult& step)
{
    for (const SolverTechnique<Solver>& technique : techniques) {
        if ((solver.*technique.apply)(board, step)) {
            step.stepId = technique.stepId;
            return true;
        }
    }
    return false;
}

} // namespace Pemberquill
