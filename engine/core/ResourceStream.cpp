#include "engine/core/ResourceStream.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "engine/core/Diagnostics.h"
#include "engine/core/FileIO.h"

namespace {

constexpr int32_t MAX_STRING_LENGTH = 32768;
constexpr int32_t NUMERIC_BUFFER_SIZE = 1024;
constexpr int32_t CONTEXT_CHARACTERS_BEFORE = 320;
constexpr int32_t CONTEXT_CHARACTERS_AFTER = 80;

// The C library's white space, spelled out so no locale can change it.
bool IsWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentMark(char c) { return c == 'e' || c == 'E'; }

// A number token: digits, '.', an exponent mark after the first character,
// and a sign either first ('-' only) or right after the exponent mark.
bool ContinuesNumber(const std::string& sofar, char c) {
  if (IsDigit(c) || c == '.') {
    return true;
  }
  if (sofar.empty()) {
    return c == '-';
  }
  if (IsExponentMark(c)) {
    return true;
  }
  return (c == '-' || c == '+') && IsExponentMark(sofar.back());
}

uint32_t FloatBits(float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof(bits));
  return bits;
}

float FloatFromBits(uint32_t bits) {
  float value = 0.0f;
  std::memcpy(&value, &bits, sizeof(value));
  return value;
}

// The text reader takes only finite numbers, so nothing else is written.
std::string FormatFloat(float value) {
  ULVO_ASSERT(std::isfinite(value),
              Stringf("Cannot write %g in text form: only finite numbers read back.",
                      static_cast<double>(value)),
              "ResourceStream::WriteFloat");
  return Stringf("%g", static_cast<double>(value));
}

// A label is a "//" comment to the end of its line: a line break inside
// would turn the rest of the label into values on reading.
std::string OnOneLine(const char* label) {
  std::string text = label;
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

}  // namespace

ResourceStream::ResourceStream(ResourceStreamFormat format, int32_t initialCapacity) {
  Initialize(format, initialCapacity);
}

ResourceStream::ResourceStream(const UlvoPath& path) : m_path(path) {
  ConsolePrintf(
      "ResourceSteam being contructed from UlvoPath, relative \"%s\" to marker #%d, resolved "
      "\"%s\".\n",
      path.GetRelativePath().c_str(), path.GetMarker(), path.GetResolvedPath().c_str());
  Load(path);
  ConsolePrintf(
      "Finished loading ResourceStream from file \"%s\"; resource stream contains %d bytes "
      "(capacity=%d).\n",
      path.GetResolvedPath().c_str(), m_size, m_capacity);
}

void ResourceStream::ReleaseBuffer() {
  if (m_startOfData) {
    ConsolePrintf("ResourceStream::Initialize: m_startOfData pre-exists!  Calling delete[]...\n");
    m_startOfData.reset();
  }
}

void ResourceStream::Initialize(ResourceStreamFormat format, int32_t capacity) {
  ReleaseBuffer();
  m_internalFormat = format;
  m_readPosition = 0;
  m_size = 0;
  m_unreadableReason.clear();
  m_capacity = std::max<int32_t>(capacity, 0);
  m_indentDepth = 0;
  m_atLineStart = true;
  m_justOpenedBlock = false;
  m_breakPending = false;
  if (m_capacity >= 1) {
    m_startOfData = std::make_unique<unsigned char[]>(static_cast<size_t>(m_capacity));
  }
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    WriteMagic();
  }
}

