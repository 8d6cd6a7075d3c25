#pragma once

#include "game/common/TeachableGameMechanics.h"
#include "game/steam/PlayerAchievements.h"

#include <cstdint>
#include <memory>
#include <string>

class ResourceStream;

namespace Pemberquill {

class CampaignProgress;

// The version Write stores. Files of older versions are not read past the
// name: such a player starts over under the stored name.
constexpr int32_t PLAYER_PROFILE_VERSION = 23;

// A damaged file, not a player, knows this many mechanics.
constexpr int MAX_KNOWN_MECHANICS = 10000;

// One player's saved state: the name, the campaign progress, what the
// instructor has explained so far and the achievement record.
//
// The profile owns its campaign progress, which is never null. The
// campaign's puzzle sets point into that record once it is attached to
// them, so whoever attaches it must attach another record (or none) before
// the profile is destroyed or read over.
class PlayerProfile {
public:
    // A new player with a default campaign progress and nothing known.
    explicit PlayerProfile(const std::string& name);
    // The profile that the stream holds; a malformed file throws
    // UlvoException.
    explicit PlayerProfile(ResourceStream& stream);
    ~PlayerProfile();
    PlayerProfile(const PlayerProfile&) = delete;
    PlayerProfile& operator=(const PlayerProfile&) = delete;

    std::string GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    CampaignProgress& GetCampaignProgress() { return *m_campaignProgress; }
    const CampaignProgress& GetCampaignProgress() const { return *m_campaignProgress; }
    TeachableGameMechanics& GetGameMechanicsKnown() { return m_gameMechanicsKnown; }
    const TeachableGameMechanics& GetGameMechanicsKnown() const { return m_gameMechanicsKnown; }
    PlayerAchievements& GetAchievements() { return m_achievements; }
    const PlayerAchievements& GetAchievements() const { return m_achievements; }

    // Always at the current version.
    void Write(ResourceStream& stream);
    // Replaces the whole profile with the stream's. A file of an older
    // version gives the stored name with everything else new, and says so
    // in the log. A malformed file throws UlvoException and leaves the
    // profile as it was.
    void Read(ResourceStream& stream);

    // The ten rule flags in rule order, without a block of their own.
    static void WriteCageRulesKnown(ResourceStream& stream, const CageRules& rules);
    static void ReadCageRulesKnown(ResourceStream& stream, CageRules& rules);

private:
    // A new campaign progress of its own; only while the profile has none.
    void CreateDefaultCampaignProgress();
    // The mechanic identifiers and the rule block, inside the caller's block.
    static void WriteGameMechanicsKnown(ResourceStream& stream, const TeachableGameMechanics& known);
    static TeachableGameMechanics ReadGameMechanicsKnown(ResourceStream& stream);

    std::string m_name;
    std::unique_ptr<CampaignProgress> m_campaignProgress;
    TeachableGameMechanics m_gameMechanicsKnown;
    PlayerAchievements m_achievements;
};

} // namespace Pemberquill
