#include "engine/core/FileIO.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "platform/system/FileSystem.h"

namespace {

constexpr std::uintmax_t MAX_WHOLE_FILE_SIZE =
    static_cast<std::uintmax_t>(std::numeric_limits<int32_t>::max());

// Only regular files have a size worth trusting: a folder or a device would
// report a meaningless length, and a pipe would block the read.
bool QueryReadableFileSize(const std::string& path, std::uintmax_t& size) {
  if (!platform::IsRegularFile(path)) {
    return false;
  }
  std::error_code error;
  size = std::filesystem::file_size(path, error);
  return !error && size <= MAX_WHOLE_FILE_SIZE;
}

int FileSizeForEvent(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) {
    return 0;
  }
  return static_cast<int>(std::min(size, MAX_WHOLE_FILE_SIZE));
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

int32_t ReadWholeFile(const UlvoPath& path, std::unique_ptr<unsigned char[]>& buffer) {
  buffer.reset();
  if (IsHandledByPlayerStorageHooks(path)) {
    return playerStorageReadHook(path, buffer);
  }

  const std::string resolved = path.GetResolvedPath();
  std::uintmax_t size = 0;
  if (!QueryReadableFileSize(resolved, size)) {
    return -1;
  }
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(resolved.c_str(), "rb"));
  if (!file) {
    return -1;
  }
  buffer = std::make_unique<unsigned char[]>(static_cast<size_t>(size));
  const size_t bytesRead = std::fread(buffer.get(), 1, static_cast<size_t>(size), file.get());
  return static_cast<int32_t>(bytesRead);
}

int32_t WriteWholeFile(const unsigned char* bytes, const UlvoPath& path, int32_t byteCount) {
  if (IsHandledByPlayerStorageHooks(path)) {
    return playerStorageWriteHook(path, bytes, byteCount);
  }
  if (byteCount < 0) {
    return -1;
  }
  const bool written = platform::WriteFileAtomically(path.GetResolvedPath(), bytes,
                                                     static_cast<size_t>(byteCount));
  return written ? byteCount : -1;
}

void RemoveFile(const UlvoPath& path) {
  if (IsHandledByPlayerStorageHooks(path)) {
    playerStorageRemoveHook(path);
    return;
  }
  platform::RemoveFile(path.GetResolvedPath());
}

void CreateFolder(const UlvoPath& path) {
  platform::CreateFolderRecursive(path.GetResolvedPath());
}

std::vector<std::string>& ListFolder(std::vector<std::string>& out, const std::string& eventName,
                                     const UlvoPath& folder, const std::string& wildcard) {
  const std::string resolvedFolder = folder.GetResolvedPath();
  // The events walk a copy: a handler may well touch the caller's list.
  const std::vector<std::string> names = platform::ListFolder(resolvedFolder, wildcard);
  out = names;
  if (!eventName.empty()) {
    for (const std::string& name : names) {
      NamedProperties properties;
      properties.Set<std::string>("File Name", name);
      properties.Set<int>("File Size", FileSizeForEvent(resolvedFolder + "/" + name));
      FireGlobalEvent(eventName, properties);
    }
  }
  return out;
}
