#include "platform/crt/CrtRandom.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The runtime's own sequences: a seed of 1, the largest seed (whose third
// state has bit 31 set, which the result leaves out) and a seed of 0.
TEST(CrtRandomTest, EachSeedGivesTheRuntimeSequence) {
  const struct {
    unsigned seed;
    std::vector<int> draws;
  } cases[] = {{1, {41, 18467, 6334}}, {0xFFFFFFFFu, {35, 29739, 3374}}, {0, {38, 7719, 21238}}};
  for (const auto& c : cases) {
    platform::CrtSrand(c.seed);
    std::vector<int> draws;
    for (size_t i = 0; i < c.draws.size(); ++i) draws.push_back(platform::CrtRand());
    EXPECT_EQ(draws, c.draws) << "seed " << c.seed;
  }
}

}  // namespace
