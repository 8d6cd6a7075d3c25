#include "game/shell/PemberquillGame.h"

#include <cstdio>

#include "engine/core/AABB2.h"
#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/common/GameSounds.h"
#include "game/common/SaveOutcomes.h"
#include "game/common/TextLines.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/solver/HintCallOutInterface.h"
#include "game/campaign/FreePlay.h"
#include "game/campaign/HintStages.h"
#include "game/options/PemberquillOptions.h"
#include "game/shell/PemberquillShared.h"
#include "game/steam/AchievementSystem.h"
#include "game/steam/SteamInterface.h"
#include "game/tutorial/Credits.h"

namespace Pemberquill {

namespace {

PemberquillGame* g_game = nullptr;

// As the other notices the player reads over the screens.
constexpr Rgba SAVE_NOTICE_TITLE_COLOR{0, 255, 255, 255};
constexpr Rgba SAVE_NOTICE_TEXT_COLOR{255, 255, 255, 255};
constexpr float SAVE_NOTICE_FONT_SIZE = 24.0f;

// A subsystem's own shutdown logs its lines; one that never started gets
// the failure logged instead, since its own check would throw and a
// destructor must not.
template <typename Subsystem>
void ShutDownSubsystem(Subsystem& subsystem, const char* logName, const char* failureMessage)
{
    if (subsystem.IsInitialized()) {
        subsystem.Shutdown();
        return;
    }
    ConsolePrintf("%s Shutdown begun.\n", logName);
    ULVO_ASSERT_IN_DESTRUCTOR(subsystem.IsInitialized(), failureMessage, "PemberquillGame::~PemberquillGame");
}

constexpr int VERSION_MAJOR = 1;
constexpr int VERSION_MINOR = 1;

const char* const HINT_CHANNEL = "hint";
// The instructor's own call-outs, which leave with the tutorial window.
const char* const INSTRUCTOR_HINT_CHANNEL = "Hint";
constexpr Rgba NO_HINT_BASE_COLOR{0, 0, 0, 0};

// The puzzle a button hands over with its activation; null when it names none.
Puzzle* GetActivationPuzzle(NamedProperties& args)
{
    Puzzle* puzzle = nullptr;
    args.Get("OnActivationEventNameProperty", puzzle);
    return puzzle;
}

// The buttons play a puzzle only while it is in play, as the keys do: a
// solved puzzle waiting for its grade, or a paused one, keeps its boards.
Puzzle* GetPuzzleInPlay(NamedProperties& args)
{
    Puzzle* puzzle = GetActivationPuzzle(args);
    return puzzle != nullptr && puzzle->IsActive() ? puzzle : nullptr;
}

}  // namespace

PemberquillGame::PemberquillGame(Clock* parentClock)
{
    g_game = this;
    ForgetSaveOutcomes();
    m_clock = std::make_unique<Clock>(parentClock);
    m_clock->SetMaximumStep(MAX_CLOCK_STEP_SECONDS);
    SetBoardSettings(&m_boardSettings);
    RegisterEventHandlers();
    try {
        if (UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance()) {
            renderer->LoadFont("MainFont", "EN");
        }
        FireGlobalEvent("OnStartupLoadingTaskComplete");
        RunLoadingTasks();
        FinishStartup();
    } catch (...) {
        // No destructor runs for a half-built game object: what it started
        // must not outlive it.
        if (m_campaign.IsInitialized()) {
            m_campaign.Shutdown();
        }
        ShutDownStartedScreens();
        if (m_audio.IsInitialized()) {
            m_audio.Shutdown();
        }
        if (GetFreePlay().IsInitialized()) {
            GetFreePlay().Shutdown();
        }
        if (GetCredits().IsInitialized()) {
            GetCredits().Shutdown();
        }
        if (GetAchievementSystem().IsInitialized()) {
            GetAchievementSystem().Shutdown();
        }
        DetachSingletons();
        if (GetSteamInterface().IsInitialized()) {
            GetSteamInterface().Shutdown();
        }
        SetBoardSettings(nullptr);
        g_game = nullptr;
        throw;
    }
}

PemberquillGame::~PemberquillGame()
{
    ShutDownSubsystems();
    SetBoardSettings(nullptr);
    if (g_game == this) {
        g_game = nullptr;
    }
}

void PemberquillGame::ShutDownSubsystems()
{
    ShutDownSubsystem(m_campaign, "PemberquillCampaign", "Shutdown called on an uninitialized campaign.");
    ShutDownSubsystem(m_animations, "Animations", "Shutdown called on an uninitialized Animations.");
    ShutDownSubsystem(m_ui, "PemberquillUI", "Shutdown called on an uninitialized UI.");
    ShutDownSubsystem(m_audio, "PemberquillAudio", "Shutdown called on an uninitialized audio subsystem.");
    ShutDownSubsystem(GetFreePlay(), "FreePlay", "Shutdown called on an uninitialized FreePlay.");
    ShutDownSubsystem(GetCredits(), "Credits", "Shutdown called on an uninitialized Credits.");
    GetAchievementSystem().Shutdown();
    DetachSingletons();
    SteamInterface& steam = GetSteamInterface();
    if (steam.IsInitialized()) {
        steam.Shutdown();
    } else {
        ConsolePrintf("SteamInterface Shutdown begun.\n");
        ULVO_ASSERT_IN_DESTRUCTOR(steam.IsInitialized(), "Shutdown called on an uninitialized SteamInterface.",
                                  "PemberquillGame::~PemberquillGame");
    }
    m_gui.reset();
}

void PemberquillGame::DetachSingletons()
{
    GetAchievementSystem().SetPlayerContext(nullptr);
    GetAchievementSystem().SetScreens(nullptr);
    GetFreePlay().SetScreens(nullptr);
}

void PemberquillGame::ShutDownStartedScreens()
{
    if (m_ui.IsInitialized()) {
        m_ui.Shutdown();
    }
    if (m_animations.IsInitialized()) {
        m_animations.Shutdown();
    }
}

PemberquillGame* PemberquillGame::GetGlobal()
{
    return g_game;
}

void PemberquillGame::RegisterEventHandlers()
{
    struct Subscription {
        const char* eventName;
        void (PemberquillGame::*handler)(NamedProperties&);
    };
    static const Subscription SUBSCRIPTIONS[] = {
        {"OnStartupLoadingTaskComplete", &PemberquillGame::Event_OnStartupLoadingTaskComplete},
        {"PuzzleViewRenderEvent", &PemberquillGame::Event_OnPuzzleViewRender},
        {"PuzzleViewRenderThumbnailEvent", &PemberquillGame::Event_OnPuzzleViewRenderThumbnail},
        {"OnToggleCandidate", &PemberquillGame::Event_OnToggleCandidate},
        {"OnSetSquareValue", &PemberquillGame::Event_OnSetSquareValue},
        {"OnToggleSolutionInvalid", &PemberquillGame::Event_OnToggleSolutionInvalid},
        {"PlayPuzzleEvent", &PemberquillGame::Event_OnPlayPuzzle},
        {"SolvePuzzleEvent", &PemberquillGame::Event_OnSolvePuzzle},
        {"GiveHintEvent", &PemberquillGame::Event_OnGiveHint},
        {"BeginWhatIfEvent", &PemberquillGame::Event_OnBeginWhatIf},
        {"AcceptWhatIfEvent", &PemberquillGame::Event_OnAcceptWhatIf},
        {"RejectWhatIfEvent", &PemberquillGame::Event_OnRejectWhatIf},
        {"TogglePauseEvent", &PemberquillGame::Event_OnTogglePause},
        {"BeginAutoSolvingEvent", &PemberquillGame::Event_OnBeginAutoSolving},
        {"EndAutoSolvingEvent", &PemberquillGame::Event_OnEndAutoSolving},
        {"TeachMechanicsEvent", &PemberquillGame::Event_OnTeachMechanics},
        {"RewindPuzzleEvent", &PemberquillGame::Event_OnRewindPuzzle},
        {"UndoEvent", &PemberquillGame::Event_OnUndo},
        {"RedoEvent", &PemberquillGame::Event_OnRedo},
        {"ShowInstructionsEvent", &PemberquillGame::Event_OnShowInstructions},
        {"HideInstructionsEvent", &PemberquillGame::Event_OnHideInstructions},
        {"ShowOptionsEvent", &PemberquillGame::Event_OnShowOptions},
        {"HideOptionsEvent", &PemberquillGame::Event_OnHideOptions},
        {"OnPlayerProfileSelected", &PemberquillGame::Event_OnPlayerProfileSelected},
        {"PlayablePuzzleShownEvent", &PemberquillGame::Event_OnPlayablePuzzleShown},
        {"PlayablePuzzleUpdateEvent", &PemberquillGame::Event_OnPlayablePuzzleUpdate},
        {"PlayablePuzzleHiddenEvent", &PemberquillGame::Event_OnPlayablePuzzleHidden},
        {"ResetCampaignPuzzleEvent", &PemberquillGame::Event_OnResetPuzzle},
        {"ResetFreePlayPuzzleEvent", &PemberquillGame::Event_OnResetPuzzle},
        {"HideSplashScreenDialogEvent", &PemberquillGame::Event_OnHideSplashScreenDialog},
    };
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    for (const Subscription& subscription : SUBSCRIPTIONS) {
        RegisterEventHandler(subscription.eventName, eventSystem, subscription.handler, this);
    }
}

void PemberquillGame::RunLoadingTasks()
{
    StartProfiling("Audio startup");
    m_audio.Startup(m_clock.get());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("SteamInterface startup");
    GetSteamInterface().Startup(m_clock.get());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("AchievementSystem startup");
    // Before its start-up, which loads the achievements' images through them.
    GetAchievementSystem().SetScreens(&m_achievementScreens);
    GetAchievementSystem().Startup(m_clock.get());
    GetAchievementSystem().SetPlayerContext(&m_achievementContext);
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("Credits startup");
    GetCredits().Startup(m_clock.get());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("PuzzleChef startup");
    m_puzzleChef.Startup(m_clock.get());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("FreePlay startup");
    GetFreePlay().Startup(m_clock.get());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("Campaign startup");
    m_campaign.Startup(m_clock.get());
    m_campaign.SetAccomplishmentsReceiver(&GetAchievementSystem());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("Instructor startup");
    m_instructor.Startup(m_clock.get());
    m_instructor.SetActiveProfileLookup([this] { return m_profileManager.GetActiveProfile(); });
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("GUI startup");
    m_gui = std::make_unique<PemberquillGUI>();
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("Animations startup");
    m_animations.Startup();
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("PQUI startup");
    m_ui.Startup(*m_clock);
    m_campaign.SetScreens(&m_campaignScreens);
    GetFreePlay().SetScreens(&m_freePlayScreens);
    m_instructor.SetScreens(&m_instructorScreens);
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("ProfileManager startup");
    m_profileManager.Startup(GetSteamInterface().GetUserName());

    StartProfiling("PQRenderer startup");
    m_renderer.Startup();

    PemberquillOptions& options = GetPemberquillOptions();
    StartProfiling("Load Options");
    options.LoadOptions(m_profileManager.GetActiveProfileFileStem());
    StartProfiling("Register options callbacks");
    options.RegisterEventHandlers();
    StartProfiling("Fire Options events");
    options.FireAllEvents();

    StartProfiling("Load splash screens");
    LoadSplashScreens();

    StartProfiling("Start regional sounds");
    StartRegionSounds("Menu");
    StartProfiling("");
}

void PemberquillGame::FinishStartup()
{
    if (UlvoConsoleInterface* console = UlvoConsoleInterface::GetDefaultInstance()) {
        console->SetFont("MainFont", 18, false, false);
    }
    NamedProperties args;
    args.Set<std::string>("Label", Stringf("Version %d.%02d", VERSION_MAJOR, VERSION_MINOR));
    FireGlobalEvent("VersionTextChangedEvent", args);
}

std::string PemberquillGame::GetSplashScreenName(int index)
{
    return Stringf("Images/SplashScreens/splash%02d.png", index);
}

void PemberquillGame::LoadSplashScreens()
{
    for (int index = 0; index < MAX_SPLASH_SCREENS; ++index) {
        const std::string name = GetSplashScreenName(index);
        std::FILE* file = std::fopen(("Data/" + name).c_str(), "rb");
        if (file == nullptr) {
            return;
        }
        std::fclose(file);
        m_splashScreens.push_back(SplashScreen{name, 0.0, SPLASH_SCREEN_SECONDS});
    }
}

bool PemberquillGame::UpdateSplashScreens()
{
    if (m_splashScreens.empty()) {
        if (!m_isMainMenuPushed) {
            m_isMainMenuPushed = true;
            m_ui.PushWindow(GAME_WINDOW_TITLE, false);
            m_profileManager.ShowPendingNotice();
        }
        return false;
    }
    const double now = m_clock->GetTime();
    SplashScreen& current = m_splashScreens.front();
    if (current.endTime > 0.0) {
        if (current.endTime >= now) {
            return true;
        }
        m_ui.PopWindow(GAME_WINDOW_SPLASH_SCREEN, false);
        m_splashScreens.erase(m_splashScreens.begin());
        if (m_splashScreens.empty()) {
            return true;
        }
    }
    SplashScreen& next = m_splashScreens.front();
    next.endTime = now + next.duration;
    m_ui.CreateSplashScreenDialog(next.imageName, "HideSplashScreenDialogEvent");
    m_ui.PushWindow(GAME_WINDOW_SPLASH_SCREEN, false);
    return true;
}

void PemberquillGame::Update()
{
    if (UpdateSplashScreens()) {
        return;
    }
    GetSteamInterface().Update();
    ShowSaveFailureNotice();
    m_instructor.UpdateLayout();
    GetAchievementSystem().ShowUnlockDialogs();
    m_campaign.Update();
    if (m_audio.IsOneOffDue()) {
        m_audio.PlayRandomOneOff();
    }
    GetFreePlay().Update();
    FollowPointer();
}

void PemberquillGame::ShowSaveFailureNotice()
{
    SaveFailure failure;
    if (m_ui.IsWindowShown(GAME_WINDOW_INFORMATION) || !TakeSaveFailureNotice(failure)) {
        return;
    }
    std::vector<std::string> description = DescribeSaveFailures({failure});
    description.push_back("The game plays on and tries again at each save.");
    std::vector<TextLines> lines;
    for (size_t line = 0; line < description.size(); ++line) {
        lines.emplace_back(description[line], line == 0 ? SAVE_NOTICE_TITLE_COLOR : SAVE_NOTICE_TEXT_COLOR, nullptr,
                           SAVE_NOTICE_FONT_SIZE);
    }
    m_ui.ShowInformationDialog("", lines, "OK");
    m_ui.PushWindow(GAME_WINDOW_INFORMATION, false);
    PlaySound(SOUND_UI_DIALOG_NORMAL);
}

void PemberquillGame::FollowPointer()
{
    if (UlvoInputInterface* input = UlvoInputInterface::GetDefaultInstance()) {
        input->GetMousePosition(m_mouseX, m_mouseY);
    }
    if (m_activePuzzleView != nullptr) {
        m_activePuzzleView->UpdateBoards(Vector2(static_cast<float>(m_mouseX), static_cast<float>(m_mouseY)));
    }
}

bool PemberquillGame::HandleKey(int action, int key)
{
    if (UlvoInputInterface::GetDefaultInstance() == nullptr) {
        return false;
    }
    if (IsMouseButtonPair(action, key)) {
        FollowPointer();
    }
    if (m_campaign.OnKeyEvent(action, key) || GetFreePlay().OnKeyEvent(action, key)) {
        return true;
    }
    GameSubsystem* const subsystems[] = {&m_instructor, m_gui.get(), &m_animations, &m_ui, &m_audio, &m_profileManager};
    for (GameSubsystem* subsystem : subsystems) {
        if (subsystem != nullptr && subsystem->OnKeyEvent(action, key)) {
            return true;
        }
    }
    return false;
}

void PemberquillGame::Event_OnStartupLoadingTaskComplete(NamedProperties& /*args*/)
{
    m_loadingScreen.ReportStep();
}

// ------------------------------------------------------------ play

void PemberquillGame::PlayGameSound(GameSoundID sound) const
{
    if (!m_isAutoSolving && GetPemberquillOptions().IsPlayingSounds()) {
        PlaySound(sound);
    }
}

void PemberquillGame::PlayPuzzle(Puzzle* puzzle)
{
    ULVO_ASSERT(puzzle, "Cannot play a NULL puzzle.", "PemberquillGame::PlayPuzzle");
    if (!m_puzzleChef.BuildBoardsForPuzzle(puzzle)) {
        // Nothing to play; the owner still shows the puzzle, so say why it
        // stays empty.
        ConsolePrintf("ERROR: The boards of puzzle \"%s\" could not be built.\n", puzzle->GetPuzzleID().c_str());
        return;
    }
    ResetHint();
    PutDownBrush();
    // A mistake on an earlier puzzle must not cost this one its clean solve.
    FireGlobalEvent("StartNewPuzzleEvent");
    if (puzzle->IsUnlockPuzzle()) {
        PlayGameSound(SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_BOSS);
        // A lesson still open from the puzzle before must not cover the
        // challenge.
        NamedProperties none;
        m_instructor.Event_OnHideTeachAGameMechanic(none);
    } else {
        PlayGameSound(SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL);
    }
    puzzle->Start();
    m_instructor.ShowTeachAGameMechanic(puzzle);
}

void PemberquillGame::ResetHint()
{
    ResetHintStage(m_hint);
    // The board a hint pointed at may go with its puzzle; a later hint must
    // never match against it.
    m_hint = HintRecord();
    if (HintCallOutInterface* callOuts = GetHintCallOuts()) {
        callOuts->DestroyCallOutsByChannel(HINT_CHANNEL);
    }
    NamedProperties text;
    text.Set<std::string>("Label", "");
    text.Set("BaseColor", NO_HINT_BASE_COLOR);
    FireGlobalEvent("HintTextChangedEvent", text);
}

void PemberquillGame::PutDownBrush() const
{
    if (GetPemberquillOptions().IsPaintingCages()) {
        FireGlobalEvent("EndPaintingEvent");
    }
}

void PemberquillGame::ShowHintForPuzzle()
{
    // A puzzle out of play, solved or paused, is offered no tip: one shown
    // there would still count as taken.
    Puzzle* puzzle = GetShownPuzzle();
    if (puzzle == nullptr || !puzzle->IsActive()) {
        return;
    }
    // Several mistakes are better undone at once than explained one by one.
    if (puzzle->GetMistakes().size() > 1) {
        m_ui.CreateRewindPuzzleDialog(puzzle);
        m_ui.PushWindow(GAME_WINDOW_REWIND_PUZZLE, false);
        return;
    }
    // A single mistake comes before any solver step.
    const PuzzleStep next = m_puzzleChef.FindNextPuzzleStep(*puzzle);
    if (next.board == nullptr || next.step.stepId == STEP_ID_STUCK) {
        return;
    }
    SetHintStage(next.ToHintRecord(), m_hint);
    ShowHintText(m_hint, GetHintCallOuts());
}

void PemberquillGame::Event_OnToggleCandidate(NamedProperties& /*args*/)
{
    PlayGameSound(SOUND_PLAYINGPUZZLE_CANDIDATE_TOGGLED);
    ResetHint();
}

void PemberquillGame::Event_OnSetSquareValue(NamedProperties& args)
{
    unsigned value = 0;
    if (args.Get("solverValue", value) != PROPERTY_FETCH_OK) {
        return;
    }
    PlayGameSound(value != 0 ? SOUND_PLAYINGPUZZLE_SQUARE_VALUE_SET : SOUND_PLAYINGPUZZLE_SQUARE_VALUE_CLEARED);
    ResetHint();
}

void PemberquillGame::Event_OnToggleSolutionInvalid(NamedProperties& /*args*/)
{
    ResetHint();
}

void PemberquillGame::Event_OnPlayPuzzle(NamedProperties& args)
{
    Puzzle* puzzle = nullptr;
    const int result = args.Get("Puzzle", puzzle);
    ULVO_ASSERT(result == PROPERTY_FETCH_OK, "Unable to find the required Puzzle* inside NewPuzzleEvent.",
                "PemberquillGame::Event_OnPlayPuzzle");
    PlayPuzzle(puzzle);
}

void PemberquillGame::Event_OnSolvePuzzle(NamedProperties& /*args*/)
{
    PlayGameSound(SOUND_PLAYINGPUZZLE_PUZZLE_SOLVED);
    ResetHint();
}

void PemberquillGame::Event_OnGiveHint(NamedProperties& /*args*/)
{
    ShowHintForPuzzle();
    PlayGameSound(SOUND_PLAYINGPUZZLE_HINT_GIVEN);
}

void PemberquillGame::Event_OnTogglePause(NamedProperties& /*args*/)
{
    const bool paused = !m_clock->IsPaused();
    m_clock->SetPaused(paused);
    NamedProperties visibility;
    visibility.Set("AbleToBeVisible", paused);
    FireGlobalEvent("SetPauseWindowVisibilityEvent", visibility);
    NamedProperties interaction;
    interaction.Set("IsAllowed", !paused);
    FireGlobalEvent("SetIsBoardInteractionPermitted", interaction);
}

void PemberquillGame::Event_OnBeginAutoSolving(NamedProperties& /*args*/)
{
    m_isAutoSolving = true;
    m_boardSettings.SetAutoSolving(true);
}

void PemberquillGame::Event_OnEndAutoSolving(NamedProperties& /*args*/)
{
    m_isAutoSolving = false;
    m_boardSettings.SetAutoSolving(false);
}

void PemberquillGame::Event_OnUndo(NamedProperties& args)
{
    if (Puzzle* puzzle = GetPuzzleInPlay(args)) {
        puzzle->Undo();
    }
}

void PemberquillGame::Event_OnRedo(NamedProperties& args)
{
    if (Puzzle* puzzle = GetPuzzleInPlay(args)) {
        puzzle->Redo();
    }
}

void PemberquillGame::Event_OnPlayablePuzzleShown(NamedProperties& args)
{
    const char* const title = "PemberquillGame::Event_OnPlayablePuzzleShown";
    Puzzle* puzzle = nullptr;
    AABB2 bounds;
    const int puzzleResult = args.Get("ShowEventToFireProperty", puzzle);
    ULVO_ASSERT(puzzleResult == PROPERTY_FETCH_OK, "Puzzle is required for PlayablePuzzleShown event.", title);
    const int boundsResult = args.Get("Bounds", bounds);
    ULVO_ASSERT(boundsResult == PROPERTY_FETCH_OK, "Bounds are required for PlayablePuzzleShown event.", title);
    ULVO_ASSERT(puzzle, "Puzzle is required for PlayablePuzzleShown event.", title);
    ULVO_ASSERT(!m_activePuzzleView, "PlayablePuzzleShownEvent caught, but we already have an active puzzle view.",
                title);
    m_activePuzzleView = std::make_unique<PuzzleDisplay>(puzzle, false, bounds);
}

void PemberquillGame::Event_OnPlayablePuzzleHidden(NamedProperties& args)
{
    const char* const title = "PemberquillGame::Event_OnPlayablePuzzleHidden";
    Puzzle* puzzle = nullptr;
    AABB2 bounds;
    const int puzzleResult = args.Get("HideEventToFireProperty", puzzle);
    ULVO_ASSERT(puzzleResult == PROPERTY_FETCH_OK, "Puzzle is required for PlayablePuzzleHidden event.", title);
    const int boundsResult = args.Get("Bounds", bounds);
    ULVO_ASSERT(boundsResult == PROPERTY_FETCH_OK, "Bounds are required for PlayablePuzzleHidden event.", title);
    ULVO_ASSERT(puzzle, "Puzzle is required for PlayablePuzzleHidden event.", title);
    ULVO_ASSERT(m_activePuzzleView, "PlayablePuzzleHiddenEvent caught, but there was no active puzzle view.", title);
    m_activePuzzleView.reset();
    PutDownBrush();
}

// The restarted board holds nothing that the hint or a lesson's step
// pointed at; leaving the puzzle clears them the same way. The lesson beside
// the board then is the one the puzzle starts with, pointer and all, or
// none: never a text whose pointer has gone.
void PemberquillGame::Event_OnResetPuzzle(NamedProperties& /*args*/)
{
    ResetHint();
    if (HintCallOutInterface* callOuts = GetHintCallOuts()) {
        callOuts->DestroyCallOutsByChannel(INSTRUCTOR_HINT_CHANNEL);
    }
    if (Puzzle* puzzle = GetShownPuzzle()) {
        m_instructor.ShowTeachAGameMechanic(puzzle);
    }
}

void PemberquillGame::Event_OnHideSplashScreenDialog(NamedProperties& /*args*/)
{
    if (!m_splashScreens.empty()) {
        m_splashScreens.erase(m_splashScreens.begin());
        m_ui.PopWindow(GAME_WINDOW_SPLASH_SCREEN, false);
    }
}

void PemberquillGame::Event_OnShowOptions(NamedProperties& /*args*/)
{
    m_ui.PushWindow(GAME_WINDOW_OPTIONS, false);
}

void PemberquillGame::Event_OnHideOptions(NamedProperties& /*args*/)
{
    m_ui.PopWindow(GAME_WINDOW_OPTIONS, false);
}

// ------------------------------------------------------------ play screen

void PemberquillGame::RenderPuzzleView(NamedProperties& args, bool isThumbnail, const char* handlerName)
{
    Puzzle* puzzle = nullptr;
    if (args.Get("PostRenderEventToFireProperty", puzzle) != PROPERTY_FETCH_OK || puzzle == nullptr) {
        args.Get("PreRenderEventToFireProperty", puzzle);
    }
    ULVO_ASSERT(puzzle,
                "Received PuzzleViewRender event with NULL or missing puzzle!\n  (should be found in the "
                "\"PostRenderEventToFireProperty\" property)",
                handlerName);
    AABB2 bounds;
    const int boundsResult = args.Get("Bounds", bounds);
    ULVO_ASSERT(boundsResult == PROPERTY_FETCH_OK,
                "Received PuzzleViewRender event with missing widget bounds (\"Bounds\")!", handlerName);
    PuzzleDisplay display(puzzle, isThumbnail, bounds);
    PemberquillRenderer::DrawPuzzle(display);
}

void PemberquillGame::Event_OnPuzzleViewRender(NamedProperties& args)
{
    RenderPuzzleView(args, false, "PemberquillGame::Event_OnPuzzleViewRender");
}

void PemberquillGame::Event_OnPuzzleViewRenderThumbnail(NamedProperties& args)
{
    RenderPuzzleView(args, true, "PemberquillGame::Event_OnPuzzleViewRenderThumbnail");
}

void PemberquillGame::StepWhatIf(NamedProperties& args, void (Puzzle::*step)(), GameSoundID sound,
                                 bool isTrialRunning)
{
    Puzzle* puzzle = GetActivationPuzzle(args);
    if (puzzle == nullptr) {
        return;
    }
    (puzzle->*step)();
    PlayGameSound(sound);
    NamedProperties button;
    button.Set("AbleToBeVisible", !isTrialRunning);
    FireGlobalEvent("SetWhatIfButtonVisibilityEvent", button);
    NamedProperties acceptReject;
    acceptReject.Set("AbleToBeVisible", isTrialRunning);
    FireGlobalEvent("SetWhatIfAcceptRejectVisibilityEvent", acceptReject);
    ResetHint();
}

void PemberquillGame::Event_OnBeginWhatIf(NamedProperties& args)
{
    StepWhatIf(args, &Puzzle::BeginWhatIf, SOUND_PLAYINGPUZZLE_WHATIF_STARTED, true);
}

void PemberquillGame::Event_OnAcceptWhatIf(NamedProperties& args)
{
    StepWhatIf(args, &Puzzle::AcceptWhatIf, SOUND_PLAYINGPUZZLE_WHATIF_ACCEPTED, false);
}

void PemberquillGame::Event_OnRejectWhatIf(NamedProperties& args)
{
    StepWhatIf(args, &Puzzle::RejectWhatIf, SOUND_PLAYINGPUZZLE_WHATIF_REJECTED, false);
}

void PemberquillGame::Event_OnRewindPuzzle(NamedProperties& args)
{
    if (Puzzle* puzzle = GetPuzzleInPlay(args)) {
        puzzle->Rewind();
    }
    m_ui.PopWindow(GAME_WINDOW_REWIND_PUZZLE, false);
    if (HintCallOutInterface* callOuts = GetHintCallOuts()) {
        callOuts->DestroyCallOutsByChannel(HINT_CHANNEL);
    }
}

void PemberquillGame::Event_OnPlayablePuzzleUpdate(NamedProperties& args)
{
    const char* const title = "PemberquillGame::Event_OnPlayablePuzzleUpdate";
    AABB2 bounds;
    const int boundsResult = args.Get("Bounds", bounds);
    ULVO_ASSERT(boundsResult == PROPERTY_FETCH_OK, "Bounds are required for PlayablePuzzleUpdate event.", title);
    ULVO_ASSERT(m_activePuzzleView, "PlayablePuzzleUpdate caught, but there was no active puzzle view!", title);
    m_activePuzzleView->SetBounds(bounds);
    m_activePuzzleView->Layout();
}

void PemberquillGame::Event_OnShowInstructions(NamedProperties& /*args*/)
{
    m_ui.CreateTutorialWindow();
    m_ui.PushWindow(GAME_WINDOW_TUTORIAL, false);
}

void PemberquillGame::Event_OnHideInstructions(NamedProperties& /*args*/)
{
    m_isAutoSolving = false;
    if (m_gui != nullptr) {
        m_gui->SetInstructionsHidden(true);
    }
    m_ui.PopWindow(GAME_WINDOW_TUTORIAL, false);
    if (HintCallOutInterface* callOuts = GetHintCallOuts()) {
        callOuts->DestroyCallOutsByChannel(INSTRUCTOR_HINT_CHANNEL);
    }
}

void PemberquillGame::Event_OnPlayerProfileSelected(NamedProperties& args)
{
    std::string name;
    args.Get("NewlySelectedPlayerProfileName", name);
    const std::string stem = m_profileManager.GetProfileFileStem(name);
    if (!stem.empty()) {
        GetPemberquillOptions().LoadOptions(stem);
    }
    PlayerProfile* profile = nullptr;
    args.Get("NewlySelectedPlayerProfile", profile);
    m_campaign.SelectProgress(profile != nullptr ? &profile->GetCampaignProgress() : nullptr);
    // The greeting takes back the title's size, which the line shown while
    // there was no player made smaller.
    NamedProperties greeting;
    greeting.Set("FontHeight", PemberquillUI::TITLE_FONT_HEIGHT);
    greeting.Set<std::string>("Label", Stringf("Welcome, %s", name.c_str()));
    FireGlobalEvent("ActivePlayerProfileNameChangedEvent", greeting);
}

void PemberquillGame::Event_OnTeachMechanics(NamedProperties& args)
{
    PlayerProfile* profile = m_profileManager.GetActiveProfile();
    if (profile == nullptr) {
        return;
    }
    const TeachableGameMechanics known = profile->GetGameMechanicsKnown();
    TeachableGameMechanics toTeach;
    int parentWindowHandle = PemberquillUI::NO_WINDOW;
    args.Get("GameMechanicsToTeach", toTeach);
    args.Get("ParentWindowContextHandle", parentWindowHandle);
    m_instructor.TeachGameMechanic(parentWindowHandle, toTeach - known, nullptr, nullptr);
}

}  // namespace Pemberquill
