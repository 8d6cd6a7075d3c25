// The campaign maker's tables against the committed campaign: a table
// changed without remaking the data, or output that differs between runs,
// shows here, and so does a location that no play can reach. The recipe
// books are checked by the campaign's content test.

#include "engine/core/ResourceStream.h"
#include "tests/support/FileBytes.h"
#include "tools/campaignmaker/CampaignContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
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

const CampaignNode* Find(const CampaignData& data, const std::string& name)
{
    const auto found = std::find_if(data.nodes.begin(), data.nodes.end(),
                                    [&](const CampaignNode& node) { return node.GetName() == name; });
    return found != data.nodes.end() ? &*found : nullptr;
}

// The campaign map lets the player into a region once one of its required
// locations is open.
bool CanEnter(const CampaignData& data, const CampaignRegion& region, const std::set<std::string>& open)
{
    return std::any_of(region.GetNodeNames().begin(), region.GetNodeNames().end(), [&](const std::string& name) {
        const CampaignNode* node = Find(data, name);
        return node != nullptr && !node->IsOptional() && open.count(name) != 0;
    });
}

// The locations a player can play: the start location opens; an open
// location on the map of a region the player can enter is played until it
// is satisfied, which opens its unlocks.
std::set<std::string> PlayableLocations(const CampaignData& data)
{
    std::set<std::string> open = {data.startNodeName};
    std::set<std::string> played;
    for (bool more = true; more;) {
        more = false;
        for (const CampaignRegion& region : data.regions) {
            for (const std::string& name : region.GetNodeNames()) {
                const CampaignNode* node = Find(data, name);
                if (node == nullptr || open.count(name) == 0 || !CanEnter(data, region, open) ||
                    !played.insert(name).second) {
                    continue;
                }
                more = true;
                open.insert(node->GetUnlocks().begin(), node->GetUnlocks().end());
            }
        }
    }
    return played;
}

TEST(CampaignMakerTest, EveryLocationCanBeReachedInPlay)
{
    const CampaignContent content = BuildCampaignContent();
    const std::set<std::string> playable = PlayableLocations(content.data);
    for (const CampaignNode& node : content.data.nodes) {
        EXPECT_EQ(playable.count(node.GetName()), 1u) << node.GetName() << " can never be played";
    }
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
