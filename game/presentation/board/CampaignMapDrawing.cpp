// The campaign map: region backgrounds and the route between a region's
// locations, drawn while the campaign's windows are drawn.

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/campaign/CampaignNode.h"
#include "game/campaign/CampaignRegion.h"

#include <algorithm>
#include <cmath>

namespace Pemberquill {

namespace {

double GetWaveTime()
{
    UlvoCore* core = UlvoCore::GetGlobal();
    return core != nullptr ? core->GetTimeSystem().GetMasterClock().GetTime() : 0.0;
}

unsigned char ToChannel(double value, double low)
{
    return static_cast<unsigned char>(255.99 * std::clamp(value, low, 1.0));
}

} // namespace

void PemberquillRenderer::DrawCampaignRegionFullScreenTexture(const CampaignRegion* region)
{
    if (region != nullptr) {
        DrawFullScreenBackdrop(region->GetTexture(CAMPAIGN_REGION_IMAGE_BACKGROUND));
    }
}

void PemberquillRenderer::DrawCampaignRegionBackground(const CampaignRegion* campaignRegion)
{
    ULVO_ASSERT(campaignRegion, "NULL CampaignRegion passed.",
                "PemberquillRenderer::DrawCampaignRegionBackground");
    DrawCampaignRegionFullScreenTexture(campaignRegion);
    DrawPositionedInstructorCallOuts();
}

void PemberquillRenderer::DrawCampaignRegion(const CampaignRegion* region, const CampaignNodeLookup& lookup)
{
    // The call-outs point at places on the region's map: none without it.
    if (region == nullptr) {
        return;
    }
    UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
    if (renderer != nullptr) {
        const Vector2 view = GetViewSize();
        std::vector<Vector2> points;
        for (const CampaignNode* node : BuildCampaignRoute(*region, lookup)) {
            points.emplace_back(node->GetMapCoords().x * view.x, node->GetMapCoords().y * view.y);
        }
        const std::vector<Vector2> samples = SampleCampaignRoute(points);
        // A cosine wave brightens the pale line toward orange-white and
        // travels one segment a second.
        const double phase = 4.0 * GetWaveTime();
        Rgba color(200, 200, 200, 100);
        for (size_t j = 0; j + 1 < samples.size(); ++j) {
            const Rgba previous = color;
            const double s = std::cos(phase - 0.2 * static_cast<double>(j));
            color.r = ToChannel(0.75 + 0.25 * s, 0.75);
            color.g = ToChannel(0.65 + 0.35 * s, 0.65);
            color.a = ToChannel(0.5 + 0.5 * s, 0.5);
            renderer->DrawLine(samples[j], samples[j + 1], previous, color, 3.0f, false);
        }
    }
    DrawPositionedInstructorCallOuts();
}

} // namespace Pemberquill
