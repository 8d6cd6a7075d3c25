// The game audio against the sound module on the recording audio device,
// with the game's own sound files: what it registers and when, how it
// switches the ambience between regions, its one-offs and its switches.
#include "game/presentation/audio/PemberquillAudio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/GameSounds.h"
#include "game/shell/PemberquillOptions.h"
#include "tests/game/presentation/AudioTestSupport.h"
#include "tests/support/RecordingConsole.h"

using namespace Pemberquill;
using ::testing::ElementsAre;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

const char* const REGIONS[] = {"Ocean", "Canyon", "Forest", "Mountain", "Sky", "Beyond"};

std::string ShortName(int id)
{
    return std::string(GetGameSoundName(id)).substr(6);
}

class PemberquillAudioTest : public ::testing::Test {
protected:
    ~PemberquillAudioTest() override
    {
        if (audio.IsInitialized()) {
            audio.Shutdown();
        }
        SetPlaySoundsOption(true);
    }

    // The options' flag is set before anything listens, so that the mute it
    // also publishes reaches no sound module.
    void Start(bool playSounds = true)
    {
        SetPlaySoundsOption(playSounds);
        sound = std::make_unique<audio_test::RecordingSoundModule>();
        audio.Startup(&parentClock);
    }

    static void SetPlaySoundsOption(bool on)
    {
        NamedProperties args;
        args.Set("PlaySounds", on);
        GetPemberquillOptions().Event_OnToggleIsPlayingSounds(args);
    }

    void Fire(const std::string& name, NamedProperties& args) { events.FireEvent(name, args); }

    std::vector<std::string> EnterRegion(const std::string& name)
    {
        NamedProperties args;
        args.Set<std::string>("RegionName", name);
        Fire("StartRegionSounds", args);
        return sound->TakeCalls();
    }

    std::vector<std::string> SetSounds(bool on)
    {
        NamedProperties args;
        args.Set("Value", on);
        Fire("SetSoundsEvent", args);
        return sound->TakeCalls();
    }

    template <typename T>
    std::vector<std::string> PlaySoundEvent()
    {
        NamedProperties args;
        args.Set<T>("AudioSound", static_cast<T>(SOUND_UI_DIALOG_NORMAL));
        Fire("PlaySoundEvent", args);
        return sound->TakeCalls();
    }

    void AdvanceTo(double seconds) { parentClock.Advance(seconds - audio.GetClock()->GetTime()); }

    testsupport::RecordingConsole console;
    UlvoEventSystem events;
    Clock parentClock;
    std::unique_ptr<audio_test::RecordingSoundModule> sound;
    PemberquillAudio audio;
};

TEST_F(PemberquillAudioTest, StartupReportsALoadingStepBeforeEachOfTheFirst27Registrations)
{
    class StepCounter : public EventRecipient {
    public:
        void OnStep(NamedProperties&) { loadsBefore.push_back(static_cast<int>(countLoads())); }
        std::function<size_t()> countLoads;
        std::vector<int> loadsBefore;
    } steps;
    std::vector<std::string> loads;
    steps.countLoads = [&] {
        const std::vector<std::string> calls = audio_test::Only("load", sound->TakeCalls());
        loads.insert(loads.end(), calls.begin(), calls.end());
        return loads.size();
    };
    RegisterEventHandler("OnStartupLoadingTaskComplete", &events, &StepCounter::OnStep, &steps);

    Start();
    steps.countLoads();

    std::vector<int> expectedSteps;
    std::vector<std::string> expectedLoads;
    for (int id = 0; id < SOUND_AMB_OCEAN; ++id) {
        expectedSteps.push_back(id);
        expectedLoads.push_back("load " + ShortName(id));
    }
    EXPECT_EQ(expectedSteps, steps.loadsBefore);
    EXPECT_EQ(expectedLoads, loads);
    EXPECT_THAT(console.Text(), Not(HasSubstr("Cannot find audio file")));
}

TEST_F(PemberquillAudioTest, EveryRegionLoadsItsOwnSoundsFromFilesThatExistAndStartsWithItsLoop)
{
    Start();
    sound->TakeCalls();
    std::multiset<std::string> loaded;
    for (const char* region : REGIONS) {
        const std::vector<std::string> calls = EnterRegion(region);
        const std::vector<std::string> loads = audio_test::Only("load", calls);
        ASSERT_FALSE(loads.empty()) << region;
        loaded.insert(loads.begin(), loads.end());
        const std::vector<std::string> plays = audio_test::Only("play", calls);
        ASSERT_EQ(2u, plays.size()) << region;
        EXPECT_EQ("play " + loads.front().substr(5) + " loop", plays[0]) << region;
        EXPECT_THAT(plays[1], HasSubstr(" once")) << region;
    }
    std::multiset<std::string> expected;
    for (int id = SOUND_AMB_OCEAN; id < NUM_GAME_SOUNDS; ++id) {
        expected.insert("load " + ShortName(id));
    }
    EXPECT_EQ(expected, loaded);
    EXPECT_THAT(console.Text(), Not(HasSubstr("Cannot find audio file")));
    EXPECT_THAT(console.Text(), Not(HasSubstr("WARNING")));
}

