// The house look of the controls by size class, the skins, and the interface
// images they are dressed with.

#include <gtest/gtest.h>

#include "engine/ui/ButtonWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/SliderWidget.h"
#include "engine/ui/UIWidgetType.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/UITextureNames.h"
#include "tests/game/presentation/ScreenTestSupport.h"

namespace Pemberquill {
namespace {

using screen_test::ScreenEnvironment;
using Style = int (PemberquillUI::*)(int, NamedProperties&);

class UIStylesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.ui.Startup(env.clock);
        NamedProperties window;
        window.Set("Type", UI_WIDGET_TYPE_WINDOW);
        window.Set<std::string>("Name", "Host");
        m_host = env.ui.BuildWindow(GAME_WINDOW_INFORMATION, window);
    }

    // A control of the style with a caller's size and colour that the style
    // must replace.
    BaseWidget* Create(Style style, int sizeClass)
    {
        NamedProperties bag = Description();
        bag.Set("Size", Vector2(1.0f, 1.0f));
        bag.Set("FontColor", Rgba(1, 2, 3, 4));
        return BaseWidget::FindWidgetByHandle((env.ui.*style)(sizeClass, bag));
    }

    BaseWidget* CreateSkinned(UIWidgetType type)
    {
        NamedProperties bag = Description();
        bag.Set("Type", type);
        const int handle = env.uiModule.CreateComponent(bag);
        env.ui.ApplyWidgetSkin(type, handle);
        return BaseWidget::FindWidgetByHandle(handle);
    }

    NamedProperties Description() const
    {
        NamedProperties bag;
        bag.Set<std::string>("Name", "Control");
        bag.Set("Parent", m_host);
        // Compound controls hand their parts the description only with it.
        bag.Set<std::string>("OnActivationEventName", "ControlEvent");
        return bag;
    }

    Texture* Image(const char* name) const { return env.ui.GetPreloadedTexture(name); }

    static Texture* TextureIn(BaseWidget& widget, UIState state)
    {
        widget.SetState(state);
        return widget.GetProperty<Texture*>("BaseTexture");
    }

    ScreenEnvironment env;

private:
    int m_host = PemberquillUI::NO_WINDOW;
};

