// The profile screens, the dialogs, the instructor's text area and the
// achievements window on a 1024 x 768 screen: their sizes and rows as the
// player sees them, what their buttons send, the options window's round trip
// through the options object, and which achievements show as earned.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/core/FontDescriptor.h"
#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/WindowWidget.h"
#include "game/common/TextLines.h"
#include "game/shell/PemberquillOptions.h"
#include "game/steam/AchievementDefinitions.h"
#include "game/steam/PlayerAchievements.h"
#include "tests/game/presentation/ScreenTestSupport.h"

namespace Pemberquill {
namespace {

using screen_test::EventRecorder;
using screen_test::ScreenEnvironment;

class MenusAndDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    static std::vector<BaseWidget*> Children(int windowId, const std::string& name)
    {
        return screen_test::Children(PemberquillUI::GetWindowHandle(windowId), name);
    }
    template <typename T>
    static T WindowProperty(int windowId, const std::string& name)
    {
        return BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(windowId))->GetProperty<T>(name);
    }

    screen_test::ScreenOf1024x768 screen;
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

// Each row adds its height; the button stays below the rows.
TEST_F(MenusAndDialogsTest, InformationAndAchievementDialogsGrowWithTheirRows)
{
    const FontDescriptor bold("MainFont", 30, true, false);
    TextLines twoRuns("Kept as ", Rgba(0, 255, 255, 255), nullptr, 24.0f);
    twoRuns.runs.push_back({"copy", Rgba(255, 255, 255, 255), &bold});
    const TextLines plain("Hello", 20.0f);
    const auto heightAndButton = [](int windowId, const char* button) {
        return std::pair(WindowProperty<Vector2>(windowId, "Size").y,
                         Children(windowId, button).at(0)->GetProperty<Vector2>("Offset").y);
    };
    env.ui.ShowInformationDialog("", {}, "OK");
    const auto [emptyHeight, emptyButton] = heightAndButton(GAME_WINDOW_INFORMATION, "InformationOkButton");
    env.ui.ShowInformationDialog("", {plain, twoRuns, plain}, "OK");
    const auto [height, button] = heightAndButton(GAME_WINDOW_INFORMATION, "InformationOkButton");
    EXPECT_GE(height - emptyHeight, 20.0f + 30.0f + 20.0f) << "the rows, the middle one at the named font's height";
    EXPECT_EQ(button - emptyButton, height - emptyHeight);
    EXPECT_EQ(WindowProperty<std::string>(GAME_WINDOW_INFORMATION, "EscapeEvent"), "WindowPopEvent");
    // The two runs of the middle line share its row; the named font wins.
    const std::vector<BaseWidget*> labels = Children(GAME_WINDOW_INFORMATION, "InfoLine");
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[1]->GetProperty<Vector2>("Offset"), labels[2]->GetProperty<Vector2>("Offset"));
    EXPECT_EQ(labels[1]->GetProperty<float>("FontHeight"), 30.0f);
    EXPECT_EQ(labels[2]->GetProperty<float>("FontHeight"), 30.0f);

    env.ui.ShowAchievementDialog({{"First", "a", "b", nullptr}}, "");
    const auto [oneHeight, oneButton] = heightAndButton(GAME_WINDOW_ACHIEVEMENT_DIALOG, "AchievementOkButton");
    env.ui.ShowAchievementDialog({{"First", "a", "b", nullptr}, {"Second", "c", "d", nullptr}}, "");
    const auto [twoHeight, twoButton] = heightAndButton(GAME_WINDOW_ACHIEVEMENT_DIALOG, "AchievementOkButton");
    const std::vector<BaseWidget*> icons = Children(GAME_WINDOW_ACHIEVEMENT_DIALOG, "AchievementIcon");
    ASSERT_EQ(icons.size(), 2u);
    const float row = icons[1]->GetProperty<Vector2>("Offset").y - icons[0]->GetProperty<Vector2>("Offset").y;
    EXPECT_GT(row, 0.0f);
    EXPECT_EQ(twoHeight - oneHeight, row);
    EXPECT_EQ(twoButton - oneButton, row);
}

