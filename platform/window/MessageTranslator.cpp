#include "platform/window/MessageTranslator.h"

#include "platform/window/NativeGeometry.h"

#include <SDL_video.h>

#include <cmath>
#include <cstring>

namespace platform {

namespace {

bool IsSystemKey(uint8_t virtualKey, Uint16 modifiers) {
  if (virtualKey == VK_F10) {
    return true;
  }
  // Ctrl+Alt is how Windows reports AltGr, whose keys are ordinary keys.
  const bool alt = virtualKey == VK_MENU || (modifiers & KMOD_ALT) != 0;
  return alt && (modifiers & KMOD_CTRL) == 0;
}

// SDL sends no text for these keys; Windows reports them as characters.
uint32_t ControlCharacterOf(uint8_t virtualKey) {
  switch (virtualKey) {
    case VK_ESCAPE:
      return 27;
    case VK_RETURN:
      return 13;
    case VK_BACK:
      return 8;
    case VK_TAB:
      return 9;
    default:
      return 0;
  }
}

// The character that goes with a key pressed with Alt, or 0 when none does.
uint32_t MenuCharacterOf(const SDL_Keysym& key, uint8_t virtualKey) {
  if (virtualKey == VK_RETURN) {
    return 13;
  }
  if (key.sym >= SDLK_SPACE && key.sym < SDLK_DELETE) {
    return static_cast<uint32_t>(key.sym);
  }
  return 0;
}

uint8_t ButtonCode(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return VK_LBUTTON;
    case SDL_BUTTON_RIGHT:
      return VK_RBUTTON;
    case SDL_BUTTON_MIDDLE:
      return VK_MBUTTON;
    case SDL_BUTTON_X1:
      return VK_XBUTTON1;
    case SDL_BUTTON_X2:
      return VK_XBUTTON2;
    default:
      return 0;
  }
}

// Decodes one UTF-8 sequence starting at text[i] and advances i past it;
// malformed bytes decode as U+FFFD.
uint32_t NextCodePoint(const char* text, size_t length, size_t& i) {
  constexpr uint32_t REPLACEMENT = 0xFFFD;
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) {
    return lead;
  }
  int followers = 0;
  uint32_t codePoint = 0;
  uint32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    followers = 1;
    codePoint = lead & 0x1F;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    followers = 2;
    codePoint = lead & 0x0F;
    minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    followers = 3;
    codePoint = lead & 0x07;
    minimum = 0x10000;
  } else {
    return REPLACEMENT;
  }
  for (int k = 0; k < followers; ++k) {
    if (i >= length || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      return REPLACEMENT;
    }
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    ++i;
  }
  const bool valid = codePoint >= minimum && codePoint <= 0x10FFFF &&
                     (codePoint < 0xD800 || codePoint > 0xDFFF);
  return valid ? codePoint : REPLACEMENT;
}

}  // namespace

MessageTranslator::MessageTranslator(uint32_t windowId) : windowId_(windowId) {}

void MessageTranslator::Translate(const SDL_Event& event, std::deque<WindowMessage>& out) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      TranslateWindowEvent(event.window, out);
      break;
    case SDL_QUIT:
      out.push_back(WindowMessage::Close());
      break;
    case SDL_KEYDOWN:
      TranslateKeyDown(event.key, out);
      break;
    case SDL_KEYUP:
      TranslateKeyUp(event.key, out);
      break;
    case SDL_TEXTINPUT:
      TranslateText(event.text, out);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      TranslateButton(event.button, out);
      break;
    case SDL_MOUSEWHEEL:
      TranslateWheel(event.wheel, out);
      break;
    case SDL_SYSWMEVENT:
      TranslateNativeMessage(event, out);
      break;
    default:
      break;
  }
}

void MessageTranslator::ReportGeometry(IntPoint origin, IntSize size,
                                       std::deque<WindowMessage>& out) {
  ReportMove(origin, out);
  ReportSize(size, out);
}

void MessageTranslator::TranslateWindowEvent(const SDL_WindowEvent& event,
                                             std::deque<WindowMessage>& out) {
  if (event.windowID != windowId_) {
    return;
  }
  switch (event.event) {
    case SDL_WINDOWEVENT_MOVED:
      ReportMove({event.data1, event.data2}, out);
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      IntSize size{event.data1, event.data2};
      NativeClientSize(SDL_GetWindowFromID(windowId_), size);
      ReportSize(size, out);
      break;
    }
    case SDL_WINDOWEVENT_MINIMIZED:
      // The window procedure learns of minimising as a client area of 0 x 0.
      ReportSize({0, 0}, out);
      break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED: {
      SDL_Window* window = SDL_GetWindowFromID(windowId_);
      if (window != nullptr) {
        ReportSize(ClientSizeOf(window), out);
      }
      break;
    }
    case SDL_WINDOWEVENT_CLOSE:
      out.push_back(WindowMessage::Close());
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      out.push_back(WindowMessage::Activate(true));
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      ReleaseHeldKeys(out);
      out.push_back(WindowMessage::Activate(false));
      break;
    default:
      break;
  }
}

// SDL passes on no size change of the window system's that matches a size
// it already claims, so the window system's own message is followed too.
void MessageTranslator::TranslateNativeMessage(const SDL_Event& event,
                                               std::deque<WindowMessage>& out) {
  SDL_Window* window = SDL_GetWindowFromID(windowId_);
  IntSize size;
  IntPoint cursor;
  if (NativeResize(event, window, size)) {
    ReportSize(size, out);
  } else if (NativeButtonCursor(event, window, cursor)) {
    nativeButtonCursor_ = cursor;
  }
}

