// The screen manager and its screens on a 1024 x 768 screen: the window
// table with its dependants and the window stack's events; the house look of
// the controls and the interface images; the profile screens, dialogs, the
// instructor's text area, the options window and the achievements window as
// the player sees them and what their buttons send; and the screens of play:
// the puzzle window by board count, the solutions panel, the rewind dialog
// and the splash dialog.

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/FontDescriptor.h"
#include "engine/core/UlvoException.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/SliderWidget.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/WindowWidget.h"
#include "game/common/CageRules.h"
#include "game/common/GameSoundID.h"
#include "game/common/TextLines.h"
#include "game/presentation/board/InstructorView.h"
#include "game/presentation/ui/UITextureNames.h"
#include "game/puzzle/board/Cage.h"
#include "game/options/PemberquillOptions.h"
#include "game/steam/AchievementDefinitions.h"
#include "game/steam/PlayerAchievements.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/support/TestPuzzle.h"

namespace Pemberquill {
namespace {

using screen_test::EventRecorder;
using screen_test::Layout;
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

// A check box wears its ticks from the preloaded images.
TEST_F(UIStylesTest, CheckBoxesWearTheirTicks)
{
    const BaseWidget* checkBox = Create(&PemberquillUI::CreateStyledCheckBox, 0);
    for (const auto& [name, image] :
         {std::pair{"CheckedTexture", UI_IMAGE_CHECK_MARK}, {"UncheckedTexture", UI_IMAGE_UNCHECK}}) {
        const Texture* tick = checkBox->GetProperty<Texture*>(name);
        EXPECT_NE(tick, nullptr) << name;
        EXPECT_EQ(tick, env.ui.GetPreloadedTexture(image)) << name;
    }
}

// The interface images ship with the game: one that is missing or damaged
// stops the start-up with the studio's error rather than leave a blank skin.
TEST(ImagePreloadTest, ABrokenImageStopsTheStartupWithTheStudiosError)
{
    ScreenEnvironment env;
    env.images.broken = {UI_IMAGE_ARROW_LEFT};
    EXPECT_EQ(testsupport::CatchUlvoException([&env] { env.ui.Startup(env.clock); }).message,
              std::string("Broken image ") + UI_IMAGE_ARROW_LEFT);
    EXPECT_FALSE(env.ui.IsInitialized());
}

TEST(ImagePreloadTest, LoadsEveryImageAndBuildsTheScreensWithoutTheOnesNotLoaded)
{
    ScreenEnvironment env;
    env.images.notLoaded = {UI_IMAGE_TITLE_BACKGROUND, UI_IMAGE_BUTTON_ORANGE_DEFAULT, UI_IMAGE_POPUP_BACK_VERTICAL,
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
        EXPECT_EQ(preloaded.texture == nullptr, env.images.notLoaded.count(preloaded.imagePath) == 1)
            << preloaded.imagePath;
        if (preloaded.texture != nullptr) {
            EXPECT_EQ(preloaded.texture->GetWidth(), 1) << preloaded.imagePath << " is filled from its image";
        }
    }
    for (int id : {GAME_WINDOW_TITLE, GAME_WINDOW_MESSAGE, GAME_WINDOW_OPTIONS, GAME_WINDOW_CAMPAIGN_ESCAPE_MENU}) {
        EXPECT_NE(BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(id)), nullptr) << id;
    }
}

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

// Each line's labels take the line's own placement, right or bottom included.
TEST_F(MenusAndDialogsTest, InformationLinesKeepTheirOwnAlignment)
{
    TextLines centred("Centred", 20.0f);
    TextLines right("Right", 20.0f);
    right.horizontalAlignment = HORIZONTAL_TEXT_ALIGNMENT_RIGHT;
    right.verticalAlignment = VERTICAL_TEXT_ALIGNMENT_BOTTOM;
    right.AppendText(" and more");
    right.runs.push_back({"second run", Rgba(255, 0, 0, 255), nullptr});
    env.ui.ShowInformationDialog("", {centred, right}, "OK");
    const std::vector<BaseWidget*> labels = Children(GAME_WINDOW_INFORMATION, "InfoLine");
    ASSERT_EQ(labels.size(), 3u);
    const std::pair<HorizontalTextAlignment, VerticalTextAlignment> expected[] = {
        {HORIZONTAL_TEXT_ALIGNMENT_CENTER, VERTICAL_TEXT_ALIGNMENT_CENTER},
        {HORIZONTAL_TEXT_ALIGNMENT_RIGHT, VERTICAL_TEXT_ALIGNMENT_BOTTOM},
        {HORIZONTAL_TEXT_ALIGNMENT_RIGHT, VERTICAL_TEXT_ALIGNMENT_BOTTOM}};
    for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i]->GetProperty<HorizontalTextAlignment>("HorizontalTextAlignment"), expected[i].first) << i;
        EXPECT_EQ(labels[i]->GetProperty<VerticalTextAlignment>("VerticalTextAlignment"), expected[i].second) << i;
    }
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
        definitions[bit].achievedImage = env.ui.LoadTexture(definitions[bit].GetAchievedImagePath());
        definitions[bit].unachievedImage = env.ui.LoadTexture(definitions[bit].GetUnachievedImagePath());
    }
    PlayerAchievements record;
    record.SetAchievement(1);
    record.totalSolvingTime = 7384.9f;
    // The images came with the definitions: opening the window loads none.
    const size_t requests = env.images.requests.size();
    const int window = env.ui.CreateAchievementsWindow(record, definitions);
    EXPECT_EQ(env.images.requests.size(), requests);

    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const bool isEarned = i == 1;
        const int group = Child(window, "AchievementGroup" + std::to_string(i))->GetHandle();
        EXPECT_EQ(Child(group, "AchievementIcon" + std::to_string(i))->GetProperty<Texture*>("BaseTexture"),
                  isEarned ? definitions[i].achievedImage : definitions[i].unachievedImage);
        EXPECT_EQ(Child(group, "AchievementTitle" + std::to_string(i))->GetProperty<Rgba>("FontColor"),
                  isEarned ? Rgba(255, 180, 0, 255) : Rgba(128, 90, 0, 255));
    }

    const int stats = Child(window, "StatsGroup")->GetHandle();
    EXPECT_EQ(Child(stats, "AchievementStatValue0")->GetProperty<std::string>("Label"), "Beginner");
    EXPECT_EQ(Child(stats, "AchievementStatValue1")->GetProperty<std::string>("Label"), "2hr 3m 4s");
}

