#include "game/campaign/HintStages.h"

#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/solver/HintCallOutInterface.h"
#include "game/campaign/HintSentences.h"

#include <limits>
#include <string>

namespace Pemberquill {

namespace {

const char* const HINT_CHANNEL = "hint";

constexpr Rgba HINT_FONT_COLOR{0, 255, 0, 255};
constexpr Rgba HINT_BASE_COLOR{0, 0, 0, 150};
constexpr Rgba NO_HINT_BASE_COLOR{0, 0, 0, 0};

const char* GetRepeatedStageLabel(unsigned stage, unsigned stageCount)
{
    if (stage >= stageCount) {
        return "That's it!";
    }
    if (stage == 0) {
        return "Another Tip";
    }
    if (stage == stageCount - 1) {
        return "Just tell me...";
    }
    return "Give me more...";
}

void FireHintStageChanged(const std::string& label, unsigned stage)
{
    NamedProperties properties;
    properties.Set("Label", label);
    properties.Set("Stage", stage);
    FireGlobalEvent("HintStageChangedEvent", properties);
}

void CallOutCandidateOfStep(const HintRecord& record, const Square& square, bool flagged,
                            HintCallOutInterface& callOuts)
{
    const int candidateIndex = GetHintNumber(record) - 1;
    if (candidateIndex < 0 || candidateIndex >= static_cast<int>(record.board->GetSize())) {
        return;
    }
    if (flagged) {
        callOuts.CallOutCandidateVariant(square, candidateIndex, HINT_CHANNEL);
    } else {
        callOuts.CallOutCandidate(square, candidateIndex, HINT_CHANNEL);
    }
}

void CallOutLineOfStep(const HintRecord& record, HintCallOutInterface& callOuts)
{
    const int size = static_cast<int>(record.board->GetSize());
    const BoardMove& move = record.move;
    if (move.rowIndex != -1) {
        if (move.rowIndex >= 0 && move.rowIndex < size) {
            callOuts.CallOutRow(*record.board, move.rowIndex, HINT_CHANNEL);
        }
    } else if (move.columnIndex >= 0 && move.columnIndex < size) {
        callOuts.CallOutColumn(*record.board, move.columnIndex, HINT_CHANNEL);
    }
}

// A step that names no square of its board (a solution mark names a cage
// and a solution instead) gets no square, cage or candidate bubble.
void PlaceCallOuts(const HintRecord& record, unsigned targets, HintCallOutInterface& callOuts)
{
    Board& board = *record.board;
    if ((targets & HINT_CALL_OUT_LINE) != 0) {
        CallOutLineOfStep(record, callOuts);
    }
    if (!board.IsInside(record.move.x, record.move.y)) {
        return;
    }
    const unsigned x = static_cast<unsigned>(record.move.x);
    const unsigned y = static_cast<unsigned>(record.move.y);
    const Square& square = board.GetSquare(x, y);
    if ((targets & HINT_CALL_OUT_CAGE) != 0) {
        if (const Cage* cage = board.GetCageFromSquare(x, y)) {
            callOuts.CallOutCage(*cage, HINT_CHANNEL);
        }
    }
    if ((targets & HINT_CALL_OUT_SQUARE) != 0) {
        callOuts.CallOutSquare(square, HINT_CHANNEL);
    }
    if ((targets & HINT_CALL_OUT_CANDIDATE) != 0) {
        CallOutCandidateOfStep(record, square, false, callOuts);
    }
    if ((targets & HINT_CALL_OUT_FLAGGED_CANDIDATE) != 0) {
        CallOutCandidateOfStep(record, square, true, callOuts);
    }
}

} // namespace

unsigned GetHintStageCount(int kind)
{
    switch (kind) {
    case 5:
    case 14:
        return 1;
    case 2:
    case 3:
    case 4:
    case 13:
    case 15:
    case 19:
    case 23:
    case 24:
    case 25:
    case 27:
    case 28:
    case 29:
    case 30:
        return 2;
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 16:
    case 17:
    case 18:
    case 22:
    case 26:
        return 3;
    default:
        return 0;
    }
}

void SetHintStage(const HintRecord& newRecord, HintRecord& current)
{
    const char* label = "Another Tip";
    if (newRecord.kind == current.kind && newRecord.IsSameStep(current) && newRecord.board == current.board) {
        // Past the last stage the sentence stays the last one; the count
        // only has to stop short of wrapping back to a first tip.
        if (current.stage < std::numeric_limits<unsigned>::max()) {
            ++current.stage;
        }
        label = GetRepeatedStageLabel(current.stage, GetHintStageCount(current.kind));
    } else {
        current.kind = newRecord.kind;
        current.move = newRecord.move;
        current.board = newRecord.board;
        current.stage = 0;
    }
    FireHintStageChanged(label, current.stage);
}

void ShowHintText(const HintRecord& current, HintCallOutInterface* callOuts)
{
    if (current.board == nullptr) {
        return;
    }
    const std::string sentence = BuildStagedHintSentence(current);
    NamedProperties text;
    text.Set("Label", "TIP: " + sentence);
    text.Set("FontColor", HINT_FONT_COLOR);
    text.Set("BaseColor", sentence.empty() ? NO_HINT_BASE_COLOR : HINT_BASE_COLOR);
    FireGlobalEvent("HintTextChangedEvent", text);
    FireGlobalEvent("HasTakenAHintEvent");

    if (callOuts == nullptr) {
        return;
    }
    callOuts->DestroyCallOutsByChannel(HINT_CHANNEL);
    if (const StagedHintSentence* shown = FindStagedHintSentence(current.kind, current.stage)) {
        PlaceCallOuts(current, shown->callOuts, *callOuts);
    }
}

void ResetHintStage(HintRecord& current)
{
    current.kind = HINT_KIND_NONE;
    current.stage = 0;
    FireHintStageChanged("Solving Tip", 0);
}

} // namespace Pemberquill
