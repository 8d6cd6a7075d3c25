#pragma once

// Fixtures for the image studio's tests: PNG files made with libpng's own
// writer, hand-assembled PNG chunks for headers no writer would produce,
// Targa files byte by byte, and a console that records what is logged.

#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/CatchUlvoException.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

namespace image_test {

using testsupport::Bytes;
using testsupport::CatchUlvoException;
using testsupport::CaughtError;
using testsupport::RecordingConsole;
using testsupport::TemporaryFolder;
using testsupport::WriteFileBytes;

// A distinct, repeatable byte for every sample of a test picture.
inline unsigned char Sample(uint32_t x, uint32_t y, uint32_t channel, uint32_t seed = 0) {
  return static_cast<unsigned char>(x * 37u + y * 91u + channel * 53u + seed * 17u + 5u);
}

// ---- PNG files written by libpng -------------------------------------------

struct PngDescription {
  uint32_t width = 0;
  uint32_t height = 0;
  int bitDepth = 8;
  int colorType = PNG_COLOR_TYPE_RGB;
  std::vector<png_color> palette;
  std::vector<png_byte> paletteAlpha;  // the tRNS chunk of a palette image
  Bytes rows;                          // height rows, packed as the file stores them
};

inline int ChannelsOf(int colorType) {
  switch (colorType) {
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    default: return 1;
  }
}

inline size_t PngRowBytes(const PngDescription& d) {
  return (static_cast<size_t>(d.width) * ChannelsOf(d.colorType) * d.bitDepth + 7) / 8;
}

// An 8-bit picture of Sample values in the description's colour type.
inline void FillWithSamples(PngDescription& d, uint32_t seed = 0) {
  const size_t rowBytes = PngRowBytes(d);
  d.rows.resize(rowBytes * d.height);
  for (uint32_t y = 0; y < d.height; ++y) {
    for (size_t i = 0; i < rowBytes; ++i) {
      d.rows[y * rowBytes + i] = Sample(static_cast<uint32_t>(i), y, 0, seed);
    }
  }
}

inline void AppendToBytes(png_structp png, png_bytep data, size_t length) {
  Bytes* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

inline void FlushNothing(png_structp) {}

// Kept free of objects with destructors: libpng may jump out of it.
inline bool RunPngWriter(png_structp png, png_infop info, const PngDescription& d,
                         png_bytepp rows) {
  if (setjmp(png_jmpbuf(png)) != 0) {
    return false;
  }
  png_set_IHDR(png, info, d.width, d.height, d.bitDepth, d.colorType,
               PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!d.palette.empty()) {
    png_set_PLTE(png, info, d.palette.data(), static_cast<int>(d.palette.size()));
  }
  if (!d.paletteAlpha.empty()) {
    png_set_tRNS(png, info, d.paletteAlpha.data(), static_cast<int>(d.paletteAlpha.size()), nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

inline Bytes EncodePng(const PngDescription& d) {
  Bytes out;
  const size_t rowBytes = PngRowBytes(d);
  EXPECT_EQ(d.rows.size(), rowBytes * d.height) << "rows do not match the description";
  std::vector<png_bytep> rows(d.height);
  for (uint32_t y = 0; y < d.height; ++y) {
    rows[y] = const_cast<png_bytep>(d.rows.data() + y * rowBytes);
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, &AppendToBytes, &FlushNothing);
  const bool written = RunPngWriter(png, info, d, rows.data());
  png_destroy_write_struct(&png, &info);
  EXPECT_TRUE(written) << "libpng could not write the test picture";
  return out;
}

// ---- PNG files assembled by hand --------------------------------------------

inline void AppendBigEndian32(Bytes& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<unsigned char>(value >> shift));
  }
}

inline Bytes PngChunk(const std::string& type, const Bytes& data) {
  Bytes chunk;
  AppendBigEndian32(chunk, static_cast<uint32_t>(data.size()));
  chunk.insert(chunk.end(), type.begin(), type.end());
  chunk.insert(chunk.end(), data.begin(), data.end());
  const uLong crc = crc32(crc32(0L, nullptr, 0),
                          reinterpret_cast<const Bytef*>(chunk.data() + 4), chunk.size() - 4);
  AppendBigEndian32(chunk, static_cast<uint32_t>(crc));
  return chunk;
}

// Signature, a header declaring width x height RGBA pixels, one small IDAT
// (far too little for the declared size) and the end chunk.
inline Bytes PngWithDeclaredSize(uint32_t width, uint32_t height) {
  Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  AppendBigEndian32(header, width);
  AppendBigEndian32(header, height);
  header.insert(header.end(), {8, PNG_COLOR_TYPE_RGB_ALPHA, 0, 0, 0});
  const Bytes ihdr = PngChunk("IHDR", header);
  file.insert(file.end(), ihdr.begin(), ihdr.end());
  Bytes compressed(64);
  uLongf compressedSize = compressed.size();
  const Bytes oneRow(1 + 4, 0);
  compress(compressed.data(), &compressedSize, oneRow.data(), oneRow.size());
  compressed.resize(compressedSize);
  const Bytes idat = PngChunk("IDAT", compressed);
  file.insert(file.end(), idat.begin(), idat.end());
  const Bytes iend = PngChunk("IEND", {});
  file.insert(file.end(), iend.begin(), iend.end());
  return file;
}

// ---- Targa files ---------------------------------------------------------------

// The 18-byte header of an uncompressed true-colour file, then the pixels.
inline Bytes TgaFile(uint16_t width, uint16_t height, uint8_t bitsPerPixel,
                     const Bytes& pixels) {
  Bytes file = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  file.push_back(static_cast<unsigned char>(width & 0xFF));
  file.push_back(static_cast<unsigned char>(width >> 8));
  file.push_back(static_cast<unsigned char>(height & 0xFF));
  file.push_back(static_cast<unsigned char>(height >> 8));
  file.push_back(bitsPerPixel);
  file.push_back(0x08);  // 8 alpha bits, bottom-left origin: the Targa default
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

}  // namespace image_test
