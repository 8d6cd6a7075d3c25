#pragma once

#include "game/common/TextLines.h"

#include <string>
#include <vector>

namespace Pemberquill {

// What the puzzle chef needs of the game's screens: the information dialog,
// to tell the player that the recipe books have run out. The game's UI
// implements it and installs itself with PuzzleChef::SetUI; tests install a
// recording fake.
class PuzzleChefUIInterface {
public:
    // Builds the information dialog (window 19) with one label per line and
    // a button that closes it; the caller pushes it.
    virtual void ShowInformationDialog(const std::vector<TextLines>& lines, const std::string& title,
                                       const std::string& buttonText) = 0;
    virtual void PushWindow(int windowID, bool pushImmediately) = 0;

protected:
    ~PuzzleChefUIInterface() = default;
};

} // namespace Pemberquill
