#pragma once

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>

namespace testsupport {

// Counts the frames of SDL_mixer's stereo 16-bit output whose two sides
// together are louder than the threshold, from construction on.
class SoundingFrames {
 public:
  explicit SoundingFrames(int threshold) : m_threshold(threshold) {
    Mix_SetPostMix(&SoundingFrames::OnMix, this);
  }
  ~SoundingFrames() { Mix_SetPostMix(nullptr, nullptr); }
  SoundingFrames(const SoundingFrames&) = delete;
  SoundingFrames& operator=(const SoundingFrames&) = delete;

  int64_t SoFar() const { return m_frames; }
  // The count once the buffers being mixed at the call are counted too.
  int64_t Settled() {
    const int64_t seen = m_buffers;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (m_buffers < seen + 2) {
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the mixer stopped asking for sound";
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return m_frames;
  }

 private:
  static void SDLCALL OnMix(void* self, Uint8* stream, int length) {
    auto& meter = *static_cast<SoundingFrames*>(self);
    const auto* frames = reinterpret_cast<const int16_t*>(stream);
    for (int i = 0; i < length / 4; ++i) {
      if (std::abs(frames[2 * i]) + std::abs(frames[2 * i + 1]) > meter.m_threshold) ++meter.m_frames;
    }
    ++meter.m_buffers;
  }

  const int m_threshold;
  std::atomic<int64_t> m_frames{0}, m_buffers{0};
};

}  // namespace testsupport
