// The campaign controller on a small campaign of its own: grading against
// par, rewards by region weight, satisfying and unlocking, the solve timer,
// and the screens it asks for on the way back (the way forward is played
// in PlayerSessionTests).

#include "engine/core/EventRecipient.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/shell/CampaignData.h"
#include "game/shell/PemberquillCampaign.h"
#include "tests/game/shell/CampaignTestSupport.h"

namespace campaign_test {
namespace {

constexpr int PAR = 20;
using Log = std::vector<std::string>;

class RecordingReceiver : public CampaignAccomplishmentsReceiver {
public:
    void OnCampaignPuzzleFinished(const CampaignAccomplishments& accomplishments) override
    {
        reports.push_back(accomplishments);
    }
    std::vector<CampaignAccomplishments> reports;
};

// The screens as a log of what the campaign asked of them, with the saves
// and lessons in between; window handles are ten times the identifier.
class RecordingScreens : public CampaignScreens, public EventRecipient {
public:
    RecordingScreens()
    {
        RegisterEventHandler("SaveGameEvent", UlvoEventSystem::GetGlobal(), &RecordingScreens::OnSave, this);
        RegisterEventHandler("TeachMechanicsEvent", UlvoEventSystem::GetGlobal(), &RecordingScreens::OnTeach, this);
        RegisterEventHandler("SolvePuzzleEvent", UlvoEventSystem::GetGlobal(), &RecordingScreens::OnSolve, this);
    }
    void CreatePuzzleWindow(Puzzle* puzzle, const std::string&, bool, bool) override
    {
        log.push_back("puzzle " + puzzle->GetDisplayName());
    }
    void PushWindow(int windowId, bool) override { log.push_back("push " + std::to_string(windowId)); }
    void PopWindow(int windowId, bool) override { log.push_back("pop " + std::to_string(windowId)); }
    int GetWindowHandle(int windowId) override { return windowId * 10; }
    void CreateCampaignWindow(std::vector<CampaignRegion>&) override { log.push_back("map"); }
    void CreateCampaignRegion(CampaignRegion* region) override { log.push_back("region " + region->GetName()); }
    void CreateCampaignNodeWindow(CampaignNode* node) override { log.push_back("location " + node->GetName()); }
    void CreatePuzzleGroups(CampaignNode* node, int windowId) override
    {
        log.push_back("group " + std::to_string(windowId) + " of " + node->GetName());
    }
    void CreatePuzzleSolvedDialog(Puzzle* puzzle) override { log.push_back("solved " + puzzle->GetDisplayName()); }
    void ShowConfirmationDialog(const std::string&, const std::string&, const std::string&, const std::string&,
                                NamedProperties&) override
    {
    }
    void SetLessonBox(const AABB2&) override {}
    Vector2 GetFirstHomeworkLocation() override { return Vector2(0.0f, 0.0f); }
    void DrawCampaignRegion(const CampaignRegion*, std::vector<CampaignNode>&) override {}
    void DrawCampaignRegionBackground(const CampaignRegion*) override {}
    void DrawCampaignRegionFullScreenTexture(const CampaignRegion*) override {}

    void OnSave(NamedProperties&) { log.push_back("save"); }
    void OnSolve(NamedProperties&) { ++solves; }
    void OnTeach(NamedProperties& args)
    {
        TeachableGameMechanics mechanics;
        int handle = -1;
        args.Get("GameMechanicsToTeach", mechanics);
        args.Get("ParentWindowContextHandle", handle);
        for (int mechanic : mechanics.mechanics) {
            log.push_back("teach " + std::to_string(mechanic) + " over " + std::to_string(handle));
        }
    }

    std::vector<std::string> log;
    int solves = 0;
};

TEST(CampaignGradeTest, StepsAgainstParAndRewardsByStateAndRegionWeight)
{
    const struct {
        int par, steps, grade;
    } grades[] = {{20, 20, 5}, {20, 0, 5}, {20, 22, 4}, {20, 23, 3}, {9, 10, 4}, {10, 12, 3}};
    for (const auto& c : grades) {
        EXPECT_EQ(GradeForSteps(c.par, c.steps), c.grade) << c.par << " par, " << c.steps << " steps";
    }
    EXPECT_EQ(GetRegionRewardWeight("Beyond"), 16);
    EXPECT_EQ(GetRegionRewardWeight("beyond"), 1) << "names are compared exactly";
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
        WriteCampaign();
        chef.Startup(&clock);
        campaign.SetAccomplishmentsReceiver(&receiver);
        campaign.SetScreens(&screens);
        campaign.Startup(&clock);
        campaign.SelectProgress(&progress);
    }
    void TearDown() override { campaign.Shutdown(); }

