#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/steam/RemoteStorage.h"
#include "tests/support/TemporaryFolder.h"

namespace {

class RemoteStorageTest : public ::testing::Test {
 protected:
  testsupport::TemporaryFolder folder;
  platform::RemoteStorage storage{folder.File("storage")};
};

TEST_F(RemoteStorageTest, WrittenBytesReadBackExactly) {
  std::vector<unsigned char> bytes(70000);
  for (size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<unsigned char>(i * 7 + 3);
  }
  ASSERT_TRUE(
      storage.Write("steamuser.playerProfile", bytes.data(), static_cast<int32_t>(bytes.size())));

  EXPECT_TRUE(storage.FileExists("steamuser.playerProfile"));
  ASSERT_EQ(storage.GetFileSize("steamuser.playerProfile"), 70000);
  std::vector<unsigned char> read(bytes.size());
  EXPECT_EQ(storage.Read("steamuser.playerProfile", read.data(), 70000), 70000);
  EXPECT_EQ(read, bytes);

  // A smaller buffer takes only what fits.
  unsigned char head[4] = {};
  EXPECT_EQ(storage.Read("steamuser.playerProfile", head, 4), 4);
  EXPECT_EQ(head[3], bytes[3]);
}

TEST_F(RemoteStorageTest, AWriteReplacesTheWholeFile) {
  ASSERT_TRUE(storage.Write("options", "long old text", 13));
  ASSERT_TRUE(storage.Write("options", "new", 3));
  char read[16] = {};
  EXPECT_EQ(storage.GetFileSize("options"), 3);
  EXPECT_EQ(storage.Read("options", read, sizeof read), 3);
  EXPECT_EQ(std::string(read), "new");

  ASSERT_TRUE(storage.Write("empty", nullptr, 0));
  EXPECT_EQ(storage.GetFileSize("empty"), 0);
}

TEST_F(RemoteStorageTest, NamesThatCouldLeaveTheFolderAreRefused) {
  for (const std::string& name :
       std::vector<std::string>{"", ".", "..", "../escape", "sub/file", "a\nb"}) {
    EXPECT_FALSE(platform::RemoteStorage::IsValidName(name)) << name;
    EXPECT_FALSE(storage.Write(name, "x", 1)) << name;
  }
  EXPECT_TRUE(platform::RemoteStorage::IsValidName("profiles_steamuser.playerProfile"));
  EXPECT_TRUE(platform::RemoteStorage::IsValidName("back\\slash"));
  EXPECT_FALSE(storage.Write("bad size", "x", -1));
  EXPECT_FALSE(storage.Write("null data", nullptr, 3));
}

}  // namespace
