// The how-to-play picture with a button to carry on.

#include "engine/core/NamedProperties.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"

namespace Pemberquill {

int PemberquillUI::CreateHowToPlayWindow()
{
    const Vector2 screen = GetScreenSize();

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "HowToPlayWindow");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_HOW_TO_PLAY_BACKGROUND));
    // The picture fills the top 640 rows of its 1024 x 1024 image.
    bag.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.625f));
    bag.Set("Virtual", false);
    bag.Set("EscapePops", true);
    const int window = BuildWindow(GAME_WINDOW_HOW_TO_PLAY, bag);

    bag.Clear();
    bag.Set<std::string>("Name", "HowToPlayWindowBackButton");
    bag.Set("Parent", window);
    bag.Set("Offset", Vector2((screen.x - GetElementWidth(0)) * 0.5f, 520.0f));
    bag.Set<std::string>("Label", "Continue");
    bag.Set<std::string>("OnActivationEventName", "WindowPopEvent");
    bag.Set("OnActivationEventNameProperty", window);
    bag.Set<std::string>("RolloverText", "Continue on to play the first puzzle!");
    CreateStyledButton(0, bag);
    return window;
}

} // namespace Pemberquill
