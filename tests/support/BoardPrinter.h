#pragma once

// The board printer lives in the puzzle library, which the recipe-book cook
// shares with the tests.
#include "game/puzzle/board/BoardPrinter.h"
