#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ServedPlayerFile.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using testsupport::Bytes;

const Bytes MARKER = {0x01, 0x42, 0x2A, 0xFF};

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes ContentBytes(const ResourceStream& stream) {
  return Bytes(stream.GetData(), stream.GetData() + stream.GetSize());
}

// The stream as the game loads it, served from player storage.
std::unique_ptr<ResourceStream> Load(const Bytes& content) {
  const testsupport::ServedPlayerFile served(content);
  return std::make_unique<ResourceStream>(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "t.txt"));
}
std::unique_ptr<ResourceStream> Load(const std::string& text) { return Load(ToBytes(text)); }

Bytes Binary(const Bytes& body) {
  Bytes bytes = MARKER;
  bytes.insert(bytes.end(), body.begin(), body.end());
  return bytes;
}

class ResourceStreamTest : public ::testing::TestWithParam<ResourceStreamFormat> {
 protected:
  testsupport::RecordingConsole console;
};

// Every value type with the edge values of each, inside nested blocks.
void WriteEveryValue(ResourceStream& stream) {
  stream.WriteBlockBegin("Everything");
  stream.WriteBool(true, "t");
  stream.WriteBool(false);
  stream.WriteInt32(std::numeric_limits<int32_t>::min(), "int32");
  stream.WriteInt32(std::numeric_limits<int32_t>::max());
  stream.WriteInt16(-32768);
  stream.WriteInt16(32767);
  stream.WriteUInt16(65535);
  stream.WriteInt8(-128);
  stream.WriteInt8(127);
  stream.WriteUInt8(255);
  for (const float value : {1e6f, 1e-5f, 0.1f, -3.25f}) stream.WriteFloat(value);
  stream.WriteString("", "empty");
  stream.WriteString("line\r\nbreak // not a comment");
  stream.WriteString(std::string(3000, 'q'));
  stream.WriteRgba(Rgba(255, 0, 128, 7), "colour");
  stream.WriteVector2(Vector2(1.5f, -0.25f));
  stream.WriteBlockEnd();
}

// Reads the sample back; with check, every value must be the one written.
void ReadEveryValue(ResourceStream& stream, bool check) {
  const auto expect = [check](const auto& read, const auto& written) {
    if (check) {
      EXPECT_EQ(read, written);
    }
  };
  const auto brace = [&stream](char token) {
    if (stream.IsTextFormat()) stream.ReadExpectedToken(token);
  };
  brace('{');
  expect(stream.ReadBool(), true);
  expect(stream.ReadBool(), false);
  expect(stream.ReadInt32(), std::numeric_limits<int32_t>::min());
  expect(stream.ReadInt32(), std::numeric_limits<int32_t>::max());
  expect(stream.ReadInt16(), -32768);
  expect(stream.ReadInt16(), 32767);
  expect(stream.ReadUInt16(), 65535);
  expect(stream.ReadInt8(), -128);
  expect(stream.ReadInt8(), 127);
  expect(stream.ReadUInt8(), 255);
  for (const float value : {1e6f, 1e-5f, 0.1f, -3.25f}) expect(stream.ReadFloat(), value);
  expect(stream.ReadString(), std::string());
  expect(stream.ReadString(), std::string("line\r\nbreak // not a comment"));
  expect(stream.ReadString(), std::string(3000, 'q'));
  expect(stream.ReadRgba(), Rgba(255, 0, 128, 7));
  expect(stream.ReadVector2(), Vector2(1.5f, -0.25f));
  brace('}');
}

}  // namespace

