#include "engine/core/UlvoPath.h"

#include <gtest/gtest.h>

#include "tests/engine/core/FileTestSupport.h"

using file_test::FakeApplication;
using file_test::FakePlayerStorage;
using file_test::RecordingConsole;

TEST(UlvoPathResolve, EachBaseResolvesAgainstItsFolder) {
  FakeApplication application("/home/player/.local/share/Pemberquill/");
  EXPECT_EQ(UlvoPath(PATH_MARKER_NONE, "Puzzles/a.txt").GetResolvedPath(), "Puzzles/a.txt");
  EXPECT_EQ(UlvoPath(PATH_MARKER_USER_DATA, "application.log").GetResolvedPath(),
            "/home/player/.local/share/Pemberquill/application.log");
  EXPECT_EQ(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile").GetResolvedPath(),
            "/home/player/.local/share/Pemberquill/steamuser.playerProfile");
  EXPECT_EQ(UlvoPath(PATH_MARKER_DATA, "Puzzles/Campaign.CampaignData").GetResolvedPath(),
            "Data/Puzzles/Campaign.CampaignData");
  EXPECT_EQ(UlvoPath(7, "odd/marker").GetResolvedPath(), "odd/marker");
  EXPECT_EQ(UlvoPath().GetResolvedPath(), "");
}

TEST(UlvoPathResolve, BackslashesBecomeSlashes) {
  FakeApplication application("/user/");
  EXPECT_EQ(UlvoPath(PATH_MARKER_DATA, "Puzzles\\Ocean\\Set1.PuzzleSet").GetResolvedPath(),
            "Data/Puzzles/Ocean/Set1.PuzzleSet");
  EXPECT_EQ(UlvoPath(PATH_MARKER_USER_DATA, "a\\b").GetResolvedPath(), "/user/a/b");
  EXPECT_EQ(UlvoPath(PATH_MARKER_NONE, "a\\b").GetResolvedPath(), "a/b");
  // The relative text itself is kept as the caller gave it.
  EXPECT_EQ(UlvoPath(PATH_MARKER_NONE, "a\\b").GetRelativePath(), "a\\b");
}

TEST(UlvoPathPlayerStorage, FewerThanThreeHooksResolveAsUserData) {
  FakeApplication application("/user/");
  const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, "Profiles/a:b\\c");
  for (int hooks : {0, 1, 2, 4, 3, 5, 6}) {
    FakePlayerStorage storage(hooks);
    SCOPED_TRACE(hooks);
    EXPECT_FALSE(ArePlayerStorageHooksInstalled());
    EXPECT_FALSE(IsHandledByPlayerStorageHooks(path));
    EXPECT_EQ(path.GetResolvedPath(), "/user/Profiles/a:b/c");
  }
}

TEST(UlvoPathExtension, ComparesTheLastDotIgnoringCase) {
  EXPECT_TRUE(UlvoPath(PATH_MARKER_DATA, "Images/Title.PNG").HasExtension(".png"));
  EXPECT_TRUE(UlvoPath(PATH_MARKER_DATA, "Images/Title.png").HasExtension(".PnG"));
  EXPECT_FALSE(UlvoPath(PATH_MARKER_DATA, "README").HasExtension(".png"));
  EXPECT_FALSE(UlvoPath(PATH_MARKER_DATA, "a.b.png").HasExtension(".b.png"));
  EXPECT_FALSE(UlvoPath(PATH_MARKER_DATA, "Title.pngx").HasExtension(".png"));
  EXPECT_FALSE(UlvoPath(PATH_MARKER_DATA, "Title.png").HasExtension("png"));
}
