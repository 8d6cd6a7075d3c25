// Feeds arbitrary files to the resource-stream reader, in both encodings,
// and reads them back with a sequence of typed reads chosen by the input.
// Any UlvoException is the expected outcome of a malformed file; anything
// else (a crash, a sanitizer report, another exception) is a finding.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "tests/support/ServedPlayerFile.h"
#include "tests/support/SilentConsole.h"

namespace {

void ReadOneValue(ResourceStream& stream, unsigned op) {
  unsigned char raw[16];
  switch (op % 20) {
    case 0: stream.ReadBool(); break;
    case 1: stream.ReadInt32(); break;
    case 2: stream.ReadInt16(); break;
    case 3: stream.ReadUInt16(); break;
    case 4: stream.ReadInt8(); break;
    case 5: stream.ReadUInt8(); break;
    case 6: stream.ReadFloat(); break;
    case 7: stream.ReadString(); break;
    case 8: stream.ReadRgba(); break;
    case 9: stream.ReadVector2(); break;
    case 10: stream.ReadAABB2(); break;
    case 11: stream.ReadRawObject(raw, 1 << (op / 20 % 5)); break;
    case 12: stream.ReadExpectedToken('{'); break;
    case 13: stream.ReadExpectedToken('}'); break;
    case 14: stream.ReadExpectedTokenString("Object"); break;
    case 15: stream.ReadTextNumber(); break;
    case 16: stream.ReadPastWhitespaceAndComments(); break;
    case 17: stream.GetReadContext(); break;
    case 18: stream.ReadBytesDirectly(raw, static_cast<int32_t>(op / 20 % 17)); break;
    default: stream.ReadString(); break;
  }
}

// Bytes from 0xE0 up stand for the words of the text form; the others stay
// as they are.
std::vector<unsigned char> SpellOut(const uint8_t* data, size_t size) {
  static const char* const words[] = {"true",  "false", "Rgba", "Vector2", "AABB2", "Object",
                                      "//",    "/*",    "*/",   "\r\n",    "1e+06", "-0.5"};
  constexpr size_t wordCount = sizeof(words) / sizeof(words[0]);
  std::vector<unsigned char> text;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] < 0xE0) {
      text.push_back(data[i]);
    } else {
      const char* word = words[(data[i] - 0xE0) % wordCount];
      text.insert(text.end(), word, word + std::strlen(word));
    }
  }
  return text;
}

// In text, the next token mostly picks the read that fits it, so that
// inputs reach deep into the compound forms instead of failing at their
// first character.
unsigned OpForNextToken(ResourceStream& stream, unsigned op) {
  if (!stream.IsTextFormat() || op % 4 == 0) {
    return op;
  }
  stream.ReadPastWhitespaceAndComments();
  if (stream.DataBytesRemaining() <= 0) {
    return op;
  }
  const int32_t position = stream.GetSize() - stream.DataBytesRemaining();
  const unsigned variant = op / 20 * 20;
  switch (static_cast<char>(stream.GetData()[position])) {
    case 't':
    case 'f':
      return variant + 0;
    case '"':
      return variant + 7;
    case 'R':
      return variant + 8;
    case 'V':
      return variant + 9;
    case 'A':
      return variant + 10;
    case 'O':
      return variant + 11;
    case '{':
      return variant + 12;
    case '}':
      return variant + 13;
    default:
      return op;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testsupport::SilentConsole console;
  if (size < 2) {
    return 0;
  }

  // Bytes 0 and 1 pick the sequence of reads. With the top bit of byte 0
  // set the file is made binary; with the next bit set the rest is text
  // spelled partly in whole words, so that the compound forms are reached.
  const unsigned programSeed = data[0] | (static_cast<unsigned>(data[1]) << 8);
  std::vector<unsigned char> file;
  if (data[0] & 0x80) {
    file = {0x01, 0x42, 0x2A, 0xFF};
    file.insert(file.end(), data + 2, data + size);
  } else if (data[0] & 0x40) {
    file = SpellOut(data + 2, size - 2);
  } else {
    file.assign(data + 2, data + size);
  }
  const testsupport::ServedPlayerFile served(std::move(file));

  ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "fuzz/input.txt"));
  uint32_t state = programSeed;
  try {
    for (int i = 0; i < 256; ++i) {
      state = state * 1103515245u + 12345u;
      ReadOneValue(stream, OpForNextToken(stream, state >> 16));
    }
  } catch (const UlvoException&) {
    // A malformed file: exactly what the reader must report.
  }
  return 0;
}
