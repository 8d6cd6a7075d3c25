#pragma once

#include <string>
#include <utility>

#include "engine/core/UlvoUserDataPathInterface.h"

namespace file_test {

// The default application, as far as paths care.
class FakeApplication : public UlvoUserDataPathInterface {
 public:
  explicit FakeApplication(std::string userDataPath) : m_userDataPath(std::move(userDataPath)) {}
  std::string GetUserDataPath() const override { return m_userDataPath; }

 private:
  std::string m_userDataPath;
};

}  // namespace file_test
