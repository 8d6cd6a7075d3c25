#pragma once

#include <string>
#include <vector>

namespace Pemberquill {

// Where a credits record stands in the roll, in screen units. Fixed per
// level: the credits file holds only the texts.
struct CreditsSpacing {
    float pointSize;
    float spare; // carried with the record, read by nothing
    float offsetBefore;
    float gapAfter;
};

struct CreditsLine {
    std::string text;
    CreditsSpacing spacing{32.0f, 0.0f, 10.0f, 10.0f};
};

struct CreditsGroup {
    std::string name;
    std::vector<CreditsLine> lines;
    CreditsSpacing spacing{44.0f, 0.0f, 20.0f, 40.0f};
};

// The top level of the credits roll.
struct CreditsSection {
    std::string name;
    std::vector<CreditsGroup> groups;
    CreditsSpacing spacing{52.0f, 40.0f, 40.0f, 100.0f};
};

} // namespace Pemberquill
