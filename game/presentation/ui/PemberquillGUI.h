#pragma once

#include "engine/core/Vector2.h"
#include "game/common/GameSubsystem.h"

namespace Pemberquill {

// A game subsystem without behaviour of its own: it takes its place in the
// game's start-up and key chain (declining every key) and leaves every
// screen to PemberquillUI.
class PemberquillGUI : public GameSubsystem {
public:
    PemberquillGUI();

    const Vector2& GetScreenSize() const { return m_screenSize; }

    // Set once the player has closed the instructions window.
    void SetInstructionsHidden(bool isHidden) { m_areInstructionsHidden = isHidden; }
    bool AreInstructionsHidden() const { return m_areInstructionsHidden; }

private:
    Vector2 m_screenSize;
    bool m_areInstructionsHidden = false;
};

} // namespace Pemberquill
