#include "platform/steam/CallbackQueue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CallbackQueue, RunsOnlyWhenAskedInPostingOrderAndOnce) {
  platform::CallbackQueue queue;
  std::string ran;
  const auto first = queue.Post([&] { ran += "a"; });
  const auto second = queue.Post([&] { ran += "b"; });
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  EXPECT_EQ(ran, "");

  queue.RunPending();
  EXPECT_EQ(ran, "ab");
  queue.RunPending();
  EXPECT_EQ(ran, "ab");
  EXPECT_EQ(queue.PendingCount(), 0u);
}

TEST(CallbackQueue, WhatACallbackPostsWaitsForTheNextRun) {
  platform::CallbackQueue queue;
  std::string ran;
  queue.Post([&] {
    ran += "a";
    queue.Post([&] { ran += "c"; });
  });
  queue.Post([&] { ran += "b"; });

  queue.RunPending();
  EXPECT_EQ(ran, "ab");
  queue.RunPending();
  EXPECT_EQ(ran, "abc");
}

TEST(CallbackQueue, CancelledCallsNeverRunEvenFromInsideARun) {
  platform::CallbackQueue queue;
  std::string ran;
  platform::CallbackQueue::CallId third = 0;
  const auto first = queue.Post([&] { ran += "a"; });
  queue.Post([&] {
    ran += "b";
    queue.Cancel(third);
    // Posted now, it must not take the cancelled call's place in this run.
    queue.Post([&] { ran += "d"; });
  });
  third = queue.Post([&] { ran += "c"; });
  queue.Cancel(first);
  queue.Cancel(12345);

  queue.RunPending();
  EXPECT_EQ(ran, "b");
  queue.RunPending();
  EXPECT_EQ(ran, "bd");
}

}  // namespace
