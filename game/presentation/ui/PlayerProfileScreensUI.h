#pragma once

#include "game/player/PlayerProfileScreens.h"

namespace Pemberquill {

class PemberquillUI;

// The profile manager's view of the game's screens: its dialogs, built and
// pushed through the screen manager.
class PlayerProfileScreensUI : public PlayerProfileScreens {
public:
    explicit PlayerProfileScreensUI(PemberquillUI& ui) : m_ui(ui) {}

    void PushWindow(int windowId, bool pushImmediately) override;
    void PopWindow(int windowId, bool allowAnimationsToFinish) override;
    int GetWindowHandle(int windowId) override;
    void CreateSelectProfileWindow(const std::vector<std::string>& profileNames, bool canCreate,
                                   bool canLeave) override;
    void CreateCreateProfileDialog(bool isFirstPlayer) override;
    void ShowInformationDialog(const std::vector<TextLines>& lines, const std::string& buttonLabel) override;
    void ShowConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                const std::string& cancelLabel, const std::string& acceptEvent,
                                const std::string& profileName) override;
    void SetInstructorTextRegion(const AABB2& region) override;

private:
    PemberquillUI& m_ui;
};

} // namespace Pemberquill
