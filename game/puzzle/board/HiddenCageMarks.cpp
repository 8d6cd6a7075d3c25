// The automatic solution marks of hidden cages: a solution stays open while
// some shape the cage could still take, given the paint so far, could hold it.
#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

#include <algorithm>
#include <vector>

namespace Pemberquill {

namespace {

// What the marks need of every square, read once from the progress: a
// hidden cage may list tens of thousands of shapes, each visited per edit.
class SquareSnapshot {
public:
    explicit SquareSnapshot(const Board& board) : m_size(board.GetSize())
    {
        const BoardProgress* progress = board.GetProgress();
        m_entries.reserve(board.GetSquares().size());
        for (const Square& square : board.GetSquares()) {
            Entry entry;
            entry.cageIndex = square.cageIndex;
            entry.x = square.x;
            entry.y = square.y;
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

    // IsShapeFeasible and Summarize in one walk over the shape; the group
    // is complete only when the shape is feasible.
    bool SummarizeIfFeasible(const Cage& cage, const SquareMask& shape, int paintedInCageColor,
                             SquareGroupValues& outGroup) const
    {
        const int count = CountSquares(shape);
        if (paintedInCageColor > count) {
            return false;
        }
        SquareGroupValues group;
        bool isFeasible = true;
        if (count != 0) {
            // The first square in row-major order, as the set's first.
            const Entry& first = m_entries[static_cast<size_t>(FirstIndex(shape))];
            shape.ForEach([&](int index) {
                const Entry& entry = m_entries[static_cast<size_t>(index)];
                isFeasible = isFeasible && (entry.color == -1 || entry.cageIndex == cage.index);
                group.placed |= entry.placed;
                group.available |= entry.available;
                group.inOneColumn = group.inOneColumn && entry.x == first.x;
                group.inOneRow = group.inOneRow && entry.y == first.y;
            });
        }
        group.count = count;
        if (isFeasible) {
            outGroup = group;
        }
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

    struct Entry {
        ValueMask placed = 0;
        ValueMask available = 0;
        int color = -1;
        int cageIndex = -1;
        unsigned x = 0;
        unsigned y = 0;
    };
    // By row-major index.
    const Entry& EntryAt(size_t index) const { return m_entries[index]; }
    size_t GetNumEntries() const { return m_entries.size(); }

private:

    static int CountSquares(const SquareMask& shape) { return shape.Count(); }
    static int FirstIndex(const SquareMask& shape)
    {
        return shape.low != 0 ? __builtin_ctzll(shape.low) : 64 + __builtin_ctzll(shape.high);
    }

    const Entry& At(const Square& square) const { return m_entries[square.y * m_size + square.x]; }

    unsigned m_size;
    std::vector<Entry> m_entries;
};

// Marks each shape the painting still allows as in use, and returns the
// solutions (bit i for solution i) that no such shape could hold.
uint64_t WeighShapes(Cage& cage, const SquareSnapshot& snapshot, const std::vector<ValueMask>& masks,
                     std::vector<bool>& collected)
{
    const int paintedInCageColor = snapshot.CountInColor(cage);
    collected.assign(masks.size(), false);
    size_t numCollected = 0;
    SquareGroupValues group;
    for (CageValueSet& shape : cage.valueSets) {
        if (numCollected == masks.size()) {
            shape.inUse = snapshot.IsShapeFeasible(cage, shape.mask, paintedInCageColor);
            continue;
        }
        shape.inUse = snapshot.SummarizeIfFeasible(cage, shape.mask, paintedInCageColor, group);
        if (!shape.inUse) {
            continue;
        }
        for (size_t i = 0; i < masks.size(); ++i) {
            if (!collected[i] && DoesSolutionFitGroup(cage.solutions[i], masks[i], group, true)) {
                collected[i] = true;
                ++numCollected;
            }
        }
    }
    uint64_t eliminated = 0;
    const size_t tracked = std::min<size_t>(masks.size(), MAX_TRACKED_SOLUTIONS);
    for (size_t i = 0; i < tracked; ++i) {
        eliminated |= collected[i] ? 0 : uint64_t{1} << i;
    }
    return eliminated;
}

} // namespace

void Board::UpdateHiddenCageSolutions(bool isInSync)
{
    const SquareSnapshot snapshot(*this);
    // The squares whose state an edit changed since the last update; a cage
    // that watches none of them keeps its marks and its shapes' use.
    SquareMask changed;
    for (size_t index = 0; index < snapshot.GetNumEntries(); ++index) {
        const auto& entry = snapshot.EntryAt(index);
        HiddenSquareState& kept = m_hiddenSquares[index];
        if (!m_hasHiddenSquares || kept.placed != entry.placed || kept.available != entry.available ||
            kept.color != entry.color || kept.cageIndex != entry.cageIndex) {
            kept = {entry.placed, entry.available, entry.color, entry.cageIndex};
            changed.Add(static_cast<int>(index));
        }
    }
    m_hasHiddenSquares = true;
    m_hiddenCages.resize(m_cages.size());
    std::vector<bool> collected;
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
            state.eliminated = WeighShapes(cage, snapshot, GetSolutionValueMasks(cage), collected);
        } else if (isInSync) {
            continue; // the progress still holds these marks
        }
        const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
        const uint64_t covered = tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u;
        m_progress->SetAutoEliminatedSolutions(cage.index, covered, state.eliminated);
    }
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
