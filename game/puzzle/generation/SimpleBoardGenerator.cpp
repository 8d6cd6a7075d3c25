#include "game/puzzle/generation/SimpleBoardGenerator.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/IntVector2.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem.h"
#include "platform/crt/CrtRandom.h"
#include "platform/system/HighResolutionCounter.h"

#include <algorithm>

namespace Pemberquill {

// Every stored puzzle is rebuilt from its seed by replaying the draws below.
// Their order, their number and the arithmetic made on each result must stay
// exactly as they are, so each draw stands in a statement of its own.

namespace {

constexpr int VALUE_TRIES_PER_SQUARE = 20;
constexpr unsigned SEED_RANGE = 100000;

// After a square joins a cage, a roll of 0..100 at or below the threshold
// for the cage's new size ends its growth.
constexpr int STOP_ROLL_RANGE = 101;
constexpr int STOP_THRESHOLDS[] = {0, 10, 50, 80, 100};
constexpr int REDUCED_STOP_THRESHOLDS[] = {0, 10, 80, 100, 100};

int64_t CurrentTimeMilliseconds()
{
    if (UlvoCore* core = UlvoCore::GetGlobal()) {
        return core->GetTimeSystem().GetCurrentTimeMilliseconds();
    }
    return platform::QueryCounter() / (platform::QueryCounterFrequency() / 1000);
}

// --- Value fill ---

void ClearRow(Board& board, unsigned row, Board::AnswerFill& fill)
{
    for (unsigned column = 0; column < board.GetSize(); ++column) {
        fill.SetSolutionValue(column, row, 0);
    }
}

bool TryPlaceRandomValue(Board& board, unsigned column, unsigned row, Board::AnswerFill& fill)
{
    for (int attempt = 0; attempt < VALUE_TRIES_PER_SQUARE; ++attempt) {
        const int draw = platform::CrtRand();
        const unsigned value = static_cast<unsigned>(draw) % board.GetSize() + 1;
        if (board.CanPlaceSolutionValue(column, row, value)) {
            fill.SetSolutionValue(column, row, value);
            return true;
        }
    }
    return false;
}

// --- Cage layout ---

// The walk's own direction codes, which run the other way round from the
// board's direction offsets: 0 right, 1 down, 2 left, 3 up.
IntVector2 GetCageGrowthStep(int direction)
{
    switch (direction) {
    case 0: return IntVector2(1, 0);
    case 1: return IntVector2(0, 1);
    case 2: return IntVector2(-1, 0);
    default: return IntVector2(0, -1);
    }
}

void JoinCage(Cage& cage, Square& square)
{
    square.cageIndex = cage.index;
    cage.squares.push_back(&square);
}

bool ShouldStopGrowing(const Cage& cage, bool forceReducedCageSize)
{
    const int draw = platform::CrtRand();
    const int roll = draw % STOP_ROLL_RANGE;
    const int* thresholds = forceReducedCageSize ? REDUCED_STOP_THRESHOLDS : STOP_THRESHOLDS;
    return roll <= thresholds[cage.squares.size()];
}

// A random walk from the start square; it ends early when its last square is
// boxed in, even if earlier squares still have free neighbours.
void GrowRandomWalkCage(Board& board, unsigned startX, unsigned startY, bool forceReducedCageSize)
{
    Cage cage;
    cage.index = static_cast<int>(board.GetCages().size());
    // These three draws decide nothing, but every stored seed counts on them.
    platform::CrtRand();
    platform::CrtRand();
    platform::CrtRand();

    Square* last = &board.GetSquare(startX, startY);
    JoinCage(cage, *last);
    bool stopped = ShouldStopGrowing(cage, forceReducedCageSize);
    while (!stopped && board.HasUncagedNeighbour(last->x, last->y)) {
        const int draw = platform::CrtRand();
        const IntVector2 step = GetCageGrowthStep(draw % 4);
        const int x = static_cast<int>(last->x) + step.x;
        const int y = static_cast<int>(last->y) + step.y;
        if (!board.IsInside(x, y)) {
            continue;
        }
        Square& next = board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y));
        if (next.cageIndex != -1) {
            continue;
        }
        JoinCage(cage, next);
        last = &next;
        stopped = ShouldStopGrowing(cage, forceReducedCageSize);
    }
    board.GetCages().push_back(std::move(cage));
}

// Every square still without a cage, column by column; no draws.
void GrowWholeBoardCage(Board& board)
{
    Cage cage;
    cage.index = static_cast<int>(board.GetCages().size());
    for (unsigned x = 0; x < board.GetSize(); ++x) {
        for (unsigned y = 0; y < board.GetSize(); ++y) {
            Square& square = board.GetSquare(x, y);
            if (square.cageIndex == -1) {
                JoinCage(cage, square);
            }
        }
    }
    if (!cage.squares.empty()) {
        board.GetCages().push_back(std::move(cage));
    }
}

