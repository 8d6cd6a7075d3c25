#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/core/UlvoException.h"

namespace testsupport {

struct CaughtError {
  std::string message;
  std::string title;
};

// What the call threw; a test failure when it threw no UlvoException.
template <typename Call>
CaughtError CatchUlvoException(Call&& call) {
  try {
    call();
  } catch (const UlvoException& error) {
    return {error.GetMessage(), error.GetTitle()};
  }
  ADD_FAILURE() << "no UlvoException was thrown";
  return {};
}

}  // namespace testsupport
