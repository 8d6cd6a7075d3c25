#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/audio/AudioDevice.h"

namespace platform {

// Interleaved 16-bit sound: frames of `channels` samples each.
struct PcmView {
  const int16_t* samples = nullptr;
  size_t frames = 0;
  int channels = 0;
};

// The steps a pass reads at: twice the device's pitch range either way, so
// that the device's own steps, from frequencies in whole hertz, are never
// changed, while a pass never makes more than 32 frames of each frame read.
constexpr double kMinResampleStep = 1.0 / (2 * kFrequencyRangeFactor);
constexpr double kMaxResampleStep = 2.0 * kFrequencyRangeFactor;

// One pass of the sound read from frame `start` (which may fall between
// frames) onward, `step` source frames for each frame produced, by linear
// interpolation between neighbouring frames; a positive step outside
// kMinResampleStep to kMaxResampleStep is held at the nearer bound. A pass
// that wraps goes round to the sound's beginning and covers the whole sound
// once; otherwise it ends with the sound. Empty for an empty sound, a start
// at or beyond its end, a step that is not positive, or a pass too long to
// hold.
std::vector<int16_t> ResamplePass(const PcmView& sound, double start, double step, bool wraps);

}  // namespace platform
