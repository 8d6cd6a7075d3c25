#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoPath.h"
#include "platform/system/FileSystem.h"

// The engine's whole-file operations. Every one goes through UlvoPath, so
// player-storage files reach the storage hooks when they are installed.

// What ReadWholeFile returns instead of a byte count. The player-storage
// read hook answers with the same two values.
constexpr int32_t WHOLE_FILE_MISSING = -1;
// Something is there but cannot be read: a folder or other non-regular
// file, no permission, a read error, a file too large for a 32-bit count.
constexpr int32_t WHOLE_FILE_UNREADABLE = -2;

// Clears buffer, then reads the whole file into a new buffer and returns the
// number of bytes read, or one of the two results above (buffer stays
// empty). For an unreadable file the system's error text goes to
// unreadableReason when one is given.
int32_t ReadWholeFile(const UlvoPath& path, std::unique_ptr<unsigned char[]>& buffer,
                      std::string* unreadableReason = nullptr);

// A platform read as the whole-file read answers it: the byte count with a
// copy of the bytes in buffer, or one of the two results above. For the
// storage layers behind the player-storage read hook.
int32_t ToWholeFileResult(platform::FileReadStatus status, const std::vector<unsigned char>& bytes,
                          std::unique_ptr<unsigned char[]>& buffer);

// Returns byteCount when every byte was stored, -1 when the local write
// failed, or the storage hook's own result; on failure the system's reason
// goes to error when one is given. A local file is written to a temporary
// file beside it and renamed into place, so a crash never leaves half a
// file.
int32_t WriteWholeFile(const unsigned char* bytes, const UlvoPath& path, int32_t byteCount,
                       std::string* error = nullptr);

void RemoveFile(const UlvoPath& path);

// Renames the file unless something is already at the new path, which is
// never replaced; true when it moved. Both paths are of one kind; the file
// is never read, whatever its size.
bool RenameFile(const UlvoPath& from, const UlvoPath& to);

// Creates the folder and its missing parents; an existing folder is fine.
void CreateFolder(const UlvoPath& path);

// Fills out with the names (without folder) of the files in folder that
// match the wildcard ('*' and '?', ignoring case), sorted by name ignoring
// case. Unless eventName is empty, fires it once per file with "File Name"
// (std::string) and "File Size" (int). Returns out.
std::vector<std::string>& ListFolder(std::vector<std::string>& out, const std::string& eventName,
                                     const UlvoPath& folder, const std::string& wildcard);
