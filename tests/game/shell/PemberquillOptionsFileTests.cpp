// What the options file does beyond its bytes (those are in
// ShellRecordFilesTests): whose file is saved when, values out of range,
// and a file that cannot be read or is malformed is never lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "game/shell/PemberquillOptions.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"
#include "tests/support/FileBytes.h"

using namespace Pemberquill;

namespace {

class PemberquillOptionsFile : public ::testing::Test {
protected:
    PemberquillOptionsFile()
    {
        options.RegisterEventHandlers();
        log.Listen({"PuzzleSizeChangedEvent", "DifficultyRatingChangedEvent"});
    }

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
    std::string Log() const { return environment.console.Text(); }

    options_test::OptionsEnvironment environment;
    PemberquillOptions options;
    options_test::EventLog log;
};

TEST_F(PemberquillOptionsFile, SwitchingPlayerSavesThePreviousPlayersOptionsFirst)
{
    EXPECT_FALSE(options.SaveOptions()) << "no player yet";
    EXPECT_TRUE(std::filesystem::is_empty(environment.folder.Path()));

    options.LoadOptions("alice");
    FireGlobalEvent("ToggleAnswersEvent");
    WriteFile("bob.pqoptions", "1 true true true true false false true true true true 6 100 1 2 1 0 -1 1023 1023 false false -1");
    FireGlobalEvent("SetOperatorDisplayMode");
    ASSERT_TRUE(options.LoadOptions("bob"));
    EXPECT_EQ(options.GetPuzzleSize(), 6u);
    EXPECT_EQ(options.GetOperatorDisplayMode(), OPERATOR_DISPLAY_MODE_3);
    EXPECT_EQ(environment.application.windowModeCalls, (std::vector<std::string>{"SetFullscreen", "SetWindowed"}));
    EXPECT_NE(ReadFile("alice.pqoptions").find("true // Showing answers\r\n"), std::string::npos);

    // A missing file keeps the values and still applies and publishes them.
    log.events.clear();
    EXPECT_FALSE(options.LoadOptions("nobody"));
    EXPECT_EQ(options.GetPuzzleSize(), 6u);
    EXPECT_EQ(log.Count("PuzzleSizeChangedEvent"), 1);
}

TEST_F(PemberquillOptionsFile, OutOfRangeValuesAreBroughtWithinTheirLimits)
{
    WriteFile("dave.pqoptions", "1 true true true true false false true false true true\n"
                                "12 250 7 -1 5 -3 2 1023 1023 false false -1\n");
    ASSERT_TRUE(options.LoadOptions("dave"));
    EXPECT_EQ(options.GetPuzzleSize(), 9u);
    EXPECT_EQ(options.GetMasterVolume(), 100u);
    EXPECT_EQ(options.GetDifficultyRating(), 4);
    EXPECT_EQ(options.GetSolvabilityType(), 0);
    EXPECT_EQ(options.GetBoard1Type(), 1);
    EXPECT_EQ(options.GetBoard2Type(), 0);
    EXPECT_NE(Log().find("\"Puzzle size\" 12 is outside 1 to 9; using 9.\n"), std::string::npos);
    EXPECT_EQ(options_test::Fetch<std::string>(log.Last("DifficultyRatingChangedEvent"), "Label"), "Very Hard");
}

TEST_F(PemberquillOptionsFile, AMalformedFileChangesNothingAndACopyIsKeptBeforeItIsSavedOver)
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
}

// A file that cannot be read, or a malformed one of which no copy could be
// kept, is not saved over while that player plays.
TEST_F(PemberquillOptionsFile, AFileNotSafelyKeptIsNeverSavedOver)
{
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
