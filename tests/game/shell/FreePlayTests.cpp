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
#include "game/shell/FreePlay.h"
#include "game/shell/PemberquillOptions.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Pemberquill;
using options_test::EventLog;
using options_test::Fetch;

namespace {

constexpr int TYPED_CHARACTER = 4;

class RecordingScreens final : public FreePlayScreens {
public:
    void CreatePuzzleWindow(Puzzle* puzzle, const std::string& escapeEventName, bool isChallengeUnsolved,
                            bool isChallenge) override
    {
        calls.push_back("puzzle window " + escapeEventName + (isChallengeUnsolved || isChallenge ? " challenge" : ""));
        puzzles.push_back(puzzle);
    }
    void CreateFreePlayWindow(const std::string& label, const std::string& eventName,
                              const std::string& rollOver) override
    {
        calls.push_back("free play window " + label + "|" + eventName + "|" + rollOver);
    }
    void CreateCageRulesDialog(CageRules* cageRules) override
    {
        calls.push_back("cage rules dialog");
        dialogRules = cageRules;
    }
    void PushWindow(int windowId, bool pushImmediately) override
    {
        calls.push_back("push " + std::to_string(windowId) + (pushImmediately ? " now" : ""));
    }
    void PopWindow(int windowId, bool allowAnimations) override
    {
        calls.push_back("pop " + std::to_string(windowId) + (allowAnimations ? " animated" : ""));
    }

    std::vector<std::string> calls;
    std::vector<Puzzle*> puzzles;
    CageRules* dialogRules = nullptr;
};

class FreePlayTest : public ::testing::Test {
protected:
    FreePlayTest()
    {
        log.Listen({"SolvePuzzleEvent", "PlayPuzzleEvent", "PuzzleSizeChangedEvent", "LeftFreePlayEvent"});
        // A fixed seed: every run plays the same puzzles.
        NamedProperties seed;
        seed.Set("OnActivationEventNameProperty", std::string("7"));
        GetPemberquillOptions().Event_OnSetPuzzleSeed(seed);
        chef->Startup(&gameClock);
        freePlay.SetScreens(&screens);
        freePlay.Startup(&gameClock);
    }

    ~FreePlayTest() override
    {
        if (freePlay.IsInitialized()) {
            freePlay.Shutdown();
        }
    }

    void Fire(const std::string& eventName)
    {
        NamedProperties args;
        eventSystem.FireEvent(eventName, args);
    }

    // Starts a puzzle from the builder and forgets the calls so far.
    Puzzle* PlayNewPuzzle()
    {
        Fire("PlayFreePlayPuzzleEvent");
        screens.calls.clear();
        return freePlay.GetCurrentPuzzle();
    }

    void MarkSolved(Puzzle& puzzle) { puzzle.GetProgress()->SetState(PUZZLE_STATE_SOLVED); }

    // Moves game time on and runs one frame of free play.
    void Frame(double seconds)
    {
        gameClock.Advance(seconds);
        freePlay.Update();
    }

