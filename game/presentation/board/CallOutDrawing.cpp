// The instructor's call-outs over the boards, and the paint cursor.
#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/presentation/board/InstructorCallOut.h"
#include "game/presentation/board/InstructorView.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Pemberquill {

namespace {

constexpr Rgba POINTER_SHADOW{0, 0, 0, 80};
constexpr float BOARD_GROWTH = 4.0f;
constexpr float CANDIDATE_GROWTH = 2.0f;
// How far the cage outline runs outside the cage's squares.
constexpr float CAGE_MARGIN = 2.0f;

struct Segment {
    Vector2 from;
    Vector2 to;
};

// The pulsing colours and the fade of one call-out at its clock's time.
struct CallOutLook {
    explicit CallOutLook(const InstructorCallOut& callOut)
    {
        const double t = callOut.GetTime();
        ease = static_cast<float>(1.0 - 1.0 / (1.0 + 5.0 * t));
        const float opacity = std::clamp(2.0f * ease, 0.0f, 1.0f);
        const float pulse = static_cast<float>(std::clamp(-std::cos(4.0 * t), 0.0, 1.0));
        const float green = callOut.m_isCalledOutForRemoval ? 0.0f : pulse * pulse;
        highlight = Rgba(1.0f, green, 0.0f, opacity);
        shadow = Rgba(0.0f, 0.0f, 0.0f, 0.5f * opacity);
    }

    float ease;
    Rgba highlight;
    Rgba shadow;
};

UlvoRendererInterface* Renderer()
{
    return UlvoRendererInterface::GetDefaultInstance();
}

AABB2 Grown(const AABB2& box, float growth)
{
    return AABB2(box.mins - Vector2(growth, growth), box.maxs + Vector2(growth, growth));
}

void DrawLine(const Vector2& from, const Vector2& to, const Rgba& color, float width)
{
    Renderer()->DrawLine(from, to, color, color, width, true);
}

// The strokes of a candidate to be removed: from the corners towards the
// centre, meeting as a full cross at each whole second.
void DrawRemovalCross(const AABB2& box, double t, const Rgba& color, float width)
{
    double whole = 0.0;
    const float fraction = static_cast<float>(0.5 * (1.0 - std::modf(t, &whole)));
    const Vector2 d = box.CalcSize() * fraction;
    DrawLine(box.mins, box.mins + d, color, width);
    DrawLine(Vector2(box.maxs.x, box.mins.y), Vector2(box.maxs.x - d.x, box.mins.y + d.y), color, width);
    DrawLine(box.maxs, box.maxs - d, color, width);
    DrawLine(Vector2(box.mins.x, box.maxs.y), Vector2(box.mins.x + d.x, box.maxs.y - d.y), color, width);
}

// The shadow, moved down and right as the call-out eases in, then the
// highlight.
void DrawOutlinedBox(const AABB2& box, const CallOutLook& look, float width, float shadowShift)
{
    const Vector2 shift(shadowShift * look.ease, shadowShift * look.ease);
    Renderer()->DrawBounds(box + shift, look.shadow, false, 0.0f, width + width * look.ease);
    Renderer()->DrawBounds(box, look.highlight, false, 0.0f, width);
}

void DrawSegments(const std::vector<Segment>& segments, const CallOutLook& look)
{
    const Vector2 shift(6.0f * look.ease, 6.0f * look.ease);
    for (const Segment& segment : segments) {
        DrawLine(segment.from + shift, segment.to + shift, look.shadow, 3.0f + 3.0f * look.ease);
    }
    for (const Segment& segment : segments) {
        DrawLine(segment.from, segment.to, look.highlight, 3.0f);
    }
}

// How far a resting arrow reaches from its anchor: bobbing up to 10 units
// off it, its tail 30 across and 60 up from the tip, and its width.
const Vector2 POINTER_REACH(45.0f, 85.0f);

// The arrow's direction from the anchor to its tail, one unit per axis:
// right and up (negative y) where there is room, else the other way. Without
// an application the width of the view is unknown and the arrow stays right.
Vector2 PointerLean(const Vector2& anchor)
{
    const Vector2 view = PemberquillRenderer::GetViewSize();
    const bool hasRoomRight = view.x <= 0.0f || anchor.x + POINTER_REACH.x <= view.x;
    const bool hasRoomAbove = anchor.y - POINTER_REACH.y >= 0.0f;
    return Vector2(hasRoomRight ? 1.0f : -1.0f, hasRoomAbove ? -1.0f : 1.0f);
}

// The square at (x, y) of the board, null outside it.
const Square* SquareAt(const Board& board, int x, int y)
{
    return board.IsInside(x, y) ? &board.GetSquare(static_cast<unsigned>(x), static_cast<unsigned>(y)) : nullptr;
}

bool SameCage(const Square* a, const Square* b)
{
    return a != nullptr && b != nullptr && a->cageIndex != -1 && a->cageIndex == b->cageIndex;
}

// The outline of a cage, 2 units outside its squares: a segment reaches 2
// units past its square at a convex corner and stops 2 units short where
// the outline turns inwards.
std::vector<Segment> CollectCageOutline(const BoardView& view, const Cage& cage)
{
    const Board& board = *view.board;
    const int n = static_cast<int>(board.GetSize());
    const auto inCage = [&cage](const Square* s) { return s != nullptr && s->cageIndex == cage.index; };
    const auto at = [&board](int x, int y) { return SquareAt(board, x, y); };
    const float m = CAGE_MARGIN;
    std::vector<Segment> segments;
    for (int y = 0; y <= n; ++y) {
        for (int x = 0; x <= n; ++x) {
            const Square* s = at(x, y);
            const Square* l = at(x - 1, y);
            const Square* u = at(x, y - 1);
            if (!SameCage(l, s)) {
                if (inCage(s)) {
                    const AABB2 r = view.GetSquareRect(*s);
                    const float top = SameCage(at(x - 1, y - 1), s) ? r.mins.y + m : r.mins.y - m;
                    const float bottom = SameCage(at(x - 1, y + 1), s) ? r.maxs.y - m : r.maxs.y + m;
                    segments.push_back({Vector2(r.mins.x - m, top), Vector2(r.mins.x - m, bottom)});
                } else if (inCage(l)) {
                    const AABB2 r = view.GetSquareRect(*l);
                    const float top = SameCage(at(x, y - 1), l) ? r.mins.y + m : r.mins.y - m;
                    const float bottom = SameCage(at(x, y + 1), l) ? r.maxs.y - m : r.maxs.y + m;
                    segments.push_back({Vector2(r.maxs.x + m, top), Vector2(r.maxs.x + m, bottom)});
                }
            }
            if (!SameCage(u, s)) {
                if (inCage(s)) {
                    const AABB2 r = view.GetSquareRect(*s);
                    const float left = SameCage(at(x - 1, y - 1), s) ? r.mins.x + m : r.mins.x - m;
                    const float right = SameCage(at(x + 1, y - 1), s) ? r.maxs.x - m : r.maxs.x + m;
                    segments.push_back({Vector2(left, r.mins.y - m), Vector2(right, r.mins.y - m)});
                } else if (inCage(u)) {
                    const AABB2 r = view.GetSquareRect(*u);
                    const float left = SameCage(l, u) ? r.mins.x + m : r.mins.x - m;
                    const float right = SameCage(at(x + 1, y), u) ? r.maxs.x - m : r.maxs.x + m;
                    segments.push_back({Vector2(left, r.maxs.y + m), Vector2(right, r.maxs.y + m)});
                }
            }
        }
    }
    return segments;
}

} // namespace

