#pragma once

#include <string>

namespace platform {

// Asks for the debugger output on stderr without a debugger: "1".
constexpr const char* DEBUG_OUTPUT_VARIABLE = "PQ_DEBUG_OUTPUT";

// True when a tracer (a debugger) is attached to this process.
bool IsDebuggerAttached();

// Text for the developer. It goes to stderr only while a debugger is
// attached or PQ_DEBUG_OUTPUT is 1; a player's run prints nothing.
void DebugOutput(const std::string& text);

// Stops in the attached debugger; does nothing when none is attached, since
// the trap would otherwise end the process.
void BreakIntoDebugger();

}  // namespace platform
