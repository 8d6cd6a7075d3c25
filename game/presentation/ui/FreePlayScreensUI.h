#pragma once

#include "game/campaign/FreePlay.h"

namespace Pemberquill {

class PemberquillUI;

// Free play's view of the game's screens. The game offers no puzzle-builder
// menu, no free-play escape menu and no cage-rules dialog: those windows are
// never built, so their pushes and pops find no window and do nothing, while
// a puzzle that free play plays is shown on the puzzle window.
class FreePlayScreensUI : public FreePlayScreens {
public:
    explicit FreePlayScreensUI(PemberquillUI& ui) : m_ui(ui) {}

    void CreatePuzzleWindow(Puzzle* puzzle, const std::string& escapeEventName, bool isChallengeUnsolved,
                            bool isChallenge) override;
    void CreateFreePlayWindow(const std::string& playButtonLabel, const std::string& playButtonEventName,
                              const std::string& rollOverText) override;
    void CreateCageRulesDialog(CageRules* cageRules) override;
    void PushWindow(int windowId, bool pushImmediately) override;
    void PopWindow(int windowId, bool allowAnimationsToFinish) override;

private:
    PemberquillUI& m_ui;
};

} // namespace Pemberquill
