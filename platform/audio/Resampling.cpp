#include "platform/audio/Resampling.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

double OutputFrames(const PcmView& sound, double start, double step, bool wraps) {
  const double frames = static_cast<double>(sound.frames);
  if (wraps) return std::max(1.0, std::round(frames / step));
  return std::ceil((frames - start) / step);
}

}  // namespace

std::vector<int16_t> ResamplePass(const PcmView& sound, double start, double step, bool wraps) {
  const double frames = static_cast<double>(sound.frames);
  if (sound.frames == 0 || sound.channels < 1 || !(step > 0.0) || !(start >= 0.0) ||
      !(start < frames)) {
    return {};
  }
  step = std::clamp(step, kMinResampleStep, kMaxResampleStep);
  const size_t channels = static_cast<size_t>(sound.channels);
  const double frameCount = OutputFrames(sound, start, step, wraps);
  // Counted in doubles first: a count of samples past what a vector holds
  // would not fit a size_t, or would wrap round when multiplied.
  std::vector<int16_t> out;
  if (frameCount > static_cast<double>(out.max_size() / channels)) return {};
  const size_t count = static_cast<size_t>(frameCount);
  out.resize(count * channels);
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
