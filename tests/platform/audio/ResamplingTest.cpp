// Resampling read on a ramp, so that each frame produced shows where in
// the sound it was read.
#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

#include "platform/audio/Resampling.h"

namespace {

using platform::PcmView;
using platform::ResamplePass;
using Samples = std::vector<int16_t>;

// Two channels, the right one the left negated: 0, 100, ..., 500.
const Samples kRamp{0, 0, 100, -100, 200, -200, 300, -300, 400, -400, 500, -500};
const PcmView kSound{kRamp.data(), 6, 2};

Samples Left(const Samples& frames) {
  Samples left;
  for (size_t i = 0; i < frames.size(); i += 2) {
    left.push_back(frames[i]);
    EXPECT_EQ(frames[i + 1], -frames[i]) << "channels stay apart, frame " << i / 2;
  }
  return left;
}

TEST(ResamplingTest, EachFrameIsReadWhereTheStepPutsIt) {
  const struct {
    const char* name;
    double start, step;
    bool wraps;
    Samples left;
  } cases[] = {
      {"own rate", 0, 1, false, {0, 100, 200, 300, 400, 500}},
      {"twice as fast", 0, 2, false, {0, 200, 400}},
      {"half as fast: between frames, the last held", 0, 0.5, false,
       {0, 50, 100, 150, 200, 250, 300, 350, 400, 450, 500, 500}},
      {"from the middle", 2.5, 1, false, {250, 350, 450, 500}},
      {"round the end to the start", 4, 1, true, {400, 500, 0, 100, 200, 300}},
      {"between the last frame and the first", 5.5, 2, true, {250, 150, 350}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Left(ResamplePass(kSound, c.start, c.step, c.wraps)), c.left) << c.name;
  }
}

TEST(ResamplingTest, NothingIsReadOutsideTheSound) {
  for (const auto& [start, step] : std::initializer_list<std::pair<double, double>>{{6, 1}, {-1, 1}, {0, 0}, {0, -1}}) {
    EXPECT_TRUE(ResamplePass(kSound, start, step, true).empty()) << start << " " << step;
  }
  EXPECT_TRUE(ResamplePass(PcmView{kRamp.data(), 0, 2}, 0, 1, false).empty());
}

// A step past either bound reads as the bound does: a tiny step makes no
// endless pass and an infinite one reads no position that is not a number.
TEST(ResamplingTest, AStepPastEitherBoundIsHeldAtIt) {
  const double infinity = std::numeric_limits<double>::infinity();
  const std::pair<double, double> steps[] = {{1e-300, platform::kMinResampleStep},
                                             {platform::kMinResampleStep / 2, platform::kMinResampleStep},
                                             {infinity, platform::kMaxResampleStep},
                                             {1e300, platform::kMaxResampleStep}};
  for (const bool wraps : {false, true}) {
    for (const auto& [step, bound] : steps) {
      const Samples held = ResamplePass(kSound, 0.5, step, wraps);
      EXPECT_EQ(held, ResamplePass(kSound, 0.5, bound, wraps)) << step << " " << wraps;
      EXPECT_FALSE(held.empty()) << step << " " << wraps;
      EXPECT_LE(held.size(), kRamp.size() * 32) << step << " " << wraps;
    }
  }
  // So many frames that their samples, counted in a size_t, come to four.
  EXPECT_TRUE(ResamplePass(PcmView{kRamp.data(), (size_t{1} << 62) + 1, 4}, 0, 1, false).empty());
}

}  // namespace
