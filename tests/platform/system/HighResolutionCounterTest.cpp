#include "platform/system/HighResolutionCounter.h"

#include <gtest/gtest.h>

namespace {

using platform::QueryCounter;
using platform::QueryCounterFrequency;
using platform::SleepMilliseconds;

TEST(HighResolutionCounterTest, CountsNanosecondsAndNeverGoesBack) {
  EXPECT_EQ(QueryCounterFrequency(), 1000000000);
  int64_t previous = QueryCounter();
  EXPECT_GT(previous, 0);
  for (int i = 0; i < 1000; ++i) {
    const int64_t now = QueryCounter();
    ASSERT_GE(now, previous);
    previous = now;
  }
}

TEST(HighResolutionCounterTest, SleepLastsAtLeastTheAskedTime) {
  const int64_t before = QueryCounter();
  SleepMilliseconds(15);
  const int64_t elapsed = QueryCounter() - before;
  EXPECT_GE(elapsed, 15 * 1000000LL);
}

}  // namespace