bool ResourceStream::Load(const UlvoPath& path) {
  m_internalFormat = RESOURCE_STREAM_FORMAT_INVALID;
  m_readPosition = 0;
  m_size = 0;
  m_capacity = 0;
  ReleaseBuffer();

  m_unreadableReason.clear();
  std::unique_ptr<unsigned char[]> buffer;
  const int32_t bytesRead = ReadWholeFile(path, buffer, &m_unreadableReason);
  m_path = path;
  if (bytesRead < 0 || !buffer) {
    return false;
  }

  m_startOfData = std::move(buffer);
  m_size = bytesRead;
  m_capacity = bytesRead;
  m_internalFormat = RESOURCE_STREAM_FORMAT_TEXT;
  if (m_size >= 4) {
    if (ReadLittleEndian(4) == RESOURCE_STREAM_BINARY_MARKER) {
      m_internalFormat = RESOURCE_STREAM_FORMAT_BINARY;
    } else {
      m_readPosition = 0;
    }
  }
  return true;
}

bool ResourceStream::SaveToFile(const UlvoPath& path, std::string* error) const {
  ConsolePrintf("Writing resource stream (%d bytes) to file \"%s\"...\n", m_size,
                path.GetResolvedPath().c_str());
  return WriteWholeFile(m_startOfData.get(), path, m_size, error) == m_size;
}

// ---------------------------------------------------------------- writing

void ResourceStream::PrepareForWrite(int32_t numBytes) {
  ULVO_ASSERT(m_internalFormat != RESOURCE_STREAM_FORMAT_INVALID,
              "Internal format has not yet been set!", "ResourceStream::PrepareForWrite");
  ULVO_ASSERT(m_startOfData != NULL, "No data buffer has yet been allocated to write into!",
              "ResourceStream::PrepareForWrite");
  if (m_capacity - m_size < numBytes) {
    ReserveAtLeast(static_cast<int64_t>(m_size) + numBytes);
  }
}

void ResourceStream::ReserveAtLeast(int64_t neededCapacity) {
  if (neededCapacity <= m_capacity) {
    return;
  }
  constexpr int64_t maxCapacity = std::numeric_limits<int32_t>::max();
  ULVO_ASSERT(neededCapacity <= maxCapacity, "A resource stream cannot grow beyond 2 GB!",
              "ResourceStream::ReserveAtLeast");
  ConsolePrintf(
      "ResourceStream::ReserveAtLeast() called; current capacity is %d, extending to at least "
      "%d\n",
      m_capacity, static_cast<int32_t>(neededCapacity));
  const int64_t grown = std::max(neededCapacity + 1024, static_cast<int64_t>(m_capacity) * 3 / 2);
  const int32_t newCapacity = static_cast<int32_t>(std::min(grown, maxCapacity));
  ConsolePrintf("ResourceStream::ReserveAtLeast: new capacity will be expanded to %d bytes\n",
                newCapacity);
  std::unique_ptr<unsigned char[]> newBuffer =
      std::make_unique<unsigned char[]>(static_cast<size_t>(newCapacity));
  std::memcpy(newBuffer.get(), m_startOfData.get(), static_cast<size_t>(m_size));
  m_startOfData = std::move(newBuffer);
  m_capacity = newCapacity;
  ConsolePrintf(
      "ResourceStream::ReserveAtLeast: finished relocating into newly expanded memory buffer.\n");
}

void ResourceStream::AppendBytes(const void* bytes, int32_t numBytes) {
  PrepareForWrite(numBytes);
  if (numBytes > 0) {
    std::memcpy(m_startOfData.get() + m_size, bytes, static_cast<size_t>(numBytes));
  }
  m_size += numBytes;
  m_atLineStart = false;
  m_justOpenedBlock = false;
  m_breakPending = false;
}

void ResourceStream::AppendLittleEndian(uint64_t value, int numBytes) {
  unsigned char bytes[8];
  for (int i = 0; i < numBytes; ++i) {
    bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  }
  AppendBytes(bytes, numBytes);
}

void ResourceStream::WriteIndentedString(const std::string& text) {
  if (m_breakPending) {
    WriteNewline();
  }
  if (m_atLineStart && m_indentDepth > 0) {
    WriteRawString(std::string(static_cast<size_t>(m_indentDepth), '\t'));
  }
  WriteRawString(text);
}

