// The game object during play, driven by the events that the boards, free
// play and the screens fire: the sounds of play and when they stay silent,
// the staged hint and its resets, starting a puzzle, the pause, undo and
// redo, the shown puzzle's invariants, the canvas drawing, the rewind and
// what-if trials, and the settings the boards read.
#include "engine/core/AABB2.h"
#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoException.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "engine/ui/UlvoUIBasic.h"
#include "game/common/GameSoundID.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/solver/HintCallOutInterface.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/shell/PemberquillGame.h"
#include "platform/window/VirtualKey.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/ScopedDataFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace Pemberquill;
using options_test::Fetch;

namespace {

// An input module whose held keys the test chooses.
class FakeInput final : public UlvoInputInterface {
public:
    bool OnKeyEvent(int, int) override { return false; }
    bool IsKeyDown(uint8_t code) const override { return heldKeys.count(code) != 0; }
    void GetMouseClientPosition(int& x, int& y) const override { x = y = 0; }
    void GetMousePosition(int& x, int& y) const override { x = y = 0; }

    std::set<uint8_t> heldKeys;
};

class RecordingCallOuts final : public HintCallOutInterface {
public:
    RecordingCallOuts() { SetHintCallOuts(this); }
    ~RecordingCallOuts() { SetHintCallOuts(nullptr); }
    RecordingCallOuts(const RecordingCallOuts&) = delete;
    RecordingCallOuts& operator=(const RecordingCallOuts&) = delete;

    void DestroyCallOutsByChannel(const std::string& channel) override { calls.push_back("destroy " + channel); }
    void CallOutCage(const Cage&, const std::string& channel) override { calls.push_back("cage " + channel); }
    void CallOutSquare(const Square& square, const std::string& channel) override
    {
        calls.push_back(Stringf("square %u,%u ", square.x, square.y) + channel);
    }
    void CallOutCandidate(const Square&, int, const std::string& channel) override
    {
        calls.push_back("candidate " + channel);
    }
    void CallOutCandidateVariant(const Square&, int, const std::string& channel) override
    {
        calls.push_back("flagged " + channel);
    }
    void CallOutRow(const Board&, int, const std::string& channel) override { calls.push_back("row " + channel); }
    void CallOutColumn(const Board&, int, const std::string& channel) override
    {
        calls.push_back("column " + channel);
    }

    std::vector<std::string> calls;
};

const AABB2 CANVAS(Vector2(0.0f, 0.0f), Vector2(600.0f, 600.0f));

class GamePlayEventsTest : public ::testing::Test {
protected:
    GamePlayEventsTest()
    {
        uiModule.Startup();
        game = std::make_unique<PemberquillGame>(&gameClock);
        // The options object outlives each game, and a test may have turned
        // the sounds off.
        NamedProperties soundsOn;
        soundsOn.Set("PlaySounds", true);
        Fire("ToggleIsPlayingSoundsEvent", soundsOn);
        log.Listen({"PlaySoundEvent", "HintStageChangedEvent", "HintTextChangedEvent", "HasTakenAHintEvent",
                    "SetPauseWindowVisibilityEvent", "SetIsBoardInteractionPermitted", "StartNewPuzzleEvent"});
    }

    ~GamePlayEventsTest() override
    {
        game.reset();
        uiModule.Shutdown();
    }

    void Fire(const std::string& eventName)
    {
        NamedProperties args;
        env.eventSystem.FireEvent(eventName, args);
    }

    void Fire(const std::string& eventName, NamedProperties& args) { env.eventSystem.FireEvent(eventName, args); }

    std::vector<int> Sounds() const
    {
        std::vector<int> sounds;
        for (const options_test::FiredEvent& event : log.events) {
            if (event.name == "PlaySoundEvent") {
                sounds.push_back(static_cast<int>(Fetch<GameSoundID>(event.args, "AudioSound")));
            }
        }
        return sounds;
    }