TEST_P(ResourceStreamTest, EveryValueReadsBackFromAFileAndEveryCutOfItIsRefused) {
  testsupport::TemporaryFolder folder;
  file_test::FakeApplication application(folder.File(""));
  ResourceStream written(GetParam(), 16);
  WriteEveryValue(written);
  ASSERT_TRUE(written.SaveToFile(UlvoPath(PATH_MARKER_USER_DATA, "record")));
  EXPECT_EQ(testsupport::ReadFileBytes(folder.File("record")), ContentBytes(written));
  EXPECT_FALSE(written.SaveToFile(UlvoPath(PATH_MARKER_USER_DATA, "no/such/folder/x")));

  ResourceStream read(UlvoPath(PATH_MARKER_USER_DATA, "record"));
  ReadEveryValue(read, true);
  read.ReadPastWhitespaceAndComments();
  EXPECT_EQ(read.DataBytesRemaining(), 0);

  // Trailing line breaks after the last "}" carry nothing; any shorter cut
  // raises the stream's error (and reads nothing out of bounds).
  const Bytes full = ContentBytes(written);
  size_t meaningful = full.size();
  while (full[meaningful - 1] == '\r' || full[meaningful - 1] == '\n') --meaningful;
  for (size_t length = 0; length < meaningful; ++length) {
    auto cut = Load(Bytes(full.begin(), full.begin() + static_cast<long>(length)));
    EXPECT_THROW(ReadEveryValue(*cut, false), UlvoException) << "cut at " << length;
  }
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, ResourceStreamTest,
                         ::testing::Values(RESOURCE_STREAM_FORMAT_BINARY,
                                           RESOURCE_STREAM_FORMAT_TEXT_COMPACT,
                                           RESOURCE_STREAM_FORMAT_TEXT));

// The exact bytes of a nested record in each encoding.
TEST(ResourceStreamWriter, EachEncodingWritesTheseBytes) {
  const testsupport::RecordingConsole console;
  const auto write = [](ResourceStream& stream) {
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
  };
  const struct {
    ResourceStreamFormat format;
    Bytes expected;
  } cases[] = {
      {RESOURCE_STREAM_FORMAT_TEXT,
       ToBytes("\r\n// BoardProgress\r\n{\r\n\t2 // Version\r\n\t-5 \r\n\r\n\t// Move history\r\n"
               "\t{\r\n\t\ttrue // Error state\r\n\t\t\"a b\" // Name\r\n\t}\r\n}\r\n\r\n"
               "0.1 // F\r\nRgba(1,2,3,4) // C\r\nVector2(1.5,-2) // V\r\n")},
      {RESOURCE_STREAM_FORMAT_TEXT_COMPACT,
       ToBytes("\r\n// BoardProgress\r\n{\r\n\t2 -5 \r\n\r\n\t// Move history\r\n\t{\r\n"
               "\t\ttrue \"a b\" \r\n\t}\r\n}\r\n\r\n0.1 Rgba(1,2,3,4) Vector2(1.5,-2) ")},
      {RESOURCE_STREAM_FORMAT_BINARY,
       Binary({0x02, 0xFB, 0xFF, 0x01, 0x03, 0x00, 0x00, 0x00, 'a', ' ', 'b', 0xCD, 0xCC, 0xCC,
               0x3D, 0x01, 0x02, 0x03, 0x04, 0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0xC0})},
  };
  for (const auto& c : cases) {
    ResourceStream stream(c.format, 8);
    write(stream);
    EXPECT_EQ(ContentBytes(stream), c.expected) << c.format;
  }
}

// A label never ends its comment early (the rest would be read as data),
// and a float the reader could not take back is refused.
TEST(ResourceStreamWriter, TextLabelsStayOnTheirLineAndOnlyFiniteFloatsAreWritten) {
  const testsupport::RecordingConsole console;
  ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 64);
  stream.WriteBlockBegin("set\n7 {");
  stream.WriteInt32(5, "puzzle a\r\n9 }");
  for (const float bad : {std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity()}) {
    EXPECT_THROW(stream.WriteFloat(bad), UlvoException);
  }
  stream.WriteBlockEnd();

  auto reader = Load(ContentBytes(stream));
  reader->ReadExpectedToken('{');
  EXPECT_EQ(reader->ReadInt32(), 5);
  reader->ReadExpectedToken('}');
  reader->ReadPastWhitespaceAndComments();
  EXPECT_EQ(reader->DataBytesRemaining(), 0);
}

