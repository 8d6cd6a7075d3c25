#include "game/puzzle/board/BoardProgress.h"

#include "engine/core/ResourceStream.h"
#include "tests/game/puzzle/PuzzleTestSupport.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/board/Square.h"

#include <gtest/gtest.h>


using namespace Pemberquill;

namespace {

Square At(unsigned x, unsigned y)
{
    Square square;
    square.x = x;
    square.y = y;
    return square;
}

BoardMove MakeMove(int type, int x, int y, int data, int extraData)
{
    BoardMove move;
    move.type = type;
    move.x = x;
    move.y = y;
    move.data = data;
    move.extraData = extraData;
    return move;
}

// Binary layout of a 4 x 4 record: marker, 5 header bytes, 16 squares of 4
// bytes, then the tracker.
constexpr size_t TRACKER_OFFSET = 9 + 16 * 4;

class BoardProgressRecordTest : public ::testing::Test {
protected:
    static std::string Write(const BoardProgress& progress, ResourceStreamFormat format)
    {
        ResourceStream stream(format, 1024);
        progress.Write(stream);
        return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
    }

    static BoardProgress Read(const std::string& bytes)
    {
        puzzle_test::LoadedStream stream(bytes);
        return BoardProgress(*stream);
    }

    // A 4 x 4 progress with two cages and the two moves given.
    static std::string TwoMoveRecord(const BoardMove& first, const BoardMove& second)
    {
        BoardProgress progress(4, 2u);
        progress.SetValue(At(1, 0), 3);
        progress.RecordMove(first);
        progress.RecordMove(second);
        return Write(progress, RESOURCE_STREAM_FORMAT_BINARY);
    }

    static void Patch16(std::string& bytes, size_t offset, int16_t value)
    {
        bytes[offset] = static_cast<char>(value & 0xFF);
        bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
    }

