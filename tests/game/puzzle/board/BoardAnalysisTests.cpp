// The questions solvers and the puzzle ask of a board and its cages.
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Pemberquill;

namespace {

const std::vector<std::string> ANSWER = {"12345", "23451", "34512", "45123", "51234"};

enum CageId { ADDITION_PAIR, EVEN_SINGLE, STRAIGHT_COLUMN, ODD_SINGLE, COMPARISON_PAIR, EQUALS_SINGLE };

std::vector<CageSpec> Cages()
{
    return {
        {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}, 0},                // 1 + 2
        {CAGE_RULE_EVEN, {{3, 0}}, 1},                            // 4
        {CAGE_RULE_STRAIGHT, {{0, 1}, {0, 2}, {0, 3}}, 2},        // 2, 3, 4
        {CAGE_RULE_ODD, {{4, 0}}, 3},                             // 5
        {CAGE_RULE_COMPARISONS, {{1, 1}, {2, 1}}, 4},             // 3 < 4
        {CAGE_RULE_EQUALS, {{4, 4}}, 0},                          // 4
    };
}

class BoardAnalysisTest : public ::testing::Test {
protected:
    // Set up as a puzzle starts a hidden-cage board.
    BoardAnalysisTest() : play(ANSWER, Cages(), SOLVING_ATTRIBUTE_HIDDEN_CAGES)
    {
        board.BuildHiddenCageShapes();
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
    }

    const Cage& CageAt(CageId id) const { return board.GetCages()[id]; }

    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardAnalysisTest, TeachesHiddenCagesAndTheRulesItsCagesUse)
{
    const TeachableGameMechanics taught = board.GetTeachableGameMechanics();
    EXPECT_EQ(std::set<int>{MECHANIC_HIDDEN_CAGES}, taught.mechanics);
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ADDITION | CAGE_RULE_EVEN | CAGE_RULE_STRAIGHT | CAGE_RULE_ODD |
                                    CAGE_RULE_COMPARISONS | CAGE_RULE_EQUALS),
              taught.rules.GetMask());
}

TEST(BoardTeachingTest, AdditionAndOddTeachExactlyThoseRules)
{
    PlayableBoard play({"12", "21"}, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}},
                                      {CAGE_RULE_ODD, {{0, 1}}},
                                      {CAGE_RULE_NONE, {{1, 1}}}});
    const TeachableGameMechanics taught = play.board.GetTeachableGameMechanics();
    EXPECT_TRUE(taught.mechanics.empty());
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ADDITION | CAGE_RULE_ODD), taught.rules.GetMask())
        << "a cage without a rule teaches nothing";
}

TEST(BoardFindCageTest, ScansColumnsFromTheLeftAndEachFromTheBottom)
{
    PlayableBoard play({"123", "231", "312"}, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}},
                                               {CAGE_RULE_SUBTRACTION, {{2, 0}, {2, 1}}},
                                               {CAGE_RULE_ADDITION, {{0, 1}, {0, 2}}},
                                               {CAGE_RULE_ADDITION, {{1, 1}, {1, 2}, {2, 2}}}});
    EXPECT_EQ(&play.board.GetCages()[2], play.board.FindCageWithRule(CAGE_RULE_ADDITION));
    EXPECT_EQ(&play.board.GetCages()[1], play.board.FindCageWithRule(CAGE_RULE_SUBTRACTION));
    EXPECT_EQ(nullptr, play.board.FindCageWithRule(CAGE_RULE_DIVISION));
    EXPECT_EQ(nullptr, play.board.FindCageWithRule(CAGE_RULE_ADDITION | CAGE_RULE_SUBTRACTION));
}

TEST_F(BoardAnalysisTest, FirstOpenSolutionSkipsMarkedAndRuledOutSolutions)
{
    const Cage& straight = CageAt(STRAIGHT_COLUMN);
    ASSERT_EQ(&straight.solutions[0], straight.FirstOpenSolution(board));

    board.MarkSolutionInvalid(STRAIGHT_COLUMN, 0, false);
    EXPECT_EQ(&straight.solutions[1], straight.FirstOpenSolution(board));

    for (size_t i = 1; i < straight.solutions.size(); ++i) {
        play.Progress().SetSolutionAutoBit(STRAIGHT_COLUMN, static_cast<int>(i), true);
    }
    EXPECT_EQ(nullptr, straight.FirstOpenSolution(board));
}

