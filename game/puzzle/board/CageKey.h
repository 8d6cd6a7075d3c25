#pragma once

#include "game/puzzle/board/Cage.h"

#include <cstddef>
#include <cstdint>

namespace Pemberquill {

// What a cage was when something was last worked out from it: where its
// squares and solution lists live (begin and end, so the same key means the
// same lengths without a division), the list's stamp, its index and colour.
// A cage's rule and target only change with a new solution list. Cages are
// plain data anyone holding the board may change, so whoever keeps state
// derived from them compares every cage's key whenever it is asked.
struct CageKey {
    uintptr_t squaresBegin = 0;
    uintptr_t squaresEnd = 0;
    uintptr_t solutionsBegin = 0;
    uintptr_t solutionsEnd = 0;
    unsigned solutionsStamp = 0;
    int index = -1;
    int color = -1;

    static CageKey Of(const Cage& cage)
    {
        const auto address = [](const auto* pointer) { return reinterpret_cast<uintptr_t>(pointer); };
        return CageKey{address(cage.squares.data()),
                       address(cage.squares.data() + cage.squares.size()),
                       address(cage.solutions.data()),
                       address(cage.solutions.data() + cage.solutions.size()),
                       cage.solutionsStamp,
                       cage.index,
                       cage.color};
    }
    // A key no cage has.
    static CageKey Unmatched() { return CageKey{0, 0, 0, UINTPTR_MAX, 0, -1, -1}; }
};

// Whether each of count cages still has its key, in one pass without a
// branch per field: asked of every cage at every step or edit.
inline bool DoCagesMatchKeys(const Cage* cages, const CageKey* keys, size_t count)
{
    uintptr_t differences = 0;
    for (size_t i = 0; i < count; ++i) {
        const CageKey key = CageKey::Of(cages[i]);
        const CageKey& kept = keys[i];
        differences |= (key.squaresBegin ^ kept.squaresBegin) | (key.squaresEnd ^ kept.squaresEnd) |
                       (key.solutionsBegin ^ kept.solutionsBegin) | (key.solutionsEnd ^ kept.solutionsEnd) |
                       (key.solutionsStamp ^ kept.solutionsStamp) | static_cast<unsigned>(key.index ^ kept.index) |
                       static_cast<unsigned>(key.color ^ kept.color);
    }
    return differences == 0;
}

} // namespace Pemberquill
