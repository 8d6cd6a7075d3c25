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

TEST(AnimatableTrack, BeforeFirstKeyGivesFirstKeyValue) {
  Animatable<float> late;
  late.AddKeyframe(10.0f, 1.0);
  late.AddKeyframe(20.0f, 2.0);
  AnimationInstanceState state;

  EXPECT_FLOAT_EQ(late.GetValueAtTime(state, 0.5), 10.0f);
  EXPECT_FLOAT_EQ(late.GetValueAtTime(state, -2.0), 10.0f);
  EXPECT_TRUE(state.isPlaying);
  EXPECT_FLOAT_EQ(late.GetValueAtTime(state, 1.5), 15.0f);

  const Animatable<double> single(7.25);
  EXPECT_DOUBLE_EQ(ValueAt(single, 100.0), 7.25);
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

TEST(AnimatableTrack, KeysStayInTimeOrder) {
  Animatable<float> track(0.0f);
  track.AddKeyframe(4.0f, 2.0);
  track.AddKeyframe(1.0f, 1.0);  // added late, played in its place
  track.AddKeyframe(5.0f, 2.0);  // equal time: after the earlier key of that time

  ASSERT_EQ(track.GetKeyframeCount(), 4u);
  EXPECT_FLOAT_EQ(track.GetKeyframes()[1].value, 1.0f);
  EXPECT_FLOAT_EQ(track.GetKeyframes()[3].value, 5.0f);
  EXPECT_FLOAT_EQ(ValueAt(track, 0.5), 0.5f);
  EXPECT_FLOAT_EQ(ValueAt(track, 1.5), 2.5f);
  EXPECT_DOUBLE_EQ(track.GetLastKeyTime(), 2.0);
}

TEST(AnimatableInstanceSetCopy, ClonesTheTrackWithoutPlayStates) {
  Animatable<float> track(1.0f);
  track.AddKeyframe(2.0f, 1.0);
  AnimatableInstanceSet original(track);
  track.AddKeyframe(3.0f, 2.0);  // the set holds its own clone
  original.AddState();
  original.GetState(0).isPlaying = false;

  const AnimatableInstanceSet copy(original);

  EXPECT_EQ(copy.GetStateCount(), 0);
  EXPECT_NE(&copy.GetTrack(), &original.GetTrack());
  ASSERT_NE(copy.GetTypedTrack<float>(), nullptr);
  EXPECT_EQ(copy.GetTypedTrack<float>()->GetKeyframeCount(), 2u);
  EXPECT_EQ(copy.GetTypedTrack<int>(), nullptr);

  AnimatableInstanceSet assigned(Animatable<int>(0));
  assigned.AddState();
  assigned = original;
  EXPECT_EQ(assigned.GetStateCount(), 0);
  EXPECT_NE(assigned.GetTypedTrack<float>(), nullptr);
}

}  // namespace
