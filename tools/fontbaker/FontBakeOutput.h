#pragma once

#include <string>
#include <vector>

namespace fontbaker {

struct BakedFont;
struct FontPage;

// "<name>_<locale>.FontDef" and "<name>_<locale>_<NN>.png", as the engine
// looks them up.
std::string DefinitionFileName(const std::string& name, const std::string& locale);
std::string PageFileName(const std::string& name, const std::string& locale, int page);

// The definition as a binary resource stream: name, locale, the reserved
// byte (0), the page count, the reserved scale (1.0), then the 256 glyph
// records. Throws std::runtime_error when the file cannot be written.
void WriteFontDefinition(const BakedFont& font, const std::string& path);

// An 8-bit RGBA PNG of the page; throws std::runtime_error when libpng
// refuses it.
std::vector<unsigned char> EncodePagePng(const FontPage& page);

// Writes the definition and every page into the folder (created when
// missing), and removes pages of an earlier bake beyond the new page count,
// so the folder holds exactly one font's files. Returns the paths written.
std::vector<std::string> WriteBakedFont(const BakedFont& font, const std::string& folder);

}  // namespace fontbaker
