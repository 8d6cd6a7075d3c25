#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/audio/AudioDevice.h"

namespace testsupport {

// One mixer channel as the fake sees it.
struct FakeChannel {
  unsigned serial = 0;
  platform::SampleHandle sample = platform::kNoSample;
  platform::StreamHandle stream = platform::kNoStream;
  platform::LoopMode loop = platform::LoopMode::Once;
  int volume = 0;
  int pan = platform::kPanCentre;
  bool playing = false;
  bool paused = false;
  int replays = 0;
};

// An audio device that plays nothing and keeps what it was asked. It keeps
// the contract of the real device (stale channel handles, one stream at a
// time, lowest free channel first, frequency only at the mix rate, every
// call a no-op while closed), so code tested against it behaves the same on
// the real one. Plays never end by themselves: EndPlay ends one.
//
// Calls() lists every call that changes something, one line each, in the
// form "<Operation> <arguments>", e.g. "Play 1 once 255 128",
// "SetVolume 257 127", "LoadSample Data/Audio/Click.wav".
class FakeAudioDevice : public platform::AudioDevice {
 public:
  // Scripting.
  void SetOpenFails(bool fails) { m_openFails = fails; }
  void RejectFile(const std::string& path) { m_rejected.insert(path); }
  void EndPlay(platform::ChannelHandle channel) {
    if (FakeChannel* c = Find(channel)) c->playing = c->paused = false;
  }

  // Inspection.
  const std::vector<std::string>& Calls() const { return m_calls; }
  void ClearCalls() { m_calls.clear(); }
  // Null for a stale or unknown handle.
  const FakeChannel* Channel(platform::ChannelHandle channel) const {
    int index = IndexOf(channel);
    return index < 0 ? nullptr : &At(index);
  }
  size_t SampleCount() const { return m_samples.size(); }
  int PlayingChannelCount() const {
    return static_cast<int>(std::count_if(m_channels.begin(), m_channels.end(),
                                          [](const FakeChannel& c) { return c.playing; })) +
           (m_streamChannel.playing ? 1 : 0);
  }

  bool Open(const platform::AudioSettings& settings) override {
    Log("Open " + std::to_string(settings.mixRate) + " " + std::to_string(settings.channelCount));
    if (m_open) return Fail("the audio device is already open");
    if (m_openFails) return Fail("no audio output (scripted)");
    if (settings.mixRate <= 0 || settings.channelCount < 1 ||
        settings.channelCount > platform::kMaxSampleChannels) {
      return Fail("unsupported audio settings");
    }
    m_settings = settings;
    m_channels.assign(static_cast<size_t>(settings.channelCount), FakeChannel{});
    m_streamChannel = FakeChannel{};
    m_open = true;
    return Succeed();
  }

  void Close() override {
    Log("Close");
    m_lastError.clear();
    m_samples.clear();
    m_streams.clear();
    m_channels.clear();
    m_streamChannel = FakeChannel{};
    m_open = false;
  }

  bool IsOpen() const override { return m_open; }
  const std::string& LastError() const override { return m_lastError; }

  platform::SampleHandle LoadSample(const std::string& path) override {
    Log("LoadSample " + path);
    if (!FailUnlessOpen()) return platform::kNoSample;
    if (m_rejected.count(path) != 0) {
      Fail("cannot load the sound \"" + path + "\" (scripted)");
      return platform::kNoSample;
    }
    platform::SampleHandle handle = m_nextHandle++;
    m_samples[handle] = path;
    Succeed();
    return handle;
  }

  void FreeSample(platform::SampleHandle sample) override {
    Log("FreeSample " + std::to_string(sample));
    if (!FailUnlessOpen()) return;
    if (m_samples.erase(sample) == 0) {
      Fail("no such sample");
      return;
    }
    for (FakeChannel& c : m_channels) {
      if (c.sample == sample) c.playing = c.paused = false;
    }
    Succeed();
  }

  platform::SampleInfo GetSampleInfo(platform::SampleHandle sample) const override {
    auto it = m_samples.find(sample);
    if (!m_open || it == m_samples.end()) return platform::SampleInfo{};
    return platform::SampleInfo{static_cast<unsigned>(m_settings.mixRate), m_settings.mixRate};
  }

