// The campaign's road: the map, a region, a location and a puzzle, entered,
// left and reset by the events the screens fire.
#include "game/campaign/PemberquillCampaign.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/GameSounds.h"
#include "game/common/TeachableGameMechanics.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/campaign/CampaignProgress.h"

namespace Pemberquill {

namespace {

constexpr int TITLE_WINDOW = 0;
constexpr int CAMPAIGN_WINDOW = 6;
constexpr int REGION_WINDOW = 7;
constexpr int PUZZLE_SOLVED_DIALOG = 36;
constexpr int EASY_GROUP = 27;
constexpr int MEDIUM_GROUP = 28;
constexpr int HARD_GROUP = 29;

// The welcome lessons of the road, each over its window.
constexpr int MECHANIC_CAMPAIGN_MAP = 1700;
constexpr int MECHANIC_FIRST_REGION = 1800;
constexpr int MECHANIC_FIRST_LOCATION = 1900;
constexpr AABB2 MAP_LESSON_BOX(22.0f, 142.0f, 334.0f, 545.0f);
constexpr AABB2 REGION_LESSON_BOX(517.0f, 144.0f, 1004.0f, 302.0f);
constexpr AABB2 LOCATION_LESSON_BOX(495.0f, 60.0f, 1004.0f, 270.0f);
const char* const FIRST_REGION_NAME = "Ocean";
const char* const RESET_CANCEL_LABEL = "No, cancel.";

void DestroyCallOuts(std::initializer_list<const char*> channels)
{
    for (const char* channel : channels) {
        NamedProperties args;
        args.Set<std::string>("CallOutChannelName", channel);
        FireGlobalEvent("InstructorDestroyCallOutsByChannel", args);
    }
}

template <typename T>
T* GetPointer(NamedProperties& args, const char* name)
{
    T* value = nullptr;
    return args.Get(name, value) == PROPERTY_FETCH_OK ? value : nullptr;
}

} // namespace

void PemberquillCampaign::SubscribeHandlers()
{
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    using Handler = void (PemberquillCampaign::*)(NamedProperties&);
    struct Subscription {
        const char* eventName;
        Handler handler;
    };
    static const Subscription SUBSCRIPTIONS[] = {
        {"PlayCampaignEvent", &PemberquillCampaign::Event_OnPlayCampaign},
        {"PlayCampaignRegionEvent", &PemberquillCampaign::Event_OnPlayCampaignRegion},
        {"PlayCampaignNodeEvent", &PemberquillCampaign::Event_OnPlayCampaignNode},
        {"PlayCampaignPuzzleEvent", &PemberquillCampaign::Event_OnPlayCampaignPuzzle},
        {"PlayNextCampaignPuzzleEvent", &PemberquillCampaign::Event_OnPlayNextCampaignPuzzle},
        {"ShowCampaignEscapeDialogEvent", &PemberquillCampaign::Event_OnShowCampaignEscapeDialog},
        {"HideCampaignEscapeDialogEvent", &PemberquillCampaign::Event_OnHideCampaignEscapeDialog},
        {"QuitCampaignPuzzleEvent", &PemberquillCampaign::Event_OnQuitCampaignPuzzle},
        {"QuitCampaignNodeEvent", &PemberquillCampaign::Event_OnQuitCampaignNode},
        {"QuitCampaignRegionEvent", &PemberquillCampaign::Event_OnQuitCampaignRegion},
        {"QuitCampaignEvent", &PemberquillCampaign::Event_OnQuitCampaign},
        {"ConfirmResetCampaignEvent", &PemberquillCampaign::Event_OnConfirmResetCampaign},
        {"ResetCampaignEvent", &PemberquillCampaign::Event_OnResetCampaign},
        {"ConfirmResetCampaignRegionEvent", &PemberquillCampaign::Event_OnConfirmResetCampaignRegion},
        {"ResetCampaignRegionEvent", &PemberquillCampaign::Event_OnResetCampaignRegion},
        {"ConfirmResetCampaignNodeEvent", &PemberquillCampaign::Event_OnConfirmResetCampaignNode},
        {"ResetCampaignNodeEvent", &PemberquillCampaign::Event_OnResetCampaignNode},
        {"ConfirmResetCampaignPuzzleEvent", &PemberquillCampaign::Event_OnConfirmResetCampaignPuzzle},
        {"ResetCampaignPuzzleEvent", &PemberquillCampaign::Event_OnResetCampaignPuzzle},
        {"ResetAndPlayPuzzleEvent", &PemberquillCampaign::Event_OnResetAndPlayPuzzle},
        {"SelectCampaignRegionEvent", &PemberquillCampaign::Event_OnSelectCampaignRegion},
        {"DeselectCampaignRegionEvent", &PemberquillCampaign::Event_OnDeselectCampaignRegion},
        {"SatisfiedCampaignNodePrevEasyPageEvent", &PemberquillCampaign::Event_OnEasyPage},
        {"SatisfiedCampaignNodeNextEasyPageEvent", &PemberquillCampaign::Event_OnEasyPage},
        {"SatisfiedCampaignNodePrevMediumPageEvent", &PemberquillCampaign::Event_OnMediumPage},
        {"SatisfiedCampaignNodeNextMediumPageEvent", &PemberquillCampaign::Event_OnMediumPage},
        {"SatisfiedCampaignNodePrevHardPageEvent", &PemberquillCampaign::Event_OnHardPage},
        {"SatisfiedCampaignNodeNextHardPageEvent", &PemberquillCampaign::Event_OnHardPage},
        {"CampaignRegionPostRenderEvent", &PemberquillCampaign::Event_OnCampaignRegionPostRender},
        {"CampaignNodePostRenderEvent", &PemberquillCampaign::Event_OnCampaignNodePostRender},
        {"CampaignPuzzlePostRenderEvent", &PemberquillCampaign::Event_OnCampaignPuzzlePostRender},
        {"SelectCampaignNodeEvent", &PemberquillCampaign::Event_OnSelectCampaignNode},
        {"DeselectCampaignNodeEvent", &PemberquillCampaign::Event_OnDeselectCampaignNode},
        {"CallOutCampaignRegionNodeEvent", &PemberquillCampaign::Event_OnCallOutCampaignRegionNode},
        {"CallOutInitialHomeworkEvent", &PemberquillCampaign::Event_OnCallOutInitialHomework},
        {"ConfirmTakeTheChallengeEvent", &PemberquillCampaign::Event_OnConfirmTakeTheChallenge},
        {"TakeTheChallengeEvent", &PemberquillCampaign::Event_OnTakeTheChallenge},
    };
    for (const Subscription& subscription : SUBSCRIPTIONS) {
        RegisterEventHandler(subscription.eventName, eventSystem, subscription.handler, this);
    }
}

void PemberquillCampaign::TeachMechanic(int mechanicId, int windowId, const AABB2& lessonBox)
{
    TeachableGameMechanics mechanics;
    mechanics.AddMechanic(mechanicId);
    NamedProperties args;
    args.Set("GameMechanicsToTeach", mechanics);
    args.Set("ParentWindowContextHandle", m_screens != nullptr ? m_screens->GetWindowHandle(windowId) : -1);
    if (m_screens != nullptr) {
        m_screens->SetLessonBox(lessonBox);
    }
    FireGlobalEvent("TeachMechanicsEvent", args);
}

// ------------------------------------------------------------ forward

bool PemberquillCampaign::IsProgressSelected(const char* screen) const
{
    if (m_campaignProgress == nullptr) {
        ConsolePrintf("WARNING: No player's progress is selected; the %s is not shown.\n", screen);
    }
    return m_campaignProgress != nullptr;
}

void PemberquillCampaign::Event_OnPlayCampaign(NamedProperties&)
{
    // The screens show the player's progress: without one there is nothing
    // to show.
    if (!IsProgressSelected("campaign")) {
        return;
    }
    PopWindow(TITLE_WINDOW, true);
    if (m_screens != nullptr) {
        m_screens->CreateCampaignWindow(m_regions);
    }
    PushWindow(CAMPAIGN_WINDOW, false);
    PlaySound(SOUND_UI_WINDOW_CAMPAIGN_SHOW);
    m_mode = CAMPAIGN_MODE_MAP;
    m_selectedCampaignRegion = nullptr;
    m_selectedCampaignNode = nullptr;
    TeachMechanic(MECHANIC_CAMPAIGN_MAP, CAMPAIGN_WINDOW, MAP_LESSON_BOX);
}

void PemberquillCampaign::Event_OnPlayCampaignRegion(NamedProperties& args)
{
    // A reset of the region names it; otherwise the region button under the
    // mouse has selected it.
    if (CampaignRegion* region = GetPointer<CampaignRegion>(args, "OnActivationEventNameProperty")) {
        m_selectedCampaignRegion = region;
    }
    CampaignRegion* region = m_selectedCampaignRegion;
    if (region == nullptr) {
        ConsolePrintf("WARNING: No region is selected to enter.\n");
        return;
    }
    if (!IsProgressSelected("region")) {
        return;
    }
    PopWindow(PUZZLE_WINDOW, false);
    PopWindow(CAMPAIGN_WINDOW, true);
    if (m_screens != nullptr) {
        m_screens->CreateCampaignRegion(region);
    }
    PushWindow(REGION_WINDOW, true);
    StartRegionSounds(region->GetName());
    m_mode = CAMPAIGN_MODE_REGION;
    m_selectedCampaignNode = nullptr;
    if (PuzzleChef* chef = PuzzleChef::GetDefaultInstance()) {
        chef->SetPalette(region->GetPalette());
    }
    if (region->GetName() == FIRST_REGION_NAME) {
        TeachMechanic(MECHANIC_FIRST_REGION, REGION_WINDOW, REGION_LESSON_BOX);
        return;
    }
    // A player who went elsewhere first needs no welcome to the first region.
    DestroyCallOuts({"MapLocation"});
    TeachableGameMechanics taught;
    taught.AddMechanic(MECHANIC_FIRST_REGION);
    NamedProperties marked;
    marked.Set("GameMechanicsToMarkAsKnown", taught);
    FireGlobalEvent("InstructorMarkMechanicsAsTaught", marked);
}

void PemberquillCampaign::Event_OnPlayCampaignNode(NamedProperties& args)
{
    DestroyCallOuts({"MapLocation", "FirstHomeworkLocation", "Hint"});
    if (CampaignNode* node = GetPointer<CampaignNode>(args, "OnActivationEventNameProperty")) {
        m_selectedCampaignNode = node;
    }
    CampaignNode* node = m_selectedCampaignNode;
    if (node == nullptr) {
        ConsolePrintf("WARNING: No location is selected to enter.\n");
        return;
    }
    if (!IsProgressSelected("location")) {
        return;
    }
    PopWindow(PUZZLE_WINDOW, false);
    PopWindow(REGION_WINDOW, false);
    if (m_screens != nullptr) {
        m_screens->CreateCampaignNodeWindow(node);
    }
    PushWindow(LOCATION_WINDOW, false);
    if (m_campaignProgress != nullptr) {
        m_campaignProgress->SetActiveCampaignNode(*node);
    }
    m_mode = CAMPAIGN_MODE_LOCATION;
    TeachMechanic(MECHANIC_FIRST_LOCATION, LOCATION_WINDOW, LOCATION_LESSON_BOX);
    if (node->GetPlayerStateOrLocked() < CAMPAIGN_NODE_STARTED) {
        FireGlobalEvent("CallOutInitialHomeworkEvent");
    }
}

void PemberquillCampaign::Event_OnPlayCampaignPuzzle(NamedProperties& args)
{
    Puzzle* puzzle = GetPointer<Puzzle>(args, "OnActivationEventNameProperty");
    if (puzzle == nullptr) {
        return;
    }
    if (puzzle->IsSolved()) {
        if (m_screens != nullptr) {
            m_screens->CreatePuzzleSolvedDialog(puzzle);
        }
        PushWindow(PUZZLE_SOLVED_DIALOG, false);
        return;
    }
    Play(puzzle);
}

void PemberquillCampaign::Event_OnPlayNextCampaignPuzzle(NamedProperties& args)
{
    PopWindow(PUZZLE_SOLVED_DIALOG, false);
    if (Puzzle* puzzle = GetPointer<Puzzle>(args, "OnActivationEventNameProperty")) {
        SetActivePuzzle(puzzle);
    }
    if (Puzzle* next = GetNextCampaignPuzzle()) {
        Play(next);
        return;
    }
    PopWindow(LOCATION_WINDOW, false);
    PopWindow(PUZZLE_WINDOW, false);
    FireGlobalEvent("PlayCampaignRegionEvent");
}

// ------------------------------------------------------------ pausing

void PemberquillCampaign::Event_OnShowCampaignEscapeDialog(NamedProperties&)
{
    if (IsSolvePending()) {
        return;
    }
    if (Puzzle* puzzle = GetActivePuzzle()) {
        puzzle->SetActive(false);
    }
    PushWindow(ESCAPE_MENU, false);
    PlaySound(SOUND_PLAYINGPUZZLE_GAME_PAUSED);
}

void PemberquillCampaign::Event_OnHideCampaignEscapeDialog(NamedProperties&)
{
    if (Puzzle* puzzle = GetActivePuzzle()) {
        puzzle->SetActive(true);
    }
    PopWindow(ESCAPE_MENU, false);
    PlaySound(SOUND_PLAYINGPUZZLE_GAME_UNPAUSED);
}

// ------------------------------------------------------------ back

void PemberquillCampaign::Event_OnQuitCampaignPuzzle(NamedProperties&)
{
    DestroyCallOuts({"Hint"});
    if (Puzzle* puzzle = GetActivePuzzle()) {
        puzzle->ResetBoardFocus();
    }
    PopWindow(ESCAPE_MENU, false);
    PopWindow(PUZZLE_WINDOW, false);
    FireGlobalEvent("SaveGameEvent");
    CampaignNode* node = GetActiveCampaignNode();
    if (node == nullptr) {
        FireGlobalEvent("QuitCampaignNodeEvent");
        return;
    }
    // The location window is rebuilt for the location played, which is the
    // one the player chose on the map.
    m_selectedCampaignNode = node;
    if (m_screens != nullptr) {
        m_screens->CreateCampaignNodeWindow(node);
    }
    PushWindow(LOCATION_WINDOW, false);
    m_mode = CAMPAIGN_MODE_LOCATION;
}

void PemberquillCampaign::Event_OnQuitCampaignNode(NamedProperties&)
{
    DestroyCallOuts({"FirstHomeworkLocation"});
    PopWindow(LOCATION_WINDOW, false);
    if (m_selectedCampaignNode != nullptr && m_selectedCampaignNode->GetPuzzleSet() != nullptr) {
        m_selectedCampaignNode->GetPuzzleSet()->ReleaseAllBoards();
    }
    m_selectedCampaignNode = nullptr;
    FireGlobalEvent("PlayCampaignRegionEvent");
}

void PemberquillCampaign::Event_OnQuitCampaignRegion(NamedProperties&)
{
    StartRegionSounds("Menu");
    PopWindow(REGION_WINDOW, false);
    m_selectedCampaignRegion = nullptr;
    FireGlobalEvent("PlayCampaignEvent");
}

void PemberquillCampaign::Event_OnQuitCampaign(NamedProperties&)
{
    PopWindow(CAMPAIGN_WINDOW, true);
    PushWindow(TITLE_WINDOW, true);
    m_mode = CAMPAIGN_MODE_OFF;
}

// ------------------------------------------------------------ resets

void PemberquillCampaign::ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                                 const std::string& cancelLabel,
                                                 const std::string& acceptEventName)
{
    ShowConfirmationDialog(question, acceptLabel, cancelLabel, acceptEventName, std::string());
}

