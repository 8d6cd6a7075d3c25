// The game's side of the online service: player files in remote storage,
// statistics answered inside the frame update, and the high score board.
#include "game/steam/SteamInterface.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "engine/core/Clock.h"
#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"
#include "game/steam/PlayerAchievements.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using Pemberquill::SteamInterface;

std::string ReadText(const std::string& path) {
  const testsupport::Bytes bytes = testsupport::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// Larger than any buffer a reader might start with.
std::string ProfileSizedBytes() {
  std::string bytes(48 * 1024, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131) ^ (i >> 8));
  return bytes;
}

class CountingListener : public platform::OnlineStatsListener {
 public:
  void OnStatsReceived(bool) override { ++received; }
  void OnStatsStored(bool) override {}
  void OnAchievementStored(const std::string&) override {}
  int received = 0;
};

class SteamInterfaceTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (steam.IsInitialized()) steam.Shutdown();
    playerStorageReadHook = nullptr;
    playerStorageWriteHook = nullptr;
    playerStorageRemoveHook = nullptr;
  }
  std::string StoredFile(const std::string& name) const {
    return userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/storage/" + name);
  }
  int32_t Read(const std::string& name, std::unique_ptr<unsigned char[]>& buffer) {
    return playerStorageReadHook(UlvoPath(PATH_MARKER_PLAYER_STORAGE, name), buffer);
  }

  testsupport::RecordingConsole console;
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", userData.Path().c_str()};
  Clock gameClock;
  SteamInterface steam;
};

// Whole files in and out, a missing file told from an unreadable one (the
// buffer left alone), and nothing once the service has stopped.
TEST_F(SteamInterfaceTest, PlayerStorageKeepsWholeFilesAndTellsMissingFromUnreadable) {
  steam.Startup(&gameClock);
  ASSERT_TRUE(ArePlayerStorageHooksInstalled());
  const std::string bytes = ProfileSizedBytes();
  const UlvoPath profile(PATH_MARKER_PLAYER_STORAGE, "Profiles/steamuser.playerProfile");
  // The byte count, as for a local file: a save is never taken for a failure.
  EXPECT_EQ(WriteWholeFile(reinterpret_cast<const unsigned char*>(bytes.data()), profile, static_cast<int32_t>(bytes.size())),
            static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(ReadText(StoredFile("Profiles_steamuser.playerProfile")), bytes);
  std::unique_ptr<unsigned char[]> buffer;
  ASSERT_EQ(ReadWholeFile(profile, buffer), static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.get()), bytes.size()), bytes);

  // A link to itself cannot be read even by root, which no file mode stops.
  ASSERT_EQ(symlink("loop", StoredFile("loop").c_str()), 0);
  unsigned char* const before = buffer.get();
  EXPECT_EQ(Read("absent", buffer), WHOLE_FILE_MISSING);
  EXPECT_EQ(Read("loop", buffer), WHOLE_FILE_UNREADABLE);
  EXPECT_EQ(buffer.get(), before);

  // Once the service stops, the hooks stay and answer as unavailable.
  steam.Shutdown();
  ASSERT_TRUE(ArePlayerStorageHooksInstalled());
  EXPECT_EQ(ReadWholeFile(profile, buffer), -1);
  EXPECT_EQ(playerStorageWriteHook(profile, buffer.get(), 1), 0);
  EXPECT_EQ(ReadText(StoredFile("Profiles_steamuser.playerProfile")), bytes);
}

TEST_F(SteamInterfaceTest, StatisticsAreRequestedOnceAndAnsweredOnlyInsideALaterUpdate) {
  steam.Startup(&gameClock);
  CountingListener listener;
  steam.GetOnlineService().AddStatsListener(&listener);
  const int expected[] = {0, 1, 1};
  for (int frame : expected) {
    steam.Update();
    EXPECT_EQ(listener.received, frame);
  }
  steam.GetOnlineService().RemoveStatsListener(&listener);
}

TEST_F(SteamInterfaceTest, WithoutTheServicePlayerStorageStaysLocal) {
  ASSERT_TRUE(platform::WriteFileAtomically(userData.File("not-a-folder"), "x", 1));
  platform_test::ScopedEnvironment brokenUserData("XDG_DATA_HOME", userData.File("not-a-folder").c_str());
  SteamInterface offline;
  offline.Startup(&gameClock);
  EXPECT_FALSE(ArePlayerStorageHooksInstalled());
  EXPECT_EQ(offline.GetUserName(), SteamInterface::INITIAL_USER_NAME);
  offline.Update();
  offline.Shutdown();
  EXPECT_NE(console.Text().find("Steam is not available"), std::string::npos);
}

TEST_F(SteamInterfaceTest, PlayerFilesOfAnOfflineRunMoveIntoRemoteStorageOnce) {
  file_test::FakeApplication application(userData.File("Pemberquill/"));
  ASSERT_TRUE(platform::CreateFolderRecursive(userData.File("Pemberquill")));
  const auto local = [this](const std::string& name) { return userData.File("Pemberquill/" + name); };
  const std::string profile = ProfileSizedBytes();
  const std::pair<std::string, std::string> files[] = {{"steamuser.playerProfile", profile},
                                                       {"steamuser.pqoptions", "options"},
                                                       {"steamuser.pqoptions.malformed2", "kept"}};
  for (const auto& [name, text] : files) ASSERT_TRUE(platform::WriteFileAtomically(local(name), text.data(), text.size()));
  ASSERT_TRUE(platform::WriteFileAtomically(local("application.log"), "log", 3));

  steam.Startup(&gameClock);
  for (const auto& [name, text] : files) {
    EXPECT_EQ(ReadText(StoredFile(name)), text) << name;
    EXPECT_FALSE(platform::IsRegularFile(local(name))) << name;
  }
  EXPECT_EQ(ReadText(local("application.log")), "log");
  EXPECT_FALSE(platform::IsRegularFile(StoredFile("application.log")));

  // A later offline save does not replace what remote storage holds, and
  // is kept aside once rather than lost.
  steam.Shutdown();
  ASSERT_TRUE(platform::WriteFileAtomically(local("steamuser.pqoptions"), "offline", 7));
  for (int run = 0; run < 2; ++run) {
    steam.Startup(&gameClock);
    steam.Shutdown();
  }
  EXPECT_EQ(ReadText(StoredFile("steamuser.pqoptions")), "options");
  EXPECT_EQ(ReadText(local("steamuser.pqoptions.superseded")), "offline");
  EXPECT_FALSE(platform::IsRegularFile(StoredFile("steamuser.pqoptions.superseded")));
}

TEST_F(SteamInterfaceTest, TheHighScoreBoardKeepsTheHighestScore) {
  steam.Startup(&gameClock);
  Pemberquill::PlayerAchievements record;
  record.highScore = 900;
  // Not found yet: nothing goes out.
  steam.GetLeaderboards().UploadScore(record);
  steam.Update();
  ASSERT_NE(steam.GetLeaderboards().GetLeaderboard(), 0u);
  const std::string board = userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/leaderboards.txt");
  EXPECT_FALSE(platform::IsRegularFile(board));
  const std::pair<int32_t, int32_t> uploadedAndKept[] = {{500, 500}, {300, 500}, {500, 500}, {700, 700}, {-5, 700}};
  for (const auto& [uploaded, kept] : uploadedAndKept) {
    record.highScore = uploaded;
    steam.GetLeaderboards().UploadScore(record);
    steam.Update();
    EXPECT_EQ(ReadText(board), "score\t" + std::to_string(kept) + "\tHigh Score\n") << uploaded;
  }
}

}  // namespace
