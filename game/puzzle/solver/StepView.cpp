#include "game/puzzle/solver/StepView.h"

#include "game/puzzle/board/BoardProgress.h"

#include <algorithm>

namespace Pemberquill {

BoardStepMemo::UnitMask BoardStepMemo::UnitMask::First(size_t count)
{
    UnitMask mask;
    for (size_t word = 0; word < mask.bits.size(); ++word) {
        const size_t inWord = std::min<size_t>(count > word * 64 ? count - word * 64 : 0, 64);
        mask.bits[word] = inWord == 64 ? ~uint64_t{0} : (uint64_t{1} << inWord) - 1u;
    }
    return mask;
}

void BoardStepMemo::Take(const Board& board)
{
    m_changedCages = UnitMask();
    m_changedLines = UnitMask();
    if (!ReadCages(board)) {
        Restart(board);
        ReadCages(board);
    }
    ReadSquares(board);
    RescanChanged();
    isTaken = true;
    m_isMemoInUse = !m_isMemoOff;
}

bool BoardStepMemo::ReadCages(const Board& board)
{
    const std::vector<Cage>& cages = board.GetCages();
    if (m_board != &board || m_hasUnstampedCage || size != board.GetSize() || m_seed != board.GetSeed() ||
        m_hasHiddenCages != board.HasHiddenCages() || m_cageKeys.size() != cages.size()) {
        return false;
    }
    const size_t numCages = cages.size();
    if (!DoCagesMatchKeys(cages.data(), m_cageKeys.data(), numCages)) {
        return false;
    }
    // The marks kept were read at m_marksRevision; the same revision proves
    // them unchanged, the indices being the keys'.
    const BoardProgress& progress = *board.GetProgress();
    const uint64_t revision = progress.GetSolutionMarksRevision();
    if (revision == m_marksRevision) {
        return true;
    }
    uint64_t* const marks = m_eliminated.data();
    for (size_t position = 0; position < numCages; ++position) {
        const uint64_t eliminated = progress.GetEliminatedSolutions(m_cageKeys[position].index);
        if (eliminated != marks[position]) {
            marks[position] = eliminated;
            m_changedCages.Add(std::min(position, UnitMask::CAPACITY - 1));
        }
    }
    m_marksRevision = revision;
    return true;
}

void BoardStepMemo::Restart(const Board& board)
{
    const std::vector<Cage>& cages = board.GetCages();
    m_board = &board;
    size = board.GetSize();
    m_seed = board.GetSeed();
    m_hasHiddenCages = board.HasHiddenCages();
    m_isMemoOff = cages.size() > UnitMask::CAPACITY;
    m_cageKeys.clear();
    m_hasUnstampedCage = false;
    m_squareCages.fill(NO_CAGE);
    m_watchers.fill(UnitMask());
    m_cagesInLine.fill(UnitMask());
    for (size_t position = 0; position < cages.size(); ++position) {
        const Cage& cage = cages[position];
        m_cageKeys.push_back(CageKey::Of(cage));
        m_hasUnstampedCage = m_hasUnstampedCage || cage.solutionsStamp == 0;
        WatchSquares(board, cage, position);
        // The line StepRequiredByOtherCage reads besides the cage.
        if (!m_isMemoOff && !cage.squares.empty() && cage.IsInOneLine()) {
            const Square& first = *cage.squares[0];
            const bool isColumn = cage.squares.size() > 1 && cage.squares[1]->y != first.y;
            m_cagesInLine[isColumn ? LineOfColumn(first.x) : LineOfRow(first.y)].Add(position);
        }
    }
    m_allCages = UnitMask::First(cages.size());
    m_eliminated.assign(cages.size(), 0);
    m_marksRevision = 0;
    cageEmpties.assign(cages.size(), 0);
    m_changedCages = m_allCages;
    m_changedLines = UnitMask::First(2 * MAX_BOARD_SIZE);
    // Every square reads as changed, and empty ones count into their cages.
    m_states.fill(UNREAD_SQUARE);
    m_squaresRevision = 0;
    m_singleCandidates = UnitMask();
    emptySquares = 0;
    isEmpty.fill(false);
}

void BoardStepMemo::WatchSquares(const Board& board, const Cage& cage, size_t position)
{
    const size_t unit = std::min(position, UnitMask::CAPACITY - 1);
    for (const Square* square : cage.squares) {
        if (square->x >= size || square->y >= size) {
            continue;
        }
        const size_t index = square->y * size + square->x;
        int16_t& owner = m_squareCages[index];
        owner = owner == NO_CAGE ? static_cast<int16_t>(position) : SEVERAL_CAGES;
        m_watchers[index].Add(unit);
        if (cage.rule != CAGE_RULE_COMPARISONS) {
            continue;
        }
        // The comparison techniques read the neighbours in the square's own
        // answer cage, listed in this cage or not.
        static constexpr int OFFSETS[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& offset : OFFSETS) {
            const int x = static_cast<int>(square->x) + offset[0];
            const int y = static_cast<int>(square->y) + offset[1];
            if (board.IsInside(x, y) &&
                board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)).cageIndex == square->cageIndex) {
                m_watchers[static_cast<size_t>(y) * size + static_cast<size_t>(x)].Add(unit);
            }
        }
    }
}

