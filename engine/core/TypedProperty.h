#pragma once

#include <memory>

// The holder of one value in a property bag. The bag knows its entries only
// through this base and recovers the value by a type-tested downcast to
// TypedProperty<T>, so T must match exactly: a stored int is not readable as
// unsigned int, a stored Derived* not as a Base*.
class TypedPropertyBase {
 public:
  TypedPropertyBase() = default;
  TypedPropertyBase(const TypedPropertyBase&) = delete;
  TypedPropertyBase& operator=(const TypedPropertyBase&) = delete;
  virtual ~TypedPropertyBase() = default;

  // A new holder of the same dynamic type with its own copy of the value.
  virtual std::unique_ptr<TypedPropertyBase> Clone() const = 0;
};

// A pointer T is stored as the plain pointer: the holder never owns what it
// points to.
template <typename T>
class TypedProperty : public TypedPropertyBase {
 public:
  explicit TypedProperty(const T& value) : m_value(value) {}

  std::unique_ptr<TypedPropertyBase> Clone() const override {
    return std::make_unique<TypedProperty<T>>(m_value);
  }

  const T& GetValue() const { return m_value; }
  // In-place access for owners that keep live state in a bag (animation
  // tracks); everyone else reads a copy through NamedProperties::Get.
  T& GetValue() { return m_value; }

 private:
  T m_value;
};
