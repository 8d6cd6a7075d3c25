#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoEventSystem.h"

namespace {

using Log = std::vector<std::string>;

// Appends its name to a shared log whenever one of its handlers runs, then
// runs whatever the test wants done from inside the dispatch.
class Listener : public EventRecipient {
 public:
  Listener(std::string name, Log& log) : m_name(std::move(name)), m_log(log) {}

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
  Log& m_log;
};

class EventSystemTest : public ::testing::Test {
 protected:
  void Register(Listener& listener, const std::string& eventName = "Ping") {
    RegisterEventHandler(eventName, &events, &Listener::Event_OnPing, &listener);
  }
  Log Fire(const std::string& eventName = "Ping") {
    events.FireEvent(eventName);
    Log taken;
    taken.swap(log);
    return taken;
  }

  UlvoEventSystem events;
  Log log;
};

TEST_F(EventSystemTest, HandlersRunInRegistrationOrderOncePerSubscriptionIgnoringCase) {
  Listener a("a", log), b("b", log), late("late", log);
  Register(b, "QuitGameEvent");
  Register(a, "QuitGameEvent");
  Register(b, "QuitGameEvent");
  EXPECT_EQ(Fire("quitgameevent"), (Log{"b", "a", "b"}));
  // A handler added during dispatch runs from the next firing.
  a.onPing = [&] { Register(late); };
  Register(a);
  EXPECT_EQ(Fire(), (Log{"a"}));
  EXPECT_EQ(Fire(), (Log{"a", "late"}));
}

TEST_F(EventSystemTest, ARecipientDestroyedDuringDispatchIsNotCalledAgain) {
  auto a = std::make_unique<Listener>("a", log);
  auto doomed = std::make_unique<Listener>("doomed", log);
  auto self = std::make_unique<Listener>("self", log);
  Listener c("c", log);
  a->onPing = [&] { doomed.reset(); };
  self->onPing = [&] { self.reset(); };
  for (Listener* listener : {a.get(), doomed.get(), self.get(), &c, doomed.get(), self.get()}) {
    Register(*listener);
  }
  EXPECT_EQ(Fire(), (Log{"a", "self", "c"}));
  EXPECT_EQ(Fire(), (Log{"a", "c"}));
}

TEST_F(EventSystemTest, AHandlerMayDestroyTheDispatchingSystem) {
  auto system = std::make_unique<UlvoEventSystem>();
  Listener a("a", log), b("b", log);
  a.onPing = [&] { system.reset(); };
  RegisterEventHandler("Ping", system.get(), &Listener::Event_OnPing, &a);
  RegisterEventHandler("Ping", system.get(), &Listener::Event_OnPing, &b);
  system->FireEvent("Ping");
  EXPECT_EQ(log, (Log{"a", "b"}));
}

// Each Unregister takes back one subscription, the oldest; destroying a
// recipient takes back all of them, in every system.
TEST_F(EventSystemTest, UnregisterRemovesTheFirstSubscriptionDestructionAll) {
  UlvoEventSystem otherSystem;
  auto a = std::make_unique<Listener>("a", log);
  Listener b("b", log);
  RegisterEventHandler("Ping", &events, &Listener::Event_OnOther, a.get());
  Register(b);
  Register(*a);
  events.Unregister("ping", a.get());
  EXPECT_EQ(Fire(), (Log{"b", "a"}));
  events.Unregister("Unknown", a.get());
  Register(*a, "Pong");
  Register(b, "Pong");
  RegisterEventHandler("Ping", &otherSystem, &Listener::Event_OnPing, a.get());
  a.reset();
  otherSystem.FireEvent("Ping");
  EXPECT_EQ(Fire("Ping"), (Log{"b"}));
  EXPECT_EQ(Fire("Pong"), (Log{"b"}));
}

}  // namespace
