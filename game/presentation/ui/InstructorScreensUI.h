#pragma once

#include "game/presentation/ui/InstructorScreensInterface.h"

namespace Pemberquill {

class PemberquillUI;

// The instructor's view of the game's screens: its text areas and dialogs
// are built and stacked by the screen manager.
class InstructorScreensUI : public InstructorScreensInterface {
public:
    explicit InstructorScreensUI(PemberquillUI& ui) : m_ui(ui) {}

    int GetWindowHandle(int windowId) const override;
    void PushWindow(int windowId) override;
    void PopWindow(int windowId, bool allowAnimationsToFinish) override;
    void SetInstructorTextRegion(const AABB2& region) override;
    void CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines) override;
    void CreateInformationDialog(const std::vector<TextLines>& lines, const std::string& buttonLabel,
                                 const std::string& activationEvent) override;
    void CreateHowToPlayWindow() override;
    Texture* LoadTexture(const std::string& imagePath) override;

private:
    PemberquillUI& m_ui;
};

} // namespace Pemberquill
