#include "game/player/PlayerProfile.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/Rgba.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"
#include "game/campaign/CampaignProgress.h"

#include <utility>

namespace Pemberquill {

PlayerProfile::PlayerProfile(const std::string& name) : m_name(name)
{
    CreateDefaultCampaignProgress();
}

PlayerProfile::PlayerProfile(ResourceStream& stream) : m_name("UNNAMED")
{
    CreateDefaultCampaignProgress();
    Read(stream);
}

PlayerProfile::~PlayerProfile() = default;

void PlayerProfile::Write(ResourceStream& stream)
{
    stream.WriteString(m_name, "Player's name");
    stream.WriteInt32(PLAYER_PROFILE_VERSION, "Player profile file format version number");
    stream.WriteBool(true, "Whether we have a campaign progress or not.");
    m_campaignProgress->Write(stream);
    stream.WriteBlockBegin("Game mechanics seen (and explained) to this player so far");
    WriteGameMechanicsKnown(stream, m_gameMechanicsKnown);
    stream.WriteBlockEnd();
    m_achievements.Write(stream);
}

void PlayerProfile::Read(ResourceStream& stream)
{
    // Everything is read into locals first: a damaged file must not leave
    // half a profile behind.
    std::string name = stream.ReadString();
    const int32_t version = stream.ReadInt32();
    std::unique_ptr<CampaignProgress> campaignProgress;
    TeachableGameMechanics known;
    PlayerAchievements achievements;
    if (version < PLAYER_PROFILE_VERSION) {
        ConsolePrintfColored(Rgba(255, 0, 0, 255),
                             "Unable to load player profile from \"%s\" - file was format version #%d (current "
                             "version is #%d).\n",
                             stream.GetPath().GetResolvedPath().c_str(), version, PLAYER_PROFILE_VERSION);
    } else {
        if (stream.ReadBool()) {
            campaignProgress = std::make_unique<CampaignProgress>(stream);
        }
        ReadRecordBlockBegin(stream);
        known = ReadGameMechanicsKnown(stream);
        ReadRecordBlockEnd(stream);
        achievements.Read(stream);
    }
    m_name = std::move(name);
    m_campaignProgress = std::move(campaignProgress);
    if (m_campaignProgress == nullptr) {
        CreateDefaultCampaignProgress();
    }
    m_gameMechanicsKnown = std::move(known);
    m_achievements = std::move(achievements);
}

void PlayerProfile::CreateDefaultCampaignProgress()
{
    m_campaignProgress = std::make_unique<CampaignProgress>();
}

void PlayerProfile::WriteCageRulesKnown(ResourceStream& stream, const CageRules& rules)
{
    WriteCageRulesFlags(stream, rules, "Cage rule: ");
}

void PlayerProfile::ReadCageRulesKnown(ResourceStream& stream, CageRules& rules)
{
    ReadCageRulesFlags(stream, rules);
}

void PlayerProfile::WriteGameMechanicsKnown(ResourceStream& stream, const TeachableGameMechanics& known)
{
    stream.WriteInt32(static_cast<int32_t>(known.mechanics.size()), "Number of non-cage rules known");
    for (const int mechanic : known.mechanics) {
        stream.WriteInt32(mechanic, "rule # known");
    }
    stream.WriteBlockBegin("Cage Rules");
    WriteCageRulesKnown(stream, known.rules);
    stream.WriteBlockEnd();
}

TeachableGameMechanics PlayerProfile::ReadGameMechanicsKnown(ResourceStream& stream)
{
    TeachableGameMechanics known;
    const int count =
        ReadRecordCount(stream, MAX_KNOWN_MECHANICS, "known mechanics", "PlayerProfile::ReadGameMechanicsKnown");
    for (int i = 0; i < count; ++i) {
        known.AddMechanic(stream.ReadInt32());
    }
    ReadRecordBlockBegin(stream);
    ReadCageRulesKnown(stream, known.rules);
    ReadRecordBlockEnd(stream);
    return known;
}

} // namespace Pemberquill
