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

TEST(PlaySoundTest, WithoutAnEventSystemNothingHappens)
{
    PlaySound(SOUND_UI_DIALOG_NORMAL);
}

TEST(GameSoundIDTest, ValuesTheGameRefersToByNumber)
{
    EXPECT_EQ(4, SOUND_PLAYINGPUZZLE_SQUARE_FOCUS_CHANGED);
    EXPECT_EQ(5, SOUND_PLAYINGPUZZLE_CAGE_FOCUS_CHANGED);
    EXPECT_EQ(12, SOUND_PLAYINGPUZZLE_PAINT_GRABBED);
    EXPECT_EQ(13, SOUND_PLAYINGPUZZLE_PAINT_USED);
    EXPECT_EQ(20, SOUND_UI_BUTTON_GAINFOCUS);
    EXPECT_EQ(23, SOUND_UI_DIALOG_NORMAL);
    EXPECT_EQ(27, SOUND_AMB_OCEAN);
    EXPECT_EQ(33, SOUND_AMB_CANYON);
    EXPECT_EQ(40, SOUND_AMB_FOREST);
    EXPECT_EQ(48, SOUND_AMB_MOUNTAIN);
    EXPECT_EQ(55, SOUND_AMB_SKY);
    EXPECT_EQ(62, SOUND_AMB_BEYOND);
    EXPECT_EQ(68, SOUND_AMB_BEYOND_1OFF_06);
    EXPECT_EQ(69, NUM_GAME_SOUNDS);
}

} // namespace
