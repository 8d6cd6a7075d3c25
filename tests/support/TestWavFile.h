#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

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
inline std::vector<char> WavBytes(const TestSound& sound) {
  std::vector<char> bytes;
  auto put16 = [&bytes](uint32_t v) {
    bytes.push_back(static_cast<char>(v & 0xFF));
    bytes.push_back(static_cast<char>((v >> 8) & 0xFF));
  };
  auto put32 = [&put16](uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  auto tag = [&bytes](const char* t) { bytes.insert(bytes.end(), t, t + 4); };

  const uint32_t dataSize = static_cast<uint32_t>(sound.samples.size() * 2);
  const uint32_t blockAlign = static_cast<uint32_t>(sound.channels * 2);
  tag("RIFF");
  put32(36 + dataSize);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(static_cast<uint32_t>(sound.channels));
  put32(static_cast<uint32_t>(sound.frequency));
  put32(static_cast<uint32_t>(sound.frequency) * blockAlign);
  put16(blockAlign);
  put16(16);
  tag("data");
  put32(dataSize);
  for (int16_t s : sound.samples) put16(static_cast<uint16_t>(s));
  return bytes;
}

inline void WriteFileBytes(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void WriteWav(const std::string& path, const TestSound& sound) {
  WriteFileBytes(path, WavBytes(sound));
}

}  // namespace testsupport
