// The campaign controller on a small campaign of its own: grading against
// par, rewards by region weight, satisfying and unlocking, the solve timer,
// and the way back (the way forward is played in PlayerSessionTests).

#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/campaign/CampaignData.h"
#include "game/campaign/PemberquillCampaign.h"
#include "tests/game/campaign/CampaignTestSupport.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/RecordingHintCallOuts.h"

#include <functional>

namespace campaign_test {
namespace {

constexpr int PAR = 20;

// Screens that keep only the windows pushed and popped, which puzzle groups
// were rebuilt and what the confirmations' accept buttons would send.
class GroupScreens : public CampaignScreens {
public:
    void CreatePuzzleWindow(Puzzle*, const std::string&, bool, bool) override {}
    void PushWindow(int windowId, bool) override { windows.push_back("push " + std::to_string(windowId)); }
    void PopWindow(int windowId, bool) override { windows.push_back("pop " + std::to_string(windowId)); }
    int GetWindowHandle(int) override { return 0; }
    void CreateCampaignWindow(std::vector<CampaignRegion>&) override {}
    void CreateCampaignRegion(CampaignRegion*) override {}
    void CreateCampaignNodeWindow(CampaignNode*) override {}
    void CreatePuzzleGroups(CampaignNode*, int windowId) override { groups.push_back(windowId); }
    void CreatePuzzleSolvedDialog(Puzzle*) override {}
    void ShowConfirmationDialog(const std::string&, const std::string&, const std::string&,
                                const std::string& acceptEventName, NamedProperties& payload) override
    {
        acceptEvents.push_back(acceptEventName);
        acceptPayloads.push_back(payload);
    }
    void SetLessonBox(const AABB2&) override {}
    Vector2 GetFirstHomeworkLocation() override { return Vector2(0.0f, 0.0f); }
    void DrawCampaignRegion(const CampaignRegion*, std::vector<CampaignNode>&) override {}
    void DrawCampaignRegionBackground(const CampaignRegion*) override {}
    void DrawCampaignRegionFullScreenTexture(const CampaignRegion*) override {}

    std::vector<std::string> windows;
    std::vector<int> groups;
    std::vector<std::string> acceptEvents;
    std::vector<NamedProperties> acceptPayloads;
};

// The game stops on a damaged campaign file; its message names the file and
// what the reader found wrong.
TEST(CampaignDataFileTest, ADamagedCampaignFileIsNamedInTheError)
{
    testsupport::SilentConsole console;
    testsupport::ScopedDataFolder folder;
    CampaignData data;
    data.nodes.emplace_back();
    std::string bytes = WriteRecord(data, RESOURCE_STREAM_FORMAT_BINARY);
    bytes.resize(bytes.size() / 2);
    folder.Write(CAMPAIGN_DATA_FILE, bytes);
    const testsupport::CaughtError error =
        testsupport::CatchUlvoException([] { CampaignData::LoadFromFile(UlvoPath(PATH_MARKER_DATA, CAMPAIGN_DATA_FILE)); });
    EXPECT_NE(error.message.find("Data/Puzzles/Campaign.CampaignData is damaged"), std::string::npos) << error.message;
    EXPECT_NE(error.message.find("remain in buffer"), std::string::npos) << error.message;
}

TEST(CampaignGradeTest, StepsAgainstParAndRewardsByStateAndRegionWeight)
{
    const struct {
        int par, steps, grade;
    } grades[] = {{20, 20, 5}, {20, 0, 5}, {20, 22, 4}, {20, 23, 3}, {9, 10, 4}, {10, 12, 3}};
    for (const auto& c : grades) {
        EXPECT_EQ(GradeForSteps(c.par, c.steps), c.grade) << c.par << " par, " << c.steps << " steps";
    }
    EXPECT_EQ(GetRegionRewardWeight("Beyond"), 16);
    Clock clock;
    Puzzle puzzle(&clock);
    EXPECT_EQ(GetPuzzleReward(puzzle, 16), 0) << "no progress record";
    PuzzleProgress progress("id");
    puzzle.SetProgress(&progress);
    const int multiplierOfState[] = {0, 0, 0, 1, 4, 5};
    for (int state = 0; state <= 5; ++state) {
        progress.SetState(state);
        EXPECT_EQ(GetPuzzleReward(puzzle, 7), multiplierOfState[state] * 7) << "state " << state;
    }
    puzzle.SetProgress(nullptr);
}

// Ocean: "Cove" leads to "Reef", which leads to "Gate" in Beyond. Each set
// holds two puzzles of its own, so it is satisfied once both are solved.
class PemberquillCampaignTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteCoveReefGateCampaign(folder, PAR, "Sailor");
        log.Listen({"SolvePuzzleEvent", "SaveGameEvent", "TeachMechanicsEvent"});
        chef.Startup(&clock);
        campaign.SetAccomplishmentsReceiver(&receiver);
        campaign.SetScreens(&screens);
        campaign.Startup(&clock);
        campaign.SelectProgress(&progress);
    }
    void TearDown() override { campaign.Shutdown(); }