namespace {

// A square as the memo keeps it: its value in bits 16 to 23, its open
// candidates in bits 0 to 15, its paint in bits 24 to 31. Without a branch:
// a full read works it out for every square.
uint32_t SquareState(unsigned value, uint16_t eliminations, unsigned allCandidates, int paint)
{
    const unsigned open =
        allCandidates & ~static_cast<unsigned>(eliminations) & (0u - static_cast<unsigned>(value == 0));
    return static_cast<uint32_t>(static_cast<uint8_t>(paint)) << 24 | (value & 0xFFu) << 16 | open;
}

} // namespace

void BoardStepMemo::ReadSquares(const Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    const size_t numSquares = static_cast<size_t>(size) * size;
    const unsigned allCandidates = (1u << size) - 1u;
    // The squares that changed, collected first: the read then writes
    // nothing that could alias the progress.
    std::array<uint32_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> changed;
    std::array<uint32_t, MAX_BOARD_SIZE * MAX_BOARD_SIZE> changedStates;
    size_t numChanged = 0;
    const auto compare = [&](size_t index, uint32_t state) {
        if (state != m_states[index]) {
            changed[numChanged] = static_cast<uint32_t>(index);
            changedStates[numChanged++] = state;
        }
    };
    // The board's squares are row-major, as the progress's are; a progress
    // of another size is read square by square, as the board reads it.
    if (progress.GetSize() == size) {
        const bool withPaint = m_hasHiddenCages;
        const auto readAt = [&](size_t index) {
            const int paint = withPaint ? progress.GetColorIndexAt(index) : 0;
            compare(index, SquareState(progress.GetValueAt(index), progress.GetEliminationsAt(index), allCandidates,
                                       paint));
        };
        // The states kept were read at m_squaresRevision: only the squares
        // the journal names since can differ (paint is a square write too).
        // The journal's revisions are unique to one history, so it also
        // tells when the progress is another one.
        progress.ForEachSquareWrittenSince(m_squaresRevision, readAt);
        m_squaresRevision = progress.GetSquaresRevision();
    } else {
        const std::vector<Square>& squares = board.GetSquares();
        for (size_t index = 0; index < numSquares; ++index) {
            const Square& square = squares[index];
            const int paint = m_hasHiddenCages ? progress.GetColorIndex(square) : 0;
            compare(index,
                    SquareState(progress.GetValue(square), progress.GetEliminations(square), allCandidates, paint));
        }
        m_squaresRevision = 0;
    }
    for (size_t k = 0; k < numChanged; ++k) {
        const size_t index = changed[k];
        const uint32_t state = changedStates[k];
        m_states[index] = state;
        present[index] = static_cast<uint16_t>(state);
        const bool isSingle = present[index] != 0 && (present[index] & (present[index] - 1u)) == 0;
        if (isSingle) {
            m_singleCandidates.Add(index);
        } else {
            m_singleCandidates.Remove(index);
        }
        const bool wasEmpty = isEmpty[index];
        isEmpty[index] = (state & 0xFF0000u) == 0;
        MarkSquareChanged(index, static_cast<int>(isEmpty[index]) - static_cast<int>(wasEmpty));
    }
    if (m_isEmptiesRecountDue) {
        const std::vector<Cage>& cages = board.GetCages();
        for (size_t position = 0; position < cages.size(); ++position) {
            cageEmpties[position] = CountEmpties(cages[position]);
        }
        m_isEmptiesRecountDue = false;
    }
}

