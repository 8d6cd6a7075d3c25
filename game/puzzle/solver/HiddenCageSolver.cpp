#include "game/puzzle/solver/HiddenCageSolver.h"

#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/SquareMask.h"

#include <algorithm>
#include <array>
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

// How far a cage has been painted and how large it may still become, taken
// once per step: both walk the board.
struct CageRoom {
    int painted = 0;
    int maxSize = 0;
};

CageRoom MeasureCage(const Board& board, const Cage& cage)
{
    return {cage.CountSquaresInCageColor(board), cage.GetMaxSolutionSize(board)};
}

size_t IndexOf(const Board& board, const Square& square)
{
    return square.y * board.GetSize() + square.x;
}

bool IsChainEnd(const Cage& cage, const Square& square)
{
    // A painted square of the cage before its key square cannot be the one
    // a chain attaches to.
    return square.cageIndex == cage.index && cage.IsAtOrAfterKeySquare(square.x, square.y);
}

constexpr size_t MAX_SQUARES = MAX_BOARD_SIZE * MAX_BOARD_SIZE;
using ChainLengths = std::array<int, MAX_SQUARES>;

// For every square, by row-major index: the number of squares in the
// shortest chain of unpainted squares that may join the cage, leading from
// it to a square next to one of the cage's painted squares (see
// CanReachCage); 0 when there is no such chain, or when it is longer than
// maxLength: the cage could not grow that far.
//
// A chain that works can always be shortened to a shortest one, which never
// visits a square twice, so one breadth-first search back from the painted
// squares answers for every start what a depth-first walk over every
// square-avoiding chain from that start would, without that walk's
// exponential cost in large open regions (Even, Odd and NoOp cages may grow
// over most of a board).
ChainLengths MeasureChainsToCage(const Board& board, const Cage& cage, int maxLength)
{
    const int size = static_cast<int>(board.GetSize());
    const std::vector<Square>& squares = board.GetSquares();
    const SquareMask mayJoin = board.FindJoinableSquares(cage, board.GetRemainingSolutionValues(cage));
    const auto neighbourOf = [&](int index, int direction) {
        const Square& square = squares[static_cast<size_t>(index)];
        const IntVector2 offset = GetDirectionOffset(direction);
        const int x = static_cast<int>(square.x) + offset.x;
        const int y = static_cast<int>(square.y) + offset.y;
        return board.IsInside(x, y) ? y * size + x : -1;
    };

    ChainLengths chainLength{};
    // Breadth first: every square enters the queue once. Chains start next
    // to the painted squares they attach to; the order squares enter in
    // changes no length.
    std::array<int, MAX_SQUARES> open{};
    size_t head = 0;
    size_t tail = 0;
    for (size_t end = 0; end < squares.size(); ++end) {
        if (!IsChainEnd(cage, squares[end]) || !IsPainted(board, squares[end])) {
            continue;
        }
        for (int direction = 0; direction < NUM_DIRECTIONS; ++direction) {
            const int start = neighbourOf(static_cast<int>(end), direction);
            if (start >= 0 && mayJoin.Has(start) && chainLength[static_cast<size_t>(start)] == 0) {
                chainLength[static_cast<size_t>(start)] = 1;
                open[tail++] = start;
            }
        }
    }
    while (head < tail) {
        const int current = open[head++];
        // Breadth first, the rest of the queue is no shorter.
        if (chainLength[static_cast<size_t>(current)] >= maxLength) {
            break;
        }
        for (int direction = 0; direction < NUM_DIRECTIONS; ++direction) {
            // Squares that may join are unpainted, so no chain runs through
            // a painted square.
            const int next = neighbourOf(current, direction);
            if (next >= 0 && mayJoin.Has(next) && chainLength[static_cast<size_t>(next)] == 0) {
                chainLength[static_cast<size_t>(next)] = chainLength[static_cast<size_t>(current)] + 1;
                open[tail++] = next;
            }
        }
    }
    return chainLength;
}

bool IsWithinReach(int chainLength, const CageRoom& room)
{
    return chainLength != 0 && chainLength <= room.maxSize - room.painted;
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

bool HiddenCageSolver::CanReachCage(const Board& board, const Cage& cage, const Square& start)
{
    const CageRoom room = MeasureCage(board, cage);
    return IsWithinReach(MeasureChainsToCage(board, cage, room.maxSize - room.painted)[IndexOf(board, start)], room);
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
        cage.IntersectActiveShapes().ForEach([&](int index) {
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
    // Each cage is measured when a square first asks about it: the step
    // often ends before every cage has been asked.
    m_reach.resize(cages.size());
    for (CageReach& reach : m_reach) {
        reach.isMeasured = false;
    }
    const auto measure = [&](size_t i) -> const CageReach& {
        CageReach& reach = m_reach[i];
        if (!reach.isMeasured) {
            const Cage& cage = cages[i];
            reach.isMeasured = true;
            reach.hasChains = false;
            if (cage.color != -1) {
                reach.painted = CountPaintedInCageColor(board, cage);
                reach.maxSize = GetMaxSolutionSize(board, cage);
                reach.hasChains = reach.painted < reach.maxSize;
            }
            if (reach.hasChains) {
                reach.chains = MeasureChainsToCage(board, cage, reach.maxSize - reach.painted);
            }
        }
        return reach;
    };

    for (const Square& square : board.GetSquares()) {
        if (IsPainted(board, square)) {
            continue;
        }
        const Cage* onlyCage = nullptr;
        int numCages = 0;
        for (size_t i = 0; i < cages.size() && numCages < 2; ++i) {
            const Cage& cage = cages[i];
            // A Comparisons cage has no solutions to test a square against:
            // only its own squares may count it.
            if (cage.rule == CAGE_RULE_COMPARISONS && square.cageIndex != cage.index) {
                continue;
            }
            const CageReach& reach = measure(i);
            // Only squares that may join the cage have a chain to it.
            if (reach.hasChains &&
                IsWithinReach(reach.chains[IndexOf(board, square)], CageRoom{reach.painted, reach.maxSize})) {
                onlyCage = &cage;
                ++numCages;
            }
        }
        if (numCages == 1) {
            return PaintSquare(board, square, onlyCage->color, step);
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
        const ValueMask remainingValues = board.GetRemainingSolutionValues(cage);
        for (const Square* painted : cage.GetPaintedSquares(board)) {
            for (int direction = 0; direction < NUM_DIRECTIONS; ++direction) {
                const Square* neighbour = FindNeighbour(board, *painted, direction);
                if (board.CanSquareJoinCage(cage, neighbour, nullptr, remainingValues)) {
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
        for (const Square* painted : cage.GetPaintedSquares(board)) {
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