    template <typename T>
    void Fire(const char* eventName, const char* key, T payload)
    {
        NamedProperties args;
        args.Set(key, payload);
        FireGlobalEvent(eventName, args);
    }

    CampaignNode& Node(const std::string& name) { return *Campaign::FindNodeByName(campaign.GetNodes(), name); }
    Puzzle& PuzzleOf(const std::string& name, size_t index) { return *Node(name).GetPuzzleSet()->GetPuzzles()[index]; }

    // Makes the puzzle the one in play, solved in the given steps, and
    // grades it; the last report.
    CampaignAccomplishments Solve(const std::string& location, size_t index, int steps = 0)
    {
        EXPECT_TRUE(progress.SetActiveCampaignNode(Node(location)));
        Puzzle& puzzle = PuzzleOf(location, index);
        EXPECT_TRUE(campaign.SetActivePuzzle(&puzzle));
        if (steps > 0) {
            EXPECT_TRUE(chef.BuildBoardsForPuzzle(&puzzle));
            puzzle.GetBoards().front()->GetProgress()->SetSteps(steps);
        }
        puzzle.GetProgress()->RaiseState(PUZZLE_STATE_SOLVED);
        campaign.SubmitPlayerAccomplishments();
        return receiver.reports.empty() ? CampaignAccomplishments{} : receiver.reports.back();
    }

    std::vector<int> States()
    {
        return {Node("Cove").GetPlayerState(), Node("Reef").GetPlayerState(), Node("Gate").GetPlayerState()};
    }

    // A solved puzzle in play, noticed by the first update.
    Puzzle& PlayAndSolveFirst()
    {
        Puzzle& puzzle = *campaign.GetActivePuzzle();
        campaign.Play(nullptr);
        EXPECT_TRUE(chef.BuildBoardsForPuzzle(&puzzle));
        puzzle.Start();
        campaign.Update();
        puzzle.GetProgress()->RaiseState(PUZZLE_STATE_SOLVED);
        campaign.Update();
        return puzzle;
    }

    testsupport::ScopedDataFolder folder;
    UlvoEventSystem events;
    Clock clock;
    PuzzleChef chef;
    RecordingReceiver receiver;
    PemberquillCampaign campaign;
    CampaignProgress progress;
    options_test::EventLog log;
    GroupScreens screens;
};

