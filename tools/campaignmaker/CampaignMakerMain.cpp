// campaignmaker <Puzzles folder>
// Writes the campaign file, every location's puzzle set and the recipe book
// each set takes its puzzles from, normally under Data/Puzzles. Running it
// again writes the same bytes.
#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/PuzzleChef.h"
#include "tools/campaignmaker/CampaignBooks.h"

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

bool WriteBook(const CampaignBook& book, const std::string& folder)
{
    const std::string patternName = book.request.GetPatternName();
    const int seedCount = book.cooked.seedsTried;
    std::fprintf(stderr, "campaignmaker: %-28s %zu puzzles from seeds %d to %d\n", patternName.c_str(),
                 book.cooked.descriptors.size(), book.firstSeed, book.firstSeed + seedCount - 1);
    if (static_cast<int>(book.cooked.descriptors.size()) != CAMPAIGN_BOOK_PUZZLE_COUNT) {
        std::fprintf(stderr, "campaignmaker: too few puzzles for %s\n", patternName.c_str());
        return false;
    }
    return WriteCookedBook(folder + "/" + GetCampaignBookFileName(book.request), book.request, book.cooked);
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
                      [&set](ResourceStream& stream) { set.descriptor.Write(stream); })) {
            return 1;
        }
    }
    for (const CampaignBook& book : CookCampaignBooks(chef, clock, content.sets)) {
        if (!WriteBook(book, folder)) {
            return 1;
        }
    }
    std::printf("campaignmaker: %zu locations, %zu regions written under %s\n", content.data.nodes.size(),
                content.data.regions.size(), folder.c_str());
    return 0;
}
