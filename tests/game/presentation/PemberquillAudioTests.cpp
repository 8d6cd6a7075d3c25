// The game audio against the sound module on the recording audio device,
// with the game's own sound files: what it registers and when, how it
// switches the ambience between regions, its one-offs and its switches, and
// how the ambience follows the volume and the options of the player chosen;
// and the game object driving it: started as the first loading task, the menu's
// ambience as the last, one-offs from the frame update when due, and shut
// down with the game.
#include "game/presentation/audio/PemberquillAudio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "game/common/GameSounds.h"
#include "game/shell/PemberquillGame.h"
#include "game/options/PemberquillOptions.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/FakeAudioDevice.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/TemporaryFolder.h"

using namespace Pemberquill;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

namespace {

// The sound module on the recording audio device, started for the scope;
// it is the default sound module while it lives.
class RecordingSoundModule {
public:
    RecordingSoundModule()
    {
        auto device = std::make_unique<testsupport::FakeAudioDevice>();
        m_device = device.get();
        m_module = std::make_unique<UlvoSoundBasic_FMOD>(std::move(device));
        m_module->Startup();
    }
    ~RecordingSoundModule() { m_module->Shutdown(); }
    RecordingSoundModule(const RecordingSoundModule&) = delete;
    RecordingSoundModule& operator=(const RecordingSoundModule&) = delete;

    // The device calls since the last take, as "load NAME", "free NAME",
    // "play NAME once|loop" and "stop NAME", NAME being the sound's name
    // without its "SOUND_" prefix.
    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> lines;
        const std::vector<std::string>& calls = m_device->Calls();
        for (; m_seen < calls.size(); ++m_seen) {
            std::istringstream call(calls[m_seen]);
            std::string operation;
            call >> operation;
            int handle = 0;
            if (operation == "LoadSample") {
                std::string path;
                call >> path;
                const size_t start = path.rfind("/SOUND_") + 7;
                // The device numbers the samples it loads from 1 on.
                m_samples[++m_loads] = path.substr(start, path.rfind('.') - start);
                lines.push_back("load " + m_samples[m_loads]);
            } else if (operation == "FreeSample" && call >> handle) {
                lines.push_back("free " + m_samples[handle]);
            } else if (operation == "Play" && call >> handle) {
                std::string loop;
                call >> loop;
                m_channels[m_nextChannel++] = m_samples[handle];
                lines.push_back("play " + m_samples[handle] + " " + loop);
            } else if (operation == "PlayStream") {
                ++m_nextChannel;
            } else if (operation == "Stop" && call >> handle) {
                lines.push_back("stop " + m_channels[handle]);
            }
        }
        return lines;
    }

    // The volumes of the plays of the sound NAME (as TakeCalls names it)
    // still heard after a frame of the module, which halts plays while
    // muted. Takes the calls.
    std::vector<int> VolumesHeard(const std::string& name)
    {
        m_module->Update();
        TakeCalls();
        std::vector<int> volumes;
        for (const auto& [channel, sound] : m_channels) {
            if (sound == name && m_device->IsPlaying(channel)) {
                volumes.push_back(m_device->GetVolume(channel));
            }
        }
        return volumes;
    }

private:
    testsupport::FakeAudioDevice* m_device = nullptr;
    std::unique_ptr<UlvoSoundBasic_FMOD> m_module;
    size_t m_seen = 0;
    int m_loads = 0;
    std::map<int, std::string> m_samples;
    std::map<int, std::string> m_channels;
    int m_nextChannel = testsupport::FakeAudioDevice::kFirstChannel;
};

// The calls of the given kind ("load", "play", ...) among lines.
inline std::vector<std::string> Only(const std::string& kind, const std::vector<std::string>& lines)
{
    std::vector<std::string> found;
    for (const std::string& line : lines) {
        if (line.compare(0, kind.size() + 1, kind + " ") == 0) {
            found.push_back(line);
        }
    }
    return found;
}

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
        // Sounds switched on restart the current ambience, and an audio that
        // never entered a region has none to restart.
        events.UnregisterRecipient(&audio);
        SetPlaySoundsOption(true);
    }

    // The options' flag is set before anything listens, so that the mute it
    // also publishes reaches no sound module.
    void Start(bool playSounds = true)
    {
        SetPlaySoundsOption(playSounds);
        sound = std::make_unique<RecordingSoundModule>();
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
    std::unique_ptr<RecordingSoundModule> sound;
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
        const std::vector<std::string> calls = Only("load", sound->TakeCalls());
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
        const std::vector<std::string> loads = Only("load", calls);
        ASSERT_FALSE(loads.empty()) << region;
        loaded.insert(loads.begin(), loads.end());
        const std::vector<std::string> plays = Only("play", calls);
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
    EXPECT_TRUE(Only("load", EnterRegion("ocean")).empty());
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
    EXPECT_THAT(Only("play", EnterRegion("Sky")), ElementsAre("play AMB_SKY loop"));
    EXPECT_NE(PemberquillAudio::NO_ONE_OFF_TIME, audio.GetNextOneOffTime());
}

