#include "tools/imagemaker/ImageMaker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace imagemaker {

std::vector<uint8_t> RenderImage(const ImageRecipe& recipe) {
  Canvas canvas(recipe.width, recipe.height);
  recipe.draw(canvas);
  return EncodePng(canvas, recipe.text);
}

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes,
               std::ostream& log) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  // Written beside the target and renamed, so an interrupted run leaves
  // the previous image whole.
  const std::filesystem::path temporary = path.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      log << "cannot write " << temporary.string() << "\n";
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    log << "cannot replace " << path.string() << ": " << error.message() << "\n";
    return false;
  }
  return true;
}

}  // namespace

bool MakeImages(const ImageCatalog& catalog, const std::string& imagesFolder,
                const std::vector<std::string>& only, std::ostream& log) {
  for (const std::string& path : only) {
    if (std::none_of(catalog.begin(), catalog.end(),
                     [&](const ImageRecipe& recipe) { return recipe.path == path; })) {
      log << "no image is called " << path << "\n";
      return false;
    }
  }
  for (const ImageRecipe& recipe : catalog) {
    if (!only.empty() && std::find(only.begin(), only.end(), recipe.path) == only.end()) {
      continue;
    }
    if (!WriteFile(std::filesystem::path(imagesFolder) / recipe.path, RenderImage(recipe), log)) {
      return false;
    }
  }
  return true;
}

}  // namespace imagemaker
