#pragma once

#include "engine/core/Vector2.h"

#include <functional>
#include <string>
#include <vector>

namespace Pemberquill {

class CampaignNode;
class CampaignRegion;

// Finds a location by name over the whole campaign; null for none.
using CampaignNodeLookup = std::function<CampaignNode*(const std::string&)>;

// The region's main chain on its map: from the first location that leads
// somewhere without being led to, along first connections, while the next
// location leads on. A location already on the route ends it, so a cycle in
// the data cannot loop. Empty when no location starts a route.
std::vector<const CampaignNode*> BuildCampaignRoute(const CampaignRegion& region, const CampaignNodeLookup& lookup);

// The points of the smooth line through the map positions (Catmull-Rom
// tangents, 20 samples a segment, the last point not sampled).
std::vector<Vector2> SampleCampaignRoute(const std::vector<Vector2>& points);

} // namespace Pemberquill
