// The hidden-cage solver on boards from the generators: it may get stuck,
// but every step it takes must agree with the answer.
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/solver/HiddenCageSolver.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "game/puzzle/generation/SimpleBoardGenerator.h"
#include "tests/game/puzzle/solver/SolverTestSupport.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace Pemberquill;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned BOARDS_PER_SIZE = 30;
#else
constexpr unsigned BOARDS_PER_SIZE = 300;
#endif
// Every this many boards the steps are also asked for in describe-only mode
// first, which doubles the work.
constexpr unsigned DESCRIBE_EVERY = 5;

std::vector<int> SortedAnswer(const Cage& cage)
{
    std::vector<int> values;
    for (const Square* square : cage.squares) {
        values.push_back(static_cast<int>(square->solutionValue));
    }
    std::sort(values.begin(), values.end());
    return values;
}

int TrueCageColor(const Board& board, const Square& square)
{
    const Cage* cage = board.GetCage(square.cageIndex);
    return cage != nullptr ? cage->color : -1;
}

// One step against the answer: the square painted into its own cage's
// colour, the value placed its answer, the candidate removed not its answer,
// the solution declared invalid not the one the cage holds.
void ExpectStepAgreesWithAnswer(const Board& board, const StepResult& step)
{
    const BoardMove& move = step.move;
    if (move.type == MOVE_TYPE_SOLUTION_MARK) {
        const Cage& cage = board.GetCages().at(static_cast<size_t>(move.x));
        std::vector<int> values = cage.solutions.at(static_cast<size_t>(move.y)).values;
        std::sort(values.begin(), values.end());
        EXPECT_NE(SortedAnswer(cage), values) << "step " << step.stepId << " ruled out the answer of cage " << cage.index;
        return;
    }
    const Square& square = board.GetSquare(static_cast<unsigned>(move.x), static_cast<unsigned>(move.y));
    switch (move.type) {
    case MOVE_TYPE_COLOR:
        EXPECT_EQ(TrueCageColor(board, square), move.data) << "step " << step.stepId << " painted " << move.x << ","
                                                           << move.y;
        break;
    case MOVE_TYPE_VALUE:
        EXPECT_EQ(static_cast<int>(square.solutionValue), move.data)
            << "step " << step.stepId << " at " << move.x << "," << move.y;
        break;
    case MOVE_TYPE_CANDIDATE:
        EXPECT_NE(static_cast<int>(square.solutionValue), move.data + 1)
            << "step " << step.stepId << " at " << move.x << "," << move.y;
        EXPECT_TRUE(board.GetProgress()->IsCandidateEliminated(square, move.data)) << "a step only ever removes";
        break;
    default: ADD_FAILURE() << "step " << step.stepId << " made a move of type " << move.type;
    }
}

struct SweepTally {
    unsigned boards = 0;
    unsigned solved = 0;
    unsigned paintings = 0;
};

// Starts the board as a puzzle does and solves it step by step.
void SolveAndCheck(Board& board, bool describeFirst, SweepTally& tally)
{
    std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
    board.SetProgress(progress.get());
    board.BuildHiddenCageShapes();
    board.RecomputeAutoEliminations();
    board.UpdateCageSolutions();

    HiddenCageSolver solver;
    StepResult step;
    int numSteps = 0;
    for (; numSteps < MAX_SOLVE_STEPS; ++numSteps) {
        step = describeFirst ? DescribeThenApply(solver, board) : solver.FindNextStep(board, false);
        if (step.stepId <= STEP_ID_BOARD_SOLVED) {
            break;
        }
        ExpectStepAgreesWithAnswer(board, step);
        tally.paintings += step.move.type == MOVE_TYPE_COLOR ? 1 : 0;
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "after step " << numSteps << " of\n" << PrintBoard(board);
            break;
        }
    }
    EXPECT_LT(numSteps, MAX_SOLVE_STEPS) << "every step is one edit, so a board runs out of them";
    if (step.stepId == STEP_ID_BOARD_SOLVED) {
        ++tally.solved;
        EXPECT_TRUE(board.IsSolutionGridValid()) << PrintBoard(board);
    }
    for (const Square& square : board.GetSquares()) {
        const int color = board.GetSquareColorIndex(square);
        if (color != -1) {
            EXPECT_EQ(TrueCageColor(board, square), color) << square.x << "," << square.y;
        }
    }
    board.SetProgress(nullptr);
}

class HiddenCageSolverSweepTest : public ::testing::TestWithParam<unsigned> {};

// Three kinds of board in turn: the hybrid generator with every rule, the
// same with the reduced cage size, and the simple generator with the
// reduced size (the reduced boards are solved far more often, so the
// check of solved boards is not left to a handful).
TEST_P(HiddenCageSolverSweepTest, EveryStepAgreesWithTheAnswer)
{
    const unsigned size = GetParam();
    HybridBoardGenerator hybrid;
    SimpleBoardGenerator simple;
    Clock clock;
    SweepTally tally;
    for (unsigned seed = 1; seed <= BOARDS_PER_SIZE; ++seed) {
        GeneratorRecipe recipe;
        recipe.size = size;
        recipe.solvingAttributes = SOLVING_ATTRIBUTE_HIDDEN_CAGES;
        recipe.forceReducedCageSize = seed % 3 != 0;
        BoardGenerator& generator = seed % 3 == 2 ? static_cast<BoardGenerator&>(simple) : hybrid;
        GeneratedBoard built = BuildGeneratedBoard(generator, seed, recipe, clock);
        if (!built.generated) {
            continue;
        }
        ++tally.boards;
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        SolveAndCheck(*built.board, seed % DESCRIBE_EVERY == 0, tally);
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_GE(tally.boards, BOARDS_PER_SIZE * 9 / 10);
    EXPECT_GT(tally.solved, 0u);
    EXPECT_GT(tally.paintings, tally.boards) << "the painting techniques do the work they are there for";
    RecordProperty("boards", static_cast<int>(tally.boards));
    RecordProperty("solved", static_cast<int>(tally.solved));
}

INSTANTIATE_TEST_SUITE_P(Sizes, HiddenCageSolverSweepTest, ::testing::Range(4u, 10u));

} // namespace
