#include "game/puzzle/board/Cage.h"

#include "engine/core/Diagnostics.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/SquareMask.h"

#include <algorithm>
#include <bitset>
#include <cstdlib>

namespace Pemberquill {

void Cage::Init()
{
    *this = Cage();
}

void Cage::Clear()
{
    solutions.clear();
    solutionsStamp = NewSolutionsStamp();
    valueSets.clear();
    squares.clear();
}

std::string Cage::GetRuleText() const
{
    switch (rule) {
    case CAGE_RULE_EQUALS:
    case CAGE_RULE_ADDITION:
    case CAGE_RULE_MULTIPLICATION:
    case CAGE_RULE_SUBTRACTION:
    case CAGE_RULE_DIVISION: return Stringf("%d%c", target, GetCageRuleSymbol(rule));
    case CAGE_RULE_STRAIGHT: return "Straight";
    case CAGE_RULE_COMPARISONS: return "<,>";
    case CAGE_RULE_EVEN: return "Even";
    case CAGE_RULE_ODD: return "Odd";
    case CAGE_RULE_NOOP: return "";
    case CAGE_RULE_NONE: return "BAD";
    default: return "XXX";
    }
}

void Cage::ComputeTargetFromSolution()
{
    if (squares.empty()) {
        target = 0;
        return;
    }
    const int first = static_cast<int>(squares[0]->solutionValue);
    switch (rule) {
    case CAGE_RULE_EQUALS: target = first; break;
    case CAGE_RULE_ADDITION:
        target = 0;
        for (const Square* square : squares) {
            target += static_cast<int>(square->solutionValue);
        }
        break;
    case CAGE_RULE_MULTIPLICATION:
        target = 1;
        for (const Square* square : squares) {
            target *= static_cast<int>(square->solutionValue);
        }
        break;
    case CAGE_RULE_SUBTRACTION:
    case CAGE_RULE_DIVISION: {
        // Both rules need a pair; a cage short of one has no target to give.
        if (squares.size() < 2) {
            target = 0;
            break;
        }
        const int second = static_cast<int>(squares[1]->solutionValue);
        if (rule == CAGE_RULE_SUBTRACTION) {
            target = std::abs(first - second);
        } else {
            const int smaller = std::min(first, second);
            target = smaller > 0 ? std::max(first, second) / smaller : 0;
        }
        break;
    }
    default: break;
    }
}

void Cage::FindTopLeftSquare()
{
    keySquare = -1;
    unsigned bestRow = 999;
    unsigned bestColumn = 999;
    for (size_t i = 0; i < squares.size(); ++i) {
        const Square* square = squares[i];
        if (square->y < bestRow || (square->y == bestRow && square->x < bestColumn)) {
            bestRow = square->y;
            bestColumn = square->x;
            keySquare = static_cast<int>(i);
        }
    }
}

bool Cage::HasSquareWithSameValue(const Square& other) const
{
    return std::any_of(squares.begin(), squares.end(),
                       [&other](const Square* square) { return square->solutionValue == other.solutionValue; });
}

bool Cage::AreAllValuesEven() const
{
    return std::all_of(squares.begin(), squares.end(),
                       [](const Square* square) { return square->solutionValue % 2 == 0; });
}

bool Cage::AreAllValuesOdd() const
{
    return std::all_of(squares.begin(), squares.end(),
                       [](const Square* square) { return square->solutionValue % 2 == 1; });
}

bool Cage::CanUseDivision() const
{
    if (squares.size() != 2) {
        return false;
    }
    const unsigned a = squares[0]->solutionValue;
    const unsigned b = squares[1]->solutionValue;
    const unsigned smaller = std::min(a, b);
    return smaller != 0 && std::max(a, b) % smaller == 0;
}

bool Cage::CanUseStraight() const
{
    if (squares.size() < 3) {
        return false;
    }
    // Consecutive once sorted: as many values as the span from the lowest
    // to the highest holds, none twice.
    const auto [lowest, highest] = std::minmax_element(
        squares.begin(), squares.end(), [](const Square* a, const Square* b) { return a->solutionValue < b->solutionValue; });
    const unsigned low = (*lowest)->solutionValue;
    // A cage holds at most a board's squares.
    std::bitset<MAX_BOARD_SIZE * MAX_BOARD_SIZE> seen;
    if ((*highest)->solutionValue - low + 1 != squares.size() || squares.size() > seen.size()) {
        return false;
    }
    for (const Square* square : squares) {
        const size_t offset = square->solutionValue - low;
        if (seen[offset]) {
            return false;
        }
        seen[offset] = true;
    }
    return true;
}

bool Cage::AreAllSquaresFilled(const Board& board) const
{
    return std::all_of(squares.begin(), squares.end(),
                       [&board](const Square* square) { return board.GetSquareValue(*square) != 0; });
}

bool Cage::IsInOneLine() const
{
    if (squares.empty()) {
        return false;
    }
    const Square* first = squares[0];
    const bool oneRow = std::all_of(squares.begin(), squares.end(),
                                    [first](const Square* square) { return square->y == first->y; });
    const bool oneColumn = std::all_of(squares.begin(), squares.end(),
                                       [first](const Square* square) { return square->x == first->x; });
    return oneRow || oneColumn;
}

Square* Cage::FindCornerSquare() const
{
    if (squares.size() != 3 || IsInOneLine()) {
        return nullptr;
    }
    for (size_t i = 0; i < 3; ++i) {
        const Square* a = squares[(i + 1) % 3];
        const Square* b = squares[(i + 2) % 3];
        Square* corner = squares[i];
        if ((corner->x == a->x && corner->y == b->y) || (corner->x == b->x && corner->y == a->y)) {
            return corner;
        }
    }
    return nullptr;
}

SquareMask Cage::IntersectActiveValueSets() const
{
    // An intersection that comes out empty starts again from the next shape
    // in use.
    SquareMask result;
    for (const CageValueSet& valueSet : valueSets) {
        if (!valueSet.inUse) {
            continue;
        }
        if (result.low == 0 && result.high == 0) {
            result = valueSet.mask;
        } else {
            result.low &= valueSet.mask.low;
            result.high &= valueSet.mask.high;
        }
    }
    return result;
}

int Cage::CountRemainingSolutions(const Board& board) const
{
    const BoardProgress* progress = board.GetProgress();
    if (progress == nullptr) {
        return static_cast<int>(solutions.size());
    }
    int remaining = 0;
    for (size_t i = 0; i < solutions.size(); ++i) {
        if (!progress->IsSolutionEliminated(index, static_cast<int>(i))) {
            ++remaining;
        }
    }
    return remaining;
}

} // namespace Pemberquill
