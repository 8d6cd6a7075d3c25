// fontbaker: bakes a TrueType face into the game's bitmap font.
//
// The game's own font is made from the project root with the defaults:
//
//   build/<folder>/tools/fontbaker/fontbaker
//
// which writes Data/Locale/Fonts/MainFont_EN.FontDef and its pages
// MainFont_EN_00.png, ... from DejaVu Sans. Run it again only when the font
// should change, and keep the new files with the game's data.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "tools/fontbaker/FontBake.h"
#include "tools/fontbaker/FontBakeOutput.h"
#include "tools/fontbaker/GlyphRasterizer.h"

namespace {

struct Options {
  std::string fontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  std::string outputFolder = "Data/Locale/Fonts";
  // Tall enough that large text stays smooth, small enough that text a
  // fifth of it high keeps its strokes.
  int lineHeight = 48;
  fontbaker::FontBakeSettings bake;
};

void PrintUsage() {
  std::fprintf(stderr,
               "usage: fontbaker [--font FILE.ttf] [--name NAME] [--locale LOCALE]\n"
               "                 [--output FOLDER] [--line-height PIXELS] [--page-size PIXELS]\n"
               "Writes FOLDER/NAME_LOCALE.FontDef and FOLDER/NAME_LOCALE_NN.png.\n"
               "Defaults: DejaVu Sans, MainFont, EN, Data/Locale/Fonts, 48, 512.\n");
}

bool ParseNumber(const std::string& text, int* value) {
  char* end = nullptr;
  const long number = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || number <= 0 || number > 8192) {
    return false;
  }
  *value = static_cast<int>(number);
  return true;
}

// False, after saying why, on anything it does not understand.
bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      return false;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "fontbaker: %s needs a value\n", option.c_str());
      return false;
    }
    const std::string value = argv[++i];
    bool understood = true;
    if (option == "--font") {
      options->fontFile = value;
    } else if (option == "--name") {
      options->bake.name = value;
    } else if (option == "--locale") {
      options->bake.locale = value;
    } else if (option == "--output") {
      options->outputFolder = value;
    } else if (option == "--line-height") {
      understood = ParseNumber(value, &options->lineHeight);
    } else if (option == "--page-size") {
      understood = ParseNumber(value, &options->bake.pageSize);
    } else {
      std::fprintf(stderr, "fontbaker: unknown option %s\n", option.c_str());
      return false;
    }
    if (!understood) {
      std::fprintf(stderr, "fontbaker: %s %s is not a size in pixels\n", option.c_str(),
                   value.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    PrintUsage();
    return 2;
  }
  try {
    const fontbaker::GlyphRasterizer rasterizer(options.fontFile, options.lineHeight);
    std::vector<std::string> warnings;
    const fontbaker::BakedFont font = fontbaker::BakeFont(rasterizer, options.bake, &warnings);
    for (const std::string& warning : warnings) {
      std::fprintf(stderr, "fontbaker: warning: %s\n", warning.c_str());
    }
    const std::vector<std::string> written = fontbaker::WriteBakedFont(font, options.outputFolder);
    std::printf("Baked %s at a line height of %d pixels into %zu pages:\n",
                rasterizer.GetFaceName().c_str(), options.lineHeight, font.pages.size());
    for (const std::string& path : written) {
      std::printf("  %s\n", path.c_str());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "fontbaker: %s\n", error.what());
    return 1;
  }
  return 0;
}
