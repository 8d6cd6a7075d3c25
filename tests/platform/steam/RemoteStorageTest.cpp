#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/steam/RemoteStorage.h"
#include "tests/support/TemporaryFolder.h"

namespace {

TEST(RemoteStorageTest, AWriteReplacesTheWholeFileAndReadsBackExactly) {
  testsupport::TemporaryFolder folder;
  platform::RemoteStorage storage(folder.File("storage"));
  std::vector<unsigned char> bytes(70000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 3);
  ASSERT_TRUE(storage.Write("profile", bytes.data(), 70000));
  std::vector<unsigned char> read(bytes.size());
  EXPECT_EQ(storage.Read("profile", read.data(), 70000), 70000);
  EXPECT_EQ(read, bytes);
  // A smaller buffer takes only what fits; a shorter write leaves nothing of the longer file.
  EXPECT_EQ(storage.Read("profile", read.data(), 4), 4);
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
