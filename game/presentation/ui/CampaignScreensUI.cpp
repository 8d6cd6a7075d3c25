#include "game/presentation/ui/CampaignScreensUI.h"

#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

// The puzzle window's builder is not part of the screens yet: until it is,
// a campaign puzzle plays without a window and this is where
// m_ui.CreatePuzzleWindow(puzzle, escapeEventName, isChallengeUnsolved,
// isChallenge) goes.
void CampaignScreensUI::CreatePuzzleWindow(Puzzle*, const std::string&, bool, bool) {}

// The puzzle-solved dialog's builder lands here:
// m_ui.CreatePuzzleSolvedDialog(puzzle).
void CampaignScreensUI::CreatePuzzleSolvedDialog(Puzzle*) {}

// The confirmation dialog's builder lands here, with the accept button
// firing acceptEventName and the payload.
void CampaignScreensUI::ShowConfirmationDialog(const std::string&, const std::string&, const std::string&,
                                               const std::string&, NamedProperties&)
{
}

void CampaignScreensUI::PushWindow(int windowId, bool pushImmediately)
{
    m_ui.PushWindow(windowId, pushImmediately);
}

void CampaignScreensUI::PopWindow(int windowId, bool allowAnimationsToFinish)
{
    m_ui.PopWindow(windowId, allowAnimationsToFinish);
}

int CampaignScreensUI::GetWindowHandle(int windowId)
{
    return PemberquillUI::GetWindowHandle(windowId);
}

void CampaignScreensUI::CreateCampaignWindow(std::vector<CampaignRegion>& regions)
{
    m_ui.CreateCampaignWindow(regions);
}

void CampaignScreensUI::CreateCampaignRegion(CampaignRegion* region)
{
    m_ui.CreateCampaignRegion(region);
}

void CampaignScreensUI::CreateCampaignNodeWindow(CampaignNode* node)
{
    m_ui.CreateCampaignNodeWindow(node);
}

void CampaignScreensUI::CreatePuzzleGroups(CampaignNode* node, int windowId)
{
    m_ui.CreatePuzzleGroups(node, windowId);
}

void CampaignScreensUI::SetLessonBox(const AABB2& box)
{
    m_ui.SetInstructorTextRegion(box);
}

Vector2 CampaignScreensUI::GetFirstHomeworkLocation()
{
    return m_ui.GetFirstHomeworkLocation();
}

void CampaignScreensUI::DrawCampaignRegion(const CampaignRegion* region, std::vector<CampaignNode>& locations)
{
    PemberquillRenderer::DrawCampaignRegion(
        region, [&locations](const std::string& name) { return Campaign::FindNodeByName(locations, name); });
}

void CampaignScreensUI::DrawCampaignRegionBackground(const CampaignRegion* region)
{
    PemberquillRenderer::DrawCampaignRegionBackground(region);
}

void CampaignScreensUI::DrawCampaignRegionFullScreenTexture(const CampaignRegion* region)
{
    PemberquillRenderer::DrawCampaignRegionFullScreenTexture(region);
}

} // namespace Pemberquill
