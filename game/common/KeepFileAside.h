#pragma once

#include <cstdint>
#include <string>

namespace Pemberquill {

// How many copies of one player file may pile up beside it.
constexpr int MAX_KEPT_ASIDE_COPIES = 100;

// The name of the copy-th copy (from 1) of the series "<fileName><suffix>",
// "<fileName><suffix>2", ... that kept copies of a file are named in.
std::string KeptAsideName(const std::string& fileName, const std::string& suffix, int copy);

// True when player storage holds something under the name, whether it can
// be read or not: such a name is never written over.
bool IsPlayerFileNameTaken(const std::string& fileName);

// Stores the bytes in player storage under the first free name of
// "<fileName><suffix>", "<fileName><suffix>2", ... so that no earlier copy
// is ever replaced. Returns the name used, or "" when no copy was stored;
// a write that fails is logged with the system's reason.
std::string KeepFileAside(const unsigned char* bytes, int32_t byteCount, const std::string& fileName,
                          const std::string& suffix);

// Renames the player-storage file to the first free name of the same
// series. The file is never read, so one of any size, or one that cannot be
// read at all, is kept whole. Returns the name used, or "" when the file
// stayed where it was.
std::string MoveFileAside(const std::string& fileName, const std::string& suffix);

} // namespace Pemberquill
