// The location under the pointer on a region's map, the tutorial's call-out
// on a location, and the jump to a location's challenge puzzle.
#include "game/campaign/PemberquillCampaign.h"

#include "engine/core/AABB2.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "game/common/CompareNoCase.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleSet.h"
#include "game/puzzle/solver/HintCallOutInterface.h"

namespace Pemberquill {

namespace {

const char* const FIRST_HOMEWORK_CHANNEL = "FirstHomeworkLocation";

} // namespace

void PemberquillCampaign::Event_OnSelectCampaignNode(NamedProperties& args)
{
    CampaignNode* node = nullptr;
    if (args.Get("GrabFocusEventToFireProperty", node) == PROPERTY_FETCH_OK) {
        m_selectedCampaignNode = node;
    }
}

void PemberquillCampaign::Event_OnDeselectCampaignNode(NamedProperties& args)
{
    // The released location is not compared with the selected one: leaving
    // any button on the region map drops the selection.
    CampaignNode* node = nullptr;
    if (args.Get("ReleaseFocusEventToFireProperty", node) == PROPERTY_FETCH_OK && m_mode == CAMPAIGN_MODE_REGION) {
        m_selectedCampaignNode = nullptr;
    }
}

void PemberquillCampaign::Event_OnCallOutCampaignRegionNode(NamedProperties& args)
{
    std::string regionName;
    std::string nodeName;
    args.Get("RegionName", regionName);
    args.Get("NodeName", nodeName);
    if (nodeName.empty() || m_selectedCampaignRegion == nullptr ||
        CompareNoCase(regionName, m_selectedCampaignRegion->GetName().c_str()) != 0) {
        return;
    }
    const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
    if (application == nullptr) {
        return;
    }
    const IntVector2 view = application->GetViewBoundsSize();
    const Vector2 viewSize(static_cast<float>(view.x), static_cast<float>(view.y));
    for (const CampaignNode* node : m_selectedCampaignRegion->GetNodes()) {
        if (CompareNoCase(node->GetName(), nodeName.c_str()) != 0) {
            continue;
        }
        // One marker height above the marker's top edge, at its right edge.
        const AABB2 box = node->GetMapMarkerBounds(Vector2(0.0f, 0.0f), viewSize);
        const float height = box.maxs.y - box.mins.y;
        CallOutPosition(Vector2(box.maxs.x, box.mins.y - height), "MapLocation");
    }
}

void PemberquillCampaign::Event_OnCallOutInitialHomework(NamedProperties& /*args*/)
{
    HintCallOutInterface* callOuts = GetHintCallOuts();
    if (callOuts == nullptr || m_screens == nullptr || m_mode != CAMPAIGN_MODE_LOCATION) {
        return;
    }
    callOuts->DestroyCallOutsByChannel(FIRST_HOMEWORK_CHANNEL);
    CallOutPosition(m_screens->GetFirstHomeworkLocation(), FIRST_HOMEWORK_CHANNEL);
}

void PemberquillCampaign::CallOutPosition(const Vector2& position, const std::string& channelName)
{
    if (HintCallOutInterface* callOuts = GetHintCallOuts()) {
        callOuts->CallOutScreenPosition(position, channelName);
    }
}

void PemberquillCampaign::Event_OnConfirmTakeTheChallenge(NamedProperties& /*args*/)
{
    if (IsSolvePending()) {
        return;
    }
    const char* const title = "PemberquillCampaign::Event_OnConfirmTakeTheChallenge";
    ULVO_ASSERT(m_selectedCampaignNode, "NULL campaign node for selecting the challenge puzzle.", title);
    const PuzzleSet* puzzleSet = m_selectedCampaignNode->GetPuzzleSet();
    ULVO_ASSERT(puzzleSet, "NULL puzzle set for selecting the challenge puzzle.", title);
    Puzzle* challengePuzzle = puzzleSet->GetUnlockPuzzle();
    ULVO_ASSERT(challengePuzzle, "NULL challenge puzzle.", title);
    // Unlike the resets, jumping ahead is no loss: the question comes
    // without the warning sound.
    ShowConfirmationDialog("Play the Challenge puzzle for this location?", "Sure, why not!", "Not just yet.",
                           "TakeTheChallengeEvent", challengePuzzle);
    PushWindow(CONFIRMATION_DIALOG, false);
}

void PemberquillCampaign::Event_OnTakeTheChallenge(NamedProperties& args)
{
    if (CloseQuestionOfPendingSolve()) {
        return;
    }
    if (Puzzle* active = GetActivePuzzle()) {
        active->ResetBoardFocus();
    }
    Puzzle* challenge = nullptr;
    if (args.Get("OnActivationEventNameProperty", challenge) != PROPERTY_FETCH_OK || challenge == nullptr) {
        return;
    }
    // A pause asked for in the same frame as the answer lies under the
    // question; it belongs to the puzzle left.
    PopWindow(CONFIRMATION_DIALOG, false);
    PopWindow(ESCAPE_MENU, false);
    PopWindow(PUZZLE_WINDOW, false);
    Play(challenge);
}

} // namespace Pemberquill
