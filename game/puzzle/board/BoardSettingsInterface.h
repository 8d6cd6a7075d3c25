#pragma once

namespace Pemberquill {

// What a board reads of the game shell each time it needs it: two painting
// options, the auto-elimination option, the game-wide auto-solving flag and
// the modifier keys. The game object implements it (answering from its
// options, its own flag and the input module) and installs itself with
// SetBoardSettings; tests install a fake.
class BoardSettingsInterface {
public:
    // "Painting cages": the left button paints squares instead of acting on
    // candidates.
    virtual bool IsPaintingCages() const = 0;
    // "Paint color index": the palette index that painting applies.
    virtual int GetPaintColorIndex() const = 0;
    // "Use auto-elimination": placing a value also rules that value out in
    // its row and column.
    virtual bool UseAutoElimination() const = 0;
    // Set while the game solves a board by itself; the solutions panel is
    // left alone meanwhile.
    virtual bool IsAutoSolving() const = 0;
    virtual bool IsShiftKeyDown() const = 0;
    virtual bool IsCtrlKeyDown() const = 0;

protected:
    ~BoardSettingsInterface() = default;
};

// Installs the settings every board reads from now on; the caller keeps
// ownership and installs null before the object goes away.
void SetBoardSettings(const BoardSettingsInterface* settings);

// The installed settings or, when none are (generators and solvers running
// without a game), the options' defaults: not painting, no paint colour,
// auto-elimination on, not auto-solving, no key held.
const BoardSettingsInterface& GetBoardSettings();

} // namespace Pemberquill
