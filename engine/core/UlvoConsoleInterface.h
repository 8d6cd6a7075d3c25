#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoModuleInterface.h"

class Rgba;

// The abstract console: where ConsolePrintf sends its text. The console
// module implements it; the first live console is the one that prints.
//
// A console formats each message (at most ULVO_MAX_FORMATTED_LENGTH
// characters), writes it to the application log and passes it to the
// debugger output. The channel mask selects which messages reach the
// debugger output; the colour only matters for display.
class UlvoConsoleInterface : public UlvoModuleInterface,
                             public UlvoCollectedClassInterface<UlvoConsoleInterface> {
 public:
  // The channel that Print and PrintfColor use.
  static constexpr uint32_t DEFAULT_CHANNEL = 1;

  virtual void VPrintf(uint32_t channelMask, const Rgba& color, const char* format,
                       va_list args) ULVO_PRINTF_FORMAT(4, 0) = 0;
  // In the console's default colour.
  virtual void VPrintfVerbose(uint32_t channelMask, const char* format, va_list args)
      ULVO_PRINTF_FORMAT(3, 0) = 0;
  // On the default channel.
  virtual void VPrintfColor(const Rgba& color, const char* format, va_list args)
      ULVO_PRINTF_FORMAT(3, 0) = 0;
  // On the default channel, in the default colour.
  virtual void VPrint(const char* format, va_list args) ULVO_PRINTF_FORMAT(2, 0) = 0;

  void Printf(uint32_t channelMask, const Rgba& color, const char* format, ...)
      ULVO_PRINTF_FORMAT(4, 5) {
    va_list args;
    va_start(args, format);
    VPrintf(channelMask, color, format, args);
    va_end(args);
  }

  void PrintfVerbose(uint32_t channelMask, const char* format, ...) ULVO_PRINTF_FORMAT(3, 4) {
    va_list args;
    va_start(args, format);
    VPrintfVerbose(channelMask, format, args);
    va_end(args);
  }

  void PrintfColor(const Rgba& color, const char* format, ...) ULVO_PRINTF_FORMAT(3, 4) {
    va_list args;
    va_start(args, format);
    VPrintfColor(color, format, args);
    va_end(args);
  }

  void Print(const char* format, ...) ULVO_PRINTF_FORMAT(2, 3) {
    va_list args;
    va_start(args, format);
    VPrint(format, args);
    va_end(args);
  }

  // The font the console displays its text in.
  virtual void SetFont(const std::string& face, int pointSize, bool bold, bool italic) = 0;

  // First in the input module's key chain; true when the console took the key.
  virtual bool OnKeyEvent(int action, int code) = 0;
};
