#pragma once

#include "game/common/CageRules.h"

#include <set>

namespace Pemberquill {

// Mechanic identifiers are the instructor's lesson keys; the puzzle logic
// contributes these.
constexpr int MECHANIC_HIDDEN_CAGES = 1000;
constexpr int MECHANIC_TWO_BOARDS = 1100;
constexpr int MECHANIC_ELIMINATE_WITH_RIGHT_BUTTON = 1400;

// What a puzzle, a board or a screen teaches, or what a player already knows:
// the rules, plus the other mechanics by identifier.
struct TeachableGameMechanics {
    CageRules rules;
    std::set<int> mechanics;

    void AddMechanic(int mechanicId) { mechanics.insert(mechanicId); }
    bool HasMechanic(int mechanicId) const { return mechanics.count(mechanicId) != 0; }

    // The union of both the rule flags and the mechanics.
    void Merge(const TeachableGameMechanics& other);

    // Set rule flags plus mechanic identifiers.
    int GetCount() const;
};

// What a teaches that b does not: the instructor subtracts what the player
// knows from what a puzzle needs.
TeachableGameMechanics operator-(const TeachableGameMechanics& a, const TeachableGameMechanics& b);

} // namespace Pemberquill
