// Each cage-solution technique on a position where it is the first of the
// solver's list that applies.
#include "tests/game/puzzle/solver/SolverTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

const std::vector<std::string> CYCLIC_4 = {"1234", "2341", "3412", "4123"};
// An L of (0, 0), (1, 0), (0, 1) holding 3, 1, 1: its corner takes the
// single value, the two ends the repeated one.
const std::vector<std::string> L_ANSWER_4 = {"3124", "1243", "2431", "4312"};

class SolverCageTechniquesTest : public ::testing::Test {
protected:
    FakeBoardSettings settings;
    SimpleBoardSolver solver;
    TechniqueProbe probe;
    StepResult probeStep;
};

// (0, 0) and (1, 0) add up to 3: the only solution is 1 + 2.
std::vector<CageSpec> PairAddingToThree()
{
    return {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}};
}

TEST_F(SolverCageTechniquesTest, LastEmptySquareOfTheOnlySolutionTakesWhatIsLeft)
{
    SolverPosition position(CYCLIC_4, PairAddingToThree());
    position.Place(0, 0, 1);

    ExpectValuePlaced(position, DescribeThenApply(solver, position.board), STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION, 1, 0,
                      2);
}

TEST_F(SolverCageTechniquesTest, ValueNoRemainingSolutionUsesLeavesTheFirstSquareOfferingIt)
{
    SolverPosition position(CYCLIC_4, PairAddingToThree());

    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_NO_SOLUTION_USES_CANDIDATE, 0,
                           0, 3);
}

// An L of (0, 0), (1, 0), (1, 1) multiplying to 6: only 1 x 2 x 3.
std::vector<CageSpec> LMultiplyingToSix()
{
    return {{CAGE_RULE_MULTIPLICATION, {{0, 0}, {1, 0}, {1, 1}}}};
}

TEST_F(SolverCageTechniquesTest, OnlySolutionLeavesNoRoomForAValueAlreadyPlaced)
{
    SolverPosition position(CYCLIC_4, LMultiplyingToSix());
    position.Place(0, 0, 1);
    position.Eliminate(1, 0, {4});
    position.Eliminate(1, 1, {4});

    // The 1 is placed, so (1, 1), which shares no line with it, can only
    // take 2 or 3.
    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_ONLY_SOLUTION_LACKS_NUMBER, 1,
                           1, 1);
}

TEST_F(SolverCageTechniquesTest, OnlySolutionTellsNothingWhenPlacedValuesContradictIt)
{
    SolverPosition position(CYCLIC_4, LMultiplyingToSix());
    position.Eliminate(1, 0, {4});
    // The player has put 1 into both ends of the L; the solution holds one 1.
    position.Place(0, 0, 1);
    position.Place(1, 1, 1);
    ASSERT_EQ(position.board.GetCages()[0].CountRemainingSolutions(position.board), 1);

    EXPECT_FALSE(probe.StepOnlySolutionLacksNumber(position.board, probeStep));
    EXPECT_FALSE(probe.StepLastValueOfOnlySolution(position.board, probeStep));
    EXPECT_NE(solver.FindNextStep(position.board, true).stepId, STEP_ID_ONLY_SOLUTION_LACKS_NUMBER);
}

TEST_F(SolverCageTechniquesTest, OnlySolutionTellsNothingBeforeAValueIsPlaced)
{
    SolverPosition position(CYCLIC_4, LMultiplyingToSix());
    position.Eliminate(0, 0, {4});

    EXPECT_FALSE(probe.StepOnlySolutionLacksNumber(position.board, probeStep));
    // The value-by-value technique covers this case.
    EXPECT_EQ(solver.FindNextStep(position.board, true).stepId, STEP_ID_NO_SOLUTION_USES_CANDIDATE);
}

// An L adding up to 5 in the cage order given, on the cyclic answer: the
// corner (0, 0) holds 1, the ends (1, 0) and (0, 1) hold 2. Everything but
// 1 + 2 + 2 is ruled out, and the rest of row 0 and column 0 cannot take 1
// or 2, so no naked pair has anything to remove.
class UniqueOrderedPosition : public SolverPosition {
public:
    explicit UniqueOrderedPosition(const std::vector<std::pair<unsigned, unsigned>>& cageOrder)
        : SolverPosition(CYCLIC_4, {{CAGE_RULE_ADDITION, cageOrder}})
    {
        for (const auto& [x, y] : cageOrder) {
            KeepOnly(x, y, {1, 2});
        }
        for (const auto& [x, y] : std::vector<std::pair<unsigned, unsigned>>{{2, 0}, {3, 0}, {0, 2}, {0, 3}}) {
            KeepOnly(x, y, {3, 4});
        }
    }
};

