#pragma once

#include <cstdint>
#include <string>

#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoModuleInterface.h"

// The sound module as game code sees it. Sounds are named by integer
// identifiers that the caller chooses: samples are held whole in memory and
// may play many times at once, streams are decoded while they play and play
// once at a time. Game code uses the default instance (the first live one).
//
// Volumes are 0.0 (silent) to 1.0 (full); pan runs from -1.0 (left) through
// 0.0 (centre) to 1.0 (right).
class UlvoSoundInterface : public UlvoModuleInterface,
                           public UlvoCollectedClassInterface<UlvoSoundInterface> {
 public:
  // Loop modes of PlaySample and the loop bits of RegisterStream's mode.
  static constexpr int LOOP_OFF = 1;
  static constexpr int LOOP_NORMAL = 2;
  static constexpr int LOOP_BIDI = 4;

  virtual void DebugRender() = 0;
  // False when the last call to the sound output failed.
  virtual bool IsFMODOk() = 0;
  // The loudest band of the output's spectrum, at least 0.1; 0.0 without sound.
  virtual float GetSpectrumPeak(int reserved) = 0;

  // name is relative to the data folder and carries no extension; no file
  // of that name (".ogg", ".mp3" or ".wav") throws UlvoException.
  virtual void RegisterSample(int id, const std::string& name) = 0;
  // path is used as it stands; mode carries the loop bits.
  virtual void RegisterStream(int id, const std::string& path, unsigned mode) = 0;
  virtual void UnregisterSample(int id) = 0;
  virtual void UnregisterStream(int id) = 0;
  virtual void UnregisterAll() = 0;

  // Of the sample's oldest play with that tag (any play for tag 0).
  virtual float GetSampleVolume(int id, int tag) = 0;
  virtual float GetStreamVolume(int id) = 0;
  virtual void ChangeSampleFrequency(int id, float scale) = 0;
  // How many plays of the sample may sound at once; a further play restarts
  // the one nearest its end. 0 allows none.
  virtual void SetPlaybackLimit(int id, uint8_t limit) = 0;

  virtual void PlaySample(int id, int tag, int loopMode, float volume, float frequencyScale,
                          float pan) = 0;
  // A play that belongs to the music: the music volume applies to it.
  virtual void PlaySampleEx(int id, int tag, int loopMode, float volume, float frequencyScale,
                            float pan) = 0;
  virtual void PlayStream(int id, float volume) = 0;

  virtual void StopSample(int id) = 0;
  virtual void StopSampleByTag(int id, int tag) = 0;
  virtual void StopStream(int id) = 0;
  virtual void PauseSample(int id) = 0;
  virtual void UnpauseSample(int id) = 0;
  virtual void PauseStream(int id) = 0;
  virtual void UnpauseStream(int id) = 0;
  virtual void StopAll() = 0;
  virtual void PauseAll() = 0;
  virtual void UnpauseAll() = 0;

  // On the sample's plays with that tag (every play for tag 0).
  virtual void ChangeSampleVolume(int id, int tag, float volume, int reserved) = 0;
  virtual void ChangeStreamVolume(int id, float volume) = 0;
};
