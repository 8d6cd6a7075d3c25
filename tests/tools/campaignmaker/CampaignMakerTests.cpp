// The campaign maker's tables against the committed campaign: a table
// changed without remaking the data, or output that differs between runs,
// shows here. The recipe books are checked by the campaign's content test.

#include "engine/core/ResourceStream.h"
#include "tests/support/FileBytes.h"
#include "tools/campaignmaker/CampaignContent.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace Pemberquill {
namespace {

std::string Written(const std::function<void(ResourceStream&)>& write)
{
    ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 65536);
    write(stream);
    return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

std::string Committed(const std::string& pathInPuzzles)
{
    const testsupport::Bytes bytes = testsupport::ReadFileBytes(std::string(PQ_SOURCE_DIR) + "/Data/Puzzles/" + pathInPuzzles);
    return std::string(bytes.begin(), bytes.end());
}

TEST(CampaignMakerTest, TheTablesMakeTheCommittedCampaignByteForByte)
{
    const CampaignContent content = BuildCampaignContent();
    EXPECT_EQ(Written([&](ResourceStream& stream) { content.data.Write(stream); }),
              Committed("Campaign.CampaignData"));
    for (const CampaignSetFile& set : content.sets) {
        EXPECT_EQ(Written([&](ResourceStream& stream) { set.descriptor.Write(stream); }), Committed(set.fileName))
            << set.fileName;
    }
}

} // namespace
} // namespace Pemberquill