    // What the screens were asked for by firing the event.
    template <typename T = int*>
    std::vector<std::string> Fire(const char* eventName, const char* key = nullptr, T payload = T{})
    {
        screens.log.clear();
        NamedProperties args;
        if (key != nullptr) {
            args.Set(key, payload);
        }
        FireGlobalEvent(eventName, args);
        return screens.log;
    }

    void WriteCampaign()
    {
        CampaignData data;
        data.startNodeName = "Cove";
        const struct {
            const char *name, *unlock, *rank;
        } locations[] = {{"Cove", "Reef", ""}, {"Reef", "Gate", "Sailor"}, {"Gate", nullptr, ""}};
        for (const auto& location : locations) {
            CampaignNode node;
            node.SetName(location.name);
            node.SetPuzzleSetFileName(std::string(location.name) + ".PuzzleSet");
            node.SetAchievement(location.rank);
            if (location.unlock != nullptr) {
                node.SetConnections({location.unlock});
                node.SetUnlocks({location.unlock});
            }
            data.nodes.push_back(std::move(node));
            PuzzleSetDescriptor set;
            set.name = set.setID = location.name;
            set.request = CustomRequest();
            for (int seed : {300, 301}) {
                set.descriptors.push_back(MakeDescriptor(CustomRequest(), seed + 2 * int(data.nodes.size() - 1), 0.0f));
                set.descriptors.back().SetSolverSteps(PAR);
            }
            folder.Write("Puzzles/" + set.name + ".PuzzleSet", WriteRecord(set, RESOURCE_STREAM_FORMAT_TEXT));
        }
        data.regions.resize(2);
        data.regions[0].SetName("Ocean");
        data.regions[0].SetNodeNames({"Cove", "Reef"});
        data.regions[1].SetName("Beyond");
        data.regions[1].SetNodeNames({"Gate"});
        folder.Write(CAMPAIGN_DATA_FILE, WriteRecord(data, RESOURCE_STREAM_FORMAT_TEXT));
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
    RecordingScreens screens;
};

TEST_F(PemberquillCampaignTest, GradesByStepsAndNeverLowersAGrade)
{
    const struct {
        int steps, state;
    } solves[] = {{PAR + 2, 4}, {PAR * 2, 4}, {PAR, 5}};
    for (const auto& solve : solves) {
        const CampaignAccomplishments report = Solve("Cove", 0, solve.steps);
        EXPECT_EQ(PuzzleOf("Cove", 0).GetProgress()->GetState(), solve.state) << solve.steps;
        EXPECT_EQ(report.reward, solve.state) << solve.steps;
    }
    EXPECT_EQ(Solve("Cove", 0, PAR + 2).stepsOverPar, 2);
}

TEST_F(PemberquillCampaignTest, SatisfyingOpensTheNextLocationThenTheNextRegionOnce)
{
    // Selecting the profile opened the start and reported the score alone.
    EXPECT_EQ(States(), (std::vector<int>{CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_REVEALED, CAMPAIGN_NODE_LOCKED}));
    ASSERT_EQ(receiver.reports.size(), 1u);
    EXPECT_EQ(receiver.reports[0].flags, ACCOMPLISHED_RANK_PROGRESS_ONLY);

    EXPECT_EQ(Solve("Cove", 0).flags, ACCOMPLISHED_PUZZLE_SOLVED);
    CampaignAccomplishments report = Solve("Cove", 1);
    EXPECT_EQ(report.flags, ACCOMPLISHED_PUZZLE_SOLVED | ACCOMPLISHED_NODE_SATISFIED | ACCOMPLISHED_NODE_UNLOCKED);
    EXPECT_EQ(report.unlockedLocationName, "Reef");
    EXPECT_EQ(States(), (std::vector<int>{CAMPAIGN_NODE_SATISFIED, CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_REVEALED}));

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

// The solve is noticed once, shown for three seconds of campaign time with
// no pause allowed, and graded on the first frame after that.
TEST_F(PemberquillCampaignTest, ASolveIsGradedOnceAfterTheDisplayTime)
{
    receiver.reports.clear();
    Puzzle& puzzle = PlayAndSolveFirst();
    campaign.Update();
    EXPECT_EQ(screens.solves, 1);
    EXPECT_EQ(Fire("ShowCampaignEscapeDialogEvent"), Log{});
    EXPECT_TRUE(puzzle.IsActive());
    clock.Advance(3.0);
    campaign.Update();
    EXPECT_TRUE(receiver.reports.empty()) << "graded before the display time was over";

    clock.Advance(0.25);
    campaign.Update();
    campaign.Update();
    ASSERT_EQ(receiver.reports.size(), 1u);
    EXPECT_EQ(receiver.reports[0].locationName, "Cove");
    EXPECT_EQ(screens.solves, 1);
}

TEST_F(PemberquillCampaignTest, TheWayBackSavesFirstAndLastPuzzlesRunOutIntoTheRegion)
{
    Fire("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", &campaign.GetRegions()[0]);
    EXPECT_EQ(Fire("PlayCampaignRegionEvent"),
              (Log{"pop 12", "pop 6", "region Ocean", "push 7", "teach 1800 over 70"}));
    Fire("PlayCampaignNodeEvent", "OnActivationEventNameProperty", &Node("Cove"));
    Solve("Cove", 0);
    Puzzle* first = &PuzzleOf("Cove", 0);
    EXPECT_EQ(Fire("PlayNextCampaignPuzzleEvent", "OnActivationEventNameProperty", first),
              (Log{"pop 36", "pop 8", "puzzle " + PuzzleOf("Cove", 1).GetDisplayName(), "push 12"}));
    EXPECT_EQ(Fire("QuitCampaignPuzzleEvent"), (Log{"pop 13", "pop 12", "save", "location Cove", "push 8"}));
    Solve("Cove", 1);
    EXPECT_EQ(Fire("PlayNextCampaignPuzzleEvent"),
              (Log{"pop 36", "pop 8", "pop 12", "pop 12", "pop 6", "region Ocean", "push 7", "teach 1800 over 70"}));
    EXPECT_EQ(Fire("QuitCampaignNodeEvent"),
              (Log{"pop 8", "pop 12", "pop 6", "region Ocean", "push 7", "teach 1800 over 70"}));
    EXPECT_EQ(Fire("QuitCampaignRegionEvent"), (Log{"pop 7", "pop 0", "map", "push 6", "teach 1700 over 60"}));
    EXPECT_EQ(campaign.GetSelectedRegion(), nullptr);
    EXPECT_EQ(Fire("QuitCampaignEvent"), (Log{"pop 6", "push 0"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_OFF);
}

// Each page turn rebuilds its own group; nothing to enter, no profile, no
// puzzle: the step that needs the missing thing is skipped.
TEST_F(PemberquillCampaignTest, PageTurnsAndWhatIsMissing)
{
    EXPECT_EQ(Fire("SatisfiedCampaignNodeNextMediumPageEvent", "OnActivationEventNameProperty", 1), Log{});
    campaign.SetSelectedNode(&Node("Reef"));
    const std::pair<const char*, const char*> pages[] = {{"SatisfiedCampaignNodePrevEasyPageEvent", "group 27 of Reef"},
                                                         {"SatisfiedCampaignNodeNextMediumPageEvent", "group 28 of Reef"},
                                                         {"SatisfiedCampaignNodeNextHardPageEvent", "group 29 of Reef"}};
    for (const auto& [event, group] : pages) {
        EXPECT_EQ(Fire(event, "OnActivationEventNameProperty", 1), Log{group});
    }
    EXPECT_EQ(Fire("PlayCampaignRegionEvent"), Log{}) << "no region selected";
    campaign.SetSelectedNode(nullptr);
    EXPECT_EQ(Fire("PlayCampaignNodeEvent"), Log{}) << "no location selected";
    Puzzle* none = nullptr;
    EXPECT_EQ(Fire("PlayCampaignPuzzleEvent", "OnActivationEventNameProperty", none), Log{});
    EXPECT_EQ(Fire("ResetAndPlayPuzzleEvent", "OnActivationEventNameProperty", none), Log{"pop 36"});
    campaign.SelectProgress(nullptr);
    EXPECT_EQ(Fire("PlayCampaignEvent"), Log{}) << "no progress to show";
    EXPECT_EQ(campaign.GetActivePuzzle(), nullptr);
    EXPECT_EQ(Fire("ShowCampaignEscapeDialogEvent"), Log{"push 13"});
}

} // namespace
} // namespace campaign_test
