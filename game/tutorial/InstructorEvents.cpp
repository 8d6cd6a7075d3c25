#include "game/tutorial/Instructor.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/common/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "game/player/PlayerProfile.h"
#include "game/presentation/ui/InstructorScreensInterface.h"

namespace Pemberquill {

namespace {

constexpr int KEY_ACTION_DOWN = 1;
constexpr int KEY_SPACE = 32;

constexpr float BODY_TEXT_SIZE = 16.0f;
constexpr float TITLE_TEXT_SIZE = 26.0f;
constexpr float LAYOUT_WIDTH = 1024.0f;

const AABB2 PLAY_TEXT_REGION(Vector2(10.0f, 160.0f), Vector2(312.0f, 580.0f));

constexpr int MECHANIC_HOW_TO_PLAY = 1200;
constexpr int MECHANIC_ERROR_NOTIFICATION = 1950;
constexpr int MECHANIC_FILL_EQUALS = 2000;
constexpr int MECHANIC_LAST_CANDIDATE = 2030;
constexpr int MECHANIC_LAST_CANDIDATE_FOLLOW_UP = 2070;
constexpr int MECHANIC_SOLVING_A_CAGE = 2150;
constexpr int MECHANIC_ELIMINATING_CANDIDATES = 2200;

TeachableGameMechanics OneMechanic(int mechanic)
{
    TeachableGameMechanics mechanics;
    mechanics.AddMechanic(mechanic);
    return mechanics;
}

// The lessons that the solver's next step calls for.
void AddNextStepMechanics(int stepId, TeachableGameMechanics& requested)
{
    switch (stepId) {
    case STEP_ID_SINGLE_SQUARE_CAGE: requested.AddMechanic(MECHANIC_FILL_EQUALS); break;
    case STEP_ID_ONLY_CANDIDATE_LEFT:
        requested.AddMechanic(MECHANIC_LAST_CANDIDATE);
        requested.AddMechanic(MECHANIC_LAST_CANDIDATE_FOLLOW_UP);
        break;
    case STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION: requested.AddMechanic(MECHANIC_SOLVING_A_CAGE); break;
    case STEP_ID_NO_SOLUTION_USES_CANDIDATE: requested.AddMechanic(MECHANIC_ELIMINATING_CANDIDATES); break;
    default: break;
    }
}

const char* const SHOWN_TITLE = "Instructor::Event_OnInstructorPuzzleShown";
const char* const UPDATE_TITLE = "Instructor::Event_OnInstructorPuzzleUpdate";

AABB2 RequireBounds(NamedProperties& args, const char* eventName, const char* title)
{
    AABB2 bounds;
    const int result = args.Get("Bounds", bounds);
    ULVO_ASSERT(result == PROPERTY_FETCH_OK, Stringf("Bounds are required for %s.", eventName), title);
    return bounds;
}

} // namespace

void Instructor::RegisterEventHandlers()
{
    using Handler = void (Instructor::*)(NamedProperties&);
    struct Subscription {
        const char* eventName;
        Handler handler;
    };
    static const Subscription SUBSCRIPTIONS[] = {
        {"InstructorPuzzleShownEvent", &Instructor::Event_OnInstructorPuzzleShown},
        {"InstructorRestartTutorial", &Instructor::Event_OnInstructorRestartTutorial},
        {"InstructorPuzzleUpdateEvent", &Instructor::Event_OnInstructorPuzzleUpdate},
        {"InstructorPuzzleHiddenEvent", &Instructor::Event_OnInstructorPuzzleHidden},
        {"InstructorPuzzleViewRenderEvent", &Instructor::Event_OnInstructorPuzzleViewRender},
        {"InstructorAdvanceToNextLesson", &Instructor::Event_OnInstructorAdvanceToNextLesson},
        {"HideTeachAGameMechanicEvent", &Instructor::Event_OnHideTeachAGameMechanic},
        {"TutorialWindowPostRenderEvent", &Instructor::Event_OnTutorialWindowPostRender},
        {"InstructorExitTutorial", &Instructor::Event_OnInstructorExitTutorial},
        {"InstructorMarkMechanicsAsTaught", &Instructor::Event_OnInstructorMarkMechanicsAsTaught},
        {"InstructorDestroyCallOutsByChannel", &Instructor::Event_OnInstructorDestroyCallOutsByChannel},
        {"CheckForDynamicLessonOpportunity", &Instructor::Event_OnCheckForDynamicLessonOpportunity},
    };
    UlvoEventSystem* events = UlvoEventSystem::GetGlobal();
    for (const Subscription& subscription : SUBSCRIPTIONS) {
        RegisterEventHandler(subscription.eventName, events, subscription.handler, this);
    }
}

void Instructor::UpdateLayout()
{
    const float width = PemberquillUI::GetScreenSize().x;
    m_bodyTextSize = BODY_TEXT_SIZE * width / LAYOUT_WIDTH;
    m_titleTextSize = TITLE_TEXT_SIZE * width / LAYOUT_WIDTH;
    UpdateLessonAnimation();
}

bool Instructor::OnKeyEvent(int action, int key)
{
    if (!m_isTutorialPuzzleShown) {
        return false;
    }
    if (action == KEY_ACTION_DOWN && key == KEY_SPACE) {
        AdvanceToNextLesson();
        return true;
    }
    Puzzle* puzzle = GetInstructorPuzzle();
    return m_instructorPuzzleView != nullptr && puzzle != nullptr && puzzle->HandleInput(action, key);
}

// ------------------------------------------------------------ known mechanics

PlayerProfile* Instructor::GetActiveProfile() const
{
    return m_activeProfile ? m_activeProfile() : nullptr;
}

void Instructor::MarkMechanicsAsKnown(const TeachableGameMechanics& mechanics)
{
    if (PlayerProfile* profile = GetActiveProfile()) {
        profile->GetGameMechanicsKnown().Merge(mechanics);
    }
}

bool Instructor::AreMechanicsKnown(const TeachableGameMechanics& mechanics) const
{
    const PlayerProfile* profile = GetActiveProfile();
    const TeachableGameMechanics known = profile ? profile->GetGameMechanicsKnown() : TeachableGameMechanics();
    return (mechanics - known).GetCount() == 0;
}

TeachableGameMechanics Instructor::GetUnknownMechanicsOfPuzzle(const Puzzle* puzzle) const
{
    const PlayerProfile* profile = GetActiveProfile();
    if (puzzle == nullptr || profile == nullptr) {
        return TeachableGameMechanics();
    }
    TeachableGameMechanics needed;
    puzzle->GetTeachableGameMechanics(needed);
    return needed - profile->GetGameMechanicsKnown();
}

// ------------------------------------------------------------ lessons during play

void Instructor::ShowEmptyTextArea(int windowId)
{
    if (windowId == GAME_WINDOW_PUZZLE) {
        m_playScreenLesson.clear();
    }
    if (m_screens != nullptr) {
        m_screens->CreateInstructorTextArea(m_screens->GetWindowHandle(windowId), {});
    }
}

void Instructor::ShowTeachAGameMechanic(Puzzle* puzzle)
{
    if (m_screens == nullptr || m_screens->GetWindowHandle(GAME_WINDOW_PUZZLE) == PemberquillUI::NO_WINDOW) {
        return;
    }
    m_playScreenLesson.clear();
    m_screens->SetInstructorTextRegion(PLAY_TEXT_REGION);
    const TeachableGameMechanics howToPlay = OneMechanic(MECHANIC_HOW_TO_PLAY);
    if (!AreMechanicsKnown(howToPlay)) {
        TeachGameMechanic(PemberquillUI::NO_WINDOW, howToPlay, nullptr, nullptr);
    }
    const TeachableGameMechanics unknown = GetUnknownMechanicsOfPuzzle(puzzle);
    if (unknown.GetCount() == 0) {
        ShowEmptyTextArea(GAME_WINDOW_PUZZLE);
        return;
    }
    TeachGameMechanic(m_screens->GetWindowHandle(GAME_WINDOW_PUZZLE), unknown, puzzle, nullptr);
}

void Instructor::RecordProvenMechanics(Puzzle& puzzle)
{
    int equalsCages = 0;
    bool areAllFilled = true;
    for (const std::unique_ptr<Board>& board : puzzle.GetBoards()) {
        for (const Cage& cage : board->GetCages()) {
            if (cage.rule != CAGE_RULE_EQUALS) {
                continue;
            }
            ++equalsCages;
            for (const Square* square : cage.squares) {
                areAllFilled = areAllFilled && board->GetSquareValue(*square) != 0;
            }
        }
    }
    if (equalsCages >= 2 && areAllFilled) {
        MarkMechanicsAsKnown(OneMechanic(MECHANIC_FILL_EQUALS));
    }
    if (puzzle.AreAllBoardsValid()) {
        MarkMechanicsAsKnown(OneMechanic(MECHANIC_LAST_CANDIDATE_FOLLOW_UP));
    }
}

void Instructor::CheckForDynamicLessonOpportunity(Puzzle* puzzle)
{
    if (puzzle == nullptr || m_screens == nullptr ||
        m_screens->GetWindowHandle(GAME_WINDOW_PUZZLE) == PemberquillUI::NO_WINDOW) {
        return;
    }
    RecordProvenMechanics(*puzzle);
    // Two boards leave the play screen no room for the instructor's panel.
    if (puzzle->GetBoards().size() != 1) {
        return;
    }
    // The mistakes are read before the solver looks for the next step.
    const TeachableGameMechanics requested = GetMistakeMechanics(*puzzle);
    PuzzleChef* chef = PuzzleChef::GetDefaultInstance();
    const PuzzleStep step = chef != nullptr ? chef->FindNextPuzzleStep(*puzzle) : PuzzleStep();
    TeachNextStepMechanics(puzzle, step, requested);
}

TeachableGameMechanics Instructor::GetMistakeMechanics(const Puzzle& puzzle)
{
    return puzzle.GetMistakes().empty() ? TeachableGameMechanics() : OneMechanic(MECHANIC_ERROR_NOTIFICATION);
}

void Instructor::TeachNextStepMechanics(Puzzle* puzzle, const PuzzleStep& step, TeachableGameMechanics requested)
{
    // A mistake comes back as its hint kind, which is no solver step.
    if (!step.isMistake) {
        AddNextStepMechanics(step.step.stepId, requested);
    }
    const PlayerProfile* profile = GetActiveProfile();
    const TeachableGameMechanics unknown =
        requested - (profile ? profile->GetGameMechanicsKnown() : TeachableGameMechanics());
    if (unknown.GetCount() == 0) {
        ShowEmptyTextArea(GAME_WINDOW_PUZZLE);
        return;
    }
    TeachGameMechanic(m_screens->GetWindowHandle(GAME_WINDOW_PUZZLE), unknown, puzzle,
                      step.board != nullptr ? &step : nullptr);
}

// ------------------------------------------------------------ the tutorial window

void Instructor::SetPuzzleViewBounds(const AABB2& bounds)
{
    m_instructorPuzzleViewBounds = bounds;
    if (m_instructorPuzzleView != nullptr) {
        m_instructorPuzzleView->SetBounds(bounds);
        m_instructorPuzzleView->Layout();
    }
}

void Instructor::Event_OnInstructorPuzzleShown(NamedProperties& args)
{
    const AABB2 bounds = RequireBounds(args, "InstructorPuzzleShownEvent", SHOWN_TITLE);
    PuzzleChef* chef = PuzzleChef::GetDefaultInstance();
    if (chef != nullptr) {
        // Shown twice without a hide in between, the chef already holds the
        // tutorial's colours, which are not the ones to give back.
        if (!m_isTutorialPuzzleShown) {
            m_paletteBeforeTutorial = chef->GetPalette();
        }
        chef->SetPalette(GetTutorialPalette());
    }
    // The pages make call-outs of their own; the play screen's wait with its
    // lesson until the tutorial is left.
    if (!m_isTutorialPuzzleShown) {
        m_playScreenCallOuts.splice(m_playScreenCallOuts.end(), m_callOuts);
    }
    SetPuzzleViewBounds(bounds);
    StartLesson(0);
    m_isTutorialPuzzleShown = true;
}

void Instructor::Event_OnInstructorRestartTutorial(NamedProperties& /*args*/)
{
    StartLesson(0);
}

void Instructor::Event_OnInstructorPuzzleUpdate(NamedProperties& args)
{
    SetPuzzleViewBounds(RequireBounds(args, "InstructorPuzzleUpdateEvent", UPDATE_TITLE));
}

void Instructor::Event_OnInstructorPuzzleHidden(NamedProperties& /*args*/)
{
    HideTutorialPuzzle();
}

void Instructor::HideTutorialPuzzle()
{
    DestroyInstructorPuzzle();
    if (!m_isTutorialPuzzleShown) {
        return;
    }
    m_isTutorialPuzzleShown = false;
    // They point into the tutorial's puzzle, which is gone.
    DestroyAllCallOuts();
    if (PuzzleChef* chef = PuzzleChef::GetDefaultInstance()) {
        chef->SetPalette(m_paletteBeforeTutorial);
    }
    m_paletteBeforeTutorial.clear();
}

void Instructor::Event_OnInstructorPuzzleViewRender(NamedProperties& args)
{
    AABB2 bounds = m_instructorPuzzleViewBounds;
    args.Get("Bounds", bounds);
    SetPuzzleViewBounds(bounds);
    if (m_instructorPuzzleView != nullptr) {
        PemberquillRenderer::DrawPuzzleOnPanel(*m_instructorPuzzleView);
    }
}

void Instructor::Event_OnInstructorAdvanceToNextLesson(NamedProperties& /*args*/)
{
    AdvanceToNextLesson();
}

void Instructor::Event_OnHideTeachAGameMechanic(NamedProperties& /*args*/)
{
    HideTeachAGameMechanic();
}

void Instructor::HideTeachAGameMechanic()
{
    m_isMiniLessonDialogOpen = false;
    if (m_screens != nullptr) {
        m_screens->PopWindow(GAME_WINDOW_INFORMATION, false);
    }
}

void Instructor::Event_OnTutorialWindowPostRender(NamedProperties& /*args*/)
{
    PemberquillRenderer::DrawInstructorBackground();
}

void Instructor::Event_OnInstructorExitTutorial(NamedProperties& /*args*/)
{
    HideTutorialPuzzle();
    SetTutorialRunning(false);
    if (m_screens != nullptr) {
        m_screens->PopWindow(GAME_WINDOW_TUTORIAL, false);
    }
    DestroyCallOutsByChannel("Hint");
    RestorePlayScreenLesson();
}

void Instructor::RestorePlayScreenLesson()
{
    std::list<std::unique_ptr<InstructorCallOut>> callOuts;
    callOuts.splice(callOuts.end(), m_playScreenCallOuts);
    if (m_screens == nullptr || m_screens->GetWindowHandle(GAME_WINDOW_PUZZLE) == PemberquillUI::NO_WINDOW) {
        return;
    }
    m_callOuts.splice(m_callOuts.end(), callOuts);
    m_screens->SetInstructorTextRegion(PLAY_TEXT_REGION);
    m_screens->CreateInstructorTextArea(m_screens->GetWindowHandle(GAME_WINDOW_PUZZLE), m_playScreenLesson);
}

void Instructor::Event_OnInstructorMarkMechanicsAsTaught(NamedProperties& args)
{
    TeachableGameMechanics mechanics;
    args.Get("GameMechanicsToMarkAsKnown", mechanics);
    MarkMechanicsAsKnown(mechanics);
}

void Instructor::Event_OnInstructorDestroyCallOutsByChannel(NamedProperties& args)
{
    std::string channelName;
    args.Get("CallOutChannelName", channelName);
    DestroyCallOutsByChannel(channelName);
}

void Instructor::Event_OnCheckForDynamicLessonOpportunity(NamedProperties& args)
{
    Puzzle* puzzle = nullptr;
    args.Get("Puzzle", puzzle);
    CheckForDynamicLessonOpportunity(puzzle);
}

} // namespace Pemberquill
