#pragma once

#include "game/puzzle/board/SquareMask.h"

#include <cstddef>
#include <vector>

namespace Pemberquill {

// A set of non-empty shapes in one flat table, open addressing with linear
// probing: the growth asks it once per shape it meets, thousands of times
// a board, and a node per shape would cost an allocation each.
class SquareMaskSet {
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

} // namespace Pemberquill
