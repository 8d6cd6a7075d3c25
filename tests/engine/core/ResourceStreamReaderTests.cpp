#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "engine/core/ResourceStream.h"
#include "tests/engine/core/FileTestSupport.h"

using file_test::Bytes;
using file_test::CatchUlvoException;
using file_test::ConditionLine;
using file_test::FakeApplication;
using file_test::FakePlayerStorage;
using file_test::RecordingConsole;
using file_test::TemporaryFolder;
using file_test::ToBytes;

namespace {

// Files are served from the in-memory player storage, under their own name.
class ReaderTest : public ::testing::Test {
 protected:
  RecordingConsole console;
  FakePlayerStorage storage;

  std::unique_ptr<ResourceStream> Load(const Bytes& content, const std::string& name = "t.txt") {
    const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, name);
    FakePlayerStorage::Files()[path.GetResolvedPath()] = content;
    return std::make_unique<ResourceStream>(path);
  }
  std::unique_ptr<ResourceStream> Load(const std::string& content,
                                       const std::string& name = "t.txt") {
    return Load(ToBytes(content), name);
  }
};

Bytes Binary(std::initializer_list<unsigned char> values) {
  Bytes bytes = {0x01, 0x42, 0x2A, 0xFF};
  for (const unsigned char value : values) bytes.push_back(value);
  return bytes;
}

struct SampleValues {
  std::string longText = std::string(3000, 'q');
};

// Every value type, with the edge values of each, inside nested blocks.
void WriteEveryValue(ResourceStream& stream) {
  const SampleValues sample;
  stream.WriteBlockBegin("Everything");
  stream.WriteBool(true, "t");
  stream.WriteBool(false, "f");
  stream.WriteInt32(std::numeric_limits<int32_t>::min(), "int32 min");
  stream.WriteInt32(std::numeric_limits<int32_t>::max());
  stream.WriteInt32(-1);
  stream.WriteInt16(-32768, "int16");
  stream.WriteInt16(32767);
  stream.WriteUInt16(65535, "uint16");
  stream.WriteUInt16(0);
  stream.WriteInt8(-1, "int8");
  stream.WriteInt8(-128);
  stream.WriteInt8(127);
  stream.WriteUInt8(255, "uint8");
  stream.WriteUInt8(0);
  stream.WriteBlockBegin("Floats");
  stream.WriteFloat(1e6f, "float");
  stream.WriteFloat(1e-5f);
  stream.WriteFloat(0.1f);
  stream.WriteFloat(-3.25f);
  stream.WriteFloat(0.0f);
  stream.WriteBlockEnd();
  stream.WriteString("", "empty");
  stream.WriteString("two words");
  stream.WriteString("line\r\nbreak // not a comment");
  stream.WriteString(sample.longText);
  stream.WriteRgba(Rgba(255, 0, 128, 7), "colour");
  stream.WriteVector2(Vector2(1.5f, -0.25f), "vector");
  stream.WriteVector2(Vector2(1e6f, 1e-5f));
  stream.WriteBlockEnd();
}

void ReadBlockBegin(ResourceStream& stream) {
  if (stream.IsTextFormat()) {
    stream.ReadExpectedToken('{');
  }
}

void ReadBlockEnd(ResourceStream& stream) {
  if (stream.IsTextFormat()) {
    stream.ReadExpectedToken('}');
  }
}

