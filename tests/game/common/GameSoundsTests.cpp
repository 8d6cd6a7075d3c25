#include "game/common/GameSounds.h"

#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Pemberquill;

namespace {

class SoundListener : public EventRecipient {
public:
    void Event_OnPlaySound(NamedProperties& args)
    {
        GameSoundID id = NOT_HEARD;
        args.Get("AudioSound", id);
        heard.push_back(id);
    }

    static constexpr GameSoundID NOT_HEARD = static_cast<GameSoundID>(-100);
    std::vector<GameSoundID> heard;
};

TEST(PlaySoundTest, FiresOneEventPerSoundWithItsId)
{
    UlvoEventSystem events;
    SoundListener listener;
    RegisterEventHandler("PlaySoundEvent", &events, &SoundListener::Event_OnPlaySound, &listener);

    PlaySound(SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL);
    PlaySound(SOUND_PLAYINGPUZZLE_PAINT_USED);
    PlaySound(SOUND_AMB_BEYOND_1OFF_06);

    const std::vector<GameSoundID> expected = {SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL,
                                               SOUND_PLAYINGPUZZLE_PAINT_USED, SOUND_AMB_BEYOND_1OFF_06};
    EXPECT_EQ(expected, listener.heard);
}

} // namespace
