// The SDL device on two channels: handles that outlive their play, the one
// stream beside the samples, plays that end by themselves, a truncated file,
// volume, pan and frequency measured in the mixed output, and a machine
// without sound.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <utility>

#include "platform/audio/SdlAudioDevice.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/SoundingFrames.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestWavFile.h"

namespace {

using namespace platform;
constexpr int16_t kTone = 4000;

// Waits, for at most twenty seconds, until the condition holds.
template <typename Condition>
bool Eventually(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// Averages the absolute left and right levels of what the mixer hands to
// the output. The mixer's thread writes the sums only while buffers are
// left to measure; the test reads them once none are.
class MixMeter {
 public:
  MixMeter() { Mix_SetPostMix(&MixMeter::OnMix, this); }
  ~MixMeter() { Mix_SetPostMix(nullptr, nullptr); }

  // The level after every change made so far: two buffers are skipped, as
  // one being mixed while a change was made may still hold the old sound.
  std::pair<double, double> Measure() {
    m_left = m_right = m_frames = 0;
    m_buffersToSkip = 2;
    m_buffersToMeasure = 4;
    EXPECT_TRUE(Eventually([this] { return m_buffersToMeasure == 0; })) << "the mixer stopped asking for sound";
    return {static_cast<double>(m_left) / m_frames, static_cast<double>(m_right) / m_frames};
  }

 private:
  static void SDLCALL OnMix(void* self, Uint8* stream, int length) {
    auto& meter = *static_cast<MixMeter*>(self);
    if (meter.m_buffersToMeasure == 0 || meter.m_buffersToSkip-- > 0) return;
    const auto* frames = reinterpret_cast<const int16_t*>(stream);
    for (int i = 0; i < length / 4; ++i) {
      meter.m_left += std::abs(frames[2 * i]);
      meter.m_right += std::abs(frames[2 * i + 1]);
    }
    meter.m_frames += length / 4;
    --meter.m_buffersToMeasure;
  }

  std::atomic<int> m_buffersToSkip{0}, m_buffersToMeasure{0};
  int64_t m_left = 0, m_right = 0, m_frames = 0;
};

class SdlAudioDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteWav(tonePath, testsupport::SteadyTone(44100, 1, 4410, kTone));
    ASSERT_TRUE(device.Open(AudioSettings{44100, 2})) << device.LastError();
    tone = device.LoadSample(tonePath);
    ASSERT_NE(tone, kNoSample) << device.LastError();
  }
  ChannelHandle Loop(int volume = kMaxVolume, int pan = kPanCentre) {
    return device.Play(tone, PlaySettings{LoopMode::Loop, volume, pan});
  }

  testsupport::TemporaryFolder folder;
  const std::string tonePath = folder.File("tone.wav");
  SdlAudioDevice device;
  SampleHandle tone = kNoSample;
};

TEST_F(SdlAudioDeviceTest, AStaleHandleNeverReachesTheNextPlayAndBusyChannelsRefuse) {
  const ChannelHandle first = Loop(200, 10);
  ASSERT_TRUE(device.Stop(first));
  const ChannelHandle second = Loop(60);
  Loop();
  EXPECT_FALSE(device.IsPlaying(first));
  EXPECT_FALSE(device.SetVolume(first, 10) || device.SetPaused(first, true) || device.Stop(first) ||
               device.Replay(first, PlaySettings{}));
  // A restart that works clears the failure before it.
  ASSERT_TRUE(device.Replay(second, PlaySettings{LoopMode::Loop, 60, kPanCentre}));
  EXPECT_EQ(device.LastError(), "");
  EXPECT_EQ(device.GetVolume(second), 60);
  // A paused channel is still taken.
  ASSERT_TRUE(device.SetPaused(second, true));
  EXPECT_EQ(Loop(), kNoChannel);
  EXPECT_TRUE(device.IsPaused(second));
}

