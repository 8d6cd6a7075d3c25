#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/FileBytes.h"

namespace testsupport {

// 16-bit PCM sound data; frames interleave their channels.
struct TestSound {
  int frequency = 44100;
  int channels = 1;
  std::vector<int16_t> samples;
};

// frames frames whose every sample holds value: a steady level that is easy
// to measure in the mixed output.
inline TestSound SteadyTone(int frequency, int channels, int frames, int16_t value) {
  return TestSound{frequency, channels,
                   std::vector<int16_t>(static_cast<size_t>(frames * channels), value)};
}

// The bytes of a canonical RIFF/WAVE file holding the sound.
inline Bytes WavBytes(const TestSound& sound) {
  Bytes bytes;
  auto put = [&bytes](uint32_t v, int width) {
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
  };
  const auto dataSize = static_cast<uint32_t>(sound.samples.size() * 2);
  const auto blockAlign = static_cast<uint32_t>(sound.channels * 2);
  const auto frequency = static_cast<uint32_t>(sound.frequency);
  bytes = {'R', 'I', 'F', 'F'};
  put(36 + dataSize, 4);
  for (char c : std::string("WAVEfmt ")) bytes.push_back(c);
  put(16, 4), put(1, 2), put(static_cast<uint32_t>(sound.channels), 2);  // PCM
  put(frequency, 4), put(frequency * blockAlign, 4), put(blockAlign, 2), put(16, 2);
  for (char c : std::string("data")) bytes.push_back(c);
  put(dataSize, 4);
  for (int16_t s : sound.samples) put(static_cast<uint16_t>(s), 2);
  return bytes;
}

inline void WriteWav(const std::string& path, const TestSound& sound) {
  WriteFileBytes(path, WavBytes(sound));
}

}  // namespace testsupport
