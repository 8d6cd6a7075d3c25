#pragma once

namespace Pemberquill {

class HintCallOutInterface;
struct HintRecord;

// How many more tips a hint kind gives after its first before it has told
// the move: 0 for the kinds that have a single sentence or none.
unsigned GetHintStageCount(int kind);

// Merges a freshly found hint into the current one: the same step on the
// same board again raises the stage, anything else starts over at stage 0.
// Publishes the stage and its button label ("HintStageChangedEvent").
void SetHintStage(const HintRecord& newRecord, HintRecord& current);

// Publishes the current record's sentence for its stage to the hint panel
// ("HintTextChangedEvent"), counts the hint taken ("HasTakenAHintEvent")
// and replaces the bubbles of the "hint" channel. Nothing for a record
// without a board; callOuts may be null while no instructor exists, and then
// only the text is shown.
void ShowHintText(const HintRecord& current, HintCallOutInterface* callOuts);

// Back to no hint, and the panel's button back to "Solving Tip".
void ResetHintStage(HintRecord& current);

} // namespace Pemberquill
