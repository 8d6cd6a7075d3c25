// The sound module against the recording fake of the audio device.

#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "tests/engine/modules/sound/SoundTestSupport.h"
#include "tests/support/FakeAudioDevice.h"

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr int kOnce = UlvoSoundInterface::LOOP_OFF;
constexpr int kLoop = UlvoSoundInterface::LOOP_NORMAL;

class SoundModuleTest : public ::testing::Test {
 protected:
  SoundModuleTest() {
    auto device = std::make_unique<testsupport::FakeAudioDevice>();
    m_device = device.get();
    m_sound = std::make_unique<UlvoSoundBasic_FMOD>(std::move(device));
  }

  // Starts the module with the named sounds (below "Data/Audio/") registered
  // as ids 1, 2, ... and forgets the calls and lines that took.
  void StartWith(const std::vector<std::string>& files) {
    m_sound->Startup();
    for (size_t i = 0; i < files.size(); ++i) {
      m_data.Touch("Audio/" + files[i]);
      m_sound->RegisterSample(static_cast<int>(i) + 1,
                              "Audio/" + files[i].substr(0, files[i].rfind('.')));
    }
    m_device->ClearCalls();
    m_console.lines.clear();
  }

  void Play(int id, float volume = 1.0f, float pan = 0.0f, int loopMode = kOnce, int tag = 0) {
    m_sound->PlaySample(id, tag, loopMode, volume, 1.0f, pan);
  }

  // Every new or restarted play gets its frequency set, which names its channel.
  platform::ChannelHandle LastPlayedChannel() const {
    const std::vector<std::string>& calls = m_device->Calls();
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
      if (it->rfind("SetFrequency ", 0) == 0) return std::stoi(it->substr(13));
    }
    ADD_FAILURE() << "nothing was played";
    return platform::kNoChannel;
  }

  std::vector<std::string> CallsNamed(const std::string& operation) const {
    std::vector<std::string> found;
    for (const std::string& call : m_device->Calls()) {
      if (call.rfind(operation + " ", 0) == 0) found.push_back(call);
    }
    return found;
  }

  void Fire(const std::string& name, NamedProperties args = NamedProperties()) {
    m_events.FireEvent(name, args);
  }

  void FireFocus(bool hasFocus) {
    NamedProperties args;
    args.Set("hasFocus", hasFocus);
    Fire("OnAppChangeFocus", args);
  }

  void FireVolume(const std::string& event, float volume) {
    NamedProperties args;
    args.Set("Volume", volume);
    Fire(event, args);
  }

  // Destroyed in reverse: the module first, while the console still records.
  sound_test::ScopedDataFolder m_data;
  sound_test::RecordingConsole m_console;
  UlvoEventSystem m_events;
  testsupport::FakeAudioDevice* m_device;
  std::unique_ptr<UlvoSoundBasic_FMOD> m_sound;
};

TEST_F(SoundModuleTest, WithoutADeviceEveryCallIsASilentNoOp) {
  m_device->SetOpenFails(true);
  m_data.Touch("Audio/Click.wav");
  m_sound->Startup();
  ASSERT_EQ(m_console.lines.size(), 2u);
  EXPECT_THAT(m_console.lines[1], StartsWith("WARNING: no sound output could be opened ("));
  m_device->ClearCalls();
  m_console.lines.clear();

  m_sound->RegisterSample(1, "Audio/Click");
  m_sound->RegisterStream(2, m_data.PathOf("Audio/Click.wav"), 0);
  m_sound->SetPlaybackLimit(1, 2);
  m_sound->PlaySample(1, 0, kOnce, 1.0f, 1.0f, 0.0f);
  m_sound->PlaySampleEx(7, 0, kOnce, 1.0f, 1.0f, 0.0f);
  m_sound->PlayStream(2, 1.0f);
  m_sound->StopSample(7);
  m_sound->PauseAll();
  m_sound->UnregisterSample(9);
  FireFocus(false);
  m_sound->Update();
  m_sound->Render();
  EXPECT_EQ(m_sound->GetSampleVolume(1, 0), 0.0f);
  EXPECT_EQ(m_sound->GetStreamVolume(2), 0.0f);
  EXPECT_EQ(m_sound->GetSpectrumPeak(0), 0.0f);

  EXPECT_THAT(m_device->Calls(), IsEmpty());
  EXPECT_THAT(m_console.lines, IsEmpty());
  m_sound->Shutdown();
  EXPECT_THAT(m_console.lines, ElementsAre("::: Shutdown : UlvoSoundBasic_FMOD (starting)\n",
                                           "::: Shutdown : UlvoSoundBasic_FMOD (finished)\n"));
}