void ReadAndCheckEveryValue(ResourceStream& stream) {
  const SampleValues sample;
  ReadBlockBegin(stream);
  EXPECT_TRUE(stream.ReadBool());
  EXPECT_FALSE(stream.ReadBool());
  EXPECT_EQ(stream.ReadInt32(), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(stream.ReadInt32(), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(stream.ReadInt32(), -1);
  EXPECT_EQ(stream.ReadInt16(), -32768);
  EXPECT_EQ(stream.ReadInt16(), 32767);
  EXPECT_EQ(stream.ReadUInt16(), 65535);
  EXPECT_EQ(stream.ReadUInt16(), 0);
  EXPECT_EQ(stream.ReadInt8(), -1);
  EXPECT_EQ(stream.ReadInt8(), -128);
  EXPECT_EQ(stream.ReadInt8(), 127);
  EXPECT_EQ(stream.ReadUInt8(), 255);
  EXPECT_EQ(stream.ReadUInt8(), 0);
  ReadBlockBegin(stream);
  EXPECT_EQ(stream.ReadFloat(), 1e6f);
  EXPECT_EQ(stream.ReadFloat(), 1e-5f);
  EXPECT_EQ(stream.ReadFloat(), 0.1f);
  EXPECT_EQ(stream.ReadFloat(), -3.25f);
  EXPECT_EQ(stream.ReadFloat(), 0.0f);
  ReadBlockEnd(stream);
  EXPECT_EQ(stream.ReadString(), "");
  EXPECT_EQ(stream.ReadString(), "two words");
  EXPECT_EQ(stream.ReadString(), "line\r\nbreak // not a comment");
  EXPECT_EQ(stream.ReadString(), sample.longText);
  EXPECT_EQ(stream.ReadRgba(), Rgba(255, 0, 128, 7));
  EXPECT_EQ(stream.ReadVector2(), Vector2(1.5f, -0.25f));
  EXPECT_EQ(stream.ReadVector2(), Vector2(1e6f, 1e-5f));
  ReadBlockEnd(stream);
}

// Reads the sample without checking values: only whether it gets through.
void ReadEveryValue(ResourceStream& stream) {
  ReadBlockBegin(stream);
  stream.ReadBool();
  stream.ReadBool();
  for (int i = 0; i < 3; ++i) stream.ReadInt32();
  for (int i = 0; i < 2; ++i) stream.ReadInt16();
  for (int i = 0; i < 2; ++i) stream.ReadUInt16();
  for (int i = 0; i < 3; ++i) stream.ReadInt8();
  for (int i = 0; i < 2; ++i) stream.ReadUInt8();
  ReadBlockBegin(stream);
  for (int i = 0; i < 5; ++i) stream.ReadFloat();
  ReadBlockEnd(stream);
  for (int i = 0; i < 4; ++i) stream.ReadString();
  stream.ReadRgba();
  stream.ReadVector2();
  stream.ReadVector2();
  ReadBlockEnd(stream);
}

class RoundTripTest : public ::testing::TestWithParam<ResourceStreamFormat> {
 protected:
  RecordingConsole console;
  TemporaryFolder folder;
  FakeApplication application{folder.File("")};
};

}  // namespace

TEST_P(RoundTripTest, EveryValueTypeReadsBackFromAFile) {
  ResourceStream written(GetParam(), 256);
  WriteEveryValue(written);
  const UlvoPath path(PATH_MARKER_USER_DATA, "record");
  ASSERT_TRUE(written.SaveToFile(path));

  ResourceStream read(path);
  ASSERT_TRUE(read.IsValid());
  EXPECT_EQ(read.IsTextFormat(), GetParam() != RESOURCE_STREAM_FORMAT_BINARY);
  ReadAndCheckEveryValue(read);
  read.ReadPastWhitespaceAndComments();
  EXPECT_EQ(read.DataBytesRemaining(), 0);
}

// Every cut of the file short of its end raises the stream's error; none
// reads out of bounds (the sanitizer build checks that).
TEST_P(RoundTripTest, TruncatedFileRaisesAtEveryLength) {
  ResourceStream written(GetParam(), 256);
  WriteEveryValue(written);
  std::string full(reinterpret_cast<const char*>(written.GetData()),
                   static_cast<size_t>(written.GetSize()));
  // Trailing line breaks after the last "}" carry nothing.
  const size_t meaningful = full.find_last_not_of("\r\n") + 1;

  FakePlayerStorage storage;
  const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, "cut");
  for (size_t length = 0; length < meaningful; ++length) {
    FakePlayerStorage::Files()["cut"] = ToBytes(full.substr(0, length));
    ResourceStream read(path);
    ASSERT_TRUE(read.IsValid());
    EXPECT_THROW(ReadEveryValue(read), UlvoException) << "cut at " << length;
  }
}

INSTANTIATE_TEST_SUITE_P(AllEncodings, RoundTripTest,
                         ::testing::Values(RESOURCE_STREAM_FORMAT_BINARY,
                                           RESOURCE_STREAM_FORMAT_TEXT_COMPACT,
                                           RESOURCE_STREAM_FORMAT_TEXT));

TEST_F(ReaderTest, LoadDetectsTheEncoding) {
  auto text = Load("12");
  EXPECT_TRUE(text->IsValid());
  EXPECT_EQ(text->GetInternalFormat(), RESOURCE_STREAM_FORMAT_TEXT);
  EXPECT_EQ(text->DataBytesRemaining(), 2);

  auto almost = Load(Bytes{0x01, 0x42, 0x2A, 0xFE, '7'});
  EXPECT_EQ(almost->GetInternalFormat(), RESOURCE_STREAM_FORMAT_TEXT);
  EXPECT_EQ(almost->DataBytesRemaining(), 5);

  auto binary = Load(Binary({9}));
  EXPECT_EQ(binary->GetInternalFormat(), RESOURCE_STREAM_FORMAT_BINARY);
  EXPECT_FALSE(binary->IsTextFormat());
  EXPECT_EQ(binary->DataBytesRemaining(), 1);
  EXPECT_EQ(binary->ReadUInt8(), 9);

  auto empty = Load("");
  EXPECT_TRUE(empty->IsValid());
  EXPECT_EQ(empty->GetSize(), 0);
}