TEST_F(BoardAnalysisTest, CollectsOneEntryPerOpenCandidateOrPlacedValue)
{
    board.SetSquareValue(play.At(0, 2), 3, false, false);
    board.ToggleCandidate(play.At(0, 1), 5, false);

    const std::vector<CageCandidate> entries = board.CollectCageCandidates(CageAt(STRAIGHT_COLUMN));

    // (0,1): 1, 2, 4 open (3 by the placed value, 5 by the player);
    // (0,2): the placed 3; (0,3): 1, 2, 4, 5.
    const std::vector<std::pair<int, Square*>> expected = {
        {1, &play.At(0, 1)}, {2, &play.At(0, 1)}, {4, &play.At(0, 1)}, {3, &play.At(0, 2)},
        {1, &play.At(0, 3)}, {2, &play.At(0, 3)}, {4, &play.At(0, 3)}, {5, &play.At(0, 3)}};
    ASSERT_EQ(expected.size(), entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(expected[i].first, entries[i].value) << i;
        EXPECT_EQ(expected[i].second, entries[i].square) << i;
        EXPECT_FALSE(entries[i].used);
        EXPECT_TRUE(entries[i].available);
        EXPECT_FALSE(entries[i].validated);
        EXPECT_EQ(i == 3, entries[i].fixed) << i;
    }
}

TEST_F(BoardAnalysisTest, ParityCagesRejectValuesOfTheOtherParity)
{
    board.SetSquareValue(play.At(2, 2), 3, false, false);
    board.SetSquareValue(play.At(3, 2), 4, false, false);
    EXPECT_FALSE(board.CanSquareValueFitCage(CageAt(EVEN_SINGLE), play.At(2, 2)));
    EXPECT_TRUE(board.CanSquareValueFitCage(CageAt(EVEN_SINGLE), play.At(3, 2)));
    EXPECT_FALSE(board.CanSquareValueFitCage(CageAt(ODD_SINGLE), play.At(3, 2)));
    EXPECT_TRUE(board.CanSquareValueFitCage(CageAt(ODD_SINGLE), play.At(2, 3))) << "an empty square";
}

TEST_F(BoardAnalysisTest, ASquareFitsWhenAnOpenSolutionUsesItsValue)
{
    const Cage& straight = CageAt(STRAIGHT_COLUMN);
    board.SetSquareValue(play.At(3, 3), 5, false, false);
    EXPECT_TRUE(board.CanSquareValueFitCage(straight, play.At(3, 3)));

    for (size_t i = 0; i < straight.solutions.size(); ++i) {
        if (straight.solutions[i].ContainsValue(5)) {
            board.MarkSolutionInvalid(STRAIGHT_COLUMN, static_cast<int>(i), false);
        }
    }
    EXPECT_FALSE(board.CanSquareValueFitCage(straight, play.At(3, 3)));

    // An empty square fits through any open candidate that a solution uses.
    for (int value = 1; value <= 4; ++value) {
        board.ToggleCandidate(play.At(2, 3), value, false);
    }
    EXPECT_FALSE(board.CanSquareValueFitCage(straight, play.At(2, 3)));
    board.ToggleCandidate(play.At(2, 3), 2, false);
    EXPECT_TRUE(board.CanSquareValueFitCage(straight, play.At(2, 3)));
}

TEST(BoardFitTest, EverySquareFitsEveryCageOnBoardsWithoutHiddenCages)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());
    play.board.SetSquareValue(play.At(2, 2), 3, false, false);
    EXPECT_TRUE(play.board.CanSquareValueFitCage(play.board.GetCages()[EVEN_SINGLE], play.At(2, 2)));
}

