// Techniques that reason with each cage's list of solutions: declaring
// solutions invalid where the board contradicts them, and removing
// candidates or placing values that the remaining solutions force.
#include "game/puzzle/board/Board.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"

#include <algorithm>
#include <vector>

namespace Pemberquill {

namespace {

// The values 1 to 9 of a value mask (bit v for value v) as bits v - 1, the
// candidates' form; other values drop out.
uint16_t ToValueBits(ValueMask mask)
{
    return static_cast<uint16_t>((mask >> 1) & ((1u << MAX_BOARD_SIZE) - 1u));
}

bool ContainsValue(const std::vector<int>& values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Gives the values of a solution, one each, to distinct squares of the
// cage, exploring every assignment; every dependent that takes part in a
// complete one is marked validated. A square is taken while one of its
// dependents is used, so availability is kept per square, and the used
// dependents are kept on a stack for the line test.
//
// Whether the values from one position on can still be given out depends
// only on the squares already taken, unless the line test looks at which
// square took an equal value; so each (position, taken squares) state is
// explored once: a second visit would mark the same dependents again.
class AssignmentSearch {
public:
    AssignmentSearch(std::vector<CageCandidate>& dependents, const Cage& cage, bool keepDuplicatesOutOfLines)
        : m_dependents(dependents), m_keepDuplicatesOutOfLines(keepDuplicatesOutOfLines)
    {
        // Dependents name their square by address; the first listing of an
        // address stands for it.
        m_squareOf.reserve(dependents.size());
        for (const CageCandidate& dependent : dependents) {
            const auto listed = std::find(cage.squares.begin(), cage.squares.end(), dependent.square);
            m_squareOf.push_back(static_cast<size_t>(listed - cage.squares.begin()));
        }
        m_isSquareTaken.assign(cage.squares.size() + 1, 0);
        m_numSquares = cage.squares.size();
        // The dependents of each value, in list order: which dependents
        // take part in a complete assignment does not depend on the order
        // they are tried in, only on the values each position asks for.
        m_valueStart.assign(MAX_VALUE + 2, 0);
        for (const CageCandidate& dependent : dependents) {
            if (dependent.value >= 1 && dependent.value <= MAX_VALUE) {
                ++m_valueStart[static_cast<size_t>(dependent.value) + 1];
            }
        }
        for (size_t value = 1; value < m_valueStart.size(); ++value) {
            m_valueStart[value] += m_valueStart[value - 1];
        }
        m_byValue.assign(m_valueStart.back(), 0);
        std::vector<size_t> next(m_valueStart.begin(), m_valueStart.end() - 1);
        for (size_t i = 0; i < dependents.size(); ++i) {
            const int value = dependents[i].value;
            if (value >= 1 && value <= MAX_VALUE) {
                m_byValue[next[static_cast<size_t>(value)]++] = i;
            }
        }
    }

    // True when any assignment is complete.
    bool Run(const std::vector<int>& values)
    {
        m_values = &values;
        const bool hasEqualValues = std::any_of(values.begin(), values.end(), [&](int value) {
            return std::count(values.begin(), values.end(), value) > 1;
        });
        m_useMemo = m_numSquares <= MAX_MEMO_SQUARES && !(m_keepDuplicatesOutOfLines && hasEqualValues);
        if (m_useMemo) {
            m_memo.assign((values.size() + 1) << m_numSquares, UNKNOWN);
        }
        m_takenMask = 0;
        return Search(0);
    }

private:
    bool Search(size_t first)
    {
        const std::vector<int>& values = *m_values;
        if (first == values.size()) {
            return true;
        }
        const size_t state = (first << m_numSquares) | m_takenMask;
        if (m_useMemo && m_memo[state] != UNKNOWN) {
            return m_memo[state] == COMPLETES;
        }
        bool anyComplete = false;
        const int value = values[first];
        const size_t begin = value >= 1 && value <= MAX_VALUE ? m_valueStart[static_cast<size_t>(value)] : 0;
        const size_t end = value >= 1 && value <= MAX_VALUE ? m_valueStart[static_cast<size_t>(value) + 1] : 0;
        for (size_t k = begin; k < end; ++k) {
            const size_t i = m_byValue[k];
            CageCandidate& dependent = m_dependents[i];
            const size_t square = m_squareOf[i];
            if (m_isSquareTaken[square] != 0) {
                continue;
            }
            if (m_keepDuplicatesOutOfLines && HasUsedTwinInLine(dependent)) {
                continue;
            }
            m_isSquareTaken[square] = 1;
            m_takenMask ^= TakenBit(square);
            m_used.push_back(&dependent);
            if (Search(first + 1)) {
                dependent.validated = true;
                anyComplete = true;
            }
            m_used.pop_back();
            m_takenMask ^= TakenBit(square);
            m_isSquareTaken[square] = 0;
        }
        if (m_useMemo) {
            m_memo[state] = anyComplete ? COMPLETES : FAILS;
        }
        return anyComplete;
    }

    // Whether a dependent with the same value already used in this
    // assignment shares the candidate's column or row.
    bool HasUsedTwinInLine(const CageCandidate& candidate) const
    {
        return std::any_of(m_used.begin(), m_used.end(), [&](const CageCandidate* other) {
            return other->value == candidate.value &&
                   (other->square->x == candidate.square->x || other->square->y == candidate.square->y);
        });
    }

    static constexpr size_t MAX_MEMO_SQUARES = 12;
    static constexpr int MAX_VALUE = static_cast<int>(MAX_BOARD_SIZE);
    static constexpr uint8_t UNKNOWN = 0;
    static constexpr uint8_t FAILS = 1;
    static constexpr uint8_t COMPLETES = 2;

    size_t TakenBit(size_t square) const { return square < m_numSquares && m_useMemo ? size_t{1} << square : 0; }

    std::vector<CageCandidate>& m_dependents;
    bool m_keepDuplicatesOutOfLines;
    size_t m_numSquares = 0;
    bool m_useMemo = false;
    size_t m_takenMask = 0;            // the taken squares as bits, while memoizing
    std::vector<uint8_t> m_memo;       // per (position, taken squares)
    std::vector<size_t> m_squareOf;     // per dependent, its square's position in the cage
    std::vector<size_t> m_valueStart;   // per value, where its dependents start in m_byValue
    std::vector<size_t> m_byValue;      // dependent indices grouped by value
    std::vector<char> m_isSquareTaken;  // per square position
    std::vector<const CageCandidate*> m_used;
    const std::vector<int>* m_values = nullptr;
};

} // namespace

bool SimpleBoardSolver::StepLastValueOfOnlySolution(Board& board, StepResult& step)
{
    // Reads the cage's squares (values, open candidates), solution list and
    // eliminated solutions; on hidden-cage boards its paint measures.
    return ScanCages(board, FRUITLESS_LAST_VALUE_OF_ONLY_SOLUTION, [&](const Cage& cage) {
        const int viewEmpties = CountEmptyInView(board, cage);
        if ((viewEmpties >= 0 && viewEmpties != 1) || !PassesCageFilter(board, cage)) {
            return false;
        }
        const Square* emptySquare = nullptr;
        int empties = 0;
        for (const Square* square : cage.squares) {
            if (IsEmpty(board, *square)) {
                emptySquare = square;
                ++empties;
            }
        }
        if (empties != 1) {
            return false;
        }
        const int only = WalkRemainingSolutions(board, cage).GetOnly();
        if (only < 0) {
            return false;
        }
        // What the solution leaves once the placed values have taken theirs.
        std::vector<int> left = cage.solutions[static_cast<size_t>(only)].values;
        for (const Square* square : cage.squares) {
            const int value = static_cast<int>(board.GetSquareValue(*square));
            if (value == 0) {
                continue;
            }
            const auto found = std::find(left.begin(), left.end(), value);
            if (found == left.end()) {
                break;
            }
            left.erase(found);
        }
        if (left.size() == 1 && PlaceValue(board, *emptySquare, left[0], step)) {
            return true;
        }
        return false;
    });
}

bool SimpleBoardSolver::StepNoSolutionUsesCandidate(Board& board, StepResult& step)
{
    // Reads the cage's squares (on hidden-cage boards, its painted ones),
    // solution list and eliminated solutions.
    return ScanCages(board, FRUITLESS_NO_SOLUTION_USES_CANDIDATE, [&](const Cage& cage) {
        if (cage.solutions.empty()) {
            return false;
        }
        const std::vector<Square*>& squares = GetSquaresForElimination(board, cage, m_paintedScratch);
        // Only a value open in some square can be removed, so the walk over
        // the solutions ends once they use every open value. A filled cage
        // has none.
        unsigned open = 0;
        for (const Square* square : squares) {
            open |= Present(board, *square);
        }
        if (open != 0) {
            open &= ~static_cast<unsigned>(ToValueBits(board.GetRemainingSolutionValues(cage)));
        }
        for (; open != 0; open &= open - 1) {
            const int value = __builtin_ctz(open) + 1;
            for (const Square* square : squares) {
                if (HasCandidate(board, *square, value)) {
                    if (RemoveCandidate(board, *square, value, step)) {
                        return true;
                    }
                    break;
                }
            }
        }
        return false;
    });
}

bool SimpleBoardSolver::StepOnlySolutionLacksNumber(Board& board, StepResult& step)
{
    const int size = static_cast<int>(board.GetSize());
    // Reads the cage's squares (values, open candidates), solution list and
    // eliminated solutions; on hidden-cage boards its paint measures.
    return ScanCages(board, FRUITLESS_ONLY_SOLUTION_LACKS_NUMBER, [&](const Cage& cage) {
        if (!PassesCageFilter(board, cage)) {
            return false;
        }
        const int only = WalkRemainingSolutions(board, cage).GetOnly();
        if (only < 0) {
            return false;
        }
        std::vector<const Square*> filled;
        std::vector<const Square*> empty;
        for (const Square* square : cage.squares) {
            (IsEmpty(board, *square) ? empty : filled).push_back(square);
        }
        if (filled.empty() || empty.empty()) {
            return false;
        }
        // What the empty squares must take: the solution less the values
        // already placed. A placed value the solution lacks means the
        // solution cannot be the cage's, and it tells nothing.
        CageSolution needed = cage.solutions[static_cast<size_t>(only)];
        bool consistent = true;
        for (const Square* square : filled) {
            const int value = static_cast<int>(board.GetSquareValue(*square));
            consistent = needed.ContainsValue(value);
            if (!consistent) {
                break;
            }
            needed.RemoveValue(value);
        }
        if (!consistent) {
            return false;
        }
        for (const Square* square : empty) {
            for (int value = 1; value <= size; ++value) {
                if (!needed.ContainsValue(value) && HasCandidate(board, *square, value) &&
                    RemoveCandidate(board, *square, value, step)) {
                    return true;
                }
            }
        }
        return false;
    });
}

bool SimpleBoardSolver::StepUniqueOrderedSolution(Board& board, StepResult& step)
{
    // Reads the cage's squares (values, open candidates), solution list and
    // eliminated solutions; on hidden-cage boards its paint measures.
    return ScanCages(board, FRUITLESS_UNIQUE_ORDERED_SOLUTION, [&](const Cage& cage) {
        if (!PassesCageFilter(board, cage) || cage.squares.size() != 3 || cage.IsInOneLine()) {
            return false;
        }
        const int only = WalkRemainingSolutions(board, cage).GetOnly();
        if (only < 0) {
            return false;
        }
        // In an L the two squares off the corner share no line, so they
        // hold the repeated value and the corner the single one.
        const CageSolution& solution = cage.solutions[static_cast<size_t>(only)];
        if (!solution.hasRepeats) {
            return false;
        }
        const Square* corner = cage.FindCornerSquare();
        const auto firstEmpty = std::find_if(cage.squares.begin(), cage.squares.end(),
                                             [&](const Square* square) { return IsEmpty(board, *square); });
        const int value = *firstEmpty == corner ? solution.GetUnpairedValue() : solution.GetFirstRepeatedValue();
        if (PlaceValue(board, **firstEmpty, value, step)) {
            return true;
        }
        return false;
    });
}

bool SimpleBoardSolver::StepRemoveLinearDuplicateSolutions(Board& board, StepResult& step)
{
    // Reads the cage's squares (values, open candidates), solution list and
    // eliminated solutions; on hidden-cage boards its paint measures.
    return ScanCages(board, FRUITLESS_REMOVE_LINEAR_DUPLICATE_SOLUTIONS, [&](const Cage& cage) {
        if (!PassesCageFilter(board, cage) || cage.squares.size() != 3) {
            return false;
        }
        const bool anyFilled = std::any_of(cage.squares.begin(), cage.squares.end(),
                                           [&](const Square* square) { return !IsEmpty(board, *square); });
        if (!anyFilled) {
            return false;
        }
        for (int index : WalkRemainingSolutions(board, cage)) {
            const CageSolution& solution = cage.solutions[static_cast<size_t>(index)];
            if (!solution.hasRepeats) {
                continue;
            }
            const int repeated = solution.GetFirstRepeatedValue();
            const Square* anchor = nullptr;
            for (const Square* square : cage.squares) {
                if (!HasCandidate(board, *square, repeated)) {
                    continue;
                }
                if (anchor == nullptr) {
                    anchor = square;
                } else if (square->x == anchor->x || square->y == anchor->y) {
                    if (DeclareSolutionInvalid(board, cage, index, step)) {
                        return true;
                    }
                    break;
                }
            }
        }
        return false;
    });
}

bool SimpleBoardSolver::StepRemoveSolutionsByPlacedValues(Board& board, StepResult& step)
{
    // Reads the cage's squares (values, open candidates), solution list and
    // eliminated solutions; on hidden-cage boards its paint measures.
    return ScanCages(board, FRUITLESS_REMOVE_SOLUTIONS_BY_PLACED_VALUES, [&](const Cage& cage) {
        if (!PassesCageFilter(board, cage)) {
            return false;
        }
        // Bit v - 1 for every placed value v; a value no solution can hold
        // (outside 1 to 9) is missing from every solution.
        unsigned placed = 0;
        bool placedOutsideValues = false;
        for (const Square* square : cage.squares) {
            if (const unsigned value = board.GetSquareValue(*square)) {
                placed |= value <= MAX_BOARD_SIZE ? 1u << (value - 1) : 0u;
                placedOutsideValues = placedOutsideValues || value > MAX_BOARD_SIZE;
            }
        }
        if (placed == 0 && !placedOutsideValues) {
            return false;
        }
        const std::vector<ValueMask>& solutionValues = board.GetSolutionValueMasks(cage);
        for (int index : WalkRemainingSolutions(board, cage)) {
            const uint16_t values = ToValueBits(solutionValues[static_cast<size_t>(index)]);
            const bool lacksPlacedValue = placedOutsideValues || (placed & ~static_cast<unsigned>(values)) != 0;
            if (lacksPlacedValue && DeclareSolutionInvalid(board, cage, index, step)) {
                return true;
            }
        }
        return false;
    });
}

bool SimpleBoardSolver::StepRemoveSolutionsByRemovedCandidates(Board& board, StepResult& step)
{
    // Reads the cage's squares (values, open candidates), solution list and
    // eliminated solutions; on hidden-cage boards its paint measures.
    return ScanCages(board, FRUITLESS_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES, [&](const Cage& cage) {
        if (!PassesCageFilter(board, cage)) {
            return false;
        }
        unsigned available = 0;
        for (const Square* square : cage.squares) {
            const unsigned value = board.GetSquareValue(*square);
            available |= value != 0 ? 1u << (value - 1) : Present(board, *square);
        }
        const std::vector<ValueMask>& solutionValues = board.GetSolutionValueMasks(cage);
        for (int index : WalkRemainingSolutions(board, cage)) {
            const uint16_t needed = ToValueBits(solutionValues[static_cast<size_t>(index)]);
            if ((needed & ~available) != 0 && DeclareSolutionInvalid(board, cage, index, step)) {
                return true;
            }
        }
        return false;
    });
}

bool SimpleBoardSolver::StepRequiredByOtherCage(Board& board, StepResult& step)
{
    const unsigned size = board.GetSize();
    // Reads the cage's squares, solution list and eliminated solutions, and
    // the open candidates and cages of the other squares of its line.
    return ScanCages(board, FRUITLESS_REQUIRED_BY_OTHER_CAGE, [&](const Cage& cage) {
        if (!PassesCageFilter(board, cage) || !cage.IsInOneLine()) {
            return false;
        }
        const RemainingSolutions remaining = WalkRemainingSolutions(board, cage);
        if (remaining.IsEmpty()) {
            return false;
        }
        const int firstRemaining = *remaining.begin();
        const Square& first = *cage.squares[0];
        const bool isColumn = cage.squares.size() > 1 && cage.squares[1]->y != first.y;
        const unsigned line = isColumn ? first.x : first.y;
        for (int required : cage.solutions[static_cast<size_t>(firstRemaining)].values) {
            const bool inEverySolution = std::all_of(++remaining.begin(), remaining.end(), [&](int index) {
                return ContainsValue(cage.solutions[static_cast<size_t>(index)].values, required);
            });
            if (!inEverySolution) {
                continue;
            }
            for (unsigned k = 0; k < size; ++k) {
                const Square& square = isColumn ? board.GetSquare(line, k) : board.GetSquare(k, line);
                if (square.cageIndex != cage.index && HasCandidate(board, square, required) &&
                    RemoveCandidate(board, square, required, step)) {
                    return true;
                }
            }
        }
        return false;
    });
}

void SimpleBoardSolver::DescribeAssignmentInput(const Board& board, const Cage& cage, std::vector<int>& outKey) const
{
    outKey.clear();
    outKey.push_back(static_cast<int>(board.GetSize()));
    outKey.push_back(static_cast<int>(cage.squares.size()));
    for (const Square* square : cage.squares) {
        const unsigned value = board.GetSquareValue(*square);
        outKey.push_back(static_cast<int>(square->x));
        outKey.push_back(static_cast<int>(square->y));
        outKey.push_back(value != 0 ? -static_cast<int>(value) : Present(board, *square));
    }
    for (int index : WalkRemainingSolutions(board, cage)) {
        const std::vector<int>& values = cage.solutions[static_cast<size_t>(index)].values;
        outKey.push_back(static_cast<int>(values.size()));
        outKey.insert(outKey.end(), values.begin(), values.end());
    }
}

bool SimpleBoardSolver::RemoveUnassignableCandidate(Board& board, bool keepDuplicatesOutOfLines, StepResult& step)
{
    std::vector<std::vector<int>>& fruitless = m_fruitlessSearches[keepDuplicatesOutOfLines ? 1 : 0];
    const std::vector<Cage>& cages = board.GetCages();
    fruitless.resize(std::max(fruitless.size(), cages.size()));
    // Reads the cage's squares (their places, values and open candidates),
    // solution list and eliminated solutions: DescribeAssignmentInput.
    const FruitlessSlot slot = keepDuplicatesOutOfLines ? FRUITLESS_DUPLICATE_DEPENDENTS_LINEAR
                                                        : FRUITLESS_DEPENDENTS_NOT_VALIDATED;
    for (size_t i = m_view.NextToScan(slot, 0); i < cages.size(); i = m_view.NextToScan(slot, i + 1)) {
        const Cage& cage = cages[i];
        if (!PassesCageFilter(board, cage)) {
            m_view.MarkFruitless(slot, i);
            continue;
        }
        // The search is exhaustive and dear; its answer only changes with
        // its input.
        DescribeAssignmentInput(board, cage, m_searchInput);
        if (m_searchInput == fruitless[i]) {
            m_view.MarkFruitless(slot, i);
            continue;
        }
        std::vector<CageCandidate> dependents = board.CollectCageCandidates(cage);
        AssignmentSearch search(dependents, cage, keepDuplicatesOutOfLines);
        for (int index : WalkRemainingSolutions(board, cage)) {
            search.Run(cage.solutions[static_cast<size_t>(index)].values);
        }
        const auto unused = std::find_if(dependents.begin(), dependents.end(), [](const CageCandidate& dependent) {
            return !dependent.validated && !dependent.fixed;
        });
        if (unused == dependents.end()) {
            fruitless[i].swap(m_searchInput);
            m_view.MarkFruitless(slot, i);
            continue;
        }
        if (RemoveCandidate(board, *unused->square, unused->value, step)) {
            return true;
        }
        m_view.MarkFruitless(slot, i);
    }
    return false;
}

bool SimpleBoardSolver::StepDependentsNotValidated(Board& board, StepResult& step)
{
    return RemoveUnassignableCandidate(board, false, step);
}

bool SimpleBoardSolver::StepDuplicateDependentsLinear(Board& board, StepResult& step)
{
    return RemoveUnassignableCandidate(board, true, step);
}

} // namespace Pemberquill
