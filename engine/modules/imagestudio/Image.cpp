#include "engine/modules/imagestudio/Image.h"

#include "engine/core/Diagnostics.h"

int Image::BytesPerPixelOfFormat(int format) {
  switch (format) {
    case IMAGE_FORMAT_RGB: return 3;
    case IMAGE_FORMAT_RGBA: return 4;
    case IMAGE_FORMAT_GREY: return 1;
    case IMAGE_FORMAT_GREY_ALPHA: return 2;
    default: return 0;
  }
}

std::unique_ptr<Image> Image::Create(IntVector2 size, int format) {
  std::unique_ptr<Image> image = std::make_unique<Image>();
  image->Allocate(format, size);
  return image;
}

void Image::Allocate(int format, IntVector2 size) {
  ULVO_ASSERT(size.x >= 0 && size.y >= 0,
              Stringf("Image::Allocate: negative size %d x %d", size.x, size.y),
              "Image::Allocate");
  m_pixels.reset();
  m_format = format;
  m_bytesPerPixel = BytesPerPixelOfFormat(format);
  m_size = size;
  m_pixels.reset(new unsigned char[GetByteCount()]);
}

size_t Image::GetByteCount() const {
  return static_cast<size_t>(m_size.x) * static_cast<size_t>(m_size.y) *
         static_cast<size_t>(m_bytesPerPixel);
}

bool Image::HasKnownFormat() const { return BytesPerPixelOfFormat(m_format) != 0; }

size_t Image::PixelOffset(int x, int y) const {
  ULVO_ASSERT(x >= 0 && x < m_size.x && y >= 0 && y < m_size.y,
              Stringf("Pixel (%d, %d) lies outside the %d x %d image '%s'", x, y, m_size.x,
                      m_size.y, m_name.c_str()),
              "Image");
  return (static_cast<size_t>(y) * static_cast<size_t>(m_size.x) + static_cast<size_t>(x)) *
         static_cast<size_t>(m_bytesPerPixel);
}

Rgba Image::GetPixel(int x, int y) const {
  if (!HasKnownFormat()) {
    return Rgba::WHITE;
  }
  const unsigned char* pixel = m_pixels.get() + PixelOffset(x, y);
  switch (m_format) {
    case IMAGE_FORMAT_RGB: return Rgba(pixel[0], pixel[1], pixel[2], 255);
    case IMAGE_FORMAT_RGBA: return Rgba(pixel[0], pixel[1], pixel[2], pixel[3]);
    case IMAGE_FORMAT_GREY: return Rgba(pixel[0], pixel[0], pixel[0], 255);
    default: return Rgba(pixel[0], pixel[0], pixel[0], pixel[1]);
  }
}

void Image::SetPixel(int x, int y, const Rgba& color) {
  if (!HasKnownFormat()) {
    return;
  }
  unsigned char* pixel = m_pixels.get() + PixelOffset(x, y);
  switch (m_format) {
    case IMAGE_FORMAT_RGB:
    case IMAGE_FORMAT_RGBA:
      pixel[0] = color.r;
      pixel[1] = color.g;
      pixel[2] = color.b;
      if (m_format == IMAGE_FORMAT_RGBA) {
        pixel[3] = color.a;
      }
      break;
    default:
      pixel[0] = static_cast<unsigned char>(color.GetBrightness());
      if (m_format == IMAGE_FORMAT_GREY_ALPHA) {
        pixel[1] = color.a;
      }
      break;
  }
}
