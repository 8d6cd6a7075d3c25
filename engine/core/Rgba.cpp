#include "engine/core/Rgba.h"

#include <algorithm>

namespace {

// 255.99 rather than 255 so that 1.0 maps to 255 and the byte range is
// split evenly over 0..1.
constexpr float UNIT_TO_BYTE = 255.99f;

uint8_t UnitToByte(float value) {
  const float scaled = value * UNIT_TO_BYTE;
  if (!(scaled > 0.0f)) {  // also catches NaN
    return 0;
  }
  if (scaled >= 255.0f) {
    return 255;
  }
  return static_cast<uint8_t>(scaled);
}

float ByteToUnit(uint8_t value) { return value / 255.0f; }

uint8_t ScaleByte(uint8_t value, float factor) { return UnitToByte(ByteToUnit(value) * factor); }

uint8_t LerpByte(uint8_t from, uint8_t to, float t) {
  return UnitToByte(ByteToUnit(from) * (1.0f - t) + ByteToUnit(to) * t);
}

}  // namespace

Rgba::Rgba(float red, float green, float blue, float alpha)
    : r(UnitToByte(red)), g(UnitToByte(green)), b(UnitToByte(blue)), a(UnitToByte(alpha)) {}

unsigned int Rgba::GetBrightness() const { return (290u * r + 526u * g + 184u * b) / 1000u; }

void Rgba::ScaleAlpha(float factor) { a = ScaleByte(a, factor); }

void Rgba::ScaleRGB(float factor) {
  r = ScaleByte(r, factor);
  g = ScaleByte(g, factor);
  b = ScaleByte(b, factor);
}

void Rgba::LerpTowardWhite(float t) { *this = Lerp(*this, WHITE, t); }

void Rgba::SetBrightness(int target) {
  if (target > 254 || target <= 0) {
    const uint8_t grey = ClampToByte(target);
    r = g = b = grey;
    return;
  }
  const unsigned int brightness = GetBrightness();
  if (brightness == 0) {
    r = g = b = static_cast<uint8_t>(target);
    return;
  }

  float largestFactor = 255.0f;
  for (uint8_t channel : {r, g, b}) {
    if (channel != 0) {
      largestFactor = std::min(largestFactor, 255.0f / channel);
    }
  }
  const float wantedFactor = static_cast<float>(target) / brightness;
  if (largestFactor >= wantedFactor) {
    ScaleRGB(wantedFactor);
    return;
  }

  ScaleRGB(largestFactor);
  const unsigned int scaledBrightness = GetBrightness();
  if (scaledBrightness >= 255) {
    return;
  }
  // All four channels move toward white: a translucent colour that cannot
  // be scaled bright enough also becomes more opaque.
  LerpTowardWhite(static_cast<float>(target - static_cast<int>(scaledBrightness)) /
                  static_cast<float>(255 - scaledBrightness));
}

Rgba Rgba::Lerp(const Rgba& from, const Rgba& to, float t) {
  Rgba result;
  result.r = LerpByte(from.r, to.r, t);
  result.g = LerpByte(from.g, to.g, t);
  result.b = LerpByte(from.b, to.b, t);
  result.a = LerpByte(from.a, to.a, t);
  return result;
}
