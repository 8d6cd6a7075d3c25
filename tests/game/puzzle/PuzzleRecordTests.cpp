// Every record of the player's progress and of the recipe books, through one
// table: the sample's exact binary bytes (the encoding player files use), a
// round trip in each encoding, and every cut-short record refused without
// touching the record read into. (Puzzle-set files are the campaign's.) Then
// the records' own boundaries and older layouts.
#include "PuzzleTestSupport.h"
#include "game/puzzle/PuzzleDescriptor.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/puzzle/board/BoardProgress.h"
#include "tests/support/CatchUlvoException.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

// Reads the bytes into a fresh record and returns what the record then
// writes in the format, after "refused:" when the read threw.
using ReadWrite = std::function<std::string(const std::string& bytes, ResourceStreamFormat format)>;

template <typename Fresh>
ReadWrite Codec(Fresh fresh)
{
    return [fresh](const std::string& bytes, ResourceStreamFormat format) {
        const auto record = fresh();
        LoadedStream stream(bytes);
        try {
            record->Read(*stream);
        } catch (const UlvoException&) {
            return "refused:" + WriteRecord(*record, format);
        }
        return WriteRecord(*record, format);
    };
}

// binaryHex: a sample with every saved field away from its default.
struct RecordCase { const char* name; ReadWrite readWrite; const char* binaryHex; };

} // namespace

TEST(PuzzleRecordTest, EveryRecordIsPinnedRoundTripsAndRefusesEveryCut)
{
    const RecordCase cases[] = {
        {"board progress", Codec([] { return std::make_unique<BoardProgress>(3, 0u); }),
         "01422aff02030225000304000000ff000000ff000000ff000000ff00000000000000ff000000ff050000ff0000020003"
         "000103000105020102010000ff0303000202ffff010000000400013fffff00"},
        {"puzzle progress", Codec([] { return std::make_unique<PuzzleProgress>("kept"); }),
         "01422aff0110000000313233342d3278317830783178317830020000bb42020000000202020100000000000201000000"
         "ff000000ff000000000000020202000000000000000100000004000000ff000000000000"},
        {"puzzle set progress", Codec([] { return std::make_unique<PuzzleSetProgress>("kept"); }),
         "01422aff020000000600000043616e796f6e010000000000000000000000000000000300000001000000010a00000031"
         "312d34783178307831010000000000000000"},
        {"puzzle request", Codec([] { return std::make_unique<PuzzleRequest>(); }),
         "01422aff040000000700000002000000030000000200000001000000050000000400000002000000010000000000c03f"
         "0100010000000000010000010000000001000000010000000001000000000000000000000000000000"},
        {"puzzle descriptor", Codec([] { return std::make_unique<PuzzleDescriptor>(); }),
         "01422aff010000001000000033313333372d362d21414e2d214f2d300001697a00000600000003000000110000000000"
         "c441520000002c010000010000000000c03ffa000000d606000001020000000200000063000000060000000129000000"
         "000044411100000003000000010000000001000000000000000102000000f9ffffff0600000001290000000000444111"
         "000000030000000100000000000000000000000100"},
    };
    for (const RecordCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string binary = FromHex(c.binaryHex);
        EXPECT_EQ(binary, c.readWrite(binary, RESOURCE_STREAM_FORMAT_BINARY));
        for (ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_TEXT_COMPACT}) {
            const std::string text = c.readWrite(binary, format);
            EXPECT_EQ(text, c.readWrite(text, format)) << "a field was lost in format " << format;
        }

        const std::string untouched = c.readWrite("", RESOURCE_STREAM_FORMAT_BINARY);
        ASSERT_EQ(0u, untouched.find("refused:"));
        for (const std::string& bytes : {binary, c.readWrite(binary, RESOURCE_STREAM_FORMAT_TEXT_COMPACT)}) {
            for (size_t length = 1; length <= bytes.find_last_not_of(" \t\r\n"); ++length) {
                ASSERT_EQ(untouched, c.readWrite(bytes.substr(0, length), RESOURCE_STREAM_FORMAT_BINARY))
                    << "cut at " << length << " of " << bytes.size();
            }
        }
    }
}

TEST(PuzzleRecordTest, OlderLayoutsReadWithWhatTheyLack)
{
    // Version 1 board progress moves carry no originating board.
    LoadedStream boardStream(FromHex("01422aff0101000500" "01ff0000" "01000100" "01010001000000ffff"));
    const BoardProgress board(*boardStream);
    EXPECT_EQ(5, board.GetSteps());
    EXPECT_EQ(1u, board.GetValue(Square()));
    ASSERT_EQ(1u, board.GetMoves().size());
    EXPECT_EQ(0, board.GetMoves()[0].originatingBoardIndex);
    EXPECT_TRUE(board.GetMoves()[0].errorState);
    EXPECT_EQ(1, board.GetMoveTracker());

    // Requests of size 6, two boards, Addition and Odd rules, the hybrid
    // generator 1.5: version 1 has a solvable flag (false) and no required
    // operators, version 2 adds them (Multiplication, Even) and a true flag,
    // version 3 a solvability; none has the force flag. What a record lacks
    // keeps what the request held.
    const struct { const char* hex; int solvability; unsigned required1; unsigned required2; } cases[] = {
        {"01422aff010000000600000002000000030000000100000000000000020000000100000000010000000000c03f000100"
         "0000000000000000000000000000000100",
         SOLVABILITY_UNSOLVABLE, CAGE_RULE_DIVISION, 0},
        {"01422aff020000000600000002000000030000000100000000000000020000000100000001010000000000c03f000100"
         "00000000000000000000000000000001000000010000000000000000000000000000010000",
         SOLVABILITY_SOLVABLE, CAGE_RULE_MULTIPLICATION, CAGE_RULE_EVEN},
        {"01422aff030000000600000002000000030000000100000000000000020000000100000002000000010000000000c03f"
         "00010000000000000000000000000000000001000000010000000000000000000000000000010000",
         SOLVABILITY_EITHER, CAGE_RULE_MULTIPLICATION, CAGE_RULE_EVEN},
    };
    for (const auto& c : cases) {
        PuzzleRequest request;
        request.requiredOperators1 = CageRules(CAGE_RULE_DIVISION);
        request.requiredOperators2 = CageRules(0);
        request.forceReducedCageSize = true;
        LoadedStream stream(FromHex(c.hex));
        request.Read(*stream);
        EXPECT_EQ(6, request.size) << c.hex;
        EXPECT_EQ(1, request.board2Attributes);
        EXPECT_EQ(c.solvability, request.solvabilityType);
        EXPECT_EQ(1.5f, request.generatorVersion);
        EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ODD), request.cageRules2.GetMask());
        EXPECT_EQ(c.required1, request.requiredOperators1.GetMask());
        EXPECT_EQ(c.required2, request.requiredOperators2.GetMask());
        EXPECT_TRUE(request.forceReducedCageSize);
    }
}

