#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/imagemaker/Canvas.h"
#include "tools/imagemaker/PngEncoder.h"

namespace imagemaker {

// One image the game loads: where it goes, its size and how to draw it.
struct ImageRecipe {
  std::string path;  // relative to the Images folder, e.g. "UI/CheckMark.png"
  int width = 0;
  int height = 0;
  std::function<void(Canvas&)> draw;
  PngTextChunks text;
};

using ImageCatalog = std::vector<ImageRecipe>;

// Every image of the game, grouped by the screens that show them.
ImageCatalog FullCatalog();

void AddInterfaceImages(ImageCatalog& catalog);
void AddBackgroundImages(ImageCatalog& catalog);
void AddRegionImages(ImageCatalog& catalog);
void AddAchievementImages(ImageCatalog& catalog);
void AddCursorAndIcon(ImageCatalog& catalog);

// The campaign's regions, in campaign order, as their image names spell them.
const std::vector<std::string>& RegionNames();

}  // namespace imagemaker
