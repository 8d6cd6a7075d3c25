#pragma once

#include <string>

namespace platform {

enum class MessageBoxIcon { Exclamation, Error, Information };

// Shows a modal box when a real display is there; otherwise writes the
// caption and text to stderr, so a headless run never waits on a box.
void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon);

}  // namespace platform
