#include "game/puzzle/solver/HiddenCageSolver.h"

#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/SquareMask.h"

#include <algorithm>
#include <vector>

namespace Pemberquill {

namespace {

constexpr int NUM_DIRECTIONS = 4;

// The square one step from square in a direction; null off the board.
const Square* FindNeighbour(const Board& board, const Square& square, int direction)
{
    const IntVector2 offset = GetDirectionOffset(direction);
    const int x = static_cast<int>(square.x) + offset.x;
    const int y = static_cast<int>(square.y) + offset.y;
    return board.IsInside(x, y) ? &board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)) : nullptr;
}

bool IsPainted(const Board& board, const Square& square)
{
    return board.GetSquareColorIndex(square) != -1;
}

int IndexOf(const Board& board, const Square& square)
{
    return static_cast<int>(square.y * board.GetSize() + square.x);
}

bool IsChainEnd(const Cage& cage, const Square& square)
{
    // A painted square of the cage before its key square cannot be the one
    // a chain attaches to.
    return square.cageIndex == cage.index && cage.IsAtOrAfterKeySquare(square.x, square.y);
}

// The cage's painted squares a chain may attach to, among painted: the
// painted squares, by row-major index, whose cageIndex is the cage's.
SquareMask FindChainEnds(const Board& board, const Cage& cage, const SquareMask& painted)
{
    const std::vector<Square>& squares = board.GetSquares();
    SquareMask ends;
    painted.ForEach([&](int index) {
        if (IsChainEnd(cage, squares[static_cast<size_t>(index)])) {
            ends.Add(index);
        }
    });
    return ends;
}

// The squares, by row-major index, with a chain of at most maxLength
// unpainted squares that may join the cage, leading from the square to one
// next to one of the chain ends (FindChainEnds: the cage's painted squares
// at or after its key square).
//
// A chain that works can always be shortened to a shortest one, which never
// visits a square twice, so a breadth-first search back from the painted
// squares, one chain length at a time, answers for every start what a
// depth-first walk over every square-avoiding chain from that start would,
// without that walk's exponential cost in large open regions (Even, Odd and
// NoOp cages may grow over most of a board).
SquareMask FindSquaresWithinReach(const Board& board, const Cage& cage, const SquareMask& ends, int maxLength)
{
    SquareMask within;
    if (maxLength < 1) {
        return within;
    }
    // Squares that may join are unpainted, so no chain runs through a
    // painted square.
    const SquareMask mayJoin = board.FindJoinableSquares(cage, board.GetRemainingSolutionValues(cage));
    SquareMask chainsOfLength = board.SpreadToNeighbours(ends) & mayJoin;
    within = chainsOfLength;
    for (int length = 2; length <= maxLength && !chainsOfLength.IsEmpty(); ++length) {
        chainsOfLength = (board.SpreadToNeighbours(chainsOfLength) & mayJoin).Without(within);
        within = within | chainsOfLength;
    }
    return within;
}

} // namespace

StepResult HiddenCageSolver::FindNextStep(Board& board, bool describeOnly)
{
    static const SolverTechnique<HiddenCageSolver> PAINTING_TECHNIQUES[] = {
        {STEP_ID_ONLY_SQUARE_AVAILABLE, &HiddenCageSolver::StepOnlySquareAvailable},
        {STEP_ID_ONLY_LEGAL_CAGE, &HiddenCageSolver::StepOnlyLegalCage},
        {STEP_ID_SMALLEST_SOLUTIONS_INVALID, &HiddenCageSolver::StepSmallestSolutionsInvalid},
        {STEP_ID_ADJACENT_TO_COMPARISON_CAGE, &HiddenCageSolver::StepAdjacentToComparisonCage},
    };

    BeginStep(board, describeOnly);
    const StepMeasureScope measures(*this);
    StepResult step;
    if (IsBoardSolved(board)) {
        step.stepId = STEP_ID_BOARD_SOLVED;
    } else if (!ApplyFirstTechnique(*this, PAINTING_TECHNIQUES, board, step)) {
        return SimpleBoardSolver::FindNextStep(board, describeOnly);
    }
    step.complexity = GetStepComplexity(step.stepId);
    return step;
}

bool HiddenCageSolver::IsOpenForPainting(const Board& board, const Cage& cage)
{
    return cage.color != -1 && !IsPaintComplete(board, cage);
}

bool HiddenCageSolver::StepOnlySquareAvailable(Board& board, StepResult& step)
{
    for (const Cage& cage : board.GetCages()) {
        if (!IsOpenForPainting(board, cage)) {
            continue;
        }
        // Bit by bit in row-major order, as the set of those squares goes.
        const std::vector<Square>& squares = board.GetSquares();
        const Square* unpainted = nullptr;
        cage.IntersectActiveValueSets().ForEach([&](int index) {
            const Square& square = squares[static_cast<size_t>(index)];
            if (unpainted == nullptr && !IsPainted(board, square)) {
                unpainted = &square;
            }
        });
        if (unpainted != nullptr) {
            return PaintSquare(board, *unpainted, cage.color, step);
        }
    }
    return false;
}

