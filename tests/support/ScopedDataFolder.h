#pragma once

#include <filesystem>
#include <string>

#include "tests/support/FileBytes.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

namespace testsupport {

// A fresh working directory with an empty "Data" folder, for the scope.
class ScopedDataFolder {
 public:
  ScopedDataFolder() : m_workingDirectory(m_folder.Path()) {
    std::filesystem::create_directories(m_folder.File("Data"));
  }

  // The path of a file of the data folder; its folders are made.
  std::string PathOf(const std::string& pathInDataFolder) const {
    const std::filesystem::path path = m_folder.File("Data/" + pathInDataFolder);
    std::filesystem::create_directories(path.parent_path());
    return path.string();
  }

#ifdef PQ_SOURCE_DIR
  // The file or folder that the game ships under that name, linked in: for
  // tests that start the parts of the game that read their shipped content.
  void LinkShipped(const std::string& pathInDataFolder) const {
    std::filesystem::create_symlink(ShippedPath(pathInDataFolder), PathOf(pathInDataFolder));
  }
  static std::string ShippedPath(const std::string& pathInDataFolder) {
    return (std::filesystem::path(PQ_SOURCE_DIR) / "Data" / pathInDataFolder).string();
  }
#endif

  void Write(const std::string& pathInDataFolder, const Bytes& bytes) const {
    WriteFileBytes(PathOf(pathInDataFolder), bytes);
  }
  void Write(const std::string& pathInDataFolder, const std::string& text) const {
    Write(pathInDataFolder, Bytes(text.begin(), text.end()));
  }

 private:
  TemporaryFolder m_folder;
  ScopedWorkingDirectory m_workingDirectory;
};

}  // namespace testsupport
