#pragma once

#include <vector>

#include "tools/screentour/ScreenTour.h"

namespace screentour {

// Every screen the game can show so far, in the order the tour visits them.
std::vector<TourStop> GetTourStops();

}  // namespace screentour