    testsupport::RecordingConsole console;
    UlvoEventSystem eventSystem;
    EventLog log;
    testsupport::TemporaryFolder folder;
    testsupport::ScopedWorkingDirectory workingDirectory{folder.Path()};
    Clock gameClock;
    std::unique_ptr<PuzzleChef> chef = std::make_unique<PuzzleChef>();
    RecordingScreens screens;
    FreePlay freePlay;
};

TEST_F(FreePlayTest, StartupAndShutdownHappenOnce)
{
    EXPECT_THROW(freePlay.Startup(&gameClock), UlvoException);
    freePlay.Shutdown();
    EXPECT_EQ(nullptr, freePlay.GetClock());
    EXPECT_THROW(freePlay.Shutdown(), UlvoException);
}

// The builder's request follows the options of the moment, board by board.
TEST_F(FreePlayTest, TheRequestFollowsTheOptions)
{
    PemberquillOptions& options = GetPemberquillOptions();
    NamedProperties none;
    options.Event_OnDecreaseSolvabilityType(none);
    options.Event_OnIncreaseBoard2Type(none);
    options.Event_OnToggleShouldBoard2BeCageless(none);
    const PuzzleRequest request = FreePlay::BuildPuzzleRequest(options);
    options.Event_OnIncreaseSolvabilityType(none);
    options.Event_OnDecreaseBoard2Type(none);
    options.Event_OnToggleShouldBoard2BeCageless(none);
    EXPECT_EQ(options.GetSolvabilityType() - 1, request.solvabilityType);
    EXPECT_EQ(options.GetBoard1Type(), request.boardType1);
    EXPECT_EQ(1, request.boardType2);
    EXPECT_EQ(0, request.board1Attributes);
    EXPECT_EQ(static_cast<int>(SOLVING_ATTRIBUTE_HIDDEN_CAGES), request.board2Attributes);
    EXPECT_EQ(1, request.generatorTypeIndex);
    EXPECT_EQ(1.0f, request.generatorVersion);
}

TEST_F(FreePlayTest, ARuleToggleChangesOnlyItsFlagOfTheDialogsRecord)
{
    Fire("ShowCageRules2DialogEvent");
    ASSERT_EQ((std::vector<std::string>{"cage rules dialog", "push 32"}), screens.calls);
    ASSERT_EQ(&GetPemberquillOptions().GetCageRules2(), screens.dialogRules);

    NamedProperties toggle;
    toggle.Set("Value", false);
    toggle.Set("OnActivationEventNameProperty", screens.dialogRules);
    eventSystem.FireEvent("ToggleCanUseOddEvent", toggle);
    PuzzleRequest request = FreePlay::BuildPuzzleRequest(GetPemberquillOptions());
    EXPECT_EQ(ALL_CAGE_RULES_MASK & ~unsigned(CAGE_RULE_ODD), request.cageRules2.GetMask());
    EXPECT_EQ(ALL_CAGE_RULES_MASK, request.cageRules1.GetMask());

    toggle.Set("Value", true);
    eventSystem.FireEvent("ToggleCanUseOddEvent", toggle);
    EXPECT_EQ(ALL_CAGE_RULES_MASK, GetPemberquillOptions().GetCageRules2().GetMask());
    toggle.Set("OnActivationEventNameProperty", static_cast<CageRules*>(nullptr));
    EXPECT_THROW(eventSystem.FireEvent("ToggleCanUseOddEvent", toggle), UlvoException);

    Fire("HideCageRulesDialogEvent");
    EXPECT_EQ("pop 32", screens.calls.back());
}

TEST_F(FreePlayTest, TheBuilderOpensWithTheOptionsAndItsExitEventFiresOnQuitting)
{
    Fire("QuitFreePlayEvent");
    EXPECT_EQ((std::vector<std::string>{"pop 14"}), screens.calls);
    EXPECT_EQ(0, log.Count("LeftFreePlayEvent"));
    screens.calls.clear();

    NamedProperties open;
    open.Set("EventToFireOnFreePlayExit", std::string("LeftFreePlayEvent"));
    eventSystem.FireEvent("PlayFreePlayEvent", open);
    EXPECT_EQ((std::vector<std::string>{
                  "free play window New Puzzle|PlayFreePlayPuzzleEvent|Play a custom-built puzzle.", "push 14"}),
              screens.calls);
    EXPECT_EQ(1, log.Count("PuzzleSizeChangedEvent"));

    Fire("QuitFreePlayEvent");
    EXPECT_EQ(1, log.Count("LeftFreePlayEvent"));

    // Opening it again without an exit event forgets the earlier one.
    Fire("PlayFreePlayEvent");
    Fire("QuitFreePlayEvent");
    EXPECT_EQ(1, log.Count("LeftFreePlayEvent"));
}

TEST_F(FreePlayTest, ThePlayButtonShowsAndAnnouncesANewPuzzle)
{
    Fire("PlayFreePlayPuzzleEvent");

    Puzzle* puzzle = freePlay.GetCurrentPuzzle();
    ASSERT_NE(nullptr, puzzle);
    EXPECT_TRUE(freePlay.IsPlaying());
    EXPECT_EQ((std::vector<std::string>{"puzzle window ShowFreePlayEscapeDialogEvent", "push 12"}), screens.calls);
    EXPECT_EQ(puzzle, screens.puzzles.back());
    EXPECT_EQ(puzzle, Fetch<Puzzle*>(log.Last("PlayPuzzleEvent"), "Puzzle"));
    EXPECT_EQ(freePlay.GetClock(), puzzle->GetClock().GetParent());
}

TEST_F(FreePlayTest, ASolvedPuzzleStaysThreeSecondsThenTheNextFollows)
{
    Frame(10.0);
    Puzzle* first = PlayNewPuzzle();
    ASSERT_NE(nullptr, first);
    MarkSolved(*first);

    freePlay.Update();
    EXPECT_EQ(1, log.Count("SolvePuzzleEvent"));
    EXPECT_DOUBLE_EQ(13.0, freePlay.GetNextPuzzleTime());

    Frame(2.0);
    Frame(1.0);
    EXPECT_EQ(first, freePlay.GetCurrentPuzzle());

    Frame(0.01);
    Puzzle* second = freePlay.GetCurrentPuzzle();
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_EQ(2, log.Count("PlayPuzzleEvent"));
    EXPECT_EQ(1, log.Count("SolvePuzzleEvent"));
    EXPECT_EQ(-1.0, freePlay.GetNextPuzzleTime());
}

TEST_F(FreePlayTest, TheNKeySkipsToANewPuzzleOnlyDuringPlay)
{
    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'n'));
    EXPECT_EQ(nullptr, freePlay.GetCurrentPuzzle());
    EXPECT_EQ(0, log.Count("PlayPuzzleEvent"));

    Puzzle* first = PlayNewPuzzle();
    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'N'));
    EXPECT_FALSE(freePlay.OnKeyEvent(1, 'n'));
    EXPECT_EQ(first, freePlay.GetCurrentPuzzle());

    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'n'));
    EXPECT_NE(first, freePlay.GetCurrentPuzzle());
    EXPECT_EQ(2, log.Count("PlayPuzzleEvent"));
}

