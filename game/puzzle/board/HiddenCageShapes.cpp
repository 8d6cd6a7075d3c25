// The shapes a hidden cage could take: every connected set of squares grown
// from its key square, listed in the order a depth-first growth first meets
// them. Growth goes square by square of the shape in reading order, then
// direction by direction, so the same shape is met again along many paths;
// a shape met before is never grown again, since growing it can only meet
// shapes already listed. That keeps the order while visiting each shape once.
#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/SquareMask.h"
#include "game/puzzle/board/SquareMaskSet.h"

#include <array>
#include <vector>

namespace Pemberquill {

namespace {

// Where growth may go on a board, the same for every cage.
struct GrowthMap {
    std::vector<std::array<int, 4>> neighbours; // by square index and direction; -1 off the board
    SquareMask closed;                          // key squares of every cage, and Comparisons squares
};

GrowthMap MakeGrowthMap(const Board& board)
{
    GrowthMap map;
    const int size = static_cast<int>(board.GetSize());
    map.neighbours.resize(static_cast<size_t>(size * size));
    for (const Square& square : board.GetSquares()) {
        const int index = size * static_cast<int>(square.y) + static_cast<int>(square.x);
        for (int direction = 0; direction < 4; ++direction) {
            const IntVector2 offset = GetDirectionOffset(direction);
            const int x = static_cast<int>(square.x) + offset.x;
            const int y = static_cast<int>(square.y) + offset.y;
            map.neighbours[static_cast<size_t>(index)][static_cast<size_t>(direction)] =
                board.IsInside(x, y) ? size * y + x : -1;
        }
        const Cage* owner = board.GetCage(square.cageIndex);
        if (board.IsKeySquareOfAnyCage(square) || (owner != nullptr && owner->rule == CAGE_RULE_COMPARISONS)) {
            map.closed.Add(index);
        }
    }
    return map;
}

bool IsShapedRule(int rule)
{
    return rule != CAGE_RULE_COMPARISONS && rule != CAGE_RULE_EVEN && rule != CAGE_RULE_ODD && rule != CAGE_RULE_NOOP;
}

} // namespace

// One cage's growth: where it may go, its sizes, and the shapes it has met.
struct Board::ShapeGrowth {
    ShapeGrowth(const GrowthMap& growthMap, const Cage& cage)
        : map(growthMap), minSize(cage.GetMinSolutionLength()), maxSize(cage.GetMaxSolutionLength())
    {
        for (const CageValueSet& listed : cage.valueSets) {
            listedBefore.Insert(listed.mask);
        }
    }

    const GrowthMap& map;
    int minSize;
    int maxSize;
    SquareMaskSet explored;
    // Shapes listed by an earlier build (the puzzle builds again on restart).
    SquareMaskSet listedBefore;
};

void Board::BuildHiddenCageShapes()
{
    const GrowthMap map = MakeGrowthMap(*this);
    for (Cage& cage : m_cages) {
        const Square* keySquare = cage.GetKeySquare();
        if (IsShapedRule(cage.rule) && keySquare != nullptr) {
            ShapeGrowth growth(map, cage);
            GrowCageShape(cage, growth, SquareMask(), 0, static_cast<int>(keySquare->y * m_puzzleSize + keySquare->x));
        }
    }
}

void Board::GrowCageShape(Cage& cage, ShapeGrowth& growth, const SquareMask& shape, int shapeSize, int squareIndex)
{
    SquareMask grown = shape;
    grown.Add(squareIndex);
    const int grownSize = shapeSize + 1;
    if (grownSize > growth.maxSize || !growth.explored.Insert(grown)) {
        return;
    }
    if (grownSize >= growth.minSize) {
        cage.AddShapeIfNew(grown, growth.listedBefore);
    }
    if (grownSize == growth.maxSize) {
        return;
    }
    grown.ForEach([&](int index) {
        for (int neighbour : growth.map.neighbours[static_cast<size_t>(index)]) {
            if (neighbour >= 0 && !growth.map.closed.Has(neighbour) && !grown.Has(neighbour)) {
                GrowCageShape(cage, growth, grown, grownSize, neighbour);
            }
        }
    });
}

void Cage::AddShapeIfNew(const SquareMask& shape, const SquareMaskSet& listed)
{
    if (!listed.Has(shape)) {
        CageValueSet record;
        record.mask = shape;
        valueSets.push_back(record);
    }
}

bool Board::IsKeySquareOfAnyCage(const Square& square) const
{
    for (const Cage& cage : m_cages) {
        const Square* key = cage.GetKeySquare();
        if (key != nullptr && key->x == square.x && key->y == square.y) {
            return true;
        }
    }
    return false;
}

} // namespace Pemberquill
