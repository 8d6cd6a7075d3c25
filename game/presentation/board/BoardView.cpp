#include "game/presentation/board/BoardView.h"

#include "engine/core/Clock.h"
#include "game/presentation/board/BoardAnimation.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include <algorithm>

namespace Pemberquill {

namespace {

const char* const BOARD_FONT_FACE = "Trebuchet MS";
// Text of this many points or fewer is not legible.
constexpr int MIN_LEGIBLE_FONT_SIZE = 8;
// A board narrower than this shows neither candidates nor cage labels.
constexpr float MIN_DETAILED_BOARD_WIDTH = 200.0f;

// The candidate text size against the candidate box height, for the grid
// layout by board size (index N - 1).
const float GRID_CANDIDATE_FONT_FACTORS[MAX_BOARD_SIZE] = {0.5f, 0.6f, 0.7f, 0.8f, 1.0f, 1.2f, 1.2f, 1.3f, 1.3f};
constexpr float ROW_CANDIDATE_FONT_FACTOR = 0.6f;
constexpr int GRID_CANDIDATE_LAYOUT = 2;

// When each column's squares drop in, in fractions of the row delay.
const float COLUMN_STAGGER[MAX_BOARD_SIZE] = {0.7f, 0.0f, 0.2f, 0.5f, 0.8f, 0.1f, 0.6f, 0.4f, 0.3f};

FontDescriptor BoardFont(float size, bool isItalic)
{
    return FontDescriptor(BOARD_FONT_FACE, static_cast<int>(size), true, isItalic);
}

AABB2 ScaleAboutCentre(const AABB2& box, float factor)
{
    const Vector2 centre = box.CalcCenter();
    const Vector2 half = box.CalcSize() * (0.5f * factor);
    return AABB2(centre - half, centre + half);
}

} // namespace

BoardView::BoardView(Board* boardIn, const AABB2& rectIn) : board(boardIn), rect(rectIn) {}

double BoardView::GetTimeSinceSolved() const
{
    return isSolved ? board->GetClock().GetTime() - solveTimeOnBoardClock : 0.0;
}

void BoardView::UpdateLayout(bool isStaticIn, bool hideCandidates, bool animate)
{
    if (animate) {
        ApplyZoom();
    }
    isStatic = isStaticIn;
    const BoardProgress* progress = board->GetProgress();
    thumbnailTexture = progress != nullptr ? progress->GetThumbnail() : nullptr;
    useThumbnail = isStatic && thumbnailTexture != nullptr;
    if (useThumbnail) {
        return;
    }

    isCageless = board->HasHiddenCages();
    size = board->GetSize();
    invSize = 1.0f / static_cast<float>(size);
    const float e = board->GetSquareEdge();
    rectSize = rect.CalcSize();
    squareSize = rectSize * e;

    candidateRects.clear();
    for (unsigned n = 0; n < size; ++n) {
        candidateRects.push_back(
            board->ComputeBoundsForCandidateRelativeToSquareMins(static_cast<int>(n)).MultiplyComponents(rectSize));
    }
    squareRects.clear();
    for (unsigned row = 0; row < size; ++row) {
        for (unsigned column = 0; column < size; ++column) {
            squareRects.push_back(board->ComputeBoundsForSquare(column, row).MultiplyComponents(rectSize) +
                                  ComputeSquareDrop(column, row));
        }
    }
    candidateSize = candidateRects[0].CalcSize();
    cageLabelBox = board->ComputeBoundsForCageLabelRelativeToSquareMins().MultiplyComponents(rectSize);
    clearBox = board->ComputeBoundsForTopRightBoxRelativeToSquareMins().MultiplyComponents(rectSize);
    UpdateFonts(hideCandidates);
    lineWidth = std::clamp(squareSize.x * 0.02f, 1.0f, 5.0f);
}

void BoardView::UpdateFonts(bool hideCandidates)
{
    valueFont = BoardFont(squareSize.y * 0.75f, isTextItalic);
    showValues = valueFont.GetSize() > MIN_LEGIBLE_FONT_SIZE;

    const float factor = board->GetCandidateLayoutScheme() == GRID_CANDIDATE_LAYOUT
                             ? GRID_CANDIDATE_FONT_FACTORS[size - 1]
                             : ROW_CANDIDATE_FONT_FACTOR;
    candidateFont = BoardFont(candidateSize.y * factor, isTextItalic);
    showCandidates = candidateFont.GetSize() > MIN_LEGIBLE_FONT_SIZE;

    cageLabelFont = BoardFont(cageLabelBox.CalcSize().y, isTextItalic);
    showCageLabels = cageLabelFont.GetSize() > MIN_LEGIBLE_FONT_SIZE;

    if (rectSize.x < MIN_DETAILED_BOARD_WIDTH) {
        showCandidates = false;
        showCageLabels = false;
    }
    if (hideCandidates) {
        showCandidates = false;
    }
}

// Unlock puzzles drop their squares in instead, and nameless (tutorial)
// puzzles stay put.
void BoardView::ApplyZoom()
{
    if (isUnlockPuzzle || hasNoName) {
        return;
    }
    const float scale =
        static_cast<float>(board_animation::ZoomIn(timeSinceShown) * board_animation::Shrink(GetTimeSinceSolved()));
    rect = ScaleAboutCentre(rect, scale);
}

Vector2 BoardView::ComputeSquareDrop(unsigned column, unsigned row) const
{
    if (!isUnlockPuzzle || hasNoName || isThumbnail) {
        return Vector2();
    }
    const double rowDelay = static_cast<double>(size - 1 - row) / size;
    const double stagger = COLUMN_STAGGER[column];
    const double t0 = timeSinceShown;
    const double ts = GetTimeSinceSolved();
    const double dropIn = t0 >= 2.0 ? 1.0 : board_animation::Squared01(t0 - rowDelay * 0.5 - stagger * 0.5 / size);
    double fallOut = 0.0;
    if (ts > 3.0) {
        fallOut = 1.0;
    } else if (ts >= 1.0) {
        fallOut = board_animation::Squared01((ts - 1.0) - rowDelay * 0.8 - stagger * 0.2);
    }
    return Vector2(0.0f, static_cast<float>((fallOut + dropIn - 1.0) * 2.0) * rect.CalcSize().y);
}

// The rectangles are laid out by UpdateLayout; a call-out asked for before
// that (or for a square off the board) is anchored on the whole board.
AABB2 BoardView::GetSquareRect(unsigned squareIndex) const
{
    if (squareIndex >= squareRects.size()) {
        return rect;
    }
    return squareRects[squareIndex] + rect.mins;
}

AABB2 BoardView::GetSquareRect(const Square& square) const
{
    return GetSquareRect(size * square.y + square.x);
}

AABB2 BoardView::GetCandidateRect(int candidateIndex, const Square& square) const
{
    if (candidateIndex < 0 || static_cast<size_t>(candidateIndex) >= candidateRects.size()) {
        return GetSquareRect(square);
    }
    return candidateRects[static_cast<size_t>(candidateIndex)] + GetSquareRect(square).mins;
}

Vector2 BoardView::ComputeCallOutAnchorForSquare(const Square& square) const
{
    return GetSquareRect(square).GetPointAtNormalizedCoords(Vector2(0.65f, 0.25f));
}

Vector2 BoardView::ComputeCallOutAnchorForCage(const Cage& cage) const
{
    const Square* keySquare = cage.GetKeySquare();
    const Vector2 corner = keySquare != nullptr ? GetSquareRect(*keySquare).mins : rect.mins;
    return corner + cageLabelBox.GetPointAtNormalizedCoords(Vector2(0.25f, 0.0f));
}

Vector2 BoardView::ComputeCallOutAnchorForCandidate(int candidateIndex, const Square& square) const
{
    return GetCandidateRect(candidateIndex, square).GetPointAtNormalizedCoords(Vector2(0.85f, 0.15f));
}

Vector2 BoardView::ComputeCallOutAnchorForColumn(int column) const
{
    const AABB2 top = GetSquareRect(static_cast<unsigned>(column));
    return Vector2(top.CalcCenter().x, top.mins.y - 10.0f);
}

Vector2 BoardView::ComputeCallOutAnchorForRow(int row) const
{
    const AABB2 last = GetSquareRect(size * static_cast<unsigned>(row) + size - 1);
    return Vector2(last.maxs.x + 10.0f, last.mins.y);
}

} // namespace Pemberquill
