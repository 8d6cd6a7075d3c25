#include "engine/core/UlvoEventSystem.h"

#include <algorithm>
#include <utility>

#include "engine/core/Diagnostics.h"

namespace {

// The live event systems, oldest first, linked through the systems
// themselves. A plain pointer rather than a container: recipients that are
// static objects unregister from their destructors after main has returned,
// when a function-local container could already be gone.
UlvoEventSystem* s_firstLiveSystem = nullptr;

}  // namespace

UlvoEventSystem::UlvoEventSystem() {
  UlvoEventSystem** link = &s_firstLiveSystem;
  while (*link != nullptr) {
    link = &(*link)->m_nextLiveSystem;
  }
  *link = this;
}

UlvoEventSystem::~UlvoEventSystem() {
  for (UlvoEventSystem** link = &s_firstLiveSystem; *link != nullptr;
       link = &(*link)->m_nextLiveSystem) {
    if (*link == this) {
      *link = m_nextLiveSystem;
      break;
    }
  }
}

UlvoEventSystem* UlvoEventSystem::GetGlobal() { return s_firstLiveSystem; }

void UlvoEventSystem::AddHandler(const std::string& eventName,
                                 std::unique_ptr<RegisteredEventHandlerBase> handler) {
  ULVO_ASSERT(handler != nullptr && handler->GetRecipient() != nullptr,
              Stringf("Event handler for %s has no recipient.", eventName.c_str()),
              "UlvoEventSystem::AddHandler");
  m_eventHandlers[PropertyKey(eventName)].push_back(std::move(handler));
}

void UlvoEventSystem::FireEvent(const std::string& eventName, NamedProperties& args) {
  const auto found = m_eventHandlers.find(PropertyKey(eventName));
  if (found == m_eventHandlers.end()) {
    return;
  }
  // Nothing of this system is touched after the copy: a handler may even
  // destroy the system that is dispatching.
  const HandlerList snapshot = found->second;
  for (const std::shared_ptr<RegisteredEventHandlerBase>& handler : snapshot) {
    handler->Invoke(args);
  }
}

void UlvoEventSystem::FireEvent(const std::string& eventName) {
  NamedProperties noArguments;
  FireEvent(eventName, noArguments);
}

void UlvoEventSystem::Unregister(const std::string& eventName, const EventRecipient* recipient) {
  const auto found = m_eventHandlers.find(PropertyKey(eventName));
  if (found == m_eventHandlers.end()) {
    return;
  }
  HandlerList& handlers = found->second;
  const auto first = std::find_if(
      handlers.begin(), handlers.end(),
      [recipient](const auto& handler) { return handler->GetRecipient() == recipient; });
  if (first != handlers.end()) {
    handlers.erase(first);
  }
  if (handlers.empty()) {
    m_eventHandlers.erase(found);
  }
}

void UlvoEventSystem::UnregisterRecipient(const EventRecipient* recipient) {
  for (auto entry = m_eventHandlers.begin(); entry != m_eventHandlers.end();) {
    HandlerList& handlers = entry->second;
    handlers.erase(std::remove_if(handlers.begin(), handlers.end(),
                                  [recipient](const auto& handler) {
                                    return handler->GetRecipient() == recipient;
                                  }),
                   handlers.end());
    entry = handlers.empty() ? m_eventHandlers.erase(entry) : std::next(entry);
  }
}

void UlvoEventSystem::UnregisterFromEverySystem(const EventRecipient* recipient) noexcept {
  for (UlvoEventSystem* system = s_firstLiveSystem; system != nullptr;
       system = system->m_nextLiveSystem) {
    system->UnregisterRecipient(recipient);
  }
}

void FireGlobalEvent(const std::string& eventName, NamedProperties& args) {
  if (UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal()) {
    eventSystem->FireEvent(eventName, args);
  }
}

void FireGlobalEvent(const std::string& eventName) {
  if (UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal()) {
    eventSystem->FireEvent(eventName);
  }
}
