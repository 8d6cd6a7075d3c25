#include "game/presentation/board/PuzzleDisplay.h"

#include "engine/core/Clock.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"

#include <algorithm>

namespace Pemberquill {

namespace {

AABB2 SquareAround(const Vector2& centre, float side)
{
    const Vector2 half(side * 0.5f, side * 0.5f);
    return AABB2(centre - half, centre + half);
}

SolutionsLayout LayoutOfBoard(size_t boardIndex, size_t boardCount)
{
    if (boardCount == 1) {
        return SOLUTIONS_LAYOUT_SINGLE_BOARD;
    }
    return boardIndex == 0 ? SOLUTIONS_LAYOUT_FIRST_BOARD : SOLUTIONS_LAYOUT_OTHER_BOARD;
}

} // namespace

PuzzleDisplay::PuzzleDisplay(Puzzle* owner, bool isThumbnail, const AABB2& bounds)
    : m_owner(owner), m_bounds(bounds), m_isThumbnail(isThumbnail)
{
    Layout();
}

void PuzzleDisplay::Layout()
{
    m_boardViews.clear();
    const std::vector<std::unique_ptr<Board>>& boards = m_owner->GetBoards();
    const Vector2 size = m_bounds.CalcSize();
    const Vector2 centre = m_bounds.CalcCenter();
    const float larger = std::max(size.x, size.y);
    const float smaller = std::min(size.x, size.y);
    const float gap = 0.025f * smaller;
    if (boards.size() == 1) {
        m_boardViews.emplace_back(boards[0].get(), SquareAround(centre, smaller));
    } else if (boards.size() == 2) {
        const float side = std::min((larger - 2.0f * gap) * 0.5f, smaller);
        const float offset = gap + side * 0.5f;
        m_boardViews.emplace_back(boards[0].get(), SquareAround(centre - Vector2(offset, 0.0f), side));
        m_boardViews.emplace_back(boards[1].get(), SquareAround(centre + Vector2(offset, 0.0f), side));
    }
}

void PuzzleDisplay::UpdateBoardViews()
{
    const Puzzle& puzzle = *m_owner;
    const double puzzleTime = puzzle.GetClock().GetTime();
    m_hasNoName = puzzle.GetDisplayName().empty();
    m_isUnlockPuzzle = puzzle.IsUnlockPuzzle();
    m_isSolved = puzzle.AreAllBoardsValid();
    m_solveTime = puzzle.GetSolveTime();
    m_timeSinceShown = m_isThumbnail ? BoardView::NOT_SHOWN_TIME : puzzleTime - puzzle.GetStartTime();
    for (BoardView& view : m_boardViews) {
        view.timeSinceShown = m_timeSinceShown;
        view.isSolved = m_isSolved;
        view.isUnlockPuzzle = m_isUnlockPuzzle;
        view.hasNoName = m_hasNoName;
        view.isTextItalic = m_isTextItalic;
        view.solveTimeOnBoardClock = m_solveTime - (puzzleTime - view.board->GetClock().GetTime());
        view.UpdateLayout(m_isThumbnail, false, true);
    }
}

void PuzzleDisplay::UpdateBoards(const Vector2& mouse)
{
    Puzzle& puzzle = *m_owner;
    if (!puzzle.IsActive()) {
        puzzle.ResetBoardHighlights();
        return;
    }
    puzzle.SetPointerPosition(GetNormalizedPointInBounds(m_bounds, mouse));
    puzzle.SetFocusedBoardIndex(FindBoardViewAt(mouse));
    for (size_t i = 0; i < m_boardViews.size(); ++i) {
        BoardView& view = m_boardViews[i];
        view.mousePoint = GetNormalizedPointInBounds(view.rect, mouse);
        puzzle.UpdateBoardPointer(*view.board, view.mousePoint, LayoutOfBoard(i, m_boardViews.size()));
    }
}

int PuzzleDisplay::FindBoardViewAt(const Vector2& point) const
{
    for (size_t i = 0; i < m_boardViews.size(); ++i) {
        if (m_boardViews[i].rect.IsPointInside(point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Vector2 PuzzleDisplay::GetPointAtNormalizedCoords(const Vector2& t) const
{
    return m_bounds.GetPointAtNormalizedCoords(t);
}

Vector2 GetNormalizedPointInBounds(const AABB2& bounds, const Vector2& point)
{
    const Vector2 extent = bounds.CalcSize();
    const float x = extent.x == 0.0f ? 0.0f : (point.x - bounds.mins.x) / extent.x;
    const float y = extent.y == 0.0f ? 0.0f : (point.y - bounds.mins.y) / extent.y;
    return Vector2(x, y);
}

} // namespace Pemberquill
