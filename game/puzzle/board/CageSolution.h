#pragma once

#include "game/common/CageRules.h"

#include <string>
#include <vector>

namespace Pemberquill {

// One combination of values that satisfies a cage's rule and target. The
// values are not tied to particular squares.
struct CageSolution {
    std::vector<int> values;
    int result = 0; // 0 when the rule has no target (Straight)
    bool hasNoRepeats = true;
    bool hasRepeats = false; // possible only in squares that share neither row nor column
    int rule = CAGE_RULE_NONE;
    std::string description;

    // "1+2+4=7", "6-2=4", "1,2,3": the text of the solutions panel.
    void BuildDescription();

    // Sorts the values and sets the repeat flags; false when a value occurs
    // three times or more.
    bool SortAndCheckRepeats();
    // The most times any one value from 0 to maxValue occurs.
    int CountMaxRepeats(int maxValue) const;

    bool HasSameValues(const CageSolution& other) const;
    bool ContainsValue(int value) const;

    // On sorted values: the first value that equals the next one, 0 when none.
    int GetFirstRepeatedValue() const;
    // On sorted values, walked in pairs: the first value without its twin;
    // the last value when every pair matches; 0 when there are no values.
    int GetUnpairedValue() const;

    // Removes the first occurrence; a value that is not there is a logic
    // error of the caller and raises the engine error.
    void RemoveValue(int value);
};

} // namespace Pemberquill
