#include "tools/screentour/ScreenshotPng.h"

#include <png.h>

#include <stdexcept>

namespace screentour {

void WriteScreenshotPng(const std::string& path, int width, int height,
                        const std::vector<platform::GpuColor>& pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height) {
    throw std::runtime_error("the screenshot for \"" + path + "\" has no pixels");
  }
  std::vector<unsigned char> rgb;
  rgb.reserve(pixels.size() * 3);
  for (const platform::GpuColor& pixel : pixels) {
    rgb.insert(rgb.end(), {pixel.r, pixel.g, pixel.b});
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
    throw std::runtime_error("cannot write \"" + path + "\": " + image.message);
  }
}

}  // namespace screentour
