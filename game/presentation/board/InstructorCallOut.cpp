#include "game/presentation/board/InstructorCallOut.h"

#include "engine/core/Diagnostics.h"
#include "game/presentation/board/BoardView.h"
#include "game/puzzle/board/Cage.h"

#include <strings.h>

namespace Pemberquill {

namespace {

const char* const ANCHOR_TITLE = "InstructorCallOut::UpdateAnchorPositionForBoardView";

} // namespace

InstructorCallOut::InstructorCallOut(Clock* parentClock, const std::string& channelName)
    : m_clock(parentClock), m_channelName(channelName)
{
    // A child clock starts at its parent's time; a call-out counts from 0.
    m_clock.SetTime(0.0);
    m_clock.SetLastStep(0.0);
}

bool InstructorCallOut::IsOnChannel(const std::string& channelName) const
{
    return strcasecmp(m_channelName.c_str(), channelName.c_str()) == 0;
}

void InstructorCallOut::UpdateAnchorPositionForBoardView(const BoardView& view)
{
    if (m_calledOutCandidateIndex != INDEX_INVALID) {
        ULVO_ASSERT(m_calledOutSquare != NULL,
                    Stringf("m_calledOutCandidateIndex was %d, but m_calledOutSquare was NULL!", m_calledOutCandidateIndex),
                    ANCHOR_TITLE);
        m_anchorPosition = view.ComputeCallOutAnchorForCandidate(m_calledOutCandidateIndex, *m_calledOutSquare);
    } else if (m_calledOutSquare != nullptr) {
        m_anchorPosition = view.ComputeCallOutAnchorForSquare(*m_calledOutSquare);
    } else if (m_calledOutCage != nullptr) {
        m_anchorPosition = view.ComputeCallOutAnchorForCage(*m_calledOutCage);
    } else if (m_calledOutColumnIndex != INDEX_INVALID) {
        ULVO_ASSERT(m_calledOutBoard != NULL,
                    Stringf("m_calledOutColumnIndex was %d, but m_calledOutBoard was NULL!", m_calledOutColumnIndex),
                    ANCHOR_TITLE);
        m_anchorPosition = view.ComputeCallOutAnchorForColumn(m_calledOutColumnIndex);
    } else if (m_calledOutRowIndex != INDEX_INVALID) {
        ULVO_ASSERT(m_calledOutBoard != NULL,
                    Stringf("m_calledOutRowIndex was %d, but m_calledOutBoard was NULL!", m_calledOutRowIndex),
                    ANCHOR_TITLE);
        m_anchorPosition = view.ComputeCallOutAnchorForRow(m_calledOutRowIndex);
    } else {
        return;
    }
    m_isAnchorPositionValid = true;
}

} // namespace Pemberquill
