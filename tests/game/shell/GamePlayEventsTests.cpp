// The game object during play, driven by the events that the boards and the
// screens fire: sounds and when they stay silent, the staged hint and its
// resets, the pause, undo and redo, the rewind and what-if trials, and the
// settings the boards read. (Playing a puzzle through is in
// PlayerSessionTests.)
#include "engine/core/AABB2.h"
#include "engine/core/Clock.h"
#include "engine/core/UlvoException.h"
#include "engine/ui/ContainerWidget.h"
#include "engine/ui/UlvoUIBasic.h"
#include "engine/ui/WindowWidget.h"
#include "game/campaign/FreePlay.h"
#include "game/common/GameSoundID.h"
#include "game/common/SaveOutcomes.h"
#include "game/options/PemberquillOptions.h"
#include "game/player/PlayerProfileManager.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/shell/PemberquillGame.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/RecordingHintCallOuts.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/TestPuzzle.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Pemberquill;
using options_test::Fetch;

namespace {

constexpr int INPUT_ACTION_DOWN = 1;
constexpr int INPUT_ACTION_UP = 3;
constexpr int KEY_LEFT_BUTTON = 1;

class GamePlayEventsTest : public ::testing::Test {
protected:
    GamePlayEventsTest()
    {
        uiModule.Startup();
        for (const char* shipped : {"Achievements.pqdf", "Stats.pqdf", "Credits.pqdf", "Puzzles"}) {
            data.LinkShipped(shipped);
        }
        game = std::make_unique<PemberquillGame>(&gameClock);
        // The options object outlives each game, and a test may have turned
        // the sounds off.
        Fire("ToggleIsPlayingSoundsEvent", "PlaySounds", true);
        log.Listen({"PlaySoundEvent", "HintStageChangedEvent", "HasTakenAHintEvent", "SetPauseWindowVisibilityEvent",
                    "SetIsBoardInteractionPermitted", "StartNewPuzzleEvent", "WindowPushEvent", "WindowPopEvent",
                    "SetWhatIfAcceptRejectVisibilityEvent", "SetWhatIfButtonVisibilityEvent"});
    }

    ~GamePlayEventsTest() override
    {
        game.reset();
        uiModule.Shutdown();
    }

    void Fire(const std::string& eventName, NamedProperties args = {}) { env.eventSystem.FireEvent(eventName, args); }
    template <typename T>
    void Fire(const std::string& eventName, const std::string& key, const T& value)
    {
        NamedProperties args;
        args.Set(key, value);
        Fire(eventName, args);
    }

    std::vector<GameSoundID> Sounds() const { return log.All<GameSoundID>("PlaySoundEvent", "AudioSound"); }

    // The puzzle's board panel shown on the screen, or hidden.
    void Show(Puzzle* puzzle) { FireBoardPanelEvent("PlayablePuzzleShownEvent", "ShowEventToFireProperty", puzzle); }
    void Hide(Puzzle* puzzle) { FireBoardPanelEvent("PlayablePuzzleHiddenEvent", "HideEventToFireProperty", puzzle); }
    void FireBoardPanelEvent(const std::string& eventName, const std::string& key, Puzzle* puzzle)
    {
        NamedProperties args;
        args.Set(key, puzzle);
        args.Set("Bounds", AABB2(Vector2(0.0f, 0.0f), Vector2(600.0f, 600.0f)));
        Fire(eventName, args);
    }

    // The puzzle in play and shown; the events so far are forgotten.
    void PlayAndShow(Puzzle* puzzle)
    {
        Fire("PlayPuzzleEvent", "Puzzle", puzzle);
        Show(puzzle);
        // The new puzzle's solve counts as clean until a mistake on it.
        EXPECT_EQ(1, log.Count("StartNewPuzzleEvent"));
        log.events.clear();
    }

    // A 4x4 puzzle of the chef's in play and shown.
    ServedPuzzle PlayAndShow(unsigned attributes = 0)
    {
        PuzzleRequest request(4, 0, 1, static_cast<int>(attributes), 0, 0, SOLVABILITY_SOLVABLE);
        ServedPuzzle served = PuzzleChef::GetDefaultInstance()->GetPuzzle(request, 11, &gameClock);
        EXPECT_TRUE(served);
        PlayAndShow(served.puzzle.get());
        return served;
    }