void BoardStepMemo::MarkSquareChanged(size_t index, int emptiesChange)
{
    emptySquares += emptiesChange;
    m_changedLines.Add(LineOfRow(static_cast<unsigned>(index / size)));
    m_changedLines.Add(LineOfColumn(static_cast<unsigned>(index % size)));
    m_changedCages |= m_watchers[index];
    const int16_t owner = m_squareCages[index];
    if (owner >= 0) {
        const size_t position = static_cast<size_t>(owner);
        cageEmpties[position] = static_cast<uint8_t>(cageEmpties[position] + emptiesChange);
    } else if (owner == SEVERAL_CAGES) {
        m_isEmptiesRecountDue = m_isEmptiesRecountDue || emptiesChange != 0;
    }
}

void BoardStepMemo::RescanChanged()
{
    if (m_hasHiddenCages && !(m_changedCages.IsEmpty() && m_changedLines.IsEmpty())) {
        m_changedCages = m_allCages;
    }
    for (size_t slot = 0; slot < NUM_CAGE_SLOTS; ++slot) {
        m_toScan[slot] |= m_changedCages;
    }
    UnitMask cagesWithLine = m_changedCages;
    static_assert(2 * MAX_BOARD_SIZE <= 64, "the lines fit in the mask's first word");
    for (uint64_t lines = m_changedLines.bits[0]; lines != 0; lines &= lines - 1) {
        cagesWithLine |= m_cagesInLine[static_cast<size_t>(__builtin_ctzll(lines))];
    }
    m_toScan[FRUITLESS_REQUIRED_BY_OTHER_CAGE] |= cagesWithLine;
    m_toScan[FRUITLESS_COMBINATION_ELSEWHERE] |= m_changedLines;
    m_valuesOpenOnceDue |= m_changedLines;
}

uint8_t BoardStepMemo::CountEmpties(const Cage& cage) const
{
    unsigned empties = 0;
    for (const Square* square : cage.squares) {
        empties += isEmpty[square->y * size + square->x] ? 1u : 0u;
    }
    return static_cast<uint8_t>(std::min(empties, 0xFEu));
}

const std::array<unsigned, 2 * MAX_BOARD_SIZE>& BoardStepMemo::GetValuesOpenOnce()
{
    if (m_valuesOpenOnceDue.IsEmpty()) {
        return m_valuesOpenOnce;
    }
    // A placed value changes every line through its automatic
    // eliminations; a removed candidate two.
    if (m_valuesOpenOnceDue.Count() > size) {
        FindValuesOpenOnce(
            size, [&](unsigned x, unsigned y) { return present[y * size + x]; }, m_valuesOpenOnce);
    } else {
        for (size_t line = m_valuesOpenOnceDue.NextFrom(0); line < UnitMask::CAPACITY;
             line = m_valuesOpenOnceDue.NextFrom(line + 1)) {
            FindLineValuesOpenOnce(line);
        }
    }
    m_valuesOpenOnceDue = UnitMask();
    return m_valuesOpenOnce;
}

void BoardStepMemo::FindLineValuesOpenOnce(size_t line)
{
    const bool isRow = line < MAX_BOARD_SIZE;
    const size_t first = isRow ? line * size : line - MAX_BOARD_SIZE;
    const size_t stride = isRow ? 1 : size;
    unsigned once = 0;
    unsigned twice = 0;
    for (size_t k = 0; k < size; ++k) {
        const unsigned candidates = present[first + k * stride];
        twice |= once & candidates;
        once |= candidates;
    }
    m_valuesOpenOnce[line] = once & ~twice;
}

void StepView::Take(const Board& board)
{
    // The memo of this board, or the one asked about less recently.
    if (m_memos[m_current].GetBoard() != &board) {
        m_current = 1 - m_current;
    }
    BoardStepMemo& memo = m_memos[m_current];
    memo.Take(board);
    size = memo.size;
    emptySquares = memo.emptySquares;
    present = memo.present.data();
    isEmpty = memo.isEmpty.data();
    cageEmpties = memo.cageEmpties.data();
    isTaken = true;
}

void StepView::Release()
{
    m_memos[m_current].Release();
    isTaken = false;
}

} // namespace Pemberquill
