#include "game/shell/GameAchievementContext.h"

#include "game/campaign/CampaignNode.h"
#include "game/campaign/PemberquillCampaign.h"
#include "game/player/PlayerProfileManager.h"

namespace Pemberquill {

PlayerAchievements* GameAchievementContext::GetCurrentRecord()
{
    PlayerProfile* profile = m_profiles.GetActiveProfile();
    return profile != nullptr ? &profile->GetAchievements() : nullptr;
}

std::string GameAchievementContext::GetActiveLocationName() const
{
    if (m_campaign.GetMode() == CAMPAIGN_MODE_OFF) {
        return std::string();
    }
    const CampaignNode* node = m_campaign.GetActiveCampaignNode();
    return node != nullptr ? node->GetName() : std::string();
}

std::vector<std::string> GameAchievementContext::GetRequiredLocationNames() const
{
    std::vector<std::string> names;
    for (const CampaignNode& node : m_campaign.GetNodes()) {
        if (!node.IsOptional()) {
            names.push_back(node.GetName());
        }
    }
    return names;
}

}  // namespace Pemberquill
