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

    static bool HasRule(const Board& board, unsigned mask)
    {
        for (const Cage& cage : board.GetCages()) {
            if ((static_cast<unsigned>(cage.rule) & mask) != 0) {
                return true;
            }
        }
        return false;
    }

    // Whether some cage admits a rule of the mask.
    bool AdmitsRule(const Board& board, unsigned mask) const
    {
        for (const Cage& cage : board.GetCages()) {
            std::vector<int> list;
            if ((static_cast<unsigned>(m_generator.GetCageOperatorCandidates(board, cage, list)) & mask) != 0) {
                return true;
            }
        }
        return false;
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
// is the board without one, save for the one cage switched to it.
TEST_F(HybridBoardGeneratorTest, RequiredOperatorTakesExactlyOneMoreDraw)
{
    const unsigned allowed = CAGE_RULE_EQUALS | CAGE_RULE_ADDITION | CAGE_RULE_MULTIPLICATION | CAGE_RULE_STRAIGHT;
    const unsigned required = CAGE_RULE_SUBTRACTION | CAGE_RULE_DIVISION | CAGE_RULE_STRAIGHT;
    unsigned seed = 0;
    for (; seed < 500; ++seed) {
        const GeneratedBoard plain = Build(seed, 6, allowed, 0);
        if (!HasRule(*plain.board, CAGE_RULE_STRAIGHT) && AdmitsRule(*plain.board, CAGE_RULE_STRAIGHT)) {
            break;
        }
    }
    ASSERT_LT(seed, 500u);

    const GeneratedBoard plain = Build(seed, 6, allowed, 0);
    platform::CrtRand();
    const int secondDrawAfterPlain = platform::CrtRand();
    const GeneratedBoard switched = Build(seed, 6, allowed, required);
    const int firstDrawAfterSwitched = platform::CrtRand();
    ASSERT_TRUE(switched.generated);
    EXPECT_EQ(secondDrawAfterPlain, firstDrawAfterSwitched);

    // Subtraction and Division are required but not allowed, so only
    // Straight stays required.
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_STRAIGHT), switched.board->GetRequiredOperators().GetMask());
    const std::vector<Cage>& before = plain.board->GetCages();
    const std::vector<Cage>& after = switched.board->GetCages();
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i].rule != after[i].rule) {
            ++changed;
            EXPECT_EQ(CAGE_RULE_STRAIGHT, after[i].rule);
            EXPECT_EQ(0, after[i].target);
            EXPECT_EQ("Straight", after[i].GetRuleText());
            // The first cage that admits the rule is the one switched.
            for (size_t j = 0; j < i; ++j) {
                std::vector<int> list;
                EXPECT_EQ(0, m_generator.GetCageOperatorCandidates(*switched.board, after[j], list) & CAGE_RULE_STRAIGHT);
            }
        }
    }
    EXPECT_EQ(1, changed);
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
