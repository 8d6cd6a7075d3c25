// The drawing passes of a board view: every square (fill, outline, value or
// candidates, cage label, clear box), the cage borders and frame, the
// comparison signs, and the outline of the cage under the mouse. Fades, the
// solve wave and the blinking of wrong entries come from the view's times and
// the board's clock.
#include "game/presentation/board/BoardDrawing.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/presentation/board/BoardAnimation.h"
#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/board/SlantedText.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/options/PemberquillOptions.h"

#include <cmath>

namespace Pemberquill {

namespace {

constexpr Rgba SQUARE_OUTLINE{120, 120, 120, 255};
constexpr Rgba VALUE_TEXT{0, 0, 0, 128};
constexpr Rgba VALUE_TEXT_UNDER_MOUSE{255, 255, 255, 255};
constexpr Rgba VALUE_SHADOW{0, 0, 0, 80};
constexpr Rgba WAVE_START{255, 255, 255, 255};
constexpr Rgba WAVE_MIDDLE{0, 255, 0, 255};
constexpr Rgba WAVE_END{0, 90, 0, 255};
constexpr Rgba CANDIDATE_TEXT{0, 0, 0, 60};
constexpr Rgba CANDIDATE_TEXT_UNDER_MOUSE{0, 0, 0, 255};
constexpr Rgba CANDIDATE_TEXT_HIDDEN{255, 255, 255, 0};
constexpr Rgba CANDIDATE_BOX{255, 255, 255, 180};
constexpr Rgba CANDIDATE_BOX_ELIMINATED{255, 0, 0, 150};
constexpr Rgba BLACK{0, 0, 0, 255};
constexpr Rgba BOARD_LINE = BLACK;
constexpr Rgba CLEAR_BOX_FILL{255, 255, 255, 0};
constexpr Rgba CLEAR_BOX_FILL_HOVERED{255, 255, 255, 255};
constexpr Rgba CLEAR_BOX_LINE{0, 0, 0, 120};
constexpr Rgba CLEAR_BOX_LINE_HOVERED{0, 0, 0, 255};

constexpr float SQUARE_SHADE = 0.3f;
constexpr float CAGELESS_LINE_FACTOR = 1.5f;
constexpr float FOCUSED_CAGE_LINE_FACTOR = 1.5f;
constexpr float COMPARISON_LINE_FACTOR = 0.5f;
// Seconds the solve wave takes per column and per row.
constexpr double WAVE_COLUMN_DELAY = 0.04;
constexpr double WAVE_ROW_DELAY = 0.03;

const char* const BOARD_FONT = "MainFont";

Rgba Faded(Rgba color, float factor)
{
    color.ScaleAlpha(factor);
    return color;
}

bool IsBitSet(uint16_t mask, unsigned bit)
{
    return (mask >> bit) & 1u;
}

Rgba SolveWaveColor(const Rgba& before, double u)
{
    if (u < 0.0) {
        return before;
    }
    if (u < 0.5) {
        return Rgba::Lerp(WAVE_START, WAVE_MIDDLE, static_cast<float>(2.0 * u));
    }
    if (u <= 1.0) {
        return Rgba::Lerp(WAVE_MIDDLE, WAVE_END, static_cast<float>(2.0 * (u - 0.5)));
    }
    return WAVE_END;
}

} // namespace

BoardDrawing::BoardDrawing(UlvoRendererInterface& renderer, const BoardView& view)
    : renderer(renderer),
      view(view),
      board(*view.board),
      progress(view.board->GetProgress()),
      font(renderer.GetFont(BOARD_FONT)),
      isHighlightingErrors(GetPemberquillOptions().IsHighlightingErrors()),
      timeSinceSolved(view.GetTimeSinceSolved())
{
    using namespace board_animation;
    const double fade = FadeIn(view.timeSinceShown) * (view.isSolved ? FadeOut(timeSinceSolved) : 1.0);
    const bool isPlain = view.isThumbnail || view.hasNoName;
    alpha = isPlain || view.isUnlockPuzzle ? 1.0f : static_cast<float>(fade);
    // Unlock puzzles keep their squares opaque while they drop in; only
    // their lines fade, and faster.
    const double lineFade = view.isUnlockPuzzle ? fade * fade : fade;
    lineAlpha = isPlain ? 1.0f : static_cast<float>(lineFade);
    candidateAlpha = static_cast<float>(Clamp01(view.timeSinceShown - 1.0));
}

int BoardDrawing::CageIndexAt(int x, int y) const
{
    if (!board.IsInside(x, y)) {
        return -1;
    }
    return board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)).cageIndex;
}

