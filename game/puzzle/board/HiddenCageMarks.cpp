// The automatic solution marks of hidden cages: a solution stays open while
// some shape the cage could still take, given the paint so far, could hold it.
#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SolutionFit.h"

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

struct SolutionKey {
    const CageSolution* solution;
    ValueMask mask;
};

std::vector<SolutionKey> MakeSolutionKeys(const Cage& cage)
{
    std::vector<SolutionKey> keys;
    keys.reserve(cage.solutions.size());
    for (const CageSolution& solution : cage.solutions) {
        keys.push_back({&solution, GetSolutionValueMask(solution)});
    }
    return keys;
}

} // namespace

void Board::UpdateHiddenCageSolutions()
{
    const SquareSnapshot snapshot(*this);
    for (Cage& cage : m_cages) {
        const std::vector<SolutionKey> keys = MakeSolutionKeys(cage);
        const int paintedInCageColor = snapshot.CountInColor(cage);
        std::vector<bool> collected(keys.size(), false);
        size_t numCollected = 0;
        for (CageValueSet& shape : cage.valueSets) {
            shape.inUse = snapshot.IsShapeFeasible(cage, shape.values, paintedInCageColor);
            if (!shape.inUse || numCollected == keys.size()) {
                continue;
            }
            const SquareGroupValues group = snapshot.Summarize(shape.values);
            for (size_t i = 0; i < keys.size(); ++i) {
                if (!collected[i] && DoesSolutionFitGroup(*keys[i].solution, keys[i].mask, group, true)) {
                    collected[i] = true;
                    ++numCollected;
                }
            }
        }
        for (size_t i = 0; i < keys.size(); ++i) {
            m_progress->SetSolutionAutoBit(cage.index, static_cast<int>(i), !collected[i]);
        }
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
    for (size_t i = 0; i < solutions.size(); ++i) {
        if (DoesSolutionFitGroup(solutions[i], GetSolutionValueMask(solutions[i]), group, true)) {
            compatible.push_back(static_cast<int>(i));
        }
    }
    return compatible;
}

} // namespace Pemberquill