template <typename Payload>
void PemberquillCampaign::ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                                 const std::string& cancelLabel,
                                                 const std::string& acceptEventName, const Payload& payload)
{
    if (m_screens == nullptr) {
        return;
    }
    NamedProperties payloadBag;
    payloadBag.Set("OnActivationEventNameProperty", payload);
    m_screens->ShowConfirmationDialog(question, acceptLabel, cancelLabel, acceptEventName, payloadBag);
}

template void PemberquillCampaign::ShowConfirmationDialog<std::string>(const std::string&, const std::string&,
                                                                       const std::string&, const std::string&,
                                                                       const std::string&);
template void PemberquillCampaign::ShowConfirmationDialog<CampaignRegion*>(const std::string&, const std::string&,
                                                                           const std::string&, const std::string&,
                                                                           CampaignRegion* const&);
template void PemberquillCampaign::ShowConfirmationDialog<CampaignNode*>(const std::string&, const std::string&,
                                                                         const std::string&, const std::string&,
                                                                         CampaignNode* const&);
template void PemberquillCampaign::ShowConfirmationDialog<Puzzle*>(const std::string&, const std::string&,
                                                                   const std::string&, const std::string&,
                                                                   Puzzle* const&);

void PemberquillCampaign::PushResetConfirmation()
{
    PushWindow(CONFIRMATION_DIALOG, false);
    PlaySound(SOUND_UI_DIALOG_CONFIRMATION);
}

