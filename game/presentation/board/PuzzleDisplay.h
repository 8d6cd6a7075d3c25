#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Vector2.h"
#include "game/presentation/board/BoardView.h"

#include <vector>

namespace Pemberquill {

class Puzzle;

// The screen geometry of a puzzle's one or two boards inside a rectangle of
// the screen (a canvas widget's bounds, virtual-screen units): one board
// view per board, refreshed every frame, the mapping of the mouse onto the
// boards and the points at which call-outs aim. It draws nothing itself.
// The canvas handlers build one per frame; the game and the tutorial keep
// one for mouse mapping and lay it out again when the canvas moves.
class PuzzleDisplay {
public:
    // isThumbnail: a static picture, drawn from each board's stored
    // thumbnail when there is one, never animated. Lays out at once.
    PuzzleDisplay(Puzzle* owner, bool isThumbnail, const AABB2& bounds);

    // Rebuilds the board views from bounds: one board fills the shorter
    // extent; two stand side by side with a gap of 5 % of it. A puzzle with
    // no boards or more than two gets no views.
    void Layout();
    // Copies the puzzle's state and times into the views and refreshes
    // their geometry; run before every draw.
    void UpdateBoardViews();
    // Maps the mouse (in the units of bounds) onto the puzzle and its
    // boards; a puzzle that takes no input only loses its highlights.
    void UpdateBoards(const Vector2& mouse);
    // The first view whose rect holds the point, edges included; -1 none.
    int FindBoardViewAt(const Vector2& point) const;
    Vector2 GetPointAtNormalizedCoords(const Vector2& t) const;

    Puzzle* GetOwner() const { return m_owner; }
    bool IsThumbnail() const { return m_isThumbnail; }
    const AABB2& GetBounds() const { return m_bounds; }
    void SetBounds(const AABB2& bounds) { m_bounds = bounds; }
    // Slanted board text (values, candidates and rule labels); the scripted
    // tutorial slants its puzzle's text on the page of the Equals rule.
    bool IsTextItalic() const { return m_isTextItalic; }
    void SetTextItalic(bool isItalic) { m_isTextItalic = isItalic; }
    std::vector<BoardView>& GetBoardViews() { return m_boardViews; }
    const std::vector<BoardView>& GetBoardViews() const { return m_boardViews; }

private:
    Puzzle* m_owner;
    AABB2 m_bounds;
    std::vector<BoardView> m_boardViews;
    bool m_isThumbnail;
    bool m_isSolved = false;
    double m_solveTime = 0.0;
    double m_timeSinceShown = BoardView::NOT_SHOWN_TIME;
    bool m_isUnlockPuzzle = false;
    bool m_hasNoName = false;
    bool m_isTextItalic = false;
};

// Where the point lies in the rectangle, (0, 0) at its minimum and (1, 1) at
// its maximum, unclamped; an axis of zero extent gives 0.
Vector2 GetNormalizedPointInBounds(const AABB2& bounds, const Vector2& point);

} // namespace Pemberquill