void MessageTranslator::TranslateKeyDown(const SDL_KeyboardEvent& event,
                                         std::deque<WindowMessage>& out) {
  if (event.keysym.scancode == SDL_SCANCODE_LALT) {
    leftAltDown_ = true;
  }
  const uint8_t virtualKey = VirtualKeyFromSdl(event.keysym.sym, event.keysym.scancode);
  if (virtualKey == 0) {
    return;
  }
  const bool systemKey = IsSystemKey(virtualKey, event.keysym.mod);
  const bool repeat = event.repeat != 0;
  keyDown_[virtualKey] = true;
  out.push_back(WindowMessage::KeyDown(virtualKey, repeat, systemKey));
  if (!systemKey) {
    const uint32_t character = ControlCharacterOf(virtualKey);
    if (character != 0) {
      out.push_back(WindowMessage::Character(character));
    }
  } else if (!repeat && virtualKey != VK_MENU) {
    // Held keys must not toggle the window (Alt+Enter) over and over.
    const uint32_t character = MenuCharacterOf(event.keysym, virtualKey);
    if (character != 0) {
      out.push_back(WindowMessage::KeyMenu(character));
    }
  }
}

void MessageTranslator::TranslateKeyUp(const SDL_KeyboardEvent& event,
                                       std::deque<WindowMessage>& out) {
  if (event.keysym.scancode == SDL_SCANCODE_LALT) {
    leftAltDown_ = false;
  }
  const uint8_t virtualKey = VirtualKeyFromSdl(event.keysym.sym, event.keysym.scancode);
  // A release is reported once, after its press: not for keys pressed before
  // the window opened, nor again for keys already released at focus loss.
  if (virtualKey == 0 || !keyDown_[virtualKey]) {
    return;
  }
  keyDown_[virtualKey] = false;
  out.push_back(WindowMessage::KeyUp(virtualKey, IsSystemKey(virtualKey, event.keysym.mod)));
}

void MessageTranslator::TranslateText(const SDL_TextInputEvent& event,
                                      std::deque<WindowMessage>& out) {
  if (leftAltDown_ && !keyDown_[VK_CONTROL]) {
    return;
  }
  const size_t length = strnlen(event.text, sizeof(event.text));
  size_t i = 0;
  while (i < length) {
    out.push_back(WindowMessage::Character(NextCodePoint(event.text, length, i)));
  }
}

// Where the window system told where the button happened, that place holds:
// SDL's own position can belong to where the window was (NativeButtonCursor).
void MessageTranslator::TranslateButton(const SDL_MouseButtonEvent& event,
                                        std::deque<WindowMessage>& out) {
  const uint8_t button = ButtonCode(event.button);
  if (button == 0) {
    return;
  }
  const bool down = event.type == SDL_MOUSEBUTTONDOWN;
  if (!down && !keyDown_[button]) {
    return;
  }
  keyDown_[button] = down;
  lastButtonCursor_ = nativeButtonCursor_.value_or(IntPoint{origin_.x + event.x, origin_.y + event.y});
  nativeButtonCursor_.reset();
  out.push_back(down ? WindowMessage::MouseButtonDown(button, lastButtonCursor_)
                     : WindowMessage::MouseButtonUp(button, lastButtonCursor_));
}

void MessageTranslator::TranslateWheel(const SDL_MouseWheelEvent& event,
                                       std::deque<WindowMessage>& out) {
  // Smooth-scrolling devices report fractions of a notch in preciseY.
  int delta = event.preciseY != 0.0f ? static_cast<int>(std::lround(event.preciseY * 120.0f))
                                     : event.y * 120;
  if (event.direction == SDL_MOUSEWHEEL_FLIPPED) {
    delta = -delta;
  }
  if (delta != 0) {
    out.push_back(WindowMessage::MouseWheel(delta));
  }
}

void MessageTranslator::ReportMove(IntPoint origin, std::deque<WindowMessage>& out) {
  if (originKnown_ && origin == origin_) {
    return;
  }
  originKnown_ = true;
  origin_ = origin;
  out.push_back(WindowMessage::Move(origin));
}

void MessageTranslator::ReportSize(IntSize size, std::deque<WindowMessage>& out) {
  if (sizeKnown_ && size == size_) {
    return;
  }
  sizeKnown_ = true;
  size_ = size;
  out.push_back(WindowMessage::Size(size));
}

// Keys released while another window has the focus would never be seen to
// go up; release them here so that no key stays held for the game.
void MessageTranslator::ReleaseHeldKeys(std::deque<WindowMessage>& out) {
  for (int code = 0; code < VIRTUAL_KEY_COUNT; ++code) {
    if (!keyDown_[code]) {
      continue;
    }
    keyDown_[code] = false;
    const auto virtualKey = static_cast<uint8_t>(code);
    const bool button = virtualKey == VK_LBUTTON || virtualKey == VK_RBUTTON ||
                        virtualKey == VK_MBUTTON || virtualKey == VK_XBUTTON1 ||
                        virtualKey == VK_XBUTTON2;
    out.push_back(button ? WindowMessage::MouseButtonUp(virtualKey, lastButtonCursor_)
                         : WindowMessage::KeyUp(virtualKey, IsSystemKey(virtualKey, KMOD_NONE)));
  }
  leftAltDown_ = false;
}

}  // namespace platform

