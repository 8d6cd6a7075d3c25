#include <gtest/gtest.h>

#include "engine/core/ResourceStream.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/support/ServedPlayerFile.h"

#include <limits>

using file_test::Bytes;
using file_test::CatchUlvoException;
using file_test::ConditionLine;
using file_test::FakeApplication;
using file_test::FakePlayerStorage;
using file_test::ReadFileBytes;
using file_test::RecordingConsole;
using file_test::TemporaryFolder;
using file_test::ToBytes;

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

TEST_F(WriterTest, RemainingTokensOfEachEncoding) {
  ResourceStream binary(RESOURCE_STREAM_FORMAT_BINARY, 16);
  EXPECT_EQ(ContentBytes(binary), (Bytes{0x01, 0x42, 0x2A, 0xFF}));
  binary.WriteString("");
  binary.WriteInt32(-2, "ignored");
  binary.WriteUInt16(65535);
  binary.WriteInt8(-1);
  EXPECT_EQ(ContentBytes(binary), (Bytes{0x01, 0x42, 0x2A, 0xFF, 0, 0, 0, 0, 0xFE, 0xFF, 0xFF,
                                         0xFF, 0xFF, 0xFF, 0xFF}));

  ResourceStream text(RESOURCE_STREAM_FORMAT_TEXT, 16);
  text.WriteInt32(5, "Version");
  text.WriteInt32(5);
  text.WriteString("");
  text.WriteFloat(1000000.0f);
  text.WriteFloat(1e-5f);
  text.WriteUInt16(65535);
  text.WriteInt8(-1);
  text.WriteBool(false);
  text.WriteMagic();
  EXPECT_EQ(Contents(text),
            "5 // Version\r\n5 \r\n\"\" \r\n1e+06 \r\n1e-05 \r\n65535 \r\n-1 \r\nfalse \r\n"
            "4280959489 \r\n");
}

TEST_F(WriterTest, CompactBlockKeepsItsValuesOnOneLine) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 64);
  stream.WriteInt32(9, "label is not printed");
  stream.WriteBlockBegin();
  stream.WriteInt32(1);
  stream.WriteInt32(2);
  stream.WriteInt32(3);
  stream.WriteBlockEnd();
  stream.WriteBlockBegin("Next");
  stream.WriteBlockBegin();
  stream.WriteBlockEnd();
  stream.WriteBlockEnd();
  EXPECT_EQ(Contents(stream),
            "9 \r\n\r\n{\r\n\t1 2 3 \r\n}\r\n\r\n// Next\r\n{\r\n\t{\r\n\t}\r\n}\r\n");
}

TEST_F(WriterTest, StringsAreWrittenWhole) {
  const std::string longText(3000, 'x');
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, 16);
  stream.WriteString(longText);
  EXPECT_EQ(Contents(stream), "\"" + longText + "\" ");
}

TEST_F(WriterTest, QuoteInTextStringIsAnAssertion) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 64);
  const auto error = CatchUlvoException([&] { stream.WriteString("say \"hi\""); });
  EXPECT_EQ(error.title, "ResourceStream::WriteString");
  EXPECT_EQ(stream.GetSize(), 0);

  // Binary strings carry their length, so any byte is fine there.
  ResourceStream binary(RESOURCE_STREAM_FORMAT_BINARY, 64);
  binary.WriteString("say \"hi\"");
  EXPECT_EQ(binary.GetSize(), 4 + 4 + 8);
}

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

TEST_F(WriterTest, GrowthFollowsTheCapacityRule) {
  ResourceStream exact(RESOURCE_STREAM_FORMAT_BINARY, 1024);
  exact.WriteString(std::string(1012, 'b'));  // 4 + 4 + 1012 = 1020 bytes
  console.lines.clear();
  exact.WriteInt32(7);  // needs 1024
  EXPECT_EQ(exact.GetCapacity(), 1024);
  exact.WriteUInt8(1);  // needs 1025
  EXPECT_EQ(exact.GetCapacity(), 2049);
  const std::vector<std::string> printed = {
      "ResourceStream::ReserveAtLeast() called; current capacity is 1024, extending to at least "
      "1025\n",
      "ResourceStream::ReserveAtLeast: new capacity will be expanded to 2049 bytes\n",
      "ResourceStream::ReserveAtLeast: finished relocating into newly expanded memory buffer.\n"};
  EXPECT_EQ(console.lines, printed);

  ResourceStream large(RESOURCE_STREAM_FORMAT_BINARY, 10000);
  large.WriteString(std::string(9988, 'c'));  // 4 + 4 + 9988 = 9996 bytes
  large.WriteInt32(1);
  EXPECT_EQ(large.GetCapacity(), 10000);
  large.WriteUInt8(1);
  EXPECT_EQ(large.GetCapacity(), 15000);
  // Relocating kept every byte.
  EXPECT_EQ(large.GetData()[8 + 9987], 'c');
  EXPECT_EQ(large.GetData()[10000], 1);
}

TEST_F(WriterTest, WritingWithoutFormatOrBufferIsAnAssertion) {
  ResourceStream noBuffer(RESOURCE_STREAM_FORMAT_TEXT, 0);
  auto error = CatchUlvoException([&] { noBuffer.WriteInt32(1); });
  EXPECT_EQ(error.message, "No data buffer has yet been allocated to write into!" +
                               ConditionLine("m_startOfData != NULL"));
  EXPECT_EQ(error.title, "ResourceStream::PrepareForWrite");

  TemporaryFolder folder;
  ResourceStream noFormat(UlvoPath(PATH_MARKER_NONE, folder.File("missing")));
  error = CatchUlvoException([&] { noFormat.WriteBool(true); });
  EXPECT_EQ(error.message, "Internal format has not yet been set!" +
                               ConditionLine("m_internalFormat != RESOURCE_STREAM_FORMAT_INVALID"));
}

TEST_F(WriterTest, ReinitialisingLetsGoOfTheOldBuffer) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 64);
  stream.WriteInt32(1);
  console.lines.clear();
  stream.Initialize(RESOURCE_STREAM_FORMAT_BINARY, 8);
  EXPECT_EQ(console.lines,
            std::vector<std::string>{
                "ResourceStream::Initialize: m_startOfData pre-exists!  Calling delete[]...\n"});
  EXPECT_EQ(ContentBytes(stream), (Bytes{0x01, 0x42, 0x2A, 0xFF}));
  EXPECT_EQ(stream.GetCapacity(), 8);
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

TEST_F(WriterTest, SaveToPlayerStorageReportsSuccess) {
  FakePlayerStorage storage;
  ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 1024);
  WriteSampleRecord(stream);
  EXPECT_TRUE(stream.SaveToFile(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile")));
  EXPECT_EQ(FakePlayerStorage::Files()["steamuser.playerProfile"], ContentBytes(stream));
}
