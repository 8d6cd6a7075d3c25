#pragma once

#include "game/common/IndexInvalid.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

class CampaignNode;
class Puzzle;


// The version this code writes; older records lack the rank and badges.
constexpr float CAMPAIGN_PROGRESS_VERSION = 0.2f;

// What AdvanceToNextPuzzle found.
constexpr int CAMPAIGN_ADVANCE_FOUND = 0;
constexpr int CAMPAIGN_ADVANCE_NONE = 1;
constexpr int CAMPAIGN_ADVANCE_ALL_SOLVED = 2;

// The player's place in the campaign, stored inside the player profile:
// the active location, whether the campaign was ever started, the highest
// rank and the badges, and one puzzle-set progress per location. Once
// attached to the campaign's locations, entry i belongs to location i and
// the location's puzzle set points back at it.
//
// It owns the puzzle-set progresses; the puzzle sets only point at them, so
// the record must outlive its attachment to the campaign.
class CampaignProgress {
public:
    CampaignProgress() = default;
    // A malformed record throws UlvoException.
    explicit CampaignProgress(ResourceStream& stream);
    ~CampaignProgress();
    CampaignProgress(const CampaignProgress&) = delete;
    CampaignProgress& operator=(const CampaignProgress&) = delete;

    int GetActiveCampaignNodeIndex() const { return m_activeCampaignNodeIndex; }
    // The version read, until the next write.
    float GetVersion() const { return m_version; }
    bool HasStartedCampaign() const { return m_hasStartedCampaign; }
    const std::string& GetHighestRank() const { return m_highestRank; }
    void SetHighestRank(const std::string& rank) { m_highestRank = rank; }
    const std::vector<std::string>& GetBadges() const { return m_badges; }
    void SetBadges(const std::vector<std::string>& badges) { m_badges = badges; }
    const std::vector<std::unique_ptr<PuzzleSetProgress>>& GetPuzzleSetProgresses() const
    {
        return m_puzzleSetProgresses;
    }
    // The first entry for that set; null when none.
    PuzzleSetProgress* FindPuzzleSetProgress(const std::string& setID) const;

    // Gives each location's puzzle set its entry (a fresh one when the
    // record has none), in location order; entries of sets no location
    // holds any more are dropped. Every location needs its puzzle set (an
    // assertion). An active index outside the locations becomes
    // INDEX_INVALID.
    void AttachPuzzleSetProgresses(std::vector<CampaignNode>& nodes);

    // Makes the location's entry the active one; false, and no change, when
    // the record holds no entry for its set.
    bool SetActiveCampaignNode(const CampaignNode& node);
    // Makes the puzzle the active location's current puzzle and marks the
    // campaign started; false, and no change, when the active location does
    // not hold it. Needs an active location (an assertion).
    bool SetActiveCampaignNodeIndexFromPuzzle(const Puzzle& puzzle);

    // Moves the active location on to its next unsolved puzzle; a campaign
    // never started first makes location 0 active at its first unsolved
    // puzzle. CAMPAIGN_ADVANCE_FOUND when a puzzle is current,
    // CAMPAIGN_ADVANCE_ALL_SOLVED when the active location has no unsolved
    // puzzle left, otherwise CAMPAIGN_ADVANCE_NONE.
    int AdvanceToNextPuzzle();

    // Every entry back to state 0 with no current puzzle, and no active
    // location; started, rank and badges stay.
    void Reset();

    // Writes the current version, which the record then holds.
    void Write(ResourceStream& stream);
    // Replaces everything with the record; a malformed record throws
    // UlvoException and leaves this one as it was. The entries it replaces
    // may be attached to puzzle sets: attach the record again before play.
    void Read(ResourceStream& stream);

private:
    int32_t m_activeCampaignNodeIndex = INDEX_INVALID;
    float m_version = CAMPAIGN_PROGRESS_VERSION;
    std::vector<std::unique_ptr<PuzzleSetProgress>> m_puzzleSetProgresses;
    bool m_hasStartedCampaign = false;
    std::string m_highestRank;
    std::vector<std::string> m_badges;
};

} // namespace Pemberquill
