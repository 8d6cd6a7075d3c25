#pragma once

namespace Pemberquill {

// An index that names nothing: no active location, no candidate, row or
// column of a call-out.
constexpr int INDEX_INVALID = -1;

} // namespace Pemberquill
