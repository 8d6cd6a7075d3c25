// The window that picks, deletes or creates a player.

#include "engine/core/NamedProperties.h"
#include "engine/core/Diagnostics.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"

namespace Pemberquill {

namespace {

constexpr int NAME_BUTTON_SIZE_CLASS = 5;
constexpr int DELETE_BUTTON_SIZE_CLASS = 6;

} // namespace

int PemberquillUI::CreateSelectProfileWindow(const std::vector<std::string>& profileNames, bool canCreate,
                                             bool canLeave)
{
    // The title row, one row per player and a row for each offered way out.
    const size_t rows = profileNames.size() + (canCreate ? 1 : 0) + (canLeave ? 1 : 0) + 1;
    const float rowHeight = GetProfileRowHeight();
    const Vector2 size(MENU_PANEL_WIDTH, rowHeight * static_cast<float>(rows));

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "Select Profile Window");
    bag.Set("Size", size);
    bag.Set("Offset", GetCenteredOffset(size));
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    bag.Set("EscapePops", canLeave);
    bag.Set("Dialog", true);
    bag.Set("ShowOnlyWhenAtTopOfStack", true);
    bag.Set<std::string>("ShowAnim", "ButtonWindowShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    bag.Set("Tint", GetDialogTintColor());
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_POPUP_BACK));
    const int window = BuildWindow(GAME_WINDOW_SELECT_PROFILE, bag);

    CreateMenuLabel(window, 0, 3, "SelectProfileMenuLabel", "Select or create a Player", rowHeight);

    const float deleteX = MENU_PANEL_WIDTH - (GetElementWidth(DELETE_BUTTON_SIZE_CLASS) + MENU_ROW_INSET);
    int row = 1;
    for (const std::string& name : profileNames) {
        const float y = rowHeight * static_cast<float>(row++);
        bag.Clear();
        bag.Set<std::string>("Name", "SelectProfile");
        bag.Set("Parent", window);
        bag.Set("Offset", Vector2(MENU_ROW_INSET, y));
        bag.Set<std::string>("Label", name);
        bag.Set<std::string>("RolloverText", Stringf("Make %s the current player.", name.c_str()));
        bag.Set<std::string>("OnActivationEventName", "SelectProfileEvent");
        bag.Set<std::string>("OnActivationEventNameProperty", name);
        CreateStyledButton(NAME_BUTTON_SIZE_CLASS, bag);

        bag.Clear();
        bag.Set<std::string>("Name", "DeleteProfile");
        bag.Set("Parent", window);
        bag.Set("Offset", Vector2(deleteX, y));
        bag.Set<std::string>("Label", "X");
        bag.Set<std::string>("RolloverText", Stringf("Delete player %s.", name.c_str()));
        bag.Set<std::string>("OnActivationEventName", "ConfirmDeleteProfileEvent");
        bag.Set<std::string>("OnActivationEventNameProperty", name);
        CreateStyledButton(DELETE_BUTTON_SIZE_CLASS, bag);
    }
    if (canCreate) {
        static const MenuButtonRow CREATE = {"CreateProfileButton", "Create A New Player",
                                             "Create a new player with the name of your choice.",
                                             "ShowCreateProfileDialogEvent", nullptr};
        CreateMenuButtons(window, row++, &CREATE, 1, rowHeight);
    }
    if (canLeave) {
        CreatePopButton(window, 0, "LeaveSelectProfileButton", Vector2(MENU_ROW_INSET, rowHeight * row),
                        "Return to Main Menu", "Return to the Main Menu without changing players.");
    }
    return window;
}

} // namespace Pemberquill