void PemberquillRenderer::DrawInstructorCallOutCage(const InstructorCallOut& callOut, const BoardView& view)
{
    ULVO_ASSERT(callOut.m_calledOutCage != NULL, "Called with a callOut whose m_calledOutCage was NULL!",
                "PemberquillRenderer::DrawInstructorCallOutCage");
    DrawSegments(CollectCageOutline(view, *callOut.m_calledOutCage), CallOutLook(callOut));
}

void PemberquillRenderer::DrawInstructorCallOutHiddenCage(const InstructorCallOut& callOut, const BoardView& view)
{
    ULVO_ASSERT(callOut.m_calledOutCage != NULL, "Called with a callOut whose m_calledOutCage was NULL!",
                "PemberquillRenderer::DrawInstructorCallOutHiddenCage");
    const Square* key = callOut.m_calledOutCage->GetKeySquare();
    if (key == nullptr) {
        return;
    }
    const AABB2 box = Grown(view.GetSquareRect(*key), BOARD_GROWTH);
    DrawSegments({{box.mins, Vector2(box.maxs.x, box.mins.y)}, {box.mins, Vector2(box.mins.x, box.maxs.y)}},
                 CallOutLook(callOut));
}

void PemberquillRenderer::DrawInstructorCallOutSquare(const InstructorCallOut& callOut, const BoardView& view)
{
    const char* const title = "PemberquillRenderer::DrawInstructorCallOutSquare";
    ULVO_ASSERT(callOut.m_calledOutSquare != NULL, "Called with a callOut whose calledOutSquare was NULL!", title);
    ULVO_ASSERT(callOut.m_calledOutCandidateIndex == INDEX_INVALID,
                "Called with a callOut whose m_calledOutCandidateIndex was *not* INDEX_INVALID!", title);
    DrawOutlinedBox(Grown(view.GetSquareRect(*callOut.m_calledOutSquare), BOARD_GROWTH), CallOutLook(callOut), 3.0f,
                    6.0f);
}