  platform::ChannelHandle Play(platform::SampleHandle sample,
                               const platform::PlaySettings& settings) override {
    Log("Play " + std::to_string(sample) + " " + Describe(settings));
    if (!FailUnlessOpen()) return platform::kNoChannel;
    if (m_samples.count(sample) == 0) {
      Fail("no such sample");
      return platform::kNoChannel;
    }
    auto free = std::find_if(m_channels.begin(), m_channels.end(),
                             [](const FakeChannel& c) { return !c.playing; });
    if (free == m_channels.end()) {
      Fail("every sound channel is busy");
      return platform::kNoChannel;
    }
    *free = FakeChannel{NextSerial(), sample, platform::kNoStream, settings.loop,
                        Clamp(settings.volume), Clamp(settings.pan), true, false, 0};
    Succeed();
    return Encode(static_cast<int>(free - m_channels.begin()), free->serial);
  }

  bool Replay(platform::ChannelHandle channel, const platform::PlaySettings& settings) override {
    Log("Replay " + std::to_string(channel) + " " + Describe(settings));
    FakeChannel* c = FindOrFail(channel);
    if (c == nullptr) return false;
    if (c == &m_streamChannel) return Fail("a stream is replayed with PlayStream");
    if (m_samples.count(c->sample) == 0) return Fail("the channel's sample was freed");
    c->loop = settings.loop;
    c->volume = Clamp(settings.volume);
    c->pan = Clamp(settings.pan);
    c->playing = true;
    c->paused = false;
    ++c->replays;
    return Succeed();
  }

  platform::StreamHandle OpenStream(const std::string& path, platform::LoopMode loop) override {
    Log("OpenStream " + path + " " + LoopName(loop));
    if (!FailUnlessOpen()) return platform::kNoStream;
    if (m_rejected.count(path) != 0) {
      Fail("cannot open the stream \"" + path + "\" (scripted)");
      return platform::kNoStream;
    }
    platform::StreamHandle handle = m_nextHandle++;
    m_streams[handle] = loop;
    Succeed();
    return handle;
  }

  void CloseStream(platform::StreamHandle stream) override {
    Log("CloseStream " + std::to_string(stream));
    if (!FailUnlessOpen()) return;
    if (m_streams.erase(stream) == 0) {
      Fail("no such stream");
      return;
    }
    if (m_streamChannel.stream == stream) m_streamChannel.playing = m_streamChannel.paused = false;
    Succeed();
  }

  platform::ChannelHandle PlayStream(platform::StreamHandle stream, int volume) override {
    Log("PlayStream " + std::to_string(stream) + " " + std::to_string(volume));
    if (!FailUnlessOpen()) return platform::kNoChannel;
    auto it = m_streams.find(stream);
    if (it == m_streams.end()) {
      Fail("no such stream");
      return platform::kNoChannel;
    }
    if (m_streamChannel.playing) {
      Fail("another stream is playing");
      return platform::kNoChannel;
    }
    m_streamChannel = FakeChannel{NextSerial(), platform::kNoSample, stream, it->second,
                                  Clamp(volume), platform::kPanCentre, true, false, 0};
    Succeed();
    return Encode(kStreamIndex, m_streamChannel.serial);
  }

  bool Stop(platform::ChannelHandle channel) override {
    Log("Stop " + std::to_string(channel));
    FakeChannel* c = FindOrFail(channel);
    if (c == nullptr) return false;
    c->playing = c->paused = false;
    return Succeed();
  }

  bool SetPaused(platform::ChannelHandle channel, bool paused) override {
    Log("SetPaused " + std::to_string(channel) + " " + std::to_string(paused ? 1 : 0));
    FakeChannel* c = FindOrFail(channel);
    if (c == nullptr) return false;
    if (c->playing) c->paused = paused;
    return Succeed();
  }

  bool SetVolume(platform::ChannelHandle channel, int volume) override {
    Log("SetVolume " + std::to_string(channel) + " " + std::to_string(volume));
    FakeChannel* c = FindOrFail(channel);
    if (c == nullptr) return false;
    c->volume = Clamp(volume);
    return Succeed();
  }

