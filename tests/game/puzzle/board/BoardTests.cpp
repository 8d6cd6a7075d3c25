#include "game/puzzle/board/Board.h"

#include "engine/core/Clock.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/board/BoardProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

std::vector<Rgba> Greys(int count)
{
    std::vector<Rgba> palette;
    for (int i = 0; i < count; ++i) {
        palette.emplace_back(i, i, i, 255);
    }
    return palette;
}

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

TEST_F(BoardTest, SquaresAreBuiltRowByRow)
{
    Board board(4, 1, &m_clock, 77);
    EXPECT_EQ(4u, board.GetSize());
    EXPECT_EQ(1u, board.GetBoardIndex());
    EXPECT_EQ(77u, board.GetSeed());
    EXPECT_FLOAT_EQ(0.25f, board.GetSquareEdge());
    ASSERT_EQ(16u, board.GetSquares().size());
    const Square& square = board.GetSquares()[6];
    EXPECT_EQ(2u, square.x);
    EXPECT_EQ(1u, square.y);
    EXPECT_EQ(&square, &board.GetSquare(2, 1));
    EXPECT_EQ(0u, square.solutionValue);
    EXPECT_EQ(-1, square.cageIndex);
    EXPECT_FLOAT_EQ(0.5f, square.bounds.mins.x);
    EXPECT_FLOAT_EQ(0.25f, square.bounds.mins.y);
    EXPECT_FLOAT_EQ(0.75f, square.bounds.maxs.x);
    EXPECT_FLOAT_EQ(0.5f, square.bounds.maxs.y);
}

TEST_F(BoardTest, OnlyBoardsOfOneToNineRowsExist)
{
    EXPECT_THROW(Board(0, 0, &m_clock, 0), UlvoException);
    EXPECT_THROW(Board(10, 0, &m_clock, 0), UlvoException);
    EXPECT_NO_THROW(Board(9, 0, &m_clock, 0));
}

