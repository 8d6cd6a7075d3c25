#include "platform/window/NativeGeometry.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace platform {

namespace {

bool X11Info(SDL_Window* window, SDL_SysWMinfo& info) {
  if (window == nullptr) {
    return false;
  }
  SDL_VERSION(&info.version);
  return SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11;
}

// A window manager that follows the common conventions names its own check
// window on the root window.
bool IsWindowManagerRunning(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) {
    return false;
  }
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                        XA_WINDOW, &type, &format, &count, &remaining, &data);
  const bool found = status == Success && type == XA_WINDOW && count == 1;
  if (data != nullptr) {
    XFree(data);
  }
  return found;
}

// The window system's message an SDL event passes on, or null.
const XEvent* X11MessageOf(const SDL_Event& event) {
  if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr ||
      event.syswm.msg->subsystem != SDL_SYSWM_X11) {
    return nullptr;
  }
  return &event.syswm.msg->msg.x11.event;
}

// X11 reports the wheel's notches as presses of buttons 4 to 7.
bool IsWheelButton(unsigned int button) { return button >= 4 && button <= 7; }

}  // namespace

void CoverDisplayWithoutWindowManager(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_Rect bounds{};
  if (!X11Info(window, info) || IsWindowManagerRunning(info.info.x11.display) ||
      SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &bounds) != 0) {
    return;
  }
  XMoveResizeWindow(info.info.x11.display, info.info.x11.window, bounds.x, bounds.y,
                    static_cast<unsigned>(bounds.w), static_cast<unsigned>(bounds.h));
  XSync(info.info.x11.display, False);
}

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

void SetNativeClassName(SDL_Window* window, const std::string& className) {
  SDL_SysWMinfo info;
  if (className.empty() || !X11Info(window, info)) {
    return;
  }
  Display* display = info.info.x11.display;
  const ::Window native = info.info.x11.window;
  std::string instance = className;
  XClassHint current{};
  if (XGetClassHint(display, native, &current) != 0) {
    if (current.res_name != nullptr) {
      instance = current.res_name;
      XFree(current.res_name);
    }
    if (current.res_class != nullptr) {
      XFree(current.res_class);
    }
  }
  XClassHint wanted{const_cast<char*>(instance.c_str()), const_cast<char*>(className.c_str())};
  XSetClassHint(display, native, &wanted);
  XFlush(display);
}

void ListenToNativeMessages() { SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE); }

bool NativeResize(const SDL_Event& event, SDL_Window* window, IntSize& size) {
  const XEvent* message = X11MessageOf(event);
  SDL_SysWMinfo info;
  if (message == nullptr || message->type != ConfigureNotify || !X11Info(window, info) ||
      message->xconfigure.window != info.info.x11.window) {
    return false;
  }
  size = {message->xconfigure.width, message->xconfigure.height};
  return true;
}

bool NativeButtonCursor(const SDL_Event& event, SDL_Window* window, IntPoint& cursor) {
  const XEvent* message = X11MessageOf(event);
  if (message == nullptr || (message->type != ButtonPress && message->type != ButtonRelease) ||
      IsWheelButton(message->xbutton.button)) {
    return false;
  }
  SDL_SysWMinfo info;
  if (!X11Info(window, info) || message->xbutton.window != info.info.x11.window) {
    return false;
  }
  cursor = {message->xbutton.x_root, message->xbutton.y_root};
  return true;
}

bool NativePointerPosition(SDL_Window* window, IntPoint& cursor) {
  SDL_SysWMinfo info;
  if (!X11Info(window, info)) {
    return false;
  }
  ::Window root = None;
  ::Window child = None;
  IntPoint onDesktop;
  IntPoint inWindow;
  unsigned int buttons = 0;
  if (XQueryPointer(info.info.x11.display, info.info.x11.window, &root, &child, &onDesktop.x,
                    &onDesktop.y, &inWindow.x, &inWindow.y, &buttons) != True) {
    return false;
  }
  cursor = onDesktop;
  return true;
}

}  // namespace platform
