#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdarg>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoConsoleInterface.h"

namespace sound_test {

// Keeps every printed line, so that tests can look for the log lines.
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

// A fresh working directory with an empty "Data/Audio" folder for one test;
// the previous working directory is back afterwards and the folder gone.
class ScopedDataFolder {
 public:
  ScopedDataFolder() : m_previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "pq-sound-XXXXXX").string();
    m_root = mkdtemp(pattern.data());
    std::filesystem::create_directories(m_root / "Data" / "Audio");
    std::filesystem::current_path(m_root);
  }
  ~ScopedDataFolder() {
    std::filesystem::current_path(m_previous);
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
  }
  ScopedDataFolder(const ScopedDataFolder&) = delete;
  ScopedDataFolder& operator=(const ScopedDataFolder&) = delete;

  // relativePath below "Data/", e.g. "Audio/Click.wav".
  std::string DataPath(const std::string& relativePath) const {
    return (m_root / "Data" / relativePath).string();
  }

  // An empty file is enough where the device does not decode it.
  void Touch(const std::string& relativePath) const {
    std::ofstream(DataPath(relativePath), std::ios::binary).put('\0');
  }

 private:
  std::filesystem::path m_previous;
  std::filesystem::path m_root;
};

}  // namespace sound_test
