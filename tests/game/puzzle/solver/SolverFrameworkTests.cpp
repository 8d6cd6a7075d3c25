// The solver framework: the complexity table and the rating, whole-board
// solves, describe-only steps, the technique order, and derived solvers
// that put techniques of their own in front.
#include "engine/core/UlvoException.h"
#include "tests/game/puzzle/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

// Everything a step could change, to tell whether a board was touched.
struct ProgressSnapshot {
    std::vector<unsigned> values;
    std::vector<uint16_t> playerEliminations;
    std::vector<uint16_t> autoEliminations;
    std::vector<bool> solutionMarks;
    size_t moves = 0;
    int steps = 0;

    explicit ProgressSnapshot(const Board& board)
    {
        const BoardProgress& progress = *board.GetProgress();
        for (const Square& square : board.GetSquares()) {
            values.push_back(progress.GetValue(square));
            playerEliminations.push_back(progress.GetPlayerEliminations(square));
            autoEliminations.push_back(progress.GetAutoEliminations(square));
        }
        for (const Cage& cage : board.GetCages()) {
            for (size_t i = 0; i < cage.solutions.size(); ++i) {
                solutionMarks.push_back(progress.IsSolutionEliminated(cage.index, static_cast<int>(i)));
            }
        }
        moves = progress.GetMoves().size();
        steps = progress.GetSteps();
    }

    bool operator==(const ProgressSnapshot& other) const
    {
        return values == other.values && playerEliminations == other.playerEliminations &&
               autoEliminations == other.autoEliminations && solutionMarks == other.solutionMarks &&
               moves == other.moves && steps == other.steps;
    }
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

TEST(SolveRatingTest, SumIsKeptInSinglePrecisionAfterEveryStep)
{
    // 2.1f + 2.1f + 2.1f summed in double and rounded once gives a different
    // float than rounding after each addition.
    std::vector<int> ids(30, STEP_ID_ONLY_LOCATION_FOR_VALUE);
    ids.push_back(STEP_ID_BOARD_SOLVED);
    ScriptedSolver solver(ids);
    Clock clock;
    Board board(4, 0, &clock, 1);

    const SolveResult result = solver.SolveBoard(board);

    float sum = 0.0f;
    for (int i = 0; i < 30; ++i) {
        sum += 2.1f;
    }
    EXPECT_EQ(result.rating, SimpleBoardSolver::ScaleRating(sum, STEP_ID_ONLY_LOCATION_FOR_VALUE));
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

TEST_F(SolverFrameworkTest, SolvedBoardTakesNoSteps)
{
    SolverPosition position(CYCLIC_4, {});
    position.FillWithAnswer();

    const SolveResult result = solver.SolveBoard(position.board);

    EXPECT_TRUE(result.isSolvable);
    EXPECT_EQ(result.steps, 0);
    EXPECT_EQ(result.hardestStep, STEP_ID_BOARD_SOLVED);
    EXPECT_EQ(result.rating, 0.0f);
    EXPECT_EQ(result.boardValue, 7);
}

TEST_F(SolverFrameworkTest, BoardWithNothingToDeduceIsStuckAtOnce)
{
    SolverPosition position(CYCLIC_4, {});
    const ProgressSnapshot before(position.board);

    const SolveResult result = solver.SolveBoard(position.board);

    EXPECT_FALSE(result.isSolvable);
    EXPECT_EQ(result.steps, 0);
    EXPECT_EQ(result.hardestStep, STEP_ID_BOARD_SOLVED);
    EXPECT_EQ(result.rating, 0.0f);
    EXPECT_TRUE(ProgressSnapshot(position.board) == before);
}

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

TEST_F(SolverFrameworkTest, DescribeOnlyLeavesTheBoardAloneAndRepeatsItself)
{
    SolverPosition position(MIXED_ANSWER, MixedCages());
    // Walk a few steps in, so that the step described is not the first.
    for (int i = 0; i < 5; ++i) {
        solver.FindNextStep(position.board, false);
    }
    const ProgressSnapshot before(position.board);

    const StepResult first = solver.FindNextStep(position.board, true);
    const StepResult second = solver.FindNextStep(position.board, true);

    EXPECT_TRUE(ProgressSnapshot(position.board) == before);
    EXPECT_EQ(first.stepId, second.stepId);
    EXPECT_TRUE(SameMove(first.move, second.move));
    const StepResult applied = solver.FindNextStep(position.board, false);
    EXPECT_EQ(applied.stepId, first.stepId);
    EXPECT_TRUE(SameMove(applied.move, first.move));
    EXPECT_FALSE(ProgressSnapshot(position.board) == before);
}

TEST_F(SolverFrameworkTest, AppliedStepsAreRecordedAsPlayerMoves)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_EQUALS, {{2, 1}}}});

    const StepResult step = solver.FindNextStep(position.board, false);

    ASSERT_EQ(position.progress->GetMoves().size(), 1u);
    EXPECT_TRUE(SameMove(position.progress->GetMoves()[0], step.move));
    EXPECT_EQ(position.progress->GetSteps(), 1);
    EXPECT_TRUE(position.board.Undo());
    EXPECT_EQ(position.ValueAt(2, 1), 0u);
}

