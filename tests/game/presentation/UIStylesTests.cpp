// The house look of the controls by size class, and the interface images
// the screens are dressed with.

#include <gtest/gtest.h>

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

    NamedProperties Description() const
    {
        NamedProperties bag;
        bag.Set<std::string>("Name", "Control");
        bag.Set("Parent", m_host);
        // Compound controls hand their parts the description only with it.
        bag.Set<std::string>("OnActivationEventName", "ControlEvent");
        return bag;
    }

    ScreenEnvironment env;

private:
    int m_host = PemberquillUI::NO_WINDOW;
};

TEST_F(UIStylesTest, ControlsTakeTheHouseSizeSoundsAndColour)
{
    for (Style style : {&PemberquillUI::CreateStyledButton, &PemberquillUI::CreateStyledEditLine,
                        &PemberquillUI::CreateStyledSlider, &PemberquillUI::CreateStyledCheckBox}) {
        BaseWidget* control = Create(style, 0);
        SCOPED_TRACE(typeid(*control).name());
        EXPECT_NE(control->GetProperty<Vector2>("Size"), Vector2(1.0f, 1.0f));
        // A slider's buttons are what the player presses.
        auto* slider = dynamic_cast<SliderWidget*>(control);
        const BaseWidget& sounding = slider != nullptr ? slider->GetIncreaseButton() : *control;
        EXPECT_EQ(sounding.GetProperty<int>("GrabFocusSoundHandle"), SOUND_UI_BUTTON_GAINFOCUS);
        EXPECT_EQ(sounding.GetProperty<int>("ActivateSoundHandle"), SOUND_UI_BUTTON_ACTIVATED);
    }
    EXPECT_EQ(Create(&PemberquillUI::CreateStyledLabel, 3)->GetProperty<Rgba>("FontColor"), Rgba(255, 255, 255, 255));
}

TEST(ImagePreloadTest, LoadsEveryImageAndBuildsTheScreensWithoutTheMissingOnes)
{
    ScreenEnvironment env;
    env.images.missing = {UI_IMAGE_TITLE_BACKGROUND, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_POPUP_BACK_VERTICAL,
                          UI_IMAGE_THUMBNAIL_PLACEHOLDER};
    env.ui.Startup(env.clock);
    const std::vector<UlvoPath>& requests = env.images.requests;
    for (const UlvoPath& path : requests) {
        EXPECT_EQ(path.GetMarker(), PATH_MARKER_DATA) << path.GetRelativePath();
    }
    // The thumbnail placeholder stays an image, loaded after the textures.
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().GetRelativePath(), UI_IMAGE_THUMBNAIL_PLACEHOLDER);
    ASSERT_EQ(env.ui.GetPreloadedTextures().size(), requests.size() - 1);
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
