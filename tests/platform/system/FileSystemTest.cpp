#include "platform/system/FileSystem.h"

#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using platform::CreateFolderRecursive;
using platform::IsRegularFile;
using platform::ListFolder;
using platform::RemoveFile;
using platform::UserDataBaseFolder;
using platform::WriteFileAtomically;
using platform_test::ScopedEnvironment;
using Names = std::vector<std::string>;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

class FileSystemTest : public ::testing::Test {
 protected:
  testsupport::TemporaryFolder folder_;
  const std::string& root_ = folder_.Path();
};

TEST_F(FileSystemTest, UserDataBaseFolderPrefersXdgDataHome) {
  ScopedEnvironment home("HOME", "/home/player");
  {
    ScopedEnvironment data("XDG_DATA_HOME", "/tmp/data-home/");
    EXPECT_EQ(UserDataBaseFolder(), "/tmp/data-home");
  }
  {
    ScopedEnvironment data("XDG_DATA_HOME", "");
    EXPECT_EQ(UserDataBaseFolder(), "/home/player/.local/share");
  }
  {
    ScopedEnvironment data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(UserDataBaseFolder(), "/home/player/.local/share");
  }
}

TEST_F(FileSystemTest, UserDataBaseFolderIsNeverTheRoot) {
  {
    ScopedEnvironment data("XDG_DATA_HOME", "/");
    ScopedEnvironment home("HOME", "/");
    EXPECT_EQ(UserDataBaseFolder(), "/.local/share");
  }
  {
    ScopedEnvironment data("XDG_DATA_HOME", nullptr);
    ScopedEnvironment home("HOME", nullptr);
    EXPECT_EQ(UserDataBaseFolder(), "");
  }
}

TEST_F(FileSystemTest, CreateFolderRecursiveMakesEveryLevel) {
  const std::string deep = root_ + "/a/b/c/";
  EXPECT_TRUE(CreateFolderRecursive(deep));
  EXPECT_TRUE(IsFolder(root_ + "/a/b/c"));
  EXPECT_TRUE(CreateFolderRecursive(deep)) << "an existing folder is success";
  EXPECT_FALSE(CreateFolderRecursive(""));
}

TEST_F(FileSystemTest, AtomicWriteStoresExactBytesAndLeavesNoTemporary) {
  const std::string path = root_ + "/profile.dat";
  const std::string first("\x00\x01\xFFprofile\r\n", 12);
  ASSERT_TRUE(WriteFileAtomically(path, first.data(), first.size()));
  EXPECT_EQ(ReadFile(path), first);

  const std::string second = "shorter";
  ASSERT_TRUE(WriteFileAtomically(path, second.data(), second.size()));
  EXPECT_EQ(ReadFile(path), second);

  ASSERT_TRUE(WriteFileAtomically(path, nullptr, 0));
  EXPECT_EQ(ReadFile(path), "");
  EXPECT_EQ(ListFolder(root_, "*"), Names{"profile.dat"});
}

TEST_F(FileSystemTest, FailedAtomicWriteKeepsTheOldFile) {
  EXPECT_FALSE(WriteFileAtomically(root_ + "/missing/file.txt", "a", 1));
  EXPECT_FALSE(WriteFileAtomically(root_ + "/", "a", 1));

  // A folder in the way cannot be replaced by a file.
  ASSERT_TRUE(CreateFolderRecursive(root_ + "/taken"));
  WriteFile(root_ + "/taken/keep.txt", "kept");
  EXPECT_FALSE(WriteFileAtomically(root_ + "/taken", "new", 3));
  EXPECT_EQ(ReadFile(root_ + "/taken/keep.txt"), "kept");
  EXPECT_TRUE(ListFolder(root_, "*").empty()) << "the temporary file must be cleaned up";
}

TEST_F(FileSystemTest, ListFolderMatchesWildcardsIgnoringCase) {
  for (const char* name : {"Board.PZL", "alpha.pzl", "beta.txt", "Gamma.pzl", "a.pz", "pzl"}) {
    WriteFile(root_ + "/" + name, "");
  }
  ASSERT_TRUE(CreateFolderRecursive(root_ + "/folder.pzl"));

  EXPECT_EQ(ListFolder(root_, "*.pzl"), (Names{"alpha.pzl", "Board.PZL", "Gamma.pzl"}));
  EXPECT_EQ(ListFolder(root_ + "/", "*.PZL"), (Names{"alpha.pzl", "Board.PZL", "Gamma.pzl"}));
  EXPECT_EQ(ListFolder(root_, "?.pz"), Names{"a.pz"});
  EXPECT_EQ(ListFolder(root_, "*a*.p?l"), (Names{"alpha.pzl", "Board.PZL", "Gamma.pzl"}));
  EXPECT_EQ(ListFolder(root_, "b*"), (Names{"beta.txt", "Board.PZL"}));
  EXPECT_EQ(ListFolder(root_, "pzl"), Names{"pzl"});
  EXPECT_EQ(ListFolder(root_, "**"), (Names{"a.pz", "alpha.pzl", "beta.txt", "Board.PZL", "Gamma.pzl", "pzl"}));
  EXPECT_TRUE(ListFolder(root_, "*.pzl?").empty());
  EXPECT_TRUE(ListFolder(root_, "").empty());
}

}  // namespace
