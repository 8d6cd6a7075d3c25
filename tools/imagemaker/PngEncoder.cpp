#include "tools/imagemaker/PngEncoder.h"

#include <png.h>

#include <algorithm>
#include <stdexcept>

#include "tools/imagemaker/Canvas.h"

namespace imagemaker {

namespace {

void AppendToBuffer(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

bool IsOpaque(const std::vector<uint8_t>& rgba) {
  for (size_t i = 3; i < rgba.size(); i += 4) {
    if (rgba[i] != 255) {
      return false;
    }
  }
  return true;
}

std::vector<uint8_t> DropAlpha(const std::vector<uint8_t>& rgba) {
  std::vector<uint8_t> rgb;
  rgb.reserve(rgba.size() / 4 * 3);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    rgb.insert(rgb.end(), rgba.begin() + static_cast<long>(i), rgba.begin() + static_cast<long>(i) + 3);
  }
  return rgb;
}

struct RowSource {
  std::vector<uint8_t> pixels;
  bool opaque = false;
  int width = 0;
  int height = 0;
};

void WritePng(png_structp png, png_infop info, const RowSource& rows, const PngTextChunks& text) {
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(rows.width), static_cast<png_uint_32>(rows.height),
               8, rows.opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_text> chunks(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    chunks[i].compression = PNG_TEXT_COMPRESSION_NONE;
    chunks[i].key = const_cast<char*>(text[i].first.c_str());
    chunks[i].text = const_cast<char*>(text[i].second.c_str());
    chunks[i].text_length = text[i].second.size();
  }
  if (!chunks.empty()) {
    png_set_text(png, info, chunks.data(), static_cast<int>(chunks.size()));
  }
  png_write_info(png, info);
  const size_t rowBytes = static_cast<size_t>(rows.width) * (rows.opaque ? 3 : 4);
  for (int y = 0; y < rows.height; ++y) {
    png_write_row(png, rows.pixels.data() + static_cast<size_t>(y) * rowBytes);
  }
  png_write_end(png, info);
}

}  // namespace

std::vector<uint8_t> EncodePng(const Canvas& canvas, const PngTextChunks& text) {
  RowSource rows;
  rows.pixels = canvas.StraightRgba();
  rows.opaque = IsOpaque(rows.pixels);
  if (rows.opaque) {
    rows.pixels = DropAlpha(rows.pixels);
  }
  rows.width = canvas.Width();
  rows.height = canvas.Height();

  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    throw std::runtime_error("libpng could not start a PNG writer");
  }
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng failed while encoding an image");
  }
  png_set_write_fn(png, &out, AppendToBuffer, NoFlush);
  WritePng(png, info, rows, text);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace imagemaker
