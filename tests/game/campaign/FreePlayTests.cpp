// Free play driven by the events of its screens: the windows it asks for,
// the events it fires back, the pause after a solved puzzle on a clock
// moved by hand, and the 'n' key. The puzzles come from a fixed seed.
#include "engine/core/Clock.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/campaign/FreePlay.h"
#include "game/options/PemberquillOptions.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/ScopedWorkingDirectory.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Pemberquill;
using options_test::Fetch;

namespace {

constexpr int TYPED_CHARACTER = 4;

class RecordingScreens final : public FreePlayScreens {
public:
    void CreatePuzzleWindow(Puzzle*, const std::string& escapeEventName, bool, bool) override
    {
        calls.push_back("puzzle window " + escapeEventName);
    }
    void CreateFreePlayWindow(const std::string& label, const std::string& eventName, const std::string&) override
    {
        calls.push_back("free play window " + label + "|" + eventName);
    }
    void CreateCageRulesDialog(CageRules* cageRules) override { dialogRules = cageRules; }
    void PushWindow(int windowId, bool) override { calls.push_back("push " + std::to_string(windowId)); }
    void PopWindow(int windowId, bool) override { calls.push_back("pop " + std::to_string(windowId)); }

    std::vector<std::string> calls;
    CageRules* dialogRules = nullptr;
};

class FreePlayTest : public ::testing::Test {
protected:
    FreePlayTest()
    {
        log.Listen({"SolvePuzzleEvent", "PlayPuzzleEvent", "LeftFreePlayEvent"});
        // A fixed seed: every run plays the same puzzles.
        NamedProperties seed;
        seed.Set("OnActivationEventNameProperty", std::string("7"));
        Options().Event_OnSetPuzzleSeed(seed);
        chef->Startup(&gameClock);
        freePlay.SetScreens(&screens);
        freePlay.Startup(&gameClock);
    }
    ~FreePlayTest() override { freePlay.Shutdown(); }

    static PemberquillOptions& Options() { return GetPemberquillOptions(); }
    void Fire(const std::string& eventName, NamedProperties args = {}) { env.eventSystem.FireEvent(eventName, args); }

    // Starts a puzzle from the builder and forgets the calls so far.
    Puzzle* PlayNewPuzzle()
    {
        Fire("PlayFreePlayPuzzleEvent");
        screens.calls.clear();
        return freePlay.GetCurrentPuzzle();
    }

    static void MarkSolved(Puzzle& puzzle) { puzzle.GetProgress()->SetState(PUZZLE_STATE_SOLVED); }

    // Moves game time on and runs one frame of free play.
    void Frame(double seconds)
    {
        gameClock.Advance(seconds);
        freePlay.Update();
    }

