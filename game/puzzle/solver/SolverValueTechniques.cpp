// Techniques that reason about squares and candidates: placing values,
// and removing candidates by the lines, the parity cages, the comparison
// cages and naked subsets.
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"

#include <array>
#include <vector>

namespace Pemberquill {

namespace {

constexpr int COMPARED_OFFSETS[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
constexpr unsigned GREATER_NEIGHBOURS = 0x0Fu;
constexpr unsigned SMALLER_SHIFT = 4;

// Bit k for offset k of COMPARED_OFFSETS: the neighbours of the square in
// its own cage whose answer is greater, in bits 0 to 3, and smaller, in bits
// 4 to 7.
uint8_t FindComparedNeighbours(const Board& board, const Square& square)
{
    unsigned bits = 0;
    for (int k = 0; k < 4; ++k) {
        const int x = static_cast<int>(square.x) + COMPARED_OFFSETS[k][0];
        const int y = static_cast<int>(square.y) + COMPARED_OFFSETS[k][1];
        if (!board.IsInside(x, y)) {
            continue;
        }
        const Square& neighbour = board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y));
        if (neighbour.cageIndex != square.cageIndex) {
            continue;
        }
        bits |= neighbour.solutionValue > square.solutionValue ? 1u << k : 0u;
        bits |= neighbour.solutionValue < square.solutionValue ? 1u << (k + SMALLER_SHIFT) : 0u;
    }
    return static_cast<uint8_t>(bits);
}

// Calls visit(x, y) for each neighbour of one side (bits 0 to 3 of
// FindComparedNeighbours' form), in offset order, until it returns true.
template <typename Visit>
bool AnyComparedNeighbour(const Square& square, unsigned sideBits, Visit&& visit)
{
    for (; sideBits != 0; sideBits &= sideBits - 1) {
        const int k = __builtin_ctz(sideBits);
        if (visit(square.x + COMPARED_OFFSETS[k][0], square.y + COMPARED_OFFSETS[k][1])) {
            return true;
        }
    }
    return false;
}

// The smallest value in the candidate bits; 0 when none.
int LowestCandidate(unsigned candidates)
{
    return candidates == 0 ? 0 : __builtin_ctz(candidates) + 1;
}

// The smallest value from 1 to limit in the candidate bits; 0 when none.
int LowestCandidateUpTo(uint16_t candidates, int limit)
{
    return LowestCandidate(candidates & ((1u << limit) - 1u));
}

// The largest value in the candidate bits; 0 when none.
int HighestCandidate(uint16_t candidates)
{
    return candidates == 0 ? 0 : 32 - __builtin_clz(candidates);
}

int CountCandidates(uint16_t candidates)
{
    // Bit arithmetic: the builtin becomes a library call on the baseline
    // instruction set, and this runs for every square of every scan.
    unsigned bits = candidates;
    bits = bits - ((bits >> 1) & 0x5555u);
    bits = (bits & 0x3333u) + ((bits >> 2) & 0x3333u);
    bits = (bits + (bits >> 4)) & 0x0F0Fu;
    return static_cast<int>((bits + (bits >> 8)) & 0x1Fu);
}

} // namespace

bool SimpleBoardSolver::StepBoardSolved(Board& board, StepResult&)
{
    return m_view.isTaken ? m_view.emptySquares == 0 : IsBoardSolved(board);
}

bool SimpleBoardSolver::StepSingleSquareCage(Board& board, StepResult& step)
{
    // Reads the rule, target and one square of the cage.
    return ScanCages(board, FRUITLESS_SINGLE_SQUARE_CAGE, [&](const Cage& cage) {
        return cage.rule == CAGE_RULE_EQUALS && cage.squares.size() == 1 && IsEmpty(board, *cage.squares[0]) &&
               PlaceValue(board, *cage.squares[0], cage.target, step);
    });
}

bool SimpleBoardSolver::StepOnlyCandidateLeft(Board& board, StepResult& step)
{
    const std::vector<Square>& squares = board.GetSquares();
    for (size_t index = m_view.NextSingleCandidate(0); index < squares.size();
         index = m_view.NextSingleCandidate(index + 1)) {
        const Square& square = squares[index];
        const uint16_t candidates = Present(board, square);
        const bool isSingle = candidates != 0 && (candidates & (candidates - 1u)) == 0;
        if (isSingle && PlaceValue(board, square, LowestCandidate(candidates), step)) {
            return true;
        }
    }
    return false;
}

