#include "game/presentation/ui/AchievementScreensUI.h"

#include "game/common/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

void AchievementScreensUI::ShowAchievementDialog(const std::vector<AchievementDefinition>& earned,
                                                 const std::string& closeEvent)
{
    std::vector<PemberquillUI::AchievementEntry> entries;
    for (const AchievementDefinition& definition : earned) {
        PemberquillUI::AchievementEntry entry;
        entry.title = definition.title;
        entry.description1 = definition.line1;
        entry.description2 = definition.line2;
        entry.icon = definition.achievedImage;
        entries.push_back(entry);
    }
    m_ui.ShowAchievementDialog(entries, closeEvent);
    m_ui.PushWindow(GAME_WINDOW_ACHIEVEMENT_DIALOG, false);
}

void AchievementScreensUI::ShowInformationDialog(const std::vector<TextLines>& lines, const std::string& closeEvent,
                                                 const std::string& buttonText)
{
    m_ui.ShowInformationDialog(closeEvent, lines, buttonText);
    m_ui.PushWindow(GAME_WINDOW_INFORMATION, false);
}

void AchievementScreensUI::CloseDialogs()
{
    m_ui.PopWindow(GAME_WINDOW_ACHIEVEMENT_DIALOG, false);
    m_ui.PopWindow(GAME_WINDOW_INFORMATION, false);
}

void AchievementScreensUI::ShowAchievementsWindow(const PlayerAchievements& record,
                                                  const std::vector<AchievementDefinition>& definitions)
{
    m_ui.PopWindow(GAME_WINDOW_CAMPAIGN, false);
    m_ui.CreateAchievementsWindow(record, definitions);
    m_ui.PushWindow(GAME_WINDOW_ACHIEVEMENTS, false);
}

void AchievementScreensUI::CloseAchievementsWindow()
{
    m_ui.PopWindow(GAME_WINDOW_ACHIEVEMENTS, false);
}

Texture* AchievementScreensUI::LoadTexture(const std::string& imagePath)
{
    return m_ui.LoadTexture(imagePath);
}

} // namespace Pemberquill
