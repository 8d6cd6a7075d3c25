// The game object drives its audio: started as the first loading task, the
// menu's ambience as the last, one-offs from the frame update when due, and
// shut down with the game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/core/Clock.h"
#include "game/common/GameSounds.h"
#include "game/presentation/audio/PemberquillAudio.h"
#include "game/shell/PemberquillGame.h"
#include "tests/game/presentation/AudioTestSupport.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"
#include "tests/support/ScopedDataFolder.h"

using namespace Pemberquill;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

namespace {

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
    audio_test::RecordingSoundModule sound;
    Clock gameClock;
    auto game = std::make_unique<PemberquillGame>(&gameClock);

    const std::string log = env.console.Text();
    EXPECT_LT(log.find(ProfilingLabel("Audio startup")), log.find(ProfilingLabel("PuzzleChef startup")));
    EXPECT_LT(log.find(ProfilingLabel("Load splash screens")), log.find(ProfilingLabel("Start regional sounds")));
    const std::vector<std::string> startup = sound.TakeCalls();
    EXPECT_THAT(audio_test::Only("load", startup), SizeIs(SOUND_AMB_OCEAN));
    // A first start may also greet the new player with a lesson's sound.
    const std::vector<std::string> plays = audio_test::Only("play", startup);
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
    EXPECT_THAT(audio_test::Only("play", sound.TakeCalls()), ElementsAre(HasSubstr("AMB_MOUNTAIN_1OFF_")));

    game.reset();
    EXPECT_THAT(env.console.Text(), HasSubstr("PemberquillAudio Shutdown complete.\n"));
    EXPECT_THAT(env.console.Text(), Not(HasSubstr("without Shutdown")));
}

} // namespace
