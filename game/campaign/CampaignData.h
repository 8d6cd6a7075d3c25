#pragma once

#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignRegion.h"

#include <string>
#include <vector>

class ResourceStream;
class UlvoPath;

namespace Pemberquill {

// The campaign file, in the data folder.
constexpr const char* CAMPAIGN_DATA_FILE = "Puzzles/Campaign.CampaignData";

// The whole campaign definition as stored in its file: the locations, the
// one the player starts at, and the regions that group them. The file is
// commented text; the binary encoding reads as well.
struct CampaignData {
    std::string campaignName;
    std::string startNodeName;
    std::vector<CampaignNode> nodes;
    std::vector<CampaignRegion> regions;

    CampaignData() = default;
    // A malformed file throws UlvoException.
    explicit CampaignData(ResourceStream& stream);

    // A missing or malformed file throws UlvoException naming the file.
    static CampaignData LoadFromFile(const UlvoPath& path);

    void Write(ResourceStream& stream) const;
    // Replaces everything with the file's content; a malformed file throws
    // UlvoException and leaves this campaign as it was.
    void Read(ResourceStream& stream);
};

} // namespace Pemberquill