void PemberquillCampaign::Event_OnConfirmResetCampaign(NamedProperties&)
{
    ShowConfirmationDialog("Reset progress and re-lock all regions?", "Reset ALL PROGRESS!", RESET_CANCEL_LABEL,
                           "ResetCampaignEvent");
    PushResetConfirmation();
}

void PemberquillCampaign::Event_OnConfirmResetCampaignRegion(NamedProperties& args)
{
    ShowConfirmationDialog("Reset progress and re-lock all locations in this region?", "Yes, Reset this region.",
                           RESET_CANCEL_LABEL, "ResetCampaignRegionEvent",
                           GetPointer<CampaignRegion>(args, "OnActivationEventNameProperty"));
    PushResetConfirmation();
}

void PemberquillCampaign::Event_OnConfirmResetCampaignNode(NamedProperties& args)
{
    ShowConfirmationDialog("Reset and clear all puzzles in this location?", "Yes, Reset this location.",
                           RESET_CANCEL_LABEL, "ResetCampaignNodeEvent",
                           GetPointer<CampaignNode>(args, "OnActivationEventNameProperty"));
    PushResetConfirmation();
}

void PemberquillCampaign::Event_OnConfirmResetCampaignPuzzle(NamedProperties&)
{
    ShowConfirmationDialog("Reset and clear this puzzle?", "Yes, Reset.", RESET_CANCEL_LABEL,
                           "ResetCampaignPuzzleEvent");
    PushResetConfirmation();
}

