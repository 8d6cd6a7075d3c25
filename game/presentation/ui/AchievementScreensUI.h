#pragma once

#include "game/steam/AchievementSystem.h"

namespace Pemberquill {

class PemberquillUI;

// The achievement system's view of the game's screens: its dialogs are the
// screen manager's achievement and information dialogs.
class AchievementScreensUI : public AchievementScreens {
public:
    explicit AchievementScreensUI(PemberquillUI& ui) : m_ui(ui) {}

    void ShowAchievementDialog(const std::vector<AchievementDefinition>& earned,
                               const std::string& closeEvent) override;
    void ShowInformationDialog(const std::vector<TextLines>& lines, const std::string& closeEvent,
                               const std::string& buttonText) override;
    void CloseDialogs() override;
    // Leaves the campaign window for a freshly built achievements window.
    void ShowAchievementsWindow(const PlayerAchievements& record,
                                const std::vector<AchievementDefinition>& definitions) override;
    void CloseAchievementsWindow() override;
    Texture* LoadTexture(const std::string& imagePath) override;

private:
    PemberquillUI& m_ui;
};

} // namespace Pemberquill
