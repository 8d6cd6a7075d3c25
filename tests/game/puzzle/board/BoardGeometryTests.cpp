#include "game/puzzle/board/Board.h"

#include "engine/core/Clock.h"
#include "engine/core/UlvoException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Pemberquill;

namespace {

constexpr float TOLERANCE = 1e-6f;

void ExpectBox(const AABB2& box, float minX, float minY, float maxX, float maxY)
{
    EXPECT_NEAR(minX, box.mins.x, TOLERANCE);
    EXPECT_NEAR(minY, box.mins.y, TOLERANCE);
    EXPECT_NEAR(maxX, box.maxs.x, TOLERANCE);
    EXPECT_NEAR(maxY, box.maxs.y, TOLERANCE);
}

class BoardGeometryTest : public ::testing::Test {
protected:
    Clock m_clock;
};

TEST_F(BoardGeometryTest, OneSquareBoard)
{
    const Board board(1, 0, &m_clock, 0);
    ExpectBox(board.GetSquare(0, 0).bounds, 0, 0, 1, 1);
    ExpectBox(board.ComputeBoundsForCageLabelRelativeToSquareMins(), 0.05f, 0, 1, 0.25f);
    ExpectBox(board.ComputeBoundsForTopRightBoxRelativeToSquareMins(), 0.8f, 0.05f, 0.95f, 0.2f);
}

TEST_F(BoardGeometryTest, SchemeOneIsOneRowAlongTheBottom)
{
    Board board(4, 0, &m_clock, 0);
    board.SetCandidateLayoutScheme(1);
    const float e = 0.25f;
    const float w = 0.9f * e * e;
    for (int c = 0; c < 4; ++c) {
        ExpectBox(board.ComputeBoundsForCandidateRelativeToSquareMins(c), 0.05f * e + c * w, 0.95f * e - 0.35f * e,
                  0.05f * e + (c + 1) * w, 0.95f * e);
    }
    ExpectBox(board.ComputeBoundsForCandidateRelativeToSquareMins(0), 0.0125f, 0.15f, 0.06875f, 0.2375f);
}

TEST_F(BoardGeometryTest, SchemeTwoUpToFourIsSchemeOne)
{
    Board board(4, 0, &m_clock, 0);
    ASSERT_EQ(2, board.GetCandidateLayoutScheme());
    Board schemeOne(4, 0, &m_clock, 0);
    schemeOne.SetCandidateLayoutScheme(1);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(schemeOne.ComputeBoundsForCandidateRelativeToSquareMins(c),
                  board.ComputeBoundsForCandidateRelativeToSquareMins(c));
    }
}

struct Cell {
    float column;
    float row;
};

// The box scheme 2 gives a candidate in the given cell of the grid.
void ExpectSchemeTwoCell(const Board& board, int candidate, Cell cell, float cellWidth)
{
    const float e = board.GetSquareEdge();
    const float cellHeight = 0.65f * e / 3.0f;
    const float left = 0.05f * e + cell.column * cellWidth;
    const float top = 0.3f * e + cell.row * cellHeight;
    SCOPED_TRACE(testing::Message() << "N = " << board.GetSize() << ", candidate " << candidate);
    ExpectBox(board.ComputeBoundsForCandidateRelativeToSquareMins(candidate), left, top, left + cellWidth,
              top + cellHeight);
}

