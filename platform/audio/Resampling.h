#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// Interleaved 16-bit sound: frames of `channels` samples each.
struct PcmView {
  const int16_t* samples = nullptr;
  size_t frames = 0;
  int channels = 0;
};

// One pass of the sound read from frame `start` (which may fall between
// frames) onward, `step` source frames for each frame produced, by linear
// interpolation between neighbouring frames. A pass that wraps goes round
// to the sound's beginning and covers the whole sound once; otherwise it
// ends with the sound. Empty for an empty sound, a start at or beyond its
// end, or a step that is not positive.
std::vector<int16_t> ResamplePass(const PcmView& sound, double start, double step, bool wraps);

}  // namespace platform
