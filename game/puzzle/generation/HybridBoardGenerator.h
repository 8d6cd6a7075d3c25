#pragma once

#include "game/puzzle/generation/SimpleBoardGenerator.h"

namespace Pemberquill {

// The simple generator under the rule settings of the board's recipe: cages
// take only the rules the recipe allows, any of the ten, and at least one
// cage takes a rule the recipe requires.
class HybridBoardGenerator : public SimpleBoardGenerator {
public:
    // The whole board becomes one cage when the recipe allows no rule, or
    // Comparisons alone.
    int GetCageLayoutMode(const Board& board) const override;
    // Every allowed rule that fits the cage, Straight twice over; NoOp when
    // none fits. The result is the mask of what was appended.
    int GetCageOperatorCandidates(const Board& board, const Cage& cage,
                                  std::vector<int>& outCandidates) const override;
    // When no cage has a required rule, the first cage that admits one takes
    // one of those it admits, drawn at random, and the board's required
    // operators narrow to them. False when no cage admits any.
    bool AssignRequiredOperators(Board& board) override;
};

} // namespace Pemberquill