    ServedPuzzle MakePuzzle(int seed = 11)
    {
        PuzzleRequest request(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
        ServedPuzzle served = PuzzleChef::GetDefaultInstance()->GetPuzzle(request, seed, &gameClock);
        EXPECT_TRUE(served);
        return served;
    }

    void ShowPuzzle(Puzzle* puzzle)
    {
        NamedProperties args;
        args.Set("ShowEventToFireProperty", puzzle);
        args.Set("Bounds", CANVAS);
        Fire("PlayablePuzzleShownEvent", args);
    }

    void PlayAndShow(Puzzle* puzzle)
    {
        NamedProperties play;
        play.Set("Puzzle", puzzle);
        Fire("PlayPuzzleEvent", play);
        ShowPuzzle(puzzle);
        log.events.clear();
    }

    std::vector<unsigned> HintStages() const
    {
        std::vector<unsigned> stages;
        for (const options_test::FiredEvent& event : log.events) {
            if (event.name == "HintStageChangedEvent") {
                stages.push_back(Fetch<unsigned>(event.args, "Stage"));
            }
        }
        return stages;
    }

    // Two wrong values typed into the top row, as the player would.
    static void MakeTwoMistakes(Puzzle& puzzle)
    {
        Board& board = *puzzle.GetBoards()[0];
        puzzle.SetFocusedBoardIndex(0);
        for (unsigned column : {0u, 1u}) {
            board.UpdatePointer(Vector2((column + 0.5f) / 4.0f, 0.5f / 4.0f), SOLUTIONS_LAYOUT_SINGLE_BOARD);
            const unsigned wrong = board.GetSquare(column, 0).solutionValue % 4 + 1;
            ASSERT_TRUE(puzzle.HandleInput(1, static_cast<int>('0' + wrong)));
        }
        ASSERT_EQ(2u, puzzle.GetMistakes().size());
    }

    options_test::OptionsEnvironment env;
    UlvoUIBasic uiModule;
    testsupport::ScopedDataFolder data;
    Clock gameClock;
    std::unique_ptr<PemberquillGame> game;
    options_test::EventLog log;
};

TEST_F(GamePlayEventsTest, BoardsReadTheOptionsTheAutoSolvingFlagAndTheModifierKeysWhileTheGameLives)
{
    const BoardSettingsInterface& settings = Pemberquill::GetBoardSettings();
    ASSERT_EQ(&game->GetBoardSettings(), &settings);

    NamedProperties paint;
    paint.Set("OnActivationEventNameProperty", 3);
    Fire("BeginPaintingEvent", paint);
    EXPECT_TRUE(settings.IsPaintingCages());
    EXPECT_EQ(3, settings.GetPaintColorIndex());
    Fire("EndPaintingEvent");
    EXPECT_FALSE(settings.IsPaintingCages());

    const bool autoElimination = settings.UseAutoElimination();
    Fire("ToggleUseAutoEliminationEvent");
    EXPECT_NE(autoElimination, settings.UseAutoElimination());

    EXPECT_FALSE(settings.IsShiftKeyDown());
    {
        FakeInput input;
        input.heldKeys = {platform::VK_SHIFT};
        EXPECT_TRUE(settings.IsShiftKeyDown());
        EXPECT_FALSE(settings.IsCtrlKeyDown());
        input.heldKeys = {platform::VK_CONTROL};
        EXPECT_FALSE(settings.IsShiftKeyDown());
        EXPECT_TRUE(settings.IsCtrlKeyDown());
    }

    Fire("BeginAutoSolvingEvent");
    EXPECT_TRUE(settings.IsAutoSolving());
    EXPECT_TRUE(game->IsAutoSolving());
    Fire("EndAutoSolvingEvent");
    EXPECT_FALSE(settings.IsAutoSolving());
    EXPECT_FALSE(game->IsAutoSolving());

    game.reset();
    EXPECT_NE(&settings, &Pemberquill::GetBoardSettings());
    EXPECT_FALSE(Pemberquill::GetBoardSettings().IsPaintingCages());
}

TEST_F(GamePlayEventsTest, BoardEditsPlayTheirSoundsOnceEachAndResetTheHint)
{
    NamedProperties set;
    set.Set("solverValue", 3u);
    Fire("OnSetSquareValue", set);
    NamedProperties cleared;
    cleared.Set("solverValue", 0u);
    Fire("OnSetSquareValue", cleared);
    Fire("OnToggleCandidate");
    Fire("SolvePuzzleEvent");

    EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_SQUARE_VALUE_SET, SOUND_PLAYINGPUZZLE_SQUARE_VALUE_CLEARED,
                                SOUND_PLAYINGPUZZLE_CANDIDATE_TOGGLED, SOUND_PLAYINGPUZZLE_PUZZLE_SOLVED}),
              Sounds());
    EXPECT_EQ(4, log.Count("HintStageChangedEvent"));
    EXPECT_EQ("Solving Tip", Fetch<std::string>(log.Last("HintStageChangedEvent"), "Label"));
    const NamedProperties& text = log.Last("HintTextChangedEvent");
    EXPECT_EQ("", Fetch<std::string>(text, "Label"));
    const Rgba base = Fetch<Rgba>(text, "BaseColor");
    EXPECT_EQ(0, base.a);

    log.events.clear();
    Fire("OnToggleSolutionInvalid");
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(1, log.Count("HintStageChangedEvent"));
}

