#include "game/presentation/ui/PlayerProfileScreensUI.h"

#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

void PlayerProfileScreensUI::PushWindow(int windowId, bool pushImmediately)
{
    m_ui.PushWindow(windowId, pushImmediately);
}

void PlayerProfileScreensUI::PopWindow(int windowId, bool allowAnimationsToFinish)
{
    m_ui.PopWindow(windowId, allowAnimationsToFinish);
}

int PlayerProfileScreensUI::GetWindowHandle(int windowId)
{
    return PemberquillUI::GetWindowHandle(windowId);
}

void PlayerProfileScreensUI::CreateSelectProfileWindow(const std::vector<std::string>& profileNames, bool canCreate,
                                                       bool canLeave)
{
    m_ui.CreateSelectProfileWindow(profileNames, canCreate, canLeave);
}

void PlayerProfileScreensUI::CreateCreateProfileDialog(bool isFirstPlayer)
{
    m_ui.CreateCreateProfileDialog(isFirstPlayer);
}

void PlayerProfileScreensUI::ShowInformationDialog(const std::vector<TextLines>& lines,
                                                   const std::string& buttonLabel)
{
    m_ui.ShowInformationDialog("", lines, buttonLabel);
}

void PlayerProfileScreensUI::ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                                    const std::string& cancelLabel, const std::string& acceptEvent,
                                                    const std::string& profileName)
{
    m_ui.ShowConfirmationDialog(question, acceptLabel, cancelLabel, acceptEvent, profileName);
}

void PlayerProfileScreensUI::SetInstructorTextRegion(const AABB2& region)
{
    m_ui.SetInstructorTextRegion(region);
}

} // namespace Pemberquill
