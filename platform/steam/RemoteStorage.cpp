#include "platform/steam/RemoteStorage.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "platform/system/FileSystem.h"

namespace platform {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

RemoteStorage::RemoteStorage(std::string folder) : m_folder(std::move(folder)) {}

bool RemoteStorage::IsValidName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") {
    return false;
  }
  for (const char c : name) {
    if (c == '/' || static_cast<unsigned char>(c) < 0x20) {
      return false;
    }
  }
  return true;
}

bool RemoteStorage::FileExists(const std::string& name) const {
  return IsValidName(name) && IsRegularFile(PathOf(name));
}

int64_t RemoteStorage::GetFileSize(const std::string& name) const {
  if (!FileExists(name)) {
    return -1;
  }
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(PathOf(name), error);
  return error ? -1 : static_cast<int64_t>(size);
}

int32_t RemoteStorage::Read(const std::string& name, void* buffer, int32_t capacity) const {
  if (!FileExists(name) || capacity < 0 || (buffer == nullptr && capacity > 0)) {
    return -1;
  }
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(PathOf(name).c_str(), "rb"));
  if (!file) {
    return -1;
  }
  const size_t read = std::fread(buffer, 1, static_cast<size_t>(capacity), file.get());
  if (std::ferror(file.get())) {
    return -1;
  }
  return static_cast<int32_t>(read);
}

FileReadStatus RemoteStorage::ReadWholeFile(const std::string& name,
                                            std::vector<unsigned char>& bytes,
                                            std::string& error) const {
  if (!IsValidName(name)) {
    bytes.clear();
    error.clear();
    return FileReadStatus::MISSING;
  }
  return platform::ReadWholeFile(PathOf(name), MAX_FILE_SIZE, bytes, error);
}

bool RemoteStorage::Write(const std::string& name, const void* data, size_t size,
                          std::string* error) {
  const auto fail = [error](const char* reason) {
    if (error != nullptr) {
      *error = reason;
    }
    return false;
  };
  if (!IsValidName(name) || (data == nullptr && size > 0)) {
    return fail(std::strerror(EINVAL));
  }
  if (size > static_cast<uint64_t>(MAX_FILE_SIZE)) {
    return fail(std::strerror(EFBIG));
  }
  if (!CreateFolderRecursive(m_folder)) {
    return fail(std::strerror(errno));
  }
  return WriteFileAtomically(PathOf(name), data, size, error);
}

bool RemoteStorage::Rename(const std::string& from, const std::string& to) {
  return FileExists(from) && IsValidName(to) && RenameWithoutReplacing(PathOf(from), PathOf(to));
}

bool RemoteStorage::Delete(const std::string& name) {
  return FileExists(name) && RemoveFile(PathOf(name));
}

}  // namespace platform