TEST_F(BoardAnalysisTest, JoiningNeedsAnUnpaintedSquareAtOrAfterTheKeySquare)
{
    const Cage& straight = CageAt(STRAIGHT_COLUMN);
    EXPECT_TRUE(straight.IsAtOrAfterKeySquare(0, 1));
    EXPECT_TRUE(straight.IsAtOrAfterKeySquare(3, 1));
    EXPECT_TRUE(straight.IsAtOrAfterKeySquare(0, 4));
    EXPECT_FALSE(straight.IsAtOrAfterKeySquare(4, 0));

    EXPECT_TRUE(board.CanSquareJoinCage(straight, &play.At(1, 2), nullptr));
    EXPECT_FALSE(board.CanSquareJoinCage(straight, &play.At(2, 0), nullptr)) << "before the key square";
    EXPECT_FALSE(board.CanSquareJoinCage(straight, &play.At(1, 1), nullptr)) << "a painted key square";
    EXPECT_FALSE(board.CanSquareJoinCage(straight, nullptr, nullptr));
    SquareSet visited{&play.At(1, 2)};
    EXPECT_FALSE(board.CanSquareJoinCage(straight, &play.At(1, 2), &visited));

    board.SetSquareColor(play.At(1, 2), 0, false);
    EXPECT_FALSE(board.CanSquareJoinCage(straight, &play.At(1, 2), nullptr));
}

TEST_F(BoardAnalysisTest, GrowthStopsOnceTheNeededSquaresAreFound)
{
    const Cage& straight = CageAt(STRAIGHT_COLUMN);
    SquareSet visited;
    EXPECT_TRUE(board.CanGrowCage(straight, play.At(0, 1), 2, visited));
    EXPECT_EQ(2u, visited.size());

    SquareSet full{&play.At(3, 3), &play.At(3, 4)};
    EXPECT_TRUE(board.CanGrowCage(straight, play.At(0, 1), 2, full));
    EXPECT_EQ(2u, full.size());
}

TEST_F(BoardAnalysisTest, AHiddenCageReachesOnlyThroughSquaresItCanTake)
{
    const Cage& pair = CageAt(ADDITION_PAIR);
    // (0,0) is the key square; (0,1) and (1,1) are painted key squares of
    // other cages, so growth leaves through (1,0) and (2,0) alone.
    board.ToggleCandidate(play.At(2, 0), 1, false);
    board.ToggleCandidate(play.At(2, 0), 2, false);

    EXPECT_EQ(1, pair.CountSquaresInCageColor(board));
    EXPECT_EQ(2, pair.GetReachableSize(board)) << "(2,0) can hold neither 1 nor 2";
    EXPECT_EQ(2, pair.GetMaxSolutionSize(board));
    EXPECT_FALSE(pair.IsPaintComplete(board));
    EXPECT_EQ(std::vector<Square*>{&play.At(0, 0)}, pair.GetPaintedSquares(board));

    board.SetSquareColor(play.At(1, 0), pair.color, false);
    EXPECT_EQ(2, pair.CountSquaresInCageColor(board));
    EXPECT_TRUE(pair.IsPaintComplete(board));

    board.SetSquareColor(play.At(1, 0), 4, false);
    EXPECT_EQ(1, pair.CountSquaresInCageColor(board)) << "painted, but in another colour";
    EXPECT_EQ(2u, pair.GetPaintedSquares(board).size());
    EXPECT_FALSE(pair.IsPaintComplete(board));
}

TEST_F(BoardAnalysisTest, ReachIsTheRuleSizeForPairRulesAndTheCountForComparisons)
{
    EXPECT_EQ(1, CageAt(EQUALS_SINGLE).GetReachableSize(board));
    EXPECT_EQ(5, CageAt(STRAIGHT_COLUMN).GetReachableSize(board));
    EXPECT_EQ(5, CageAt(STRAIGHT_COLUMN).GetMaxSolutionSize(board));
    EXPECT_EQ(2, CageAt(COMPARISON_PAIR).GetMaxSolutionSize(board));
}

TEST(BoardPaintCompleteTest, CagesOfBoardsWithoutHiddenCagesAreAlwaysComplete)
{
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());
    const Cage& straight = play.board.GetCages()[STRAIGHT_COLUMN];
    EXPECT_TRUE(straight.IsPaintComplete(play.board));
    EXPECT_EQ(3, straight.GetMaxSolutionSize(play.board));
}

} // namespace