TEST_F(GamePlayEventsTest, ASquareValueEventWithoutItsValueChangesNothing)
{
    NamedProperties noValue;
    Fire("OnSetSquareValue", noValue);
    NamedProperties wrongType;
    wrongType.Set("solverValue", 3);
    Fire("OnSetSquareValue", wrongType);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(GamePlayEventsTest, AutomaticSolvingAndTheSoundsOptionSilenceThePlayButNotTheHintResets)
{
    Fire("BeginAutoSolvingEvent");
    Fire("OnToggleCandidate");
    Fire("SolvePuzzleEvent");
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(2, log.Count("HintStageChangedEvent"));
    Fire("EndAutoSolvingEvent");
    Fire("OnToggleCandidate");
    EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_CANDIDATE_TOGGLED}), Sounds());

    NamedProperties off;
    off.Set("PlaySounds", false);
    Fire("ToggleIsPlayingSoundsEvent", off);
    log.events.clear();
    Fire("OnToggleCandidate");
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(1, log.Count("HintStageChangedEvent"));
}

TEST_F(GamePlayEventsTest, PlayingAPuzzleBuildsItsBoardsStartsItAndPlaysItsStartSound)
{
    ServedPuzzle served = MakePuzzle();
    std::unique_ptr<Puzzle> unbuilt =
        PuzzleChef::GetDefaultInstance()->CreatePuzzleFromDescriptor(served.puzzle->GetDescriptor(), &gameClock, false);
    ASSERT_NE(nullptr, unbuilt);
    ASSERT_FALSE(unbuilt->HasBoards());
    log.events.clear();

    NamedProperties args;
    args.Set("Puzzle", unbuilt.get());
    Fire("PlayPuzzleEvent", args);

    ASSERT_TRUE(unbuilt->HasBoards());
    EXPECT_TRUE(unbuilt->IsShown());
    EXPECT_TRUE(unbuilt->IsActive());
    // The same descriptor gives the same board.
    const Board& rebuilt = *unbuilt->GetBoards()[0];
    const Board& original = *served.puzzle->GetBoards()[0];
    for (size_t i = 0; i < original.GetSquares().size(); ++i) {
        EXPECT_EQ(original.GetSquares()[i].solutionValue, rebuilt.GetSquares()[i].solutionValue) << i;
    }
    EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL}), Sounds());
    EXPECT_EQ(1, log.Count("HintStageChangedEvent"));
    // The new puzzle's solve counts as clean until a mistake on it.
    EXPECT_EQ(1, log.Count("StartNewPuzzleEvent"));

    log.events.clear();
    served.puzzle->SetUnlockPuzzle(true);
    args.Set("Puzzle", served.puzzle.get());
    Fire("PlayPuzzleEvent", args);
    EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_BOSS}), Sounds());
}

