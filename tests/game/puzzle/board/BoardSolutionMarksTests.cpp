// The automatic solution marks of boards whose cages are shown: which
// solutions the candidates and placed values still allow.
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// 1234 / 3412 / 2143 / 4321. The cages need not be connected here: only
// their squares' lines matter.
const std::vector<std::string> ANSWER = {"1234", "3412", "2143", "4321"};

enum CageId { ROW_PAIR, SCATTERED_ONES, SCATTERED_PAIR, CROSSED_PAIR, COLUMN_PAIR };

std::vector<CageSpec> Cages()
{
    return {
        {CAGE_RULE_ADDITION, {{0, 0}, {2, 0}}},         // 1 + 3: "1+3=4", "2+2=4"
        {CAGE_RULE_ADDITION, {{2, 1}, {1, 2}}},         // 1 + 1: "1+1=2"
        {CAGE_RULE_ADDITION, {{0, 2}, {1, 1}}},         // 2 + 4: "2+4=6", "3+3=6"
        {CAGE_RULE_ADDITION, {{1, 0}, {0, 1}}},         // 2 + 3: "1+4=5", "2+3=5"
        {CAGE_RULE_ADDITION, {{3, 0}, {3, 1}}},         // 4 + 2: "2+4=6", "3+3=6"
    };
}

class BoardSolutionMarksTest : public ::testing::Test {
protected:
    BoardSolutionMarksTest() : play(ANSWER, Cages()) { board.UpdateCageSolutions(); }

    bool IsOut(CageId cage, const std::string& description) const
    {
        const int index = play.SolutionIndex(cage, description);
        EXPECT_GE(index, 0) << description;
        return play.IsAutoOut(cage, index);
    }

    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardSolutionMarksTest, ACageInOneLineRejectsRepeatedValues)
{
    EXPECT_TRUE(IsOut(ROW_PAIR, "2+2=4"));
    EXPECT_FALSE(IsOut(ROW_PAIR, "1+3=4"));
    EXPECT_TRUE(IsOut(COLUMN_PAIR, "3+3=6"));
    EXPECT_FALSE(IsOut(COLUMN_PAIR, "2+4=6"));

    EXPECT_FALSE(IsOut(SCATTERED_ONES, "1+1=2")) << "squares in different lines may repeat a value";
    EXPECT_FALSE(IsOut(SCATTERED_PAIR, "3+3=6"));
}

TEST_F(BoardSolutionMarksTest, APlacedValueRulesOutTheSolutionsWithoutIt)
{
    board.SetSquareValue(play.At(0, 1), 3, false, false);
    EXPECT_TRUE(IsOut(CROSSED_PAIR, "1+4=5"));
    EXPECT_FALSE(IsOut(CROSSED_PAIR, "2+3=5"));

    board.SetSquareValue(play.At(0, 1), 0, false, false);
    EXPECT_FALSE(IsOut(CROSSED_PAIR, "1+4=5"));
}

TEST_F(BoardSolutionMarksTest, AFilledCageKeepsItsTrueSolutionOpen)
{
    board.SetSquareValue(play.At(3, 0), 4, false, false);
    EXPECT_FALSE(play.IsOpen(3, 1, 4));
    EXPECT_FALSE(IsOut(COLUMN_PAIR, "2+4=6")) << "the placed 4 counts although no empty square can take it";

    board.SetSquareValue(play.At(3, 1), 2, false, false);
    EXPECT_FALSE(IsOut(COLUMN_PAIR, "2+4=6"));
    EXPECT_TRUE(IsOut(COLUMN_PAIR, "3+3=6"));
}

TEST_F(BoardSolutionMarksTest, ASolutionNeedsEachOfItsValuesOpenSomewhereInTheCage)
{
    board.ToggleCandidate(play.At(1, 0), 1, false);
    EXPECT_FALSE(IsOut(CROSSED_PAIR, "1+4=5")) << "1 is still open in the other square";
    board.ToggleCandidate(play.At(0, 1), 1, false);
    EXPECT_TRUE(IsOut(CROSSED_PAIR, "1+4=5"));
    EXPECT_FALSE(IsOut(CROSSED_PAIR, "2+3=5"));

    board.Undo();
    EXPECT_FALSE(IsOut(CROSSED_PAIR, "1+4=5"));
}

TEST_F(BoardSolutionMarksTest, ValuesPlacedElsewhereRuleOutThroughTheirEliminations)
{
    // A 4 in row 1 and column 1 leaves no square of the cage able to hold 4.
    board.SetSquareValue(play.At(1, 1), 4, false, false);
    EXPECT_TRUE(IsOut(CROSSED_PAIR, "1+4=5"));

    settings.useAutoElimination = false;
    board.RecomputeAutoEliminations();
    board.UpdateCageSolutions();
    EXPECT_FALSE(IsOut(CROSSED_PAIR, "1+4=5"));
}

TEST_F(BoardSolutionMarksTest, MarksWaitWhileRecordingIsSuppressed)
{
    board.SetMoveRecordingSuppressed(true);
    board.SetSquareValue(play.At(0, 1), 3, false, false);
    EXPECT_FALSE(IsOut(CROSSED_PAIR, "1+4=5"));

    board.SetMoveRecordingSuppressed(false);
    board.UpdateCageSolutions();
    EXPECT_TRUE(IsOut(CROSSED_PAIR, "1+4=5"));
}

} // namespace
