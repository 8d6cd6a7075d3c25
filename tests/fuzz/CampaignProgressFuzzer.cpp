// The player's progress through the campaign.

#include "game/campaign/CampaignProgress.h"
#include "tests/fuzz/RecordRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckMemberRoundTrip<Pemberquill::CampaignProgress>(data, size);
  return 0;
}
