#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The base of the user's application-data folders: $XDG_DATA_HOME, or
// $HOME/.local/share when that is unset or empty. Never "/" and never
// ends in a separator; empty when neither variable gives a usable folder.
std::string UserDataBaseFolder();

// Creates the folder and every missing parent; true when it exists afterwards.
bool CreateFolderRecursive(const std::string& path);

bool RemoveFile(const std::string& path);

// Renames the file unless something is already at the new name, which is
// never replaced; true when the file moved.
bool RenameWithoutReplacing(const std::string& from, const std::string& to);

// How the temporary files of WriteFileAtomically begin: a write cut short
// (a crash, a kill) may leave one behind.
constexpr const char* TEMPORARY_FILE_PREFIX = ".pq-partial-";

// Writes to a temporary file in the destination's folder, flushes it to disk
// and renames it into place, so a crash never leaves half a file behind.
// On failure the system's reason goes to error when one is given.
bool WriteFileAtomically(const std::string& path, const void* data, size_t size,
                         std::string* error = nullptr);

// Names of the regular files in the folder that match the wildcard ('*' and
// '?', case-insensitive), sorted by name case-insensitively.
std::vector<std::string> ListFolder(const std::string& folder, const std::string& wildcard);

bool IsRegularFile(const std::string& path);

enum class FileReadStatus { READ, MISSING, UNREADABLE };

// Reads the whole file into bytes. MISSING when nothing is at the path;
// UNREADABLE when something is there that cannot be read (a folder or other
// non-regular file, no permission, a read error, more than maxBytes), with
// the system's error text in error. A player file that is there but
// unreadable must never be taken for a missing one and written over.
FileReadStatus ReadWholeFile(const std::string& path, size_t maxBytes,
                             std::vector<unsigned char>& bytes, std::string& error);

}  // namespace platform
