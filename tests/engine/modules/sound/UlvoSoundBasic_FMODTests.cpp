// The sound module against the recording fake of the audio device, and
// once on SDL's mixer (the dummy output in tests).

#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/FakeAudioDevice.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SoundingFrames.h"
#include "tests/support/TestWavFile.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr int kOnce = UlvoSoundInterface::LOOP_OFF;
constexpr int kLoop = UlvoSoundInterface::LOOP_NORMAL;

class SoundModuleTest : public ::testing::Test {
 protected:
  // Starts the module with the named sounds (below "Data/Audio/") registered
  // as ids 1, 2, ... and forgets the calls and lines that took.
  void StartWith(const std::vector<std::string>& files) {
    m_sound->Startup();
    for (size_t i = 0; i < files.size(); ++i) {
      m_data.Write("Audio/" + files[i], "x");
      m_sound->RegisterSample(int(i) + 1, "Audio/" + files[i].substr(0, files[i].rfind('.')));
    }
    m_device->ClearCalls();
  }

  // The channel of the new or restarted play.
  platform::ChannelHandle Play(int id, float volume = 1.0f, float pan = 0.0f, int loopMode = kOnce,
                               int tag = 0, float frequencyScale = 1.0f) {
    m_sound->PlaySample(id, tag, loopMode, volume, frequencyScale, pan);
    return m_device->LastPlayed();
  }

  std::vector<std::string> CallsNamed(const std::string& operation) const {
    std::vector<std::string> found;
    for (const std::string& call : m_device->Calls()) {
      if (call.rfind(operation + " ", 0) == 0) found.push_back(call);
    }
    return found;
  }

  void Fire(const std::string& name, const std::string& argument = "", float value = 0.0f) {
    NamedProperties args;
    argument == "hasFocus" ? args.Set(argument, value != 0.0f) : args.Set(argument, value);
    m_events.FireEvent(name, args);
  }

  // Destroyed in reverse: the module first, while the console still records.
  testsupport::ScopedDataFolder m_data;
  testsupport::RecordingConsole m_console;
  UlvoEventSystem m_events;
  testsupport::FakeAudioDevice* m_device = new testsupport::FakeAudioDevice();
  std::unique_ptr<UlvoSoundBasic_FMOD> m_sound = std::make_unique<UlvoSoundBasic_FMOD>(
      std::unique_ptr<platform::AudioDevice>(m_device));
};

TEST_F(SoundModuleTest, WithoutADeviceEveryCallIsASilentNoOp) {
  m_device->SetOpenFails(true);
  m_sound->Startup();
  EXPECT_THAT(m_console.lines[1], StartsWith("WARNING: no sound output could be opened ("));
  m_device->ClearCalls();
  m_data.Write("Audio/Click.wav", "x");
  m_sound->RegisterSample(1, "Audio/Click");
  m_sound->PlaySample(1, 0, kOnce, 1.0f, 1.0f, 0.0f);
  EXPECT_THAT(m_device->Calls(), IsEmpty());
}

TEST_F(SoundModuleTest, FindsTheSoundFileByExtensionOrderAndFreesTheOldOneFirst) {
  StartWith({"OnlyWav.wav", "Both.ogg", "Mp3.mp3"});
  m_data.Write("Audio/Both.wav", "x");
  m_data.Write("Audio/Mp3.wav", "x");
  m_sound->RegisterSample(2, "Audio/Both");
  m_sound->RegisterSample(3, "Audio/Mp3");
  EXPECT_THAT(m_device->Calls(), ElementsAre("FreeSample 2", "LoadSample Data/Audio/Both.ogg",
                                             "FreeSample 3", "LoadSample Data/Audio/Mp3.mp3"));
}

// A sound the game registers and cannot find means a broken installation:
// the game stops with the name it looked for.
TEST_F(SoundModuleTest, ASoundFileThatIsNotThereStopsTheGameNamingIt) {
  StartWith({});
  const testsupport::CaughtError error =
      testsupport::CatchUlvoException([this] { m_sound->RegisterSample(4, "Audio/Gone"); });
  EXPECT_EQ(error.message, "Cannot find audio file Audio/Gone[.ogg|.mp3|.wav].\n");
  EXPECT_EQ(error.title, "UlvoSoundBasic_FMOD::RegisterSample");
}

