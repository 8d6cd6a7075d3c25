#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct SDL_Cursor;

namespace platform {

// A mouse cursor made from an image with a hot spot. Keeps the video
// system alive for as long as it exists.
class Cursor {
 public:
  static constexpr int MAX_SIZE = 256;

  // rgba holds width x height pixels of four bytes (red, green, blue,
  // alpha), rows from the top. On failure returns null and says why in error.
  static std::unique_ptr<Cursor> FromPixels(const uint8_t* rgba, size_t byteCount, int width,
                                            int height, int hotX, int hotY, std::string& error);

  ~Cursor();
  Cursor(const Cursor&) = delete;
  Cursor& operator=(const Cursor&) = delete;

  SDL_Cursor* NativeHandle() const { return cursor_; }

 private:
  explicit Cursor(SDL_Cursor* cursor);

  SDL_Cursor* cursor_;
};

}  // namespace platform
