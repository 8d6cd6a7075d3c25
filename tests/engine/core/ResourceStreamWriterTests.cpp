#include <gtest/gtest.h>

#include "engine/core/ResourceStream.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/support/ServedPlayerFile.h"

#include <limits>

using file_test::Bytes;
using file_test::CatchUlvoException;
using file_test::FakeApplication;
using file_test::ReadFileBytes;
using file_test::RecordingConsole;
using file_test::TemporaryFolder;

namespace {

std::string Contents(const ResourceStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.GetData()),
                     static_cast<size_t>(stream.GetSize()));
}

Bytes ContentBytes(const ResourceStream& stream) {
  return Bytes(stream.GetData(), stream.GetData() + stream.GetSize());
}

// A nested record touching every value type, as the game's records do.
void WriteSampleRecord(ResourceStream& stream) {
  stream.WriteBlockBegin("BoardProgress");
  stream.WriteUInt8(2, "Version");
  stream.WriteInt16(-5);
  stream.WriteBlockBegin("Move history");
  stream.WriteBool(true, "Error state");
  stream.WriteString("a b", "Name");
  stream.WriteBlockEnd();
  stream.WriteBlockEnd();
  stream.WriteFloat(0.1f, "F");
  stream.WriteRgba(Rgba(1, 2, 3, 4), "C");
  stream.WriteVector2(Vector2(1.5f, -2.0f), "V");
}

class WriterTest : public ::testing::Test {
 protected:
  RecordingConsole console;
};

}  // namespace

TEST_F(WriterTest, CommentedTextGolden) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 1024);
  WriteSampleRecord(stream);
  EXPECT_EQ(Contents(stream),
            "\r\n"
            "// BoardProgress\r\n"
            "{\r\n"
            "\t2 // Version\r\n"
            "\t-5 \r\n"
            "\r\n"
            "\t// Move history\r\n"
            "\t{\r\n"
            "\t\ttrue // Error state\r\n"
            "\t\t\"a b\" // Name\r\n"
            "\t}\r\n"
            "}\r\n"
            "\r\n"
            "0.1 // F\r\n"
            "Rgba(1,2,3,4) // C\r\n"
            "Vector2(1.5,-2) // V\r\n");
}

TEST_F(WriterTest, CompactTextGolden) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 1024);
  WriteSampleRecord(stream);
  EXPECT_EQ(Contents(stream),
            "\r\n"
            "// BoardProgress\r\n"
            "{\r\n"
            "\t2 -5 \r\n"
            "\r\n"
            "\t// Move history\r\n"
            "\t{\r\n"
            "\t\ttrue \"a b\" \r\n"
            "\t}\r\n"
            "}\r\n"
            "\r\n"
            "0.1 Rgba(1,2,3,4) Vector2(1.5,-2) ");
}

TEST_F(WriterTest, BinaryGolden) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 1024);
  WriteSampleRecord(stream);
  const Bytes expected = {
      0x01, 0x42, 0x2A, 0xFF,                          // marker
      0x02,                                            // Version
      0xFB, 0xFF,                                      // -5
      0x01,                                            // true
      0x03, 0x00, 0x00, 0x00, 'a',  ' ',  'b',         // "a b"
      0xCD, 0xCC, 0xCC, 0x3D,                          // 0.1f
      0x01, 0x02, 0x03, 0x04,                          // Rgba
      0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0xC0,  // (1.5, -2)
  };
  EXPECT_EQ(ContentBytes(stream), expected);
}

// A label never ends its comment early (the rest would be read as data),
// and a float the reader could not take back is refused.
TEST_F(WriterTest, TextLabelsStayOnTheirLineAndOnlyFiniteFloatsAreWritten) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 64);
  stream.WriteBlockBegin("set\n7 {");
  stream.WriteInt32(5, "puzzle a\r\n9 }");
  for (const float bad : {std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity()}) {
    EXPECT_EQ(CatchUlvoException([&] { stream.WriteFloat(bad); }).title,
              "ResourceStream::WriteFloat");
  }
  stream.WriteBlockEnd();

  const testsupport::ServedPlayerFile served(ContentBytes(stream));
  ResourceStream reader(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "labels.txt"));
  reader.ReadExpectedToken('{');
  EXPECT_EQ(reader.ReadInt32(), 5);
  reader.ReadExpectedToken('}');
  reader.ReadPastWhitespaceAndComments();
  EXPECT_EQ(reader.DataBytesRemaining(), 0);
}

TEST_F(WriterTest, SaveToFileWritesEveryByte) {
  TemporaryFolder folder;
  FakeApplication application(folder.File(""));
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 64);
  WriteSampleRecord(stream);
  console.lines.clear();
  EXPECT_TRUE(stream.SaveToFile(UlvoPath(PATH_MARKER_USER_DATA, "options.pqoptions")));
  EXPECT_EQ(ReadFileBytes(folder.File("options.pqoptions")), ContentBytes(stream));
  EXPECT_EQ(console.lines, std::vector<std::string>{"Writing resource stream (" +
                                                    std::to_string(stream.GetSize()) +
                                                    " bytes) to file \"" + folder.File("") +
                                                    "options.pqoptions\"...\n"});

  EXPECT_FALSE(stream.SaveToFile(UlvoPath(PATH_MARKER_USER_DATA, "no/such/folder/x")));
}

