// The house look of the game's controls and the metrics the screens are laid
// out with.

#include "engine/core/NamedProperties.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"

namespace Pemberquill {

namespace {

constexpr float STANDARD_WIDTH = 325.0f;
constexpr float STANDARD_HEIGHT = 35.0f;
constexpr float SMALL_BUTTON_HEIGHT = 30.0f;
constexpr float FONT_HEIGHT = 22.0f;
constexpr int EDIT_LINE_MAX_LENGTH = 20;

const Rgba WHITE(255, 255, 255, 255);
const Rgba NAVY(0, 0, 128, 255);
const Rgba DARK_GREY(64, 64, 64, 255);
const Rgba LIGHT_GREY(192, 192, 192, 255);

// The images of a button in its four looks.
struct ButtonTextureSet {
    const char* normal;
    const char* focused;
    const char* selected;
    const char* disabled;
};

constexpr ButtonTextureSet ORANGE_BUTTON = {UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE,
                                            UI_IMAGE_BUTTON_ORANGE_ACTIVE, UI_IMAGE_BUTTON_GREY_LONG};
constexpr ButtonTextureSet BLUE_BUTTON = {UI_IMAGE_BUTTON_BLUE_DEFAULT, UI_IMAGE_BUTTON_BLUE_HILITE,
                                          UI_IMAGE_BUTTON_BLUE_ACTIVE, UI_IMAGE_BUTTON_GREY_LONG};
constexpr ButtonTextureSet RED_SQUARE_BUTTON = {UI_IMAGE_SQUARE_RED_DEFAULT, UI_IMAGE_SQUARE_RED_HILITE,
                                                UI_IMAGE_SQUARE_RED_ACTIVE, UI_IMAGE_SQUARE_INACTIVE};

const ButtonTextureSet& GetButtonTextureSet(int sizeClass)
{
    switch (sizeClass) {
    case 5:
        return BLUE_BUTTON;
    case 6:
        return RED_SQUARE_BUTTON;
    default:
        return ORANGE_BUTTON;
    }
}

bool IsSmallButtonClass(int sizeClass)
{
    return sizeClass == 1 || sizeClass == 2;
}

} // namespace

Vector2 PemberquillUI::GetScreenSize()
{
    const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
    if (application == nullptr) {
        return Vector2(1.0f, 1.0f);
    }
    const IntVector2 size = application->GetViewBoundsSize();
    return Vector2(static_cast<float>(size.x), static_cast<float>(size.y));
}

float PemberquillUI::GetElementWidth(int sizeClass)
{
    switch (sizeClass) {
    case 1:
        return 200.0f;
    case 2:
        return 90.0f;
    case 5:
        return STANDARD_WIDTH - (STANDARD_HEIGHT + 10.0f);
    case 6:
        return STANDARD_HEIGHT;
    case 10:
    case 11:
        return STANDARD_WIDTH + 10.0f;
    default:
        return STANDARD_WIDTH;
    }
}

float PemberquillUI::GetElementHeight(int sizeClass)
{
    return IsSmallButtonClass(sizeClass) ? 32.0f : 45.0f;
}

Vector2 PemberquillUI::GetCenteredOffset(const Vector2& size)
{
    const Vector2 screen = GetScreenSize();
    return Vector2((screen.x - size.x) * 0.5f, (screen.y - size.y) * 0.5f);
}

int PemberquillUI::CreateStyledControl(int sizeClass, NamedProperties& bag, int widgetType, Dresser dresser)
{
    const bool isButtonOrLabel = widgetType == UI_WIDGET_TYPE_BUTTON || widgetType == UI_WIDGET_TYPE_LABEL;
    const float height = isButtonOrLabel && IsSmallButtonClass(sizeClass) ? SMALL_BUTTON_HEIGHT : STANDARD_HEIGHT;
    const bool isLabel = widgetType == UI_WIDGET_TYPE_LABEL;

    bag.Set("Type", static_cast<UIWidgetType>(widgetType));
    bag.Set("Size", Vector2(GetElementWidth(sizeClass), height));
    bag.Set("FontColor", WHITE);
    bag.Set("FontHeight", isLabel && sizeClass == 4 ? TITLE_FONT_HEIGHT : FONT_HEIGHT);
    bag.Set("FontBold", false);
    if (!isLabel) {
        bag.Set("GrabFocusSoundHandle", static_cast<int>(SOUND_UI_BUTTON_GAINFOCUS));
        bag.Set("ActivateSoundHandle", static_cast<int>(SOUND_UI_BUTTON_ACTIVATED));
    }
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    if (widgetType == UI_WIDGET_TYPE_EDIT_LINE) {
        bag.Set("MaxLineLength", EDIT_LINE_MAX_LENGTH);
    }
    if (isLabel) {
        bag.Set("BorderThickness", 0);
    }
    const int handle = CreateComponent(bag);
    if (handle != NO_WINDOW && dresser != nullptr) {
        (this->*dresser)(*m_uiModule, handle, sizeClass, bag);
    }
    return handle;
}

int PemberquillUI::CreateStyledButton(int sizeClass, NamedProperties& bag)
{
    return CreateStyledControl(sizeClass, bag, UI_WIDGET_TYPE_BUTTON, &PemberquillUI::DressButton);
}

int PemberquillUI::CreateStyledEditLine(int sizeClass, NamedProperties& bag)
{
    return CreateStyledControl(sizeClass, bag, UI_WIDGET_TYPE_EDIT_LINE, &PemberquillUI::DressEditLine);
}

int PemberquillUI::CreateStyledSlider(int sizeClass, NamedProperties& bag)
{
    return CreateStyledControl(sizeClass, bag, UI_WIDGET_TYPE_SLIDER, &PemberquillUI::DressSlider);
}

int PemberquillUI::CreateStyledCheckBox(int sizeClass, NamedProperties& bag)
{
    return CreateStyledControl(sizeClass, bag, UI_WIDGET_TYPE_CHECK_BOX, &PemberquillUI::DressCheckBox);
}

int PemberquillUI::CreateStyledLabel(int sizeClass, NamedProperties& bag)
{
    return CreateStyledControl(sizeClass, bag, UI_WIDGET_TYPE_LABEL, nullptr);
}

namespace {

// The look of a control while the mouse is over it or a button holds it.
void SetHighlightedState(UlvoUIInterface& ui, int handle, UIState state, Texture* texture)
{
    NamedProperties look;
    look.Set("BaseTexture", texture);
    look.Set("FontColor", NAVY);
    look.Set("ShadowColor", WHITE);
    ui.SetWidgetState(handle, state, look);
}

} // namespace

void PemberquillUI::DressButton(UlvoUIInterface& ui, int handle, int sizeClass, NamedProperties& bag)
{
    const ButtonTextureSet& set = GetButtonTextureSet(sizeClass);
    bag.Clear();
    bag.Set("BaseTexture", GetPreloadedTexture(set.normal));
    bag.Set("MinBaseTextureCoords", Vector2(0.0f, 0.125f));
    bag.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.875f));
    bag.Set("BorderThickness", 0);
    ui.SetWidgetProperties(handle, bag);

    SetHighlightedState(ui, handle, UI_STATE_FOCUSED, GetPreloadedTexture(set.focused));
    SetHighlightedState(ui, handle, UI_STATE_SELECTED, GetPreloadedTexture(set.selected));
    NamedProperties disabled;
    disabled.Set("BaseTexture", GetPreloadedTexture(set.disabled));
    disabled.Set("FontColor", DARK_GREY);
    disabled.Set("ShadowColor", LIGHT_GREY);
    ui.SetWidgetState(handle, UI_STATE_DISABLED, disabled);
}