// Seven achievements make four rows of 140 on a 768-high screen, the
// columns starting 104 down; the statistics panel holds 19 lines. Every
// widget has its place, and only earned achievements their bright colours.
TEST(AchievementsWindowTest, EachWidgetTakesItsPlaceFromTheRowsAndItsColoursFromTheRecord)
{
    screen_test::ScreenOf1024x768 screen;
    screen_test::ScreenEnvironment env;
    env.ui.Startup(env.clock);
    std::vector<AchievementDefinition> definitions(7);
    for (int8_t bit = 0; bit < 7; ++bit) {
        definitions[bit].bitIndex = bit;
    }
    PlayerAchievements record;
    record.SetAchievement(0);
    record.SetAchievement(5);
    const int window = env.ui.CreateAchievementsWindow(record, definitions);

    const struct {
        const char* group;
        bool isEarned;
    } groups[] = {
        {"AchievementGroup0 350.0 x 140.0 at (305.0, 104.0)", true},
        {"AchievementGroup1 350.0 x 140.0 at (305.0, 244.0)", false},
        {"AchievementGroup2 350.0 x 140.0 at (305.0, 384.0)", false},
        {"AchievementGroup3 350.0 x 140.0 at (305.0, 524.0)", false},
        {"AchievementGroup4 350.0 x 140.0 at (660.0, 104.0)", false},
        {"AchievementGroup5 350.0 x 140.0 at (660.0, 244.0)", true},
        {"AchievementGroup6 350.0 x 140.0 at (660.0, 384.0)", false},
    };
    for (size_t i = 0; i < std::size(groups); ++i) {
        SCOPED_TRACE(i);
        const std::string n = std::to_string(i);
        const BaseWidget* group = Child(window, "AchievementGroup" + n);
        EXPECT_EQ(Layout(group), groups[i].group);
        const int handle = group->GetHandle();
        EXPECT_EQ(Layout(Child(handle, "AchievementIcon" + n)), "AchievementIcon" + n + " 126.0 x 126.0 at (7.0, 7.0)");
        EXPECT_EQ(Layout(Child(handle, "AchievementTitle" + n)), "AchievementTitle" + n + " 238.0 x 42.0 at (154.0, 7.0)");
        EXPECT_EQ(Layout(Child(handle, "Achievement" + n + "Line1")), "Achievement" + n + "Line1 238.0 x 42.0 at (154.0, 49.0)");
        EXPECT_EQ(Layout(Child(handle, "Achievement" + n + "Line2")), "Achievement" + n + "Line2 238.0 x 42.0 at (154.0, 91.0)");
        const Rgba line = groups[i].isEarned ? Rgba(255, 255, 255, 255) : Rgba(100, 100, 100, 255);
        EXPECT_EQ(Child(handle, "Achievement" + n + "Line2")->GetProperty<Rgba>("FontColor"), line);
        EXPECT_EQ(Child(handle, "AchievementTitle" + n)->GetProperty<Rgba>("FontColor"),
                  groups[i].isEarned ? Rgba(255, 180, 0, 255) : Rgba(128, 90, 0, 255));
    }
    EXPECT_TRUE(screen_test::Children(window, "AchievementGroup7").empty());
    EXPECT_EQ(Layout(Child(window, "StatsGroup")), "StatsGroup 290.0 x 440.0 at (4.5, 164.0)");
    EXPECT_EQ(Layout(Child(window, "AchievementsWindowTitle")), "AchievementsWindowTitle 512.0 x 32.0 at (256.0, 0.0)");
    EXPECT_EQ(Child(window, "AchievementsBackButton")->GetProperty<Vector2>("Offset"), Vector2(20.0f, 20.0f));
}

