#pragma once

#include <string>

namespace Pemberquill {

// Times the start-up tasks: each call logs how long the previous label took
// and starts timing the new one; an empty label closes the last measurement.
void StartProfiling(const std::string& label);

}  // namespace Pemberquill
