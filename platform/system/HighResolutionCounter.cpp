#include "platform/system/HighResolutionCounter.h"

#include <cerrno>
#include <ctime>

namespace platform {

namespace {
constexpr int64_t NANOSECONDS_PER_SECOND = 1000000000;
}

int64_t QueryCounter() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * NANOSECONDS_PER_SECOND + now.tv_nsec;
}

int64_t QueryCounterFrequency() { return NANOSECONDS_PER_SECOND; }

void SleepMilliseconds(unsigned milliseconds) {
  timespec remaining{};
  remaining.tv_sec = static_cast<time_t>(milliseconds / 1000);
  remaining.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
  // A signal cuts nanosleep short; carry on with what is left.
  while (nanosleep(&remaining, &remaining) == -1 && errno == EINTR) {
  }
}

}  // namespace platform
