#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/AABB2.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoPath.h"
#include "engine/core/Vector2.h"

enum ResourceStreamFormat : int32_t {
  RESOURCE_STREAM_FORMAT_INVALID = -1,  // not initialised, or the load failed
  RESOURCE_STREAM_FORMAT_BINARY = 0,
  RESOURCE_STREAM_FORMAT_TEXT_COMPACT = 1,  // tokens separated by blanks, no value comments
  RESOURCE_STREAM_FORMAT_TEXT = 2,          // one value a line, its label as a "//" comment
};

// The first four bytes of every binary stream (little-endian).
constexpr uint32_t RESOURCE_STREAM_BINARY_MARKER = 0xFF2A4201u;

// A whole data file in memory, written or read value by value. A record's
// writer and reader are mirror images (same values, same order, same
// blocks), so one pair of functions serves the binary and both text
// encodings. The encoding is chosen when a stream is built for writing and
// detected from the first four bytes when a file is loaded.
//
// Every format error while reading throws UlvoException; text errors quote
// the file and the text around the read position.
class ResourceStream {
 public:
  // An empty stream for writing. The capacity is only the first size of the
  // buffer, which grows as needed; a binary stream starts with its marker.
  ResourceStream(ResourceStreamFormat format, int32_t initialCapacity);
  // Loads the whole file; a missing or unreadable file leaves the stream
  // invalid. Callers test IsValid and fall back to defaults, but a player
  // file that is there and unreadable (GetUnreadableReason not empty) must
  // not be saved over.
  explicit ResourceStream(const UlvoPath& path);

  ResourceStream(const ResourceStream&) = delete;
  ResourceStream& operator=(const ResourceStream&) = delete;

  void Initialize(ResourceStreamFormat format, int32_t capacity);
  bool Load(const UlvoPath& path);
  // True when every byte reached the file.
  // On failure the system's reason goes to error when one is given.
  bool SaveToFile(const UlvoPath& path, std::string* error = nullptr) const;

  bool IsValid() const { return m_startOfData != nullptr; }
  // The system's error text when the last Load found a file it could not
  // read; empty after a successful load or a missing file.
  const std::string& GetUnreadableReason() const { return m_unreadableReason; }
  // Either text encoding: the form in which blocks carry braces.
  bool IsTextFormat() const {
    return m_internalFormat == RESOURCE_STREAM_FORMAT_TEXT ||
           m_internalFormat == RESOURCE_STREAM_FORMAT_TEXT_COMPACT;
  }
  ResourceStreamFormat GetInternalFormat() const { return m_internalFormat; }
  const UlvoPath& GetPath() const { return m_path; }
  const unsigned char* GetData() const { return m_startOfData.get(); }
  int32_t GetSize() const { return m_size; }
  int32_t GetCapacity() const { return m_capacity; }
  int32_t DataBytesRemaining() const { return m_size - m_readPosition; }

  // Writes. A label is printed as a "//" comment after the value in
  // RESOURCE_STREAM_FORMAT_TEXT (line breaks in it become blanks) and
  // ignored otherwise; null for none.
  void WriteBool(bool value, const char* label = nullptr);
  void WriteInt32(int32_t value, const char* label = nullptr);
  void WriteInt16(int16_t value, const char* label = nullptr);
  void WriteUInt16(uint16_t value, const char* label = nullptr);
  void WriteInt8(int8_t value, const char* label = nullptr);
  void WriteUInt8(uint8_t value, const char* label = nullptr);
  // Text form: only finite values, which the reader takes back (an
  // assertion otherwise).
  void WriteFloat(float value, const char* label = nullptr);
  // Text form: the text between double quotes, unescaped, so it must hold
  // no double quote (an assertion).
  void WriteString(const std::string& value, const char* label = nullptr);
  void WriteRgba(const Rgba& value, const char* label = nullptr);
  void WriteVector2(const Vector2& value, const char* label = nullptr);
  void WriteMagic();
  // Blocks are braces in the text forms and nothing in binary.
  void WriteBlockBegin(const char* label = nullptr);
  void WriteBlockEnd();

  // Reads, in either encoding. Integers read from text are truncated toward
  // zero and keep the low bits that fit their type.
  bool ReadBool();
  int32_t ReadInt32();
  int16_t ReadInt16();
  uint16_t ReadUInt16();
  int8_t ReadInt8();
  uint8_t ReadUInt8();
  float ReadFloat();
  std::string ReadString();
  Rgba ReadRgba();
  Vector2 ReadVector2();
  AABB2 ReadAABB2();
  // numBytes of 1, 2, 4, 8 or 16; text form "Object = { n, n, ... }" with
  // each number's low 8 bits taken as one byte.
  void ReadRawObject(void* destination, int32_t numBytes);

  // Text only: skips white space and "//" and "/* */" comments.
  void ReadPastWhitespaceAndComments();
  // Text only: the next number token.
  double ReadTextNumber();
  void ReadBytesDirectly(void* destination, int32_t numBytesToRead);
  // Text: skips white space and comments, then requires the character or
  // the word exactly.
  void ReadExpectedToken(char expected);
  void ReadExpectedTokenString(const std::string& expected);
  // The text around the read position, for error messages.
  std::string GetReadContext() const;

 private:
  void ReleaseBuffer();
  void PrepareForWrite(int32_t numBytes);
  void ReserveAtLeast(int64_t neededCapacity);
  void AppendBytes(const void* bytes, int32_t numBytes);
  void AppendLittleEndian(uint64_t value, int numBytes);
  void WriteTextValue(const std::string& token, const char* label);
  void WriteIndentedString(const std::string& text);
  void WriteRawString(const std::string& text);
  void WriteNewline();
  void WriteComment(const char* label);

  uint64_t ReadLittleEndian(int numBytes);
  char ReadCharacter();
  void ReadExpectedCharacters(const std::string& expected);
  std::string ReadNumericCharacterString();
  int64_t ReadTextInteger();
  Vector2 ReadTextPoint();
  [[noreturn]] void RaiseNumberError(const std::string& problem, int32_t tokenStart) const;
  std::string FileNameOr(const char* unknownName) const;

  UlvoPath m_path;
  std::string m_unreadableReason;
  std::unique_ptr<unsigned char[]> m_startOfData;
  int32_t m_readPosition = 0;
  int32_t m_size = 0;
  int32_t m_capacity = 0;
  ResourceStreamFormat m_internalFormat = RESOURCE_STREAM_FORMAT_INVALID;
  int32_t m_indentDepth = 0;
  bool m_atLineStart = true;
  bool m_justOpenedBlock = false;
  bool m_breakPending = false;
};
