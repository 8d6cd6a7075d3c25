#pragma once

#include <cstdarg>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "tests/support/SilentConsole.h"

namespace testsupport {

// The default console while it lives: keeps every printed line, formatted.
class RecordingConsole : public SilentConsole {
 public:
  void VPrintf(uint32_t, const Rgba&, const char* format, va_list args) override {
    Record(format, args);
  }
  void VPrintfVerbose(uint32_t, const char* format, va_list args) override {
    Record(format, args);
  }
  void VPrintfColor(const Rgba&, const char* format, va_list args) override {
    Record(format, args);
  }
  void VPrint(const char* format, va_list args) override { Record(format, args); }

  // Everything printed, as one text.
  std::string Text() const {
    return std::accumulate(lines.begin(), lines.end(), std::string());
  }

  std::vector<std::string> lines;

 private:
  void Record(const char* format, va_list args) { lines.push_back(VStringf(format, args)); }
};

}  // namespace testsupport
