// The campaign's screens on the real screen manager: location states on the
// region map, pages of a satisfied location, and the route on the map.

#include <algorithm>

#include "game/presentation/board/CampaignRoute.h"
#include "game/campaign/CampaignRegion.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/game/campaign/CampaignTestSupport.h"

namespace campaign_test {
namespace {

using screen_test::ScreenEnvironment;

class CampaignScreensTest : public CampaignFixture {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    ScreenEnvironment env;
};

TEST_F(CampaignScreensTest, ASatisfiedLocationPagesItsEasyPuzzlesEightAtATime)
{
    StartChef(76);
    CampaignNode& node = AddBookNode("Reef");
    Attach();
    node.SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    ASSERT_EQ(20, node.GetPuzzleSet()->GetRanges()[PUZZLE_SET_RANGE_EASY].GetCount());
    env.ui.CreateCampaignNodeWindow(&node);

    const struct {
        size_t thumbnails;
        bool hasPrevious;
        bool hasNext;
    } pages[] = {{8, false, true}, {8, true, true}, {4, true, false}};
    for (int page = 0; page < 3; ++page) {
        node.SetSatisfiedPuzzleEasyPage(page);
        env.ui.CreatePuzzleGroups(&node, GAME_WINDOW_EASY_PUZZLES);
        const int group = PemberquillUI::GetWindowHandle(GAME_WINDOW_EASY_PUZZLES);
        const auto& expected = pages[page];
        EXPECT_EQ(screen_test::Children(group, "PlayPuzzle").size(), expected.thumbnails) << "page " << page;
        EXPECT_EQ(screen_test::Children(group, "PrevPageButton").at(0)->GetProperty<bool>("Enabled"), expected.hasPrevious);
        EXPECT_EQ(screen_test::Children(group, "NextPageButton").at(0)->GetProperty<bool>("Enabled"), expected.hasNext);
    }
    // One group per difficulty, the page turn replacing the old one.
    EXPECT_EQ(screen_test::Children(PemberquillUI::GetWindowHandle(GAME_WINDOW_PUZZLE_SET), "EasyPuzzlesGroup").size(), 1u);
}

TEST_F(CampaignScreensTest, TheRegionMapShowsEachLocationsStateAndRecordsItAsSeen)
{
    StartChef();
    AddNode("Open", {}, {"Secret"});
    AddNode("Revealed");
    AddNode("Secret", {}, {}, true);
    Attach();
    Node("Open").SetPlayerState(CAMPAIGN_NODE_OPEN);
    Node("Revealed").SetPlayerState(CAMPAIGN_NODE_REVEALED);
    CampaignRegion region;
    region.SetName("Ocean");
    region.SetNodeNames({"Open", "Revealed", "Secret"});
    region.ResolveNodes(nodes);

    for (int build = 0; build < 2; ++build) {
        env.ui.CreateCampaignRegion(&region);
        const int window = PemberquillUI::GetWindowHandle(GAME_WINDOW_CAMPAIGN_REGION);
        EXPECT_TRUE(screen_test::Children(window, "OpenCampaignNodeButton").at(0)->GetProperty<bool>("Enabled"));
        EXPECT_FALSE(screen_test::Children(window, "RevealedCampaignNodeButton").at(0)->GetProperty<bool>("Enabled"));
        EXPECT_TRUE(screen_test::Children(window, "SecretCampaignNodeButton").empty());
        EXPECT_EQ(StatesOf({"Open", "Revealed", "Secret"}), (std::vector<int>{4, 2, 0})) << "build " << build;
    }
    // Satisfying the location that unlocks it puts the optional one on the map.
    CampaignNode::SatisfyNode(nodes, "Open");
    env.ui.CreateCampaignRegion(&region);
    const auto secret = screen_test::Children(PemberquillUI::GetWindowHandle(GAME_WINDOW_CAMPAIGN_REGION),
                                              "SecretCampaignNodeButton");
    ASSERT_EQ(secret.size(), 1u);
    EXPECT_TRUE(secret.at(0)->GetProperty<bool>("Enabled"));
}

// A region image that is not there is looked for at the first build only.
TEST_F(CampaignScreensTest, AMissingRegionImageIsLookedForOnceAcrossBuilds)
{
    std::vector<CampaignRegion> regions(1);
    regions[0].SetName("Ocean");
    regions[0].SetImagePath(CAMPAIGN_REGION_IMAGE_UNLOCKED, "Ocean_Unlocked.png");
    regions[0].SetImagePath(CAMPAIGN_REGION_IMAGE_LOCKED, "Ocean_Locked.png");
    regions[0].SetImagePath(CAMPAIGN_REGION_IMAGE_HIGHLIGHTED, "Ocean_Highlighted.png");
    const std::string missing = "Images/Backgrounds/Ocean_Locked.png";
    env.images.missing = {missing};
    env.images.requests.clear();

    env.ui.CreateCampaignWindow(regions);
    env.ui.CreateCampaignWindow(regions);
    std::vector<std::string> requested;
    for (const UlvoPath& path : env.images.requests) {
        requested.push_back(path.GetRelativePath());
    }
    EXPECT_EQ(std::count(requested.begin(), requested.end(), missing), 1);
    EXPECT_EQ(requested.size(), 3u) << "the two found images stay cached in the region";
}

// Locations without puzzle sets: the route reads only names, flags and map
// positions.
TEST(CampaignRouteTest, FollowsFirstConnectionsAndEndsWhereTheMapDoes)
{
    const struct {
        const char* name;
        std::vector<std::vector<std::string>> connections; // of A, B, C, D
        std::vector<std::string> route;
    } cases[] = {
        {"chain", {{"B"}, {"C"}, {}, {}}, {"A", "B"}},
        {"cycle", {{"B"}, {"C"}, {"A"}, {}}, {}},
        {"cycle after a start", {{"B"}, {"C"}, {"B"}, {}}, {"A", "B", "C"}},
        {"into another region", {{"B"}, {"X"}, {}, {}}, {"A"}},
        {"optional is never a stop", {{"D"}, {}, {}, {}}, {}},
        {"no links", {{}, {}, {}, {}}, {}},
    };
    for (const auto& c : cases) {
        std::vector<CampaignNode> nodes(4);
        const char* names[] = {"A", "B", "C", "D"};
        for (size_t i = 0; i < nodes.size(); ++i) {
            nodes[i].SetName(names[i]);
            nodes[i].SetOptional(i == 3);
            nodes[i].SetConnections(c.connections[i]);
        }
        CampaignRegion region;
        region.SetNodeNames({"A", "B", "C", "D"});
        region.ResolveNodes(nodes);
        std::vector<std::string> route;
        for (const CampaignNode* node : BuildCampaignRoute(
                 region, [&nodes](const std::string& name) { return Campaign::FindNodeByName(nodes, name); })) {
            route.push_back(node->GetName());
        }
        EXPECT_EQ(route, c.route) << c.name;
    }
}

TEST(CampaignRouteTest, TwentySamplesASegmentStoppingShortOfTheLastLocation)
{
    const std::vector<Vector2> points = {Vector2(0, 0), Vector2(100, 0), Vector2(100, 100)};
    const std::vector<Vector2> samples = SampleCampaignRoute(points);
    ASSERT_EQ(samples.size(), 40u);
    EXPECT_EQ(samples[0], points[0]);
    EXPECT_EQ(samples[20], points[1]);
    EXPECT_LT(samples.back().y, 100.0f);
    EXPECT_TRUE(SampleCampaignRoute({Vector2(5, 5)}).empty());
}

} // namespace
} // namespace campaign_test
