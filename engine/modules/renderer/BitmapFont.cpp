#include "engine/modules/renderer/BitmapFont.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioInterface.h"
#include "engine/modules/renderer/Texture.h"

namespace {

constexpr const char* LOAD_TITLE = "BitmapFont::Load";
// A glyph names its page in one byte.
constexpr int MAX_PAGE_COUNT = 256;

// Every pixel white with its own alpha: the page becomes a mask that the
// text colour tints.
void MakeAlphaMask(Image& image) {
  const IntVector2 size = image.GetSize();
  for (int y = 0; y < size.y; ++y) {
    for (int x = 0; x < size.x; ++x) {
      image.SetPixel(x, y, Rgba(255, 255, 255, image.GetPixel(x, y).a));
    }
  }
}

std::unique_ptr<Texture> LoadPage(const FontDefinition& definition, int page) {
  UlvoImageStudioInterface* imageStudio = UlvoImageStudioInterface::GetDefaultInstance();
  ULVO_ASSERT(imageStudio != nullptr, "No image studio exists to load font pages with.",
              LOAD_TITLE);
  const UlvoPath path(PATH_MARKER_DATA,
                      BitmapFont::PagePath(definition.GetName(), definition.GetLocale(), page));
  std::unique_ptr<Image> image = imageStudio->LoadImage(path);
  ULVO_ASSERT(
      image != nullptr,
      Stringf("Font page image \"%s\" could not be loaded.", path.GetResolvedPath().c_str()),
      LOAD_TITLE);
  image->SetName(path.GetResolvedPath());
  MakeAlphaMask(*image);
  std::unique_ptr<Texture> texture = Texture::Create();
  texture->PopulateFromImage(*image, false);
  return texture;
}

}  // namespace

std::string BitmapFont::DefinitionPath(const std::string& face, const std::string& locale) {
  return Stringf("Locale/Fonts/%s_%s.FontDef", face.c_str(), locale.c_str());
}

std::string BitmapFont::PagePath(const std::string& name, const std::string& locale, int page) {
  return Stringf("Locale/Fonts/%s_%s_%02d.png", name.c_str(), locale.c_str(), page);
}

std::unique_ptr<BitmapFont> BitmapFont::Load(const std::string& face, const std::string& locale) {
  ResourceStream stream(UlvoPath(PATH_MARKER_DATA, DefinitionPath(face, locale)));
  const std::string file = stream.GetPath().GetResolvedPath();
  ULVO_ASSERT(stream.IsValid(), Stringf("Font definition \"%s\" could not be read.", file.c_str()),
              LOAD_TITLE);
  FontDefinition definition;
  definition.ReadFrom(stream);
  const int32_t pageCount = definition.GetPageCount();
  ULVO_ASSERT(pageCount >= 0 && pageCount <= MAX_PAGE_COUNT,
              Stringf("Font definition \"%s\" gives %d pages; a font has 0 to %d.", file.c_str(),
                      pageCount, MAX_PAGE_COUNT),
              LOAD_TITLE);
  std::vector<std::unique_ptr<Texture>> pages;
  for (int page = 0; page < pageCount; ++page) {
    pages.push_back(LoadPage(definition, page));
  }
  return std::make_unique<BitmapFont>(definition, std::move(pages));
}

BitmapFont::BitmapFont(const FontDefinition& definition,
                       std::vector<std::unique_ptr<Texture>> pages)
    : m_definition(definition), m_pages(std::move(pages)) {}

BitmapFont::~BitmapFont() = default;

Texture* BitmapFont::GetPage(size_t page) const {
  return page < m_pages.size() ? m_pages[page].get() : nullptr;
}

Vector2 BitmapFont::CalcTextExtent(const std::string& text, float size) const {
  float advances = 0.0f;
  for (const char character : text) {
    if (character == '\0') {
      break;
    }
    advances += GetGlyph(static_cast<unsigned char>(character)).GetAdvance();
  }
  return Vector2(size * advances, size);
}
