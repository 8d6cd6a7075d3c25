// The campaign's resets, as the map shows them afterwards, and how its
// windows come and go on the way in and out: at once, or after the one
// leaving has faded.
#include "game/campaign/PemberquillCampaign.h"
#include "tests/game/campaign/CampaignTestSupport.h"

namespace campaign_test {
namespace {

// Keeps each window built, and each push and pop with how it goes: a push
// "now" or "after" the window leaving has faded, a pop "fading" or "at
// once".
class WindowScreens : public CampaignScreens {
public:
    void CreatePuzzleWindow(Puzzle*, const std::string&, bool, bool) override { windows.push_back("build puzzle"); }
    void PushWindow(int windowId, bool now) override
    {
        windows.push_back("push " + std::to_string(windowId) + (now ? " now" : " after"));
    }
    void PopWindow(int windowId, bool fading) override
    {
        windows.push_back("pop " + std::to_string(windowId) + (fading ? " fading" : " at once"));
    }
    int GetWindowHandle(int) override { return 0; }
    void CreateCampaignWindow(std::vector<CampaignRegion>&) override { windows.push_back("build map"); }
    void CreateCampaignRegion(CampaignRegion*) override { windows.push_back("build region"); }
    void CreateCampaignNodeWindow(CampaignNode*) override { windows.push_back("build location"); }
    void CreatePuzzleGroups(CampaignNode*, int) override {}
    void CreatePuzzleSolvedDialog(Puzzle*) override { windows.push_back("build solved"); }
    void ShowConfirmationDialog(const std::string&, const std::string&, const std::string&, const std::string&,
                                NamedProperties&) override
    {
    }
    void SetLessonBox(const AABB2&) override {}
    Vector2 GetFirstHomeworkLocation() override { return Vector2(0.0f, 0.0f); }
    void DrawCampaignRegion(const CampaignRegion*, std::vector<CampaignNode>&) override {}
    void DrawCampaignRegionBackground(const CampaignRegion*) override {}
    void DrawCampaignRegionFullScreenTexture(const CampaignRegion*) override {}

    std::vector<std::string> windows;
};

class CampaignResetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteCoveReefGateCampaign(folder);
        chef.Startup(&clock);
        campaign.SetScreens(&screens);
        campaign.Startup(&clock);
        campaign.SelectProgress(&progress);
    }
    void TearDown() override { campaign.Shutdown(); }

    template <typename T>
    void Fire(const char* eventName, T payload)
    {
        NamedProperties args;
        args.Set("OnActivationEventNameProperty", payload);
        FireGlobalEvent(eventName, args);
    }
    CampaignNode& Node(const std::string& name) { return *Campaign::FindNodeByName(campaign.GetNodes(), name); }
    void Satisfy(const std::string& location)
    {
        ASSERT_TRUE(progress.SetActiveCampaignNode(Node(location)));
        for (const std::unique_ptr<Puzzle>& puzzle : Node(location).GetPuzzleSet()->GetPuzzles()) {
            ASSERT_TRUE(campaign.SetActivePuzzle(puzzle.get()));
            puzzle->GetProgress()->RaiseState(PUZZLE_STATE_SOLVED);
            campaign.SubmitPlayerAccomplishments();
        }
    }
    // The windows that come and go on the event.
    template <typename T = CampaignNode>
    std::vector<std::string> Go(const char* eventName, const char* key = nullptr, T* payload = nullptr)
    {
        NamedProperties args;
        if (key != nullptr) {
            args.Set(key, payload);
        }
        screens.windows.clear();
        FireGlobalEvent(eventName, args);
        return screens.windows;
    }
    std::vector<int> States()
    {
        return {Node("Cove").GetPlayerState(), Node("Reef").GetPlayerState(), Node("Gate").GetPlayerState()};
    }

    testsupport::ScopedDataFolder folder;
    UlvoEventSystem events;
    Clock clock;
    PuzzleChef chef;
    PemberquillCampaign campaign;
    CampaignProgress progress;
    WindowScreens screens;
};

