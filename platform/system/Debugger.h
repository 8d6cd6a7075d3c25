#pragma once

#include <string>

namespace platform {

// True when a tracer (a debugger) is attached to this process.
bool IsDebuggerAttached();

// Text for the developer; goes to stderr.
void DebugOutput(const std::string& text);

// Stops in the attached debugger; does nothing when none is attached, since
// the trap would otherwise end the process.
void BreakIntoDebugger();

}  // namespace platform
