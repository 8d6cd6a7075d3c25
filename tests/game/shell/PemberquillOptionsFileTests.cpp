#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoPath.h"
#include "game/shell/PemberquillOptions.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"
#include "tests/support/FileBytes.h"

using namespace Pemberquill;

namespace {

std::string AsText(const testsupport::Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

testsupport::Bytes AsBytes(const std::string& text)
{
    return testsupport::Bytes(text.begin(), text.end());
}

// The file of a player who never changed anything.
const std::string DEFAULT_FILE = "1 // Version\r\n"
                                 "true // Showing candidates\r\n"
                                 "true // Showing cages\r\n"
                                 "true // Showing operators\r\n"
                                 "true // Showing solutions\r\n"
                                 "false // Showing answers\r\n"
                                 "false // Painting cages\r\n"
                                 "true // Playing sounds\r\n"
                                 "false // Windowed\r\n"
                                 "true // Highlighting errors\r\n"
                                 "true // Use auto-elimination\r\n"
                                 "4 // Puzzle size\r\n"
                                 "100 // Master volume\r\n"
                                 "1 // Difficulty rating\r\n"
                                 "2 // Solvability type\r\n"
                                 "1 // Board 1 type\r\n"
                                 "0 // Board 2 type\r\n"
                                 "-1 // Paint color index\r\n"
                                 "1023 // Cage rules 1\r\n"
                                 "1023 // Cage rules 2\r\n"
                                 "false // Board 1 hidden-cage\r\n"
                                 "false // Board 2 hidden-cage\r\n"
                                 "-1 // Puzzle seed\r\n";

// A file whose every stored value differs from the defaults.
const std::string CHANGED_FILE = "1\n false true false false true true false true false false\n"
                                 "7 40 3 0 0 1 5 37 512 true true 8675309\n";

class PemberquillOptionsFile : public ::testing::Test {
protected:
    PemberquillOptionsFile()
    {
        options.RegisterEventHandlers();
        log.Listen(options_test::PublishedEventNames());
    }

    std::string FilePath(const std::string& name) const { return environment.folder.File(name); }
    void WriteFile(const std::string& name, const std::string& text) const
    {
        testsupport::WriteFileBytes(FilePath(name), AsBytes(text));
    }
    std::string ReadFile(const std::string& name) const
    {
        return AsText(testsupport::ReadFileBytes(FilePath(name)));
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(FilePath(name)); }
    std::string Log() const { return environment.console.Text(); }

    // Every value the file holds, in file order, as text.
    static std::string StoredValues(const PemberquillOptions& options)
    {
        std::ostringstream text;
        for (bool flag : {options.IsShowingCandidates(), options.IsShowingCages(),
                          options.IsShowingOperators(), options.IsShowingSolutions(),
                          options.IsShowingAnswers(), options.IsPaintingCages(),
                          options.IsPlayingSounds(), options.IsWindowed(),
                          options.IsHighlightingErrors(), options.UseAutoElimination()}) {
            text << flag;
        }
        for (long long value : {static_cast<long long>(options.GetPuzzleSize()),
                                static_cast<long long>(options.GetMasterVolume()),
                                static_cast<long long>(options.GetDifficultyRating()),
                                static_cast<long long>(options.GetSolvabilityType()),
                                static_cast<long long>(options.GetBoard1Type()),
                                static_cast<long long>(options.GetBoard2Type()),
                                static_cast<long long>(options.GetPaintColorIndex()),
                                static_cast<long long>(options.GetCageRules1().GetMask()),
                                static_cast<long long>(options.GetCageRules2().GetMask())}) {
            text << ' ' << value;
        }
        text << ' ' << options.ShouldBoard1BeCageless() << options.ShouldBoard2BeCageless() << ' '
             << options.GetPuzzleSeed();
        return text.str();
    }

    options_test::OptionsEnvironment environment;
    PemberquillOptions options;
    options_test::EventLog log;
};

TEST_F(PemberquillOptionsFile, DefaultsAreWrittenLabelByLabel)
{
    options.LoadOptions("steamuser");
    EXPECT_TRUE(options.SaveOptions());
    EXPECT_EQ(ReadFile("steamuser.pqoptions"), DEFAULT_FILE);
    EXPECT_NE(Log().find("Old options saved to: steamuser.pqoptions\n"), std::string::npos);
}

TEST_F(PemberquillOptionsFile, EveryStoredValueSurvivesARoundTrip)
{
    WriteFile("alice.pqoptions", CHANGED_FILE);
    ASSERT_TRUE(options.LoadOptions("alice"));
    const std::string loaded = StoredValues(options);
    EXPECT_EQ(loaded, "0100110100 7 40 3 0 0 1 5 37 512 11 8675309");
    ASSERT_TRUE(options.SaveOptions());

    PemberquillOptions reader;
    ASSERT_TRUE(reader.LoadOptions("alice"));
    EXPECT_EQ(StoredValues(reader), loaded);

    // And the defaults come back as themselves, masks included.
    PemberquillOptions defaults;
    defaults.LoadOptions("bob");
    ASSERT_TRUE(defaults.SaveOptions());
    PemberquillOptions defaultsReader;
    ASSERT_TRUE(defaultsReader.LoadOptions("bob"));
    EXPECT_EQ(StoredValues(defaultsReader), StoredValues(PemberquillOptions()));
}

TEST_F(PemberquillOptionsFile, LoadingAppliesTheWindowModeAndPublishes)
{
    WriteFile("alice.pqoptions", CHANGED_FILE);
    EXPECT_TRUE(options.LoadOptions("alice"));
    EXPECT_EQ(environment.application.windowModeCalls, std::vector<std::string>{"SetWindowed"});
    EXPECT_EQ(options.GetOperatorDisplayMode(), OPERATOR_DISPLAY_MODE_3);
    EXPECT_EQ(options_test::Fetch<std::string>(log.Last("PuzzleSizeChangedEvent"), "Label"), "7x7");
    EXPECT_EQ(options_test::Fetch<std::string>(log.Last("PuzzleSeedChangedEvent"), "Label"),
              "8675309");
    EXPECT_NE(Log().find("Options file was valid.  Reading in.\n"), std::string::npos);
}

TEST_F(PemberquillOptionsFile, BinaryFilesAreReadToo)
{
    ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 64);
    stream.WriteInt8(1);
    for (bool flag : {false, true, true, true, false, false, true, true, true, false}) {
        stream.WriteBool(flag);
    }
    for (int32_t value : {6, 50, 2, 1, 1, 1, 4, 3, 96}) {
        stream.WriteInt32(value);
    }
    stream.WriteBool(true);
    stream.WriteBool(false);
    stream.WriteInt32(77);
    ASSERT_TRUE(stream.SaveToFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "carol.pqoptions")));

    ASSERT_TRUE(options.LoadOptions("carol"));
    EXPECT_EQ(StoredValues(options), "0111001110 6 50 2 1 1 1 4 3 96 10 77");
}

