// The player's achievement record: its bytes inside the profile, older
// versions, reading over a record, and damaged or oversized records.
#include "game/steam/PlayerAchievements.h"

#include "engine/core/UlvoException.h"
#include "tests/game/steam/RecordStreamTestSupport.h"
#include "tests/support/SilentConsole.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace record_test;

namespace {

class PlayerAchievementsTest : public ::testing::Test {
protected:
    static PlayerAchievements ReadFrom(const std::string& bytes)
    {
        ServedStream stream(bytes);
        PlayerAchievements record;
        record.Read(*stream);
        return record;
    }

    // Every field set, each to a value of its own.
    static PlayerAchievements FullRecord()
    {
        PlayerAchievements record;
        record.rank = "Able Seaman";
        record.achievementBits = 0x80000005u;
        record.highScore = 123456;
        record.totalSteps = 7001;
        record.candidatesEliminated = 90210;
        record.hintsTaken = 33;
        record.errorsMade = 44;
        record.totalSolvingTime = 5400.5f;
        record.lastSolvingTime = 0.25f;
        record.locationsUnlocked = 11;
        record.locationsCompleted = 7;
        record.regionsUnlocked = 3;
        record.regionsCompleted = 2;
        record.puzzlesSolved = 300;
        record.puzzlesUnderPar = 120;
        record.oceanPuzzles = 101;
        record.canyonPuzzles = 102;
        record.forestPuzzles = 103;
        record.mountainPuzzles = 104;
        record.skyPuzzles = 105;
        record.beyondPuzzles = 106;
        record.noMistakeCount = 17;
        record.hiddenCagePuzzles = 21;
        record.doubleBoardPuzzles = 22;
        record.easyPuzzles = 201;
        record.mediumPuzzles = 202;
        record.hardPuzzles = 203;
        record.practicePuzzles = 204;
        record.tutorialViews = 5;
        record.tutorialCompletions = 4;
        record.hasMadeAMistake = true;
        record.puzzlesSolvedPerLocation = {{"Reef Point", 12}, {"Beginnings", 30}};
        record.hintsTakenPerLocation = {{"Beginnings", 9}};
        return record;
    }

    // The bytes of FullRecord at the given version, with or without the
    // board-kind counts.
    static std::string FullRecordBytes(int version, bool withBoardKinds)
    {
        ByteWriter record;
        record.Marker().Int8(version).String("Able Seaman").Int32(int32_t(0x80000005u)).Int32(123456).Int32(7001);
        record.Float(5400.5f).Int8(11).Int8(3).Int16(300).Int16(120);
        record.Int16(101).Int16(102).Int16(103).Int16(104).Int16(105).Int16(106);
        record.Int8(7).Int8(2).Int16(17).Int32(90210).Bool(true);
        record.Int16(201).Int16(202).Int16(203).Int16(204).Int32(33).Int32(44).Int8(5).Int8(4);
        if (withBoardKinds) {
            record.Int16(21).Int16(22);
        }
        record.Int8(2).String("Beginnings").Int32(30).String("Reef Point").Int32(12);
        record.Int8(1).String("Beginnings").Int32(9);
        record.Int8(0);
        return record.bytes;
    }

    static void ExpectSameStoredFields(const PlayerAchievements& expected, const PlayerAchievements& actual)
    {
        PlayerAchievements a = expected;
        PlayerAchievements b = actual;
        EXPECT_EQ(WriteRecord(a, RESOURCE_STREAM_FORMAT_TEXT), WriteRecord(b, RESOURCE_STREAM_FORMAT_TEXT));
    }

    testsupport::SilentConsole console;
};

TEST_F(PlayerAchievementsTest, WritesTheBinaryLayoutWithTablesInKeyOrder)
{
    const PlayerAchievements record = FullRecord();
    EXPECT_EQ(FullRecordBytes(9, true), WriteRecord(record, RESOURCE_STREAM_FORMAT_BINARY));
}

TEST_F(PlayerAchievementsTest, RoundTripsInBothFormsExceptTheLastSolvingTime)
{
    for (const ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT}) {
        SCOPED_TRACE(format);
        const PlayerAchievements written = FullRecord();
        const PlayerAchievements read = ReadFrom(WriteRecord(written, format));
        ExpectSameStoredFields(written, read);
        EXPECT_EQ("Able Seaman", read.rank);
        EXPECT_EQ(12, read.puzzlesSolvedPerLocation.at("Reef Point"));
        EXPECT_EQ(5400.5f, read.totalSolvingTime);
        EXPECT_EQ(0.0f, read.lastSolvingTime) << "the last solving time is not stored";
    }
}

