// Each value-placing and candidate-elimination technique on a position
// where it is the first of the solver's list that applies.
#include "tests/game/puzzle/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

const std::vector<std::string> CYCLIC_4 = {"1234", "2341", "3412", "4123"};
// Has two even answers side by side: 2 above 4 in column 1.
const std::vector<std::string> EVEN_PAIR_4 = {"1234", "3412", "2143", "4321"};
const std::vector<std::string> CYCLIC_5 = {"12345", "23451", "34512", "45123", "51234"};

class SolverValueTechniquesTest : public ::testing::Test {
protected:
    FakeBoardSettings settings;
    SimpleBoardSolver solver;
    TechniqueProbe probe;
    StepResult probeStep;
};

TEST_F(SolverValueTechniquesTest, FullBoardIsSolvedWithoutAnEdit)
{
    SolverPosition position(CYCLIC_4, {});
    position.FillWithAnswer();
    const size_t movesBefore = position.progress->GetMoves().size();

    const StepResult step = solver.FindNextStep(position.board, false);

    EXPECT_EQ(step.stepId, STEP_ID_BOARD_SOLVED);
    EXPECT_EQ(step.complexity, 0.0f);
    EXPECT_EQ(step.move.type, MOVE_TYPE_EMPTY);
    EXPECT_EQ(step.move.rowIndex, -1);
    EXPECT_EQ(position.progress->GetMoves().size(), movesBefore);
}

TEST_F(SolverValueTechniquesTest, SingleSquareEqualsCageTakesItsTarget)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_EQUALS, {{2, 1}}}});

    ExpectValuePlaced(position, DescribeThenApply(solver, position.board), STEP_ID_SINGLE_SQUARE_CAGE, 2, 1, 4);
}

TEST_F(SolverValueTechniquesTest, SingleSquareCageComesBeforeTheLastCandidate)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_EQUALS, {{3, 3}}}});
    position.KeepOnly(1, 1, {3});

    ExpectValuePlaced(position, DescribeThenApply(solver, position.board), STEP_ID_SINGLE_SQUARE_CAGE, 3, 3, 3);
}

TEST_F(SolverValueTechniquesTest, LastCandidateIsPlacedBeforeAnyCageReasoning)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_EVEN, {{1, 0}}}});
    position.KeepOnly(1, 1, {3});

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectValuePlaced(position, step, STEP_ID_ONLY_CANDIDATE_LEFT, 1, 1, 3);
    EXPECT_EQ(step.move.extraData, 0);
}

TEST_F(SolverValueTechniquesTest, PlacedValueLeavesItsRowBeforeParityIsConsidered)
{
    settings.useAutoElimination = false;
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_EVEN, {{1, 0}}}});
    position.Place(2, 1, 4);

    const StepResult step = DescribeThenApply(solver, position.board);

    // (2, 1) itself lost its candidates when it took the value; the first
    // square of its row that still offers 4 is (0, 1).
    ExpectCandidateRemoved(position, step, STEP_ID_VALUE_ALREADY_PLACED, 0, 1, 4);
    EXPECT_EQ(step.move.rowIndex, 1);
    EXPECT_EQ(step.move.columnIndex, -1);
}

TEST_F(SolverValueTechniquesTest, PlacedValueLeavesItsColumnOnceTheRowIsClear)
{
    settings.useAutoElimination = false;
    SolverPosition position(CYCLIC_4, {});
    position.Place(0, 0, 1);
    for (unsigned x = 1; x < 4; ++x) {
        position.Eliminate(x, 0, {1});
    }

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectCandidateRemoved(position, step, STEP_ID_VALUE_ALREADY_PLACED, 0, 1, 1);
    EXPECT_EQ(step.move.columnIndex, 0);
    EXPECT_EQ(step.move.rowIndex, -1);
}

TEST_F(SolverValueTechniquesTest, WithAutoEliminationTheBoardRemovesPlacedValuesItself)
{
    SolverPosition position(CYCLIC_4, {});
    position.Place(2, 1, 4);

    EXPECT_FALSE(position.IsOpen(0, 1, 4));
    EXPECT_FALSE(position.IsOpen(2, 3, 4));
    // Without the option this position gives step 23; with it, nothing.
    EXPECT_EQ(solver.FindNextStep(position.board, true).stepId, STEP_ID_STUCK);
}

