// screentour <output folder> [<project folder>]
//
// Writes one PNG per screen of the game, named after its window, into the
// output folder. The game reads the Data/ folder of the project folder,
// by default the source tree the tool was built from.

#include <cstdio>
#include <exception>

#include "tools/screentour/ScreenTour.h"
#include "tools/screentour/TourStops.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s <output folder> [<project folder>]\n", argv[0]);
    return 2;
  }
  try {
    screentour::ScreenTour tour(argc == 3 ? argv[2] : PQ_PROJECT_ROOT, argv[1]);
    for (const std::string& path : tour.Run(screentour::GetTourStops())) {
      std::printf("%s\n", path.c_str());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "screentour: %s\n", error.what());
    return 1;
  }
  return 0;
}