TEST_F(PemberquillCampaignTest, GradesNeverFallAndSatisfyingOpensTheNextLocationThenTheNextRegionOnce)
{
    // Selecting the profile opened the start and reported the score alone.
    EXPECT_EQ(States(), (std::vector<int>{CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_REVEALED, CAMPAIGN_NODE_LOCKED}));
    ASSERT_EQ(receiver.reports.size(), 1u);
    EXPECT_EQ(receiver.reports[0].flags, ACCOMPLISHED_RANK_PROGRESS_ONLY);

    // Grades by steps against par, never lowered.
    const struct {
        int steps, state;
    } solves[] = {{PAR + 2, 4}, {PAR * 2, 4}, {PAR, 5}};
    for (const auto& solve : solves) {
        const CampaignAccomplishments report = Solve("Cove", 0, solve.steps);
        EXPECT_EQ(PuzzleOf("Cove", 0).GetProgress()->GetState(), solve.state) << solve.steps;
        EXPECT_EQ(report.reward, solve.state) << solve.steps;
    }
    EXPECT_EQ(Solve("Cove", 0, PAR + 2).stepsOverPar, 2);
    EXPECT_EQ(Solve("Cove", 0).flags, ACCOMPLISHED_PUZZLE_SOLVED) << "solved again";
    CampaignAccomplishments report = Solve("Cove", 1);
    EXPECT_EQ(report.flags, ACCOMPLISHED_PUZZLE_SOLVED | ACCOMPLISHED_NODE_SATISFIED | ACCOMPLISHED_NODE_UNLOCKED);
    EXPECT_EQ(report.unlockedLocationName, "Reef");
    EXPECT_EQ(States(), (std::vector<int>{CAMPAIGN_NODE_COMPLETED, CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_REVEALED}));

    Solve("Reef", 0);
    report = Solve("Reef", 1);
    EXPECT_EQ(report.flags, ACCOMPLISHED_PUZZLE_SOLVED | ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_SATISFIED |
                                ACCOMPLISHED_NODE_UNLOCKED | ACCOMPLISHED_REGION_UNLOCKED |
                                ACCOMPLISHED_BEYOND_UNLOCKED);
    EXPECT_EQ(report.rankName, "Sailor");
    EXPECT_EQ(report.unlockedRegionName, "Beyond");
    EXPECT_EQ(States()[2], CAMPAIGN_NODE_OPEN);
    EXPECT_EQ(Solve("Reef", 1).flags, ACCOMPLISHED_PUZZLE_SOLVED) << "satisfied once";

    // Beyond pays sixteen times; the score adds every region at its weight.
    report = Solve("Gate", 0);
    EXPECT_EQ(report.reward, 5 * 16);
    EXPECT_EQ(report.regionName, "Beyond");
    EXPECT_EQ(campaign.GetCampaignScore(), 4 * 5 + 5 * 16);
}

// Catches Total Score growing on a replay from the solved dialog; a
// location or region counted completed before every puzzle there is solved,
// only once play moves on, or again on a replay; and the unlocks of a
// location counted again when it is satisfied after its reset.
TEST_F(PemberquillCampaignTest, TheScoreAndTheCountsFollowCompletingReplayingAndResetting)
{
    Node("Cove").SetOptional(false);
    Node("Reef").SetOptional(false);
    const auto replayFromTheSolvedDialog = [this](const std::string& location, size_t index) {
        progress.SetActiveCampaignNode(Node(location));
        Fire("ResetAndPlayPuzzleEvent", "OnActivationEventNameProperty", &PuzzleOf(location, index));
        Solve(location, index, PAR + 10);
    };
    const struct {
        const char* step;
        std::function<void()> play;
        std::vector<int> counts;
    } steps[] = {
        {"one of Cove's two", [&] { Solve("Cove", 0, PAR); }, {0, 0, 0, 0}},
        {"Cove done, Reef opened", [&] { Solve("Cove", 1, PAR); }, {1, 0, 1, 0}},
        {"replayed over par", [&] { replayFromTheSolvedDialog("Cove", 1); }, {1, 0, 1, 0}},
        {"Reef done: Ocean done, Beyond opened",
         [&] {
             Solve("Reef", 0, PAR);
             Solve("Reef", 1, PAR);
         },
         {2, 1, 2, 1}},
        {"Cove reset and done again",
         [&] {
             Fire("ResetCampaignNodeEvent", "OnActivationEventNameProperty", &Node("Cove"));
             Solve("Cove", 0, PAR);
             Solve("Cove", 1, PAR);
         },
         {3, 2, 2, 1}},
    };
    for (const auto& step : steps) {
        step.play();
        EXPECT_EQ(receiver.Counts(), step.counts) << step.step;
        EXPECT_EQ(receiver.Score(), campaign.GetCampaignScore()) << step.step;
    }
    EXPECT_EQ(campaign.GetCampaignScore(), 20);
}

// The solve is noticed once, shown for three seconds of campaign time with
// no pause allowed, and graded on the first frame after that.
// Catches a crash asking for the puzzle in play where the player has no
// place: no profile chosen yet, or a saved place past the campaign's end.
TEST_F(PemberquillCampaignTest, WithoutAPlaceInTheCampaignNoPuzzleIsInPlay)
{
    campaign.SelectProgress(nullptr);
    EXPECT_EQ(nullptr, campaign.GetActivePuzzle());
    record_test::ServedStream stream("{ 0.2 true 7 { \"\" 0 } 0 }");
    CampaignProgress pastTheEnd(*stream);
    campaign.SelectProgress(&pastTheEnd);
    EXPECT_EQ(nullptr, campaign.GetActivePuzzle());
    campaign.SelectProgress(&progress);
}

