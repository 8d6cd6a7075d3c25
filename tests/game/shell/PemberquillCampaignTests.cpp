// The campaign controller on a small campaign of its own: grading, rewards,
// satisfying and unlocking, and the solve timer.

#include "engine/core/EventRecipient.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/shell/CampaignData.h"
#include "game/shell/PemberquillCampaign.h"
#include "tests/game/shell/CampaignTestSupport.h"

namespace campaign_test {
namespace {

constexpr int PAR = 20;
// Two of these make the three seconds a solved puzzle stays on screen.
constexpr double SOLVED_DISPLAY_STEP = 1.5;

class RecordingReceiver : public CampaignAccomplishmentsReceiver {
public:
    void OnCampaignPuzzleFinished(const CampaignAccomplishments& accomplishments) override
    {
        reports.push_back(accomplishments);
    }
    std::vector<CampaignAccomplishments> reports;
};

class EventCounter : public EventRecipient {
public:
    explicit EventCounter(const std::string& eventName)
    {
        RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &EventCounter::Count, this);
    }
    void Count(NamedProperties&) { ++count; }
    int count = 0;
};

// The screens as a log of what the campaign asked of them; window handles
// are ten times the identifier.
class RecordingScreens : public CampaignScreens, public EventRecipient {
public:
    RecordingScreens()
    {
        RegisterEventHandler("SaveGameEvent", UlvoEventSystem::GetGlobal(), &RecordingScreens::OnSave, this);
        RegisterEventHandler("TeachMechanicsEvent", UlvoEventSystem::GetGlobal(), &RecordingScreens::OnTeach, this);
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
    void ShowConfirmationDialog(const std::string& question, const std::string&, const std::string&,
                                const std::string&, NamedProperties&) override
    {
        log.push_back("confirm " + question);
    }
    void SetLessonBox(const AABB2&) override {}
    Vector2 GetFirstHomeworkLocation() override { return Vector2(0.0f, 0.0f); }
    void DrawCampaignRegion(const CampaignRegion*, std::vector<CampaignNode>&) override {}
    void DrawCampaignRegionBackground(const CampaignRegion*) override {}
    void DrawCampaignRegionFullScreenTexture(const CampaignRegion*) override {}

    void OnSave(NamedProperties&) { log.push_back("save"); }
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
};

TEST(CampaignGradeTest, StepsAgainstPar)
{
    const struct {
        int par;
        int steps;
        int grade;
    } cases[] = {
        {20, 20, 5}, {20, 15, 5}, {20, 0, 5}, // no step counted counts as par
        {20, 22, 4}, {20, 23, 3}, {9, 10, 4}, // 0.9 in single precision is good enough
        {10, 12, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GradeForSteps(c.par, c.steps), c.grade) << c.par << " par, " << c.steps << " steps";
    }
}

TEST(CampaignRewardTest, ByRegionWeightAndGrade)
{
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
        receiver.reports.clear();
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
            const char* name;
            const char* unlock;
            const char* rank;
        } locations[] = {{"Cove", "Reef", ""}, {"Reef", "Gate", "Sailor"}, {"Gate", nullptr, ""}};
        for (const auto& location : locations) {
            CampaignNode node;
            node.SetName(location.name);
            node.SetPuzzleSetFileName(std::string(location.name) + ".PuzzleSet");
            node.SetAchievement(location.rank);
            node.SetOptional(false);
            if (location.unlock != nullptr) {
                node.SetConnections({location.unlock});
                node.SetUnlocks({location.unlock});
            }
            data.nodes.push_back(std::move(node));
            WriteSet(location.name);
        }
        data.regions.resize(2);
        data.regions[0].SetName("Ocean");
        data.regions[0].SetNodeNames({"Cove", "Reef"});
        data.regions[1].SetName("Beyond");
        data.regions[1].SetNodeNames({"Gate"});
        folder.Write(CAMPAIGN_DATA_FILE, WriteRecord(data, RESOURCE_STREAM_FORMAT_TEXT));
    }

    void WriteSet(const std::string& name)
    {
        PuzzleSetDescriptor set;
        set.name = name;
        set.setID = name;
        set.request = CustomRequest();
        for (int i = 0; i < 2; ++i) {
            PuzzleDescriptor descriptor = MakeDescriptor(CustomRequest(), m_nextSeed++, 0.0f);
            descriptor.SetSolverSteps(PAR);
            set.descriptors.push_back(descriptor);
        }
        folder.Write("Puzzles/" + name + ".PuzzleSet", WriteRecord(set, RESOURCE_STREAM_FORMAT_TEXT));
    }

    CampaignNode& Node(const std::string& name) { return *Campaign::FindNodeByName(campaign.GetNodes(), name); }
    Puzzle& PuzzleOf(const std::string& name, size_t index)
    {
        return *Node(name).GetPuzzleSet()->GetPuzzles()[index];
    }

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
        EXPECT_FALSE(receiver.reports.empty());
        return receiver.reports.empty() ? CampaignAccomplishments{} : receiver.reports.back();
    }

    std::vector<int> States()
    {
        return {Node("Cove").GetPlayerState(), Node("Reef").GetPlayerState(), Node("Gate").GetPlayerState()};
    }

    testsupport::ScopedDataFolder folder;
    UlvoEventSystem events;
    Clock clock;
    PuzzleChef chef;
    RecordingReceiver receiver;
    PemberquillCampaign campaign;
    CampaignProgress progress;
    RecordingScreens screens;

