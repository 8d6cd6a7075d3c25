#include "game/presentation/board/BoardPainter.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/presentation/board/BoardAnimation.h"
#include "game/presentation/board/BoardView.h"
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

BoardPainter::BoardPainter(UlvoRendererInterface& renderer, const BoardView& view)
    : m_renderer(renderer),
      m_view(view),
      m_board(*view.board),
      m_progress(view.board->GetProgress()),
      m_font(renderer.GetFont(BOARD_FONT)),
      m_isHighlightingErrors(GetPemberquillOptions().IsHighlightingErrors()),
      m_timeSinceSolved(view.GetTimeSinceSolved())
{
    using namespace board_animation;
    const double fade = FadeIn(view.timeSinceShown) * (view.isSolved ? FadeOut(m_timeSinceSolved) : 1.0);
    const bool isPlain = view.isThumbnail || view.hasNoName;
    m_alpha = isPlain || view.isUnlockPuzzle ? 1.0f : static_cast<float>(fade);
    // Unlock puzzles keep their squares opaque while they drop in; only
    // their lines fade, and faster.
    const double lineFade = view.isUnlockPuzzle ? fade * fade : fade;
    m_lineAlpha = isPlain ? 1.0f : static_cast<float>(lineFade);
    m_candidateAlpha = static_cast<float>(Clamp01(view.timeSinceShown - 1.0));
}

void BoardPainter::Draw()
{
    for (unsigned row = 0; row < m_view.size; ++row) {
        for (unsigned column = 0; column < m_view.size; ++column) {
            DrawSquare(m_board.GetSquare(column, row));
        }
    }
    DrawCageBorders();
    DrawComparisonSigns();
    DrawFocusedCageOutline();
}

void BoardPainter::DrawSquare(const Square& square)
{
    const AABB2 rect = m_view.GetSquareRect(square);
    Rgba fill = m_view.isCageless ? m_board.GetSquareColor(square) : m_board.GetSquareCageColor(square);
    fill.a = 255;
    const unsigned value = m_board.GetSquareValue(square);
    const bool isUnderMouse = m_board.GetFocusedSquareIndex() == static_cast<int>(m_view.size * square.y + square.x);

    m_renderer.DrawBounds(rect, Faded(fill, m_alpha), true, SQUARE_SHADE, 1.0f);
    m_renderer.DrawBounds(rect, Faded(SQUARE_OUTLINE, m_alpha), false, 0.0f, 1.0f);
    if (value > 0 && m_view.showValues) {
        DrawSquareValue(square, rect, value, isUnderMouse);
    } else if (value == 0 && m_view.showCandidates) {
        DrawSquareCandidates(square, isUnderMouse);
    }
    if (m_view.showCageLabels) {
        DrawCageLabel(square, rect);
    }
    if (isUnderMouse && value > 0) {
        DrawClearBox(rect);
    }
}

Rgba BoardPainter::BlinkColor() const
{
    double whole = 0.0;
    const double fraction = std::modf(m_board.GetClock().GetTime(), &whole);
    return Rgba(static_cast<float>(1.0 - fraction), 0.0f, 0.0f, 1.0f);
}

void BoardPainter::DrawSquareValue(const Square& square, const AABB2& rect, unsigned value, bool isUnderMouse)
{
    Rgba color = isUnderMouse ? VALUE_TEXT_UNDER_MOUSE : VALUE_TEXT;
    if (m_view.isSolved) {
        color = SolveWaveColor(color, m_timeSinceSolved - WAVE_COLUMN_DELAY * square.x - WAVE_ROW_DELAY * square.y);
    } else if (m_isHighlightingErrors && value != square.solutionValue) {
        color = BlinkColor();
    }
    const std::string text = Stringf("%u", value);
    if (isUnderMouse) {
        DrawBoardText(m_view.valueFont, rect + Vector2(2.0f, 2.0f), text, Faded(VALUE_SHADOW, m_alpha), 1);
    }
    DrawBoardText(m_view.valueFont, rect, text, Faded(color, m_alpha), 1);
}

