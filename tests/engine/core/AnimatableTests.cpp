#include <gtest/gtest.h>

#include "engine/core/Animatable.h"
#include "engine/core/AnimatableInstanceSet.h"
#include "engine/core/Rgba.h"

namespace {

template <typename T>
T ValueAt(const Animatable<T>& track, double t) {
  AnimationInstanceState state;
  return track.GetValueAtTime(state, t);
}

TEST(AnimatableTrack, FloatInterpolatesThenHoldsAndStops) {
  Animatable<float> track(0.0f);
  track.AddKeyframe(1.0f, 2.0);
  AnimationInstanceState state;

  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 0.0), 0.0f);
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 1.0), 0.5f);
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 0.5), 0.25f);  // backwards while playing
  EXPECT_TRUE(state.isPlaying);
  EXPECT_EQ(state.nextKeyIndex, 1);
  EXPECT_EQ(state.previousKeyIndex, 0);

  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 2.0), 1.0f);
  EXPECT_FALSE(state.isPlaying);
  EXPECT_EQ(state.nextKeyIndex, 1);
  // Once stopped the state holds the last value whatever the time.
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 0.5), 1.0f);
}

TEST(AnimatableTrack, IntRoundsHalvesUpward) {
  Animatable<int> up(0);
  up.AddKeyframe(3, 2.0);
  EXPECT_EQ(ValueAt(up, 1.0), 2);  // 1.5
  EXPECT_EQ(ValueAt(up, 0.5), 1);  // 0.75

  Animatable<int> down(0);
  down.AddKeyframe(-3, 2.0);
  EXPECT_EQ(ValueAt(down, 1.0), -1);  // -1.5
}

TEST(AnimatableTrack, RgbaTruncatesPerChannel) {
  Animatable<Rgba> fade(Rgba(0, 0, 0, 255));
  fade.AddKeyframe(Rgba(255, 255, 255, 255), 1.0);

  EXPECT_EQ(ValueAt(fade, 0.5), Rgba(127, 127, 127, 255));  // 127.995 truncated
  EXPECT_EQ(ValueAt(fade, 0.0), Rgba(0, 0, 0, 255));
  EXPECT_EQ(ValueAt(fade, 1.0), Rgba(255, 255, 255, 255));

  Animatable<Rgba> tint(Rgba(0, 0, 128, 0));
  tint.AddKeyframe(Rgba(0, 0, 128, 192), 0.25);
  EXPECT_EQ(ValueAt(tint, 0.125), Rgba(0, 0, 128, 96));
}

TEST(AnimatableTrack, SteppingTypesSwitchWhenTheKeyIsReached) {
  Animatable<bool> flag(false);
  flag.AddKeyframe(true, 1.0);
  EXPECT_FALSE(ValueAt(flag, 0.99));
  EXPECT_TRUE(ValueAt(flag, 1.0));
}

}  // namespace
