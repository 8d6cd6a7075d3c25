#include <gtest/gtest.h>

#include <string>

#include "platform/steam/RemoteStorage.h"
#include "tests/support/TemporaryFolder.h"

namespace {

TEST(RemoteStorageTest, AWriteReplacesTheWholeFileAndNamesStayInside) {
  testsupport::TemporaryFolder folder;
  platform::RemoteStorage storage(folder.File("storage"));
  // Whole files through the game's hooks are the game's test; here a smaller
  // buffer takes only what fits, and a shorter write leaves nothing of the longer file.
  ASSERT_TRUE(storage.Write("profile", "longer", 6));
  char read[4] = {};
  EXPECT_EQ(storage.Read("profile", read, 4), 4);
  EXPECT_EQ(std::string(read, 4), "long");
  ASSERT_TRUE(storage.Write("profile", "new", 3));
  EXPECT_EQ(storage.GetFileSize("profile"), 3);
  ASSERT_TRUE(storage.Write("empty", nullptr, 0));
  EXPECT_TRUE(storage.FileExists("empty"));
  EXPECT_EQ(storage.GetFileSize("empty"), 0);
  EXPECT_FALSE(storage.FileExists("absent"));

  // Names that could leave the folder, and sizes that lie, are refused.
  for (const char* name : {"", ".", "..", "../escape", "sub/file", "a\nb"}) {
    EXPECT_FALSE(storage.Write(name, "x", 1)) << name;
  }
  EXPECT_TRUE(platform::RemoteStorage::IsValidName("back\\slash"));
  EXPECT_FALSE(storage.Write("bad size", "x", -1));
  EXPECT_FALSE(storage.Write("null data", nullptr, 3));
}

}  // namespace
