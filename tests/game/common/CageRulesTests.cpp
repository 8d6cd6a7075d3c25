#include "game/common/CageRules.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// The letter code names recipe-book files, so its letters and their order
// are checked letter by letter.
TEST(CageRulesTextTest, LetterCodes)
{
    EXPECT_EQ("MEOCSN", GetCageRulesText(1023));
    EXPECT_EQ("M", GetCageRulesText(31));
    EXPECT_EQ("AQUX", GetCageRulesText(15));
    EXPECT_EQ("AUE", GetCageRulesText(2 + 8 + 128));
    EXPECT_EQ("", GetCageRulesText(0));
    EXPECT_EQ("QUXD", GetCageRulesText(1 + 8 + 4 + 16));
    EXPECT_EQ("AQUD", GetCageRulesText(1 + 2 + 8 + 16));
    EXPECT_EQ("MS", GetCageRulesText(31 + 32));
    EXPECT_EQ("EOCSN", GetCageRulesText(32 + 64 + 128 + 256 + 512));
}

struct SizeRow {
    int rule;
    unsigned n;
    int minSize;
    int maxSize;
};

TEST(CageSizeTest, SmallestAndLargestCagePerRuleAndBoardSize)
{
    const SizeRow rows[] = {
        {CAGE_RULE_EQUALS, 6, 1, 1},         {CAGE_RULE_ADDITION, 6, 2, 4},   {CAGE_RULE_MULTIPLICATION, 6, 2, 4},
        {CAGE_RULE_SUBTRACTION, 6, 2, 2},    {CAGE_RULE_DIVISION, 6, 2, 2},   {CAGE_RULE_STRAIGHT, 9, 3, 9},
        {CAGE_RULE_STRAIGHT, 2, 2, 2},       {CAGE_RULE_STRAIGHT, 7, 3, 7},   {CAGE_RULE_STRAIGHT, 1, 1, 1},
        {CAGE_RULE_COMPARISONS, 5, 2, 25},   {CAGE_RULE_EVEN, 4, 1, 16},      {CAGE_RULE_ODD, 9, 1, 81},
        {CAGE_RULE_NOOP, 3, 1, 9},
    };
    for (const SizeRow& row : rows) {
        EXPECT_EQ(row.minSize, GetMinCageSize(row.rule, row.n)) << row.rule << " on " << row.n;
        EXPECT_EQ(row.maxSize, GetMaxCageSize(row.rule, row.n)) << row.rule << " on " << row.n;
    }
}

TEST(CageRulesTest, FlagsFollowTheMaskOrder)
{
    CageRules rules;
    rules.SetFromMask(CAGE_RULE_MULTIPLICATION | CAGE_RULE_ODD);
    EXPECT_FALSE(rules.equals);
    EXPECT_FALSE(rules.addition);
    EXPECT_TRUE(rules.multiplication);
    EXPECT_FALSE(rules.subtraction);
    EXPECT_FALSE(rules.even);
    EXPECT_TRUE(rules.odd);
    EXPECT_FALSE(rules.noOp);

    CageRules noOpOnly;
    noOpOnly.noOp = true;
    EXPECT_EQ(512u, noOpOnly.GetMask());
    CageRules equalsAndStraight;
    equalsAndStraight.equals = true;
    equalsAndStraight.straight = true;
    EXPECT_EQ(33u, equalsAndStraight.GetMask());
}

TEST(CageRulesTest, EveryMaskPacksBackToItself)
{
    for (unsigned mask = 0; mask <= ALL_CAGE_RULES_MASK; ++mask) {
        CageRules rules(mask);
        ASSERT_EQ(mask, rules.GetMask());
        CageRules copy;
        copy.SetFromMask(rules.GetMask());
        ASSERT_EQ(rules, copy);
    }
}

TEST(CageRulesTest, UnpackingIgnoresBitsAboveTheTen)
{
    CageRules rules(ALL_CAGE_RULES_MASK);
    rules.SetFromMask(1024);
    EXPECT_EQ(0u, rules.GetMask());
    rules.SetFromMask(0xFFFFF);
    EXPECT_EQ(ALL_CAGE_RULES_MASK, rules.GetMask());
}

} // namespace
