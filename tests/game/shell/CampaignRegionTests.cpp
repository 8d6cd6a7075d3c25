// Regions: resolving their locations and the questions the map, the
// controller and the score ask of them.
#include "game/shell/CampaignRegion.h"

#include "CampaignTestSupport.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace campaign_test;

namespace {

class CampaignRegionTest : public CampaignFixture {
protected:
    void SetUp() override { StartChef(); }

    CampaignRegion MakeRegion(const std::vector<std::string>& nodeNames)
    {
        CampaignRegion region;
        region.SetName("Ocean");
        region.SetNodeNames(nodeNames);
        region.ResolveNodes(nodes);
        return region;
    }
};

TEST_F(CampaignRegionTest, ResolvesNamesInOrderAndSkipsUnknownOnes)
{
    AddNode("Shore");
    AddNode("Reef");
    AddNode("Gorge");
    const CampaignRegion region = MakeRegion({"Reef", "Lost", "Shore"});
    EXPECT_EQ((std::vector<CampaignNode*>{&Node("Reef"), &Node("Shore")}), region.GetNodes());
    EXPECT_TRUE(region.ContainsNode(&Node("Shore")));
    EXPECT_FALSE(region.ContainsNode(&Node("Gorge")));
    EXPECT_FALSE(region.ContainsNode(nullptr));
}

// Both questions look at required locations only; an empty region answers
// yes to both.
TEST_F(CampaignRegionTest, RequiredLocationsAloneDecideStartedAndCompleted)
{
    AddNode("Shore", {}, {}, false);
    AddNode("Pier", {}, {}, false);
    AddNode("Reef", {}, {}, true);
    Attach();
    EXPECT_TRUE(MakeRegion({}).IsAnyRequiredNodeStarted());
    EXPECT_TRUE(MakeRegion({}).AreRequiredNodesCompleted());
    const CampaignRegion region = MakeRegion({"Reef", "Shore", "Pier"});
    Node("Reef").SetPlayerState(CAMPAIGN_NODE_COMPLETED);
    Node("Shore").SetPlayerState(2);
    EXPECT_FALSE(region.IsAnyRequiredNodeStarted()) << "revealed is not open";
    Node("Shore").SetPlayerState(CAMPAIGN_NODE_OPEN);
    EXPECT_TRUE(region.IsAnyRequiredNodeStarted());

    Node("Shore").SetPlayerState(CAMPAIGN_NODE_COMPLETED);
    Node("Pier").SetPlayerState(8);
    EXPECT_FALSE(region.AreRequiredNodesCompleted()) << "satisfied is not completed";
    Node("Pier").SetPlayerState(10);
    Node("Reef").GetPuzzleSet()->SetPlayerState(0);
    EXPECT_TRUE(region.AreRequiredNodesCompleted()) << "the optional location stays locked";
}

TEST_F(CampaignRegionTest, ScoreSumsTheGradesOfEveryLocationAtTheWeight)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef", {}, {}, false, 2);
    AddNode("Away", {}, {}, false, 1);
    Attach();
    Solve(Node("Shore"), 0, 3);
    Solve(Node("Shore"), 1, 5);
    Solve(Node("Shore"), 2, 2);
    Solve(Node("Reef"), 1, 4);
    Solve(Node("Away"), 0, 5);
    const CampaignRegion region = MakeRegion({"Shore", "Reef"});
    EXPECT_EQ((1 + 5 + 4) * 7, region.GetScore(7));

    CampaignNode bare;
    bare.SetName("Bare");
    std::vector<CampaignNode> withBare;
    withBare.push_back(std::move(bare));
    CampaignRegion bareRegion;
    bareRegion.SetNodeNames({"Bare"});
    bareRegion.ResolveNodes(withBare);
    EXPECT_EQ(0, bareRegion.GetScore(7)) << "a location without a set adds nothing";
}

TEST_F(CampaignRegionTest, ResetProgressClearsEveryLocationOfTheRegionOnly)
{
    AddNode("Shore", {}, {}, false, 2);
    AddNode("Away", {}, {}, false, 2);
    Attach();
    for (const char* name : {"Shore", "Away"}) {
        Node(name).SetPlayerState(CAMPAIGN_NODE_SATISFIED);
        Solve(Node(name), 1, 5);
        Node(name).GetPuzzleSet()->GetProgress()->SetCurrentPuzzle(1);
    }
    MakeRegion({"Shore"}).ResetProgress();

    EXPECT_EQ(0, Node("Shore").GetPlayerState());
    EXPECT_EQ(0, Node("Shore").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ(-1, Node("Shore").GetPuzzleSet()->GetProgress()->GetCurrentPuzzle());
    EXPECT_EQ(7, Node("Away").GetPlayerState());
    EXPECT_EQ(5, Node("Away").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
}

class CampaignRegionBookTest : public CampaignFixture {};

TEST_F(CampaignRegionBookTest, ActivePuzzleCountIsTheDifficultyPuzzlesOfItsLocations)
{
    StartChef(60);
    AddBookNode("Deep");
    AddNode("Shore", {}, {}, false, 3);
    CampaignRegion region;
    region.SetNodeNames({"Deep", "Shore"});
    region.ResolveNodes(nodes);
    EXPECT_EQ(14 + 18 + 15, region.GetActivePuzzleCount()) << "homework and the unlock puzzle do not count";
}

} // namespace
