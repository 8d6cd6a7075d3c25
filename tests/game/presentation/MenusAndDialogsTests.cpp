// The profile screens, the dialogs and the instructor's text area on a
// 1024 x 768 screen: their sizes and rows as the player sees them, what
// their buttons send, and the options window's round trip through the
// options object.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/FontDescriptor.h"
#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/ContainerWidget.h"
#include "engine/ui/WindowWidget.h"
#include "game/common/TextLines.h"
#include "game/shell/PemberquillOptions.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"

namespace Pemberquill {
namespace {

using screen_test::EventRecorder;
using screen_test::ScreenEnvironment;

class ScreenOf1024x768 : public options_test::RecordingApplication {
public:
    ScreenOf1024x768() : RecordingApplication("") {}
    IntVector2 GetViewBoundsSize() const override { return IntVector2(1024, 768); }
};

class MenusAndDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    static ContainerWidget* Window(int windowId)
    {
        return dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(windowId)));
    }
    // The children of the window of that name, in creation order.
    static std::vector<BaseWidget*> Children(int windowId, const std::string& name)
    {
        std::vector<BaseWidget*> found;
        const ContainerWidget* window = Window(windowId);
        for (size_t index = 0; window != nullptr && index < window->GetChildCount(); ++index) {
            if (window->GetChild(index)->GetName() == name) {
                found.push_back(window->GetChild(index));
            }
        }
        return found;
    }
    template <typename T>
    static T WindowProperty(int windowId, const std::string& name)
    {
        return Window(windowId)->GetProperty<T>(name);
    }

    ScreenOf1024x768 screen;
    ScreenEnvironment env;
};

TEST_F(MenusAndDialogsTest, ConfirmationDialogIsNeverDoubledAndHasNoCancelWithoutALabel)
{
    for (const char* cancelLabel : {"No", ""}) {
        SCOPED_TRACE(cancelLabel);
        const size_t windowCount = env.uiModule.GetRootWindow()->GetChildCount();
        env.ui.ShowConfirmationDialog("Reset?", "Yes", cancelLabel, "ResetEvent", std::string("payload"));
        env.ui.ShowConfirmationDialog("Reset?", "Yes", cancelLabel, "ResetEvent", std::string("payload"));
        EXPECT_LE(env.uiModule.GetRootWindow()->GetChildCount(), windowCount + 1);
        EXPECT_EQ(Children(GAME_WINDOW_CONFIRMATION, "ConfirmationOkButton").size(), 1u);
        EXPECT_EQ(Children(GAME_WINDOW_CONFIRMATION, "ConfirmationCancelButton").size(), *cancelLabel != 0 ? 1u : 0u);
    }
}

TEST_F(MenusAndDialogsTest, ConfirmationButtonsSendThePayloadOrPopTheDialog)
{
    std::vector<std::string> log;
    EventRecorder accepts("ResetRegionEvent", log);
    EventRecorder pops("WindowPopEvent", log);
    int region = 0;
    int* const payload = &region;
    env.ui.ShowConfirmationDialog("Reset the region?", "Yes", "No", "ResetRegionEvent", payload);
    const int dialog = PemberquillUI::GetWindowHandle(GAME_WINDOW_CONFIRMATION);
    dynamic_cast<ActivatableWidget*>(Children(GAME_WINDOW_CONFIRMATION, "ConfirmationOkButton")[0])->Activate();
    dynamic_cast<ActivatableWidget*>(Children(GAME_WINDOW_CONFIRMATION, "ConfirmationCancelButton")[0])->Activate();
    EXPECT_EQ(log, (std::vector<std::string>{"ResetRegionEvent", "WindowPopEvent"}));
    EXPECT_EQ(accepts.Get<int*>(0, "OnActivationEventNameProperty"), payload);
    EXPECT_EQ(pops.Get<int>(0, "OnActivationEventNameProperty"), dialog);
}

