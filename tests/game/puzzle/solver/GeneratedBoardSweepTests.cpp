// Boards from both generators, with visible and hidden cages, solved step by
// step: no step may contradict the generator's answer. (What the generators
// lay out, solutions included, is pinned by the pinned boards; the start's
// automatic marks by the step digests.)
#include "engine/core/Diagnostics.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "game/puzzle/solver/HiddenCageSolver.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Pemberquill;

namespace {

// A solution is the cage's answer when it holds the same values, in any
// order.
bool IsAnswer(const Cage& cage, const CageSolution& solution)
{
    std::vector<int> answer;
    for (const Square* square : cage.squares) {
        answer.push_back(static_cast<int>(square->solutionValue));
    }
    return std::is_permutation(answer.begin(), answer.end(), solution.values.begin(), solution.values.end());
}

// Why the step contradicts the answer; empty when it does not.
std::string FindContradiction(const Board& board, const BoardMove& move)
{
    if (move.type == MOVE_TYPE_SOLUTION_MARK) {
        const Cage& cage = board.GetCages().at(static_cast<size_t>(move.x));
        return IsAnswer(cage, cage.solutions.at(static_cast<size_t>(move.y))) ? "ruled out a cage's answer" : "";
    }
    const Square& square = board.GetSquare(static_cast<unsigned>(move.x), static_cast<unsigned>(move.y));
    const int answer = static_cast<int>(square.solutionValue);
    switch (move.type) {
    case MOVE_TYPE_VALUE: return answer == move.data ? "" : Stringf("placed %d on the answer %d", move.data, answer);
    case MOVE_TYPE_CANDIDATE: return answer != move.data + 1 ? "" : Stringf("removed the answer %d", answer);
    case MOVE_TYPE_COLOR: return board.GetCage(square.cageIndex)->color == move.data ? "" : "painted a wrong colour";
    default: return Stringf("made a move of type %d", move.type);
    }
}

// Solves the board, asking for each step described first and then made.
std::string SolveChecked(BoardSolver& solver, Board& board)
{
    for (int call = 0; call < MAX_SOLVE_STEPS; ++call) {
        const StepResult described = solver.FindNextStep(board, true);
        const StepResult step = solver.FindNextStep(board, false);
        const BoardMove& a = described.move;
        const BoardMove& b = step.move;
        if (described.stepId != step.stepId || a.type != b.type || a.x != b.x || a.y != b.y || a.data != b.data ||
            a.extraData != b.extraData || a.rowIndex != b.rowIndex || a.columnIndex != b.columnIndex ||
            a.text != b.text) {
            return Stringf("step %d: described id %d, made id %d", call, described.stepId, step.stepId);
        }
        if (step.stepId == STEP_ID_STUCK) {
            return {};
        }
        if (step.stepId == STEP_ID_BOARD_SOLVED) {
            return board.IsSolutionGridValid() ? "" : "called solved, but the board differs from the answer";
        }
        const std::string contradiction = FindContradiction(board, step.move);
        if (!contradiction.empty()) {
            return Stringf("step %d (id %d) %s", call, step.stepId, contradiction.c_str());
        }
    }
    return "no end after the step cap";
}

// Generates the board, starts it as a puzzle does and solves it with the
// solver its cages call for.
std::string GenerateAndSolve(bool hybrid, bool hidden, unsigned size, unsigned seed)
{
    SimpleBoardGenerator simpleGenerator;
    HybridBoardGenerator hybridGenerator;
    GeneratorRecipe recipe;
    recipe.size = size;
    recipe.solvingAttributes = hidden ? SOLVING_ATTRIBUTE_HIDDEN_CAGES : 0;
    recipe.forceReducedCageSize = seed % 2 == 1;
    Clock clock;
    const GeneratedBoard built = BuildGeneratedBoard(
        hybrid ? static_cast<BoardGenerator&>(hybridGenerator) : simpleGenerator, seed, recipe, clock);
    if (!built.generated) {
        return "not generated";
    }
    Board& board = *built.board;
    const std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
    board.SetProgress(progress.get());
    if (hidden) {
        board.BuildHiddenCageShapes();
    }
    board.RecomputeAutoEliminations();
    board.UpdateCageSolutions();
    SimpleBoardSolver simpleSolver;
    HiddenCageSolver hiddenSolver;
    const std::string problem = SolveChecked(hidden ? static_cast<BoardSolver&>(hiddenSolver) : simpleSolver, board);
    board.SetProgress(nullptr);
    return problem.empty() ? problem : problem + "\n" + PrintBoard(board);
}

TEST(GeneratedBoardSweepTest, NoStepContradictsTheAnswer)
{
    FakeBoardSettings settings;
    settings.useAutoElimination = false;
    for (unsigned size : {3u, 5u, 7u, 9u}) {
        for (bool hybrid : {false, true}) {
            for (bool hidden : {false, true}) {
                for (unsigned seed = 1; seed <= 6; ++seed) {
                    ASSERT_EQ("", GenerateAndSolve(hybrid, hidden, size, seed))
                        << (hybrid ? "hybrid " : "simple ") << size << (hidden ? " hidden" : " visible") << " seed "
                        << seed;
                }
            }
        }
    }
}

} // namespace
