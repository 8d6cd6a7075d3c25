#include "game/common/CageRules.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// The letter code names recipe-book files: arithmetic letters in the order
// A Q U X D, all five together as M, then E O C S N.
TEST(CageRulesTextTest, LetterCodes)
{
    const std::pair<unsigned, const char*> cases[] = {
        {1023, "MEOCSN"}, {31, "M"}, {15, "AQUX"}, {1 + 4 + 8 + 16, "QUXD"}, {2 + 8 + 128, "AUE"}, {0, ""}};
    for (const auto& [mask, text] : cases) {
        EXPECT_EQ(text, GetCageRulesText(mask)) << mask;
    }
}

TEST(CageSizeTest, SmallestAndLargestCagePerRuleAndBoardSize)
{
    const struct { int rule; unsigned n; int minSize; int maxSize; } rows[] = {
        {CAGE_RULE_EQUALS, 6, 1, 1},      {CAGE_RULE_ADDITION, 6, 2, 4}, {CAGE_RULE_MULTIPLICATION, 6, 2, 4},
        {CAGE_RULE_SUBTRACTION, 6, 2, 2}, {CAGE_RULE_DIVISION, 6, 2, 2}, {CAGE_RULE_STRAIGHT, 9, 3, 9},
        {CAGE_RULE_STRAIGHT, 2, 2, 2},    {CAGE_RULE_STRAIGHT, 1, 1, 1}, {CAGE_RULE_COMPARISONS, 5, 2, 25},
        {CAGE_RULE_EVEN, 4, 1, 16},       {CAGE_RULE_ODD, 9, 1, 81},     {CAGE_RULE_NOOP, 3, 1, 9},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.minSize, GetMinCageSize(row.rule, row.n)) << row.rule << " on " << row.n;
        EXPECT_EQ(row.maxSize, GetMaxCageSize(row.rule, row.n)) << row.rule << " on " << row.n;
    }
}

// Each flag is its own bit, every mask packs back to itself, and bits above
// the ten are ignored.
TEST(CageRulesTest, FlagsAndMasks)
{
    const CageRules rules(CAGE_RULE_MULTIPLICATION | CAGE_RULE_ODD);
    EXPECT_TRUE(rules.multiplication && rules.odd);
    EXPECT_FALSE(rules.equals || rules.addition || rules.subtraction || rules.even || rules.noOp);
    CageRules equalsAndStraight;
    equalsAndStraight.equals = true;
    equalsAndStraight.straight = true;
    EXPECT_EQ(33u, equalsAndStraight.GetMask());

    for (unsigned mask = 0; mask <= ALL_CAGE_RULES_MASK; ++mask) {
        CageRules copy;
        copy.SetFromMask(CageRules(mask).GetMask());
        ASSERT_EQ(mask, copy.GetMask());
    }
    CageRules high(ALL_CAGE_RULES_MASK);
    high.SetFromMask(1024);
    EXPECT_EQ(0u, high.GetMask());
    high.SetFromMask(0xFFFFF);
    EXPECT_EQ(ALL_CAGE_RULES_MASK, high.GetMask());
}

} // namespace
