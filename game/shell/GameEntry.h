#pragma once

#include <functional>

namespace Pemberquill {

// Runs body and turns whatever it throws into the fatal error box (on
// stderr when there is no display): an UlvoException under its own title
// with its source line and file, a standard exception under "Unhandled
// standard exception", anything else under "Unhandled exception". Returns 0
// when body returned, 1 after an error; nothing is shut down after an error.
int RunWithFatalErrorBox(const std::function<void()>& body);

// The whole program: reads the options, then starts, runs and shuts down
// the game. Returns the process's exit status.
int RunPemberquill(int argc, const char* const* argv);

}  // namespace Pemberquill
