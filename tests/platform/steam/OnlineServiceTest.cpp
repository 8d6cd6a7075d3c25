#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/steam/OnlineService.h"
#include "platform/steam/UserStatsStore.h"
#include "platform/system/FileSystem.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using platform::OnlineService;

class RecordingListener : public platform::OnlineStatsListener {
 public:
  void OnStatsReceived(bool succeeded) override {
    heard.push_back(succeeded ? "received" : "not received");
  }
  void OnStatsStored(bool succeeded) override {
    heard.push_back(succeeded ? "stored" : "not stored");
  }
  void OnAchievementStored(const std::string& name) override {
    heard.push_back("unlocked " + name);
  }

  std::vector<std::string> heard;
};

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class OnlineServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(service.Initialise());
    service.AddStatsListener(&listener);
  }

  // Requests and receives the statistics, as the game does once logged on.
  void ReceiveStats(OnlineService& target) {
    ASSERT_TRUE(target.RequestCurrentStats());
    target.RunCallbacks();
  }

  std::string StatsFile() const { return userData.File("online/stats.txt"); }

  // The service stopped, then started again on a statistics file of text.
  std::unique_ptr<OnlineService> RestartOn(const std::string& text) {
    service.Shutdown();
    EXPECT_TRUE(platform::WriteFileAtomically(StatsFile(), text.data(), text.size()));
    auto again = std::make_unique<OnlineService>("online");
    EXPECT_TRUE(again->Initialise());
    return again;
  }

  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", userData.Path().c_str()};
  OnlineService service{"online"};
  RecordingListener listener;
};

TEST_F(OnlineServiceTest, UserNameComesFromTheEnvironment) {
  {
    platform_test::ScopedEnvironment user("USER", "ada");
    EXPECT_EQ(OnlineService::GetUserName(), "ada");
  }
  platform_test::ScopedEnvironment user("USER", "");
  EXPECT_EQ(OnlineService::GetUserName(), "Player");
}

TEST_F(OnlineServiceTest, StatisticsArriveOnlyInsideTheCallbackRun) {
  ASSERT_TRUE(service.RequestCurrentStats());
  EXPECT_TRUE(listener.heard.empty());
  int32_t value = 0;
  EXPECT_FALSE(service.SetStat("SOLVED", 1));
  EXPECT_FALSE(service.StoreStats());

  service.RunCallbacks();
  EXPECT_EQ(listener.heard, std::vector<std::string>{"received"});
  EXPECT_TRUE(service.SetStat("SOLVED", 4));
  EXPECT_TRUE(service.GetStat("SOLVED", value));
  EXPECT_EQ(value, 4);
}

TEST_F(OnlineServiceTest, StoredValuesSurviveARestartAndUnstoredOnesDoNot) {
  ReceiveStats(service);
  ASSERT_TRUE(service.SetStat("SOLVED", 12));
  ASSERT_TRUE(service.SetStat("TIME", 2.5f));
  ASSERT_TRUE(service.UpdateAverageRateStat("RATE", 3.0f, 1.5));
  ASSERT_TRUE(service.SetAchievement("FIRST"));
  ASSERT_TRUE(service.StoreStats());
  ASSERT_TRUE(service.SetStat("SOLVED", 99));
  service.Shutdown();

  OnlineService again("online");
  ASSERT_TRUE(again.Initialise());
  ReceiveStats(again);
  int32_t solved = 0;
  float time = 0.0f;
  float rate = 0.0f;
  bool achieved = false;
  EXPECT_TRUE(again.GetStat("SOLVED", solved));
  EXPECT_EQ(solved, 12);
  EXPECT_TRUE(again.GetStat("TIME", time));
  EXPECT_EQ(time, 2.5f);
  EXPECT_TRUE(again.GetStat("RATE", rate));
  EXPECT_EQ(rate, 2.0f);
  EXPECT_TRUE(again.GetAchievement("FIRST", achieved));
  EXPECT_TRUE(achieved);
  EXPECT_TRUE(again.GetAchievement("OTHER", achieved));
  EXPECT_FALSE(achieved);
}

