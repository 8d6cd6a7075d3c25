#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"
#include "game/puzzle/board/SquareMask.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace Pemberquill {

namespace {

// CanSquareJoinCage and CanSquareValueFitCage on a hidden-cage board whose
// progress has the board's size, read by row-major index.
inline bool CanJoinByIndex(const BoardProgress& progress, const Square& square, size_t index, const Cage& cage,
                           ValueMask remainingValues, unsigned allCandidates)
{
    if (progress.GetColorIndexAt(index) != -1 || !cage.IsAtOrAfterKeySquare(square.x, square.y)) {
        return false;
    }
    const unsigned value = progress.GetValueAt(index);
    const bool isOdd = value % 2 == 1;
    if (value != 0 && ((isOdd && cage.rule == CAGE_RULE_EVEN) || (!isOdd && cage.rule == CAGE_RULE_ODD))) {
        return false;
    }
    if (cage.solutions.empty()) {
        return true;
    }
    const ValueMask open = value != 0 ? ValueBit(static_cast<int>(value))
                                      : static_cast<ValueMask>((allCandidates & ~progress.GetEliminationsAt(index)) << 1);
    return (remainingValues & open) != 0;
}

// No square before the key square in reading order can join: the row-major
// index joins may start at.
size_t FirstJoinableIndex(const Cage& cage, unsigned boardSize)
{
    const Square* key = cage.GetKeySquare();
    return key != nullptr ? static_cast<size_t>(key->y) * boardSize + key->x : 0;
}

SquareMask ScanJoinableSquares(const Board& board, const Cage& cage, ValueMask remainingValues, bool byIndex)
{
    SquareMask joinable;
    const std::vector<Square>& squares = board.GetSquares();
    const unsigned allCandidates = (1u << board.GetSize()) - 1u;
    for (size_t index = FirstJoinableIndex(cage, board.GetSize()); index < squares.size(); ++index) {
        const bool canJoin =
            byIndex ? CanJoinByIndex(*board.GetProgress(), squares[index], index, cage, remainingValues, allCandidates)
                    : board.CanSquareJoinCage(cage, &squares[index], nullptr, remainingValues);
        if (canJoin) {
            joinable.Add(static_cast<int>(index));
        }
    }
    return joinable;
}

int IndexOfBit(ValueMask bit)
{
    return __builtin_ctz(bit);
}

// The position of cage in cages; -1 for a cage from elsewhere.
int PositionIn(const std::vector<Cage>& cages, const Cage& cage)
{
    const std::less<const Cage*> before;
    const bool isOwn = !before(&cage, cages.data()) && before(&cage, cages.data() + cages.size());
    return isOwn ? static_cast<int>(&cage - cages.data()) : -1;
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
    CollectCageCandidates(cage, candidates);
    return candidates;
}

void Board::CollectCageCandidates(const Cage& cage, std::vector<CageCandidate>& outCandidates) const
{
    outCandidates.clear();
    for (Square* square : cage.squares) {
        CageCandidate entry;
        entry.square = square;
        const unsigned value = GetSquareValue(*square);
        if (value != 0) {
            entry.value = static_cast<int>(value);
            entry.fixed = true;
            outCandidates.push_back(entry);
            continue;
        }
        // Only the candidates the progress keeps can be eliminated.
        const unsigned eliminated = m_progress != nullptr ? m_progress->GetEliminations(*square) &
                                                                ((1u << m_progress->GetSize()) - 1u)
                                                          : 0u;
        for (int c = 0; c < static_cast<int>(m_puzzleSize); ++c) {
            if (((eliminated >> c) & 1u) == 0) {
                entry.value = c + 1;
                outCandidates.push_back(entry);
            }
        }
    }
}

Board::CageValueMasks& Board::GetCageValueMasks(const Cage& cage) const
{
    const int ownPosition = PositionIn(m_cages, cage);
    const bool isOwn = ownPosition >= 0;
    const size_t position = isOwn ? static_cast<size_t>(ownPosition) : 0;
    if (isOwn && m_cageValueMasks.size() < m_cages.size()) {
        m_cageValueMasks.resize(m_cages.size());
    }
    CageValueMasks& masks = isOwn ? m_cageValueMasks[position] : m_scratchValueMasks;
    if (!isOwn || masks.stamp == 0 || masks.stamp != cage.solutionsStamp || masks.count != cage.solutions.size()) {
        masks.stamp = isOwn ? cage.solutionsStamp : 0;
        masks.count = cage.solutions.size();
        masks.solutions.clear();
        for (const CageSolution& solution : cage.solutions) {
            masks.solutions.push_back(GetSolutionValueMask(solution));
        }
        masks.hasRemaining = false;
    }
    return masks;
}

const std::vector<ValueMask>& Board::GetSolutionValueMasks(const Cage& cage) const
{
    return GetCageValueMasks(cage).solutions;
}

ValueMask Board::GetRemainingSolutionValues(const Cage& cage) const
{
    CageValueMasks& masks = GetCageValueMasks(cage);
    // Solutions past the tracked ones are never marked.
    const uint64_t eliminated = m_progress != nullptr ? m_progress->GetEliminatedSolutions(cage.index) : 0;
    if (!masks.hasRemaining || masks.eliminated != eliminated) {
        ValueMask usedValues = 0;
        for (size_t i = 0; i < masks.solutions.size(); ++i) {
            if (i >= static_cast<size_t>(MAX_TRACKED_SOLUTIONS) || ((eliminated >> i) & 1u) == 0) {
                usedValues |= masks.solutions[i];
            }
        }
        masks.hasRemaining = true;
        masks.eliminated = eliminated;
        masks.remaining = usedValues;
    }
    return masks.remaining;
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

SquareMask Board::FindJoinableSquares(const Cage& cage, ValueMask remainingValues) const
{
    const CageJoins* kept = KeepJoins(cage, remainingValues);
    return kept != nullptr ? kept->joinable : ScanJoinableSquares(*this, cage, remainingValues, CanReadJoinsByIndex());
}

bool Board::CanReadJoinsByIndex() const
{
    return m_progress != nullptr && m_progress->GetSize() == m_puzzleSize && HasHiddenCages();
}

bool Board::CanGrowCage(const Cage& cage, size_t needed, size_t& grown) const
{
    // A depth-first growth from each painted square stops at needed squares
    // or once it has taken every joinable square connected to the painted
    // ones, in whatever order it meets them: so the count is the smaller of
    // needed and the size of that connected part, which a fill one step at
    // a time finds without going further than needed.
    if (needed == 0) {
        grown = 0;
        return true;
    }
    const ValueMask remainingValues = HasHiddenCages() ? GetRemainingSolutionValues(cage) : 0;
    CageJoins* kept = KeepJoins(cage, remainingValues);
    CageJoins scratch;
    CageJoins& joins = kept != nullptr ? *kept : scratch;
    if (kept == nullptr) {
        joins.joinable = ScanJoinableSquares(*this, cage, remainingValues, CanReadJoinsByIndex());
    }
    if (!joins.hasGrowth) {
        SquareMask seeds;
        for (const Square* square : cage.squares) {
            if (GetSquareColorIndex(*square) == cage.color) {
                seeds.Add(static_cast<int>(square->y * m_puzzleSize + square->x));
            }
        }
        joins.growth = SpreadToNeighbours(seeds) & joins.joinable;
        joins.hasGrowth = true;
        joins.isGrowthComplete = false;
    }
    while (!joins.isGrowthComplete && static_cast<size_t>(joins.growth.Count()) < needed) {
        const SquareMask grown = joins.growth | (SpreadToNeighbours(joins.growth) & joins.joinable);
        joins.isGrowthComplete = grown == joins.growth;
        joins.growth = grown;
    }
    grown = std::min(needed, static_cast<size_t>(joins.growth.Count()));
    return grown == needed;
}

Board::CageJoins* Board::KeepJoins(const Cage& cage, ValueMask remainingValues) const
{
    const int position = PositionIn(m_cages, cage);
    if (position < 0 || !CanReadJoinsByIndex() || m_progress->GetSquaresRevision() == 0) {
        return nullptr;
    }
    if (m_cageJoins.size() < m_cages.size()) {
        m_cageJoins.resize(m_cages.size());
    }
    CageJoins& joins = m_cageJoins[static_cast<size_t>(position)];
    const uint64_t revision = m_progress->GetSquaresRevision();
    const bool isKept = joins.revision == revision && DoCagesMatchKeys(&cage, &joins.cage, 1) &&
                        joins.keySquare == cage.keySquare && joins.rule == cage.rule &&
                        joins.remainingValues == remainingValues;
    if (!isKept) {
        joins.revision = revision;
        joins.cage = CageKey::Of(cage);
        joins.keySquare = cage.keySquare;
        joins.rule = cage.rule;
        joins.remainingValues = remainingValues;
        joins.joinable = FindJoinableSquaresByMasks(cage, remainingValues);
        joins.hasGrowth = false;
    }
    return &joins;
}

const Board::JoinMasks& Board::ReadJoinMasks() const
{
    const uint64_t revision = m_progress->GetSquaresRevision();
    if (m_joinMasks.revision == revision && revision != 0) {
        return m_joinMasks;
    }
    // Each square read clears its own bits first.
    m_progress->ForEachSquareWrittenSince(m_joinMasks.revision, [&](size_t index) { ReadJoinMaskSquare(index); });
    m_joinMasks.revision = revision;
    return m_joinMasks;
}

void Board::ReadJoinMaskSquare(size_t index) const
{
    SquareMask square;
    square.Add(static_cast<int>(index));
    JoinMasks& masks = m_joinMasks;
    masks.painted = masks.painted.Without(square);
    masks.placedOdd = masks.placedOdd.Without(square);
    masks.placedEven = masks.placedEven.Without(square);
    for (SquareMask& open : masks.open) {
        open = open.Without(square);
    }
    if (m_progress->GetColorIndexAt(index) != -1) {
        masks.painted = masks.painted | square;
    }
    const unsigned value = m_progress->GetValueAt(index);
    if (value != 0) {
        SquareMask& placed = value % 2 == 1 ? masks.placedOdd : masks.placedEven;
        placed = placed | square;
        SquareMask& open = masks.open[static_cast<size_t>(IndexOfBit(ValueBit(static_cast<int>(value))))];
        open = open | square;
        return;
    }
    const unsigned allCandidates = (1u << m_puzzleSize) - 1u;
    for (ValueMask bits = static_cast<ValueMask>((allCandidates & ~m_progress->GetEliminationsAt(index)) << 1);
         bits != 0; bits &= bits - 1) {
        SquareMask& open = masks.open[static_cast<size_t>(IndexOfBit(bits))];
        open = open | square;
    }
}

SquareMask Board::FindJoinableSquaresByMasks(const Cage& cage, ValueMask remainingValues) const
{
    // As CanJoinByIndex, square by square.
    const JoinMasks& masks = ReadJoinMasks();
    const unsigned first = static_cast<unsigned>(FirstJoinableIndex(cage, m_puzzleSize));
    SquareMask joinable = SquareMask::FirstSquares(m_puzzleSize * m_puzzleSize)
                              .Without(SquareMask::FirstSquares(first))
                              .Without(masks.painted);
    if (cage.rule == CAGE_RULE_EVEN) {
        joinable = joinable.Without(masks.placedOdd);
    } else if (cage.rule == CAGE_RULE_ODD) {
        joinable = joinable.Without(masks.placedEven);
    }
    if (cage.solutions.empty()) {
        return joinable;
    }
    SquareMask fits;
    for (ValueMask bits = remainingValues; bits != 0; bits &= bits - 1) {
        fits = fits | masks.open[static_cast<size_t>(IndexOfBit(bits))];
    }
    return joinable & fits;
}

} // namespace Pemberquill
