// What only the SDL device can show: real files decoded, plays that end by
// themselves, and volume and pan measured in the mixed output.

#include <SDL_mixer.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include "platform/audio/SdlAudioDevice.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestWavFile.h"

namespace {

using namespace platform;
using testsupport::SteadyTone;
using testsupport::TestSound;
using testsupport::WriteWav;

constexpr int16_t kToneLevel = 4000;
constexpr auto kPatience = std::chrono::seconds(20);

// Averages the absolute left and right levels of what the mixer hands to
// the output.
class MixMeter {
 public:
  struct Level {
    double left = 0;
    double right = 0;
  };

  MixMeter() { Mix_SetPostMix(&MixMeter::OnMix, this); }
  ~MixMeter() { Mix_SetPostMix(nullptr, nullptr); }
  MixMeter(const MixMeter&) = delete;
  MixMeter& operator=(const MixMeter&) = delete;

  // The level of the output after every change made so far.
  Level Measure() {
    // A buffer being mixed while the change was made may hold the old sound.
    if (!WaitForBuffers(2)) return Level{-1, -1};
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_left = m_right = 0;
      m_frames = 0;
    }
    if (!WaitForBuffers(4)) return Level{-1, -1};
    std::lock_guard<std::mutex> lock(m_mutex);
    return Level{static_cast<double>(m_left) / static_cast<double>(m_frames),
                 static_cast<double>(m_right) / static_cast<double>(m_frames)};
  }

 private:
  static void SDLCALL OnMix(void* self, Uint8* stream, int length) {
    static_cast<MixMeter*>(self)->Add(reinterpret_cast<const int16_t*>(stream),
                                      length / static_cast<int>(2 * sizeof(int16_t)));
  }

  void Add(const int16_t* frames, int count) {
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < count; ++i) {
      m_left += std::abs(frames[2 * i]);
      m_right += std::abs(frames[2 * i + 1]);
    }
    m_frames += count;
    ++m_buffers;
  }

  bool WaitForBuffers(int count) {
    int64_t target = Buffers() + count;
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (Buffers() < target) {
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the mixer stopped asking for sound";
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }

  int64_t Buffers() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_buffers;
  }

  std::mutex m_mutex;
  int64_t m_left = 0;
  int64_t m_right = 0;
  int64_t m_frames = 0;
  int64_t m_buffers = 0;
};

MATCHER_P(Near, expected, "is within 5% (and 20) of " + ::testing::PrintToString(expected)) {
  return arg > expected * 0.95 - 20 && arg < expected * 1.05 + 20;
}

class SdlAudioDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(device.Open(AudioSettings{})) << device.LastError(); }
  void TearDown() override { device.Close(); }

  std::string Write(const char* name, const TestSound& sound) {
    std::string path = m_folder.File(name);
    WriteWav(path, sound);
    return path;
  }
  std::string WriteBytes(const char* name, const std::vector<char>& bytes) {
    std::string path = m_folder.File(name);
    testsupport::WriteFileBytes(path, bytes);
    return path;
  }
  SampleHandle LoadTone() {
    SampleHandle sample = device.LoadSample(Write("tone.wav", SteadyTone(44100, 1, 4410, kToneLevel)));
    EXPECT_NE(sample, kNoSample) << device.LastError();
    return sample;
  }

  bool EndsWithinPatience(ChannelHandle channel) {
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (device.IsPlaying(channel)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

  testsupport::TemporaryFolder m_folder;
  SdlAudioDevice device;
};

TEST_F(SdlAudioDeviceTest, VolumeAndPanShapeTheMixedOutput) {
  SampleHandle tone = LoadTone();
  MixMeter meter;
  ChannelHandle channel = device.Play(tone, PlaySettings{LoopMode::Loop, kMaxVolume, kPanLeft});
  ASSERT_NE(channel, kNoChannel) << device.LastError();

  MixMeter::Level level = meter.Measure();
  EXPECT_THAT(level.left, Near(kToneLevel));
  EXPECT_THAT(level.right, Near(0.0));

  ASSERT_TRUE(device.SetPan(channel, kPanRight));
  level = meter.Measure();
  EXPECT_THAT(level.left, Near(0.0));
  EXPECT_THAT(level.right, Near(kToneLevel));

  // The centre is full on both sides, not half.
  ASSERT_TRUE(device.SetPan(channel, kPanCentre));
  level = meter.Measure();
  EXPECT_THAT(level.left, Near(kToneLevel));
  EXPECT_THAT(level.right, Near(kToneLevel));

  ASSERT_TRUE(device.SetPan(channel, 64));
  level = meter.Measure();
  EXPECT_THAT(level.left, Near(kToneLevel));
  EXPECT_THAT(level.right, Near(kToneLevel * 0.5));

  ASSERT_TRUE(device.SetPan(channel, kPanCentre));
  ASSERT_TRUE(device.SetVolume(channel, 128));
  level = meter.Measure();
  EXPECT_THAT(level.left, Near(kToneLevel * 0.5));
  EXPECT_THAT(level.right, Near(kToneLevel * 0.5));

  ASSERT_TRUE(device.SetVolume(channel, 0));
  level = meter.Measure();
  EXPECT_THAT(level.left, Near(0.0));
  EXPECT_THAT(level.right, Near(0.0));
}

TEST_F(SdlAudioDeviceTest, APlayNeverInheritsThePanOfAnEarlierPlay) {
  SampleHandle tone = LoadTone();
  MixMeter meter;
  ChannelHandle channel = device.Play(tone, PlaySettings{LoopMode::Loop, kMaxVolume, kPanRight});

  ASSERT_TRUE(device.Replay(channel, PlaySettings{LoopMode::Loop, kMaxVolume, kPanLeft}));
  MixMeter::Level level = meter.Measure();
  EXPECT_THAT(level.left, Near(kToneLevel));
  EXPECT_THAT(level.right, Near(0.0));

  ASSERT_TRUE(device.Replay(channel, PlaySettings{LoopMode::Loop, kMaxVolume, kPanCentre}));
  level = meter.Measure();
  EXPECT_THAT(level.right, Near(kToneLevel));

  ASSERT_TRUE(device.SetPan(channel, kPanLeft));
  ASSERT_TRUE(device.Stop(channel));
  ChannelHandle next = device.Play(tone, PlaySettings{LoopMode::Loop, kMaxVolume, kPanCentre});
  ASSERT_NE(next, kNoChannel);
  level = meter.Measure();
  EXPECT_THAT(level.left, Near(kToneLevel));
  EXPECT_THAT(level.right, Near(kToneLevel));
}

TEST_F(SdlAudioDeviceTest, OncePlaysEndByThemselvesAndLoopsGoOn) {
  std::string path = Write("blip.wav", SteadyTone(44100, 1, 2205, kToneLevel));
  SampleHandle blip = device.LoadSample(path);
  ChannelHandle once = device.Play(blip, PlaySettings{LoopMode::Once, kMaxVolume, kPanCentre});
  ChannelHandle looping = device.Play(blip, PlaySettings{LoopMode::Loop, kMaxVolume, kPanCentre});
  StreamHandle stream = device.OpenStream(path, LoopMode::Once);
  ChannelHandle streamed = device.PlayStream(stream, kMaxVolume);
  ASSERT_NE(once, kNoChannel);
  ASSERT_NE(streamed, kNoChannel) << device.LastError();

  EXPECT_TRUE(EndsWithinPatience(once));
  EXPECT_TRUE(EndsWithinPatience(streamed));
  EXPECT_TRUE(device.IsPlaying(looping));
  // The ended stream frees the stream channel for the next one.
  EXPECT_NE(device.PlayStream(stream, kMaxVolume), kNoChannel);
}

TEST_F(SdlAudioDeviceTest, ATruncatedFileNeverYieldsMoreThanItHolds) {
  std::vector<char> bytes = testsupport::WavBytes(SteadyTone(44100, 1, 44100, kToneLevel));
  bytes.resize(44 + 200);  // the header and 100 frames of the promised 44100
  SampleHandle sample = device.LoadSample(WriteBytes("cut.wav", bytes));
  if (sample == kNoSample) {
    EXPECT_FALSE(device.LastError().empty());
    return;
  }
  EXPECT_LE(device.GetSampleInfo(sample).frames, 100u);
  ChannelHandle channel = device.Play(sample, PlaySettings{});
  EXPECT_TRUE(EndsWithinPatience(channel));
}

}  // namespace