// At the limit the oldest one-shot restarts with the new settings and counts
// as the newest; loops make way last; a play seen to end frees its place.
TEST_F(SoundModuleTest, AtThePlaybackLimitTheOldestOneShotMakesWay) {
  StartWith({"Click.wav"});
  m_sound->SetPlaybackLimit(1, 3);
  const platform::ChannelHandle loop = Play(1, 1.0f, 0.0f, kLoop);
  const platform::ChannelHandle first = Play(1);
  const platform::ChannelHandle second = Play(1);
  m_device->ClearCalls();
  Play(1, 0.5f, 0.25f);
  Play(1);
  Play(1);
  EXPECT_THAT(CallsNamed("Play"), IsEmpty());
  EXPECT_THAT(CallsNamed("Replay"), ElementsAre("Replay " + std::to_string(first) + " once 127 160",
                                                StartsWith("Replay " + std::to_string(second)),
                                                StartsWith("Replay " + std::to_string(first))));
  EXPECT_EQ(m_device->Channel(loop)->replays, 0);
  m_device->EndPlay(second);
  m_sound->Update();
  Play(1);
  EXPECT_EQ(CallsNamed("Play").size(), 1u);
}

TEST_F(SoundModuleTest, VolumesAndPansMapOntoTheDeviceScale) {
  StartWith({"Click.wav"});
  Fire("SetMasterVolumeEvent", "Volume", 0.5f);
  Fire("SetMusicVolumeEvent", "Volume", 0.5f);
  Play(1);
  m_sound->PlaySampleEx(1, 0, kOnce, 1.0f, 1.0f, 0.0f);
  for (const float pan : {0.25f, 2.0f, -1.0f}) Play(1, 1.0f, pan);
  Fire("SetMasterVolumeEvent", "Volume", 1.0f);
  for (const float volume : {4.0f, -1.0f}) Play(1, volume);
  EXPECT_THAT(CallsNamed("Play"), ElementsAre("Play 1 once 127 128", "Play 1 once 63 128",
                                              "Play 1 once 127 160", "Play 1 once 127 255",
                                              "Play 1 once 127 0", "Play 1 once 255 128",
                                              "Play 1 once 0 128"));
}

// A play and a restart take the scaled frequency with them; a change
// reaches the first play in limit order only, and nothing without a play.
TEST_F(SoundModuleTest, TheFrequencyScaleReachesThePlayAndTheFirstPlayOnly) {
  StartWith({"Click.wav", "Quiet.wav"});
  m_sound->SetPlaybackLimit(1, 2);
  const platform::ChannelHandle looping = Play(1, 1.0f, 0.0f, kLoop, 0, 0.5f);
  const platform::ChannelHandle once = Play(1, 1.0f, 0.0f, kOnce, 0, 2.0f);
  Play(1, 1.0f, 0.0f, kOnce, 0, 0.0f);
  const size_t lines = m_console.lines.size();
  m_sound->ChangeSampleFrequency(1, 1.5f);
  m_sound->ChangeSampleFrequency(2, 1.5f);
  m_sound->ChangeSampleFrequency(9, 1.5f);
  EXPECT_THAT(m_device->Calls(),
              ElementsAre("Play 1 loop 255 128 22050", "Play 1 once 255 128 88200",
                          "Replay " + std::to_string(once) + " once 255 128 1",
                          "SetFrequency " + std::to_string(once) + " 66150"));
  EXPECT_EQ(m_device->Channel(looping)->replays, 0);
  EXPECT_EQ(m_console.lines.size(), lines) << m_console.Text();
}

// Stopping everything silences every play of every sample, looping or not,
// and the stream.
TEST_F(SoundModuleTest, StopAllSilencesEverySampleAndTheStream) {
  StartWith({"a.wav", "b.wav"});
  m_sound->RegisterStream(5, "Data/Audio/Music.ogg", kLoop);
  m_sound->PlayStream(5, 1.0f);
  const platform::ChannelHandle music = m_device->LastPlayed();
  const platform::ChannelHandle plays[] = {music, Play(1, 1.0f, 0.0f, kLoop), Play(1),
                                           Play(2, 1.0f, 0.0f, kLoop)};
  m_sound->StopAll();
  for (platform::ChannelHandle channel : plays) EXPECT_FALSE(m_device->IsPlaying(channel)) << channel;
}

