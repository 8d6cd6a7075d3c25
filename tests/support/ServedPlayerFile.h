#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "engine/core/UlvoPath.h"

namespace testsupport {

// Serves one file, whatever the path asked for, through the player-storage
// hooks while it lives, so that the real loading path runs without touching
// the disk. Writes are taken and the last one kept; removals are dropped.
// The previous hooks are back afterwards.
class ServedPlayerFile {
 public:
  explicit ServedPlayerFile(std::vector<uint8_t> bytes)
      : m_bytes(std::move(bytes)),
        m_previous(Current()),
        m_oldRead(playerStorageReadHook),
        m_oldWrite(playerStorageWriteHook),
        m_oldRemove(playerStorageRemoveHook) {
    Current() = this;
    playerStorageReadHook = &Read;
    playerStorageWriteHook = &Write;
    playerStorageRemoveHook = &Remove;
  }
  ~ServedPlayerFile() {
    Current() = m_previous;
    playerStorageReadHook = m_oldRead;
    playerStorageWriteHook = m_oldWrite;
    playerStorageRemoveHook = m_oldRemove;
  }
  ServedPlayerFile(const ServedPlayerFile&) = delete;
  ServedPlayerFile& operator=(const ServedPlayerFile&) = delete;

  const std::vector<uint8_t>& GetLastWrite() const { return m_lastWrite; }

 private:
  static ServedPlayerFile*& Current() {
    static ServedPlayerFile* current = nullptr;
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
  static int32_t Write(const UlvoPath&, const unsigned char* bytes, int32_t count, std::string*) {
    Current()->m_lastWrite.assign(bytes, bytes + count);
    return count;
  }
  static void Remove(const UlvoPath&) {}

  std::vector<uint8_t> m_bytes;
  std::vector<uint8_t> m_lastWrite;
  ServedPlayerFile* m_previous;
  PlayerStorageReadHook m_oldRead;
  PlayerStorageWriteHook m_oldWrite;
  PlayerStorageRemoveHook m_oldRemove;
};

}  // namespace testsupport
