#pragma once

#include "platform/window/WindowGeometry.h"

#include <SDL_events.h>
#include <SDL_video.h>

#include <string>

namespace platform {

// SDL takes a full-screen request on X11 at its word: it reports the
// display's size at once, whether or not the window system ever grants it
// (without a window manager it never does), and afterwards drops the window
// system's own size changes that match what it already claims. The size the
// window really has comes from the window system itself.

// The client size the window system gives the window; false where the video
// driver has no window-system window to ask, and SDL's size holds.
bool NativeClientSize(SDL_Window* window, IntSize& size);
// The window system's client size where there is one to ask, else SDL's.
IntSize ClientSizeOf(SDL_Window* window);

// Where no window manager runs, nobody grants a full-screen request: the
// window keeps its size while SDL claims the display's. There the window is
// placed over the whole display itself, so that what SDL draws for and what
// the window shows agree. Nothing where a window manager runs or the video
// driver has no window-system window.
void CoverDisplayWithoutWindowManager(SDL_Window* window);

// Names the window system's class of the window (X11: the class of
// WM_CLASS; the instance name stays SDL's). Window managers read it when the
// window is mapped, so it is set before the window is first shown. Nothing
// for an empty name or where the video driver has no window-system window.
void SetNativeClassName(SDL_Window* window, const std::string& className);

// Lets the window system's messages through SDL's queue where the video
// driver can pass them, so that NativeResize sees them.
void ListenToNativeMessages();

// Whether the event is the window system's message that the window's size
// changed; its new size in size.
bool NativeResize(const SDL_Event& event, SDL_Window* window, IntSize& size);

// SDL gives a mouse button the pointer's position as it last measured it in
// the window, which it does only when the pointer moves: after the window
// moved or changed mode under a still pointer, that position belongs to
// where the window was. The window system's own message of the button comes
// just before SDL's and says where on the desktop the pointer was.
// Whether the event is that message for a button (not the wheel) in the
// window; the pointer's place on the desktop in cursor.
bool NativeButtonCursor(const SDL_Event& event, SDL_Window* window, IntPoint& cursor);

// SDL's record of where the pointer is follows the device's own motion and
// SDL's own warps, and its measure in the window changes only when the
// pointer moves over it: neither sees a pointer that another program placed,
// nor a window that moved under a still pointer. The window system knows.
// Whether it could be asked (the pointer on the window's screen); the
// pointer's place on the desktop in cursor.
bool NativePointerPosition(SDL_Window* window, IntPoint& cursor);

}  // namespace platform
