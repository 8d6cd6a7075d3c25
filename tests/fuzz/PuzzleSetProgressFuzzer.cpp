// The player's progress through one puzzle set, board progresses included.

#include <memory>

#include "game/puzzle/PuzzleSetProgress.h"
#include "tests/fuzz/RecordRoundTrip.h"

using Pemberquill::PuzzleSetProgress;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Reading appends to the list, so a refused record may leave entries.
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<PuzzleSetProgress>("fuzz"); },
      [](PuzzleSetProgress& progress, ResourceStream& stream) { progress.Read(stream); },
      [](PuzzleSetProgress& progress, ResourceStream& stream) { progress.Write(stream); },
      false);
  return 0;
}
