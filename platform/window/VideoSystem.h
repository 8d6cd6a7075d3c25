#pragma once

#include <string>

namespace platform {

// How often, and how far apart, the display's own driver is tried before
// the video system is given up.
constexpr int VIDEO_START_ATTEMPTS = 5;
constexpr unsigned VIDEO_START_RETRY_MILLISECONDS = 100;

// Whether SDL's video driver of that name shows no picture (offscreen,
// dummy and its variants): nothing drawn on it reaches a display.
bool ShowsNoPicture(const std::string& driver);

// Starts SDL's video system (one more user when it runs already) on a
// driver that shows a picture. A busy X server now and then turns a
// connection away; SDL then falls back, unasked, to a driver that shows
// nothing, and the game would run on with no window at all. Such a driver
// is taken only when SDL_VIDEODRIVER names it; otherwise the display's
// driver is tried again. False, with the reason in error, when none
// started; StopVideo then need not be called.
bool StartVideo(std::string& error);
// Ends one use of the video system.
void StopVideo();

}  // namespace platform
