// The player's campaign record: its bytes inside the profile, attaching it
// to the campaign's locations, advancing and resetting.
#include "game/shell/CampaignProgress.h"

#include "CampaignTestSupport.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace campaign_test;

namespace {

std::string Int32Bytes(int32_t value)
{
    return std::string{char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF),
                       char((value >> 24) & 0xFF)};
}

std::string StringBytes(const std::string& text)
{
    return Int32Bytes(static_cast<int32_t>(text.size())) + text;
}

std::unique_ptr<CampaignProgress> ReadProgress(const std::string& bytes)
{
    LoadedStream stream(bytes);
    return std::make_unique<CampaignProgress>(*stream);
}

TEST(CampaignProgressRecordTest, WritesTheBinaryLayout)
{
    CampaignProgress progress;
    progress.SetHighestRank("Mate");
    progress.SetBadges({"A", "BC"});
    const std::string expected = Int32Bytes(int32_t(RESOURCE_STREAM_BINARY_MARKER)) + Int32Bytes(0x3E4CCCCD) +
                                 std::string(1, '\0') + Int32Bytes(-1) + StringBytes("Mate") + Int32Bytes(2) +
                                 StringBytes("A") + StringBytes("BC") + Int32Bytes(0);
    EXPECT_EQ(expected, WriteRecord(progress, RESOURCE_STREAM_FORMAT_BINARY));
}

// A profile of the first version has no rank block; it is written back with one.
TEST(CampaignProgressRecordTest, AnOlderRecordReadsWithoutRankAndIsWrittenAsTheCurrentVersion)
{
    const std::string older = Int32Bytes(int32_t(RESOURCE_STREAM_BINARY_MARKER)) + Int32Bytes(0x3DCCCCCD) +
                              std::string(1, '\1') + Int32Bytes(-1) + Int32Bytes(0);
    const std::unique_ptr<CampaignProgress> progress = ReadProgress(older);
    EXPECT_FLOAT_EQ(0.1f, progress->GetVersion());
    EXPECT_TRUE(progress->HasStartedCampaign());
    EXPECT_TRUE(progress->GetHighestRank().empty());
    EXPECT_TRUE(progress->GetBadges().empty());

    const std::string current = WriteRecord(*progress, RESOURCE_STREAM_FORMAT_BINARY);
    EXPECT_FLOAT_EQ(0.2f, progress->GetVersion());
    EXPECT_EQ(Int32Bytes(int32_t(RESOURCE_STREAM_BINARY_MARKER)) + Int32Bytes(0x3E4CCCCD) + std::string(1, '\1') +
                  Int32Bytes(-1) + StringBytes("") + Int32Bytes(0) + Int32Bytes(0),
              current);

    const std::unique_ptr<CampaignProgress> olderText =
        ReadProgress("{ 0.1 true 4 1 { 2 \"S\" 0 0 0 0 7 0 } }");
    EXPECT_TRUE(olderText->GetBadges().empty());
    EXPECT_EQ(4, olderText->GetActiveCampaignNodeIndex());
    ASSERT_EQ(1u, olderText->GetPuzzleSetProgresses().size());
    EXPECT_EQ(7, olderText->GetPuzzleSetProgresses()[0]->GetPlayerState());
}

TEST(CampaignProgressRecordTest, DamagedRecordsThrowAndLeaveTheRecordAsItWas)
{
    CampaignProgress progress;
    progress.SetHighestRank("Mate");
    progress.SetBadges({"A"});
    const std::string message = MessageOfThrow([] { ReadProgress("{ 0.2 false -1 { \"R\" 99999999 } 0 }"); });
    EXPECT_NE(std::string::npos, message.find("99999999 badges")) << message;

    const std::string bytes = WriteRecord(progress, RESOURCE_STREAM_FORMAT_BINARY);
    for (size_t length = 0; length < bytes.size(); ++length) {
        LoadedStream truncated(bytes.substr(0, length));
        EXPECT_THROW(progress.Read(*truncated), UlvoException) << length;
    }
    EXPECT_EQ("Mate", progress.GetHighestRank());
    EXPECT_EQ((std::vector<std::string>{"A"}), progress.GetBadges());
    EXPECT_THROW(ReadProgress("0.2 false -1 { \"R\" 0 } 0"), UlvoException) << "text blocks need their braces";
}

class CampaignProgressTest : public CampaignFixture {
protected:
    void SetUp() override { StartChef(); }

    std::vector<std::string> EntryIDs() const
    {
        std::vector<std::string> ids;
        for (const std::unique_ptr<PuzzleSetProgress>& entry : progress.GetPuzzleSetProgresses()) {
            ids.push_back(entry->GetSetID());
        }
        return ids;
    }

