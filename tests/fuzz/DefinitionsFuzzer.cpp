// The achievement and statistic definitions (Data/Achievements.pqdf and
// Data/Stats.pqdf). The first byte picks the file, the rest is its content.

#include <memory>
#include <vector>

#include "game/steam/AchievementDefinitions.h"
#include "tests/fuzz/RecordRoundTrip.h"

using namespace Pemberquill;

namespace {

template <typename Definition>
void CheckDefinitions(const uint8_t* data, size_t size,
                      std::vector<Definition> (*read)(ResourceStream&),
                      void (*write)(ResourceStream&, const std::vector<Definition>&)) {
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<std::vector<Definition>>(); },
      [read](std::vector<Definition>& definitions, ResourceStream& stream) { definitions = read(stream); },
      [write](std::vector<Definition>& definitions, ResourceStream& stream) { write(stream, definitions); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  if (data[0] % 2 == 0) {
    CheckDefinitions(data + 1, size - 1, ReadAchievementDefinitions, WriteAchievementDefinitions);
  } else {
    CheckDefinitions(data + 1, size - 1, ReadStatDefinitions, WriteStatDefinitions);
  }
  return 0;
}
