#include "platform/window/Cursor.h"

#include "platform/window/VideoSystem.h"

#include <SDL.h>

#include <vector>

namespace platform {

namespace {

std::string CheckPixels(size_t byteCount, int width, int height, int hotX, int hotY) {
  if (width < 1 || height < 1 || width > Cursor::MAX_SIZE || height > Cursor::MAX_SIZE) {
    return "cursor size " + std::to_string(width) + " x " + std::to_string(height) +
           " is outside 1 to " + std::to_string(Cursor::MAX_SIZE);
  }
  if (hotX < 0 || hotY < 0 || hotX >= width || hotY >= height) {
    return "cursor hot spot (" + std::to_string(hotX) + ", " + std::to_string(hotY) +
           ") lies outside the image";
  }
  const size_t expected = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  if (byteCount != expected) {
    return "cursor image has " + std::to_string(byteCount) + " bytes instead of " +
           std::to_string(expected);
  }
  return std::string();
}

}  // namespace

Cursor::Cursor(SDL_Cursor* cursor) : cursor_(cursor) {}

std::unique_ptr<Cursor> Cursor::FromPixels(const uint8_t* rgba, size_t byteCount, int width,
                                           int height, int hotX, int hotY, std::string& error) {
  error = CheckPixels(rgba == nullptr ? 0 : byteCount, width, height, hotX, hotY);
  if (!error.empty()) {
    return nullptr;
  }
  if (!StartVideo(error)) {
    return nullptr;
  }
  // SDL wants writable pixels; it copies them into the cursor.
  std::vector<uint8_t> pixels(rgba, rgba + byteCount);
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      pixels.data(), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
  SDL_Cursor* cursor = surface != nullptr ? SDL_CreateColorCursor(surface, hotX, hotY) : nullptr;
  SDL_FreeSurface(surface);
  if (cursor == nullptr) {
    error = std::string("cursor not created: ") + SDL_GetError();
    StopVideo();
    return nullptr;
  }
  return std::unique_ptr<Cursor>(new Cursor(cursor));
}

Cursor::~Cursor() {
  SDL_FreeCursor(cursor_);
  StopVideo();
}

}  // namespace platform
