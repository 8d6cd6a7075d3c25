#pragma once

// Hand-built solver positions: a playable board whose squares outside the
// cages under test sit in one NoOp cage (which no technique reasons about),
// helpers to shape the candidates, and checks on the steps a solver takes.
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace Pemberquill {

// The cages, and one NoOp cage holding every square they leave out.
inline std::vector<CageSpec> WithNoOpFiller(unsigned size, std::vector<CageSpec> cages)
{
    std::set<std::pair<unsigned, unsigned>> taken;
    for (const CageSpec& cage : cages) {
        taken.insert(cage.squares.begin(), cage.squares.end());
    }
    CageSpec filler{CAGE_RULE_NOOP, {}, 4};
    for (unsigned y = 0; y < size; ++y) {
        for (unsigned x = 0; x < size; ++x) {
            if (taken.count({x, y}) == 0) {
                filler.squares.emplace_back(x, y);
            }
        }
    }
    if (!filler.squares.empty()) {
        cages.push_back(filler);
    }
    return cages;
}

// A position on a board with the given answer: the cages under test, the
// rest filler, the derived state brought up to date.
class SolverPosition : public PlayableBoard {
public:
    SolverPosition(const std::vector<std::string>& answerRows, const std::vector<CageSpec>& cages)
        : PlayableBoard(answerRows, WithNoOpFiller(static_cast<unsigned>(answerRows.size()), cages))
    {
        Refresh();
    }

    // Brings the automatic eliminations and solution marks up to date, as
    // every board edit does.
    void Refresh()
    {
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
    }

    // Rules out these candidates as the player would.
    void Eliminate(unsigned x, unsigned y, std::initializer_list<int> values)
    {
        for (int value : values) {
            progress->SetPlayerCandidateBit(At(x, y), value - 1, true);
        }
        Refresh();
    }

    // Rules out every candidate but these.
    void KeepOnly(unsigned x, unsigned y, std::initializer_list<int> values)
    {
        for (int value = 1; value <= static_cast<int>(board.GetSize()); ++value) {
            if (std::find(values.begin(), values.end(), value) == values.end()) {
                progress->SetPlayerCandidateBit(At(x, y), value - 1, true);
            }
        }
        Refresh();
    }

    void Place(unsigned x, unsigned y, int value) { board.SetSquareValue(At(x, y), value, false, false); }

    // Fills every square with its answer.
    void FillWithAnswer()
    {
        for (Square& square : board.GetSquares()) {
            Place(square.x, square.y, static_cast<int>(square.solutionValue));
        }
    }
};

// Runs single techniques in describe-only mode, outside the solver's order.
class TechniqueProbe : public SimpleBoardSolver {
public:
    TechniqueProbe() { SetDescribeOnly(true); }

    using SimpleBoardSolver::StepBelowLowestOfLowerCage;
    using SimpleBoardSolver::StepCombinationElsewhere;
    using SimpleBoardSolver::StepDependentsNotValidated;
    using SimpleBoardSolver::StepDuplicateDependentsLinear;
    using SimpleBoardSolver::StepLastValueOfOnlySolution;
    using SimpleBoardSolver::StepLowerCageNoMax;
    using SimpleBoardSolver::StepOnlySolutionLacksNumber;
    using SimpleBoardSolver::StepRemoveLinearDuplicateSolutions;
    using SimpleBoardSolver::StepRemoveSolutionsByPlacedValues;
    using SimpleBoardSolver::StepUniqueOrderedSolution;
};

inline bool SameMove(const BoardMove& a, const BoardMove& b)
{
    return a.type == b.type && a.x == b.x && a.y == b.y && a.data == b.data && a.extraData == b.extraData &&
           a.rowIndex == b.rowIndex && a.columnIndex == b.columnIndex && a.text == b.text &&
           a.errorState == b.errorState && a.numCandidatesInvolved == b.numCandidatesInvolved &&
           a.originatingBoardIndex == b.originatingBoardIndex;
}

// Asks for the step in describe-only mode, then has the solver make it; the
// two must agree. Returns the step made.
inline StepResult DescribeThenApply(BoardSolver& solver, Board& board)
{
    const StepResult described = solver.FindNextStep(board, true);
    const StepResult applied = solver.FindNextStep(board, false);
    EXPECT_EQ(described.stepId, applied.stepId);
    EXPECT_TRUE(SameMove(described.move, applied.move));
    EXPECT_EQ(described.complexity, applied.complexity);
    return applied;
}

// The step removed candidate value from (x, y), and the board no longer
// offers it.
inline void ExpectCandidateRemoved(const SolverPosition& position, const StepResult& step, int stepId, unsigned x,
                                   unsigned y, int value)
{
    EXPECT_EQ(step.stepId, stepId);
    EXPECT_EQ(step.complexity, GetStepComplexity(stepId));
    EXPECT_EQ(step.move.type, MOVE_TYPE_CANDIDATE);
    EXPECT_EQ(step.move.x, static_cast<int>(x));
    EXPECT_EQ(step.move.y, static_cast<int>(y));
    EXPECT_EQ(step.move.data, value - 1);
    EXPECT_FALSE(position.IsOpen(x, y, value));
}

// The step placed value in (x, y), and the board holds it.
inline void ExpectValuePlaced(const SolverPosition& position, const StepResult& step, int stepId, unsigned x,
                              unsigned y, int value)
{
    EXPECT_EQ(step.stepId, stepId);
    EXPECT_EQ(step.complexity, GetStepComplexity(stepId));
    EXPECT_EQ(step.move.type, MOVE_TYPE_VALUE);
    EXPECT_EQ(step.move.x, static_cast<int>(x));
    EXPECT_EQ(step.move.y, static_cast<int>(y));
    EXPECT_EQ(step.move.data, value);
    EXPECT_EQ(position.ValueAt(x, y), static_cast<unsigned>(value));
}

// The step declared solution solutionIndex of the cage invalid, and the
// board has it marked.
inline void ExpectSolutionDeclaredInvalid(const SolverPosition& position, const StepResult& step, int stepId,
                                          int cageIndex, int solutionIndex)
{
    EXPECT_EQ(step.stepId, stepId);
    EXPECT_EQ(step.complexity, GetStepComplexity(stepId));
    EXPECT_EQ(step.move.type, MOVE_TYPE_SOLUTION_MARK);
    EXPECT_EQ(step.move.x, cageIndex);
    EXPECT_EQ(step.move.y, solutionIndex);
    EXPECT_EQ(step.move.data, cageIndex);
    EXPECT_EQ(step.move.extraData, solutionIndex);
    EXPECT_TRUE(position.progress->IsSolutionMarkedInvalid(cageIndex, solutionIndex));
}

} // namespace Pemberquill