bool SimpleBoardSolver::StepValueAlreadyPlaced(Board& board, StepResult& step)
{
    // With auto-elimination the board removes these candidates itself.
    if (GetBoardSettings().UseAutoElimination()) {
        return false;
    }
    const unsigned size = board.GetSize();
    for (const Square& placed : board.GetSquares()) {
        const int value = static_cast<int>(board.GetSquareValue(placed));
        if (value == 0) {
            continue;
        }
        for (unsigned k = 0; k < size; ++k) {
            const Square& inRow = board.GetSquare(k, placed.y);
            if (HasCandidate(board, inRow, value) && RemoveCandidate(board, inRow, value, step)) {
                step.move.rowIndex = static_cast<int>(placed.y);
                return true;
            }
            const Square& inColumn = board.GetSquare(placed.x, k);
            if (HasCandidate(board, inColumn, value) && RemoveCandidate(board, inColumn, value, step)) {
                step.move.columnIndex = static_cast<int>(placed.x);
                return true;
            }
        }
    }
    return false;
}

bool SimpleBoardSolver::RemoveParityCandidates(Board& board, int rule, bool removeOdd, StepResult& step)
{
    // Bit c stands for value c + 1: odd values sit at the even bits.
    const unsigned allCandidates = (1u << board.GetSize()) - 1u;
    const unsigned parityBits = allCandidates & (removeOdd ? 0x5555u : 0xAAAAu);
    // Reads the rule and squares of the cage (on hidden-cage boards, its
    // painted ones).
    const FruitlessSlot slot = removeOdd ? FRUITLESS_ODD_IN_EVEN_CAGE : FRUITLESS_EVEN_IN_ODD_CAGE;
    return ScanCages(board, slot, [&](const Cage& cage) {
        if (cage.rule != rule || IsFilled(board, cage)) {
            return false;
        }
        for (const Square* square : GetSquaresForElimination(board, cage, m_paintedScratch)) {
            // The candidates of the parity to remove, the lowest first.
            for (unsigned open = Present(board, *square) & parityBits; open != 0; open &= open - 1) {
                if (RemoveCandidate(board, *square, LowestCandidate(open), step)) {
                    return true;
                }
            }
        }
        return false;
    });
}

bool SimpleBoardSolver::StepOddInEvenCage(Board& board, StepResult& step)
{
    return RemoveParityCandidates(board, CAGE_RULE_EVEN, true, step);
}

bool SimpleBoardSolver::StepEvenInOddCage(Board& board, StepResult& step)
{
    return RemoveParityCandidates(board, CAGE_RULE_ODD, false, step);
}

const std::vector<uint8_t>& SimpleBoardSolver::GetComparedNeighbours(const Board& board, const Cage& cage,
                                                                     size_t position)
{
    if (position < m_comparedCages.size()) {
        const ComparedCage& kept = m_comparedCages[position];
        if (cage.solutionsStamp != 0 && kept.solutionsStamp == cage.solutionsStamp &&
            kept.squaresData == cage.squares.data() && kept.numSquares == cage.squares.size()) {
            return kept.bits;
        }
    }
    return WorkOutComparedNeighbours(board, cage, position);
}

const std::vector<uint8_t>& SimpleBoardSolver::WorkOutComparedNeighbours(const Board& board, const Cage& cage,
                                                                         size_t position)
{
    const bool isKeepable = cage.solutionsStamp != 0;
    if (isKeepable && m_comparedCages.size() <= position) {
        m_comparedCages.resize(board.GetCages().size());
    }
    ComparedCage& kept = isKeepable ? m_comparedCages[position] : m_scratchCompared;
    kept.solutionsStamp = cage.solutionsStamp;
    kept.squaresData = cage.squares.data();
    kept.numSquares = cage.squares.size();
    kept.bits.clear();
    for (const Square* square : cage.squares) {
        kept.bits.push_back(FindComparedNeighbours(board, *square));
    }
    return kept.bits;
}

