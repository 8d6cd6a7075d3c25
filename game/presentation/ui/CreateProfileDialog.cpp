// The dialog that names a new player.

#include "engine/core/NamedProperties.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

int PemberquillUI::CreateCreateProfileDialog(bool isFirstPlayer)
{
    const float rowHeight = GetProfileRowHeight();
    const Vector2 size(MENU_PANEL_WIDTH, rowHeight * (isFirstPlayer ? 2.0f : 3.0f));
    NamedProperties bag;
    DescribePopupDialog(bag, "Create Profile Dialog", size);
    // The first player has to be named: no way out.
    bag.Set("EscapePops", !isFirstPlayer);
    const int window = BuildWindow(GAME_WINDOW_CREATE_PROFILE, bag);

    CreateMenuLabel(window, 0, 3, "CreateProfile", "Enter Your Player Name:", rowHeight);

    bag.Clear();
    bag.Set<std::string>("Name", "Profile Name EditBox");
    bag.Set("Parent", window);
    bag.Set("Offset", Vector2(MENU_ROW_INSET, rowHeight));
    bag.Set<std::string>("Label", "");
    bag.Set<std::string>("RolloverText", "Enter your name using the keyboard.");
    bag.Set<std::string>("OnActivationEventName", "CreateProfileEvent");
    CreateStyledEditLine(0, bag);

    if (!isFirstPlayer) {
        CreatePopButton(window, 0, "ConfirmationCancelButton", Vector2(MENU_ROW_INSET, 2.0f * rowHeight),
                        "Cancel Player Creation", "Return to the previous screen without creating a new player.");
    }
    return window;
}

} // namespace Pemberquill
