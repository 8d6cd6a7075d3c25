#include "game/presentation/ui/FreePlayScreensUI.h"

#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

void FreePlayScreensUI::CreatePuzzleWindow(Puzzle* puzzle, const std::string& escapeEventName,
                                           bool isChallengeUnsolved, bool isChallenge)
{
    m_ui.CreatePuzzleWindow(puzzle, escapeEventName, isChallengeUnsolved, isChallenge);
}

// No screen of the game builds the puzzle-builder menu.
void FreePlayScreensUI::CreateFreePlayWindow(const std::string&, const std::string&, const std::string&) {}

// Nor the cage-rules dialog that belongs to it.
void FreePlayScreensUI::CreateCageRulesDialog(CageRules*) {}

void FreePlayScreensUI::PushWindow(int windowId, bool pushImmediately)
{
    m_ui.PushWindow(windowId, pushImmediately);
}

void FreePlayScreensUI::PopWindow(int windowId, bool allowAnimationsToFinish)
{
    m_ui.PopWindow(windowId, allowAnimationsToFinish);
}

} // namespace Pemberquill
