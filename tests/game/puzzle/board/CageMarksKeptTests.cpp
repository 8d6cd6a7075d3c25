// The board keeps each visible cage's automatic solution marks while its
// values and candidates stay the same. A cage whose solutions are generated
// again keeps the storage and may keep the count of its list, and its marks
// must then follow the new list.
#include "engine/core/Clock.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

TEST(CageMarksKeptTest, MarksFollowASolutionListGeneratedAgainWithTheSameCount)
{
    Clock clock;
    Board board(4, 0, &clock, 1);
    Cage cage;
    cage.index = 0;
    cage.rule = CAGE_RULE_ADDITION;
    cage.target = 5;
    cage.squares = {&board.GetSquare(0, 0), &board.GetSquare(1, 0)};
    for (Square* square : cage.squares) {
        square->cageIndex = 0;
    }
    board.GetCages().push_back(cage);
    Cage& inBoard = board.GetCages().front();
    inBoard.GenerateSolutions(4, false);
    const std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
    board.SetProgress(progress.get());

    // 1+4 and 2+3: both fit two squares of one row.
    board.UpdateCageSolutions();
    ASSERT_EQ(2u, inBoard.solutions.size());
    EXPECT_FALSE(progress->IsSolutionAutoEliminated(0, 0));
    EXPECT_FALSE(progress->IsSolutionAutoEliminated(0, 1));

    // 2+4 and 3+3: a repeated value cannot sit twice in one row.
    inBoard.target = 6;
    inBoard.GenerateSolutions(4, false);
    board.UpdateCageSolutions();
    ASSERT_EQ(2u, inBoard.solutions.size());
    EXPECT_FALSE(progress->IsSolutionAutoEliminated(0, 0));
    EXPECT_TRUE(progress->IsSolutionAutoEliminated(0, 1));

    board.SetProgress(nullptr);
}
