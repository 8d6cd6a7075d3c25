#include "game/puzzle/board/Board.h"

#include "engine/core/Diagnostics.h"

namespace Pemberquill {

namespace {

struct CandidateCell {
    float column;
    float row;
};

// Scheme 2's cells for boards of 5 to 9, by candidate index. Half columns
// centre a shorter row.
const CandidateCell SCHEME_2_CELLS[5][9] = {
    {{0.5f, 1}, {1.5f, 1}, {0, 2}, {1, 2}, {2, 2}},
    {{0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
    {{0.5f, 1}, {1.5f, 1}, {2.5f, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}},
    {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}},
    {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
};

CandidateCell GetScheme2Cell(unsigned boardSize, int candidateIndex)
{
    if (candidateIndex < 0 || candidateIndex >= static_cast<int>(boardSize)) {
        return {0, 0};
    }
    return SCHEME_2_CELLS[boardSize - 5][candidateIndex];
}

// One row of candidates along the bottom of the square.
AABB2 ComputeScheme1Bounds(float e, int candidateIndex)
{
    const float width = 0.9f * e * e;
    const float height = 0.35f * e;
    const float bottom = e - 0.05f * e;
    const float left = 0.05f * e;
    const float c = static_cast<float>(candidateIndex);
    return AABB2(left + c * width, bottom - height, left + (c + 1.0f) * width, bottom);
}

// A grid below the label strip, three cells wide (four for 7 and 8).
AABB2 ComputeScheme2Bounds(float e, unsigned boardSize, int candidateIndex)
{
    const float labelHeight = 0.25f * e;
    const Vector2 areaSize(0.9f * e, (e - labelHeight) - 0.1f * e);
    Vector2 cellSize = areaSize * (1.0f / 3.0f);
    if (boardSize == 7 || boardSize == 8) {
        cellSize.x = 0.9f * e * 0.25f;
    }
    const Vector2 origin = Vector2(0.95f * e, 0.95f * e) - areaSize;
    const CandidateCell cell = GetScheme2Cell(boardSize, candidateIndex);
    const Vector2 mins = origin + Vector2(cell.column * cellSize.x, cell.row * cellSize.y);
    return AABB2(mins, mins + cellSize);
}

} // namespace

AABB2 Board::ComputeBoundsForSquare(unsigned x, unsigned y) const
{
    const float e = m_squareEdge;
    const float left = static_cast<float>(x) * e;
    const float top = static_cast<float>(y) * e;
    return AABB2(left, top, left + e, top + e);
}

AABB2 Board::ComputeBoundsForCageLabelRelativeToSquareMins() const
{
    const float e = m_squareEdge;
    return AABB2(e - 0.95f * e, 0.0f, e, 0.25f * e);
}

AABB2 Board::ComputeBoundsForTopRightBoxRelativeToSquareMins() const
{
    const float e = m_squareEdge;
    return AABB2(0.8f * e, 0.05f * e, 0.95f * e, 0.2f * e);
}

AABB2 Board::ComputeBoundsForCandidateRelativeToSquareMins(int candidateIndex) const
{
    ULVO_ASSERT(m_candidateLayoutScheme == 1 || m_candidateLayoutScheme == 2,
                Stringf("Candidate layout scheme #%d is not yet implemented!", m_candidateLayoutScheme),
                "Board::ComputeBoundsForCandidateRelativeToSquareMins");
    if (m_candidateLayoutScheme == 1 || m_puzzleSize <= 4) {
        return ComputeScheme1Bounds(m_squareEdge, candidateIndex);
    }
    return ComputeScheme2Bounds(m_squareEdge, m_puzzleSize, candidateIndex);
}

AABB2 Board::ComputeBoundsForCandidate(const Square& square, int candidateIndex) const
{
    const Vector2 squareMins(static_cast<float>(square.x) * m_squareEdge, static_cast<float>(square.y) * m_squareEdge);
    return ComputeBoundsForCandidateRelativeToSquareMins(candidateIndex) + squareMins;
}

void Board::GetSquareCoordsAt(const Vector2& point, unsigned& outX, unsigned& outY) const
{
    // Clamped before the conversion, so that no point (however far off or
    // not a number) converts out of range.
    const auto toCell = [this](float coordinate) {
        const float scaled = coordinate * static_cast<float>(m_puzzleSize);
        if (!(scaled >= 1.0f)) {
            return 0u;
        }
        if (scaled >= static_cast<float>(m_puzzleSize - 1)) {
            return m_puzzleSize - 1;
        }
        return static_cast<unsigned>(scaled);
    };
    outX = toCell(point.x);
    outY = toCell(point.y);
}

int Board::GetCandidateAt(const Vector2& point) const
{
    unsigned x = 0;
    unsigned y = 0;
    GetSquareCoordsAt(point, x, y);
    const Square& square = GetSquare(x, y);
    for (int c = 0; c < static_cast<int>(m_puzzleSize); ++c) {
        if (ComputeBoundsForCandidate(square, c).IsPointInside(point)) {
            return c;
        }
    }
    return -1;
}

} // namespace Pemberquill
