#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/common/GameSoundID.h"
#include "game/common/GameSubsystem.h"

class Clock;
class NamedProperties;

namespace Pemberquill {

// The game's sounds: registers them with the default sound module, plays
// the ones the game asks for by "PlaySoundEvent", and runs the ambience of
// the menus and of each campaign region: a loop plus one-offs at random
// moments, never the same one-off twice in a row.
//
// Sounds 0 to 26 stay registered from start-up on; a region's sounds are
// registered only while that region is the loaded one. The menu's loop is
// one of the first group, so the menu leaves the last region's sounds
// registered; coming back from the menu loads them afresh.
class PemberquillAudio : public GameSubsystem {
public:
    static constexpr GameSoundID NO_SOUND = static_cast<GameSoundID>(-1);
    static constexpr double NO_ONE_OFF_TIME = 99999999.0;
    // One-offs come this many seconds apart, and at most this many more.
    static constexpr double ONE_OFF_MIN_GAP = 5.0;
    static constexpr double ONE_OFF_GAP_RANGE = 15.0;

    PemberquillAudio() = default;
    ~PemberquillAudio() override;
    PemberquillAudio(const PemberquillAudio&) = delete;
    PemberquillAudio& operator=(const PemberquillAudio&) = delete;

    // The loading task "Audio startup": reports one loading step before
    // each of the sounds it registers.
    void Startup(Clock* parentClock);
    // Stops and unregisters nothing: the sound module goes down after it.
    void Shutdown();
    bool IsInitialized() const { return m_isInitialized; }

    // Once, and only while the options let sounds play.
    void PlaySound(GameSoundID id);
    // Looping, whatever the options say: the ambience obeys "SetSoundsEvent".
    void PlaySoundForced(GameSoundID id);

    // Plays a one-off of the current ambience other than the last one and
    // schedules the next; nothing (and no new schedule) without one-offs.
    void PlayRandomOneOff();
    void ScheduleNextOneOff();
    // True when the game's update should call PlayRandomOneOff.
    bool IsOneOffDue() const;
    double GetNextOneOffTime() const { return m_nextOneOffTime; }
    Clock* GetClock() const { return m_clock.get(); }

    // The region's loop followed by its one-offs. An unknown name throws
    // UlvoException.
    static std::vector<GameSoundID> GetSoundListForRegion(const std::string& regionName);

    void StopRegionSounds();
    void LoadRegionSounds(const std::string& regionName);
    void UnloadRegionSounds(const std::string& regionName);

    void Event_OnPlaySoundEvent(NamedProperties& args);
    void Event_OnSetSoundsEvent(NamedProperties& args);
    void Event_OnStartRegionSounds(NamedProperties& args);

    const std::string& GetCurrentRegion() const { return m_currentRegion; }
    const std::string& GetLoadedRegion() const { return m_loadedRegion; }
    GameSoundID GetLoopSound() const { return m_loopSound; }
    GameSoundID GetLastOneOff() const { return m_lastOneOff; }
    bool AreSoundsOn() const { return m_soundsOn; }

private:
    void Play(GameSoundID id, int loopMode);

    std::map<GameSoundID, std::string> m_soundPaths;
    std::unique_ptr<Clock> m_clock;
    bool m_isInitialized = false;
    std::string m_currentRegion;
    GameSoundID m_loopSound = NO_SOUND;
    std::vector<GameSoundID> m_oneOffSounds;
    double m_nextOneOffTime = NO_ONE_OFF_TIME;
    GameSoundID m_lastOneOff = NO_SOUND;
    bool m_soundsOn = true;
    std::string m_loadedRegion;
};

} // namespace Pemberquill
