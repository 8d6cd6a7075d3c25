// The solver framework: the rating in single precision, the step cap, and a
// refused edit that is no step. The steps themselves are pinned by the
// digests and checked against the answer by the sweep.
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Pemberquill;

namespace {

// Reports a fixed sequence of step ids, then keeps reporting the last one.
class ScriptedSolver : public SimpleBoardSolver {
public:
    explicit ScriptedSolver(std::vector<int> ids) : m_ids(std::move(ids)) {}

    StepResult FindNextStep(Board&, bool) override
    {
        StepResult step;
        step.stepId = m_ids[std::min(m_calls, m_ids.size() - 1)];
        step.complexity = GetStepComplexity(step.stepId);
        ++m_calls;
        return step;
    }

    size_t Calls() const { return m_calls; }

private:
    std::vector<int> m_ids;
    size_t m_calls = 0;
};

TEST(SolveRatingTest, FiveOnlyCandidatesAndTwoOnlyLocationsRateExactlyFourPointEightThree)
{
    ScriptedSolver solver({3, 3, 3, 3, 3, 12, 12, STEP_ID_BOARD_SOLVED});
    Clock clock;
    Board board(4, 0, &clock, 99);

    const SolveResult result = solver.SolveBoard(board);

    EXPECT_EQ(result.rating, 4.83f);
    EXPECT_EQ(result.steps, 7);
    EXPECT_EQ(result.hardestStep, 12);
    EXPECT_TRUE(result.isSolvable);
    EXPECT_EQ(result.boardValue, 99);
}

TEST(SolveRatingTest, ScaleTakesPointThreeInSinglePrecision)
{
    // Hardest step 23 multiplies by 1 + 21 x 0.3 / 20, about 1.315; for a sum
    // of 1.9 the single-precision 0.3 gives another float than 0.3 itself.
    const float sum = 1.9f;
    const float withSingle = static_cast<float>(sum * (1.0 + 21 * static_cast<double>(0.3f) / 20.0));
    const float withDouble = static_cast<float>(sum * (1.0 + 21 * 0.3 / 20.0));
    ASSERT_NE(withSingle, withDouble);
    EXPECT_EQ(SimpleBoardSolver::ScaleRating(sum, STEP_ID_VALUE_ALREADY_PLACED), withSingle);
    EXPECT_EQ(SimpleBoardSolver::ScaleRating(0.0f, STEP_ID_BOARD_SOLVED), 0.0f);
    EXPECT_EQ(SimpleBoardSolver::ScaleRating(2.0f, STEP_ID_SINGLE_SQUARE_CAGE), 2.0f);
}

TEST(SolveRatingTest, SolveGivesUpAfterTenThousandCalls)
{
    ScriptedSolver solver({STEP_ID_ODD_IN_EVEN_CAGE});
    Clock clock;
    Board board(4, 0, &clock, 1);

    const SolveResult result = solver.SolveBoard(board);

    EXPECT_EQ(solver.Calls(), static_cast<size_t>(MAX_SOLVE_STEPS));
    EXPECT_FALSE(result.isSolvable);
    EXPECT_EQ(result.steps, MAX_SOLVE_STEPS - 1);
    EXPECT_EQ(result.hardestStep, STEP_ID_ODD_IN_EVEN_CAGE);
}

TEST(SolverFrameworkTest, EditTheBoardRefusesDoesNotCountAsAStep)
{
    FakeBoardSettings settings;
    SimpleBoardSolver solver;
    // A damaged single-square cage whose target the board cannot hold; the
    // other squares in a NoOp cage, which no technique reasons about.
    CageSpec filler{CAGE_RULE_NOOP, {}, 4};
    for (unsigned i = 0; i < 16; ++i) {
        if (i != 6) {
            filler.squares.emplace_back(i % 4, i / 4);
        }
    }
    PlayableBoard position({"1234", "2341", "3412", "4123"}, {{CAGE_RULE_EQUALS, {{2, 1}}}, filler});
    position.board.GetCages()[0].target = 7;
    position.board.GetCages()[0].solutions.clear();
    position.board.RecomputeAutoEliminations();
    position.board.UpdateCageSolutions();

    const StepResult step = solver.FindNextStep(position.board, false);

    EXPECT_EQ(step.stepId, STEP_ID_STUCK);
    EXPECT_EQ(step.complexity, 0.0f);
    EXPECT_TRUE(position.Progress().GetMoves().empty());
}

} // namespace
