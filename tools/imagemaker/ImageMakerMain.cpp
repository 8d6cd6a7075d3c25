// imagemaker <Images folder> [image path...]
// Draws every image of the game (or only the named ones, paths relative to
// the Images folder) and writes them under the folder, normally Data/Images.
#include <iostream>
#include <string>
#include <vector>

#include "tools/imagemaker/ImageMaker.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: imagemaker <Images folder> [image path...]\n";
    return 2;
  }
  const std::vector<std::string> only(argv + 2, argv + argc);
  const imagemaker::ImageCatalog catalog = imagemaker::FullCatalog();
  if (!imagemaker::MakeImages(catalog, argv[1], only, std::cerr)) {
    return 1;
  }
  std::cout << "imagemaker: " << (only.empty() ? catalog.size() : only.size())
            << " images written under " << argv[1] << "\n";
  return 0;
}