TEST_F(GamePlayEventsTest, APlayPuzzleEventWithoutAPuzzleIsAnAssertionFailure)
{
    NamedProperties missing;
    EXPECT_THROW(Fire("PlayPuzzleEvent", missing), UlvoException);
    NamedProperties null;
    null.Set("Puzzle", static_cast<Puzzle*>(nullptr));
    EXPECT_THROW(Fire("PlayPuzzleEvent", null), UlvoException);
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(GamePlayEventsTest, AskingAgainAboutTheSameStepRaisesTheStageUntilAMoveResetsIt)
{
    RecordingCallOuts callOuts;
    ServedPuzzle served = MakePuzzle();
    PlayAndShow(served.puzzle.get());
    const PuzzleStep step = PuzzleChef::GetDefaultInstance()->FindNextPuzzleStep(*served.puzzle);
    ASSERT_FALSE(step.isMistake);

    Fire("GiveHintEvent");
    Fire("GiveHintEvent");

    EXPECT_EQ((std::vector<unsigned>{0, 1}), HintStages());
    EXPECT_EQ(GetHintKindForStep(step.step.stepId), game->GetHint().kind);
    EXPECT_EQ(1u, game->GetHint().stage);
    EXPECT_EQ(step.board, game->GetHint().board);
    EXPECT_EQ(2, log.Count("HasTakenAHintEvent"));
    EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_HINT_GIVEN, SOUND_PLAYINGPUZZLE_HINT_GIVEN}), Sounds());
    EXPECT_NE("TIP: ", Fetch<std::string>(log.Last("HintTextChangedEvent"), "Label"));

    callOuts.calls.clear();
    Fire("OnToggleCandidate");
    EXPECT_EQ(HINT_KIND_NONE, game->GetHint().kind);
    EXPECT_EQ(nullptr, game->GetHint().board);
    EXPECT_EQ((std::vector<std::string>{"destroy hint"}), callOuts.calls);

    log.events.clear();
    Fire("GiveHintEvent");
    EXPECT_EQ((std::vector<unsigned>{0}), HintStages());
}

TEST_F(GamePlayEventsTest, AMistakeIsExplainedBeforeAnySolverStep)
{
    ServedPuzzle served = MakePuzzle();
    PlayAndShow(served.puzzle.get());
    Board& board = *served.puzzle->GetBoards()[0];
    const Square& square = board.GetSquare(2, 1);
    board.SetSquareValue(square, static_cast<int>(square.solutionValue % 4 + 1), false, false);
    ASSERT_TRUE(served.puzzle->FindMistakes());

    Fire("GiveHintEvent");

    EXPECT_EQ(HINT_KIND_WRONG_VALUE, game->GetHint().kind);
    EXPECT_EQ(2, game->GetHint().move.x);
    EXPECT_EQ(1, game->GetHint().move.y);
    EXPECT_EQ("TIP: You jumped to a conclusion at this square.",
              Fetch<std::string>(log.Last("HintTextChangedEvent"), "Label"));
}

TEST_F(GamePlayEventsTest, AHintRequestWithoutAShownPuzzleOnlyPlaysItsSound)
{
    Fire("GiveHintEvent");
    EXPECT_EQ(0, log.Count("HintStageChangedEvent"));
    EXPECT_EQ(0, log.Count("HintTextChangedEvent"));
    EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_HINT_GIVEN}), Sounds());
}

TEST_F(GamePlayEventsTest, TheShownPuzzleIsShownOnceAndHiddenOnce)
{
    ServedPuzzle served = MakePuzzle();
    Puzzle* puzzle = served.puzzle.get();

    NamedProperties noBounds;
    noBounds.Set("ShowEventToFireProperty", puzzle);
    EXPECT_THROW(Fire("PlayablePuzzleShownEvent", noBounds), UlvoException);
    NamedProperties nullPuzzle;
    nullPuzzle.Set("ShowEventToFireProperty", static_cast<Puzzle*>(nullptr));
    nullPuzzle.Set("Bounds", CANVAS);
    EXPECT_THROW(Fire("PlayablePuzzleShownEvent", nullPuzzle), UlvoException);
    EXPECT_EQ(nullptr, game->GetShownPuzzle());

    NamedProperties hide;
    hide.Set("HideEventToFireProperty", puzzle);
    hide.Set("Bounds", CANVAS);
    EXPECT_THROW(Fire("PlayablePuzzleHiddenEvent", hide), UlvoException);

    ShowPuzzle(puzzle);
    EXPECT_EQ(puzzle, game->GetShownPuzzle());
    EXPECT_THROW(ShowPuzzle(puzzle), UlvoException);

    NamedProperties hideWithoutBounds;
    hideWithoutBounds.Set("HideEventToFireProperty", puzzle);
    EXPECT_THROW(Fire("PlayablePuzzleHiddenEvent", hideWithoutBounds), UlvoException);
    EXPECT_EQ(puzzle, game->GetShownPuzzle());

    NamedProperties update;
    const AABB2 moved(Vector2(10.0f, 20.0f), Vector2(300.0f, 320.0f));
    update.Set("Bounds", moved);
    Fire("PlayablePuzzleUpdateEvent", update);
    EXPECT_EQ(moved, game->GetActivePuzzleView()->GetBounds());

    Fire("PlayablePuzzleHiddenEvent", hide);
    EXPECT_EQ(nullptr, game->GetShownPuzzle());
    EXPECT_THROW(Fire("PlayablePuzzleUpdateEvent", update), UlvoException);
}

