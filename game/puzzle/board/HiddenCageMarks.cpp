// The automatic solution marks of hidden cages: a solution stays open while
// some shape the cage could still take, given the paint so far, could hold it.
#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

#include <algorithm>
#include <vector>

namespace Pemberquill {

namespace {

// What a cage's questions about shapes need of every square, read once from
// the progress. The board's own marks keep theirs up to date instead
// (ReadHiddenSquares).
class SquareSnapshot {
public:
    explicit SquareSnapshot(const Board& board) : m_size(board.GetSize())
    {
        const BoardProgress* progress = board.GetProgress();
        m_entries.reserve(board.GetSquares().size());
        for (const Square& square : board.GetSquares()) {
            Entry entry;
            entry.cageIndex = square.cageIndex;
            if (progress != nullptr) {
                entry.placed = GetPlacedValueBit(*progress, square);
                entry.available = GetAvailableValueBits(*progress, square, m_size);
                entry.color = progress->GetColorIndex(square);
            }
            m_entries.push_back(entry);
        }
    }

    // Too many squares already carry the cage's colour for the shape, or the
    // shape takes in a painted square of another cage.
    bool IsShapeFeasible(const Cage& cage, const SquareMask& shape, int paintedInCageColor) const
    {
        if (paintedInCageColor > CountSquares(shape)) {
            return false;
        }
        bool isFeasible = true;
        shape.ForEach([&](int index) {
            const Entry& entry = m_entries[static_cast<size_t>(index)];
            isFeasible = isFeasible && (entry.color == -1 || entry.cageIndex == cage.index);
        });
        return isFeasible;
    }

    SquareGroupValues Summarize(const SquareSet& shape) const
    {
        SquareGroupValues group;
        for (const Square* square : shape) {
            const Entry& entry = At(*square);
            AddSquareToGroup(group, **shape.begin(), *square, entry.placed, entry.available);
        }
        return group;
    }

    int CountInColor(const Cage& cage) const
    {
        int count = 0;
        for (const Square* square : cage.squares) {
            count += At(*square).color == cage.color ? 1 : 0;
        }
        return count;
    }

private:
    struct Entry {
        ValueMask placed = 0;
        ValueMask available = 0;
        int color = -1;
        int cageIndex = -1;
    };

    static int CountSquares(const SquareMask& shape) { return shape.Count(); }

    const Entry& At(const Square& square) const { return m_entries[square.y * m_size + square.x]; }

    unsigned m_size;
    std::vector<Entry> m_entries;
};

} // namespace

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
            state.eliminated = WeighShapes(cage, GetSolutionValueMasks(cage));
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

uint64_t Board::WeighShapes(Cage& cage, const std::vector<ValueMask>& masks)
{
    // A shape is out when it takes in a painted square of another cage, or
    // when more squares already carry the cage's colour than it holds.
    SquareMask blocked;
    m_paintedSquares.ForEach([&](int index) {
        if (m_hiddenSquares[static_cast<size_t>(index)].cageIndex != cage.index) {
            blocked.Add(index);
        }
    });
    int paintedInCageColor = 0;
    for (const Square* square : cage.squares) {
        paintedInCageColor += m_hiddenSquares[square->y * m_puzzleSize + square->x].color == cage.color ? 1 : 0;
    }
    std::vector<uint8_t>& collected = m_collectedSolutions;
    collected.assign(masks.size(), 0);
    size_t numCollected = 0;
    for (CageValueSet& shape : cage.valueSets) {
        shape.inUse = !shape.mask.Intersects(blocked) &&
                      (paintedInCageColor == 0 || paintedInCageColor <= shape.mask.Count());
        if (!shape.inUse || numCollected == masks.size()) {
            continue;
        }
        const SquareGroupValues group = SummarizeShape(shape.mask, shape.mask.Count());
        for (size_t i = 0; i < masks.size(); ++i) {
            if (collected[i] == 0 && DoesSolutionFitGroup(cage.solutions[i], masks[i], group, true)) {
                collected[i] = 1;
                ++numCollected;
            }
        }
    }
    uint64_t eliminated = 0;
    const size_t tracked = std::min<size_t>(masks.size(), MAX_TRACKED_SOLUTIONS);
    for (size_t i = 0; i < tracked; ++i) {
        eliminated |= collected[i] != 0 ? 0 : uint64_t{1} << i;
    }
    return eliminated;
}

SquareGroupValues Board::SummarizeShape(const SquareMask& shape, int count) const
{
    SquareGroupValues group;
    group.count = count;
    if (count == 0) {
        return group;
    }
    shape.ForEach([&](int index) {
        const HiddenSquareState& square = m_hiddenSquares[static_cast<size_t>(index)];
        group.placed |= square.placed;
        group.available |= square.available;
    });
    // In one line with the first square in row-major order.
    const unsigned first = static_cast<unsigned>(shape.First());
    const SquareMask& row = m_rowSquares[first / m_puzzleSize];
    const SquareMask& column = m_columnSquares[first % m_puzzleSize];
    group.inOneRow = (shape.low & ~row.low) == 0 && (shape.high & ~row.high) == 0;
    group.inOneColumn = (shape.low & ~column.low) == 0 && (shape.high & ~column.high) == 0;
    return group;
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
    const SquareSnapshot snapshot(board);
    return snapshot.IsShapeFeasible(*this, shape.mask, snapshot.CountInColor(*this));
}

std::vector<int> Cage::CollectCompatibleSolutions(const Board& board, const SquareSet& shape) const
{
    std::vector<int> compatible;
    if (shape.empty()) {
        return compatible;
    }
    const SquareGroupValues group = SquareSnapshot(board).Summarize(shape);
    const std::vector<ValueMask>& masks = board.GetSolutionValueMasks(*this);
    for (size_t i = 0; i < solutions.size(); ++i) {
        if (DoesSolutionFitGroup(solutions[i], masks[i], group, true)) {
            compatible.push_back(static_cast<int>(i));
        }
    }
    return compatible;
}

} // namespace Pemberquill
