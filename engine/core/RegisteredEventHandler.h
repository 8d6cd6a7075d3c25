#pragma once

#include <memory>
#include <type_traits>

#include "engine/core/EventRecipient.h"

class NamedProperties;

// One subscription of an event system.
class RegisteredEventHandlerBase {
 public:
  RegisteredEventHandlerBase() = default;
  RegisteredEventHandlerBase(const RegisteredEventHandlerBase&) = delete;
  RegisteredEventHandlerBase& operator=(const RegisteredEventHandlerBase&) = delete;
  virtual ~RegisteredEventHandlerBase() = default;

  virtual void Invoke(NamedProperties& args) = 0;
  // The owner, as its EventRecipient base: what the removal calls compare.
  virtual EventRecipient* GetRecipient() const = 0;
};

// A member function of T, taking the event's arguments, called on one T.
template <typename T>
class RegisteredEventHandler : public RegisteredEventHandlerBase {
  static_assert(std::is_base_of_v<EventRecipient, T>, "event handlers belong to an EventRecipient");

 public:
  using Method = void (T::*)(NamedProperties&);

  RegisteredEventHandler(T* recipient, Method method)
      : m_recipient(recipient),
        m_method(method),
        m_recipientLifetime(recipient != nullptr ? recipient->GetLifetimeToken()
                                                 : std::weak_ptr<const bool>()) {}

  // Does nothing once the recipient is gone.
  void Invoke(NamedProperties& args) override {
    if (!m_recipientLifetime.expired()) {
      (m_recipient->*m_method)(args);
    }
  }

  EventRecipient* GetRecipient() const override { return m_recipient; }

 private:
  T* m_recipient;
  Method m_method;
  std::weak_ptr<const bool> m_recipientLifetime;
};