// Catches a reset that leaves its region or location with nothing open to
// play, or opens more than the start.
TEST_F(CampaignResetsTest, EachResetLocksWhatItClearsAndOpensItsStartAgain)
{
    const std::vector<int> start = {CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_REVEALED, CAMPAIGN_NODE_LOCKED};
    ASSERT_EQ(States(), start);
    Satisfy("Cove");
    Satisfy("Reef");
    ASSERT_EQ(States()[2], CAMPAIGN_NODE_OPEN);

    Fire("ResetCampaignNodeEvent", &Node("Reef"));
    EXPECT_EQ(States(), (std::vector<int>{CAMPAIGN_NODE_COMPLETED, CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_OPEN}));
    EXPECT_FALSE(Node("Reef").GetPuzzleSet()->GetPuzzles()[0]->GetProgress()->IsSolved());

    Satisfy("Reef");
    Fire("ResetCampaignRegionEvent", &campaign.GetRegions()[0]);
    EXPECT_EQ(States(), (std::vector<int>{CAMPAIGN_NODE_OPEN, CAMPAIGN_NODE_REVEALED, CAMPAIGN_NODE_OPEN}))
        << "Beyond keeps its own";

    Satisfy("Cove");
    FireGlobalEvent("ResetCampaignEvent");
    EXPECT_EQ(States(), start);
}

// Catches the reset of a region without locations reaching for its first
// one, or opening any other.
TEST_F(CampaignResetsTest, ResettingARegionWithoutLocationsOpensNothing)
{
    CampaignRegion empty;
    empty.SetName("Nowhere");
    const std::vector<int> before = States();
    Fire("ResetCampaignRegionEvent", &empty);
    EXPECT_EQ(States(), before);
}

// Catches a reset's question left fading while the screen it leads back to
// is built.
TEST_F(CampaignResetsTest, EachResetTakesItsQuestionAwayAtOnce)
{
    const char* const ACTIVATION = "OnActivationEventNameProperty";
    const auto first = [](const std::vector<std::string>& windows) {
        return windows.empty() ? std::string() : windows.front();
    };
    EXPECT_EQ(first(Go("ResetCampaignNodeEvent", ACTIVATION, &Node("Reef"))), "pop 18 at once");
    EXPECT_EQ(first(Go("ResetCampaignRegionEvent", ACTIVATION, &campaign.GetRegions()[0])), "pop 18 at once");
    EXPECT_EQ(first(Go("ResetCampaignEvent")), "pop 18 at once");
}

// Catches a window that fades where it should vanish, or one that shows
// before the window it replaces has gone, along the way into a puzzle and
// back out.
TEST_F(CampaignResetsTest, WindowsComeAndGoInTheirOwnWay)
{
    Puzzle& first = *Node("Cove").GetPuzzleSet()->GetPuzzles()[0];
    const char* const ACTIVATION = "OnActivationEventNameProperty";
    using Windows = std::vector<std::string>;
    EXPECT_EQ(Go("PlayCampaignEvent"), (Windows{"pop 0 fading", "build map", "push 6 after"}));
    Go("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", &campaign.GetRegions()[0]);
    EXPECT_EQ(Go("PlayCampaignRegionEvent"), (Windows{"pop 12 at once", "pop 6 fading", "build region", "push 7 now"}));
    EXPECT_EQ(Go("PlayCampaignNodeEvent", ACTIVATION, &Node("Cove")),
              (Windows{"pop 12 at once", "pop 7 at once", "build location", "push 8 after"}));
    EXPECT_EQ(Go("PlayCampaignPuzzleEvent", ACTIVATION, &first),
              (Windows{"pop 8 at once", "build puzzle", "push 12 after"}));
    EXPECT_EQ(Go("ShowCampaignEscapeDialogEvent"), (Windows{"push 13 after"}));
    EXPECT_EQ(Go("HideCampaignEscapeDialogEvent"), (Windows{"pop 13 at once"}));
    EXPECT_EQ(Go("QuitCampaignPuzzleEvent"),
              (Windows{"pop 13 at once", "pop 12 at once", "build location", "push 8 after"}));
    first.GetProgress()->RaiseState(PUZZLE_STATE_SOLVED);
    EXPECT_EQ(Go("PlayCampaignPuzzleEvent", ACTIVATION, &first), (Windows{"build solved", "push 36 after"}));
    EXPECT_EQ(Go("PlayNextCampaignPuzzleEvent", ACTIVATION, &first),
              (Windows{"pop 36 at once", "pop 8 at once", "build puzzle", "push 12 after"}));
    Go("QuitCampaignPuzzleEvent");
    EXPECT_EQ(Go("QuitCampaignNodeEvent"),
              (Windows{"pop 8 at once", "pop 12 at once", "pop 6 fading", "build region", "push 7 now"}));
    // The last puzzle solved leads back to the region's map.
    Puzzle& second = *Node("Cove").GetPuzzleSet()->GetPuzzles()[1];
    second.GetProgress()->RaiseState(PUZZLE_STATE_SOLVED);
    Go("PlayCampaignNodeEvent", ACTIVATION, &Node("Cove"));
    Go("PlayCampaignPuzzleEvent", ACTIVATION, &second);
    EXPECT_EQ(Go("PlayNextCampaignPuzzleEvent", ACTIVATION, &second),
              (Windows{"pop 36 at once", "pop 8 at once", "pop 12 at once", "pop 12 at once", "pop 6 fading",
                       "build region", "push 7 now"}));
    EXPECT_EQ(Go("QuitCampaignRegionEvent"), (Windows{"pop 7 at once", "pop 0 fading", "build map", "push 6 after"}));
    EXPECT_EQ(Go("QuitCampaignEvent"), (Windows{"pop 6 fading", "push 0 now"}));
}

