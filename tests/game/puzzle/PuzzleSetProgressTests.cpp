// The player's record of one puzzle set: attaching, advancing, pages and the
// saved record.
#include "game/puzzle/PuzzleSetProgress.h"

#include "PuzzleChefTestSupport.h"
#include "PuzzleTestSupport.h"
#include "engine/core/Clock.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/Puzzle.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace chef_test;
using puzzle_test::LoadedStream;
using puzzle_test::WriteRecord;

namespace {

class PuzzleSetProgressTest : public ::testing::Test {
protected:
    // Puzzles with seeds 10, 11, ... numbered in the set from 1.
    void MakePuzzles(int count)
    {
        const PuzzleRequest request(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
        for (int i = 0; i < count; ++i) {
            auto puzzle = std::make_unique<Puzzle>(&clock);
            puzzle->SetDescriptor(MakeDescriptor(request, 10 + i));
            puzzle->SetNumberInSet(i + 1);
            puzzles.push_back(std::move(puzzle));
        }
    }

    static std::string IdOf(int seed) { return std::to_string(seed) + "-4x1x0x1"; }

    std::vector<std::string> IdsOf(const PuzzleSetProgress& progress) const
    {
        std::vector<std::string> ids;
        for (const std::unique_ptr<PuzzleProgress>& puzzleProgress : progress.GetPuzzleProgresses()) {
            ids.push_back(puzzleProgress->GetPuzzleID());
        }
        return ids;
    }

    Clock clock;
    std::vector<std::unique_ptr<Puzzle>> puzzles;
};

TEST_F(PuzzleSetProgressTest, ARecordKeepsOnlySeenPuzzlesAndLoadMakesTheRestAgain)
{
    MakePuzzles(5);
    PuzzleSetProgress saved("Ocean 1");
    saved.Load(puzzles);
    puzzles[0]->GetProgress()->SetState(PUZZLE_STATE_SOLVED);
    puzzles[2]->GetProgress()->SetState(PUZZLE_STATE_SEEN);
    puzzles[4]->GetProgress()->SetState(5);
    saved.SetPlayerState(8);
    saved.SetCurrentPuzzle(2);

    for (ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_BINARY}) {
        LoadedStream stream(WriteRecord(saved, format));
        PuzzleSetProgress read(*stream);
        EXPECT_EQ("Ocean 1", read.GetSetID());
        EXPECT_EQ(8, read.GetPlayerState());
        EXPECT_EQ(2, read.GetCurrentPuzzle());
        EXPECT_EQ((std::vector<std::string>{IdOf(10), IdOf(12), IdOf(14)}), IdsOf(read)) << format;

        read.Load(puzzles);
        EXPECT_EQ((std::vector<std::string>{IdOf(10), IdOf(11), IdOf(12), IdOf(13), IdOf(14)}), IdsOf(read));
        EXPECT_EQ(PUZZLE_STATE_SOLVED, puzzles[0]->GetProgress()->GetState());
        EXPECT_EQ(PUZZLE_STATE_NEVER_SEEN, puzzles[1]->GetProgress()->GetState());
        EXPECT_EQ(PUZZLE_STATE_SEEN, puzzles[2]->GetProgress()->GetState());
        EXPECT_EQ(5, puzzles[4]->GetProgress()->GetState());
        saved.Load(puzzles); // back to the records the states above were set on
    }
}

TEST_F(PuzzleSetProgressTest, TheTextRecordIsPinned)
{
    MakePuzzles(2);
    PuzzleSetProgress progress("Canyon");
    progress.Load(puzzles);
    puzzles[1]->GetProgress()->SetState(PUZZLE_STATE_SEEN);
    progress.SetPlayerState(3);
    progress.SetCurrentPuzzle(1);

    const std::string text = WriteRecord(progress, RESOURCE_STREAM_FORMAT_TEXT);
    const std::string expectedStart = "\r\n// PuzzleSet progress data (for puzzleSetID \"Canyon\")\r\n"
                                      "{\r\n"
                                      "\t2 // Version\r\n"
                                      "\t\"Canyon\" // Puzzle set ID string\r\n"
                                      "\t1 // Index of current puzzle in puzzle set (if any)\r\n"
                                      "\t0 // Page of puzzles last viewed when satisfied.\r\n"
                                      "\t0 // Page of puzzles last viewed when satisfied.\r\n"
                                      "\t0 // Page of puzzles last viewed when satisfied.\r\n"
                                      "\t3 // Enumeration of whether the set is hidden, visible, locked, unlocked, etc.)\r\n"
                                      "\t1 // Number of (non-empty) puzzle progresses in set to follow\r\n";
    EXPECT_EQ(expectedStart, text.substr(0, expectedStart.size()));
    EXPECT_NE(std::string::npos, text.find("(for puzzleID \"11-4x1x0x1\")"));
    EXPECT_EQ(std::string::npos, text.find("10-4x1x0x1"));
}

TEST_F(PuzzleSetProgressTest, AdvancingSkipsSolvedPuzzlesAndReportsWhatIsLeft)
{
    MakePuzzles(4);
    PuzzleSetProgress progress("Set");
    progress.Load(puzzles);
    EXPECT_EQ(0, progress.GetCurrentPuzzle()) << "a new progress starts at zero";
    puzzles[1]->GetProgress()->SetState(PUZZLE_STATE_SOLVED);
    puzzles[2]->GetProgress()->SetState(4);

    EXPECT_EQ(0, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(3, progress.GetCurrentPuzzle());
    EXPECT_EQ(1, progress.AdvanceToNextPuzzle()) << "puzzles 0 and 3 are unsolved";
    EXPECT_EQ(-1, progress.GetCurrentPuzzle());
    EXPECT_EQ(0, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(0, progress.GetCurrentPuzzle());

    puzzles[0]->GetProgress()->SetState(PUZZLE_STATE_SOLVED);
    puzzles[3]->GetProgress()->SetState(5);
    EXPECT_EQ(2, progress.AdvanceToNextPuzzle());
    EXPECT_EQ(-1, progress.GetCurrentPuzzle());

    progress.SetCurrentPuzzle(40); // left over from a larger set
    EXPECT_EQ(2, progress.AdvanceToNextPuzzle());
}

TEST_F(PuzzleSetProgressTest, PagesAreRememberedOnlyOnceSatisfied)
{
    MakePuzzles(30);
    PuzzleSetRanges ranges;
    ranges[PUZZLE_SET_RANGE_HOMEWORK] = {0, 3};
    ranges[PUZZLE_SET_RANGE_UNLOCK] = {3, 4};
    ranges[PUZZLE_SET_RANGE_EASY] = {4, 10};
    ranges[PUZZLE_SET_RANGE_MEDIUM] = {10, 22};
    ranges[PUZZLE_SET_RANGE_HARD] = {22, 30};
    PuzzleSetProgress progress("Set");
    const Puzzle* twentieth = puzzles[19].get();

    progress.SetPlayerState(PUZZLE_SET_STATE_SATISFIED);
    EXPECT_FALSE(progress.SetPuzzlePageFromPuzzle(twentieth)) << "no ranges linked yet";
    progress.SetRanges(&ranges);

    progress.SetPlayerState(PUZZLE_SET_STATE_SATISFIED - 1);
    EXPECT_FALSE(progress.SetPuzzlePageFromPuzzle(twentieth));
    EXPECT_EQ(0, progress.GetMediumPage());

    progress.SetPlayerState(PUZZLE_SET_STATE_SATISFIED);
    EXPECT_TRUE(progress.SetPuzzlePageFromPuzzle(twentieth));
    EXPECT_EQ(1, progress.GetMediumPage());
    EXPECT_TRUE(progress.SetPuzzlePageFromPuzzle(puzzles[29].get()));
    EXPECT_EQ(0, progress.GetHardPage());
    EXPECT_TRUE(progress.SetPuzzlePageFromPuzzle(puzzles[4].get()));
    EXPECT_EQ(0, progress.GetEasyPage());
    EXPECT_FALSE(progress.SetPuzzlePageFromPuzzle(puzzles[1].get())) << "homework has no pages";
    EXPECT_EQ(1, progress.GetMediumPage());

    try {
        progress.SetPuzzlePageFromPuzzle(nullptr);
        ADD_FAILURE() << "a null puzzle must be refused";
    } catch (const UlvoException& error) {
        EXPECT_NE(std::string::npos, error.GetMessage().find("Unable to set puzzle page from NULL puzzle."));
    }
}

} // namespace
