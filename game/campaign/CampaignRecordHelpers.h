#pragma once

#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

// Pieces shared by the campaign file and the campaign progress record.

// No location, region or list in a campaign comes near this; a larger
// count means a damaged file.
constexpr int MAX_CAMPAIGN_RECORD_COUNT = 10000;

// Reads a count stored as a number. A count of 0 or less stands for an
// empty list; one above MAX_CAMPAIGN_RECORD_COUNT, or above the bytes left
// in the stream, throws UlvoException
// naming the record and quoting the read position, so that a damaged file
// never drives a loop or an allocation.
int ReadCampaignCount(ResourceStream& stream, const char* whatIsCounted, const char* recordTitle);

// A block of strings without labels, as the campaign file lists names.
void WriteNameBlock(ResourceStream& stream, const std::vector<std::string>& names, const char* label = nullptr);
std::vector<std::string> ReadNameBlock(ResourceStream& stream, int count);

} // namespace Pemberquill
