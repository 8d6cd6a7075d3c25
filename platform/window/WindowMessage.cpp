#include "platform/window/WindowMessage.h"

namespace platform {

namespace {

WindowMessage OfType(WindowMessageType type) {
  WindowMessage message;
  message.type = type;
  return message;
}

}  // namespace

WindowMessage WindowMessage::Move(IntPoint origin) {
  WindowMessage message = OfType(WindowMessageType::Move);
  message.origin = origin;
  return message;
}

WindowMessage WindowMessage::Size(IntSize size) {
  WindowMessage message = OfType(WindowMessageType::Size);
  message.size = size;
  return message;
}

WindowMessage WindowMessage::Close() { return OfType(WindowMessageType::Close); }

WindowMessage WindowMessage::Activate(bool active) {
  WindowMessage message = OfType(WindowMessageType::Activate);
  message.active = active;
  return message;
}

WindowMessage WindowMessage::KeyDown(uint8_t virtualKey, bool repeat, bool systemKey) {
  WindowMessage message = OfType(WindowMessageType::KeyDown);
  message.virtualKey = virtualKey;
  message.repeat = repeat;
  message.systemKey = systemKey;
  return message;
}

WindowMessage WindowMessage::KeyUp(uint8_t virtualKey, bool systemKey) {
  WindowMessage message = OfType(WindowMessageType::KeyUp);
  message.virtualKey = virtualKey;
  message.systemKey = systemKey;
  return message;
}

WindowMessage WindowMessage::Character(uint32_t character) {
  WindowMessage message = OfType(WindowMessageType::Character);
  message.character = character;
  return message;
}

WindowMessage WindowMessage::MouseButtonDown(uint8_t button, IntPoint cursor) {
  WindowMessage message = OfType(WindowMessageType::MouseButtonDown);
  message.virtualKey = button;
  message.cursor = cursor;
  return message;
}

WindowMessage WindowMessage::MouseButtonUp(uint8_t button, IntPoint cursor) {
  WindowMessage message = OfType(WindowMessageType::MouseButtonUp);
  message.virtualKey = button;
  message.cursor = cursor;
  return message;
}

WindowMessage WindowMessage::MouseWheel(int wheelDelta) {
  WindowMessage message = OfType(WindowMessageType::MouseWheel);
  message.wheelDelta = wheelDelta;
  return message;
}

WindowMessage WindowMessage::KeyMenu(uint32_t character) {
  WindowMessage message = OfType(WindowMessageType::KeyMenu);
  message.character = character;
  return message;
}

bool operator==(const WindowMessage& a, const WindowMessage& b) {
  return a.type == b.type && a.origin == b.origin && a.size == b.size && a.active == b.active &&
         a.virtualKey == b.virtualKey && a.repeat == b.repeat && a.systemKey == b.systemKey &&
         a.character == b.character && a.wheelDelta == b.wheelDelta && a.cursor == b.cursor;
}

}  // namespace platform