TEST_F(SoundModuleTest, FindsTheSoundFileByExtensionOrder) {
  m_sound->Startup();
  m_data.Touch("Audio/OnlyWav.wav");
  m_data.Touch("Audio/Both.wav");
  m_data.Touch("Audio/Both.ogg");
  m_data.Touch("Audio/Mp3.mp3");
  m_data.Touch("Audio/Mp3.wav");
  m_device->ClearCalls();

  m_sound->RegisterSample(1, "Audio/OnlyWav");
  m_sound->RegisterSample(2, "Audio/Both");
  m_sound->RegisterSample(3, "Audio/Mp3");
  EXPECT_THAT(m_device->Calls(), ElementsAre("LoadSample Data/Audio/OnlyWav.wav",
                                             "LoadSample Data/Audio/Both.ogg",
                                             "LoadSample Data/Audio/Mp3.mp3"));
}

TEST_F(SoundModuleTest, ReRegisteringFreesTheOldSampleBeforeLoading) {
  StartWith({"First.wav"});
  m_data.Touch("Audio/Second.wav");
  m_sound->RegisterSample(1, "Audio/Second");
  EXPECT_THAT(m_device->Calls(),
              ElementsAre("FreeSample 1", "LoadSample Data/Audio/Second.wav"));
  EXPECT_EQ(m_device->SampleCount(), 1u);
}

TEST_F(SoundModuleTest, AtTheLimitTheOldestOneShotRestartsWithTheNewSettings) {
  StartWith({"Click.wav"});
  m_sound->SetPlaybackLimit(1, 2);
  Play(1);
  platform::ChannelHandle first = LastPlayedChannel();
  Play(1);
  platform::ChannelHandle second = LastPlayedChannel();
  m_device->ClearCalls();

  Play(1, 0.5f, 0.25f);
  EXPECT_THAT(CallsNamed("Play"), IsEmpty());
  EXPECT_THAT(CallsNamed("Replay"),
              ElementsAre("Replay " + std::to_string(first) + " once 127 160"));
  EXPECT_EQ(m_device->PlayingChannelCount(), 2);

  // The restarted play counts as the newest: the next to make way is the
  // other one, and the count of plays never grows.
  Play(1);
  Play(1);
  EXPECT_THAT(CallsNamed("Replay"), ElementsAre(StartsWith("Replay " + std::to_string(first)),
                                                StartsWith("Replay " + std::to_string(second)),
                                                StartsWith("Replay " + std::to_string(first))));
  EXPECT_EQ(m_device->PlayingChannelCount(), 2);
  m_device->ClearCalls();
  m_sound->StopSample(1);
  EXPECT_EQ(CallsNamed("Stop").size(), 2u);
}

TEST_F(SoundModuleTest, LoopsAreTheLastToMakeWayAndEndedPlaysFreeTheirPlace) {
  StartWith({"Click.wav"});
  m_sound->SetPlaybackLimit(1, 2);
  Play(1, 1.0f, 0.0f, kLoop);
  platform::ChannelHandle loop = LastPlayedChannel();
  Play(1);
  platform::ChannelHandle oneShot = LastPlayedChannel();
  Play(1);
  EXPECT_EQ(m_device->Channel(oneShot)->replays, 1);
  EXPECT_EQ(m_device->Channel(loop)->replays, 0);

  // Once the module has seen a play end, a new play does not take another's place.
  m_device->EndPlay(oneShot);
  m_sound->Update();
  m_device->ClearCalls();
  Play(1);
  EXPECT_EQ(CallsNamed("Play").size(), 1u);
  EXPECT_THAT(CallsNamed("Replay"), IsEmpty());
}