void PemberquillCampaign::Event_OnResetCampaign(NamedProperties&)
{
    if (m_campaignProgress != nullptr) {
        m_campaignProgress->Reset();
        CampaignNode::UnlockConnectedNodes(m_nodes, m_startNodeName);
        ShowRankProgress();
    }
    PopWindow(CONFIRMATION_DIALOG, false);
    FireGlobalEvent("PlayCampaignEvent");
    PlaySound(SOUND_PLAYINGPUZZLE_PUZZLE_CLEARED);
}

void PemberquillCampaign::Event_OnResetCampaignRegion(NamedProperties& args)
{
    CampaignRegion* region = GetPointer<CampaignRegion>(args, "OnActivationEventNameProperty");
    ULVO_ASSERT(region, "NULL CampaignRegion.", "PemberquillCampaign::Event_OnResetCampaignRegion");
    region->ResetProgress();
    ShowRankProgress();
    // A region without locations has nothing to open again.
    if (!region->GetNodes().empty() && region->GetNodes().front() != nullptr) {
        CampaignNode::UnlockConnectedNodes(m_nodes, region->GetNodes().front()->GetName());
    }
    PopWindow(CONFIRMATION_DIALOG, false);
    NamedProperties next;
    next.Set("OnActivationEventNameProperty", region);
    FireGlobalEvent("PlayCampaignRegionEvent", next);
    PlaySound(SOUND_PLAYINGPUZZLE_PUZZLE_CLEARED);
}

