#include "platform/system/MessageBox.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] != '\0';
}

bool HasRealDisplay() {
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  if (driver != nullptr &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    return false;
  }
  return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

Uint32 SdlFlags(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::Error:
      return SDL_MESSAGEBOX_ERROR;
    case MessageBoxIcon::Information:
      return SDL_MESSAGEBOX_INFORMATION;
    case MessageBoxIcon::Exclamation:
      break;
  }
  return SDL_MESSAGEBOX_WARNING;
}

void WriteToStderr(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
}

}  // namespace

void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon) {
  if (HasRealDisplay() &&
      SDL_ShowSimpleMessageBox(SdlFlags(icon), caption.c_str(), text.c_str(), nullptr) == 0) {
    return;
  }
  WriteToStderr(caption, text);
}

void ShowMessageBoxAndWriteToStderr(const std::string& caption, const std::string& text, MessageBoxIcon icon) {
  WriteToStderr(caption, text);
  if (HasRealDisplay()) {
    SDL_ShowSimpleMessageBox(SdlFlags(icon), caption.c_str(), text.c_str(), nullptr);
  }
}

}  // namespace platform
