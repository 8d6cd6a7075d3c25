#pragma once

#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/Vector2.h"
#include "game/puzzle/board/Cage.h"
#include "game/puzzle/solver/HintCallOutInterface.h"
#include "game/puzzle/board/Square.h"

namespace Pemberquill {

// Every call-out, in order, as text; the calls a hint never makes are
// recorded too, so that a stray one shows.
class RecordingHintCallOuts : public HintCallOutInterface {
public:
    void DestroyCallOutsByChannel(const std::string& channelName) override { calls.push_back("destroy " + channelName); }
    void CallOutCage(const Cage& cage, const std::string& channelName) override
    {
        calls.push_back(Stringf("cage %d ", cage.index) + channelName);
    }
    void CallOutSquare(const Square& square, const std::string& channelName) override
    {
        calls.push_back(Stringf("square %u,%u ", square.x, square.y) + channelName);
    }
    void CallOutCandidate(const Square& square, int candidateIndex, const std::string& channelName) override
    {
        calls.push_back(Stringf("candidate %u,%u #%d ", square.x, square.y, candidateIndex) + channelName);
    }
    void CallOutCandidateVariant(const Square& square, int candidateIndex, const std::string& channelName) override
    {
        calls.push_back(Stringf("flagged %u,%u #%d ", square.x, square.y, candidateIndex) + channelName);
    }
    void CallOutRow(const Board&, int rowIndex, const std::string& channelName) override
    {
        calls.push_back(Stringf("row %d ", rowIndex) + channelName);
    }
    void CallOutColumn(const Board&, int columnIndex, const std::string& channelName) override
    {
        calls.push_back(Stringf("column %d ", columnIndex) + channelName);
    }
    void CallOutScreenPosition(const Vector2& position, const std::string& channelName) override
    {
        calls.push_back(Stringf("position %g,%g ", position.x, position.y) + channelName);
    }

    std::vector<std::string> calls;
};

// The recorder installed as the hints' call-outs for its lifetime.
class InstalledRecordingHintCallOuts final : public RecordingHintCallOuts {
public:
    InstalledRecordingHintCallOuts() { SetHintCallOuts(this); }
    ~InstalledRecordingHintCallOuts() { SetHintCallOuts(nullptr); }
    InstalledRecordingHintCallOuts(const InstalledRecordingHintCallOuts&) = delete;
    InstalledRecordingHintCallOuts& operator=(const InstalledRecordingHintCallOuts&) = delete;
};

} // namespace Pemberquill