// Catches the location under the pointer not taken as the one to enter.
TEST_F(CampaignResetsTest, TheLocationUnderThePointerIsTheOneEntered)
{
    Go("PlayCampaignEvent");
    Go("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", &campaign.GetRegions()[0]);
    Go("PlayCampaignRegionEvent");
    Go("SelectCampaignNodeEvent", "GrabFocusEventToFireProperty", &Node("Cove"));
    EXPECT_EQ(Go("PlayCampaignNodeEvent"), (std::vector<std::string>{"pop 12 at once", "pop 7 at once",
                                                                     "build location", "push 8 after"}));
    EXPECT_EQ(campaign.GetMode(), CAMPAIGN_MODE_LOCATION);
}

// The same campaign, with a recipe book of one puzzle per difficulty, all
// of which go to "Cove": one of them becomes its challenge puzzle.
class CampaignChallengeTest : public CampaignResetsTest {
protected:
    void SetUp() override
    {
        std::vector<PuzzleDescriptor> descriptors;
        for (int i = 0; i < NUM_DIFFICULTY_RATINGS; ++i) {
            descriptors.push_back(MakeDescriptor(CustomRequest(), 400 + i, static_cast<float>(i)));
        }
        ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 4096);
        WriteRecipeBook(stream, CustomRequest(), descriptors);
        folder.Write("Puzzles/Recipes/book.recipes",
                     std::string(reinterpret_cast<const char*>(stream.GetData()), size_t(stream.GetSize())));
        CampaignResetsTest::SetUp();
    }
};

// Catches the challenge's question shown before the window under it has
// faded, or left fading while the challenge opens.
TEST_F(CampaignChallengeTest, TheChallengeQuestionComesAfterAndGoesAtOnce)
{
    Puzzle* challenge = Node("Cove").GetPuzzleSet()->GetUnlockPuzzle();
    ASSERT_NE(challenge, nullptr);
    Go("PlayCampaignEvent");
    Go("SelectCampaignRegionEvent", "GrabFocusEventToFireProperty", &campaign.GetRegions()[0]);
    Go("PlayCampaignRegionEvent");
    Go("SelectCampaignNodeEvent", "GrabFocusEventToFireProperty", &Node("Cove"));
    Go("PlayCampaignNodeEvent");
    EXPECT_EQ(Go("ConfirmTakeTheChallengeEvent"), (std::vector<std::string>{"push 18 after"}));
    EXPECT_EQ(Go("TakeTheChallengeEvent", "OnActivationEventNameProperty", challenge),
              (std::vector<std::string>{"pop 18 at once", "pop 13 at once", "pop 12 at once", "pop 8 at once",
                                        "build puzzle", "push 12 after"}));
}

