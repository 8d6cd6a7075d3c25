#include "platform/window/VideoSystem.h"

#include "platform/system/HighResolutionCounter.h"

#include <SDL.h>

#include <sstream>

namespace platform {

namespace {

// SDL_VIDEODRIVER (or its hint) may list several drivers, separated by commas.
bool IsAskedFor(const std::string& driver) {
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  std::istringstream names(asked != nullptr ? asked : "");
  for (std::string name; std::getline(names, name, ',');) {
    if (SDL_strcasecmp(name.c_str(), driver.c_str()) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool ShowsNoPicture(const std::string& driver) {
  return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

bool StartVideo(std::string& error) {
  for (int attempt = 0; attempt < VIDEO_START_ATTEMPTS; ++attempt) {
    if (attempt > 0) {
      SleepMilliseconds(VIDEO_START_RETRY_MILLISECONDS);
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      error = std::string("video system unavailable: ") + SDL_GetError();
      continue;
    }
    const char* current = SDL_GetCurrentVideoDriver();
    const std::string driver = current != nullptr ? current : "";
    if (!ShowsNoPicture(driver) || IsAskedFor(driver)) {
      error.clear();
      return true;
    }
    error = "video system unavailable: only the \"" + driver +
            "\" driver started, which shows no window";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  return false;
}

void StopVideo() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

}  // namespace platform
