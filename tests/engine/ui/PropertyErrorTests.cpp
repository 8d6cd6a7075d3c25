// A widget asked for a property it cannot give says why.
#include <gmock/gmock.h>

#include <functional>
#include <string>

#include "tests/engine/ui/UITestSupport.h"
#include "tests/support/CatchUlvoException.h"

namespace {

using namespace ui_test;

// A name that is there under another type and a name that is not there at
// all are different mistakes in a description.
TEST_F(WidgetTest, AMissingPropertyAndAMistypedOneAreToldApart) {
  TestWidget widget("Plain", nullptr);
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { widget.GetProperty<float>("BorderThickness"); }, "mismatched"},
      {[&] { widget.GetProperty<int>("NoSuchProperty"); }, "does not have a default property named NoSuchProperty"}};
  for (const auto& [ask, reason] : cases) {
    EXPECT_THAT(testsupport::CatchUlvoException(ask).message, ::testing::HasSubstr(reason));
  }
}

}  // namespace