TEST_F(OnlineServiceTest, StatisticsKeepTheirKindAndNamesWithSpacesRoundTrip) {
  ReceiveStats(service);
  ASSERT_TRUE(service.SetStat("SOLVED_IN_Sunken Reef", 3));
  EXPECT_FALSE(service.SetStat("SOLVED_IN_Sunken Reef", 1.0f));
  EXPECT_FALSE(service.SetStat("bad\tname", 1));
  EXPECT_FALSE(service.UpdateAverageRateStat("RATE", 1.0f, 0.0));
  float asFloat = 0.0f;
  EXPECT_FALSE(service.GetStat("SOLVED_IN_Sunken Reef", asFloat));
  ASSERT_TRUE(service.StoreStats());
  service.Shutdown();

  OnlineService again("online");
  ASSERT_TRUE(again.Initialise());
  ReceiveStats(again);
  int32_t value = 0;
  EXPECT_TRUE(again.GetStat("SOLVED_IN_Sunken Reef", value));
  EXPECT_EQ(value, 3);
}

TEST_F(OnlineServiceTest, AStoreReportsEachNewUnlockOnce) {
  ReceiveStats(service);
  listener.heard.clear();
  ASSERT_TRUE(service.SetAchievement("A"));
  ASSERT_TRUE(service.SetAchievement("B"));
  ASSERT_TRUE(service.ClearAchievement("B"));
  ASSERT_TRUE(service.StoreStats());
  EXPECT_TRUE(listener.heard.empty());
  service.RunCallbacks();
  EXPECT_EQ(listener.heard, (std::vector<std::string>{"stored", "unlocked A"}));

  listener.heard.clear();
  ASSERT_TRUE(service.SetAchievement("A"));
  ASSERT_TRUE(service.StoreStats());
  service.RunCallbacks();
  EXPECT_EQ(listener.heard, std::vector<std::string>{"stored"});
}

TEST_F(OnlineServiceTest, EveryDamagedFileIsKeptUnderANameOfItsOwnAndNeverStoredOver) {
  const std::vector<std::string> damaged = {"int\tone\tA\n", "int\ttwo\tB\n", "int\tthree\tC\n"};
  for (const std::string& text : damaged) {
    const auto again = RestartOn(text);
    EXPECT_NE(again->GetLoadProblems().find("malformed at line 1"), std::string::npos);
    ReceiveStats(*again);
    int32_t value = 0;
    EXPECT_FALSE(again->GetStat("A", value));
    ASSERT_TRUE(again->SetStat("A", 1));
    ASSERT_TRUE(again->StoreStats());
  }
  EXPECT_EQ(ReadText(StatsFile() + ".bad"), damaged[0]);
  EXPECT_EQ(ReadText(StatsFile() + ".bad2"), damaged[1]);
  EXPECT_EQ(ReadText(StatsFile() + ".bad3"), damaged[2]);
}

TEST_F(OnlineServiceTest, AnUnreadableStatisticsFileIsNeverStoredOver) {
  service.Shutdown();
  // A link to itself cannot be read even by root, which no file mode stops.
  const std::string statsFile = StatsFile();
  ASSERT_EQ(symlink("stats.txt", statsFile.c_str()), 0);

  OnlineService again("online");
  ASSERT_TRUE(again.Initialise());
  EXPECT_NE(again.GetLoadProblems().find("Too many levels of symbolic links"), std::string::npos);
  again.AddStatsListener(&listener);
  ReceiveStats(again);
  ASSERT_TRUE(again.SetStat("SOLVED", 1));
  ASSERT_TRUE(again.StoreStats());
  again.RunCallbacks();
  EXPECT_EQ(listener.heard.back(), "not stored");
  EXPECT_TRUE(std::filesystem::is_symlink(statsFile));
}

