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

// What every drawing pass over one board view needs in a frame: the
// renderer, the board font, the error highlighting setting and the view's
// fades. Built once per view and frame, so that the passes look the font and
// the options up once rather than for every square.
struct BoardDrawing {
    BoardDrawing(UlvoRendererInterface& renderer, const BoardView& view);

    // The paint colour index on a hidden-cage board, else the cage index;
    // -1 outside the board.
    int GroupAt(int x, int y) const;
    int CageIndexAt(int x, int y) const;
    bool IsKeySquareOfItsCage(int x, int y) const;
    // A wrong entry's colour, from red to black once a second.
    Rgba BlinkColor() const;
    // Centred vertically in the box; upright or slanted as the font says.
    void DrawBoardText(const FontDescriptor& font, const AABB2& box, const std::string& text, const Rgba& color,
                       int horizontalAlignment) const;

    UlvoRendererInterface& renderer;
    const BoardView& view;
    const Board& board;
    const BoardProgress* progress;
    const BitmapFont* font;
    bool isHighlightingErrors;
    double timeSinceSolved;
    // Square fills and outlines, values, cage labels and the clear box.
    float alpha;
    float lineAlpha;
    float candidateAlpha;
};

} // namespace Pemberquill
