#include <gtest/gtest.h>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/console/UlvoCommandConsoleBasic.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "tests/engine/modules/ModuleTestSupport.h"

namespace {

// The console takes no keys: with it first in the key chain, every pair
// still reaches the game.
TEST(ConsoleKeysTest, KeysPassThroughTheConsoleToTheGame) {
  modules_test::TemporaryFolder folder;
  platform_test::ScopedEnvironment dataHome("XDG_DATA_HOME", folder.Path().c_str());
  std::unique_ptr<UlvoApplicationBasic_Win32> application = UlvoApplicationBasic_Win32::Create();
  application->SetUserDataFolder("Harrowmere Test/");
  modules_test::RecordingGame game;
  auto console = UlvoCommandConsoleBasic::Create();
  console->Startup();
  auto input = UlvoInputBasic_Win32::Create();
  input->Startup();
  EXPECT_FALSE(input->OnKeyEvent(KEY_ACTION_DOWN, 'Q'));
  EXPECT_FALSE(input->OnKeyEvent(KEY_ACTION_CHARACTER, '~'));
  EXPECT_EQ(game.pairs, (std::vector<modules_test::Pair>{{KEY_ACTION_DOWN, 'Q'},
                                                         {KEY_ACTION_CHARACTER, '~'}}));
  input->Shutdown();
  console->Shutdown();
}

}  // namespace