    // The pointer over the square of the puzzle's only board, as the board
    // display moves it.
    static void PointAt(Puzzle& puzzle, Board& board, const Square& square)
    {
        puzzle.SetFocusedBoardIndex(0);
        puzzle.UpdateBoardPointer(board, square.bounds.CalcCenter(), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    }

    // A digit typed with the mouse over square index of the only board.
    static void Type(Puzzle& puzzle, Board& board, int index, unsigned digit)
    {
        puzzle.SetFocusedBoardIndex(0);
        board.SetFocusedSquareIndex(index);
        ASSERT_TRUE(puzzle.HandleInput(INPUT_ACTION_DOWN, '0' + static_cast<int>(digit)));
    }

    // The squares of the board that are no cage's key square, and so start
    // unpainted on a board with hidden cages.
    static std::vector<const Square*> PlainSquares(const Board& board)
    {
        std::vector<const Square*> plain;
        for (const Square& square : board.GetSquares()) {
            if (!board.IsKeySquareOfAnyCage(square)) {
                plain.push_back(&square);
            }
        }
        return plain;
    }

    // The brush taken up with a colour wrong for the square, pressed on it
    // and moved over it: the stroke is still open. The colour is returned.
    int PressWrongPaint(Puzzle& puzzle, Board& board, const Square& square)
    {
        const int wrongColor = board.GetCage(square.cageIndex)->color == 0 ? 1 : 0;
        Fire("BeginPaintingEvent", "OnActivationEventNameProperty", wrongColor);
        PointAt(puzzle, board, square);
        EXPECT_TRUE(puzzle.HandleInput(INPUT_ACTION_DOWN, KEY_LEFT_BUTTON));
        PointAt(puzzle, board, square);
        return wrongColor;
    }

    // The lines of the lesson beside the board.
    static std::vector<std::string> LessonPanel()
    {
        std::vector<std::string> lines;
        const auto* area = dynamic_cast<const ContainerWidget*>(
            BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(GAME_WINDOW_INSTRUCTOR_TEXT_AREA)));
        for (size_t index = 0; area != nullptr && index < area->GetChildCount(); ++index) {
            lines.push_back(area->GetChild(index)->GetProperty<std::string>("Label"));
        }
        return lines;
    }

