#include "game/presentation/board/PemberquillRenderer.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/presentation/board/BoardDrawing.h"
#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

namespace Pemberquill {

namespace {

constexpr Rgba PANEL_FILL{0, 0, 100, 160};
constexpr Rgba PANEL_OUTLINE{0, 0, 0, 255};
constexpr Rgba NO_BOARD_BACKGROUND{255, 255, 255, 255};
constexpr Rgba THUMBNAIL_BACKGROUND{0, 0, 0, 255};
// The thumbnail's board keeps this far from the texture's edges.
const Vector2 THUMBNAIL_MARGIN(2.0f, 2.0f);

constexpr Rgba CREDITS_BACKDROP{0, 0, 0, 128};
constexpr Rgba CREDITS_SHADOW{0, 0, 0, 192};
// Per level: the colour and where the text ends, as a fraction of the width.
constexpr Rgba CREDITS_COLORS[3] = {{255, 128, 0, 255}, {230, 230, 185, 255}, {200, 180, 50, 255}};
constexpr float CREDITS_RIGHT_EDGES[3] = {0.7f, 0.75f, 0.8f};
constexpr size_t CREDITS_SECTION_LEVEL = 0;
constexpr size_t CREDITS_GROUP_LEVEL = 1;
constexpr size_t CREDITS_LINE_LEVEL = 2;

struct CreditsPen {
    UlvoRendererInterface& renderer;
    const BitmapFont* font;
    float width;
    float y;
};

// One record at its level: its space before and its text size down the
// page, then its text, ending at the level's edge.
void DrawCreditsText(CreditsPen& pen, const std::string& text, const CreditsSpacing& spacing, size_t level)
{
    pen.y += spacing.offsetBefore + spacing.pointSize;
    const Vector2 point(CREDITS_RIGHT_EDGES[level] * pen.width, pen.y);
    pen.renderer.DrawText(pen.font, point + Vector2(2.0f, 2.0f), text, spacing.pointSize, CREDITS_SHADOW, 1, 0);
    pen.renderer.DrawText(pen.font, point, text, spacing.pointSize, CREDITS_COLORS[level], 1, 0);
}

} // namespace

void PemberquillRenderer::Startup()
{
    ULVO_ASSERT(!m_isStarted, "Startup called on an initialized subsystem.", "PemberquillRenderer::Startup");
    RegisterEventHandler("RenderBoardThumbnailToTexture", UlvoEventSystem::GetGlobal(),
                         &PemberquillRenderer::Event_OnRenderBoardThumbnailToTexture, this);
    m_isStarted = true;
}

void PemberquillRenderer::DrawPuzzle(PuzzleDisplay& display)
{
    display.UpdateBoardViews();
    for (const BoardView& view : display.GetBoardViews()) {
        DrawBoardView(view);
    }
    DrawInstructorCallOuts(display);
    DrawPaintCursor(display);
}

void PemberquillRenderer::DrawPuzzleOnPanel(PuzzleDisplay& display)
{
    if (UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance()) {
        renderer->DrawBounds(display.GetBounds(), PANEL_FILL, true, 0.5f, 1.0f);
        renderer->DrawBounds(display.GetBounds(), PANEL_OUTLINE, false, 0.0f, 1.0f);
    }
    DrawPuzzle(display);
}

void PemberquillRenderer::DrawBoardView(const BoardView& view)
{
    UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
    if (renderer == nullptr) {
        return;
    }
    if (view.useThumbnail) {
        const BoardProgress* progress = view.board->GetProgress();
        if (progress != nullptr && progress->IsThumbnailReady()) {
            renderer->DrawTexturedQuad(view.thumbnailTexture, view.rect.mins, view.rect.maxs, Rgba::WHITE,
                                       Vector2(0.0f, 0.0f), Vector2(1.0f, 1.0f));
        }
        return;
    }
    const BoardDrawing drawing(*renderer, view);
    DrawSquares(drawing);
    DrawCageBorders(drawing);
    DrawComparisonSigns(drawing);
    DrawFocusedCageOutline(drawing);
}

void PemberquillRenderer::Event_OnRenderBoardThumbnailToTexture(NamedProperties& args)
{
    UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
    if (renderer == nullptr) {
        return;
    }
    Vector2 size;
    args.Get("UpdatedRegionSize", size);
    NamedProperties passBack;
    args.Get("PassBackProperties", passBack);
    Board* board = nullptr;
    passBack.Get("Board", board);
    if (board == nullptr) {
        renderer->Clear(NO_BOARD_BACKGROUND);
        return;
    }
    renderer->Clear(THUMBNAIL_BACKGROUND);

    BoardView view(board, AABB2(THUMBNAIL_MARGIN, size - Vector2(1.0f, 1.0f) - THUMBNAIL_MARGIN * 2.0f));
    view.UpdateLayout(false, true, false);
    // A thumbnail is small: bold lines, values only, fully opaque.
    view.lineWidth *= 2.0f;
    view.isThumbnail = true;
    view.showValues = true;
    view.showCandidates = false;
    view.showCageLabels = false;
    DrawBoardView(view);

    // The request names the progress whose texture this is; the board may
    // have another attached by now.
    BoardProgress* progress = board->GetProgress();
    passBack.Get("BoardProgress", progress);
    if (progress != nullptr) {
        progress->MarkThumbnailReady();
    }
}

void PemberquillRenderer::DrawCredits(const std::vector<CreditsSection>& sections, float scrollOffset)
{
    UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
    const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
    if (renderer == nullptr || application == nullptr) {
        return;
    }
    const IntVector2 viewSize = application->GetViewBoundsSize();
    const Vector2 screen(static_cast<float>(viewSize.x), static_cast<float>(viewSize.y));
    renderer->DrawBounds(AABB2(Vector2(), screen), CREDITS_BACKDROP, true, 0.0f, 1.0f);
    CreditsPen pen{*renderer, renderer->GetFont("MainFont"), screen.x, screen.y + scrollOffset - 40.0f};
    for (const CreditsSection& section : sections) {
        DrawCreditsText(pen, section.name, section.spacing, CREDITS_SECTION_LEVEL);
        for (const CreditsGroup& group : section.groups) {
            DrawCreditsText(pen, group.name, group.spacing, CREDITS_GROUP_LEVEL);
            for (const CreditsLine& line : group.lines) {
                DrawCreditsText(pen, line.text, line.spacing, CREDITS_LINE_LEVEL);
                pen.y += line.spacing.gapAfter;
            }
            pen.y += group.spacing.gapAfter;
        }
        pen.y += section.spacing.gapAfter;
    }
}

} // namespace Pemberquill