template <typename Examine>
bool SimpleBoardSolver::ForEachOpenComparisonSquare(Board& board, FruitlessSlot slot, Examine&& examine)
{
    // Reads the cage's squares, their answers and compared neighbours (the
    // squares next to them in the same answer cage), and its paint measures.
    const Cage* const first = board.GetCages().data();
    return ScanCages(board, slot, [&](const Cage& cage) {
        const size_t position = static_cast<size_t>(&cage - first);
        if (cage.rule != CAGE_RULE_COMPARISONS || !IsPaintComplete(board, cage) || IsFilled(board, cage)) {
            return false;
        }
        const std::vector<uint8_t>& compared = GetComparedNeighbours(board, cage, position);
        for (size_t i = 0; i < cage.squares.size(); ++i) {
            if (examine(*cage.squares[i], compared[i])) {
                return true;
            }
        }
        return false;
    });
}

bool SimpleBoardSolver::StepLowerCageNoMax(Board& board, StepResult& step)
{
    const int maxValue = static_cast<int>(board.GetSize());
    return ForEachOpenComparisonSquare(board, FRUITLESS_LOWER_CAGE_NO_MAX, [&](const Square& square, unsigned compared) {
        return (compared & GREATER_NEIGHBOURS) != 0 && HasCandidate(board, square, maxValue) &&
               RemoveCandidate(board, square, maxValue, step);
    });
}

bool SimpleBoardSolver::StepHigherCageNoMin(Board& board, StepResult& step)
{
    return ForEachOpenComparisonSquare(board, FRUITLESS_HIGHER_CAGE_NO_MIN, [&](const Square& square, unsigned compared) {
        return (compared >> SMALLER_SHIFT) != 0 && HasCandidate(board, square, 1) &&
               RemoveCandidate(board, square, 1, step);
    });
}

bool SimpleBoardSolver::StepBelowLowestOfLowerCage(Board& board, StepResult& step)
{
    const int belowMax = static_cast<int>(board.GetSize()) - 1;
    return ForEachOpenComparisonSquare(board, FRUITLESS_BELOW_LOWEST_OF_LOWER_CAGE,
                                       [&](const Square& square, unsigned compared) {
        const unsigned smaller = compared >> SMALLER_SHIFT;
        if (smaller == 0 || !IsEmpty(board, square)) {
            return false;
        }
        // The square is HIGHER than these, so it must exceed their lowest
        // possible value.
        const int lowest = LowestCandidateUpTo(Present(board, square), belowMax);
        if (lowest == 0) {
            return false;
        }
        return AnyComparedNeighbour(square, smaller, [&](unsigned x, unsigned y) {
            int low = LowestCandidateUpTo(PresentAt(board, x, y), belowMax);
            if (low == 0) {
                low = static_cast<int>(board.GetSquareValue(x, y));
            }
            // The first neighbour that allows the removal decides, whether
            // the board takes it or not.
            return lowest <= low;
        }) && RemoveCandidate(board, square, lowest, step);
    });
}

bool SimpleBoardSolver::StepAboveHighestOfHigherCage(Board& board, StepResult& step)
{
    return ForEachOpenComparisonSquare(board, FRUITLESS_ABOVE_HIGHEST_OF_HIGHER_CAGE,
                                       [&](const Square& square, unsigned compared) {
        const unsigned greater = compared & GREATER_NEIGHBOURS;
        if (greater == 0 || !IsEmpty(board, square)) {
            return false;
        }
        // The square is LOWER than these, so it must stay below their
        // highest possible value.
        const int highest = HighestCandidate(Present(board, square));
        if (highest == 0) {
            return false;
        }
        return AnyComparedNeighbour(square, greater, [&](unsigned x, unsigned y) {
            int high = HighestCandidate(PresentAt(board, x, y));
            if (high == 0) {
                high = static_cast<int>(board.GetSquareValue(x, y));
            }
            return highest >= high;
        }) && RemoveCandidate(board, square, highest, step);
    });
}