    options_test::OptionsEnvironment env;
    UlvoUIBasic uiModule;
    testsupport::ScopedDataFolder data;
    Clock gameClock;
    std::unique_ptr<PemberquillGame> game;
    options_test::EventLog log;
};

// Catches the title, or the notice of a failed save over it, shown at once
// instead of fading in.
TEST_F(GamePlayEventsTest, TheTitleAndTheNoticeOfAFailedSaveOverItFadeIn)
{
    ForgetSaveOutcomes();
    ReportSaveFailure({"The options", "steamuser.pqoptions", "the disk is full"});
    game->Update();
    const std::vector<bool> immediately = log.All<bool>("WindowPushEvent", "PushImmediately");
    EXPECT_EQ(immediately, (std::vector<bool>{false, false})) << "the title, then the notice over it";
    ForgetSaveOutcomes();
}

// Catches the options of the player chosen left unread: they are read
// from the file under that player's stem; and the greeting left in the
// smaller size of the line shown while there was no player.
TEST_F(GamePlayEventsTest, ChoosingAPlayerReadsThatPlayersOptionsAndGreetsThemAtTitleSize)
{
    PlayerProfileManager& profiles = game->GetProfileManager();
    ASSERT_TRUE(profiles.CreateProfileInSlot(profiles.FindFreeProfileSlot(), "Ada"));
    const std::string stem = profiles.GetProfileFileStem("Ada");
    ASSERT_FALSE(stem.empty());
    GetPemberquillOptions().ForgetUser();
    log.Listen({"ActivePlayerProfileNameChangedEvent"});
    Fire("OnPlayerProfileSelected", "NewlySelectedPlayerProfileName", std::string("Ada"));
    EXPECT_EQ(GetPemberquillOptions().GetUserName(), stem);
    EXPECT_EQ(log.All<float>("ActivePlayerProfileNameChangedEvent", "FontHeight"),
              std::vector<float>{PemberquillUI::TITLE_FONT_HEIGHT});
}

// Catches the global game left pointing at a game that is gone.
TEST_F(GamePlayEventsTest, TheGlobalGameGoesWithTheGame)
{
    EXPECT_EQ(PemberquillGame::GetGlobal(), game.get());
    game.reset();
    EXPECT_EQ(PemberquillGame::GetGlobal(), nullptr);
}

TEST_F(GamePlayEventsTest, BoardsReadTheOptionsAndTheAutoSolvingFlagWhileTheGameLives)
{
    const BoardSettingsInterface& settings = Pemberquill::GetBoardSettings();
    ASSERT_EQ(&game->GetBoardSettings(), &settings);
    Fire("BeginPaintingEvent", "OnActivationEventNameProperty", 3);
    EXPECT_EQ(3, settings.IsPaintingCages() ? settings.GetPaintColorIndex() : -1);
    Fire("BeginAutoSolvingEvent");
    EXPECT_TRUE(settings.IsAutoSolving());
    Fire("EndAutoSolvingEvent");
    EXPECT_FALSE(settings.IsAutoSolving());
    game.reset();
    EXPECT_NE(&settings, &Pemberquill::GetBoardSettings());
}

// Catches the brush carried into the next puzzle: starting a puzzle or
// leaving one (its window hidden) puts it down.
TEST_F(GamePlayEventsTest, StartingOrLeavingAPuzzlePutsTheBrushDown)
{
    const PemberquillOptions& options = GetPemberquillOptions();
    Fire("BeginPaintingEvent", "OnActivationEventNameProperty", 3);
    ServedPuzzle served = PlayAndShow();
    EXPECT_FALSE(options.IsPaintingCages()) << "started";

    Fire("BeginPaintingEvent", "OnActivationEventNameProperty", 3);
    Hide(served.puzzle.get());
    EXPECT_FALSE(options.IsPaintingCages()) << "left";
}

// Catches the hint line and its bubbles left over the board a reset has
// cleared, in the campaign and in free play.
TEST_F(GamePlayEventsTest, AResetClearsTheHintAndItsCallOuts)
{
    InstalledRecordingHintCallOuts callOuts;
    ServedPuzzle served = PlayAndShow();
    for (const char* reset : {"ResetCampaignPuzzleEvent", "ResetFreePlayPuzzleEvent"}) {
        Fire("GiveHintEvent");
        ASSERT_NE(HINT_KIND_NONE, game->GetHint().kind);
        callOuts.calls.clear();
        Fire(reset);
        EXPECT_EQ(HINT_KIND_NONE, game->GetHint().kind) << reset;
        EXPECT_EQ((std::vector<std::string>{"destroy hint", "destroy Hint"}), callOuts.calls) << reset;
    }
}

// Each edit plays its sound once and resets the hint; automatic solving and
// the sounds option silence the play but not the resets.
TEST_F(GamePlayEventsTest, BoardEditsPlayTheirSoundsOnceEachAndResetTheHint)
{
    Fire("OnSetSquareValue", "solverValue", 3u);
    Fire("OnSetSquareValue", "solverValue", 0u);
    Fire("OnToggleCandidate");
    Fire("SolvePuzzleEvent");
    Fire("OnToggleSolutionInvalid");
    Fire("OnSetSquareValue", "solverValue", 3);
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

TEST_F(GamePlayEventsTest, AskingAgainRaisesTheStageUntilAMoveAndTwoMistakesOfferTheRewind)
{
    InstalledRecordingHintCallOuts callOuts;
    Fire("GiveHintEvent");
    EXPECT_EQ(0, log.Count("HintStageChangedEvent")) << "no puzzle shown";
    ServedPuzzle served = PlayAndShow();
    const PuzzleStep step = PuzzleChef::GetDefaultInstance()->FindNextPuzzleStep(*served.puzzle);
    Fire("GiveHintEvent");
    Fire("GiveHintEvent");
    EXPECT_EQ((std::vector<unsigned>{0, 1}), log.All<unsigned>("HintStageChangedEvent", "Stage"));
    EXPECT_EQ(GetHintKindForStep(step.step.stepId), game->GetHint().kind);
    EXPECT_EQ(step.board, game->GetHint().board);
    EXPECT_EQ(2, log.Count("HasTakenAHintEvent"));

    callOuts.calls.clear();
    Fire("OnToggleCandidate");
    EXPECT_EQ(HINT_KIND_NONE, game->GetHint().kind);
    EXPECT_EQ((std::vector<std::string>{"destroy hint"}), callOuts.calls);
    log.events.clear();
    Fire("GiveHintEvent");
    EXPECT_EQ((std::vector<unsigned>{0}), log.All<unsigned>("HintStageChangedEvent", "Stage"));

    // One mistake still gets a hint; two make a hint offer the rewind, which
    // undoes them.
    Puzzle& puzzle = *served.puzzle;
    Board& board = *puzzle.GetBoards()[0];
    puzzle.SetFocusedBoardIndex(0);
    for (unsigned column : {0u, 1u}) {
        board.UpdatePointer(Vector2((column + 0.5f) / 4.0f, 0.5f / 4.0f), SOLUTIONS_LAYOUT_SINGLE_BOARD);
        const unsigned wrong = board.GetSquare(column, 0).solutionValue % 4 + 1;
        ASSERT_TRUE(puzzle.HandleInput(1, static_cast<int>('0' + wrong)));
        log.events.clear();
        if (column == 0) {
            Fire("GiveHintEvent");
            EXPECT_EQ(1, log.Count("HintStageChangedEvent")) << "one mistake";
            EXPECT_EQ(0, log.Count("WindowPushEvent")) << "one mistake";
        }
    }
    ASSERT_EQ(2u, puzzle.GetMistakes().size());
    log.events.clear();

    Fire("GiveHintEvent");
    const int dialog = PemberquillUI::GetWindowHandle(GAME_WINDOW_REWIND_PUZZLE);
    ASSERT_NE(PemberquillUI::NO_WINDOW, dialog);
    EXPECT_EQ(dialog, Fetch<int>(log.Last("WindowPushEvent"), "Handle"));
    EXPECT_FALSE(Fetch<bool>(log.Last("WindowPushEvent"), "PushImmediately")) << "the rewind dialog shows animated";
    EXPECT_EQ(0, log.Count("HintStageChangedEvent"));

    callOuts.calls.clear();
    Fire("RewindPuzzleEvent", "OnActivationEventNameProperty", &puzzle);
    EXPECT_TRUE(puzzle.GetMistakes().empty());
    EXPECT_EQ(0u, board.GetSquareValue(1, 0));
    EXPECT_EQ(dialog, Fetch<int>(log.Last("WindowPopEvent"), "Handle"));
    EXPECT_FALSE(Fetch<bool>(log.Last("WindowPopEvent"), "AllowAnimationsToFinish")) << "the rewind dialog goes at once";
    EXPECT_EQ((std::vector<std::string>{"destroy hint"}), callOuts.calls);
}

// Catches a hint shown when the solver finds no step: a board without cages
// has no logical way in.
TEST_F(GamePlayEventsTest, NoHintIsShownWhereTheSolverIsStuck)
{
    InstalledRecordingHintCallOuts callOuts;
    TestPuzzle uncaged(4, {});
    PlayAndShow(uncaged.puzzle.get());
    callOuts.calls.clear();
    Fire("GiveHintEvent");
    EXPECT_EQ(0, log.Count("HintStageChangedEvent"));
    EXPECT_EQ(HINT_KIND_NONE, game->GetHint().kind);
    EXPECT_TRUE(callOuts.calls.empty());
}

// Both windows fade in, and go from the stack at once, without waiting for
// their hide animations; closing the instructions also ends automatic play
// and tells the GUI.
TEST_F(GamePlayEventsTest, OptionsAndInstructionsFadeInAndPopAtOnceWhenHidden)
{
    const struct {
        const char* showEvent;
        const char* hideEvent;
        int windowId;
    } windows[] = {{"ShowOptionsEvent", "HideOptionsEvent", GAME_WINDOW_OPTIONS},
                   {"ShowInstructionsEvent", "HideInstructionsEvent", GAME_WINDOW_TUTORIAL}};
    for (const auto& window : windows) {
        SCOPED_TRACE(window.hideEvent);
        log.events.clear();
        Fire(window.showEvent);
        const int handle = PemberquillUI::GetWindowHandle(window.windowId);
        ASSERT_EQ(1, log.Count("WindowPushEvent"));
        EXPECT_EQ(handle, Fetch<int>(log.Last("WindowPushEvent"), "Handle"));
        EXPECT_FALSE(Fetch<bool>(log.Last("WindowPushEvent"), "PushImmediately"));
        Fire("BeginAutoSolvingEvent");
        log.events.clear();
        Fire(window.hideEvent);
        ASSERT_EQ(1, log.Count("WindowPopEvent"));
        EXPECT_EQ(handle, Fetch<int>(log.Last("WindowPopEvent"), "Handle"));
        EXPECT_FALSE(Fetch<bool>(log.Last("WindowPopEvent"), "AllowAnimationsToFinish"));
        const bool isInstructions = window.windowId == GAME_WINDOW_TUTORIAL;
        EXPECT_EQ(isInstructions, game->GetGUI()->AreInstructionsHidden());
        EXPECT_EQ(!isInstructions, game->IsAutoSolving());
        Fire("EndAutoSolvingEvent");
    }
}

TEST_F(GamePlayEventsTest, AWhatIfTrialIsKeptOnAcceptAndUndoneOnReject)
{
    const struct {
        const char* endEvent;
        GameSoundID endSound;
        bool keepsTrial;
    } cases[] = {{"AcceptWhatIfEvent", SOUND_PLAYINGPUZZLE_WHATIF_ACCEPTED, true},
                 {"RejectWhatIfEvent", SOUND_PLAYINGPUZZLE_WHATIF_REJECTED, false}};
    for (const auto& c : cases) {
        ServedPuzzle served = PlayAndShow();
        Board& board = *served.puzzle->GetBoards()[0];
        const Square& square = board.GetSquare(3, 3);
        Fire("BeginWhatIfEvent", "OnActivationEventNameProperty", served.puzzle.get());
        EXPECT_TRUE(Fetch<bool>(log.Last("SetWhatIfAcceptRejectVisibilityEvent"), "AbleToBeVisible"));
        EXPECT_FALSE(Fetch<bool>(log.Last("SetWhatIfButtonVisibilityEvent"), "AbleToBeVisible"));
        board.SetSquareValue(square, static_cast<int>(square.solutionValue), false, false);
        Fire(c.endEvent, "OnActivationEventNameProperty", served.puzzle.get());
        Fire(c.endEvent); // without a puzzle nothing happens

        EXPECT_EQ(c.keepsTrial ? square.solutionValue : 0u, board.GetSquareValue(square)) << c.endEvent;
        EXPECT_EQ((std::vector<GameSoundID>{SOUND_PLAYINGPUZZLE_WHATIF_STARTED, c.endSound}), Sounds());
        EXPECT_FALSE(Fetch<bool>(log.Last("SetWhatIfAcceptRejectVisibilityEvent"), "AbleToBeVisible"));
        EXPECT_TRUE(Fetch<bool>(log.Last("SetWhatIfButtonVisibilityEvent"), "AbleToBeVisible"));
        NamedProperties hide;
        hide.Set("HideEventToFireProperty", served.puzzle.get());
        hide.Set("Bounds", AABB2());
        Fire("PlayablePuzzleHiddenEvent", hide);
    }
}

TEST_F(GamePlayEventsTest, PausingTwiceStopsAndRestartsTheGameClockAndTellsTheScreens)
{
    Clock below(&game->GetClock());
    Fire("TogglePauseEvent");
    const double pausedAt = below.GetTime();
    gameClock.Advance(0.05);
    EXPECT_EQ(pausedAt, below.GetTime());
    EXPECT_FALSE(Fetch<bool>(log.Last("SetIsBoardInteractionPermitted"), "IsAllowed"));
    EXPECT_TRUE(Fetch<bool>(log.Last("SetPauseWindowVisibilityEvent"), "AbleToBeVisible"));

    Fire("TogglePauseEvent");
    gameClock.Advance(0.05);
    EXPECT_GT(below.GetTime(), pausedAt);
    EXPECT_EQ(4u, log.events.size());
    EXPECT_FALSE(Fetch<bool>(log.Last("SetPauseWindowVisibilityEvent"), "AbleToBeVisible"));
}

// Undo and redo act on the given puzzle only; the view follows its bounds.
TEST_F(GamePlayEventsTest, UndoAndRedoActOnTheGivenPuzzleOnly)
{
    ServedPuzzle served = PlayAndShow();
    Board& board = *served.puzzle->GetBoards()[0];
    const Square& square = board.GetSquare(0, 0);
    ASSERT_EQ(0u, board.GetSquareValue(square));
    board.SetSquareValue(square, static_cast<int>(square.solutionValue), false, false);

    Fire("UndoEvent");
    EXPECT_EQ(square.solutionValue, board.GetSquareValue(square));
    Fire("UndoEvent", "OnActivationEventNameProperty", served.puzzle.get());
    EXPECT_EQ(0u, board.GetSquareValue(square));
    Fire("RedoEvent", "OnActivationEventNameProperty", served.puzzle.get());
    EXPECT_EQ(square.solutionValue, board.GetSquareValue(square));
    const AABB2 moved(Vector2(10.0f, 20.0f), Vector2(300.0f, 320.0f));
    Fire("PlayablePuzzleUpdateEvent", "Bounds", moved);
    EXPECT_EQ(moved, game->GetActivePuzzleView()->GetBounds());
}

// Free play shows its puzzle on the puzzle window; its builder menu is never
// built, so asking for it shows nothing.
TEST_F(GamePlayEventsTest, AFreePlayPuzzleIsShownOnThePuzzleWindowAndLeavesWithIt)
{
    const auto topWindowName = [this] {
        const WindowWidget* top = uiModule.GetRootWindow()->GetTopWindow();
        return top != nullptr ? top->GetName() : std::string();
    };
    Fire("PlayFreePlayEvent");
    EXPECT_EQ("", topWindowName());
    Fire("PlayFreePlayPuzzleEvent");
    ASSERT_NE(nullptr, GetFreePlay().GetCurrentPuzzle());
    EXPECT_EQ("PuzzleWindow", topWindowName());
    Fire("QuitFreePlayPuzzleEvent");
    EXPECT_EQ("", topWindowName());
    EXPECT_FALSE(GetFreePlay().IsPlaying());
}


// Catches three places a player met: a stroke whose release came during the
// pause painting on after it with the button up, a lesson's text left beside
// a reset board without its pointer, and a second wrong value typed over the
// first in one square not counted as a mistake.
TEST_F(GamePlayEventsTest, AStrokeAcrossThePauseTheLessonAfterAResetAndASecondWrongValue)
{
    log.Listen({"HasMadeAMistakeEvent"});
    const struct {
        const char* name;
        unsigned attributes;
        std::function<void(Puzzle&, Board&)> play;
    } cases[] = {
        {"a stroke released while paused", SOLVING_ATTRIBUTE_HIDDEN_CAGES,
         [&](Puzzle& puzzle, Board& board) {
             const std::vector<const Square*> plain = PlainSquares(board);
             ASSERT_GE(plain.size(), 2u);
             const int wrongColor = PressWrongPaint(puzzle, board, *plain[0]);
             ASSERT_EQ(wrongColor, board.GetSquareColorIndex(*plain[0]));
             puzzle.SetActive(false); // the pause menu over the board
             EXPECT_TRUE(puzzle.HandleInput(INPUT_ACTION_UP, KEY_LEFT_BUTTON));
             puzzle.SetActive(true);
             PointAt(puzzle, board, *plain[1]);
             EXPECT_EQ(-1, board.GetSquareColorIndex(*plain[1])) << "painted with the button up";
             EXPECT_EQ(1, log.Count("HasMadeAMistakeEvent")) << "the stroke's wrong paint";
         }},
        {"the lesson after a reset", 0,
         [&](Puzzle& puzzle, Board& board) {
             Type(puzzle, board, 0, board.GetSquares()[0].solutionValue % 4 + 1);
             ASSERT_EQ("Error Notification", LessonPanel().at(0));
             ASSERT_EQ(0u, game->GetInstructor().GetCallOutCount());
             Fire("ShowFreePlayEscapeDialogEvent");
             Fire("ResetFreePlayPuzzleEvent");
             const std::vector<std::string> lesson = LessonPanel();
             EXPECT_NE("Error Notification", lesson.empty() ? "" : lesson[0]);
             EXPECT_EQ(lesson.empty(), game->GetInstructor().GetCallOutCount() == 0) << "a lesson with its pointer";
         }},
        {"a second wrong value in one square", 0,
         [&](Puzzle& puzzle, Board& board) {
             const unsigned answer = board.GetSquares()[0].solutionValue;
             Type(puzzle, board, 0, answer % 4 + 1);
             Type(puzzle, board, 0, (answer + 1) % 4 + 1);
             Type(puzzle, board, 1, board.GetSquares()[1].solutionValue);
             EXPECT_EQ(2, log.Count("HasMadeAMistakeEvent"));
         }},
    };
    PlayerProfileManager& profiles = game->GetProfileManager();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A new player each time, who has been taught nothing yet.
        const std::string player = std::string("Player") + static_cast<char>('A' + (&c - cases));
        const int slot = profiles.FindFreeProfileSlot();
        ASSERT_TRUE(profiles.CreateProfileInSlot(slot, player));
        profiles.SwitchToPlayerProfileInSlot(slot);
        PuzzleRequest request(4, 0, 1, static_cast<int>(c.attributes), 0, 0, SOLVABILITY_SOLVABLE);
        GetFreePlay().Play(PuzzleChef::GetDefaultInstance()->GetPuzzle(request, 11, &gameClock));
        Puzzle& puzzle = *GetFreePlay().GetCurrentPuzzle();
        Show(&puzzle);
        log.events.clear();
        c.play(puzzle, *puzzle.GetBoards()[0]);
        Hide(&puzzle);
    }
}

// Catches the buttons playing a puzzle out of play: Undo emptying a solved
// board before it is graded, Redo during the pause, a tip counted on the
// solved board, and the rewind emptying it or leaving its question open.
TEST_F(GamePlayEventsTest, TheButtonsLeaveAPuzzleOutOfPlayAsItIs)
{
    const struct {
        const char* name;
        bool solved;
        const char* button;
        int windowsClosed;
    } cases[] = {
        {"Undo on the solved puzzle", true, "UndoEvent", 0},
        {"Redo during the pause", false, "RedoEvent", 0},
        {"a tip on the solved puzzle", true, "GiveHintEvent", 0},
        {"the rewind on the solved puzzle", true, "RewindPuzzleEvent", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ServedPuzzle served = PlayAndShow(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
        Puzzle& puzzle = *served.puzzle;
        Board& board = *puzzle.GetBoards()[0];
        // Wrong paint stands: every move after it is flagged, and a tip
        // would explain it.
        const std::vector<const Square*> plain = PlainSquares(board);
        ASSERT_FALSE(plain.empty());
        PressWrongPaint(puzzle, board, *plain[0]);
        ASSERT_TRUE(puzzle.HandleInput(INPUT_ACTION_UP, KEY_LEFT_BUTTON));
        Fire("EndPaintingEvent");
        ASSERT_EQ(1u, puzzle.GetMistakes().size());

        const int count = static_cast<int>(board.GetSquares().size());
        for (int index = 0; index < (c.solved ? count : count - 1); ++index) {
            Type(puzzle, board, index, board.GetSquares()[static_cast<size_t>(index)].solutionValue);
        }
        if (c.solved) {
            ASSERT_TRUE(puzzle.GetProgress()->IsSolved());
        } else {
            Fire("UndoEvent", "OnActivationEventNameProperty", &puzzle);
            puzzle.SetActive(false); // the pause menu over the board
        }
        const auto values = [&board] {
            std::vector<unsigned> all;
            for (const Square& square : board.GetSquares()) {
                all.push_back(board.GetSquareValue(square));
            }
            return all;
        };
        const std::vector<unsigned> before = values();
        log.events.clear();
        Fire(c.button, "OnActivationEventNameProperty", &puzzle);
        EXPECT_EQ(before, values());
        EXPECT_EQ(0, log.Count("HasTakenAHintEvent"));
        EXPECT_EQ(0, log.Count("WindowPushEvent"));
        EXPECT_EQ(c.windowsClosed, log.Count("WindowPopEvent")) << "the rewind's question closes all the same";
        Hide(&puzzle);
    }
}

} // namespace