int BoardDrawing::GroupAt(int x, int y) const
{
    if (!view.isCageless) {
        return CageIndexAt(x, y);
    }
    if (!board.IsInside(x, y)) {
        return -1;
    }
    return board.GetSquareColorIndex(board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)));
}

bool BoardDrawing::IsKeySquareOfItsCage(int x, int y) const
{
    const Cage* cage = board.GetCage(CageIndexAt(x, y));
    return cage != nullptr &&
           cage->GetKeySquare() == &board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

Rgba BoardDrawing::BlinkColor() const
{
    double whole = 0.0;
    const double fraction = std::modf(board.GetClock().GetTime(), &whole);
    return Rgba(static_cast<float>(1.0 - fraction), 0.0f, 0.0f, 1.0f);
}

// Every board text is centred vertically in its box.
void BoardDrawing::DrawBoardText(const FontDescriptor& textFont, const AABB2& box, const std::string& text,
                                 const Rgba& color, int horizontalAlignment) const
{
    const float size = static_cast<float>(textFont.GetSize());
    if (textFont.IsItalic()) {
        DrawSlantedTextInBox(renderer, font, box, text, size, color, 1, horizontalAlignment);
    } else {
        renderer.DrawTextInBox(font, box, text, size, color, 1, horizontalAlignment);
    }
}

void PemberquillRenderer::DrawSquares(const BoardDrawing& drawing)
{
    for (unsigned row = 0; row < drawing.view.size; ++row) {
        for (unsigned column = 0; column < drawing.view.size; ++column) {
            DrawSquare(drawing, drawing.board.GetSquare(column, row));
        }
    }
}

void PemberquillRenderer::DrawSquare(const BoardDrawing& drawing, const Square& square)
{
    const BoardView& view = drawing.view;
    const Board& board = drawing.board;
    const AABB2 rect = view.GetSquareRect(square);
    Rgba fill = view.isCageless ? board.GetSquareColor(square) : board.GetSquareCageColor(square);
    fill.a = 255;
    const unsigned value = board.GetSquareValue(square);
    const bool isUnderMouse = board.GetFocusedSquareIndex() == static_cast<int>(view.size * square.y + square.x);

    drawing.renderer.DrawBounds(rect, Faded(fill, drawing.alpha), true, SQUARE_SHADE, 1.0f);
    drawing.renderer.DrawBounds(rect, Faded(SQUARE_OUTLINE, drawing.alpha), false, 0.0f, 1.0f);
    if (value > 0 && view.showValues) {
        DrawSquareValue(drawing, square, rect, value, isUnderMouse);
    } else if (value == 0 && view.showCandidates) {
        DrawSquareCandidates(drawing, square, isUnderMouse);
    }
    if (view.showCageLabels) {
        DrawCageLabel(drawing, square);
    }
    if (isUnderMouse) {
        DrawClearBox(drawing, rect, value);
    }
}

void PemberquillRenderer::DrawSquareValue(const BoardDrawing& drawing, const Square& square, const AABB2& rect,
                                          unsigned value, bool isUnderMouse)
{
    Rgba color = isUnderMouse ? VALUE_TEXT_UNDER_MOUSE : VALUE_TEXT;
    if (drawing.view.isSolved) {
        color = SolveWaveColor(color,
                               drawing.timeSinceSolved - WAVE_COLUMN_DELAY * square.x - WAVE_ROW_DELAY * square.y);
    } else if (drawing.isHighlightingErrors && value != square.solutionValue) {
        color = drawing.BlinkColor();
    }
    const std::string text = Stringf("%u", value);
    const FontDescriptor& font = drawing.view.valueFont;
    if (isUnderMouse) {
        drawing.DrawBoardText(font, rect + Vector2(2.0f, 2.0f), text, Faded(VALUE_SHADOW, drawing.alpha), 1);
    }
    drawing.DrawBoardText(font, rect, text, Faded(color, drawing.alpha), 1);
}

void PemberquillRenderer::DrawSquareCandidates(const BoardDrawing& drawing, const Square& square, bool isUnderMouse)
{
    const BoardView& view = drawing.view;
    const float alpha = drawing.candidateAlpha;
    const uint16_t eliminated = drawing.progress != nullptr ? drawing.progress->GetPlayerEliminations(square) : 0;
    const uint16_t hidden = drawing.progress != nullptr ? drawing.progress->GetAutoEliminations(square) : 0;
    const int hovered = isUnderMouse ? drawing.board.GetFocusedCandidate() : -1;
    for (unsigned n = 0; n < view.size; ++n) {
        const bool inMask = IsBitSet(eliminated, n);
        const bool inSecond = IsBitSet(hidden, n);
        const bool blink = inMask && n + 1 == square.solutionValue && drawing.isHighlightingErrors;
        if (!isUnderMouse && (inMask || inSecond) && !blink) {
            continue;
        }
        const AABB2 box = view.GetCandidateRect(static_cast<int>(n), square);
        Rgba text = inSecond ? CANDIDATE_TEXT_HIDDEN : CANDIDATE_TEXT;
        if (isUnderMouse) {
            Rgba boxColor = inMask ? CANDIDATE_BOX_ELIMINATED : CANDIDATE_BOX;
            if (static_cast<int>(n) == hovered) {
                boxColor.a = 255;
            }
            if (!inSecond) {
                text = CANDIDATE_TEXT_UNDER_MOUSE;
            }
            drawing.renderer.DrawBounds(box, Faded(boxColor, alpha), true, 0.0f, 1.0f);
            drawing.renderer.DrawBounds(box, Faded(BLACK, alpha), false, 0.0f, 1.0f);
        }
        if (blink) {
            text = drawing.BlinkColor();
        }
        drawing.DrawBoardText(view.candidateFont, box, Stringf("%u", n + 1), Faded(text, alpha), 1);
    }
    if (hovered >= 0) {
        drawing.renderer.DrawBounds(view.GetCandidateRect(hovered, square), Faded(BLACK, alpha), false, 0.0f, 3.0f);
    }
}

void PemberquillRenderer::DrawCageLabel(const BoardDrawing& drawing, const Square& square)
{
    const Cage* cage = drawing.board.GetCage(square.cageIndex);
    if (cage == nullptr || cage->GetKeySquare() != &square) {
        return;
    }
    const BoardView& view = drawing.view;
    drawing.DrawBoardText(view.cageLabelFont, view.cageLabelBox + view.GetSquareRect(square).mins,
                          cage->GetRuleText(), Faded(BLACK, drawing.alpha), 0);
}

// Only a square with a value can be cleared.
void PemberquillRenderer::DrawClearBox(const BoardDrawing& drawing, const AABB2& rect, unsigned value)
{
    if (value == 0) {
        return;
    }
    UlvoRendererInterface& renderer = drawing.renderer;
    const AABB2 box = drawing.view.clearBox + rect.mins;
    const bool hovered = drawing.board.IsOverClearBox();
    const float width = hovered ? 2.0f : 1.0f;
    const Rgba line = Faded(hovered ? CLEAR_BOX_LINE_HOVERED : CLEAR_BOX_LINE, drawing.alpha);
    renderer.DrawBounds(box, Faded(hovered ? CLEAR_BOX_FILL_HOVERED : CLEAR_BOX_FILL, drawing.alpha), true, 0.0f, 1.0f);
    renderer.DrawBounds(box, line, false, 0.0f, width);
    renderer.DrawLine(box.mins, box.maxs, line, line, width, true);
    renderer.DrawLine(Vector2(box.maxs.x, box.mins.y), Vector2(box.mins.x, box.maxs.y), line, line, width, true);
    if (!hovered) {
        return;
    }
    // A large X over the whole square, fading towards its ends.
    const Vector2 centre = rect.CalcCenter();
    const Vector2 q = rect.CalcSize() * 0.25f;
    const Vector2 d(q.y, -q.x);
    Rgba clear = line;
    clear.a = 0;
    for (const Vector2& arm : {q, -q, d, -d}) {
        renderer.DrawLine(centre, centre + arm, line, clear, 6.0f, true);
    }
}

void PemberquillRenderer::DrawBoardLine(const BoardDrawing& drawing, const Vector2& from, const Vector2& to,
                                        const Rgba& color, float widthFactor)
{
    const Rgba faded = Faded(color, drawing.lineAlpha);
    drawing.renderer.DrawLine(from, to, faded, faded, drawing.view.lineWidth * widthFactor, true);
}

void PemberquillRenderer::DrawCageBorders(const BoardDrawing& drawing)
{
    const BoardView& view = drawing.view;
    const float factor = view.isCageless ? CAGELESS_LINE_FACTOR : 1.0f;
    const int n = static_cast<int>(view.size);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int group = drawing.GroupAt(x, y);
            const int rightGroup = drawing.GroupAt(x + 1, y);
            const int downGroup = drawing.GroupAt(x, y + 1);
            bool right = group != -1 && rightGroup != -1 && group != rightGroup;
            bool down = group != -1 && downGroup != -1 && group != downGroup;
            if (view.isCageless) {
                // Hidden cages still show where one starts, and an Equals
                // cage is a single square.
                const Cage* cage = drawing.board.GetCage(drawing.CageIndexAt(x, y));
                if (cage != nullptr && cage->rule == CAGE_RULE_EQUALS) {
                    right = true;
                    down = true;
                } else {
                    right = right || drawing.IsKeySquareOfItsCage(x + 1, y);
                    down = down || drawing.IsKeySquareOfItsCage(x, y + 1);
                }
            }
            const AABB2 box = view.GetSquareRect(static_cast<unsigned>(n * y + x));
            if (right) {
                DrawBoardLine(drawing, Vector2(box.maxs.x, box.mins.y), box.maxs, BOARD_LINE, factor);
            }
            if (down) {
                DrawBoardLine(drawing, Vector2(box.mins.x, box.maxs.y), box.maxs, BOARD_LINE, factor);
            }
        }
    }
    const AABB2& frame = view.rect;
    const Vector2 topRight(frame.maxs.x, frame.mins.y);
    const Vector2 bottomLeft(frame.mins.x, frame.maxs.y);
    DrawBoardLine(drawing, frame.mins, topRight, BOARD_LINE, factor);
    DrawBoardLine(drawing, frame.mins, bottomLeft, BOARD_LINE, factor);
    DrawBoardLine(drawing, topRight, frame.maxs, BOARD_LINE, factor);
    DrawBoardLine(drawing, bottomLeft, frame.maxs, BOARD_LINE, factor);
}