// Handles the device never gave out: none of the channel numbers, in use or
// not, with a serial it never issued, nor a sample it never loaded.
TEST_F(SdlAudioDeviceTest, MadeUpHandlesAreRefused) {
  Loop();
  for (ChannelHandle made : {kNoChannel, 0, 1, 5, 254, 255, 256 * 9999 + 1}) {
    EXPECT_FALSE(device.IsPlaying(made) || device.SetVolume(made, 1)) << made;
    EXPECT_FALSE(device.LastError().empty()) << made;
  }
  EXPECT_EQ(device.Play(tone + 1, PlaySettings{}), kNoChannel);
  EXPECT_EQ(device.GetSampleInfo(tone + 1).frames, 0u);
  device.FreeSample(tone + 1);
  EXPECT_FALSE(device.LastError().empty());
}

TEST_F(SdlAudioDeviceTest, OneStreamPlaysAtATimeBesideTheSamples) {
  const StreamHandle first = device.OpenStream(tonePath, LoopMode::Loop);
  const StreamHandle second = device.OpenStream(tonePath, LoopMode::Loop);
  const ChannelHandle sample = Loop();
  const ChannelHandle stream = device.PlayStream(first, 100);
  ASSERT_NE(stream, kNoChannel) << device.LastError();
  EXPECT_NE(stream, sample);
  EXPECT_EQ(device.PlayStream(second, 100), kNoChannel);
  // A stream is never panned nor replayed.
  EXPECT_TRUE(device.SetPan(stream, kPanCentre));
  EXPECT_FALSE(device.SetPan(stream, kPanLeft) || device.Replay(stream, PlaySettings{}));
  // Pausing the stream holds the music, and only the music.
  ASSERT_TRUE(device.SetPaused(stream, true));
  EXPECT_TRUE(device.IsPaused(stream));
  EXPECT_FALSE(device.IsPaused(sample));
  ASSERT_TRUE(device.SetPaused(stream, false));
  EXPECT_FALSE(device.IsPaused(stream));

  ASSERT_TRUE(device.Stop(stream));
  const ChannelHandle next = device.PlayStream(second, 20);
  ASSERT_NE(next, kNoChannel) << device.LastError();
  EXPECT_FALSE(device.SetVolume(stream, 1));
  device.CloseStream(second);
  EXPECT_FALSE(device.IsPlaying(next));
  EXPECT_EQ(device.PlayStream(second, 20), kNoChannel);
  EXPECT_TRUE(device.IsPlaying(sample));
}

// A truncated file never yields more than it holds (if it loads at all).
TEST_F(SdlAudioDeviceTest, OncePlaysEndByThemselvesAndLoopsGoOn) {
  testsupport::Bytes bytes = testsupport::WavBytes(testsupport::SteadyTone(44100, 1, 44100, kTone));
  bytes.resize(44 + 200);  // the header and 100 frames of the promised 44100
  testsupport::WriteFileBytes(folder.File("cut.wav"), bytes);
  const SampleHandle cut = device.LoadSample(folder.File("cut.wav"));
  EXPECT_TRUE(cut == kNoSample ? !device.LastError().empty() : device.GetSampleInfo(cut).frames <= 100u);
  const ChannelHandle once = device.Play(cut == kNoSample ? tone : cut, PlaySettings{});
  const ChannelHandle looping = Loop();
  const StreamHandle stream = device.OpenStream(tonePath, LoopMode::Once);
  const ChannelHandle streamed = device.PlayStream(stream, kMaxVolume);
  ASSERT_NE(streamed, kNoChannel) << device.LastError();
  EXPECT_TRUE(Eventually([&] { return !device.IsPlaying(once) && !device.IsPlaying(streamed); }));
  EXPECT_TRUE(device.IsPlaying(looping));
  // The ended stream frees the stream channel for the next one.
  EXPECT_NE(device.PlayStream(stream, kMaxVolume), kNoChannel);
}

