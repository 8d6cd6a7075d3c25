// The pause menu over a campaign puzzle in play.

#include <iterator>

#include "engine/core/NamedProperties.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

namespace {

constexpr float ESCAPE_MENU_HEIGHT = 315.0f;
const char* const HIDE_ESCAPE_MENU = "HideCampaignEscapeDialogEvent";

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
    static const MenuButtonRow BUTTONS[] = {
        {"ResumePlayingButton", "Resume Playing", "Resumes playing the current puzzle.", HIDE_ESCAPE_MENU, nullptr},
        {"ResetPuzzleButton", "Reset Puzzle", "Resets the current puzzle to be completely unsolved.",
         "ConfirmResetCampaignPuzzleEvent", nullptr},
        {"HowToPlayButton", "Tutorial", "Shows a tutorial on how to play.", "ShowInstructionsEvent", nullptr},
        {"ChangeOptionsButton", "Change Options", "Change the current puzzle options.", "ShowOptionsEvent", nullptr},
        {"ExitPuzzleButton", "Exit Puzzle (progress saved)",
         "Quits this puzzle and returns to the location screen.  Progress is saved.", "QuitCampaignPuzzleEvent",
         nullptr},
        {"QuitGameButton", "Quit Game (progress saved)", "Quits the entire game.  Progress is saved.",
         "QuitGameEvent", nullptr},
    };
    CreateMenuButtons(window, 1, BUTTONS, std::size(BUTTONS));
    return window;
}

} // namespace Pemberquill