TEST_F(ReaderTest, TextSkipsWhitespaceAndComments) {
  auto stream = Load("// comment\r\n  42 /* c */ 7\t\v\f/**/-3.5 1-2 42 // last");
  EXPECT_EQ(stream->ReadInt32(), 42);
  EXPECT_EQ(stream->ReadInt32(), 7);
  EXPECT_EQ(stream->ReadFloat(), -3.5f);
  EXPECT_EQ(stream->ReadInt32(), 1);
  EXPECT_EQ(stream->ReadInt32(), -2);
  EXPECT_EQ(stream->ReadInt32(), 42);
  stream->ReadPastWhitespaceAndComments();
  EXPECT_EQ(stream->DataBytesRemaining(), 0);
}

TEST_F(ReaderTest, TextNumbers) {
  auto stream = Load("1e-005 2.5E+3 1e+06 3.9 -3.9 300 70000 -1 4294967297 0.1");
  EXPECT_EQ(stream->ReadFloat(), 1e-5f);
  EXPECT_EQ(stream->ReadFloat(), 2500.0f);
  EXPECT_EQ(stream->ReadInt32(), 1000000);
  EXPECT_EQ(stream->ReadInt32(), 3);
  EXPECT_EQ(stream->ReadInt32(), -3);
  EXPECT_EQ(stream->ReadUInt8(), 44);
  EXPECT_EQ(stream->ReadInt16(), 70000 - 65536);
  EXPECT_EQ(stream->ReadUInt16(), 65535);
  EXPECT_EQ(stream->ReadInt32(), 1);
  EXPECT_DOUBLE_EQ(stream->ReadTextNumber(), 0.1);
}

TEST_F(ReaderTest, TextBoolsStringsAndCompounds) {
  auto stream = Load(
      "false true \"a b\" \"\" Rgba(255,0,300,1) Rgba (1, 2,3 ,4) Vector2( 0.5 ,-2) "
      "AABB2[(1,2),(3,4.5)] Object = { 1, 2, 300, 4 }");
  EXPECT_FALSE(stream->ReadBool());
  EXPECT_TRUE(stream->ReadBool());
  EXPECT_EQ(stream->ReadString(), "a b");
  EXPECT_EQ(stream->ReadString(), "");
  EXPECT_EQ(stream->ReadRgba(), Rgba(255, 0, 44, 1));
  EXPECT_EQ(stream->ReadRgba(), Rgba(1, 2, 3, 4));
  EXPECT_EQ(stream->ReadVector2(), Vector2(0.5f, -2.0f));
  const AABB2 box = stream->ReadAABB2();
  EXPECT_EQ(box.mins, Vector2(1.0f, 2.0f));
  EXPECT_EQ(box.maxs, Vector2(3.0f, 4.5f));
  unsigned char object[4] = {};
  stream->ReadRawObject(object, 4);
  EXPECT_EQ(Bytes(object, object + 4), (Bytes{1, 2, 44, 4}));
}

TEST_F(ReaderTest, BinaryStringLengthsAreBounded) {
  Bytes longest = Binary({0xFF, 0x7F, 0x00, 0x00});  // 32767
  longest.insert(longest.end(), 32767, 'z');
  EXPECT_EQ(Load(longest, "longest")->ReadString(), std::string(32767, 'z'));

  auto absurd = Load(Binary({0x00, 0x80, 0x00, 0x00}), "absurd.bin");  // 32768
  auto error = CatchUlvoException([&] { absurd->ReadString(); });
  EXPECT_EQ(error.message,
            "Got an absurd string-length to read (32768) in ResourceStream \"absurd.bin\"." +
                ConditionLine("stringLength >= 0 && stringLength < maxCharsToRead"));
  EXPECT_EQ(error.title, "ResourceStream::ReadString()");

  auto negative = Load(Binary({0xFF, 0xFF, 0xFF, 0xFF}), "negative.bin");
  error = CatchUlvoException([&] { negative->ReadString(); });
  EXPECT_EQ(error.message.rfind("Got an absurd string-length to read (-1) in ResourceStream", 0),
            0u);

  auto shortFile = Load(Binary({10, 0, 0, 0, 'a', 'b', 'c'}));
  error = CatchUlvoException([&] { shortFile->ReadString(); });
  EXPECT_EQ(error.message,
            "Trying to read 10 chars into a string, but only 3 bytes remain in RS buffer!" +
                ConditionLine("stringLength <= DataBytesRemaining()"));
}

TEST_F(ReaderTest, TextStringLimit) {
  const std::string limit(32768, 's');
  EXPECT_EQ(Load("\"" + limit + "\"")->ReadString(), limit);
  const auto error = CatchUlvoException([&] { Load("\"" + limit + "s\"")->ReadString(); });
  EXPECT_EQ(error.message, "Exceeded limit of 32768 bytes to read for text-mode string!" +
                               ConditionLine("(writePtr - destinationBuffer) < maxCharsToRead"));
  EXPECT_EQ(error.title, "ResourceStream::ReadString()");
}