TEST_F(MenusAndDialogsTest, InformationAndAchievementDialogsGrowWithTheirRows)
{
    const FontDescriptor bold("MainFont", 30, true, false);
    TextLines twoRuns("Kept as ", Rgba(0, 255, 255, 255), nullptr, 24.0f);
    twoRuns.runs.push_back({"copy", Rgba(255, 255, 255, 255), &bold});
    const TextLines plain("Hello", 20.0f);

    const struct {
        std::vector<TextLines> lines;
        float height;
        float buttonY;
        size_t labelCount;
    } cases[] = {
        {{}, 120.0f, 60.0f, 0},
        {{plain, twoRuns, plain}, 195.0f, 135.0f, 4},
    };
    for (const auto& c : cases) {
        env.ui.ShowInformationDialog("", c.lines, "OK");
        EXPECT_EQ(WindowProperty<Vector2>(GAME_WINDOW_INFORMATION, "Size"), Vector2(512.0f, c.height));
        EXPECT_EQ(WindowProperty<std::string>(GAME_WINDOW_INFORMATION, "EscapeEvent"), "WindowPopEvent");
        EXPECT_EQ(Children(GAME_WINDOW_INFORMATION, "InformationOkButton")[0]->GetProperty<Vector2>("Offset"),
                  Vector2(93.5f, c.buttonY));
        EXPECT_EQ(Children(GAME_WINDOW_INFORMATION, "InfoLine").size(), c.labelCount);
    }
    // The two runs of the middle line share its row; the named font wins.
    const std::vector<BaseWidget*> labels = Children(GAME_WINDOW_INFORMATION, "InfoLine");
    EXPECT_EQ(labels[1]->GetProperty<Vector2>("Offset"), labels[2]->GetProperty<Vector2>("Offset"));
    EXPECT_EQ(labels[1]->GetProperty<float>("FontHeight"), 30.0f);
    EXPECT_EQ(labels[2]->GetProperty<float>("FontHeight"), 30.0f);

    env.ui.ShowAchievementDialog({{"First", "a", "b", nullptr}, {"Second", "c", "d", nullptr}}, "");
    EXPECT_EQ(WindowProperty<Vector2>(GAME_WINDOW_ACHIEVEMENT_DIALOG, "Size"), Vector2(512.0f, 278.0f));
    const std::vector<BaseWidget*> icons = Children(GAME_WINDOW_ACHIEVEMENT_DIALOG, "AchievementIcon");
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[1]->GetProperty<Vector2>("Offset"), Vector2(60.0f, 114.0f));
    EXPECT_EQ(Children(GAME_WINDOW_ACHIEVEMENT_DIALOG, "AchievementOkButton")[0]->GetProperty<Vector2>("Offset"),
              Vector2(93.5f, 228.0f));
}

TEST_F(MenusAndDialogsTest, ProfileScreensOfferOnlyTheWaysOutTheyAreGiven)
{
    const struct {
        std::vector<std::string> names;
        bool canCreate;
        bool canLeave;
        float height;
    } cases[] = {
        {{}, true, true, 135.0f},
        {{"Ann", "Bob"}, false, false, 135.0f},
    };
    for (const auto& c : cases) {
        env.ui.CreateSelectProfileWindow(c.names, c.canCreate, c.canLeave);
        EXPECT_EQ(WindowProperty<Vector2>(GAME_WINDOW_SELECT_PROFILE, "Size"), Vector2(335.0f, c.height));
        EXPECT_EQ(WindowProperty<bool>(GAME_WINDOW_SELECT_PROFILE, "EscapePops"), c.canLeave);
        EXPECT_EQ(Children(GAME_WINDOW_SELECT_PROFILE, "CreateProfileButton").size(), c.canCreate ? 1u : 0u);
        EXPECT_EQ(Children(GAME_WINDOW_SELECT_PROFILE, "LeaveSelectProfileButton").size(), c.canLeave ? 1u : 0u);
        EXPECT_EQ(Children(GAME_WINDOW_SELECT_PROFILE, "DeleteProfile").size(), c.names.size());
    }
    const BaseWidget* deleteBob = Children(GAME_WINDOW_SELECT_PROFILE, "DeleteProfile")[1];
    EXPECT_EQ(deleteBob->GetProperty<Vector2>("Offset"), Vector2(295.0f, 90.0f));
    EXPECT_EQ(deleteBob->GetProperty<std::string>("OnActivationEventNameProperty"), "Bob");

    for (const bool isFirstPlayer : {true, false}) {
        env.ui.CreateCreateProfileDialog(isFirstPlayer);
        EXPECT_EQ(WindowProperty<Vector2>(GAME_WINDOW_CREATE_PROFILE, "Size").y, isFirstPlayer ? 90.0f : 135.0f);
        EXPECT_EQ(WindowProperty<bool>(GAME_WINDOW_CREATE_PROFILE, "EscapePops"), !isFirstPlayer);
        EXPECT_EQ(Children(GAME_WINDOW_CREATE_PROFILE, "ConfirmationCancelButton").empty(), isFirstPlayer);
    }
}

