// The player's achievement record and the player-storage hooks at their
// edges: the bit past the last achievement, a table that fits, an empty
// file, and the hooks outliving the interface that installed them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/Clock.h"
#include "engine/core/FileIO.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "game/steam/PlayerAchievements.h"
#include "game/steam/SteamInterface.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/PlayerStorageHooks.h"

namespace {

using namespace Pemberquill;

// Catches the bit past the last achievement read as earned.
TEST(PlayerRecordEdgesTest, NoAchievementLiesPastTheLastBit)
{
    PlayerAchievements record;
    record.SetAchievement(0);
    record.SetAchievement(31);
    EXPECT_TRUE(record.HasAchievement(31));
    EXPECT_FALSE(record.HasAchievement(32));
    EXPECT_FALSE(record.HasAchievement(-1));
}

// Catches a warning about cut tables logged for a table that fits whole.
TEST(PlayerRecordEdgesTest, ATableThatFitsIsSavedWithoutAWarning)
{
    testsupport::RecordingConsole console;
    PlayerAchievements record;
    record.puzzlesSolvedPerLocation = {{"Cove", 3}, {"Reef", 1}};
    ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 256);
    record.Write(stream);
    EXPECT_EQ(console.Text().find("WARNING"), std::string::npos) << console.Text();
}

class PlayerStorageHooksTest : public ::testing::Test {
 protected:
  void TearDown() override {
    testsupport::ForgetPlayerStorageHooks();
  }

  testsupport::RecordingConsole console;
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", userData.Path().c_str()};
  Clock clock;
};

// Catches an empty file refused by remote storage: it is stored, and read
// back as empty rather than missing.
TEST_F(PlayerStorageHooksTest, AnEmptyFileIsStoredAsEmpty) {
  SteamInterface steam;
  steam.Startup(&clock);
  const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, "empty.pqoptions");
  const unsigned char nothing = 0;
  EXPECT_EQ(WriteWholeFile(&nothing, path, 0), 0);
  std::unique_ptr<unsigned char[]> bytes;
  EXPECT_EQ(ReadWholeFile(path, bytes), 0);
  steam.Shutdown();
}

// Catches the hooks reaching for an interface that is gone: they answer as
// an unavailable service.
TEST_F(PlayerStorageHooksTest, HooksLeftBehindAnswerAsAnUnavailableService) {
  {
    SteamInterface steam;
    steam.Startup(&clock);
    steam.Shutdown();
  }
  ASSERT_TRUE(ArePlayerStorageHooksInstalled());
  std::unique_ptr<unsigned char[]> bytes;
  EXPECT_EQ(ReadWholeFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile"), bytes),
            WHOLE_FILE_MISSING);
}

}  // namespace
