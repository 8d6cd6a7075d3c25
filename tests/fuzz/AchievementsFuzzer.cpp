// The achievement record stored inside the player profile.

#include <memory>

#include "game/steam/PlayerAchievements.h"
#include "tests/fuzz/RecordRoundTrip.h"

using Pemberquill::PlayerAchievements;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<PlayerAchievements>(); },
      [](PlayerAchievements& record, ResourceStream& stream) { record.Read(stream); },
      [](PlayerAchievements& record, ResourceStream& stream) { record.Write(stream); });
  return 0;
}
