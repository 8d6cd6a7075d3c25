#include "engine/core/FileIO.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "platform/system/FileSystem.h"

namespace {

constexpr std::uintmax_t MAX_WHOLE_FILE_SIZE =
    static_cast<std::uintmax_t>(std::numeric_limits<int32_t>::max());

int FileSizeForEvent(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) {
    return 0;
  }
  return static_cast<int>(std::min(size, MAX_WHOLE_FILE_SIZE));
}

}  // namespace

int32_t ReadWholeFile(const UlvoPath& path, std::unique_ptr<unsigned char[]>& buffer,
                      std::string* unreadableReason) {
  buffer.reset();
  if (IsHandledByPlayerStorageHooks(path)) {
    const int32_t result = playerStorageReadHook(path, buffer);
    if (result == WHOLE_FILE_UNREADABLE && unreadableReason != nullptr) {
      *unreadableReason = "the player storage could not read it";
    }
    return result;
  }

  std::vector<unsigned char> bytes;
  std::string error;
  const platform::FileReadStatus status =
      platform::ReadWholeFile(path.GetResolvedPath(), MAX_WHOLE_FILE_SIZE, bytes, error);
  if (status == platform::FileReadStatus::UNREADABLE && unreadableReason != nullptr) {
    *unreadableReason = error;
  }
  return ToWholeFileResult(status, bytes, buffer);
}

int32_t ToWholeFileResult(platform::FileReadStatus status, const std::vector<unsigned char>& bytes,
                          std::unique_ptr<unsigned char[]>& buffer) {
  switch (status) {
    case platform::FileReadStatus::MISSING:
      return WHOLE_FILE_MISSING;
    case platform::FileReadStatus::UNREADABLE:
      return WHOLE_FILE_UNREADABLE;
    case platform::FileReadStatus::READ:
      break;
  }
  buffer = std::make_unique<unsigned char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.get());
  return static_cast<int32_t>(bytes.size());
}

int32_t WriteWholeFile(const unsigned char* bytes, const UlvoPath& path, int32_t byteCount,
                       std::string* error) {
  if (IsHandledByPlayerStorageHooks(path)) {
    return playerStorageWriteHook(path, bytes, byteCount, error);
  }
  if (byteCount < 0) {
    if (error != nullptr) {
      *error = "a negative byte count";
    }
    return -1;
  }
  const bool written = platform::WriteFileAtomically(path.GetResolvedPath(), bytes,
                                                     static_cast<size_t>(byteCount), error);
  return written ? byteCount : -1;
}

void RemoveFile(const UlvoPath& path) {
  if (IsHandledByPlayerStorageHooks(path)) {
    playerStorageRemoveHook(path);
    return;
  }
  platform::RemoveFile(path.GetResolvedPath());
}

bool RenameFile(const UlvoPath& from, const UlvoPath& to) {
  if (from.GetMarker() != to.GetMarker()) {
    return false;
  }
  if (IsHandledByPlayerStorageHooks(from)) {
    return playerStorageRenameHook != nullptr && playerStorageRenameHook(from, to);
  }
  return platform::RenameWithoutReplacing(from.GetResolvedPath(), to.GetResolvedPath());
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
