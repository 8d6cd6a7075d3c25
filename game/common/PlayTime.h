#pragma once

#include <string>

namespace Pemberquill {

// Play time as the statistics show it: "%dhr %dm %ds" (7384 gives
// "2hr 3m 4s").
std::string FormatPlayTime(int seconds);

} // namespace Pemberquill
