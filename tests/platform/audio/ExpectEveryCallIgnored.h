#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/audio/AudioDevice.h"

namespace testsupport {

// A device with no output open must take every call as a harmless no-op
// that reports failure. sample and channel are handles that were valid
// while it was open (or made-up ones when it never was).
inline void ExpectEveryCallIgnored(platform::AudioDevice& device, const std::string& soundPath,
                                   platform::SampleHandle sample, platform::ChannelHandle channel) {
  using namespace platform;
  EXPECT_FALSE(device.IsOpen());

  EXPECT_EQ(device.LoadSample(soundPath), kNoSample);
  EXPECT_FALSE(device.LastError().empty());
  EXPECT_EQ(device.Play(sample, PlaySettings{}), kNoChannel);
  EXPECT_FALSE(device.LastError().empty());
  EXPECT_EQ(device.OpenStream(soundPath, LoopMode::Loop), kNoStream);
  EXPECT_EQ(device.PlayStream(1, kMaxVolume), kNoChannel);

  EXPECT_FALSE(device.Replay(channel, PlaySettings{}));
  EXPECT_FALSE(device.Stop(channel));
  EXPECT_FALSE(device.SetPaused(channel, true));
  EXPECT_FALSE(device.SetVolume(channel, 10));
  EXPECT_FALSE(device.SetPan(channel, kPanLeft));
  EXPECT_FALSE(device.SetFrequency(channel, 44100));
  EXPECT_FALSE(device.LastError().empty());

  EXPECT_FALSE(device.IsPlaying(channel));
  EXPECT_FALSE(device.IsPaused(channel));
  EXPECT_EQ(device.GetVolume(channel), 0);
  EXPECT_EQ(device.GetPan(channel), 0);
  EXPECT_EQ(device.GetSampleInfo(sample).frames, 0u);
  EXPECT_EQ(device.GetSampleInfo(sample).frequency, 0);

  device.FreeSample(sample);
  device.CloseStream(1);
  device.Close();
  EXPECT_FALSE(device.IsOpen());
}

}  // namespace testsupport