TEST_F(GamePlayEventsTest, TheCanvasIsDrawnOnlyWithAPuzzleAndBounds)
{
    ServedPuzzle served = MakePuzzle();
    const std::string noPuzzle = "Received PuzzleViewRender event with NULL or missing puzzle!\n  (should be found "
                                 "in the \"PostRenderEventToFireProperty\" property)";
    const std::string noBounds = "Received PuzzleViewRender event with missing widget bounds (\"Bounds\")!";
    const struct {
        const char* eventName;
        const char* handler;
    } events[] = {{"PuzzleViewRenderEvent", "PemberquillGame::Event_OnPuzzleViewRender"},
                  {"PuzzleViewRenderThumbnailEvent", "PemberquillGame::Event_OnPuzzleViewRenderThumbnail"}};
    for (const auto& event : events) {
        NamedProperties boundsOnly;
        boundsOnly.Set("Bounds", CANVAS);
        boundsOnly.Set("PostRenderEventToFireProperty", static_cast<Puzzle*>(nullptr));
        const testsupport::CaughtError missingPuzzle =
            testsupport::CatchUlvoException([&] { Fire(event.eventName, boundsOnly); });
        EXPECT_EQ(0u, missingPuzzle.message.rfind(noPuzzle, 0)) << missingPuzzle.message;
        EXPECT_EQ(event.handler, missingPuzzle.title);

        NamedProperties puzzleOnly;
        puzzleOnly.Set("PostRenderEventToFireProperty", served.puzzle.get());
        const std::string message =
            testsupport::CatchUlvoException([&] { Fire(event.eventName, puzzleOnly); }).message;
        EXPECT_EQ(0u, message.rfind(noBounds, 0)) << message;

        // A canvas that draws before its children names the puzzle there.
        NamedProperties preRender;
        preRender.Set("PreRenderEventToFireProperty", served.puzzle.get());
        preRender.Set("Bounds", CANVAS);
        EXPECT_NO_THROW(Fire(event.eventName, preRender));
    }
}

TEST_F(GamePlayEventsTest, AHintWithTwoMistakesOffersTheRewindWhichUndoesThem)
{
    RecordingCallOuts callOuts;
    ServedPuzzle served = MakePuzzle();
    PlayAndShow(served.puzzle.get());
    MakeTwoMistakes(*served.puzzle);
    log.Listen({"WindowPushEvent", "WindowPopEvent"});
    log.events.clear();

    Fire("GiveHintEvent");

    const int dialog = PemberquillUI::GetWindowHandle(GAME_WINDOW_REWIND_PUZZLE);
    ASSERT_NE(PemberquillUI::NO_WINDOW, dialog);
    EXPECT_EQ(dialog, Fetch<int>(log.Last("WindowPushEvent"), "Handle"));
    EXPECT_EQ(0, log.Count("HintStageChangedEvent"));
    EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_HINT_GIVEN}), Sounds());

    callOuts.calls.clear();
    NamedProperties rewind;
    rewind.Set("OnActivationEventNameProperty", served.puzzle.get());
    Fire("RewindPuzzleEvent", rewind);
    EXPECT_TRUE(served.puzzle->GetMistakes().empty());
    const Board& board = *served.puzzle->GetBoards()[0];
    EXPECT_EQ(0u, board.GetSquareValue(0, 0));
    EXPECT_EQ(0u, board.GetSquareValue(1, 0));
    EXPECT_EQ(dialog, Fetch<int>(log.Last("WindowPopEvent"), "Handle"));
    EXPECT_EQ((std::vector<std::string>{"destroy hint"}), callOuts.calls);
}

