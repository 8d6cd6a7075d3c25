#include "engine/core/Diagnostics.h"

#include <algorithm>
#include <cstdio>

#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoException.h"
#include "platform/system/Debugger.h"
#include "platform/system/MessageBox.h"

namespace {

const char* const PRE_INITIALIZATION_PREFIX = "CONSOLE (pre-initialization!): ";

}  // namespace

std::string VStringf(const char* format, va_list args) {
  char buffer[ULVO_MAX_FORMATTED_LENGTH + 1];
  const int written = std::vsnprintf(buffer, sizeof(buffer), format, args);
  if (written < 0) {
    return std::string();
  }
  return std::string(buffer, std::min(static_cast<size_t>(written), ULVO_MAX_FORMATTED_LENGTH));
}

std::string Stringf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = VStringf(format, args);
  va_end(args);
  return text;
}

void StringfInto(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  out = VStringf(format, args);
  va_end(args);
}

void ConsolePrintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (UlvoConsoleInterface* console = UlvoConsoleInterface::GetDefaultInstance()) {
    console->VPrint(format, args);
  } else {
    platform::DebugOutput(PRE_INITIALIZATION_PREFIX + VStringf(format, args));
  }
  va_end(args);
}

void ConsolePrintfColored(const Rgba& color, const char* format, ...) {
  va_list args;
  va_start(args, format);
  if (UlvoConsoleInterface* console = UlvoConsoleInterface::GetDefaultInstance()) {
    console->VPrintfColor(color, format, args);
  } else {
    platform::DebugOutput(PRE_INITIALIZATION_PREFIX + VStringf(format, args));
  }
  va_end(args);
}

void DebuggerPrintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  platform::DebugOutput(VStringf(format, args));
  va_end(args);
}

// The box texts are concatenated rather than formatted: a message near the
// formatting limit must not push the line and file out of the box.
std::string UlvoFormatAssertionText(const std::string& message, const char* condition,
                                    const char* file, int line) {
  const std::string where = "line " + std::to_string(line) + " in " + file;
  if (condition != nullptr) {
    return message + "\n\nULVO_VALIDATE or ULVO_ASSERT (on " + where +
           ") had a false condition:\n\n   " + condition +
           "\n\nPress OK to break in the debugger.";
  }
  return message + "\n\nA ULVO_ERROR occurred (on " + where +
         ").\n\nPress OK to break in the debugger.";
}

std::string UlvoFormatFatalErrorText(const std::string& message, const char* file, int line) {
  if (file == nullptr) {
    return message;
  }
  return message + "\n\nThe application will now close.\n\n[Line " + std::to_string(line) +
         " in " + file + "]";
}

void UlvoShowAssertionDialog(const std::string& message, const char* condition,
                             const std::string& title, const char* file, int line) {
  // Without a debugger there is nobody to break for: the exception that
  // follows reaches the entry function, which shows the fatal box.
  if (!platform::IsDebuggerAttached()) {
    return;
  }
  platform::ShowMessageBox(title, UlvoFormatAssertionText(message, condition, file, line),
                           platform::MessageBoxIcon::Exclamation);
  platform::BreakIntoDebugger();
}

void UlvoShowFatalErrorDialog(const std::string& message, const std::string& title,
                              const char* file, int line) {
  const std::string text = UlvoFormatFatalErrorText(message, file, line);
  // Logged first: the log must end with the cause even if the box never
  // comes back.
  if (UlvoConsoleInterface::GetDefaultInstance() != nullptr) {
    ConsolePrintf("FATAL ERROR: %s\n%s\n", title.c_str(), text.c_str());
  }
  platform::ShowMessageBox(title, text, platform::MessageBoxIcon::Error);
}

void UlvoRaiseFailedCheck(const char* condition, const char* file, int line,
                          const std::string& title, const std::string& message) {
  UlvoShowAssertionDialog(message, condition, title, file, line);
  throw UlvoException(condition, file, line, title, message);
}

void UlvoLogFailedCheck(const char* condition, const char* file, int line,
                        const std::string& title, const std::string& message) noexcept {
  try {
    const UlvoException wouldBeThrown(condition, file, line, title, message);
    ConsolePrintf("ERROR: %s: %s\n[Line %d in %s]\n", wouldBeThrown.GetTitle().c_str(),
                  wouldBeThrown.GetMessage().c_str(), line, file);
  } catch (...) {
    // Out of memory while reporting: a destructor must still return.
  }
}