// Version 7 records predate the hidden-cage and double-board counts.
TEST_F(PlayerAchievementsTest, AnOlderRecordKeepsTheCountsItLacksAndMergesTheTables)
{
    PlayerAchievements record;
    record.hiddenCagePuzzles = 8;
    record.doubleBoardPuzzles = 9;
    record.highScore = 1;
    record.puzzlesSolvedPerLocation = {{"Beginnings", 1}, {"Lagoon", 2}};
    record.errorsMadePerLocation = {{"Lagoon", 3}};

    ServedStream stream(FullRecordBytes(7, false));
    record.Read(*stream);
    EXPECT_EQ(8, record.hiddenCagePuzzles);
    EXPECT_EQ(9, record.doubleBoardPuzzles);
    EXPECT_EQ(123456, record.highScore);
    EXPECT_EQ(4, record.tutorialCompletions);
    EXPECT_EQ((PlayerAchievements::LocationTable{{"Beginnings", 30}, {"Lagoon", 2}, {"Reef Point", 12}}),
              record.puzzlesSolvedPerLocation);
    EXPECT_EQ((PlayerAchievements::LocationTable{{"Lagoon", 3}}), record.errorsMadePerLocation);
}

TEST_F(PlayerAchievementsTest, VersionEightAndLaterAreReadWithTheCurrentLayout)
{
    for (const int version : {8, 12}) {
        SCOPED_TRACE(version);
        ExpectSameStoredFields(FullRecord(), ReadFrom(FullRecordBytes(version, true)));
    }
}

TEST_F(PlayerAchievementsTest, ATableCountOfZeroOrLessReadsNoEntries)
{
    const std::string bytes = ByteWriter().Marker().Append(NewAchievementRecordBytes(55)).bytes;
    std::string negative = bytes;
    negative[negative.size() - 2] = char(0x80);  // -128 hints-taken entries
    const PlayerAchievements read = ReadFrom(negative);
    EXPECT_EQ(55, read.highScore);
    EXPECT_TRUE(read.hintsTakenPerLocation.empty());
    EXPECT_TRUE(read.errorsMadePerLocation.empty());
}

TEST_F(PlayerAchievementsTest, EveryTruncationThrowsAndLeavesTheRecordAsItWas)
{
    PlayerAchievements record = FullRecord();
    const std::string before = WriteRecord(record, RESOURCE_STREAM_FORMAT_TEXT);
    const std::string binary = FullRecordBytes(9, true);
    for (size_t length = 0; length < binary.size(); ++length) {
        ServedStream stream(binary.substr(0, length));
        EXPECT_THROW(record.Read(*stream), UlvoException) << length;
    }
    // A text record ends at its closing brace; only what follows it may go.
    PlayerAchievements other;
    const std::string text = WriteRecord(other, RESOURCE_STREAM_FORMAT_TEXT);
    for (size_t length = 0; length <= text.rfind('}'); ++length) {
        ServedStream stream(text.substr(0, length));
        EXPECT_THROW(record.Read(*stream), UlvoException) << length;
    }
    EXPECT_EQ(before, WriteRecord(record, RESOURCE_STREAM_FORMAT_TEXT));
}

TEST_F(PlayerAchievementsTest, ATextTableEntryNeedsItsBraces)
{
    const std::string entry = "{ 9 \"Beginner\" 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 false 0 0 0 0 0 0 0 0 0 0 1 ";
    EXPECT_EQ(4, ReadFrom(entry + "{ \"Reef Point\" 4 } 0 0 }").puzzlesSolvedPerLocation.at("Reef Point"));
    ServedStream stream(entry + "\"Reef Point\" 4 0 0 }");
    PlayerAchievements record;
    EXPECT_THROW(record.Read(*stream), UlvoException);
}

// The count is one signed byte: a larger table would wrap it and scramble
// everything stored after it.
TEST_F(PlayerAchievementsTest, ATableBeyondItsCountKeepsItsFirstEntriesAndTheFileStaysReadable)
{
    PlayerAchievements record;
    for (int i = 0; i < 130; ++i) {
        record.hintsTakenPerLocation[Stringf("Location %03d", i)] = i;
    }
    record.errorsMadePerLocation["Lagoon"] = 6;
    const PlayerAchievements read = ReadFrom(WriteRecord(record, RESOURCE_STREAM_FORMAT_BINARY));
    ASSERT_EQ(127u, read.hintsTakenPerLocation.size());
    EXPECT_EQ("Location 126", read.hintsTakenPerLocation.rbegin()->first);
    EXPECT_EQ((PlayerAchievements::LocationTable{{"Lagoon", 6}}), read.errorsMadePerLocation);
}

TEST_F(PlayerAchievementsTest, AchievementBitsCoverIndicesZeroToThirtyOne)
{
    PlayerAchievements record;
    record.SetAchievement(0);
    record.SetAchievement(31);
    record.SetAchievement(32);
    record.SetAchievement(-1);
    EXPECT_EQ(0x80000001u, record.achievementBits);
    EXPECT_TRUE(record.HasAchievement(0));
    EXPECT_TRUE(record.HasAchievement(31));
    EXPECT_FALSE(record.HasAchievement(1));
    record.achievementBits = 0xFFFFFFFFu;
    EXPECT_FALSE(record.HasAchievement(32));
    EXPECT_FALSE(record.HasAchievement(-1));
}

} // namespace
