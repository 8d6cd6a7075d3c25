#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/audio/AudioDevice.h"

namespace testsupport {

// One play as the fake sees it.
struct FakeChannel {
  platform::SampleHandle sample = platform::kNoSample;
  int volume = 0;
  bool playing = false;
  bool paused = false;
  int replays = 0;
};

// An audio device that plays nothing and keeps what it was asked. Samples
// and streams are numbered from 1 on in the order they are loaded or
// opened; every play (of a sample or a stream) gets a channel handle of its
// own, never reused, numbered from kFirstChannel on in play order. Plays
// never end by themselves: EndPlay ends one.
//
// Calls() lists every call that changes something, one line each, in the
// form "<Operation> <arguments>", e.g. "Play 1 once 255 128",
// "SetVolume 1001 127", "LoadSample Data/Audio/Click.wav". A play's
// frequency follows its pan when it is not the sample's own:
// "Play 1 once 255 128 88200".
class FakeAudioDevice : public platform::AudioDevice {
 public:
  static constexpr platform::ChannelHandle kFirstChannel = 1001;

  void SetOpenFails(bool fails) { m_openFails = fails; }
  void RejectFile(const std::string& path) { m_rejected.insert(path); }
  void EndPlay(platform::ChannelHandle channel) { m_channels[channel].playing = false; }

  const std::vector<std::string>& Calls() const { return m_calls; }
  // The channel of the last play (of a sample or a stream) started or
  // restarted.
  platform::ChannelHandle LastPlayed() const { return m_lastPlayed; }
  void ClearCalls() { m_calls.clear(); }
  // Null for an unknown handle.
  const FakeChannel* Channel(platform::ChannelHandle channel) const {
    const auto found = m_channels.find(channel);
    return found != m_channels.end() ? &found->second : nullptr;
  }

  bool Open(const platform::AudioSettings& settings) override {
    Log("Open", settings.mixRate, settings.channelCount);
    m_lastError = m_openFails ? "no audio output (scripted)" : "";
    m_mixRate = settings.mixRate;
    return m_open = !m_openFails;
  }
  void Close() override {
    Log("Close");
    m_channels.clear();
    m_open = false;
  }
  bool IsOpen() const override { return m_open; }
  const std::string& LastError() const override { return m_lastError; }

  platform::SampleHandle LoadSample(const std::string& path) override {
    Log("LoadSample " + path);
    return Load(path);
  }
  void FreeSample(platform::SampleHandle sample) override {
    Log("FreeSample", sample);
    for (auto& [handle, channel] : m_channels) {
      channel.playing = channel.playing && channel.sample != sample;
    }
  }
  platform::SampleInfo GetSampleInfo(platform::SampleHandle) const override {
    return platform::SampleInfo{static_cast<unsigned>(m_mixRate), m_mixRate};
  }
  platform::ChannelHandle Play(platform::SampleHandle sample, const platform::PlaySettings& settings) override {
    Log("Play " + std::to_string(sample) + " " + Describe(settings));
    if (!m_open) return platform::kNoChannel;
    m_channels[++m_lastChannel] = FakeChannel{sample, Clamp(settings.volume), true, false, 0};
    return m_lastPlayed = m_lastChannel;
  }
  bool Replay(platform::ChannelHandle channel, const platform::PlaySettings& settings) override {
    Log("Replay " + std::to_string(channel) + " " + Describe(settings));
    FakeChannel& c = m_channels[channel];
    c = FakeChannel{c.sample, Clamp(settings.volume), true, false, c.replays + 1};
    m_lastPlayed = channel;
    return true;
  }
  platform::StreamHandle OpenStream(const std::string& path, platform::LoopMode loop) override {
    Log("OpenStream " + path + " " + LoopName(loop));
    return Load(path);
  }
  void CloseStream(platform::StreamHandle stream) override { Log("CloseStream", stream); }
  platform::ChannelHandle PlayStream(platform::StreamHandle stream, int volume) override {
    Log("PlayStream", stream, volume);
    m_channels[++m_lastChannel] = FakeChannel{platform::kNoSample, Clamp(volume), true, false, 0};
    return m_lastPlayed = m_lastChannel;
  }
  bool Stop(platform::ChannelHandle channel) override {
    Log("Stop", channel);
    m_channels[channel].playing = false;
    return true;
  }
  bool SetPaused(platform::ChannelHandle channel, bool paused) override {
    Log("SetPaused", channel, paused ? 1 : 0);
    m_channels[channel].paused = paused;
    return true;
  }
  bool SetVolume(platform::ChannelHandle channel, int volume) override {
    Log("SetVolume", channel, volume);
    m_channels[channel].volume = Clamp(volume);
    return true;
  }
  bool SetPan(platform::ChannelHandle channel, int pan) override {
    Log("SetPan", channel, pan);
    return true;
  }
  bool SetFrequency(platform::ChannelHandle channel, int frequency) override {
    Log("SetFrequency", channel, frequency);
    return true;
  }
  bool IsPlaying(platform::ChannelHandle channel) const override {
    return Channel(channel) != nullptr && Channel(channel)->playing;
  }
  bool IsPaused(platform::ChannelHandle channel) const override {
    return IsPlaying(channel) && Channel(channel)->paused;
  }
  int GetVolume(platform::ChannelHandle channel) const override {
    return Channel(channel) != nullptr ? Channel(channel)->volume : 0;
  }
  int GetPan(platform::ChannelHandle) const override { return platform::kPanCentre; }

 private:
  static int Clamp(int value) { return std::clamp(value, 0, platform::kMaxVolume); }
  static std::string LoopName(platform::LoopMode loop) {
    return loop == platform::LoopMode::Loop ? "loop" : "once";
  }
  std::string Describe(const platform::PlaySettings& s) const {
    const bool ownFrequency = s.frequency <= 0 || s.frequency == m_mixRate;
    return LoopName(s.loop) + " " + std::to_string(s.volume) + " " + std::to_string(s.pan) +
           (ownFrequency ? "" : " " + std::to_string(s.frequency));
  }
  // The next handle; none, with the error set, for a file the test rejected.
  int Load(const std::string& path) {
    m_lastError = m_rejected.count(path) != 0 ? "cannot read \"" + path + "\" (scripted)" : "";
    return !m_open || !m_lastError.empty() ? 0 : ++m_lastHandle;
  }
  void Log(const std::string& line) { m_calls.push_back(line); }
  template <typename... Numbers>
  void Log(const std::string& operation, Numbers... numbers) {
    std::string line = operation;
    ((line += " " + std::to_string(numbers)), ...);
    Log(line);
  }

  bool m_open = false;
  bool m_openFails = false;
  int m_mixRate = 0;
  std::string m_lastError;
  std::set<std::string> m_rejected;
  int m_lastHandle = 0;
  platform::ChannelHandle m_lastChannel = kFirstChannel - 1;
  platform::ChannelHandle m_lastPlayed = platform::kNoChannel;
  std::map<platform::ChannelHandle, FakeChannel> m_channels;
  std::vector<std::string> m_calls;
};

}  // namespace testsupport
