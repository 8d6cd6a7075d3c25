#pragma once

#include "game/campaign/PemberquillCampaign.h"

namespace Pemberquill {

class PemberquillUI;

// The campaign's view of the game's screens: builds, pushes and pops them
// through the screen manager and draws the campaign map with the renderer.
class CampaignScreensUI : public CampaignScreens {
public:
    explicit CampaignScreensUI(PemberquillUI& ui) : m_ui(ui) {}

    void CreatePuzzleWindow(Puzzle* puzzle, const std::string& escapeEventName, bool isChallengeUnsolved,
                            bool isChallenge) override;
    void PushWindow(int windowId, bool pushImmediately) override;
    void PopWindow(int windowId, bool allowAnimationsToFinish) override;
    int GetWindowHandle(int windowId) override;
    void CreateCampaignWindow(std::vector<CampaignRegion>& regions) override;
    void CreateCampaignRegion(CampaignRegion* region) override;
    void CreateCampaignNodeWindow(CampaignNode* node) override;
    void CreatePuzzleGroups(CampaignNode* node, int windowId) override;
    void CreatePuzzleSolvedDialog(Puzzle* puzzle) override;
    void ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                const std::string& cancelLabel, const std::string& acceptEventName,
                                NamedProperties& payload) override;
    void SetLessonBox(const AABB2& box) override;
    Vector2 GetFirstHomeworkLocation() override;
    void DrawCampaignRegion(const CampaignRegion* region, std::vector<CampaignNode>& locations) override;
    void DrawCampaignRegionBackground(const CampaignRegion* region) override;
    void DrawCampaignRegionFullScreenTexture(const CampaignRegion* region) override;

private:
    PemberquillUI& m_ui;
};

} // namespace Pemberquill