bool SimpleBoardSolver::StepOnlyLocationForValue(Board& board, StepResult& step)
{
    const unsigned size = board.GetSize();
    // Per line, the values open in exactly one of its squares. The view
    // keeps each line's until the line changes.
    std::array<unsigned, 2 * MAX_BOARD_SIZE> found{};
    if (!m_view.isTaken) {
        FindValuesOpenOnce(size, [&](unsigned x, unsigned y) { return PresentAt(board, x, y); }, found);
    }
    const std::array<unsigned, 2 * MAX_BOARD_SIZE>& once = m_view.isTaken ? m_view.GetValuesOpenOnce() : found;
    unsigned anyOnce = 0;
    for (const unsigned values : once) {
        anyOnce |= values;
    }
    if (anyOnce == 0) {
        return false;
    }
    // The square of the line that has the value.
    const auto findLocation = [&](int value, unsigned line, bool isRow) -> const Square& {
        for (unsigned k = 0;; ++k) {
            const Square& square = isRow ? board.GetSquare(k, line) : board.GetSquare(line, k);
            if (k + 1 == size || HasCandidate(board, square, value)) {
                return square;
            }
        }
    };
    for (int value = 1; value <= static_cast<int>(size); ++value) {
        const unsigned bit = 1u << (value - 1);
        if ((anyOnce & bit) == 0) {
            continue;
        }
        for (unsigned line = 0; line < size; ++line) {
            if ((once[StepView::LineOfRow(line)] & bit) != 0 &&
                PlaceValue(board, findLocation(value, line, true), value, step)) {
                step.move.rowIndex = static_cast<int>(line);
                return true;
            }
            if ((once[StepView::LineOfColumn(line)] & bit) != 0 &&
                PlaceValue(board, findLocation(value, line, false), value, step)) {
                step.move.columnIndex = static_cast<int>(line);
                return true;
            }
        }
    }
    return false;
}

bool SimpleBoardSolver::StepCombinationElsewhere(Board& board, StepResult& step)
{
    const unsigned size = board.GetSize();
    std::array<uint16_t, MAX_BOARD_SIZE> candidates{};
    std::array<unsigned, MAX_BOARD_SIZE> counts{};
    unsigned countsSeen = 0; // bit k: some square of the line has k candidates
    const auto lineSquare = [&](unsigned line, bool isColumn, unsigned k) -> const Square& {
        return isColumn ? board.GetSquare(line, k) : board.GetSquare(k, line);
    };

    // k squares of a line that offer the same k candidates hold those values
    // between them, so the rest of the line cannot. Returns k once a
    // candidate is removed, 0 when the line gives nothing.
    const auto removeOutsideSubset = [&](unsigned line, bool isColumn) -> int {
        for (unsigned k = 2; k + 1 < size; ++k) {
            if ((countsSeen & (1u << k)) == 0) {
                continue;
            }
            for (unsigned a = 0; a < size; ++a) {
                if (counts[a] != k) {
                    continue;
                }
                unsigned inSubset = 1u << a; // bit k: square k of the line
                unsigned twins = 0;
                for (unsigned b = a + 1; b < size; ++b) {
                    if (candidates[b] == candidates[a]) {
                        inSubset |= 1u << b;
                        ++twins;
                    }
                }
                if (twins + 1 < k) {
                    continue;
                }
                for (unsigned c = 0; c < size; ++c) {
                    const uint16_t shared = candidates[a] & candidates[c];
                    if ((inSubset & (1u << c)) == 0 && shared != 0 &&
                        RemoveCandidate(board, lineSquare(line, isColumn, c), LowestCandidate(shared), step)) {
                        return static_cast<int>(k);
                    }
                }
            }
        }
        return 0;
    };

    for (unsigned i = 0; i < size; ++i) {
        for (const bool isColumn : {true, false}) {
            // What a line gives depends on its candidates alone (an open
            // candidate can always be removed).
            const size_t line = isColumn ? StepView::LineOfColumn(i) : StepView::LineOfRow(i);
            if (m_view.NextToScan(FRUITLESS_COMBINATION_ELSEWHERE, line) != line) {
                continue;
            }
            countsSeen = 0;
            for (unsigned k = 0; k < size; ++k) {
                candidates[k] = isColumn ? PresentAt(board, i, k) : PresentAt(board, k, i);
                counts[k] = static_cast<unsigned>(CountCandidates(candidates[k]));
                countsSeen |= 1u << counts[k];
            }
            if (const int subsetSize = removeOutsideSubset(i, isColumn)) {
                step.move.numCandidatesInvolved = subsetSize;
                (isColumn ? step.move.columnIndex : step.move.rowIndex) = static_cast<int>(i);
                return true;
            }
            m_view.MarkFruitless(FRUITLESS_COMBINATION_ELSEWHERE, line);
        }
    }
    return false;
}

} // namespace Pemberquill