TEST_F(SolverCageTechniquesTest, UniqueOrderedSolutionPutsTheRepeatedValueOffTheCorner)
{
    UniqueOrderedPosition position({{1, 0}, {0, 0}, {0, 1}});

    ExpectValuePlaced(position, DescribeThenApply(solver, position.board), STEP_ID_UNIQUE_ORDERED_SOLUTION, 1, 0, 2);
}

TEST_F(SolverCageTechniquesTest, UniqueOrderedSolutionPutsTheSingleValueInTheCorner)
{
    UniqueOrderedPosition position({{0, 0}, {1, 0}, {0, 1}});

    ExpectValuePlaced(position, DescribeThenApply(solver, position.board), STEP_ID_UNIQUE_ORDERED_SOLUTION, 0, 0, 1);
}

TEST_F(SolverCageTechniquesTest, UniqueOrderedSolutionNeedsAnLAndARepeatedValue)
{
    // A straight cage in one row, and an L whose only solution repeats nothing.
    SolverPosition straight(CYCLIC_4, {{CAGE_RULE_STRAIGHT, {{0, 0}, {1, 0}, {2, 0}}}});
    straight.board.GetProgress()->SetSolutionInvalidBit(0, 1, true);
    EXPECT_FALSE(probe.StepUniqueOrderedSolution(straight.board, probeStep));

    SolverPosition distinct(CYCLIC_4, LMultiplyingToSix());
    EXPECT_FALSE(probe.StepUniqueOrderedSolution(distinct.board, probeStep));
}

TEST_F(SolverCageTechniquesTest, SolutionWhoseDuplicateWouldShareALineIsDeclaredInvalid)
{
    // 1 + 1 + 3 is true; with a 1 placed at an end, 1 + 2 + 2 would need its
    // two 2s in the corner and the other end, which share column 0.
    SolverPosition position(L_ANSWER_4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {0, 1}}}});
    position.Place(1, 0, 1);
    position.Eliminate(0, 0, {4});
    position.Eliminate(0, 1, {4});
    ASSERT_EQ(position.SolutionIndex(0, "1+2+2=5"), 1);

    ExpectSolutionDeclaredInvalid(position, DescribeThenApply(solver, position.board),
                                  STEP_ID_REMOVE_LINEAR_DUPLICATE_SOLUTIONS, 0, 1);
    EXPECT_FALSE(position.progress->IsSolutionMarkedInvalid(0, 0));
}

TEST_F(SolverCageTechniquesTest, LinearDuplicatesAreOnlyJudgedOnceAValueIsPlaced)
{
    SolverPosition position(L_ANSWER_4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {0, 1}}}});

    EXPECT_FALSE(probe.StepRemoveLinearDuplicateSolutions(position.board, probeStep));
}

// (1, 0) and (2, 0) add up to 5: 1 + 4 or 2 + 3 (the answer).
std::vector<CageSpec> PairAddingToFive()
{
    return {{CAGE_RULE_ADDITION, {{1, 0}, {2, 0}}}};
}

// The board refreshes its automatic solution marks after every edit, and
// they already rule out what steps 18 and 19 look for. These positions
// change the progress behind the board's back, as a progress stands before
// the puzzle refreshes it, so that the marks lag behind.
TEST_F(SolverCageTechniquesTest, SolutionLackingAPlacedValueIsDeclaredInvalid)
{
    SolverPosition position(CYCLIC_4, PairAddingToFive());
    position.progress->SetValue(position.At(1, 0), 2);
    position.board.RecomputeAutoEliminations();

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectSolutionDeclaredInvalid(position, step, STEP_ID_REMOVE_SOLUTIONS_BY_PLACED_VALUES, 0,
                                  position.SolutionIndex(0, "1+4=5"));
    EXPECT_FALSE(position.progress->IsSolutionMarkedInvalid(0, position.SolutionIndex(0, "2+3=5")));
}

