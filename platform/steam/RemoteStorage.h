#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system/FileSystem.h"

namespace platform {

// The player's files kept by the online service: a flat namespace of names,
// each a file in one local folder. Every write replaces the file atomically.
class RemoteStorage {
 public:
  // folder: where the files live; created on the first write.
  explicit RemoteStorage(std::string folder);

  // A name is usable when it is not empty, not "." or "..", and holds no
  // '/', '\0' or control character; every operation refuses any other.
  static bool IsValidName(const std::string& name);

  // The largest file the storage takes, as its count of bytes is 32-bit.
  static constexpr int64_t MAX_FILE_SIZE = INT32_MAX;

  bool FileExists(const std::string& name) const;
  // -1 when the file is missing.
  int64_t GetFileSize(const std::string& name) const;
  // Reads at most capacity bytes; returns the count read, or -1 when the
  // file is missing or unreadable.
  int32_t Read(const std::string& name, void* buffer, int32_t capacity) const;
  // The whole file. MISSING for an invalid name or nothing there;
  // UNREADABLE, with the system's error text, for a file that is there but
  // cannot be read or is larger than MAX_FILE_SIZE.
  FileReadStatus ReadWholeFile(const std::string& name, std::vector<unsigned char>& bytes,
                               std::string& error) const;
  // Refuses more than MAX_FILE_SIZE bytes. On failure the reason goes to
  // error when one is given.
  bool Write(const std::string& name, const void* data, size_t size,
             std::string* error = nullptr);
  // Renames the file unless the new name is taken; what is there is never
  // replaced.
  bool Rename(const std::string& from, const std::string& to);
  bool Delete(const std::string& name);

 private:
  std::string PathOf(const std::string& name) const { return m_folder + "/" + name; }

  std::string m_folder;
};

}  // namespace platform
