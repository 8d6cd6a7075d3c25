// The screen manager's window table: destroying with dependants, and the
// window stack's events (rebuilding a window is the dialogs' and campaign
// screens' test); the house look of the controls by size class, and the
// interface images the screens are dressed with.

#include <gtest/gtest.h>

#include "engine/ui/SliderWidget.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/WindowWidget.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/ui/UITextureNames.h"
#include "tests/game/presentation/ScreenTestSupport.h"

namespace Pemberquill {
namespace {

using screen_test::EventRecorder;
using screen_test::ScreenEnvironment;
using Style = int (PemberquillUI::*)(int, NamedProperties&);

class PemberquillUITest : public ::testing::Test {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    // A window, or a group when a parent is given, recorded under the id.
    int Build(int windowId, int parentHandle = PemberquillUI::NO_WINDOW)
    {
        NamedProperties bag;
        bag.Set("Type", parentHandle == PemberquillUI::NO_WINDOW ? UI_WIDGET_TYPE_WINDOW : UI_WIDGET_TYPE_GROUP);
        bag.Set<std::string>("Name", "Built" + std::to_string(windowId));
        bag.Set("Parent", parentHandle);
        return env.ui.BuildWindow(windowId, bag);
    }

    static int Handle(int windowId) { return PemberquillUI::GetWindowHandle(windowId); }

    ScreenEnvironment env;
};

TEST_F(PemberquillUITest, DestroyingAWindowForgetsTheGroupsThatLivedInIt)
{
    const std::vector<int> puzzleGroups = {GAME_WINDOW_SOLUTIONS_PANEL, GAME_WINDOW_PAINT_BUTTONS,
                                           GAME_WINDOW_PUZZLE_GROUP_26};
    const std::vector<int> setGroups = {GAME_WINDOW_EASY_PUZZLES, GAME_WINDOW_MEDIUM_PUZZLES,
                                        GAME_WINDOW_HARD_PUZZLES};
    const struct {
        int destroyed;
        const std::vector<int>& forgotten;
        const std::vector<int>& kept;
    } cases[] = {{GAME_WINDOW_PUZZLE, puzzleGroups, setGroups}, {GAME_WINDOW_PUZZLE_SET, setGroups, puzzleGroups}};
    for (const auto& c : cases) {
        const int puzzle = Build(GAME_WINDOW_PUZZLE);
        const int puzzleSet = Build(GAME_WINDOW_PUZZLE_SET);
        for (int id : puzzleGroups) {
            Build(id, puzzle);
        }
        for (int id : setGroups) {
            Build(id, puzzleSet);
        }
        const int destroyedHandle = Handle(c.destroyed);
        env.ui.DestroyWindow(c.destroyed);
        EXPECT_EQ(BaseWidget::FindWidgetByHandle(destroyedHandle), nullptr);
        EXPECT_EQ(Handle(c.destroyed), PemberquillUI::NO_WINDOW);
        for (int id : c.forgotten) {
            EXPECT_EQ(Handle(id), PemberquillUI::NO_WINDOW) << c.destroyed << " " << id;
        }
        for (int id : c.kept) {
            EXPECT_NE(Handle(id), PemberquillUI::NO_WINDOW) << c.destroyed << " " << id;
        }
    }
}

TEST_F(PemberquillUITest, DestroyingTheTextAreasWindowForgetsTheTextAreaButAnUnbuiltWindowOnlyItself)
{
    const int tutorial = Build(GAME_WINDOW_TUTORIAL);
    Build(GAME_WINDOW_INSTRUCTOR_TEXT_AREA, tutorial);
    env.ui.SetInstructorTextAreaParent(tutorial);
    // Window 12 was never built: the panel is not its to forget.
    const int panel = Build(GAME_WINDOW_SOLUTIONS_PANEL, tutorial);
    env.ui.DestroyWindow(GAME_WINDOW_PUZZLE);
    EXPECT_EQ(Handle(GAME_WINDOW_SOLUTIONS_PANEL), panel);
    env.ui.DestroyWindow(GAME_WINDOW_TUTORIAL);
    EXPECT_EQ(Handle(GAME_WINDOW_INSTRUCTOR_TEXT_AREA), PemberquillUI::NO_WINDOW);
}

TEST_F(PemberquillUITest, PushAndPopMoveTheStackThenClearTheRolloverLine)
{
    std::vector<std::string> log;
    EventRecorder pushes("WindowPushEvent", log);
    EventRecorder pops("WindowPopEvent", log);
    EventRecorder rollovers("RolloverTextChangedEvent", log);
    // What a widget under the mouse publishes.
    const auto* message = dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(Handle(GAME_WINDOW_MESSAGE)));
    const BaseWidget* line = message->GetChild(0);
    NamedProperties rollover;
    rollover.Set<std::string>("Label", "Change the current puzzle options.");
    FireGlobalEvent("RolloverTextChangedEvent", rollover);
    EXPECT_EQ(line->GetProperty<std::string>("Label"), "Change the current puzzle options.");
    log.clear();

    env.ui.PushWindow(GAME_WINDOW_OPTIONS, true);
    EXPECT_EQ(env.uiModule.GetRootWindow()->GetTopWindow(), BaseWidget::FindWidgetByHandle(Handle(GAME_WINDOW_OPTIONS)));
    EXPECT_EQ(line->GetProperty<std::string>("Label"), "");
    env.ui.PopWindow(GAME_WINDOW_OPTIONS, false);
    EXPECT_EQ(env.uiModule.GetRootWindow()->GetTopWindow(), nullptr);
    env.ui.PushWindow(16, false);
    env.ui.PopWindow(GAME_WINDOW_COUNT, true);

    EXPECT_EQ(log, (std::vector<std::string>{"WindowPushEvent", "RolloverTextChangedEvent", "WindowPopEvent",
                                             "RolloverTextChangedEvent", "WindowPushEvent",
                                             "RolloverTextChangedEvent", "RolloverTextChangedEvent"}));
    EXPECT_EQ(pushes.Get<int>(0, "Handle"), Handle(GAME_WINDOW_OPTIONS));
    EXPECT_TRUE(pushes.Get<bool>(0, "PushImmediately"));
    EXPECT_FALSE(pops.Get<bool>(0, "AllowAnimationsToFinish"));
    EXPECT_EQ(pushes.Get<int>(1, "Handle"), PemberquillUI::NO_WINDOW);
}

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
