#include "game/puzzle/solver/StepView.h"

#include "game/puzzle/board/BoardProgress.h"

#include <algorithm>

namespace Pemberquill {

bool StepView::CageKey::operator==(const CageKey& other) const
{
    return solutionsStamp != 0 && solutionsStamp == other.solutionsStamp && squares == other.squares &&
           numSquares == other.numSquares && numSolutions == other.numSolutions && index == other.index &&
           rule == other.rule && target == other.target && color == other.color;
}

StepView::CageKey StepView::KeyOf(const Cage& cage)
{
    CageKey key;
    key.solutionsStamp = cage.solutionsStamp;
    key.squares = cage.squares.data();
    key.numSquares = cage.squares.size();
    key.numSolutions = cage.solutions.size();
    key.index = cage.index;
    key.rule = cage.rule;
    key.target = cage.target;
    key.color = cage.color;
    return key;
}

void StepView::Take(const Board& board)
{
    ++m_step;
    if (!IsSameBoard(board)) {
        Restart(board);
    }
    ReadSquares(board);
    ReadCages(board);
    isTaken = true;
}

bool StepView::IsSameBoard(const Board& board) const
{
    const std::vector<Cage>& cages = board.GetCages();
    if (!m_isRead || m_board != &board || size != board.GetSize() || m_seed != board.GetSeed() ||
        m_hasHiddenCages != board.HasHiddenCages() || m_cageKeys.size() != cages.size()) {
        return false;
    }
    for (size_t position = 0; position < cages.size(); ++position) {
        if (!(m_cageKeys[position] == KeyOf(cages[position]))) {
            return false;
        }
    }
    return true;
}

void StepView::Restart(const Board& board)
{
    const std::vector<Cage>& cages = board.GetCages();
    m_board = &board;
    size = board.GetSize();
    m_seed = board.GetSeed();
    m_hasHiddenCages = board.HasHiddenCages();
    m_isRead = false;
    m_cageKeys.clear();
    m_squareCages.fill(NO_CAGE);
    m_cageLines.assign(cages.size(), -1);
    for (size_t position = 0; position < cages.size(); ++position) {
        const Cage& cage = cages[position];
        m_cageKeys.push_back(KeyOf(cage));
        for (const Square* square : cage.squares) {
            const size_t index = square->y * size + square->x;
            if (square->x < size && square->y < size) {
                int16_t& owner = m_squareCages[index];
                owner = owner == NO_CAGE ? static_cast<int16_t>(position) : SEVERAL_CAGES;
            }
        }
        if (!cage.squares.empty() && cage.IsInOneLine()) {
            const Square& first = *cage.squares[0];
            const bool isColumn = cage.squares.size() > 1 && cage.squares[1]->y != first.y;
            m_cageLines[position] = static_cast<int>(isColumn ? LineOfColumn(first.x) : LineOfRow(first.y));
        }
    }
    m_eliminated.assign(cages.size(), 0);
    cageEmpties.assign(cages.size(), 0);
    m_cageRevisions.assign(cages.size(), m_step);
    m_allCagesRevision = m_step;
    m_lineRevisions.fill(m_step);
    for (std::vector<uint64_t>& units : m_fruitless) {
        units.resize(std::max(cages.size(), m_lineRevisions.size()));
    }
    emptySquares = 0;
    isEmpty.fill(false);
    compared.fill(0);
}

void StepView::ReadSquares(const Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    const size_t numSquares = static_cast<size_t>(size) * size;
    const unsigned allCandidates = (1u << size) - 1u;
    // The board's squares are row-major, as the progress's are; a progress
    // of another size is read square by square, as the board reads it.
    const bool isByIndex = progress.GetSize() == size;
    const std::vector<Square>& squares = board.GetSquares();
    for (size_t index = 0; index < numSquares; ++index) {
        const unsigned value = isByIndex ? progress.GetValueAt(index) : progress.GetValue(squares[index]);
        const uint16_t eliminations =
            isByIndex ? progress.GetEliminationsAt(index) : progress.GetEliminations(squares[index]);
        const uint16_t candidates =
            value == 0 ? static_cast<uint16_t>(allCandidates & ~static_cast<unsigned>(eliminations)) : uint16_t{0};
        const int8_t color = !m_hasHiddenCages ? int8_t{-1}
                             : isByIndex       ? static_cast<int8_t>(progress.GetColorIndexAt(index))
                                               : static_cast<int8_t>(progress.GetColorIndex(squares[index]));
        if (m_isRead && value == m_values[index] && candidates == present[index] && color == m_colors[index]) {
            continue;
        }
        m_values[index] = static_cast<uint8_t>(value);
        m_colors[index] = color;
        present[index] = candidates;
        emptySquares += (value == 0 ? 1 : 0) - (isEmpty[index] ? 1 : 0);
        isEmpty[index] = value == 0;
        MarkSquareChanged(index);
    }
}

void StepView::MarkSquareChanged(size_t index)
{
    m_lineRevisions[LineOfRow(static_cast<unsigned>(index / size))] = m_step;
    m_lineRevisions[LineOfColumn(static_cast<unsigned>(index % size))] = m_step;
    const int16_t owner = m_squareCages[index];
    if (m_hasHiddenCages || owner == SEVERAL_CAGES) {
        m_allCagesRevision = m_step;
    } else if (owner != NO_CAGE) {
        m_cageRevisions[static_cast<size_t>(owner)] = m_step;
    }
}

void StepView::ReadCages(const Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    const std::vector<Cage>& cages = board.GetCages();
    for (size_t position = 0; position < cages.size(); ++position) {
        const uint64_t eliminated = progress.GetEliminatedSolutions(cages[position].index);
        if (eliminated != m_eliminated[position]) {
            m_eliminated[position] = eliminated;
            m_cageRevisions[position] = m_step;
            m_allCagesRevision = m_hasHiddenCages ? m_step : m_allCagesRevision;
        }
    }
    // Empties change only where squares did.
    for (size_t position = 0; position < cages.size(); ++position) {
        if (CageRevision(position) == m_step) {
            cageEmpties[position] = CountEmpties(cages[position]);
        }
    }
    m_isRead = true;
}

uint8_t StepView::CountEmpties(const Cage& cage) const
{
    unsigned empties = 0;
    for (const Square* square : cage.squares) {
        empties += isEmpty[square->y * size + square->x] ? 1u : 0u;
    }
    return static_cast<uint8_t>(std::min(empties, 0xFEu));
}

unsigned StepView::GetValuesOpenOnce(size_t line)
{
    if (m_valuesOpenOnceStep[line] >= m_lineRevisions[line]) {
        return m_valuesOpenOnce[line];
    }
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
    m_valuesOpenOnceStep[line] = m_step;
    return m_valuesOpenOnce[line];
}

} // namespace Pemberquill
