// How a puzzle set lays out its custom and chef puzzles in five ranges.
#include "game/puzzle/PuzzleSetArrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Pemberquill;

namespace {

std::vector<int> Slice(const PuzzleSetArrangement& arrangement, int range)
{
    const PuzzleSetRange& bounds = arrangement.ranges[static_cast<size_t>(range)];
    return std::vector<int>(arrangement.order.begin() + bounds.begin, arrangement.order.begin() + bounds.end);
}

std::vector<int> RangeSizes(const PuzzleSetArrangement& arrangement)
{
    std::vector<int> sizes;
    for (const PuzzleSetRange& range : arrangement.ranges) {
        sizes.push_back(range.GetCount());
    }
    return sizes;
}

TEST(PuzzleSetArrangement, TenChefPuzzlesWithoutCustomOnes)
{
    // Easy 0-2, medium 3-7, hard 8-9; 7 unlocks; homework takes easy index 0
    // and medium indices 0 and 2 of the four left.
    const PuzzleSetArrangement arrangement = ArrangePuzzleSet(0, 10);

    EXPECT_EQ((std::vector<int>{3, 1, 2, 2, 2}), RangeSizes(arrangement));
    EXPECT_EQ((std::vector<int>{0, 3, 5}), Slice(arrangement, PUZZLE_SET_RANGE_HOMEWORK));
    EXPECT_EQ((std::vector<int>{7}), Slice(arrangement, PUZZLE_SET_RANGE_UNLOCK));
    EXPECT_EQ((std::vector<int>{1, 2}), Slice(arrangement, PUZZLE_SET_RANGE_EASY));
    EXPECT_EQ((std::vector<int>{4, 6}), Slice(arrangement, PUZZLE_SET_RANGE_MEDIUM));
    EXPECT_EQ((std::vector<int>{8, 9}), Slice(arrangement, PUZZLE_SET_RANGE_HARD));
}

TEST(PuzzleSetArrangement, CustomPuzzlesComeFirstAndShrinkTheHomeworkPicks)
{
    // Chef puzzles are entries 3 to 22: easy 3-8, medium 9-17, hard 18-22;
    // 17 unlocks. s = 9: easy picks min(3, 4) = 3 at 0, 2, 4 of six; medium
    // picks min(4, 5) = 4 at 0, 2, 4, 6 of the eight left.
    const PuzzleSetArrangement arrangement = ArrangePuzzleSet(3, 20);

    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 5, 7, 9, 11, 13, 15}), Slice(arrangement, PUZZLE_SET_RANGE_HOMEWORK));
    EXPECT_EQ((std::vector<int>{17}), Slice(arrangement, PUZZLE_SET_RANGE_UNLOCK));
    EXPECT_EQ((std::vector<int>{4, 6, 8}), Slice(arrangement, PUZZLE_SET_RANGE_EASY));
    EXPECT_EQ((std::vector<int>{10, 12, 14, 16}), Slice(arrangement, PUZZLE_SET_RANGE_MEDIUM));
    EXPECT_EQ((std::vector<int>{18, 19, 20, 21, 22}), Slice(arrangement, PUZZLE_SET_RANGE_HARD));
}

TEST(PuzzleSetArrangement, OnlyCustomPuzzlesMakeOnlyHomework)
{
    const PuzzleSetArrangement arrangement = ArrangePuzzleSet(2, 0);
    EXPECT_EQ((std::vector<int>{2, 0, 0, 0, 0}), RangeSizes(arrangement));
    EXPECT_EQ((std::vector<int>{0, 1}), arrangement.order);

    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0}), RangeSizes(ArrangePuzzleSet(0, 0)));
    EXPECT_EQ((std::vector<int>{0, 1, 0, 0, 0}), RangeSizes(ArrangePuzzleSet(0, 1)));
}

