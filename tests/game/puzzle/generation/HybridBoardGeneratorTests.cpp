#include "game/puzzle/generation/HybridBoardGenerator.h"

#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Pemberquill;

namespace {

constexpr unsigned ARITHMETIC_AND_STRAIGHT = ARITHMETIC_CAGE_RULES_MASK | CAGE_RULE_STRAIGHT;

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

    std::vector<int> Candidates(unsigned allowed, std::initializer_list<unsigned> values, int& mask)
    {
        Board board(6, 0, &m_clock, 0);
        board.GetCageRules().SetFromMask(allowed);
        std::vector<Square> squares;
        for (unsigned value : values) {
            Square square;
            square.solutionValue = value;
            squares.push_back(square);
        }
        Cage cage;
        for (Square& square : squares) {
            cage.squares.push_back(&square);
        }
        std::vector<int> list;
        mask = m_generator.GetCageOperatorCandidates(board, cage, list);
        return list;
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

TEST_F(HybridBoardGeneratorTest, LayoutMode)
{
    Board board(4, 0, &m_clock, 0);
    const std::vector<std::pair<unsigned, int>> expected = {
        {0, CAGE_LAYOUT_WHOLE_BOARD},
        {CAGE_RULE_COMPARISONS, CAGE_LAYOUT_WHOLE_BOARD},
        {CAGE_RULE_COMPARISONS | CAGE_RULE_NOOP, CAGE_LAYOUT_RANDOM_WALKS},
        {CAGE_RULE_NOOP, CAGE_LAYOUT_RANDOM_WALKS},
        {ALL_CAGE_RULES_MASK, CAGE_LAYOUT_RANDOM_WALKS},
    };
    for (const auto& [allowed, mode] : expected) {
        board.GetCageRules().SetFromMask(allowed);
        EXPECT_EQ(mode, m_generator.GetCageLayoutMode(board)) << "rules " << allowed;
    }
}

TEST_F(HybridBoardGeneratorTest, CandidatesOfATwoSquareCageOfTwoAndFour)
{
    int mask = 0;
    EXPECT_EQ((std::vector<int>{2, 4, 8, 16, 64, 128, 512}), Candidates(ALL_CAGE_RULES_MASK, {4, 2}, mask));
    EXPECT_EQ(2 | 4 | 8 | 16 | 64 | 128 | 512, mask);
}

TEST_F(HybridBoardGeneratorTest, StraightIsListedTwice)
{
    int mask = 0;
    EXPECT_EQ((std::vector<int>{2, 4, 32, 32, 64, 512}), Candidates(ALL_CAGE_RULES_MASK, {3, 1, 2}, mask));
    EXPECT_EQ(2 | 4 | 32 | 64 | 512, mask);
    EXPECT_EQ((std::vector<int>{1, 256, 512}), Candidates(ALL_CAGE_RULES_MASK, {5}, mask));
    EXPECT_EQ((std::vector<int>{64, 512}), Candidates(ALL_CAGE_RULES_MASK, {1, 3, 4, 5, 6}, mask));
}

TEST_F(HybridBoardGeneratorTest, OnlyAllowedRulesAreListed)
{
    int mask = 0;
    EXPECT_EQ((std::vector<int>{16}), Candidates(CAGE_RULE_DIVISION | CAGE_RULE_ODD, {6, 3}, mask));
    EXPECT_EQ(16, mask);
    // Nothing allowed fits: NoOp stands in.
    EXPECT_EQ((std::vector<int>{512}), Candidates(CAGE_RULE_DIVISION | CAGE_RULE_ODD, {5, 2}, mask));
    EXPECT_EQ(512, mask);
    EXPECT_EQ((std::vector<int>{512}), Candidates(0, {5, 2}, mask));
}

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

TEST_F(HybridBoardGeneratorTest, ComparisonsOnlyOnOneSquareFallsBackOnNoOp)
{
    const GeneratedBoard built = Build(5, 1, CAGE_RULE_COMPARISONS, 0);
    ASSERT_TRUE(built.generated);
    EXPECT_EQ(CAGE_RULE_NOOP, built.board->GetCages()[0].rule);
}

TEST_F(HybridBoardGeneratorTest, DivisionOnlyFallsBackOnNoOp)
{
    bool sawDivision = false;
    bool sawNoOp = false;
    for (unsigned seed = 0; seed < 20; ++seed) {
        const GeneratedBoard built = Build(seed, 6, CAGE_RULE_DIVISION, 0);
        ASSERT_TRUE(built.generated);
        for (const Cage& cage : built.board->GetCages()) {
            ASSERT_TRUE(cage.rule == CAGE_RULE_DIVISION || cage.rule == CAGE_RULE_NOOP) << cage.rule;
            if (cage.rule == CAGE_RULE_DIVISION) {
                sawDivision = true;
                EXPECT_TRUE(cage.CanUseDivision());
                EXPECT_EQ(static_cast<int>(cage.squares[0]->solutionValue / cage.squares[1]->solutionValue),
                          cage.target);
            } else {
                sawNoOp = true;
                EXPECT_EQ("", cage.GetRuleText());
            }
        }
    }
    EXPECT_TRUE(sawDivision);
    EXPECT_TRUE(sawNoOp);
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

// A cage that admits two required rules takes the one the extra draw picks,
// counted over those two in rule order.
TEST_F(HybridBoardGeneratorTest, RequiredOperatorIsDrawnAmongThoseTheCageAdmits)
{
    const unsigned allowed = ARITHMETIC_AND_STRAIGHT;
    const unsigned required = CAGE_RULE_SUBTRACTION | CAGE_RULE_DIVISION;
    unsigned seed = 0;
    for (; seed < 2000; ++seed) {
        const GeneratedBoard plain = Build(seed, 5, allowed, 0);
        if (HasRule(*plain.board, required)) {
            continue;
        }
        const Cage* first = nullptr;
        for (const Cage& cage : plain.board->GetCages()) {
            std::vector<int> list;
            if ((m_generator.GetCageOperatorCandidates(*plain.board, cage, list) & required) != 0) {
                first = &cage;
                break;
            }
        }
        if (first != nullptr && first->CanUseDivision()) {
            break;
        }
    }
    ASSERT_LT(seed, 2000u);

    Build(seed, 5, allowed, 0);
    const int extraDraw = platform::CrtRand();
    const GeneratedBoard switched = Build(seed, 5, allowed, required);
    ASSERT_TRUE(switched.generated);
    EXPECT_EQ(required, switched.board->GetRequiredOperators().GetMask());
    const int expectedRule = extraDraw % 2 == 0 ? CAGE_RULE_SUBTRACTION : CAGE_RULE_DIVISION;
    int matching = 0;
    for (const Cage& cage : switched.board->GetCages()) {
        if ((static_cast<unsigned>(cage.rule) & required) != 0) {
            ++matching;
            EXPECT_EQ(expectedRule, cage.rule);
            const int larger = static_cast<int>(cage.squares[0]->solutionValue);
            const int smaller = static_cast<int>(cage.squares[1]->solutionValue);
            EXPECT_EQ(expectedRule == CAGE_RULE_SUBTRACTION ? larger - smaller : larger / smaller, cage.target);
        }
    }
    EXPECT_EQ(1, matching);
}

TEST_F(HybridBoardGeneratorTest, RequiredRuleAlreadyPresentDrawsNothingMore)
{
    const GeneratedBoard all = Build(9, 5, ALL_CAGE_RULES_MASK, ALL_CAGE_RULES_MASK);
    const int afterAll = platform::CrtRand();
    const GeneratedBoard none = Build(9, 5, ALL_CAGE_RULES_MASK, 0);
    const int afterNone = platform::CrtRand();
    EXPECT_EQ(afterNone, afterAll);
    EXPECT_EQ(PrintBoard(*none.board).substr(PrintBoard(*none.board).find('\n')),
              PrintBoard(*all.board).substr(PrintBoard(*all.board).find('\n')));
    EXPECT_EQ(ALL_CAGE_RULES_MASK, all.board->GetRequiredOperators().GetMask());
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
