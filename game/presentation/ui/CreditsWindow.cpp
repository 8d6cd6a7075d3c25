// The full-screen window the credits roll on.

#include "engine/core/NamedProperties.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"

namespace Pemberquill {

int PemberquillUI::CreateCreditsWindow()
{
    NamedProperties bag;
    DescribeTitleScreenWindow(bag, "CreditsWindow", "QuitCreditsEvent");
    bag.Set<std::string>("PostRenderEventToFire", "CreditsViewRenderEvent");
    bag.Set<std::string>("ShowAnim", "CreditsWindowShow");
    bag.Set<std::string>("HideAnim", "CreditsWindowHide");
    const int window = BuildWindow(GAME_WINDOW_CREDITS, bag);

    bag.Clear();
    bag.Set<std::string>("Name", "CreditsWindowBackButton");
    bag.Set("Parent", window);
    bag.Set("Offset", GetScreenMargin());
    bag.Set<std::string>("Label", "Return to Options");
    bag.Set<std::string>("OnActivationEventName", "QuitCreditsEvent");
    bag.Set("OnActivationEventNameProperty", window);
    bag.Set<std::string>("RolloverText", "Return to the Options menu.");
    CreateStyledButton(1, bag);

    CreateBannerTitle(window, "CreditsWindowTitle", "Credits");
    return window;
}

void PemberquillUI::DescribeTitleScreenWindow(NamedProperties& bag, const char* name, const char* escapeEvent) const
{
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", name);
    bag.Set("Size", GetScreenSize());
    bag.Set("Offset", Vector2(0.0f, 0.0f));
    bag.Set("BaseColor", Rgba(0, 0, 0, 255));
    bag.Set("Virtual", false);
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_TITLE_BACKGROUND));
    bag.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.625f));
    // Escape leaves through the window's own event, as its back button does.
    bag.Set("EscapePops", false);
    bag.Set<std::string>("EscapeEvent", escapeEvent);
}

void PemberquillUI::CreateBannerTitle(int parent, const char* name, const char* title)
{
    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", name);
    bag.Set("Parent", parent);
    bag.Set<std::string>("Label", title);
    bag.Set("FontColor", GetHighlightColor());
    bag.Set("BaseColor", GetShadeColor());
    bag.Set("Shadowed", true);
    bag.Set("ShadowColor", GetShadeColor());
    bag.Set("FontHeight", 25.0f);
    bag.Set("Size", Vector2(512.0f, 32.0f));
    bag.Set("Offset", Vector2(256.0f, 0.0f));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("RenderBackground", true);
    bag.Set("FeatherFractionLeft", 0.3f);
    bag.Set("FeatherFractionRight", 0.3f);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    CreateComponent(bag);
}

} // namespace Pemberquill
