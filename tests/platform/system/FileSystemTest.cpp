#include "platform/system/FileSystem.h"

#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace platform;
using platform_test::ScopedEnvironment;
using Names = std::vector<std::string>;

class FileSystemTest : public ::testing::Test {
 protected:
  std::string Read(const std::string& name) const {
    const testsupport::Bytes bytes = testsupport::ReadFileBytes(root_ + name);
    return std::string(bytes.begin(), bytes.end());
  }
  void Write(const std::string& name, const std::string& text) const {
    testsupport::WriteFileBytes(root_ + name, testsupport::Bytes(text.begin(), text.end()));
  }

  testsupport::TemporaryFolder folder_;
  const std::string& root_ = folder_.Path();
};

// XDG_DATA_HOME first, then HOME's ".local/share"; never the root itself.
TEST_F(FileSystemTest, UserDataBaseFolderFollowsTheEnvironment) {
  const char* const cases[][3] = {{"/tmp/data-home/", "/home/player", "/tmp/data-home"},
                                  {"", "/home/player", "/home/player/.local/share"},
                                  {nullptr, "/home/player", "/home/player/.local/share"},
                                  {"/", "/", "/.local/share"},
                                  {nullptr, nullptr, ""}};
  for (const auto& [data, home, expected] : cases) {
    ScopedEnvironment dataHome("XDG_DATA_HOME", data), userHome("HOME", home);
    EXPECT_EQ(platform::UserDataBaseFolder(), expected);
  }
}

// Exact bytes, a shorter file replacing a longer one, and on failure the old
// contents kept with no temporary file left behind; folders made at every level.
TEST_F(FileSystemTest, AtomicWriteStoresExactBytesOrKeepsTheOldFile) {
  for (const std::string& text : {std::string("\x00\x01\xFFprofile\r\n", 12), std::string("shorter"), std::string()}) {
    ASSERT_TRUE(WriteFileAtomically(root_ + "/profile.dat", text.data(), text.size()));
    EXPECT_EQ(Read("/profile.dat"), text);
  }
  EXPECT_FALSE(WriteFileAtomically(root_ + "/missing/file.txt", "a", 1));
  EXPECT_FALSE(WriteFileAtomically(root_ + "/", "a", 1));
  ASSERT_TRUE(CreateFolderRecursive(root_ + "/taken/a/b/"));
  EXPECT_TRUE(CreateFolderRecursive(root_ + "/taken/a/b")) << "an existing folder is success";
  EXPECT_FALSE(CreateFolderRecursive(""));
  Write("/taken/keep.txt", "kept");
  EXPECT_FALSE(WriteFileAtomically(root_ + "/taken", "new", 3));
  EXPECT_EQ(Read("/taken/keep.txt"), "kept");
  EXPECT_EQ(ListFolder(root_, "*"), Names{"profile.dat"});
}

// Sorted by name without regard to case, files only.
TEST_F(FileSystemTest, ListFolderMatchesWildcardsIgnoringCase) {
  for (const char* name : {"Board.PZL", "alpha.pzl", "beta.txt", "Gamma.pzl", "a.pz", "pzl"}) Write(std::string("/") + name, "");
  ASSERT_TRUE(CreateFolderRecursive(root_ + "/folder.pzl"));
  const Names pzl = {"alpha.pzl", "Board.PZL", "Gamma.pzl"};
  const std::pair<const char*, Names> cases[] = {
      {"/*.PZL", pzl}, {"?.pz", {"a.pz"}}, {"*a*.p?l", pzl}, {"b*", {"beta.txt", "Board.PZL"}}, {"pzl", {"pzl"}},
      {"**", {"a.pz", "alpha.pzl", "beta.txt", "Board.PZL", "Gamma.pzl", "pzl"}}, {"*.pzl?", {}}, {"", {}}};
  for (const auto& [pattern, names] : cases) {
    const bool slash = pattern[0] == '/';
    EXPECT_EQ(ListFolder(slash ? root_ + "/" : root_, pattern + slash), names) << pattern;
  }
}

}  // namespace
