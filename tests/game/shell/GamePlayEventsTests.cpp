// The game object during play, driven by the events that the boards, free
// play and the screens fire: sounds and when they stay silent, the staged
// hint and its resets, starting and showing a puzzle, the pause, undo and
// redo, the rewind and what-if trials, and the settings the boards read.
#include "engine/core/AABB2.h"
#include "engine/core/Clock.h"
#include "engine/core/UlvoException.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "engine/ui/UlvoUIBasic.h"
#include "game/common/GameSoundID.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/shell/PemberquillGame.h"
#include "platform/window/VirtualKey.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"
#include "tests/support/RecordingHintCallOuts.h"
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

    std::vector<GameSoundID> Sounds() const { return log.All<GameSoundID>("PlaySoundEvent", "AudioSound"); }

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

TEST_F(GamePlayEventsTest, BoardsReadTheOptionsTheModifierKeysAndTheAutoSolvingFlagWhileTheGameLives)
{
    const BoardSettingsInterface& settings = Pemberquill::GetBoardSettings();
    ASSERT_EQ(&game->GetBoardSettings(), &settings);
    NamedProperties paint;
    paint.Set("OnActivationEventNameProperty", 3);
    Fire("BeginPaintingEvent", paint);
    EXPECT_TRUE(settings.IsPaintingCages());
    EXPECT_EQ(3, settings.GetPaintColorIndex());
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
    Fire("EndAutoSolvingEvent");
    EXPECT_FALSE(settings.IsAutoSolving());
    game.reset();
    EXPECT_NE(&settings, &Pemberquill::GetBoardSettings());
}

// Each edit plays its sound once and resets the hint; automatic solving and
// the sounds option silence the play but not the resets.
TEST_F(GamePlayEventsTest, BoardEditsPlayTheirSoundsOnceEachAndResetTheHint)
{
    NamedProperties set;
    set.Set("solverValue", 3u);
    Fire("OnSetSquareValue", set);
    set.Set("solverValue", 0u);
    Fire("OnSetSquareValue", set);
    Fire("OnToggleCandidate");
    Fire("SolvePuzzleEvent");
    Fire("OnToggleSolutionInvalid");
    set.Set("solverValue", 3);
    Fire("OnSetSquareValue", set);
    EXPECT_EQ((std::vector<GameSoundID>{SOUND_PLAYINGPUZZLE_SQUARE_VALUE_SET, SOUND_PLAYINGPUZZLE_SQUARE_VALUE_CLEARED,
                                        SOUND_PLAYINGPUZZLE_CANDIDATE_TOGGLED, SOUND_PLAYINGPUZZLE_PUZZLE_SOLVED}),
              Sounds());
    EXPECT_EQ(5, log.Count("HintStageChangedEvent"));

    for (const char* silencing : {"BeginAutoSolvingEvent", "ToggleIsPlayingSoundsEvent"}) {
        Fire(silencing);
        log.events.clear();
        Fire("OnToggleCandidate");
        Fire("SolvePuzzleEvent");
        EXPECT_TRUE(Sounds().empty()) << silencing;
        EXPECT_EQ(2, log.Count("HintStageChangedEvent"));
        Fire("EndAutoSolvingEvent");
    }
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
    EXPECT_EQ((std::vector<GameSoundID>{SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL}), Sounds());
    // The new puzzle's solve counts as clean until a mistake on it.
    EXPECT_EQ(1, log.Count("StartNewPuzzleEvent"));

    log.events.clear();
    served.puzzle->SetUnlockPuzzle(true);
    args.Set("Puzzle", served.puzzle.get());
    Fire("PlayPuzzleEvent", args);
    EXPECT_EQ((std::vector<GameSoundID>{SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_BOSS}), Sounds());

    NamedProperties null;
    null.Set("Puzzle", static_cast<Puzzle*>(nullptr));
    EXPECT_THROW(Fire("PlayPuzzleEvent", null), UlvoException);
}

