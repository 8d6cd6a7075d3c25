#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace Pemberquill {

// The five ranges of a puzzle set's list, in list order.
constexpr int PUZZLE_SET_RANGE_HOMEWORK = 0;
constexpr int PUZZLE_SET_RANGE_UNLOCK = 1;
constexpr int PUZZLE_SET_RANGE_EASY = 2;
constexpr int PUZZLE_SET_RANGE_MEDIUM = 3;
constexpr int PUZZLE_SET_RANGE_HARD = 4;
constexpr int NUM_PUZZLE_SET_RANGES = 5;

// Indices into a set's puzzle list; end is exclusive.
struct PuzzleSetRange {
    int32_t begin = 0;
    int32_t end = 0;

    int32_t GetCount() const { return end - begin; }
    bool Contains(int32_t index) const { return begin <= index && index < end; }
    bool operator==(const PuzzleSetRange& other) const { return begin == other.begin && end == other.end; }
};

using PuzzleSetRanges = std::array<PuzzleSetRange, NUM_PUZZLE_SET_RANGES>;

// Where each puzzle of a set goes. Entries of order below customCount are
// the custom puzzles in their own order; customCount + k is the chef's
// puzzle k, the chef's puzzles counted in ascending complexity.
struct PuzzleSetArrangement {
    std::vector<int> order;
    PuzzleSetRanges ranges;
};

// The chef's puzzles split into easy (the first 35%), hard (the last 25%)
// and medium; the most complex medium puzzle becomes the unlock puzzle
// (failing that the last hard one, then the last easy one); the custom
// puzzles and up to 12 picks in all, spread over the easy and the medium
// group, are homework. Every stored set was laid out by exactly this
// arithmetic, the single-precision factors included.
PuzzleSetArrangement ArrangePuzzleSet(int customCount, int chefCount);

} // namespace Pemberquill