void PemberquillUI::DressEditLine(UlvoUIInterface& ui, int handle, int /*sizeClass*/, NamedProperties& bag)
{
    bag.Clear();
    bag.Set("BaseTexture", GetPreloadedTexture(ORANGE_BUTTON.normal));
    bag.Set("BorderThickness", 0);
    ui.SetWidgetProperties(handle, bag);

    SetHighlightedState(ui, handle, UI_STATE_FOCUSED, GetPreloadedTexture(ORANGE_BUTTON.focused));
    SetHighlightedState(ui, handle, UI_STATE_SELECTED, GetPreloadedTexture(ORANGE_BUTTON.selected));
    NamedProperties disabled;
    disabled.Set("BaseTexture", GetPreloadedTexture(ORANGE_BUTTON.disabled));
    ui.SetWidgetState(handle, UI_STATE_DISABLED, disabled);
}

void PemberquillUI::DressSlider(UlvoUIInterface& ui, int handle, int /*sizeClass*/, NamedProperties& bag)
{
    static constexpr SquareButtonSkin SLIDER = {"Button", UI_IMAGE_SQUARE_GREEN_DEFAULT, UI_IMAGE_SQUARE_GREEN_HILITE,
                                                false, "IncreaseTexture", UI_IMAGE_ARROW_RIGHT,
                                                "DecreaseTexture", UI_IMAGE_ARROW_LEFT};
    SetSquareButtonTextures(ui, handle, SLIDER, bag);
}

