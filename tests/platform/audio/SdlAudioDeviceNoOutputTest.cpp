// A machine without sound, and a device closed under its plays: every call is
// a harmless no-op that reports failure, and the game carries on silently.

#include <gtest/gtest.h>

#include "platform/audio/SdlAudioDevice.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestWavFile.h"

namespace {

using namespace platform;

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

// A failed open also leaves the output free for a later one.
TEST(SdlAudioDeviceNoOutputTest, EveryCallIsIgnoredWithoutOutputAndAfterClose) {
  testsupport::TemporaryFolder folder;
  const std::string path = folder.File("tone.wav");
  testsupport::WriteWav(path, testsupport::SteadyTone(44100, 1, 4410, 4000));
  SdlAudioDevice closed;
  ASSERT_TRUE(closed.Open(AudioSettings{})) << closed.LastError();
  const SampleHandle sample = closed.LoadSample(path);
  const ChannelHandle channel = closed.Play(sample, PlaySettings{LoopMode::Loop});
  ASSERT_NE(channel, kNoChannel);
  closed.Close();
  ExpectEveryCallIgnored(closed, path, sample, channel);

  SdlAudioDevice silent;
  {
    platform_test::ScopedEnvironment noDriver("SDL_AUDIODRIVER", "no-such-driver");
    EXPECT_FALSE(silent.Open(AudioSettings{}));
    ExpectEveryCallIgnored(silent, path, 1, 256 * 3 + 1);
  }
  platform_test::ScopedEnvironment dummy("SDL_AUDIODRIVER", "dummy");
  EXPECT_TRUE(closed.Open(AudioSettings{})) << closed.LastError();
  closed.Close();
  EXPECT_TRUE(silent.Open(AudioSettings{})) << silent.LastError();
}

}  // namespace
