#include "engine/core/UlvoPath.h"

#include <gtest/gtest.h>

#include "tests/engine/core/FileTestSupport.h"

using file_test::FakeApplication;

TEST(UlvoPathResolve, EachBaseResolvesAgainstItsFolderWithSlashesOnly) {
  FakeApplication application("/user/");
  const struct {
    int marker;
    const char* relative;
    const char* resolved;
  } cases[] = {
      {PATH_MARKER_NONE, "a\\b.txt", "a/b.txt"},
      {PATH_MARKER_USER_DATA, "a\\application.log", "/user/a/application.log"},
      {PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile", "/user/steamuser.playerProfile"},
      {PATH_MARKER_DATA, "Puzzles\\Ocean\\Set1.PuzzleSet", "Data/Puzzles/Ocean/Set1.PuzzleSet"},
      {7, "odd/marker", "odd/marker"},
  };
  for (const auto& c : cases) {
    const UlvoPath path(c.marker, c.relative);
    EXPECT_EQ(path.GetResolvedPath(), c.resolved);
    EXPECT_EQ(path.GetRelativePath(), c.relative) << "kept as the caller gave it";
  }
  EXPECT_EQ(UlvoPath().GetResolvedPath(), "");
}

// The hooks serve player storage, under one flat name, only when all three
// are installed.
TEST(UlvoPathPlayerStorage, FewerThanThreeHooksResolveAsUserData) {
  FakeApplication application("/user/");
  const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, "Profiles/a:b\\c");
  const PlayerStorageReadHook read = [](const UlvoPath&, std::unique_ptr<unsigned char[]>&) {
    return -1;
  };
  const PlayerStorageWriteHook write = [](const UlvoPath&, const unsigned char*, int32_t) {
    return -1;
  };
  const PlayerStorageRemoveHook remove = [](const UlvoPath&) {};
  for (int hooks : {0, 1, 2, 4, 3, 5, 6, 7}) {
    SCOPED_TRACE(hooks);
    playerStorageReadHook = (hooks & 1) ? read : nullptr;
    playerStorageWriteHook = (hooks & 2) ? write : nullptr;
    playerStorageRemoveHook = (hooks & 4) ? remove : nullptr;
    EXPECT_EQ(ArePlayerStorageHooksInstalled(), hooks == 7);
    EXPECT_EQ(IsHandledByPlayerStorageHooks(path), hooks == 7);
    EXPECT_EQ(path.GetResolvedPath(), hooks == 7 ? "Profiles_a_b_c" : "/user/Profiles/a:b/c");
  }
  playerStorageReadHook = nullptr;
  playerStorageWriteHook = nullptr;
  playerStorageRemoveHook = nullptr;
}

TEST(UlvoPathExtension, ComparesTheLastDotIgnoringCase) {
  const struct {
    const char* name;
    const char* extension;
    bool has;
  } cases[] = {{"Images/Title.PNG", ".png", true}, {"Images/Title.png", ".PnG", true},
               {"README", ".png", false},          {"a.b.png", ".b.png", false},
               {"Title.pngx", ".png", false},      {"Title.png", "png", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(UlvoPath(PATH_MARKER_DATA, c.name).HasExtension(c.extension), c.has) << c.name;
  }
}
