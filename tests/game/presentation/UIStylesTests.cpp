// The house look of the controls by size class, and the interface images they
// are dressed with.

#include <gtest/gtest.h>

#include "engine/ui/ButtonWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/EditLineWidget.h"
#include "engine/ui/SliderWidget.h"
#include "engine/ui/UIState.h"
#include "engine/ui/UIWidgetType.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/UITextureNames.h"
#include "tests/game/presentation/ScreenTestSupport.h"

namespace Pemberquill {
namespace {

using screen_test::ScreenEnvironment;

class UIStylesTest : public ::testing::Test {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    // A control of the style in a window of its own, with a caller's size
    // and colour that the style must replace.
    int Create(int (PemberquillUI::*style)(int, NamedProperties&), int sizeClass)
    {
        NamedProperties window;
        window.Set("Type", UI_WIDGET_TYPE_WINDOW);
        window.Set<std::string>("Name", "Host");
        NamedProperties bag;
        bag.Set<std::string>("Name", "Control");
        // Compound controls hand their parts the description only with it.
        bag.Set<std::string>("OnActivationEventName", "ControlEvent");
        bag.Set("Parent", env.ui.BuildWindow(GAME_WINDOW_INFORMATION, window));
        bag.Set("Size", Vector2(1.0f, 1.0f));
        bag.Set("FontColor", Rgba(1, 2, 3, 4));
        return (env.ui.*style)(sizeClass, bag);
    }

    // The part of a compound control that draws its text.
    static const BaseWidget& TextPart(int handle)
    {
        BaseWidget* widget = BaseWidget::FindWidgetByHandle(handle);
        if (auto* button = dynamic_cast<ButtonWidget*>(widget)) {
            return button->GetCaption();
        }
        if (auto* editLine = dynamic_cast<EditLineWidget*>(widget)) {
            return editLine->GetTextLabel();
        }
        if (auto* checkBox = dynamic_cast<CheckBoxWidget*>(widget)) {
            return checkBox->GetCaption();
        }
        if (auto* slider = dynamic_cast<SliderWidget*>(widget)) {
            return slider->GetCaption();
        }
        return *widget;
    }

    // The part that plays the control's sounds: a slider's buttons do.
    static const BaseWidget& SoundPart(int handle)
    {
        BaseWidget* widget = BaseWidget::FindWidgetByHandle(handle);
        if (auto* slider = dynamic_cast<SliderWidget*>(widget)) {
            return slider->GetIncreaseButton();
        }
        return *widget;
    }

    Texture* TextureIn(int handle, UIState state)
    {
        BaseWidget* widget = BaseWidget::FindWidgetByHandle(handle);
        widget->SetState(state);
        return widget->GetProperty<Texture*>("BaseTexture");
    }

