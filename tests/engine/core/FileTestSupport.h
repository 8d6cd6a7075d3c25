#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoPath.h"
#include "engine/core/UlvoUserDataPathInterface.h"

namespace file_test {

using Bytes = std::vector<unsigned char>;

inline Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct CaughtError {
  std::string message;
  std::string title;
};

// What the call threw; a test failure when it threw no UlvoException.
template <typename Call>
CaughtError CatchUlvoException(Call&& call) {
  try {
    call();
  } catch (const UlvoException& error) {
    return {error.GetMessage(), error.GetTitle()};
  }
  ADD_FAILURE() << "no UlvoException was thrown";
  return {};
}

// The line that a failed condition adds to an assertion's message.
inline std::string ConditionLine(const std::string& condition) {
  return "\nULVO_ASSERT or ULVO_VALIDATE failed; condition \"" + condition + "\" was not true.";
}

// A fresh folder for one test, removed with everything in it afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pq-core-res-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  // Always ends in '/', as a user-data folder does.
  std::string Path() const { return m_path + "/"; }

 private:
  std::string m_path;
};

inline void WriteFileBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The default application, as far as paths care.
class FakeApplication : public UlvoUserDataPathInterface {
 public:
  explicit FakeApplication(std::string userDataPath) : m_userDataPath(std::move(userDataPath)) {}
  std::string GetUserDataPath() const override { return m_userDataPath; }

 private:
  std::string m_userDataPath;
};

// The default console while it lives: keeps every printed line.
class RecordingConsole : public UlvoConsoleInterface {
 public:
  void VPrintf(uint32_t, const Rgba&, const char* format, va_list args) override {
    Record(format, args);
  }
  void VPrintfVerbose(uint32_t, const char* format, va_list args) override {
    Record(format, args);
  }
  void VPrintfColor(const Rgba&, const char* format, va_list args) override {
    Record(format, args);
  }
  void VPrint(const char* format, va_list args) override { Record(format, args); }
  void SetFont(const std::string&, int, bool, bool) override {}
  bool OnKeyEvent(int, int) override { return false; }

  std::vector<std::string> lines;

 private:
  void Record(const char* format, va_list args) { lines.push_back(VStringf(format, args)); }
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
    Removed().clear();
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
  static std::vector<std::string>& Removed() {
    static std::vector<std::string> removed;
    return removed;
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
  static void Remove(const UlvoPath& path) { Removed().push_back(path.GetResolvedPath()); }

  PlayerStorageReadHook m_oldRead;
  PlayerStorageWriteHook m_oldWrite;
  PlayerStorageRemoveHook m_oldRemove;
};

}  // namespace file_test
