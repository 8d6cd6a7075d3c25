#include "game/puzzle/PuzzleProgress.h"

#include "PuzzleTestSupport.h"
#include "engine/core/Clock.h"
#include "game/puzzle/board/Board.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

// A progress of a started two-board 4 x 4 puzzle, with a little play on it.
PuzzleProgress MakeStartedProgress()
{
    PuzzleProgress progress("1234-4x1x0x1x1x0");
    progress.SetState(PUZZLE_STATE_STARTED);
    progress.SetPlayTime(93.5f);
    Clock clock;
    std::vector<std::unique_ptr<Board>> boards;
    boards.push_back(MakeBoard(clock, 4, 0, 4));
    boards.push_back(MakeBoard(clock, 4, 1, 4));
    progress.AttachToBoards(boards);
    BoardProgress& first = *progress.GetBoardProgresses()[0];
    const Square& square = boards[0]->GetSquare(2, 1);
    first.SetValue(square, 3);
    first.SetPlayerCandidateBit(square, 1, true);
    BoardMove move;
    move.type = MOVE_TYPE_VALUE;
    move.x = 2;
    move.y = 1;
    move.data = 3;
    first.RecordMove(move);
    first.SetSteps(1);
    progress.GetBoardProgresses()[1]->SetColorIndex(boards[1]->GetSquare(0, 3), 4);
    for (const std::unique_ptr<Board>& board : boards) {
        board->SetProgress(nullptr);
    }
    return progress;
}

std::string BinaryOf(const BoardProgress& progress)
{
    return WriteRecord(progress, RESOURCE_STREAM_FORMAT_BINARY);
}

PuzzleProgress ReadBack(const PuzzleProgress& progress, ResourceStreamFormat format)
{
    LoadedStream stream(WriteRecord(progress, format));
    return PuzzleProgress(*stream);
}

class PuzzleProgressRecordTest : public ::testing::TestWithParam<ResourceStreamFormat> {};

class AttachTest : public ::testing::Test {
protected:
    void AddBoard(unsigned size, unsigned numCages)
    {
        m_boards.push_back(MakeBoard(m_clock, size, static_cast<unsigned>(m_boards.size()), numCages));
    }

    Clock m_clock;
    std::vector<std::unique_ptr<Board>> m_boards;
};

} // namespace

TEST_P(PuzzleProgressRecordTest, StartedPuzzleKeepsItsBoards)
{
    const PuzzleProgress progress = MakeStartedProgress();
    const PuzzleProgress read = ReadBack(progress, GetParam());
    EXPECT_EQ(progress.GetPuzzleID(), read.GetPuzzleID());
    EXPECT_EQ(PUZZLE_STATE_STARTED, read.GetState());
    EXPECT_EQ(93.5f, read.GetPlayTime());
    ASSERT_EQ(2u, read.GetBoardProgresses().size());
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(BinaryOf(*progress.GetBoardProgresses()[i]), BinaryOf(*read.GetBoardProgresses()[i])) << i;
    }
}

TEST_P(PuzzleProgressRecordTest, DamagedRecordsAreErrorsAndChangeNothing)
{
    const std::string bytes = WriteRecord(MakeStartedProgress(), GetParam());
    for (size_t length = 0; length < bytes.size(); ++length) {
        if (bytes.find_first_not_of(" \t\r\n", length) == std::string::npos) {
            break;
        }
        PuzzleProgress progress("kept");
        progress.SetState(PUZZLE_STATE_SEEN);
        LoadedStream stream(bytes.substr(0, length));
        EXPECT_THROW(progress.Read(*stream), UlvoException) << "cut at " << length;
        EXPECT_EQ("kept", progress.GetPuzzleID());
        EXPECT_EQ(PUZZLE_STATE_SEEN, progress.GetState());
    }
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, PuzzleProgressRecordTest,
                         ::testing::Values(RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT,
                                           RESOURCE_STREAM_FORMAT_TEXT_COMPACT));

