#include "engine/core/FileIO.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoPath.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

using testsupport::Bytes;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

class FileIOTest : public ::testing::Test {
 protected:
  static UlvoPath UserPath(const std::string& name) {
    return UlvoPath(PATH_MARKER_USER_DATA, name);
  }

  testsupport::TemporaryFolder folder;
  file_test::FakeApplication application{folder.File("")};
};

class ListedFileRecorder : public EventRecipient {
 public:
  void Event_OnFileListed(NamedProperties& args) {
    std::string name;
    int size = -1;
    args.Get("File Name", name);
    args.Get("File Size", size);
    files.emplace_back(name, size);
  }
  std::vector<std::pair<std::string, int>> files;
};

}  // namespace

TEST_F(FileIOTest, AMissingFileIsToldFromOneThatCannotBeRead) {
  std::filesystem::create_directory(folder.File("Sub"));
  ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
  // Unreadable even to root, which no file mode is.
  std::filesystem::create_symlink("loop", folder.File("loop"));
  const struct {
    const char* name;
    int32_t result;
  } cases[] = {{"missing.bin", WHOLE_FILE_MISSING}, {"no-folder/missing.bin", WHOLE_FILE_MISSING},
               {"Sub", WHOLE_FILE_UNREADABLE},      {"pipe", WHOLE_FILE_UNREADABLE},
               {"loop", WHOLE_FILE_UNREADABLE}};
  for (const auto& expected : cases) {
    SCOPED_TRACE(expected.name);
    // Whatever the caller's pointer held before is let go.
    std::unique_ptr<unsigned char[]> buffer = std::make_unique<unsigned char[]>(4);
    std::string reason;
    EXPECT_EQ(ReadWholeFile(UserPath(expected.name), buffer, &reason), expected.result);
    EXPECT_EQ(reason.empty(), expected.result == WHOLE_FILE_MISSING) << reason;
    EXPECT_EQ(buffer, nullptr);
  }
}

TEST_F(FileIOTest, WriteReplacesTheFileWithoutLeavingTemporaries) {
  WriteFileBytes(folder.File("profile"), Bytes(30, 'o'));
  const Bytes content = {'n', 'e', 'w'};
  EXPECT_EQ(WriteWholeFile(content.data(), UserPath("profile"), 3), 3);
  EXPECT_EQ(ReadFileBytes(folder.File("profile")), content);
  EXPECT_EQ(WriteWholeFile(nullptr, UserPath("zero"), 0), 0);
  EXPECT_EQ(ReadFileBytes(folder.File("zero")), Bytes());
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"profile", "zero"}));
}

TEST_F(FileIOTest, ListFolderSortsIgnoringCaseAndFiresPerFile) {
  CreateFolder(UserPath("Recipes/Nested.recipes"));
  const std::pair<std::string, int> files[] = {
      {"beta.recipes", 2}, {"Alpha.recipes", 1}, {"gamma.RECIPES", 3}, {"notes.txt", 1}};
  for (const auto& [name, size] : files) {
    WriteFileBytes(folder.File("Recipes/" + name), Bytes(static_cast<size_t>(size), 'x'));
  }
  UlvoEventSystem events;
  ListedFileRecorder recorder;
  RegisterEventHandler("OnLoadRecipesFile", &events, &ListedFileRecorder::Event_OnFileListed,
                       &recorder);

  std::vector<std::string> names = {"stale entry"};
  EXPECT_EQ(&ListFolder(names, "OnLoadRecipesFile", UserPath("Recipes"), "*.recipes"), &names);
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha.recipes", "beta.recipes", "gamma.RECIPES"}));
  EXPECT_EQ(recorder.files, (std::vector<std::pair<std::string, int>>{
                                {"Alpha.recipes", 1}, {"beta.recipes", 2}, {"gamma.RECIPES", 3}}));

  EXPECT_TRUE(ListFolder(names, "", UserPath("Nowhere"), "*").empty());
}

TEST(UlvoPathResolve, EachBaseResolvesAgainstItsFolderWithSlashesOnly) {
  file_test::FakeApplication application("/user/");
  const struct {
    int marker;
    const char* relative;
    const char* resolved;
  } cases[] = {
      {PATH_MARKER_NONE, "a\\b.txt", "a/b.txt"},
      {PATH_MARKER_USER_DATA, "a\\application.log", "/user/a/application.log"},
      {PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile", "/user/steamuser.playerProfile"},
      {PATH_MARKER_DATA, "Puzzles\\Ocean\\Set1.PuzzleSet", "Data/Puzzles/Ocean/Set1.PuzzleSet"},
  };
  for (const auto& c : cases) {
    const UlvoPath path(c.marker, c.relative);
    EXPECT_EQ(path.GetResolvedPath(), c.resolved);
    EXPECT_EQ(path.GetRelativePath(), c.relative) << "kept as the caller gave it";
  }
}

// The hooks serve player storage, under one flat name, only when all three
// are installed.
TEST(UlvoPathPlayerStorage, FewerThanThreeHooksResolveAsUserData) {
  file_test::FakeApplication application("/user/");
  const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, "Profiles/a:b\\c");
  const PlayerStorageReadHook read = [](const UlvoPath&, std::unique_ptr<unsigned char[]>&) {
    return -1;
  };
  const PlayerStorageWriteHook write = [](const UlvoPath&, const unsigned char*, int32_t, std::string*) {
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
  } cases[] = {{"Images/Title.PNG", ".png", true}, {"a.b.png", ".b.png", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(UlvoPath(PATH_MARKER_DATA, c.name).HasExtension(c.extension), c.has) << c.name;
  }
}
