#include "platform/steam/CallbackQueue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Calls run only inside a run, in posting order, once; what a call posts
// waits for the next run; a cancelled call never runs, even when it is
// cancelled from inside the run, and nothing posted takes its place.
TEST(CallbackQueue, RunsEachCallOnceInOrderOnlyInsideARun) {
  platform::CallbackQueue queue;
  std::string ran;
  platform::CallbackQueue::CallId fourth = 0;
  const auto first = queue.Post([&] { ran += "a"; });
  const auto second = queue.Post([&] {
    ran += "b";
    queue.Cancel(fourth);
    queue.Post([&] { ran += "e"; });
  });
  queue.Post([&] { ran += "c"; });
  fourth = queue.Post([&] { ran += "d"; });
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  queue.Cancel(first);
  queue.Cancel(12345);
  EXPECT_EQ(ran, "");
  const char* afterRun[] = {"bc", "bce", "bce"};
  for (const char* expected : afterRun) {
    queue.RunPending();
    EXPECT_EQ(ran, expected);
  }
  EXPECT_EQ(queue.PendingCount(), 0u);
}

}  // namespace