TEST_F(SolverFrameworkTest, OnlyLocationComesBeforeComparisonReasoning)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_COMPARISONS, {{1, 0}, {2, 0}}}});
    for (unsigned x = 1; x < 4; ++x) {
        position.Eliminate(x, 0, {1});
    }

    EXPECT_EQ(solver.FindNextStep(position.board, true).stepId, STEP_ID_ONLY_LOCATION_FOR_VALUE);
}

TEST_F(SolverFrameworkTest, LastValueOfTheOnlySolutionComesBeforeOnlyLocation)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}});
    position.Place(0, 0, 1);
    // 3 has one place left in row 2.
    for (unsigned x = 1; x < 4; ++x) {
        position.Eliminate(x, 2, {3});
    }
    ASSERT_TRUE(position.IsOpen(0, 2, 3));

    EXPECT_EQ(solver.FindNextStep(position.board, true).stepId, STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION);
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

TEST_F(SolverFrameworkTest, BoardWithoutProgressIsRefused)
{
    Clock clock;
    Board board(4, 0, &clock, 1);

    EXPECT_THROW(solver.FindNextStep(board, true), UlvoException);
}

// A solver with one technique of its own in front of the ordinary list:
// paint the first unpainted square of cage 0 in the cage's colour.
class PaintingSolver : public SimpleBoardSolver {
public:
    StepResult FindNextStep(Board& board, bool describeOnly) override
    {
        static const SolverTechnique<PaintingSolver> TECHNIQUES[] = {
            {STEP_ID_BOARD_SOLVED, &PaintingSolver::StepBoardSolved},
            {STEP_ID_ONLY_SQUARE_AVAILABLE, &PaintingSolver::StepPaintCageZero},
        };
        BeginStep(board, describeOnly);
        StepResult step;
        if (!ApplyFirstTechnique(*this, TECHNIQUES, board, step)) {
            return SimpleBoardSolver::FindNextStep(board, describeOnly);
        }
        step.complexity = GetStepComplexity(step.stepId);
        return step;
    }

private:
    bool StepPaintCageZero(Board& board, StepResult& step)
    {
        const Cage& cage = board.GetCages()[0];
        for (const Square* square : cage.squares) {
            if (board.GetSquareColorIndex(*square) == -1 && PaintSquare(board, *square, cage.color, step)) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(SolverFrameworkTest, DerivedSolverTriesItsOwnTechniquesFirst)
{
    // The key square (0, 0) of cage 0 starts painted; (1, 0) does not.
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_NOOP, {{0, 0}, {1, 0}}, 2}, {CAGE_RULE_EQUALS, {{2, 1}}, 3}});
    PaintingSolver painter;

    const StepResult painted = DescribeThenApply(painter, position.board);
    EXPECT_EQ(painted.stepId, STEP_ID_ONLY_SQUARE_AVAILABLE);
    EXPECT_EQ(painted.complexity, GetStepComplexity(STEP_ID_ONLY_SQUARE_AVAILABLE));
    EXPECT_EQ(painted.move.type, MOVE_TYPE_COLOR);
    EXPECT_EQ(painted.move.x, 1);
    EXPECT_EQ(painted.move.data, 2);
    EXPECT_EQ(position.board.GetSquareColorIndex(position.At(1, 0)), 2);

    // Cage 0 is painted, so the ordinary list runs: the Equals cage places
    // its value. SolveBoard goes through the derived list too.
    EXPECT_EQ(painter.FindNextStep(position.board, true).stepId, STEP_ID_SINGLE_SQUARE_CAGE);
    const SolveResult result = painter.SolveBoard(position.board);
    EXPECT_EQ(result.hardestStep, STEP_ID_SINGLE_SQUARE_CAGE);
    EXPECT_FALSE(result.isSolvable);
}

} // namespace