TEST_F(UIStylesTest, ButtonsTakeTheirSizeAndImagesFromTheSizeClass)
{
    const struct {
        int sizeClass;
        Vector2 size;
        const char* normal;
        const char* focused;
        const char* disabled;
    } cases[] = {
        {0, {325, 35}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {1, {200, 30}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {5, {280, 35}, UI_IMAGE_BUTTON_BLUE_DEFAULT, UI_IMAGE_BUTTON_BLUE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {6, {35, 35}, UI_IMAGE_SQUARE_RED_DEFAULT, UI_IMAGE_SQUARE_RED_HILITE, UI_IMAGE_SQUARE_INACTIVE},
        {42, {325, 35}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sizeClass);
        auto& button = dynamic_cast<ButtonWidget&>(*Create(&PemberquillUI::CreateStyledButton, c.sizeClass));
        EXPECT_EQ(button.GetProperty<Vector2>("Size"), c.size);
        // The image's top and bottom eighths are its drop shadow and glow.
        EXPECT_EQ(button.GetProperty<Vector2>("MinBaseTextureCoords"), Vector2(0.0f, 0.125f));
        EXPECT_EQ(button.GetProperty<Vector2>("MaxBaseTextureCoords"), Vector2(1.0f, 0.875f));
        EXPECT_EQ(TextureIn(button, UI_STATE_FOCUSED), Image(c.focused));
        EXPECT_EQ(TextureIn(button, UI_STATE_DISABLED), Image(c.disabled));
        EXPECT_EQ(TextureIn(button, UI_STATE_IDLE), Image(c.normal));
    }
}

TEST_F(UIStylesTest, ControlsPlayTheFocusAndActivationSoundsAndLabelsTakeTheirFontHeight)
{
    for (Style style : {&PemberquillUI::CreateStyledButton, &PemberquillUI::CreateStyledEditLine,
                        &PemberquillUI::CreateStyledSlider, &PemberquillUI::CreateStyledCheckBox}) {
        BaseWidget* control = Create(style, 0);
        SCOPED_TRACE(typeid(*control).name());
        EXPECT_EQ(control->GetProperty<Vector2>("Size"), Vector2(325.0f, 35.0f));
        // A slider's buttons are what the player presses.
        auto* slider = dynamic_cast<SliderWidget*>(control);
        const BaseWidget& sounding = slider != nullptr ? slider->GetIncreaseButton() : *control;
        EXPECT_EQ(sounding.GetProperty<int>("GrabFocusSoundHandle"), SOUND_UI_BUTTON_GAINFOCUS);
        EXPECT_EQ(sounding.GetProperty<int>("ActivateSoundHandle"), SOUND_UI_BUTTON_ACTIVATED);
    }
    for (const auto& [sizeClass, fontHeight] : {std::pair(3, 22.0f), std::pair(4, 34.0f), std::pair(1, 22.0f)}) {
        const BaseWidget* label = Create(&PemberquillUI::CreateStyledLabel, sizeClass);
        EXPECT_EQ(label->GetProperty<float>("FontHeight"), fontHeight) << sizeClass;
        EXPECT_EQ(label->GetProperty<Rgba>("FontColor"), Rgba(255, 255, 255, 255)) << sizeClass;
    }
}

TEST_F(UIStylesTest, SkinsDressAPlainControlByItsType)
{
    BaseWidget& button = *CreateSkinned(UI_WIDGET_TYPE_BUTTON);
    EXPECT_EQ(TextureIn(button, UI_STATE_DISABLED), Image(UI_IMAGE_BUTTON_GREY_LONG));
    EXPECT_EQ(TextureIn(button, UI_STATE_IDLE), Image(UI_IMAGE_BUTTON_ORANGE_DEFAULT));

    auto& checkBox = dynamic_cast<CheckBoxWidget&>(*CreateSkinned(UI_WIDGET_TYPE_CHECK_BOX));
    EXPECT_EQ(checkBox.GetBox().GetProperty<Texture*>("BaseTexture"), Image(UI_IMAGE_SQUARE_RED_DEFAULT));
    EXPECT_EQ(checkBox.GetBox().GetProperty<Vector2>("MinBaseTextureCoords"), Vector2(0.14f, 0.078f));
    EXPECT_EQ(CreateSkinned(UI_WIDGET_TYPE_LABEL)->GetProperty<Texture*>("BaseTexture"), nullptr);
}

TEST(ImagePreloadTest, LoadsEveryImageInOrderAndBuildsTheScreensWithoutTheMissingOnes)
{
    ScreenEnvironment env;
    env.images.missing = {UI_IMAGE_TITLE_BACKGROUND, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_POPUP_BACK_VERTICAL,
                          UI_IMAGE_THUMBNAIL_PLACEHOLDER};
    env.ui.Startup(env.clock);
    const std::vector<UlvoPath>& requests = env.images.requests;
    ASSERT_EQ(requests.size(), 38u);
    for (const UlvoPath& path : requests) {
        EXPECT_EQ(path.GetMarker(), PATH_MARKER_DATA) << path.GetRelativePath();
    }
    EXPECT_EQ(requests[0].GetRelativePath(), UI_IMAGE_TITLE_BACKGROUND);
    EXPECT_EQ(requests[8].GetRelativePath(), UI_IMAGE_BUTTON_ORANGE_ACTIVE);
    EXPECT_EQ(requests[9].GetRelativePath(), UI_IMAGE_BUTTON_ORANGE_ACTIVE);
    EXPECT_EQ(requests[36].GetRelativePath(), "Images/UI/Completed_Hilite.png");
    // The thumbnail placeholder stays an image, loaded after the textures.
    EXPECT_EQ(requests[37].GetRelativePath(), UI_IMAGE_THUMBNAIL_PLACEHOLDER);

    ASSERT_EQ(env.ui.GetPreloadedTextures().size(), 37u);
    for (const PemberquillUI::PreloadedTexture& preloaded : env.ui.GetPreloadedTextures()) {
        EXPECT_EQ(preloaded.texture == nullptr, env.images.missing.count(preloaded.imagePath) == 1)
            << preloaded.imagePath;
    }
    for (int id : {GAME_WINDOW_TITLE, GAME_WINDOW_MESSAGE, GAME_WINDOW_OPTIONS, GAME_WINDOW_CAMPAIGN_ESCAPE_MENU}) {
        EXPECT_NE(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(id)), nullptr) << id;
    }
}

} // namespace
} // namespace Pemberquill