// --- Operations ---

void SortSquaresLargestValueFirst(Cage& cage)
{
    std::stable_sort(cage.squares.begin(), cage.squares.end(),
                     [](const Square* a, const Square* b) { return a->solutionValue > b->solutionValue; });
}

bool IsTargetlessRule(int rule)
{
    return rule == CAGE_RULE_COMPARISONS || rule == CAGE_RULE_EVEN || rule == CAGE_RULE_ODD ||
           rule == CAGE_RULE_NOOP;
}

// Moves the squares of cage `from` to the end of cage `into`, then fills the
// gap in the cage list with the last cage. Either cage may be the one that
// moves, so callers find their cages again through a square afterwards.
void MergeCages(Board& board, int into, int from)
{
    std::vector<Cage>& cages = board.GetCages();
    for (Square* square : cages[static_cast<size_t>(from)].squares) {
        square->cageIndex = into;
        cages[static_cast<size_t>(into)].squares.push_back(square);
    }
    const size_t gap = static_cast<size_t>(from);
    const size_t last = cages.size() - 1;
    if (gap != last) {
        cages[gap] = std::move(cages[last]);
        cages[gap].index = from;
        for (Square* square : cages[gap].squares) {
            square->cageIndex = from;
        }
    }
    cages.pop_back();
}

void MergeIfTargetless(Board& board, unsigned ax, unsigned ay, unsigned bx, unsigned by)
{
    const int a = board.GetSquare(ax, ay).cageIndex;
    const int b = board.GetSquare(bx, by).cageIndex;
    const int rule = board.GetCages()[static_cast<size_t>(a)].rule;
    if (a == b || rule != board.GetCages()[static_cast<size_t>(b)].rule || !IsTargetlessRule(rule)) {
        return;
    }
    MergeCages(board, a, b);
    board.GetCageFromSquare(ax, ay)->ComputeTargetFromSolution();
}

} // namespace

unsigned SimpleBoardGenerator::NewSeed()
{
    return static_cast<unsigned>(CurrentTimeMilliseconds() % SEED_RANGE);
}

unsigned SimpleBoardGenerator::NextRoundRobinIndex(const Board& board)
{
    const std::vector<unsigned>& choices = board.GetColorChoices();
    ULVO_ASSERT(m_roundRobinIndex < choices.size(),
                Stringf("Round-robin index %u is outside the board's %zu colour choices.", m_roundRobinIndex,
                        choices.size()),
                "SimpleBoardGenerator::NextRoundRobinIndex");
    const unsigned choice = choices[m_roundRobinIndex];
    m_roundRobinIndex = static_cast<unsigned>((m_roundRobinIndex + 1) % choices.size());
    return choice;
}

unsigned SimpleBoardGenerator::SetRoundRobinIndex(unsigned index)
{
    m_roundRobinIndex = index;
    return m_roundRobinIndex;
}

// Row by row, each square tries up to 20 random values; when none fits, the
// whole row starts again. A Latin rectangle can always be extended by a row,
// so the fill never gets stuck for good.
void SimpleBoardGenerator::FillSolutionValues(Board& board)
{
    if (!board.GetBoardTypeFlag(BOARD_TYPE_FLAG_FILL_VALUES)) {
        return;
    }
    Board::AnswerFill fill(board);
    for (unsigned row = 0; row < board.GetSize(); ++row) {
        unsigned column = 0;
        while (column < board.GetSize()) {
            if (TryPlaceRandomValue(board, column, row, fill)) {
                ++column;
            } else {
                ClearRow(board, row, fill);
                column = 0;
            }
        }
    }
}

bool SimpleBoardGenerator::Generate(Board& board, bool forceReducedCageSize)
{
    bool generated = false;
    if (board.GetBoardTypeFlag(BOARD_TYPE_FLAG_LAY_OUT_CAGES)) {
        LayOutCages(board, forceReducedCageSize);
        generated = true;
    }
    if (board.GetBoardTypeFlag(BOARD_TYPE_FLAG_ASSIGN_OPERATIONS)) {
        generated = AssignCageOperations(board);
    }
    if (generated) {
        AdjustNeighboringCageColors(board);
    }
    return generated;
}

int SimpleBoardGenerator::GetCageLayoutMode(const Board&) const
{
    return CAGE_LAYOUT_RANDOM_WALKS;
}

