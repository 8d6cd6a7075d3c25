#pragma once

#include "game/common/InstalledInterface.h"

#include <string>

class Vector2;

namespace Pemberquill {

class Board;
struct Cage;
struct Square;

// The instructor's call-out bubbles, as the floors below the tutorial place
// them: the solver's one-line explanations, the game's staged hints and the
// campaign map's locations all point through this.
// The tutorial sits above the puzzle logic, so it implements this once and
// installs itself with SetHintCallOuts; tests install a recording fake.
class HintCallOutInterface {
public:
    // Removes every call-out placed on the channel; nothing when there is none.
    virtual void DestroyCallOutsByChannel(const std::string& channelName) = 0;
    virtual void CallOutCage(const Cage& cage, const std::string& channelName) = 0;
    // A bubble pointing at a square of a board (the board's own square).
    virtual void CallOutSquare(const Square& square, const std::string& channelName) = 0;
    // A bubble pointing at one candidate (value - 1) of a square.
    virtual void CallOutCandidate(const Square& square, int candidateIndex, const std::string& channelName) = 0;
    // The same bubble with its extra flag set: the candidate is to be removed.
    virtual void CallOutCandidateVariant(const Square& square, int candidateIndex,
                                         const std::string& channelName) = 0;
    virtual void CallOutRow(const Board& board, int rowIndex, const std::string& channelName) = 0;
    virtual void CallOutColumn(const Board& board, int columnIndex, const std::string& channelName) = 0;
    // A bubble pointing at a point of the screen, such as a location on a map.
    virtual void CallOutScreenPosition(const Vector2& position, const std::string& channelName) = 0;

protected:
    ~HintCallOutInterface() = default;
};

// Installs the call-outs that hints use from now on; the caller keeps
// ownership and installs null before the object goes away.
inline void SetHintCallOuts(HintCallOutInterface* callOuts)
{
    InstalledInterface<HintCallOutInterface>::Set(callOuts);
}

// The installed call-outs; null while no instructor exists (tools, tests,
// and start-up before the tutorial is ready), when hints show text only.
inline HintCallOutInterface* GetHintCallOuts()
{
    return InstalledInterface<HintCallOutInterface>::Get();
}

} // namespace Pemberquill
