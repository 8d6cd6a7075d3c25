// The options window: check boxes and the volume slider that show what the
// options object publishes and send the player's changes back by events.

#include <iterator>

#include "engine/core/NamedProperties.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

namespace {

constexpr float OPTIONS_WINDOW_HEIGHT = 450.0f;

// The toolkit makes "Toggle" + the activation name and "Set" + it of these.
struct OptionCheckBox {
    const char* name;
    const char* label;
    const char* rolloverText;
    const char* activationEventName;
};

constexpr OptionCheckBox CHECK_BOXES[] = {
    {"ToggleSolutionsCheckBox", "Show Possible Solutions:",
     "Controls whether the possible solutions for each cage are displayed.", "SolutionsEvent"},
    {"ToggleIsHighlightingErrorsCheckBox", "Highlight Errors Immediately:",
     "Controls whether the game tells you the moment you make a mistake.", "IsHighlightingErrorsEvent"},
    {"ToggleUseAutoEliminationCheckBox", "Use Auto-Elimination (Recommended):",
     "Controls whether the game auto-eliminates candidates when you fill in a value.", "UseAutoEliminationEvent"},
    {"RunInAWindowCheckBox", "Run In A Window:",
     "Changes whether or not the game runs in a window, rather than fullscreen.", "IsWindowedEvent"},
    {"PlaySoundsCheckBox", "Play Sounds:", "Changes whether or not sounds are played.", "IsPlayingSoundsEvent"},
};

} // namespace

int PemberquillUI::CreateOptionsWindow()
{
    NamedProperties bag;
    DescribeMenuDialog(bag, "OptionsWindow", OPTIONS_WINDOW_HEIGHT, "ButtonWindowShow");
    const int window = BuildWindow(GAME_WINDOW_OPTIONS, bag);

    CreateMenuLabel(window, 0, 4, "OptionsLabel", "Options");
    int row = 1;
    for (const OptionCheckBox& checkBox : CHECK_BOXES) {
        bag.Clear();
        bag.Set<std::string>("Name", checkBox.name);
        bag.Set("Parent", window);
        bag.Set("Offset", Vector2(MENU_ROW_INSET, MENU_ROW_HEIGHT * static_cast<float>(row++)));
        bag.Set<std::string>("Label", checkBox.label);
        bag.Set<std::string>("RolloverText", checkBox.rolloverText);
        bag.Set<std::string>("OnActivationEventName", checkBox.activationEventName);
        CreateStyledCheckBox(0, bag);
    }

    bag.Clear();
    bag.Set<std::string>("Name", "VolumeSlider");
    bag.Set("Parent", window);
    bag.Set("Offset", Vector2(MENU_ROW_INSET, MENU_ROW_HEIGHT * static_cast<float>(row++)));
    bag.Set<std::string>("Label", "Volume:");
    bag.Set<std::string>("RolloverText", "Changes the volume for all sounds.");
    bag.Set<std::string>("OnActivationEventName", "MasterVolumeEvent");
    bag.Set<std::string>("SetDefaultLabelEvent", "MasterVolumeChangedEvent");
    CreateStyledSlider(0, bag);

    CreateMenuLabel(window, row++, 3, "OptionSpacingLabel", "");

    static const MenuButtonRow BUTTONS[] = {
        {"ShowCreditsButton", "Show Credits", "Displays the credits for the game.", "PlayCreditsEvent", nullptr},
        {"HideOptionsButton", "Back", "Returns to the previous screen.", "HideOptionsEvent", nullptr},
    };
    CreateMenuButtons(window, row, BUTTONS, std::size(BUTTONS));
    return window;
}

} // namespace Pemberquill
