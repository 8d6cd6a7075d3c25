#include "game/puzzle/board/Board.h"

#include "engine/core/Clock.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/board/BoardProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

// Adds a cage of the given squares to the board, with its index and key square.
Cage& AddCage(Board& board, int rule, int color, std::initializer_list<std::pair<unsigned, unsigned>> squares)
{
    Cage cage;
    cage.index = static_cast<int>(board.GetCages().size());
    cage.rule = rule;
    cage.color = color;
    for (const auto& [x, y] : squares) {
        Square& square = board.GetSquare(x, y);
        square.cageIndex = cage.index;
        cage.squares.push_back(&square);
    }
    cage.FindTopLeftSquare();
    board.GetCages().push_back(cage);
    return board.GetCages().back();
}

class BoardTest : public ::testing::Test {
protected:
    Clock m_clock;
};

TEST_F(BoardTest, OnlyBoardsOfOneToNineRowsExist)
{
    EXPECT_THROW(Board(0, 0, &m_clock, 0), UlvoException);
    EXPECT_THROW(Board(10, 0, &m_clock, 0), UlvoException);
    EXPECT_NO_THROW(Board(9, 0, &m_clock, 0));
}

TEST_F(BoardTest, LookupsRefuseTheColumnOrRowEqualToTheSize)
{
    Board board(4, 0, &m_clock, 0);
    EXPECT_THROW(board.GetSquare(4, 0), UlvoException);
    EXPECT_THROW(board.GetSquare(0, 4), UlvoException);
    try {
        board.GetCageFromSquare(4, 0);
        FAIL() << "no error raised";
    } catch (const UlvoException& error) {
        EXPECT_EQ("Board::GetCageFromSquare", error.GetTitle());
        EXPECT_EQ(0u, error.GetMessage().find("x out of range for puzzle size"));
    }
    EXPECT_THROW(board.GetCageFromSquare(0, 4), UlvoException);
    EXPECT_THROW(board.GetSquareValue(2, 4), UlvoException);
    EXPECT_THROW(board.CanPlaceSolutionValue(4, 0, 1), UlvoException);
    EXPECT_FALSE(board.IsInside(4, 0));
    EXPECT_FALSE(board.IsInside(-1, 0));
    EXPECT_TRUE(board.IsInside(3, 3));
}

TEST_F(BoardTest, LatinSquareTest)
{
    Board board(3, 0, &m_clock, 0);
    board.GetSquare(0, 2).solutionValue = 2;
    board.GetSquare(2, 1).solutionValue = 3;
    EXPECT_FALSE(board.CanPlaceSolutionValue(0, 0, 2)); // same column
    EXPECT_FALSE(board.CanPlaceSolutionValue(1, 1, 3)); // same row
    EXPECT_TRUE(board.CanPlaceSolutionValue(1, 1, 2));
    EXPECT_TRUE(board.CanPlaceSolutionValue(1, 0, 1));
}

TEST_F(BoardTest, SolvedWhenEveryValueIsItsAnswer)
{
    Board board(2, 0, &m_clock, 0);
    const unsigned answers[] = {1, 2, 2, 1};
    for (size_t i = 0; i < 4; ++i) {
        board.GetSquares()[i].solutionValue = answers[i];
    }
    BoardProgress progress(2, 0u);
    board.SetProgress(&progress);
    EXPECT_FALSE(board.IsSolutionGridValid());
    for (const Square& square : board.GetSquares()) {
        progress.SetValue(square, square.solutionValue);
    }
    EXPECT_TRUE(board.IsSolutionGridValid());
    EXPECT_EQ(2u, board.GetSquareValue(1, 0));
    progress.SetValue(board.GetSquare(1, 1), 2);
    EXPECT_FALSE(board.IsSolutionGridValid());
}

TEST_F(BoardTest, NewProgressColoursTheKeySquares)
{
    Board board(3, 0, &m_clock, 0);
    AddCage(board, CAGE_RULE_ADDITION, 4, {{1, 1}, {0, 1}, {0, 2}});
    AddCage(board, CAGE_RULE_EQUALS, 2, {{2, 2}});
    const std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
    EXPECT_EQ(3u, progress->GetSize());
    EXPECT_EQ(2u, progress->GetNumberOfCages());
    EXPECT_EQ(4, progress->GetColorIndex(board.GetSquare(0, 1)));
    EXPECT_EQ(-1, progress->GetColorIndex(board.GetSquare(1, 1)));
    EXPECT_EQ(2, progress->GetColorIndex(board.GetSquare(2, 2)));
    EXPECT_EQ(0u, progress->GetValue(board.GetSquare(2, 2)));
    EXPECT_TRUE(progress->HasChanged());
}

} // namespace
