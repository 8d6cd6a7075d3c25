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
    bool IsShapeFeasible(const Cage& cage, const SquareSet& shape, int paintedInCageColor) const
    {
        if (paintedInCageColor > static_cast<int>(shape.size())) {
            return false;
        }
        for (const Square* square : shape) {
            if (At(*square).color != -1 && square->cageIndex != cage.index) {
                return false;
            }
        }
        return true;
    }

    // IsShapeFeasible and Summarize in one walk over the shape; the group
    // is complete only when the shape is feasible.
    bool SummarizeIfFeasible(const Cage& cage, const SquareSet& shape, int paintedInCageColor,
                             SquareGroupValues& outGroup) const
    {
        if (paintedInCageColor > static_cast<int>(shape.size())) {
            return false;
        }
        outGroup = SquareGroupValues();
        for (const Square* square : shape) {
            const Entry& entry = At(*square);
            if (entry.color != -1 && square->cageIndex != cage.index) {
                return false;
            }
            AddSquareToGroup(outGroup, **shape.begin(), *square, entry.placed, entry.available);
        }
        return true;
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
    };

    const Entry& At(const Square& square) const { return m_entries[square.y * m_size + square.x]; }

    unsigned m_size;
    std::vector<Entry> m_entries;
};

} // namespace

void Board::UpdateHiddenCageSolutions()
{
    const SquareSnapshot snapshot(*this);
    std::vector<bool> collected;
    for (Cage& cage : m_cages) {
        const std::vector<ValueMask>& masks = GetSolutionValueMasks(cage);
        const int paintedInCageColor = snapshot.CountInColor(cage);
        collected.assign(masks.size(), false);
        size_t numCollected = 0;
        SquareGroupValues group;
        for (CageValueSet& shape : cage.valueSets) {
            if (numCollected == masks.size()) {
                shape.inUse = snapshot.IsShapeFeasible(cage, shape.values, paintedInCageColor);
                continue;
            }
            shape.inUse = snapshot.SummarizeIfFeasible(cage, shape.values, paintedInCageColor, group);
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
        const uint64_t covered = tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u;
        m_progress->SetAutoEliminatedSolutions(cage.index, covered, eliminated);
    }
}

bool Cage::IsShapeFeasible(const Board& board, const CageValueSet& shape) const
{
    const SquareSnapshot snapshot(board);
    return snapshot.IsShapeFeasible(*this, shape.values, snapshot.CountInColor(*this));
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
