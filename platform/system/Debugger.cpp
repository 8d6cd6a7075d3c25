#include "platform/system/Debugger.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace platform {

namespace {

bool IsDebugOutputRequested() {
  const char* value = std::getenv(DEBUG_OUTPUT_VARIABLE);
  return value != nullptr && std::strcmp(value, "1") == 0;
}

}  // namespace

bool IsDebuggerAttached() {
  std::ifstream status("/proc/self/status");
  const std::string key = "TracerPid:";
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, key.size(), key) == 0) {
      return std::strtol(line.c_str() + key.size(), nullptr, 10) != 0;
    }
  }
  return false;
}

void DebugOutput(const std::string& text) {
  if (!IsDebugOutputRequested() && !IsDebuggerAttached()) {
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

void BreakIntoDebugger() {
  if (IsDebuggerAttached()) {
    std::raise(SIGTRAP);
  }
}

}  // namespace platform
