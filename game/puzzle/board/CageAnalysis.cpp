#include "game/puzzle/board/Cage.h"

#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include <algorithm>

namespace Pemberquill {

namespace {

bool HasSolutions(int rule)
{
    return rule != CAGE_RULE_COMPARISONS && rule != CAGE_RULE_EVEN && rule != CAGE_RULE_ODD && rule != CAGE_RULE_NOOP;
}

} // namespace

const CageSolution* Cage::FirstOpenSolution(const Board& board) const
{
    // One bit scan over the marks; solutions past the tracked ones are
    // never marked.
    const BoardProgress* progress = board.GetProgress();
    const uint64_t eliminated = progress != nullptr ? progress->GetEliminatedSolutions(index) : 0;
    const size_t tracked = std::min<size_t>(solutions.size(), MAX_TRACKED_SOLUTIONS);
    const uint64_t trackedBits = tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u;
    const uint64_t open = ~eliminated & trackedBits;
    if (open != 0) {
        return &solutions[static_cast<size_t>(__builtin_ctzll(open))];
    }
    return tracked < solutions.size() ? &solutions[tracked] : nullptr;
}

bool Cage::IsLinear() const
{
    unsigned minX = 100;
    unsigned maxX = 0;
    unsigned minY = 100;
    unsigned maxY = 0;
    for (const Square* square : squares) {
        minX = std::min(minX, square->x);
        maxX = std::max(maxX, square->x);
        minY = std::min(minY, square->y);
        maxY = std::max(maxY, square->y);
    }
    return minX == maxX || minY == maxY;
}

int Cage::CountSquaresInCageColor(const Board& board) const
{
    // Without a colour of its own no square can wear the cage's colour;
    // unpainted squares must not count as painted in it.
    if (color == -1) {
        return 0;
    }
    return static_cast<int>(std::count_if(squares.begin(), squares.end(), [&](const Square* square) {
        return board.GetSquareColorIndex(*square) == color;
    }));
}

std::vector<Square*> Cage::GetPaintedSquares(const Board& board) const
{
    std::vector<Square*> painted;
    for (Square* square : squares) {
        if (board.GetSquareColorIndex(*square) != -1) {
            painted.push_back(square);
        }
    }
    return painted;
}

int Cage::GetMinSolutionLength() const
{
    if (!HasSolutions(rule)) {
        return 0;
    }
    int length = GetMaxCageSize(rule, static_cast<unsigned>(maxValue));
    for (const CageSolution& solution : solutions) {
        length = std::min(length, static_cast<int>(solution.values.size()));
    }
    return length;
}

int Cage::GetMaxSolutionLength() const
{
    if (!HasSolutions(rule)) {
        return 0;
    }
    int length = GetMinCageSize(rule, static_cast<unsigned>(maxValue));
    for (const CageSolution& solution : solutions) {
        length = std::max(length, static_cast<int>(solution.values.size()));
    }
    return length;
}

int Cage::GetReachableSize(const Board& board) const
{
    const int maxSize = GetMaxCageSize(rule, board.GetSize());
    if (rule == CAGE_RULE_EQUALS || rule == CAGE_RULE_SUBTRACTION || rule == CAGE_RULE_DIVISION) {
        return maxSize;
    }
    const int painted = CountSquaresInCageColor(board);
    if (painted >= maxSize) {
        return maxSize;
    }
    // One search for every start: it reports how far the cage can reach,
    // stopping once that is far enough.
    size_t grown = 0;
    return board.CanGrowCage(*this, static_cast<size_t>(maxSize - painted), grown) ? maxSize
                                                                                    : painted + static_cast<int>(grown);
}

int Cage::GetMaxSolutionSize(const Board& board) const
{
    if (!board.HasHiddenCages() || rule == CAGE_RULE_COMPARISONS) {
        return static_cast<int>(squares.size());
    }
    int size = std::min(GetReachableSize(board), GetMaxCageSize(rule, board.GetSize()));
    if (rule == CAGE_RULE_ADDITION || rule == CAGE_RULE_MULTIPLICATION || rule == CAGE_RULE_STRAIGHT) {
        size = std::min(size, GetMaxSolutionLength());
    }
    return size;
}

bool Cage::IsPaintComplete(const Board& board) const
{
    if (!board.HasHiddenCages()) {
        return true;
    }
    // The size test first: the largest solution size walks the board.
    const int painted = CountSquaresInCageColor(board);
    return painted == static_cast<int>(squares.size()) && painted == GetMaxSolutionSize(board);
}

} // namespace Pemberquill
