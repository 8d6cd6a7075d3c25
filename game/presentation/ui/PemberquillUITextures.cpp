// The interface images: loaded once at start-up into textures that the
// screens' controls and backgrounds share.

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioInterface.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"
#include "game/puzzle/board/BoardProgress.h"

namespace Pemberquill {

namespace {

// In load order. Two images are loaded twice: each of their copies skins its
// own family of controls.
constexpr const char* PRELOADED_IMAGES[] = {
    UI_IMAGE_TITLE_BACKGROUND,
    UI_IMAGE_HOW_TO_PLAY_BACKGROUND,
    UI_IMAGE_CHECK_MARK,
    UI_IMAGE_UNCHECK,
    "Images/UI/QuestionMark.png",
    UI_IMAGE_BUTTON_GREY_LONG,
    UI_IMAGE_BUTTON_ORANGE_DEFAULT,
    UI_IMAGE_BUTTON_ORANGE_HILITE,
    UI_IMAGE_BUTTON_ORANGE_ACTIVE,
    UI_IMAGE_BUTTON_ORANGE_ACTIVE,
    UI_IMAGE_BUTTON_BLUE_DEFAULT,
    UI_IMAGE_BUTTON_BLUE_HILITE,
    UI_IMAGE_BUTTON_BLUE_ACTIVE,
    UI_IMAGE_SQUARE_RED_DEFAULT,
    UI_IMAGE_SQUARE_INACTIVE,
    UI_IMAGE_SQUARE_RED_HILITE,
    UI_IMAGE_SQUARE_RED_ACTIVE,
    UI_IMAGE_SQUARE_GREEN_DEFAULT,
    UI_IMAGE_SQUARE_INACTIVE,
    UI_IMAGE_SQUARE_GREEN_HILITE,
    UI_IMAGE_SQUARE_GREEN_ACTIVE,
    UI_IMAGE_ARROW_RIGHT,
    UI_IMAGE_ARROW_LEFT,
    "Images/UI/Button_Grey.png",
    "Images/UI/Button_Red.png",
    "Images/UI/Button_Orange.png",
    "Images/UI/Button_Blue.png",
    UI_IMAGE_POPUP_BACK,
    UI_IMAGE_POPUP_BACK_HORIZONTAL,
    UI_IMAGE_POPUP_BACK_VERTICAL,
    "Images/UI/SquareButton_Orange_Default.png",
    "Images/UI/SquareButton_Orange_Hilite.png",
    "Images/UI/Lock.png",
    "Images/UI/Satisfied_Default.png",
    "Images/UI/Satisfied_Hilite.png",
    "Images/UI/Completed_Default.png",
    "Images/UI/Completed_Hilite.png",
};

// The image in the data folder, or null when there is no image studio or the
// studio loads no image of that kind. The images ship with the game: one
// that is missing or damaged throws, naming it.
std::unique_ptr<Image> LoadDataImage(const std::string& imagePath)
{
    UlvoImageStudioInterface* studio = UlvoImageStudioInterface::GetDefaultInstance();
    if (studio == nullptr) {
        return nullptr;
    }
    return studio->LoadImage(UlvoPath(PATH_MARKER_DATA, imagePath));
}

} // namespace

Texture* PemberquillUI::LoadTexture(const std::string& imagePath)
{
    std::unique_ptr<Texture> texture;
    if (std::unique_ptr<Image> image = LoadDataImage(imagePath)) {
        texture = Texture::Create();
        texture->PopulateFromImage(*image, false);
    }
    m_loadedTextures.push_back(std::move(texture));
    return m_loadedTextures.back().get();
}

Texture* PemberquillUI::LoadSharedTexture(const std::string& imagePath)
{
    const auto known = m_sharedTextures.find(imagePath);
    if (known != m_sharedTextures.end()) {
        return known->second;
    }
    // A load that gave no texture is remembered too: it is tried once.
    return m_sharedTextures.emplace(imagePath, LoadTexture(imagePath)).first->second;
}

Texture* PemberquillUI::GetPreloadedTexture(const std::string& imagePath) const
{
    for (const PreloadedTexture& preloaded : m_preloadedTextures) {
        if (preloaded.imagePath == imagePath) {
            return preloaded.texture;
        }
    }
    return nullptr;
}

void PemberquillUI::PreloadImages()
{
    for (const char* imagePath : PRELOADED_IMAGES) {
        m_preloadedTextures.push_back(PreloadedTexture{imagePath, LoadTexture(imagePath)});
    }
    m_thumbnailImage = LoadDataImage(UI_IMAGE_THUMBNAIL_PLACEHOLDER);
    BoardProgress::SetThumbnailImage(m_thumbnailImage.get());
}

void PemberquillUI::ReleaseImages()
{
    if (m_thumbnailImage != nullptr) {
        BoardProgress::SetThumbnailImage(nullptr);
    }
    m_preloadedTextures.clear();
    m_sharedTextures.clear();
    m_loadedTextures.clear();
    m_thumbnailImage.reset();
}

void PemberquillUI::ApplyWidgetSkin(int widgetType, int handle)
{
    switch (widgetType) {
    case UI_WIDGET_TYPE_BUTTON:
    case UI_WIDGET_TYPE_EDIT_LINE:
        ApplyPopupBackgroundStyle(handle);
        break;
    case UI_WIDGET_TYPE_CHECK_BOX:
        ApplyCheckBoxSkin(handle);
        break;
    case UI_WIDGET_TYPE_SLIDER:
        ApplySliderSkin(handle);
        break;
    default:
        break;
    }
}

void PemberquillUI::ApplyPopupBackgroundStyle(int handle)
{
    if (m_uiModule == nullptr) {
        return;
    }
    NamedProperties skin;
    skin.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_BUTTON_ORANGE_DEFAULT));
    skin.Set("MinBaseTextureCoords", Vector2(0.0f, 0.125f));
    skin.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.875f));
    skin.Set("BorderThickness", 0);
    m_uiModule->SetWidgetProperties(handle, skin);

    const Rgba navy(0, 0, 128, 255);
    const std::pair<UIState, const char*> states[] = {
        {UI_STATE_FOCUSED, UI_IMAGE_BUTTON_ORANGE_HILITE},
        {UI_STATE_SELECTED, UI_IMAGE_BUTTON_ORANGE_ACTIVE},
    };
    for (const auto& [state, image] : states) {
        NamedProperties look;
        look.Set("BaseTexture", GetPreloadedTexture(image));
        look.Set("FontColor", navy);
        m_uiModule->SetWidgetState(handle, state, look);
    }
    NamedProperties disabled;
    disabled.Set("BaseTexture", GetPreloadedTexture(UI_IMAGE_BUTTON_GREY_LONG));
    m_uiModule->SetWidgetState(handle, UI_STATE_DISABLED, disabled);
}