TEST(PuzzleSetArrangement, TwelveOrMoreCustomPuzzlesLeaveNoRoomForPicks)
{
    EXPECT_EQ((std::vector<int>{12, 1, 10, 12, 7}), RangeSizes(ArrangePuzzleSet(12, 30)));
    EXPECT_EQ((std::vector<int>{15, 1, 10, 12, 7}), RangeSizes(ArrangePuzzleSet(15, 30)));
}

TEST(PuzzleSetArrangement, ThirtyFivePercentIsTheSinglePrecisionValue)
{
    // 0.35f lies a little below 0.35, so 20 and 40 puzzles fall just short
    // of 7 and 14 easy ones.
    EXPECT_EQ(6, ArrangePuzzleSet(12, 20).ranges[PUZZLE_SET_RANGE_EASY].GetCount());
    EXPECT_EQ(7, ArrangePuzzleSet(12, 21).ranges[PUZZLE_SET_RANGE_EASY].GetCount());
    EXPECT_EQ(13, ArrangePuzzleSet(12, 40).ranges[PUZZLE_SET_RANGE_EASY].GetCount());
    EXPECT_EQ(10, ArrangePuzzleSet(12, 40).ranges[PUZZLE_SET_RANGE_HARD].GetCount());
}

TEST(PuzzleSetArrangement, EverySizeIsAPartitionInComplexityOrder)
{
    for (int custom = 0; custom <= 14; ++custom) {
        for (int chef = 0; chef <= 200; ++chef) {
            SCOPED_TRACE(testing::Message() << custom << " custom, " << chef << " from the chef");
            const PuzzleSetArrangement arrangement = ArrangePuzzleSet(custom, chef);

            // The ranges tile the list from 0 to its end, in order.
            int32_t next = 0;
            for (const PuzzleSetRange& range : arrangement.ranges) {
                ASSERT_EQ(next, range.begin);
                ASSERT_LE(range.begin, range.end);
                next = range.end;
            }
            ASSERT_EQ(custom + chef, next);

            // Every puzzle exactly once.
            std::vector<int> sorted = arrangement.order;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < custom + chef; ++i) {
                ASSERT_EQ(i, sorted[static_cast<size_t>(i)]);
            }

            // Homework: the custom puzzles first, then at most twelve in all.
            const std::vector<int> homework = Slice(arrangement, PUZZLE_SET_RANGE_HOMEWORK);
            for (int i = 0; i < custom; ++i) {
                ASSERT_EQ(i, homework[static_cast<size_t>(i)]);
            }
            ASSERT_LE(static_cast<int>(homework.size()), std::max(custom, 12));
            ASSERT_EQ(chef > 0 ? 1 : 0, arrangement.ranges[PUZZLE_SET_RANGE_UNLOCK].GetCount());

            // Each difficulty range ascends, and every easy puzzle is easier
            // than every medium one, every medium one than every hard one.
            for (int range = PUZZLE_SET_RANGE_EASY; range <= PUZZLE_SET_RANGE_HARD; ++range) {
                const std::vector<int> slice = Slice(arrangement, range);
                ASSERT_TRUE(std::is_sorted(slice.begin(), slice.end()));
                for (const int entry : slice) {
                    ASSERT_GE(entry, custom);
                }
            }
            const std::vector<int> easy = Slice(arrangement, PUZZLE_SET_RANGE_EASY);
            const std::vector<int> medium = Slice(arrangement, PUZZLE_SET_RANGE_MEDIUM);
            const std::vector<int> hard = Slice(arrangement, PUZZLE_SET_RANGE_HARD);
            if (!easy.empty() && !medium.empty()) {
                ASSERT_LT(easy.back(), medium.front());
            }
            if (!medium.empty() && !hard.empty()) {
                ASSERT_LT(medium.back(), hard.front());
            }
            ASSERT_EQ(static_cast<int>(static_cast<double>(0.25f) * chef), static_cast<int>(hard.size()));
        }
    }
}

} // namespace
