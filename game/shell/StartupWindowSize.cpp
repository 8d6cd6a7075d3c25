#include "game/shell/StartupWindowSize.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "engine/core/CommandLine.h"
#include "engine/core/Diagnostics.h"
#include "platform/window/Window.h"

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

// Reads up to two whole numbers as "%d %d" would, but never overflows: a
// number beyond the 32-bit range is taken as that range's end. Returns how
// many were read.
int ReadRequestedSize(const std::string& text, int64_t& width, int64_t& height)
{
    int64_t* const targets[] = {&width, &height};
    const char* cursor = text.c_str();
    int count = 0;
    for (int64_t* target : targets) {
        char* end = nullptr;
        const long long value = std::strtoll(cursor, &end, 10);
        if (end == cursor) {
            break;
        }
        *target = std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                      std::numeric_limits<int32_t>::max());
        cursor = end;
        ++count;
    }
    return count;
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
    int64_t width = choice.size.x;
    int64_t height = choice.size.y;
    const int numbersRead = ReadRequestedSize(commandLine.GetOptionValue("windowed"), width, height);
    if (numbersRead == 1) {
        height = width * 10 / 16;
    }
    // A height of zero or less would open no usable window.
    if (numbersRead == 0 || width <= 100 || height <= 0) {
        return choice;
    }
    if (width > platform::Window::MAX_CLIENT_SIDE || height > platform::Window::MAX_CLIENT_SIDE) {
        ConsolePrintf("WARNING: a window of %lld x %lld pixels (-windowed) is larger than any "
                      "display can show; opening the default %d x %d window instead.\n",
                      static_cast<long long>(width), static_cast<long long>(height),
                      choice.size.x, choice.size.y);
        return choice;
    }
    choice.size = IntVector2(static_cast<int>(width), static_cast<int>(height));
    return choice;
}

}  // namespace Pemberquill