void BoardPainter::DrawSquareCandidates(const Square& square, bool isUnderMouse)
{
    const uint16_t eliminated = m_progress != nullptr ? m_progress->GetPlayerEliminations(square) : 0;
    const uint16_t hidden = m_progress != nullptr ? m_progress->GetAutoEliminations(square) : 0;
    const int hovered = isUnderMouse ? m_board.GetFocusedCandidate() : -1;
    for (unsigned n = 0; n < m_view.size; ++n) {
        const bool inMask = IsBitSet(eliminated, n);
        const bool inSecond = IsBitSet(hidden, n);
        const bool blink = inMask && n + 1 == square.solutionValue && m_isHighlightingErrors;
        if (!isUnderMouse && (inMask || inSecond) && !blink) {
            continue;
        }
        const AABB2 box = m_view.GetCandidateRect(static_cast<int>(n), square);
        Rgba text = inSecond ? CANDIDATE_TEXT_HIDDEN : CANDIDATE_TEXT;
        if (isUnderMouse) {
            Rgba boxColor = inMask ? CANDIDATE_BOX_ELIMINATED : CANDIDATE_BOX;
            if (static_cast<int>(n) == hovered) {
                boxColor.a = 255;
            }
            if (!inSecond) {
                text = CANDIDATE_TEXT_UNDER_MOUSE;
            }
            m_renderer.DrawBounds(box, Faded(boxColor, m_candidateAlpha), true, 0.0f, 1.0f);
            m_renderer.DrawBounds(box, Faded(BLACK, m_candidateAlpha), false, 0.0f, 1.0f);
        }
        if (blink) {
            text = BlinkColor();
        }
        DrawBoardText(m_view.candidateFont, box, Stringf("%u", n + 1), Faded(text, m_candidateAlpha), 1);
    }
    if (hovered >= 0) {
        m_renderer.DrawBounds(m_view.GetCandidateRect(hovered, square), Faded(BLACK, m_candidateAlpha), false, 0.0f,
                              3.0f);
    }
}

void BoardPainter::DrawCageLabel(const Square& square, const AABB2& rect)
{
    const Cage* cage = m_board.GetCage(square.cageIndex);
    if (cage == nullptr || cage->GetKeySquare() != &square) {
        return;
    }
    DrawBoardText(m_view.cageLabelFont, m_view.cageLabelBox + rect.mins, cage->GetRuleText(), Faded(BLACK, m_alpha),
                  0);
}

// Every board text is centred vertically in its box.
void BoardPainter::DrawBoardText(const FontDescriptor& font, const AABB2& box, const std::string& text,
                                 const Rgba& color, int horizontalAlignment)
{
    const float size = static_cast<float>(font.GetSize());
    if (font.IsItalic()) {
        DrawSlantedTextInBox(m_renderer, m_font, box, text, size, color, 1, horizontalAlignment);
    } else {
        m_renderer.DrawTextInBox(m_font, box, text, size, color, 1, horizontalAlignment);
    }
}

void BoardPainter::DrawClearBox(const AABB2& rect)
{
    const AABB2 box = m_view.clearBox + rect.mins;
    const bool hovered = m_board.IsOverClearBox();
    const float width = hovered ? 2.0f : 1.0f;
    const Rgba line = Faded(hovered ? CLEAR_BOX_LINE_HOVERED : CLEAR_BOX_LINE, m_alpha);
    m_renderer.DrawBounds(box, Faded(hovered ? CLEAR_BOX_FILL_HOVERED : CLEAR_BOX_FILL, m_alpha), true, 0.0f, 1.0f);
    m_renderer.DrawBounds(box, line, false, 0.0f, width);
    m_renderer.DrawLine(box.mins, box.maxs, line, line, width, true);
    m_renderer.DrawLine(Vector2(box.maxs.x, box.mins.y), Vector2(box.mins.x, box.maxs.y), line, line, width, true);
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
        m_renderer.DrawLine(centre, centre + arm, line, clear, 6.0f, true);
    }
}

void BoardPainter::DrawBoardLine(const Vector2& from, const Vector2& to, float widthFactor)
{
    const Rgba color = Faded(BLACK, m_lineAlpha);
    m_renderer.DrawLine(from, to, color, color, m_view.lineWidth * widthFactor, true);
}

int BoardPainter::CageIndexAt(int x, int y) const
{
    if (!m_board.IsInside(x, y)) {
        return -1;
    }
    return m_board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)).cageIndex;
}

int BoardPainter::GroupAt(int x, int y) const
{
    if (!m_view.isCageless) {
        return CageIndexAt(x, y);
    }
    if (!m_board.IsInside(x, y)) {
        return -1;
    }
    return m_board.GetSquareColorIndex(m_board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)));
}

bool BoardPainter::IsKeySquareOfItsCage(int x, int y) const
{
    const Cage* cage = m_board.GetCage(CageIndexAt(x, y));
    return cage != nullptr &&
           cage->GetKeySquare() == &m_board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y));
}

