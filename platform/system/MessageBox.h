#pragma once

#include <string>

namespace platform {

enum class MessageBoxIcon { Exclamation, Error, Information };

// Shows a modal box when a real display is there; otherwise writes the
// caption and text to stderr, so a headless run never waits on a box.
void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon);

// The same box, with the caption and text written to stderr first whether
// a display shows the box or not (once, when it does not): for what must
// also reach a terminal or a launcher's log.
void ShowMessageBoxAndWriteToStderr(const std::string& caption, const std::string& text, MessageBoxIcon icon);

}  // namespace platform
