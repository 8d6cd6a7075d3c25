#include "engine/modules/application/CursorFile.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"
#include "platform/window/Cursor.h"

namespace {

constexpr size_t PNG_SIGNATURE_SIZE = 8;
constexpr size_t CHUNK_HEADER_SIZE = 8;  // length, type
constexpr size_t CHUNK_CRC_SIZE = 4;

uint32_t ReadBigEndian32(const uint8_t* bytes) {
  return (static_cast<uint32_t>(bytes[0]) << 24) | (static_cast<uint32_t>(bytes[1]) << 16) |
         (static_cast<uint32_t>(bytes[2]) << 8) | static_cast<uint32_t>(bytes[3]);
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

// A whole non-negative decimal number of at most four digits.
bool ParseCoordinate(const std::string& text, int& out) {
  if (text.empty() || text.size() > 4 ||
      !std::all_of(text.begin(), text.end(),
                   [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
    return false;
  }
  out = std::stoi(text);
  return true;
}

// Walks the chunk list before the decoder does: a chunk that claims more
// bytes than the file holds would make the decoder allocate that much. Takes
// the text of the "HotSpot" chunk on the way; the decoder skips text chunks.
bool WalkChunks(const std::vector<uint8_t>& bytes, std::string& hotSpotText, bool& hasHotSpot,
                std::string& error) {
  if (bytes.size() < PNG_SIGNATURE_SIZE || png_sig_cmp(bytes.data(), 0, PNG_SIGNATURE_SIZE) != 0) {
    error = "not a PNG image";
    return false;
  }
  const std::string keyword = CURSOR_HOT_SPOT_KEYWORD;
  hasHotSpot = false;
  size_t position = PNG_SIGNATURE_SIZE;
  while (position + CHUNK_HEADER_SIZE <= bytes.size()) {
    const size_t length = ReadBigEndian32(&bytes[position]);
    const char* type = reinterpret_cast<const char*>(&bytes[position + 4]);
    const size_t dataStart = position + CHUNK_HEADER_SIZE;
    if (length > bytes.size() - dataStart ||
        CHUNK_CRC_SIZE > bytes.size() - dataStart - length) {
      break;
    }
    if (std::memcmp(type, "IEND", 4) == 0) {
      return true;
    }
    const char* data = reinterpret_cast<const char*>(&bytes[dataStart]);
    if (!hasHotSpot && std::memcmp(type, "tEXt", 4) == 0 && length > keyword.size() &&
        std::memcmp(data, keyword.c_str(), keyword.size() + 1) == 0) {
      hotSpotText.assign(data + keyword.size() + 1, length - keyword.size() - 1);
      hasHotSpot = true;
    }
    position = dataStart + length + CHUNK_CRC_SIZE;
  }
  error = "damaged PNG image: it ends inside a chunk or before its end chunk";
  return false;
}

bool ApplyHotSpot(const std::string& text, CursorImage& image, std::string& error) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos || !ParseCoordinate(text.substr(0, comma), image.hotX) ||
      !ParseCoordinate(text.substr(comma + 1), image.hotY)) {
    error = "hot spot \"" + text + "\" is not of the form x,y";
    return false;
  }
  if (image.hotX >= image.width || image.hotY >= image.height) {
    error = "hot spot " + text + " lies outside the " + std::to_string(image.width) + " x " +
            std::to_string(image.height) + " image";
    return false;
  }
  return true;
}

}  // namespace

std::string CursorImagePath(const std::string& cursorPath) {
  std::string path = cursorPath;
  std::replace(path.begin(), path.end(), '\\', '/');
  path.erase(0, path.find_first_not_of('/'));
  if (EndsWithIgnoringCase(path, ".cur")) {
    path.replace(path.size() - 4, 4, ".png");
  }
  return path;
}

bool DecodeCursorImage(const std::vector<uint8_t>& fileBytes, CursorImage& out,
                       std::string& error) {
  std::string hotSpotText;
  bool hasHotSpot = false;
  if (!WalkChunks(fileBytes, hotSpotText, hasHotSpot, error)) {
    return false;
  }
  png_image png;
  std::memset(&png, 0, sizeof(png));
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&png, fileBytes.data(), fileBytes.size()) == 0) {
    error = std::string("damaged PNG image: ") + png.message;
    png_image_free(&png);
    return false;
  }
  const auto maxSize = static_cast<png_uint_32>(platform::Cursor::MAX_SIZE);
  if (png.width < 1 || png.height < 1 || png.width > maxSize || png.height > maxSize) {
    error = "cursor image of " + std::to_string(png.width) + " x " + std::to_string(png.height) +
            " pixels is larger than " + std::to_string(platform::Cursor::MAX_SIZE) + " a side";
    png_image_free(&png);
    return false;
  }
  CursorImage image;
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  png.format = PNG_FORMAT_RGBA;
  image.rgba.resize(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr) == 0) {
    error = std::string("damaged PNG image: ") + png.message;
    png_image_free(&png);
    return false;
  }
  if (hasHotSpot && !ApplyHotSpot(hotSpotText, image, error)) {
    return false;
  }
  out = std::move(image);
  error.clear();
  return true;
}

std::unique_ptr<platform::Cursor> LoadCursorFile(const std::string& cursorPath,
                                                 std::string& error) {
  const std::string imagePath = CursorImagePath(cursorPath);
  std::unique_ptr<unsigned char[]> buffer;
  const int32_t size = ReadWholeFile(UlvoPath(PATH_MARKER_NONE, imagePath), buffer);
  if (size < 0) {
    error = "cannot read \"" + imagePath + "\"";
    return nullptr;
  }
  const std::vector<uint8_t> bytes(buffer.get(), buffer.get() + size);
  CursorImage image;
  if (!DecodeCursorImage(bytes, image, error)) {
    error = "\"" + imagePath + "\": " + error;
    return nullptr;
  }
  std::unique_ptr<platform::Cursor> cursor = platform::Cursor::FromPixels(
      image.rgba.data(), image.rgba.size(), image.width, image.height, image.hotX, image.hotY,
      error);
  if (cursor == nullptr) {
    error = "\"" + imagePath + "\": " + error;
  }
  return cursor;
}
