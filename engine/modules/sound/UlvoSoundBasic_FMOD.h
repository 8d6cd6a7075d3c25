#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "engine/core/EventRecipient.h"
#include "engine/modules/sound/UlvoSoundBasic.h"
#include "platform/audio/AudioDevice.h"

class NamedProperties;

// The sound module on the platform audio device. It keeps a record of every
// play it started until the play ends, so that plays can be stopped, paused
// and limited per sample, applies the master and music volumes (a change of
// either also to the sample plays in progress), stops new sample plays
// while muted and pauses everything while the window is in the background.
//
// Without a working sound output (no device opened at start-up) the game
// carries on silently: every call does nothing and every query answers 0.
class UlvoSoundBasic_FMOD : public UlvoSoundBasic, public EventRecipient {
 public:
  // The module on SDL's mixer.
  static std::unique_ptr<UlvoSoundBasic_FMOD> Create();

  explicit UlvoSoundBasic_FMOD(std::unique_ptr<platform::AudioDevice> device);
  ~UlvoSoundBasic_FMOD() override;

  void Startup() override;
  void Shutdown() override;
  void Update() override;
  void Render() override;

  void DebugRender() override;
  bool IsFMODOk() override;
  float GetSpectrumPeak(int reserved) override;

  void RegisterSample(int id, const std::string& name) override;
  void RegisterStream(int id, const std::string& path, unsigned mode) override;
  void UnregisterSample(int id) override;
  void UnregisterStream(int id) override;
  void UnregisterAll() override;

  float GetSampleVolume(int id, int tag) override;
  float GetStreamVolume(int id) override;
  void ChangeSampleFrequency(int id, float scale) override;
  void SetPlaybackLimit(int id, uint8_t limit) override;

  void PlaySample(int id, int tag, int loopMode, float volume, float frequencyScale,
                  float pan) override;
  void PlaySampleEx(int id, int tag, int loopMode, float volume, float frequencyScale,
                    float pan) override;
  void PlayStream(int id, float volume) override;

  void StopSample(int id) override;
  void StopSampleByTag(int id, int tag) override;
  void StopStream(int id) override;
  void PauseSample(int id) override;
  void UnpauseSample(int id) override;
  void PauseStream(int id) override;
  void UnpauseStream(int id) override;
  void StopAll() override;
  void PauseAll() override;
  void UnpauseAll() override;

  void ChangeSampleVolume(int id, int tag, float volume, int reserved) override;
  void ChangeStreamVolume(int id, float volume) override;

 private:
  // One play of a sample that has not been seen to end.
  struct ChannelRecord {
    // One pass of a play-once sound; the largest value for a looping play,
    // which never ends by itself.
    uint32_t durationMs = 0;
    int loopMode = LOOP_OFF;
    int tag = 0;
    platform::ChannelHandle channel = platform::kNoChannel;
    // The play's own volume, before the module's volumes scale it; kept so
    // that a change of those reaches the play. Not part of the order.
    mutable float volume = 1.0f;
    bool withMusicVolume = false;
  };

  // Shortest first, so that the play to restart at the playback limit is
  // the one nearest its end; plays of equal length keep their start order.
  struct ShorterPlayFirst {
    bool operator()(const ChannelRecord& a, const ChannelRecord& b) const {
      return a.durationMs < b.durationMs;
    }
  };

  struct SampleRecord {
    platform::SampleHandle handle = platform::kNoSample;
    uint8_t playbackLimit = 255;
    std::multiset<ChannelRecord, ShorterPlayFirst> channels;
  };

  struct StreamRecord {
    platform::StreamHandle handle = platform::kNoStream;
    platform::ChannelHandle channel = platform::kNoChannel;
  };

  // What one PlaySample call asks for.
  struct PlayRequest {
    int tag;
    int loopMode;
    float volume;
    float frequencyScale;
    float pan;
    bool isMusic;
  };

  SampleRecord* FindSample(int id);
  StreamRecord* FindStream(int id);

  void Play(int id, const PlayRequest& request);
  // The device's settings for the request: the master volume always, the
  // music volume when asked.
  platform::PlaySettings SettingsFor(const SampleRecord& sample, const PlayRequest& request,
                                     bool withMusicVolume) const;
  int DeviceVolume(float playVolume, bool withMusicVolume) const;
  // After a change of the master or music volume.
  void ApplyVolumesToPlays();
  // The play at the limit restarted with the new settings; kNoChannel when
  // its channel has since gone to another play.
  platform::ChannelHandle RestartOldestPlay(SampleRecord& sample,
                                            const platform::PlaySettings& settings);
  // Stops the sample's plays of that tag, or all of them, and forgets them.
  void StopPlays(int id, bool everyTag, int tag);
  void SetSamplePaused(int id, bool paused, const char* warning);
  void SetStreamPaused(int id, bool paused, const char* warning);
  void ForgetEndedPlays();

  void SubscribeToEvents();
  void Event_OnMuteAllAudio(NamedProperties& args);
  void Event_OnUnmuteAllAudio(NamedProperties& args);
  void Event_OnSetMasterVolumeEvent(NamedProperties& args);
  void Event_OnSetSFXVolumeEvent(NamedProperties& args);
  void Event_OnSetMusicVolumeEvent(NamedProperties& args);
  void Event_OnAppChangeFocus(NamedProperties& args);

  std::map<int, SampleRecord> m_samples;
  std::map<int, StreamRecord> m_streams;
  bool m_isWorking = false;
  bool m_isMuted = false;
  float m_masterVolume = 1.0f;
  // Set by its event for the options; no play reads it.
  float m_sfxVolume = 1.0f;
  float m_musicVolume = 1.0f;
  // While the window is in the background new plays start paused too.
  bool m_hasFocus = true;
  std::unique_ptr<platform::AudioDevice> m_device;
};
