// A player file saved offline while remote storage already holds one of its
// name: kept aside under the first free name of its series, never lost.
#include <gtest/gtest.h>

#include <string>

#include "engine/core/Clock.h"
#include "engine/core/FileIO.h"
#include "game/common/KeepFileAside.h"
#include "game/steam/SteamInterface.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/PlayerStorageHooks.h"

namespace {

using namespace Pemberquill;

class SupersededPlayerFilesTest : public ::testing::Test {
 protected:
  void TearDown() override {
    testsupport::ForgetPlayerStorageHooks();
  }
  std::string Local(const std::string& name) const { return userData.File("Pemberquill/" + name); }
  void Write(const std::string& path, const std::string& text) const {
    ASSERT_TRUE(platform::WriteFileAtomically(path, text.data(), text.size()));
  }
  std::string Read(const std::string& path) const {
    const testsupport::Bytes bytes = testsupport::ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
  }

  testsupport::RecordingConsole console;
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", userData.Path().c_str()};
  file_test::FakeApplication application{userData.File("Pemberquill/")};
  Clock gameClock;
};

// Catches the last name of the series left unused: with every earlier copy
// taken, the file still goes to the last one, and only past it stays put.
TEST_F(SupersededPlayerFilesTest, TheLastFreeNameOfTheSeriesStillTakesTheFile) {
  ASSERT_TRUE(platform::CreateFolderRecursive(userData.File("Pemberquill")));
  ASSERT_TRUE(platform::CreateFolderRecursive(userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) +
                                                            "/storage")));
  Write(userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/storage/steamuser.pqoptions"),
        "remote");
  const std::string local = Local("steamuser.pqoptions");
  for (int copy = 1; copy < MAX_KEPT_ASIDE_COPIES; ++copy) {
    Write(KeptAsideName(local, ".superseded", copy), "older");
  }
  const std::string last = KeptAsideName(local, ".superseded", MAX_KEPT_ASIDE_COPIES);
  for (const char* offline : {"offline", "offline again"}) {
    Write(local, offline);
    SteamInterface steam;
    steam.Startup(&gameClock);
    steam.Shutdown();
  }
  EXPECT_EQ(Read(last), "offline");
  EXPECT_EQ(Read(local), "offline again") << "no name left: it stays as it is";
}

}  // namespace
