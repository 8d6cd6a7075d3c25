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
        PlayerAchievements r;
        r.rank = "Able Seaman";
        r.achievementBits = 0x80000005u;
        r.highScore = 123456, r.totalSteps = 7001, r.candidatesEliminated = 90210;
        r.hintsTaken = 33, r.errorsMade = 44, r.totalSolvingTime = 5400.5f, r.lastSolvingTime = 0.25f;
        r.locationsUnlocked = 11, r.locationsCompleted = 7, r.regionsUnlocked = 3, r.regionsCompleted = 2;
        r.puzzlesSolved = 300, r.puzzlesUnderPar = 120, r.noMistakeCount = 17;
        r.oceanPuzzles = 101, r.canyonPuzzles = 102, r.forestPuzzles = 103;
        r.mountainPuzzles = 104, r.skyPuzzles = 105, r.beyondPuzzles = 106;
        r.hiddenCagePuzzles = 21, r.doubleBoardPuzzles = 22, r.tutorialViews = 5, r.tutorialCompletions = 4;
        r.easyPuzzles = 201, r.mediumPuzzles = 202, r.hardPuzzles = 203, r.practicePuzzles = 204;
        r.hasMadeAMistake = true;
        r.puzzlesSolvedPerLocation = {{"Reef Point", 12}, {"Beginnings", 30}};
        r.hintsTakenPerLocation = {{"Beginnings", 9}};
        return r;
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

    testsupport::SilentConsole console;
};

TEST_F(PlayerAchievementsTest, WritesTheBinaryLayoutWithTablesInKeyOrder)
{
    const PlayerAchievements record = FullRecord();
    EXPECT_EQ(FullRecordBytes(9, true), WriteRecord(record, RESOURCE_STREAM_FORMAT_BINARY));
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

} // namespace
