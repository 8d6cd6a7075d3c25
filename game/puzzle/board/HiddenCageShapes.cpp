// The shapes a hidden cage could take: every connected set of squares grown
// from its key square, listed in the order a depth-first growth first meets
// them. Growth goes square by square of the shape in reading order, then
// direction by direction, so the same shape is met again along many paths;
// a shape met before is never grown again, since growing it can only meet
// shapes already listed. That keeps the order while visiting each shape once.
#include "game/puzzle/board/Board.h"

#include "game/puzzle/board/SquareMask.h"

#include <array>
#include <vector>

namespace Pemberquill {

namespace {

// A set of non-empty shapes in one flat table, open addressing with linear
// probing: the growth asks it once per shape it meets, thousands of times
// a board, and a node per shape would cost an allocation each.
class ShapeSet {
public:
    // True when the shape was not in the set before.
    bool Insert(const SquareMask& shape)
    {
        if ((m_count + 1) * 2 > m_slots.size()) {
            Rehash(m_slots.empty() ? 256 : m_slots.size() * 2);
        }
        SquareMask& slot = m_slots[FindSlot(shape)];
        if (!slot.IsEmpty()) {
            return false;
        }
        slot = shape;
        ++m_count;
        return true;
    }
    bool Has(const SquareMask& shape) const { return m_count != 0 && !m_slots[FindSlot(shape)].IsEmpty(); }
    bool IsEmpty() const { return m_count == 0; }

private:
    // The shape's slot, or the empty one where it would go.
    size_t FindSlot(const SquareMask& shape) const
    {
        const size_t mask = m_slots.size() - 1;
        size_t slot = SquareMaskHash()(shape) & mask;
        while (!m_slots[slot].IsEmpty() && !(m_slots[slot] == shape)) {
            slot = (slot + 1) & mask;
        }
        return slot;
    }
    void Rehash(size_t size)
    {
        std::vector<SquareMask> old(size);
        old.swap(m_slots);
        for (const SquareMask& shape : old) {
            if (!shape.IsEmpty()) {
                m_slots[FindSlot(shape)] = shape;
            }
        }
    }

    std::vector<SquareMask> m_slots; // empty masks mark free slots; the size is a power of two
    size_t m_count = 0;
};

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

class ShapeGrower {
public:
    ShapeGrower(Board& board, const GrowthMap& map, Cage& cage)
        : m_board(board),
          m_map(map),
          m_cage(cage),
          m_minSize(cage.GetMinSolutionLength()),
          m_maxSize(cage.GetMaxSolutionLength())
    {
        for (const CageValueSet& listed : cage.valueSets) {
            m_listedBefore.Insert(listed.mask);
        }
    }

    void GrowFrom(const Square& keySquare) { Grow(SquareMask(), 0, IndexOf(keySquare)); }

private:
    int IndexOf(const Square& square) const
    {
        return static_cast<int>(square.y * m_board.GetSize() + square.x);
    }

    void Grow(const SquareMask& shape, int shapeSize, int squareIndex)
    {
        SquareMask grown = shape;
        grown.Add(squareIndex);
        const int grownSize = shapeSize + 1;
        if (grownSize > m_maxSize || !m_explored.Insert(grown)) {
            return;
        }
        if (grownSize >= m_minSize && !m_listedBefore.Has(grown)) {
            List(grown);
        }
        if (grownSize == m_maxSize) {
            return;
        }
        grown.ForEach([&](int index) {
            for (int neighbour : m_map.neighbours[static_cast<size_t>(index)]) {
                if (neighbour >= 0 && !m_map.closed.Has(neighbour) && !grown.Has(neighbour)) {
                    Grow(grown, grownSize, neighbour);
                }
            }
        });
    }

    void List(const SquareMask& shape)
    {
        CageValueSet record;
        record.mask = shape;
        m_cage.valueSets.push_back(record);
    }

    Board& m_board;
    const GrowthMap& m_map;
    Cage& m_cage;
    int m_minSize;
    int m_maxSize;
    ShapeSet m_explored;
    // Shapes listed by an earlier build (the puzzle builds again on restart).
    ShapeSet m_listedBefore;
};

bool IsShapedRule(int rule)
{
    return rule != CAGE_RULE_COMPARISONS && rule != CAGE_RULE_EVEN && rule != CAGE_RULE_ODD && rule != CAGE_RULE_NOOP;
}

} // namespace

void Board::BuildHiddenCageShapes()
{
    const GrowthMap map = MakeGrowthMap(*this);
    for (Cage& cage : m_cages) {
        const Square* keySquare = cage.GetKeySquare();
        if (IsShapedRule(cage.rule) && keySquare != nullptr) {
            ShapeGrower(*this, map, cage).GrowFrom(*keySquare);
        }
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
