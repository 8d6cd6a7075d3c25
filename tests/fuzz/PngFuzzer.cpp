// Feeds arbitrary files to the image studio as ".png" files. A refusal
// (UlvoException) is the expected outcome of a malformed file; a crash, a
// sanitizer report, a leak or any other exception is a finding.

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "tests/fuzz/ImageFuzzerSupport.h"

namespace {

constexpr size_t SIGNATURE_BYTES = 8;

uint32_t ReadBigEndian32(const uint8_t* bytes) {
  return (static_cast<uint32_t>(bytes[0]) << 24) | (static_cast<uint32_t>(bytes[1]) << 16) |
         (static_cast<uint32_t>(bytes[2]) << 8) | bytes[3];
}

// Gives every complete chunk its correct CRC. A random mutation almost never
// keeps a CRC right, and libpng stops at the first wrong one in a critical
// chunk, so without this the fuzzer would hardly get past the header.
void FixChunkCrcs(std::vector<uint8_t>& file) {
  size_t position = SIGNATURE_BYTES;
  while (file.size() - position >= 12) {
    const uint64_t length = ReadBigEndian32(&file[position]);
    if (length > file.size() - position - 12) {
      return;
    }
    const size_t crcAt = position + 8 + static_cast<size_t>(length);
    const uLong crc = crc32(crc32(0L, nullptr, 0), &file[position + 4],
                            static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i) {
      file[crcAt + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    }
    position = crcAt + 4;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> file(data, data + size);
  if (file.size() >= SIGNATURE_BYTES) {
    FixChunkCrcs(file);
  }
  image_fuzz::LoadFromPlayerStorage(std::move(file), "fuzz/input.png");
  return 0;
}
