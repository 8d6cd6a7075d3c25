#include "platform/audio/Resampling.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

size_t OutputFrames(const PcmView& sound, double start, double step, bool wraps) {
  const double frames = static_cast<double>(sound.frames);
  if (wraps) return static_cast<size_t>(std::max(1.0, std::round(frames / step)));
  return static_cast<size_t>(std::ceil((frames - start) / step));
}

}  // namespace

std::vector<int16_t> ResamplePass(const PcmView& sound, double start, double step, bool wraps) {
  const double frames = static_cast<double>(sound.frames);
  if (sound.frames == 0 || sound.channels < 1 || !(step > 0.0) || !(start >= 0.0) ||
      !(start < frames)) {
    return {};
  }
  const size_t channels = static_cast<size_t>(sound.channels);
  const size_t count = OutputFrames(sound, start, step, wraps);
  std::vector<int16_t> out(count * channels);
  for (size_t i = 0; i < count; ++i) {
    double position = start + static_cast<double>(i) * step;
    if (wraps) position = std::fmod(position, frames);
    const size_t before = std::min(static_cast<size_t>(position), sound.frames - 1);
    size_t after = before + 1;
    if (after == sound.frames) after = wraps ? 0 : before;
    const double weight = position - static_cast<double>(before);
    for (size_t c = 0; c < channels; ++c) {
      const double a = sound.samples[before * channels + c];
      const double b = sound.samples[after * channels + c];
      out[i * channels + c] = static_cast<int16_t>(std::lround(a + (b - a) * weight));
    }
  }
  return out;
}

}  // namespace platform
