#pragma once

#include <string>

namespace Pemberquill {

struct HintRecord;

// What a hint sentence points the instructor's bubbles at; combined as bits.
enum HintCallOutTarget : unsigned {
    HINT_CALL_OUT_NONE = 0,
    HINT_CALL_OUT_CAGE = 1,             // the cage holding the step's square
    HINT_CALL_OUT_SQUARE = 2,           // the step's square
    HINT_CALL_OUT_CANDIDATE = 4,        // the step's number among the square's candidates
    HINT_CALL_OUT_FLAGGED_CANDIDATE = 8, // the same, marked for removal
    HINT_CALL_OUT_LINE = 16,            // the step's row, or its column without a row
};

// One stage of a hint. "%d" stands for the step's number and "%s" for the
// rule text of the step's cage or the word "row" or "column", as the kind
// says (see BuildStagedHintSentence).
struct StagedHintSentence {
    const char* text;
    unsigned callOuts;
    // The only sentence whose "%d" counts the squares involved.
    bool namesInvolvedCount = false;
};

// The sentence of a hint kind at a stage; a stage beyond the last takes the
// last. Null for a kind without sentences.
const StagedHintSentence* FindStagedHintSentence(int kind, unsigned stage);

// The number a kind's sentences show: the value to place for the value
// kinds, otherwise the candidate (index + 1).
int GetHintNumber(const HintRecord& record);

// The record's sentence with its placeholders filled in; empty for a kind
// without sentences. The staged hint's text, which grows more explicit as
// the player asks again; the solver's own step sentences are another family. The record's board is needed for the cage rule texts;
// without one those stay empty.
std::string BuildStagedHintSentence(const HintRecord& record);

} // namespace Pemberquill
