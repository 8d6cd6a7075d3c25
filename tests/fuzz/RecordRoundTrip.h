#pragma once

// What the record fuzzers share: the input loaded as a player-storage file,
// and the round trip every record must pass. A file that reads writes back,
// in its own encoding, to bytes that read again and write back to the same
// bytes; a file that is refused (UlvoException) leaves the record as it was.
// Anything else is a finding, reported by abort() so libFuzzer keeps it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "tests/support/ServedPlayerFile.h"
#include "tests/support/SilentConsole.h"

namespace record_fuzz {

using Bytes = std::vector<uint8_t>;

[[noreturn]] inline void Finding(const char* what) {
  std::fprintf(stderr, "FINDING: %s\n", what);
  std::abort();
}

// Reads the bytes as the game reads a player file.
template <typename ReadFunction>
void ReadServed(const Bytes& bytes, ReadFunction read) {
  const testsupport::ServedPlayerFile served(bytes);
  ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "fuzz/record"));
  read(stream);
}

// The encoding a record read from stream is written back in.
inline ResourceStreamFormat WriteFormatFor(const ResourceStream& stream) {
  return stream.GetInternalFormat() == RESOURCE_STREAM_FORMAT_BINARY
             ? RESOURCE_STREAM_FORMAT_BINARY
             : RESOURCE_STREAM_FORMAT_TEXT;
}

template <typename Record, typename WriteFunction>
Bytes Written(Record& record, ResourceStreamFormat format, WriteFunction write) {
  ResourceStream stream(format, 256);
  write(record, stream);
  return Bytes(stream.GetData(), stream.GetData() + stream.GetSize());
}

// make() gives a fresh record; read(record, stream) and write(record, stream)
// are the record's reader and writer. When keepsRecordOnRefusal is set the
// reader promises to leave the record as it was on a malformed file.
template <typename MakeFunction, typename ReadFunction, typename WriteFunction>
void CheckRoundTrip(const uint8_t* data, size_t size, MakeFunction make, ReadFunction read,
                    WriteFunction write, bool keepsRecordOnRefusal = true) {
  static testsupport::SilentConsole console;
  auto record = make();
  const Bytes before = Written(*record, RESOURCE_STREAM_FORMAT_TEXT, write);
  ResourceStreamFormat format = RESOURCE_STREAM_FORMAT_TEXT;
  try {
    ReadServed(Bytes(data, data + size), [&](ResourceStream& stream) {
      format = WriteFormatFor(stream);
      read(*record, stream);
    });
  } catch (const UlvoException&) {
    if (keepsRecordOnRefusal && Written(*record, RESOURCE_STREAM_FORMAT_TEXT, write) != before) {
      Finding("a refused file changed the record");
    }
    return;
  }

  Bytes first;
  try {
    first = Written(*record, format, write);
  } catch (const UlvoException& error) {
    std::fprintf(stderr, "%s\n", error.GetMessage().c_str());
    Finding("a record that was read could not be written");
  }
  auto again = make();
  try {
    ReadServed(first, [&](ResourceStream& stream) { read(*again, stream); });
  } catch (const UlvoException& error) {
    std::fprintf(stderr, "%s\n", error.GetMessage().c_str());
    Finding("the writer wrote what its reader refuses");
  }
  if (Written(*again, format, write) != first) {
    Finding("a record read back from its own writing wrote different bytes");
  }
}

// The round trip of a record built empty, with Read and Write members.
template <typename Record>
void CheckMemberRoundTrip(const uint8_t* data, size_t size) {
  CheckRoundTrip(
      data, size, [] { return std::make_unique<Record>(); },
      [](Record& record, ResourceStream& stream) { record.Read(stream); },
      [](Record& record, ResourceStream& stream) { record.Write(stream); });
}

}  // namespace record_fuzz
