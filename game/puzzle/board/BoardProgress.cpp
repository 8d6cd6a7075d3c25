#include "game/puzzle/board/BoardProgress.h"

#include "game/puzzle/board/Cage.h"
#include "game/puzzle/board/Square.h"

#include <algorithm>
#include <atomic>

namespace Pemberquill {

namespace {

// True when the mask changed.
template <typename Mask>
bool ChangeBit(Mask& mask, int bit, bool set)
{
    const Mask bitMask = static_cast<Mask>(Mask{1} << bit);
    const Mask before = mask;
    mask = set ? static_cast<Mask>(mask | bitMask) : static_cast<Mask>(mask & ~bitMask);
    return mask != before;
}

} // namespace

BoardProgress::BoardProgress(unsigned size, const std::vector<Cage>& cages)
{
    Resize(size, static_cast<unsigned>(cages.size()), &cages);
}

BoardProgress::BoardProgress(unsigned size, unsigned numberOfCages)
{
    Resize(size, numberOfCages, nullptr);
}

BoardProgress::BoardProgress(ResourceStream& stream)
{
    Read(stream);
}

std::unique_ptr<BoardProgress> BoardProgress::Clone() const
{
    return std::make_unique<BoardProgress>(*this);
}

uint64_t BoardProgress::NewRevision()
{
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

void BoardProgress::Resize(unsigned size, unsigned numberOfCages, const std::vector<Cage>* cages)
{
    m_size = static_cast<uint8_t>(size);
    m_steps = 0;
    const size_t numSquares = static_cast<size_t>(m_size) * m_size;
    m_values.assign(numSquares, 0);
    m_colors.assign(numSquares, -1);
    m_playerEliminations.assign(numSquares, 0);
    m_autoEliminations.assign(numSquares, 0);
    m_invalidSolutions.assign(numberOfCages, 0);
    m_autoSolutions.assign(numberOfCages, 0);
    m_autoSolutionsRevision = NewRevision();
    m_solutionMarksRevision = NewRevision();
    m_moves.clear();
    m_moveTracker = 0;
    StartJournal();
    if (cages == nullptr) {
        return;
    }
    for (size_t i = 0; i < numberOfCages && i < cages->size(); ++i) {
        const Cage& cage = (*cages)[i];
        if (const Square* keySquare = cage.GetKeySquare()) {
            SetColorIndex(*keySquare, cage.color);
        }
    }
}

void BoardProgress::Reset()
{
    std::fill(m_values.begin(), m_values.end(), 0);
    std::fill(m_colors.begin(), m_colors.end(), -1);
    std::fill(m_playerEliminations.begin(), m_playerEliminations.end(), 0);
    std::fill(m_autoEliminations.begin(), m_autoEliminations.end(), 0);
    std::fill(m_invalidSolutions.begin(), m_invalidSolutions.end(), 0);
    std::fill(m_autoSolutions.begin(), m_autoSolutions.end(), 0);
    m_autoSolutionsRevision = NewRevision();
    m_solutionMarksRevision = NewRevision();
    m_steps = 0;
    m_hasChanged = true;
    m_moves.clear();
    m_moveTracker = 0;
    StartJournal();
}

void BoardProgress::SetValue(const Square& square, unsigned value)
{
    const int index = IndexOf(square);
    if (index >= 0) {
        uint8_t& stored = m_values[static_cast<size_t>(index)];
        if (stored != static_cast<uint8_t>(value)) {
            stored = static_cast<uint8_t>(value);
            NoteSquareChanged(static_cast<size_t>(index));
        }
        m_hasChanged = true;
    }
}

void BoardProgress::SetColorIndex(const Square& square, int colorIndex)
{
    const int index = IndexOf(square);
    if (index >= 0) {
        int8_t& stored = m_colors[static_cast<size_t>(index)];
        if (stored != static_cast<int8_t>(colorIndex)) {
            stored = static_cast<int8_t>(colorIndex);
            NoteSquareChanged(static_cast<size_t>(index));
        }
        m_hasChanged = true;
    }
}

void BoardProgress::SetPlayerCandidateBit(const Square& square, int candidateIndex, bool set)
{
    const int index = IndexOf(square);
    if (index >= 0 && IsTrackedCandidate(candidateIndex)) {
        if (ChangeBit(m_playerEliminations[static_cast<size_t>(index)], candidateIndex, set)) {
            NoteSquareChanged(static_cast<size_t>(index));
        }
        m_hasChanged = true;
    }
}

void BoardProgress::SetAutoCandidateBit(const Square& square, int candidateIndex, bool set)
{
    const int index = IndexOf(square);
    if (index >= 0 && IsTrackedCandidate(candidateIndex)) {
        if (ChangeBit(m_autoEliminations[static_cast<size_t>(index)], candidateIndex, set)) {
            NoteSquareChanged(static_cast<size_t>(index));
        }
        m_hasChanged = true;
    }
}

void BoardProgress::ClearAutoEliminations()
{
    std::fill(m_autoEliminations.begin(), m_autoEliminations.end(), 0);
    StartJournal();
}

void BoardProgress::SetAutoEliminations(const Square& square, uint16_t eliminations)
{
    const int index = IndexOf(square);
    if (index >= 0) {
        SetAutoEliminationsAt(static_cast<size_t>(index), eliminations);
    }
}

void BoardProgress::SetAutoEliminationsAt(size_t index, uint16_t eliminations)
{
    uint16_t& stored = m_autoEliminations[index];
    const uint16_t tracked = static_cast<uint16_t>(eliminations & ((1u << m_size) - 1u));
    if (stored != tracked) {
        stored = tracked;
        NoteSquareChanged(index);
    }
    m_hasChanged = true;
}

bool BoardProgress::HaveSameEliminatedCandidates(const Square& a, const Square& b) const
{
    for (int c = 0; c < static_cast<int>(m_size); ++c) {
        if (IsCandidateEliminated(a, c) != IsCandidateEliminated(b, c)) {
            return false;
        }
    }
    return true;
}

int BoardProgress::CountOpenCandidates(const Square& square) const
{
    int open = 0;
    for (int c = 0; c < static_cast<int>(m_size); ++c) {
        if (!IsCandidateEliminated(square, c)) {
            ++open;
        }
    }
    return open;
}

void BoardProgress::SetSolutionInvalidBit(int cageIndex, int solutionIndex, bool set)
{
    if (cageIndex >= 0 && cageIndex < static_cast<int>(m_invalidSolutions.size()) && IsTrackedSolution(solutionIndex)) {
        if (ChangeBit(m_invalidSolutions[static_cast<size_t>(cageIndex)], solutionIndex, set)) {
            m_solutionMarksRevision = NewRevision();
        }
        m_hasChanged = true;
    }
}

void BoardProgress::SetSolutionAutoBit(int cageIndex, int solutionIndex, bool set)
{
    if (cageIndex >= 0 && cageIndex < static_cast<int>(m_autoSolutions.size()) && IsTrackedSolution(solutionIndex)) {
        if (ChangeBit(m_autoSolutions[static_cast<size_t>(cageIndex)], solutionIndex, set)) {
            m_solutionMarksRevision = NewRevision();
        }
        m_autoSolutionsRevision = NewRevision();
        m_hasChanged = true;
    }
}

void BoardProgress::RecordMove(const BoardMove& move)
{
    if (m_moveTracker < static_cast<int>(m_moves.size())) {
        m_moves.erase(m_moves.begin() + m_moveTracker, m_moves.end());
    }
    m_moves.push_back(move);
    m_moveTracker = static_cast<int>(m_moves.size());
}

bool BoardProgress::PopUndoMove(BoardMove& outMove)
{
    if (m_moveTracker <= 0 || m_moveTracker > static_cast<int>(m_moves.size())) {
        return false;
    }
    outMove = m_moves[static_cast<size_t>(m_moveTracker - 1)];
    --m_moveTracker;
    return true;
}

bool BoardProgress::PopRedoMove(BoardMove& outMove)
{
    if (m_moveTracker < 0 || m_moveTracker >= static_cast<int>(m_moves.size())) {
        return false;
    }
    outMove = m_moves[static_cast<size_t>(m_moveTracker)];
    ++m_moveTracker;
    return true;
}

void BoardProgress::MarkLastMoveAsError()
{
    if (m_moveTracker > 0 && m_moveTracker <= static_cast<int>(m_moves.size())) {
        m_moves[static_cast<size_t>(m_moveTracker - 1)].errorState = true;
    }
}

bool BoardProgress::CopySharedPlayFrom(const BoardProgress& other)
{
    if (other.m_size != m_size) {
        return false;
    }
    m_values = other.m_values;
    m_playerEliminations = other.m_playerEliminations;
    m_autoEliminations = other.m_autoEliminations;
    m_moves = other.m_moves;
    m_moveTracker = other.m_moveTracker;
    m_hasChanged = true;
    StartJournal();
    return true;
}

void BoardProgress::NoteSquareChanged(size_t index)
{
    m_squaresRevision = NewRevision();
    if (m_journalCount == JOURNAL_LENGTH) {
        // The oldest entry drops out; what every later entry builds on is
        // the state just after it.
        m_journalBase = m_journalRevisions[m_journalNext];
        --m_journalCount;
    }
    m_journalRevisions[m_journalNext] = m_squaresRevision;
    m_journalSquares[m_journalNext] = static_cast<uint8_t>(index);
    m_journalNext = (m_journalNext + 1) % JOURNAL_LENGTH;
    ++m_journalCount;
}

void BoardProgress::StartJournal()
{
    m_squaresRevision = NewRevision();
    m_journalBase = m_squaresRevision;
    m_journalCount = 0;
}

bool BoardProgress::CollectChangedSquares(uint64_t sinceRevision, SquareMask& out) const
{
    if (sinceRevision == m_squaresRevision) {
        return true;
    }
    // Newest first: a reader is usually a few writes behind.
    SquareMask changed;
    size_t position = m_journalNext;
    for (size_t i = 0; i < m_journalCount; ++i) {
        position = (position + JOURNAL_LENGTH - 1) % JOURNAL_LENGTH;
        if (m_journalRevisions[position] == sinceRevision) {
            out.low |= changed.low;
            out.high |= changed.high;
            return true;
        }
        changed.Add(m_journalSquares[position]);
    }
    if (sinceRevision != m_journalBase) {
        return false;
    }
    out.low |= changed.low;
    out.high |= changed.high;
    return true;
}

} // namespace Pemberquill