void PemberquillRenderer::DrawInstructorCallOutCandidate(const InstructorCallOut& callOut, const BoardView& view)
{
    const char* const title = "PemberquillRenderer::DrawInstructorCallOutCandidate";
    ULVO_ASSERT(callOut.m_calledOutSquare != NULL, "Called with a callOut whose calledOutSquare was NULL!", title);
    ULVO_ASSERT(callOut.m_calledOutCandidateIndex != INDEX_INVALID,
                "Called with a callOut whose m_calledOutCandidateIndex was INDEX_INVALID!", title);
    const AABB2 box =
        Grown(view.GetCandidateRect(callOut.m_calledOutCandidateIndex, *callOut.m_calledOutSquare), CANDIDATE_GROWTH);
    const CallOutLook look(callOut);
    if (!callOut.m_isCalledOutForRemoval) {
        DrawOutlinedBox(box, look, 2.0f, 3.0f);
        return;
    }
    const Vector2 shift(3.0f * look.ease, 3.0f * look.ease);
    const float shadowWidth = 2.0f + 2.0f * look.ease;
    DrawRemovalCross(box + shift, callOut.GetTime(), look.shadow, shadowWidth);
    Renderer()->DrawBounds(box + shift, look.shadow, false, 0.0f, shadowWidth);
    DrawRemovalCross(box, callOut.GetTime(), look.highlight, 2.0f);
    Renderer()->DrawBounds(box, look.highlight, false, 0.0f, 2.0f);
}

void PemberquillRenderer::DrawInstructorCallOutColumn(const InstructorCallOut& callOut, const BoardView& view)
{
    ULVO_ASSERT(callOut.m_calledOutColumnIndex != INDEX_INVALID,
                "Called with a callOut whose m_calledOutColumnIndex was INDEX_INVALID!",
                "PemberquillRenderer::DrawInstructorCallOutColumn");
    const unsigned column = static_cast<unsigned>(callOut.m_calledOutColumnIndex);
    AABB2 box = view.GetSquareRect(column);
    box.StretchToIncludeBox(view.GetSquareRect(view.size * (view.size - 1) + column));
    DrawOutlinedBox(Grown(box, BOARD_GROWTH), CallOutLook(callOut), 3.0f, 6.0f);
}

void PemberquillRenderer::DrawInstructorCallOutRow(const InstructorCallOut& callOut, const BoardView& view)
{
    ULVO_ASSERT(callOut.m_calledOutRowIndex != INDEX_INVALID,
                "Called with a callOut whose m_calledOutRowIndex was INDEX_INVALID!",
                "PemberquillRenderer::DrawInstructorCallOutRow");
    const unsigned first = view.size * static_cast<unsigned>(callOut.m_calledOutRowIndex);
    AABB2 box = view.GetSquareRect(first);
    box.StretchToIncludeBox(view.GetSquareRect(first + view.size - 1));
    DrawOutlinedBox(Grown(box, BOARD_GROWTH), CallOutLook(callOut), 3.0f, 6.0f);
}

void PemberquillRenderer::DrawInstructorCallOuts(const PuzzleDisplay& display)
{
    for (const BoardView& view : display.GetBoardViews()) {
        if (!view.useThumbnail) {
            DrawInstructorCallOutsForBoardView(view);
        }
    }
}

void PemberquillRenderer::DrawInstructorCallOutsForBoardView(const BoardView& view)
{
    const InstructorView* instructor = GetInstructorView();
    if (instructor == nullptr || Renderer() == nullptr) {
        return;
    }
    const Board* board = view.board;
    const int n = static_cast<int>(board->GetSize());
    const auto draw = [&view](InstructorCallOut* callOut, void (*highlight)(const InstructorCallOut&, const BoardView&),
                              bool withPointer) {
        if (callOut != nullptr) {
            highlight(*callOut, view);
            if (withPointer) {
                DrawInstructorCallOutPointer(*callOut, &view);
            }
        }
    };
    for (int column = 0; column < n; ++column) {
        draw(instructor->FindCallOutForColumn(board, column), DrawInstructorCallOutColumn, true);
    }
    for (int row = 0; row < n; ++row) {
        draw(instructor->FindCallOutForRow(board, row), DrawInstructorCallOutRow, true);
    }
    for (const Cage& cage : board->GetCages()) {
        draw(instructor->FindCallOutForCage(&cage), view.isCageless ? DrawInstructorCallOutHiddenCage : DrawInstructorCallOutCage, true);
    }
    for (const Square& square : board->GetSquares()) {
        draw(instructor->FindCallOutForSquare(&square), DrawInstructorCallOutSquare, true);
    }
    for (const Square& square : board->GetSquares()) {
        for (int k = 0; k < n; ++k) {
            InstructorCallOut* callOut = instructor->FindCallOutForCandidate(&square, k);
            draw(callOut, DrawInstructorCallOutCandidate, callOut != nullptr && !callOut->m_isCalledOutForRemoval);
        }
    }
}

