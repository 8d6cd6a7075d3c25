#pragma once

namespace Pemberquill {

// The interface images the screens name, below the data folder. The UI
// start-up preloads them; builders look their textures up by these names.
constexpr const char* UI_IMAGE_TITLE_BACKGROUND = "Images/Backgrounds/TitleScreen_1024x1024.png";
constexpr const char* UI_IMAGE_HOW_TO_PLAY_BACKGROUND = "Images/Backgrounds/HowToPlay_1024x1024.png";
constexpr const char* UI_IMAGE_CHECK_MARK = "Images/UI/CheckMark.png";
constexpr const char* UI_IMAGE_UNCHECK = "Images/UI/Uncheck.png";
constexpr const char* UI_IMAGE_BUTTON_GREY_LONG = "Images/UI/Button_Grey_Long.png";
constexpr const char* UI_IMAGE_BUTTON_ORANGE_DEFAULT = "Images/UI/Button_Orange_Default.png";
constexpr const char* UI_IMAGE_BUTTON_ORANGE_HILITE = "Images/UI/Button_Orange_HiLite.png";
constexpr const char* UI_IMAGE_BUTTON_ORANGE_ACTIVE = "Images/UI/Button_Orange_Active.png";
constexpr const char* UI_IMAGE_BUTTON_BLUE_DEFAULT = "Images/UI/Button_Blue_Default.png";
constexpr const char* UI_IMAGE_BUTTON_BLUE_HILITE = "Images/UI/Button_Blue_HiLite.png";
constexpr const char* UI_IMAGE_BUTTON_BLUE_ACTIVE = "Images/UI/Button_Blue_Active.png";
constexpr const char* UI_IMAGE_SQUARE_RED_DEFAULT = "Images/UI/SquareButton_Red_Default.png";
constexpr const char* UI_IMAGE_SQUARE_RED_HILITE = "Images/UI/SquareButton_Red_Hilite.png";
constexpr const char* UI_IMAGE_SQUARE_RED_ACTIVE = "Images/UI/SquareButton_Red_Active.png";
constexpr const char* UI_IMAGE_SQUARE_INACTIVE = "Images/UI/SquareButton_inactive.png";
constexpr const char* UI_IMAGE_SQUARE_GREEN_DEFAULT = "Images/UI/SquareButton_Green_Default.png";
constexpr const char* UI_IMAGE_SQUARE_GREEN_HILITE = "Images/UI/SquareButton_Green_Hilite.png";
constexpr const char* UI_IMAGE_SQUARE_GREEN_ACTIVE = "Images/UI/SquareButton_Green_Active.png";
constexpr const char* UI_IMAGE_ARROW_RIGHT = "Images/UI/Arrow_Right.png";
constexpr const char* UI_IMAGE_ARROW_LEFT = "Images/UI/Arrow_Left.png";
constexpr const char* UI_IMAGE_POPUP_BACK = "Images/UI/popup_back.png";
constexpr const char* UI_IMAGE_POPUP_BACK_HORIZONTAL = "Images/UI/popup_back_horizontal.png";
constexpr const char* UI_IMAGE_POPUP_BACK_VERTICAL = "Images/UI/popup_back_vertical.png";
// Kept as an image: each board thumbnail starts as a texture made from it.
constexpr const char* UI_IMAGE_THUMBNAIL_PLACEHOLDER = "Images/UI/CloudQuestion256.png";

} // namespace Pemberquill
