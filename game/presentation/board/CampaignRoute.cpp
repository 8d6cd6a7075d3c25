#include "game/presentation/board/CampaignRoute.h"

#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignRegion.h"

#include <algorithm>

namespace Pemberquill {

namespace {

bool IsHiddenOptional(const CampaignNode& node)
{
    return node.IsOptional() && node.GetPlayerStateOrLocked() == CAMPAIGN_NODE_LOCKED;
}

bool Holds(const std::vector<const CampaignNode*>& nodes, const CampaignNode* node)
{
    return std::find(nodes.begin(), nodes.end(), node) != nodes.end();
}

} // namespace

std::vector<const CampaignNode*> BuildCampaignRoute(const CampaignRegion& region, const CampaignNodeLookup& lookup)
{
    std::vector<const CampaignNode*> from;
    std::vector<const CampaignNode*> to;
    for (const CampaignNode* node : region.GetNodes()) {
        if (node == nullptr || IsHiddenOptional(*node)) {
            continue;
        }
        for (const std::string& name : node->GetConnections()) {
            const CampaignNode* found = lookup(name);
            if (found != nullptr && !found->IsOptional()) {
                from.push_back(node);
                to.push_back(found);
            }
        }
    }
    std::vector<const CampaignNode*> route;
    for (const CampaignNode* node : from) {
        if (!Holds(to, node)) {
            route.push_back(node);
            break;
        }
    }
    while (!route.empty() && !route.back()->GetConnections().empty()) {
        const CampaignNode* next = lookup(route.back()->GetConnections().front());
        if (next == nullptr || !Holds(from, next) || Holds(route, next)) {
            break;
        }
        route.push_back(next);
    }
    return route;
}

std::vector<Vector2> SampleCampaignRoute(const std::vector<Vector2>& points)
{
    std::vector<Vector2> samples;
    const size_t count = points.size();
    if (count < 2) {
        return samples;
    }
    std::vector<Vector2> tangents(count, Vector2(0.0f, 0.0f));
    for (size_t i = 1; i + 1 < count; ++i) {
        tangents[i] = (points[i + 1] - points[i - 1]) * 0.5f;
    }
    for (size_t i = 0; i + 1 < count; ++i) {
        for (float t = 0.0f; t <= 1.01f; t += 0.051f) {
            const float u = std::clamp(t, 0.0f, 1.0f);
            const float v = 1.0f - u;
            const float h00 = (1.0f + 2.0f * u) * v * v;
            const float h10 = u * v * v;
            const float h01 = u * u * (3.0f - 2.0f * u);
            const float h11 = u * u * (u - 1.0f);
            samples.push_back(points[i] * h00 + tangents[i] * h10 + points[i + 1] * h01 + tangents[i + 1] * h11);
        }
    }
    return samples;
}

} // namespace Pemberquill