TEST_F(SolverCageTechniquesTest, PlacedValuesAreTestedForPresenceNotForCount)
{
    // Two squares on a diagonal adding up to 4: 1 + 3 or 2 + 2; a 2 is placed.
    SolverPosition position(CYCLIC_4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 1}}}});
    position.progress->SetValue(position.At(0, 0), 2);
    position.board.RecomputeAutoEliminations();
    ASSERT_TRUE(probe.StepRemoveSolutionsByPlacedValues(position.board, probeStep));
    EXPECT_EQ(probeStep.move.y, position.SolutionIndex(0, "1+3=4"));

    position.progress->SetSolutionInvalidBit(0, probeStep.move.y, true);
    EXPECT_FALSE(probe.StepRemoveSolutionsByPlacedValues(position.board, probeStep));
}

TEST_F(SolverCageTechniquesTest, SolutionNeedingARemovedCandidateIsDeclaredInvalid)
{
    SolverPosition position(CYCLIC_4, PairAddingToFive());
    position.progress->SetPlayerCandidateBit(position.At(1, 0), 3, true);
    position.progress->SetPlayerCandidateBit(position.At(2, 0), 3, true);

    ExpectSolutionDeclaredInvalid(position, DescribeThenApply(solver, position.board),
                                  STEP_ID_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES, 0,
                                  position.SolutionIndex(0, "1+4=5"));
}

TEST_F(SolverCageTechniquesTest, ValueEveryRemainingSolutionNeedsLeavesTheRestOfTheLine)
{
    // (0, 0), (1, 0), (2, 0) add up to 8 (1 + 2 + 5); 1 + 3 + 4 remains as
    // well, and both need a 1, which the rest of row 0 then cannot take.
    const std::vector<std::string> answer = {"12534", "25341", "53412", "34125", "41253"};
    SolverPosition position(answer, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {2, 0}}}});

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectCandidateRemoved(position, step, STEP_ID_REQUIRED_BY_OTHER_CAGE, 3, 0, 1);
    EXPECT_TRUE(position.IsOpen(0, 0, 1));
    EXPECT_TRUE(position.IsOpen(3, 1, 1));
}

TEST_F(SolverCageTechniquesTest, VerticalCageClearsItsColumn)
{
    // A Straight of 2, 3, 4 down column 0; with 1 and 5 gone from its squares
    // only 2,3,4 remains, and the rest of the column cannot take its values.
    // The squares offer different pairs, so no naked subset gets there first.
    const std::vector<std::string> answer = {"23451", "34512", "45123", "51234", "12345"};
    SolverPosition position(answer, {{CAGE_RULE_STRAIGHT, {{0, 0}, {0, 1}, {0, 2}}}});
    position.KeepOnly(0, 0, {2, 3});
    position.KeepOnly(0, 1, {3, 4});
    position.KeepOnly(0, 2, {2, 4});

    const StepResult step = DescribeThenApply(solver, position.board);

    ExpectCandidateRemoved(position, step, STEP_ID_REQUIRED_BY_OTHER_CAGE, 0, 3, 2);
}

TEST_F(SolverCageTechniquesTest, CandidateNoAssignmentUsesIsRemoved)
{
    // 1 + 4 or 2 + 3; (1, 0) offers 1, 2, 3 and (2, 0) offers 3, 4: a 3 in
    // (1, 0) would leave (2, 0) needing a 2.
    SolverPosition position(CYCLIC_4, PairAddingToFive());
    position.KeepOnly(1, 0, {1, 2, 3});
    position.KeepOnly(2, 0, {3, 4});

    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_DEPENDENTS_NOT_VALIDATED, 1,
                           0, 3);
}

TEST_F(SolverCageTechniquesTest, DuplicatesKeptOutOfOneLineRemoveWhatPlainAssignmentsKeep)
{
    // 1 + 1 + 3 (the answer) or 1 + 2 + 2: a 2 in the corner would need the
    // second 2 in its row or column.
    SolverPosition position(L_ANSWER_4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {0, 1}}}});
    for (const auto& [x, y] : std::vector<std::pair<unsigned, unsigned>>{{0, 0}, {1, 0}, {0, 1}}) {
        position.Eliminate(x, y, {4});
    }
    EXPECT_FALSE(probe.StepDependentsNotValidated(position.board, probeStep));

    ExpectCandidateRemoved(position, DescribeThenApply(solver, position.board), STEP_ID_DUPLICATE_DEPENDENTS_LINEAR,
                           0, 0, 2);
}

} // namespace