// Each step changes the play, then the output is measured; the centre is
// full on both sides, and a new play never inherits an earlier pan.
TEST_F(SdlAudioDeviceTest, VolumeAndPanShapeTheMixedOutput) {
  MixMeter meter;
  ChannelHandle channel = Loop(kMaxVolume, kPanLeft);
  const struct {
    const char* name;
    std::function<bool()> change;
    double left, right;
  } steps[] = {
      {"left", [] { return true; }, 1, 0},
      {"right", [&] { return device.SetPan(channel, kPanRight); }, 0, 1},
      {"centre", [&] { return device.SetPan(channel, kPanCentre); }, 1, 1},
      {"half volume", [&] { return device.SetPan(channel, kPanCentre) && device.SetVolume(channel, 128); }, 0.5, 0.5},
      {"silent", [&] { return device.SetVolume(channel, 0); }, 0, 0},
      {"replayed left", [&] { return device.Replay(channel, PlaySettings{LoopMode::Loop, kMaxVolume, kPanLeft}); }, 1, 0},
      {"played anew", [&] { return device.Stop(channel) && (channel = Loop()) != kNoChannel; }, 1, 1},
  };
  for (const auto& step : steps) {
    ASSERT_TRUE(step.change()) << step.name;
    const auto [left, right] = meter.Measure();
    EXPECT_NEAR(left, step.left * kTone, step.left * kTone * 0.05 + 20) << step.name;
    EXPECT_NEAR(right, step.right * kTone, step.right * kTone * 0.05 + 20) << step.name;
  }
}

// A play at twice the sample's frequency lasts half as long, at half the
// frequency twice as long; a freed sample's resampled plays stop with it.
TEST_F(SdlAudioDeviceTest, TheFrequencySetsHowLongAPlayLasts) {
  testsupport::SoundingFrames meter(kTone);
  for (const auto& [frequency, frames] : std::initializer_list<std::pair<int, int>>{{88200, 2205}, {22050, 8820}, {0, 4410}}) {
    const int64_t before = meter.Settled();
    const ChannelHandle channel = device.Play(tone, PlaySettings{LoopMode::Once, kMaxVolume, kPanCentre, frequency});
    ASSERT_NE(channel, kNoChannel) << device.LastError();
    ASSERT_TRUE(Eventually([&] { return !device.IsPlaying(channel); }));
    EXPECT_NEAR(meter.Settled() - before, frames, 1) << frequency << " Hz";
  }
  const ChannelHandle looping = device.Play(tone, PlaySettings{LoopMode::Loop, kMaxVolume, kPanCentre, 30000});
  device.FreeSample(tone);
  EXPECT_FALSE(device.IsPlaying(looping));
}

// A play is held between a sixteenth and sixteen times the mix rate: asked
// for twice past either limit, it lasts exactly as long as at the limit.
TEST_F(SdlAudioDeviceTest, TheFrequencyIsHeldWithinSixteenTimesEitherWayOfTheMixRate) {
  testsupport::WriteWav(folder.File("short.wav"), testsupport::SteadyTone(44100, 1, 441, kTone));
  const SampleHandle shortTone = device.LoadSample(folder.File("short.wav"));
  testsupport::SoundingFrames meter(kTone);
  const struct {
    SampleHandle sample;
    int frequency;
    double frames;
  } cases[] = {
      {tone, 44100 * kFrequencyRangeFactor * 2, 4410.0 / kFrequencyRangeFactor},
      {tone, 44100 * kFrequencyRangeFactor + 1000, 4410.0 / kFrequencyRangeFactor},
      {shortTone, 44100 / kFrequencyRangeFactor / 2, 441.0 * 44100 / (44100 / kFrequencyRangeFactor)},
      {shortTone, 44100 / kFrequencyRangeFactor - 100, 441.0 * 44100 / (44100 / kFrequencyRangeFactor)},
  };
  for (const auto& c : cases) {
    const int64_t before = meter.Settled();
    const ChannelHandle channel = device.Play(c.sample, PlaySettings{LoopMode::Once, kMaxVolume, kPanCentre, c.frequency});
    ASSERT_NE(channel, kNoChannel) << device.LastError();
    ASSERT_TRUE(Eventually([&] { return !device.IsPlaying(channel); }));
    EXPECT_NEAR(meter.Settled() - before, c.frames, 2) << c.frequency << " Hz";
  }
}

