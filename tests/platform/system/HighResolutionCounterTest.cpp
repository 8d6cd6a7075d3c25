#include "platform/system/HighResolutionCounter.h"

#include <gtest/gtest.h>

namespace {

using platform::QueryCounter;
using platform::QueryCounterFrequency;

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

}  // namespace
