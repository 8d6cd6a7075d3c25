#include "game/common/TeachableGameMechanics.h"

#include <gtest/gtest.h>

#include "tests/game/common/MechanicsTestSupport.h"

using namespace Pemberquill;

namespace {

using mechanics_test::Mechanics;

TEST(TeachableGameMechanicsTest, DifferenceKeepsWhatTheSecondLacks)
{
    const TeachableGameMechanics a = Mechanics(CAGE_RULE_ADDITION | CAGE_RULE_EVEN, {1300, 1400});
    const TeachableGameMechanics b = Mechanics(CAGE_RULE_EVEN, {1400});
    const TeachableGameMechanics difference = a - b;
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ADDITION), difference.rules.GetMask());
    EXPECT_EQ(std::set<int>{1300}, difference.mechanics);
    EXPECT_EQ(2, difference.GetCount());
    EXPECT_EQ(0, (b - a).GetCount());
}

TEST(TeachableGameMechanicsTest, MergeUnitesRulesAndMechanics)
{
    TeachableGameMechanics a = Mechanics(CAGE_RULE_ADDITION, {1300});
    a.Merge(Mechanics(CAGE_RULE_ODD, {1300, 1000}));
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ADDITION | CAGE_RULE_ODD), a.rules.GetMask());
    EXPECT_EQ((std::set<int>{1000, 1300}), a.mechanics);
    EXPECT_EQ(4, a.GetCount());
    EXPECT_TRUE(a.HasMechanic(1000));
    EXPECT_FALSE(a.HasMechanic(1400));
}

} // namespace