    // The record written and read back, as a profile save and load does.
    std::unique_ptr<CampaignProgress> SavedAndLoaded(ResourceStreamFormat format)
    {
        return ReadProgress(WriteRecord(progress, format));
    }
};

TEST_F(CampaignProgressTest, AttachingGivesEachLocationItsEntryInLocationOrder)
{
    AddNode("Shore");
    AddNode("Reef");
    Attach();
    EXPECT_EQ((std::vector<std::string>{"Shore", "Reef"}), EntryIDs());
    for (size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(progress.GetPuzzleSetProgresses()[i].get(), nodes[i].GetPuzzleSet()->GetProgress());
        EXPECT_EQ(progress.GetPuzzleSetProgresses()[i]->GetPuzzleProgresses()[0].get(),
                  nodes[i].GetPuzzleSet()->GetPuzzles()[0]->GetProgress());
    }
    EXPECT_EQ(progress.FindPuzzleSetProgress("Reef"), nodes[1].GetPuzzleSet()->GetProgress());
    EXPECT_EQ(nullptr, progress.FindPuzzleSetProgress("reef"));
}

// A profile saved under an older campaign: entries that still match are
// kept, new locations get fresh ones, the rest are dropped.
TEST_F(CampaignProgressTest, AttachingAnOlderRecordKeepsMatchesAndDropsTheRest)
{
    const std::string older =
        "{ 0.2 true 5 { \"\" 0 } 3\n"
        "{ 2 \"Gone\" -1 0 0 0 9 0 }\n"
        "{ 2 \"Reef\" 1 0 0 0 7 1 { 1 \"103-4x1x0x1\" 5 0 0 } }\n"
        "{ 2 \"Shore\" 0 0 0 0 4 0 } }";
    std::unique_ptr<CampaignProgress> loaded = ReadProgress(older);
    AddNode("Shore");
    AddNode("Reef");
    AddNode("New");
    loaded->AttachPuzzleSetProgresses(nodes);

    ASSERT_EQ(3u, loaded->GetPuzzleSetProgresses().size());
    EXPECT_EQ(4, Node("Shore").GetPlayerState());
    EXPECT_EQ(7, Node("Reef").GetPlayerState());
    EXPECT_EQ(0, Node("New").GetPlayerState());
    EXPECT_EQ(5, Node("Reef").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ("New", loaded->GetPuzzleSetProgresses()[2]->GetSetID());
    EXPECT_EQ(INDEX_INVALID, loaded->GetActiveCampaignNodeIndex()) << "index 5 names no location any more";
}

TEST_F(CampaignProgressTest, TwoLocationsOnOneSetDoNotShareAnEntry)
{
    AddNode("Twin");
    AddNode("Twin");
    Attach();
    ASSERT_EQ(2u, progress.GetPuzzleSetProgresses().size());
    EXPECT_NE(nodes[0].GetPuzzleSet()->GetProgress(), nodes[1].GetPuzzleSet()->GetProgress());
}

TEST_F(CampaignProgressTest, RoundTripsWithItsEntriesInTextAndBinary)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef");
    Attach();
    progress.SetHighestRank("Captain");
    progress.SetBadges({"First", "Second"});
    Node("Reef").SetPlayerState(8);
    Solve(Node("Shore"), 2, 4);
    ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Reef")));
    for (const ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_BINARY}) {
        SCOPED_TRACE(format);
        const std::unique_ptr<CampaignProgress> loaded = SavedAndLoaded(format);
        EXPECT_EQ(1, loaded->GetActiveCampaignNodeIndex());
        EXPECT_EQ("Captain", loaded->GetHighestRank());
        EXPECT_EQ((std::vector<std::string>{"First", "Second"}), loaded->GetBadges());
        ASSERT_EQ(2u, loaded->GetPuzzleSetProgresses().size());
        EXPECT_EQ(8, loaded->FindPuzzleSetProgress("Reef")->GetPlayerState());
        const auto& shore = loaded->FindPuzzleSetProgress("Shore")->GetPuzzleProgresses();
        ASSERT_EQ(1u, shore.size()) << "only puzzles the player has seen are stored";
        EXPECT_EQ(4, shore[0]->GetState());
    }
}

