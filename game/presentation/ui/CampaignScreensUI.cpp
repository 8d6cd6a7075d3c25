#include "game/presentation/ui/CampaignScreensUI.h"

#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

void CampaignScreensUI::CreatePuzzleWindow(Puzzle* puzzle, const std::string& escapeEventName,
                                           bool isChallengeUnsolved, bool isChallenge)
{
    m_ui.CreatePuzzleWindow(puzzle, escapeEventName, isChallengeUnsolved, isChallenge);
}

void CampaignScreensUI::CreatePuzzleSolvedDialog(Puzzle* puzzle)
{
    m_ui.CreatePuzzleSolvedDialog(puzzle);
}

void CampaignScreensUI::ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                               const std::string& cancelLabel, const std::string& acceptEventName,
                                               NamedProperties& payload)
{
    m_ui.BuildConfirmationDialog(question, acceptLabel, cancelLabel, acceptEventName, payload);
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