TEST(PuzzleRecordTest, OutOfRangeCountsAndFieldsAreRefusedOrKeptInside)
{
    BoardProgress progress(2, 0u);
    BoardMove paint = MakeMove(MOVE_TYPE_COLOR, 1, 0, -1);
    paint.extraData = -1;
    progress.RecordMove(paint);
    EXPECT_EQ(-1, RoundTrip(progress, RESOURCE_STREAM_FORMAT_BINARY).GetMoves()[0].data) << "no colour, not 255";
    progress.SetSteps(12000);
    EXPECT_EQ(9999, RoundTrip(progress, RESOURCE_STREAM_FORMAT_BINARY).GetSteps());
    progress.SetSteps(-5);
    EXPECT_EQ(0, RoundTrip(progress, RESOURCE_STREAM_FORMAT_TEXT).GetSteps());

    // A 2 x 2 record: marker, 5 header bytes, 4 squares of 4 bytes, then the
    // tracker.
    progress.RecordMove(MakeMove(MOVE_TYPE_VALUE, 1, 1, 2));
    std::string bytes = WriteRecord(progress, RESOURCE_STREAM_FORMAT_BINARY);
    for (const auto& [tracker, expected] : {std::make_pair(3, 2), std::make_pair(-3, 0)}) {
        bytes[25] = static_cast<char>(tracker & 0xFF);
        bytes[26] = static_cast<char>((tracker >> 8) & 0xFF);
        LoadedStream stream(bytes);
        const BoardProgress read(*stream);
        EXPECT_EQ(expected, read.GetMoveTracker()) << tracker;
        EXPECT_EQ(2u, read.GetMoves().size());
    }

    // A history longer than the record holds keeps its newest moves.
    for (int i = 0; i < 40000; ++i) {
        progress.RecordMove(MakeMove(MOVE_TYPE_VALUE, i % 2, 0, i % 3));
    }
    BoardMove undone;
    progress.PopUndoMove(undone);
    const BoardProgress kept = RoundTrip(progress, RESOURCE_STREAM_FORMAT_BINARY);
    ASSERT_EQ(32767u, kept.GetMoves().size());
    EXPECT_EQ(32766, kept.GetMoveTracker());
    EXPECT_EQ((40000 - 32767) % 3, kept.GetMoves().front().data);
    EXPECT_EQ(39999 % 3, kept.GetMoves().back().data);

    // A count of board progresses the record cannot hold.
    PuzzleProgress solved("p");
    solved.SetState(PUZZLE_STATE_SOLVED);
    std::string puzzle = WriteRecord(solved, RESOURCE_STREAM_FORMAT_BINARY);
    for (uint32_t count : {1u, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
        for (size_t i = 0; i < 4; ++i) {
            puzzle[puzzle.size() - 4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
        }
        LoadedStream stream(puzzle);
        const std::string message = testsupport::CatchUlvoException([&] { PuzzleProgress read(*stream); }).message;
        EXPECT_NE(std::string::npos, message.find("board progresses")) << message;
    }
}

// Worked out once from the seed and recipes, written even when nobody asked
// for it, kept until the seed changes; a stored one wins.
TEST(PuzzleRecordTest, ThePuzzleIdIsWorkedOutOnceAndAStoredOneWins)
{
    PuzzleDescriptor descriptor;
    descriptor.SetSeed(1234);
    descriptor.SetSize(5);
    descriptor.AddBoardRecipe(BoardRecipe());
    const std::string bytes = WriteRecord(descriptor, RESOURCE_STREAM_FORMAT_TEXT);
    descriptor.SetSize(6);
    descriptor.SetSeed(1234);
    EXPECT_EQ("1234-5x1x0x1", descriptor.GetPuzzleID());
    descriptor.SetSeed(-5);
    EXPECT_EQ("-5-6x1x0x1", descriptor.GetPuzzleID());

    std::string campaign = bytes;
    campaign.replace(campaign.find("1234-5x1x0x1"), 12, "CAMPAIGN-001");
    LoadedStream stream(campaign);
    const PuzzleDescriptor read(*stream);
    EXPECT_EQ(1234, read.GetSeed());
    EXPECT_EQ("CAMPAIGN-001", read.GetPuzzleID());
}
