#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Animatable.h"
#include "engine/core/AnimatableInstanceSet.h"
#include "engine/core/Clock.h"
#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"

namespace {

// Records every firing of the events it listens to, with its "Tag" argument.
class EventLog : public EventRecipient {
 public:
  void Listen(UlvoEventSystem& events, const std::string& name) {
    RegisterEventHandler(name, &events, &EventLog::Event_OnAny, this);
  }
  void Event_OnAny(NamedProperties& args) {
    std::string tag;
    args.Get("Tag", tag);
    fired.push_back(tag);
    args.Set<std::string>("Tag", "changed by a handler");
  }
  std::vector<std::string> fired;
};

NamedProperties Tagged(const std::string& tag) {
  NamedProperties payload;
  payload.Set<std::string>("Tag", tag);
  return payload;
}

class PropertyAnimationTest : public ::testing::Test {
 protected:
  PropertyAnimationTest() { system.Startup(master); }
  ~PropertyAnimationTest() override { system.Shutdown(); }

  // A fade from 0 to 1 over 1 s with a tint that ends at 0.5 s.
  PropertyAnimation* MakeFade() {
    PropertyAnimation* animation = system.CreateAnimation("Fade");
    Animatable<float> alpha(0.0f);
    alpha.AddKeyframe(1.0f, 1.0);
    Animatable<Rgba> tint(Rgba(255, 255, 255, 0));
    tint.AddKeyframe(Rgba(255, 255, 255, 255), 0.5);
    animation->AddTrack("BaseAlpha", alpha);
    animation->AddTrack("Tint", tint);
    return animation;
  }

  Clock master;
  PropertyAnimationSystem system;
  UlvoEventSystem events;
  EventLog log;
};

TEST_F(PropertyAnimationTest, TimedEventsFireOnceAsThePlayPositionPassesThem) {
  PropertyAnimation* animation = MakeFade();
  animation->AddTimedEvent("AtZero", 0.0, Tagged("zero"));
  animation->AddTimedEvent("Midway", 0.5, Tagged("midway"));
  animation->AddTimedEvent("AtEnd", 1.0, Tagged("end"));
  for (const char* name : {"AtZero", "Midway", "AtEnd"}) log.Listen(events, name);
  PropertyAnimationInstance* instance = system.CreateInstance("Fade", AnimationPlayMode::Once);
  instance->Start(0.0);

  for (int frame = 0; frame < 40; ++frame) {
    master.Advance(0.03125);
    instance->Update();
  }

  EXPECT_EQ(log.fired, (std::vector<std::string>{"midway", "end"}));
  EXPECT_FALSE(instance->IsPlaying());

  // Handlers wrote into their arguments; the next play carries the originals.
  log.fired.clear();
  instance->Start(0.75);
  instance->Update();
  EXPECT_EQ(log.fired, (std::vector<std::string>{"midway"}));
}

TEST_F(PropertyAnimationTest, LoopWrapsToTheStartSkippingEventsBeforeTheWrap) {
  PropertyAnimation* animation = MakeFade();
  animation->AddTimedEvent("Late", 0.96875, Tagged("late"));
  animation->AddTimedEvent("Early", 0.125, Tagged("early"));
  log.Listen(events, "Late");
  log.Listen(events, "Early");
  PropertyAnimationInstance* instance = system.CreateInstance("Fade", AnimationPlayMode::Loop);
  instance->Start(0.0);

  instance->GetClock().SetTime(0.9375);
  instance->Update();
  instance->GetClock().SetTime(1.0625);
  instance->Update();
  EXPECT_TRUE(instance->IsPlaying());
  float alpha = -1.0f;
  EXPECT_TRUE(instance->GetValue("BaseAlpha", alpha));
  EXPECT_FLOAT_EQ(alpha, 0.0f);
  Rgba notAColour;
  EXPECT_FALSE(instance->GetValue("BaseAlpha", notAColour)) << "a track of floats gives no colour";
  instance->GetClock().SetTime(0.25);
  instance->Update();

  EXPECT_EQ(log.fired, (std::vector<std::string>{"early", "early"}));
}

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
  EXPECT_TRUE(state.isPlaying);
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 2.0), 1.0f);
  EXPECT_FALSE(state.isPlaying);
  // Once stopped the state holds the last value whatever the time.
  EXPECT_FLOAT_EQ(track.GetValueAtTime(state, 0.5), 1.0f);
}

// Keys at one time stay in the order added, so the later one is where the
// track jumps to; a key added out of time order takes its place.
TEST(AnimatableTrack, KeysAtOneTimeKeepTheOrderAddedAndEarlierOnesTakeTheirPlace) {
  Animatable<float> track(0.0f);
  track.AddKeyframe(1.0f, 1.0);
  track.AddKeyframe(5.0f, 1.0);
  track.AddKeyframe(2.0f, 0.5);
  std::vector<float> values;
  for (const auto& key : track.GetKeyframes()) values.push_back(key.value);
  EXPECT_EQ(values, (std::vector<float>{0.0f, 2.0f, 1.0f, 5.0f}));
}

TEST(AnimatableTrack, IntsRoundHalvesUpwardColoursTruncateAndBoolsStep) {
  EXPECT_EQ(ValueAt(0, 3, 2.0, 1.0), 2);    // 1.5
  EXPECT_EQ(ValueAt(0, -3, 2.0, 1.0), -1);  // -1.5
  const Rgba black(0, 0, 0, 255), white(255, 255, 255, 255);
  EXPECT_EQ(ValueAt(black, white, 1.0, 0.5), Rgba(127, 127, 127, 255));  // 127.995
  EXPECT_FALSE(ValueAt(false, true, 1.0, 0.99));
  EXPECT_TRUE(ValueAt(false, true, 1.0, 1.0));
}

}  // namespace
