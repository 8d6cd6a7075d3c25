#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioDevice.h"

namespace platform {

// The audio device on SDL2_mixer: a stereo 16-bit mix at the requested rate
// (SDL converts it to whatever the output wants), samples decoded whole into
// the mix format, streams played as the mixer's music. SDL_mixer is one
// per process, so only one SdlAudioDevice can be open at a time.
//
// The mixer plays sound at the mix rate only: a sample played at another
// frequency, or from the middle after its frequency changed, plays from a
// resampled copy that belongs to its channel.
class SdlAudioDevice : public AudioDevice {
 public:
  SdlAudioDevice();
  ~SdlAudioDevice() override;

  bool Open(const AudioSettings& settings) override;
  void Close() override;
  bool IsOpen() const override;
  const std::string& LastError() const override;

  SampleHandle LoadSample(const std::string& path) override;
  void FreeSample(SampleHandle sample) override;
  SampleInfo GetSampleInfo(SampleHandle sample) const override;

  ChannelHandle Play(SampleHandle sample, const PlaySettings& settings) override;
  bool Replay(ChannelHandle channel, const PlaySettings& settings) override;

  StreamHandle OpenStream(const std::string& path, LoopMode loop) override;
  void CloseStream(StreamHandle stream) override;
  ChannelHandle PlayStream(StreamHandle stream, int volume) override;

  bool Stop(ChannelHandle channel) override;
  bool SetPaused(ChannelHandle channel, bool paused) override;
  bool SetVolume(ChannelHandle channel, int volume) override;
  bool SetPan(ChannelHandle channel, int pan) override;
  bool SetFrequency(ChannelHandle channel, int frequency) override;

  bool IsPlaying(ChannelHandle channel) const override;
  bool IsPaused(ChannelHandle channel) const override;
  int GetVolume(ChannelHandle channel) const override;
  int GetPan(ChannelHandle channel) const override;

 private:
  struct Sample;
  struct Stream;
  struct Rendition;

  // What this device last asked of one mixer channel; serial 0 means the
  // channel has not played since the device opened.
  struct ChannelState {
    ChannelState();
    ChannelState(ChannelState&&) noexcept;
    ChannelState& operator=(ChannelState&&) noexcept;
    ~ChannelState();

    unsigned serial = 0;
    SampleHandle sample = kNoSample;
    StreamHandle stream = kNoStream;
    int volume = 0;
    int pan = kPanCentre;
    LoopMode loop = LoopMode::Once;
    // The frequency the sample plays at, and the frame of the sample that
    // the channel's chunk begins with.
    int frequency = 0;
    double start = 0.0;
    // The chunk the channel plays when it is not the sample's own.
    std::unique_ptr<Rendition> rendition;
  };

  // The mixer channel a current handle names, or -1 for a stale, unknown
  // or malformed one.
  int IndexOf(ChannelHandle channel) const;
  int IndexOrFail(ChannelHandle channel);
  ChannelState& StateAt(int index);
  const ChannelState& StateAt(int index) const;
  Sample* FindSample(SampleHandle sample) const;
  Stream* FindStream(StreamHandle stream) const;

  // Starts the sample on the idle channel as its state asks.
  bool StartSampleChannel(int index, const Sample& sample);
  // The frame of its sample that the channel has been mixed up to.
  double MixedPosition(int index) const;
  int SampleFrequency(int frequency) const;

  unsigned NextSerial();
  int FindFreeSampleChannel() const;
  bool IsStreamPlaying(StreamHandle stream) const;
  void PauseSampleChannel(int index) const;
  void ApplyVolume(int index, int volume) const;
  void ApplyPan(int index, int pan) const;

  bool Succeed();
  bool Fail(const std::string& why);
  bool FailUnlessOpen();

  bool m_open = false;
  std::string m_lastError;
  int m_mixRate = 0;
  int m_bytesPerFrame = 0;
  int m_outputChannels = 0;
  std::map<SampleHandle, std::unique_ptr<Sample>> m_samples;
  std::map<StreamHandle, std::unique_ptr<Stream>> m_streams;
  SampleHandle m_nextSample = 1;
  StreamHandle m_nextStream = 1;
  // Counts plays over the device's whole life, across Close and Open, so a
  // handle from before a Close never names a later play.
  unsigned m_lastSerial = 0;
  std::vector<ChannelState> m_sampleChannels;
  // Bytes of its chunk that each sample channel has mixed since it started,
  // counted on the mixer's thread.
  std::unique_ptr<std::atomic<uint64_t>[]> m_mixedBytes;
  ChannelState m_streamChannel;
};

}  // namespace platform
