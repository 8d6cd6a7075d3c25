// The sound maker remakes the committed sounds byte for byte: a click, a
// one-off built on seeded noise and a loop with its crossfade, into a
// folder of the test's own.
#include "tools/soundmaker/SoundMaker.h"

#include <gtest/gtest.h>

#include <string>

#include "game/common/GameSounds.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

using namespace soundmaker;
using namespace Pemberquill;

namespace {

TEST(SoundMakerTest, HasOneRecipePerGameSoundInOrder)
{
    const std::vector<SoundRecipe>& recipes = AllSoundRecipes();
    ASSERT_EQ(static_cast<size_t>(NUM_GAME_SOUNDS), recipes.size());
    for (int id = 0; id < NUM_GAME_SOUNDS; ++id) {
        EXPECT_EQ(id, recipes[static_cast<size_t>(id)].id);
    }
}

TEST(SoundMakerTest, RemakesTheCommittedFilesByteForByte)
{
    testsupport::TemporaryFolder folder;
    for (GameSoundID id : {SOUND_UI_BUTTON_ACTIVATED, SOUND_AMB_FOREST_1OFF_05, SOUND_AMB_OCEAN}) {
        const std::string file = std::string(GetGameSoundName(id)) + ".ogg";
        std::string error;
        ASSERT_TRUE(MakeSoundFile(*FindSoundRecipe(id), folder.Path(), error)) << error;
        const testsupport::Bytes committed = testsupport::ReadFileBytes("Data/Audio/" + file);
        ASSERT_FALSE(committed.empty()) << file;
        EXPECT_TRUE(committed == testsupport::ReadFileBytes(folder.File(file))) << file;
    }
}

} // namespace