TEST_F(SolverValueTechniquesTest, OddCandidatesLeaveEvenCagesSquareBySquare)
{
    SolverPosition position(EVEN_PAIR_4, {{CAGE_RULE_EVEN, {{1, 0}, {1, 1}}}});
    position.Eliminate(1, 0, {1, 3});

    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_ODD_IN_EVEN_CAGE, 1, 1, 1);
}

TEST_F(SolverValueTechniquesTest, EvenCandidatesLeaveOddCages)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_ODD, {{0, 0}}}});

    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_EVEN_IN_ODD_CAGE, 0, 0, 2);
}

// A Comparisons cage (1, 0) < (2, 0): answers 2 and 3.
std::vector<CageSpec> ComparisonPair()
{
    return {{CAGE_RULE_COMPARISONS, {{1, 0}, {2, 0}}}};
}

TEST_F(SolverValueTechniquesTest, LowerSquareOfAComparisonCageCannotHoldTheMaximum)
{
    SolverPosition position(CYCLIC_4, ComparisonPair());

    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_LOWER_CAGE_NO_MAX, 1, 0, 4);
}

TEST_F(SolverValueTechniquesTest, HigherSquareOfAComparisonCageCannotHoldTheMinimum)
{
    SolverPosition position(CYCLIC_4, ComparisonPair());
    position.Eliminate(1, 0, {4});

    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_HIGHER_CAGE_NO_MIN, 2, 0, 1);
}

TEST_F(SolverValueTechniquesTest, SquareAloneInItsComparisonCageIsNeitherLowerNorHigher)
{
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_COMPARISONS, {{1, 0}}}});

    EXPECT_FALSE(probe.StepLowerCageNoMax(position.board, probeStep));
    EXPECT_EQ(solver.FindNextStep(position.board, true).stepId, STEP_ID_STUCK);
}

TEST_F(SolverValueTechniquesTest, HigherSquareMustExceedTheLowestOfItsLowerNeighbour)
{
    SolverPosition position(CYCLIC_4, ComparisonPair());
    position.KeepOnly(1, 0, {2, 3});
    position.Eliminate(2, 0, {1});

    // (2, 0) holds 2, 3, 4, and (1, 0) is at least 2.
    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_BELOW_LOWEST_OF_LOWER_CAGE, 2,
                           0, 2);
}

TEST_F(SolverValueTechniquesTest, HigherSquareMustExceedAFilledLowerNeighbour)
{
    // (2, 0) < (3, 0): answers 3 and 4; (2, 0) placed.
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_COMPARISONS, {{2, 0}, {3, 0}}}});
    position.Place(2, 0, 3);
    position.Eliminate(3, 0, {1});

    // (3, 0) holds 2 and 4; its neighbour's value 3 rules out the 2.
    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_BELOW_LOWEST_OF_LOWER_CAGE, 3,
                           0, 2);
}

TEST_F(SolverValueTechniquesTest, EmptyLowerNeighbourWithoutLowCandidatesComparesAgainstZero)
{
    SolverPosition position(CYCLIC_4, ComparisonPair());
    position.KeepOnly(1, 0, {4});
    position.Eliminate(2, 0, {1});

    EXPECT_FALSE(probe.StepBelowLowestOfLowerCage(position.board, probeStep));
}

TEST_F(SolverValueTechniquesTest, LowerSquareMustStayBelowTheHighestOfItsHigherNeighbour)
{
    SolverPosition position(CYCLIC_4, ComparisonPair());
    position.Eliminate(1, 0, {4});
    position.KeepOnly(2, 0, {2, 3});

    // (1, 0) holds 1, 2, 3, and (2, 0) is at most 3.
    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_ABOVE_HIGHEST_OF_HIGHER_CAGE,
                           1, 0, 3);
}

