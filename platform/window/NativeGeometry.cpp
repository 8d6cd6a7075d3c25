#include "platform/window/NativeGeometry.h"

#include <SDL_syswm.h>

namespace platform {

namespace {

bool X11Info(SDL_Window* window, SDL_SysWMinfo& info) {
  if (window == nullptr) {
    return false;
  }
  SDL_VERSION(&info.version);
  return SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11;
}

}  // namespace

bool NativeClientSize(SDL_Window* window, IntSize& size) {
  SDL_SysWMinfo info;
  XWindowAttributes attributes;
  if (!X11Info(window, info) ||
      XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes) == 0) {
    return false;
  }
  size = {attributes.width, attributes.height};
  return true;
}

IntSize ClientSizeOf(SDL_Window* window) {
  IntSize size;
  if (!NativeClientSize(window, size)) {
    SDL_GetWindowSize(window, &size.width, &size.height);
  }
  return size;
}

void ListenToNativeMessages() { SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE); }

bool NativeResize(const SDL_Event& event, SDL_Window* window, IntSize& size) {
  SDL_SysWMinfo info;
  if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr ||
      event.syswm.msg->subsystem != SDL_SYSWM_X11 || !X11Info(window, info)) {
    return false;
  }
  const XEvent& message = event.syswm.msg->msg.x11.event;
  if (message.type != ConfigureNotify || message.xconfigure.window != info.info.x11.window) {
    return false;
  }
  size = {message.xconfigure.width, message.xconfigure.height};
  return true;
}

}  // namespace platform
