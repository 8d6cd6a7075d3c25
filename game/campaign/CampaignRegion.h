#pragma once

#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ResourceStream;
class Texture;

namespace Pemberquill {

class CampaignNode;

// The four pictures of a region, in file order.
enum CampaignRegionImage {
    CAMPAIGN_REGION_IMAGE_BACKGROUND,
    CAMPAIGN_REGION_IMAGE_LOCKED,
    CAMPAIGN_REGION_IMAGE_UNLOCKED,
    CAMPAIGN_REGION_IMAGE_HIGHLIGHTED,
    NUM_CAMPAIGN_REGION_IMAGES
};

// One region of the campaign map: its locations in display order, its
// pictures and the palette of its boards. The region's name carries
// behaviour (reward weight, sounds, lessons).
//
// Locations are named in the file and resolved to pointers into the
// campaign's location vector once that is loaded; the textures belong to
// the screens that load them.
class CampaignRegion {
public:
    CampaignRegion() = default;
    // A malformed record throws UlvoException.
    explicit CampaignRegion(ResourceStream& stream);

    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    // Relative to "Images/Backgrounds/".
    const std::string& GetImagePath(CampaignRegionImage image) const { return m_imagePaths[image]; }
    void SetImagePath(CampaignRegionImage image, const std::string& path) { m_imagePaths[image] = path; }
    // Null until loaded, and when the picture is missing.
    Texture* GetTexture(CampaignRegionImage image) const { return m_textures[image]; }
    void SetTexture(CampaignRegionImage image, Texture* texture) { m_textures[image] = texture; }
    // On the campaign map, normalised to (0, 0)..(1, 1).
    const Vector2& GetMapCoords() const { return m_mapCoords; }
    void SetMapCoords(const Vector2& mapCoords) { m_mapCoords = mapCoords; }
    const std::vector<std::string>& GetNodeNames() const { return m_nodeNames; }
    void SetNodeNames(const std::vector<std::string>& names) { m_nodeNames = names; }
    const std::vector<Rgba>& GetPalette() const { return m_palette; }
    void SetPalette(const std::vector<Rgba>& palette) { m_palette = palette; }
    // The record's first value as read; a record is always written with 1.
    int32_t GetLeadingValue() const { return m_leadingValue; }

    // --- Locations ---
    // Appends the location of each name, in order; names that match no
    // location are skipped.
    void ResolveNodes(std::vector<CampaignNode>& nodes);
    const std::vector<CampaignNode*>& GetNodes() const { return m_nodes; }
    bool ContainsNode(const CampaignNode* node) const;

    // True for a region without locations, or when a required location is
    // open; false when every location is optional.
    bool IsAnyRequiredNodeStarted() const;
    // Every required location completed; true for an empty region.
    bool AreRequiredNodesCompleted() const;
    // The score of every location's puzzles at the region's weight.
    int GetScore(int weight) const;
    // The difficulty puzzles of every location together.
    int GetActivePuzzleCount() const;
    // Every location's progress reset and its puzzles restarted.
    void ResetProgress();

    void Write(ResourceStream& stream) const;
    // Replaces the definition with the record (the resolved locations stay
    // as they were); a malformed record throws UlvoException and leaves the
    // region as it was.
    void Read(ResourceStream& stream);

private:
    int32_t m_leadingValue = 1;
    std::string m_name;
    std::array<std::string, NUM_CAMPAIGN_REGION_IMAGES> m_imagePaths;
    Vector2 m_mapCoords;
    std::vector<std::string> m_nodeNames;
    std::vector<CampaignNode*> m_nodes;
    std::vector<Rgba> m_palette;
    std::array<Texture*, NUM_CAMPAIGN_REGION_IMAGES> m_textures{};
};

} // namespace Pemberquill
