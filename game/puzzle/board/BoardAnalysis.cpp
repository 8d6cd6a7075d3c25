#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"
#include "game/puzzle/board/SquareMask.h"

namespace Pemberquill {

namespace {

// The squares a cage-growing search has taken, as the caller's square set.
struct VisitedInSet {
    SquareSet& squares;

    bool Has(const Square& square) const { return squares.count(const_cast<Square*>(&square)) != 0; }
    void Add(const Square& square) { squares.insert(const_cast<Square*>(&square)); }
    size_t Size() const { return squares.size(); }
};

// The same as bits of row-major indices, for searches whose squares nobody
// keeps.
struct VisitedInMask {
    unsigned boardSize;
    SquareMask squares;
    size_t count = 0;

    bool Has(const Square& square) const { return squares.Has(static_cast<int>(square.y * boardSize + square.x)); }
    void Add(const Square& square)
    {
        squares.Add(static_cast<int>(square.y * boardSize + square.x));
        ++count;
    }
    size_t Size() const { return count; }
};

// Depth-first from square: adds joinable squares to visited until it holds
// needed squares (true) or nothing more can join (false).
template <typename Visited>
bool GrowCage(const Board& board, const Cage& cage, const Square& square, size_t needed, Visited& visited,
              ValueMask remainingValues)
{
    if (visited.Size() >= needed) {
        return true;
    }
    for (int direction = 0; direction < 4; ++direction) {
        const IntVector2 offset = GetDirectionOffset(direction);
        const int x = static_cast<int>(square.x) + offset.x;
        const int y = static_cast<int>(square.y) + offset.y;
        if (!board.IsInside(x, y)) {
            continue;
        }
        const Square& neighbour = board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y));
        if (visited.Has(neighbour) || !board.CanSquareJoinCage(cage, &neighbour, nullptr, remainingValues)) {
            continue;
        }
        visited.Add(neighbour);
        if (visited.Size() >= needed || GrowCage(board, cage, neighbour, needed, visited, remainingValues)) {
            return true;
        }
    }
    return false;
}

} // namespace

TeachableGameMechanics Board::GetTeachableGameMechanics() const
{
    TeachableGameMechanics mechanics;
    if (HasHiddenCages()) {
        mechanics.AddMechanic(MECHANIC_HIDDEN_CAGES);
    }
    unsigned rules = 0;
    for (const Cage& cage : m_cages) {
        // A cage without a rule yet (-1) teaches nothing.
        if (cage.rule > 0) {
            rules |= static_cast<unsigned>(cage.rule);
        }
    }
    mechanics.rules.SetFromMask(rules);
    return mechanics;
}

Cage* Board::FindCageWithRule(int rule)
{
    for (unsigned x = 0; x < m_puzzleSize; ++x) {
        for (unsigned y = m_puzzleSize; y-- > 0;) {
            Cage* cage = GetCage(GetSquare(x, y).cageIndex);
            if (cage != nullptr && cage->rule == rule) {
                return cage;
            }
        }
    }
    return nullptr;
}

std::vector<CageCandidate> Board::CollectCageCandidates(const Cage& cage) const
{
    std::vector<CageCandidate> candidates;
    for (Square* square : cage.squares) {
        const unsigned value = GetSquareValue(*square);
        if (value != 0) {
            CageCandidate entry;
            entry.value = static_cast<int>(value);
            entry.square = square;
            entry.fixed = true;
            candidates.push_back(entry);
            continue;
        }
        for (int c = 0; c < static_cast<int>(m_puzzleSize); ++c) {
            if (m_progress == nullptr || !m_progress->IsCandidateEliminated(*square, c)) {
                CageCandidate entry;
                entry.value = c + 1;
                entry.square = square;
                candidates.push_back(entry);
            }
        }
    }
    return candidates;
}

ValueMask Board::GetRemainingSolutionValues(const Cage& cage) const
{
    ValueMask usedValues = 0;
    for (size_t i = 0; i < cage.solutions.size(); ++i) {
        if (m_progress == nullptr || !m_progress->IsSolutionEliminated(cage.index, static_cast<int>(i))) {
            usedValues |= GetSolutionValueMask(cage.solutions[i]);
        }
    }
    return usedValues;
}

bool Board::CanSquareValueFitCage(const Cage& cage, const Square& square) const
{
    return HasHiddenCages() ? CanSquareValueFitCage(cage, square, GetRemainingSolutionValues(cage)) : true;
}

bool Board::CanSquareValueFitCage(const Cage& cage, const Square& square, ValueMask remainingValues) const
{
    if (!HasHiddenCages()) {
        return true;
    }
    const unsigned value = GetSquareValue(square);
    const bool isOdd = value % 2 == 1;
    if (value != 0 && ((isOdd && cage.rule == CAGE_RULE_EVEN) || (!isOdd && cage.rule == CAGE_RULE_ODD))) {
        return false;
    }
    if (cage.solutions.empty()) {
        return true;
    }
    if (value != 0) {
        return (remainingValues & ValueBit(static_cast<int>(value))) != 0;
    }
    ValueMask open = 0;
    if (m_progress != nullptr) {
        open = GetAvailableValueBits(*m_progress, square, m_puzzleSize);
    } else {
        for (unsigned v = 1; v <= m_puzzleSize; ++v) {
            open |= ValueBit(static_cast<int>(v));
        }
    }
    return (remainingValues & open) != 0;
}

bool Board::CanSquareJoinCage(const Cage& cage, const Square* square, const SquareSet* visited) const
{
    return CanSquareJoinCage(cage, square, visited, HasHiddenCages() ? GetRemainingSolutionValues(cage) : 0);
}

bool Board::CanSquareJoinCage(const Cage& cage, const Square* square, const SquareSet* visited,
                              ValueMask remainingValues) const
{
    if (square == nullptr || GetSquareColorIndex(*square) != -1 || !cage.IsAtOrAfterKeySquare(square->x, square->y)) {
        return false;
    }
    // The set holds the board's squares as the data model's square sets do;
    // the lookup changes nothing.
    if (visited != nullptr && visited->count(const_cast<Square*>(square)) != 0) {
        return false;
    }
    return CanSquareValueFitCage(cage, *square, remainingValues);
}

bool Board::CanGrowCage(const Cage& cage, const Square& square, size_t needed, SquareSet& visited) const
{
    VisitedInSet visit{visited};
    return GrowCage(*this, cage, square, needed, visit, HasHiddenCages() ? GetRemainingSolutionValues(cage) : 0);
}

size_t Board::CountCageGrowth(const Cage& cage, size_t needed) const
{
    VisitedInMask visit{m_puzzleSize, SquareMask(), 0};
    const ValueMask remainingValues = HasHiddenCages() ? GetRemainingSolutionValues(cage) : 0;
    for (const Square* square : cage.squares) {
        if (GetSquareColorIndex(*square) == cage.color && GrowCage(*this, cage, *square, needed, visit, remainingValues)) {
            break;
        }
    }
    return visit.count;
}

} // namespace Pemberquill
