// Locations: player states, the opening and satisfying rules, map markers
// and the pages of a satisfied location.
#include "game/shell/CampaignNode.h"

#include "CampaignTestSupport.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace campaign_test;

namespace {

class CampaignNodeTest : public CampaignFixture {
protected:
    void SetUp() override { StartChef(); }
};

TEST_F(CampaignNodeTest, StatesAreOnlyEverRaised)
{
    CampaignNode& node = AddNode("Shore");
    Attach();
    node.SetPlayerState(CAMPAIGN_NODE_STARTED);
    EXPECT_EQ(5, node.GetPlayerState());
    node.SetPlayerState(CAMPAIGN_NODE_OPEN);
    EXPECT_EQ(5, node.GetPlayerState()) << "a lower state must not replace a higher one";
    node.SetPlayerState(6);
    EXPECT_EQ(6, node.GetPuzzleSet()->GetProgress()->GetPlayerState()) << "the state lives in the set's progress";
}

TEST_F(CampaignNodeTest, StateTestsFollowTheThresholds)
{
    CampaignNode& node = AddNode("Shore");
    Attach();
    const struct {
        int state;
        bool open, started, satisfied, completed;
    } cases[] = {
        {2, false, false, false, false}, {3, true, false, false, false}, {4, true, false, false, false},
        {5, true, true, false, false},   {6, true, true, false, false},  {7, true, true, true, false},
        {8, true, true, true, false},    {9, true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        node.GetPuzzleSet()->SetPlayerState(c.state);
        EXPECT_EQ(c.open, node.IsOpen());
        EXPECT_EQ(c.started, node.IsStarted());
        EXPECT_EQ(c.satisfied, node.IsSatisfied());
        EXPECT_EQ(c.completed, node.IsCompleted());
    }
}

TEST_F(CampaignNodeTest, SeeingANewStateMovesItToItsSeenValueOnly)
{
    CampaignNode& node = AddNode("Shore");
    Attach();
    const std::pair<int, int> cases[] = {{0, 0}, {1, 2}, {2, 2}, {3, 4}, {4, 4}, {5, 6},
                                         {6, 6}, {7, 8}, {8, 8}, {9, 10}, {10, 10}, {11, 11}};
    for (const auto& [before, after] : cases) {
        node.GetPuzzleSet()->SetPlayerState(before);
        node.FirstOccurenceOfCurrentStateSeenByPlayer();
        EXPECT_EQ(after, node.GetPlayerState()) << "from " << before;
    }
}

// Opening reveals the connections; satisfying opens each unlock and reveals
// its connections; a state is never lowered; unknown names change nothing.
TEST_F(CampaignNodeTest, OpeningAndSatisfyingRaiseTheStatesOfTheNamedLocations)
{
    AddNode("Shore", {"Reef", "Nowhere", "Gorge"}, {"Gorge", "Missing", "Loop"});
    AddNode("Reef");
    AddNode("Gorge", {"Cove"});
    AddNode("Cove");
    AddNode("Loop", {"Loop"}, {"Loop", "Reef"});
    Attach();
    Node("Cove").SetPlayerState(CAMPAIGN_NODE_SATISFIED);

    CampaignNode::UnlockConnectedNodes(nodes, "Shore");
    CampaignNode::UnlockConnectedNodes(nodes, "Nowhere");
    EXPECT_EQ((std::vector<int>{3, 1, 1, 7, 0}), StatesOf({"Shore", "Reef", "Gorge", "Cove", "Loop"}));

    CampaignNode::SatisfyNode(nodes, "Shore");
    EXPECT_EQ((std::vector<int>{7, 1, 3, 7, 3}), StatesOf({"Shore", "Reef", "Gorge", "Cove", "Loop"}))
        << "a connection is not an unlock";
    CampaignNode::SatisfyNode(nodes, "Loop");
    CampaignNode::SatisfyNode(nodes, "Absent");
    EXPECT_EQ((std::vector<int>{7, 3, 3, 7, 7}), StatesOf({"Shore", "Reef", "Gorge", "Cove", "Loop"}));
}

TEST_F(CampaignNodeTest, NamesAreComparedExactlyAndTheFirstMatchWins)
{
    AddNode("Shore");
    AddNode("shore");
    AddNode("Shore");
    EXPECT_EQ(&nodes[1], Campaign::FindNodeByName(nodes, "shore"));
    EXPECT_EQ(&nodes[0], Campaign::FindNodeByName(nodes, "Shore"));
    EXPECT_EQ(nullptr, Campaign::FindNodeByName(nodes, "Shore "));
}

TEST_F(CampaignNodeTest, StateColorsChangeAtTheThresholdsAndHideOptionalLockedOnes)
{
    CampaignNode& required = AddNode("Shore", {}, {}, false);
    CampaignNode& optional = AddNode("Reef", {}, {}, true);
    Attach();
    EXPECT_EQ(Rgba(64, 64, 64, 255), required.GetStateColor());
    const std::pair<int, Rgba> cases[] = {
        {0, Rgba(255, 255, 255, 0)},   {2, Rgba(128, 128, 128, 255)}, {3, Rgba(255, 128, 0, 255)},
        {6, Rgba(255, 128, 0, 255)},   {7, Rgba(255, 0, 0, 255)},     {8, Rgba(255, 0, 0, 255)},
        {9, Rgba(0, 255, 0, 255)},     {11, Rgba(255, 255, 255, 0)},
    };
    for (const auto& [state, color] : cases) {
        optional.GetPuzzleSet()->SetPlayerState(state);
        EXPECT_EQ(color, optional.GetStateColor()) << "state " << state;
    }
}

TEST_F(CampaignNodeTest, TheMapMarkerIsCentredOnTheLocationInsideTheMap)
{
    CampaignNode node;
    node.SetMapCoords(Vector2(0.5f, 0.25f));
    const AABB2 box = node.GetMapMarkerBounds(Vector2(100.0f, 40.0f), Vector2(900.0f, 440.0f));
    // Centre (500, 140); half-extents 1% of the area size.
    EXPECT_FLOAT_EQ(491.0f, box.mins.x);
    EXPECT_FLOAT_EQ(135.6f, box.mins.y);
    EXPECT_FLOAT_EQ(509.0f, box.maxs.x);
    EXPECT_FLOAT_EQ(144.4f, box.maxs.y);
}

TEST_F(CampaignNodeTest, EveryStateOperationWithoutAPuzzleSetThrows)
{
    CampaignNode node;
    EXPECT_THROW(node.GetPlayerState(), UlvoException);
    EXPECT_THROW(node.SetPlayerState(3), UlvoException);
    EXPECT_THROW(node.IsOpen(), UlvoException);
    EXPECT_THROW(node.FirstOccurenceOfCurrentStateSeenByPlayer(), UlvoException);
    EXPECT_THROW(node.SetSatisfiedPuzzleHardPage(0), UlvoException);
}

// 60 book puzzles: easy 14, medium 18, hard 15 after the unlock puzzle and
// the homework are taken out.
class CampaignNodePageTest : public CampaignFixture {
protected:
    void SetUp() override
    {
        StartChef(60);
        node = &AddBookNode("Deep");
        Attach();
        set = node->GetPuzzleSet();
        ASSERT_EQ(14, set->GetRanges()[PUZZLE_SET_RANGE_EASY].GetCount());
        ASSERT_EQ(18, set->GetRanges()[PUZZLE_SET_RANGE_MEDIUM].GetCount());
        ASSERT_EQ(15, set->GetRanges()[PUZZLE_SET_RANGE_HARD].GetCount());
    }

    bool HasBoards(int range, int page) const
    {
        bool hasMore = false;
        const std::vector<Puzzle*> puzzles = set->GetPagePuzzles(range, page, hasMore);
        return !puzzles.empty() && !puzzles.front()->GetBoards().empty();
    }

    void BuildPage(int range, int page)
    {
        bool hasMore = false;
        for (Puzzle* puzzle : set->GetPagePuzzles(range, page, hasMore)) {
            ASSERT_TRUE(chef.BuildBoardsForPuzzle(puzzle));
        }
    }

    CampaignNode* node = nullptr;
    PuzzleSet* set = nullptr;
};

TEST_F(CampaignNodePageTest, OnlyASatisfiedLocationMovesItsPageAndReleasesTheOldOne)
{
    node->SetPlayerState(CAMPAIGN_NODE_STARTED);
    BuildPage(PUZZLE_SET_RANGE_EASY, 0);
    node->SetSatisfiedPuzzleEasyPage(1);
    EXPECT_EQ(0, set->GetProgress()->GetEasyPage());
    EXPECT_TRUE(HasBoards(PUZZLE_SET_RANGE_EASY, 0));

    node->SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    BuildPage(PUZZLE_SET_RANGE_MEDIUM, 0);
    node->SetSatisfiedPuzzleEasyPage(1);
    EXPECT_EQ(1, set->GetProgress()->GetEasyPage());
    EXPECT_FALSE(HasBoards(PUZZLE_SET_RANGE_EASY, 0)) << "the page left behind gives up its boards";
    EXPECT_TRUE(HasBoards(PUZZLE_SET_RANGE_MEDIUM, 0));

    node->SetSatisfiedPuzzleMediumPage(3);
    EXPECT_EQ(0, set->GetProgress()->GetMediumPage()) << "the medium range has three pages only";
    node->SetSatisfiedPuzzleMediumPage(2);
    EXPECT_EQ(2, set->GetProgress()->GetMediumPage());
    node->SetSatisfiedPuzzleHardPage(-1);
    EXPECT_EQ(0, set->GetProgress()->GetHardPage());
}

} // namespace
