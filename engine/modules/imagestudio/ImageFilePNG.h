#pragma once

#include <png.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoPath.h"

// Decodes one PNG file into 8-bit rows of one of the Image formats (RGB,
// RGBA, grey, grey with alpha), top row first. Only power-of-two widths and
// heights of at most MAX_IMAGE_FILE_SIDE are accepted.
//
// libpng reports its errors by jumping back to the decoder (setjmp); the
// jump lands in plain C territory and only then, with libpng out of the
// way, does the loader throw the engine exception.
class ImageFilePNG {
 public:
  explicit ImageFilePNG(const UlvoPath& path);
  ~ImageFilePNG();
  ImageFilePNG(const ImageFilePNG&) = delete;
  ImageFilePNG& operator=(const ImageFilePNG&) = delete;

  // Decodes the file; a file that is not there or cannot be decoded throws
  // UlvoException.
  void Load();

  uint32_t GetWidth() const { return m_width; }
  uint32_t GetHeight() const { return m_height; }
  // The Image format of the decoded rows.
  int GetFormat() const { return m_format; }
  // GetWidth() * bytes per pixel of GetFormat() bytes; y < GetHeight().
  const unsigned char* GetRow(uint32_t y) const { return m_rowPointers[y]; }

 private:
  static void PNGErrorCallback(png_structp png, png_const_charp message);
  static void PNGWarningCallback(png_structp png, png_const_charp message);
  static void ReadFromMemory(png_structp png, png_bytep destination, size_t length);

  void CreateReadStructs();
  void DestroyReadStructs();
  void CheckSignature();
  // Runs libpng over the file; false when libpng reported an error.
  bool Decode();
  void ReadHeaderAndCheckSize();
  void RequestTransformations();
  void ChooseFormat();
  void AllocateRows();

  void RecordLibpngError(png_const_charp message) noexcept;

  UlvoPath m_path;
  std::string m_resolvedPath;
  uint32_t m_width = 0;
  uint32_t m_height = 0;
  std::vector<png_bytep> m_rowPointers;
  std::unique_ptr<unsigned char[]> m_rowData;
  int m_bitDepth = 0;
  int m_colorType = 0;
  size_t m_rowBytes = 0;
  int m_format = -1;

  // The file being decoded and how far libpng has read it.
  std::unique_ptr<unsigned char[]> m_fileBytes;
  size_t m_fileSize = 0;
  size_t m_readPosition = 0;

  // Alive only during Load.
  png_structp m_png = nullptr;
  png_infop m_info = nullptr;
  png_infop m_endInfo = nullptr;
  std::string m_libpngError;
};
