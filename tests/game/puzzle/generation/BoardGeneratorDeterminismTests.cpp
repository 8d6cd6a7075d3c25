// Stored puzzles are a seed and a recipe; these boards must come out of the
// generators exactly as pinned here, in every process on every machine.
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace Pemberquill;

namespace {

struct PinnedBoard {
    const char* name;
    bool hybrid;
    unsigned seed;
    GeneratorRecipe recipe;
    bool generated;
    int nextDraw; // the first draw after the board was built
    uint64_t printHash; // FNV-1a of the printed board
};

const PinnedBoard PINNED_BOARDS[] = {
    {"SimpleReduced", false, 42u, {6, 1023u, 1023u, 0u, BOARD_TYPE_PEMBERQUILL, true}, true,
     31774,
     0x6f524c64d135946full},
    {"HybridLargeSeed", true, 4000000000u, {9, 1023u, 1023u, 0u, BOARD_TYPE_PEMBERQUILL, false}, true,
     20303,
     0xd1a4d6d3dad7d1a5ull},
};

// Each board from a fresh generator, with the C library's own generator in
// use just before: neither may matter.
TEST(BoardGeneratorDeterminismTest, PinnedBoards)
{
    for (const PinnedBoard& pinned : PINNED_BOARDS) {
        std::srand(pinned.seed + 1);
        std::rand();
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

} // namespace