    const BoardMove m_goodValue = MakeMove(MOVE_TYPE_VALUE, 3, 2, 4, 0);
    const BoardMove m_goodCandidate = MakeMove(MOVE_TYPE_CANDIDATE, 1, 0, 2, 1);
};

// A progress that uses every field of the record.
BoardProgress MakeRichProgress()
{
    BoardProgress progress(4, 3u);
    progress.SetSteps(37);
    progress.SetValue(At(0, 0), 4);
    progress.SetValue(At(3, 3), 1);
    progress.SetColorIndex(At(0, 0), 4);
    progress.SetColorIndex(At(2, 1), 0);
    progress.SetPlayerCandidateBit(At(1, 2), 0, true);
    progress.SetPlayerCandidateBit(At(1, 2), 3, true);
    progress.SetAutoCandidateBit(At(1, 2), 1, true);
    progress.SetSolutionInvalidBit(1, 5, true);
    progress.SetSolutionAutoBit(2, 7, true);

    BoardMove hint = MakeMove(MOVE_TYPE_VALUE, 3, 2, 4, 0);
    hint.rowIndex = 2;
    hint.columnIndex = 3;
    hint.numCandidatesInvolved = 5;
    hint.text = "The only place for a 4";
    hint.errorState = true;
    progress.RecordMove(hint);
    progress.RecordMove(MakeMove(MOVE_TYPE_CANDIDATE, 1, 0, 2, 1));
    BoardMove clearColour = MakeMove(MOVE_TYPE_COLOR, 2, 2, -1, 3);
    clearColour.originatingBoardIndex = 1;
    progress.RecordMove(clearColour);
    progress.RecordMove(MakeMove(MOVE_TYPE_COLOR, 0, 3, 4, -1));
    progress.RecordMove(MakeMove(MOVE_TYPE_SOLUTION_MARK, 2, 63, 0, 0));
    BoardMove undone;
    progress.PopUndoMove(undone);
    progress.PopUndoMove(undone);
    return progress;
}

TEST_F(BoardProgressRecordTest, RoundTripInEveryEncoding)
{
    const BoardProgress original = MakeRichProgress();
    for (ResourceStreamFormat format :
         {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_TEXT_COMPACT}) {
        SCOPED_TRACE(testing::Message() << "format " << format);
        const std::string written = Write(original, format);
        const BoardProgress reread = Read(written);
        EXPECT_EQ(written, Write(reread, format)) << "the reader and the writer disagree on a field";
        // Solution marks are not saved: the board recomputes them.
        EXPECT_FALSE(reread.IsSolutionEliminated(1, 5));
        EXPECT_FALSE(reread.IsSolutionEliminated(2, 7));
        EXPECT_TRUE(reread.HasChanged());
    }
}

TEST_F(BoardProgressRecordTest, BinaryBytes)
{
    BoardProgress progress(1, 1u);
    progress.SetValue(At(0, 0), 1);
    progress.SetSteps(2);
    BoardMove move = MakeMove(MOVE_TYPE_VALUE, 0, 0, 1, 0);
    move.errorState = true;
    move.originatingBoardIndex = 1;
    progress.RecordMove(move);

    const std::string expected("\x01\x42\x2A\xFF"
                               "\x02\x01\x01\x02\x00"
                               "\x01\xFF\x00\x00"
                               "\x01\x00\x01\x00"
                               "\x01\x01\x00\x01\x00\x00\x00\xFF\xFF\x01",
                               27);
    EXPECT_EQ(expected, Write(progress, RESOURCE_STREAM_FORMAT_BINARY));
}

TEST_F(BoardProgressRecordTest, CommentedText)
{
    BoardProgress progress(1, 1u);
    progress.SetValue(At(0, 0), 1);
    progress.SetSteps(2);
    BoardMove move = MakeMove(MOVE_TYPE_COLOR, 0, 0, -1, 2);
    move.originatingBoardIndex = 1;
    progress.RecordMove(move);

    const std::string expected = "\r\n// BoardProgress\r\n{\r\n"
                                 "\t2 // Version\r\n"
                                 "\t1 // Puzzle size\r\n"
                                 "\t1 // # of cages\r\n"
                                 "\t2 // Number of steps taken\r\n"
                                 "\t1 // Square #0 (0,0) value\r\n"
                                 "\t-1 // ...and custom color index\r\n"
                                 "\t0 // Bits for solver-impossible candidates marked\r\n"
                                 "\t1 // Move tracker index\r\n"
                                 "\t1 // Number of moves\r\n"
                                 "\r\n\t// Move history\r\n\t{\r\n"
                                 "\t\tfalse // Error state\r\n"
                                 "\t\t255 // Move data\r\n"
                                 "\t\t2 // Move extra data\r\n"
                                 "\t\t3 // Move type\r\n"
                                 "\t\t0 // Number of candidates involved\r\n"
                                 "\t\t0 // X\r\n"
                                 "\t\t0 // Y\r\n"
                                 "\t\t-1 // Column index\r\n"
                                 "\t\t-1 // Row index\r\n"
                                 "\t\t1 // Originating board index\r\n"
                                 "\t}\r\n"
                                 "}\r\n";
    EXPECT_EQ(expected, Write(progress, RESOURCE_STREAM_FORMAT_TEXT));
}

TEST_F(BoardProgressRecordTest, StepsAreSavedWithinZeroTo9999)
{
    BoardProgress progress(2, 0u);
    progress.SetSteps(12000);
    EXPECT_EQ(9999, Read(Write(progress, RESOURCE_STREAM_FORMAT_BINARY)).GetSteps());
    progress.SetSteps(-5);
    EXPECT_EQ(0, Read(Write(progress, RESOURCE_STREAM_FORMAT_TEXT)).GetSteps());
}

TEST_F(BoardProgressRecordTest, VersionOneRecordsHaveNoBoardIndex)
{
    const std::string versionOne("\x01\x42\x2A\xFF"
                                 "\x01\x01\x00\x05\x00"
                                 "\x01\xFF\x00\x00"
                                 "\x01\x00\x01\x00"
                                 "\x01\x01\x00\x01\x00\x00\x00\xFF\xFF",
                                 26);
    const BoardProgress progress = Read(versionOne);
    EXPECT_EQ(5, progress.GetSteps());
    EXPECT_EQ(1u, progress.GetValue(At(0, 0)));
    ASSERT_EQ(1u, progress.GetMoves().size());
    EXPECT_EQ(0, progress.GetMoves()[0].originatingBoardIndex);
    EXPECT_TRUE(progress.GetMoves()[0].errorState);
    EXPECT_EQ(1, progress.GetMoveTracker());
}

TEST_F(BoardProgressRecordTest, TrackerOutsideTheHistoryIsClamped)
{
    std::string bytes = TwoMoveRecord(m_goodValue, m_goodCandidate);
    Patch16(bytes, TRACKER_OFFSET, 7);
    EXPECT_EQ(2, Read(bytes).GetMoveTracker());
    Patch16(bytes, TRACKER_OFFSET, -3);
    const BoardProgress progress = Read(bytes);
    EXPECT_EQ(0, progress.GetMoveTracker());
    EXPECT_EQ(2u, progress.GetMoves().size());
}

TEST_F(BoardProgressRecordTest, EveryTruncatedBinaryRecordIsAFormatError)
{
    const std::string bytes = Write(MakeRichProgress(), RESOURCE_STREAM_FORMAT_BINARY);
    for (size_t length = 0; length < bytes.size(); ++length) {
        EXPECT_THROW(Read(bytes.substr(0, length)), UlvoException) << "length " << length;
    }
    EXPECT_NO_THROW(Read(bytes));
}

TEST_F(BoardProgressRecordTest, AnOverlongHistoryKeepsItsNewestMoves)
{
    BoardProgress progress(4, 0u);
    const int numMoves = 40000;
    for (int i = 0; i < numMoves; ++i) {
        progress.RecordMove(MakeMove(MOVE_TYPE_VALUE, i % 4, (i / 4) % 4, i % 5, 0));
    }
    BoardMove undone;
    for (int i = 0; i < 1000; ++i) {
        progress.PopUndoMove(undone);
    }
    const BoardProgress reread = Read(Write(progress, RESOURCE_STREAM_FORMAT_BINARY));
    const int saved = 32767;
    ASSERT_EQ(static_cast<size_t>(saved), reread.GetMoves().size());
    EXPECT_EQ(saved - 1000, reread.GetMoveTracker());
    const BoardMove& last = reread.GetMoves().back();
    EXPECT_EQ((numMoves - 1) % 4, last.x);
    EXPECT_EQ(((numMoves - 1) / 4) % 4, last.y);
    EXPECT_EQ((numMoves - 1) % 5, last.data);
    const BoardMove& first = reread.GetMoves().front();
    EXPECT_EQ((numMoves - saved) % 5, first.data);
}

} // namespace
