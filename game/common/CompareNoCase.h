#pragma once

#include <string>

namespace Pemberquill {

// The C library's comparison of two texts without regard to case: 0 when
// they are equal but for case. Region and location names are matched with
// it.
int CompareNoCase(const std::string& a, const char* b);

} // namespace Pemberquill