TEST_F(SolverValueTechniquesTest, OnlyLocationForAValueInARowIsFilled)
{
    SolverPosition position(CYCLIC_4, {});
    for (unsigned x = 1; x < 4; ++x) {
        position.Eliminate(x, 0, {1});
    }

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectValuePlaced(position, step, STEP_ID_ONLY_LOCATION_FOR_VALUE, 0, 0, 1);
    EXPECT_EQ(step.move.rowIndex, 0);
    EXPECT_EQ(step.move.columnIndex, -1);
}

TEST_F(SolverValueTechniquesTest, OnlyLocationPrefersTheLowestValueOverTheLowestLine)
{
    SolverPosition position(CYCLIC_4, {});
    // 3 has one place left in row 0, 2 one place left in column 2.
    position.Eliminate(0, 0, {3});
    position.Eliminate(1, 0, {3});
    position.Eliminate(3, 0, {3});
    for (unsigned y = 0; y < 3; ++y) {
        position.Eliminate(2, y, {2});
    }

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectValuePlaced(position, step, STEP_ID_ONLY_LOCATION_FOR_VALUE, 2, 3, 2);
    EXPECT_EQ(step.move.columnIndex, 2);
    EXPECT_EQ(step.move.rowIndex, -1);
}

TEST_F(SolverValueTechniquesTest, OnlyLocationTakesARowBeforeTheColumnOfTheSameIndex)
{
    SolverPosition position(CYCLIC_4, {});
    // 1 has one place left in row 1, (3, 1), and in column 1, (1, 3).
    position.Eliminate(0, 1, {1});
    position.Eliminate(1, 1, {1});
    position.Eliminate(2, 1, {1});
    position.Eliminate(1, 0, {1});
    position.Eliminate(1, 2, {1});

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectValuePlaced(position, step, STEP_ID_ONLY_LOCATION_FOR_VALUE, 3, 1, 1);
    EXPECT_EQ(step.move.rowIndex, 1);
}

TEST_F(SolverValueTechniquesTest, NakedPairRemovesItsValuesFromTheRestOfTheRow)
{
    SolverPosition position(CYCLIC_4, {});
    position.KeepOnly(0, 0, {1, 2});
    position.KeepOnly(1, 0, {1, 2});

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectCandidateRemoved(position, step, STEP_ID_COMBINATION_ELSEWHERE, 2, 0, 1);
    EXPECT_EQ(step.move.numCandidatesInvolved, 2);
    EXPECT_EQ(step.move.rowIndex, 0);
    EXPECT_EQ(step.move.columnIndex, -1);
}

TEST_F(SolverValueTechniquesTest, NakedTripleInAColumnOfAFiveByFiveBoard)
{
    SolverPosition position(CYCLIC_5, {});
    // Column 3 holds 4, 5 and 1 in rows 0 to 2.
    position.KeepOnly(3, 0, {1, 4, 5});
    position.KeepOnly(3, 1, {1, 4, 5});
    position.KeepOnly(3, 2, {1, 4, 5});

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectCandidateRemoved(position, step, STEP_ID_COMBINATION_ELSEWHERE, 3, 3, 1);
    EXPECT_EQ(step.move.numCandidatesInvolved, 3);
    EXPECT_EQ(step.move.columnIndex, 3);
    EXPECT_EQ(step.move.rowIndex, -1);
}

TEST_F(SolverValueTechniquesTest, NakedSubsetsStopBelowTheLineLengthLessOne)
{
    // A 3 x 3 board has no subset size to try; a 4 x 4 board tries pairs only.
    SolverPosition small({"123", "231", "312"}, {});
    small.KeepOnly(0, 0, {1, 2});
    small.KeepOnly(1, 0, {1, 2});
    EXPECT_FALSE(probe.StepCombinationElsewhere(small.board, probeStep));

    SolverPosition triple(CYCLIC_4, {});
    triple.KeepOnly(0, 0, {1, 2, 3});
    triple.KeepOnly(1, 0, {1, 2, 3});
    triple.KeepOnly(2, 0, {1, 2, 3});
    EXPECT_FALSE(probe.StepCombinationElsewhere(triple.board, probeStep));
}

} // namespace
