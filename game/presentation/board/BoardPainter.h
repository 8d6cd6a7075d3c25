#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Rgba.h"

#include <string>

class BitmapFont;
class FontDescriptor;
class UlvoRendererInterface;

namespace Pemberquill {

class Board;
class BoardProgress;
class BoardView;
struct Square;

// The drawing passes of one board view, in order: every square (fill,
// outline, value or candidates, cage label, clear box), the cage borders and
// frame, the comparison signs, and the outline of the cage under the mouse.
// Fades, the solve wave and the blinking of wrong entries come from the
// view's times and the board's clock.
class BoardPainter {
public:
    BoardPainter(UlvoRendererInterface& renderer, const BoardView& view);

    void Draw();

private:
    void DrawSquare(const Square& square);
    void DrawSquareValue(const Square& square, const AABB2& rect, unsigned value, bool isUnderMouse);
    void DrawSquareCandidates(const Square& square, bool isUnderMouse);
    void DrawCageLabel(const Square& square, const AABB2& rect);
    void DrawClearBox(const AABB2& rect);
    // Upright or slanted as the font says.
    void DrawBoardText(const FontDescriptor& font, const AABB2& box, const std::string& text, const Rgba& color,
                       int horizontalAlignment);
    void DrawCageBorders();
    void DrawComparisonSigns();
    void DrawFocusedCageOutline();
    void DrawBoardLine(const Vector2& from, const Vector2& to, float widthFactor);

    // The paint colour index on a hidden-cage board, else the cage index;
    // -1 outside the board.
    int GroupAt(int x, int y) const;
    int CageIndexAt(int x, int y) const;
    bool IsKeySquareOfItsCage(int x, int y) const;
    Rgba BlinkColor() const;

    UlvoRendererInterface& m_renderer;
    const BoardView& m_view;
    const Board& m_board;
    const BoardProgress* m_progress;
    const BitmapFont* m_font;
    bool m_isHighlightingErrors;
    double m_timeSinceSolved;
    float m_alpha;
    float m_lineAlpha;
    float m_candidateAlpha;
};

} // namespace Pemberquill