    options_test::OptionsEnvironment env;
    options_test::EventLog log;
    testsupport::ScopedWorkingDirectory workingDirectory{env.folder.Path()};
    Clock gameClock;
    std::unique_ptr<PuzzleChef> chef = std::make_unique<PuzzleChef>();
    RecordingScreens screens;
    FreePlay freePlay;
};

// The builder's request follows the options of the moment, board by board;
// a rule toggle changes only its flag of the dialog's record.
TEST_F(FreePlayTest, TheRequestFollowsTheOptions)
{
    NamedProperties none;
    Options().Event_OnDecreaseSolvabilityType(none);
    Options().Event_OnIncreaseBoard2Type(none);
    Options().Event_OnToggleShouldBoard2BeCageless(none);
    Fire("ShowCageRules2DialogEvent");
    ASSERT_EQ(&Options().GetCageRules2(), screens.dialogRules);
    NamedProperties toggle;
    toggle.Set("Value", false);
    toggle.Set("OnActivationEventNameProperty", screens.dialogRules);
    Fire("ToggleCanUseOddEvent", toggle);
    const PuzzleRequest request = FreePlay::BuildPuzzleRequest(Options());
    Options().Event_OnIncreaseSolvabilityType(none);
    Options().Event_OnDecreaseBoard2Type(none);
    Options().Event_OnToggleShouldBoard2BeCageless(none);
    EXPECT_EQ(Options().GetSolvabilityType() - 1, request.solvabilityType);
    toggle.Set("Value", true);
    Fire("ToggleCanUseOddEvent", toggle);
    EXPECT_EQ(1, request.boardType2);
    EXPECT_EQ(0, request.board1Attributes);
    EXPECT_EQ(static_cast<int>(SOLVING_ATTRIBUTE_HIDDEN_CAGES), request.board2Attributes);
    EXPECT_EQ(ALL_CAGE_RULES_MASK & ~unsigned(CAGE_RULE_ODD), request.cageRules2.GetMask());
    EXPECT_EQ(ALL_CAGE_RULES_MASK, request.cageRules1.GetMask());
    EXPECT_EQ(ALL_CAGE_RULES_MASK, Options().GetCageRules2().GetMask());
}

TEST_F(FreePlayTest, TheBuilderPlaysAnnouncedPuzzlesAndItsExitEventFiresOnQuittingOnly)
{
    Fire("QuitFreePlayEvent");
    EXPECT_EQ(0, log.Count("LeftFreePlayEvent"));
    NamedProperties open;
    open.Set("EventToFireOnFreePlayExit", std::string("LeftFreePlayEvent"));
    screens.calls.clear();
    Fire("PlayFreePlayEvent", open);
    Fire("PlayFreePlayPuzzleEvent");
    EXPECT_EQ((std::vector<std::string>{"free play window New Puzzle|PlayFreePlayPuzzleEvent", "push 14",
                                        "puzzle window ShowFreePlayEscapeDialogEvent", "push 12"}),
              screens.calls);
    Puzzle* puzzle = freePlay.GetCurrentPuzzle();
    ASSERT_NE(nullptr, puzzle);
    EXPECT_EQ(puzzle, Fetch<Puzzle*>(log.Last("PlayPuzzleEvent"), "Puzzle"));
    EXPECT_EQ(freePlay.GetClock(), puzzle->GetClock().GetParent());
    Fire("QuitFreePlayEvent");
    EXPECT_EQ(1, log.Count("LeftFreePlayEvent"));
    // Opening it again without an exit event forgets the earlier one.
    Fire("PlayFreePlayEvent");
    Fire("QuitFreePlayEvent");
    EXPECT_EQ(1, log.Count("LeftFreePlayEvent"));
}

TEST_F(FreePlayTest, ASolvedPuzzleStaysThreeSecondsThenTheNextFollowsUnlessReset)
{
    Fire("ResetFreePlayPuzzleEvent");
    EXPECT_TRUE(screens.calls.empty());
    Frame(10.0);
    Puzzle* first = PlayNewPuzzle();
    MarkSolved(*first);
    freePlay.Update();
    EXPECT_DOUBLE_EQ(13.0, freePlay.GetNextPuzzleTime());
    Frame(2.0);
    Frame(1.0);
    EXPECT_EQ(first, freePlay.GetCurrentPuzzle());
    Frame(0.01);
    EXPECT_NE(first, freePlay.GetCurrentPuzzle());
    EXPECT_EQ(2, log.Count("PlayPuzzleEvent"));
    EXPECT_EQ(1, log.Count("SolvePuzzleEvent"));
    EXPECT_EQ(-1.0, freePlay.GetNextPuzzleTime());

    // Resetting puts the puzzle back and cancels the pause.
    Puzzle* second = freePlay.GetCurrentPuzzle();
    MarkSolved(*second);
    freePlay.Update();
    screens.calls.clear();
    Fire("ResetFreePlayPuzzleEvent");
    EXPECT_EQ((std::vector<std::string>{"pop 15"}), screens.calls);
    EXPECT_FALSE(second->GetProgress()->IsSolved());
    Frame(5.0);
    EXPECT_EQ(second, freePlay.GetCurrentPuzzle());
}

// 'n' typed skips to a new puzzle during play only; a skip during the
// pause after a solve does not cut the new puzzle short.
TEST_F(FreePlayTest, TheNKeySkipsToANewPuzzleOnlyDuringPlay)
{
    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'n'));
    EXPECT_EQ(nullptr, freePlay.GetCurrentPuzzle());
    Puzzle* first = PlayNewPuzzle();
    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'N'));
    EXPECT_FALSE(freePlay.OnKeyEvent(1, 'n'));
    EXPECT_EQ(first, freePlay.GetCurrentPuzzle());
    MarkSolved(*first);
    freePlay.Update();
    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'n'));
    Puzzle* skippedTo = freePlay.GetCurrentPuzzle();
    EXPECT_NE(first, skippedTo);
    Frame(5.0);
    EXPECT_EQ(skippedTo, freePlay.GetCurrentPuzzle());
    EXPECT_EQ(2, log.Count("PlayPuzzleEvent"));
}

TEST_F(FreePlayTest, QuittingOrRunningOutKeepsThePuzzleAndTheNextPlayUsesTheOptionsOfThatMoment)
{
    Puzzle* first = PlayNewPuzzle();
    Fire("ShowFreePlayEscapeDialogEvent");
    Fire("HideFreePlayEscapeDialogEvent");
    Fire("QuitFreePlayPuzzleEvent");
    EXPECT_EQ((std::vector<std::string>{"push 15", "pop 15", "pop 15", "pop 12"}), screens.calls);
    EXPECT_FALSE(freePlay.IsPlaying());
    EXPECT_EQ(first, freePlay.GetCurrentPuzzle());
    EXPECT_FALSE(first->IsShown());
    EXPECT_THROW(Fire("QuitFreePlayPuzzleEvent"), UlvoException);
    // Solved after leaving: nothing happens while not playing.
    MarkSolved(*first);
    Frame(5.0);
    EXPECT_EQ(0, log.Count("SolvePuzzleEvent"));

    NamedProperties none;
    Options().Event_OnIncreasePuzzleSize(none);
    Fire("PlayFreePlayPuzzleEvent");
    Options().Event_OnDecreasePuzzleSize(none);
    ASSERT_NE(nullptr, freePlay.GetCurrentPuzzle());
    EXPECT_EQ(5u, freePlay.GetCurrentPuzzle()->GetBoards().at(0)->GetSize());

    // Without a next puzzle free play returns to the builder and offers the kept one.
    Puzzle* kept = PlayNewPuzzle();
    chef.reset();
    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'n'));
    EXPECT_FALSE(freePlay.IsPlaying());
    EXPECT_EQ((std::vector<std::string>{"pop 12"}), screens.calls);
    Fire("PlayFreePlayPuzzleEvent");
    EXPECT_TRUE(freePlay.IsPlaying());
    EXPECT_EQ(kept, Fetch<Puzzle*>(log.Last("PlayPuzzleEvent"), "Puzzle"));
}

} // namespace
