// The player's record of one puzzle set: loading and advancing. The pages
// are followed through the campaign's locations.
#include "game/puzzle/PuzzleSetProgress.h"

#include "PuzzleChefTestSupport.h"
#include "PuzzleTestSupport.h"
#include "engine/core/Clock.h"
#include "game/puzzle/Puzzle.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

class PuzzleSetProgressTest : public ::testing::Test {
protected:
    // Puzzles with seeds 10, 11, ... numbered in the set from 1.
    void MakePuzzles(int count)
    {
        const PuzzleRequest request(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
        for (int i = 0; i < count; ++i) {
            puzzles.push_back(std::make_unique<Puzzle>(&clock));
            puzzles.back()->SetDescriptor(chef_test::MakeDescriptor(request, 10 + i));
            puzzles.back()->SetNumberInSet(i + 1);
        }
    }

    void SetState(size_t puzzle, int state) { puzzles[puzzle]->GetProgress()->SetState(state); }

    Clock clock;
    std::vector<std::unique_ptr<Puzzle>> puzzles;
};

TEST_F(PuzzleSetProgressTest, LoadingMakesAgainThePuzzlesTheRecordLeftOut)
{
    MakePuzzles(3);
    PuzzleSetProgress saved("Ocean 1");
    saved.Load(puzzles);
    SetState(0, PUZZLE_STATE_SOLVED);
    SetState(2, 5);
    puzzle_test::LoadedStream stream(puzzle_test::WriteRecord(saved, RESOURCE_STREAM_FORMAT_BINARY));
    PuzzleSetProgress read(*stream);
    ASSERT_EQ(2u, read.GetPuzzleProgresses().size()) << "only puzzles the player has seen";

    read.Load(puzzles);
    ASSERT_EQ(3u, read.GetPuzzleProgresses().size());
    EXPECT_EQ("11-4x1x0x1", read.GetPuzzleProgresses()[1]->GetPuzzleID());
    EXPECT_EQ(PUZZLE_STATE_SOLVED, puzzles[0]->GetProgress()->GetState());
    EXPECT_EQ(PUZZLE_STATE_NEVER_SEEN, puzzles[1]->GetProgress()->GetState());
    EXPECT_EQ(5, puzzles[2]->GetProgress()->GetState());
}

// Advancing skips solved and graded puzzles, wraps to the top, and returns
// 0 (one left), 1 (moved on) or 2 (none left); -1 as the current puzzle means
// none. An index at or past the count (a set that has since lost puzzles)
// starts again from the top.
TEST_F(PuzzleSetProgressTest, AdvancingSkipsSolvedPuzzlesAndReportsWhatIsLeft)
{
    MakePuzzles(4);
    PuzzleSetProgress progress("Set");
    progress.Load(puzzles);
    EXPECT_EQ(0, progress.GetCurrentPuzzle());
    SetState(1, PUZZLE_STATE_SOLVED);
    SetState(2, 4);
    const struct {
        int current;
        int result;
        int next;
    } cases[] = {{0, 0, 3}, {3, 1, -1}, {-1, 0, 0}, {4, 0, 0}, {40, 0, 0}};
    for (const auto& c : cases) {
        progress.SetCurrentPuzzle(c.current);
        EXPECT_EQ(c.result, progress.AdvanceToNextPuzzle()) << c.current;
        EXPECT_EQ(c.next, progress.GetCurrentPuzzle()) << c.current;
    }
    SetState(0, PUZZLE_STATE_SOLVED);
    SetState(3, 5);
    EXPECT_EQ(2, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(-1, progress.GetCurrentPuzzle());
}

} // namespace
