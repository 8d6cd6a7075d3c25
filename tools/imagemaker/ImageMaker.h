#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tools/imagemaker/ImageCatalog.h"

namespace imagemaker {

// The PNG file of one recipe.
std::vector<uint8_t> RenderImage(const ImageRecipe& recipe);

// Draws the recipes whose paths are listed in `only` (all of them when it
// is empty) and writes each under imagesFolder, creating folders as needed.
// Returns false, with the reason on log, when a listed path is unknown or a
// file cannot be written.
bool MakeImages(const ImageCatalog& catalog, const std::string& imagesFolder,
                const std::vector<std::string>& only, std::ostream& log);

}  // namespace imagemaker