TEST_F(MenusAndDialogsTest, ProfileScreensOfferOnlyTheWaysOutTheyAreGiven)
{
    const struct {
        std::vector<std::string> names;
        bool canCreate;
        bool canLeave;
    } cases[] = {
        {{}, true, true},
        {{"Ann", "Bob"}, false, false},
    };
    for (const auto& c : cases) {
        env.ui.CreateSelectProfileWindow(c.names, c.canCreate, c.canLeave);
        EXPECT_EQ(WindowProperty<bool>(GAME_WINDOW_SELECT_PROFILE, "EscapePops"), c.canLeave);
        EXPECT_EQ(Children(GAME_WINDOW_SELECT_PROFILE, "CreateProfileButton").size(), c.canCreate ? 1u : 0u);
        EXPECT_EQ(Children(GAME_WINDOW_SELECT_PROFILE, "LeaveSelectProfileButton").size(), c.canLeave ? 1u : 0u);
        EXPECT_EQ(Children(GAME_WINDOW_SELECT_PROFILE, "DeleteProfile").size(), c.names.size());
    }
    EXPECT_EQ(Children(GAME_WINDOW_SELECT_PROFILE, "DeleteProfile")[1]->GetProperty<std::string>(
                  "OnActivationEventNameProperty"),
              "Bob");

    for (const bool isFirstPlayer : {true, false}) {
        env.ui.CreateCreateProfileDialog(isFirstPlayer);
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

BaseWidget* Child(int parent, const std::string& name)
{
    return screen_test::Children(parent, name).at(0);
}

TEST(AchievementsWindowTest, OnlyEarnedAchievementsShowBrightAndTheStatisticsReadTheRecord)
{
    screen_test::ScreenOf1024x768 screen;
    screen_test::ScreenEnvironment env;
    env.ui.Startup(env.clock);
    std::vector<AchievementDefinition> definitions(3);
    for (int8_t bit = 0; bit < 3; ++bit) {
        definitions[bit].imageName = std::to_string(bit) + ".png";
        definitions[bit].bitIndex = bit;
    }
    PlayerAchievements record;
    record.SetAchievement(1);
    record.totalSolvingTime = 7384.9f;
    // Opened twice: the second window replaces the first and loads nothing new.
    env.ui.CreateAchievementsWindow(record, definitions);
    const int window = env.ui.CreateAchievementsWindow(record, definitions);

    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const bool isEarned = i == 1;
        const int group = Child(window, "AchievementGroup" + std::to_string(i))->GetHandle();
        const std::string image = isEarned ? definitions[i].GetAchievedImagePath()
                                                     : definitions[i].GetUnachievedImagePath();
        EXPECT_EQ(Child(group, "AchievementIcon" + std::to_string(i))->GetProperty<Texture*>("BaseTexture"),
                  env.ui.LoadSharedTexture(image));
        EXPECT_EQ(Child(group, "AchievementTitle" + std::to_string(i))->GetProperty<Rgba>("FontColor"),
                  isEarned ? Rgba(255, 180, 0, 255) : Rgba(128, 90, 0, 255));
        EXPECT_EQ(std::count_if(env.images.requests.begin(), env.images.requests.end(),
                                [&](const UlvoPath& path) { return path.GetRelativePath() == image; }),
                  1);
    }

    const int stats = Child(window, "StatsGroup")->GetHandle();
    EXPECT_EQ(Child(stats, "AchievementStatValue0")->GetProperty<std::string>("Label"), "Beginner");
    EXPECT_EQ(Child(stats, "AchievementStatValue1")->GetProperty<std::string>("Label"), "2hr 3m 4s");
}

} // namespace
} // namespace Pemberquill
