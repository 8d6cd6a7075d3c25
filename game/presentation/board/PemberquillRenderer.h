#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"
#include "game/presentation/board/CampaignRoute.h"
#include "game/presentation/board/CreditsSection.h"
#include "game/common/GameSubsystem.h"

#include <vector>

class NamedProperties;
class Texture;

namespace Pemberquill {

struct BoardDrawing;
class BoardView;
class CampaignRegion;
class InstructorCallOut;
class PuzzleDisplay;
struct Square;

// The board drawing of the game: puzzles with their call-outs, board
// thumbnails rendered into textures, and the credits text. Everything is
// drawn through the default renderer, in the units of the current
// projection, and nothing is drawn without one; no state is kept between
// frames. The object itself only listens for the thumbnail requests.
class PemberquillRenderer : public GameSubsystem {
public:
    // Listens for "RenderBoardThumbnailToTexture" until destroyed. Starting
    // twice is an assertion.
    void Startup();
    bool IsStarted() const { return m_isStarted; }

    // The boards of the display, then the instructor's call-outs over them
    // and the paint cursor. Refreshes the display's views first.
    static void DrawPuzzle(PuzzleDisplay& display);
    // DrawPuzzle on a tinted panel that fills the display's bounds.
    static void DrawPuzzleOnPanel(PuzzleDisplay& display);
    // One board from its view: the stored thumbnail for a thumbnail view
    // (nothing until it has been rendered), else the drawing passes.
    static void DrawBoardView(const BoardView& view);

    // The call-outs of every board view that shows its board.
    static void DrawInstructorCallOuts(const PuzzleDisplay& display);
    static void DrawInstructorCallOutsForBoardView(const BoardView& view);
    // Call-outs anchored at a screen point (the campaign map).
    static void DrawPositionedInstructorCallOuts();
    // The highlights of a board view's call-outs, each around what its
    // call-out names; a call-out without that target is an assertion.
    static void DrawInstructorCallOutCage(const InstructorCallOut& callOut, const BoardView& view);
    // A hidden cage is not shown, so a corner bracket marks its key square.
    static void DrawInstructorCallOutHiddenCage(const InstructorCallOut& callOut, const BoardView& view);
    static void DrawInstructorCallOutSquare(const InstructorCallOut& callOut, const BoardView& view);
    // A candidate to be removed is crossed out as well.
    static void DrawInstructorCallOutCandidate(const InstructorCallOut& callOut, const BoardView& view);
    static void DrawInstructorCallOutColumn(const InstructorCallOut& callOut, const BoardView& view);
    static void DrawInstructorCallOutRow(const InstructorCallOut& callOut, const BoardView& view);
    // The arrow of a call-out; with a view, its anchor follows the view.
    static void DrawInstructorCallOutPointer(InstructorCallOut& callOut, const BoardView* view);
    // A line from a to b with two barbs at the fraction headFraction of the
    // way, each headLength long.
    static void DrawArrow(const Vector2& a, const Vector2& b, const Rgba& color, float headFraction,
                          float headLength, float width);
    // While painting: a wobbling patch of the paint colour at the mouse.
    static void DrawPaintCursor(const PuzzleDisplay& display);

    // The rolling credits over a dimmed screen; scrollOffset moves them up.
    static void DrawCredits(const std::vector<CreditsSection>& sections, float scrollOffset);

    // The instructor's picture behind the tutorial window's buttons and
    // puzzle; nothing without an instructor or without its picture.
    static void DrawInstructorBackground();
    // A 1024 x 1024 backdrop whose picture fills its top 640 rows, stretched
    // over the whole view; nothing for a null texture.
    static void DrawFullScreenBackdrop(Texture* texture);
    // The application's view size; (0, 0) without an application.
    static Vector2 GetViewSize();

    // The campaign map behind and over its windows, over the whole view.
    // The region's route with a light wave running along it, then the
    // call-outs on the map; nothing at all for a null region.
    static void DrawCampaignRegion(const CampaignRegion* region, const CampaignNodeLookup& lookup);
    // The region's background, then the call-outs on the map. A null region
    // is an assertion.
    static void DrawCampaignRegionBackground(const CampaignRegion* campaignRegion);
    // The region's background alone; nothing for a null region.
    static void DrawCampaignRegionFullScreenTexture(const CampaignRegion* region);

    // Draws the board of the request's "PassBackProperties" into the
    // texture being updated and marks its thumbnail ready.
    void Event_OnRenderBoardThumbnailToTexture(NamedProperties& args);

private:
    // The passes of DrawBoardView, in order; later passes draw over earlier
    // ones. Every square in rows: DrawSquare.
    static void DrawSquares(const BoardDrawing& drawing);
    // Fill and outline, then the value or the candidates, the cage label,
    // and the clear box when the mouse is over the square.
    static void DrawSquare(const BoardDrawing& drawing, const Square& square);
    // Blinks when wrong and errors are highlighted; runs the solve wave.
    static void DrawSquareValue(const BoardDrawing& drawing, const Square& square, const AABB2& rect,
                                unsigned value, bool isUnderMouse);
    // The square under the mouse shows all candidates in boxes; another only
    // the possible ones, and an eliminated answer while errors are
    // highlighted.
    static void DrawSquareCandidates(const BoardDrawing& drawing, const Square& square, bool isUnderMouse);
    // The rule text, on its cage's key square only.
    static void DrawCageLabel(const BoardDrawing& drawing, const Square& square);
    static void DrawClearBox(const BoardDrawing& drawing, const AABB2& rect, unsigned value);
    // The edges between cages (paint colours on a hidden-cage board), then
    // the board's frame.
    static void DrawCageBorders(const BoardDrawing& drawing);
    static void DrawComparisonSigns(const BoardDrawing& drawing);
    static void DrawFocusedCageOutline(const BoardDrawing& drawing);
    // A line faded with the board, widthFactor times the view's line width.
    static void DrawBoardLine(const BoardDrawing& drawing, const Vector2& from, const Vector2& to, const Rgba& color,
                              float widthFactor);

    bool m_isStarted = false;
};

} // namespace Pemberquill
