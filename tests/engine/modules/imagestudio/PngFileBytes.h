#pragma once

// PNG files built byte by byte for the decoders' tests: chunks around
// zlib-compressed rows, so that any header, chunk or damage can be made.

#include <zlib.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/FileBytes.h"

namespace png_bytes {

using testsupport::Bytes;

inline void AppendBigEndian32(Bytes& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(value >> shift));
}

inline void AppendChunk(Bytes& file, const std::string& type, const Bytes& data) {
  AppendBigEndian32(file, uint32_t(data.size()));
  const size_t start = file.size();
  file.insert(file.end(), type.begin(), type.end());
  file.insert(file.end(), data.begin(), data.end());
  AppendBigEndian32(file, uint32_t(crc32(0, &file[start], uInt(file.size() - start))));
}

// A PNG of the rows as the file packs them (each gets filter byte 0), with
// the chunks given (palette, transparency, text) before them. Colour types:
// 0 grey, 2 RGB, 3 palette, 6 RGBA.
inline Bytes Png(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType,
                 const Bytes& rows, const std::vector<std::pair<std::string, Bytes>>& chunks = {}) {
  Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  AppendBigEndian32(header, width);
  AppendBigEndian32(header, height);
  header.insert(header.end(), {depth, colorType, 0, 0, 0});
  AppendChunk(file, "IHDR", header);
  for (const auto& [type, data] : chunks) AppendChunk(file, type, data);
  Bytes filtered;
  const size_t rowBytes = rows.size() / height;
  for (size_t row = 0; row < height; ++row) {
    const auto start = rows.begin() + long(row * rowBytes);
    filtered.push_back(0);
    filtered.insert(filtered.end(), start, start + long(rowBytes));
  }
  uLongf size = compressBound(uLong(filtered.size()));
  Bytes compressed(size);
  compress(compressed.data(), &size, filtered.data(), uLong(filtered.size()));
  compressed.resize(size);
  AppendChunk(file, "IDAT", compressed);
  AppendChunk(file, "IEND", {});
  return file;
}

}  // namespace png_bytes