// The signs show the answer's order, as part of the puzzle's statement.
void PemberquillRenderer::DrawComparisonSigns(const BoardDrawing& drawing)
{
    const Board& board = drawing.board;
    for (const Cage& cage : board.GetCages()) {
        if (cage.rule != CAGE_RULE_COMPARISONS) {
            continue;
        }
        for (const Square* square : cage.squares) {
            const AABB2 box = drawing.view.GetSquareRect(*square);
            const float d = 0.05f * box.CalcSize().x;
            const int x = static_cast<int>(square->x);
            const int y = static_cast<int>(square->y);
            if (drawing.CageIndexAt(x + 1, y) == cage.index) {
                const Vector2 m(box.maxs.x, box.CalcCenter().y);
                const bool greater = square->solutionValue > board.GetSquare(square->x + 1, square->y).solutionValue;
                const float point = greater ? d : -d;
                DrawBoardLine(drawing, Vector2(m.x - point, m.y - d), Vector2(m.x + point, m.y), BOARD_LINE,
                              COMPARISON_LINE_FACTOR);
                DrawBoardLine(drawing, Vector2(m.x - point, m.y + d), Vector2(m.x + point, m.y), BOARD_LINE,
                              COMPARISON_LINE_FACTOR);
            }
            if (drawing.CageIndexAt(x, y + 1) == cage.index) {
                const Vector2 m(box.CalcCenter().x, box.maxs.y);
                const bool greater = square->solutionValue > board.GetSquare(square->x, square->y + 1).solutionValue;
                const float point = greater ? d : -d;
                DrawBoardLine(drawing, Vector2(m.x - d, m.y - point), Vector2(m.x, m.y + point), BOARD_LINE,
                              COMPARISON_LINE_FACTOR);
                DrawBoardLine(drawing, Vector2(m.x + d, m.y - point), Vector2(m.x, m.y + point), BOARD_LINE,
                              COMPARISON_LINE_FACTOR);
            }
        }
    }
}