void PemberquillCampaign::Event_OnResetCampaignNode(NamedProperties& args)
{
    CampaignNode* node = GetPointer<CampaignNode>(args, "OnActivationEventNameProperty");
    ULVO_ASSERT(node, "NULL campaign Node.", "PemberquillCampaign::Event_OnResetCampaignNode");
    if (node->GetPuzzleSet() != nullptr) {
        node->GetPuzzleSet()->ResetProgress();
    }
    ShowRankProgress();
    CampaignNode::UnlockConnectedNodes(m_nodes, node->GetName());
    PopWindow(CONFIRMATION_DIALOG, false);
    NamedProperties next;
    next.Set("OnActivationEventNameProperty", node);
    FireGlobalEvent("PlayCampaignNodeEvent", next);
    PlaySound(SOUND_PLAYINGPUZZLE_PUZZLE_CLEARED);
}

void PemberquillCampaign::Event_OnResetCampaignPuzzle(NamedProperties&)
{
    if (CloseQuestionOfPendingSolve()) {
        return;
    }
    Puzzle* puzzle = GetActivePuzzle();
    if (puzzle == nullptr) {
        return;
    }
    puzzle->Restart();
    ShowRankProgress();
    puzzle->SetActive(true);
    if (puzzle->GetProgress() != nullptr) {
        puzzle->GetProgress()->RaiseState(1);
    }
    PopWindow(CONFIRMATION_DIALOG, false);
    PopWindow(ESCAPE_MENU, false);
    PlaySound(SOUND_PLAYINGPUZZLE_PUZZLE_CLEARED);
}