void ResourceStream::WriteRawString(const std::string& text) {
  ULVO_ASSERT(text.size() <= static_cast<size_t>(std::numeric_limits<int32_t>::max()),
              "A text of 2 GB or more cannot be written!", "ResourceStream::WriteRawString");
  AppendBytes(text.data(), static_cast<int32_t>(text.size()));
}

void ResourceStream::WriteNewline() {
  WriteRawString("\r\n");
  m_atLineStart = true;
}

void ResourceStream::WriteComment(const char* label) {
  if (m_internalFormat != RESOURCE_STREAM_FORMAT_TEXT) {
    return;
  }
  if (label != nullptr) {
    WriteRawString("// " + OnOneLine(label));
  }
  WriteNewline();
}

void ResourceStream::WriteTextValue(const std::string& token, const char* label) {
  WriteIndentedString(token + " ");
  WriteComment(label);
}

void ResourceStream::WriteBool(bool value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    WriteUInt8(value ? 1 : 0);
  } else {
    WriteTextValue(value ? "true" : "false", label);
  }
}

void ResourceStream::WriteInt32(int32_t value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(static_cast<uint32_t>(value), 4);
  } else {
    WriteTextValue(Stringf("%d", value), label);
  }
}

void ResourceStream::WriteInt16(int16_t value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(static_cast<uint16_t>(value), 2);
  } else {
    WriteTextValue(Stringf("%d", value), label);
  }
}

void ResourceStream::WriteUInt16(uint16_t value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(value, 2);
  } else {
    WriteTextValue(Stringf("%u", static_cast<unsigned>(value)), label);
  }
}

void ResourceStream::WriteInt8(int8_t value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(static_cast<uint8_t>(value), 1);
  } else {
    WriteTextValue(Stringf("%d", value), label);
  }
}

void ResourceStream::WriteUInt8(uint8_t value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(value, 1);
  } else {
    WriteTextValue(Stringf("%d", value), label);
  }
}

void ResourceStream::WriteFloat(float value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(FloatBits(value), 4);
  } else {
    WriteTextValue(FormatFloat(value), label);
  }
}

void ResourceStream::WriteString(const std::string& value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    ULVO_ASSERT(value.size() <= static_cast<size_t>(std::numeric_limits<int32_t>::max()),
                "A string of 2 GB or more cannot be written!", "ResourceStream::WriteString");
    WriteInt32(static_cast<int32_t>(value.size()));
    AppendBytes(value.data(), static_cast<int32_t>(value.size()));
    return;
  }
  // Nothing is escaped, so a quote inside would end the string on reading.
  ULVO_ASSERT(value.find('"') == std::string::npos,
              Stringf("Cannot write a string holding a double quote in text form: \"%s\"",
                      value.c_str()),
              "ResourceStream::WriteString");
  WriteTextValue("\"" + value + "\"", label);
}

void ResourceStream::WriteRgba(const Rgba& value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    const unsigned char bytes[4] = {value.r, value.g, value.b, value.a};
    AppendBytes(bytes, 4);
  } else {
    WriteTextValue(Stringf("Rgba(%d,%d,%d,%d)", value.r, value.g, value.b, value.a), label);
  }
}

void ResourceStream::WriteVector2(const Vector2& value, const char* label) {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(FloatBits(value.x), 4);
    AppendLittleEndian(FloatBits(value.y), 4);
  } else {
    WriteTextValue(
        Stringf("Vector2(%s,%s)", FormatFloat(value.x).c_str(), FormatFloat(value.y).c_str()),
        label);
  }
}

void ResourceStream::WriteMagic() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    AppendLittleEndian(RESOURCE_STREAM_BINARY_MARKER, 4);
  } else {
    WriteTextValue(Stringf("%u", RESOURCE_STREAM_BINARY_MARKER), nullptr);
  }
}

