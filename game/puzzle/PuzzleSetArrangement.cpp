#include "game/puzzle/PuzzleSetArrangement.h"

#include "engine/core/Diagnostics.h"

#include <algorithm>

namespace Pemberquill {

namespace {

constexpr int MAX_HOMEWORK_PUZZLES = 12;
constexpr float EASY_SHARE = 0.35f;
constexpr float HARD_SHARE = 0.25f;

// The share's single-precision value times the count, in double precision,
// truncated.
int ShareOf(float share, int count)
{
    return static_cast<int>(static_cast<double>(share) * count);
}

std::vector<int> Sequence(int first, int count)
{
    std::vector<int> entries;
    for (int i = 0; i < count; ++i) {
        entries.push_back(first + i);
    }
    return entries;
}

// Pick k takes the entry at groupCount x (k / picks) of the group as it
// stood before any pick (computed in single precision); the picks leave the
// group afterwards. groupCount is the group's size before the unlock puzzle
// left it, one more than the group may now hold, but with at most half as
// many picks as that count the largest index stays two below it.
std::vector<int> TakePicks(std::vector<int>& group, int groupCount, int picks)
{
    std::vector<int> taken;
    std::vector<size_t> positions;
    for (int k = 0; k < picks; ++k) {
        const float fraction = static_cast<float>(k) / static_cast<float>(picks);
        const int position = static_cast<int>(static_cast<float>(groupCount) * fraction);
        ULVO_ASSERT(position >= 0 && static_cast<size_t>(position) < group.size(),
                    Stringf("Homework pick %d of %d lands at %d in a group of %zu.", k, picks, position,
                            group.size()),
                    "ArrangePuzzleSet");
        positions.push_back(static_cast<size_t>(position));
        taken.push_back(group[static_cast<size_t>(position)]);
    }
    // Positions rise with k, so removing from the back keeps the rest valid.
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        group.erase(group.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return taken;
}

void AppendRange(PuzzleSetArrangement& arrangement, int range, const std::vector<int>& entries)
{
    PuzzleSetRange& target = arrangement.ranges[static_cast<size_t>(range)];
    target.begin = static_cast<int32_t>(arrangement.order.size());
    arrangement.order.insert(arrangement.order.end(), entries.begin(), entries.end());
    target.end = static_cast<int32_t>(arrangement.order.size());
}

} // namespace

PuzzleSetArrangement ArrangePuzzleSet(int customCount, int chefCount)
{
    customCount = std::max(customCount, 0);
    chefCount = std::max(chefCount, 0);
    const int easyCount = ShareOf(EASY_SHARE, chefCount);
    const int hardCount = ShareOf(HARD_SHARE, chefCount);
    const int mediumCount = chefCount - easyCount - hardCount;
    std::vector<int> easy = Sequence(customCount, easyCount);
    std::vector<int> medium = Sequence(customCount + easyCount, mediumCount);
    std::vector<int> hard = Sequence(customCount + easyCount + mediumCount, hardCount);

    std::vector<int> unlock;
    for (std::vector<int>* group : {&medium, &hard, &easy}) {
        if (!group->empty()) {
            unlock.push_back(group->back());
            group->pop_back();
            break;
        }
    }

    std::vector<int> homework = Sequence(0, customCount);
    const int slots = MAX_HOMEWORK_PUZZLES - customCount;
    if (slots > 0) {
        const int easyPicks = std::min(easyCount / 2, slots / 2);
        const int mediumPicks = std::min(mediumCount / 2, slots - slots / 2);
        const std::vector<int> easyTaken = TakePicks(easy, easyCount, easyPicks);
        const std::vector<int> mediumTaken = TakePicks(medium, mediumCount, mediumPicks);
        homework.insert(homework.end(), easyTaken.begin(), easyTaken.end());
        homework.insert(homework.end(), mediumTaken.begin(), mediumTaken.end());
    }

    PuzzleSetArrangement arrangement;
    AppendRange(arrangement, PUZZLE_SET_RANGE_HOMEWORK, homework);
    AppendRange(arrangement, PUZZLE_SET_RANGE_UNLOCK, unlock);
    AppendRange(arrangement, PUZZLE_SET_RANGE_EASY, easy);
    AppendRange(arrangement, PUZZLE_SET_RANGE_MEDIUM, medium);
    AppendRange(arrangement, PUZZLE_SET_RANGE_HARD, hard);
    return arrangement;
}

} // namespace Pemberquill
