#pragma once

#include <string>
#include <vector>

#include "game/steam/AchievementSystem.h"

namespace Pemberquill {

class PemberquillCampaign;
class PlayerProfileManager;

// Tells the achievement system whose record to count into (the selected
// profile's) and where in the campaign the player is.
class GameAchievementContext : public AchievementPlayerContext {
public:
    GameAchievementContext(PlayerProfileManager& profiles, PemberquillCampaign& campaign)
        : m_profiles(profiles), m_campaign(campaign)
    {
    }

    PlayerAchievements* GetCurrentRecord() override;
    // Empty outside the campaign, so that play elsewhere counts toward no
    // location.
    std::string GetActiveLocationName() const override;
    std::vector<std::string> GetRequiredLocationNames() const override;

private:
    PlayerProfileManager& m_profiles;
    PemberquillCampaign& m_campaign;
};

}  // namespace Pemberquill
