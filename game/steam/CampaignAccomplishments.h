#pragma once

#include <cstdint>
#include <string>

namespace Pemberquill {

// What one report of the campaign says; several may be set at once, except
// ACCOMPLISHED_RANK_PROGRESS_ONLY, which stands alone.
constexpr uint32_t ACCOMPLISHED_PUZZLE_SOLVED = 1;
constexpr uint32_t ACCOMPLISHED_RANK_EARNED = 2;
constexpr uint32_t ACCOMPLISHED_NODE_SATISFIED = 4;
constexpr uint32_t ACCOMPLISHED_NODE_UNLOCKED = 8;
constexpr uint32_t ACCOMPLISHED_REGION_UNLOCKED = 16;
constexpr uint32_t ACCOMPLISHED_BEYOND_UNLOCKED = 64;
constexpr uint32_t ACCOMPLISHED_RANK_PROGRESS_ONLY = 1024;

// The campaign's report of one graded puzzle (or of the campaign score
// alone) to the achievement system, which counts it and shows the dialogs.
struct CampaignAccomplishments {
    uint32_t flags = 0;
    // The puzzle's reward; with ACCOMPLISHED_RANK_PROGRESS_ONLY the whole score.
    int reward = 0;
    int steps = 0;
    // Negative when the puzzle was solved under par.
    int stepsOverPar = 0;
    int locationCountAfterSatisfaction = 0;
    float playTime = 0.0f; // seconds
    uint16_t regionCount = 0;
    uint16_t locationCount = 0;
    bool locationCompleted = false;
    bool regionCompleted = false;
    bool severalBoards = false;
    bool boardAttribute = false; // a board hides its cages
    std::string rankName = "Unspecified Rank";
    std::string locationName = "Unspecified Node";
    std::string regionName = "Unspecified Region";
    std::string unlockedLocationName = "Unspecified Node Unlock";
    std::string unlockedRegionName = "Unspecified Region Unlock";
    // The range of the location's set that holds the puzzle; 5 for none.
    int difficultyPage = 5;
};

// Where the campaign sends its reports: the achievement system. Tests
// record them.
class CampaignAccomplishmentsReceiver {
public:
    virtual void OnCampaignPuzzleFinished(const CampaignAccomplishments& accomplishments) = 0;

protected:
    ~CampaignAccomplishmentsReceiver() = default;
};

} // namespace Pemberquill