void BoardPainter::DrawCageBorders()
{
    const float factor = m_view.isCageless ? CAGELESS_LINE_FACTOR : 1.0f;
    const int n = static_cast<int>(m_view.size);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int group = GroupAt(x, y);
            const int rightGroup = GroupAt(x + 1, y);
            const int downGroup = GroupAt(x, y + 1);
            bool right = group != -1 && rightGroup != -1 && group != rightGroup;
            bool down = group != -1 && downGroup != -1 && group != downGroup;
            if (m_view.isCageless) {
                // Hidden cages still show where one starts, and an Equals
                // cage is a single square.
                const Cage* cage = m_board.GetCage(CageIndexAt(x, y));
                if (cage != nullptr && cage->rule == CAGE_RULE_EQUALS) {
                    right = true;
                    down = true;
                } else {
                    right = right || IsKeySquareOfItsCage(x + 1, y);
                    down = down || IsKeySquareOfItsCage(x, y + 1);
                }
            }
            const AABB2 box = m_view.GetSquareRect(static_cast<unsigned>(n * y + x));
            if (right) {
                DrawBoardLine(Vector2(box.maxs.x, box.mins.y), box.maxs, factor);
            }
            if (down) {
                DrawBoardLine(Vector2(box.mins.x, box.maxs.y), box.maxs, factor);
            }
        }
    }
    const AABB2& frame = m_view.rect;
    const Vector2 topRight(frame.maxs.x, frame.mins.y);
    const Vector2 bottomLeft(frame.mins.x, frame.maxs.y);
    DrawBoardLine(frame.mins, topRight, factor);
    DrawBoardLine(frame.mins, bottomLeft, factor);
    DrawBoardLine(topRight, frame.maxs, factor);
    DrawBoardLine(bottomLeft, frame.maxs, factor);
}

// The signs show the answer's order, as part of the puzzle's statement.
void BoardPainter::DrawComparisonSigns()
{
    for (const Cage& cage : m_board.GetCages()) {
        if (cage.rule != CAGE_RULE_COMPARISONS) {
            continue;
        }
        for (const Square* square : cage.squares) {
            const AABB2 box = m_view.GetSquareRect(*square);
            const float d = 0.05f * box.CalcSize().x;
            const int x = static_cast<int>(square->x);
            const int y = static_cast<int>(square->y);
            if (CageIndexAt(x + 1, y) == cage.index) {
                const Vector2 m(box.maxs.x, box.CalcCenter().y);
                const bool greater = square->solutionValue > m_board.GetSquare(square->x + 1, square->y).solutionValue;
                const float point = greater ? d : -d;
                DrawBoardLine(Vector2(m.x - point, m.y - d), Vector2(m.x + point, m.y), COMPARISON_LINE_FACTOR);
                DrawBoardLine(Vector2(m.x - point, m.y + d), Vector2(m.x + point, m.y), COMPARISON_LINE_FACTOR);
            }
            if (CageIndexAt(x, y + 1) == cage.index) {
                const Vector2 m(box.CalcCenter().x, box.maxs.y);
                const bool greater = square->solutionValue > m_board.GetSquare(square->x, square->y + 1).solutionValue;
                const float point = greater ? d : -d;
                DrawBoardLine(Vector2(m.x - d, m.y - point), Vector2(m.x, m.y + point), COMPARISON_LINE_FACTOR);
                DrawBoardLine(Vector2(m.x + d, m.y - point), Vector2(m.x, m.y + point), COMPARISON_LINE_FACTOR);
            }
        }
    }
}

void BoardPainter::DrawFocusedCageOutline()
{
    const int focused = m_board.GetFocusedSquareIndex();
    if (m_view.isCageless || focused < 0) {
        return;
    }
    const int n = static_cast<int>(m_view.size);
    const int cageIndex = CageIndexAt(focused % n, focused / n);
    if (cageIndex == -1) {
        return;
    }
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int group = CageIndexAt(x, y);
            const int right = CageIndexAt(x + 1, y);
            const int down = CageIndexAt(x, y + 1);
            const AABB2 box = m_view.GetSquareRect(static_cast<unsigned>(n * y + x));
            const Vector2 topRight(box.maxs.x, box.mins.y);
            const Vector2 bottomLeft(box.mins.x, box.maxs.y);
            if (group != right && (group == cageIndex || right == cageIndex)) {
                DrawBoardLine(topRight, box.maxs, FOCUSED_CAGE_LINE_FACTOR);
            }
            if (group != down && (group == cageIndex || down == cageIndex)) {
                DrawBoardLine(bottomLeft, box.maxs, FOCUSED_CAGE_LINE_FACTOR);
            }
            if (x == 0 && group == cageIndex) {
                DrawBoardLine(box.mins, bottomLeft, FOCUSED_CAGE_LINE_FACTOR);
            }
            if (y == 0 && group == cageIndex) {
                DrawBoardLine(box.mins, topRight, FOCUSED_CAGE_LINE_FACTOR);
            }
        }
    }
}

} // namespace Pemberquill