// Each line of the statistics panel, from a record with a value of its own
// in every counter: a line reading another counter shows another number.
TEST(AchievementsWindowTest, EachStatisticLineShowsItsOwnCounterInItsRow)
{
    screen_test::ScreenOf1024x768 screen;
    screen_test::ScreenEnvironment env;
    env.ui.Startup(env.clock);
    PlayerAchievements record;
    record.rank = "Navigator", record.totalSolvingTime = 3661.0f, record.highScore = 2, record.puzzlesSolved = 3;
    record.puzzlesUnderPar = 4, record.totalSteps = 5, record.locationsUnlocked = 6, record.locationsCompleted = 7;
    record.regionsUnlocked = 8, record.regionsCompleted = 9, record.noMistakeCount = 10;
    record.candidatesEliminated = 11, record.hiddenCagePuzzles = 12, record.doubleBoardPuzzles = 13;
    record.oceanPuzzles = 14, record.canyonPuzzles = 15, record.forestPuzzles = 16, record.mountainPuzzles = 17;
    record.skyPuzzles = 18, record.beyondPuzzles = 19, record.hintsTaken = 20, record.errorsMade = 21;
    const int stats = Child(env.ui.CreateAchievementsWindow(record, {}), "StatsGroup")->GetHandle();
    const char* const lines[][2] = {
        {"Rank:", "Navigator"},
        {"Total Solving Time:", "1hr 1m 1s"},
        {"Total Score:", "2"},
        {"Total puzzles solved:", "3"},
        {"Total puzzles under par:", "4"},
        {"Total steps taken:", "5"},
        {"Locations unlocked:", "6"},
        {"Locations completed:", "7"},
        {"Regions unlocked:", "8"},
        {"Regions completed:", "9"},
        {"No Mistakes Streak:", "10"},
        {"Candidates Eliminated:", "11"},
        {"Hidden Cages solved:", "12"},
        {"Double Boards solved:", "13"},
        {"Ocean puzzles solved:", "14"},
        {"Canyon puzzles solved:", "15"},
        {"Forest puzzles solved:", "16"},
        {"Mountain puzzles solved:", "17"},
        {"Sky puzzles solved:", "18"},
    };
    for (size_t j = 0; j < std::size(lines); ++j) {
        SCOPED_TRACE(j);
        const std::string n = std::to_string(j);
        const BaseWidget* caption = Child(stats, "AchievementStatDesc" + n);
        const BaseWidget* value = Child(stats, "AchievementStatValue" + n);
        EXPECT_EQ(caption->GetProperty<std::string>("Label"), lines[j][0]);
        EXPECT_EQ(value->GetProperty<std::string>("Label"), lines[j][1]);
        const float y = 11.0f + 22.0f * static_cast<float>(j);
        EXPECT_EQ(caption->GetProperty<Vector2>("Offset"), Vector2(14.5f, y));
        EXPECT_FLOAT_EQ(value->GetProperty<Vector2>("Offset").y, y);
        EXPECT_GE(value->GetProperty<Vector2>("Offset").x, 14.5f + caption->GetProperty<Vector2>("Size").x);
        if (j >= 2) {
            EXPECT_EQ(Layout(caption), "AchievementStatDesc" + n + Stringf(" 197.2 x 22.0 at (14.5, %.1f)", y));
            EXPECT_EQ(value->GetProperty<Vector2>("Size"), Vector2(49.3f, 22.0f));
        }
    }
    EXPECT_EQ(Child(stats, "AchievementStatDesc0")->GetProperty<Vector2>("Size"), Vector2(145.0f, 22.0f));
    EXPECT_EQ(Child(stats, "AchievementStatValue0")->GetProperty<Vector2>("Size"), Vector2(116.0f, 22.0f));
    EXPECT_TRUE(screen_test::Children(stats, "AchievementStatDesc19").empty());
}

