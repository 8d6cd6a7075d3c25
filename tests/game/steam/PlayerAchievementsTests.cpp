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

PlayerAchievements ReadFrom(const std::string& bytes, PlayerAchievements record = {})
{
    ServedStream stream(bytes);
    record.Read(*stream);
    return record;
}

// A record with every stored field at a value of its own, at the given
// version, with or without the board-kind counts.
std::string FullRecordBytes(int version, bool withBoardKinds)
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

// Distinct values in every field: a field read or written in the wrong place
// or width changes the bytes written back.
TEST(PlayerAchievementsTest, AFullRecordReadsAndWritesBackTheSameBytes)
{
    testsupport::SilentConsole console;
    PlayerAchievements record = ReadFrom(FullRecordBytes(9, true));
    EXPECT_EQ(FullRecordBytes(9, true), WriteRecord(record, RESOURCE_STREAM_FORMAT_BINARY));
}

// Version 7 records predate the hidden-cage and double-board counts.
TEST(PlayerAchievementsTest, AnOlderRecordKeepsTheCountsItLacksAndMergesTheTables)
{
    testsupport::SilentConsole console;
    PlayerAchievements record;
    record.hiddenCagePuzzles = 8;
    record.doubleBoardPuzzles = 9;
    record.puzzlesSolvedPerLocation = {{"Beginnings", 1}, {"Lagoon", 2}};
    record.errorsMadePerLocation = {{"Lagoon", 3}};
    record = ReadFrom(FullRecordBytes(7, false), record);
    EXPECT_EQ(8, record.hiddenCagePuzzles);
    EXPECT_EQ(9, record.doubleBoardPuzzles);
    EXPECT_EQ(4, record.tutorialCompletions);
    EXPECT_EQ((PlayerAchievements::LocationTable{{"Beginnings", 30}, {"Lagoon", 2}, {"Reef Point", 12}}),
              record.puzzlesSolvedPerLocation);
    EXPECT_EQ((PlayerAchievements::LocationTable{{"Lagoon", 3}}), record.errorsMadePerLocation);
}

TEST(PlayerAchievementsTest, EveryTruncationThrowsAndLeavesTheRecordAsItWas)
{
    testsupport::SilentConsole console;
    const std::string binary = FullRecordBytes(9, true);
    PlayerAchievements record = ReadFrom(binary);
    // A text record ends at its closing brace; only what follows it may go.
    const std::string text = WriteRecord(PlayerAchievements(), RESOURCE_STREAM_FORMAT_TEXT);
    for (const auto& [whole, end] : {std::make_pair(binary, binary.size()), std::make_pair(text, text.rfind('}') + 1)}) {
        for (size_t length = 0; length < end; ++length) {
            ServedStream stream(whole.substr(0, length));
            EXPECT_THROW(record.Read(*stream), UlvoException) << length;
        }
    }
    EXPECT_EQ(binary, WriteRecord(record, RESOURCE_STREAM_FORMAT_BINARY));
}

// The count is one signed byte: a larger table would wrap it and scramble
// everything stored after it.
TEST(PlayerAchievementsTest, ATableBeyondItsCountKeepsItsFirstEntriesAndTheFileStaysReadable)
{
    testsupport::SilentConsole console;
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
