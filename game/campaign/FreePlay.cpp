#include "game/campaign/FreePlay.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/CageRules.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/options/PemberquillOptions.h"

#include <utility>

namespace Pemberquill {

namespace {

constexpr int TYPED_CHARACTER_ACTION = 4;
constexpr int NEXT_PUZZLE_KEY = 'n';

// The puzzle before its progress: its boards point into the progress.
void Release(ServedPuzzle& served)
{
    served.puzzle.reset();
    served.progress.reset();
}

} // namespace

FreePlay::~FreePlay()
{
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "FreePlay was deleted without Shutdown() being called.",
                              "FreePlay Destructor");
    Release(m_currentPuzzle);
}

void FreePlay::Startup(Clock* parent)
{
    ConsolePrintf("FreePlay Startup begun.\n");
    ULVO_ASSERT(!m_isInitialized, "Startup called on an initialized subsystem.", "FreePlay::Startup");
    RegisterEventHandlers();
    m_clock = std::make_unique<Clock>(parent);
    m_isInitialized = true;
    ConsolePrintf("FreePlay Startup complete.\n");
}

void FreePlay::Shutdown()
{
    ConsolePrintf("FreePlay Shutdown begun.\n");
    ULVO_ASSERT(m_isInitialized, "Shutdown called on an uninitialized FreePlay.", "FreePlay::Shutdown");
    m_isInitialized = false;
    m_isPlaying = false;
    m_nextPuzzleTime = -1.0;
    Release(m_currentPuzzle);
    m_clock.reset();
    ConsolePrintf("FreePlay Shutdown complete.\n");
}

void FreePlay::RegisterEventHandlers()
{
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    if (eventSystem == nullptr) {
        return;
    }
    // A second start-up must not make every handler run twice.
    eventSystem->UnregisterRecipient(this);

    using Handler = void (FreePlay::*)(NamedProperties&);
    struct Subscription {
        const char* eventName;
        Handler handler;
    };
    static const Subscription SUBSCRIPTIONS[] = {
        {"PlayFreePlayEvent", &FreePlay::Event_OnPlayFreePlay},
        {"PlayFreePlayPuzzleEvent", &FreePlay::Event_OnPlayFreePlayPuzzle},
        {"ShowFreePlayEscapeDialogEvent", &FreePlay::Event_OnShowFreePlayEscapeDialog},
        {"HideFreePlayEscapeDialogEvent", &FreePlay::Event_OnHideFreePlayEscapeDialog},
        {"QuitFreePlayPuzzleEvent", &FreePlay::Event_OnQuitFreePlayPuzzle},
        {"QuitFreePlayEvent", &FreePlay::Event_OnQuitFreePlay},
        {"ResetFreePlayPuzzleEvent", &FreePlay::Event_OnResetFreePlayPuzzle},
        {"ShowCageRules1DialogEvent", &FreePlay::Event_OnShowCageRules1Dialog},
        {"ShowCageRules2DialogEvent", &FreePlay::Event_OnShowCageRules2Dialog},
        {"HideCageRulesDialogEvent", &FreePlay::Event_OnHideCageRulesDialog},
        {"ToggleCanUseEqualsEvent", &FreePlay::Event_OnToggleCanUseRule<0>},
        {"ToggleCanUseAdditionEvent", &FreePlay::Event_OnToggleCanUseRule<1>},
        {"ToggleCanUseMultiplicationEvent", &FreePlay::Event_OnToggleCanUseRule<2>},
        {"ToggleCanUseSubtractionEvent", &FreePlay::Event_OnToggleCanUseRule<3>},
        {"ToggleCanUseDivisionEvent", &FreePlay::Event_OnToggleCanUseRule<4>},
        {"ToggleCanUseStraightEvent", &FreePlay::Event_OnToggleCanUseRule<5>},
        {"ToggleCanUseComparisonsEvent", &FreePlay::Event_OnToggleCanUseRule<6>},
        {"ToggleCanUseEvenEvent", &FreePlay::Event_OnToggleCanUseRule<7>},
        {"ToggleCanUseOddEvent", &FreePlay::Event_OnToggleCanUseRule<8>},
        {"ToggleCanUseNoOpEvent", &FreePlay::Event_OnToggleCanUseRule<9>},
    };
    for (const Subscription& subscription : SUBSCRIPTIONS) {
        RegisterEventHandler(subscription.eventName, eventSystem, subscription.handler, this);
    }
}

