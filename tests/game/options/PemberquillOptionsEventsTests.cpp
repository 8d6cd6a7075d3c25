// The options driven by the events of the option screens (each handler
// runs once, values stay within their limits, what is published after),
// and the options file beyond its bytes (those are in
// PlayerRecordFilesTests): whose file is saved when, values out of range,
// and a file that cannot be read or is malformed is never lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "game/common/GameSoundID.h"
#include "game/options/PemberquillOptions.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/FileBytes.h"

using namespace Pemberquill;
using options_test::Fetch;

namespace {

class PemberquillOptionsEvents : public ::testing::Test {
protected:
    PemberquillOptionsEvents()
    {
        options.RegisterEventHandlers();
        log.Listen({"NewGameEvent", "SetSoundsEvent", "PlaySoundEvent", "MuteAllAudio", "UnmuteAllAudio", "SetCagesEvent",
                    "SetPaintVisibilityEvent", "PuzzleSizeChangedEvent", "PuzzleSeedChangedEvent"});
    }

    template <typename T>
    void Fire(const std::string& name, const std::string& key, const T& value)
    {
        NamedProperties args;
        args.Set(key, value);
        FireGlobalEvent(name, args);
    }
    void FireTimes(const std::string& name, int times)
    {
        for (int i = 0; i < times; ++i) {
            FireGlobalEvent(name);
        }
    }
    std::string LastLabel(const std::string& name) const { return Fetch<std::string>(log.Last(name), "Label"); }
    std::string FilePath(const std::string& name) const { return environment.folder.File(name); }
    void WriteFile(const std::string& name, const std::string& text) const
    {
        testsupport::WriteFileBytes(FilePath(name), testsupport::Bytes(text.begin(), text.end()));
    }
    std::string ReadFile(const std::string& name) const
    {
        const testsupport::Bytes bytes = testsupport::ReadFileBytes(FilePath(name));
        return std::string(bytes.begin(), bytes.end());
    }