void PemberquillRenderer::DrawPositionedInstructorCallOuts()
{
    if (const InstructorView* instructor = GetInstructorView()) {
        for (InstructorCallOut* callOut : instructor->CollectPositionedCallOuts()) {
            DrawInstructorCallOutPointer(*callOut, nullptr);
        }
    }
}

// The arrow flies in from the upper right and then bobs against the anchor,
// touching it when the colour is yellowest. Near the top or the right edge
// of the view it comes from below or from the left instead, so that it
// stays on screen.
void PemberquillRenderer::DrawInstructorCallOutPointer(InstructorCallOut& callOut, const BoardView* view)
{
    if (Renderer() == nullptr) {
        return;
    }
    if (view != nullptr) {
        callOut.UpdateAnchorPositionForBoardView(*view);
    }
    const double t = callOut.GetTime();
    const double c = std::cos(4.0 * t);
    const float pulse = static_cast<float>(std::clamp(-c, 0.0, 1.0));
    const float d = static_cast<float>(1000.0 / (200.0 * t * t + 1.0) + 5.0 * c + 5.0);
    const Vector2 lean = PointerLean(callOut.m_anchorPosition);
    const Vector2 tip = callOut.m_anchorPosition + Vector2(lean.x * d, lean.y * 2.0f * d);
    const Vector2 tail = tip + Vector2(lean.x * 30.0f, lean.y * 60.0f);
    const Rgba color(1.0f, pulse * pulse, 0.0f, 1.0f);
    DrawArrow(tail + Vector2(12.0f, 12.0f), tip + Vector2(4.0f, 4.0f), POINTER_SHADOW, 1.0f, 15.0f, 5.0f);
    DrawArrow(tail, tip, color, 1.0f, 15.0f, 3.0f);
}

void PemberquillRenderer::DrawArrow(const Vector2& a, const Vector2& b, const Rgba& color, float headFraction,
                                    float headLength, float width)
{
    const Vector2 direction = b - a;
    const Vector2 head = a + direction * headFraction;
    const Vector2 back = Vector2::SetLength(direction, headLength);
    const Vector2 side = Vector2::Perpendicular(back);
    DrawLine(a, b, color, width);
    DrawLine(head, head - back + side, color, width);
    DrawLine(head, head - back - side, color, width);
}

void PemberquillRenderer::DrawPaintCursor(const PuzzleDisplay& display)
{
    const BoardSettingsInterface& settings = GetBoardSettings();
    const Puzzle& puzzle = *display.GetOwner();
    if (!settings.IsPaintingCages() || Renderer() == nullptr || !puzzle.HasBoards()) {
        return;
    }
    const Rgba color = puzzle.GetBoards()[0]->GetPaletteColor(settings.GetPaintColorIndex());
    const Vector2 centre = display.GetPointAtNormalizedCoords(puzzle.GetPointerPosition());
    const double t = 1.6 * puzzle.GetClock().GetTime();
    // Each corner wobbles on its own frequencies.
    static const Vector2 BASES[4] = {{-20.0f, -20.0f}, {20.0f, -20.0f}, {20.0f, 20.0f}, {-20.0f, 20.0f}};
    static const std::pair<double, double> FREQUENCIES[4] = {{3.3, 2.2}, {1.4, 5.7}, {3.7, 3.2}, {2.6, 4.5}};
    Vector2 corners[4];
    for (int k = 0; k < 4; ++k) {
        const double amplitude = 4.0 * std::cos(FREQUENCIES[k].first * t);
        const double angle = FREQUENCIES[k].second * t;
        corners[k] = centre + BASES[k] +
                     Vector2(static_cast<float>(amplitude * std::cos(angle)), static_cast<float>(amplitude * std::sin(angle)));
    }
    Renderer()->DrawQuad(corners[0], corners[1], corners[2], corners[3], color, color, color, color, true, 1.0f);
}

} // namespace Pemberquill