void ResourceStream::WriteBlockBegin(const char* label) {
  if (!IsTextFormat()) {
    return;
  }
  // Exactly one blank line before a block, except right inside another.
  if (!m_justOpenedBlock) {
    if (!m_atLineStart) {
      WriteNewline();
    }
    WriteNewline();
  }
  if (label != nullptr) {
    WriteIndentedString("// " + OnOneLine(label));
    WriteNewline();
  }
  WriteIndentedString("{");
  ++m_indentDepth;
  WriteNewline();
  m_justOpenedBlock = true;
}

void ResourceStream::WriteBlockEnd() {
  if (!IsTextFormat()) {
    return;
  }
  ULVO_ASSERT(m_indentDepth > 0, "WriteBlockEnd without an open block!",
              "ResourceStream::WriteBlockEnd");
  --m_indentDepth;
  if (!m_atLineStart) {
    WriteNewline();
  }
  m_breakPending = false;
  WriteIndentedString("}");
  WriteNewline();
  m_justOpenedBlock = false;
  // Whatever follows the block starts after a blank line.
  m_breakPending = true;
}

// ---------------------------------------------------------------- reading

void ResourceStream::ReadBytesDirectly(void* destination, int32_t numBytesToRead) {
  ULVO_ASSERT(IsValid(), "ResourceStream is invalid!", "ResourceStream::ReadBytesDirectly");
  ULVO_ASSERT(numBytesToRead >= 0, Stringf("Tried to read %d bytes!", numBytesToRead),
              "ResourceStream::ReadBytesDirectly");
  ULVO_ASSERT(DataBytesRemaining() >= numBytesToRead,
              Stringf("Tried to read %d bytes; only %d remain in buffer!", numBytesToRead,
                      DataBytesRemaining()),
              "ResourceStream::ReadBytesDirectly");
  if (numBytesToRead > 0) {
    std::memcpy(destination, m_startOfData.get() + m_readPosition,
                static_cast<size_t>(numBytesToRead));
  }
  m_readPosition += numBytesToRead;
}

uint64_t ResourceStream::ReadLittleEndian(int numBytes) {
  unsigned char bytes[8];
  ReadBytesDirectly(bytes, numBytes);
  uint64_t value = 0;
  for (int i = numBytes - 1; i >= 0; --i) {
    value = (value << 8) | bytes[i];
  }
  return value;
}

char ResourceStream::ReadCharacter() {
  char c = 0;
  ReadBytesDirectly(&c, 1);
  return c;
}

void ResourceStream::ReadPastWhitespaceAndComments() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return;
  }
  enum class Skipping { Whitespace, LineComment, BlockComment };
  Skipping state = Skipping::Whitespace;
  const char* const data = reinterpret_cast<const char*>(m_startOfData.get());
  while (m_readPosition < m_size || state == Skipping::BlockComment) {
    switch (state) {
      case Skipping::Whitespace: {
        const char c = data[m_readPosition];
        if (IsWhitespace(c)) {
          ++m_readPosition;
          break;
        }
        if (c != '/') {
          return;
        }
        ULVO_ASSERT(DataBytesRemaining() >= 2,
                    "Found '/' character outside of comment right before EOF!",
                    "ResourceStream::ReadPastWhitespaceAndComments");
        const char next = data[m_readPosition + 1];
        if (next == '/') {
          state = Skipping::LineComment;
        } else if (next == '*') {
          state = Skipping::BlockComment;
        } else {
          ULVO_ERROR(Stringf("Found illegal character '%c' (0x%02x) after '/' character (must be "
                             "either \"//\" or \"/*\").",
                             next, static_cast<unsigned char>(next)),
                     "ResourceStream::ReadPastWhitespaceAndComments");
        }
        m_readPosition += 2;
        break;
      }
      case Skipping::LineComment: {
        const char c = data[m_readPosition++];
        if (c == '\r' || c == '\n') {
          state = Skipping::Whitespace;
        }
        break;
      }
      case Skipping::BlockComment:
        ULVO_ASSERT(DataBytesRemaining() >= 2, "Was inside /*comment*/ when reached EOF!",
                    "ResourceStream::ReadPastWhitespaceAndComments");
        if (data[m_readPosition] == '*' && data[m_readPosition + 1] == '/') {
          m_readPosition += 2;
          state = Skipping::Whitespace;
        } else {
          ++m_readPosition;
        }
        break;
    }
  }
}