TEST_F(PemberquillOptionsFile, MissingOrEmptyFilesKeepTheValuesAndStillApplyThem)
{
    FireGlobalEvent("IncreasePuzzleSizeEvent");
    log.events.clear();
    EXPECT_FALSE(options.LoadOptions("nobody"));
    EXPECT_NE(Log().find("Options file was invalid (missing).  Skipping.\n"), std::string::npos);
    EXPECT_EQ(options.GetPuzzleSize(), 5u);
    EXPECT_EQ(environment.application.windowModeCalls, std::vector<std::string>{"SetFullscreen"});
    EXPECT_EQ(log.Count("PuzzleSizeChangedEvent"), 1);

    WriteFile("empty.pqoptions", "");
    EXPECT_FALSE(options.LoadOptions("empty"));
    EXPECT_NE(Log().find("Options file was present, but contained 0 bytes!!!  Skipping.\n"),
              std::string::npos);
    EXPECT_EQ(options.GetPuzzleSize(), 5u);
    EXPECT_EQ(log.Count("PuzzleSizeChangedEvent"), 2);
}

TEST_F(PemberquillOptionsFile, ChangingPlayerSavesThePreviousPlayersOptionsFirst)
{
    options.LoadOptions("alice");
    EXPECT_NE(Log().find("Saving old options out.\nOptions profile name empty: Nothing to save.\n"
                         "Setting options username to: alice\n"
                         "Creating profile options resource stream.\n"),
              std::string::npos);
    EXPECT_FALSE(Exists("alice.pqoptions"));

    FireGlobalEvent("ToggleAnswersEvent");
    WriteFile("bob.pqoptions", CHANGED_FILE);
    ASSERT_TRUE(options.LoadOptions("bob"));
    EXPECT_EQ(options.GetUserName(), "bob");
    const std::string alice = ReadFile("alice.pqoptions");
    EXPECT_NE(alice.find("true // Showing answers\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile("bob.pqoptions"), CHANGED_FILE);
}

TEST_F(PemberquillOptionsFile, SavingWithoutAUserWritesNothing)
{
    EXPECT_FALSE(options.SaveOptions());
    EXPECT_EQ(Log(), "Saving old options out.\nOptions profile name empty: Nothing to save.\n");
    EXPECT_TRUE(std::filesystem::is_empty(environment.folder.Path()));
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
    EXPECT_NE(Log().find("WARNING: Options file \"dave.pqoptions\": \"Puzzle size\" 12 is "
                         "outside 1 to 9; using 9.\n"),
              std::string::npos);
    EXPECT_EQ(options_test::Fetch<std::string>(log.Last("DifficultyRatingChangedEvent"), "Label"),
              "Very Hard");
    FireGlobalEvent("IncreasePuzzleSizeEvent");
    EXPECT_EQ(options.GetPuzzleSize(), 9u);
}

TEST_F(PemberquillOptionsFile, AMalformedFileChangesNothingAndIsKeptAside)
{
    // Breaks off after two values that differ from the current ones.
    const std::string malformed =
        "1 // Version\r\nfalse // Showing candidates\r\nfalse\r\nbanana\r\n";
    WriteFile("erin.pqoptions", malformed);
    const std::string before = StoredValues(options);

    EXPECT_FALSE(options.LoadOptions("erin"));
    EXPECT_EQ(StoredValues(options), before);
    EXPECT_NE(Log().find("ERROR: Options file \"erin.pqoptions\" is malformed"), std::string::npos);
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed"), malformed);
    EXPECT_EQ(log.Count("SetCagesEvent"), 1);

    // The player's next save may replace the file now that a copy is kept.
    EXPECT_TRUE(options.SaveOptions());
    EXPECT_EQ(ReadFile("erin.pqoptions"), DEFAULT_FILE);
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed"), malformed);

    // A second bad file does not replace the first copy. (A fresh object:
    // reloading with this one would save over the file first.)
    const std::string truncated =
        DEFAULT_FILE.substr(0, DEFAULT_FILE.find("false // Showing answers"));
    WriteFile("erin.pqoptions", truncated);
    PemberquillOptions restarted;
    EXPECT_FALSE(restarted.LoadOptions("erin"));
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed"), malformed);
    EXPECT_EQ(ReadFile("erin.pqoptions.malformed2"), truncated);
}

TEST_F(PemberquillOptionsFile, AMalformedBinaryFileIsCaughtToo)
{
    const testsupport::Bytes truncated = {0x01, 0x42, 0x2A, 0xFF, 0x01, 0x01, 0x00};
    testsupport::WriteFileBytes(FilePath("fay.pqoptions"), truncated);
    EXPECT_FALSE(options.LoadOptions("fay"));
    EXPECT_EQ(testsupport::ReadFileBytes(FilePath("fay.pqoptions.malformed")), truncated);
}

TEST_F(PemberquillOptionsFile, AnUnreadableFileIsNeverSavedOver)
{
    // A link to itself cannot be read even by root, which no file mode stops.
    std::filesystem::create_symlink("ida.pqoptions", FilePath("ida.pqoptions"));

    EXPECT_FALSE(options.LoadOptions("ida"));
    EXPECT_NE(Log().find("ERROR: Options file \"ida.pqoptions\" could not be read (Too many levels of "
                         "symbolic links)"),
              std::string::npos);
    EXPECT_FALSE(options.SaveOptions());
    options.LoadOptions("jo");
    EXPECT_TRUE(std::filesystem::is_symlink(FilePath("ida.pqoptions")));
}

TEST_F(PemberquillOptionsFile, AMalformedFileThatCannotBeCopiedIsNeverSavedOver)
{
    const std::string malformed = "1 true nonsense";
    WriteFile("gus.pqoptions", malformed);
    // Something that is not a file stands wherever a copy could go.
    std::filesystem::create_directory(FilePath("gus.pqoptions.malformed"));
    for (int copy = 2; copy <= 100; ++copy) {
        std::filesystem::create_directory(FilePath("gus.pqoptions.malformed" + std::to_string(copy)));
    }

    EXPECT_FALSE(options.LoadOptions("gus"));
    EXPECT_NE(Log().find("ERROR: No copy of the malformed options file \"gus.pqoptions\" could be "
                         "kept"),
              std::string::npos);
    EXPECT_FALSE(options.SaveOptions());
    // Switching player saves first: still not over the only copy.
    options.LoadOptions("hal");
    EXPECT_EQ(ReadFile("gus.pqoptions"), malformed);

    // Once the player has moved on, saving works as usual.
    EXPECT_TRUE(options.SaveOptions());
    EXPECT_TRUE(Exists("hal.pqoptions"));
}

} // namespace
