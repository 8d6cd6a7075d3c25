// The campaign's locations, regions and the player's progress record over
// them: states only ever rise, opening and satisfying along the links (a
// cycle ends), what a region asks of its locations, advancing to the next
// puzzle, and the pages of a satisfied location. (The record's bytes are in
// PlayerRecordFilesTests.)
#include "tests/game/campaign/CampaignTestSupport.h"
#include "engine/core/Diagnostics.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/campaign/CampaignRegion.h"
#include "tests/game/steam/RecordStreamTestSupport.h"
#include "tests/support/RecordingConsole.h"

using namespace Pemberquill;
using namespace campaign_test;

namespace {

std::unique_ptr<CampaignProgress> ReadProgress(const std::string& bytes)
{
    record_test::ServedStream stream(bytes);
    return std::make_unique<CampaignProgress>(*stream);
}

class CampaignRecordsTest : public CampaignFixture {
protected:
    void SetUp() override { StartChef(); }
    PuzzleSetProgress& Entry(const std::string& name) { return *Node(name).GetPuzzleSet()->GetProgress(); }
    CampaignRegion Region(const std::vector<std::string>& nodeNames)
    {
        CampaignRegion region;
        region.SetNodeNames(nodeNames);
        region.ResolveNodes(nodes);
        return region;
    }
};

TEST_F(CampaignRecordsTest, StatesOnlyRiseAndTheirTestsFollowTheThresholds)
{
    CampaignNode& node = AddNode("Shore");
    Attach();
    node.SetPlayerState(CAMPAIGN_NODE_STARTED);
    node.SetPlayerState(CAMPAIGN_NODE_OPEN);
    EXPECT_EQ(5, Entry("Shore").GetPlayerState()) << "a lower state must not replace a higher one";
    const struct {
        int state;
        bool open, started, satisfied, completed;
        int seen;
    } cases[] = {
        {0, false, false, false, false, 0}, {1, false, false, false, false, 2}, {2, false, false, false, false, 2},
        {3, true, false, false, false, 4},  {4, true, false, false, false, 4},  {5, true, true, false, false, 6},
        {6, true, true, false, false, 6},   {7, true, true, true, false, 8},    {8, true, true, true, false, 8},
        {9, true, true, true, true, 10},    {10, true, true, true, true, 10},   {11, true, true, true, true, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        node.GetPuzzleSet()->SetPlayerState(c.state);
        EXPECT_EQ(c.open, node.IsOpen());
        EXPECT_EQ(c.started, node.IsStarted());
        EXPECT_EQ(c.satisfied, node.IsSatisfied());
        EXPECT_EQ(c.completed, node.IsCompleted());
        node.FirstOccurenceOfCurrentStateSeenByPlayer();
        EXPECT_EQ(c.seen, node.GetPlayerState());
    }
}

// Opening reveals the connections; satisfying opens each unlock and reveals
// its connections; a state is never lowered; unknown names change nothing.
TEST_F(CampaignRecordsTest, OpeningAndSatisfyingRaiseTheStatesOfTheNamedLocations)
{
    AddNode("Shore", {"Reef", "Nowhere", "Gorge"}, {"Gorge", "Missing", "Loop"});
    AddNode("Reef");
    AddNode("Gorge", {"Cove"});
    AddNode("Cove");
    AddNode("Loop", {"Loop"}, {"Loop", "Reef"});
    Attach();
    Node("Cove").SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    const std::vector<std::string> all = {"Shore", "Reef", "Gorge", "Cove", "Loop"};

    CampaignNode::UnlockConnectedNodes(nodes, "Shore");
    CampaignNode::UnlockConnectedNodes(nodes, "Nowhere");
    EXPECT_EQ((std::vector<int>{3, 1, 1, 7, 0}), StatesOf(all));
    CampaignNode::SatisfyNode(nodes, "Shore");
    EXPECT_EQ((std::vector<int>{7, 1, 3, 7, 3}), StatesOf(all)) << "a connection is not an unlock";
    CampaignNode::SatisfyNode(nodes, "Loop");
    CampaignNode::SatisfyNode(nodes, "Absent");
    EXPECT_EQ((std::vector<int>{7, 3, 3, 7, 7}), StatesOf(all));
}

// A region resolves its names in order, skipping unknown ones; whether it
// is started or completed is decided by its required locations alone.
TEST_F(CampaignRecordsTest, RequiredLocationsAloneDecideWhetherARegionIsStartedOrCompleted)
{
    AddNode("Shore", {}, {}, false);
    AddNode("Pier", {}, {}, false);
    AddNode("Reef", {}, {}, true);
    AddNode("Away");
    Attach();
    EXPECT_TRUE(Region({}).IsAnyRequiredNodeStarted());
    EXPECT_TRUE(Region({}).AreRequiredNodesCompleted());
    const CampaignRegion region = Region({"Reef", "Lost", "Shore", "Pier"});
    EXPECT_EQ((std::vector<CampaignNode*>{&Node("Reef"), &Node("Shore"), &Node("Pier")}), region.GetNodes());
    EXPECT_FALSE(region.ContainsNode(&Node("Away")));
    EXPECT_FALSE(region.ContainsNode(nullptr));
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

TEST_F(CampaignRecordsTest, ARegionScoresAndResetsItsOwnLocationsOnly)
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
    CampaignRegion region = Region({"Shore", "Reef"});
    EXPECT_EQ((1 + 5 + 4) * 7, region.GetScore(7));

    Node("Away").SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    Node("Shore").SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    Entry("Shore").SetCurrentPuzzle(1);
    region.ResetProgress();
    EXPECT_EQ(0, Node("Shore").GetPlayerState());
    EXPECT_EQ(0, Node("Shore").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ(-1, Entry("Shore").GetCurrentPuzzle());
    EXPECT_EQ(7, Node("Away").GetPlayerState());
    EXPECT_EQ(5, Node("Away").GetPuzzleSet()->GetPuzzles()[0]->GetProgress()->GetState());
}

// A profile saved under an older campaign: entries that still match by
// exact name are kept, new locations get fresh ones, the rest are dropped.
// Within an entry, the progress of a puzzle that its location's book no
// longer holds (the book was cooked again) is dropped with a warning, and
// never lands on another puzzle: not on one of the same seed under another
// pattern (Reef's first puzzle is seed 102), nor on the one at its place.
TEST_F(CampaignRecordsTest, AttachingAnOlderRecordKeepsMatchesAndDropsTheRest)
{
    std::unique_ptr<CampaignProgress> loaded = ReadProgress("{ 0.2 true 5 { \"\" 0 } 4\n"
                                                            "{ 2 \"Gone\" -1 0 0 0 9 0 }\n"
                                                            "{ 2 \"Reef\" 1 0 0 0 7 3 { 1 \"102-4x1x0x2\" 5 0 0 }\n"
                                                            "  { 1 \"103-4x1x0x1\" 5 0 0 } { 1 \"7-4x1x0x1\" 2 0 0 } }\n"
                                                            "{ 2 \"shore\" 0 0 0 0 6 0 }\n"
                                                            "{ 2 \"Shore\" 0 0 0 0 4 0 } }");
    AddNode("Shore");
    AddNode("Reef");
    AddNode("New");
    testsupport::RecordingConsole console;
    loaded->AttachPuzzleSetProgresses(nodes);
    ASSERT_EQ(3u, loaded->GetPuzzleSetProgresses().size());
    EXPECT_EQ((std::vector<int>{4, 7, 0}), StatesOf({"Shore", "Reef", "New"}));
    const std::vector<std::unique_ptr<Puzzle>>& reef = Node("Reef").GetPuzzleSet()->GetPuzzles();
    EXPECT_EQ(0, reef[0]->GetProgress()->GetState());
    EXPECT_EQ(5, reef[1]->GetProgress()->GetState());
    EXPECT_EQ(INDEX_INVALID, loaded->GetActiveCampaignNodeIndex()) << "index 5 names no location any more";
    EXPECT_EQ((std::vector<std::string>{
                  "WARNING: Puzzle set \"Reef\" no longer holds puzzle \"102-4x1x0x2\"; its saved progress is "
                  "dropped.\n",
                  "WARNING: Puzzle set \"Reef\" no longer holds puzzle \"7-4x1x0x1\"; its saved progress is "
                  "dropped.\n"}),
              console.lines);
}

// A saved location stays when it names one of the campaign's, the first and
// the last included, and is forgotten otherwise.
TEST_F(CampaignRecordsTest, ASavedLocationSurvivesAttachingOnlyInsideTheCampaign)
{
    AddNode("Shore");
    AddNode("Reef");
    AddNode("New");
    const struct {
        int saved, attached;
    } rows[] = {{0, 0}, {2, 2}, {3, INDEX_INVALID}, {-2, INDEX_INVALID}};
    for (const auto& row : rows) {
        std::unique_ptr<CampaignProgress> loaded =
            ReadProgress(Stringf("{ 0.2 true %d { \"\" 0 } 0 }", row.saved));
        loaded->AttachPuzzleSetProgresses(nodes);
        EXPECT_EQ(row.attached, loaded->GetActiveCampaignNodeIndex()) << "saved " << row.saved;
    }
}

TEST_F(CampaignRecordsTest, AdvancingFindsTheNextUnsolvedPuzzleAndAResetKeepsOnlyRankAndBadges)
{
    AddNode("Shore", {}, {}, false, 3);
    AddNode("Reef");
    Attach();
    // A new profile starts at location zero, at its first puzzle; each
    // advance steps past what is solved.
    EXPECT_EQ(CAMPAIGN_ADVANCE_FOUND, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(0, progress.GetActiveCampaignNodeIndex());
    EXPECT_EQ(0, Entry("Shore").GetCurrentPuzzle());
    Solve(Node("Shore"), 1);
    EXPECT_EQ(CAMPAIGN_ADVANCE_FOUND, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(2, Entry("Shore").GetCurrentPuzzle());
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, progress.AdvanceToNextPuzzle()) << "puzzles 0 and 2 are still unsolved";
    EXPECT_EQ(-1, Entry("Shore").GetCurrentPuzzle());
    Solve(Node("Shore"), 0);
    Solve(Node("Shore"), 2);
    Entry("Shore").SetCurrentPuzzle(1);
    EXPECT_EQ(CAMPAIGN_ADVANCE_ALL_SOLVED, progress.AdvanceToNextPuzzle());
    EXPECT_FALSE(progress.SetActiveCampaignNodeIndexFromPuzzle(*Node("Reef").GetPuzzleSet()->GetPuzzles()[1]))
        << "not a puzzle of the active location";

    // A reset clears the locations but keeps rank and badges.
    progress.SetHighestRank("Captain");
    progress.SetBadges({"First"});
    Node("Reef").SetPlayerState(3);
    Entry("Shore").SetCurrentPuzzle(1);
    Solve(Node("Reef"), 1, 5);
    progress.Reset();
    EXPECT_EQ(INDEX_INVALID, progress.GetActiveCampaignNodeIndex());
    EXPECT_EQ((std::vector<int>{0, 0}), StatesOf({"Shore", "Reef"}));
    EXPECT_EQ(0, Node("Reef").GetPuzzleSet()->GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ(-1, Entry("Shore").GetCurrentPuzzle());
    EXPECT_EQ("Captain", progress.GetHighestRank());
    EXPECT_EQ((std::vector<std::string>{"First"}), progress.GetBadges());

    std::unique_ptr<CampaignProgress> started = ReadProgress("{ 0.2 true -1 { \"\" 0 } 0 }");
    started->AttachPuzzleSetProgresses(nodes);
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, started->AdvanceToNextPuzzle()) << "no location active";
    EXPECT_EQ(CAMPAIGN_ADVANCE_NONE, ReadProgress("{ 0.2 false -1 { \"\" 0 } 0 }")->AdvanceToNextPuzzle())
        << "a campaign without locations";
}

// A campaign never started begins at location 0 at its first unsolved
// puzzle, which a record kept from earlier play may put anywhere, the very
// last included.
TEST_F(CampaignRecordsTest, AFreshCampaignStartsAtTheFirstUnsolvedPuzzleFromTheTop)
{
    AddNode("Shore", {}, {}, false, 3);
    const struct {
        std::vector<size_t> solved;
        int result;
        int current;
    } cases[] = {
        {{1, 2}, CAMPAIGN_ADVANCE_FOUND, 0},
        {{0, 1}, CAMPAIGN_ADVANCE_FOUND, 2},
        {{0, 1, 2}, CAMPAIGN_ADVANCE_ALL_SOLVED, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        CampaignProgress fresh;
        fresh.AttachPuzzleSetProgresses(nodes);
        for (size_t index : c.solved) {
            Solve(Node("Shore"), index);
        }
        EXPECT_EQ(c.result, fresh.AdvanceToNextPuzzle());
        EXPECT_EQ(0, fresh.GetActiveCampaignNodeIndex());
        EXPECT_EQ(c.current, Entry("Shore").GetCurrentPuzzle());
    }
}

// The chef starts with a recipe book of its own.
class CampaignPagesTest : public CampaignRecordsTest {
protected:
    void SetUp() override {}
};

// 66 book puzzles: easy 16, medium 20 and hard 16 once the homework and the
// unlock puzzle are taken out. A range of two full pages has no third.
TEST_F(CampaignPagesTest, APageHoldsEightAndTheNextOneExistsOnlyBeforeTheRangesEnd)
{
    StartChef(66);
    const PuzzleSet& set = *AddBookNode("Deep").GetPuzzleSet();
    const PuzzleSetRanges& ranges = set.GetRanges();
    ASSERT_EQ((std::vector<int>{16, 20, 16}),
              (std::vector<int>{ranges[PUZZLE_SET_RANGE_EASY].GetCount(), ranges[PUZZLE_SET_RANGE_MEDIUM].GetCount(),
                                ranges[PUZZLE_SET_RANGE_HARD].GetCount()}));
    const struct {
        int range;
        int page;
        size_t count;
        int first; // within the range
        bool hasMore;
    } cases[] = {
        {PUZZLE_SET_RANGE_EASY, 0, 8, 0, true},    {PUZZLE_SET_RANGE_EASY, 1, 8, 8, false},
        {PUZZLE_SET_RANGE_EASY, 2, 0, 0, false},   {PUZZLE_SET_RANGE_MEDIUM, 1, 8, 8, true},
        {PUZZLE_SET_RANGE_MEDIUM, 2, 4, 16, false}, {PUZZLE_SET_RANGE_HARD, 1, 8, 8, false},
        {PUZZLE_SET_RANGE_HARD, -1, 0, 0, false},  {NUM_PUZZLE_SET_RANGES, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "range " << c.range << " page " << c.page);
        bool hasMore = !c.hasMore;
        const std::vector<Puzzle*> page = set.GetPagePuzzles(c.range, c.page, hasMore);
        EXPECT_EQ(c.hasMore, hasMore);
        ASSERT_EQ(c.count, page.size());
        for (size_t k = 0; k < page.size(); ++k) {
            const size_t index = static_cast<size_t>(ranges[static_cast<size_t>(c.range)].begin + c.first) + k;
            EXPECT_EQ(set.GetPuzzles()[index].get(), page[k]) << k;
        }
    }
}

// Playing a puzzle of a satisfied location turns its range to the page that
// holds it, the last and the first puzzle of a page included.
TEST_F(CampaignPagesTest, APuzzleAtAPageBoundaryTurnsItsRangeToItsOwnPage)
{
    StartChef(66);
    CampaignNode& node = AddBookNode("Deep");
    Attach();
    node.SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    PuzzleSet& set = *node.GetPuzzleSet();
    const PuzzleSetProgress& pages = *set.GetProgress();
    const struct {
        int range, within;
        std::vector<int> easyMediumHard;
    } rows[] = {{PUZZLE_SET_RANGE_EASY, 7, {0, 0, 0}},
                {PUZZLE_SET_RANGE_EASY, 8, {1, 0, 0}},
                {PUZZLE_SET_RANGE_MEDIUM, 19, {1, 2, 0}},
                {PUZZLE_SET_RANGE_HARD, 15, {1, 2, 1}},
                {PUZZLE_SET_RANGE_EASY, 0, {0, 2, 1}}};
    for (const auto& row : rows) {
        const size_t index = static_cast<size_t>(set.GetRanges()[static_cast<size_t>(row.range)].begin + row.within);
        EXPECT_TRUE(set.GetProgress()->SetPuzzlePageFromPuzzle(set.GetPuzzles()[index].get()));
        EXPECT_EQ(row.easyMediumHard,
                  (std::vector<int>{pages.GetEasyPage(), pages.GetMediumPage(), pages.GetHardPage()}))
            << "range " << row.range << " puzzle " << row.within;
    }
}

// 60 book puzzles: easy 14, medium 18, hard 15 after the unlock puzzle and
// the homework are taken out; pages of eight.
TEST_F(CampaignPagesTest, OnlyASatisfiedLocationMovesItsPageAndReleasesTheOldOne)
{
    StartChef(60);
    CampaignNode& node = AddBookNode("Deep");
    AddNode("Shore", {}, {}, false, 3);
    Attach();
    PuzzleSet& set = *node.GetPuzzleSet();
    EXPECT_EQ(14 + 18 + 15, Region({"Deep", "Shore"}).GetActivePuzzleCount())
        << "homework and the unlock puzzle do not count";
    const auto hasBoards = [&set](int range, int page) {
        bool hasMore = false;
        const std::vector<Puzzle*> puzzles = set.GetPagePuzzles(range, page, hasMore);
        return !puzzles.empty() && !puzzles.front()->GetBoards().empty();
    };
    const auto build = [&](int range, int page) {
        bool hasMore = false;
        for (Puzzle* puzzle : set.GetPagePuzzles(range, page, hasMore)) {
            ASSERT_TRUE(chef.BuildBoardsForPuzzle(puzzle));
        }
    };
    node.SetPlayerState(CAMPAIGN_NODE_STARTED);
    build(PUZZLE_SET_RANGE_EASY, 0);
    node.SetSatisfiedPuzzleEasyPage(1);
    EXPECT_EQ(0, set.GetProgress()->GetEasyPage());
    EXPECT_TRUE(hasBoards(PUZZLE_SET_RANGE_EASY, 0));

    node.SetPlayerState(CAMPAIGN_NODE_SATISFIED);
    build(PUZZLE_SET_RANGE_MEDIUM, 0);
    node.SetSatisfiedPuzzleEasyPage(1);
    EXPECT_EQ(1, set.GetProgress()->GetEasyPage());
    EXPECT_FALSE(hasBoards(PUZZLE_SET_RANGE_EASY, 0)) << "the page left behind gives up its boards";
    EXPECT_TRUE(hasBoards(PUZZLE_SET_RANGE_MEDIUM, 0));
    node.SetSatisfiedPuzzleMediumPage(3);
    EXPECT_EQ(0, set.GetProgress()->GetMediumPage()) << "the medium range has three pages only";
    node.SetSatisfiedPuzzleMediumPage(2);
    EXPECT_EQ(2, set.GetProgress()->GetMediumPage());
    node.SetSatisfiedPuzzleHardPage(-1);
    EXPECT_EQ(0, set.GetProgress()->GetHardPage());
}

} // namespace