TEST(PuzzleProgressRecordLayoutTest, BinaryLayoutAndBoundedCount)
{
    PuzzleProgress solved = MakeStartedProgress();
    solved.SetState(PUZZLE_STATE_SOLVED);
    const std::string id = solved.GetPuzzleID();
    const std::string bytes = WriteRecord(solved, RESOURCE_STREAM_FORMAT_BINARY);
    // Marker, version byte, ID with its length, state byte, play time, count.
    ASSERT_EQ(4 + 1 + 4 + id.size() + 1 + 4 + 4, bytes.size());
    EXPECT_EQ(1, bytes[4]);
    EXPECT_EQ(id, bytes.substr(9, id.size()));
    EXPECT_EQ(PUZZLE_STATE_SOLVED, bytes[9 + id.size()]);
    EXPECT_EQ(std::string(4, '\0'), bytes.substr(bytes.size() - 4));

    for (uint32_t count : {3u, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
        std::string damaged = bytes;
        for (size_t i = 0; i < 4; ++i) {
            damaged[damaged.size() - 4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
        }
        LoadedStream stream(damaged);
        const std::string message = MessageOfThrow([&] { PuzzleProgress read(*stream); });
        EXPECT_NE(std::string::npos, message.find("board progresses")) << message;
    }
}

TEST_F(AttachTest, FreshProgressForEachBoard)
{
    AddBoard(5, 6);
    AddBoard(5, 7);
    PuzzleProgress progress("p");
    progress.SetState(PUZZLE_STATE_STARTED);
    progress.AttachToBoards(m_boards);

    ASSERT_EQ(2u, progress.GetBoardProgresses().size());
    for (size_t i = 0; i < 2; ++i) {
        const Board& board = *m_boards[i];
        EXPECT_EQ(progress.GetBoardProgresses()[i].get(), board.GetProgress());
        EXPECT_EQ(5u, board.GetProgress()->GetSize());
        EXPECT_EQ(board.GetCages().size(), board.GetProgress()->GetNumberOfCages());
        EXPECT_EQ(0u, board.GetSquareValue(1, 1));
        // Key squares show their cage's colour from the start.
        const Cage& cage = board.GetCages()[1];
        EXPECT_EQ(cage.color, board.GetSquareColorIndex(*cage.GetKeySquare()));
    }
}

TEST_F(AttachTest, ProgressThatDoesNotFitStartsAfresh)
{
    struct Case {
        const char* what;
        std::vector<std::pair<unsigned, unsigned>> boards; // size, cages
    };
    // The stored progress is for two 4 x 4 boards of four cages each.
    const Case cases[] = {
        {"another size", {{5, 4}, {5, 4}}},
        {"another cage count", {{4, 4}, {4, 9}}},
        {"fewer boards", {{4, 4}}},
    };
    for (const Case& c : cases) {
        m_boards.clear();
        for (const auto& [size, cages] : c.boards) {
            AddBoard(size, cages);
        }
        LoadedStream stream(WriteRecord(MakeStartedProgress(), RESOURCE_STREAM_FORMAT_BINARY));
        PuzzleProgress progress(*stream);
        progress.AttachToBoards(m_boards);
        ASSERT_EQ(m_boards.size(), progress.GetBoardProgresses().size()) << c.what;
        for (size_t i = 0; i < m_boards.size(); ++i) {
            const BoardProgress* attached = m_boards[i]->GetProgress();
            EXPECT_EQ(progress.GetBoardProgresses()[i].get(), attached) << c.what;
            EXPECT_EQ(m_boards[i]->GetSize(), attached->GetSize()) << c.what;
            EXPECT_EQ(m_boards[i]->GetCages().size(), attached->GetNumberOfCages()) << c.what;
            EXPECT_TRUE(attached->GetMoves().empty()) << c.what;
            EXPECT_EQ(0, attached->GetSteps()) << c.what;
        }
    }
}