private:
    int m_nextSeed = 300;
};

TEST_F(PemberquillCampaignTest, AProfileOpensTheStartAndReportsItsScore)
{
    campaign.SelectProgress(&progress);
    EXPECT_EQ(States(), (std::vector<int>{CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_REVEALED, CAMPAIGN_NODE_LOCKED}));
    ASSERT_EQ(receiver.reports.size(), 1u);
    EXPECT_EQ(receiver.reports[0].flags, ACCOMPLISHED_RANK_PROGRESS_ONLY);
    EXPECT_EQ(receiver.reports[0].reward, 0);
}

TEST_F(PemberquillCampaignTest, GradesByStepsAndNeverLowersAGrade)
{
    CampaignAccomplishments report = Solve("Cove", 0, PAR + 2);
    EXPECT_EQ(PuzzleOf("Cove", 0).GetProgress()->GetState(), 4);
    EXPECT_EQ(report.reward, 4);
    EXPECT_EQ(report.stepsOverPar, 2);

    // Replayed badly: the good grade and its reward stay.
    report = Solve("Cove", 0, PAR * 2);
    EXPECT_EQ(PuzzleOf("Cove", 0).GetProgress()->GetState(), 4);
    EXPECT_EQ(report.reward, 4);

    report = Solve("Cove", 0, PAR);
    EXPECT_EQ(PuzzleOf("Cove", 0).GetProgress()->GetState(), 5);
    EXPECT_EQ(report.reward, 5);
}

TEST_F(PemberquillCampaignTest, SatisfyingOpensTheNextLocationThenTheNextRegion)
{
    CampaignAccomplishments report = Solve("Cove", 0);
    EXPECT_EQ(report.flags, ACCOMPLISHED_PUZZLE_SOLVED);
    EXPECT_EQ(States()[1], CAMPAIGN_NODE_REVEALED);

    report = Solve("Cove", 1);
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

    // Satisfied once: solving again reports no second rank or unlock.
    report = Solve("Reef", 1);
    EXPECT_EQ(report.flags, ACCOMPLISHED_PUZZLE_SOLVED);

    // Beyond pays sixteen times; the score adds every region at its weight.
    report = Solve("Gate", 0);
    EXPECT_EQ(report.reward, 5 * 16);
    EXPECT_EQ(report.regionName, "Beyond");
    EXPECT_EQ(campaign.GetCampaignScore(), 4 * 5 + 5 * 16);
}

// The solve is noticed once, shown for three seconds of campaign time, and
// graded on the first frame after that.
TEST_F(PemberquillCampaignTest, ASolveIsGradedOnceAfterTheDisplayTime)
{
    EventCounter solves("SolvePuzzleEvent");
    Puzzle& puzzle = *campaign.GetActivePuzzle();
    ASSERT_EQ(&puzzle, &PuzzleOf("Cove", 0));
    campaign.Play(nullptr);
    ASSERT_TRUE(chef.BuildBoardsForPuzzle(&puzzle));
    puzzle.Start();
    campaign.Update();
    EXPECT_EQ(solves.count, 0);

    puzzle.GetProgress()->RaiseState(PUZZLE_STATE_SOLVED);
    campaign.Update();
    campaign.Update();
    EXPECT_EQ(solves.count, 1);
    clock.Advance(SOLVED_DISPLAY_STEP);
    clock.Advance(SOLVED_DISPLAY_STEP);
    campaign.Update();
    EXPECT_TRUE(receiver.reports.empty()) << "graded before the display time was over";

    clock.Advance(0.25);
    campaign.Update();
    campaign.Update();
    ASSERT_EQ(receiver.reports.size(), 1u);
    EXPECT_EQ(receiver.reports[0].locationName, "Cove");
    EXPECT_EQ(solves.count, 1);
}

using Log = std::vector<std::string>;

