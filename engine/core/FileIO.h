#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoPath.h"

// The engine's whole-file operations. Every one goes through UlvoPath, so
// player-storage files reach the storage hooks when they are installed.

// Clears buffer, then reads the whole file into a new buffer and returns the
// number of bytes read. Returns -1 (buffer stays empty) when the file is
// missing or unreadable: a folder, anything but a regular file, or a file
// too large for a 32-bit count.
int32_t ReadWholeFile(const UlvoPath& path, std::unique_ptr<unsigned char[]>& buffer);

// Returns byteCount when every byte was stored, -1 when the local write
// failed, or the storage hook's own result. A local file is written to a
// temporary file beside it and renamed into place, so a crash never leaves
// half a file.
int32_t WriteWholeFile(const unsigned char* bytes, const UlvoPath& path, int32_t byteCount);

void RemoveFile(const UlvoPath& path);

// Creates the folder and its missing parents; an existing folder is fine.
void CreateFolder(const UlvoPath& path);

// Fills out with the names (without folder) of the files in folder that
// match the wildcard ('*' and '?', ignoring case), sorted by name ignoring
// case. Unless eventName is empty, fires it once per file with "File Name"
// (std::string) and "File Size" (int). Returns out.
std::vector<std::string>& ListFolder(std::vector<std::string>& out, const std::string& eventName,
                                     const UlvoPath& folder, const std::string& wildcard);