TEST_F(MenusAndDialogsTest, TheTextAreaSitsInItsRegionAndSqueezesWhatDoesNotFit)
{
    const int tutorial = env.ui.CreateTutorialWindow();
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_INSTRUCTOR_TEXT_AREA), PemberquillUI::NO_WINDOW);
    env.ui.SetInstructorTextRegion(AABB2(100.0f, 50.0f, 500.0f, 450.0f));
    const TextLines line("Lesson", 16.0f);
    const struct {
        size_t lineCount;
        Vector2 size;
        Vector2 offset;
        float rowHeight;
    } cases[] = {
        {3, Vector2(400.0f, 80.0f), Vector2(100.0f, 130.0f), 16.0f},
        {40, Vector2(400.0f, 420.0f), Vector2(100.0f, 50.0f), 10.0f},
    };
    for (const auto& c : cases) {
        const int area = env.ui.CreateInstructorTextArea(tutorial, std::vector<TextLines>(c.lineCount, line));
        const BaseWidget* group = BaseWidget::FindWidgetByHandle(area);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->GetProperty<Vector2>("Size"), c.size);
        EXPECT_EQ(group->GetProperty<Vector2>("Offset"), c.offset);
        const auto* rows = dynamic_cast<const ContainerWidget*>(group);
        ASSERT_EQ(rows->GetChildCount(), c.lineCount);
        EXPECT_EQ(rows->GetChild(1)->GetProperty<Vector2>("Offset"), Vector2(0.0f, 2.0f * c.rowHeight));
    }
    for (const int parent : {tutorial, static_cast<int>(PemberquillUI::NO_WINDOW)}) {
        const std::vector<TextLines> lines = parent == tutorial ? std::vector<TextLines>{} : std::vector<TextLines>{line};
        EXPECT_EQ(env.ui.CreateInstructorTextArea(parent, lines), PemberquillUI::NO_WINDOW);
        EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_INSTRUCTOR_TEXT_AREA), PemberquillUI::NO_WINDOW);
    }
}

TEST_F(MenusAndDialogsTest, OptionsWindowCheckBoxesChangeTheOptionsAndFollowThem)
{
    PemberquillOptions options;
    options.RegisterEventHandlers();
    options.FireAllEvents();
    const struct {
        const char* checkBox;
        bool (PemberquillOptions::*value)() const;
    } cases[] = {
        {"ToggleSolutionsCheckBox", &PemberquillOptions::IsShowingSolutions},
        {"ToggleIsHighlightingErrorsCheckBox", &PemberquillOptions::IsHighlightingErrors},
        {"ToggleUseAutoEliminationCheckBox", &PemberquillOptions::UseAutoElimination},
        {"RunInAWindowCheckBox", &PemberquillOptions::IsWindowed},
        {"PlaySoundsCheckBox", &PemberquillOptions::IsPlayingSounds},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.checkBox);
        auto* checkBox = dynamic_cast<CheckBoxWidget*>(Children(GAME_WINDOW_OPTIONS, c.checkBox).at(0));
        const bool before = (options.*c.value)();
        EXPECT_EQ(checkBox->GetProperty<bool>("Value"), before);
        checkBox->GetBox().Activate();
        EXPECT_EQ((options.*c.value)(), !before);
        EXPECT_EQ(checkBox->GetProperty<bool>("Value"), !before);
    }
}

} // namespace
} // namespace Pemberquill
