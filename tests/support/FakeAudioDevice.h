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
    return const_cast<FakeAudioDevice*>(this)->Find(channel);
  }
  size_t SampleCount() const { return m_samples.size(); }
  int PlayingChannelCount() const {
    return static_cast<int>(std::count_if(m_channels.begin(), m_channels.end(),
                                          [](const FakeChannel& c) { return c.playing; }));
  }

  bool Open(const platform::AudioSettings& settings) override {
    Log("Open", settings.mixRate, settings.channelCount);
    if (m_open) return Fail("the audio device is already open");
    if (m_openFails) return Fail("no audio output (scripted)");
    if (settings.mixRate <= 0 || settings.channelCount < 1 ||
        settings.channelCount > platform::kMaxSampleChannels) {
      return Fail("unsupported audio settings");
    }
    m_settings = settings;
    // The last channel is the stream's.
    m_channels.assign(static_cast<size_t>(settings.channelCount) + 1, FakeChannel{});
    return m_open = Succeed();
  }

  void Close() override {
    Log("Close");
    m_lastError.clear();
    m_samples.clear();
    m_streams.clear();
    m_channels.clear();
    m_open = false;
  }

  bool IsOpen() const override { return m_open; }
  const std::string& LastError() const override { return m_lastError; }

  platform::SampleHandle LoadSample(const std::string& path) override {
    Log("LoadSample " + path);
    if (!FailUnlessOpen() || Rejected(path, "load the sound")) return platform::kNoSample;
    m_samples[m_nextHandle] = path;
    Succeed();
    return m_nextHandle++;
  }

  void FreeSample(platform::SampleHandle sample) override {
    Log("FreeSample", sample);
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
    if (!m_open || m_samples.count(sample) == 0) return platform::SampleInfo{};
    return platform::SampleInfo{static_cast<unsigned>(m_settings.mixRate), m_settings.mixRate};
  }

  platform::ChannelHandle Play(platform::SampleHandle sample,
                               const platform::PlaySettings& settings) override {
    Log("Play " + std::to_string(sample) + " " + Describe(settings));
    if (!FailUnlessOpen()) return platform::kNoChannel;
    if (m_samples.count(sample) == 0) return NoChannel("no such sample");
    const auto free = std::find_if(m_channels.begin(), m_channels.end() - 1,
                                   [](const FakeChannel& c) { return !c.playing; });
    if (free == m_channels.end() - 1) return NoChannel("every sound channel is busy");
    *free = FakeChannel{++m_lastSerial, sample, platform::kNoStream, settings.loop,
                        Clamp(settings.volume), Clamp(settings.pan), true, false, 0};
    Succeed();
    return Encode(static_cast<int>(free - m_channels.begin()), free->serial);
  }

  bool Replay(platform::ChannelHandle channel, const platform::PlaySettings& settings) override {
    Log("Replay " + std::to_string(channel) + " " + Describe(settings));
    FakeChannel* c = FindOrFail(channel);
    if (c == nullptr) return false;
    if (c == &m_channels.back()) return Fail("a stream is replayed with PlayStream");
    if (m_samples.count(c->sample) == 0) return Fail("the channel's sample was freed");
    *c = FakeChannel{c->serial, c->sample, platform::kNoStream, settings.loop,
                     Clamp(settings.volume), Clamp(settings.pan), true, false, c->replays + 1};
    return Succeed();
  }

  platform::StreamHandle OpenStream(const std::string& path, platform::LoopMode loop) override {
    Log("OpenStream " + path + " " + LoopName(loop));
    if (!FailUnlessOpen() || Rejected(path, "open the stream")) return platform::kNoStream;
    m_streams[m_nextHandle] = loop;
    Succeed();
    return m_nextHandle++;
  }

  void CloseStream(platform::StreamHandle stream) override {
    Log("CloseStream", stream);
    if (!FailUnlessOpen()) return;
    if (m_streams.erase(stream) == 0) {
      Fail("no such stream");
      return;
    }
    FakeChannel& c = m_channels.back();
    if (c.stream == stream) c.playing = c.paused = false;
    Succeed();
  }

  platform::ChannelHandle PlayStream(platform::StreamHandle stream, int volume) override {
    Log("PlayStream", stream, volume);
    if (!FailUnlessOpen()) return platform::kNoChannel;
    const auto it = m_streams.find(stream);
    if (it == m_streams.end()) return NoChannel("no such stream");
    FakeChannel& c = m_channels.back();
    if (c.playing) return NoChannel("another stream is playing");
    c = FakeChannel{++m_lastSerial, platform::kNoSample, stream, it->second, Clamp(volume),
                    platform::kPanCentre, true, false, 0};
    Succeed();
    return Encode(kStreamIndex, c.serial);
  }

  bool Stop(platform::ChannelHandle channel) override {
    Log("Stop", channel);
    FakeChannel* c = FindOrFail(channel);
    if (c != nullptr) c->playing = c->paused = false;
    return c != nullptr && Succeed();
  }

  bool SetPaused(platform::ChannelHandle channel, bool paused) override {
    Log("SetPaused", channel, paused ? 1 : 0);
    FakeChannel* c = FindOrFail(channel);
    if (c != nullptr && c->playing) c->paused = paused;
    return c != nullptr && Succeed();
  }

  bool SetVolume(platform::ChannelHandle channel, int volume) override {
    Log("SetVolume", channel, volume);
    FakeChannel* c = FindOrFail(channel);
    if (c != nullptr) c->volume = Clamp(volume);
    return c != nullptr && Succeed();
  }

  bool SetPan(platform::ChannelHandle channel, int pan) override {
    Log("SetPan", channel, pan);
    FakeChannel* c = FindOrFail(channel);
    if (c == nullptr) return false;
    if (c == &m_channels.back()) {
      return Clamp(pan) == platform::kPanCentre ? Succeed() : Fail("streams cannot be panned");
    }
    c->pan = Clamp(pan);
    return Succeed();
  }

  bool SetFrequency(platform::ChannelHandle channel, int frequency) override {
    Log("SetFrequency", channel, frequency);
    if (FindOrFail(channel) == nullptr) return false;
    return frequency == m_settings.mixRate ? Succeed()
                                           : Fail("a channel plays only at its sound's own frequency");
  }

  bool IsPlaying(platform::ChannelHandle channel) const override {
    const FakeChannel* c = Channel(channel);
    return c != nullptr && c->playing;
  }
  bool IsPaused(platform::ChannelHandle channel) const override {
    return IsPlaying(channel) && Channel(channel)->paused;
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

  // The channel a current handle names; null for a stale or unknown one.
  FakeChannel* Find(platform::ChannelHandle channel) {
    if (!m_open || channel < 0) return nullptr;
    const int index = channel % kHandleSpan;
    const int last = static_cast<int>(m_channels.size()) - 1;
    if (index != kStreamIndex && index >= last) return nullptr;
    FakeChannel& c = m_channels[static_cast<size_t>(index == kStreamIndex ? last : index)];
    return c.serial != 0 && c.serial == static_cast<unsigned>(channel / kHandleSpan) ? &c : nullptr;
  }
  FakeChannel* FindOrFail(platform::ChannelHandle channel) {
    if (!FailUnlessOpen()) return nullptr;
    FakeChannel* c = Find(channel);
    if (c == nullptr) Fail("no such channel, or its play is over and the channel is in other use");
    return c;
  }
  // True, with the error set, for a file the test rejected.
  bool Rejected(const std::string& path, const std::string& doing) {
    return m_rejected.count(path) != 0 && !Fail("cannot " + doing + " \"" + path + "\" (scripted)");
  }
  platform::ChannelHandle NoChannel(const std::string& why) {
    Fail(why);
    return platform::kNoChannel;
  }
  void Log(const std::string& line) { m_calls.push_back(line); }
  template <typename... Numbers>
  void Log(const std::string& operation, Numbers... numbers) {
    std::string line = operation;
    ((line += " " + std::to_string(numbers)), ...);
    Log(line);
  }
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
  std::vector<std::string> m_calls;
};

}  // namespace testsupport
