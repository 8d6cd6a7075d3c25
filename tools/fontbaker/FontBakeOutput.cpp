#include "tools/fontbaker/FontBakeOutput.h"

#include <png.h>

#include <stdexcept>

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "platform/system/FileSystem.h"
#include "tools/fontbaker/FontBake.h"

namespace fontbaker {

namespace {

void WriteGlyph(const BakedGlyph& glyph, ResourceStream& stream) {
  stream.WriteBool(glyph.present);
  if (!glyph.present) {
    return;
  }
  stream.WriteUInt8(glyph.page);
  // An AABB2 is its two corners, minimum first.
  stream.WriteVector2(glyph.textureBounds.mins);
  stream.WriteVector2(glyph.textureBounds.maxs);
  stream.WriteFloat(glyph.leadingSpace);
  stream.WriteFloat(glyph.width);
  stream.WriteFloat(glyph.trailingSpace);
}

std::string Joined(const std::string& folder, const std::string& fileName) {
  return folder.empty() || folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
}

void WriteFileOrThrow(const std::string& path, const std::vector<unsigned char>& bytes) {
  if (!platform::WriteFileAtomically(path, bytes.data(), bytes.size())) {
    throw std::runtime_error("cannot write \"" + path + "\"");
  }
}

}  // namespace

std::string DefinitionFileName(const std::string& name, const std::string& locale) {
  return Stringf("%s_%s.FontDef", name.c_str(), locale.c_str());
}

std::string PageFileName(const std::string& name, const std::string& locale, int page) {
  return Stringf("%s_%s_%02d.png", name.c_str(), locale.c_str(), page);
}

void WriteFontDefinition(const BakedFont& font, const std::string& path) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 16384);
  stream.WriteString(font.name);
  stream.WriteString(font.locale);
  stream.WriteUInt8(0);
  stream.WriteInt32(static_cast<int32_t>(font.pages.size()));
  stream.WriteFloat(1.0f);
  for (const BakedGlyph& glyph : font.glyphs) {
    WriteGlyph(glyph, stream);
  }
  if (!stream.SaveToFile(UlvoPath(PATH_MARKER_NONE, path))) {
    throw std::runtime_error("cannot write \"" + path + "\"");
  }
}

std::vector<unsigned char> EncodePagePng(const FontPage& page) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(page.width);
  image.height = static_cast<png_uint_32>(page.height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, page.rgba.data(), 0, nullptr)) {
    throw std::runtime_error(std::string("libpng cannot encode the page: ") + image.message);
  }
  std::vector<unsigned char> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, page.rgba.data(), 0, nullptr)) {
    throw std::runtime_error(std::string("libpng cannot encode the page: ") + image.message);
  }
  bytes.resize(size);
  return bytes;
}

std::vector<std::string> WriteBakedFont(const BakedFont& font, const std::string& folder) {
  if (!platform::CreateFolderRecursive(folder)) {
    throw std::runtime_error("cannot create the folder \"" + folder + "\"");
  }
  std::vector<std::string> written;
  const int pageCount = static_cast<int>(font.pages.size());
  for (int page = 0; page < pageCount; ++page) {
    written.push_back(Joined(folder, PageFileName(font.name, font.locale, page)));
    WriteFileOrThrow(written.back(), EncodePagePng(font.pages[static_cast<size_t>(page)]));
  }
  written.push_back(Joined(folder, DefinitionFileName(font.name, font.locale)));
  WriteFontDefinition(font, written.back());
  for (int stale = pageCount; stale <= MAX_PAGE_COUNT; ++stale) {
    const std::string path = Joined(folder, PageFileName(font.name, font.locale, stale));
    if (!platform::IsRegularFile(path)) {
      break;
    }
    platform::RemoveFile(path);
  }
  return written;
}

}  // namespace fontbaker
