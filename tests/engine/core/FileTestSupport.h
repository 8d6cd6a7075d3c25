#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/UlvoPath.h"
#include "engine/core/UlvoUserDataPathInterface.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

namespace file_test {

using testsupport::Bytes;
using testsupport::CatchUlvoException;
using testsupport::CaughtError;
using testsupport::ReadFileBytes;
using testsupport::RecordingConsole;
using testsupport::TemporaryFolder;
using testsupport::WriteFileBytes;

inline Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The line that a failed condition adds to an assertion's message.
inline std::string ConditionLine(const std::string& condition) {
  return "\nULVO_ASSERT or ULVO_VALIDATE failed; condition \"" + condition + "\" was not true.";
}

// The default application, as far as paths care.
class FakeApplication : public UlvoUserDataPathInterface {
 public:
  explicit FakeApplication(std::string userDataPath) : m_userDataPath(std::move(userDataPath)) {}
  std::string GetUserDataPath() const override { return m_userDataPath; }

 private:
  std::string m_userDataPath;
};

// A player storage in memory behind the three hooks; installs the chosen
// hooks for its lifetime and puts the previous ones back afterwards.
class FakePlayerStorage {
 public:
  enum Hooks { READ = 1, WRITE = 2, REMOVE = 4, ALL = 7 };

  explicit FakePlayerStorage(int hooks = ALL)
      : m_oldRead(playerStorageReadHook),
        m_oldWrite(playerStorageWriteHook),
        m_oldRemove(playerStorageRemoveHook) {
    Files().clear();
    playerStorageReadHook = (hooks & READ) ? &Read : nullptr;
    playerStorageWriteHook = (hooks & WRITE) ? &Write : nullptr;
    playerStorageRemoveHook = (hooks & REMOVE) ? &Remove : nullptr;
  }
  ~FakePlayerStorage() {
    playerStorageReadHook = m_oldRead;
    playerStorageWriteHook = m_oldWrite;
    playerStorageRemoveHook = m_oldRemove;
  }
  FakePlayerStorage(const FakePlayerStorage&) = delete;
  FakePlayerStorage& operator=(const FakePlayerStorage&) = delete;

  static std::map<std::string, Bytes>& Files() {
    static std::map<std::string, Bytes> files;
    return files;
  }

 private:
  static int32_t Read(const UlvoPath& path, std::unique_ptr<unsigned char[]>& buffer) {
    const auto found = Files().find(path.GetResolvedPath());
    if (found == Files().end()) {
      return -1;
    }
    buffer = std::make_unique<unsigned char[]>(found->second.size());
    std::copy(found->second.begin(), found->second.end(), buffer.get());
    return static_cast<int32_t>(found->second.size());
  }
  static int32_t Write(const UlvoPath& path, const unsigned char* bytes, int32_t count) {
    Files()[path.GetResolvedPath()] = Bytes(bytes, bytes + count);
    return count;
  }
  static void Remove(const UlvoPath&) {}

  PlayerStorageReadHook m_oldRead;
  PlayerStorageWriteHook m_oldWrite;
  PlayerStorageRemoveHook m_oldRemove;
};

}  // namespace file_test