std::string ResourceStream::ReadNumericCharacterString() {
  std::string text;
  while (m_readPosition < m_size) {
    // Once the number's buffer is full, whatever data follows is refused:
    // a number never ends exactly at the buffer's end unless the file does.
    if (text.size() >= static_cast<size_t>(NUMERIC_BUFFER_SIZE - 1)) {
      ULVO_ERROR(Stringf("Buffer size was insufficient at %d bytes!", NUMERIC_BUFFER_SIZE),
                 "ResourceStream::ReadNumericCharacterString");
    }
    const char c = static_cast<char>(m_startOfData[m_readPosition]);
    if (!ContinuesNumber(text, c)) {
      break;
    }
    text += c;
    ++m_readPosition;
  }
  return text;
}

double ResourceStream::ReadTextNumber() {
  ULVO_ASSERT(
      m_internalFormat != RESOURCE_STREAM_FORMAT_BINARY,
      "Method was called on ResourceStream in Binary mode (supported in Text mode(s) only!)",
      "ResourceStream::ReadTextNumber");
  ReadPastWhitespaceAndComments();
  const int32_t tokenStart = m_readPosition;
  const std::string text = ReadNumericCharacterString();
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size()) {
    RaiseNumberError("Expected a number", tokenStart);
  }
  return value;
}

int64_t ResourceStream::ReadTextInteger() {
  // The error quotes the number itself, not the blank before it.
  ReadPastWhitespaceAndComments();
  const int32_t tokenStart = m_readPosition;
  const double value = ReadTextNumber();
  // Outside this range (or NaN) the conversion to an integer is undefined.
  constexpr double limit = 9223372036854775808.0;  // 2^63
  if (!(value >= -limit && value < limit)) {
    RaiseNumberError("Number too large for an integer", tokenStart);
  }
  return static_cast<int64_t>(value);
}

void ResourceStream::RaiseNumberError(const std::string& problem, int32_t tokenStart) const {
  std::string found;
  for (int32_t i = tokenStart; i < m_size && found.size() < 32; ++i) {
    const char c = static_cast<char>(m_startOfData[i]);
    if (IsWhitespace(c)) {
      break;
    }
    found += c;
  }
  if (found.empty()) {
    found = tokenStart < m_size ? std::string(1, static_cast<char>(m_startOfData[tokenStart]))
                                : std::string("end of data");
  }
  ULVO_ERROR(Stringf("In file %s,\n %s; found \"%s\".  Context was:\n\n%s",
                     FileNameOr("unknown").c_str(), problem.c_str(), found.c_str(),
                     GetReadContext().c_str()),
             "ResourceStream::ReadTextNumber");
}

void ResourceStream::ReadExpectedToken(char expected) {
  ReadPastWhitespaceAndComments();
  const char found = ReadCharacter();
  if (found != expected) {
    ULVO_ERROR(Stringf("In file %s,\n Expected token '%c'; found token '%c'.  Context was:\n\n%s",
                       FileNameOr("unknown").c_str(), expected, found, GetReadContext().c_str()),
               "ResourceStream::ReadExpectedToken");
  }
}

void ResourceStream::ReadExpectedTokenString(const std::string& expected) {
  ReadPastWhitespaceAndComments();
  ReadExpectedCharacters(expected);
}