// ------------------------------------------------------------ play

void FreePlay::Update()
{
    if (!m_isPlaying || m_clock == nullptr) {
        return;
    }
    const double now = m_clock->GetTime();
    const Puzzle* puzzle = GetCurrentPuzzle();
    if (puzzle != nullptr && puzzle->IsSolved() && m_nextPuzzleTime < 0.0) {
        m_nextPuzzleTime = now + SOLVED_PUZZLE_DISPLAY_SECONDS;
        FireGlobalEvent("SolvePuzzleEvent");
    }
    if (m_nextPuzzleTime > 0.0 && m_nextPuzzleTime < now) {
        m_nextPuzzleTime = -1.0;
        MoveToNextPuzzle();
    }
}

bool FreePlay::OnKeyEvent(int action, int key)
{
    if (!m_isPlaying) {
        return false;
    }
    if (Puzzle* puzzle = GetCurrentPuzzle()) {
        if (puzzle->HandleInput(action, key)) {
            return true;
        }
    }
    if (action == TYPED_CHARACTER_ACTION && key == NEXT_PUZZLE_KEY) {
        Stop();
        MoveToNextPuzzle();
    }
    return false;
}

void FreePlay::Play(ServedPuzzle puzzle)
{
    // The replaced puzzle lives until the game object has switched to the
    // new one, which it does on "PlayPuzzleEvent" below.
    ServedPuzzle previous;
    if (puzzle) {
        previous = std::move(m_currentPuzzle);
        m_currentPuzzle = std::move(puzzle);
        // A pause that belonged to the replaced puzzle must not cut the new
        // one short.
        m_nextPuzzleTime = -1.0;
    }
    Puzzle* current = GetCurrentPuzzle();
    if (current != nullptr) {
        if (m_screens != nullptr) {
            m_screens->CreatePuzzleWindow(current, "ShowFreePlayEscapeDialogEvent", false, false);
        }
        PushWindow(PUZZLE_WINDOW);
        NamedProperties args;
        args.Set("Puzzle", current);
        FireGlobalEvent("PlayPuzzleEvent", args);
        m_isPlaying = true;
    }
    Release(previous);
}

ServedPuzzle FreePlay::NextPuzzle()
{
    const PemberquillOptions& options = GetPemberquillOptions();
    PuzzleChef* chef = PuzzleChef::GetDefaultInstance();
    if (chef == nullptr) {
        ConsolePrintf("ERROR: FreePlay found no PuzzleChef to make a puzzle.\n");
        return ServedPuzzle();
    }
    PuzzleRequest request = BuildPuzzleRequest(options);
    return chef->GetPuzzle(request, options.GetPuzzleSeed(), m_clock.get());
}

void FreePlay::Stop()
{
    ULVO_ASSERT(m_isPlaying == true, "Stop called while FreePlay was not playing.", "FreePlay::Stop");
    m_isPlaying = false;
    if (Puzzle* puzzle = GetCurrentPuzzle()) {
        puzzle->ResetBoardFocus();
    }
}

void FreePlay::MoveToNextPuzzle()
{
    // The next puzzle is made before the current one goes, so that a chef
    // that makes none never leaves a released puzzle in the game's hands.
    ServedPuzzle next = NextPuzzle();
    if (next) {
        Play(std::move(next));
        return;
    }
    ConsolePrintf("WARNING: FreePlay could not make the next puzzle; returning to the puzzle builder.\n");
    if (m_isPlaying) {
        Stop();
    }
    PopWindow(PUZZLE_WINDOW);
}

PuzzleRequest FreePlay::BuildPuzzleRequest(const PemberquillOptions& options)
{
    PuzzleRequest request(static_cast<int>(options.GetPuzzleSize()), options.GetDifficultyRating(),
                          options.GetBoard1Type(),
                          options.ShouldBoard1BeCageless() ? static_cast<int>(SOLVING_ATTRIBUTE_HIDDEN_CAGES) : 0,
                          options.GetBoard2Type(),
                          options.ShouldBoard2BeCageless() ? static_cast<int>(SOLVING_ATTRIBUTE_HIDDEN_CAGES) : 0,
                          options.GetSolvabilityType());
    request.cageRules1 = options.GetCageRules1();
    request.cageRules2 = options.GetCageRules2();
    request.generatorTypeIndex = 1;
    request.generatorVersion = 1.0f;
    return request;
}

