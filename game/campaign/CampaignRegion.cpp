#include "game/campaign/CampaignRegion.h"

#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignRecordHelpers.h"

#include <algorithm>

namespace Pemberquill {

namespace {

// The record's leading value; nothing else has ever been written there.
constexpr int32_t REGION_RECORD_LEADING_VALUE = 1;

const char* const IMAGE_LABELS[NUM_CAMPAIGN_REGION_IMAGES] = {
    "Path to the background image for this region.",
    "Path to the locked image for this region",
    "Path to the unlocked image for this region",
    "Path to the Highlighted image for this region",
};

} // namespace

CampaignRegion::CampaignRegion(ResourceStream& stream)
{
    Read(stream);
}

void CampaignRegion::ResolveNodes(std::vector<CampaignNode>& nodes)
{
    for (const std::string& name : m_nodeNames) {
        if (CampaignNode* node = Campaign::FindNodeByName(nodes, name)) {
            m_nodes.push_back(node);
        }
    }
}

bool CampaignRegion::ContainsNode(const CampaignNode* node) const
{
    return std::find(m_nodes.begin(), m_nodes.end(), node) != m_nodes.end();
}

bool CampaignRegion::IsAnyRequiredNodeStarted() const
{
    if (m_nodes.empty()) {
        return true;
    }
    return std::any_of(m_nodes.begin(), m_nodes.end(),
                       [](const CampaignNode* node) { return !node->IsOptional() && node->IsOpen(); });
}

bool CampaignRegion::AreRequiredNodesCompleted() const
{
    return std::all_of(m_nodes.begin(), m_nodes.end(),
                       [](const CampaignNode* node) { return node->IsOptional() || node->IsCompleted(); });
}

int CampaignRegion::GetScore(int weight) const
{
    int score = 0;
    for (const CampaignNode* node : m_nodes) {
        if (const PuzzleSet* set = node->GetPuzzleSet()) {
            score += set->GetScore(weight);
        }
    }
    return score;
}

int CampaignRegion::GetActivePuzzleCount() const
{
    int count = 0;
    for (const CampaignNode* node : m_nodes) {
        if (const PuzzleSet* set = node->GetPuzzleSet()) {
            count += set->GetDifficultyPuzzleCount();
        }
    }
    return count;
}

void CampaignRegion::ResetProgress()
{
    for (CampaignNode* node : m_nodes) {
        if (PuzzleSet* set = node->GetPuzzleSet()) {
            set->ResetProgress();
        }
    }
}

void CampaignRegion::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin();
    stream.WriteInt32(REGION_RECORD_LEADING_VALUE);
    stream.WriteString(m_name, "Name of this CampaignRegion");
    for (int image = 0; image < NUM_CAMPAIGN_REGION_IMAGES; ++image) {
        stream.WriteString(m_imagePaths[static_cast<size_t>(image)], IMAGE_LABELS[image]);
    }
    stream.WriteVector2(m_mapCoords, "Campaign coords [(0,0),(1,1)] of this region.");
    stream.WriteString("Nodes");
    stream.WriteInt32(static_cast<int32_t>(m_nodeNames.size()), "Number of nodes this region has.");
    WriteNameBlock(stream, m_nodeNames, "Node included in this region.");
    stream.WriteString("Palette");
    stream.WriteInt32(static_cast<int32_t>(m_palette.size()), "Number of colors this region has.");
    stream.WriteBlockBegin();
    for (const Rgba& color : m_palette) {
        stream.WriteRgba(color);
    }
    stream.WriteBlockEnd();
    stream.WriteBlockEnd();
}

void CampaignRegion::Read(ResourceStream& stream)
{
    const char* const title = "CampaignRegion::Read";
    ReadRecordBlockBegin(stream);
    const int32_t leadingValue = stream.ReadInt32();
    std::string name = stream.ReadString();
    std::array<std::string, NUM_CAMPAIGN_REGION_IMAGES> imagePaths;
    for (std::string& path : imagePaths) {
        path = stream.ReadString();
    }
    const Vector2 mapCoords = stream.ReadVector2();
    stream.ReadString(); // the "Nodes" tag
    std::vector<std::string> nodeNames = ReadNameBlock(stream, ReadCampaignCount(stream, "locations", title));
    stream.ReadString(); // the "Palette" tag
    const int colorCount = ReadCampaignCount(stream, "palette colors", title);
    std::vector<Rgba> palette;
    ReadRecordBlockBegin(stream);
    for (int i = 0; i < colorCount; ++i) {
        palette.push_back(stream.ReadRgba());
    }
    ReadRecordBlockEnd(stream);
    ReadRecordBlockEnd(stream);

    m_leadingValue = leadingValue;
    m_name = std::move(name);
    m_imagePaths = std::move(imagePaths);
    m_mapCoords = mapCoords;
    m_nodeNames = std::move(nodeNames);
    m_palette = std::move(palette);
}

} // namespace Pemberquill