// A music play restarted at the limit takes the master volume alone.
TEST_F(SoundModuleTest, AMusicPlayRestartedAtTheLimitSkipsTheMusicVolume) {
  StartWith({"Theme.wav"});
  m_sound->SetPlaybackLimit(1, 1);
  Fire("SetMasterVolumeEvent", "Volume", 0.5f);
  Fire("SetMusicVolumeEvent", "Volume", 0.5f);
  m_sound->PlaySampleEx(1, 0, kOnce, 1.0f, 1.0f, 0.0f);
  m_sound->PlaySampleEx(1, 0, kOnce, 1.0f, 1.0f, 0.0f);
  EXPECT_THAT(CallsNamed("Play"), ElementsAre("Play 1 once 63 128"));
  EXPECT_THAT(CallsNamed("Replay"), ElementsAre(::testing::EndsWith(" once 127 128")));
}

// A change of the master or music volume reaches the plays in progress as
// a new play takes it: times the play's own volume, the music volume on a
// music play alone; a stream keeps its own volume. A play's volume changed
// directly is taken as given until the next such change scales it.
TEST_F(SoundModuleTest, AVolumeChangeReachesThePlaysInProgress) {
  StartWith({"Click.wav"});
  m_sound->RegisterStream(5, "Data/Audio/Music.ogg", kLoop);
  const platform::ChannelHandle half = Play(1, 0.5f, 0.0f, kLoop);
  m_sound->PlaySampleEx(1, 0, kLoop, 1.0f, 1.0f, 0.0f);
  const platform::ChannelHandle music = m_device->LastPlayed();
  const platform::ChannelHandle tagged = Play(1, 1.0f, 0.0f, kLoop, 7);
  m_sound->PlayStream(5, 0.5f);
  const platform::ChannelHandle stream = m_device->LastPlayed();
  const struct {
    const char* step;
    std::function<void()> act;
    std::vector<int> volumes;  // half, music, tagged, stream
  } steps[] = {
      {"master 50%", [&] { Fire("SetMasterVolumeEvent", "Volume", 0.5f); }, {63, 127, 127, 127}},
      {"tag 7 at half", [&] { m_sound->ChangeSampleVolume(1, 7, 0.5f, 0); }, {63, 127, 127, 127}},
      {"music 50%", [&] { Fire("SetMusicVolumeEvent", "Volume", 0.5f); }, {63, 63, 63, 127}},
      {"master 100%", [&] { Fire("SetMasterVolumeEvent", "Volume", 1.0f); }, {127, 127, 127, 127}},
      {"master 0%", [&] { Fire("SetMasterVolumeEvent", "Volume", 0.0f); }, {0, 0, 0, 127}},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ((std::vector<int>{m_device->GetVolume(half), m_device->GetVolume(music),
                                m_device->GetVolume(tagged), m_device->GetVolume(stream)}),
              step.volumes)
        << step.step;
  }
}

// Muting halts sample plays and blocks new ones, but the music plays on;
// losing the focus pauses everything, and what starts meanwhile, until it
// returns.
TEST_F(SoundModuleTest, MutingHaltsSamplesAndLosingTheFocusPausesEverything) {
  StartWith({"Click.wav"});
  m_sound->RegisterStream(5, "Data/Audio/Music.ogg", kLoop);
  const platform::ChannelHandle looping = Play(1, 1.0f, 0.0f, kLoop);
  m_sound->PlayStream(5, 1.0f);
  const platform::ChannelHandle music = m_device->LastPlayed();
  Fire("OnAppChangeFocus", "hasFocus", 0.0f);
  EXPECT_TRUE(m_device->IsPaused(looping) && m_device->IsPaused(music));
  const platform::ChannelHandle late = Play(1);
  EXPECT_TRUE(m_device->IsPaused(late));
  Fire("OnAppChangeFocus", "hasFocus", 1.0f);
  EXPECT_FALSE(m_device->IsPaused(looping) || m_device->IsPaused(late) || m_device->IsPaused(music));

  Fire("MuteAllAudio");
  m_sound->PlaySample(1, 0, kOnce, 1.0f, 1.0f, 0.0f);
  m_sound->Update();
  EXPECT_FALSE(m_device->IsPlaying(looping));
  EXPECT_EQ(m_sound->GetStreamVolume(5), 1.0f);
  Fire("UnmuteAllAudio");
  Play(1);
  EXPECT_EQ(CallsNamed("Play").size(), 3u);
}

