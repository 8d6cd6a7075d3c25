#pragma once

#include "game/common/IndexInvalid.h"
#include "engine/core/Clock.h"
#include "engine/core/Vector2.h"

#include <string>

namespace Pemberquill {

class Board;
class BoardView;
struct Cage;
struct Square;


// One call-out of the instructor: an outline and an arrow that point the
// player at a cage, a square, a candidate, a column, a row or a point of the
// screen. It carries no text. Its clock starts at 0 when it is made, and all
// of its animation is worked out from that time. The creator sets exactly
// one kind of anchor; the instructor's list owns the call-out.
class InstructorCallOut {
public:
    InstructorCallOut(Clock* parentClock, const std::string& channelName);
    InstructorCallOut(const InstructorCallOut&) = delete;
    InstructorCallOut& operator=(const InstructorCallOut&) = delete;

    // Recomputes the anchor from the board view that draws the call-out.
    // A call-out of no board kind keeps its anchor.
    void UpdateAnchorPositionForBoardView(const BoardView& view);

    bool IsOnChannel(const std::string& channelName) const;
    double GetTime() const { return m_clock.GetTime(); }

    Clock m_clock;
    std::string m_channelName;
    bool m_isAnchorPositionValid = false;
    Vector2 m_anchorPosition;
    const Cage* m_calledOutCage = nullptr;
    const Square* m_calledOutSquare = nullptr;
    int m_calledOutCandidateIndex = INDEX_INVALID;
    const Board* m_calledOutBoard = nullptr;
    int m_calledOutColumnIndex = INDEX_INVALID;
    int m_calledOutRowIndex = INDEX_INVALID;
    // A candidate to be removed: drawn crossed out, without an arrow.
    bool m_isCalledOutForRemoval = false;
};

} // namespace Pemberquill
