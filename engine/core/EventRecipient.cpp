#include "engine/core/EventRecipient.h"

#include "engine/core/UlvoEventSystem.h"

EventRecipient::EventRecipient() : m_lifetimeToken(std::make_shared<bool>(true)) {}

EventRecipient::EventRecipient(const EventRecipient&) : EventRecipient() {}

EventRecipient& EventRecipient::operator=(const EventRecipient&) { return *this; }

EventRecipient::~EventRecipient() {
  m_lifetimeToken.reset();
  UlvoEventSystem::UnregisterFromEverySystem(this);
}
