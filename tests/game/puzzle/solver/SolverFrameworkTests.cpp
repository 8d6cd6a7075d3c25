// The solver framework: the rating in single precision, whole-board solves
// and the step cap, and a refused edit that is no step.
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

// A 4 x 4 board of 1234 / 3412 / 2143 / 4321 that the solver works out to
// the end, with cages of every arithmetic rule.
std::vector<CageSpec> MixedCages()
{
    return {
        {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}},
        {CAGE_RULE_ADDITION, {{2, 0}, {2, 1}}},
        {CAGE_RULE_SUBTRACTION, {{3, 0}, {3, 1}}},
        {CAGE_RULE_SUBTRACTION, {{0, 1}, {0, 2}}},
        {CAGE_RULE_DIVISION, {{1, 1}, {1, 2}}},
        {CAGE_RULE_ADDITION, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}},
        {CAGE_RULE_MULTIPLICATION, {{0, 3}, {1, 3}}},
    };
}
const std::vector<std::string> MIXED_ANSWER = {"1234", "3412", "2143", "4321"};

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

class SolverFrameworkTest : public ::testing::Test {
protected:
    FakeBoardSettings settings;
    SimpleBoardSolver solver;
};

TEST_F(SolverFrameworkTest, SolveAppliesEveryStepAndRatesTheWayThroughIt)
{
    SolverPosition solved(MIXED_ANSWER, MixedCages());
    SolverPosition traced(MIXED_ANSWER, MixedCages());

    const SolveResult result = solver.SolveBoard(solved.board);

    // The same path taken step by step.
    float sum = 0.0f;
    int hardest = STEP_ID_BOARD_SOLVED;
    int steps = 0;
    for (StepResult step = solver.FindNextStep(traced.board, false); step.stepId > STEP_ID_BOARD_SOLVED;
         step = solver.FindNextStep(traced.board, false)) {
        sum += step.complexity;
        hardest = std::max(hardest, step.stepId);
        ++steps;
    }
    EXPECT_TRUE(result.isSolvable);
    EXPECT_TRUE(solved.board.IsSolutionGridValid());
    EXPECT_EQ(result.steps, steps);
    EXPECT_EQ(result.steps, solved.progress->GetSteps());
    EXPECT_EQ(result.hardestStep, hardest);
    EXPECT_EQ(result.rating, SimpleBoardSolver::ScaleRating(sum, hardest));
    EXPECT_GT(result.rating, 0.0f);
}

TEST_F(SolverFrameworkTest, EditTheBoardRefusesDoesNotCountAsAStep)
{
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
