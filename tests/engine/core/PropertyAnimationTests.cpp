#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/Animatable.h"
#include "engine/core/Clock.h"
#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"

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
  PropertyAnimation* MakeFade(const std::string& name) {
    PropertyAnimation* animation = system.CreateAnimation(name);
    Animatable<float> alpha(0.0f);
    alpha.AddKeyframe(1.0f, 1.0);
    Animatable<Rgba> tint(Rgba(255, 255, 255, 0));
    tint.AddKeyframe(Rgba(255, 255, 255, 255), 0.5);
    animation->AddTrack("BaseAlpha", alpha);
    animation->AddTrack("Tint", tint);
    return animation;
  }

  static float Alpha(PropertyAnimationInstance& instance) {
    float value = -1.0f;
    EXPECT_TRUE(instance.GetValue("BaseAlpha", value));
    return value;
  }

  Clock master;
  PropertyAnimationSystem system;
  UlvoEventSystem events;
  EventLog log;
};

TEST_F(PropertyAnimationTest, TracksSetTheDurationAndAreFoundIgnoringCase) {
  PropertyAnimation* animation = MakeFade("Fade");
  EXPECT_DOUBLE_EQ(animation->GetDuration(), 1.0);
  EXPECT_EQ(system.FindAnimation("FADE"), animation);
  EXPECT_EQ(system.FindAnimation("Other"), nullptr);
  EXPECT_NE(animation->FindTrack("basealpha"), nullptr);

  animation->AddTrack("BASEALPHA", Animatable<float>(0.5f));  // replaces, duration stays
  EXPECT_EQ(animation->GetTrackCount(), 2);
  EXPECT_DOUBLE_EQ(animation->GetDuration(), 1.0);

  EXPECT_THROW(animation->AddTrack("Empty", Animatable<float>()), UlvoException);

  PropertyAnimationInstance* instance = system.CreateInstance("fade", AnimationPlayMode::Once);
  instance->Start(0.25);
  Rgba tint;
  EXPECT_TRUE(instance->GetValue("Tint", tint));
  EXPECT_EQ(tint, Rgba(255, 255, 255, 127));
  int wrongType = 42;
  EXPECT_FALSE(instance->GetValue("BaseAlpha", wrongType));
  EXPECT_FALSE(instance->GetValue("NoSuchProperty", tint));
  EXPECT_EQ(wrongType, 42);
}

TEST_F(PropertyAnimationTest, UnknownAnimationIsAnAssertion) {
  try {
    system.CreateInstance("Missing", AnimationPlayMode::Once);
    FAIL() << "no exception";
  } catch (const UlvoException& error) {
    EXPECT_EQ(error.GetTitle(), "PropertyAnimationSystem::CreateInstance");
    EXPECT_EQ(error.GetMessage(),
              "Unable to find PropertyAnimation Missing\nULVO_ASSERT or ULVO_VALIDATE failed; "
              "condition \"propertyAnimation != NULL\" was not true.");
  }
}

TEST_F(PropertyAnimationTest, InstancesHaveIndependentStatesAndClocks) {
  MakeFade("Fade");
  PropertyAnimationInstance* early = system.CreateInstance("Fade", AnimationPlayMode::Once);
  PropertyAnimationInstance* late = system.CreateInstance("Fade", AnimationPlayMode::Once);
  EXPECT_EQ(early->GetInstanceIndex(), 0);
  EXPECT_EQ(late->GetInstanceIndex(), 1);
  EXPECT_EQ(system.GetInstanceCount(), 2);

  early->Start(0.75);
  late->Start(0.0);
  master.Advance(0.3);  // a long frame moves animations by 0.05 s at most
  master.Advance(0.03125);

  EXPECT_FLOAT_EQ(Alpha(*early), 0.83125f);
  EXPECT_DOUBLE_EQ(late->GetTime(), 0.08125);

  // The early one runs past its end and holds; the late one is unaffected.
  for (int frame = 0; frame < 8; ++frame) {
    master.Advance(0.03125);
  }
  EXPECT_FLOAT_EQ(Alpha(*early), 1.0f);
  early->GetClock().SetTime(0.5);
  EXPECT_FLOAT_EQ(Alpha(*early), 1.0f);
  EXPECT_FLOAT_EQ(Alpha(*late), 0.33125f);
}

TEST_F(PropertyAnimationTest, PlayOnceEndsAfterTheDurationAndRestartPlaysAgain) {
  MakeFade("Fade");
  PropertyAnimationInstance* instance = system.CreateInstance("Fade", AnimationPlayMode::Once);
  EXPECT_FALSE(instance->IsPlaying());
  instance->Start(0.0);

  instance->GetClock().SetTime(1.0);
  instance->Update();
  EXPECT_TRUE(instance->IsPlaying());  // ends only once the time exceeds the duration
  instance->GetClock().SetTime(1.25);
  instance->Update();
  EXPECT_FALSE(instance->IsPlaying());
  EXPECT_FLOAT_EQ(Alpha(*instance), 1.0f);

  instance->Start(0.5);
  EXPECT_TRUE(instance->IsPlaying());
  EXPECT_DOUBLE_EQ(instance->GetTime(), 0.5);
  EXPECT_DOUBLE_EQ(instance->GetClock().GetLastStep(), 0.0);
  EXPECT_FLOAT_EQ(Alpha(*instance), 0.5f);
}

TEST_F(PropertyAnimationTest, TimedEventsFireOnceAsThePlayPositionPassesThem) {
  PropertyAnimation* animation = MakeFade("Fade");
  animation->AddTimedEvent("AtZero", 0.0, Tagged("zero"));
  animation->AddTimedEvent("Midway", 0.5, Tagged("midway"));
  animation->AddTimedEvent("AtEnd", 1.0, Tagged("end"));
  for (const char* name : {"AtZero", "Midway", "AtEnd"}) {
    log.Listen(events, name);
  }
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
  PropertyAnimation* animation = MakeFade("Fade");
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
  EXPECT_DOUBLE_EQ(instance->GetTime(), 0.0);
  EXPECT_FLOAT_EQ(Alpha(*instance), 0.0f);
  instance->GetClock().SetTime(0.25);
  instance->Update();

  EXPECT_EQ(log.fired, (std::vector<std::string>{"early", "early"}));
}

TEST_F(PropertyAnimationTest, InstancesSurviveLaterChangesToTheirAnimation) {
  PropertyAnimation* animation = system.CreateAnimation("Grow");
  PropertyAnimationInstance* instance = system.CreateInstance("Grow", AnimationPlayMode::Once);
  // Without tracks there is no state to play: the index comes with the start.
  EXPECT_EQ(animation->AddInstance(), -1);
  EXPECT_EQ(instance->GetInstanceIndex(), -1);

  Animatable<int> size(10);
  size.AddKeyframe(20, 1.0);
  animation->AddTrack("Size", size);
  int value = 0;
  EXPECT_FALSE(instance->GetValue("Size", value));
  instance->Start(0.5);
  EXPECT_EQ(instance->GetInstanceIndex(), 0);

  EXPECT_TRUE(instance->GetValue("Size", value));
  EXPECT_EQ(value, 15);

  // Replacing the animation by name keeps the old one alive for its instances.
  EXPECT_NE(system.CreateAnimation("GROW"), animation);
  EXPECT_EQ(system.GetAnimationCount(), 1);
  EXPECT_TRUE(instance->GetValue("Size", value));
}

}  // namespace
