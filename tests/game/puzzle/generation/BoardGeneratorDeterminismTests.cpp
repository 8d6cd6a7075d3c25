// Stored puzzles are a seed and a recipe; these boards must come out of the
// generators exactly as pinned here, in every process on every machine.
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/support/BoardPrinter.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

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
    const char* text;
};

const PinnedBoard PINNED_BOARDS[] = {
    {"SimpleReduced", false, 42u, {6, 1023u, 1023u, 0u, BOARD_TYPE_PEMBERQUILL, true}, true,
     31774,
     R"(size 6 seed 42 rules 1023 required 1023
253416 |  0  0  0  1  1  2
645231 |  3  4  5  6  6  2
561342 |  7  4  5  8  9 10
426153 |  7 11 12  8  9 10
134625 | 13 11 12 14 15 16
312564 | 13 17 14 14 15 16
cage 0 rule 4 target 30 color 4 key 2 solutions 2: 1,0 2,0 0,0
cage 1 rule 2 target 5 color 2 key 0 solutions 2: 3,0 4,0
cage 2 rule 2 target 7 color 4 key 0 solutions 3: 5,0 5,1
cage 3 rule 1 target 6 color 5 key 0 solutions 1: 0,1
cage 4 rule 4 target 24 color 2 key 1 solutions 1: 1,2 1,1
cage 5 rule 2 target 6 color 3 key 0 solutions 3: 2,1 2,2
cage 6 rule 2 target 5 color 5 key 1 solutions 2: 4,1 3,1
cage 7 rule 8 target 1 color 3 key 0 solutions 5: 0,2 0,3
cage 8 rule 4 target 3 color 1 key 0 solutions 1: 3,2 3,3
cage 9 rule 2 target 9 color 2 key 1 solutions 2: 4,3 4,2
cage 10 rule 2 target 5 color 5 key 1 solutions 2: 5,3 5,2
cage 11 rule 2 target 5 color 4 key 1 solutions 2: 1,4 1,3
cage 12 rule 2 target 10 color 5 key 0 solutions 2: 2,3 2,4
cage 13 rule 2 target 4 color 1 key 1 solutions 2: 0,5 0,4
cage 14 rule 4 target 60 color 2 key 0 solutions 2: 3,4 3,5 2,5
cage 15 rule 4 target 12 color 3 key 1 solutions 2: 4,5 4,4
cage 16 rule 2 target 9 color 4 key 0 solutions 2: 5,4 5,5
cage 17 rule 1 target 1 color 3 key 0 solutions 1: 1,5
)"},
    {"HybridLargeSeed", true, 4000000000u, {9, 1023u, 1023u, 0u, BOARD_TYPE_PEMBERQUILL, false}, true,
     20303,
     R"(size 9 seed 4000000000 rules 1023 required 1023
415389267 |  0  1  1  2  3  4  5  6  6
872413695 |  0  7  1  8  3  9  5  6  6
561937824 |  7  7 11 11  3  9  5  6  6
938164572 | 12 13 14 11 11  9 15  6  6
294875316 | 12 12 14 18 18 20 15 15  6
683241759 | 12 12 21 21 18 20 22 22  6
746528931 | 24 12 25 26 26 20 22 22 22
129756483 | 24 23 23 19 20 20 22 17 22
357692148 | 24 16 23 19 20 20 17 17 10
cage 0 rule 4 target 32 color 5 key 1 solutions 1: 0,1 0,0
cage 1 rule 2 target 8 color 1 key 2 solutions 5: 2,0 2,1 1,0
cage 2 rule 1 target 3 color 2 key 0 solutions 1: 3,0
cage 3 rule 64 target 0 color 6 key 0 solutions 0: 4,0 4,2 4,1
cage 4 rule 1 target 9 color 5 key 0 solutions 1: 5,0
cage 5 rule 4 target 96 color 0 key 2 solutions 3: 6,2 6,1 6,0
cage 6 rule 64 target 0 color 1 key 1 solutions 0: 8,0 7,0 8,1 8,2 7,1 7,3 7,2 8,5 8,4 8,3
cage 7 rule 4 target 210 color 2 key 0 solutions 1: 1,1 1,2 0,2
cage 8 rule 1 target 4 color 5 key 0 solutions 1: 3,1
cage 9 rule 512 target 0 color 1 key 2 solutions 0: 5,2 5,3 5,1
cage 10 rule 512 target 0 color 0 key 0 solutions 0: 8,8
cage 11 rule 2 target 17 color 0 key 2 solutions 25: 3,2 4,3 2,2 3,3
cage 12 rule 512 target 0 color 6 key 0 solutions 0: 0,3 0,4 1,4 1,5 0,5 1,6
cage 13 rule 1 target 3 color 0 key 0 solutions 1: 1,3
cage 14 rule 16 target 2 color 5 key 0 solutions 4: 2,3 2,4
cage 15 rule 2 target 9 color 5 key 0 solutions 6: 6,3 6,4 7,4
cage 16 rule 512 target 0 color 6 key 0 solutions 0: 1,8
cage 17 rule 4 target 32 color 5 key 0 solutions 3: 7,7 7,8 6,8
cage 18 rule 2 target 19 color 1 key 0 solutions 10: 3,4 4,4 4,5
cage 19 rule 8 target 1 color 5 key 0 solutions 8: 3,7 3,8
cage 20 rule 64 target 0 color 2 key 2 solutions 0: 4,8 4,7 5,4 5,5 5,6 5,7 5,8
cage 21 rule 2 target 5 color 0 key 0 solutions 2: 2,5 3,5
cage 22 rule 512 target 0 color 6 key 1 solutions 0: 6,6 6,5 6,7 7,5 7,6 8,7 8,6
cage 23 rule 2 target 18 color 1 key 2 solutions 10: 2,7 2,8 1,7
cage 24 rule 256 target 0 color 2 key 0 solutions 0: 0,6 0,8 0,7
cage 25 rule 1 target 6 color 2 key 0 solutions 1: 2,6
cage 26 rule 4 target 10 color 6 key 0 solutions 1: 3,6 4,6
)"},
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
        EXPECT_EQ(pinned.text, PrintBoard(*built.board)) << pinned.name;
        EXPECT_EQ(pinned.nextDraw, nextDraw) << pinned.name;
    }
}

} // namespace
