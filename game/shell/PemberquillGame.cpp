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
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/solver/HintCallOutInterface.h"
#include "game/shell/FreePlay.h"
#include "game/shell/HintStages.h"
#include "game/shell/PemberquillOptions.h"
#include "game/shell/StartupProfiling.h"
#include "game/steam/AchievementSystem.h"
#include "game/steam/SteamInterface.h"

namespace Pemberquill {

namespace {

PemberquillGame* g_game = nullptr;

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
constexpr Rgba NO_HINT_BASE_COLOR{0, 0, 0, 0};

// The puzzle a button hands over with its activation; null when it names none.
Puzzle* GetActivationPuzzle(NamedProperties& args)
{
    Puzzle* puzzle = nullptr;
    args.Get("OnActivationEventNameProperty", puzzle);
    return puzzle;
}

}  // namespace

PemberquillGame::PemberquillGame(Clock* parentClock)
{
    g_game = this;
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
        if (GetAchievementSystem().IsInitialized()) {
            GetAchievementSystem().Shutdown();
        }
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
    GetAchievementSystem().Shutdown();
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
        {"OnToggleCandidate", &PemberquillGame::Event_OnToggleCandidate},
        {"OnSetSquareValue", &PemberquillGame::Event_OnSetSquareValue},
        {"OnToggleSolutionInvalid", &PemberquillGame::Event_OnToggleSolutionInvalid},
        {"PlayPuzzleEvent", &PemberquillGame::Event_OnPlayPuzzle},
        {"SolvePuzzleEvent", &PemberquillGame::Event_OnSolvePuzzle},
        {"GiveHintEvent", &PemberquillGame::Event_OnGiveHint},
        {"TogglePauseEvent", &PemberquillGame::Event_OnTogglePause},
        {"BeginAutoSolvingEvent", &PemberquillGame::Event_OnBeginAutoSolving},
        {"EndAutoSolvingEvent", &PemberquillGame::Event_OnEndAutoSolving},
        {"UndoEvent", &PemberquillGame::Event_OnUndo},
        {"RedoEvent", &PemberquillGame::Event_OnRedo},
        {"PlayablePuzzleShownEvent", &PemberquillGame::Event_OnPlayablePuzzleShown},
        {"PlayablePuzzleHiddenEvent", &PemberquillGame::Event_OnPlayablePuzzleHidden},
        {"ShowOptionsEvent", &PemberquillGame::Event_OnShowOptions},
        {"HideOptionsEvent", &PemberquillGame::Event_OnHideOptions},
        {"HideSplashScreenDialogEvent", &PemberquillGame::Event_OnHideSplashScreenDialog},
        {"PuzzleViewRenderThumbnailEvent", &PemberquillGame::Event_OnPuzzleViewRenderThumbnail},
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
    GetAchievementSystem().Startup(m_clock.get());
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

    StartProfiling("GUI startup");
    m_gui = std::make_unique<PemberquillGUI>();
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("Animations startup");
    m_animations.Startup();
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("PQUI startup");
    m_ui.Startup(*m_clock);
    m_campaign.SetScreens(&m_campaignScreens);
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("PQRenderer startup");
    m_renderer.Startup();

    PemberquillOptions& options = GetPemberquillOptions();
    StartProfiling("Load Options");
    options.LoadOptions(PROFILE_FILE_STEM);
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
        }
        return false;
    }
    const double now = m_clock->GetTime();
    SplashScreen& current = m_splashScreens.front();
    if (current.endTime > 0.0) {
        if (current.endTime >= now) {
            return true;
        }
        m_splashScreens.erase(m_splashScreens.begin());
        if (m_splashScreens.empty()) {
            return true;
        }
    }
    m_splashScreens.front().endTime = now + m_splashScreens.front().duration;
    return true;
}

void PemberquillGame::Update()
{
    if (UpdateSplashScreens()) {
        return;
    }
    GetSteamInterface().Update();
    GetAchievementSystem().ShowUnlockDialogs();
    m_campaign.Update();
    if (m_audio.IsOneOffDue()) {
        m_audio.PlayRandomOneOff();
    }
    GetFreePlay().Update();
    UpdateMousePosition();
}

void PemberquillGame::UpdateMousePosition()
{
    if (UlvoInputInterface* input = UlvoInputInterface::GetDefaultInstance()) {
        input->GetMousePosition(m_mouseX, m_mouseY);
    }
}

bool PemberquillGame::HandleKey(int action, int key)
{
    if (UlvoInputInterface::GetDefaultInstance() == nullptr) {
        return false;
    }
    if (m_campaign.OnKeyEvent(action, key) || GetFreePlay().OnKeyEvent(action, key)) {
        return true;
    }
    GameSubsystem* const screens[] = {m_gui.get(), &m_animations, &m_ui};
    for (GameSubsystem* subsystem : screens) {
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
    // A mistake on an earlier puzzle must not cost this one its clean solve.
    FireGlobalEvent("StartNewPuzzleEvent");
    PlayGameSound(puzzle->IsUnlockPuzzle() ? SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_BOSS
                                           : SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL);
    puzzle->Start();
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

void PemberquillGame::ShowHintForPuzzle()
{
    if (m_shownPuzzle == nullptr) {
        return;
    }
    // The player's mistakes come before any solver step, and with several
    // the hint explains the first: the rewind dialog that undoes them all
    // at once belongs to the puzzle screens.
    const PuzzleStep next = m_puzzleChef.FindNextPuzzleStep(*m_shownPuzzle);
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
    if (Puzzle* puzzle = GetActivationPuzzle(args)) {
        puzzle->Undo();
    }
}

void PemberquillGame::Event_OnRedo(NamedProperties& args)
{
    if (Puzzle* puzzle = GetActivationPuzzle(args)) {
        puzzle->Redo();
    }
}

void PemberquillGame::Event_OnPuzzleViewRenderThumbnail(NamedProperties& args)
{
    Puzzle* puzzle = nullptr;
    AABB2 bounds;
    if (args.Get("PreRenderEventToFireProperty", puzzle) != PROPERTY_FETCH_OK || puzzle == nullptr) {
        ConsolePrintf("Received PuzzleViewRender event with NULL or missing puzzle!\n  (should be found in the "
                      "\"PreRenderEventToFireProperty\" property)\n");
        return;
    }
    if (args.Get("Bounds", bounds) != PROPERTY_FETCH_OK) {
        ConsolePrintf("Received PuzzleViewRender event with missing widget bounds (\"Bounds\")!\n");
        return;
    }
    PuzzleDisplay display(puzzle, true, bounds);
    PemberquillRenderer::DrawPuzzle(display);
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
    ULVO_ASSERT(!m_shownPuzzle, "PlayablePuzzleShownEvent caught, but we already have an active puzzle view.", title);
    m_shownPuzzle = puzzle;
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
    ULVO_ASSERT(m_shownPuzzle, "PlayablePuzzleHiddenEvent caught, but there was no active puzzle view.", title);
    m_shownPuzzle = nullptr;
}

void PemberquillGame::Event_OnHideSplashScreenDialog(NamedProperties& /*args*/)
{
    if (!m_splashScreens.empty()) {
        m_splashScreens.erase(m_splashScreens.begin());
    }
}

void PemberquillGame::Event_OnShowOptions(NamedProperties& /*args*/)
{
    m_ui.PushWindow(GAME_WINDOW_OPTIONS, false);
}

void PemberquillGame::Event_OnHideOptions(NamedProperties& /*args*/)
{
    m_ui.PopWindow(GAME_WINDOW_OPTIONS, true);
}

}  // namespace Pemberquill