    ScreenEnvironment env;
};

TEST_F(UIStylesTest, ButtonsTakeTheirSizeAndImagesFromTheSizeClass)
{
    struct Case {
        int sizeClass;
        Vector2 size;
        const char* normal;
        const char* focused;
        const char* disabled;
    };
    const Case cases[] = {
        {0, {325, 35}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {1, {200, 30}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {2, {90, 30}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {5, {280, 35}, UI_IMAGE_BUTTON_BLUE_DEFAULT, UI_IMAGE_BUTTON_BLUE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {6, {35, 35}, UI_IMAGE_SQUARE_RED_DEFAULT, UI_IMAGE_SQUARE_RED_HILITE, UI_IMAGE_SQUARE_INACTIVE},
        {10, {335, 35}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
        {42, {325, 35}, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_BUTTON_ORANGE_HILITE, UI_IMAGE_BUTTON_GREY_LONG},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sizeClass);
        const int button = Create(&PemberquillUI::CreateStyledButton, c.sizeClass);
        EXPECT_EQ(ScreenEnvironment::Property<Vector2>(button, "Size"), c.size);
        EXPECT_EQ(TextPart(button).GetProperty<Rgba>("FontColor"), Rgba(255, 255, 255, 255));
        // The image's top and bottom eighths are its drop shadow and glow.
        EXPECT_EQ(ScreenEnvironment::Property<Vector2>(button, "MinBaseTextureCoords"), Vector2(0.0f, 0.125f));
        EXPECT_EQ(ScreenEnvironment::Property<Vector2>(button, "MaxBaseTextureCoords"), Vector2(1.0f, 0.875f));
        EXPECT_EQ(TextureIn(button, UI_STATE_FOCUSED), env.ui.GetPreloadedTexture(c.focused));
        EXPECT_EQ(TextureIn(button, UI_STATE_DISABLED), env.ui.GetPreloadedTexture(c.disabled));
        EXPECT_EQ(TextureIn(button, UI_STATE_IDLE), env.ui.GetPreloadedTexture(c.normal));
        EXPECT_NE(TextureIn(button, UI_STATE_IDLE), nullptr);
    }
}

TEST_F(UIStylesTest, EveryControlButTheLabelPlaysTheFocusAndActivationSounds)
{
    struct Case {
        const char* name;
        int (PemberquillUI::*style)(int, NamedProperties&);
        int sizeClass;
        float fontHeight;
        int focusSound;
        int activateSound;
    };
    const int focus = SOUND_UI_BUTTON_GAINFOCUS;
    const int activate = SOUND_UI_BUTTON_ACTIVATED;
    const Case cases[] = {
        {"button", &PemberquillUI::CreateStyledButton, 4, 22.0f, focus, activate},
        {"edit line", &PemberquillUI::CreateStyledEditLine, 0, 22.0f, focus, activate},
        {"slider", &PemberquillUI::CreateStyledSlider, 0, 22.0f, focus, activate},
        {"check box", &PemberquillUI::CreateStyledCheckBox, 0, 22.0f, focus, activate},
        {"label", &PemberquillUI::CreateStyledLabel, 3, 22.0f, -1, -1},
        {"title label", &PemberquillUI::CreateStyledLabel, 4, 34.0f, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int control = Create(c.style, c.sizeClass);
        ASSERT_NE(BaseWidget::FindWidgetByHandle(control), nullptr);
        EXPECT_EQ(ScreenEnvironment::Property<Vector2>(control, "Size"), Vector2(325.0f, 35.0f));
        EXPECT_EQ(TextPart(control).GetProperty<float>("FontHeight"), c.fontHeight);
        if (c.focusSound >= 0) {
            EXPECT_EQ(SoundPart(control).GetProperty<int>("GrabFocusSoundHandle"), c.focusSound);
            EXPECT_EQ(SoundPart(control).GetProperty<int>("ActivateSoundHandle"), c.activateSound);
        }
    }
}

TEST_F(UIStylesTest, SkinsDressAPlainControlByItsType)
{
    NamedProperties window;
    window.Set("Type", UI_WIDGET_TYPE_WINDOW);
    window.Set<std::string>("Name", "Host");
    const int host = env.ui.BuildWindow(GAME_WINDOW_INFORMATION, window);
    auto create = [&](UIWidgetType type) {
        NamedProperties bag;
        bag.Set("Type", type);
        bag.Set<std::string>("Name", "Plain");
        bag.Set("Parent", host);
        bag.Set<std::string>("OnActivationEventName", "PlainEvent");
        const int handle = env.uiModule.CreateComponent(bag);
        env.ui.ApplyWidgetSkin(type, handle);
        return handle;
    };

    const int button = create(UI_WIDGET_TYPE_BUTTON);
    EXPECT_EQ(TextureIn(button, UI_STATE_DISABLED), env.ui.GetPreloadedTexture(UI_IMAGE_BUTTON_GREY_LONG));
    EXPECT_EQ(TextureIn(button, UI_STATE_IDLE), env.ui.GetPreloadedTexture(UI_IMAGE_BUTTON_ORANGE_DEFAULT));
    EXPECT_EQ(ScreenEnvironment::Property<Vector2>(button, "MaxBaseTextureCoords"), Vector2(1.0f, 0.875f));

    auto* checkBox = dynamic_cast<CheckBoxWidget*>(BaseWidget::FindWidgetByHandle(create(UI_WIDGET_TYPE_CHECK_BOX)));
    ASSERT_NE(checkBox, nullptr);
    EXPECT_EQ(checkBox->GetBox().GetProperty<Texture*>("BaseTexture"),
              env.ui.GetPreloadedTexture(UI_IMAGE_SQUARE_RED_DEFAULT));
    EXPECT_EQ(checkBox->GetBox().GetProperty<Vector2>("MinBaseTextureCoords"), Vector2(0.14f, 0.078f));

    auto* slider = dynamic_cast<SliderWidget*>(BaseWidget::FindWidgetByHandle(create(UI_WIDGET_TYPE_SLIDER)));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->GetIncreaseButton().GetProperty<Texture*>("OverlayTexture"),
              env.ui.GetPreloadedTexture(UI_IMAGE_ARROW_RIGHT));

    const int label = create(UI_WIDGET_TYPE_LABEL);
    EXPECT_EQ(ScreenEnvironment::Property<Texture*>(label, "BaseTexture"), nullptr);
}

TEST_F(UIStylesTest, ScreenMetricsWithoutAnApplication)
{
    EXPECT_EQ(PemberquillUI::GetScreenSize(), Vector2(1.0f, 1.0f));
    EXPECT_EQ(PemberquillUI::GetCenteredOffset(Vector2(335.0f, 451.0f)), Vector2(-167.0f, -225.0f));
    EXPECT_EQ(PemberquillUI::GetElementHeight(2), 32.0f);
    EXPECT_EQ(PemberquillUI::GetElementHeight(0), 45.0f);
}

class ImagePreloadTest : public ::testing::Test {
protected:
    ScreenEnvironment env;
};

TEST_F(ImagePreloadTest, LoadsEveryImageFromTheDataFolderInOrderBeforeAnyScreen)
{
    env.ui.Startup(env.clock);
    const std::vector<UlvoPath>& requests = env.images.requests;
    ASSERT_EQ(requests.size(), 38u);
    for (const UlvoPath& path : requests) {
        EXPECT_EQ(path.GetMarker(), PATH_MARKER_DATA) << path.GetRelativePath();
    }
    EXPECT_EQ(requests.front().GetRelativePath(), UI_IMAGE_TITLE_BACKGROUND);
    EXPECT_EQ(requests[8].GetRelativePath(), UI_IMAGE_BUTTON_ORANGE_ACTIVE);
    EXPECT_EQ(requests[9].GetRelativePath(), UI_IMAGE_BUTTON_ORANGE_ACTIVE);
    EXPECT_EQ(requests[36].GetRelativePath(), "Images/UI/Completed_Hilite.png");
    // The thumbnail placeholder stays an image: it comes last, after the
    // textures.
    EXPECT_EQ(requests.back().GetRelativePath(), UI_IMAGE_THUMBNAIL_PLACEHOLDER);
    EXPECT_EQ(env.ui.GetPreloadedTextures().size(), 37u);

    // The screens were built with the preloaded textures.
    const int title = PemberquillUI::GetWindowHandle(GAME_WINDOW_TITLE);
    EXPECT_EQ(ScreenEnvironment::Property<Texture*>(title, "BaseTexture"),
              env.ui.GetPreloadedTexture(UI_IMAGE_TITLE_BACKGROUND));
    EXPECT_NE(ScreenEnvironment::Property<Texture*>(title, "BaseTexture"), nullptr);
}

TEST_F(ImagePreloadTest, MissingImagesLeaveNullTexturesAndTheScreensStillBuild)
{
    env.images.missing = {UI_IMAGE_TITLE_BACKGROUND, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_POPUP_BACK_VERTICAL,
                          UI_IMAGE_THUMBNAIL_PLACEHOLDER};
    env.ui.Startup(env.clock);
    for (const PemberquillUI::PreloadedTexture& preloaded : env.ui.GetPreloadedTextures()) {
        EXPECT_EQ(preloaded.texture == nullptr, env.images.missing.count(preloaded.imagePath) == 1)
            << preloaded.imagePath;
    }
    for (int id : {GAME_WINDOW_TITLE, GAME_WINDOW_MESSAGE, GAME_WINDOW_OPTIONS, GAME_WINDOW_CAMPAIGN_ESCAPE_MENU}) {
        EXPECT_NE(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(id)), nullptr) << id;
    }
    EXPECT_EQ(ScreenEnvironment::Property<Texture*>(PemberquillUI::GetWindowHandle(GAME_WINDOW_OPTIONS), "BaseTexture"),
              nullptr);
}

} // namespace
} // namespace Pemberquill