class PlayScreensTest : public ::testing::Test {
protected:
    void SetUp() override { env.ui.Startup(env.clock); }

    static BaseWidget* Find(int windowId, const std::string& name) { return screen_test::Find(Window(windowId), name); }

    static BaseWidget* Window(int windowId)
    {
        return BaseWidget::FindWidgetByHandle(PemberquillUI::GetWindowHandle(windowId));
    }

    template <typename T>
    static T Property(int windowId, const std::string& name, const std::string& property)
    {
        const BaseWidget* widget = Find(windowId, name);
        EXPECT_NE(widget, nullptr) << name;
        return widget != nullptr ? widget->GetProperty<T>(property) : T{};
    }

    void ShowSolutions(size_t count, const std::vector<bool>& solverEliminated = {},
                       const std::vector<bool>& autoEliminated = {})
    {
        NamedProperties args;
        args.Set("SolutionDescriptions", std::vector<std::string>(count, "1+2+3"));
        args.Set("SolutionsSolverEliminated", solverEliminated);
        args.Set("SolutionsAutoEliminated", autoEliminated);
        env.eventSystem.FireEvent("UpdateSolutionsEvent", args);
    }

    ScreenEnvironment env;
    TestPuzzle game{4, {{CAGE_RULE_STRAIGHT, {{0, 0}, {1, 0}}}, {CAGE_RULE_ADDITION, {{2, 0}, {3, 0}}}}};
};

TEST_F(PlayScreensTest, AHiddenCageBoardGetsASwatchForEachColourItCanPaint)
{
    for (const bool hiddenCages : {false, true}) {
        TestPuzzle shown(4, {});
        shown.GetBoard().SetSolvingAttributes(hiddenCages ? SOLVING_ATTRIBUTE_HIDDEN_CAGES : 0u);
        env.ui.CreatePuzzleWindow(shown.puzzle.get(), "MenuEvent", false, false);
        ASSERT_EQ(Window(GAME_WINDOW_PAINT_BUTTONS) != nullptr, hiddenCages);
        const Board& board = shown.GetBoard();
        for (unsigned index : hiddenCages ? board.GetColorChoices() : std::vector<unsigned>{}) {
            const BaseWidget* swatch = Find(GAME_WINDOW_PAINT_BUTTONS, "PaintButton" + std::to_string(index));
            ASSERT_NE(swatch, nullptr) << index;
            EXPECT_EQ(swatch->GetProperty<Rgba>("BaseColor"), board.GetPaletteColor(static_cast<int>(index)));
        }
        env.ui.DestroyWindow(GAME_WINDOW_PUZZLE);
    }
}

