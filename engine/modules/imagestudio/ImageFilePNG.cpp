#include "engine/modules/imagestudio/ImageFilePNG.h"

#include <csetjmp>
#include <cstring>

#include "engine/core/Diagnostics.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/ImageFileReading.h"

namespace {

constexpr size_t PNG_SIGNATURE_BYTES = 8;

bool IsPowerOfTwo(uint32_t n) { return (n & (n - 1)) == 0; }

}  // namespace

ImageFilePNG::ImageFilePNG(const UlvoPath& path) : m_path(path) {}

ImageFilePNG::~ImageFilePNG() { DestroyReadStructs(); }

void ImageFilePNG::Load() {
  if (m_path.GetRelativePath().empty()) {
    ULVO_ERROR("ImageFilePNG: Missing path to image.\n", "ImageFilePNG Error");
  }
  m_resolvedPath = m_path.GetResolvedPath();
  ImageFileContents file = ReadImageFile(m_path);
  if (!file.IsRead()) {
    ULVO_ERROR(Stringf("Failed to open PNG image \"%s\" (error code #%d)", m_resolvedPath.c_str(),
                       file.errorCode),
               "Failed to open PNG");
  }
  m_fileBytes = std::move(file.bytes);
  m_fileSize = file.size;

  CreateReadStructs();
  CheckSignature();
  const bool decoded = Decode();
  DestroyReadStructs();
  m_fileBytes.reset();
  if (!decoded) {
    ULVO_ERROR(m_libpngError, "LibPNG Error");
  }
}

void ImageFilePNG::CreateReadStructs() {
  DestroyReadStructs();
  m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, this, &PNGErrorCallback,
                                 &PNGWarningCallback);
  if (m_png == nullptr) {
    ULVO_ERROR(Stringf("ImageFilePNG : failed to create PNG read struct while reading %s\n",
                       m_resolvedPath.c_str()),
               "PNG Error");
  }
  m_info = png_create_info_struct(m_png);
  if (m_info == nullptr) {
    DestroyReadStructs();
    ULVO_ERROR(Stringf("ImageFilePNG : failed to create info struct while reading %s\n",
                       m_resolvedPath.c_str()),
               "PNG Error");
  }
  m_endInfo = png_create_info_struct(m_png);
  if (m_endInfo == nullptr) {
    DestroyReadStructs();
    ULVO_ERROR(Stringf("ImageLoaderPNG : failed to create end-info struct while reading %s\n",
                       m_resolvedPath.c_str()),
               "PNG Error");
  }
}

void ImageFilePNG::DestroyReadStructs() {
  if (m_png != nullptr) {
    png_destroy_read_struct(&m_png, m_info != nullptr ? &m_info : nullptr,
                            m_endInfo != nullptr ? &m_endInfo : nullptr);
  }
  m_png = nullptr;
  m_info = nullptr;
  m_endInfo = nullptr;
}

void ImageFilePNG::CheckSignature() {
  if (m_fileSize < PNG_SIGNATURE_BYTES ||
      png_sig_cmp(m_fileBytes.get(), 0, PNG_SIGNATURE_BYTES) != 0) {
    ULVO_ERROR(Stringf("ImageFilePNG : %s has an invalid PNG header\n", m_resolvedPath.c_str()),
               "PNG Error");
  }
  m_readPosition = PNG_SIGNATURE_BYTES;
}

// libpng jumps back here on an error. Nothing in this function may need a
// destructor across the libpng calls, since the jump would skip it; the
// checks in between throw from plain C++ frames, which is safe.
bool ImageFilePNG::Decode() {
  if (setjmp(png_jmpbuf(m_png)) != 0) {
    return false;
  }
  png_set_read_fn(m_png, this, &ReadFromMemory);
  png_set_sig_bytes(m_png, static_cast<int>(PNG_SIGNATURE_BYTES));
  png_read_info(m_png, m_info);
  ReadHeaderAndCheckSize();
  RequestTransformations();
  png_read_update_info(m_png, m_info);
  ReadHeaderAndCheckSize();
  ChooseFormat();
  m_rowBytes = png_get_rowbytes(m_png, m_info);
  AllocateRows();
  png_read_image(m_png, m_rowPointers.data());
  png_read_end(m_png, m_endInfo);
  return true;
}

