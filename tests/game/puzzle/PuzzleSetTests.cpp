// Puzzle sets: filling from the chef, ranges, satisfaction, and the
// player's record of a set. Its pages are followed through the campaign's
// locations.
#include "game/puzzle/PuzzleSet.h"

#include "PuzzleChefTestSupport.h"
#include "PuzzleTestSupport.h"
#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace Pemberquill;
using namespace chef_test;

namespace {

const PuzzleRequest SET_REQUEST(5, 2, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);

// Book order and complexity differ: seeds 100 to 109 carry these.
const float SHUFFLED_COMPLEXITIES[] = {5, 2, 9, 0, 7, 1, 8, 3, 6, 4};

PuzzleSetDescriptor MakeSetDescriptor(const std::string& name, int customCount = 0)
{
    PuzzleSetDescriptor descriptor;
    descriptor.name = name;
    descriptor.setID = name;
    descriptor.baseColor = Rgba(10, 20, 30, 40);
    descriptor.backgroundImage = "Reef.png";
    descriptor.request = SET_REQUEST;
    for (int i = 0; i < customCount; ++i) {
        descriptor.descriptors.push_back(MakeDescriptor(SET_REQUEST, 500 + i, 100.0f - static_cast<float>(i)));
    }
    return descriptor;
}

std::vector<float> ComplexitiesOf(const std::vector<Puzzle*>& puzzles)
{
    std::vector<float> complexities(puzzles.size());
    std::transform(puzzles.begin(), puzzles.end(), complexities.begin(), std::mem_fn(&Puzzle::GetTotalComplexity));
    return complexities;
}

class PuzzleSetTest : public ::testing::Test {
protected:
    void StartChef(int bookSize)
    {
        std::vector<PuzzleDescriptor> descriptors;
        for (int i = 0; i < bookSize; ++i) {
            descriptors.push_back(MakeDescriptor(SET_REQUEST, 100 + i, SHUFFLED_COMPLEXITIES[i]));
        }
        chef_test::WriteRecipeBook(folder, "set.recipes", SET_REQUEST, descriptors);
        chef.Startup(&clock);
    }

    // The progress states of the set's puzzles, once a progress is linked.
    void LinkProgress(PuzzleSet& set)
    {
        progress = set.CreateProgress();
        set.SetProgress(progress.get());
        progress->Load(set.GetPuzzles());
    }

    static void SetState(const Puzzle& puzzle, int state) { puzzle.GetProgress()->SetState(state); }

