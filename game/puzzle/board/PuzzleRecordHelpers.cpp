#include "game/puzzle/board/PuzzleRecordHelpers.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"

#include <algorithm>

namespace Pemberquill {

namespace {

// In mask-bit order.
constexpr const char* RULE_NAMES[NUM_CAGE_RULES] = {
    "Equals", "Addition", "Multiplication", "Subtraction", "Division",
    "Straight", "Comparisons", "Even", "Odd", "NoOp",
};

std::string DescribeReadPosition(const ResourceStream& stream)
{
    const std::string file = stream.GetPath().GetResolvedPath();
    return Stringf("In file %s, at byte %d.  Context was:\n\n%s", file.empty() ? "unknown" : file.c_str(),
                   stream.GetSize() - stream.DataBytesRemaining(), stream.GetReadContext().c_str());
}

} // namespace

void ReadRecordBlockBegin(ResourceStream& stream)
{
    if (stream.IsTextFormat()) {
        stream.ReadExpectedToken('{');
    }
}

void ReadRecordBlockEnd(ResourceStream& stream)
{
    if (stream.IsTextFormat()) {
        stream.ReadExpectedToken('}');
    }
}

void WriteCageRulesFlags(ResourceStream& stream, const CageRules& rules, const char* labelPrefix)
{
    const unsigned mask = rules.GetMask();
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        const std::string label = std::string(labelPrefix) + RULE_NAMES[i];
        stream.WriteBool(((mask >> i) & 1u) != 0, label.c_str());
    }
}

void ReadCageRulesFlags(ResourceStream& stream, CageRules& rules)
{
    unsigned mask = 0;
    for (int i = 0; i < NUM_CAGE_RULES; ++i) {
        if (stream.ReadBool()) {
            mask |= 1u << i;
        }
    }
    rules.SetFromMask(mask);
}

int ReadRecordCount(ResourceStream& stream, int maxCount, const std::string& whatIsCounted,
                    const char* recordTitle)
{
    const int count = stream.ReadInt32();
    const int limit = std::min(maxCount, stream.DataBytesRemaining());
    if (count < 0 || count > limit) {
        ULVO_ERROR(Stringf("The record claims %d %s; it can hold 0 to %d.\n%s", count, whatIsCounted.c_str(),
                           limit, DescribeReadPosition(stream).c_str()),
                   recordTitle);
    }
    return count;
}

} // namespace Pemberquill
