#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

class Rgba;

#if defined(__GNUC__)
#define ULVO_PRINTF_FORMAT(formatIndex, firstArgIndex) \
  __attribute__((format(printf, formatIndex, firstArgIndex)))
#else
#define ULVO_PRINTF_FORMAT(formatIndex, firstArgIndex)
#endif

// Every formatted text of the engine is capped at this many characters;
// longer output is cut, never an error.
constexpr size_t ULVO_MAX_FORMATTED_LENGTH = 2047;

std::string Stringf(const char* format, ...) ULVO_PRINTF_FORMAT(1, 2);
void StringfInto(std::string& out, const char* format, ...) ULVO_PRINTF_FORMAT(2, 3);
std::string VStringf(const char* format, va_list args) ULVO_PRINTF_FORMAT(1, 0);

// Hands the text to the default console. Before any console exists the text
// goes to the debugger output, prefixed "CONSOLE (pre-initialization!): ",
// just as a console does with what it is given before its start-up.
void ConsolePrintf(const char* format, ...) ULVO_PRINTF_FORMAT(1, 2);
void ConsolePrintfColored(const Rgba& color, const char* format, ...)
    ULVO_PRINTF_FORMAT(2, 3);

// Debugger output only (stderr on this platform); nothing else sees it.
void DebuggerPrintf(const char* format, ...) ULVO_PRINTF_FORMAT(1, 2);

// The texts of the two boxes, kept apart from the boxes so they can be checked.
std::string UlvoFormatAssertionText(const std::string& message, const char* condition,
                                    const char* file, int line);
std::string UlvoFormatFatalErrorText(const std::string& message, const char* file, int line);

// Shown only while a debugger is attached; breaks into it after the box.
void UlvoShowAssertionDialog(const std::string& message, const char* condition,
                             const std::string& title, const char* file, int line);
// file may be null: the text is then the message alone. The text goes to
// the default console, and so to the log, before the box.
void UlvoShowFatalErrorDialog(const std::string& message, const std::string& title,
                              const char* file, int line);

// The failure path of the check macros: the assertion dialog, then an
// UlvoException thrown. condition is null for ULVO_ERROR.
[[noreturn]] void UlvoRaiseFailedCheck(const char* condition, const char* file, int line,
                                       const std::string& title, const std::string& message);

// The failure path of ULVO_ASSERT_IN_DESTRUCTOR: logs what the assertion
// would have said (console, or debugger output without one) and never throws.
void UlvoLogFailedCheck(const char* condition, const char* file, int line,
                        const std::string& title, const std::string& message) noexcept;

// Active in every build. message and title are std::string or C strings;
// the message is only built when the check fails.
#define ULVO_ASSERT(condition, message, title)                                    \
  do {                                                                            \
    if (!(condition)) {                                                           \
      ::UlvoRaiseFailedCheck(#condition, __FILE__, __LINE__, (title), (message)); \
    }                                                                             \
  } while (0)

#define ULVO_VALIDATE(condition, message, title) ULVO_ASSERT(condition, message, title)

#define ULVO_ERROR(message, title) \
  ::UlvoRaiseFailedCheck(nullptr, __FILE__, __LINE__, (title), (message))

// For destructors, which must never throw: a false condition is logged with
// the text the assertion would have carried, and execution goes on.
#define ULVO_ASSERT_IN_DESTRUCTOR(condition, message, title)                    \
  do {                                                                          \
    if (!(condition)) {                                                         \
      ::UlvoLogFailedCheck(#condition, __FILE__, __LINE__, (title), (message)); \
    }                                                                           \
  } while (0)
