// The command line and the start-up window size chosen from it. The first
// four bytes give the desktop's size; the rest is the command line.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/core/CommandLine.h"
#include "game/shell/StartupWindowSize.h"
#include "tests/fuzz/RecordRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) {
    return 0;
  }
  const IntVector2 desktop(640 + ((data[0] | (data[1] << 8)) % 7000),
                           400 + ((data[2] | (data[3] << 8)) % 4000));
  CommandLine commandLine;
  commandLine.Parse(std::string(reinterpret_cast<const char*>(data + 4), size - 4));
  const Pemberquill::StartupWindowSize chosen =
      Pemberquill::ChooseStartupWindowSize(desktop, commandLine);
  if (chosen.size.x <= 0 || chosen.size.y <= 0) {
    record_fuzz::Finding("the start-up window has no area");
  }
  return 0;
}
