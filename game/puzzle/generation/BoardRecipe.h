#pragma once

#include "game/common/CageRules.h"

class ResourceStream;

namespace Pemberquill {

// How to rebuild one board of a puzzle: with the descriptor's seed, the
// generator builds exactly the same board from these settings. It also keeps
// what the solver found when the board was made.
struct BoardRecipe {
    int boardType = 1;
    int boardSeedNumber = -1;
    int boardSize = 0;
    bool isSolvable = false;
    int solverSteps = 0;
    float complexity = 0.0f; // total over the solver's steps on this board
    int deepestStep = 1;     // step id of the deepest solver step used
    int difficultyRating = 1;
    int solvingAttributes = 0;
    CageRules cageRules{ALL_CAGE_RULES_MASK}; // rules the generator may use
    // Rules the generator must use. Not part of the record: a recipe book
    // fills them in from its request.
    CageRules requiredOperators;

    void Write(ResourceStream& stream) const;
    // A malformed record throws UlvoException.
    void Read(ResourceStream& stream);

    bool operator==(const BoardRecipe& other) const;
    bool operator!=(const BoardRecipe& other) const { return !(*this == other); }
};

} // namespace Pemberquill
