// The pause menu over a campaign puzzle in play.

#include <iterator>

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/SaveOutcomes.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

namespace {

constexpr float ESCAPE_MENU_HEIGHT = 315.0f;
const char* const HIDE_ESCAPE_MENU = "HideCampaignEscapeDialogEvent";
const char* const SET_EXIT_PUZZLE_BUTTON = "SetExitPuzzleButtonEvent";
const char* const SET_QUIT_GAME_BUTTON = "SetQuitGameButtonEvent";

struct LeaveButtonTexts {
    const char* label;
    const char* rolloverText;
};

struct LeaveButtonsLook {
    LeaveButtonTexts exitPuzzle;
    LeaveButtonTexts quitGame;
};

// The two buttons that leave promise that leaving saves the progress; once
// a save of it has failed they say so, until a save succeeds again.
const LeaveButtonsLook& GetLeaveButtonsLook(ProgressSaveState state)
{
    static const LeaveButtonsLook SAVING = {
        {"Exit Puzzle (progress saved)", "Quits this puzzle and returns to the location screen.  Progress is saved."},
        {"Quit Game (progress saved)", "Quits the entire game.  Progress is saved."},
    };
    static const LeaveButtonsLook FAILED = {
        {"Exit Puzzle (NOT saved)",
         "Quits this puzzle and returns to the location screen.  The last save failed: progress may be lost."},
        {"Quit Game (NOT saved)", "Quits the entire game.  The last save failed: progress may be lost."},
    };
    return state == ProgressSaveState::FAILED ? FAILED : SAVING;
}

void RestyleButton(const char* eventName, const LeaveButtonTexts& texts)
{
    NamedProperties args;
    args.Set<std::string>("Label", texts.label);
    args.Set<std::string>("RolloverText", texts.rolloverText);
    FireGlobalEvent(eventName, args);
}

} // namespace

int PemberquillUI::CreateCampaignEscapeMenu()
{
    NamedProperties bag;
    DescribeMenuDialog(bag, "CampaignPuzzleEscapeMenuDialog", ESCAPE_MENU_HEIGHT, "BlueTintBackgroundShow");
    // Escape resumes play just as the first button does.
    bag.Set("EscapePops", false);
    bag.Set<std::string>("EscapeEvent", HIDE_ESCAPE_MENU);
    bag.Set("ShowOnlyWhenAtTopOfStack", true);
    const int window = BuildWindow(GAME_WINDOW_CAMPAIGN_ESCAPE_MENU, bag);

    CreateMenuLabel(window, 0, 4, "PauseGameLabel", "Pause Game");
    const LeaveButtonsLook& leave = GetLeaveButtonsLook(GetProgressSaveState());
    const MenuButtonRow buttons[] = {
        {"ResumePlayingButton", "Resume Playing", "Resumes playing the current puzzle.", HIDE_ESCAPE_MENU, nullptr},
        {"ResetPuzzleButton", "Reset Puzzle", "Resets the current puzzle to be completely unsolved.",
         "ConfirmResetCampaignPuzzleEvent", nullptr},
        {"HowToPlayButton", "Tutorial", "Shows a tutorial on how to play.", "ShowInstructionsEvent", nullptr},
        {"ChangeOptionsButton", "Change Options", "Change the current puzzle options.", "ShowOptionsEvent", nullptr},
        {"ExitPuzzleButton", leave.exitPuzzle.label, leave.exitPuzzle.rolloverText, "QuitCampaignPuzzleEvent",
         nullptr, SET_EXIT_PUZZLE_BUTTON},
        {"QuitGameButton", leave.quitGame.label, leave.quitGame.rolloverText, "QuitGameEvent", nullptr,
         SET_QUIT_GAME_BUTTON},
    };
    CreateMenuButtons(window, 1, buttons, std::size(buttons));
    return window;
}

void PemberquillUI::Event_OnProgressSaveStateChanged(NamedProperties& args)
{
    int state = static_cast<int>(ProgressSaveState::NONE);
    args.Get("SaveState", state);
    const LeaveButtonsLook& leave = GetLeaveButtonsLook(static_cast<ProgressSaveState>(state));
    RestyleButton(SET_EXIT_PUZZLE_BUTTON, leave.exitPuzzle);
    RestyleButton(SET_QUIT_GAME_BUTTON, leave.quitGame);
}

} // namespace Pemberquill
