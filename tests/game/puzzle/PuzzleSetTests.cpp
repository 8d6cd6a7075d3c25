// Puzzle sets: filling from the chef, ranges, pages and satisfaction.
#include "game/puzzle/PuzzleSet.h"

#include "PuzzleChefTestSupport.h"
#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace chef_test;

namespace {

PuzzleRequest SetRequest()
{
    return PuzzleRequest(5, 2, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
}

// Book order and complexity differ: seeds 100 to 109 carry these.
const float SHUFFLED_COMPLEXITIES[] = {5, 2, 9, 0, 7, 1, 8, 3, 6, 4};

PuzzleSetDescriptor MakeSetDescriptor(const std::string& name, int customCount = 0)
{
    PuzzleSetDescriptor descriptor;
    descriptor.name = name;
    descriptor.setID = name;
    descriptor.baseColor = Rgba(10, 20, 30, 40);
    descriptor.backgroundImage = "Reef.png";
    descriptor.request = SetRequest();
    for (int i = 0; i < customCount; ++i) {
        descriptor.descriptors.push_back(MakeDescriptor(SetRequest(), 500 + i, 100.0f - static_cast<float>(i)));
    }
    return descriptor;
}

std::vector<float> ComplexitiesOf(const std::vector<Puzzle*>& puzzles)
{
    std::vector<float> complexities;
    for (const Puzzle* puzzle : puzzles) {
        complexities.push_back(puzzle->GetTotalComplexity());
    }
    return complexities;
}

class PuzzleSetTest : public ::testing::Test {
protected:
    void StartChef(int bookSize)
    {
        std::vector<PuzzleDescriptor> descriptors;
        for (int i = 0; i < bookSize; ++i) {
            descriptors.push_back(MakeDescriptor(SetRequest(), 100 + i, SHUFFLED_COMPLEXITIES[i % 10] + 10.0f * (i / 10)));
        }
        if (bookSize > 0) {
            chef_test::WriteRecipeBook(folder, "set.recipes", SetRequest(), descriptors);
        }
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

TEST_F(PuzzleSetTest, CustomPuzzlesAloneAreHomeworkAndNeverUnlock)
{
    StartChef(0);
    PuzzleSetDescriptor descriptor = MakeSetDescriptor("Tutorial Bay", 2);
    descriptor.descriptors[1].SetUnlockPuzzle(true);

    PuzzleSet set(descriptor, &clock, chef);

    ASSERT_EQ(2u, set.GetPuzzles().size());
    EXPECT_EQ(descriptor.descriptors[0].GetPuzzleID(), set.GetPuzzles()[0]->GetPuzzleID());
    EXPECT_EQ(descriptor.descriptors[1].GetPuzzleID(), set.GetPuzzles()[1]->GetPuzzleID());
    EXPECT_FALSE(set.GetPuzzles()[1]->IsUnlockPuzzle());
    EXPECT_EQ(nullptr, set.GetUnlockPuzzle());
    EXPECT_EQ((PuzzleSetRange{0, 2}), set.GetRanges()[PUZZLE_SET_RANGE_HOMEWORK]);
    for (int range = PUZZLE_SET_RANGE_UNLOCK; range < NUM_PUZZLE_SET_RANGES; ++range) {
        EXPECT_EQ(0, set.GetRanges()[static_cast<size_t>(range)].GetCount());
    }
    EXPECT_TRUE(set.HasCustomPuzzles());
    EXPECT_EQ(1, set.GetLastCustomIndex());
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

    PuzzleSet custom(MakeSetDescriptor("Beyond", 3), &clock);
    LinkProgress(custom);
    SetState(*custom.GetPuzzles()[0], PUZZLE_STATE_SOLVED);
    SetState(*custom.GetPuzzles()[1], 5);
    EXPECT_FALSE(custom.IsNewlySatisfied());
    SetState(*custom.GetPuzzles()[2], 4);
    EXPECT_TRUE(custom.IsNewlySatisfied());
}

} // namespace
