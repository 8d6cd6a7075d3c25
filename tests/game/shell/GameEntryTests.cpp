// The entry function's last resort: what reaches it is shown in the fatal
// error box (stderr when headless) and the process ends with a failure
// status.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoException.h"
#include "game/shell/GameEntry.h"
#include "game/shell/PemberquillShared.h"

namespace Pemberquill {
namespace {

TEST(GameEntryTest, EachKindOfErrorFailsTheRunWithItsOwnBox)
{
    const struct {
        std::function<void()> body;
        std::string boxStart;
    } cases[] = {
        {[] { throw UlvoException(nullptr, "game/shell/Somewhere.cpp", 42, "TheGame::Startup", "No window."); },
         "TheGame::Startup\nNo window.\n\nThe application will now close.\n\n[Line 42 in game/shell/Somewhere.cpp]\n"},
        {[] { throw std::runtime_error("disk on fire"); }, "Unhandled standard exception\ndisk on fire\n"},
        {[] { throw 7; }, "Unhandled exception\nAn unknown exception has occurred.\n"},
        {[] { ValidateEngineModules(); }, "ValidateEngineModules\nPemberquill's global ulvoCore was NULL!\n"},
    };
    EXPECT_EQ(RunWithFatalErrorBox([] {}), 0);
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_NE(RunWithFatalErrorBox(c.body), 0) << c.boxStart;
        const std::string box = testing::internal::GetCapturedStderr();
        EXPECT_EQ(box.rfind(c.boxStart, 0), 0u) << box;
    }
}

}  // namespace
}  // namespace Pemberquill
