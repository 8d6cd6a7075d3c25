#include "engine/core/FileIO.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "engine/core/UlvoEventSystem.h"
#include "tests/engine/core/FileTestSupport.h"

using file_test::Bytes;
using file_test::FakeApplication;
using file_test::ReadFileBytes;
using file_test::TemporaryFolder;
using file_test::ToBytes;
using file_test::WriteFileBytes;

namespace {

class FileIOTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  FakeApplication application{folder.File("")};

  UlvoPath UserPath(const std::string& name) const {
    return UlvoPath(PATH_MARKER_USER_DATA, name);
  }
  Bytes BufferBytes(const std::unique_ptr<unsigned char[]>& buffer, int32_t count) const {
    return Bytes(buffer.get(), buffer.get() + count);
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

}  // namespace

TEST_F(FileIOTest, ReadsAWholeFile) {
  const Bytes content = {0x01, 0x42, 0x2A, 0xFF, 0x00, 0x7F};
  WriteFileBytes(folder.File("data.bin"), content);
  std::unique_ptr<unsigned char[]> buffer;
  const int32_t count = ReadWholeFile(UserPath("data.bin"), buffer);
  ASSERT_EQ(count, 6);
  EXPECT_EQ(BufferBytes(buffer, count), content);
}

TEST_F(FileIOTest, AMissingFileIsToldFromOneThatCannotBeRead) {
  std::filesystem::create_directory(folder.File("Sub"));
  ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
  // Unreadable even to root, which no file mode is.
  std::filesystem::create_symlink("loop", folder.File("loop"));
  const struct {
    const char* name;
    int32_t result;
    const char* reason;
  } cases[] = {
      {"missing.bin", WHOLE_FILE_MISSING, ""},
      {"no-folder/missing.bin", WHOLE_FILE_MISSING, ""},
      {"Sub", WHOLE_FILE_UNREADABLE, "Is a directory"},
      {"pipe", WHOLE_FILE_UNREADABLE, "Not a regular file"},
      {"loop", WHOLE_FILE_UNREADABLE, "Too many levels of symbolic links"},
  };
  for (const auto& expected : cases) {
    SCOPED_TRACE(expected.name);
    // Whatever the caller's pointer held before is let go.
    std::unique_ptr<unsigned char[]> buffer = std::make_unique<unsigned char[]>(4);
    std::string reason;
    EXPECT_EQ(ReadWholeFile(UserPath(expected.name), buffer, &reason), expected.result);
    EXPECT_EQ(reason, expected.reason);
    EXPECT_EQ(buffer, nullptr);
  }
}

TEST_F(FileIOTest, WriteReplacesTheFileWithoutLeavingTemporaries) {
  WriteFileBytes(folder.File("profile"), ToBytes("an older and longer profile"));
  const Bytes content = ToBytes("new");
  EXPECT_EQ(WriteWholeFile(content.data(), UserPath("profile"), 3), 3);
  EXPECT_EQ(ReadFileBytes(folder.File("profile")), content);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"profile"});

  EXPECT_EQ(WriteWholeFile(nullptr, UserPath("zero"), 0), 0);
  EXPECT_EQ(ReadFileBytes(folder.File("zero")), Bytes());
}

namespace {

class ListedFileRecorder : public EventRecipient {
 public:
  void Event_OnFileListed(NamedProperties& args) {
    std::string name;
    int size = -1;
    EXPECT_EQ(args.Get("File Name", name), PROPERTY_FETCH_OK);
    EXPECT_EQ(args.Get("File Size", size), PROPERTY_FETCH_OK);
    files.emplace_back(name, size);
  }
  std::vector<std::pair<std::string, int>> files;
};

}  // namespace

TEST_F(FileIOTest, ListFolderSortsIgnoringCaseAndFiresPerFile) {
  CreateFolder(UserPath("Recipes/Nested.recipes"));
  WriteFileBytes(folder.File("Recipes/beta.recipes"), ToBytes("bb"));
  WriteFileBytes(folder.File("Recipes/Alpha.recipes"), ToBytes("a"));
  WriteFileBytes(folder.File("Recipes/gamma.RECIPES"), ToBytes("ggg"));
  WriteFileBytes(folder.File("Recipes/notes.txt"), ToBytes("n"));

  UlvoEventSystem events;
  ListedFileRecorder recorder;
  RegisterEventHandler("OnLoadRecipesFile", &events, &ListedFileRecorder::Event_OnFileListed,
                       &recorder);

  std::vector<std::string> names = {"stale entry"};
  std::vector<std::string>& result =
      ListFolder(names, "OnLoadRecipesFile", UserPath("Recipes"), "*.recipes");
  EXPECT_EQ(&result, &names);
  const std::vector<std::string> expected = {"Alpha.recipes", "beta.recipes", "gamma.RECIPES"};
  EXPECT_EQ(names, expected);
  const std::vector<std::pair<std::string, int>> fired = {
      {"Alpha.recipes", 1}, {"beta.recipes", 2}, {"gamma.RECIPES", 3}};
  EXPECT_EQ(recorder.files, fired);

  recorder.files.clear();
  EXPECT_EQ(ListFolder(names, "", UserPath("Recipes"), "*.txt"),
            std::vector<std::string>{"notes.txt"});
  EXPECT_TRUE(ListFolder(names, "OnLoadRecipesFile", UserPath("Recipes"), "*.png").empty());
  EXPECT_TRUE(ListFolder(names, "OnLoadRecipesFile", UserPath("Nowhere"), "*").empty());
  EXPECT_TRUE(recorder.files.empty());
}