bool HiddenCageSolver::StepOnlyLegalCage(Board& board, StepResult& step)
{
    const std::vector<Cage>& cages = board.GetCages();
    const std::vector<Square>& squares = board.GetSquares();
    // The painted squares by the cage index they carry, read once for the
    // chain ends of every cage.
    m_paintedByCage.assign(cages.size(), SquareMask());
    SquareMask painted;
    for (const Square& square : squares) {
        if (IsPainted(board, square)) {
            painted.Add(IndexOf(board, square));
            if (square.cageIndex >= 0 && static_cast<size_t>(square.cageIndex) < cages.size()) {
                m_paintedByCage[static_cast<size_t>(square.cageIndex)].Add(IndexOf(board, square));
            }
        }
    }
    // What each cage reaches does not depend on the order cages are asked
    // in, so every cage is measured and the squares reached by exactly one
    // of them come out of two masks. Reaches hold unpainted squares only.
    m_reach.assign(cages.size(), SquareMask());
    SquareMask reachedOnce;
    SquareMask reachedTwice;
    for (size_t i = 0; i < cages.size(); ++i) {
        const Cage& cage = cages[i];
        if (cage.color == -1) {
            continue;
        }
        const int room = GetMaxSolutionSize(board, cage) - CountPaintedInCageColor(board, cage);
        const bool isOwnIndex = cage.index >= 0 && static_cast<size_t>(cage.index) < cages.size();
        const SquareMask ends =
            FindChainEnds(board, cage, isOwnIndex ? m_paintedByCage[static_cast<size_t>(cage.index)] : painted);
        SquareMask reach = FindSquaresWithinReach(board, cage, ends, room);
        // A Comparisons cage has no solutions to test a square against:
        // only its own squares may count it.
        if (cage.rule == CAGE_RULE_COMPARISONS) {
            SquareMask own;
            reach.ForEach([&](int index) {
                if (squares[static_cast<size_t>(index)].cageIndex == cage.index) {
                    own.Add(index);
                }
            });
            reach = own;
        }
        m_reach[i] = reach;
        reachedTwice = reachedTwice | (reachedOnce & reach);
        reachedOnce = reachedOnce | reach;
    }
    const SquareMask reachedByOne = reachedOnce.Without(reachedTwice);
    if (reachedByOne.IsEmpty()) {
        return false;
    }
    // The first such square in row-major order, as the squares go.
    const int first = reachedByOne.First();
    for (size_t i = 0; i < cages.size(); ++i) {
        if (m_reach[i].Has(first)) {
            return PaintSquare(board, squares[static_cast<size_t>(first)], cages[i].color, step);
        }
    }
    return false;
}

bool HiddenCageSolver::StepSmallestSolutionsInvalid(Board& board, StepResult& step)
{
    for (const Cage& cage : board.GetCages()) {
        if (cage.solutions.empty() || !IsOpenForPainting(board, cage)) {
            continue;
        }
        size_t fewestValues = 100;
        for (int index : WalkRemainingSolutions(board, cage)) {
            fewestValues = std::min(fewestValues, cage.solutions[static_cast<size_t>(index)].values.size());
        }
        if (static_cast<size_t>(CountPaintedInCageColor(board, cage)) >= fewestValues) {
            continue;
        }
        // A square next to two painted squares of the cage counts twice, so
        // it does not pass for the only way to grow.
        const Square* growInto = nullptr;
        int numWays = 0;
        const SquareMask joinable = board.FindJoinableSquares(cage, board.GetRemainingSolutionValues(cage));
        for (const Square* painted : cage.squares) {
            if (!IsPainted(board, *painted)) {
                continue;
            }
            for (int direction = 0; direction < NUM_DIRECTIONS; ++direction) {
                const Square* neighbour = FindNeighbour(board, *painted, direction);
                if (neighbour != nullptr && joinable.Has(IndexOf(board, *neighbour))) {
                    growInto = neighbour;
                    ++numWays;
                }
            }
        }
        if (numWays == 1) {
            return PaintSquare(board, *growInto, cage.color, step);
        }
    }
    return false;
}

bool HiddenCageSolver::StepAdjacentToComparisonCage(Board& board, StepResult& step)
{
    for (const Cage& cage : board.GetCages()) {
        if (cage.rule != CAGE_RULE_COMPARISONS || !IsOpenForPainting(board, cage)) {
            continue;
        }
        for (const Square* painted : cage.squares) {
            if (!IsPainted(board, *painted)) {
                continue;
            }
            for (int direction = 0; direction < NUM_DIRECTIONS; ++direction) {
                const Square* neighbour = FindNeighbour(board, *painted, direction);
                if (neighbour != nullptr && !IsPainted(board, *neighbour) && neighbour->cageIndex == cage.index) {
                    return PaintSquare(board, *neighbour, cage.color, step);
                }
            }
        }
    }
    return false;
}

} // namespace Pemberquill
