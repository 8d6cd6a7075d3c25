#include "game/common/PlayTime.h"

#include <cstdio>

namespace Pemberquill {

std::string FormatPlayTime(int seconds)
{
    char text[64];
    std::snprintf(text, sizeof(text), "%dhr %dm %ds", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
    return text;
}

} // namespace Pemberquill
