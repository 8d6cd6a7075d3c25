#include <gtest/gtest.h>

#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "tests/support/FakeAudioDevice.h"
#include "tests/support/RecordingConsole.h"

namespace {

std::unique_ptr<UlvoSoundBasic_FMOD> MakeSound() {
  return std::make_unique<UlvoSoundBasic_FMOD>(std::make_unique<testsupport::FakeAudioDevice>());
}

// One sound module runs at a time: a second start, of the same module or of
// another, is refused until the running one shuts down.
TEST(SoundStartupTest, OnlyOneSoundModuleRunsAtATime) {
  testsupport::RecordingConsole console;
  UlvoEventSystem events;
  auto first = MakeSound();
  auto second = MakeSound();
  first->Startup();
  EXPECT_THROW(first->Startup(), UlvoException);
  EXPECT_THROW(second->Startup(), UlvoException);
  first->Shutdown();
  EXPECT_NO_THROW(second->Startup());
  second->Shutdown();
}

}  // namespace