TEST_F(CampaignProgressTest, ANewProfileStartsAtTheFirstUnsolvedPuzzleOfLocationZero)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef");
    Attach();
    EXPECT_EQ(CAMPAIGN_ADVANCE_FOUND, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(0, progress.GetActiveCampaignNodeIndex());
    EXPECT_TRUE(progress.HasStartedCampaign());
    EXPECT_EQ(0, Node("Shore").GetPuzzleSet()->GetProgress()->GetCurrentPuzzle());

    EXPECT_EQ(CAMPAIGN_ADVANCE_FOUND, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(1, Node("Shore").GetPuzzleSet()->GetProgress()->GetCurrentPuzzle());
}

TEST_F(CampaignProgressTest, TheBringUpSkipsPuzzlesAlreadySolved)
{
    AddNode("Shore", {}, {}, false, 3);
    Attach();
    Solve(Node("Shore"), 0);
    EXPECT_EQ(CAMPAIGN_ADVANCE_FOUND, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(1, Node("Shore").GetPuzzleSet()->GetProgress()->GetCurrentPuzzle());
}

TEST_F(CampaignProgressTest, AdvancingPastTheLastPuzzleTellsWhetherAllAreSolved)
{
    AddNode("Shore", {}, {}, false, 3);
    Attach();
    ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Shore")));
    PuzzleSetProgress& entry = *Node("Shore").GetPuzzleSet()->GetProgress();

    Solve(Node("Shore"), 1);
    Solve(Node("Shore"), 2);
    entry.SetCurrentPuzzle(0);
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, progress.AdvanceToNextPuzzle()) << "puzzle 0 is still unsolved";
    EXPECT_EQ(-1, entry.GetCurrentPuzzle());

    Solve(Node("Shore"), 0);
    entry.SetCurrentPuzzle(0);
    EXPECT_EQ(CAMPAIGN_ADVANCE_ALL_SOLVED, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(-1, entry.GetCurrentPuzzle());
    EXPECT_EQ(0, progress.GetActiveCampaignNodeIndex());
}

TEST_F(CampaignProgressTest, AdvancingWithNoLocationActiveChangesNothing)
{
    AddNode("Shore");
    std::unique_ptr<CampaignProgress> started = ReadProgress("{ 0.2 true -1 { \"\" 0 } 0 }");
    started->AttachPuzzleSetProgresses(nodes);
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, started->AdvanceToNextPuzzle());
    EXPECT_EQ(INDEX_INVALID, started->GetActiveCampaignNodeIndex());

    std::unique_ptr<CampaignProgress> empty = ReadProgress("{ 0.2 false -1 { \"\" 0 } 0 }");
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, empty->AdvanceToNextPuzzle()) << "a campaign without locations";
    EXPECT_EQ(INDEX_INVALID, empty->GetActiveCampaignNodeIndex());
}

TEST_F(CampaignProgressTest, ThePuzzleMustBelongToTheActiveLocation)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef", {}, {}, false, 2);
    Attach();
    const Puzzle& reefPuzzle = *Node("Reef").GetPuzzleSet()->GetPuzzles()[1];
    const std::string message = MessageOfThrow([&] { progress.SetActiveCampaignNodeIndexFromPuzzle(reefPuzzle); });
    EXPECT_NE(std::string::npos, message.find("No active campaign node to find puzzle in.")) << message;
    EXPECT_NE(std::string::npos, message.find("m_activeCampaignNodeIndex != INDEX_INVALID")) << message;

    ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Shore")));
    EXPECT_FALSE(progress.SetActiveCampaignNodeIndexFromPuzzle(reefPuzzle));
    EXPECT_FALSE(progress.HasStartedCampaign());
    EXPECT_EQ(0, Node("Shore").GetPuzzleSet()->GetProgress()->GetCurrentPuzzle());

    ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Reef")));
    EXPECT_EQ(1, progress.GetActiveCampaignNodeIndex());
    EXPECT_TRUE(progress.SetActiveCampaignNodeIndexFromPuzzle(reefPuzzle));
    EXPECT_TRUE(progress.HasStartedCampaign());
    EXPECT_EQ(1, Node("Reef").GetPuzzleSet()->GetProgress()->GetCurrentPuzzle());

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
    Node("Shore").SetPlayerState(9);
    Node("Reef").SetPlayerState(3);
    Solve(Node("Reef"), 1, 5);

    progress.Reset();
    EXPECT_EQ(INDEX_INVALID, progress.GetActiveCampaignNodeIndex());
    EXPECT_EQ((std::vector<int>{0, 0}), StatesOf({"Shore", "Reef"}));
    EXPECT_EQ(0, Node("Reef").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ(-1, Node("Shore").GetPuzzleSet()->GetProgress()->GetCurrentPuzzle());
    EXPECT_TRUE(progress.HasStartedCampaign());
    EXPECT_EQ("Captain", progress.GetHighestRank());
    EXPECT_EQ((std::vector<std::string>{"First"}), progress.GetBadges());
}

} // namespace
