// The solver framework: the rating in single precision, the step cap, and a
// refused edit that is no step. The steps themselves are pinned by the
// digests and checked against the answer by the sweep.
#include "tests/game/puzzle/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Pemberquill;

namespace {

const std::vector<std::string> CYCLIC_4 = {"1234", "2341", "3412", "4123"};

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
    // A damaged single-square cage whose target the board cannot hold.
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_EQUALS, {{2, 1}}}});
    position.board.GetCages()[0].target = 7;
    position.board.GetCages()[0].solutions.clear();

    const StepResult step = solver.FindNextStep(position.board, false);

    EXPECT_EQ(step.stepId, STEP_ID_STUCK);
    EXPECT_EQ(step.complexity, 0.0f);
    EXPECT_TRUE(position.progress->GetMoves().empty());
}

} // namespace