TEST(ResourceStreamReader, TheMarkerAloneMakesAFileBinary) {
  const testsupport::RecordingConsole console;
  const struct {
    Bytes content;
    ResourceStreamFormat format;
    int32_t remaining;
  } cases[] = {
      {ToBytes("12"), RESOURCE_STREAM_FORMAT_TEXT, 2},
      {{0x01, 0x42, 0x2A, 0xFE, '7'}, RESOURCE_STREAM_FORMAT_TEXT, 5},
      {MARKER, RESOURCE_STREAM_FORMAT_BINARY, 0},
      {{}, RESOURCE_STREAM_FORMAT_TEXT, 0},
  };
  for (const auto& c : cases) {
    auto stream = Load(c.content);
    EXPECT_TRUE(stream->IsValid());
    EXPECT_EQ(stream->GetInternalFormat(), c.format) << c.remaining;
    EXPECT_EQ(stream->DataBytesRemaining(), c.remaining);
  }
}

TEST(ResourceStreamReader, TextTokens) {
  const testsupport::RecordingConsole console;
  auto stream = Load(
      "// comment\r\n  42 /* c */ 7\t\v\f/**/-3.5 1-2 // line\n1e-005 1e+06 3.9 -3.9 300 "
      "70000 -1 4294967297 false true \"a b\" Rgba(255,0,300,1) Rgba (1, 2,3 ,4) "
      "Vector2( 0.5 ,-2) AABB2[(1,2),(3,4.5)] Object = { 1, 2, 300, 4 } // last");
  for (const int32_t expected : {42, 7}) EXPECT_EQ(stream->ReadInt32(), expected);
  EXPECT_EQ(stream->ReadFloat(), -3.5f);
  for (const int32_t expected : {1, -2}) EXPECT_EQ(stream->ReadInt32(), expected);
  EXPECT_EQ(stream->ReadFloat(), 1e-5f);
  // Integers are truncated toward zero and keep the low bits of their type.
  for (const int32_t expected : {1000000, 3, -3}) EXPECT_EQ(stream->ReadInt32(), expected);
  EXPECT_EQ(stream->ReadUInt8(), 44);
  EXPECT_EQ(stream->ReadInt16(), 70000 - 65536);
  EXPECT_EQ(stream->ReadUInt16(), 65535);
  EXPECT_EQ(stream->ReadInt32(), 1);
  EXPECT_FALSE(stream->ReadBool());
  EXPECT_TRUE(stream->ReadBool());
  EXPECT_EQ(stream->ReadString(), "a b");
  EXPECT_EQ(stream->ReadRgba(), Rgba(255, 0, 44, 1));
  EXPECT_EQ(stream->ReadRgba(), Rgba(1, 2, 3, 4));
  EXPECT_EQ(stream->ReadVector2(), Vector2(0.5f, -2.0f));
  EXPECT_EQ(stream->ReadAABB2(), AABB2(1.0f, 2.0f, 3.0f, 4.5f));
  unsigned char object[4] = {};
  stream->ReadRawObject(object, 4);
  EXPECT_EQ(Bytes(object, object + 4), (Bytes{1, 2, 44, 4}));
  stream->ReadPastWhitespaceAndComments();
  EXPECT_EQ(stream->DataBytesRemaining(), 0);
}

// A binary string holds at most 32767 characters, a text one 32768.
TEST(ResourceStreamReader, StringLengthsAreBounded) {
  const testsupport::RecordingConsole console;
  Bytes longest = Binary({0xFF, 0x7F, 0x00, 0x00});
  longest.insert(longest.end(), 32767, 'z');
  EXPECT_EQ(Load(longest)->ReadString(), std::string(32767, 'z'));
  const std::string limit(32768, 's');
  EXPECT_EQ(Load("\"" + limit + "\"")->ReadString(), limit);

  // 32768 characters follow the absurd length: only the length refuses them.
  Bytes absurd = Binary({0x00, 0x80, 0x00, 0x00});
  absurd.insert(absurd.end(), 32768, 'z');
  for (const Bytes& refused : {absurd, Binary({0xFF, 0xFF, 0xFF, 0xFF}),
                               Binary({10, 0, 0, 0, 'a', 'b', 'c'}),
                               ToBytes("\"" + limit + "s\"")}) {
    EXPECT_THROW(Load(refused)->ReadString(), UlvoException) << refused.size();
  }
}