TEST_F(SoundModuleTest, VolumesAndPansMapOntoTheDeviceScale) {
  StartWith({"Click.wav"});
  FireVolume("SetMasterVolumeEvent", 0.5f);
  FireVolume("SetMusicVolumeEvent", 0.5f);
  Play(1);
  m_sound->PlaySampleEx(1, 0, kOnce, 1.0f, 1.0f, 0.0f);
  Play(1, 1.0f, 0.25f);
  Play(1, 1.0f, 2.0f);
  Play(1, 1.0f, -1.0f);
  Play(1, 1.0f, -3.0f);
  FireVolume("SetMasterVolumeEvent", 1.0f);
  Play(1, 4.0f);
  Play(1, -1.0f);
  EXPECT_THAT(CallsNamed("Play"), ElementsAre("Play 1 once 127 128", "Play 1 once 63 128",
                                              "Play 1 once 127 160", "Play 1 once 127 255",
                                              "Play 1 once 127 0", "Play 1 once 127 0",
                                              "Play 1 once 255 128", "Play 1 once 0 128"));
}

TEST_F(SoundModuleTest, MutingBlocksNewPlaysAndHaltsTheOnesUnderWayButNotStreams) {
  StartWith({"Click.wav"});
  m_data.Touch("Audio/Music.ogg");
  m_sound->RegisterStream(5, "Data/Audio/Music.ogg", kLoop);
  Play(1, 1.0f, 0.0f, kLoop);
  platform::ChannelHandle before = LastPlayedChannel();
  m_sound->PlayStream(5, 1.0f);

  Fire("MuteAllAudio");
  m_device->ClearCalls();
  Play(1);
  EXPECT_THAT(m_device->Calls(), IsEmpty());
  m_sound->Update();
  EXPECT_FALSE(m_device->IsPlaying(before));
  EXPECT_EQ(m_device->PlayingChannelCount(), 1);  // the stream
  EXPECT_EQ(m_sound->GetStreamVolume(5), 1.0f);

  // Forgotten plays are not stopped twice.
  m_device->ClearCalls();
  m_sound->StopSample(1);
  EXPECT_THAT(m_device->Calls(), IsEmpty());

  Fire("UnmuteAllAudio");
  Play(1);
  EXPECT_EQ(CallsNamed("Play").size(), 1u);
}

TEST_F(SoundModuleTest, LosingTheFocusPausesEverythingUntilItReturns) {
  StartWith({"Click.wav", "Other.wav"});
  m_data.Touch("Audio/Music.ogg");
  m_sound->RegisterStream(5, "Data/Audio/Music.ogg", 0);
  Play(1);
  platform::ChannelHandle click = LastPlayedChannel();
  m_sound->PauseSample(1);
  Play(2);
  platform::ChannelHandle other = LastPlayedChannel();
  m_sound->PlayStream(5, 1.0f);

  FireFocus(false);
  EXPECT_TRUE(m_device->IsPaused(click));
  EXPECT_TRUE(m_device->IsPaused(other));
  EXPECT_EQ(m_device->PlayingChannelCount(), 3);
  // Nothing starts to sound while the window is in the background.
  Play(1);
  EXPECT_TRUE(m_device->IsPaused(LastPlayedChannel()));

  FireFocus(true);
  EXPECT_FALSE(m_device->IsPaused(click));
  EXPECT_FALSE(m_device->IsPaused(other));
  EXPECT_FALSE(m_device->IsPaused(LastPlayedChannel()));

  NamedProperties wrongType;
  wrongType.Set("hasFocus", 0);
  Fire("OnAppChangeFocus", wrongType);
  EXPECT_FALSE(m_device->IsPaused(click));
}

