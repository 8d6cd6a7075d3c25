#include "game/puzzle/board/CageSolution.h"

#include "engine/core/UlvoException.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

CageSolution Make(std::vector<int> values, int rule, int result)
{
    CageSolution solution;
    solution.values = std::move(values);
    solution.rule = rule;
    solution.result = result;
    return solution;
}

TEST(CageSolutionTest, DescriptionJoinsValuesWithTheRuleSymbol)
{
    CageSolution addition = Make({1, 2, 4}, CAGE_RULE_ADDITION, 7);
    addition.BuildDescription();
    EXPECT_EQ("1+2+4=7", addition.description);

    CageSolution subtraction = Make({6, 2}, CAGE_RULE_SUBTRACTION, 4);
    subtraction.BuildDescription();
    EXPECT_EQ("6-2=4", subtraction.description);

    CageSolution straight = Make({1, 2, 3}, CAGE_RULE_STRAIGHT, 0);
    straight.BuildDescription();
    EXPECT_EQ("1,2,3", straight.description);

    CageSolution equals = Make({5}, CAGE_RULE_NONE, 5);
    equals.BuildDescription();
    EXPECT_EQ("5=5", equals.description);

    CageSolution division = Make({6, 3}, CAGE_RULE_DIVISION, 2);
    division.BuildDescription();
    EXPECT_EQ("6\xF7" "3=2", division.description);
}

TEST(CageSolutionTest, CountMaxRepeatsLooksOnlyUpToTheLargestValue)
{
    EXPECT_EQ(3, Make({2, 2, 5, 2}, CAGE_RULE_ADDITION, 11).CountMaxRepeats(6));
    EXPECT_EQ(1, Make({1, 2, 3}, CAGE_RULE_ADDITION, 6).CountMaxRepeats(6));
    EXPECT_EQ(1, Make({7, 7, 1}, CAGE_RULE_ADDITION, 15).CountMaxRepeats(6));
    EXPECT_EQ(0, Make({}, CAGE_RULE_ADDITION, 0).CountMaxRepeats(6));
}

TEST(CageSolutionTest, SortAndCheckRepeats)
{
    CageSolution twice = Make({4, 1, 4}, CAGE_RULE_MULTIPLICATION, 16);
    EXPECT_TRUE(twice.SortAndCheckRepeats());
    EXPECT_EQ((std::vector<int>{1, 4, 4}), twice.values);
    EXPECT_TRUE(twice.hasRepeats);
    EXPECT_FALSE(twice.hasNoRepeats);

    CageSolution distinct = Make({3, 1, 2}, CAGE_RULE_MULTIPLICATION, 6);
    EXPECT_TRUE(distinct.SortAndCheckRepeats());
    EXPECT_FALSE(distinct.hasRepeats);
    EXPECT_TRUE(distinct.hasNoRepeats);

    CageSolution thrice = Make({2, 1, 2, 2}, CAGE_RULE_MULTIPLICATION, 8);
    EXPECT_FALSE(thrice.SortAndCheckRepeats());
    EXPECT_TRUE(thrice.hasRepeats);
}

TEST(CageSolutionTest, UnpairedValueWalksThePairs)
{
    EXPECT_EQ(1, Make({1, 3, 3}, CAGE_RULE_ADDITION, 7).GetUnpairedValue());
    EXPECT_EQ(4, Make({2, 2, 4}, CAGE_RULE_ADDITION, 8).GetUnpairedValue());
    EXPECT_EQ(5, Make({2, 2, 5, 5}, CAGE_RULE_ADDITION, 14).GetUnpairedValue());
    EXPECT_EQ(2, Make({1, 1, 2, 3}, CAGE_RULE_ADDITION, 7).GetUnpairedValue());
    EXPECT_EQ(0, Make({}, CAGE_RULE_ADDITION, 0).GetUnpairedValue());
}

TEST(CageSolutionTest, RemovingAnAbsentValueIsALogicError)
{
    CageSolution solution = Make({2, 4}, CAGE_RULE_ADDITION, 6);
    try {
        solution.RemoveValue(5);
        FAIL() << "no error raised";
    } catch (const UlvoException& error) {
        EXPECT_EQ("Internal game logic error", error.GetTitle());
        EXPECT_EQ("CageSolution::RemoveValue() tried to remove a value (5) that was not present in the solution "
                  "(2+4=6)",
                  error.GetMessage());
    }
    EXPECT_EQ((std::vector<int>{2, 4}), solution.values);
}

} // namespace