void FreePlay::PushWindow(int windowId)
{
    if (m_screens != nullptr) {
        m_screens->PushWindow(windowId, false);
    }
}

void FreePlay::PopWindow(int windowId)
{
    if (m_screens != nullptr) {
        m_screens->PopWindow(windowId, false);
    }
}

// ------------------------------------------------------------ events

void FreePlay::Event_OnPlayFreePlay(NamedProperties& args)
{
    m_exitEventName.clear();
    args.Get("EventToFireOnFreePlayExit", m_exitEventName);
    if (m_screens != nullptr) {
        m_screens->CreateFreePlayWindow("New Puzzle", "PlayFreePlayPuzzleEvent", "Play a custom-built puzzle.");
    }
    GetPemberquillOptions().FireAllEvents();
    PushWindow(FREE_PLAY_WINDOW);
}

void FreePlay::Event_OnPlayFreePlayPuzzle(NamedProperties&)
{
    Play(NextPuzzle());
}

void FreePlay::Event_OnShowFreePlayEscapeDialog(NamedProperties&)
{
    PushWindow(FREE_PLAY_ESCAPE_MENU);
}

void FreePlay::Event_OnHideFreePlayEscapeDialog(NamedProperties&)
{
    PopWindow(FREE_PLAY_ESCAPE_MENU);
}

void FreePlay::Event_OnQuitFreePlayPuzzle(NamedProperties&)
{
    Stop();
    PopWindow(FREE_PLAY_ESCAPE_MENU);
    PopWindow(PUZZLE_WINDOW);
}

void FreePlay::Event_OnQuitFreePlay(NamedProperties&)
{
    PopWindow(FREE_PLAY_WINDOW);
    if (!m_exitEventName.empty()) {
        FireGlobalEvent(m_exitEventName);
    }
}

void FreePlay::Event_OnResetFreePlayPuzzle(NamedProperties&)
{
    Puzzle* puzzle = GetCurrentPuzzle();
    if (puzzle == nullptr) {
        return;
    }
    puzzle->Restart();
    // The restarted puzzle is no longer solved; it must not be replaced.
    m_nextPuzzleTime = -1.0;
    PopWindow(FREE_PLAY_ESCAPE_MENU);
}

void FreePlay::Event_OnShowCageRules1Dialog(NamedProperties&)
{
    ShowCageRulesDialog(GetPemberquillOptions().GetCageRules1());
}

void FreePlay::Event_OnShowCageRules2Dialog(NamedProperties&)
{
    ShowCageRulesDialog(GetPemberquillOptions().GetCageRules2());
}

void FreePlay::Event_OnHideCageRulesDialog(NamedProperties&)
{
    PopWindow(CAGE_RULES_DIALOG);
}

void FreePlay::ShowCageRulesDialog(CageRules& cageRules)
{
    if (m_screens != nullptr) {
        m_screens->CreateCageRulesDialog(&cageRules);
    }
    PushWindow(CAGE_RULES_DIALOG);
}

void FreePlay::ToggleCanUseRule(int ruleIndex, NamedProperties& args)
{
    bool value = false;
    const int result = args.Get("Value", value);
    ULVO_ASSERT(result == PROPERTY_FETCH_OK, "Bool Value property missing on Toggle event.",
                "FreePlay::ToggleCanUseRule");
    CageRules* cageRules = nullptr;
    args.Get("OnActivationEventNameProperty", cageRules);
    ULVO_ASSERT(cageRules, "NULL CageRules", "FreePlay::ToggleCanUseRule");
    const unsigned bit = 1u << ruleIndex;
    const unsigned mask = cageRules->GetMask();
    cageRules->SetFromMask(value ? (mask | bit) : (mask & ~bit));
}

FreePlay& GetFreePlay()
{
    static FreePlay freePlay;
    return freePlay;
}

} // namespace Pemberquill
