// The splash dialog: one image centred on black, dismissed by a click
// anywhere or by Escape.

#include "engine/core/NamedProperties.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/UIState.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

int PemberquillUI::CreateSplashScreenDialog(const std::string& imagePath, const std::string& dismissEventName)
{
    const Vector2 screen = GetScreenSize();
    const Rgba black(0, 0, 0, 255);
    const Rgba invisible(0, 0, 0, 0);

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "SplashScreenDialog");
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("Virtual", false);
    bag.Set("EscapePops", false);
    bag.Set<std::string>("EscapeEvent", dismissEventName);
    bag.Set("BaseColor", black);
    bag.Set("BorderColor", black);
    bag.Set("Dialog", true);
    const int dialog = BuildWindow(GAME_WINDOW_SPLASH_SCREEN, bag);

    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_BUTTON);
    bag.Set<std::string>("Name", "SplashScreenHiddenButton");
    bag.Set("Parent", dialog);
    bag.Set("Size", screen);
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set<std::string>("Label", "");
    bag.Set("BaseColor", invisible);
    bag.Set("BorderColor", invisible);
    bag.Set<std::string>("OnActivationEventName", dismissEventName);
    const int button = CreateComponent(bag);
    if (button != NO_WINDOW) {
        for (UIState state : {UI_STATE_FOCUSED, UI_STATE_ACTIVATED}) {
            NamedProperties look;
            look.Set("BaseColor", invisible);
            look.Set("BorderColor", invisible);
            m_uiModule->SetWidgetState(button, state, look);
        }
    }

    Texture* image = LoadTexture(imagePath);
    Vector2 size(0.0f, 0.0f);
    if (image != nullptr) {
        size = Vector2(static_cast<float>(image->GetWidth()), static_cast<float>(image->GetHeight()));
    }
    bag.Clear();
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "SplashScreenCanvas");
    bag.Set("Parent", dialog);
    if (image != nullptr) {
        bag.Set("BaseTexture", image);
        bag.Set("Offset", Vector2((screen.x - size.x) * 0.5f, (screen.y - size.y) * 0.5f));
    } else {
        bag.Set("Offset", Vector2(0.0f, 0.0f));
    }
    bag.Set("Size", size);
    bag.Set("BaseColor", black);
    bag.Set("BorderColor", black);
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    CreateComponent(bag);
    return dialog;
}

} // namespace Pemberquill
