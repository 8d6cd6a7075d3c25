#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyKey.h"
#include "engine/core/RegisteredEventHandler.h"
#include "engine/core/UlvoCoreSystemInterface.h"

// Synchronous named events. Firing a name calls, at once and on the caller's
// thread, every handler registered under it (names match ignoring ASCII
// case), in registration order, all with the same argument bag.
//
// Handlers may register, unregister, destroy recipients or fire further
// events while a dispatch runs. The dispatch walks a snapshot of the handler
// list: a handler added meanwhile runs from the next firing on, one removed
// meanwhile still runs in this one, unless its recipient has been destroyed.
class UlvoEventSystem : public UlvoCoreSystemInterface {
 public:
  UlvoEventSystem();
  ~UlvoEventSystem() override;

  // The oldest event system still alive: in the game, the engine core's,
  // which the core creates before anything subscribes and destroys last.
  // Null when there is none.
  static UlvoEventSystem* GetGlobal();

  // Appended without a duplicate check: a handler added twice runs twice.
  void AddHandler(const std::string& eventName,
                  std::unique_ptr<RegisteredEventHandlerBase> handler);

  // A name that nobody registered does nothing.
  void FireEvent(const std::string& eventName, NamedProperties& args);
  // Fires with a fresh empty bag, so that what one event's handlers write
  // into it never reaches another event.
  void FireEvent(const std::string& eventName);

  // Removes the first subscription of recipient to that event only.
  void Unregister(const std::string& eventName, const EventRecipient* recipient);
  // Removes every subscription of recipient to every event.
  void UnregisterRecipient(const EventRecipient* recipient);

 private:
  friend class EventRecipient;

  // Shared with the snapshots of dispatches under way, so that a subscription
  // removed by a handler stays callable until those dispatches end.
  using HandlerList = std::vector<std::shared_ptr<RegisteredEventHandlerBase>>;

  static void UnregisterFromEverySystem(const EventRecipient* recipient) noexcept;

  std::map<PropertyKey, HandlerList> m_eventHandlers;
  UlvoEventSystem* m_nextLiveSystem = nullptr;
};

namespace event_system_detail {
// Keeps the recipient out of template deduction, so that a handler declared
// in a base class can be registered for an object of a derived class.
template <typename T>
struct NonDeduced {
  using Type = T;
};
}  // namespace event_system_detail

// Subscribes recipient->method to eventName. Does nothing without an event
// system, as during start-up before the core exists.
template <typename T>
void RegisterEventHandler(const std::string& eventName, UlvoEventSystem* eventSystem,
                          void (T::*method)(NamedProperties&),
                          typename event_system_detail::NonDeduced<T>::Type* recipient) {
  if (eventSystem != nullptr) {
    eventSystem->AddHandler(eventName,
                            std::make_unique<RegisteredEventHandler<T>>(recipient, method));
  }
}

// On the global event system; nothing happens without one.
void FireGlobalEvent(const std::string& eventName, NamedProperties& args);
void FireGlobalEvent(const std::string& eventName);