TEST_F(OnlineServiceTest, LeaderboardKeepsTheBestScoreInItsOwnOrder) {
  OnlineService::LeaderboardHandle high = 0;
  OnlineService::LeaderboardHandle fastest = 0;
  EXPECT_NE(service.FindOrCreateLeaderboard("High Score", false,
                                            [&](auto handle, bool found) {
                                              EXPECT_TRUE(found);
                                              high = handle;
                                            }),
            0u);
  service.FindOrCreateLeaderboard("Fastest", true, [&](auto handle, bool) { fastest = handle; });
  EXPECT_EQ(high, 0u);
  service.RunCallbacks();
  ASSERT_NE(high, 0u);
  ASSERT_NE(fastest, high);
  EXPECT_EQ(service.GetLeaderboardName(high), "High Score");
  EXPECT_EQ(service.GetLeaderboardName(999), "");

  std::vector<int32_t> kept;
  auto record = [&](bool succeeded, int32_t score) {
    EXPECT_TRUE(succeeded);
    kept.push_back(score);
  };
  service.UploadBestScore(high, 500, record);
  service.UploadBestScore(high, 300, record);
  service.UploadBestScore(high, 800, record);
  service.UploadBestScore(fastest, 500, record);
  service.UploadBestScore(fastest, 300, record);
  EXPECT_EQ(service.UploadBestScore(999, 1, record), 0u);
  service.RunCallbacks();
  EXPECT_EQ(kept, (std::vector<int32_t>{500, 500, 800, 500, 300}));
  service.Shutdown();

  OnlineService again("online");
  ASSERT_TRUE(again.Initialise());
  OnlineService::LeaderboardHandle board = 0;
  again.FindOrCreateLeaderboard("High Score", false, [&](auto handle, bool) { board = handle; });
  again.RunCallbacks();
  kept.clear();
  again.UploadBestScore(board, 700, record);
  again.RunCallbacks();
  EXPECT_EQ(kept, std::vector<int32_t>{800});
}

// Only a strictly better score is a new best: a tie leaves the board as it
// was (and the file unwritten), in either order of ranking.
TEST(UserStatsStoreTest, OnlyAStrictlyBetterScoreIsANewBest) {
  const struct {
    bool lowerIsBetter;
    int32_t next;
    bool newBest;
    int32_t kept;
  } cases[] = {{false, 501, true, 501}, {false, 500, false, 500}, {false, 499, false, 500},
               {true, 499, true, 499},  {true, 500, false, 500},  {true, 501, false, 500}};
  for (const auto& c : cases) {
    platform::UserStatsStore store("unused");
    ASSERT_TRUE(store.SubmitBestScore("Board", 500, c.lowerIsBetter));
    EXPECT_EQ(store.SubmitBestScore("Board", c.next, c.lowerIsBetter), c.newBest) << c.next;
    int32_t kept = 0;
    ASSERT_TRUE(store.GetScore("Board", kept));
    EXPECT_EQ(kept, c.kept) << c.next;
  }
}

TEST_F(OnlineServiceTest, AfterShutdownEverythingIsRefusedAndPendingAnswersAreDropped) {
  ASSERT_TRUE(service.RequestCurrentStats());
  service.Shutdown();
  service.RunCallbacks();
  EXPECT_TRUE(listener.heard.empty());
  EXPECT_FALSE(service.IsLoggedOn());
  EXPECT_EQ(service.GetRemoteStorage(), nullptr);
  EXPECT_FALSE(service.RequestCurrentStats());
  EXPECT_EQ(service.FindOrCreateLeaderboard("High Score", false, [](auto, bool) {}), 0u);
}

TEST(OnlineServiceWithoutUserData, DoesNotRun) {
  testsupport::TemporaryFolder folder;
  ASSERT_TRUE(platform::WriteFileAtomically(folder.File("not-a-folder"), "x", 1));
  platform_test::ScopedEnvironment xdg("XDG_DATA_HOME", folder.File("not-a-folder").c_str());
  OnlineService service("online");
  EXPECT_FALSE(service.Initialise());
  EXPECT_FALSE(service.IsLoggedOn());
  EXPECT_EQ(service.GetRemoteStorage(), nullptr);
}

}  // namespace
