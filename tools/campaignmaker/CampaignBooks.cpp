#include "tools/campaignmaker/CampaignBooks.h"

#include <set>

namespace Pemberquill {

std::vector<CampaignBook> CookCampaignBooks(PuzzleChef& chef, Clock& clock, const std::vector<CampaignSetFile>& sets)
{
    std::vector<CampaignBook> books;
    std::set<std::string> seen;
    int nextSeed = 0;
    for (const CampaignSetFile& set : sets) {
        CampaignBook book;
        book.request = set.descriptor.request;
        book.firstSeed = nextSeed;
        // Stopping below the seed range keeps the cook from wrapping round
        // to the first book's seeds.
        book.cooked = CookRecipeBook(chef, clock, book.request, CAMPAIGN_BOOK_PUZZLE_COUNT, nextSeed,
                                     COOK_SEED_RANGE - nextSeed, seen);
        nextSeed += book.cooked.seedsTried;
        books.push_back(std::move(book));
    }
    return books;
}

std::string GetCampaignBookFileName(const PuzzleRequest& request)
{
    return "Recipes/" + request.GetPatternName() + ".recipes";
}

} // namespace Pemberquill
