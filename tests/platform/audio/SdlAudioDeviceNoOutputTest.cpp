// A machine without sound: the game must carry on silently.

#include <gtest/gtest.h>

#include "platform/audio/SdlAudioDevice.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/platform/audio/ExpectEveryCallIgnored.h"

namespace {

using namespace platform;

TEST(SdlAudioDeviceNoOutputTest, EveryCallIsIgnoredWhenNoOutputOpens) {
  SdlAudioDevice device;
  {
    platform_test::ScopedEnvironment noDriver("SDL_AUDIODRIVER", "no-such-driver");
    EXPECT_FALSE(device.Open(AudioSettings{}));
  }
  EXPECT_FALSE(device.LastError().empty());
  testsupport::ExpectEveryCallIgnored(device, "Data/Audio/anything.wav", 1, 256 * 3 + 1);
}

TEST(SdlAudioDeviceNoOutputTest, AFailedOpenLeavesTheOutputFreeForALaterOne) {
  SdlAudioDevice failed;
  {
    platform_test::ScopedEnvironment noDriver("SDL_AUDIODRIVER", "no-such-driver");
    ASSERT_FALSE(failed.Open(AudioSettings{}));
  }
  platform_test::ScopedEnvironment dummy("SDL_AUDIODRIVER", "dummy");
  SdlAudioDevice later;
  EXPECT_TRUE(later.Open(AudioSettings{})) << later.LastError();
  later.Close();
  EXPECT_TRUE(failed.Open(AudioSettings{})) << failed.LastError();
}

}  // namespace
