// The two dialogs over a puzzle: what to do with a puzzle that is already
// solved, and the offer to rewind a puzzle that holds mistakes.

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"
#include "game/puzzle/Puzzle.h"

namespace Pemberquill {

namespace {

// The button that closes its own dialog pops the window by its handle.
const char* const CLOSE_DIALOG = "WindowPopEvent";

struct DialogButton {
    const char* name;
    const char* label;
    const char* eventName;
    const char* rolloverText;
};

} // namespace

namespace {

// The two question lines, then a button per row; a button that closes the
// dialog passes its handle, every other one the puzzle.
template <size_t N>
void CreateDialogRows(PemberquillUI& ui, int dialog, Puzzle* puzzle, const std::string& firstLine,
                      const DialogButton (&buttons)[N])
{
    const std::string lines[] = {firstLine, "What would you like to do?"};
    const char* const lineNames[] = {"PuzzleSolvedLabel1", "PuzzleSolvedLabel2"};
    float y = 0.0f;
    NamedProperties bag;
    for (size_t i = 0; i < 2; ++i, y += 45.0f) {
        bag.Clear();
        bag.Set<std::string>("Name", lineNames[i]);
        bag.Set("Parent", dialog);
        bag.Set("Offset", Vector2(5.0f, y));
        bag.Set<std::string>("Label", lines[i]);
        ui.CreateStyledLabel(3, bag);
    }
    for (const DialogButton& button : buttons) {
        bag.Clear();
        bag.Set<std::string>("Name", button.name);
        bag.Set("Parent", dialog);
        bag.Set("Offset", Vector2(5.0f, y));
        bag.Set<std::string>("Label", button.label);
        bag.Set<std::string>("OnActivationEventName", button.eventName);
        if (std::string(button.eventName) == CLOSE_DIALOG) {
            bag.Set("OnActivationEventNameProperty", dialog);
        } else {
            bag.Set("OnActivationEventNameProperty", puzzle);
        }
        bag.Set<std::string>("RolloverText", button.rolloverText);
        ui.CreateStyledButton(0, bag);
        y += 45.0f;
    }
}

} // namespace

int PemberquillUI::CreatePuzzleSolvedDialog(Puzzle* puzzle)
{
    NamedProperties bag;
    DescribePopupDialog(bag, "PuzzleSolvedDialog", Vector2(MENU_PANEL_WIDTH, 225.0f));
    const int dialog = BuildWindow(GAME_WINDOW_PUZZLE_SOLVED, bag);
    static const DialogButton BUTTONS[] = {
        {"ResetSolvedPuzzleButton", "Reset this Puzzle", "ResetAndPlayPuzzleEvent",
         "Reset this puzzle so you can play it again."},
        {"PlayNextAvailablePuzzleButton", "Play next unsolved Puzzle", "PlayNextCampaignPuzzleEvent",
         "Play the next unfinished puzzle."},
        {"CancelPuzzleSolvedButton", "Return to Puzzle selection screen", CLOSE_DIALOG,
         "Close this dialog and return to the puzzle selection screen."},
    };
    const std::string name = puzzle != nullptr ? puzzle->GetDisplayName() : std::string();
    CreateDialogRows(*this, dialog, puzzle, name + " is already solved!", BUTTONS);
    return dialog;
}

int PemberquillUI::CreateRewindPuzzleDialog(Puzzle* puzzle)
{
    ULVO_ASSERT(puzzle, "A puzzle is required to rewind.", "PemberquillUI::CreateRewindPuzzleDialog");
    NamedProperties bag;
    DescribePopupDialog(bag, "RewindPuzzleDialog", Vector2(MENU_PANEL_WIDTH, 180.0f));
    const int dialog = BuildWindow(GAME_WINDOW_REWIND_PUZZLE, bag);
    static const DialogButton BUTTONS[] = {
        {"ResetSolvedPuzzleButton", "Return Puzzle to just before first mistake", "RewindPuzzleEvent",
         "Returns the puzzle to the state just before your first mistake."},
        {"CancelPuzzleRewindButton", "Nevermind, I'll fix them myself.", CLOSE_DIALOG,
         "Close the dialog and return to the puzzle."},
    };
    const std::string firstLine = Stringf("%s has %d errors in it.", puzzle->GetDisplayName().c_str(),
                                          static_cast<int>(puzzle->GetMistakes().size()));
    CreateDialogRows(*this, dialog, puzzle, firstLine, BUTTONS);
    return dialog;
}

} // namespace Pemberquill