TEST_F(GamePlayEventsTest, AskingAgainAboutTheSameStepRaisesTheStageUntilAMoveResetsIt)
{
    InstalledRecordingHintCallOuts callOuts;
    Fire("GiveHintEvent");
    EXPECT_EQ(0, log.Count("HintStageChangedEvent")) << "no puzzle shown";
    ServedPuzzle served = MakePuzzle();
    PlayAndShow(served.puzzle.get());
    const PuzzleStep step = PuzzleChef::GetDefaultInstance()->FindNextPuzzleStep(*served.puzzle);
    ASSERT_FALSE(step.isMistake);

    Fire("GiveHintEvent");
    Fire("GiveHintEvent");

    EXPECT_EQ((std::vector<unsigned>{0, 1}), log.All<unsigned>("HintStageChangedEvent", "Stage"));
    EXPECT_EQ(GetHintKindForStep(step.step.stepId), game->GetHint().kind);
    EXPECT_EQ(1u, game->GetHint().stage);
    EXPECT_EQ(step.board, game->GetHint().board);
    EXPECT_EQ(2, log.Count("HasTakenAHintEvent"));

    callOuts.calls.clear();
    Fire("OnToggleCandidate");
    EXPECT_EQ(HINT_KIND_NONE, game->GetHint().kind);
    EXPECT_EQ((std::vector<std::string>{"destroy hint"}), callOuts.calls);

    log.events.clear();
    Fire("GiveHintEvent");
    EXPECT_EQ((std::vector<unsigned>{0}), log.All<unsigned>("HintStageChangedEvent", "Stage"));
}

TEST_F(GamePlayEventsTest, TheShownPuzzleIsShownOnceAndHiddenOnce)
{
    ServedPuzzle served = MakePuzzle();
    Puzzle* puzzle = served.puzzle.get();
    NamedProperties hide;
    hide.Set("HideEventToFireProperty", puzzle);
    hide.Set("Bounds", CANVAS);
    EXPECT_THROW(Fire("PlayablePuzzleHiddenEvent", hide), UlvoException) << "not shown yet";

    ShowPuzzle(puzzle);
    EXPECT_EQ(puzzle, game->GetShownPuzzle());
    EXPECT_THROW(ShowPuzzle(puzzle), UlvoException);
    NamedProperties update;
    const AABB2 moved(Vector2(10.0f, 20.0f), Vector2(300.0f, 320.0f));
    update.Set("Bounds", moved);
    Fire("PlayablePuzzleUpdateEvent", update);
    EXPECT_EQ(moved, game->GetActivePuzzleView()->GetBounds());

    Fire("PlayablePuzzleHiddenEvent", hide);
    EXPECT_EQ(nullptr, game->GetShownPuzzle());
    EXPECT_THROW(Fire("PlayablePuzzleUpdateEvent", update), UlvoException);

    // The canvas is drawn only with a puzzle, named before or after its children.
    NamedProperties render;
    render.Set("Bounds", CANVAS);
    EXPECT_THROW(Fire("PuzzleViewRenderEvent", render), UlvoException);
    render.Set("PreRenderEventToFireProperty", puzzle);
    EXPECT_NO_THROW(Fire("PuzzleViewRenderThumbnailEvent", render));
}

TEST_F(GamePlayEventsTest, AHintWithTwoMistakesOffersTheRewindWhichUndoesThem)
{
    InstalledRecordingHintCallOuts callOuts;
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

    callOuts.calls.clear();
    NamedProperties rewind;
    rewind.Set("OnActivationEventNameProperty", served.puzzle.get());
    Fire("RewindPuzzleEvent", rewind);
    EXPECT_TRUE(served.puzzle->GetMistakes().empty());
    EXPECT_EQ(0u, served.puzzle->GetBoards()[0]->GetSquareValue(1, 0));
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
        EXPECT_TRUE(Fetch<bool>(log.Last("SetWhatIfAcceptRejectVisibilityEvent"), "AbleToBeVisible"));
        board.SetSquareValue(square, static_cast<int>(square.solutionValue), false, false);
        Fire(c.endEvent, given);
        Fire(c.endEvent); // without a puzzle nothing happens

        EXPECT_EQ(c.keepsTrial ? square.solutionValue : 0u, board.GetSquareValue(square)) << c.endEvent;
        EXPECT_EQ((std::vector<GameSoundID>{SOUND_PLAYINGPUZZLE_WHATIF_STARTED, c.endSound}), Sounds());
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

    ASSERT_EQ(4u, log.events.size());
    EXPECT_FALSE(Fetch<bool>(log.events[1].args, "IsAllowed"));
    EXPECT_FALSE(Fetch<bool>(log.events[2].args, "AbleToBeVisible"));
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
