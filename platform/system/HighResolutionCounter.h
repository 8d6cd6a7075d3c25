#pragma once

#include <cstdint>

namespace platform {

// Monotonic counter in nanoseconds; unaffected by changes to the wall clock.
int64_t QueryCounter();

// Ticks of QueryCounter per second.
int64_t QueryCounterFrequency();

void SleepMilliseconds(unsigned milliseconds);

}  // namespace platform
