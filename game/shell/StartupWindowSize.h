#pragma once

#include "engine/core/IntVector2.h"

class CommandLine;

namespace Pemberquill {

struct StartupWindowSize {
    IntVector2 size;
    bool fullscreen = false;
};

// The window the game opens on a desktop of the given size: the desktop
// itself with "-fullscreen"; otherwise the desktop less 200 pixels each way,
// at most 640 x 400 and brought to 16:10, unless "-windowed W [H]" asks for
// a width above 100 (a lone width gets a 16:10 height). A requested size
// no display can show keeps the default size, with a warning in the log.
StartupWindowSize ChooseStartupWindowSize(const IntVector2& desktopSize,
                                          const CommandLine& commandLine);

}  // namespace Pemberquill
