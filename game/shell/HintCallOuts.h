#pragma once

#include <string>

namespace Pemberquill {

class Board;
struct Cage;
struct Square;

// The instructor's call-out bubbles as a hint places them. The instructor
// implements it; the game object hands it to ShowHintText, and tests hand
// in a recording fake.
class HintCallOuts {
public:
    // Removes every call-out of the channel; nothing when there is none.
    virtual void DestroyCallOutsByChannel(const std::string& channelName) = 0;
    virtual void CallOutCage(const Cage& cage, const std::string& channelName) = 0;
    virtual void CallOutSquare(const Square& square, const std::string& channelName) = 0;
    // Points at one candidate (value - 1) of a square.
    virtual void CallOutCandidate(const Square& square, int candidateIndex, const std::string& channelName) = 0;
    // The same bubble with its extra flag set: the candidate is to be removed.
    virtual void CallOutCandidateVariant(const Square& square, int candidateIndex,
                                         const std::string& channelName) = 0;
    virtual void CallOutRow(const Board& board, int rowIndex, const std::string& channelName) = 0;
    virtual void CallOutColumn(const Board& board, int columnIndex, const std::string& channelName) = 0;

protected:
    ~HintCallOuts() = default;
};

} // namespace Pemberquill