TEST_F(GamePlayEventsTest, AWhatIfTrialIsKeptOnAcceptAndUndoneOnReject)
{
    const struct {
        const char* endEvent;
        GameSoundID endSound;
        bool keepsTrial;
    } cases[] = {{"AcceptWhatIfEvent", SOUND_PLAYINGPUZZLE_WHATIF_ACCEPTED, true},
                 {"RejectWhatIfEvent", SOUND_PLAYINGPUZZLE_WHATIF_REJECTED, false}};
    log.Listen({"SetWhatIfButtonVisibilityEvent", "SetWhatIfAcceptRejectVisibilityEvent"});
    for (const auto& c : cases) {
        ServedPuzzle served = MakePuzzle();
        PlayAndShow(served.puzzle.get());
        Board& board = *served.puzzle->GetBoards()[0];
        const Square& square = board.GetSquare(3, 3);
        NamedProperties given;
        given.Set("OnActivationEventNameProperty", served.puzzle.get());

        Fire("BeginWhatIfEvent", given);
        board.SetSquareValue(square, static_cast<int>(square.solutionValue), false, false);
        Fire(c.endEvent, given);
        // Without a puzzle nothing happens.
        Fire(c.endEvent);

        EXPECT_EQ(c.keepsTrial ? square.solutionValue : 0u, board.GetSquareValue(square)) << c.endEvent;
        EXPECT_FALSE(served.puzzle->IsInWhatIf());
        EXPECT_EQ((std::vector<int>{SOUND_PLAYINGPUZZLE_WHATIF_STARTED, c.endSound}), Sounds());
        EXPECT_TRUE(Fetch<bool>(log.Last("SetWhatIfButtonVisibilityEvent"), "AbleToBeVisible"));
        EXPECT_FALSE(Fetch<bool>(log.Last("SetWhatIfAcceptRejectVisibilityEvent"), "AbleToBeVisible"));
        NamedProperties hide;
        hide.Set("HideEventToFireProperty", served.puzzle.get());
        hide.Set("Bounds", CANVAS);
        Fire("PlayablePuzzleHiddenEvent", hide);
    }
}

TEST_F(GamePlayEventsTest, PausingTwiceStopsAndRestartsTheGameClockAndTellsTheScreens)
{
    Clock below(&game->GetClock());
    Fire("TogglePauseEvent");
    EXPECT_TRUE(game->GetClock().IsPaused());
    const double pausedAt = below.GetTime();
    gameClock.Advance(0.05);
    EXPECT_EQ(pausedAt, below.GetTime());

    Fire("TogglePauseEvent");
    EXPECT_FALSE(game->GetClock().IsPaused());
    gameClock.Advance(0.05);
    EXPECT_GT(below.GetTime(), pausedAt);

    ASSERT_EQ((std::vector<std::string>{"SetPauseWindowVisibilityEvent", "SetIsBoardInteractionPermitted",
                                        "SetPauseWindowVisibilityEvent", "SetIsBoardInteractionPermitted"}),
              log.Names());
    EXPECT_TRUE(Fetch<bool>(log.events[0].args, "AbleToBeVisible"));
    EXPECT_FALSE(Fetch<bool>(log.events[1].args, "IsAllowed"));
    EXPECT_FALSE(Fetch<bool>(log.events[2].args, "AbleToBeVisible"));
    EXPECT_TRUE(Fetch<bool>(log.events[3].args, "IsAllowed"));
}

TEST_F(GamePlayEventsTest, UndoAndRedoActOnTheGivenPuzzleOnly)
{
    ServedPuzzle served = MakePuzzle();
    PlayAndShow(served.puzzle.get());
    Puzzle& puzzle = *served.puzzle;
    Board& board = *puzzle.GetBoards()[0];
    const Square& square = board.GetSquare(0, 0);
    ASSERT_EQ(0u, board.GetSquareValue(square));
    board.SetSquareValue(square, static_cast<int>(square.solutionValue), false, false);

    Fire("UndoEvent");
    EXPECT_EQ(square.solutionValue, board.GetSquareValue(square));

    NamedProperties given;
    given.Set("OnActivationEventNameProperty", &puzzle);
    Fire("UndoEvent", given);
    EXPECT_EQ(0u, board.GetSquareValue(square));
    Fire("RedoEvent", given);
    EXPECT_EQ(square.solutionValue, board.GetSquareValue(square));
}

} // namespace
