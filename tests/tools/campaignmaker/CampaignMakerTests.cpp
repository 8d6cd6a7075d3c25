// The campaign maker's tables against the committed campaign: a table
// changed without remaking the data, or output that differs between runs,
// shows here, and so does a location that no play can reach, or a board
// that two locations hand out. That every set finds its book is checked by
// the campaign's content test.

#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/RecipeBook.h"
#include "tests/support/FileBytes.h"
#include "tools/campaignmaker/CampaignBooks.h"
#include "tools/campaignmaker/CampaignContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace Pemberquill {
namespace {

std::string Written(const std::function<void(ResourceStream&)>& write)
{
    ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 65536);
    write(stream);
    return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

std::string Committed(const std::string& pathInPuzzles)
{
    const testsupport::Bytes bytes = testsupport::ReadFileBytes(std::string(PQ_SOURCE_DIR) + "/Data/Puzzles/" + pathInPuzzles);
    return std::string(bytes.begin(), bytes.end());
}

const CampaignNode* Find(const CampaignData& data, const std::string& name)
{
    const auto found = std::find_if(data.nodes.begin(), data.nodes.end(),
                                    [&](const CampaignNode& node) { return node.GetName() == name; });
    return found != data.nodes.end() ? &*found : nullptr;
}

// The campaign map lets the player into a region once one of its required
// locations is open.
bool CanEnter(const CampaignData& data, const CampaignRegion& region, const std::set<std::string>& open)
{
    return std::any_of(region.GetNodeNames().begin(), region.GetNodeNames().end(), [&](const std::string& name) {
        const CampaignNode* node = Find(data, name);
        return node != nullptr && !node->IsOptional() && open.count(name) != 0;
    });
}

// The locations a player can play: the start location opens; an open
// location on the map of a region the player can enter is played until it
// is satisfied, which opens its unlocks.
std::set<std::string> PlayableLocations(const CampaignData& data)
{
    std::set<std::string> open = {data.startNodeName};
    std::set<std::string> played;
    for (bool more = true; more;) {
        more = false;
        for (const CampaignRegion& region : data.regions) {
            for (const std::string& name : region.GetNodeNames()) {
                const CampaignNode* node = Find(data, name);
                if (node == nullptr || open.count(name) == 0 || !CanEnter(data, region, open) ||
                    !played.insert(name).second) {
                    continue;
                }
                more = true;
                open.insert(node->GetUnlocks().begin(), node->GetUnlocks().end());
            }
        }
    }
    return played;
}

TEST(CampaignMakerTest, EveryLocationCanBeReachedInPlay)
{
    const CampaignContent content = BuildCampaignContent();
    const std::set<std::string> playable = PlayableLocations(content.data);
    for (const CampaignNode& node : content.data.nodes) {
        EXPECT_EQ(playable.count(node.GetName()), 1u) << node.GetName() << " can never be played";
    }
}

TEST(CampaignMakerTest, TheTablesMakeTheCommittedCampaignByteForByte)
{
    const CampaignContent content = BuildCampaignContent();
    EXPECT_EQ(Written([&](ResourceStream& stream) { content.data.Write(stream); }),
              Committed("Campaign.CampaignData"));
    for (const CampaignSetFile& set : content.sets) {
        EXPECT_EQ(Written([&](ResourceStream& stream) { set.descriptor.Write(stream); }), Committed(set.fileName))
            << set.fileName;
    }
}

TEST(CampaignMakerTest, TheTablesCookTheCommittedBooksByteForByte)
{
    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    const CampaignContent content = BuildCampaignContent();
    const std::vector<CampaignBook> books = CookCampaignBooks(chef, clock, content.sets);
    ASSERT_EQ(content.sets.size(), books.size());
    for (const CampaignBook& book : books) {
        const std::string fileName = GetCampaignBookFileName(book.request);
        ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 65536);
        WriteRecipeBook(stream, book.request, book.cooked.descriptors);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize())),
                  Committed(fileName))
            << fileName;
    }
}

// Books cooked from the same seeds gave two locations the same boards; a
// seed in two books of one size is a board the player meets twice, and on
// small boards two seeds can make one puzzle too.
TEST(CampaignMakerTest, NoSeedOrPuzzleTurnsUpTwiceInTheCommittedBooks)
{
    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    std::map<std::pair<int, int>, std::string> seedBooks;
    std::map<std::string, std::string> seenPuzzles;
    for (const CampaignSetFile& set : BuildCampaignContent().sets) {
        const std::string fileName = GetCampaignBookFileName(set.descriptor.request);
        ResourceStream stream(UlvoPath(PATH_MARKER_NONE, std::string(PQ_SOURCE_DIR) + "/Data/Puzzles/" + fileName));
        ASSERT_TRUE(stream.IsValid()) << fileName;
        RecipeBook book(stream, fileName);
        for (int difficulty = 0; difficulty < NUM_DIFFICULTY_RATINGS; ++difficulty) {
            for (const PuzzleDescriptor& descriptor : book.GetDifficultyList(difficulty)) {
                const auto seed = seedBooks.insert({{descriptor.GetSize(), descriptor.GetSeed()}, fileName});
                EXPECT_TRUE(seed.second) << "seed " << descriptor.GetSeed() << " in " << seed.first->second
                                         << " and " << fileName;
                const std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
                ASSERT_NE(puzzle, nullptr) << descriptor.GetPuzzleID();
                const auto seen = seenPuzzles.insert({DescribePuzzleAsSeen(*puzzle), descriptor.GetPuzzleID()});
                EXPECT_TRUE(seen.second) << seen.first->second << " and " << descriptor.GetPuzzleID()
                                         << " are one puzzle";
            }
        }
    }
}

} // namespace
} // namespace Pemberquill
