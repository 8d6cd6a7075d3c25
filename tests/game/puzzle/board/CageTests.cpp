#include "game/puzzle/board/Cage.h"

#include "engine/core/Clock.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// A 4 x 4 board whose answers are set square by square.
class CageTest : public ::testing::Test {
protected:
    CageTest() : m_board(4, 0, &m_clock, 0) {}

    Square& At(unsigned x, unsigned y, unsigned solutionValue = 0)
    {
        Square& square = m_board.GetSquare(x, y);
        if (solutionValue != 0) {
            square.solutionValue = solutionValue;
        }
        return square;
    }

    Cage MakeCage(int rule, std::initializer_list<Square*> squares)
    {
        Cage cage;
        cage.rule = rule;
        cage.squares.assign(squares.begin(), squares.end());
        return cage;
    }

    Clock m_clock;
    Board m_board;
};

TEST_F(CageTest, TargetFromTheAnswers)
{
    Cage subtraction = MakeCage(CAGE_RULE_SUBTRACTION, {&At(0, 0, 2), &At(1, 0, 5)});
    subtraction.ComputeTargetFromSolution();
    EXPECT_EQ(3, subtraction.target);
    std::swap(subtraction.squares[0], subtraction.squares[1]);
    subtraction.ComputeTargetFromSolution();
    EXPECT_EQ(3, subtraction.target);

    Cage division = MakeCage(CAGE_RULE_DIVISION, {&At(0, 1, 6), &At(1, 1, 2)});
    division.ComputeTargetFromSolution();
    EXPECT_EQ(3, division.target);
    std::swap(division.squares[0], division.squares[1]);
    division.ComputeTargetFromSolution();
    EXPECT_EQ(3, division.target);

    Cage addition = MakeCage(CAGE_RULE_ADDITION, {&At(0, 2, 1), &At(1, 2, 3), &At(2, 2, 4)});
    addition.ComputeTargetFromSolution();
    EXPECT_EQ(8, addition.target);
    addition.rule = CAGE_RULE_MULTIPLICATION;
    addition.ComputeTargetFromSolution();
    EXPECT_EQ(12, addition.target);
    addition.rule = CAGE_RULE_EQUALS;
    addition.ComputeTargetFromSolution();
    EXPECT_EQ(1, addition.target);
    addition.rule = CAGE_RULE_ODD;
    addition.target = 77;
    addition.ComputeTargetFromSolution();
    EXPECT_EQ(77, addition.target);

    Cage empty = MakeCage(CAGE_RULE_ADDITION, {});
    empty.target = 9;
    empty.ComputeTargetFromSolution();
    EXPECT_EQ(0, empty.target);
}

TEST_F(CageTest, PairRulesWithoutAPairHaveNoTarget)
{
    Cage lonely = MakeCage(CAGE_RULE_SUBTRACTION, {&At(3, 3, 4)});
    lonely.target = 5;
    lonely.ComputeTargetFromSolution();
    EXPECT_EQ(0, lonely.target);
    lonely.rule = CAGE_RULE_DIVISION;
    lonely.ComputeTargetFromSolution();
    EXPECT_EQ(0, lonely.target);
}

TEST_F(CageTest, KeySquareIsTopMostThenLeftMost)
{
    Cage cage = MakeCage(CAGE_RULE_ADDITION, {&At(2, 2), &At(3, 1), &At(1, 1), &At(1, 2)});
    cage.FindTopLeftSquare();
    EXPECT_EQ(2, cage.keySquare);
    EXPECT_EQ(&At(1, 1), cage.GetKeySquare());

    Cage empty;
    empty.keySquare = 4;
    empty.FindTopLeftSquare();
    EXPECT_EQ(-1, empty.keySquare);
}

TEST_F(CageTest, ValueTests)
{
    Cage cage = MakeCage(CAGE_RULE_DIVISION, {&At(0, 0, 4), &At(0, 1, 2)});
    EXPECT_TRUE(cage.CanUseDivision());
    EXPECT_TRUE(cage.AreAllValuesEven());
    EXPECT_FALSE(cage.AreAllValuesOdd());
    EXPECT_TRUE(cage.HasSquareWithSameValue(At(3, 3, 2)));
    EXPECT_FALSE(cage.HasSquareWithSameValue(At(3, 2, 3)));
    EXPECT_FALSE(cage.CanUseStraight());

    At(0, 1).solutionValue = 3;
    EXPECT_FALSE(cage.CanUseDivision());
    EXPECT_FALSE(cage.AreAllValuesEven());

    Cage run = MakeCage(CAGE_RULE_STRAIGHT, {&At(1, 0, 3), &At(2, 0, 1), &At(3, 0, 2)});
    EXPECT_TRUE(run.CanUseStraight());
    EXPECT_FALSE(run.CanUseDivision());
    At(3, 0).solutionValue = 4;
    EXPECT_FALSE(run.CanUseStraight());

    const Cage empty;
    EXPECT_TRUE(empty.AreAllValuesEven());
    EXPECT_TRUE(empty.AreAllValuesOdd());
}

