#pragma once

#include "engine/core/Clock.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/generation/BoardGenerator.h"
#include "platform/crt/CrtRandom.h"

#include <memory>

namespace Pemberquill {

// What a board recipe holds for the generator.
struct GeneratorRecipe {
    unsigned size = 4;
    unsigned allowedRules = ALL_CAGE_RULES_MASK;
    unsigned requiredOperators = ALL_CAGE_RULES_MASK;
    unsigned solvingAttributes = 0;
    int boardType = BOARD_TYPE_PEMBERQUILL;
    bool forceReducedCageSize = false;
};

struct GeneratedBoard {
    std::unique_ptr<Board> board;
    bool generated = false;
};

// Builds one board from a seed and a recipe in the order the puzzle chef
// uses: settings, built-in palette, seeding, fill, then cages.
inline GeneratedBoard BuildGeneratedBoard(BoardGenerator& generator, unsigned seed, const GeneratorRecipe& recipe,
                                          Clock& clock)
{
    GeneratedBoard result;
    result.board = std::make_unique<Board>(recipe.size, 0, &clock, seed);
    Board& board = *result.board;
    board.SetSolvingAttributes(recipe.solvingAttributes);
    board.GetCageRules().SetFromMask(recipe.allowedRules);
    board.SetCustomColors({});
    platform::CrtSrand(seed);
    ApplyBoardTypeRecord(board, recipe.boardType);
    board.GetRequiredOperators().SetFromMask(recipe.requiredOperators);
    generator.FillSolutionValues(board);
    generator.SetRoundRobinIndex(seed % static_cast<unsigned>(board.GetColorChoices().size()));
    result.generated = generator.Generate(board, recipe.forceReducedCageSize);
    return result;
}

} // namespace Pemberquill
