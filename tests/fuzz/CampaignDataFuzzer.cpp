// The campaign file: locations, regions and how they connect.

#include "game/campaign/CampaignData.h"
#include "tests/fuzz/RecordRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckMemberRoundTrip<Pemberquill::CampaignData>(data, size);
  return 0;
}
