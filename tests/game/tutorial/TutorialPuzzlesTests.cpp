#include "game/tutorial/TutorialPuzzles.h"

#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SilentConsole.h"

#include <gtest/gtest.h>


using namespace Pemberquill;

namespace {

class TutorialPuzzlesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chef.Startup(&clock);
        chef.SetPalette(GetTutorialPalette());
    }

    ServedPuzzle Build(int puzzleID)
    {
        return CreateCustomPuzzle(chef, &clock, *GetTutorialPuzzleDefinition(puzzleID));
    }

    UlvoEventSystem events;
    testsupport::SilentConsole console;
    testsupport::ScopedDataFolder data;
    Clock clock;
    PuzzleChef chef;
};

TEST_F(TutorialPuzzlesTest, EachPuzzleHasTheTargetsAndAnswersTheLessonsName)
{
    const struct {
        int puzzleID;
        std::vector<int> targets; // -1: a rule without a target
        bool isSolvable;
    } rows[] = {
        {INSTRUCTOR_PUZZLE_WHOLE_BOARD, {-1}, false},
        {INSTRUCTOR_PUZZLE_CAGES, {-1, -1, -1, -1, -1, -1, -1, -1}, false},
        {INSTRUCTOR_PUZZLE_RULES, {2, 5, 4, 1, 12, 36, -1, 3}, true},
        {INSTRUCTOR_PUZZLE_SINGLE_SQUARE, {1}, true},
        {INSTRUCTOR_PUZZLE_DIVISION_AND_STRAIGHT, {4, 2, 3, 1, 6, 4, -1, 7}, true},
    };
    for (const auto& row : rows) {
        ServedPuzzle served = Build(row.puzzleID);
        const Board& board = *served.puzzle->GetBoards()[0];
        const TutorialPuzzleDefinition& definition = *GetTutorialPuzzleDefinition(row.puzzleID);
        ASSERT_EQ(board.GetCages().size(), row.targets.size()) << "puzzle " << row.puzzleID;
        for (size_t i = 0; i < row.targets.size(); ++i) {
            const Cage& cage = board.GetCages()[i];
            if (row.targets[i] >= 0) {
                EXPECT_EQ(cage.target, row.targets[i]) << "puzzle " << row.puzzleID << " cage " << i;
            }
            EXPECT_EQ(cage.color, definition.cageRules[i].second);
            if ((cage.rule & ARITHMETIC_CAGE_RULES_MASK) != 0) {
                EXPECT_FALSE(cage.solutions.empty()) << "puzzle " << row.puzzleID << " cage " << i;
            }
        }
        for (size_t i = 0; i < definition.squareValues.size(); ++i) {
            EXPECT_EQ(static_cast<int>(board.GetSquares()[i].solutionValue), definition.squareValues[i]) << i;
        }
        EXPECT_EQ(chef.SolvePuzzle(*served.puzzle).isSolvable, row.isSolvable) << "puzzle " << row.puzzleID;
    }
}

TEST_F(TutorialPuzzlesTest, AnAnswerOutsideOneToTheSizeIsRejected)
{
    for (int badValue : {0, -1, 5}) {
        TutorialPuzzleDefinition definition = *GetTutorialPuzzleDefinition(INSTRUCTOR_PUZZLE_RULES);
        definition.squareValues[6] = badValue;
        const auto error = testsupport::CatchUlvoException([&] { CreateCustomPuzzle(chef, &clock, definition); });
        EXPECT_EQ(error.message.rfind(Stringf("Illegal square value %d in 4-sized puzzle (at 2,1)\n", badValue), 0), 0u)
            << error.message;
    }
}

} // namespace