TEST_F(SoundModuleTest, TagsSelectWhichPlaysStopAndChangeVolume) {
  StartWith({"Click.wav"});
  Play(1, 1.0f, 0.0f, kOnce, 7);
  platform::ChannelHandle tagged = LastPlayedChannel();
  Play(1, 0.2f, 0.0f, kLoop, 3);
  platform::ChannelHandle other = LastPlayedChannel();

  EXPECT_FLOAT_EQ(m_sound->GetSampleVolume(1, 3), 51 / 255.0f);
  EXPECT_FLOAT_EQ(m_sound->GetSampleVolume(1, 0), 1.0f);
  EXPECT_EQ(m_sound->GetSampleVolume(1, 9), 0.0f);

  m_sound->ChangeSampleVolume(1, 3, 0.5f, 0);
  EXPECT_EQ(m_device->GetVolume(other), 127);
  EXPECT_EQ(m_device->GetVolume(tagged), 255);
  m_sound->ChangeSampleVolume(1, 0, 0.0f, 0);
  EXPECT_EQ(m_device->GetVolume(tagged), 0);

  Play(1, 1.0f, 0.0f, kLoop, 0);
  platform::ChannelHandle untagged = LastPlayedChannel();
  m_sound->StopSampleByTag(1, 7);
  EXPECT_FALSE(m_device->IsPlaying(tagged));
  EXPECT_TRUE(m_device->IsPlaying(other));
  // Tag 0 names the untagged plays, not every play.
  m_sound->StopSampleByTag(1, 0);
  EXPECT_FALSE(m_device->IsPlaying(untagged));
  EXPECT_TRUE(m_device->IsPlaying(other));
  m_sound->StopSample(1);
  EXPECT_FALSE(m_device->IsPlaying(other));
}

TEST_F(SoundModuleTest, StreamsPlayOnceAtATimeAndAreForgottenWhenTheyEnd) {
  m_sound->Startup();
  m_device->RejectFile("Data/Audio/Gone.ogg");
  m_sound->RegisterStream(1, "Data/Audio/Gone.ogg", 0);
  m_sound->RegisterStream(2, "Data/Audio/Music.ogg", kLoop);
  EXPECT_THAT(CallsNamed("OpenStream"), ElementsAre("OpenStream Data/Audio/Gone.ogg once",
                                                    "OpenStream Data/Audio/Music.ogg loop"));
  EXPECT_THAT(m_console.lines, Contains("WARNING: could not load streaming sound "
                                        "Data/Audio/Gone.ogg.\n"));

  m_console.lines.clear();
  m_device->ClearCalls();
  m_sound->PlayStream(2, 0.5f);
  m_sound->PlayStream(2, 1.0f);
  EXPECT_THAT(CallsNamed("PlayStream"), ElementsAre("PlayStream 1 127"));
  EXPECT_EQ(m_sound->GetStreamVolume(2), 1.0f);
  EXPECT_THAT(m_console.lines,
              ElementsAre("WARNING: tried to play streaming sound #2 that was already playing\n"));

  // The second play only set the volume, on the stream's channel.
  std::vector<std::string> volumeCalls = CallsNamed("SetVolume");
  ASSERT_EQ(volumeCalls.size(), 1u);
  platform::ChannelHandle channel = std::stoi(volumeCalls[0].substr(10));
  m_device->EndPlay(channel);
  m_sound->Update();
  EXPECT_EQ(m_sound->GetStreamVolume(2), 0.0f);
  m_sound->PlayStream(2, 1.0f);
  EXPECT_EQ(CallsNamed("PlayStream").size(), 2u);

  m_sound->StopStream(2);
  EXPECT_EQ(m_device->PlayingChannelCount(), 0);
  EXPECT_EQ(m_sound->GetStreamVolume(2), 0.0f);
}

}  // namespace
