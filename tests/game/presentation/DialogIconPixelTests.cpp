// Icons the dialogs show, read back from the pixels they leave on the screen.
#include <gtest/gtest.h>

#include <memory>

#include "engine/core/PropertyAnimationSystem.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/BaseWidget.h"
#include "game/common/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/support/SoftwareRendererTest.h"

namespace Pemberquill {
namespace {

class DialogIconPixelTest : public testsupport::SoftwareRendererTest {
protected:
    DialogIconPixelTest() : SoftwareRendererTest(IntVector2(1024, 768)) {}

    // A texture of one colour.
    static std::unique_ptr<Texture> Solid(const Rgba& color)
    {
        std::unique_ptr<Image> image = Image::Create(IntVector2(2, 2), Image::IMAGE_FORMAT_RGBA);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 2; ++x) {
                image->SetPixel(x, y, color);
            }
        }
        std::unique_ptr<Texture> texture = Texture::Create();
        texture->PopulateFromImage(*image, false);
        return texture;
    }

    // The pixel at the middle of the widget once it alone is drawn on white.
    platform::GpuColor MiddlePixelOf(BaseWidget& widget)
    {
        BeginFrameInPixels(Rgba(255, 255, 255, 255));
        widget.Render();
        const Vector2 middle = widget.GetAnimatedBounds().CalcCenter();
        return m_device->ReadBackBuffer({static_cast<int>(middle.x), static_cast<int>(middle.y), 1, 1})[0];
    }
};

// Catches the icon's box being left undrawn.
TEST_F(DialogIconPixelTest, TheEarnedAchievementsIconIsDrawn)
{
    screen_test::ScreenEnvironment env;
    env.ui.Startup(env.clock);
    const std::unique_ptr<Texture> red = Solid(Rgba(255, 0, 0, 255));
    env.ui.ShowAchievementDialog({{"First", "a", "b", red.get()}}, "");
    env.ui.PushWindow(GAME_WINDOW_ACHIEVEMENT_DIALOG, true);
    // Past the window's show animation.
    for (int frame = 0; frame < 40; ++frame) {
        env.uiModule.Update();
        env.uiModule.Render();
        PropertyAnimationSystem::GetGlobal().GetAnimationClock().Advance(0.1);
    }
    const std::vector<BaseWidget*> icons =
        screen_test::Children(PemberquillUI::GetWindowHandle(GAME_WINDOW_ACHIEVEMENT_DIALOG), "AchievementIcon");
    ASSERT_EQ(icons.size(), 1u);
    const platform::GpuColor pixel = MiddlePixelOf(*icons[0]);
    EXPECT_GT(pixel.r, 200);
    EXPECT_LT(pixel.g, 60);
    EXPECT_LT(pixel.b, 60);
}

}  // namespace
}  // namespace Pemberquill
