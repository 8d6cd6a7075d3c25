// The options file. What loads saves to bytes that load again and save the
// same; a refused file leaves every option as it was.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "game/options/PemberquillOptions.h"
#include "tests/fuzz/RecordRoundTrip.h"

using Pemberquill::PemberquillOptions;

namespace {

std::string Values(const PemberquillOptions& options) {
  return std::to_string(options.GetPuzzleSize()) + " " + std::to_string(options.GetMasterVolume()) +
         " " + std::to_string(options.GetDifficultyRating()) + " " +
         std::to_string(options.GetBoard1Type()) + " " + std::to_string(options.GetPuzzleSeed());
}

// Loads the bytes into the options and returns what they save, empty when
// the file was not taken.
std::vector<uint8_t> LoadAndSave(PemberquillOptions& options, const std::vector<uint8_t>& bytes) {
  const testsupport::ServedPlayerFile served(bytes);
  if (!options.LoadOptions("fuzz")) {
    return {};
  }
  if (!options.SaveOptions()) {
    record_fuzz::Finding("options that loaded could not be saved");
  }
  return served.GetLastWrite();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testsupport::SilentConsole console;
  static UlvoEventSystem events;
  PemberquillOptions options;
  const std::string before = Values(options);
  const std::vector<uint8_t> first = LoadAndSave(options, std::vector<uint8_t>(data, data + size));
  if (first.empty()) {
    if (Values(options) != before) {
      record_fuzz::Finding("a refused options file changed the options");
    }
    return 0;
  }
  PemberquillOptions again;
  if (LoadAndSave(again, first) != first) {
    record_fuzz::Finding("options read back from their own file saved different bytes");
  }
  return 0;
}