    UlvoEventSystem events;
    testsupport::ScopedDataFolder folder;
    Clock clock;
    PuzzleChef chef;
    std::unique_ptr<PuzzleSetProgress> progress;
};

TEST_F(PuzzleSetTest, TenBookPuzzlesFillTheFiveRanges)
{
    StartChef(10);
    PuzzleSet set(MakeSetDescriptor("Ocean"), &clock);

    bool hasMore = true;
    EXPECT_EQ((std::vector<float>{0, 3, 5}), ComplexitiesOf(set.GetPagePuzzles(PUZZLE_SET_RANGE_HOMEWORK, 0, hasMore)));
    EXPECT_EQ((std::vector<float>{7}), ComplexitiesOf(set.GetPagePuzzles(PUZZLE_SET_RANGE_UNLOCK, 0, hasMore)));
    EXPECT_EQ((std::vector<float>{1, 2}), ComplexitiesOf(set.GetPagePuzzles(PUZZLE_SET_RANGE_EASY, 0, hasMore)));
    EXPECT_EQ((std::vector<float>{4, 6}), ComplexitiesOf(set.GetPagePuzzles(PUZZLE_SET_RANGE_MEDIUM, 0, hasMore)));
    EXPECT_EQ((std::vector<float>{8, 9}), ComplexitiesOf(set.GetPagePuzzles(PUZZLE_SET_RANGE_HARD, 0, hasMore)));
    EXPECT_FALSE(hasMore);

    ASSERT_EQ(10u, set.GetPuzzles().size());
    for (size_t i = 0; i < set.GetPuzzles().size(); ++i) {
        const Puzzle& puzzle = *set.GetPuzzles()[i];
        EXPECT_EQ(Stringf("Ocean #%zu", i + 1), puzzle.GetDisplayName());
        EXPECT_EQ(static_cast<int>(i) + 1, puzzle.GetNumberInSet());
        EXPECT_EQ(i == 3, puzzle.IsUnlockPuzzle()) << i;
    }
    EXPECT_EQ(set.GetPuzzles()[3].get(), set.GetUnlockPuzzle());
    EXPECT_EQ(6, set.GetDifficultyPuzzleCount());
    EXPECT_EQ(4, set.GetRequest().difficultyRating) << "the book was taken from difficulty 0 up";
    EXPECT_EQ(-1, set.GetLastCustomIndex());
    EXPECT_EQ(Rgba(10, 20, 30, 255), set.GetBaseColor());
}

// Catches a set whose background image is missing stopping the game: the
// set plays without a background.
TEST_F(PuzzleSetTest, ASetWhoseBackgroundImageIsMissingHasNoBackground)
{
    const std::unique_ptr<UlvoImageStudioBasic_Win32> imageStudio = UlvoImageStudioBasic_Win32::Create();
    StartChef(1);
    const PuzzleSet set(MakeSetDescriptor("Reef"), &clock);
    EXPECT_EQ(set.GetBackgroundTexture(), nullptr);
}

// The unlock puzzle alone decides; without one every puzzle must be solved.
TEST_F(PuzzleSetTest, SatisfactionComesOnceFromTheUnlockPuzzleOrFromEveryPuzzle)
{
    StartChef(10);
    PuzzleSet set(MakeSetDescriptor("Mountain"), &clock);
    LinkProgress(set);
    const Puzzle& unlock = *set.GetUnlockPuzzle();
    SetState(unlock, PUZZLE_STATE_SOLVED);
    EXPECT_TRUE(set.IsNewlySatisfied()) << "the others are unsolved";
    for (const std::unique_ptr<Puzzle>& puzzle : set.GetPuzzles()) {
        SetState(*puzzle, 5);
    }
    SetState(unlock, PUZZLE_STATE_STARTED);
    EXPECT_FALSE(set.IsNewlySatisfied());
    SetState(unlock, 4);
    set.SetPlayerState(PUZZLE_SET_STATE_SATISFIED);
    EXPECT_FALSE(set.IsNewlySatisfied()) << "already satisfied";

    // Custom puzzles alone are homework, and never an unlock puzzle.
    PuzzleSetDescriptor descriptor = MakeSetDescriptor("Beyond", 3);
    descriptor.descriptors[1].SetUnlockPuzzle(true);
    PuzzleSet custom(descriptor, &clock, chef);
    EXPECT_EQ(descriptor.descriptors[1].GetPuzzleID(), custom.GetPuzzles()[1]->GetPuzzleID());
    EXPECT_EQ(nullptr, custom.GetUnlockPuzzle());
    EXPECT_EQ((PuzzleSetRange{0, 3}), custom.GetRanges()[PUZZLE_SET_RANGE_HOMEWORK]);
    for (int range = PUZZLE_SET_RANGE_UNLOCK; range < NUM_PUZZLE_SET_RANGES; ++range) {
        EXPECT_EQ(0, custom.GetRanges()[static_cast<size_t>(range)].GetCount());
    }
    EXPECT_EQ(2, custom.GetLastCustomIndex());
    LinkProgress(custom);
    SetState(*custom.GetPuzzles()[0], PUZZLE_STATE_SOLVED);
    SetState(*custom.GetPuzzles()[1], 5);
    EXPECT_FALSE(custom.IsNewlySatisfied());
    SetState(*custom.GetPuzzles()[2], 4);
    EXPECT_TRUE(custom.IsNewlySatisfied());
}

// The player's record of the set keeps only the puzzles seen; loading makes
// the rest again.
TEST_F(PuzzleSetTest, TheProgressRecordKeepsSeenPuzzlesAndLoadingMakesTheRest)
{
    StartChef(0);
    PuzzleSet set(MakeSetDescriptor("Beyond", 3), &clock);
    LinkProgress(set);
    SetState(*set.GetPuzzles()[0], PUZZLE_STATE_SOLVED);
    SetState(*set.GetPuzzles()[2], 5);
    puzzle_test::LoadedStream stream(puzzle_test::WriteRecord(*progress, RESOURCE_STREAM_FORMAT_BINARY));
    PuzzleSetProgress read(*stream);
    ASSERT_EQ(2u, read.GetPuzzleProgresses().size());

    read.Load(set.GetPuzzles());
    ASSERT_EQ(3u, read.GetPuzzleProgresses().size());
    EXPECT_EQ(set.GetPuzzles()[1]->GetPuzzleID(), read.GetPuzzleProgresses()[1]->GetPuzzleID());
    EXPECT_EQ(PUZZLE_STATE_SOLVED, set.GetPuzzles()[0]->GetProgress()->GetState());
    EXPECT_EQ(PUZZLE_STATE_NEVER_SEEN, set.GetPuzzles()[1]->GetProgress()->GetState());
    EXPECT_EQ(5, set.GetPuzzles()[2]->GetProgress()->GetState());
}

// Advancing skips solved and graded puzzles, wraps to the top, and returns
// 0 (one found), 1 (none after, some left) or 2 (none left); -1 as the
// current puzzle means none. An index at or past the count (a set that has
// since lost puzzles) starts again from the top.
TEST_F(PuzzleSetTest, AdvancingSkipsSolvedPuzzlesAndReportsWhatIsLeft)
{
    StartChef(0);
    PuzzleSet set(MakeSetDescriptor("Beyond", 4), &clock);
    LinkProgress(set);
    EXPECT_EQ(0, progress->GetCurrentPuzzle());
    SetState(*set.GetPuzzles()[1], PUZZLE_STATE_SOLVED);
    SetState(*set.GetPuzzles()[2], 4);
    const struct { int current; int result; int next; } cases[] = {{0, 0, 3}, {3, 1, -1}, {-1, 0, 0}, {4, 0, 0}};
    for (const auto& c : cases) {
        progress->SetCurrentPuzzle(c.current);
        EXPECT_EQ(c.result, progress->AdvanceToNextPuzzle()) << c.current;
        EXPECT_EQ(c.next, progress->GetCurrentPuzzle()) << c.current;
    }
    SetState(*set.GetPuzzles()[0], PUZZLE_STATE_SOLVED);
    SetState(*set.GetPuzzles()[3], 5);
    EXPECT_EQ(2, progress->AdvanceToNextPuzzle());
    EXPECT_EQ(-1, progress->GetCurrentPuzzle());
}

} // namespace
