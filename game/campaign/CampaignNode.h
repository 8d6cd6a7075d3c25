#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"

#include <memory>
#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

class PuzzleSet;

// A location's player state, kept in its puzzle set's progress. Each state
// is newly reached at its odd value and seen by the player at the next even
// one; play only ever raises it, and only a reset lowers it.
constexpr int CAMPAIGN_NODE_LOCKED = 0;
constexpr int CAMPAIGN_NODE_REVEALED = 1;
constexpr int CAMPAIGN_NODE_OPEN = 3;
constexpr int CAMPAIGN_NODE_STARTED = 5;
constexpr int CAMPAIGN_NODE_SATISFIED = 7;
constexpr int CAMPAIGN_NODE_COMPLETED = 9;

// One location of the campaign map: the puzzle set it plays, the rank it
// grants, where it sits on its region's map, and the locations it reveals
// when it opens and opens when it is satisfied (both by name).
//
// The campaign holds its locations by value in one vector, which it never
// resizes once loaded: regions and screens point into it. A location owns
// the puzzle set that the campaign creates for it.
class CampaignNode {
public:
    CampaignNode();
    // A malformed record throws UlvoException.
    explicit CampaignNode(ResourceStream& stream);
    ~CampaignNode();
    CampaignNode(CampaignNode&&) noexcept;
    CampaignNode& operator=(CampaignNode&&) noexcept;
    CampaignNode(const CampaignNode&) = delete;
    CampaignNode& operator=(const CampaignNode&) = delete;

    // --- Opening and satisfying, over the campaign's locations ---
    // Raises the named location to open and the locations it names among
    // its connections to revealed. Names that match no location are skipped.
    static void UnlockConnectedNodes(std::vector<CampaignNode>& nodes, const std::string& name);
    // Raises the named location to satisfied, then opens each of its
    // unlocks in list order.
    static void SatisfyNode(std::vector<CampaignNode>& nodes, const std::string& name);

    // --- Definition ---
    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    // Relative to "Puzzles/" in the data folder.
    const std::string& GetPuzzleSetFileName() const { return m_puzzleSetFileName; }
    void SetPuzzleSetFileName(const std::string& fileName) { m_puzzleSetFileName = fileName; }
    // The rank granted on satisfying the location; empty for none.
    const std::string& GetAchievement() const { return m_achievement; }
    void SetAchievement(const std::string& achievement) { m_achievement = achievement; }
    // An optional location is not needed to complete its region.
    bool IsOptional() const { return m_isOptional; }
    void SetOptional(bool isOptional) { m_isOptional = isOptional; }
    int GetRegionIndex() const { return m_regionIndex; }
    void SetRegionIndex(int regionIndex) { m_regionIndex = regionIndex; }
    // On the region map, normalised to (0, 0)..(1, 1).
    const Vector2& GetMapCoords() const { return m_mapCoords; }
    void SetMapCoords(const Vector2& mapCoords) { m_mapCoords = mapCoords; }
    // Revealed when this location opens.
    const std::vector<std::string>& GetConnections() const { return m_connections; }
    void SetConnections(const std::vector<std::string>& names) { m_connections = names; }
    // Opened when this location is satisfied.
    const std::vector<std::string>& GetUnlocks() const { return m_unlocks; }
    void SetUnlocks(const std::vector<std::string>& names) { m_unlocks = names; }

    PuzzleSet* GetPuzzleSet() const { return m_puzzleSet.get(); }
    void SetPuzzleSet(std::unique_ptr<PuzzleSet> puzzleSet);

    // --- Player state: everything below needs the puzzle set (an assertion) ---
    int GetPlayerState() const;
    // Locked for a location without a puzzle set or without the player's
    // progress, which cannot be played.
    int GetPlayerStateOrLocked() const;
    // Only ever raises the state: a lower one is ignored.
    void SetPlayerState(int state);
    bool IsOpen() const;
    bool IsStarted() const;
    bool IsSatisfied() const;
    bool IsCompleted() const;
    // A newly reached state becomes the same state seen by the player.
    void FirstOccurenceOfCurrentStateSeenByPlayer();

    // The page of a difficulty range that a satisfied location shows. The
    // boards of the page left behind are released; a page that the range
    // does not have changes nothing.
    void SetSatisfiedPuzzleEasyPage(int page);
    void SetSatisfiedPuzzleMediumPage(int page);
    void SetSatisfiedPuzzleHardPage(int page);

    // The map marker's colour for the player state.
    Rgba GetStateColor() const;
    // The marker on a map drawn from mapOrigin to areaSize: centred on the
    // location's map coordinates, 2% of the area on each axis.
    AABB2 GetMapMarkerBounds(const Vector2& mapOrigin, const Vector2& areaSize) const;

    void Write(ResourceStream& stream) const;
    // Replaces the definition with the record; a malformed record throws
    // UlvoException and leaves the location as it was.
    void Read(ResourceStream& stream);

private:
    void RequirePuzzleSet(const char* message, const char* title) const;
    void SetSatisfiedPuzzlePage(int range, int page);

    std::string m_name;
    std::string m_puzzleSetFileName;
    std::string m_achievement;
    std::unique_ptr<PuzzleSet> m_puzzleSet;
    bool m_isOptional = true;
    int m_regionIndex = 0;
    Vector2 m_mapCoords{0.4f, 0.4f};
    std::vector<std::string> m_connections;
    std::vector<std::string> m_unlocks;
};

namespace Campaign {

// The first location with exactly that name; null when none has it.
CampaignNode* FindNodeByName(std::vector<CampaignNode>& nodes, const std::string& name);

} // namespace Campaign

} // namespace Pemberquill