// The stream plays only at the mix rate: asked for it, the change is no
// change and succeeds; asked for any other, it fails and says why.
TEST_F(SdlAudioDeviceTest, AStreamTakesOnlyItsOwnFrequency) {
  const ChannelHandle stream = device.PlayStream(device.OpenStream(tonePath, LoopMode::Loop), kMaxVolume);
  ASSERT_NE(stream, kNoChannel) << device.LastError();
  EXPECT_TRUE(device.SetFrequency(stream, 44100)) << device.LastError();
  EXPECT_EQ(device.LastError(), "");
  EXPECT_FALSE(device.SetFrequency(stream, 88200));
  EXPECT_FALSE(device.LastError().empty());
}

// Paused part-way, the play goes on at the new frequency from where it was:
// the rest of the sample in half the time, and it stays paused until told.
TEST_F(SdlAudioDeviceTest, AChangedFrequencyPlaysTheRestFromWhereThePlayGot) {
  constexpr int kFrames = 8820;
  testsupport::WriteWav(folder.File("long.wav"), testsupport::SteadyTone(44100, 1, kFrames, kTone));
  const SampleHandle longTone = device.LoadSample(folder.File("long.wav"));
  testsupport::SoundingFrames meter(kTone);
  const ChannelHandle channel = device.Play(longTone, PlaySettings{});
  ASSERT_TRUE(Eventually([&] { return meter.SoFar() >= 2000; }));
  ASSERT_TRUE(device.SetPaused(channel, true));
  const int64_t played = meter.Settled();
  ASSERT_LT(played, kFrames);
  ASSERT_TRUE(device.SetFrequency(channel, 88200)) << device.LastError();
  EXPECT_TRUE(device.IsPaused(channel));
  EXPECT_EQ(meter.Settled(), played);
  ASSERT_TRUE(device.SetPaused(channel, false));
  ASSERT_TRUE(Eventually([&] { return !device.IsPlaying(channel); }));
  EXPECT_NEAR(meter.Settled(), played + (kFrames - played + 1) / 2, 1);
}

void ExpectEveryCallIgnored(AudioDevice& device, const std::string& path, SampleHandle sample, ChannelHandle channel) {
  EXPECT_FALSE(device.IsOpen());
  EXPECT_EQ(device.LoadSample(path), kNoSample);
  EXPECT_EQ(device.Play(sample, PlaySettings{}), kNoChannel);
  EXPECT_EQ(device.OpenStream(path, LoopMode::Loop), kNoStream);
  EXPECT_EQ(device.PlayStream(1, kMaxVolume), kNoChannel);
  EXPECT_FALSE(device.Replay(channel, PlaySettings{}) || device.Stop(channel) || device.SetPaused(channel, true) ||
               device.SetVolume(channel, 10) || device.SetPan(channel, kPanLeft) ||
               device.SetFrequency(channel, 44100) || device.IsPlaying(channel) || device.IsPaused(channel));
  EXPECT_FALSE(device.LastError().empty());
  EXPECT_EQ(device.GetVolume(channel) + device.GetPan(channel), 0);
  EXPECT_EQ(device.GetSampleInfo(sample).frames, 0u);
  device.FreeSample(sample);
  device.CloseStream(1);
  device.Close();
}

// Every call is a harmless no-op that reports failure, and a failed open
// leaves the output free for a later one.
TEST_F(SdlAudioDeviceTest, EveryCallIsIgnoredWithoutOutputAndAfterClose) {
  const ChannelHandle channel = Loop();
  device.Close();
  ExpectEveryCallIgnored(device, tonePath, tone, channel);
  SdlAudioDevice silent;
  {
    platform_test::ScopedEnvironment noDriver("SDL_AUDIODRIVER", "no-such-driver");
    EXPECT_FALSE(silent.Open(AudioSettings{}));
    ExpectEveryCallIgnored(silent, tonePath, 1, 256 * 3 + 1);
  }
  EXPECT_TRUE(device.Open(AudioSettings{})) << device.LastError();
  device.Close();
  EXPECT_TRUE(silent.Open(AudioSettings{})) << silent.LastError();
}

}  // namespace
