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
        std::vector<int>& left = m_valuesLeft;
        left = cage.solutions[static_cast<size_t>(only)].values;
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
        const size_t empties = static_cast<size_t>(std::count_if(
            cage.squares.begin(), cage.squares.end(), [&](const Square* square) { return IsEmpty(board, *square); }));
        if (empties == 0 || empties == cage.squares.size()) {
            return false;
        }
        // What the empty squares must take: the solution less the values
        // already placed. A placed value the solution lacks means the
        // solution cannot be the cage's, and it tells nothing.
        CageSolution& needed = m_solutionLeft;
        needed = cage.solutions[static_cast<size_t>(only)];
        for (const Square* square : cage.squares) {
            if (IsEmpty(board, *square)) {
                continue;
            }
            const int value = static_cast<int>(board.GetSquareValue(*square));
            if (!needed.ContainsValue(value)) {
                return false;
            }
            needed.RemoveValue(value);
        }
        for (const Square* square : cage.squares) {
            if (!IsEmpty(board, *square)) {
                continue;
            }
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
                    // The hint names the line the two cages share.
                    (isColumn ? step.move.columnIndex : step.move.rowIndex) = static_cast<int>(line);
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
    // Each square's place, and its value (flagged) or its open candidates.
    constexpr int PLACED_FLAG = 0x8000;
    for (const Square* square : cage.squares) {
        const unsigned value = board.GetSquareValue(*square);
        const int state = value != 0 ? PLACED_FLAG | static_cast<int>(value) : Present(board, *square);
        outKey.push_back(static_cast<int>(square->x << 24 | square->y << 16) | state);
    }
    // A stamped list stands for its values, so the remaining solutions are
    // told by the stamp and the marks; a list without a stamp is described
    // by the values themselves, each solution after its length (never -1).
    if (cage.solutionsStamp != 0) {
        const uint64_t eliminated = board.GetProgress()->GetEliminatedSolutions(cage.index);
        outKey.push_back(-1);
        outKey.push_back(static_cast<int>(cage.solutionsStamp));
        outKey.push_back(static_cast<int>(cage.solutions.size()));
        outKey.push_back(static_cast<int>(eliminated & 0xFFFFFFFFu));
        outKey.push_back(static_cast<int>(eliminated >> 32));
        return;
    }
    for (int index : WalkRemainingSolutions(board, cage)) {
        const std::vector<int>& values = cage.solutions[static_cast<size_t>(index)].values;
        outKey.push_back(static_cast<int>(values.size()));
        outKey.insert(outKey.end(), values.begin(), values.end());
    }
}

bool SimpleBoardSolver::IsFruitlessWithoutLineTest(const Board& board, const Cage& cage, size_t position,
                                                    bool keepDuplicatesOutOfLines) const
{
    // The line test only weighs a value given out twice: without one, the
    // search with it validates what the search without it validated.
    const std::vector<std::vector<int>>& withoutLineTest = m_fruitlessSearches[0];
    if (!keepDuplicatesOutOfLines || position >= withoutLineTest.size() || m_searchInput != withoutLineTest[position]) {
        return false;
    }
    const int maxValue = static_cast<int>(board.GetSize());
    for (int index : WalkRemainingSolutions(board, cage)) {
        if (cage.solutions[static_cast<size_t>(index)].CountMaxRepeats(maxValue) > 1) {
            return false;
        }
    }
    return true;
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
        if (m_searchInput == fruitless[i] || IsFruitlessWithoutLineTest(board, cage, i, keepDuplicatesOutOfLines)) {
            m_view.MarkFruitless(slot, i);
            continue;
        }
        board.CollectCageCandidates(cage, m_assignCandidates);
        m_assignmentSearch.Prepare(cage, m_assignCandidates, keepDuplicatesOutOfLines);
        // The remaining solutions in order, from the first open one on.
        const CageSolution* firstOpen = cage.FirstOpenSolution(board);
        const int from = firstOpen != nullptr ? static_cast<int>(firstOpen - cage.solutions.data())
                                              : static_cast<int>(cage.solutions.size());
        for (int index : WalkRemainingSolutions(board, cage, from)) {
            if (!m_assignmentSearch.HasUnvalidated()) {
                break;
            }
            m_assignmentSearch.Run(cage.solutions[static_cast<size_t>(index)].values);
        }
        size_t position = 0;
        int value = 0;
        if (!m_assignmentSearch.FindUnvalidated(position, value)) {
            fruitless[i].swap(m_searchInput);
            m_view.MarkFruitless(slot, i);
            continue;
        }
        if (RemoveCandidate(board, *cage.squares[position], value, step)) {
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
