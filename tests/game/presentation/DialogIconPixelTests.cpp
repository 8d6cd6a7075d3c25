// Icons, panels and titles the screens show, read back from the pixels they
// leave on the screen.
#include <gtest/gtest.h>

#include <memory>

#include "engine/core/PropertyAnimationSystem.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/BaseWidget.h"
#include "game/common/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/presentation/ui/UITextureNames.h"
#include "game/steam/AchievementDefinitions.h"
#include "game/steam/PlayerAchievements.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SoftwareRendererTest.h"
#include "tests/support/TestPuzzle.h"

namespace Pemberquill {
namespace {

class DialogIconPixelTest : public testsupport::SoftwareRendererTest {
protected:
    DialogIconPixelTest() : SoftwareRendererTest(IntVector2(1024, 768)) {}

    void SetUp() override
    {
        SoftwareRendererTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        // The root window takes the view's size when the UI starts, and the
        // view exists only now that the window is open.
        env.uiModule.Shutdown();
        env.uiModule.Startup();
        env.ui.Startup(env.clock);
    }

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

    // Pushed, and drawn until its show animation is over.
    void ShowAndSettle(int windowId)
    {
        env.ui.PushWindow(windowId, true);
        for (int frame = 0; frame < 40; ++frame) {
            env.uiModule.Update();
            env.uiModule.Render();
            PropertyAnimationSystem::GetGlobal().GetAnimationClock().Advance(0.1);
        }
    }

    // The pixel at the middle of the widget once it alone is drawn on white.
    platform::GpuColor MiddlePixelOf(BaseWidget& widget)
    {
        BeginFrameInPixels(Rgba(255, 255, 255, 255));
        widget.Render();
        const Vector2 middle = widget.GetAnimatedBounds().CalcCenter();
        return m_device->ReadBackBuffer({static_cast<int>(middle.x), static_cast<int>(middle.y), 1, 1})[0];
    }

    static bool IsRed(const platform::GpuColor& pixel) { return pixel.r > 200 && pixel.g < 60 && pixel.b < 60; }

    screen_test::ScreenEnvironment env;
};

// Catches the icon's box being left undrawn.
TEST_F(DialogIconPixelTest, TheEarnedAchievementsIconIsDrawn)
{
    const std::unique_ptr<Texture> red = Solid(Rgba(255, 0, 0, 255));
    env.ui.ShowAchievementDialog({{"First", "a", "b", red.get()}}, "");
    ShowAndSettle(GAME_WINDOW_ACHIEVEMENT_DIALOG);
    const std::vector<BaseWidget*> icons =
        screen_test::Children(PemberquillUI::GetWindowHandle(GAME_WINDOW_ACHIEVEMENT_DIALOG), "AchievementIcon");
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_TRUE(IsRed(MiddlePixelOf(*icons[0])));
}

// Catches the achievements window's panels being left undrawn.
TEST_F(DialogIconPixelTest, TheAchievementsWindowDrawsEachIconOnItsPanel)
{
    const std::unique_ptr<Texture> red = Solid(Rgba(255, 0, 0, 255));
    std::vector<AchievementDefinition> definitions(1);
    definitions[0].bitIndex = 0;
    definitions[0].achievedImage = red.get();
    definitions[0].unachievedImage = red.get();
    PlayerAchievements record;
    record.SetAchievement(0);
    const int window = env.ui.CreateAchievementsWindow(record, definitions);
    ShowAndSettle(GAME_WINDOW_ACHIEVEMENTS);
    BaseWidget* group = screen_test::Children(window, "AchievementGroup0").at(0);
    BaseWidget* icon = screen_test::Children(group->GetHandle(), "AchievementIcon0").at(0);
    EXPECT_TRUE(IsRed(MiddlePixelOf(*icon)));
}

// Catches the paint title drawn without its shadow: on white, the shadow is
// the only dark grey it leaves.
TEST_F(DialogIconPixelTest, ThePaintTitleIsShadowed)
{
    testsupport::ScopedDataFolder data;
    data.LinkShipped("Locale");
    ASSERT_NE(m_renderer->LoadFont("MainFont", "EN"), nullptr);
    TestPuzzle hidden(4, {});
    hidden.GetBoard().SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    env.ui.CreatePuzzleWindow(hidden.puzzle.get(), "MenuEvent", false, false);
    ShowAndSettle(GAME_WINDOW_PUZZLE);
    BaseWidget* title =
        screen_test::Children(PemberquillUI::GetWindowHandle(GAME_WINDOW_PAINT_BUTTONS), "PaintLabel").at(0);
    BeginFrameInPixels(Rgba(255, 255, 255, 255));
    title->Render();
    const AABB2 bounds = title->GetAnimatedBounds();
    int shadow = 0;
    for (const platform::GpuColor& pixel : m_device->ReadBackBuffer(
             {static_cast<int>(bounds.mins.x), static_cast<int>(bounds.mins.y),
              static_cast<int>(bounds.maxs.x - bounds.mins.x), static_cast<int>(bounds.maxs.y - bounds.mins.y)})) {
        shadow += pixel.r < 120 && pixel.g < 120 && pixel.b < 120;
    }
    EXPECT_GT(shadow, 20);
}

// The popup background of the panels and buttons is opaque white, so that
// a panel shows in its tint.
class DialogPanelPixelTest : public DialogIconPixelTest {
protected:
    DialogPanelPixelTest() { env.images.opaque = {UI_IMAGE_POPUP_BACK}; }

    // The pixel under a point of the view once the whole UI is drawn on white.
    platform::GpuColor PixelAt(const Vector2& point)
    {
        BeginFrameInPixels(Rgba(255, 255, 255, 255));
        env.uiModule.Render();
        const IntVector2 view = m_application->GetViewBoundsSize();
        const int x = static_cast<int>(point.x * static_cast<float>(m_clientSize.x) / static_cast<float>(view.x));
        const int y = static_cast<int>(point.y * static_cast<float>(m_clientSize.y) / static_cast<float>(view.y));
        return m_device->ReadBackBuffer({x, y, 1, 1})[0];
    }
};

// Catches the dialog drawn without its panel: its title row, where no
// button lies, would show the veiled grey screen instead of the blue tint.
TEST_F(DialogPanelPixelTest, TheSelectProfileDialogStandsOnItsTintedPanel)
{
    const int window = env.ui.CreateSelectProfileWindow({"Ann"}, true, true);
    ShowAndSettle(GAME_WINDOW_SELECT_PROFILE);
    const AABB2 panel = BaseWidget::FindWidgetByHandle(window)->GetAnimatedBounds();
    const platform::GpuColor title = PixelAt(panel.mins + Vector2(4.0f, 4.0f));
    EXPECT_GT(title.b - title.r, 60) << "red " << int(title.r) << ", blue " << int(title.b);
}

}  // namespace
}  // namespace Pemberquill
