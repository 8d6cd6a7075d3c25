#include "game/presentation/audio/PemberquillAudio.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/sound/UlvoSoundInterface.h"
#include "game/common/CompareNoCase.h"
#include "game/common/GameSounds.h"
#include "game/options/PemberquillOptions.h"
#include "platform/crt/CrtRandom.h"

namespace Pemberquill {

namespace {

// Sounds below this value are registered at start-up and never unloaded.
constexpr int FIRST_REGION_SOUND = SOUND_AMB_OCEAN;

struct RegionSounds {
    const char* name;
    GameSoundID loop;
    GameSoundID firstOneOff;
    GameSoundID lastOneOff;
};

constexpr GameSoundID NONE = PemberquillAudio::NO_SOUND;

// Looked up in this order, ignoring case.
const RegionSounds REGIONS[] = {
    {"Ocean", SOUND_AMB_OCEAN, SOUND_AMB_OCEAN_1OFF_01, SOUND_AMB_OCEAN_1OFF_05},
    {"Canyon", SOUND_AMB_CANYON, SOUND_AMB_CANYON_1OFF_01, SOUND_AMB_CANYON_1OFF_06},
    {"Forest", SOUND_AMB_FOREST, SOUND_AMB_FOREST_1OFF_01, SOUND_AMB_FOREST_1OFF_07},
    {"Mountain", SOUND_AMB_MOUNTAIN, SOUND_AMB_MOUNTAIN_1OFF_01, SOUND_AMB_MOUNTAIN_1OFF_06},
    {"Sky", SOUND_AMB_SKY, SOUND_AMB_SKY_1OFF_01, SOUND_AMB_SKY_1OFF_06},
    {"Beyond", SOUND_AMB_BEYOND, SOUND_AMB_BEYOND_1OFF_01, SOUND_AMB_BEYOND_1OFF_06},
    {"The Beyond", SOUND_AMB_BEYOND, SOUND_AMB_BEYOND_1OFF_01, SOUND_AMB_BEYOND_1OFF_06},
    {"Menu", SOUND_AMB_MENU, NONE, NONE},
};

const RegionSounds* FindRegion(const std::string& regionName)
{
    for (const RegionSounds& region : REGIONS) {
        if (CompareNoCase(regionName, region.name) == 0) {
            return &region;
        }
    }
    return nullptr;
}

std::vector<GameSoundID> ListOf(const RegionSounds* region)
{
    std::vector<GameSoundID> list;
    if (region == nullptr) {
        return list;
    }
    list.push_back(region->loop);
    if (region->firstOneOff != NONE) {
        for (int id = region->firstOneOff; id <= region->lastOneOff; ++id) {
            list.push_back(static_cast<GameSoundID>(id));
        }
    }
    return list;
}

UlvoSoundInterface* Sound()
{
    return UlvoSoundInterface::GetDefaultInstance();
}

} // namespace

PemberquillAudio::~PemberquillAudio()
{
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "Audio subsystem was deleted without Shutdown() being called.",
                              "PemberquillAudio Destructor");
}

void PemberquillAudio::Startup(Clock* parentClock)
{
    ConsolePrintf("PemberquillAudio Startup begun.\n");
    ULVO_ASSERT(!m_isInitialized, "Startup called on an already initialized audio subsystem.",
                "PemberquillAudio::Startup");
    m_clock = std::make_unique<Clock>(parentClock);
    for (int id = 0; id < NUM_GAME_SOUNDS; ++id) {
        m_soundPaths[static_cast<GameSoundID>(id)] = std::string("Audio/") + GetGameSoundName(id);
    }
    for (int id = 0; id < FIRST_REGION_SOUND; ++id) {
        FireGlobalEvent("OnStartupLoadingTaskComplete");
        if (UlvoSoundInterface* sound = Sound()) {
            sound->RegisterSample(id, m_soundPaths[static_cast<GameSoundID>(id)]);
        }
    }
    UlvoEventSystem* events = UlvoEventSystem::GetGlobal();
    if (events != nullptr) {
        // Started again after a shutdown, the handlers must not run twice.
        events->UnregisterRecipient(this);
    }
    RegisterEventHandler("PlaySoundEvent", events, &PemberquillAudio::Event_OnPlaySoundEvent, this);
    RegisterEventHandler("SetSoundsEvent", events, &PemberquillAudio::Event_OnSetSoundsEvent, this);
    RegisterEventHandler("StartRegionSounds", events, &PemberquillAudio::Event_OnStartRegionSounds, this);
    m_isInitialized = true;
    ConsolePrintf("PemberquillAudio Startup complete.\n");
}

void PemberquillAudio::Shutdown()
{
    ConsolePrintf("PemberquillAudio Shutdown begun.\n");
    ULVO_ASSERT(m_isInitialized, "Shutdown called on an uninitialized audio subsystem.",
                "PemberquillAudio::Shutdown");
    m_isInitialized = false;
    ConsolePrintf("PemberquillAudio Shutdown complete.\n");
}

void PemberquillAudio::Play(GameSoundID id, int loopMode)
{
    if (UlvoSoundInterface* sound = Sound()) {
        sound->PlaySample(id, 0, loopMode, 1.0f, 1.0f, 0.0f);
    }
}