TEST_F(CageTest, ShapeTests)
{
    Cage row = MakeCage(CAGE_RULE_ADDITION, {&At(0, 2), &At(1, 2), &At(2, 2)});
    EXPECT_TRUE(row.IsInOneLine());
    EXPECT_EQ(nullptr, row.FindCornerSquare());

    Cage column = MakeCage(CAGE_RULE_ADDITION, {&At(3, 0), &At(3, 1)});
    EXPECT_TRUE(column.IsInOneLine());

    Cage ell = MakeCage(CAGE_RULE_ADDITION, {&At(0, 0), &At(1, 0), &At(1, 1)});
    EXPECT_FALSE(ell.IsInOneLine());
    EXPECT_EQ(&At(1, 0), ell.FindCornerSquare());
    Cage ell2 = MakeCage(CAGE_RULE_ADDITION, {&At(2, 3), &At(2, 2), &At(3, 3)});
    EXPECT_EQ(&At(2, 3), ell2.FindCornerSquare());

    Cage square = MakeCage(CAGE_RULE_ADDITION, {&At(0, 0), &At(1, 0), &At(0, 1), &At(1, 1)});
    EXPECT_EQ(nullptr, square.FindCornerSquare());
    EXPECT_FALSE(Cage().IsInOneLine());
}

TEST_F(CageTest, IntersectionOfTheShapesInUse)
{
    Cage cage;
    EXPECT_TRUE(cage.IntersectActiveValueSets().empty());
    cage.valueSets.push_back({true, {&At(0, 0), &At(1, 0), &At(2, 0)}});
    cage.valueSets.push_back({false, {&At(3, 3)}});
    cage.valueSets.push_back({true, {&At(1, 0), &At(0, 0), &At(0, 1)}});
    EXPECT_EQ((SquareSet{&At(0, 0), &At(1, 0)}), cage.IntersectActiveValueSets());
    cage.valueSets.push_back({true, {&At(2, 2)}});
    cage.valueSets.push_back({true, {&At(2, 2), &At(2, 3)}});
    // Once the intersection runs empty, the next shape in use starts it afresh.
    EXPECT_EQ((SquareSet{&At(2, 2), &At(2, 3)}), cage.IntersectActiveValueSets());
}

TEST_F(CageTest, SquareSetsFollowTheBoardOrder)
{
    const SquareSet set{&At(3, 1), &At(0, 2), &At(2, 0), &At(0, 1)};
    std::vector<Square*> order(set.begin(), set.end());
    EXPECT_EQ((std::vector<Square*>{&At(2, 0), &At(0, 1), &At(3, 1), &At(0, 2)}), order);
}

TEST_F(CageTest, FilledSquaresAndRemainingSolutionsComeFromTheProgress)
{
    m_board.GetCages().push_back(MakeCage(CAGE_RULE_ADDITION, {&At(0, 0), &At(1, 0)}));
    Cage& cage = m_board.GetCages().back();
    cage.index = 0;
    cage.target = 5;
    cage.GenerateSolutions(4, false);
    ASSERT_EQ(2u, cage.solutions.size());
    EXPECT_FALSE(cage.AreAllSquaresFilled(m_board));
    EXPECT_EQ(2, cage.CountRemainingSolutions(m_board));

    BoardProgress progress(4, 1);
    m_board.SetProgress(&progress);
    progress.SetValue(At(0, 0), 1);
    EXPECT_FALSE(cage.AreAllSquaresFilled(m_board));
    progress.SetValue(At(1, 0), 4);
    EXPECT_TRUE(cage.AreAllSquaresFilled(m_board));

    progress.SetSolutionInvalidBit(0, 1, true);
    EXPECT_EQ(1, cage.CountRemainingSolutions(m_board));
    progress.SetSolutionAutoBit(0, 0, true);
    EXPECT_EQ(0, cage.CountRemainingSolutions(m_board));
}

} // namespace
