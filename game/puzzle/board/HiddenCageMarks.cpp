// The automatic solution marks of hidden cages: a solution stays open while
// some shape the cage could still take, given the paint so far, could hold it.
#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

#include <algorithm>
#include <vector>

namespace Pemberquill {

void Board::UpdateHiddenCageSolutions(bool isInSync)
{
    // The squares whose state an edit changed since the last update; a cage
    // that watches none of them keeps its marks and its shapes' use.
    SquareMask changed;
    ReadHiddenSquares(changed);
    m_hiddenCages.resize(m_cages.size());
    for (size_t position = 0; position < m_cages.size(); ++position) {
        Cage& cage = m_cages[position];
        HiddenCageState& state = m_hiddenCages[position];
        const bool isSameCage = state.isKept && cage.solutionsStamp != 0 && state.solutionsStamp == cage.solutionsStamp &&
                                state.numSolutions == cage.solutions.size() && state.index == cage.index &&
                                state.color == cage.color && state.shapesData == cage.valueSets.data() &&
                                state.numShapes == cage.valueSets.size() && state.squaresData == cage.squares.data() &&
                                state.numSquares == cage.squares.size();
        if (!isSameCage) {
            state = {true,
                     cage.solutionsStamp,
                     cage.solutions.size(),
                     cage.index,
                     cage.color,
                     cage.valueSets.data(),
                     cage.valueSets.size(),
                     cage.squares.data(),
                     cage.squares.size(),
                     WatchedSquares(cage),
                     0};
        }
        const bool isWeighed = !isSameCage || state.watched.Intersects(changed);
        if (isWeighed) {
            state.eliminated = WeighShapes(cage);
        } else if (isInSync) {
            continue; // the progress still holds these marks
        }
        const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
        const uint64_t covered = tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u;
        m_progress->SetAutoEliminatedSolutions(cage.index, covered, state.eliminated);
    }
}

void Board::ReadHiddenSquares(SquareMask& outChanged)
{
    const BoardProgress& progress = *m_progress;
    const bool isSameSize = progress.GetSize() == m_puzzleSize;
    // The progress's part was read at m_hiddenRevision: only the squares the
    // journal names since can differ there. The cage index belongs to the
    // board's squares and is compared everywhere.
    SquareMask written;
    SquareMask painted;
    const bool isJournaled = isSameSize && m_hasHiddenSquares && m_hiddenRevision != 0 &&
                             progress.CollectChangedSquares(m_hiddenRevision, written);
    for (size_t index = 0; index < m_squares.size(); ++index) {
        const Square& square = m_squares[index];
        HiddenSquareState& kept = m_hiddenSquares[index];
        if (isJournaled && !written.Has(static_cast<int>(index))) {
            if (kept.cageIndex != square.cageIndex) {
                kept.cageIndex = square.cageIndex;
                outChanged.Add(static_cast<int>(index));
            }
        } else {
            const HiddenSquareState state{GetPlacedValueBit(progress, square),
                                          GetAvailableValueBits(progress, square, m_puzzleSize),
                                          progress.GetColorIndex(square), square.cageIndex};
            if (!m_hasHiddenSquares || kept.placed != state.placed || kept.available != state.available ||
                kept.color != state.color || kept.cageIndex != state.cageIndex) {
                kept = state;
                outChanged.Add(static_cast<int>(index));
            }
        }
        if (kept.color != -1) {
            painted.Add(static_cast<int>(index));
        }
    }
    m_paintedSquares = painted;
    m_hiddenRevision = isSameSize ? progress.GetSquaresRevision() : 0;
    m_hasHiddenSquares = true;
}

uint64_t Board::WeighShapes(Cage& cage)
{
    // The cage's functions read the board's kept square states while it is
    // weighed; any other time they read the progress afresh.
    m_weighing = MakeShapeWeighing(cage, m_hiddenSquares.data(), m_paintedSquares);
    SolutionSet& collected = m_collectedSolutions;
    collected.Reset(cage.solutions.size());
    for (CageValueSet& shape : cage.valueSets) {
        shape.inUse = false;
        if (cage.IsShapeFeasible(*this, shape)) {
            cage.CollectCompatibleSolutions(*this, shape.mask, collected);
            shape.inUse = true;
        }
    }
    m_weighing = ShapeWeighing();
    uint64_t eliminated = 0;
    const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
    for (size_t i = 0; i < tracked; ++i) {
        eliminated |= collected.Has(i) ? 0 : uint64_t{1} << i;
    }
    return eliminated;
}

Board::ShapeWeighing Board::MakeShapeWeighing(const Cage& cage, const HiddenSquareState* squares,
                                              const SquareMask& painted) const
{
    ShapeWeighing weighing;
    weighing.cage = &cage;
    weighing.squares = squares;
    weighing.solutionMasks = &GetSolutionValueMasks(cage);
    painted.ForEach([&](int index) {
        if (squares[static_cast<size_t>(index)].cageIndex != cage.index) {
            weighing.blocked.Add(index);
        }
    });
    for (const Square* square : cage.squares) {
        weighing.paintedInCageColor += squares[square->y * m_puzzleSize + square->x].color == cage.color ? 1 : 0;
    }
    return weighing;
}

const Board::ShapeWeighing& Board::GetShapeWeighing(const Cage& cage) const
{
    if (m_weighing.cage == &cage) {
        return m_weighing;
    }
    SquareMask painted;
    m_freshSquares.resize(m_squares.size());
    for (size_t index = 0; index < m_squares.size(); ++index) {
        const Square& square = m_squares[index];
        HiddenSquareState& state = m_freshSquares[index];
        state = HiddenSquareState();
        state.cageIndex = square.cageIndex;
        if (m_progress != nullptr) {
            state.placed = GetPlacedValueBit(*m_progress, square);
            state.available = GetAvailableValueBits(*m_progress, square, m_puzzleSize);
            state.color = m_progress->GetColorIndex(square);
        }
        if (state.color != -1) {
            painted.Add(static_cast<int>(index));
        }
    }
    m_freshWeighing = MakeShapeWeighing(cage, m_freshSquares.data(), painted);
    return m_freshWeighing;
}

SquareMask Board::WatchedSquares(const Cage& cage) const
{
    SquareMask watched;
    for (const CageValueSet& shape : cage.valueSets) {
        watched.low |= shape.mask.low;
        watched.high |= shape.mask.high;
    }
    for (const Square* square : cage.squares) {
        watched.Add(static_cast<int>(square->y * m_puzzleSize + square->x));
    }
    return watched;
}

bool Cage::IsShapeFeasible(const Board& board, const CageValueSet& shape) const
{
    const Board::ShapeWeighing& weighing = board.GetShapeWeighing(*this);
    return !shape.mask.Intersects(weighing.blocked) &&
           (weighing.paintedInCageColor == 0 || weighing.paintedInCageColor <= shape.mask.Count());
}

void Cage::CollectCompatibleSolutions(const Board& board, const SquareMask& shape, SolutionSet& collected) const
{
    // Once every solution is in, no shape can add one.
    if (shape.IsEmpty() || collected.IsFull()) {
        return;
    }
    const Board::ShapeWeighing& weighing = board.GetShapeWeighing(*this);
    SquareGroupValues group;
    shape.ForEach([&](int index) {
        const Board::HiddenSquareState& square = weighing.squares[static_cast<size_t>(index)];
        group.placed |= square.placed;
        group.available |= square.available;
    });
    group.count = shape.Count();
    group.isLinear = board.IsInOneLine(shape);
    const std::vector<ValueMask>& masks = *weighing.solutionMasks;
    for (size_t i = 0; i < solutions.size(); ++i) {
        if (!collected.Has(i) && DoesSolutionFitGroup(solutions[i], masks[i], group, true)) {
            collected.Add(i);
        }
    }
}

} // namespace Pemberquill
