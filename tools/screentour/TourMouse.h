#pragma once

#include "engine/core/Vector2.h"

namespace screentour {

// Puts the mouse over a point of the virtual screen, as a player's hand
// would; the input module reads it on the next frame.
void MoveTourMouse(const Vector2& virtualPoint);

}  // namespace screentour
