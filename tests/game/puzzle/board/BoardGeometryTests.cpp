// Where points and candidates fall on a board: out-of-range candidates and
// points that are no numbers at all must still land inside the board.
#include "game/puzzle/board/Board.h"

#include "engine/core/Clock.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Pemberquill;

namespace {

TEST(BoardGeometryTest, PointsMapToTheNearestSquareInside)
{
    Clock clock;
    const Board board(4, 0, &clock, 0);
    const auto coordsAt = [&board](float x, float y) {
        unsigned column = 99;
        unsigned row = 99;
        board.GetSquareCoordsAt(Vector2(x, y), column, row);
        return IntVector2(static_cast<int>(column), static_cast<int>(row));
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const struct {
        float x;
        float y;
        IntVector2 square;
    } cases[] = {
        {1.0f, 1.0f, {3, 3}},  {0.26f, 0.74f, {1, 2}}, {-0.5f, 0.5f, {0, 2}},
        {1e30f, -1e30f, {3, 0}}, {nan, nan, {0, 0}},     {infinity, 0.0f, {3, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.square, coordsAt(c.x, c.y)) << c.x << "," << c.y;
    }
}

TEST(BoardGeometryTest, CandidatesFallInTheirOwnCellsAndAnEdgeBelongsToTheLowerOne)
{
    Clock clock;
    for (unsigned size : {4u, 6u, 9u}) {
        const Board board(size, 0, &clock, 0);
        const Square& square = board.GetSquare(1, size - 1);
        for (int c = 0; c < static_cast<int>(size); ++c) {
            EXPECT_EQ(c, board.GetCandidateAt(board.ComputeBoundsForCandidate(square, c).CalcCenter())) << size;
        }
        const AABB2 first = board.ComputeBoundsForCandidate(square, 0);
        const AABB2 second = board.ComputeBoundsForCandidate(square, 1);
        ASSERT_EQ(first.maxs.x, second.mins.x) << size;
        EXPECT_EQ(0, board.GetCandidateAt(Vector2(first.maxs.x, first.CalcCenter().y))) << size;
    }
}

// Candidates outside the grid take the table's first cell, which on nine
// candidates is candidate 0's own.
TEST(BoardGeometryTest, OutOfRangeCandidatesTakeTheFirstCell)
{
    Clock clock;
    const Board board(9, 0, &clock, 0);
    const Square& square = board.GetSquare(0, 0);
    const AABB2 first = board.ComputeBoundsForCandidate(square, 0);
    for (int outside : {-1, 9}) {
        const AABB2 cell = board.ComputeBoundsForCandidate(square, outside);
        EXPECT_EQ(first.mins, cell.mins) << outside;
        EXPECT_EQ(first.maxs, cell.maxs) << outside;
    }
}

} // namespace