TEST_F(PemberquillCampaignTest, ASolveIsGradedOnceAfterTheDisplayTime)
{
    receiver.reports.clear();
    Puzzle& puzzle = PlayAndSolveFirst();
    campaign.Update();
    EXPECT_EQ(log.Count("SolvePuzzleEvent"), 1);
    FireGlobalEvent("ShowCampaignEscapeDialogEvent");
    EXPECT_TRUE(puzzle.IsActive());
    clock.Advance(3.0);
    campaign.Update();
    EXPECT_TRUE(receiver.reports.empty()) << "graded before the display time was over";

    clock.Advance(0.25);
    campaign.Update();
    campaign.Update();
    ASSERT_EQ(receiver.reports.size(), 1u);
    EXPECT_EQ(receiver.reports[0].locationName, "Cove");
    EXPECT_EQ(log.Count("SolvePuzzleEvent"), 1);
}

// Leaving a puzzle saves and returns to its location; the last puzzle of a
// location runs out into the region; each step back leads one screen up.
TEST_F(PemberquillCampaignTest, TheWayBackSavesAndLeadsOneScreenUpAtATimeAndPagesRebuildTheirGroup)
{
    Fire("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", &campaign.GetRegions()[0]);
    FireGlobalEvent("PlayCampaignRegionEvent");
    Fire("PlayCampaignNodeEvent", "OnActivationEventNameProperty", &Node("Cove"));
    Solve("Cove", 0);
    Fire("PlayNextCampaignPuzzleEvent", "OnActivationEventNameProperty", &PuzzleOf("Cove", 0));
    EXPECT_EQ(campaign.GetActivePuzzle(), &PuzzleOf("Cove", 1));
    screens.windows.clear();
    FireGlobalEvent("QuitCampaignPuzzleEvent");
    EXPECT_EQ(screens.windows, (std::vector<std::string>{"pop 13", "pop 12", "push 8"}));
    EXPECT_EQ(log.Count("SaveGameEvent"), 1);
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_LOCATION);
    Solve("Cove", 1);
    FireGlobalEvent("PlayNextCampaignPuzzleEvent");
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_REGION);
    EXPECT_EQ(Node("Cove").GetPlayerState(), CAMPAIGN_NODE_COMPLETED);
    Fire("PlayCampaignNodeEvent", "OnActivationEventNameProperty", &Node("Reef"));
    screens.windows.clear();
    FireGlobalEvent("QuitCampaignNodeEvent");
    EXPECT_EQ(screens.windows, (std::vector<std::string>{"pop 8", "pop 12", "pop 6", "push 7"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_REGION);
    const int lessonsBefore = log.Count("TeachMechanicsEvent");
    FireGlobalEvent("QuitCampaignRegionEvent");
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_MAP);
    EXPECT_EQ(log.Count("TeachMechanicsEvent"), lessonsBefore + 1) << "the map's lesson";
    EXPECT_EQ(campaign.GetSelectedRegion(), nullptr);
    screens.windows.clear();
    FireGlobalEvent("QuitCampaignEvent");
    EXPECT_EQ(screens.windows, (std::vector<std::string>{"pop 6", "push 0"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_OFF);

    // Each page turn rebuilds its own group of the selected location.
    Fire("SatisfiedCampaignNodeNextMediumPageEvent", "OnActivationEventNameProperty", 1);
    campaign.SetSelectedNode(&Node("Reef"));
    for (const char* page : {"SatisfiedCampaignNodePrevEasyPageEvent", "SatisfiedCampaignNodeNextMediumPageEvent",
                             "SatisfiedCampaignNodeNextHardPageEvent"}) {
        Fire(page, "OnActivationEventNameProperty", 1);
    }
    EXPECT_EQ(screens.groups, (std::vector<int>{27, 28, 29}));
}

// The location lesson asks for the call-out on the first homework puzzle;
// a location not yet started asks by itself. Asked twice, one stands.
TEST_F(PemberquillCampaignTest, TheFirstHomeworkIsCalledOutOnceAndOnlyInALocation)
{
    InstalledRecordingHintCallOuts callOuts;
    const std::vector<std::string> oneCallOut = {"destroy FirstHomeworkLocation", "position 0,0 FirstHomeworkLocation"};
    Fire("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", &campaign.GetRegions()[0]);
    FireGlobalEvent("PlayCampaignRegionEvent");
    FireGlobalEvent("CallOutInitialHomeworkEvent");
    EXPECT_TRUE(callOuts.calls.empty()) << "no location shown";
    Fire("PlayCampaignNodeEvent", "OnActivationEventNameProperty", &Node("Cove"));
    EXPECT_EQ(callOuts.calls, oneCallOut);
    callOuts.calls.clear();
    FireGlobalEvent("CallOutInitialHomeworkEvent");
    EXPECT_EQ(callOuts.calls, oneCallOut);
}

// Each reset asks first; its accept button sends what the reset handler
// reads, and the plain questions send the empty text.
TEST_F(PemberquillCampaignTest, ResetQuestionsCarryTheirPayloadToTheAcceptEvent)
{
    CampaignRegion* region = &campaign.GetRegions()[0];
    CampaignNode* node = &Node("Reef");
    FireGlobalEvent("ConfirmResetCampaignEvent");
    Fire("ConfirmResetCampaignRegionEvent", "OnActivationEventNameProperty", region);
    Fire("ConfirmResetCampaignNodeEvent", "OnActivationEventNameProperty", node);
    FireGlobalEvent("ConfirmResetCampaignPuzzleEvent");
    EXPECT_EQ(screens.acceptEvents, (std::vector<std::string>{"ResetCampaignEvent", "ResetCampaignRegionEvent",
                                                              "ResetCampaignNodeEvent", "ResetCampaignPuzzleEvent"}));
    ASSERT_EQ(screens.acceptPayloads.size(), 4u);
    for (size_t plain : {0u, 3u}) {
        std::string text = "not sent";
        EXPECT_EQ(screens.acceptPayloads[plain].Get("OnActivationEventNameProperty", text), PROPERTY_FETCH_OK);
        EXPECT_EQ(text, "") << plain;
    }
    CampaignRegion* sentRegion = nullptr;
    CampaignNode* sentNode = nullptr;
    screens.acceptPayloads[1].Get("OnActivationEventNameProperty", sentRegion);
    screens.acceptPayloads[2].Get("OnActivationEventNameProperty", sentNode);
    EXPECT_EQ(sentRegion, region);
    EXPECT_EQ(sentNode, node);
    EXPECT_EQ(std::count(screens.windows.begin(), screens.windows.end(), "push 18"), 4);
}

// Resetting the puzzle in play, after it was solved and graded, clears it
// and lets the player play it again at once.
TEST_F(PemberquillCampaignTest, AResetPuzzleTakesPlayAgain)
{
    Puzzle& puzzle = PlayAndSolveFirst();
    clock.Advance(3.5);
    campaign.Update();
    ASSERT_FALSE(puzzle.IsActive()) << "graded and out of play";
    screens.windows.clear();
    FireGlobalEvent("ResetCampaignPuzzleEvent");
    EXPECT_TRUE(puzzle.IsActive());
    EXPECT_EQ(puzzle.GetProgress()->GetState(), 1);
    EXPECT_EQ(screens.windows, (std::vector<std::string>{"pop 18", "pop 13"}));
}

// Catches the solved dialog's reset leaving the puzzle solved or unplayed.
TEST_F(PemberquillCampaignTest, TheSolvedDialogsResetPlaysThePuzzleAfresh)
{
    Puzzle& puzzle = PlayAndSolveFirst();
    clock.Advance(3.5);
    campaign.Update();
    screens.windows.clear();
    Fire("ResetAndPlayPuzzleEvent", "OnActivationEventNameProperty", &puzzle);
    EXPECT_EQ(puzzle.GetProgress()->GetState(), 1);
    EXPECT_EQ(campaign.GetActivePuzzle(), &puzzle);
    EXPECT_EQ(screens.windows, (std::vector<std::string>{"pop 36", "pop 8", "push 12"}))
        << "the dialog and the location give way to the puzzle";
}

} // namespace
} // namespace campaign_test
