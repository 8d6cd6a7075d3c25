#pragma once

#include <cstdint>

// A colour of four bytes, in the order r, g, b, a (also their order in
// binary resource streams). a = 255 is opaque.
//
// Every operation that works in 0..1 floats clamps its result to 0..255,
// so factors above 1 or values outside 0..1 saturate instead of wrapping.
class Rgba {
 public:
  // Transparent black.
  constexpr Rgba() = default;
  // From bytes; values outside 0..255 are clamped.
  constexpr Rgba(int red, int green, int blue, int alpha = 255)
      : r(ClampToByte(red)), g(ClampToByte(green)), b(ClampToByte(blue)), a(ClampToByte(alpha)) {}
  // From 0..1 floats: each channel trunc(value * 255.99), clamped.
  Rgba(float red, float green, float blue, float alpha);

  constexpr bool operator==(const Rgba& other) const {
    return r == other.r && g == other.g && b == other.b && a == other.a;
  }
  constexpr bool operator!=(const Rgba& other) const { return !(*this == other); }

  // (290 r + 526 g + 184 b) / 1000, truncated: 255 for white.
  unsigned int GetBrightness() const;

  void ScaleAlpha(float factor);
  void ScaleRGB(float factor);
  // Moves all four channels the fraction t toward WHITE.
  void LerpTowardWhite(float t);
  // Brings the brightness to target (0..255), first by scaling r, g and b
  // and, where that would push a channel past 255, by blending all four
  // channels toward white. Otherwise alpha is kept.
  void SetBrightness(int target);

  // Per channel (a / 255 * (1 - t) + b / 255 * t) * 255.99, truncated.
  static Rgba Lerp(const Rgba& from, const Rgba& to, float t);

  static const Rgba WHITE;

  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 0;

 private:
  static constexpr uint8_t ClampToByte(int value) {
    return static_cast<uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
  }
};

inline constexpr Rgba Rgba::WHITE{255, 255, 255, 255};
