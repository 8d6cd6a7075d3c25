#include "engine/core/UlvoPath.h"

#include <algorithm>
#include <cctype>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoUserDataPathInterface.h"

PlayerStorageReadHook playerStorageReadHook = nullptr;
PlayerStorageWriteHook playerStorageWriteHook = nullptr;
PlayerStorageRemoveHook playerStorageRemoveHook = nullptr;
PlayerStorageRenameHook playerStorageRenameHook = nullptr;

namespace {

std::string WithForwardSlashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// The storage behind the hooks knows no folders: one flat name per file.
std::string FlatStorageName(std::string path) {
  for (char& c : path) {
    if (c == '/' || c == '\\' || c == ':') {
      c = '_';
    }
  }
  return path;
}

std::string UserDataBase() {
  const UlvoUserDataPathInterface* application =
      UlvoUserDataPathInterface::GetDefaultInstance();
  if (application == nullptr) {
    ConsolePrintf(
        "WARNING: UlvoPath::GetResolvedPath() found no default instance of a UlvoApplication "
        "from which to get the UserData basedir!");
    return std::string();
  }
  return application->GetUserDataPath();
}

char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

bool ArePlayerStorageHooksInstalled() {
  return playerStorageReadHook != nullptr && playerStorageWriteHook != nullptr &&
         playerStorageRemoveHook != nullptr;
}

bool IsHandledByPlayerStorageHooks(const UlvoPath& path) {
  return path.GetMarker() == PATH_MARKER_PLAYER_STORAGE && ArePlayerStorageHooksInstalled();
}

std::string UlvoPath::GetResolvedPath() const {
  switch (m_marker) {
    case PATH_MARKER_PLAYER_STORAGE:
      if (ArePlayerStorageHooksInstalled()) {
        return FlatStorageName(m_relativePath);
      }
      return UserDataBase() + WithForwardSlashes(m_relativePath);
    case PATH_MARKER_USER_DATA:
      return UserDataBase() + WithForwardSlashes(m_relativePath);
    case PATH_MARKER_DATA:
      return "Data/" + WithForwardSlashes(m_relativePath);
    default:
      return WithForwardSlashes(m_relativePath);
  }
}

bool UlvoPath::HasExtension(const std::string& extension) const {
  const size_t dot = m_relativePath.rfind('.');
  if (dot == std::string::npos) {
    return false;
  }
  const size_t length = m_relativePath.size() - dot;
  return length == extension.size() &&
         std::equal(extension.begin(), extension.end(), m_relativePath.begin() + dot,
                    [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}
