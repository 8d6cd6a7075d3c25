#include "platform/crt/CrtRandom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using platform::CrtRand;
using platform::CrtSrand;

std::vector<int> Draw(unsigned seed, int count) {
  CrtSrand(seed);
  std::vector<int> results;
  for (int i = 0; i < count; ++i) {
    results.push_back(CrtRand());
  }
  return results;
}

TEST(CrtRandomTest, SeedOneGivesTheRuntimeSequence) {
  EXPECT_EQ(Draw(1, 3), (std::vector<int>{41, 18467, 6334}));
}

TEST(CrtRandomDeathTest, StartsAsIfSeededWithOne) {
  // The threadsafe style runs the statement in a freshly started process,
  // where no earlier test has drawn from or seeded the generator.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(CrtRand() == 41 && CrtRand() == 18467 ? 0 : 1),
              ::testing::ExitedWithCode(0), "");
}

TEST(CrtRandomTest, TheLargestSeedWrapsAroundAndTheTopBitIsMaskedOff) {
  // The third state has bit 31 set, which the result leaves out.
  EXPECT_EQ(Draw(0xFFFFFFFFu, 3), (std::vector<int>{35, 29739, 3374}));
}

TEST(CrtRandomTest, ReseedingRepeatsTheSequence) {
  EXPECT_EQ(Draw(987654321u, 50), Draw(987654321u, 50));
  EXPECT_NE(Draw(2, 10), Draw(3, 10));
  EXPECT_EQ(Draw(0, 1), (std::vector<int>{38}));
}

TEST(CrtRandomTest, CLibraryRandLeavesTheSequenceAlone) {
  const std::vector<int> expected = Draw(77, 6);
  CrtSrand(77);
  std::vector<int> actual;
  for (int i = 0; i < 6; ++i) {
    std::srand(5);
    static_cast<void>(std::rand());
    actual.push_back(CrtRand());
  }
  EXPECT_EQ(actual, expected);
}

}  // namespace
