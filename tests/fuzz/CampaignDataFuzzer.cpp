// The campaign file: locations, regions and how they connect.

#include <memory>

#include "game/shell/CampaignData.h"
#include "tests/fuzz/RecordRoundTrip.h"

using Pemberquill::CampaignData;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<CampaignData>(); },
      [](CampaignData& campaign, ResourceStream& stream) { campaign.Read(stream); },
      [](CampaignData& campaign, ResourceStream& stream) { campaign.Write(stream); });
  return 0;
}
