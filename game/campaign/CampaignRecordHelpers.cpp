#include "game/campaign/CampaignRecordHelpers.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

#include <algorithm>

namespace Pemberquill {

int ReadCampaignCount(ResourceStream& stream, const char* whatIsCounted, const char* recordTitle)
{
    const int32_t count = stream.ReadInt32();
    // Each item takes at least one byte of what is left.
    const int limit = std::min(MAX_CAMPAIGN_RECORD_COUNT, stream.DataBytesRemaining());
    if (count > limit) {
        const std::string file = stream.GetPath().GetResolvedPath();
        ULVO_ERROR(Stringf("The record claims %d %s; it can hold at most %d.\nIn file %s, at byte %d.  Context was:\n\n%s",
                           count, whatIsCounted, limit, file.empty() ? "unknown" : file.c_str(),
                           stream.GetSize() - stream.DataBytesRemaining(), stream.GetReadContext().c_str()),
                   recordTitle);
    }
    return count > 0 ? count : 0;
}

void WriteNameBlock(ResourceStream& stream, const std::vector<std::string>& names, const char* label)
{
    stream.WriteBlockBegin();
    for (const std::string& name : names) {
        stream.WriteString(name, label);
    }
    stream.WriteBlockEnd();
}

std::vector<std::string> ReadNameBlock(ResourceStream& stream, int count)
{
    std::vector<std::string> names;
    ReadRecordBlockBegin(stream);
    for (int i = 0; i < count; ++i) {
        names.push_back(stream.ReadString());
    }
    ReadRecordBlockEnd(stream);
    return names;
}

} // namespace Pemberquill