int SimpleBoardGenerator::GetCageOperatorCandidates(const Board&, const Cage& cage,
                                                    std::vector<int>& outCandidates) const
{
    const size_t size = cage.squares.size();
    int last = 0;
    const auto offer = [&](bool fits, int rule) {
        if (fits) {
            outCandidates.push_back(rule);
            last = rule;
        }
    };
    offer(size == 1, CAGE_RULE_EQUALS);
    offer(size >= 2 && size <= 4, CAGE_RULE_ADDITION);
    offer(size >= 2 && size <= 4, CAGE_RULE_MULTIPLICATION);
    offer(size == 2, CAGE_RULE_SUBTRACTION);
    offer(cage.CanUseDivision(), CAGE_RULE_DIVISION);
    return last;
}

bool SimpleBoardGenerator::AssignRequiredOperators(Board&)
{
    return true;
}

void SimpleBoardGenerator::LayOutCages(Board& board, bool forceReducedCageSize) const
{
    board.ClearCages();
    if (GetCageLayoutMode(board) == CAGE_LAYOUT_WHOLE_BOARD) {
        GrowWholeBoardCage(board);
        return;
    }
    board.GetCages().reserve(board.GetSquares().size());
    unsigned x = 0;
    unsigned y = 0;
    while (board.FindSquareWithoutCage(x, y)) {
        GrowRandomWalkCage(board, x, y, forceReducedCageSize);
    }
}

bool SimpleBoardGenerator::AssignCageOperations(Board& board)
{
    std::vector<int> candidates;
    for (Cage& cage : board.GetCages()) {
        SortSquaresLargestValueFirst(cage);
        candidates.clear();
        GetCageOperatorCandidates(board, cage, candidates);
        ULVO_ASSERT(!candidates.empty(), Stringf("Cage %d of %zu squares can take no rule.", cage.index,
                                                 cage.squares.size()),
                    "SimpleBoardGenerator::AssignCageOperations");
        const int draw = platform::CrtRand();
        const size_t choice = static_cast<size_t>(draw) % candidates.size();
        AssignCageOperationResult(cage, candidates[choice]);
    }
    if (!AssignRequiredOperators(board)) {
        return false;
    }
    MergeNeighbouringTargetlessCages(board);
    const bool hidden = board.HasHiddenCages();
    for (Cage& cage : board.GetCages()) {
        cage.GenerateSolutions(static_cast<int>(board.GetSize()), hidden);
        cage.FindTopLeftSquare();
    }
    return true;
}

void AssignCageOperationResult(Cage& cage, int operation)
{
    const auto value = [&cage, operation](size_t position) {
        ULVO_ASSERT(position < cage.squares.size(),
                    Stringf("Rule %d needs more than the cage's %zu squares.", operation, cage.squares.size()),
                    "AssignCageOperationResult");
        return static_cast<int>(cage.squares[position]->solutionValue);
    };
    cage.rule = operation;
    switch (operation) {
    case CAGE_RULE_EQUALS: cage.target = value(0); break;
    case CAGE_RULE_ADDITION:
        cage.target = 0;
        for (size_t i = 0; i < cage.squares.size(); ++i) {
            cage.target += value(i);
        }
        break;
    case CAGE_RULE_MULTIPLICATION:
        cage.target = 1;
        for (size_t i = 0; i < cage.squares.size(); ++i) {
            cage.target *= value(i);
        }
        break;
    case CAGE_RULE_SUBTRACTION: cage.target = value(0) - value(1); break;
    case CAGE_RULE_DIVISION: {
        const int divisor = value(1);
        ULVO_ASSERT(divisor != 0, "Division needs the cage's answer filled in.", "AssignCageOperationResult");
        cage.target = value(0) / divisor;
        break;
    }
    case CAGE_RULE_STRAIGHT:
    case CAGE_RULE_COMPARISONS:
    case CAGE_RULE_EVEN:
    case CAGE_RULE_ODD:
    case CAGE_RULE_NOOP: cage.target = 0; break;
    default: ULVO_ERROR("Unhandled operation type!", "AssignCageOperationResult");
    }
}

void MergeNeighbouringTargetlessCages(Board& board)
{
    // The last row's horizontal pairs and the last column's vertical pairs
    // are left alone: boards already built depend on which cages merge.
    const unsigned size = board.GetSize();
    for (unsigned y = 0; y + 1 < size; ++y) {
        for (unsigned x = 0; x + 1 < size; ++x) {
            MergeIfTargetless(board, x, y, x + 1, y);
            MergeIfTargetless(board, x, y, x, y + 1);
        }
    }
}

} // namespace Pemberquill
