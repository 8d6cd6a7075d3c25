// The player's campaign record on the campaign's locations: attaching it,
// advancing, and resetting. (Its bytes are in ShellRecordFilesTests.)
#include "game/shell/CampaignProgress.h"

#include "CampaignTestSupport.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "tests/game/steam/RecordStreamTestSupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace campaign_test;

namespace {

std::unique_ptr<CampaignProgress> ReadProgress(const std::string& bytes)
{
    record_test::ServedStream stream(bytes);
    return std::make_unique<CampaignProgress>(*stream);
}

class CampaignProgressTest : public CampaignFixture {
protected:
    void SetUp() override { StartChef(); }
    PuzzleSetProgress& Entry(const std::string& name) { return *Node(name).GetPuzzleSet()->GetProgress(); }
};

// Each location its own entry, even two on one set, found by exact name.
TEST_F(CampaignProgressTest, AttachingGivesEachLocationItsOwnEntry)
{
    AddNode("Shore");
    AddNode("Twin");
    AddNode("Twin");
    Attach();
    ASSERT_EQ(3u, progress.GetPuzzleSetProgresses().size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(progress.GetPuzzleSetProgresses()[i].get(), nodes[i].GetPuzzleSet()->GetProgress());
        EXPECT_EQ(progress.GetPuzzleSetProgresses()[i]->GetPuzzleProgresses()[0].get(),
                  nodes[i].GetPuzzleSet()->GetPuzzles()[0]->GetProgress());
    }
    EXPECT_EQ(progress.FindPuzzleSetProgress("Shore"), nodes[0].GetPuzzleSet()->GetProgress());
    EXPECT_EQ(nullptr, progress.FindPuzzleSetProgress("shore"));
}

// A profile saved under an older campaign: entries that still match are
// kept, new locations get fresh ones, the rest are dropped.
TEST_F(CampaignProgressTest, AttachingAnOlderRecordKeepsMatchesAndDropsTheRest)
{
    std::unique_ptr<CampaignProgress> loaded = ReadProgress("{ 0.2 true 5 { \"\" 0 } 3\n"
                                                            "{ 2 \"Gone\" -1 0 0 0 9 0 }\n"
                                                            "{ 2 \"Reef\" 1 0 0 0 7 1 { 1 \"103-4x1x0x1\" 5 0 0 } }\n"
                                                            "{ 2 \"Shore\" 0 0 0 0 4 0 } }");
    AddNode("Shore");
    AddNode("Reef");
    AddNode("New");
    loaded->AttachPuzzleSetProgresses(nodes);
    ASSERT_EQ(3u, loaded->GetPuzzleSetProgresses().size());
    EXPECT_EQ((std::vector<int>{4, 7, 0}), StatesOf({"Shore", "Reef", "New"}));
    EXPECT_EQ(5, Node("Reef").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ(INDEX_INVALID, loaded->GetActiveCampaignNodeIndex()) << "index 5 names no location any more";
}

TEST_F(CampaignProgressTest, EntriesRoundTripWithOnlyThePuzzlesSeen)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef");
    Attach();
    Node("Reef").SetPlayerState(8);
    Solve(Node("Shore"), 2, 4);
    ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Reef")));
    for (const ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_BINARY}) {
        SCOPED_TRACE(format);
        const std::unique_ptr<CampaignProgress> loaded = ReadProgress(WriteRecord(progress, format));
        EXPECT_EQ(1, loaded->GetActiveCampaignNodeIndex());
        EXPECT_EQ(8, loaded->FindPuzzleSetProgress("Reef")->GetPlayerState());
        const auto& shore = loaded->FindPuzzleSetProgress("Shore")->GetPuzzleProgresses();
        ASSERT_EQ(1u, shore.size());
        EXPECT_EQ(4, shore[0]->GetState());
    }
}

TEST_F(CampaignProgressTest, AdvancingFindsTheNextUnsolvedPuzzleOrSaysAllAreSolved)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef");
    Attach();
    Solve(Node("Shore"), 0);
    // A new profile starts at location zero, past what is solved.
    EXPECT_EQ(CAMPAIGN_ADVANCE_FOUND, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(0, progress.GetActiveCampaignNodeIndex());
    EXPECT_TRUE(progress.HasStartedCampaign());
    EXPECT_EQ(1, Entry("Shore").GetCurrentPuzzle());

    Solve(Node("Shore"), 2);
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, progress.AdvanceToNextPuzzle()) << "puzzle 1 is still unsolved";
    EXPECT_EQ(-1, Entry("Shore").GetCurrentPuzzle());

    Solve(Node("Shore"), 1);
    Entry("Shore").SetCurrentPuzzle(1);
    EXPECT_EQ(CAMPAIGN_ADVANCE_ALL_SOLVED, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(0, progress.GetActiveCampaignNodeIndex());

    std::unique_ptr<CampaignProgress> started = ReadProgress("{ 0.2 true -1 { \"\" 0 } 0 }");
    started->AttachPuzzleSetProgresses(nodes);
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, started->AdvanceToNextPuzzle()) << "no location active";
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, ReadProgress("{ 0.2 false -1 { \"\" 0 } 0 }")->AdvanceToNextPuzzle())
        << "a campaign without locations";
}

TEST_F(CampaignProgressTest, ThePuzzleMustBelongToTheActiveLocation)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef", {}, {}, false, 2);
    Attach();
    const Puzzle& reefPuzzle = *Node("Reef").GetPuzzleSet()->GetPuzzles()[1];
    EXPECT_THROW(progress.SetActiveCampaignNodeIndexFromPuzzle(reefPuzzle), UlvoException) << "none active";

    ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Shore")));
    EXPECT_FALSE(progress.SetActiveCampaignNodeIndexFromPuzzle(reefPuzzle));
    EXPECT_FALSE(progress.HasStartedCampaign());

    ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Reef")));
    EXPECT_TRUE(progress.SetActiveCampaignNodeIndexFromPuzzle(reefPuzzle));
    EXPECT_TRUE(progress.HasStartedCampaign());
    EXPECT_EQ(1, Entry("Reef").GetCurrentPuzzle());

    CampaignNode bare;
    EXPECT_FALSE(progress.SetActiveCampaignNode(bare));
    EXPECT_EQ(1, progress.GetActiveCampaignNodeIndex());
}

TEST_F(CampaignProgressTest, ResetClearsTheLocationsButKeepsRankAndBadges)
{
    AddNode("Shore");
    AddNode("Reef");
    Attach();
    progress.SetHighestRank("Captain");
    progress.SetBadges({"First"});
    progress.AdvanceToNextPuzzle();
    Node("Reef").SetPlayerState(3);
    Solve(Node("Reef"), 1, 5);

    progress.Reset();
    EXPECT_EQ(INDEX_INVALID, progress.GetActiveCampaignNodeIndex());
    EXPECT_EQ((std::vector<int>{0, 0}), StatesOf({"Shore", "Reef"}));
    EXPECT_EQ(0, Node("Reef").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ(-1, Entry("Shore").GetCurrentPuzzle());
    EXPECT_EQ("Captain", progress.GetHighestRank());
    EXPECT_EQ((std::vector<std::string>{"First"}), progress.GetBadges());
}

} // namespace