TEST_F(PemberquillAudioTest, TheMenuPlaysNoOneOffsAndBackFromItARegionIsUnloadedBeforeItIsLoadedAgain)
{
    Start();
    EnterRegion("Ocean");
    const std::string oneOff = ShortName(audio.GetLastOneOff());
    console.lines.clear();

    EXPECT_THAT(EnterRegion("Menu"), ElementsAre("stop AMB_OCEAN", "stop " + oneOff, "play AMB_MENU loop"));
    EXPECT_EQ("Menu", audio.GetCurrentRegion());
    EXPECT_EQ("Ocean", audio.GetLoadedRegion());
    // The menu has no one-offs and keeps the time it found.
    const double due = audio.GetNextOneOffTime();
    AdvanceTo(due + 1.0);
    audio.PlayRandomOneOff();
    EXPECT_TRUE(sound->TakeCalls().empty());
    EXPECT_EQ(due, audio.GetNextOneOffTime());

    std::vector<std::string> expected = {"stop AMB_MENU"};
    for (const char* kind : {"free ", "load "}) {
        for (int id = SOUND_AMB_OCEAN; id <= SOUND_AMB_OCEAN_1OFF_05; ++id) {
            expected.push_back(kind + ShortName(id));
        }
    }
    expected.push_back("play AMB_OCEAN loop");
    std::vector<std::string> calls = EnterRegion("Ocean");
    ASSERT_EQ(expected.size() + 1, calls.size());
    calls.pop_back();
    EXPECT_EQ(expected, calls);

    const std::string log = console.Text();
    EXPECT_LT(log.rfind("Dynamically UNLOADING sound \"Audio/SOUND_AMB_OCEAN_1OFF_05\"...\n"),
              log.find("Dynamically LOADING sound \"Audio/SOUND_AMB_OCEAN\"...\n"));

    // The same region, spelt in another case, is not loaded again.
    EXPECT_TRUE(audio_test::Only("load", EnterRegion("ocean")).empty());
}

TEST_F(PemberquillAudioTest, OneOffsNeverRepeatComeFiveToTwentySecondsApartAndEachGetsItsTurn)
{
    Start();
    EnterRegion("Ocean");
    std::set<GameSoundID> heard;
    for (int round = 0; round < 200; ++round) {
        const double due = audio.GetNextOneOffTime();
        AdvanceTo(due - 0.01);
        ASSERT_FALSE(audio.IsOneOffDue());
        AdvanceTo(due);
        ASSERT_TRUE(audio.IsOneOffDue());

        const GameSoundID previous = audio.GetLastOneOff();
        audio.PlayRandomOneOff();
        const GameSoundID chosen = audio.GetLastOneOff();
        ASSERT_NE(previous, chosen);
        ASSERT_GE(chosen, SOUND_AMB_OCEAN_1OFF_01);
        ASSERT_LE(chosen, SOUND_AMB_OCEAN_1OFF_05);
        ASSERT_THAT(sound->TakeCalls(), ElementsAre("play " + ShortName(chosen) + " once"));
        const double gap = audio.GetNextOneOffTime() - audio.GetClock()->GetTime();
        ASSERT_GE(gap, 5.0);
        ASSERT_LE(gap, 20.0);
        heard.insert(chosen);
    }
    EXPECT_EQ(5u, heard.size());
}

TEST_F(PemberquillAudioTest, SoundsOffStopsTheAmbienceAndOnStartsItAgainWithAOneOff)
{
    Start();
    EnterRegion("Canyon");
    const std::string oneOff = ShortName(audio.GetLastOneOff());

    EXPECT_THAT(SetSounds(false), ElementsAre("stop AMB_CANYON", "stop " + oneOff));
    EXPECT_EQ(PemberquillAudio::NO_SOUND, audio.GetLoopSound());
    const double due = audio.GetNextOneOffTime();
    AdvanceTo(due);
    audio.PlayRandomOneOff();
    EXPECT_TRUE(sound->TakeCalls().empty());
    EXPECT_EQ(due, audio.GetNextOneOffTime());

    const std::vector<std::string> on = SetSounds(true);
    ASSERT_EQ(2u, on.size());
    EXPECT_EQ("play AMB_CANYON loop", on[0]);
    EXPECT_THAT(on[1], HasSubstr(" once"));
    EXPECT_TRUE(audio_test::Only("load", on).empty());
}

TEST_F(PemberquillAudioTest, PlaySoundEventPlaysOnceAndOnlyWhatIsAGameSoundId)
{
    Start();
    sound->TakeCalls();
    EXPECT_THAT(PlaySoundEvent<GameSoundID>(), ElementsAre("play UI_DIALOG_NORMAL once"));
    EXPECT_THAT(PlaySoundEvent<int>(), IsEmpty());
}

TEST_F(PemberquillAudioTest, WithThePlaySoundsOptionOffOnlyTheAmbienceLoopIsHeard)
{
    Start(false);
    sound->TakeCalls();
    EXPECT_THAT(PlaySoundEvent<GameSoundID>(), IsEmpty());
    EXPECT_THAT(audio_test::Only("play", EnterRegion("Sky")), ElementsAre("play AMB_SKY loop"));
    EXPECT_NE(PemberquillAudio::NO_ONE_OFF_TIME, audio.GetNextOneOffTime());
}

TEST_F(PemberquillAudioTest, AnUnknownRegionIsWarnedAboutAndHasNoAmbience)
{
    Start();
    EnterRegion("Forest");
    const std::string oneOff = ShortName(audio.GetLastOneOff());
    console.lines.clear();

    const std::vector<std::string> calls = EnterRegion("Atlantis");

    EXPECT_THAT(audio_test::Only("stop", calls), ElementsAre("stop AMB_FOREST", "stop " + oneOff));
    EXPECT_THAT(audio_test::Only("play", calls), IsEmpty());
    EXPECT_THAT(console.Text(), HasSubstr("Unrecognized region name \"Atlantis\""));
    EXPECT_EQ(PemberquillAudio::NO_SOUND, audio.GetLoopSound());
    EXPECT_THAT(EnterRegion("Forest"), Contains("play AMB_FOREST loop"));
}

} // namespace
