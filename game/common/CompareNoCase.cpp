#include "game/common/CompareNoCase.h"

#include <strings.h>

namespace Pemberquill {

int CompareNoCase(const std::string& a, const char* b)
{
    return strcasecmp(a.c_str(), b);
}

} // namespace Pemberquill
