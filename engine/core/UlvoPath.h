#pragma once

#include <cstdint>
#include <memory>
#include <string>

// What a path's relative text is relative to.
enum UlvoPathMarker : int32_t {
  PATH_MARKER_NONE = 0,            // the text as it stands (the working directory)
  PATH_MARKER_USER_DATA = 1,       // the default application's user-data folder
  PATH_MARKER_PLAYER_STORAGE = 2,  // the storage hooks when installed, else the user-data folder
  PATH_MARKER_DATA = 3,            // the game's "Data/" folder
};

// A file named by a relative text and the base it is relative to. Callers
// write "/" as separator; a backslash (as older stored paths carry it) is
// taken as "/" too.
class UlvoPath {
 public:
  UlvoPath() = default;
  UlvoPath(int32_t marker, const std::string& relativePath)
      : m_marker(marker), m_relativePath(relativePath) {}

  int32_t GetMarker() const { return m_marker; }
  std::string GetRelativePath() const { return m_relativePath; }

  // The operating-system path, or the flat storage name for player storage
  // while all three storage hooks are installed.
  std::string GetResolvedPath() const;

  // extension includes its dot (".png"); compared ignoring ASCII case, from
  // the last dot of the relative text on.
  bool HasExtension(const std::string& extension) const;

 private:
  int32_t m_marker = PATH_MARKER_NONE;
  std::string m_relativePath;
};

// The player-storage hooks: a platform layer installs all three to take over
// the files of PATH_MARKER_PLAYER_STORAGE; they are used only when all three
// are set.

// Fills buffer with the whole file and returns its byte count, or returns -1
// when the file is absent and -2 when it is there but cannot be read (the
// WHOLE_FILE_MISSING and WHOLE_FILE_UNREADABLE of the whole-file read).
using PlayerStorageReadHook = int32_t (*)(const UlvoPath& path,
                                          std::unique_ptr<unsigned char[]>& buffer);
// Returns the number of bytes stored (byteCount on success), or a smaller
// value (0 or -1) when the storage did not take them, with the reason in
// error when one is given; the whole-file write hands this back as its own
// result.
using PlayerStorageWriteHook = int32_t (*)(const UlvoPath& path, const unsigned char* bytes,
                                           int32_t byteCount, std::string* error);
using PlayerStorageRemoveHook = void (*)(const UlvoPath& path);

// Renames a file without replacing anything at the new name; true when it
// moved. Installed beside the three: while they serve player storage and it
// is not set, no player-storage file is renamed.
using PlayerStorageRenameHook = bool (*)(const UlvoPath& from, const UlvoPath& to);

extern PlayerStorageReadHook playerStorageReadHook;
extern PlayerStorageWriteHook playerStorageWriteHook;
extern PlayerStorageRemoveHook playerStorageRemoveHook;
extern PlayerStorageRenameHook playerStorageRenameHook;

bool ArePlayerStorageHooksInstalled();

// True for a player-storage path that the hooks take over.
bool IsHandledByPlayerStorageHooks(const UlvoPath& path);
