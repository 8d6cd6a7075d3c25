#pragma once

#include "game/puzzle/board/BoardSettingsInterface.h"

namespace Pemberquill {

// What the boards read of the game: the painting and auto-elimination
// options as they stand, the modifier keys from the input module, and the
// game-wide copy of the auto-solving flag, which the game object sets around
// the puzzle chef's automatic solving. The game object owns one and installs
// it for the boards while it lives.
class GameBoardSettings final : public BoardSettingsInterface {
public:
    bool IsPaintingCages() const override;
    int GetPaintColorIndex() const override;
    bool UseAutoElimination() const override;
    bool IsAutoSolving() const override { return m_isAutoSolving; }
    // No key is held while no input module exists.
    bool IsShiftKeyDown() const override;
    bool IsCtrlKeyDown() const override;

    void SetAutoSolving(bool isAutoSolving) { m_isAutoSolving = isAutoSolving; }

private:
    bool m_isAutoSolving = false;
};

} // namespace Pemberquill
