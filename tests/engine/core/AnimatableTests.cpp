#include <gtest/gtest.h>

#include "engine/core/Animatable.h"
#include "engine/core/AnimatableInstanceSet.h"
#include "engine/core/Rgba.h"

namespace {

template <typename T>
T ValueAt(const T& from, const T& to, double duration, double t) {
  Animatable<T> track(from);
  track.AddKeyframe(to, duration);
  AnimationInstanceState state;
  return track.GetValueAtTime(state, t);
}

TEST(AnimatableTrack, FloatInterpolatesThenHoldsAndStops) {
  Animatable<float> track(0.0f);
  track.AddKeyframe(1.0f, 2.0);
  AnimationInstanceState state;
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 1.0), 0.5f);
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 0.5), 0.25f);  // backwards while playing
  EXPECT_TRUE(state.isPlaying);
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 2.0), 1.0f);
  EXPECT_FALSE(state.isPlaying);
  // Once stopped the state holds the last value whatever the time.
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 0.5), 1.0f);
}

TEST(AnimatableTrack, IntsRoundHalvesUpwardColoursTruncateAndBoolsStep) {
  EXPECT_EQ(ValueAt(0, 3, 2.0, 1.0), 2);    // 1.5
  EXPECT_EQ(ValueAt(0, 3, 2.0, 0.5), 1);    // 0.75
  EXPECT_EQ(ValueAt(0, -3, 2.0, 1.0), -1);  // -1.5
  const Rgba black(0, 0, 0, 255), white(255, 255, 255, 255);
  EXPECT_EQ(ValueAt(black, white, 1.0, 0.5), Rgba(127, 127, 127, 255));  // 127.995
  EXPECT_EQ(ValueAt(black, white, 1.0, 0.0), black);
  EXPECT_EQ(ValueAt(black, white, 1.0, 1.0), white);
  EXPECT_EQ(ValueAt(Rgba(0, 0, 128, 0), Rgba(0, 0, 128, 192), 0.25, 0.125), Rgba(0, 0, 128, 96));
  EXPECT_FALSE(ValueAt(false, true, 1.0, 0.99));
  EXPECT_TRUE(ValueAt(false, true, 1.0, 1.0));
}

}  // namespace
