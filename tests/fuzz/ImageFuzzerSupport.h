#pragma once

// What the image fuzzers share: the input served as a player-storage file,
// so the real loading path runs without touching the disk, and a console
// that swallows the loaders' log lines.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"

namespace image_fuzz {

class SilentConsole : public UlvoConsoleInterface {
 public:
  void VPrintf(uint32_t, const Rgba&, const char*, va_list) override {}
  void VPrintfVerbose(uint32_t, const char*, va_list) override {}
  void VPrintfColor(const Rgba&, const char*, va_list) override {}
  void VPrint(const char*, va_list) override {}
  void SetFont(const std::string&, int, bool, bool) override {}
  bool OnKeyEvent(int, int) override { return false; }
};

// Serves one file through the storage hooks for its lifetime.
class ServedFile {
 public:
  explicit ServedFile(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {
    Current() = this;
    playerStorageReadHook = &Read;
    playerStorageWriteHook = &Write;
    playerStorageRemoveHook = &Remove;
  }
  ~ServedFile() { Current() = nullptr; }
  ServedFile(const ServedFile&) = delete;
  ServedFile& operator=(const ServedFile&) = delete;

 private:
  static ServedFile*& Current() {
    static ServedFile* current = nullptr;
    return current;
  }
  static int32_t Read(const UlvoPath&, std::unique_ptr<unsigned char[]>& buffer) {
    const std::vector<uint8_t>& bytes = Current()->m_bytes;
    buffer = std::make_unique<unsigned char[]>(bytes.size());
    if (!bytes.empty()) {
      std::memcpy(buffer.get(), bytes.data(), bytes.size());
    }
    return static_cast<int32_t>(bytes.size());
  }
  static int32_t Write(const UlvoPath&, const unsigned char*, int32_t count) { return count; }
  static void Remove(const UlvoPath&) {}

  std::vector<uint8_t> m_bytes;
};

// Reads every byte of a loaded image, so that a buffer shorter than its
// size claims shows up under the address sanitizer.
inline void TouchEveryPixel(const Image* image) {
  if (image == nullptr) {
    return;
  }
  unsigned sum = 0;
  for (size_t i = 0; i < image->GetByteCount(); ++i) {
    sum += image->GetPixels()[i];
  }
  volatile unsigned sink = sum;
  (void)sink;
}

}  // namespace image_fuzz