void PemberquillUI::DressCheckBox(UlvoUIInterface& ui, int handle, int /*sizeClass*/, NamedProperties& bag)
{
    static constexpr SquareButtonSkin CHECK_BOX = {"CheckBox", UI_IMAGE_SQUARE_RED_DEFAULT, UI_IMAGE_SQUARE_RED_HILITE,
                                                   false, "CheckedTexture", UI_IMAGE_CHECK_MARK,
                                                   "UncheckedTexture", UI_IMAGE_UNCHECK};
    SetSquareButtonTextures(ui, handle, CHECK_BOX, bag);
}

} // namespace Pemberquill

namespace Pemberquill {

void PemberquillUI::CreateMenuButtons(int parent, int firstRow, const MenuButtonRow* rows, size_t rowCount,
                                     float rowHeight)
{
    NamedProperties bag;
    for (size_t index = 0; index < rowCount; ++index) {
        const MenuButtonRow& row = rows[index];
        bag.Clear();
        bag.Set<std::string>("Name", row.name);
        bag.Set("Parent", parent);
        bag.Set("Offset", Vector2(MENU_ROW_INSET, rowHeight * static_cast<float>(firstRow + index)));
        bag.Set<std::string>("Label", row.label);
        bag.Set<std::string>("RolloverText", row.rolloverText);
        bag.Set<std::string>("OnActivationEventName", row.activationEventName);
        if (row.visibilityEventName != nullptr) {
            bag.Set<std::string>("SetVisibilityEvent", row.visibilityEventName);
        }
        if (row.subscribeEventName != nullptr) {
            bag.Set<std::string>("SubscribeEvent", row.subscribeEventName);
        }
        CreateStyledButton(0, bag);
    }
}

void PemberquillUI::CreateMenuLabel(int parent, int row, int sizeClass, const char* name, const char* label,
                                   float rowHeight)
{
    NamedProperties bag;
    bag.Set<std::string>("Name", name);
    bag.Set("Parent", parent);
    bag.Set("Offset", Vector2(MENU_ROW_INSET, rowHeight * static_cast<float>(row)));
    bag.Set<std::string>("Label", label);
    CreateStyledLabel(sizeClass, bag);
}

void PemberquillUI::DescribeMenuDialog(NamedProperties& bag, const char* name, float height,
                                       const char* showAnim) const
{
    const Vector2 size(MENU_PANEL_WIDTH, height);
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", name);
    bag.Set("Size", size);
    bag.Set("Offset", GetCenteredOffset(size));
    bag.Set("Virtual", false);
    bag.Set("Dialog", true);
    bag.Set<std::string>("ShowAnim", showAnim);
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_POPUP_BACK_VERTICAL));
    bag.Set("Tint", GetDialogTintColor());
}

void PemberquillUI::DescribePopupDialog(NamedProperties& bag, const char* name, const Vector2& size) const
{
    bag.Set("Type", UI_WIDGET_TYPE_WINDOW);
    bag.Set<std::string>("Name", name);
    bag.Set("Size", size);
    bag.Set("Offset", GetCenteredOffset(size));
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    bag.Set("Dialog", true);
    bag.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_POPUP_BACK_HORIZONTAL));
    bag.Set("Tint", GetDialogTintColor());
    bag.Set<std::string>("ShowAnim", "ButtonWindowShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
}

void PemberquillUI::CreatePopButton(int window, int sizeClass, const char* name, const Vector2& offset,
                                    const std::string& label, const char* rolloverText)
{
    CreateCloseButton(window, sizeClass, name, offset, label, rolloverText, "");
}

void PemberquillUI::CreateCloseButton(int window, int sizeClass, const char* name, const Vector2& offset,
                                      const std::string& label, const char* rolloverText,
                                      const std::string& closeEvent)
{
    NamedProperties bag;
    bag.Set<std::string>("Name", name);
    bag.Set("Parent", window);
    bag.Set("Offset", offset);
    bag.Set<std::string>("Label", label);
    bag.Set<std::string>("RolloverText", rolloverText);
    if (closeEvent.empty() || closeEvent == "WindowPopEvent") {
        bag.Set<std::string>("OnActivationEventName", "WindowPopEvent");
        bag.Set("OnActivationEventNameProperty", window);
    } else {
        // The close event carries the game on to what follows the dialog; a
        // plain pop would leave the player where the dialog was.
        bag.Set<std::string>("OnActivationEventName", closeEvent);
    }
    CreateStyledButton(sizeClass, bag);
}

} // namespace Pemberquill