// Builds and starts each puzzle the campaign plays, as the game object does.
class PuzzleStarter : public EventRecipient {
public:
    explicit PuzzleStarter(PuzzleChef& chef) : m_chef(chef)
    {
        RegisterEventHandler("PlayPuzzleEvent", UlvoEventSystem::GetGlobal(), &PuzzleStarter::OnPlayPuzzle, this);
    }
    void OnPlayPuzzle(NamedProperties& args)
    {
        Puzzle* puzzle = nullptr;
        args.Get("Puzzle", puzzle);
        ASSERT_TRUE(m_chef.BuildBoardsForPuzzle(puzzle));
        puzzle->Start();
    }

private:
    PuzzleChef& m_chef;
};

// Catches a pause menu pushed over a puzzle solved in the same frame, or
// left under the challenge taken with the pause in one frame (the next
// Escape then pushes it twice); a solve graded for the challenge taken
// during its display, or lost when the game ends during it; and a reset
// answered during the display emptying the board that is then graded.
TEST_F(CampaignChallengeTest, ASolvedPuzzleIsNeitherPausedNorLeftAndIsGradedItself)
{
    PuzzleStarter starter(chef);
    // Set after the profile was chosen: every report is a grade.
    RecordingReceiver grades;
    campaign.SetAccomplishmentsReceiver(&grades);
    Puzzle* challenge = Node("Cove").GetPuzzleSet()->GetUnlockPuzzle();
    ASSERT_NE(challenge, nullptr);
    using Windows = std::vector<std::string>;
    const Windows leaveForTheChallenge = {"push 13 after", "push 18 after", "pop 18 at once", "pop 13 at once",
                                          "pop 12 at once", "pop 8 at once", "build puzzle", "push 12 after"};
    // "solve" is the solving move; "update" a frame; "wait" a frame, the
    // display time and another frame; "quit" what ending the game does.
    const struct {
        const char* name;
        std::vector<std::string> steps;
        Windows windows;
        int solvedState, challengeState, grades;
    } cases[] = {
        {"the solving move and Escape in one frame", {"solve", "escape", "wait"}, {}, 5, 0, 1},
        {"the challenge and Escape in one frame", {"escape", "confirm", "take", "wait"}, leaveForTheChallenge, 1, 1, 0},
        {"the challenge during the display", {"solve", "update", "confirm", "take", "wait"}, {"pop 18 at once"}, 5, 0,
         1},
        {"the game ended during the display", {"solve", "update", "quit"}, {}, 5, 0, 1},
        {"\"Yes, Reset.\" during the display, then its end and the game's",
         {"solve", "update", "reset", "wait", "quit"}, {"pop 18 at once"}, 5, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        progress.Reset();
        grades.reports.clear();
        ASSERT_TRUE(progress.SetActiveCampaignNode(Node("Cove")));
        Puzzle& solved = *Node("Cove").GetPuzzleSet()->GetPuzzles()[0];
        ASSERT_NE(&solved, challenge);
        campaign.SetSelectedNode(&Node("Cove"));
        campaign.Play(&solved);
        screens.windows.clear();
        for (const std::string& step : c.steps) {
            if (step == "solve") {
                solved.MarkSolved();
            } else if (step == "escape") {
                FireGlobalEvent("ShowCampaignEscapeDialogEvent");
            } else if (step == "confirm") {
                FireGlobalEvent("ConfirmTakeTheChallengeEvent");
            } else if (step == "reset") {
                FireGlobalEvent("ResetCampaignPuzzleEvent");
            } else if (step == "take") {
                Fire("TakeTheChallengeEvent", challenge);
            } else if (step == "quit") {
                campaign.GradePendingSolve();
            } else {
                campaign.Update();
                if (step == "wait") {
                    clock.Advance(PemberquillCampaign::SOLVED_PUZZLE_DISPLAY_SECONDS + 0.5);
                    campaign.Update();
                }
            }
        }
        EXPECT_EQ(screens.windows, c.windows);
        EXPECT_EQ(solved.GetProgress()->GetState(), c.solvedState);
        EXPECT_EQ(challenge->GetProgress()->GetState(), c.challengeState);
        EXPECT_EQ(static_cast<int>(grades.reports.size()), c.grades);
    }
    campaign.SetAccomplishmentsReceiver(nullptr);
}

} // namespace
} // namespace campaign_test