// Asked for tag 0, any play answers its volume; stopping tag 0 stops the
// untagged plays, not every play, as stopping the sample does.
TEST_F(SoundModuleTest, TagsSelectWhichPlaysStopAndChangeVolume) {
  StartWith({"Click.wav"});
  const platform::ChannelHandle tagged = Play(1, 0.2f, 0.0f, kLoop, 7);
  const platform::ChannelHandle untagged = Play(1, 1.0f, 0.0f, kLoop, 0);
  EXPECT_FLOAT_EQ(m_sound->GetSampleVolume(1, 0), 51 / 255.0f);
  EXPECT_EQ(m_sound->GetSampleVolume(1, 9), 0.0f);
  m_sound->ChangeSampleVolume(1, 7, 0.5f, 0);
  EXPECT_EQ(std::make_pair(m_device->GetVolume(tagged), m_device->GetVolume(untagged)),
            std::make_pair(127, 255));
  m_sound->StopSampleByTag(1, 0);
  EXPECT_TRUE(!m_device->IsPlaying(untagged) && m_device->IsPlaying(tagged));
  m_sound->StopSample(1);
  EXPECT_FALSE(m_device->IsPlaying(tagged));
}

// One play of a stream at a time; a stream seen to end is forgotten.
TEST_F(SoundModuleTest, StreamsPlayOnceAtATimeAndAreForgottenWhenTheyEnd) {
  StartWith({});
  m_device->RejectFile("Data/Audio/Gone.ogg");
  m_sound->RegisterStream(1, "Data/Audio/Gone.ogg", 0);
  EXPECT_THAT(m_console.lines, Contains("WARNING: could not load streaming sound "
                                        "Data/Audio/Gone.ogg.\n"));
  m_sound->RegisterStream(2, "Data/Audio/Music.ogg", kLoop);
  m_device->ClearCalls();
  m_sound->PlayStream(2, 0.5f);
  m_sound->PlayStream(2, 1.0f);
  EXPECT_THAT(CallsNamed("PlayStream"), ElementsAre("PlayStream 1 127"));
  EXPECT_EQ(m_sound->GetStreamVolume(2), 1.0f);
  m_device->EndPlay(std::stoi(CallsNamed("SetVolume").at(0).substr(10)));
  m_sound->Update();
  EXPECT_EQ(m_sound->GetStreamVolume(2), 0.0f);
  m_sound->PlayStream(2, 1.0f);
  EXPECT_EQ(CallsNamed("PlayStream").size(), 2u);
}

// A started module on the real mixer with a tenth of a second of steady
// tone registered as sample 1.
class SoundModuleOnSdl : public ::testing::Test {
 protected:
  SoundModuleOnSdl() {
    testsupport::WriteWav(data.PathOf("Audio/Tone.wav"),
                          testsupport::SteadyTone(44100, 1, 4410, 4000));
    sound->Startup();
    sound->RegisterSample(1, "Audio/Tone");
  }

  testsupport::ScopedDataFolder data;
  testsupport::RecordingConsole console;
  std::unique_ptr<UlvoSoundBasic_FMOD> sound = UlvoSoundBasic_FMOD::Create();
};

// Heard in the mixed output: at twice its frequency a sample lasts half as
// long.
TEST_F(SoundModuleOnSdl, AtTwiceTheFrequencyASamplePlaysInHalfTheTime) {
  testsupport::SoundingFrames meter(4000);
  sound->PlaySample(1, 0, kOnce, 1.0f, 2.0f, 0.0f);
  for (int wait = 0; wait < 10000 && Mix_Playing(-1) != 0; ++wait) SDL_Delay(2);
  EXPECT_NEAR(meter.Settled(), 2205, 1) << console.Text();
  sound->Shutdown();
}

// A real file decoded, played, seen playing and stopped.
TEST_F(SoundModuleOnSdl, PlaysAWavFileSeesItPlayingAndStopsIt) {
  sound->PlaySample(1, 0, kLoop, 0.5f, 1.0f, 0.0f);
  EXPECT_EQ(Mix_Playing(-1), 1) << console.Text();
  sound->Update();
  EXPECT_FLOAT_EQ(sound->GetSampleVolume(1, 0), 127 / 255.0f);
  sound->StopSample(1);
  EXPECT_EQ(Mix_Playing(-1), 0);
  sound->Shutdown();
}

}  // namespace
