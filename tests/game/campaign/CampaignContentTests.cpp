// The campaign the game ships: loaded from the real data folder with the
// real recipe books, as the game loads it.

#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/campaign/CampaignProgress.h"
#include "game/campaign/PemberquillCampaign.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedWorkingDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace Pemberquill {
namespace {

namespace fs = std::filesystem;

// A location screen pages its puzzles eight at a time; fewer than this
// leaves a location thin.
constexpr size_t MIN_PUZZLES_PER_LOCATION = 20;

class CampaignContentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chef.Startup(&clock);
        campaign.Startup(&clock);
        campaign.SelectProgress(&progress);
    }
    void TearDown() override { campaign.Shutdown(); }

    testsupport::ScopedWorkingDirectory inProject{PQ_SOURCE_DIR};
    testsupport::RecordingConsole console;
    UlvoEventSystem events;
    Clock clock;
    PuzzleChef chef;
    PemberquillCampaign campaign;
    CampaignProgress progress;
};

// Every image a region or location names exists. A set takes the whole
// book matching its request, so a second set of the same pattern name would
// come out empty; every set has a challenge. (Loading without a warning is
// checked by PlayerSessionTests.)
TEST_F(CampaignContentTest, EveryNamedImageExistsAndEverySetHasABookOfItsOwnWithAChallenge)
{
    ASSERT_EQ(campaign.GetRegions().size(), 6u);
    for (const CampaignRegion& region : campaign.GetRegions()) {
        for (int image = 0; image < NUM_CAMPAIGN_REGION_IMAGES; ++image) {
            const std::string& name = region.GetImagePath(static_cast<CampaignRegionImage>(image));
            EXPECT_TRUE(fs::exists("Data/Images/Backgrounds/" + name)) << name;
        }
        EXPECT_EQ(region.GetNodes().size(), region.GetNodeNames().size()) << region.GetName();
    }
    std::set<std::string> patternNames;
    for (const CampaignNode& node : campaign.GetNodes()) {
        const PuzzleSet& set = *node.GetPuzzleSet();
        EXPECT_TRUE(fs::exists("Data/Images/Backgrounds/" + set.GetBackgroundImage())) << node.GetName();
        EXPECT_GE(set.GetPuzzles().size(), MIN_PUZZLES_PER_LOCATION) << node.GetName();
        EXPECT_NE(set.GetUnlockPuzzle(), nullptr) << node.GetName();
        EXPECT_TRUE(patternNames.insert(set.GetRequest().GetPatternName()).second) << node.GetName();
    }
    EXPECT_TRUE(chef.GetRecipeBooks().empty()) << "a book no location takes";
}

// Satisfying every open location, over and over, must open them all: every
// location can be reached from the start.
TEST_F(CampaignContentTest, EveryLocationCanBeReachedFromBeginnings)
{
    ASSERT_EQ(campaign.GetStartNodeName(), "Beginnings");
    std::vector<CampaignNode>& nodes = campaign.GetNodes();
    ASSERT_TRUE(Campaign::FindNodeByName(nodes, "Beginnings")->IsOpen());
    bool satisfiedAny = true;
    while (satisfiedAny) {
        satisfiedAny = false;
        for (CampaignNode& node : nodes) {
            if (node.IsOpen() && !node.IsSatisfied()) {
                campaign.SatisfyCampaignNode(&node);
                satisfiedAny = true;
            }
        }
    }
    for (const CampaignNode& node : nodes) {
        EXPECT_TRUE(node.IsSatisfied()) << node.GetName();
    }
}

} // namespace
} // namespace Pemberquill