TEST_F(FreePlayTest, SkippingDuringThePauseDoesNotCutTheNewPuzzleShort)
{
    MarkSolved(*PlayNewPuzzle());
    freePlay.Update();
    freePlay.OnKeyEvent(TYPED_CHARACTER, 'n');
    Puzzle* skippedTo = freePlay.GetCurrentPuzzle();

    Frame(5.0);
    EXPECT_EQ(skippedTo, freePlay.GetCurrentPuzzle());
    EXPECT_EQ(1, log.Count("SolvePuzzleEvent"));
}

TEST_F(FreePlayTest, QuittingAPuzzleKeepsItAndTheNextPlayUsesTheOptionsOfThatMoment)
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
    GetPemberquillOptions().Event_OnIncreasePuzzleSize(none);
    Fire("PlayFreePlayPuzzleEvent");
    GetPemberquillOptions().Event_OnDecreasePuzzleSize(none);
    ASSERT_NE(nullptr, freePlay.GetCurrentPuzzle());
    EXPECT_NE(first, freePlay.GetCurrentPuzzle());
    EXPECT_EQ(5u, freePlay.GetCurrentPuzzle()->GetBoards().at(0)->GetSize());
}

TEST_F(FreePlayTest, ResettingPutsThePuzzleBackAndCancelsThePause)
{
    Fire("ResetFreePlayPuzzleEvent");
    EXPECT_TRUE(screens.calls.empty());

    Puzzle* puzzle = PlayNewPuzzle();
    MarkSolved(*puzzle);
    freePlay.Update();
    Fire("ResetFreePlayPuzzleEvent");
    EXPECT_EQ((std::vector<std::string>{"pop 15"}), screens.calls);
    EXPECT_FALSE(puzzle->GetProgress()->IsSolved());
    EXPECT_EQ(-1.0, freePlay.GetNextPuzzleTime());

    Frame(5.0);
    EXPECT_EQ(puzzle, freePlay.GetCurrentPuzzle());
}

TEST_F(FreePlayTest, WithoutANextPuzzleFreePlayReturnsToTheBuilder)
{
    Puzzle* first = PlayNewPuzzle();
    chef.reset();

    EXPECT_FALSE(freePlay.OnKeyEvent(TYPED_CHARACTER, 'n'));
    EXPECT_FALSE(freePlay.IsPlaying());
    EXPECT_EQ(first, freePlay.GetCurrentPuzzle());
    EXPECT_EQ((std::vector<std::string>{"pop 12"}), screens.calls);

    // The play button then offers the kept puzzle again.
    Fire("PlayFreePlayPuzzleEvent");
    EXPECT_TRUE(freePlay.IsPlaying());
    EXPECT_EQ(first, Fetch<Puzzle*>(log.Last("PlayPuzzleEvent"), "Puzzle"));
}

} // namespace