void PemberquillAudio::PlaySound(GameSoundID id)
{
    if (GetPemberquillOptions().IsPlayingSounds()) {
        Play(id, UlvoSoundInterface::LOOP_OFF);
    }
}

void PemberquillAudio::PlaySoundForced(GameSoundID id)
{
    Play(id, UlvoSoundInterface::LOOP_NORMAL);
}

void PemberquillAudio::PlayRandomOneOff()
{
    if (!m_soundsOn || m_oneOffSounds.empty()) {
        return;
    }
    const int count = static_cast<int>(m_oneOffSounds.size());
    GameSoundID choice = m_oneOffSounds.front();
    if (count > 1) {
        // Drawing among all but the last entry and swapping a draw of the
        // last one played for that last entry picks evenly among the others.
        const int drawCount = m_lastOneOff != NO_SOUND ? count - 1 : count;
        choice = m_oneOffSounds[static_cast<size_t>(platform::CrtRand() % drawCount)];
        if (choice == m_lastOneOff) {
            choice = m_oneOffSounds.back();
        }
    }
    m_lastOneOff = choice;
    PlaySound(choice);
    ScheduleNextOneOff();
}

void PemberquillAudio::ScheduleNextOneOff()
{
    const float r = static_cast<float>(platform::CrtRand()) / static_cast<float>(platform::CRT_RAND_MAX);
    m_nextOneOffTime = m_clock->GetTime() + (ONE_OFF_MIN_GAP + ONE_OFF_GAP_RANGE * r);
}

bool PemberquillAudio::IsOneOffDue() const
{
    return m_clock && m_nextOneOffTime <= m_clock->GetTime();
}

std::vector<GameSoundID> PemberquillAudio::GetSoundListForRegion(const std::string& regionName)
{
    // Region names come from the shipped campaign and the menu: any other
    // name is a broken installation.
    const RegionSounds* region = FindRegion(regionName);
    if (region == nullptr) {
        ULVO_ERROR(Stringf("Unrecognized region name \"%s\"!", regionName.c_str()),
                   "PemberquillAudio::GetSoundListForRegion");
    }
    return ListOf(region);
}

void PemberquillAudio::StopRegionSounds()
{
    if (m_loopSound == NO_SOUND) {
        return;
    }
    if (UlvoSoundInterface* sound = Sound()) {
        sound->StopSampleByTag(m_loopSound, 0);
        for (GameSoundID id : m_oneOffSounds) {
            sound->StopSampleByTag(id, 0);
        }
    }
    m_oneOffSounds.clear();
    m_loopSound = NO_SOUND;
}

void PemberquillAudio::LoadRegionSounds(const std::string& regionName)
{
    if (regionName.empty()) {
        return;
    }
    for (GameSoundID id : ListOf(FindRegion(regionName))) {
        if (UlvoSoundInterface* sound = Sound()) {
            sound->RegisterSample(id, m_soundPaths[id]);
        }
        ConsolePrintf("Dynamically LOADING sound \"%s\"...\n", m_soundPaths[id].c_str());
    }
    m_loadedRegion = regionName;
}

void PemberquillAudio::UnloadRegionSounds(const std::string& regionName)
{
    if (regionName.empty()) {
        return;
    }
    for (GameSoundID id : ListOf(FindRegion(regionName))) {
        if (UlvoSoundInterface* sound = Sound()) {
            sound->UnregisterSample(id);
        }
        ConsolePrintf("Dynamically UNLOADING sound \"%s\"...\n", m_soundPaths[id].c_str());
    }
    m_loadedRegion.clear();
}

void PemberquillAudio::Event_OnPlaySoundEvent(NamedProperties& args)
{
    GameSoundID id = NO_SOUND;
    if (args.Get("AudioSound", id) == PROPERTY_FETCH_OK) {
        PlaySound(id);
    }
}

void PemberquillAudio::Event_OnSetSoundsEvent(NamedProperties& args)
{
    m_soundsOn = true;
    args.Get("Value", m_soundsOn);
    if (m_soundsOn) {
        StartRegionSounds(m_currentRegion);
    } else {
        StopRegionSounds();
    }
}

void PemberquillAudio::Event_OnStartRegionSounds(NamedProperties& args)
{
    std::string regionName;
    const bool hasName = args.Get("RegionName", regionName) == PROPERTY_FETCH_OK;
    ULVO_ASSERT(hasName, "Couldn't find \"RegionName\" property key in event properties!",
                "PemberquillAudio::Event_OnStartRegionSounds");
    StopRegionSounds();
    const bool reload = !regionName.empty() && CompareNoCase(regionName, "Menu") != 0 &&
                        CompareNoCase(regionName, m_currentRegion.c_str()) != 0;
    if (reload) {
        UnloadRegionSounds(m_loadedRegion);
    }
    const std::vector<GameSoundID> list = GetSoundListForRegion(regionName);
    if (!list.empty()) {
        m_loopSound = list.front();
        m_oneOffSounds.assign(list.begin() + 1, list.end());
    }
    m_currentRegion = regionName;
    if (reload) {
        LoadRegionSounds(regionName);
    }
    if (m_loopSound != NO_SOUND && m_soundsOn) {
        PlaySoundForced(m_loopSound);
        PlayRandomOneOff();
    }
}

} // namespace Pemberquill
