#pragma once

// A fuzzer's own folder, in memory when the system offers it: the game
// flushes every file it writes to disk. Gone when the fuzzer ends.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <tuple>

#include <sys/stat.h>

namespace record_fuzz {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    std::string inMemory = "/dev/shm/pq-fuzz-" + name + "-XXXXXX";
    std::string onDisk = "/tmp/pq-fuzz-" + name + "-XXXXXX";
    const char* made = mkdtemp(inMemory.data());
    m_path = made != nullptr ? made : mkdtemp(onDisk.data());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return m_path; }
  // Empties the folder for the next input.
  void Clear() const {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(m_path, ignored)) {
      std::filesystem::remove_all(entry.path(), ignored);
    }
  }

 private:
  std::string m_path;
};

// A file as the system knows it: a rename keeps all three, and any write
// (the game's writes replace the file) changes one.
using FileIdentity = std::tuple<ino_t, off_t, long>;

inline FileIdentity IdentityOf(const struct stat& info) {
  return {info.st_ino, info.st_size, info.st_mtim.tv_nsec + info.st_mtim.tv_sec * 1000000000L};
}

// Every name in the folder (links not followed) with its identity.
inline std::map<std::string, FileIdentity> SnapshotFolder(const std::string& folder) {
  std::map<std::string, FileIdentity> files;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    struct stat info {};
    if (lstat(entry.path().c_str(), &info) == 0) {
      files[entry.path().filename().string()] = IdentityOf(info);
    }
  }
  return files;
}

// Whether the snapshot holds the file of that identity under a name that
// begins with prefix: the file itself, renamed.
inline bool HasFileUnder(const std::map<std::string, FileIdentity>& files, const std::string& prefix,
                         const FileIdentity& identity) {
  for (const auto& [name, fileIdentity] : files) {
    if (fileIdentity == identity && name.rfind(prefix, 0) == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace record_fuzz
