// The title window with the main menu.

#include <iterator>

#include "engine/core/NamedProperties.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"

namespace Pemberquill {

namespace {

// The welcome line and four buttons.
constexpr float MAIN_MENU_HEIGHT = 225.0f;
const char* const PROFILE_DEPENDENT = "SetVisibilityForProfileDependentWidgetsEvent";

} // namespace

int PemberquillUI::CreateTitleWindow()
{
    const Vector2 screen = GetScreenSize();

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "TitleWindow");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("BaseColor", Rgba(0, 0, 0, 255));
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_TITLE_BACKGROUND));
    // The picture fills the top 640 rows of its 1024 x 1024 image.
    bag.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.625f));
    bag.Set("Virtual", false);
    bag.Set("EscapePops", false);
    bag.Set("HideChildrenWhenNotAtTop", true);
    bag.Set<std::string>("HideAnim", "TitleWindowHide");
    const int window = BuildWindow(GAME_WINDOW_TITLE, bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "MainMenuGroup");
    bag.Set("Parent", window);
    bag.Set("Size", Vector2(MENU_PANEL_WIDTH, MAIN_MENU_HEIGHT));
    bag.Set("Offset", Vector2(0.1f * screen.x, (screen.y - MAIN_MENU_HEIGHT) * 0.5f));
    bag.Set<std::string>("PostRenderEventToFire", "TitlePostRenderEvent");
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_POPUP_BACK_VERTICAL));
    bag.Set("BorderColor", Rgba(0, 0, 0, 0));
    bag.Set("Transparent", false);
    bag.Set("Tint", GetDialogTintColor());
    bag.Set<std::string>("ShowAnim", "BlueTintBackgroundShow");
    bag.Set<std::string>("HideAnim", "BlueTintBackgroundHide");
    bag.Set("Virtual", false);
    const int group = CreateComponent(bag);

    bag.Clear();
    bag.Set<std::string>("Name", "MainMenuWelcomeLabel");
    bag.Set("Parent", group);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set<std::string>("Label", "");
    bag.Set<std::string>("SetDefaultLabelEvent", "ActivePlayerProfileNameChangedEvent");
    CreateStyledLabel(4, bag);

    static const MenuButtonRow BUTTONS[] = {
        {"PlayButton", "Play", "Continue on your journey by playing puzzles.", "PlayCampaignEvent",
         PROFILE_DEPENDENT},
        {"TutorialButton", "Tutorial", "Learn how to play the game", "ShowInstructionsEvent", PROFILE_DEPENDENT},
        {"OptionsButton", "Set Options", "Change gameplay, video, and audio options.", "ShowOptionsEvent",
         PROFILE_DEPENDENT},
        {"QuitButton", "Quit", "Quit playing the game and return to Windows", "QuitGameEvent", nullptr},
    };
    CreateMenuButtons(group, 1, BUTTONS, std::size(BUTTONS));

    // The way to another player: the profile manager names the active player
    // on it and points it at the select window, or at the create dialog
    // while there is no player.
    bag.Clear();
    bag.Set<std::string>("Name", "ChangeProfileButton");
    bag.Set("Parent", window);
    bag.Set("Offset", Vector2(0.1f * screen.x + MENU_ROW_INSET, (screen.y + MAIN_MENU_HEIGHT) * 0.5f + MENU_ROW_INSET));
    bag.Set<std::string>("Label", "");
    bag.Set<std::string>("RolloverText", "Choose another player, or create a new one.");
    bag.Set<std::string>("OnActivationEventName", "ShowSelectProfileDialogEvent");
    bag.Set<std::string>("SetDefaultLabelEvent", "SetChangeProfileLabelEvent");
    bag.Set<std::string>("SubscribeEvent", "UpdateClickHereIfYouAreNotButton");
    CreateStyledButton(0, bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", "WatermarkTextLabel");
    bag.Set("Parent", window);
    bag.Set("Size", Vector2(screen.x, 15.0f));
    bag.Set("Offset", Vector2(30.0f, 600.0f));
    bag.Set<std::string>("Label", "");
    bag.Set<std::string>("SetDefaultLabelEvent", "VersionTextChangedEvent");
    bag.Set<std::string>("FontName", "MainFont");
    bag.Set("FontHeight", 16.0f);
    bag.Set("FontBold", true);
    bag.Set("FontColor", Rgba(255, 255, 255, 80));
    bag.Set("ShadowColor", Rgba(0, 0, 0, 40));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_LEFT);
    CreateComponent(bag);
    return window;
}

} // namespace Pemberquill
