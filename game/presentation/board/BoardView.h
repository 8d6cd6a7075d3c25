#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/FontDescriptor.h"
#include "engine/core/Vector2.h"

#include <vector>

class Texture;

namespace Pemberquill {

class Board;
struct Cage;
struct Square;

// Where one board stands on screen this frame: its rectangle, every square
// and candidate box, the label and clear boxes, the text sizes and which
// kinds of text are legible, and the intro and solve animations worked out
// from the clocks. Everything is recomputed from the board and the times the
// display copies in, so a view carries nothing from one frame to the next.
// It never owns the board or the texture.
class BoardView {
public:
    static constexpr double NOT_SHOWN_TIME = 9999.0;

    BoardView(Board* board, const AABB2& rect);

    // isStatic: a thumbnail display, which draws the board's stored
    // thumbnail when it has one. animate applies the intro zoom to rect.
    void UpdateLayout(bool isStatic, bool hideCandidates, bool animate);

    // In screen units.
    AABB2 GetSquareRect(const Square& square) const;
    AABB2 GetSquareRect(unsigned squareIndex) const;
    AABB2 GetCandidateRect(int candidateIndex, const Square& square) const;

    // The points at which the instructor's arrows aim.
    Vector2 ComputeCallOutAnchorForSquare(const Square& square) const;
    Vector2 ComputeCallOutAnchorForCage(const Cage& cage) const;
    Vector2 ComputeCallOutAnchorForCandidate(int candidateIndex, const Square& square) const;
    Vector2 ComputeCallOutAnchorForColumn(int column) const;
    Vector2 ComputeCallOutAnchorForRow(int row) const;

    // Seconds since the puzzle was solved on the board's clock; 0 unsolved.
    double GetTimeSinceSolved() const;

    Board* board;
    AABB2 rect;
    Vector2 mousePoint{-1.0f, -1.0f};
    unsigned size = 1;
    float invSize = 1.0f;
    Vector2 rectSize;
    Vector2 squareSize;
    Vector2 candidateSize;
    // Relative to a square's top-left corner.
    std::vector<AABB2> candidateRects;
    // Relative to rect's top-left corner, row-major, with the square drop.
    std::vector<AABB2> squareRects;
    AABB2 cageLabelBox;
    AABB2 clearBox;
    FontDescriptor valueFont{"", 0, false, false};
    FontDescriptor candidateFont{"", 0, false, false};
    FontDescriptor cageLabelFont{"", 0, false, false};
    float lineWidth = 1.0f;
    bool isThumbnail = false;
    bool showValues = true;
    bool showCandidates = true;
    bool showCageLabels = true;
    bool isCageless = false;
    bool isStatic = false;
    Texture* thumbnailTexture = nullptr;
    bool useThumbnail = false;
    bool isSolved = false;
    double solveTimeOnBoardClock = 0.0;
    double timeSinceShown = NOT_SHOWN_TIME;
    bool isUnlockPuzzle = false;
    bool hasNoName = false;
    // Copied from the display; the three fonts are built slanted.
    bool isTextItalic = false;

private:
    void ApplyZoom();
    Vector2 ComputeSquareDrop(unsigned column, unsigned row) const;
    void UpdateFonts(bool hideCandidates);
};

} // namespace Pemberquill
