#pragma once

#include "game/puzzle/solver/StepResult.h"

#include <string>

namespace Pemberquill {

class Board;

// The event that carries a hint's text to the puzzle screen's hint line.
constexpr const char* HINT_TEXT_CHANGED_EVENT = "HintTextChangedEvent";
// The instructor channel of a hint's call-outs; each hint replaces the last.
constexpr const char* HINT_CALL_OUT_CHANNEL = "hint";

// What a hint points at.
enum class HintCallOut { None, Square, Candidate };

// The solver's explanation of a step on its board in one sentence, squares
// named [column,row] from 1; empty for an id that no technique has.
std::string BuildHintSentence(const StepResult& step, const Board& board);

// What the hint for a step id points at.
HintCallOut GetHintCallOut(int stepId);

} // namespace Pemberquill
