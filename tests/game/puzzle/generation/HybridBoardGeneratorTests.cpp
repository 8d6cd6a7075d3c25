#include "game/puzzle/generation/HybridBoardGenerator.h"

#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Pemberquill;

namespace {

class HybridBoardGeneratorTest : public ::testing::Test {
protected:
    GeneratedBoard Build(unsigned seed, unsigned size, unsigned allowed, unsigned required)
    {
        GeneratorRecipe recipe;
        recipe.size = size;
        recipe.allowedRules = allowed;
        recipe.requiredOperators = required;
        return BuildGeneratedBoard(m_generator, seed, recipe, m_clock);
    }

    Clock m_clock;
    HybridBoardGenerator m_generator;
};

TEST_F(HybridBoardGeneratorTest, ComparisonsOnlyGivesOneWholeBoardCage)
{
    const GeneratedBoard built = Build(77, 9, CAGE_RULE_COMPARISONS, ALL_CAGE_RULES_MASK);
    const int next = platform::CrtRand();
    ASSERT_TRUE(built.generated);
    const Board& board = *built.board;
    ASSERT_EQ(1u, board.GetCages().size());
    const Cage& cage = board.GetCages()[0];
    EXPECT_EQ(CAGE_RULE_COMPARISONS, cage.rule);
    EXPECT_EQ("<,>", cage.GetRuleText());
    EXPECT_EQ(0, cage.target);
    ASSERT_EQ(81u, cage.squares.size());
    EXPECT_EQ(&board.GetSquare(0, 0), cage.GetKeySquare());
    // Largest value first; equal values keep the column-by-column order the
    // layout gave them.
    for (size_t i = 1; i < cage.squares.size(); ++i) {
        const Square* before = cage.squares[i - 1];
        const Square* after = cage.squares[i];
        ASSERT_GE(before->solutionValue, after->solutionValue);
        if (before->solutionValue == after->solutionValue) {
            EXPECT_LT(before->x, after->x);
        }
    }
    // The layout drew nothing; the rule took one draw after the fill.
    Board fillOnly(9, 0, &m_clock, 77);
    ApplyBoardTypeRecord(fillOnly, BOARD_TYPE_PEMBERQUILL);
    platform::CrtSrand(77);
    m_generator.FillSolutionValues(fillOnly);
    platform::CrtRand();
    EXPECT_EQ(platform::CrtRand(), next);
}

TEST_F(HybridBoardGeneratorTest, NoAllowedRuleGivesOneNoOpCage)
{
    const GeneratedBoard built = Build(5, 4, 0, 0);
    ASSERT_TRUE(built.generated);
    ASSERT_EQ(1u, built.board->GetCages().size());
    EXPECT_EQ(CAGE_RULE_NOOP, built.board->GetCages()[0].rule);
    EXPECT_EQ(16u, built.board->GetCages()[0].squares.size());
}

// Without targetless rules nothing merges, so the board with a required rule
// is the board without one, save for the first cage that admits the rule,
// switched to it with one more draw. Seed 4 lays out no Straight cage but
// one that admits it.
TEST_F(HybridBoardGeneratorTest, RequiredOperatorTakesExactlyOneMoreDraw)
{
    const unsigned allowed = CAGE_RULE_EQUALS | CAGE_RULE_ADDITION | CAGE_RULE_MULTIPLICATION | CAGE_RULE_STRAIGHT;
    const unsigned required = CAGE_RULE_SUBTRACTION | CAGE_RULE_DIVISION | CAGE_RULE_STRAIGHT;
    const GeneratedBoard plain = Build(4, 6, allowed, 0);
    platform::CrtRand();
    const int secondDrawAfterPlain = platform::CrtRand();
    const GeneratedBoard switched = Build(4, 6, allowed, required);
    EXPECT_EQ(secondDrawAfterPlain, platform::CrtRand());
    ASSERT_TRUE(switched.generated);

    // Subtraction and Division are required but not allowed, so only
    // Straight stays required.
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_STRAIGHT), switched.board->GetRequiredOperators().GetMask());
    const std::vector<Cage>& before = plain.board->GetCages();
    const std::vector<Cage>& after = switched.board->GetCages();
    ASSERT_EQ(before.size(), after.size());
    std::vector<size_t> changed;
    bool admittedEarlier = false;
    for (size_t i = 0; i < before.size(); ++i) {
        std::vector<int> list;
        const bool admits = (m_generator.GetCageOperatorCandidates(*plain.board, before[i], list) & CAGE_RULE_STRAIGHT) != 0;
        if (before[i].rule != after[i].rule) {
            changed.push_back(i);
            EXPECT_FALSE(admittedEarlier) << "cage " << i << " is not the first to admit the rule";
            EXPECT_EQ(CAGE_RULE_STRAIGHT, after[i].rule);
            EXPECT_EQ(0, after[i].target);
        }
        admittedEarlier = admittedEarlier || admits;
    }
    EXPECT_EQ(1u, changed.size());
}

TEST_F(HybridBoardGeneratorTest, RequiredRuleNoCageAdmitsFailsTheBoard)
{
    const GeneratedBoard built = Build(3, 5, CAGE_RULE_ADDITION, CAGE_RULE_DIVISION);
    EXPECT_FALSE(built.generated);
    // The board is left as it was when the pass gave up: uncoloured.
    for (const Cage& cage : built.board->GetCages()) {
        EXPECT_EQ(-1, cage.color);
    }
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_DIVISION), built.board->GetRequiredOperators().GetMask());
}

} // namespace