  bool SetPan(platform::ChannelHandle channel, int pan) override {
    Log("SetPan " + std::to_string(channel) + " " + std::to_string(pan));
    FakeChannel* c = FindOrFail(channel);
    if (c == nullptr) return false;
    if (c == &m_streamChannel) {
      return Clamp(pan) == platform::kPanCentre ? Succeed() : Fail("streams cannot be panned");
    }
    c->pan = Clamp(pan);
    return Succeed();
  }

  bool SetFrequency(platform::ChannelHandle channel, int frequency) override {
    Log("SetFrequency " + std::to_string(channel) + " " + std::to_string(frequency));
    if (FindOrFail(channel) == nullptr) return false;
    if (frequency != m_settings.mixRate) {
      return Fail("a channel plays only at its sound's own frequency");
    }
    return Succeed();
  }

  bool IsPlaying(platform::ChannelHandle channel) const override {
    const FakeChannel* c = Channel(channel);
    return c != nullptr && c->playing;
  }
  bool IsPaused(platform::ChannelHandle channel) const override {
    const FakeChannel* c = Channel(channel);
    return c != nullptr && c->playing && c->paused;
  }
  int GetVolume(platform::ChannelHandle channel) const override {
    const FakeChannel* c = Channel(channel);
    return c == nullptr ? 0 : c->volume;
  }
  int GetPan(platform::ChannelHandle channel) const override {
    const FakeChannel* c = Channel(channel);
    return c == nullptr ? 0 : c->pan;
  }

 private:
  static constexpr int kHandleSpan = 256;
  static constexpr int kStreamIndex = platform::kMaxSampleChannels;

  static int Clamp(int value) { return std::clamp(value, 0, 255); }
  static platform::ChannelHandle Encode(int index, unsigned serial) {
    return static_cast<int>(serial) * kHandleSpan + index;
  }
  static std::string LoopName(platform::LoopMode loop) {
    return loop == platform::LoopMode::Loop ? "loop" : "once";
  }
  static std::string Describe(const platform::PlaySettings& s) {
    return LoopName(s.loop) + " " + std::to_string(s.volume) + " " + std::to_string(s.pan);
  }

  // The channel a current handle names, or -1.
  int IndexOf(platform::ChannelHandle channel) const {
    if (!m_open || channel < 0) return -1;
    int index = channel % kHandleSpan;
    unsigned serial = static_cast<unsigned>(channel / kHandleSpan);
    if (index != kStreamIndex && index >= static_cast<int>(m_channels.size())) return -1;
    const FakeChannel& c = At(index);
    return c.serial != 0 && c.serial == serial ? index : -1;
  }
  const FakeChannel& At(int index) const {
    return index == kStreamIndex ? m_streamChannel : m_channels[static_cast<size_t>(index)];
  }
  FakeChannel* Find(platform::ChannelHandle channel) {
    int index = IndexOf(channel);
    if (index < 0) return nullptr;
    return index == kStreamIndex ? &m_streamChannel : &m_channels[static_cast<size_t>(index)];
  }
  FakeChannel* FindOrFail(platform::ChannelHandle channel) {
    if (!FailUnlessOpen()) return nullptr;
    FakeChannel* c = Find(channel);
    if (c == nullptr) Fail("no such channel, or its play is over and the channel is in other use");
    return c;
  }
  unsigned NextSerial() { return ++m_lastSerial; }
  void Log(const std::string& line) { m_calls.push_back(line); }
  bool Succeed() {
    m_lastError.clear();
    return true;
  }
  bool Fail(const std::string& why) {
    m_lastError = why;
    return false;
  }
  bool FailUnlessOpen() { return m_open || Fail("no audio device is open"); }

  bool m_open = false;
  bool m_openFails = false;
  std::string m_lastError;
  platform::AudioSettings m_settings;
  std::set<std::string> m_rejected;
  std::map<platform::SampleHandle, std::string> m_samples;
  std::map<platform::StreamHandle, platform::LoopMode> m_streams;
  int m_nextHandle = 1;
  unsigned m_lastSerial = 0;
  std::vector<FakeChannel> m_channels;
  FakeChannel m_streamChannel;
  std::vector<std::string> m_calls;
};

}  // namespace testsupport
