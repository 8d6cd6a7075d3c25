// The sound module on SDL's mixer (the dummy output in tests): a real file
// decoded, played, seen playing and stopped.

#include <SDL_mixer.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "tests/engine/modules/sound/SoundTestSupport.h"
#include "tests/support/TestWavFile.h"

namespace {

using ::testing::Contains;

TEST(SoundModuleOnSdl, PlaysAWavFileSeesItPlayingAndStopsIt) {
  sound_test::ScopedDataFolder data;
  sound_test::RecordingConsole console;
  UlvoEventSystem events;
  // A tenth of a second, so that a play once ends soon.
  testsupport::WriteWav(data.PathOf("Audio/Tone.wav"),
                        testsupport::SteadyTone(44100, 1, 4410, 4000));

  std::unique_ptr<UlvoSoundBasic_FMOD> sound = UlvoSoundBasic_FMOD::Create();
  sound->Startup();
  ASSERT_THAT(console.lines,
              Contains("::: Initialization : UlvoSoundBasic_FMOD (finished)\n"));
  sound->RegisterSample(1, "Audio/Tone");
  ASSERT_TRUE(sound->IsFMODOk());

  sound->PlaySample(1, 0, UlvoSoundInterface::LOOP_NORMAL, 0.5f, 1.0f, 0.0f);
  EXPECT_EQ(Mix_Playing(-1), 1);
  // Update forgets the plays that ended; this one loops and is kept.
  sound->Update();
  EXPECT_FLOAT_EQ(sound->GetSampleVolume(1, 0), 127 / 255.0f);
  sound->StopSample(1);
  EXPECT_EQ(Mix_Playing(-1), 0);
  EXPECT_EQ(sound->GetSampleVolume(1, 0), 0.0f);

  sound->PlaySample(1, 0, UlvoSoundInterface::LOOP_OFF, 1.0f, 1.0f, 0.0f);
  sound->Update();
  EXPECT_EQ(sound->GetSampleVolume(1, 0), 1.0f);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (sound->GetSampleVolume(1, 0) != 0.0f && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    sound->Update();
  }
  EXPECT_EQ(sound->GetSampleVolume(1, 0), 0.0f) << "the play once never ended";
  EXPECT_EQ(Mix_Playing(-1), 0);

  sound->Shutdown();
  EXPECT_EQ(console.lines.back(), "::: Shutdown : UlvoSoundBasic_FMOD (finished)\n");
}

}  // namespace
