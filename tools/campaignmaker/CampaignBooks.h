#pragma once

#include "tools/campaignmaker/CampaignContent.h"
#include "tools/cook/RecipeBookCook.h"

#include <string>
#include <vector>

class Clock;

namespace Pemberquill {

class PuzzleChef;

// The recipe book behind one location's set.
struct CampaignBook {
    PuzzleRequest request;
    int firstSeed = 0;
    CookedBook cooked;
};

// Cooks the book of every set, in the sets' order, each from seeds of its
// own: a book starts at the seed after the last one the book before it
// tried, so no two books hand out the puzzle of one seed, and no book keeps
// a puzzle that looks like one already cooked from another seed. A book
// that runs out of seeds comes out short.
std::vector<CampaignBook> CookCampaignBooks(PuzzleChef& chef, Clock& clock, const std::vector<CampaignSetFile>& sets);

// Where the chef finds the book of a request, relative to "Puzzles/".
std::string GetCampaignBookFileName(const PuzzleRequest& request);

} // namespace Pemberquill
