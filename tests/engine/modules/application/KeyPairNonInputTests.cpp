#include <gtest/gtest.h>

#include "engine/modules/application/WindowInputTranslation.h"
#include "platform/window/VirtualKey.h"

namespace {

using platform::WindowMessage;

// Messages that are no input must say so: a caller that trusted the pair
// would queue whatever it held before as a key.
TEST(KeyPairNonInputTest, TheMiddleButtonAndAStillWheelAreNoInput) {
  const std::pair<const char*, WindowMessage> cases[] = {
      {"middle button down", WindowMessage::MouseButtonDown(platform::VK_MBUTTON, {})},
      {"wheel turned by nothing", WindowMessage::MouseWheel(0)},
  };
  for (const auto& [name, message] : cases) {
    KeyPair pair{7, 7};
    EXPECT_FALSE(TranslateToKeyPair(message, pair)) << name;
  }
}

}  // namespace
