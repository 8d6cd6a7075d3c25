#include "game/puzzle/PuzzleSetProgress.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

namespace Pemberquill {

namespace {

constexpr int32_t PUZZLE_SET_PROGRESS_RECORD_VERSION = 2;

// More than any set holds; a larger count means a damaged profile.
constexpr int MAX_STORED_PUZZLE_PROGRESSES = 100000;

const char* const PAGE_LABEL = "Page of puzzles last viewed when satisfied.";

} // namespace

PuzzleSetProgress::PuzzleSetProgress(const std::string& setID)
    : m_setID(setID)
{
}

PuzzleSetProgress::PuzzleSetProgress(ResourceStream& stream)
{
    Read(stream);
}

void PuzzleSetProgress::Load(const std::vector<std::unique_ptr<Puzzle>>& puzzles)
{
    std::vector<std::unique_ptr<PuzzleProgress>> attached;
    attached.reserve(puzzles.size());
    for (const std::unique_ptr<Puzzle>& puzzle : puzzles) {
        std::unique_ptr<PuzzleProgress> progress;
        const int found = FindPuzzleIndex(puzzle->GetPuzzleID());
        if (found >= 0) {
            progress = std::move(m_puzzleProgresses[static_cast<size_t>(found)]);
            if (!puzzle->AcceptsProgress(progress.get())) {
                progress.reset();
            }
        }
        if (progress == nullptr) {
            progress = std::make_unique<PuzzleProgress>(puzzle->GetPuzzleID());
        }
        puzzle->SetProgress(progress.get());
        attached.push_back(std::move(progress));
    }
    // What is left belongs to puzzles the set no longer holds (its recipe
    // book was cooked again): the player's work on them cannot go to any
    // other puzzle.
    for (const std::unique_ptr<PuzzleProgress>& dropped : m_puzzleProgresses) {
        if (dropped != nullptr) {
            ConsolePrintf("WARNING: Puzzle set \"%s\" no longer holds puzzle \"%s\"; its saved progress is "
                          "dropped.\n",
                          m_setID.c_str(), dropped->GetPuzzleID().c_str());
        }
    }
    m_puzzleProgresses = std::move(attached);
}

int PuzzleSetProgress::FindPuzzleIndex(const std::string& puzzleID) const
{
    for (size_t i = 0; i < m_puzzleProgresses.size(); ++i) {
        // Entries already handed on by Load are empty.
        if (m_puzzleProgresses[i] != nullptr && m_puzzleProgresses[i]->GetPuzzleID() == puzzleID) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int PuzzleSetProgress::AdvanceToNextPuzzle()
{
    const int count = static_cast<int>(m_puzzleProgresses.size());
    // An index left behind by a larger set restarts the search from the top.
    int index = m_currentPuzzle < -1 || m_currentPuzzle >= count ? -1 : m_currentPuzzle;
    do {
        ++index;
    } while (index < count && m_puzzleProgresses[static_cast<size_t>(index)]->IsSolved());
    if (index < count) {
        m_currentPuzzle = index;
        return 0;
    }
    m_currentPuzzle = -1;
    for (const std::unique_ptr<PuzzleProgress>& progress : m_puzzleProgresses) {
        if (!progress->IsSolved()) {
            return 1;
        }
    }
    return 2;
}

void PuzzleSetProgress::Reset()
{
    for (const std::unique_ptr<PuzzleProgress>& progress : m_puzzleProgresses) {
        progress->Reset();
    }
    m_currentPuzzle = -1;
    m_easyPage = 0;
    m_mediumPage = 0;
    m_hardPage = 0;
    m_playerState = 0;
}

bool PuzzleSetProgress::SetPuzzlePageFromPuzzle(const Puzzle* puzzle)
{
    ULVO_ASSERT(puzzle, "Unable to set puzzle page from NULL puzzle.", "PuzzleSetProgress::SetPuzzlePageFromPuzzle");
    if (m_playerState < PUZZLE_SET_STATE_SATISFIED || m_ranges == nullptr) {
        return false;
    }
    const int index = puzzle->GetNumberInSet() - 1;
    const std::pair<int, int*> pages[] = {
        {PUZZLE_SET_RANGE_EASY, &m_easyPage},
        {PUZZLE_SET_RANGE_MEDIUM, &m_mediumPage},
        {PUZZLE_SET_RANGE_HARD, &m_hardPage},
    };
    for (const auto& [range, page] : pages) {
        const PuzzleSetRange& bounds = (*m_ranges)[static_cast<size_t>(range)];
        if (bounds.Contains(index)) {
            *page = (index - bounds.begin) / PUZZLES_PER_SET_PAGE;
            return true;
        }
    }
    return false;
}

void PuzzleSetProgress::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin(Stringf("PuzzleSet progress data (for puzzleSetID \"%s\")", m_setID.c_str()).c_str());
    stream.WriteInt32(PUZZLE_SET_PROGRESS_RECORD_VERSION, "Version");
    stream.WriteString(m_setID, "Puzzle set ID string");
    stream.WriteInt32(m_currentPuzzle, "Index of current puzzle in puzzle set (if any)");
    stream.WriteInt32(m_easyPage, PAGE_LABEL);
    stream.WriteInt32(m_mediumPage, PAGE_LABEL);
    stream.WriteInt32(m_hardPage, PAGE_LABEL);
    stream.WriteInt32(m_playerState, "Enumeration of whether the set is hidden, visible, locked, unlocked, etc.)");
    int32_t seen = 0;
    for (const std::unique_ptr<PuzzleProgress>& progress : m_puzzleProgresses) {
        if (progress->GetState() >= PUZZLE_STATE_SEEN) {
            ++seen;
        }
    }
    stream.WriteInt32(seen, "Number of (non-empty) puzzle progresses in set to follow");
    for (const std::unique_ptr<PuzzleProgress>& progress : m_puzzleProgresses) {
        if (progress->GetState() >= PUZZLE_STATE_SEEN) {
            progress->Write(stream);
        }
    }
    stream.WriteBlockEnd();
}

void PuzzleSetProgress::Read(ResourceStream& stream)
{
    // Read into locals, so that a malformed record leaves this one as it was.
    ReadRecordBlockBegin(stream);
    stream.ReadInt32(); // the version: only one layout has ever been written
    std::string setID = stream.ReadString();
    const int currentPuzzle = stream.ReadInt32();
    const int easyPage = stream.ReadInt32();
    const int mediumPage = stream.ReadInt32();
    const int hardPage = stream.ReadInt32();
    const int playerState = stream.ReadInt32();
    const int count = ReadRecordCount(stream, MAX_STORED_PUZZLE_PROGRESSES, "puzzle progresses",
                                      "PuzzleSetProgress::Read");
    std::vector<std::unique_ptr<PuzzleProgress>> progresses;
    for (int i = 0; i < count; ++i) {
        progresses.push_back(std::make_unique<PuzzleProgress>(stream));
    }
    ReadRecordBlockEnd(stream);

    m_setID = std::move(setID);
    m_currentPuzzle = currentPuzzle;
    m_easyPage = easyPage;
    m_mediumPage = mediumPage;
    m_hardPage = hardPage;
    m_playerState = playerState;
    for (std::unique_ptr<PuzzleProgress>& progress : progresses) {
        m_puzzleProgresses.push_back(std::move(progress));
    }
}

} // namespace Pemberquill
