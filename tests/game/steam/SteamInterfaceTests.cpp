#include "game/steam/SteamInterface.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"
#include "game/steam/PlayerAchievements.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using Pemberquill::SteamInterface;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<unsigned char> ProfileSizedBytes() {
  std::vector<unsigned char> bytes(48 * 1024);
  for (size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<unsigned char>((i * 131) ^ (i >> 8));
  }
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
    if (steam.IsInitialized()) {
      steam.Shutdown();
    }
    playerStorageReadHook = nullptr;
    playerStorageWriteHook = nullptr;
    playerStorageRemoveHook = nullptr;
  }

  std::string StoredFile(const std::string& name) const {
    return userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/storage/" + name);
  }

  testsupport::RecordingConsole console;
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", userData.Path().c_str()};
  platform_test::ScopedEnvironment user{"USER", "ada"};
  Clock gameClock;
  SteamInterface steam;
};

TEST_F(SteamInterfaceTest, ProfileWrittenToPlayerStorageLandsInRemoteStorageAndReadsBack) {
  steam.Startup(&gameClock);
  ASSERT_TRUE(ArePlayerStorageHooksInstalled());
  const std::vector<unsigned char> bytes = ProfileSizedBytes();
  const UlvoPath profile(PATH_MARKER_PLAYER_STORAGE, "Profiles/steamuser.playerProfile");

  // The byte count, as for a local file: a save is never taken for a failure.
  EXPECT_EQ(WriteWholeFile(bytes.data(), profile, static_cast<int32_t>(bytes.size())),
            static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(ReadText(StoredFile("Profiles_steamuser.playerProfile")),
            std::string(bytes.begin(), bytes.end()));

  std::unique_ptr<unsigned char[]> buffer;
  ASSERT_EQ(ReadWholeFile(profile, buffer), static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(std::vector<unsigned char>(buffer.get(), buffer.get() + bytes.size()), bytes);
}

TEST_F(SteamInterfaceTest, AMissingRemoteFileIsToldFromAnUnreadableOneAndLeavesTheBufferAlone) {
  steam.Startup(&gameClock);
  const unsigned char bytes[] = {1};
  ASSERT_EQ(WriteWholeFile(bytes, UlvoPath(PATH_MARKER_PLAYER_STORAGE, "made"), 1), 1);
  // A link to itself cannot be read even by root, which no file mode stops.
  ASSERT_EQ(symlink("loop", StoredFile("loop").c_str()), 0);
  auto buffer = std::make_unique<unsigned char[]>(1);
  unsigned char* const before = buffer.get();
  EXPECT_EQ(playerStorageReadHook(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "absent"), buffer),
            WHOLE_FILE_MISSING);
  EXPECT_EQ(playerStorageReadHook(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "loop"), buffer),
            WHOLE_FILE_UNREADABLE);
  EXPECT_EQ(buffer.get(), before);
}

TEST_F(SteamInterfaceTest, StatisticsAreRequestedOnceAndAnsweredOnlyInsideALaterUpdate) {
  steam.Startup(&gameClock);
  CountingListener listener;
  steam.GetOnlineService().AddStatsListener(&listener);
  EXPECT_FALSE(steam.GetStatsAndAchievements().HasRequestedStats());
  steam.Update();
  EXPECT_TRUE(steam.GetStatsAndAchievements().HasRequestedStats());
  EXPECT_EQ(listener.received, 0);
  steam.Update();
  EXPECT_EQ(listener.received, 1);
  EXPECT_TRUE(steam.GetStatsAndAchievements().HasReceivedStats());
  steam.Update();
  EXPECT_EQ(listener.received, 1);
  steam.GetOnlineService().RemoveStatsListener(&listener);
}

