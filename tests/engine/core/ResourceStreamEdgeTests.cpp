// The edges of reading and writing resource streams and of renaming files
// that player storage serves.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/FileIO.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ServedPlayerFile.h"

namespace {

std::unique_ptr<ResourceStream> Served(const std::string& text) {
  const testsupport::ServedPlayerFile served(std::vector<uint8_t>(text.begin(), text.end()));
  return std::make_unique<ResourceStream>(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "t.txt"));
}

// A comment may close on the file's last two bytes; one left open is an
// error, not a read past the end.
TEST(ResourceStreamEdges, ABlockCommentMayEndTheFileButMustBeClosed) {
  const testsupport::RecordingConsole console;
  auto closed = Served("7 /* done */");
  EXPECT_EQ(closed->ReadInt32(), 7);
  closed->ReadPastWhitespaceAndComments();
  EXPECT_EQ(closed->DataBytesRemaining(), 0);
  auto open = Served("7 /* never done *");
  EXPECT_EQ(open->ReadInt32(), 7);
  EXPECT_THROW(open->ReadPastWhitespaceAndComments(), UlvoException);
}

// A number must be whole up to where its characters end.
TEST(ResourceStreamEdges, APartNumberIsRefused) {
  const testsupport::RecordingConsole console;
  for (const char* text : {"-", "1e+", "1.2.3", "+-4"}) {
    EXPECT_THROW(Served(text)->ReadFloat(), UlvoException) << text;
  }
}

// A number fills at most 1023 characters of its buffer: one that ends
// there reads only at the end of the file.
TEST(ResourceStreamEdges, ANumberLongerThanItsBufferIsRefused) {
  const testsupport::RecordingConsole console;
  const struct {
    size_t digits;
    const char* after;
    bool refused;
  } rows[] = {{1022, " ", false}, {1023, "", false}, {1023, " ", true}, {1024, "", true}};
  for (const auto& row : rows) {
    auto stream = Served(std::string(row.digits, '0') + row.after);
    if (!row.refused) {
      EXPECT_EQ(stream->ReadInt32(), 0) << row.digits;
      continue;
    }
    const testsupport::CaughtError error = testsupport::CatchUlvoException([&] { stream->ReadInt32(); });
    EXPECT_EQ(error.message, "Buffer size was insufficient at 1024 bytes!") << row.digits;
  }
}

// A block cannot be closed that was never opened.
TEST(ResourceStreamEdges, OnlyAnOpenBlockCanBeClosed) {
  const testsupport::RecordingConsole console;
  ResourceStream text(RESOURCE_STREAM_FORMAT_TEXT, 8);
  text.WriteBlockBegin("One");
  text.WriteBlockEnd();
  EXPECT_THROW(text.WriteBlockEnd(), UlvoException);
}

bool s_renameResult = false;
int s_renames = 0;
bool RecordRename(const UlvoPath&, const UlvoPath&) {
  ++s_renames;
  return s_renameResult;
}

// While player storage serves files, only its rename hook renames them,
// and the hook's answer is the caller's; without one nothing is renamed.
TEST(RenameFileTest, PlayerStorageFilesAreRenamedByItsHookOnly) {
  const testsupport::ServedPlayerFile served({});
  const UlvoPath from(PATH_MARKER_PLAYER_STORAGE, "a.txt");
  const UlvoPath to(PATH_MARKER_PLAYER_STORAGE, "b.txt");
  EXPECT_FALSE(RenameFile(from, to));
  playerStorageRenameHook = &RecordRename;
  for (const bool result : {false, true}) {
    s_renameResult = result;
    EXPECT_EQ(RenameFile(from, to), result);
  }
  playerStorageRenameHook = nullptr;
  EXPECT_EQ(s_renames, 2);
}

}  // namespace