void PemberquillCampaign::Event_OnResetAndPlayPuzzle(NamedProperties& args)
{
    PopWindow(PUZZLE_SOLVED_DIALOG, false);
    Puzzle* puzzle = GetPointer<Puzzle>(args, "OnActivationEventNameProperty");
    if (puzzle == nullptr) {
        return;
    }
    puzzle->Restart();
    ShowRankProgress();
    if (puzzle->GetProgress() != nullptr) {
        puzzle->GetProgress()->RaiseState(1);
    }
    Play(puzzle);
}

// ------------------------------------------------------------ selection and pages

void PemberquillCampaign::Event_OnSelectCampaignRegion(NamedProperties& args)
{
    CampaignRegion* region = nullptr;
    if (args.Get("GrabFocusEventToFireProperty", region) == PROPERTY_FETCH_OK) {
        m_selectedCampaignRegion = region;
    }
}

void PemberquillCampaign::Event_OnDeselectCampaignRegion(NamedProperties& args)
{
    // Outside the map the selection is the region being entered.
    CampaignRegion* region = nullptr;
    if (args.Get("ReleaseFocusEventToFireProperty", region) == PROPERTY_FETCH_OK && m_mode == CAMPAIGN_MODE_MAP) {
        m_selectedCampaignRegion = nullptr;
    }
}

void PemberquillCampaign::TurnPage(NamedProperties& args, void (CampaignNode::*setPage)(int), int groupWindowId)
{
    int page = 0;
    if (m_selectedCampaignNode == nullptr || m_selectedCampaignNode->GetPuzzleSet() == nullptr ||
        args.Get("OnActivationEventNameProperty", page) != PROPERTY_FETCH_OK) {
        return;
    }
    (m_selectedCampaignNode->*setPage)(page);
    if (m_screens != nullptr) {
        m_screens->CreatePuzzleGroups(m_selectedCampaignNode, groupWindowId);
    }
}

void PemberquillCampaign::Event_OnEasyPage(NamedProperties& args)
{
    TurnPage(args, &CampaignNode::SetSatisfiedPuzzleEasyPage, EASY_GROUP);
}

void PemberquillCampaign::Event_OnMediumPage(NamedProperties& args)
{
    TurnPage(args, &CampaignNode::SetSatisfiedPuzzleMediumPage, MEDIUM_GROUP);
}

void PemberquillCampaign::Event_OnHardPage(NamedProperties& args)
{
    TurnPage(args, &CampaignNode::SetSatisfiedPuzzleHardPage, HARD_GROUP);
}

// ------------------------------------------------------------ drawing

void PemberquillCampaign::Event_OnCampaignRegionPostRender(NamedProperties&)
{
    if (m_screens != nullptr) {
        m_screens->DrawCampaignRegion(m_selectedCampaignRegion, m_nodes);
    }
}

void PemberquillCampaign::Event_OnCampaignNodePostRender(NamedProperties&)
{
    // The location window of a location outside every region has no map.
    CampaignRegion* region = m_selectedCampaignRegion;
    if (region == nullptr) {
        region = FindRegionContainingNode(m_selectedCampaignNode);
    }
    if (m_screens != nullptr && region != nullptr) {
        m_screens->DrawCampaignRegionBackground(region);
    }
}

void PemberquillCampaign::Event_OnCampaignPuzzlePostRender(NamedProperties&)
{
    if (m_screens != nullptr) {
        m_screens->DrawCampaignRegionFullScreenTexture(m_selectedCampaignRegion);
    }
}

} // namespace Pemberquill