void PemberquillRenderer::DrawFocusedCageOutline(const BoardDrawing& drawing)
{
    const int focused = drawing.board.GetFocusedSquareIndex();
    if (drawing.view.isCageless || focused < 0) {
        return;
    }
    const int n = static_cast<int>(drawing.view.size);
    const int cageIndex = drawing.CageIndexAt(focused % n, focused / n);
    if (cageIndex == -1) {
        return;
    }
    const auto drawEdge = [&drawing](const Vector2& from, const Vector2& to) {
        DrawBoardLine(drawing, from, to, BOARD_LINE, FOCUSED_CAGE_LINE_FACTOR);
    };
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int group = drawing.CageIndexAt(x, y);
            const int right = drawing.CageIndexAt(x + 1, y);
            const int down = drawing.CageIndexAt(x, y + 1);
            const AABB2 box = drawing.view.GetSquareRect(static_cast<unsigned>(n * y + x));
            const Vector2 topRight(box.maxs.x, box.mins.y);
            const Vector2 bottomLeft(box.mins.x, box.maxs.y);
            if (group != right && (group == cageIndex || right == cageIndex)) {
                drawEdge(topRight, box.maxs);
            }
            if (group != down && (group == cageIndex || down == cageIndex)) {
                drawEdge(bottomLeft, box.maxs);
            }
            if (x == 0 && group == cageIndex) {
                drawEdge(box.mins, bottomLeft);
            }
            if (y == 0 && group == cageIndex) {
                drawEdge(box.mins, topRight);
            }
        }
    }
}

} // namespace Pemberquill