TEST_F(PlayScreensTest, ASolutionRuledOutByEitherListIsRedAndShortListsReadAsPossible)
{
    env.ui.CreatePuzzleWindow(game.puzzle.get(), "MenuEvent", false, false);
    ShowSolutions(4, {true, false, false}, {false, true});
    const Rgba red(255, 50, 50, 255);
    const Rgba green(0, 255, 0, 255);
    const Rgba expected[] = {red, red, green, green};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Property<Rgba>(GAME_WINDOW_SOLUTIONS_PANEL, "Solution" + std::to_string(i), "FontColor"),
                  expected[i])
            << i;
    }
}

TEST_F(PlayScreensTest, TheHeaderNamesTheCageRuleOnTheCageColourDimmedTo150)
{
    env.ui.CreatePuzzleWindow(game.puzzle.get(), "MenuEvent", false, false);
    const Board& board = game.GetBoard();
    const std::string addition = board.GetCages()[1].GetRuleText() + " solutions";
    const struct {
        size_t cage;
        std::string header;
    } cases[] = {{0, "Straights"}, {1, addition}};
    for (const auto& c : cases) {
        const Cage& cage = board.GetCages()[c.cage];
        env.ui.CreateSolutionsPanel(0, &board, &cage, {"a", "b"}, {}, {});
        Rgba expected = board.GetCageColor(cage);
        expected.SetBrightness(150);
        const Rgba color = Property<Rgba>(GAME_WINDOW_SOLUTIONS_PANEL, "Solution Panel Header", "BaseColor");
        EXPECT_EQ(color, expected) << c.cage;
        EXPECT_NE(color, board.GetCageColor(cage)) << c.cage;
        EXPECT_EQ(Property<std::string>(GAME_WINDOW_SOLUTIONS_PANEL, "Solution Panel Header", "Label"), c.header);
    }
}

TEST_F(PlayScreensTest, ThePanelNeedsThePuzzleWindowAndGoesWithNoSolutionsOrTheOptionOff)
{
    ShowSolutions(3);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), PemberquillUI::NO_WINDOW);

    env.ui.CreatePuzzleWindow(game.puzzle.get(), "MenuEvent", false, false);
    ShowSolutions(3);
    const int panel = PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL);
    ASSERT_NE(Window(GAME_WINDOW_SOLUTIONS_PANEL), nullptr);
    NamedProperties on;
    on.Set("Value", true);
    env.eventSystem.FireEvent("SetSolutionsEvent", on);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), panel);
    NamedProperties off;
    off.Set("Value", false);
    env.eventSystem.FireEvent("SetSolutionsEvent", off);
    EXPECT_EQ(BaseWidget::FindWidgetByHandle(panel), nullptr);

    ShowSolutions(3);
    ShowSolutions(0);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), PemberquillUI::NO_WINDOW);
    EXPECT_EQ(Find(GAME_WINDOW_PUZZLE, "SolutionsPanel"), nullptr);

    // With the option turned off, solutions build no panel.
    const auto showSolutionsOption = [](bool value) {
        NamedProperties toggle;
        toggle.Set("ShowSolutions", value);
        GetPemberquillOptions().Event_OnToggleSolutions(toggle);
    };
    showSolutionsOption(false);
    ShowSolutions(3);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), PemberquillUI::NO_WINDOW);
    showSolutionsOption(true);
}

// An instructor with no call-outs, installed while it lives.
class TutorialInstructor : public InstructorView {
public:
    TutorialInstructor() { SetInstructorView(this); }
    ~TutorialInstructor() { SetInstructorView(nullptr); }
    InstructorCallOut* FindCallOutForCage(const Cage*) const override { return nullptr; }
    InstructorCallOut* FindCallOutForSquare(const Square*) const override { return nullptr; }
    InstructorCallOut* FindCallOutForCandidate(const Square*, int) const override { return nullptr; }
    InstructorCallOut* FindCallOutForColumn(const Board*, int) const override { return nullptr; }
    InstructorCallOut* FindCallOutForRow(const Board*, int) const override { return nullptr; }
    std::vector<InstructorCallOut*> CollectPositionedCallOuts() const override { return {}; }
    Texture* GetBackgroundTexture() const override { return nullptr; }
    bool IsScriptedTutorialRunning() const override { return isRunning; }