TEST_F(BoardTest, BoardClockRunsBelowItsParent)
{
    const Board board(3, 0, &m_clock, 0);
    m_clock.Advance(0.5);
    EXPECT_DOUBLE_EQ(0.5, board.GetClock().GetTime());
    EXPECT_EQ(&m_clock, board.GetClock().GetParent());
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

TEST_F(BoardTest, CageLookups)
{
    Board board(3, 0, &m_clock, 0);
    EXPECT_EQ(nullptr, board.GetCageFromSquare(0, 0));
    Cage& cage = AddCage(board, CAGE_RULE_ADDITION, 1, {{1, 1}, {2, 1}});
    EXPECT_EQ(&cage, board.GetCageFromSquare(2, 1));
    EXPECT_EQ(&cage, board.GetCage(0));
    EXPECT_EQ(nullptr, board.GetCage(1));
    EXPECT_EQ(nullptr, board.GetCage(-1));

    unsigned x = 99;
    unsigned y = 99;
    ASSERT_TRUE(board.FindSquareWithoutCage(x, y));
    EXPECT_EQ(0u, x);
    EXPECT_EQ(0u, y);
    EXPECT_TRUE(board.HasUncagedNeighbour(1, 1));

    board.ClearCages();
    EXPECT_TRUE(board.GetCages().empty());
    EXPECT_EQ(-1, board.GetSquare(2, 1).cageIndex);
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

TEST_F(BoardTest, SolvedProgressHoldsEveryAnswerAndCageColour)
{
    Board board(2, 0, &m_clock, 0);
    const unsigned answers[] = {1, 2, 2, 1};
    for (size_t i = 0; i < 4; ++i) {
        board.GetSquares()[i].solutionValue = answers[i];
    }
    AddCage(board, CAGE_RULE_ADDITION, 3, {{0, 0}, {1, 0}, {0, 1}});
    const std::unique_ptr<BoardProgress> progress = board.CreateProgress(true);
    board.SetProgress(progress.get());
    EXPECT_TRUE(board.IsSolutionGridValid());
    EXPECT_EQ(3, progress->GetColorIndex(board.GetSquare(1, 0)));
    EXPECT_EQ(-1, progress->GetColorIndex(board.GetSquare(1, 1))); // no cage
}

TEST_F(BoardTest, SmallPalettesGiveWayToTheBuiltInColours)
{
    Board board(4, 0, &m_clock, 10);
    board.SetCustomColors(Greys(4));
    ASSERT_EQ(7u, board.GetPalette().size());
    EXPECT_EQ(Rgba(255, 255, 92, 255), board.GetPalette()[0]);
    EXPECT_EQ(Rgba(160, 255, 160, 255), board.GetPalette()[6]);
    // Seed 10: 10 mod 7 = 3 takes the last choice, then 10 mod 6 = 4 does.
    EXPECT_EQ((std::vector<unsigned>{0, 1, 2, 6, 5}), board.GetColorChoices());
}

TEST_F(BoardTest, SeedPicksFiveColourChoices)
{
    Board fiveColours(4, 0, &m_clock, 123);
    fiveColours.SetCustomColors(Greys(5));
    EXPECT_EQ((std::vector<unsigned>{0, 1, 2, 3, 4}), fiveColours.GetColorChoices());
    EXPECT_EQ(Rgba(3, 3, 3, 255), fiveColours.GetPalette()[3]);

    Board nineColours(4, 0, &m_clock, 7);
    nineColours.SetCustomColors(Greys(9));
    EXPECT_EQ(9u, nineColours.GetPalette().size());
    EXPECT_EQ((std::vector<unsigned>{6, 5, 2, 3, 4}), nineColours.GetColorChoices());

    nineColours.SetCustomColors(Greys(9));
    EXPECT_EQ((std::vector<unsigned>{6, 5, 2, 3, 4}), nineColours.GetColorChoices());
}

TEST_F(BoardTest, ColoursFallBackToTheDefault)
{
    Board board(3, 0, &m_clock, 0);
    board.SetCustomColors(Greys(6));
    const Rgba defaultColor(200, 200, 200, 255);
    EXPECT_EQ(defaultColor, board.GetPaletteColor(-1));
    EXPECT_EQ(defaultColor, board.GetPaletteColor(6));
    EXPECT_EQ(Rgba(5, 5, 5, 255), board.GetPaletteColor(5));

    Cage& uncoloured = AddCage(board, CAGE_RULE_ADDITION, -1, {{0, 0}, {1, 0}});
    EXPECT_EQ(defaultColor, board.GetCageColor(uncoloured));
    EXPECT_EQ(defaultColor, board.GetCageColor(-1));
    AddCage(board, CAGE_RULE_EQUALS, 2, {{2, 2}});
    EXPECT_EQ(Rgba(2, 2, 2, 255), board.GetCageColor(1));
    EXPECT_EQ(Rgba(2, 2, 2, 255), board.GetSquareCageColor(board.GetSquare(2, 2)));
    EXPECT_EQ(defaultColor, board.GetSquareCageColor(board.GetSquare(1, 1)));

    BoardProgress progress(3, 2u);
    board.SetProgress(&progress);
    EXPECT_EQ(defaultColor, board.GetSquareColor(board.GetSquare(1, 1)));
    progress.SetColorIndex(board.GetSquare(1, 1), 4);
    EXPECT_EQ(Rgba(4, 4, 4, 255), board.GetSquareColor(board.GetSquare(1, 1)));
}

TEST(DirectionOffsetTest, FourDirectionsAndNothingElse)
{
    EXPECT_EQ(IntVector2(1, 0), GetDirectionOffset(0));
    EXPECT_EQ(IntVector2(0, -1), GetDirectionOffset(1));
    EXPECT_EQ(IntVector2(-1, 0), GetDirectionOffset(2));
    EXPECT_EQ(IntVector2(0, 1), GetDirectionOffset(3));
    EXPECT_EQ(IntVector2(0, 0), GetDirectionOffset(4));
    EXPECT_EQ(IntVector2(0, 0), GetDirectionOffset(-1));
}

} // namespace