// Sounds off stops the ambience and its one-offs, on starts it again with a
// one-off; a region name the game does not know stops the game.
TEST_F(PemberquillAudioTest, SoundsOffLeaveNoAmbienceAndAnUnknownRegionIsAnError)
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
    EXPECT_TRUE(Only("load", on).empty());

    const testsupport::CaughtError error = testsupport::CatchUlvoException([this] { EnterRegion("Atlantis"); });
    EXPECT_EQ(error.message, "Unrecognized region name \"Atlantis\"!");
    EXPECT_EQ(error.title, "PemberquillAudio::GetSoundListForRegion");
}

// The menu's ambience as the options screens and the choice of a player
// drive the options, each step after the ones above it.
TEST_F(PemberquillAudioTest, TheAmbienceFollowsTheVolumeSliderAndThePlayerChosen)
{
    testsupport::TemporaryFolder folder;
    options_test::RecordingApplication application(folder.File(""));
    PemberquillOptions options;
    options.RegisterEventHandlers();
    const auto choosePlayer = [&](const std::string& name, const char* playingSounds, const char* volume) {
        const std::string text = std::string("1 true true true true false false ") + playingSounds +
                                 " false true true 4 " + volume + " 1 2 1 0 -1 1023 1023 false false -1";
        testsupport::WriteFileBytes(folder.File(name + ".pqoptions"), testsupport::Bytes(text.begin(), text.end()));
        options.LoadOptions(name);
    };
    const auto slide = [](const char* event, int steps) {
        for (int i = 0; i < steps; ++i) {
            FireGlobalEvent(event);
        }
    };
    Start();
    EnterRegion("Menu");
    const struct {
        const char* step;
        std::function<void()> act;
        std::vector<int> menuLoop;
    } steps[] = {
        {"volume at 0%", [&] { slide("DecreaseMasterVolumeEvent", 10); }, {0}},
        {"volume at 50%", [&] { slide("IncreaseMasterVolumeEvent", 5); }, {127}},
        {"player with sounds off", [&] { choosePlayer("bob", "false", "100"); }, {}},
        {"player with sounds on", [&] { choosePlayer("ann", "true", "30"); }, {76}},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(sound->VolumesHeard("AMB_MENU"), step.menuLoop) << step.step;
    }
}

std::string ProfilingLabel(const std::string& label)
{
    return "Starting profiling for label \"" + label + "\"";
}

TEST(GameAudioTest, TheGameStartsItsAudioFirstPlaysTheMenuLastAndOneOffsWhenDue)
{
    options_test::OptionsEnvironment env;
    testsupport::ScopedDataFolder data;
    for (int id = 0; id < NUM_GAME_SOUNDS; ++id) {
        data.Write(std::string("Audio/") + GetGameSoundName(id) + ".ogg", testsupport::Bytes(1, 0));
    }
    for (const char* shipped : {"Achievements.pqdf", "Stats.pqdf", "Credits.pqdf", "Puzzles"}) {
        data.LinkShipped(shipped);
    }
    RecordingSoundModule sound;
    Clock gameClock;
    auto game = std::make_unique<PemberquillGame>(&gameClock);

    const std::string log = env.console.Text();
    EXPECT_LT(log.find(ProfilingLabel("Audio startup")), log.find(ProfilingLabel("PuzzleChef startup")));
    EXPECT_LT(log.find(ProfilingLabel("Load splash screens")), log.find(ProfilingLabel("Start regional sounds")));
    const std::vector<std::string> startup = sound.TakeCalls();
    EXPECT_THAT(Only("load", startup), SizeIs(SOUND_AMB_OCEAN));
    // A first start may also greet the new player with a lesson's sound.
    const std::vector<std::string> plays = Only("play", startup);
    ASSERT_THAT(plays, Not(IsEmpty()));
    EXPECT_EQ(plays.back(), "play AMB_MENU loop");
    EXPECT_EQ(std::count(plays.begin(), plays.end(), "play AMB_MENU loop"), 1);

    StartRegionSounds("Mountain");
    sound.TakeCalls();
    PemberquillAudio& audio = game->GetAudio();
    // The game's clock takes at most a tenth of a second a frame.
    while (audio.GetNextOneOffTime() - audio.GetClock()->GetTime() > 0.04) {
        gameClock.Advance(0.05);
        game->Update();
        ASSERT_THAT(sound.TakeCalls(), IsEmpty());
    }
    gameClock.Advance(0.05);
    game->Update();
    EXPECT_THAT(Only("play", sound.TakeCalls()), ElementsAre(HasSubstr("AMB_MOUNTAIN_1OFF_")));

    game.reset();
    EXPECT_THAT(env.console.Text(), HasSubstr("PemberquillAudio Shutdown complete.\n"));
    EXPECT_THAT(env.console.Text(), Not(HasSubstr("without Shutdown")));
}

} // namespace