void PemberquillUI::SetSquareButtonTextures(UlvoUIInterface& ui, int handle, const SquareButtonSkin& skin,
                                            NamedProperties& bag)
{
    const std::string part = skin.part;
    bag.Clear();
    bag.Set(part + "EnabledTexture", GetPreloadedTexture(skin.enabled));
    if (skin.isCropped) {
        bag.Set(part + "MinBaseTextureCoords", Vector2(0.14f, 0.078f));
        bag.Set(part + "MaxBaseTextureCoords", Vector2(0.84f, 0.84f));
    }
    bag.Set(part + "DisabledTexture", GetPreloadedTexture(UI_IMAGE_SQUARE_INACTIVE));
    bag.Set(part + "FocusedTexture", GetPreloadedTexture(skin.focused));
    bag.Set(skin.firstName, GetPreloadedTexture(skin.firstImage));
    bag.Set(skin.secondName, GetPreloadedTexture(skin.secondImage));
    bag.Set("BorderThickness", 0);
    ui.SetWidgetProperties(handle, bag);
}

void PemberquillUI::ApplyCheckBoxSkin(int handle)
{
    static constexpr SquareButtonSkin CHECK_BOX = {"CheckBox", UI_IMAGE_SQUARE_RED_DEFAULT, UI_IMAGE_SQUARE_RED_HILITE,
                                                   true, "CheckedTexture", UI_IMAGE_CHECK_MARK,
                                                   "UncheckedTexture", UI_IMAGE_UNCHECK};
    ApplySquareButtonSkin(handle, CHECK_BOX);
}

void PemberquillUI::ApplySliderSkin(int handle)
{
    static constexpr SquareButtonSkin SLIDER = {"Button", UI_IMAGE_SQUARE_RED_DEFAULT, UI_IMAGE_SQUARE_RED_HILITE,
                                                true, "IncreaseTexture", UI_IMAGE_ARROW_RIGHT,
                                                "DecreaseTexture", UI_IMAGE_ARROW_LEFT};
    ApplySquareButtonSkin(handle, SLIDER);
}

void PemberquillUI::ApplySquareButtonSkin(int handle, const SquareButtonSkin& skin)
{
    if (m_uiModule != nullptr) {
        NamedProperties bag;
        SetSquareButtonTextures(*m_uiModule, handle, skin, bag);
    }
}

} // namespace Pemberquill
