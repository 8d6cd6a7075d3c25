// A puzzle-set file: its request and custom puzzle descriptors, each of
// which the chef makes into a puzzle as the set does.

#include <memory>

#include "game/puzzle/PuzzleSetDescriptor.h"
#include "tests/fuzz/ChefFuzzerSupport.h"

using Pemberquill::PuzzleSetDescriptor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<Pemberquill::PuzzleDescriptor> custom;
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<PuzzleSetDescriptor>(); },
      [&custom](PuzzleSetDescriptor& set, ResourceStream& stream) {
        set.Read(stream);
        custom = set.descriptors;
      },
      [](PuzzleSetDescriptor& set, ResourceStream& stream) { set.Write(stream); });
  record_fuzz::CreateEveryPuzzle(custom, false);
  return 0;
}
