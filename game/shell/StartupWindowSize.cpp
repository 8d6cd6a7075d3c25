#include "game/shell/StartupWindowSize.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/core/CommandLine.h"

namespace Pemberquill {

namespace {

IntVector2 DefaultWindowSize(const IntVector2& desktopSize)
{
    int width = std::min(desktopSize.x - 200, 640);
    int height = std::min(desktopSize.y - 200, 400);
    const float ratio = height != 0 ? static_cast<float>(width) / static_cast<float>(height) : 0.0f;
    const float wideScreen = 1.6f;
    if (ratio > wideScreen) {
        width = height * 16 / 10;
    } else if (ratio < wideScreen) {
        height = width * 10 / 16;
    }
    return IntVector2(width, height);
}

}  // namespace

StartupWindowSize ChooseStartupWindowSize(const IntVector2& desktopSize,
                                          const CommandLine& commandLine)
{
    StartupWindowSize choice;
    if (commandLine.HasOption("fullscreen")) {
        choice.size = desktopSize;
        choice.fullscreen = true;
        return choice;
    }
    choice.size = DefaultWindowSize(desktopSize);
    const std::string requested = commandLine.GetOptionValue("windowed");
    int width = choice.size.x;
    int height = choice.size.y;
    const int numbersRead = std::sscanf(requested.c_str(), "%d %d", &width, &height);
    if (numbersRead == 1) {
        height = width * 10 / 16;
    }
    // A height of zero or less would open no usable window.
    if (numbersRead >= 1 && width > 100 && height > 0) {
        choice.size = IntVector2(width, height);
    }
    return choice;
}

}  // namespace Pemberquill
