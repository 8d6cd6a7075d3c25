#include "game/campaign/CampaignData.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "game/campaign/CampaignRecordHelpers.h"

namespace Pemberquill {

CampaignData::CampaignData(ResourceStream& stream)
{
    Read(stream);
}

CampaignData CampaignData::LoadFromFile(const UlvoPath& path)
{
    ResourceStream stream(path);
    ULVO_ASSERT(stream.IsValid(), Stringf("Unable to read the campaign file %s.", path.GetResolvedPath().c_str()),
                "CampaignData::LoadFromFile");
    try {
        return CampaignData(stream);
    } catch (const UlvoException& error) {
        // The reader says what was wrong but not in which file, and this
        // stops the game: the player must be able to tell which file to mend.
        ULVO_ERROR(Stringf("The campaign file %s is damaged and cannot be read: %s", path.GetResolvedPath().c_str(),
                           error.GetMessage().c_str()),
                   "CampaignData::LoadFromFile");
    }
}

void CampaignData::Write(ResourceStream& stream) const
{
    stream.WriteString(campaignName);
    stream.WriteString(startNodeName);
    stream.WriteInt32(static_cast<int32_t>(nodes.size()), "Number of campaign nodes to follow.");
    for (const CampaignNode& node : nodes) {
        node.Write(stream);
    }
    stream.WriteInt32(static_cast<int32_t>(regions.size()), "Number of campaign regions to follow.");
    for (const CampaignRegion& region : regions) {
        region.Write(stream);
    }
}

void CampaignData::Read(ResourceStream& stream)
{
    const char* const title = "CampaignData::Read";
    std::string readCampaignName = stream.ReadString();
    std::string readStartNodeName = stream.ReadString();
    const int nodeCount = ReadCampaignCount(stream, "campaign nodes", title);
    std::vector<CampaignNode> readNodes;
    for (int i = 0; i < nodeCount; ++i) {
        readNodes.emplace_back(stream);
    }
    const int regionCount = ReadCampaignCount(stream, "campaign regions", title);
    std::vector<CampaignRegion> readRegions;
    for (int i = 0; i < regionCount; ++i) {
        readRegions.emplace_back(stream);
    }

    campaignName = std::move(readCampaignName);
    startNodeName = std::move(readStartNodeName);
    nodes = std::move(readNodes);
    regions = std::move(readRegions);
}

} // namespace Pemberquill
