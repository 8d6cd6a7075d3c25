#pragma once

#include <string>

namespace platform {

// Samples, streams and channels are referred to by plain integer handles so
// that callers can keep them in their own records. A channel handle names
// one play: once its channel is taken by a later play, the old handle is
// stale and every call on it fails without touching the new play.
using SampleHandle = int;
using StreamHandle = int;
using ChannelHandle = int;

constexpr SampleHandle kNoSample = 0;
constexpr StreamHandle kNoStream = 0;
constexpr ChannelHandle kNoChannel = -1;

// Volume runs from 0 (silent) to 255 (full). Pan runs from 0 (left) through
// 128 (centre) to 255 (right); the centre leaves both sides at full volume,
// so a stereo sound played centred keeps its own stereo image. Values
// outside 0..255 are clamped.
constexpr int kMaxVolume = 255;
constexpr int kPanLeft = 0;
constexpr int kPanCentre = 128;
constexpr int kPanRight = 255;

enum class LoopMode { Once, Loop };

struct AudioSettings {
  int mixRate = 44100;
  // Channels on which samples play at the same time, 1 to kMaxSampleChannels.
  // Streams play beside them on a channel of their own.
  int channelCount = 128;
};

constexpr int kMaxSampleChannels = 255;

// A sample plays at its own frequency or at another one, faster and higher
// or slower and lower, from a sixteenth to sixteen times its own; other
// frequencies are brought into that range.
constexpr int kFrequencyRangeFactor = 16;

struct PlaySettings {
  LoopMode loop = LoopMode::Once;
  int volume = kMaxVolume;
  int pan = kPanCentre;
  // In Hz; 0 (or less) for the sample's own.
  int frequency = 0;
};

struct SampleInfo {
  // The length of one pass in sample frames at the given frequency. Samples
  // are converted to the mix rate when loaded, so frequency is the mix rate.
  unsigned frames = 0;
  int frequency = 0;
};

// The game's sound output: samples decoded whole into memory that may play
// on many channels at once, and streams decoded while they play.
//
// While no device is open every call does nothing: loads and plays return
// the "no" handle, setters and queries answer false or 0.
//
// Not offered: streams play only at their own frequency and cannot be
// panned, and one stream plays at a time.
class AudioDevice {
 public:
  AudioDevice() = default;
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;
  virtual ~AudioDevice() = default;

  // False when no output opens; the game then carries on without sound.
  virtual bool Open(const AudioSettings& settings) = 0;
  // Stops everything and frees every sample and stream.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Why the last operation that changes something failed; empty after one
  // that succeeded.
  virtual const std::string& LastError() const = 0;

  // Loads a .ogg, .mp3 or .wav file whole. kNoSample when it cannot be read.
  virtual SampleHandle LoadSample(const std::string& path) = 0;
  // Stops the sample's channels, then frees it.
  virtual void FreeSample(SampleHandle sample) = 0;
  // Zeros for an unknown sample.
  virtual SampleInfo GetSampleInfo(SampleHandle sample) const = 0;

  // Starts the sample from its beginning on a free channel with the
  // settings already applied. kNoChannel when every channel is busy.
  virtual ChannelHandle Play(SampleHandle sample, const PlaySettings& settings) = 0;
  // Starts the channel's sample again from its beginning on the same channel
  // (the handle stays valid), with new settings, unpaused. Sample channels
  // only.
  virtual bool Replay(ChannelHandle channel, const PlaySettings& settings) = 0;

  // Opens a stream; the file is decoded while it plays.
  virtual StreamHandle OpenStream(const std::string& path, LoopMode loop) = 0;
  // Stops the stream if it plays, then closes it.
  virtual void CloseStream(StreamHandle stream) = 0;
  // Starts the stream from its beginning. kNoChannel when a stream already
  // plays.
  virtual ChannelHandle PlayStream(StreamHandle stream, int volume) = 0;

  virtual bool Stop(ChannelHandle channel) = 0;
  virtual bool SetPaused(ChannelHandle channel, bool paused) = 0;
  virtual bool SetVolume(ChannelHandle channel, int volume) = 0;
  virtual bool SetPan(ChannelHandle channel, int pan) = 0;
  // A sample's play goes on at the frequency (as PlaySettings takes it)
  // from where it has got to, paused or not. A stream's refuses any but the
  // mix rate.
  virtual bool SetFrequency(ChannelHandle channel, int frequency) = 0;

  // A paused channel still counts as playing; one that ended or was
  // stopped does not.
  virtual bool IsPlaying(ChannelHandle channel) const = 0;
  virtual bool IsPaused(ChannelHandle channel) const = 0;
  // The last volume and pan set on the channel, also after its play ended;
  // 0 for a stale or unknown channel.
  virtual int GetVolume(ChannelHandle channel) const = 0;
  virtual int GetPan(ChannelHandle channel) const = 0;
};

}  // namespace platform