    bool isRunning = true;
};

// The tutorial opened over a puzzle publishes its own board's solutions.
TEST_F(PlayScreensTest, NoPanelIsBuiltWhileTheTutorialRuns)
{
    TutorialInstructor instructor;
    env.ui.CreatePuzzleWindow(game.puzzle.get(), "MenuEvent", false, false);
    ShowSolutions(3);
    EXPECT_EQ(PemberquillUI::GetWindowHandle(GAME_WINDOW_SOLUTIONS_PANEL), PemberquillUI::NO_WINDOW);
    instructor.isRunning = false;
    ShowSolutions(3);
    EXPECT_NE(Window(GAME_WINDOW_SOLUTIONS_PANEL), nullptr);
}

TEST_F(PlayScreensTest, TheRewindDialogCountsTwoMistakesAndRewindsOrClosesItself)
{
    Board& board = game.GetBoard();
    for (unsigned column : {1u, 3u}) {
        const Square& square = board.GetSquare(column, 2);
        board.SetSquareValue(square, static_cast<int>(square.solutionValue % 4 + 1), false, false);
    }
    ASSERT_TRUE(game.puzzle->FindMistakes());
    const int dialog = env.ui.CreateRewindPuzzleDialog(game.puzzle.get());

    EXPECT_EQ(Property<std::string>(GAME_WINDOW_REWIND_PUZZLE, "PuzzleSolvedLabel1", "Label"),
              "Test #1 has 2 errors in it.");
    const BaseWidget* rewind = Find(GAME_WINDOW_REWIND_PUZZLE, "ResetSolvedPuzzleButton");
    ASSERT_NE(rewind, nullptr);
    EXPECT_EQ(rewind->GetProperty<std::string>("OnActivationEventName"), "RewindPuzzleEvent");
    EXPECT_EQ(rewind->GetProperty<Puzzle*>("OnActivationEventNameProperty"), game.puzzle.get());
    EXPECT_EQ(Property<int>(GAME_WINDOW_REWIND_PUZZLE, "CancelPuzzleRewindButton", "OnActivationEventNameProperty"),
              dialog);

    EXPECT_THROW(env.ui.CreateRewindPuzzleDialog(nullptr), UlvoException);
}

TEST_F(PlayScreensTest, TheSplashImageIsCentredAndOneNotLoadedLeavesADismissableBlackScreen)
{
    const Vector2 screen = PemberquillUI::GetScreenSize();
    env.images.notLoaded = {"Images/SplashScreens/missing.png"};
    const struct {
        const char* image;
        Vector2 size;
        Vector2 offset;
    } cases[] = {
        {"Images/SplashScreens/splash00.png", {1, 1}, {(screen.x - 1) * 0.5f, (screen.y - 1) * 0.5f}},
        {"Images/SplashScreens/missing.png", {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        env.ui.CreateSplashScreenDialog(c.image, "Dismiss");
        EXPECT_EQ(Property<Vector2>(GAME_WINDOW_SPLASH_SCREEN, "SplashScreenCanvas", "Size"), c.size) << c.image;
        EXPECT_EQ(Property<Vector2>(GAME_WINDOW_SPLASH_SCREEN, "SplashScreenCanvas", "Offset"), c.offset);
        EXPECT_EQ(Property<std::string>(GAME_WINDOW_SPLASH_SCREEN, "SplashScreenHiddenButton",
                                        "OnActivationEventName"),
                  "Dismiss");
        EXPECT_EQ(Window(GAME_WINDOW_SPLASH_SCREEN)->GetProperty<std::string>("EscapeEvent"), "Dismiss");
    }
}

} // namespace
} // namespace Pemberquill
