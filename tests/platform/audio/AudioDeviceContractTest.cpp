// The behaviour every AudioDevice shares, checked on the SDL device and on
// the fake that the sound module's tests use, so the two cannot drift apart.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/audio/SdlAudioDevice.h"
#include "tests/platform/audio/ExpectEveryCallIgnored.h"
#include "tests/support/FakeAudioDevice.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestWavFile.h"

namespace {

using namespace platform;

template <class Device>
class AudioDeviceContract : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_folder = std::make_unique<testsupport::TemporaryFolder>();
    // Short enough to loop often, long enough to outlast any test when
    // played once.
    testsupport::WriteWav(Path("loop.wav"), testsupport::SteadyTone(44100, 1, 4410, 4000));
    testsupport::WriteWav(Path("long.wav"), testsupport::SteadyTone(44100, 1, 44100 * 30, 4000));
  }
  static void TearDownTestSuite() { s_folder.reset(); }
  static std::string Path(const char* name) { return s_folder->File(name); }

  void SetUp() override { OpenWith(AudioSettings{}); }

  void OpenWith(const AudioSettings& settings) {
    device.Close();
    ASSERT_TRUE(device.Open(settings)) << device.LastError();
    loop = device.LoadSample(Path("loop.wav"));
    ASSERT_NE(loop, kNoSample) << device.LastError();
    once = device.LoadSample(Path("long.wav"));
    ASSERT_NE(once, kNoSample) << device.LastError();
  }

  ChannelHandle PlayLooping(int volume = kMaxVolume, int pan = kPanCentre) {
    return device.Play(loop, PlaySettings{LoopMode::Loop, volume, pan});
  }

  static inline std::unique_ptr<testsupport::TemporaryFolder> s_folder;
  Device device;
  SampleHandle loop = kNoSample;
  SampleHandle once = kNoSample;
};

struct DeviceNames {
  template <class T>
  static std::string GetName(int) {
    return std::is_same_v<T, SdlAudioDevice> ? "Sdl" : "Fake";
  }
};

using Devices = ::testing::Types<SdlAudioDevice, testsupport::FakeAudioDevice>;
TYPED_TEST_SUITE(AudioDeviceContract, Devices, DeviceNames);

TYPED_TEST(AudioDeviceContract, PlayAppliesItsSettingsAndStopEndsThePlay) {
  auto& device = this->device;
  ChannelHandle channel = device.Play(this->once, PlaySettings{LoopMode::Once, 200, 10});
  ASSERT_NE(channel, kNoChannel) << device.LastError();
  EXPECT_TRUE(device.LastError().empty());
  EXPECT_TRUE(device.IsPlaying(channel));
  EXPECT_FALSE(device.IsPaused(channel));
  EXPECT_EQ(device.GetVolume(channel), 200);
  EXPECT_EQ(device.GetPan(channel), 10);

  EXPECT_TRUE(device.Stop(channel));
  EXPECT_FALSE(device.IsPlaying(channel));
  // The handle still names the ended play until its channel is reused.
  EXPECT_EQ(device.GetVolume(channel), 200);
}

TYPED_TEST(AudioDeviceContract, AStaleHandleNeverReachesTheNextPlayOnItsChannel) {
  auto& device = this->device;
  ChannelHandle first = this->PlayLooping(50);
  ASSERT_TRUE(device.Stop(first));
  ChannelHandle second = this->PlayLooping(60);
  ASSERT_NE(second, kNoChannel);
  ASSERT_NE(second, first);

  EXPECT_FALSE(device.IsPlaying(first));
  EXPECT_FALSE(device.SetVolume(first, 10));
  EXPECT_FALSE(device.LastError().empty());
  EXPECT_FALSE(device.SetPaused(first, true));
  EXPECT_FALSE(device.Stop(first));
  EXPECT_FALSE(device.Replay(first, PlaySettings{}));
  EXPECT_EQ(device.GetVolume(first), 0);

  EXPECT_TRUE(device.IsPlaying(second));
  EXPECT_FALSE(device.IsPaused(second));
  EXPECT_EQ(device.GetVolume(second), 60);
}

TYPED_TEST(AudioDeviceContract, PlaysFailWhileEveryChannelIsBusy) {
  auto& device = this->device;
  this->OpenWith(AudioSettings{44100, 2});
  ChannelHandle a = this->PlayLooping();
  ChannelHandle b = device.Play(this->once, PlaySettings{});
  ASSERT_NE(a, kNoChannel);
  ASSERT_NE(b, kNoChannel);
  // A paused channel is still taken.
  ASSERT_TRUE(device.SetPaused(a, true));

  EXPECT_EQ(this->PlayLooping(), kNoChannel);
  EXPECT_FALSE(device.LastError().empty());

  ASSERT_TRUE(device.Stop(b));
  ChannelHandle c = this->PlayLooping();
  EXPECT_NE(c, kNoChannel);
  EXPECT_TRUE(device.IsPaused(a));
}

TYPED_TEST(AudioDeviceContract, OneStreamPlaysAtATimeBesideTheSamples) {
  auto& device = this->device;
  StreamHandle first = device.OpenStream(this->Path("loop.wav"), LoopMode::Loop);
  StreamHandle second = device.OpenStream(this->Path("long.wav"), LoopMode::Once);
  ASSERT_NE(first, kNoStream) << device.LastError();
  ASSERT_NE(second, kNoStream) << device.LastError();

  ChannelHandle sample = this->PlayLooping();
  ChannelHandle stream = device.PlayStream(first, 100);
  ASSERT_NE(stream, kNoChannel) << device.LastError();
  EXPECT_NE(stream, sample);
  EXPECT_TRUE(device.IsPlaying(stream));
  EXPECT_TRUE(device.IsPlaying(sample));
  EXPECT_EQ(device.GetVolume(stream), 100);

  EXPECT_EQ(device.PlayStream(second, 100), kNoChannel);
  EXPECT_FALSE(device.LastError().empty());
  EXPECT_TRUE(device.SetPan(stream, kPanCentre));
  EXPECT_FALSE(device.SetPan(stream, kPanLeft));
  EXPECT_FALSE(device.Replay(stream, PlaySettings{}));

  ASSERT_TRUE(device.SetPaused(stream, true));
  EXPECT_TRUE(device.IsPaused(stream));
  EXPECT_TRUE(device.IsPlaying(stream));
  EXPECT_EQ(device.PlayStream(second, 100), kNoChannel);

  ASSERT_TRUE(device.Stop(stream));
  EXPECT_FALSE(device.IsPlaying(stream));
  ChannelHandle next = device.PlayStream(second, 20);
  ASSERT_NE(next, kNoChannel) << device.LastError();
  EXPECT_FALSE(device.SetVolume(stream, 1));
  EXPECT_EQ(device.GetVolume(next), 20);

  device.CloseStream(second);
  EXPECT_TRUE(device.LastError().empty());
  EXPECT_FALSE(device.IsPlaying(next));
  EXPECT_EQ(device.PlayStream(second, 20), kNoChannel);
  EXPECT_TRUE(device.IsPlaying(sample));
}

TYPED_TEST(AudioDeviceContract, AClosedDeviceIgnoresEveryCall) {
  auto& device = this->device;
  ChannelHandle channel = this->PlayLooping();
  ASSERT_NE(channel, kNoChannel);
  device.Close();
  testsupport::ExpectEveryCallIgnored(device, this->Path("loop.wav"), this->loop, channel);
}

}  // namespace
