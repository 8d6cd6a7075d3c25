#include "game/presentation/ui/InstructorScreensUI.h"

#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

int InstructorScreensUI::GetWindowHandle(int windowId) const
{
    return PemberquillUI::GetWindowHandle(windowId);
}

void InstructorScreensUI::PushWindow(int windowId)
{
    m_ui.PushWindow(windowId, false);
}

void InstructorScreensUI::PopWindow(int windowId, bool allowAnimationsToFinish)
{
    m_ui.PopWindow(windowId, allowAnimationsToFinish);
}

void InstructorScreensUI::SetInstructorTextRegion(const AABB2& region)
{
    m_ui.SetInstructorTextRegion(region);
}

void InstructorScreensUI::CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines)
{
    m_ui.CreateInstructorTextArea(parentHandle, lines);
}

void InstructorScreensUI::CreateInformationDialog(const std::vector<TextLines>& lines, const std::string& buttonLabel,
                                                  const std::string& activationEvent)
{
    m_ui.ShowInformationDialog(activationEvent, lines, buttonLabel);
}

void InstructorScreensUI::CreateHowToPlayWindow()
{
    m_ui.CreateHowToPlayWindow();
}

Texture* InstructorScreensUI::LoadTexture(const std::string& imagePath)
{
    return m_ui.LoadTexture(imagePath);
}

} // namespace Pemberquill
