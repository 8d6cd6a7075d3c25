// campaignmaker <Puzzles folder>
// Writes the campaign file, every location's puzzle set and the recipe book
// each set takes its puzzles from, normally under Data/Puzzles. Running it
// again writes the same bytes.
#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/PuzzleChef.h"
#include "tools/campaignmaker/CampaignContent.h"
#include "tools/cook/RecipeBookCook.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

using namespace Pemberquill;

namespace {

bool SaveText(const std::string& path, const std::function<void(ResourceStream&)>& write)
{
    ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 65536);
    write(stream);
    if (!stream.SaveToFile(UlvoPath(PATH_MARKER_NONE, path))) {
        std::fprintf(stderr, "campaignmaker: could not write %s\n", path.c_str());
        return false;
    }
    return true;
}

bool CookBook(PuzzleChef& chef, Clock& clock, const PuzzleRequest& request, const std::string& path)
{
    const auto start = std::chrono::steady_clock::now();
    const CookedBook book = CookRecipeBook(chef, clock, request, CAMPAIGN_BOOK_PUZZLE_COUNT, 0, 100000);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "campaignmaker: %-28s %zu puzzles from %d seeds in %.2f s\n",
                 request.GetPatternName().c_str(), book.descriptors.size(), book.seedsTried, seconds);
    if (static_cast<int>(book.descriptors.size()) != CAMPAIGN_BOOK_PUZZLE_COUNT) {
        std::fprintf(stderr, "campaignmaker: too few puzzles for %s\n", request.GetPatternName().c_str());
        return false;
    }
    return WriteCookedBook(path, request, book);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: campaignmaker <Puzzles folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::filesystem::create_directories(folder + "/Sets");
    std::filesystem::create_directories(folder + "/Recipes");

    const CampaignContent content = BuildCampaignContent();
    if (!SaveText(folder + "/Campaign.CampaignData",
                  [&content](ResourceStream& stream) { content.data.Write(stream); })) {
        return 1;
    }

    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    std::set<std::string> patternNames;
    for (const CampaignSetFile& set : content.sets) {
        const PuzzleRequest& request = set.descriptor.request;
        // A set takes the whole book that matches it: two sets can never share one.
        if (!patternNames.insert(request.GetPatternName()).second) {
            std::fprintf(stderr, "campaignmaker: %s shares its pattern name %s\n", set.descriptor.name.c_str(),
                         request.GetPatternName().c_str());
            return 1;
        }
        if (!SaveText(folder + "/" + set.fileName,
                      [&set](ResourceStream& stream) { set.descriptor.Write(stream); }) ||
            !CookBook(chef, clock, request, folder + "/Recipes/" + request.GetPatternName() + ".recipes")) {
            return 1;
        }
    }
    std::printf("campaignmaker: %zu locations, %zu regions written under %s\n", content.data.nodes.size(),
                content.data.regions.size(), folder.c_str());
    return 0;
}
