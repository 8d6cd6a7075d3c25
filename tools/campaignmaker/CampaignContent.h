#pragma once

#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/campaign/CampaignData.h"

#include <string>
#include <vector>

namespace Pemberquill {

// Recipe books hold this many puzzles: enough for a location's pages, and a
// multiple of the five difficulty lists so the game keeps them all.
constexpr int CAMPAIGN_BOOK_PUZZLE_COUNT = 25;

// A location's puzzle-set file, as the campaign file names it (relative to
// "Puzzles/").
struct CampaignSetFile {
    std::string fileName;
    PuzzleSetDescriptor descriptor;
};

// The whole campaign as authored: six regions climbing from small boards
// with addition and subtraction to two-board puzzles with every rule.
struct CampaignContent {
    CampaignData data;
    std::vector<CampaignSetFile> sets;
};

// Built from the tables in code, the same every run.
CampaignContent BuildCampaignContent();

} // namespace Pemberquill
