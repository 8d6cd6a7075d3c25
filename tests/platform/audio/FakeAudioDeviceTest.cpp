// The scripting and inspection that the sound module's tests rely on.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/platform/audio/ExpectEveryCallIgnored.h"
#include "tests/support/FakeAudioDevice.h"

namespace {

using namespace platform;
using testsupport::FakeAudioDevice;
using ::testing::ElementsAre;

TEST(FakeAudioDeviceTest, ScriptedOpenFailureLeavesEveryCallIgnored) {
  FakeAudioDevice device;
  device.SetOpenFails(true);
  EXPECT_FALSE(device.Open(AudioSettings{}));
  testsupport::ExpectEveryCallIgnored(device, "Data/Audio/Click.wav", 1, 257);

  device.SetOpenFails(false);
  EXPECT_TRUE(device.Open(AudioSettings{}));
}

TEST(FakeAudioDeviceTest, RejectedFilesAndScriptedLengths) {
  FakeAudioDevice device;
  ASSERT_TRUE(device.Open(AudioSettings{22050, 8}));
  device.RejectFile("Data/Audio/Broken.ogg");
  device.SetSampleFrames("Data/Audio/Short.wav", 2205);

  EXPECT_EQ(device.LoadSample("Data/Audio/Broken.ogg"), kNoSample);
  EXPECT_EQ(device.OpenStream("Data/Audio/Broken.ogg", LoopMode::Loop), kNoStream);
  SampleHandle shortOne = device.LoadSample("Data/Audio/Short.wav");
  SampleHandle plain = device.LoadSample("Data/Audio/Plain.wav");

  EXPECT_EQ(device.GetSampleInfo(shortOne).frames, 2205u);
  EXPECT_EQ(device.GetSampleInfo(plain).frames, 22050u);
  EXPECT_EQ(device.GetSampleInfo(plain).frequency, 22050);
  EXPECT_EQ(device.SamplePath(plain), "Data/Audio/Plain.wav");
  EXPECT_EQ(device.SampleCount(), 2u);
}

TEST(FakeAudioDeviceTest, EndPlayFreesTheChannelForTheNextPlay) {
  FakeAudioDevice device;
  ASSERT_TRUE(device.Open(AudioSettings{44100, 1}));
  SampleHandle sample = device.LoadSample("a.wav");
  ChannelHandle first = device.Play(sample, PlaySettings{});
  ASSERT_TRUE(device.SetPaused(first, true));
  EXPECT_EQ(device.Play(sample, PlaySettings{}), kNoChannel);

  device.EndPlay(first);
  EXPECT_FALSE(device.IsPlaying(first));
  EXPECT_FALSE(device.IsPaused(first));
  EXPECT_EQ(device.PlayingChannelCount(), 0);
  ChannelHandle second = device.Play(sample, PlaySettings{LoopMode::Loop, 9, 8});
  ASSERT_NE(second, kNoChannel);
  EXPECT_EQ(device.Channel(first), nullptr);
  ASSERT_NE(device.Channel(second), nullptr);
  EXPECT_EQ(device.Channel(second)->loop, LoopMode::Loop);
  EXPECT_EQ(device.Channel(second)->sample, sample);
}

TEST(FakeAudioDeviceTest, CallsAreLoggedInOrderWithTheirArguments) {
  FakeAudioDevice device;
  ASSERT_TRUE(device.Open(AudioSettings{}));
  SampleHandle sample = device.LoadSample("Data/Audio/Click.wav");
  ChannelHandle channel = device.Play(sample, PlaySettings{LoopMode::Once, 127, 160});
  device.SetFrequency(channel, 22050);
  device.Replay(channel, PlaySettings{LoopMode::Loop, 63, 128});
  device.Stop(channel);

  const std::string c = std::to_string(channel);
  EXPECT_THAT(device.Calls(),
              ElementsAre("Open 44100 128", "LoadSample Data/Audio/Click.wav", "Play 1 once 127 160",
                          "SetFrequency " + c + " 22050", "Replay " + c + " loop 63 128", "Stop " + c));
  EXPECT_EQ(device.Channel(channel)->replays, 1);
  device.ClearCalls();
  EXPECT_TRUE(device.Calls().empty());
}

}  // namespace
