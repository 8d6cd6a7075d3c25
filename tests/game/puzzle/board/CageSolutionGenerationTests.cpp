// Moves name a cage's solutions by their position, so the order of every
// list below is part of every saved game.
#include "game/puzzle/board/Cage.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

class CageSolutionGenerationTest : public ::testing::Test {
protected:
    std::vector<std::string> Generate(int rule, int target, size_t numSquares, int maxValue,
                                      bool useSizeRange = false)
    {
        m_squares.assign(numSquares, Square());
        m_cage = Cage();
        m_cage.rule = rule;
        m_cage.target = target;
        for (Square& square : m_squares) {
            m_cage.squares.push_back(&square);
        }
        m_cage.GenerateSolutions(maxValue, useSizeRange);
        std::vector<std::string> descriptions;
        for (const CageSolution& solution : m_cage.solutions) {
            descriptions.push_back(solution.description);
        }
        return descriptions;
    }

    using Texts = std::vector<std::string>;
    std::vector<Square> m_squares;
    Cage m_cage;
};

TEST_F(CageSolutionGenerationTest, Equals)
{
    EXPECT_EQ(Texts{"5=5"}, Generate(CAGE_RULE_EQUALS, 5, 1, 6));
    EXPECT_EQ(CAGE_RULE_NONE, m_cage.solutions[0].rule);
    EXPECT_EQ(5, m_cage.solutions[0].result);
}

TEST_F(CageSolutionGenerationTest, AdditionInAscendingOrder)
{
    EXPECT_EQ((Texts{"1+5=6", "2+4=6", "3+3=6"}), Generate(CAGE_RULE_ADDITION, 6, 2, 6));
    EXPECT_FALSE(m_cage.solutions[1].hasRepeats);
    EXPECT_TRUE(m_cage.solutions[1].hasNoRepeats);
    EXPECT_TRUE(m_cage.solutions[2].hasRepeats);
    EXPECT_FALSE(m_cage.solutions[2].hasNoRepeats);
    EXPECT_EQ(CAGE_RULE_ADDITION, m_cage.solutions[2].rule);

    EXPECT_EQ((Texts{"1+1+5=7", "1+2+4=7", "1+3+3=7", "2+2+3=7"}), Generate(CAGE_RULE_ADDITION, 7, 3, 6));
    EXPECT_EQ((Texts{"4+6=10", "5+5=10"}), Generate(CAGE_RULE_ADDITION, 10, 2, 6));
}

TEST_F(CageSolutionGenerationTest, AdditionNeverUsesAValueThreeTimes)
{
    EXPECT_TRUE(Generate(CAGE_RULE_ADDITION, 3, 3, 6).empty());
    EXPECT_EQ((Texts{"1+1+2+2=6"}), Generate(CAGE_RULE_ADDITION, 6, 4, 2));
}

TEST_F(CageSolutionGenerationTest, MultiplicationDealsPrimeFactors)
{
    EXPECT_EQ((Texts{"2x6=12", "3x4=12"}), Generate(CAGE_RULE_MULTIPLICATION, 12, 2, 6));
    EXPECT_EQ((Texts{"1x2x6=12", "1x3x4=12", "2x2x3=12"}), Generate(CAGE_RULE_MULTIPLICATION, 12, 3, 6));
    EXPECT_TRUE(m_cage.solutions[2].hasRepeats);
    EXPECT_EQ(12, m_cage.solutions[2].result);
    EXPECT_EQ((Texts{"1x6=6", "2x3=6"}), Generate(CAGE_RULE_MULTIPLICATION, 6, 2, 6));
    EXPECT_EQ((Texts{"4x9=36", "6x6=36"}), Generate(CAGE_RULE_MULTIPLICATION, 36, 2, 9));
}

