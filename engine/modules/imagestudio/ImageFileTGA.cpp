#include "engine/modules/imagestudio/ImageFileTGA.h"

#include <algorithm>

#include "engine/core/Diagnostics.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/ImageFileReading.h"

namespace {

constexpr size_t TGA_HEADER_BYTES = 18;

// ID length 0, no colour map, image type 2, zero colour-map fields and a
// zero origin.
constexpr unsigned char REQUIRED_HEADER_START[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

const char* const INVALID_TITLE = "TGA tgaFile invalid!";
const char* const UNSUPPORTED_TITLE = "TGA format not supported";

uint16_t ReadLittleEndian16(const unsigned char* bytes) {
  return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

}  // namespace

ImageFileTGA::ImageFileTGA(const UlvoPath& path) : m_path(path) {}

std::unique_ptr<Image> ImageFileTGA::Load() {
  if (m_path.GetRelativePath().empty()) {
    ULVO_ERROR("Couldn't load TGA image from file; no filename specified!", "Couldn't load TGA");
  }
  m_resolvedPath = m_path.GetResolvedPath();
  const ImageFileContents file = ReadImageFile(m_path);
  if (!file.IsRead()) {
    ULVO_ERROR(Stringf("Failed to load TGA image \"%s\" (error code #%d)", m_resolvedPath.c_str(),
                       file.errorCode),
               "Failed to load TGA");
  }
  CheckHeader(file.bytes.get(), file.size);
  ReadDimensions(file.bytes.get());
  CheckPixelFormat();
  CheckSize(file.size);
  return Convert(file.bytes.get() + TGA_HEADER_BYTES);
}

void ImageFileTGA::CheckHeader(const unsigned char* bytes, size_t size) const {
  if (size < TGA_HEADER_BYTES) {
    ULVO_ERROR(Stringf("Targa image '%s' is truncated: its header needs %zu bytes, the file holds "
                       "%zu.",
                       m_resolvedPath.c_str(), TGA_HEADER_BYTES, size),
               INVALID_TITLE);
  }
  if (!std::equal(REQUIRED_HEADER_START, REQUIRED_HEADER_START + sizeof(REQUIRED_HEADER_START),
                  bytes)) {
    ULVO_ERROR(Stringf("Targa image '%s' is not valid.  Probably because it is RLE compressed and "
                       "we don't support it!.",
                       m_resolvedPath.c_str()),
               INVALID_TITLE);
  }
}

void ImageFileTGA::ReadDimensions(const unsigned char* header) {
  m_width = ReadLittleEndian16(header + 12);
  m_height = ReadLittleEndian16(header + 14);
  m_bitsPerPixel = header[16];
  m_bytesPerPixel = static_cast<uint8_t>(m_bitsPerPixel / 8);
  m_pixelCount = static_cast<uint64_t>(m_width) * m_height;
  m_dataSize = m_pixelCount * m_bytesPerPixel;
}

void ImageFileTGA::CheckPixelFormat() const {
  if (m_bytesPerPixel == 1 || m_bytesPerPixel == 2) {
    ULVO_ERROR(Stringf("Sorry, Ulvo does not yet support %d bytes-per-pixel TGA formats",
                       m_bytesPerPixel),
               UNSUPPORTED_TITLE);
  }
  if (m_bytesPerPixel != 3 && m_bytesPerPixel != 4) {
    ULVO_ERROR(Stringf("Targa image '%s' has %d bits per pixel; only 24 and 32 are supported.",
                       m_resolvedPath.c_str(), m_bitsPerPixel),
               UNSUPPORTED_TITLE);
  }
}

void ImageFileTGA::CheckSize(size_t fileSize) const {
  if (m_width == 0 || m_height == 0) {
    ULVO_ERROR(Stringf("Targa image '%s' has no pixels: it is %d x %d.", m_resolvedPath.c_str(),
                       m_width, m_height),
               INVALID_TITLE);
  }
  if (m_width > MAX_IMAGE_FILE_SIDE || m_height > MAX_IMAGE_FILE_SIDE) {
    ULVO_ERROR(Stringf("Targa image '%s' is %d x %d pixels; images may be at most %u pixels on a "
                       "side.",
                       m_resolvedPath.c_str(), m_width, m_height, MAX_IMAGE_FILE_SIDE),
               INVALID_TITLE);
  }
  const uint64_t available = fileSize - TGA_HEADER_BYTES;
  if (available < m_dataSize) {
    ULVO_ERROR(Stringf("Targa image '%s' is truncated: its %d x %d pixels need %llu bytes, only "
                       "%llu follow the header.",
                       m_resolvedPath.c_str(), m_width, m_height,
                       static_cast<unsigned long long>(m_dataSize),
                       static_cast<unsigned long long>(available)),
               INVALID_TITLE);
  }
}

// The file stores blue, green, red (and alpha); the image wants red first.
std::unique_ptr<Image> ImageFileTGA::Convert(const unsigned char* pixels) const {
  const int format = m_bytesPerPixel == 4 ? Image::IMAGE_FORMAT_RGBA : Image::IMAGE_FORMAT_RGB;
  std::unique_ptr<Image> image = Image::Create(IntVector2(m_width, m_height), format);
  unsigned char* out = image->GetPixels();
  const size_t stride = m_bytesPerPixel;
  for (uint64_t i = 0; i < m_pixelCount; ++i) {
    const unsigned char* in = pixels + i * stride;
    unsigned char* pixel = out + i * stride;
    pixel[0] = in[2];
    pixel[1] = in[1];
    pixel[2] = in[0];
    if (stride == 4) {
      pixel[3] = in[3];
    }
  }
  return image;
}
