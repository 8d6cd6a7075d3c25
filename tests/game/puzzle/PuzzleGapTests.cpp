// Boundaries of the puzzle set's progress and of the chef's hint across two
// boards.

#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include "PuzzleChefTestSupport.h"
#include "engine/core/Clock.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "tests/support/HandBoard.h"
#include "tests/support/RecordingConsole.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// An index equal to the set's count (left by a set that has since lost a
// puzzle) lies outside it: advancing starts again from the first puzzle.
TEST(PuzzleSetProgressGapTest, AnIndexEqualToTheCountRestartsFromTheTop)
{
    Clock clock;
    std::vector<std::unique_ptr<Puzzle>> puzzles;
    const PuzzleRequest request(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
    for (int i = 0; i < 3; ++i) {
        puzzles.push_back(std::make_unique<Puzzle>(&clock));
        puzzles.back()->SetDescriptor(chef_test::MakeDescriptor(request, 10 + i));
    }
    PuzzleSetProgress progress("Set");
    progress.Load(puzzles);
    puzzles[0]->GetProgress()->SetState(PUZZLE_STATE_SOLVED);

    const struct {
        int current;
        int result;
        int next;
    } cases[] = {{2, 1, -1}, {3, 0, 1}};
    for (const auto& c : cases) {
        progress.SetCurrentPuzzle(c.current);
        EXPECT_EQ(c.result, progress.AdvanceToNextPuzzle()) << c.current;
        EXPECT_EQ(c.next, progress.GetCurrentPuzzle()) << c.current;
    }
}

// Every square its own cage: an Equals cage (whose first step costs
// nothing) or an Even or Odd cage as its answer is (whose first step costs
// more).
enum class Cages { Equals, Parity };

std::unique_ptr<Board> MakeBoard(Clock& clock, unsigned boardIndex, Cages cages)
{
    return testsupport::MakeHandBoard(clock, boardIndex, [cages](unsigned answer) {
        return cages == Cages::Equals ? CAGE_RULE_EQUALS : answer % 2 == 0 ? CAGE_RULE_EVEN : CAGE_RULE_ODD;
    });
}

class TwoBoardHintTest : public ::testing::Test {
protected:
    TwoBoardHintTest() { chef.Startup(&clock); }

    // The hint for a puzzle of the two boards, and which of them (0 or 1) it
    // points at.
    std::pair<StepResult, int> Hint(Cages first, Cages second)
    {
        Puzzle puzzle(&clock);
        std::vector<std::unique_ptr<Board>> boards;
        boards.push_back(MakeBoard(puzzle.GetClock(), 0, first));
        boards.push_back(MakeBoard(puzzle.GetClock(), 1, second));
        puzzle.SetBoards(std::move(boards));
        PuzzleProgress progress("hand");
        puzzle.SetProgress(&progress);
        puzzle.Start();
        const PuzzleStep step = chef.FindNextPuzzleStep(puzzle);
        const int hinted = step.board == puzzle.GetBoards()[1].get() ? 1 : 0;
        puzzle.SetProgress(nullptr);
        return {step.step, hinted};
    }

    chef_test::TemporaryWorkingFolder folder;
    testsupport::RecordingConsole console;
    Clock clock;
    PuzzleChef chef;
};

// The hint takes the board whose next step is the simplest; on a tie the
// first board keeps it.
TEST_F(TwoBoardHintTest, TheLowestComplexityStepWinsAndATieKeepsTheFirstBoard)
{
    const struct {
        Cages first;
        Cages second;
        int stepId;
        int board;
    } cases[] = {{Cages::Parity, Cages::Equals, STEP_ID_SINGLE_SQUARE_CAGE, 1},
                 {Cages::Equals, Cages::Parity, STEP_ID_SINGLE_SQUARE_CAGE, 0},
                 {Cages::Equals, Cages::Equals, STEP_ID_SINGLE_SQUARE_CAGE, 0},
                 {Cages::Parity, Cages::Parity, STEP_ID_ODD_IN_EVEN_CAGE, 0}};
    for (const auto& c : cases) {
        const std::pair<StepResult, int> hint = Hint(c.first, c.second);
        EXPECT_EQ(c.stepId, hint.first.stepId) << &c - cases;
        EXPECT_EQ(c.board, hint.second) << &c - cases;
    }
}

} // namespace
