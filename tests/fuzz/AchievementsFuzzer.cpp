// The achievement record stored inside the player profile.

#include "game/steam/PlayerAchievements.h"
#include "tests/fuzz/RecordRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckMemberRoundTrip<Pemberquill::PlayerAchievements>(data, size);
  return 0;
}
