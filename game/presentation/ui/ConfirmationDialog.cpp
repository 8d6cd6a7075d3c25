// The yes/no dialog in front of every destructive choice.

#include "engine/core/NamedProperties.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"

namespace Pemberquill {

namespace {

constexpr float CONFIRMATION_HEIGHT = 180.0f;
constexpr float BUTTON_Y = 75.0f;
constexpr float BUTTON_HEIGHT = 50.0f;

void DescribeConfirmationControl(NamedProperties& bag, UIWidgetType type, const char* name, int parent,
                                 const Vector2& size, const Vector2& offset, const Rgba& fontColor,
                                 const std::string& label)
{
    bag.Clear();
    bag.Set("Type", type);
    bag.Set("Size", size);
    bag.Set("Offset", offset);
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("Parent", parent);
    bag.Set("FontColor", fontColor);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    bag.Set<std::string>("Name", name);
    bag.Set<std::string>("Label", label);
}

} // namespace

int PemberquillUI::BuildConfirmationDialog(const std::string& question, const std::string& acceptLabel,
                                           const std::string& cancelLabel, const std::string& acceptEvent,
                                           const NamedProperties& payload)
{
    const float width = GetScreenSize().x * 0.5f;
    const bool hasCancel = !cancelLabel.empty();
    // A lone accept button takes the middle half.
    const float buttonWidth = (hasCancel ? 0.35f : 0.5f) * width;
    const float margin = (hasCancel ? 0.1f : 0.25f) * width;
    const Rgba white(255, 255, 255, 255);

    NamedProperties bag;
    const Vector2 size(width, CONFIRMATION_HEIGHT);
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", "Confirmation Dialog");
    bag.Set("Size", size);
    bag.Set("Offset", GetCenteredOffset(size));
    bag.Set("Virtual", false);
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_POPUP_BACK_HORIZONTAL));
    bag.Set("Transparent", false);
    bag.Set<std::string>("ShowAnim", "BlueTintBackgroundShow");
    bag.Set<std::string>("HideAnim", "BlueTintBackgroundHide");
    bag.Set("Dialog", true);
    bag.Set("Tint", GetDialogTintColor());
    const int window = BuildWindow(GAME_WINDOW_CONFIRMATION, bag);

    DescribeConfirmationControl(bag, UI_WIDGET_TYPE_LABEL, "ConfirmationQuestion", window,
                                Vector2(0.8f * width, 50.0f), Vector2(0.1f * width, 25.0f),
                                Rgba(255, 255, 0, 255), question);
    CreateComponent(bag);

    DescribeConfirmationControl(bag, UI_WIDGET_TYPE_BUTTON, "ConfirmationOkButton", window,
                                Vector2(buttonWidth, BUTTON_HEIGHT), Vector2(margin, BUTTON_Y), white, acceptLabel);
    bag.Set<std::string>("OnActivationEventName", acceptEvent);
    bag.Set(ACCEPT_PAYLOAD, payload);
    ApplyPopupBackgroundStyle(CreateComponent(bag));

    if (hasCancel) {
        DescribeConfirmationControl(bag, UI_WIDGET_TYPE_BUTTON, "ConfirmationCancelButton", window,
                                    Vector2(buttonWidth, BUTTON_HEIGHT),
                                    Vector2(width - (margin + buttonWidth), BUTTON_Y), white, cancelLabel);
        bag.Set<std::string>("OnActivationEventName", "WindowPopEvent");
        bag.Set(ACCEPT_PAYLOAD, window);
        ApplyPopupBackgroundStyle(CreateComponent(bag));
    }
    return window;
}

} // namespace Pemberquill
