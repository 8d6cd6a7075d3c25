#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

#include "engine/core/UlvoConsoleInterface.h"

namespace testsupport {

// The default console while it lives: swallows every line, which would
// otherwise flood stderr.
class SilentConsole : public UlvoConsoleInterface {
 public:
  void VPrintf(uint32_t, const Rgba&, const char*, va_list) override {}
  void VPrintfVerbose(uint32_t, const char*, va_list) override {}
  void VPrintfColor(const Rgba&, const char*, va_list) override {}
  void VPrint(const char*, va_list) override {}
  void SetFont(const std::string&, int, bool, bool) override {}
  bool OnKeyEvent(int, int) override { return false; }
};

}  // namespace testsupport