TEST_F(BoardGeometryTest, SchemeTwoGrids)
{
    const std::vector<std::vector<Cell>> layouts = {
        {{0.5f, 1}, {1.5f, 1}, {0, 2}, {1, 2}, {2, 2}},
        {{0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
        {{0.5f, 1}, {1.5f, 1}, {2.5f, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}},
        {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}},
        {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
    };
    for (unsigned n = 5; n <= 9; ++n) {
        const Board board(n, 0, &m_clock, 0);
        const float e = board.GetSquareEdge();
        const float cellWidth = (n == 7 || n == 8) ? 0.225f * e : 0.3f * e;
        for (int c = 0; c < static_cast<int>(n); ++c) {
            ExpectSchemeTwoCell(board, c, layouts[n - 5][static_cast<size_t>(c)], cellWidth);
        }
    }
}

TEST_F(BoardGeometryTest, SevenByScheme2CentresThreeOverFour)
{
    const Board board(7, 0, &m_clock, 0);
    const float e = board.GetSquareEdge();
    const AABB2 upperLeft = board.ComputeBoundsForCandidateRelativeToSquareMins(0);
    const AABB2 upperRight = board.ComputeBoundsForCandidateRelativeToSquareMins(2);
    const AABB2 lowerLeft = board.ComputeBoundsForCandidateRelativeToSquareMins(3);
    const AABB2 lowerRight = board.ComputeBoundsForCandidateRelativeToSquareMins(6);
    EXPECT_NEAR(upperLeft.mins.x - lowerLeft.mins.x, lowerRight.maxs.x - upperRight.maxs.x, TOLERANCE);
    EXPECT_NEAR(0.95f * e, lowerRight.maxs.x, TOLERANCE);
    EXPECT_NEAR(0.95f * e, lowerRight.maxs.y, TOLERANCE);
    EXPECT_NEAR(upperLeft.maxs.y, lowerLeft.mins.y, TOLERANCE);
}

TEST_F(BoardGeometryTest, CandidatesOutsideTheTableTakeTheFirstCell)
{
    const Board board(5, 0, &m_clock, 0);
    const float e = board.GetSquareEdge();
    ExpectSchemeTwoCell(board, 5, {0, 0}, 0.3f * e);
    ExpectSchemeTwoCell(board, -1, {0, 0}, 0.3f * e);
}

TEST_F(BoardGeometryTest, UnknownSchemeIsAnAssertion)
{
    Board board(6, 0, &m_clock, 0);
    board.SetCandidateLayoutScheme(3);
    try {
        board.ComputeBoundsForCandidateRelativeToSquareMins(0);
        FAIL() << "no error raised";
    } catch (const UlvoException& error) {
        EXPECT_EQ("Board::ComputeBoundsForCandidateRelativeToSquareMins", error.GetTitle());
        EXPECT_EQ(0u, error.GetMessage().find("Candidate layout scheme #3 is not yet implemented!"));
    }
}

TEST_F(BoardGeometryTest, PointsMapToTheNearestSquareInside)
{
    const Board board(4, 0, &m_clock, 0);
    const auto coordsAt = [&board](float x, float y) {
        unsigned column = 99;
        unsigned row = 99;
        board.GetSquareCoordsAt(Vector2(x, y), column, row);
        return IntVector2(static_cast<int>(column), static_cast<int>(row));
    };
    EXPECT_EQ(IntVector2(3, 3), coordsAt(1.0f, 1.0f));
    EXPECT_EQ(IntVector2(1, 2), coordsAt(0.26f, 0.74f));
    EXPECT_EQ(IntVector2(0, 2), coordsAt(-0.5f, 0.5f));
    EXPECT_EQ(IntVector2(3, 0), coordsAt(1e30f, -1e30f));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(IntVector2(0, 0), coordsAt(nan, nan));
    EXPECT_EQ(IntVector2(3, 0), coordsAt(std::numeric_limits<float>::infinity(), 0.0f));
}

TEST_F(BoardGeometryTest, CandidateUnderThePoint)
{
    const Board board(6, 0, &m_clock, 0);
    const Square& square = board.GetSquare(2, 4);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(c, board.GetCandidateAt(board.ComputeBoundsForCandidate(square, c).CalcCenter()));
    }
    // The label strip holds no candidate.
    EXPECT_EQ(-1, board.GetCandidateAt(square.bounds.mins + Vector2(0.5f, 0.1f) * board.GetSquareEdge()));
}

TEST_F(BoardGeometryTest, ASharedEdgeBelongsToTheLowerCandidate)
{
    const Board board(4, 0, &m_clock, 0);
    const Square& square = board.GetSquare(1, 1);
    const AABB2 first = board.ComputeBoundsForCandidate(square, 0);
    const AABB2 second = board.ComputeBoundsForCandidate(square, 1);
    ASSERT_EQ(first.maxs.x, second.mins.x);
    EXPECT_EQ(0, board.GetCandidateAt(Vector2(first.maxs.x, first.CalcCenter().y)));
}

} // namespace