TEST_F(CageSolutionGenerationTest, MultiplicationTargetsTheValuesCannotMake)
{
    EXPECT_TRUE(Generate(CAGE_RULE_MULTIPLICATION, 1, 2, 6).empty());
    EXPECT_TRUE(Generate(CAGE_RULE_MULTIPLICATION, 14, 2, 6).empty());
    EXPECT_TRUE(Generate(CAGE_RULE_MULTIPLICATION, 0, 2, 6).empty());
    EXPECT_TRUE(Generate(CAGE_RULE_MULTIPLICATION, 64, 2, 6).empty());
}

TEST_F(CageSolutionGenerationTest, SubtractionFromTheLargestValueDown)
{
    EXPECT_EQ((Texts{"6-4=2", "5-3=2", "4-2=2", "3-1=2"}), Generate(CAGE_RULE_SUBTRACTION, 2, 2, 6));
    EXPECT_EQ((Texts{"3-3", "2-2", "1-1"}), Generate(CAGE_RULE_SUBTRACTION, 0, 2, 3));
    EXPECT_TRUE(m_cage.solutions[0].hasRepeats);
}

TEST_F(CageSolutionGenerationTest, DivisionFromTheLargestValueDown)
{
    EXPECT_EQ((Texts{"8\xF7" "4=2", "6\xF7" "3=2", "4\xF7" "2=2", "2\xF7" "1=2"}),
              Generate(CAGE_RULE_DIVISION, 2, 2, 8));
    EXPECT_EQ((Texts{"6\xF7" "2=3", "3\xF7" "1=3"}), Generate(CAGE_RULE_DIVISION, 3, 2, 6));
    EXPECT_TRUE(Generate(CAGE_RULE_DIVISION, 0, 2, 6).empty());
}

TEST_F(CageSolutionGenerationTest, StraightRuns)
{
    EXPECT_EQ((Texts{"1,2,3", "2,3,4"}), Generate(CAGE_RULE_STRAIGHT, 0, 3, 4));
    EXPECT_EQ(0, m_cage.solutions[0].result);
    EXPECT_TRUE(Generate(CAGE_RULE_STRAIGHT, 0, 5, 4).empty());
}

TEST_F(CageSolutionGenerationTest, HiddenCagesListEverySizeTheRuleAllows)
{
    EXPECT_EQ((Texts{"2+4=6", "3+3=6", "1+1+4=6", "1+2+3=6", "1+1+2+2=6"}),
              Generate(CAGE_RULE_ADDITION, 6, 1, 4, true));
    EXPECT_EQ((Texts{"1,2,3", "2,3,4", "3,4,5", "1,2,3,4", "2,3,4,5", "1,2,3,4,5"}),
              Generate(CAGE_RULE_STRAIGHT, 0, 2, 5, true));
    EXPECT_EQ(5, m_cage.solutionSize);
}

TEST_F(CageSolutionGenerationTest, RulesWithoutTargetsListNothing)
{
    for (int rule : {CAGE_RULE_COMPARISONS, CAGE_RULE_EVEN, CAGE_RULE_ODD, CAGE_RULE_NOOP, CAGE_RULE_NONE}) {
        EXPECT_TRUE(Generate(rule, 0, 3, 6).empty()) << rule;
        EXPECT_TRUE(Generate(rule, 0, 3, 6, true).empty()) << rule;
    }
}

TEST_F(CageSolutionGenerationTest, AnEmptyCageListsNothingAndKeepsItsMaximum)
{
    m_cage.maxValue = 3;
    m_cage.solutions.resize(2);
    m_cage.rule = CAGE_RULE_EQUALS;
    m_cage.squares.clear();
    m_cage.GenerateSolutions(6, false);
    EXPECT_TRUE(m_cage.solutions.empty());
    EXPECT_EQ(3, m_cage.maxValue);
}

TEST_F(CageSolutionGenerationTest, RegeneratingReplacesTheList)
{
    Generate(CAGE_RULE_ADDITION, 6, 2, 6);
    m_cage.GenerateSolutions(6, false);
    EXPECT_EQ(3u, m_cage.solutions.size());
    EXPECT_EQ(6, m_cage.maxValue);
}

} // namespace