TEST_F(PemberquillCampaignTest, TheRoadForwardToAPuzzleAndBackToTheTitle)
{
    CampaignRegion* ocean = &campaign.GetRegions()[0];
    Puzzle* first = &PuzzleOf("Cove", 0);
    const std::string name = first->GetDisplayName();
    EXPECT_EQ(Fire("PlayCampaignEvent"), (Log{"pop 0", "map", "push 6", "teach 1700 over 60"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_MAP);
    EXPECT_EQ(Fire("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", ocean), Log{});
    EXPECT_EQ(Fire("PlayCampaignRegionEvent"),
              (Log{"pop 12", "pop 6", "region Ocean", "push 7", "teach 1800 over 70"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_REGION);
    EXPECT_EQ(Fire("PlayCampaignNodeEvent", "OnActivationEventNameProperty", &Node("Cove")),
              (Log{"pop 12", "pop 7", "location Cove", "push 8", "teach 1900 over 80"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_LOCATION);
    EXPECT_EQ(Fire("PlayCampaignPuzzleEvent", "OnActivationEventNameProperty", first),
              (Log{"pop 8", "puzzle " + name, "push 12"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_PUZZLE);

    // The profile is saved before the location is shown again.
    EXPECT_EQ(Fire("QuitCampaignPuzzleEvent"), (Log{"pop 13", "pop 12", "save", "location Cove", "push 8"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_LOCATION);
    EXPECT_EQ(Fire("QuitCampaignNodeEvent"),
              (Log{"pop 8", "pop 12", "pop 6", "region Ocean", "push 7", "teach 1800 over 70"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_REGION);
    EXPECT_EQ(Fire("QuitCampaignRegionEvent"), (Log{"pop 7", "pop 0", "map", "push 6", "teach 1700 over 60"}));
    EXPECT_EQ(campaign.GetSelectedRegion(), nullptr);
    EXPECT_EQ(Fire("QuitCampaignEvent"), (Log{"pop 6", "push 0"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_OFF);
}

TEST_F(PemberquillCampaignTest, ASolvedPuzzleOffersItsDialogAndTheNextPuzzlesRunOutIntoTheRegion)
{
    Fire("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", &campaign.GetRegions()[0]);
    Fire("PlayCampaignRegionEvent");
    Fire("PlayCampaignNodeEvent", "OnActivationEventNameProperty", &Node("Cove"));
    Solve("Cove", 0);
    Puzzle* first = &PuzzleOf("Cove", 0);
    Puzzle* second = &PuzzleOf("Cove", 1);
    EXPECT_EQ(Fire("PlayCampaignPuzzleEvent", "OnActivationEventNameProperty", first),
              (Log{"solved " + first->GetDisplayName(), "push 36"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_LOCATION);
    EXPECT_EQ(Fire("PlayNextCampaignPuzzleEvent", "OnActivationEventNameProperty", first),
              (Log{"pop 36", "pop 8", "puzzle " + second->GetDisplayName(), "push 12"}));
    Solve("Cove", 1);
    EXPECT_EQ(Fire("PlayNextCampaignPuzzleEvent"),
              (Log{"pop 36", "pop 8", "pop 12", "pop 12", "pop 6", "region Ocean", "push 7", "teach 1800 over 70"}));
    EXPECT_EQ(Node("Cove").GetPlayerState(), CAMPAIGN_NODE_COMPLETED);
}

TEST_F(PemberquillCampaignTest, PageTurnsRebuildTheirOwnGroupOfTheSelectedLocation)
{
    EXPECT_EQ(Fire("SatisfiedCampaignNodeNextMediumPageEvent", "OnActivationEventNameProperty", 1), Log{})
        << "no location selected";
    campaign.SetSelectedNode(&Node("Reef"));
    const std::pair<const char*, const char*> pages[] = {{"SatisfiedCampaignNodePrevEasyPageEvent", "group 27 of Reef"},
                                                         {"SatisfiedCampaignNodeNextMediumPageEvent", "group 28 of Reef"},
                                                         {"SatisfiedCampaignNodeNextHardPageEvent", "group 29 of Reef"}};
    for (const auto& [event, group] : pages) {
        EXPECT_EQ(Fire(event, "OnActivationEventNameProperty", 1), Log{group});
    }
}

// Nothing to enter, no profile, a solve being graded: each step that needs
// the missing thing is skipped, nothing is dereferenced.
TEST_F(PemberquillCampaignTest, WhatIsMissingIsSkipped)
{
    EXPECT_EQ(Fire("PlayCampaignRegionEvent"), Log{}) << "no region selected";
    EXPECT_EQ(Fire("PlayCampaignNodeEvent"), Log{}) << "no location selected";
    Puzzle* none = nullptr;
    EXPECT_EQ(Fire("PlayCampaignPuzzleEvent", "OnActivationEventNameProperty", none), Log{});
    EXPECT_EQ(Fire("ResetAndPlayPuzzleEvent", "OnActivationEventNameProperty", none), Log{"pop 36"});

    campaign.SelectProgress(nullptr);
    EXPECT_EQ(Fire("PlayCampaignEvent"), Log{}) << "no progress to show";
    EXPECT_EQ(campaign.GetActivePuzzle(), nullptr);
    EXPECT_EQ(Fire("ShowCampaignEscapeDialogEvent"), Log{"push 13"});
}

TEST_F(PemberquillCampaignTest, NoPauseWhileASolveWaitsToBeGraded)
{
    Puzzle& puzzle = *campaign.GetActivePuzzle();
    campaign.Play(nullptr);
    ASSERT_TRUE(chef.BuildBoardsForPuzzle(&puzzle));
    puzzle.Start();
    puzzle.GetProgress()->RaiseState(PUZZLE_STATE_SOLVED);
    campaign.Update();
    EXPECT_EQ(Fire("ShowCampaignEscapeDialogEvent"), Log{});
    EXPECT_TRUE(puzzle.IsActive());
}

} // namespace
} // namespace campaign_test