void ImageFilePNG::ReadHeaderAndCheckSize() {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  png_get_IHDR(m_png, m_info, &width, &height, &m_bitDepth, &m_colorType, nullptr, nullptr,
               nullptr);
  m_width = width;
  m_height = height;
  if (!IsPowerOfTwo(m_width)) {
    ULVO_ERROR(Stringf("ImageFilePNG: %s has a non-power-of-2 width: %u.\n",
                       m_resolvedPath.c_str(), m_width),
               "ImageFilePNG");
  }
  if (!IsPowerOfTwo(m_height)) {
    ULVO_ERROR(Stringf("ImageFilePNG: %s has a non-power-of-2 height: %u.\n",
                       m_resolvedPath.c_str(), m_height),
               "ImageFilePNG");
  }
  if (m_width > MAX_IMAGE_FILE_SIDE || m_height > MAX_IMAGE_FILE_SIDE) {
    ULVO_ERROR(Stringf("ImageFilePNG: %s is %u x %u pixels; images may be at most %u pixels on "
                       "a side.\n",
                       m_resolvedPath.c_str(), m_width, m_height, MAX_IMAGE_FILE_SIDE),
               "ImageFilePNG");
  }
}

// Every file ends up as 8-bit samples: 16-bit ones are cut down, palettes
// and sub-byte greys are expanded, and a tRNS chunk becomes an alpha channel.
void ImageFilePNG::RequestTransformations() {
  if (m_bitDepth == 16) {
    png_set_strip_16(m_png);
  }
  if (m_colorType == PNG_COLOR_TYPE_PALETTE) {
    png_set_expand(m_png);
  }
  if (m_bitDepth < 8) {
    png_set_expand(m_png);
  }
  if (png_get_valid(m_png, m_info, PNG_INFO_tRNS) != 0) {
    png_set_expand(m_png);
  }
  png_set_interlace_handling(m_png);
}

void ImageFilePNG::ChooseFormat() {
  switch (m_colorType) {
    case PNG_COLOR_TYPE_GRAY: m_format = Image::IMAGE_FORMAT_GREY; break;
    case PNG_COLOR_TYPE_RGB: m_format = Image::IMAGE_FORMAT_RGB; break;
    case PNG_COLOR_TYPE_GRAY_ALPHA: m_format = Image::IMAGE_FORMAT_GREY_ALPHA; break;
    case PNG_COLOR_TYPE_RGB_ALPHA: m_format = Image::IMAGE_FORMAT_RGBA; break;
    default:
      ULVO_ERROR(Stringf("ImageFilePNG : %s has unknown color type %d\n", m_resolvedPath.c_str(),
                         m_colorType),
                 "ImageFilePNG");
  }
}

void ImageFilePNG::AllocateRows() {
  const uint64_t packedRowBytes = static_cast<uint64_t>(m_width) *
                                  static_cast<uint64_t>(Image::BytesPerPixelOfFormat(m_format));
  ULVO_ASSERT(m_rowBytes == packedRowBytes,
              Stringf("ImageFilePNG: %s decodes to rows of %zu bytes instead of %llu.\n",
                      m_resolvedPath.c_str(), m_rowBytes,
                      static_cast<unsigned long long>(packedRowBytes)),
              "ImageFilePNG");
  m_rowPointers.clear();
  m_rowData.reset();
  m_rowData.reset(new unsigned char[static_cast<size_t>(m_height) * m_rowBytes]);
  m_rowPointers.resize(m_height);
  for (uint32_t y = 0; y < m_height; ++y) {
    m_rowPointers[y] = m_rowData.get() + static_cast<size_t>(y) * m_rowBytes;
  }
}

void ImageFilePNG::ReadFromMemory(png_structp png, png_bytep destination, size_t length) {
  ImageFilePNG* loader = static_cast<ImageFilePNG*>(png_get_io_ptr(png));
  if (length > loader->m_fileSize - loader->m_readPosition) {
    png_error(png, "unexpected end of file");
  }
  std::memcpy(destination, loader->m_fileBytes.get() + loader->m_readPosition, length);
  loader->m_readPosition += length;
}

void ImageFilePNG::RecordLibpngError(png_const_charp message) noexcept {
  try {
    m_libpngError = Stringf("ImageLoaderPNG : Encountered libpng error: '%s' while reading %s\n",
                            message, m_resolvedPath.c_str());
  } catch (...) {
    m_libpngError.clear();  // out of memory: the error is still raised, without its text
  }
}

// Never returns into libpng: the jump goes back to Decode.
void ImageFilePNG::PNGErrorCallback(png_structp png, png_const_charp message) {
  static_cast<ImageFilePNG*>(png_get_error_ptr(png))->RecordLibpngError(message);
  png_longjmp(png, 1);
}

// A warning is worth a line in the log, never a box: reading goes on.
void ImageFilePNG::PNGWarningCallback(png_structp png, png_const_charp message) {
  const ImageFilePNG* loader = static_cast<const ImageFilePNG*>(png_get_error_ptr(png));
  try {
    ConsolePrintf("ImageLoaderPNG : Encountered libpng warning: '%s' while reading %s\n", message,
                  loader->m_resolvedPath.c_str());
  } catch (...) {
    // An exception must not unwind through libpng; losing the line is the lesser harm.
  }
}