    options_test::OptionsEnvironment environment;
    PemberquillOptions options;
    options_test::EventLog log;
};

// Every flag option: its event, the key it may carry and what it reads back.
struct ToggleCase {
    const char* eventName;
    const char* key;
    std::function<bool(const PemberquillOptions&)> read;
};

TEST_F(PemberquillOptionsEvents, EveryToggleRunsOnceAndTakesTheValueItCarries)
{
    const std::vector<ToggleCase> toggles = {
        {"ToggleCandidatesEvent", "ShowCandidates", &PemberquillOptions::IsShowingCandidates},
        {"ToggleCagesEvent", "Value", &PemberquillOptions::IsShowingCages},
        {"ToggleSolutionsEvent", "ShowSolutions", &PemberquillOptions::IsShowingSolutions},
        {"ToggleCampaignModeEvent", "CampaignMode", &PemberquillOptions::IsCampaignMode},
        {"ToggleOperatorsEvent", "ShowOperators", &PemberquillOptions::IsShowingOperators},
        {"ToggleAllowZoomingEvent", "AllowZooming", &PemberquillOptions::IsZoomingAllowed},
        {"ToggleAllowGravityEvent", "AllowGravity", &PemberquillOptions::IsGravityAllowed},
        {"ToggleIsPlayingSoundsEvent", "PlaySounds", &PemberquillOptions::IsPlayingSounds},
        {"ToggleIsWindowedEvent", "IsWindowed", &PemberquillOptions::IsWindowed},
        {"ToggleFullscreenEvent", "IsWindowed", &PemberquillOptions::IsWindowed},
        {"ToggleIsHighlightingErrorsEvent", "IsHighlightingErrors", &PemberquillOptions::IsHighlightingErrors},
        {"ToggleUseAutoEliminationEvent", "UseAutoElimination", &PemberquillOptions::UseAutoElimination},
        {"ToggleAnswersEvent", "ShowAnswers", &PemberquillOptions::IsShowingAnswers},
        {"ToggleUsePregeneratedEvent", "UsePregenerated", &PemberquillOptions::IsUsingPregenerated},
        {"ToggleLMBBehaviorEvent", "ToggleLMBBehavior", &PemberquillOptions::GetLMBBehavior},
        {"ToggleShouldBoard1BeCagelessEvent", "", &PemberquillOptions::ShouldBoard1BeCageless},
        {"ToggleShouldBoard2BeCagelessEvent", "", &PemberquillOptions::ShouldBoard2BeCageless},
    };
    // Subscribing again must not make any toggle run twice (and so cancel out).
    options.RegisterEventHandlers();
    for (const ToggleCase& toggle : toggles) {
        SCOPED_TRACE(toggle.eventName);
        const bool before = toggle.read(options);
        const int published = log.Count("SetCagesEvent");
        FireGlobalEvent(toggle.eventName);
        EXPECT_EQ(toggle.read(options), !before);
        EXPECT_EQ(log.Count("SetCagesEvent"), published + 1) << "every change republishes every value";
        FireGlobalEvent(toggle.eventName);
        EXPECT_EQ(toggle.read(options), before);
        if (toggle.key[0] == '\0') {
            continue;
        }
        Fire(toggle.eventName, toggle.key, false);
        Fire(toggle.eventName, toggle.key, false);
        EXPECT_FALSE(toggle.read(options));
        Fire(toggle.eventName, toggle.key, true);
        EXPECT_TRUE(toggle.read(options));
        Fire(toggle.eventName, toggle.key, 0);
        EXPECT_FALSE(toggle.read(options)) << "a value of another type counts as no value";
    }
}

TEST_F(PemberquillOptionsEvents, SteppedValuesStayWithinTheirLimitsAndDifficultyCrossesTheCagesFlag)
{
    const struct {
        const char *increase, *decrease;
        std::function<int(const PemberquillOptions&)> read;
        int lowest, highest;
    } values[] = {
        {"IncreasePuzzleSizeEvent", "DecreasePuzzleSizeEvent", [](const auto& o) { return int(o.GetPuzzleSize()); }, 1, 9},
        {"IncreaseMasterVolumeEvent", "DecreaseMasterVolumeEvent", [](const auto& o) { return int(o.GetMasterVolume()); }, 0, 100},
        {"IncreaseBoard1TypeEvent", "DecreaseBoard1TypeEvent", &PemberquillOptions::GetBoard1Type, 0, 1},
        {"IncreaseBoard2TypeEvent", "DecreaseBoard2TypeEvent", &PemberquillOptions::GetBoard2Type, 0, 1},
        {"IncreaseSolvabilityTypeEvent", "DecreaseSolvabilityTypeEvent", &PemberquillOptions::GetSolvabilityType, 0, 2},
        {"IncreaseZoomLevelEvent", "DecreaseZoomLevelEvent", &PemberquillOptions::GetZoomLevel, 0, 4},
    };
    // From the lowest each step climbs, the last one onto the highest, and
    // no further.
    for (const auto& value : values) {
        SCOPED_TRACE(value.increase);
        FireTimes(value.decrease, 12);
        EXPECT_EQ(value.lowest, value.read(options));
        const int step = value.highest == 100 ? 10 : 1;
        for (int expected = value.lowest + step; expected <= value.highest + step; expected += step) {
            FireGlobalEvent(value.increase);
            EXPECT_EQ(std::min(expected, value.highest), value.read(options));
        }
    }
    Fire("SetPuzzleSizeEvent", "PuzzleSize", 12u);
    EXPECT_EQ(options.GetPuzzleSize(), 9u);
    Fire("SetPuzzleSizeEvent", "PuzzleSize", -3);
    EXPECT_EQ(options.GetPuzzleSize(), 1u);

    // Difficulty walks ten steps across the cages flag.
    FireTimes("DecreaseDifficultyRatingEvent", 2);
    EXPECT_EQ(options.GetDifficultyRating(), 0);
    EXPECT_TRUE(options.IsShowingCages());
    FireTimes("IncreaseDifficultyRatingEvent", 4);
    EXPECT_EQ(options.GetDifficultyRating(), 4);

    FireGlobalEvent("IncreaseDifficultyRatingEvent");
    EXPECT_EQ(options.GetDifficultyRating(), 0);
    EXPECT_FALSE(options.IsShowingCages());
    EXPECT_FALSE(Fetch<bool>(log.Last("SetCagesEvent"), "Value"));
    // The visibility events get a bag of their own key only.
    const NamedProperties& paint = log.Last("SetPaintVisibilityEvent");
    EXPECT_TRUE(Fetch<bool>(paint, "AbleToBeVisible"));
    bool stale = false;
    EXPECT_NE(paint.Get("Value", stale), PROPERTY_FETCH_OK);

    FireGlobalEvent("DecreaseDifficultyRatingEvent");
    EXPECT_EQ(options.GetDifficultyRating(), 4);
    EXPECT_TRUE(options.IsShowingCages());
}

// A new game is asked for before the new values are published, and only
// when wanted: a size set without "StartNewGame" false, campaign mode on.
TEST_F(PemberquillOptionsEvents, NewGamesAreAskedForFirstAndOnlyWhenWanted)
{
    NamedProperties args;
    args.Set("PuzzleSize", 5u);
    args.Set("StartNewGame", false);
    FireGlobalEvent("SetPuzzleSizeEvent", args);
    FireGlobalEvent("ToggleCampaignModeEvent");
    EXPECT_EQ(options.GetPuzzleSize(), 5u);
    EXPECT_EQ(log.Count("NewGameEvent"), 0);

    for (const char* event : {"SetPuzzleSizeEvent", "ToggleCampaignModeEvent"}) {
        log.events.clear();
        FireGlobalEvent(event);
        ASSERT_EQ(log.Count("NewGameEvent"), 1) << event;
        EXPECT_EQ(log.Names().front(), "NewGameEvent");
    }
    EXPECT_EQ(options.GetPuzzleSize(), 5u);
}

// Painting sets the brush and the cursor without republishing; the sounds
// and window toggles tell the audio and the window once.
TEST_F(PemberquillOptionsEvents, PaintingSoundsAndWindowReachTheCursorTheAudioAndTheWindow)
{
    Fire("BeginPaintingEvent", "OnActivationEventNameProperty", 3);
    EXPECT_EQ(options.GetPaintColorIndex(), 3);
    EXPECT_EQ(environment.application.cursors, std::vector<std::string>{"\\Data\\Images\\Cursors\\PaintBrush2.cur"});
    EXPECT_EQ(log.All<GameSoundID>("PlaySoundEvent", "AudioSound"),
              std::vector<GameSoundID>{SOUND_PLAYINGPUZZLE_PAINT_GRABBED});
    FireGlobalEvent("BeginPaintingEvent");
    EXPECT_EQ(options.GetPaintColorIndex(), 3) << "a paint button without a value keeps the colour";
    FireGlobalEvent("EndPaintingEvent");
    EXPECT_FALSE(options.IsPaintingCages());
    EXPECT_EQ(environment.application.cursors.back(), "");
    FireGlobalEvent("BeginDroppingBallsEvent");
    EXPECT_TRUE(options.IsDroppingBalls());
    FireGlobalEvent("EndDroppingBallsEvent");
    EXPECT_FALSE(options.IsDroppingBalls());
    EXPECT_EQ(log.Count("SetCagesEvent"), 0);

    FireGlobalEvent("ToggleIsPlayingSoundsEvent");
    EXPECT_EQ(log.Count("MuteAllAudio"), 1);
    EXPECT_EQ(log.Count("UnmuteAllAudio"), 0);
    ASSERT_EQ(log.Count("SetSoundsEvent"), 1);
    EXPECT_EQ(log.Names().back(), "SetSoundsEvent");

    FireGlobalEvent("ToggleFullscreenEvent");
    Fire("ToggleIsWindowedEvent", "IsWindowed", true);
    Fire("ToggleIsWindowedEvent", "IsWindowed", false);
    EXPECT_EQ(environment.application.windowModeCalls,
              (std::vector<std::string>{"SetWindowed", "SetWindowed", "SetFullscreen"}));
}

TEST(PemberquillOptionsWithoutApplication, WindowAndCursorRequestsAreSkipped)
{
    testsupport::RecordingConsole console;
    UlvoEventSystem events;
    PemberquillOptions options;
    options.RegisterEventHandlers();
    FireGlobalEvent("BeginPaintingEvent");
    FireGlobalEvent("ToggleIsWindowedEvent");
    EXPECT_TRUE(options.IsWindowed());
}

TEST_F(PemberquillOptionsEvents, SeedIsTheNumberTypedOrNoneAndTheOperatorModeCycles)
{
    const std::string key = "OnActivationEventNameProperty";
    Fire("SetPuzzleSeedEvent", key, std::string("12345"));
    FireGlobalEvent("SetPuzzleSeedEvent");
    EXPECT_EQ(options.GetPuzzleSeed(), 12345);
    Fire("SetPuzzleSeedEvent", key, std::string("  -42xyz"));
    EXPECT_EQ(options.GetPuzzleSeed(), -42);
    for (const char* none : {"seed 7", "99999999999999999999", ""}) {
        Fire("SetPuzzleSeedEvent", key, std::string("5"));
        Fire("SetPuzzleSeedEvent", key, std::string(none));
        EXPECT_EQ(options.GetPuzzleSeed(), -1) << none;
    }
    EXPECT_EQ(log.Count("PuzzleSeedChangedEvent"), 0);
    Fire("SetPuzzleSeedEvent", key, std::string("2147483647"));
    options.FireAllEvents();
    EXPECT_EQ(LastLabel("PuzzleSeedChangedEvent"), "2147483647");
    Fire("SetPuzzleSeedEvent", key, std::string("-2147483648"));
    EXPECT_EQ(options.GetPuzzleSeed(), INT32_MIN) << "the smallest int is a seed";

    // The operator display mode cycles, or takes a valid mode given.
    std::vector<int> modes;
    for (int i = 0; i < 4; ++i) {
        FireGlobalEvent("SetOperatorDisplayMode");
        modes.push_back(options.GetOperatorDisplayMode());
    }
    EXPECT_EQ(modes, (std::vector<int>{0, 1, 2, 3}));
    Fire("SetOperatorDisplayMode", "OperatorDisplayMode", OPERATOR_DISPLAY_MODE_1);
    Fire("SetOperatorDisplayMode", "OperatorDisplayMode", static_cast<OperatorDisplayMode>(7));
    EXPECT_EQ(options.GetOperatorDisplayMode(), OPERATOR_DISPLAY_MODE_1);
}

TEST_F(PemberquillOptionsEvents, SwitchingPlayerSavesThePreviousPlayersOptionsFirst)
{
    EXPECT_FALSE(options.SaveOptions()) << "no player yet";
    EXPECT_TRUE(std::filesystem::is_empty(environment.folder.Path()));

    options.LoadOptions("alice");
    FireGlobalEvent("ToggleAnswersEvent");
    WriteFile("bob.pqoptions", "1 true true true true false true true true true true 6 100 1 2 1 0 -1 1023 1023 false false -1");
    FireGlobalEvent("SetOperatorDisplayMode");
    ASSERT_TRUE(options.LoadOptions("bob"));
    EXPECT_EQ(options.GetPuzzleSize(), 6u);
    EXPECT_FALSE(options.IsPaintingCages()) << "a stored brush is not taken up";
    EXPECT_EQ(options.GetOperatorDisplayMode(), OPERATOR_DISPLAY_MODE_3);
    EXPECT_EQ(environment.application.windowModeCalls, (std::vector<std::string>{"SetFullscreen", "SetWindowed"}));
    EXPECT_NE(ReadFile("alice.pqoptions").find("true // Showing answers\r\n"), std::string::npos);

    // A missing file keeps the values and still applies and publishes them.
    FireGlobalEvent("BeginPaintingEvent");
    log.events.clear();
    EXPECT_FALSE(options.LoadOptions("nobody"));
    EXPECT_NE(ReadFile("bob.pqoptions").find("false // Painting cages\r\n"), std::string::npos);
    EXPECT_EQ(options.GetPuzzleSize(), 6u);
    EXPECT_EQ(log.Count("PuzzleSizeChangedEvent"), 1);
}

TEST_F(PemberquillOptionsEvents, OutOfRangeValuesAreBroughtWithinTheirLimits)
{
    WriteFile("dave.pqoptions", "1 true true true true false false true false true true\n"
                                "12 250 7 -1 5 -3 2 1023 1023 false false -1\n");
    ASSERT_TRUE(options.LoadOptions("dave"));
    EXPECT_EQ((std::vector<int>{9, 100, 4, 0, 1, 0}),
              (std::vector<int>{int(options.GetPuzzleSize()), int(options.GetMasterVolume()),
                                options.GetDifficultyRating(), options.GetSolvabilityType(), options.GetBoard1Type(),
                                options.GetBoard2Type()}));
    EXPECT_NE(environment.console.Text().find("\"Puzzle size\" 12"), std::string::npos);
}

TEST_F(PemberquillOptionsEvents, AMalformedFileIsCopiedBeforeItIsSavedOverAndOneNotSafelyKeptNever)
{
    const std::string malformed = "1 // Version\r\nfalse // Showing candidates\r\nfalse\r\nbanana\r\n";
    WriteFile("erin.pqoptions", malformed);
    EXPECT_FALSE(options.LoadOptions("erin"));
    EXPECT_TRUE(options.IsShowingCandidates());
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed"), malformed);
    EXPECT_TRUE(options.SaveOptions());
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed"), malformed);

    // A second bad file does not replace the first copy.
    WriteFile("erin.pqoptions", "1 true");
    PemberquillOptions restarted;
    EXPECT_FALSE(restarted.LoadOptions("erin"));
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed"), malformed);
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed2"), "1 true");

    // A file that cannot be read, or a malformed one of which no copy could
    // be kept, is not saved over while that player plays.
    // A link to itself cannot be read even by root, which no file mode stops.
    std::filesystem::create_symlink("ida.pqoptions", FilePath("ida.pqoptions"));
    EXPECT_FALSE(options.LoadOptions("ida"));
    EXPECT_FALSE(options.SaveOptions());
    EXPECT_TRUE(std::filesystem::is_symlink(FilePath("ida.pqoptions")));

    WriteFile("gus.pqoptions", "1 true nonsense");
    std::filesystem::create_directory(FilePath("gus.pqoptions.malformed"));
    for (int copy = 2; copy <= 100; ++copy) {
        std::filesystem::create_directory(FilePath("gus.pqoptions.malformed" + std::to_string(copy)));
    }
    EXPECT_FALSE(options.LoadOptions("gus"));
    EXPECT_FALSE(options.SaveOptions());
    options.LoadOptions("hal");
    EXPECT_EQ(ReadFile("gus.pqoptions"), "1 true nonsense");
    // Once the player has moved on, saving works as usual.
    EXPECT_TRUE(options.SaveOptions());
    EXPECT_TRUE(std::filesystem::exists(FilePath("hal.pqoptions")));
}

} // namespace
