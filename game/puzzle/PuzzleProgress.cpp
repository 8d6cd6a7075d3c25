#include "game/puzzle/PuzzleProgress.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"
#include "game/puzzle/PuzzleRequest.h"

#include <algorithm>

namespace Pemberquill {

namespace {

constexpr int8_t PUZZLE_PROGRESS_RECORD_VERSION = 1;

} // namespace

PuzzleProgress::PuzzleProgress(const std::string& puzzleID)
    : m_puzzleID(puzzleID)
{
}

PuzzleProgress::PuzzleProgress(ResourceStream& stream)
{
    Read(stream);
}

void PuzzleProgress::RaiseState(int atLeast)
{
    m_state = std::max(m_state, atLeast);
}

void PuzzleProgress::Reset()
{
    m_state = PUZZLE_STATE_NEVER_SEEN;
    for (const std::unique_ptr<BoardProgress>& boardProgress : m_boardProgresses) {
        boardProgress->Reset();
    }
    m_playTime = 0.0f;
}

void PuzzleProgress::Clear()
{
    m_boardProgresses.clear();
    m_puzzleID.clear();
}

bool PuzzleProgress::FitsBoards(const std::vector<std::unique_ptr<Board>>& boards) const
{
    if (m_boardProgresses.size() != boards.size()) {
        return false;
    }
    for (size_t i = 0; i < boards.size(); ++i) {
        // A cage count that differs would let the solution marks run past
        // the cages just as a size that differs would for the squares.
        if (m_boardProgresses[i]->GetSize() != boards[i]->GetSize() ||
            m_boardProgresses[i]->GetNumberOfCages() != boards[i]->GetCages().size()) {
            return false;
        }
    }
    return true;
}

void PuzzleProgress::AttachToBoards(const std::vector<std::unique_ptr<Board>>& boards)
{
    if (boards.empty()) {
        return;
    }
    if (!m_boardProgresses.empty() && !FitsBoards(boards)) {
        ConsolePrintf("WARNING: the saved progress of puzzle \"%s\" does not fit its boards; the puzzle starts "
                      "afresh.\n",
                      m_puzzleID.c_str());
        m_boardProgresses.clear();
    }
    if (m_boardProgresses.empty()) {
        for (const std::unique_ptr<Board>& board : boards) {
            m_boardProgresses.push_back(board->CreateProgress(IsSolved()));
        }
    }
    for (size_t i = 0; i < boards.size(); ++i) {
        boards[i]->SetProgress(m_boardProgresses[i].get());
    }
}

void PuzzleProgress::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin(Stringf("Puzzle progress data (for puzzleID \"%s\")", m_puzzleID.c_str()).c_str());
    stream.WriteInt8(PUZZLE_PROGRESS_RECORD_VERSION, "PuzzleProgress Version");
    stream.WriteString(m_puzzleID, "Puzzle ID string");
    stream.WriteUInt8(static_cast<uint8_t>(m_state),
                      "Puzzle has been: 0=Never seen; 1=Seen, but not started; 2=Started, but not solved; 3=Solved");
    stream.WriteFloat(m_playTime);
    const bool storesBoards = m_state == PUZZLE_STATE_STARTED;
    stream.WriteInt32(storesBoards ? static_cast<int32_t>(m_boardProgresses.size()) : 0,
                      "Number of board progresses in set to follow");
    if (storesBoards) {
        for (const std::unique_ptr<BoardProgress>& boardProgress : m_boardProgresses) {
            boardProgress->Write(stream);
        }
    }
    stream.WriteBlockEnd();
}

void PuzzleProgress::Read(ResourceStream& stream)
{
    PuzzleProgress read("");
    ReadRecordBlockBegin(stream);
    stream.ReadInt8(); // the version: only one has ever been written
    read.m_puzzleID = stream.ReadString();
    read.m_state = stream.ReadUInt8();
    read.m_playTime = stream.ReadFloat();
    const int numBoardProgresses =
        ReadRecordCount(stream, MAX_BOARDS_PER_PUZZLE, "board progresses", "PuzzleProgress::Read");
    for (int i = 0; i < numBoardProgresses; ++i) {
        read.m_boardProgresses.push_back(std::make_unique<BoardProgress>(stream));
    }
    ReadRecordBlockEnd(stream);
    *this = std::move(read);
}

} // namespace Pemberquill
