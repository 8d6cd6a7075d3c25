// The player profile: campaign progress, mechanics known and achievements.

#include <memory>

#include "game/campaign/CampaignProgress.h"
#include "game/player/PlayerProfile.h"
#include "tests/fuzz/RecordRoundTrip.h"

using Pemberquill::PlayerProfile;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<PlayerProfile>("fuzz"); },
      [](PlayerProfile& profile, ResourceStream& stream) { profile.Read(stream); },
      [](PlayerProfile& profile, ResourceStream& stream) { profile.Write(stream); });
  return 0;
}
