#pragma once

#include <string>
#include <vector>

namespace Pemberquill {

// One line of the credits: a section (level 1), a group (level 2) or a
// name (level 3, without children). Sizes and offsets are in screen units.
struct CreditsEntry {
    std::string text;
    std::vector<CreditsEntry> children;
    float pointSize = 0.0f;
    float spare = 0.0f; // read from the credits file, not drawn
    float offsetBefore = 0.0f;
    float gapAfter = 0.0f;
};

} // namespace Pemberquill