// The characters of a word, with nothing allowed between them.
void ResourceStream::ReadExpectedCharacters(const std::string& expected) {
  for (const char wanted : expected) {
    const char found = ReadCharacter();
    if (found != wanted) {
      ULVO_ERROR(Stringf("In file %s,\n Expected token-string \"%s\"; found token '%c' when "
                         "expecting '%c'.  Context was:\n\n%s",
                         FileNameOr("unknown").c_str(), expected.c_str(), found, wanted,
                         GetReadContext().c_str()),
                 "ResourceStream::ReadExpectedToken");
    }
  }
}

bool ResourceStream::ReadBool() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return ReadLittleEndian(1) != 0;
  }
  ReadPastWhitespaceAndComments();
  const char first = ReadCharacter();
  if (first == 'f') {
    ReadExpectedCharacters("alse");
    return false;
  }
  if (first == 't') {
    ReadExpectedCharacters("rue");
    return true;
  }
  ULVO_ERROR(Stringf("Expected either \"true\" or \"false\" (lower case), found illegal character "
                     "'%c'.",
                     first),
             "ResourceStream::ReadBool");
}

int32_t ResourceStream::ReadInt32() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return static_cast<int32_t>(static_cast<uint32_t>(ReadLittleEndian(4)));
  }
  return static_cast<int32_t>(ReadTextInteger());
}

int16_t ResourceStream::ReadInt16() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return static_cast<int16_t>(static_cast<uint16_t>(ReadLittleEndian(2)));
  }
  return static_cast<int16_t>(ReadTextInteger());
}

uint16_t ResourceStream::ReadUInt16() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return static_cast<uint16_t>(ReadLittleEndian(2));
  }
  return static_cast<uint16_t>(ReadTextInteger());
}

int8_t ResourceStream::ReadInt8() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return static_cast<int8_t>(static_cast<uint8_t>(ReadLittleEndian(1)));
  }
  return static_cast<int8_t>(ReadTextInteger());
}

uint8_t ResourceStream::ReadUInt8() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return static_cast<uint8_t>(ReadLittleEndian(1));
  }
  return static_cast<uint8_t>(ReadTextInteger());
}

float ResourceStream::ReadFloat() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return FloatFromBits(static_cast<uint32_t>(ReadLittleEndian(4)));
  }
  // A number beyond the float range would become an infinity, which no
  // writer could put back.
  ReadPastWhitespaceAndComments();
  const int32_t tokenStart = m_readPosition;
  const double value = ReadTextNumber();
  if (!(std::fabs(value) <= std::numeric_limits<float>::max())) {
    RaiseNumberError("Number too large for a float", tokenStart);
  }
  return static_cast<float>(value);
}

std::string ResourceStream::ReadString() {
  const int32_t maxCharsToRead = MAX_STRING_LENGTH;
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    const int32_t stringLength = ReadInt32();
    ULVO_ASSERT(stringLength >= 0 && stringLength < maxCharsToRead,
                Stringf("Got an absurd string-length to read (%d) in ResourceStream \"%s\".",
                        stringLength, m_path.GetResolvedPath().c_str()),
                "ResourceStream::ReadString()");
    ULVO_ASSERT(stringLength <= DataBytesRemaining(),
                Stringf("Trying to read %d chars into a string, but only %d bytes remain in RS "
                        "buffer!",
                        stringLength, DataBytesRemaining()),
                "ResourceStream::ReadString()");
    std::string text(static_cast<size_t>(stringLength), '\0');
    ReadBytesDirectly(text.data(), stringLength);
    return text;
  }

  ReadExpectedToken('"');
  // Collected in a buffer of the limit's size: a longer string is a format
  // error, not an ever-growing allocation.
  const std::unique_ptr<char[]> buffer(new char[maxCharsToRead]);
  const char* const destinationBuffer = buffer.get();
  char* writePtr = buffer.get();
  for (char c = ReadCharacter(); c != '"'; c = ReadCharacter()) {
    ULVO_ASSERT((writePtr - destinationBuffer) < maxCharsToRead,
                Stringf("Exceeded limit of %d bytes to read for text-mode string!",
                        maxCharsToRead),
                "ResourceStream::ReadString()");
    *writePtr++ = c;
  }
  return std::string(destinationBuffer, static_cast<size_t>(writePtr - destinationBuffer));
}