TEST_F(SteamInterfaceTest, AfterShutdownTheHooksStayAndAnswerAsUnavailable) {
  steam.Startup(&gameClock);
  const UlvoPath profile(PATH_MARKER_PLAYER_STORAGE, "steamuser.playerProfile");
  const unsigned char bytes[] = {'s', 'a', 'v', 'e', 'd'};
  ASSERT_EQ(WriteWholeFile(bytes, profile, 5), 5);
  CountingListener listener;
  steam.GetOnlineService().AddStatsListener(&listener);
  ASSERT_TRUE(steam.GetOnlineService().RequestCurrentStats());
  steam.Shutdown();

  steam.Update();
  EXPECT_EQ(listener.received, 0);
  ASSERT_TRUE(ArePlayerStorageHooksInstalled());
  auto buffer = std::make_unique<unsigned char[]>(1);
  unsigned char* const before = buffer.get();
  EXPECT_EQ(playerStorageReadHook(profile, buffer), -1);
  EXPECT_EQ(buffer.get(), before);
  const unsigned char other[] = {'x'};
  EXPECT_EQ(playerStorageWriteHook(profile, other, 1), 0);
  // What was stored before stays as it was.
  EXPECT_EQ(ReadText(StoredFile("steamuser.playerProfile")), "saved");
  steam.GetOnlineService().RemoveStatsListener(&listener);
}

TEST_F(SteamInterfaceTest, WithoutTheServiceStartupLeavesPlayerStorageLocal) {
  ASSERT_TRUE(platform::WriteFileAtomically(userData.File("not-a-folder"), "x", 1));
  platform_test::ScopedEnvironment brokenUserData("XDG_DATA_HOME",
                                                  userData.File("not-a-folder").c_str());
  SteamInterface offline;
  EXPECT_FALSE(offline.IsSteamAvailable());
  offline.Startup(&gameClock);
  EXPECT_FALSE(ArePlayerStorageHooksInstalled());
  EXPECT_FALSE(offline.IsLoggedOn());
  EXPECT_EQ(offline.GetUserName(), SteamInterface::INITIAL_USER_NAME);
  offline.Update();
  offline.Shutdown();
  EXPECT_NE(console.Text().find("Steam is not available"), std::string::npos);
}

TEST_F(SteamInterfaceTest, PlayerFilesOfAnOfflineRunMoveIntoRemoteStorageOnce) {
  file_test::FakeApplication application(userData.File("Pemberquill/"));
  ASSERT_TRUE(platform::CreateFolderRecursive(userData.File("Pemberquill")));
  const auto local = [this](const std::string& name) { return userData.File("Pemberquill/" + name); };
  const std::vector<unsigned char> profile = ProfileSizedBytes();
  ASSERT_TRUE(platform::WriteFileAtomically(local("steamuser.playerProfile"), profile.data(),
                                            profile.size()));
  ASSERT_TRUE(platform::WriteFileAtomically(local("steamuser.pqoptions"), "options", 7));
  ASSERT_TRUE(platform::WriteFileAtomically(local("steamuser.pqoptions.malformed2"), "kept", 4));
  ASSERT_TRUE(platform::WriteFileAtomically(local("application.log"), "log", 3));

  steam.Startup(&gameClock);
  EXPECT_EQ(ReadText(StoredFile("steamuser.playerProfile")),
            std::string(profile.begin(), profile.end()));
  EXPECT_EQ(ReadText(StoredFile("steamuser.pqoptions")), "options");
  EXPECT_EQ(ReadText(StoredFile("steamuser.pqoptions.malformed2")), "kept");
  EXPECT_FALSE(platform::IsRegularFile(local("steamuser.playerProfile")));
  EXPECT_FALSE(platform::IsRegularFile(local("steamuser.pqoptions")));
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
  const std::string board = userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) +
                                          "/leaderboards.txt");
  EXPECT_FALSE(platform::IsRegularFile(board));

  const struct {
    int32_t uploaded;
    int32_t kept;
  } uploads[] = {{500, 500}, {300, 500}, {500, 500}, {700, 700}, {-5, 700}};
  for (const auto& upload : uploads) {
    record.highScore = upload.uploaded;
    steam.GetLeaderboards().UploadScore(record);
    steam.Update();
    EXPECT_EQ(ReadText(board), "score\t" + std::to_string(upload.kept) + "\tHigh Score\n")
        << upload.uploaded;
  }
}

}  // namespace
