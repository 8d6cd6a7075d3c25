// Stored puzzles are a seed and a recipe; these boards must come out of the
// generators exactly as pinned here, in every process on every machine: one
// of each generator, and the hybrid generator's special cases (comparisons
// only: one whole-board cage, largest value first; no rule allowed: one
// NoOp cage; a required rule no cage admits: the board fails, uncoloured).
// Then the one more draw a required rule takes.
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace Pemberquill;

namespace {

// nextDraw: the first draw after the board was built; printHash: FNV-1a of
// the printed board.
struct PinnedBoard { const char* name; bool hybrid; unsigned seed; GeneratorRecipe recipe; bool generated;
                     int nextDraw; uint64_t printHash; };

const PinnedBoard PINNED_BOARDS[] = {
    {"SimpleReduced", false, 42u, {6, 1023u, 1023u, 0u, BOARD_TYPE_PEMBERQUILL, true}, true,
     31774,
     0x6f524c64d135946full},
    {"HybridLargeSeed", true, 4000000000u, {9, 1023u, 1023u, 0u, BOARD_TYPE_PEMBERQUILL, false}, true,
     20303,
     0xd1a4d6d3dad7d1a5ull},
    {"ComparisonsOnly", true, 77u, {9, CAGE_RULE_COMPARISONS, ALL_CAGE_RULES_MASK, 0u, BOARD_TYPE_PEMBERQUILL, false},
     true, 8060, 0xab3cda7b8d54d673ull},
    {"NoRuleAllowed", true, 5u, {4, 0u, 0u, 0u, BOARD_TYPE_PEMBERQUILL, false}, true, 14615, 0x877c1346f69e37f3ull},
    {"RequiredRuleNoCageAdmits", true, 3u,
     {5, CAGE_RULE_ADDITION, CAGE_RULE_DIVISION, 0u, BOARD_TYPE_PEMBERQUILL, false}, false, 3448, 0x11e4d92f3dd5cbf9ull},
};

// Each board from a fresh generator.
TEST(BoardGeneratorTest, PinnedBoards)
{
    for (const PinnedBoard& pinned : PINNED_BOARDS) {
        Clock clock;
        SimpleBoardGenerator simple;
        HybridBoardGenerator hybrid;
        const GeneratedBoard built = BuildGeneratedBoard(
            pinned.hybrid ? static_cast<BoardGenerator&>(hybrid) : simple, pinned.seed, pinned.recipe, clock);
        const int nextDraw = platform::CrtRand();
        EXPECT_EQ(pinned.generated, built.generated) << pinned.name;
        const std::string text = PrintBoard(*built.board);
        uint64_t hash = 0xcbf29ce484222325ull;
        for (const unsigned char c : text) {
            hash = (hash ^ c) * 0x100000001b3ull;
        }
        EXPECT_EQ(pinned.printHash, hash) << pinned.name << ":\n" << text;
        EXPECT_EQ(pinned.nextDraw, nextDraw) << pinned.name;
    }
}

// Without targetless rules nothing merges, so the board with a required rule
// is the board without one, save for the first cage that admits the rule,
// switched to it with one more draw. Seed 4 lays out no Straight cage but
// one that admits it.
TEST(BoardGeneratorTest, ARequiredOperatorTakesExactlyOneMoreDraw)
{
    Clock clock;
    HybridBoardGenerator generator;
    GeneratorRecipe recipe;
    recipe.size = 6;
    recipe.allowedRules = CAGE_RULE_EQUALS | CAGE_RULE_ADDITION | CAGE_RULE_MULTIPLICATION | CAGE_RULE_STRAIGHT;
    recipe.requiredOperators = 0;
    const GeneratedBoard plain = BuildGeneratedBoard(generator, 4, recipe, clock);
    platform::CrtRand();
    const int secondDrawAfterPlain = platform::CrtRand();
    recipe.requiredOperators = CAGE_RULE_SUBTRACTION | CAGE_RULE_DIVISION | CAGE_RULE_STRAIGHT;
    const GeneratedBoard switched = BuildGeneratedBoard(generator, 4, recipe, clock);
    EXPECT_EQ(secondDrawAfterPlain, platform::CrtRand());
    ASSERT_TRUE(switched.generated);

    // Subtraction and Division are required but not allowed, so only
    // Straight stays required.
    EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_STRAIGHT), switched.board->GetRequiredOperators().GetMask());
    const std::vector<Cage>& before = plain.board->GetCages();
    const std::vector<Cage>& after = switched.board->GetCages();
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    bool admittedEarlier = false;
    for (size_t i = 0; i < before.size(); ++i) {
        std::vector<int> list;
        const int candidates = generator.GetCageOperatorCandidates(*plain.board, before[i], list);
        if (before[i].rule != after[i].rule) {
            ++changed;
            EXPECT_FALSE(admittedEarlier) << "cage " << i << " is not the first to admit the rule";
            EXPECT_EQ(CAGE_RULE_STRAIGHT, after[i].rule);
            EXPECT_EQ(0, after[i].target);
        }
        admittedEarlier = admittedEarlier || (candidates & CAGE_RULE_STRAIGHT) != 0;
    }
    EXPECT_EQ(1, changed);
}

} // namespace