Rgba ResourceStream::ReadRgba() {
  Rgba color;
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    color.r = ReadUInt8();
    color.g = ReadUInt8();
    color.b = ReadUInt8();
    color.a = ReadUInt8();
    return color;
  }
  ReadExpectedTokenString("Rgba");
  ReadExpectedToken('(');
  color.r = ReadUInt8();
  ReadExpectedToken(',');
  color.g = ReadUInt8();
  ReadExpectedToken(',');
  color.b = ReadUInt8();
  ReadExpectedToken(',');
  color.a = ReadUInt8();
  ReadExpectedToken(')');
  return color;
}

// One "x,y" pair of a text Vector2 or AABB2, between its parentheses.
Vector2 ResourceStream::ReadTextPoint() {
  ReadExpectedToken('(');
  Vector2 point;
  point.x = ReadFloat();
  ReadExpectedToken(',');
  point.y = ReadFloat();
  ReadExpectedToken(')');
  return point;
}

Vector2 ResourceStream::ReadVector2() {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    Vector2 vector;
    vector.x = ReadFloat();
    vector.y = ReadFloat();
    return vector;
  }
  ReadExpectedTokenString("Vector2");
  return ReadTextPoint();
}

AABB2 ResourceStream::ReadAABB2() {
  AABB2 box;
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    box.mins = ReadVector2();
    box.maxs = ReadVector2();
    return box;
  }
  ReadExpectedTokenString("AABB2");
  ReadExpectedToken('[');
  box.mins = ReadTextPoint();
  ReadExpectedToken(',');
  box.maxs = ReadTextPoint();
  ReadExpectedToken(']');
  return box;
}

void ResourceStream::ReadRawObject(void* destination, int32_t numBytes) {
  ULVO_ASSERT(numBytes == 1 || numBytes == 2 || numBytes == 4 || numBytes == 8 || numBytes == 16,
              Stringf("Cannot read an object of %d bytes!", numBytes),
              "ResourceStream::ReadRawObject");
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    ReadBytesDirectly(destination, numBytes);
    return;
  }
  unsigned char* bytes = static_cast<unsigned char*>(destination);
  ReadExpectedTokenString("Object");
  ReadExpectedToken('=');
  ReadExpectedToken('{');
  for (int32_t i = 0; i < numBytes; ++i) {
    if (i > 0) {
      ReadExpectedToken(',');
    }
    bytes[i] = static_cast<unsigned char>(ReadTextInteger());
  }
  ReadExpectedToken('}');
}

std::string ResourceStream::FileNameOr(const char* unknownName) const {
  const std::string resolved = m_path.GetResolvedPath();
  return resolved.empty() ? std::string(unknownName) : resolved;
}

std::string ResourceStream::GetReadContext() const {
  if (m_internalFormat == RESOURCE_STREAM_FORMAT_BINARY) {
    return "(Context unavailable; resource stream was in binary format)";
  }
  const char* const data = reinterpret_cast<const char*>(m_startOfData.get());
  const int32_t position = std::clamp(m_readPosition, 0, m_size);
  const int32_t beforeStart = std::max(0, position - CONTEXT_CHARACTERS_BEFORE);
  const int32_t afterEnd = position + std::min(CONTEXT_CHARACTERS_AFTER, m_size - position);
  const int lineNumber = 1 + static_cast<int>(std::count(data, data + position, '\n'));
  std::string context = Stringf("Near line #%d of %s:\n\n", lineNumber,
                                FileNameOr("(unknown filename)").c_str());
  context.append(data + beforeStart, data + position);
  context += "[CURRENT READ LOCATION]";
  context.append(data + position, data + afterEnd);
  context += "\n";
  return context;
}
