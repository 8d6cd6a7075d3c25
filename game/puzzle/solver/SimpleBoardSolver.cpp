#include "game/puzzle/solver/SimpleBoardSolver.h"

#include "engine/core/Diagnostics.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include <algorithm>
#include <functional>

namespace Pemberquill {

SolveResult SimpleBoardSolver::SolveBoard(Board& board)
{
    SolveResult result;
    float complexitySum = 0.0f;
    StepResult step;
    do {
        ++result.steps;
        // Through the virtual slot, so that a derived solver solves with its
        // own technique list.
        step = FindNextStep(board, false);
        // Summed in single precision step by step, as stored ratings were.
        complexitySum += step.complexity;
        result.hardestStep = std::max(result.hardestStep, step.stepId);
    } while (step.stepId > STEP_ID_BOARD_SOLVED && result.steps < MAX_SOLVE_STEPS);

    if (step.stepId == STEP_ID_STUCK || result.steps >= MAX_SOLVE_STEPS) {
        result.isSolvable = false;
    }
    --result.steps;
    result.boardValue = static_cast<int>(board.GetSeed());
    result.rating = ScaleRating(complexitySum, result.hardestStep);
    return result;
}

float SimpleBoardSolver::ScaleRating(float complexitySum, int hardestStep)
{
    // 0.3 enters as the single-precision constant, the product is taken in
    // double precision and stored in single: ratings already stored in
    // recipe books and puzzle sets were computed exactly this way.
    const double scale = 1.0 + (hardestStep - 2) * static_cast<double>(0.3f) / 20.0;
    return static_cast<float>(static_cast<double>(complexitySum) * scale);
}

StepResult SimpleBoardSolver::FindNextStep(Board& board, bool describeOnly)
{
    static const SolverTechnique<SimpleBoardSolver> TECHNIQUES[] = {
        {STEP_ID_BOARD_SOLVED, &SimpleBoardSolver::StepBoardSolved},
        {STEP_ID_SINGLE_SQUARE_CAGE, &SimpleBoardSolver::StepSingleSquareCage},
        {STEP_ID_ONLY_CANDIDATE_LEFT, &SimpleBoardSolver::StepOnlyCandidateLeft},
        {STEP_ID_VALUE_ALREADY_PLACED, &SimpleBoardSolver::StepValueAlreadyPlaced},
        {STEP_ID_ODD_IN_EVEN_CAGE, &SimpleBoardSolver::StepOddInEvenCage},
        {STEP_ID_EVEN_IN_ODD_CAGE, &SimpleBoardSolver::StepEvenInOddCage},
        {STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION, &SimpleBoardSolver::StepLastValueOfOnlySolution},
        {STEP_ID_ONLY_LOCATION_FOR_VALUE, &SimpleBoardSolver::StepOnlyLocationForValue},
        {STEP_ID_LOWER_CAGE_NO_MAX, &SimpleBoardSolver::StepLowerCageNoMax},
        {STEP_ID_HIGHER_CAGE_NO_MIN, &SimpleBoardSolver::StepHigherCageNoMin},
        {STEP_ID_BELOW_LOWEST_OF_LOWER_CAGE, &SimpleBoardSolver::StepBelowLowestOfLowerCage},
        {STEP_ID_ABOVE_HIGHEST_OF_HIGHER_CAGE, &SimpleBoardSolver::StepAboveHighestOfHigherCage},
        {STEP_ID_NO_SOLUTION_USES_CANDIDATE, &SimpleBoardSolver::StepNoSolutionUsesCandidate},
        {STEP_ID_ONLY_SOLUTION_LACKS_NUMBER, &SimpleBoardSolver::StepOnlySolutionLacksNumber},
        {STEP_ID_COMBINATION_ELSEWHERE, &SimpleBoardSolver::StepCombinationElsewhere},
        {STEP_ID_UNIQUE_ORDERED_SOLUTION, &SimpleBoardSolver::StepUniqueOrderedSolution},
        {STEP_ID_REMOVE_LINEAR_DUPLICATE_SOLUTIONS, &SimpleBoardSolver::StepRemoveLinearDuplicateSolutions},
        {STEP_ID_REMOVE_SOLUTIONS_BY_PLACED_VALUES, &SimpleBoardSolver::StepRemoveSolutionsByPlacedValues},
        {STEP_ID_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES, &SimpleBoardSolver::StepRemoveSolutionsByRemovedCandidates},
        {STEP_ID_REQUIRED_BY_OTHER_CAGE, &SimpleBoardSolver::StepRequiredByOtherCage},
        {STEP_ID_DEPENDENTS_NOT_VALIDATED, &SimpleBoardSolver::StepDependentsNotValidated},
        {STEP_ID_DUPLICATE_DEPENDENTS_LINEAR, &SimpleBoardSolver::StepDuplicateDependentsLinear},
    };

    BeginStep(board, describeOnly);
    StepResult step;
    {
        const StepMeasureScope measures(*this);
        const StepViewScope view(*this, board);
        ApplyFirstTechnique(*this, TECHNIQUES, board, step);
    }
    step.complexity = GetStepComplexity(step.stepId);
    return step;
}

bool SimpleBoardSolver::IsBoardSolved(const Board& board)
{
    for (const Square& square : board.GetSquares()) {
        if (board.GetSquareValue(square) == 0) {
            return false;
        }
    }
    return true;
}

void SimpleBoardSolver::BeginStep(const Board& board, bool describeOnly)
{
    ULVO_ASSERT(board.GetProgress() != nullptr, "A solver was asked for a step on a board without progress.",
                "SimpleBoardSolver::FindNextStep");
    SetDescribeOnly(describeOnly);
}

SimpleBoardSolver::StepViewScope::StepViewScope(SimpleBoardSolver& solver, const Board& board) : m_solver(solver)
{
    solver.m_view.Take(board);
}

SimpleBoardSolver::StepMeasureScope::StepMeasureScope(SimpleBoardSolver& solver) : m_solver(solver)
{
    // A scope within the step's own (a derived solver falling back on this
    // one) keeps what the step has measured.
    if (solver.m_measureDepth++ == 0) {
        solver.m_measures.clear();
    }
}

SimpleBoardSolver::CageMeasures* SimpleBoardSolver::FindMeasures(const Board& board, const Cage& cage)
{
    const std::vector<Cage>& cages = board.GetCages();
    const std::less<const Cage*> before;
    if (m_measureDepth == 0 || before(&cage, cages.data()) || !before(&cage, cages.data() + cages.size())) {
        return nullptr;
    }
    m_measures.resize(cages.size());
    return &m_measures[static_cast<size_t>(&cage - cages.data())];
}

int SimpleBoardSolver::CountPaintedInCageColor(const Board& board, const Cage& cage)
{
    CageMeasures* measures = FindMeasures(board, cage);
    if (measures == nullptr) {
        return cage.CountSquaresInCageColor(board);
    }
    if (measures->painted < 0) {
        measures->painted = cage.CountSquaresInCageColor(board);
    }
    return measures->painted;
}

int SimpleBoardSolver::GetMaxSolutionSize(const Board& board, const Cage& cage)
{
    CageMeasures* measures = FindMeasures(board, cage);
    if (measures == nullptr) {
        return cage.GetMaxSolutionSize(board);
    }
    if (measures->maxSolutionSize < 0) {
        measures->maxSolutionSize = cage.GetMaxSolutionSize(board);
    }
    return measures->maxSolutionSize;
}

bool SimpleBoardSolver::IsPaintComplete(const Board& board, const Cage& cage)
{
    // As Cage::IsPaintComplete.
    if (!board.HasHiddenCages()) {
        return true;
    }
    const int painted = CountPaintedInCageColor(board, cage);
    return painted == static_cast<int>(cage.squares.size()) && painted == GetMaxSolutionSize(board, cage);
}

bool SimpleBoardSolver::PassesCommonCageFilter(const Board& board, const Cage& cage)
{
    return !cage.solutions.empty() && !cage.AreAllSquaresFilled(board) && cage.IsPaintComplete(board);
}

std::vector<Square*> SimpleBoardSolver::GetSquaresForElimination(const Board& board, const Cage& cage)
{
    return board.HasHiddenCages() ? cage.GetPaintedSquares(board) : cage.squares;
}

const std::vector<Square*>& SimpleBoardSolver::GetSquaresForElimination(const Board& board, const Cage& cage,
                                                                         std::vector<Square*>& scratch)
{
    if (!board.HasHiddenCages()) {
        return cage.squares;
    }
    scratch = cage.GetPaintedSquares(board);
    return scratch;
}

bool SimpleBoardSolver::PlaceValue(Board& board, const Square& square, int value, StepResult& step) const
{
    // A value of 0 would clear the square instead of placing anything.
    if (value < 1) {
        return false;
    }
    const BoardMove move = board.SetSquareValue(square, value, IsDescribeOnly(), true);
    if (move.type != MOVE_TYPE_VALUE) {
        return false;
    }
    step.move = move;
    return true;
}

bool SimpleBoardSolver::RemoveCandidate(Board& board, const Square& square, int value, StepResult& step) const
{
    const BoardMove move = board.ToggleCandidate(square, value, IsDescribeOnly());
    if (move.type != MOVE_TYPE_CANDIDATE) {
        return false;
    }
    step.move = move;
    return true;
}

bool SimpleBoardSolver::DeclareSolutionInvalid(Board& board, const Cage& cage, int solutionIndex,
                                               StepResult& step) const
{
    // The board refuses marks past the solutions its progress can track.
    BoardMove move = board.MarkSolutionInvalid(cage.index, solutionIndex, IsDescribeOnly());
    if (move.type != MOVE_TYPE_SOLUTION_MARK) {
        return false;
    }
    move.data = cage.index;
    move.extraData = solutionIndex;
    step.move = move;
    return true;
}

bool SimpleBoardSolver::PaintSquare(Board& board, const Square& square, int colorIndex, StepResult& step) const
{
    const BoardMove move = board.SetSquareColor(square, colorIndex, IsDescribeOnly());
    if (move.type != MOVE_TYPE_COLOR) {
        return false;
    }
    step.move = move;
    return true;
}

} // namespace Pemberquill
