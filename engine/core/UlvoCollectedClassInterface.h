#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// Keeps every live T in a list in order of construction, so that global
// functions can reach "the" console, renderer, ... (the default instance, the
// first one still alive) without a pointer being passed around.
//
// T derives from UlvoCollectedClassInterface<T>. The list is a function-local
// static, so objects of other files built during static initialisation find
// it ready whatever order the linker chose.
template <typename T>
class UlvoCollectedClassInterface {
 public:
  // Null when no T is alive.
  static T* GetDefaultInstance() {
    const std::vector<UlvoCollectedClassInterface*>& list = List();
    return list.empty() ? nullptr : AsT(list.front());
  }

  static size_t GetInstanceCount() { return List().size(); }

  // index < GetInstanceCount(); 0 is the default instance.
  static T* GetInstance(size_t index) { return AsT(List().at(index)); }

 protected:
  UlvoCollectedClassInterface() { List().push_back(this); }

  // A copy is another live object and joins the list behind the others.
  UlvoCollectedClassInterface(const UlvoCollectedClassInterface&) { List().push_back(this); }

  // Assignment changes values, not identity: membership stays as it is.
  UlvoCollectedClassInterface& operator=(const UlvoCollectedClassInterface&) { return *this; }

  ~UlvoCollectedClassInterface() {
    std::vector<UlvoCollectedClassInterface*>& list = List();
    list.erase(std::find(list.begin(), list.end(), this));
  }

 private:
  // The list holds base pointers: the downcast to T is only made on the way
  // out, when the object is fully built, never from inside its constructor.
  static std::vector<UlvoCollectedClassInterface*>& List() {
    static std::vector<UlvoCollectedClassInterface*> list;
    return list;
  }

  static T* AsT(UlvoCollectedClassInterface* entry) { return static_cast<T*>(entry); }
};
