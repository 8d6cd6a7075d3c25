#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"

namespace {

// Appends its name to a shared log whenever one of its handlers runs, then
// runs whatever the test wants done from inside the dispatch.
class Listener : public EventRecipient {
 public:
  Listener(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}

  void Event_OnPing(NamedProperties&) {
    m_log.push_back(m_name);
    if (onPing) {
      // Copied out first: the action may destroy this listener.
      std::function<void()> action = onPing;
      action();
    }
  }

  void Event_OnOther(NamedProperties&) { m_log.push_back(m_name + ".other"); }

  std::function<void()> onPing;

 private:
  std::string m_name;
  std::vector<std::string>& m_log;
};

class EventSystemTest : public ::testing::Test {
 protected:
  void Register(Listener& listener, const std::string& eventName = "Ping") {
    RegisterEventHandler(eventName, &events, &Listener::Event_OnPing, &listener);
  }

  std::vector<std::string> TakeLog() {
    std::vector<std::string> taken;
    taken.swap(log);
    return taken;
  }

  UlvoEventSystem events;
  std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(EventSystemTest, HandlersRunInRegistrationOrderMatchingNamesIgnoringCase) {
  Listener a("a", log), b("b", log), c("c", log);
  Register(b, "QuitGameEvent");
  Register(a, "QuitGameEvent");
  Register(c, "QuitGameEvent");
  events.FireEvent("quitgameevent");
  EXPECT_EQ(TakeLog(), (Log{"b", "a", "c"}));

  events.FireEvent("Unheard");
  events.FireEvent("");
  EXPECT_TRUE(log.empty());
}

TEST_F(EventSystemTest, RegisteringTwiceRunsTwice) {
  Listener a("a", log), b("b", log);
  Register(a);
  Register(b);
  Register(a);
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"a", "b", "a"}));
}

TEST_F(EventSystemTest, AHandlerAddedDuringDispatchRunsFromTheNextFiring) {
  Listener a("a", log), late("late", log);
  a.onPing = [&] { Register(late); };
  Register(a);
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"a"}));
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"a", "late"}));
}

TEST_F(EventSystemTest, ARecipientDestroyedDuringDispatchIsNotCalledAgain) {
  auto a = std::make_unique<Listener>("a", log);
  auto doomed = std::make_unique<Listener>("doomed", log);
  Listener c("c", log);
  a->onPing = [&] { doomed.reset(); };
  Register(*a);
  Register(*doomed);
  Register(c);
  Register(*doomed);
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"a", "c"}));
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"a", "c"}));
}

TEST_F(EventSystemTest, ARecipientMayDestroyItselfFromItsHandler) {
  auto self = std::make_unique<Listener>("self", log);
  Listener after("after", log);
  self->onPing = [&] { self.reset(); };
  Register(*self);
  Register(*self);
  Register(after);
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"self", "after"}));
}

TEST_F(EventSystemTest, AHandlerMayDestroyTheDispatchingSystem) {
  std::vector<std::string> localLog;
  auto system = std::make_unique<UlvoEventSystem>();
  Listener a("a", localLog), b("b", localLog);
  a.onPing = [&] { system.reset(); };
  RegisterEventHandler("Ping", system.get(), &Listener::Event_OnPing, &a);
  RegisterEventHandler("Ping", system.get(), &Listener::Event_OnPing, &b);
  system->FireEvent("Ping");
  EXPECT_EQ(localLog, (Log{"a", "b"}));
}

// Each Unregister takes back one subscription, the oldest.
TEST_F(EventSystemTest, UnregisterRemovesOnlyTheFirstSubscription) {
  Listener a("a", log), b("b", log);
  RegisterEventHandler("Ping", &events, &Listener::Event_OnOther, &a);
  Register(b);
  Register(a);
  events.Unregister("ping", &a);
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"b", "a"}));

  events.Unregister("Unknown", &a);
  events.Unregister("Ping", &a);
  events.Unregister("Ping", &a);
  events.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"b"}));
}

TEST_F(EventSystemTest, DestroyingARecipientRemovesItFromEveryEventAndSystem) {
  UlvoEventSystem otherSystem;
  auto doomed = std::make_unique<Listener>("doomed", log);
  Listener kept("kept", log);
  Register(*doomed, "Ping");
  Register(*doomed, "Pong");
  Register(kept, "Pong");
  RegisterEventHandler("Ping", &otherSystem, &Listener::Event_OnPing, doomed.get());
  doomed.reset();
  events.FireEvent("Ping");
  events.FireEvent("Pong");
  otherSystem.FireEvent("Ping");
  EXPECT_EQ(TakeLog(), (Log{"kept"}));
}

}  // namespace
