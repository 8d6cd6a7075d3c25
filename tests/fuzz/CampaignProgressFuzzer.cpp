// The player's progress through the campaign.

#include <memory>

#include "game/shell/CampaignProgress.h"
#include "tests/fuzz/RecordRoundTrip.h"

using Pemberquill::CampaignProgress;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<CampaignProgress>(); },
      [](CampaignProgress& progress, ResourceStream& stream) { progress.Read(stream); },
      [](CampaignProgress& progress, ResourceStream& stream) { progress.Write(stream); });
  return 0;
}
