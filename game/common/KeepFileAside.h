#pragma once

#include <cstdint>
#include <string>

namespace Pemberquill {

// How many copies of one player file may pile up beside it.
constexpr int MAX_KEPT_ASIDE_COPIES = 100;

// Stores the bytes in player storage under the first free name of
// "<fileName><suffix>", "<fileName><suffix>2", ... so that no earlier copy
// is ever replaced. Returns the name used, or "" when no copy was stored.
std::string KeepFileAside(const unsigned char* bytes, int32_t byteCount, const std::string& fileName,
                          const std::string& suffix);

} // namespace Pemberquill
