// The local stand-in for the online service: its callback queue, remote
// storage, statistics and achievements delivered inside the callback run and
// kept across runs, damaged files kept aside, and leaderboards that keep the
// best score.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/steam/CallbackQueue.h"
#include "platform/steam/OnlineService.h"
#include "platform/steam/RemoteStorage.h"
#include "platform/steam/UserStatsStore.h"
#include "platform/system/FileSystem.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using platform::OnlineService;

class RecordingListener : public platform::OnlineStatsListener {
 public:
  void OnStatsReceived(bool succeeded) override { heard.push_back(succeeded ? "received" : "not received"); }
  void OnStatsStored(bool succeeded) override { heard.push_back(succeeded ? "stored" : "not stored"); }
  void OnAchievementStored(const std::string& name) override { heard.push_back("unlocked " + name); }
  std::vector<std::string> heard;
};

class OnlineServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(service->Initialise());
    service->AddStatsListener(&listener);
  }
  void TearDown() override { service->RemoveStatsListener(&listener); }

  // Requests and receives the statistics, as the game does once logged on.
  void ReceiveStats() {
    ASSERT_TRUE(service->RequestCurrentStats());
    service->RunCallbacks();
  }
  // The service stopped and started again, on a statistics file of this text
  // when one is given.
  void Restart(const char* statsText = nullptr) {
    service->RemoveStatsListener(&listener);
    service->Shutdown();
    if (statsText != nullptr) {
      ASSERT_TRUE(platform::WriteFileAtomically(StatsFile(), statsText, strlen(statsText)));
    }
    service = std::make_unique<OnlineService>("online");
    ASSERT_TRUE(service->Initialise());
    service->AddStatsListener(&listener);
  }
  std::string StatsFile() const { return userData.File("online/stats.txt"); }
  std::string Read(const std::string& path) const {
    const testsupport::Bytes bytes = testsupport::ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
  }

  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", userData.Path().c_str()};
  std::unique_ptr<OnlineService> service = std::make_unique<OnlineService>("online");
  RecordingListener listener;
};

TEST_F(OnlineServiceTest, UserNameComesFromTheEnvironment) {
  for (const auto& [user, name] : {std::pair{"ada", "ada"}, {"", "Player"}}) {
    platform_test::ScopedEnvironment environment("USER", user);
    EXPECT_EQ(OnlineService::GetUserName(), name);
  }
}

// Nothing is set before the statistics arrive, inside the callback run; each
// value keeps its kind; names may hold spaces but no tabs.
TEST_F(OnlineServiceTest, StoredValuesSurviveARestartAndUnstoredOnesDoNot) {
  ASSERT_TRUE(service->RequestCurrentStats());
  EXPECT_FALSE(service->SetStat("SOLVED", 1) || service->StoreStats());
  EXPECT_TRUE(listener.heard.empty());
  service->RunCallbacks();
  EXPECT_EQ(listener.heard, std::vector<std::string>{"received"});
  ASSERT_TRUE(service->SetStat("SOLVED_IN_Sunken Reef", 12) && service->SetStat("TIME", 2.5f) &&
              service->UpdateAverageRateStat("RATE", 3.0f, 1.5) && service->SetAchievement("FIRST"));
  EXPECT_FALSE(service->SetStat("SOLVED_IN_Sunken Reef", 1.0f) || service->SetStat("bad\tname", 1) ||
               service->UpdateAverageRateStat("RATE", 1.0f, 0.0));
  ASSERT_TRUE(service->StoreStats());
  ASSERT_TRUE(service->SetStat("SOLVED_IN_Sunken Reef", 99));
  Restart();
  ReceiveStats();
  int32_t solved = 0;
  float time = 0.0f, rate = 0.0f;
  bool first = false, other = true;
  EXPECT_TRUE(service->GetStat("SOLVED_IN_Sunken Reef", solved) && service->GetStat("TIME", time) &&
              service->GetStat("RATE", rate) && service->GetAchievement("FIRST", first) &&
              service->GetAchievement("OTHER", other));
  EXPECT_EQ(std::make_tuple(solved, time, rate, first, other), std::make_tuple(12, 2.5f, 2.0f, true, false));
  EXPECT_FALSE(service->GetStat("SOLVED_IN_Sunken Reef", time));
}

TEST_F(OnlineServiceTest, AStoreReportsEachNewUnlockOnce) {
  ReceiveStats();
  const std::vector<std::string> expected[] = {{"received", "stored", "unlocked A"}, {"received", "stored", "unlocked A", "stored"}};
  for (const auto& heard : expected) {
    ASSERT_TRUE(service->SetAchievement("A") && service->SetAchievement("B") && service->ClearAchievement("B") &&
                service->StoreStats());
    service->RunCallbacks();
    EXPECT_EQ(listener.heard, heard);
  }
}

// A damaged file is kept under a name of its own; an unreadable one (a link
// to itself, which even root cannot read) is left as it is and never stored over.
TEST_F(OnlineServiceTest, AFileThatDoesNotLoadIsNeverStoredOver) {
  const char* damaged[] = {"int\tone\tA\n", "int\ttwo\tB\n", "int\tthree\tC\n", nullptr};
  for (const char* text : damaged) {
    if (text == nullptr) {
      ASSERT_TRUE(std::filesystem::remove(StatsFile()));
      ASSERT_EQ(symlink("stats.txt", StatsFile().c_str()), 0);
    }
    Restart(text);
    const std::vector<std::string> problems = service->GetLoadProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(text ? "malformed at line 1" : "Too many levels of symbolic links"), std::string::npos);
    ReceiveStats();
    ASSERT_TRUE(service->SetStat("A", 1));
    ASSERT_TRUE(service->StoreStats());
  }
  service->RunCallbacks();
  EXPECT_EQ(listener.heard.back(), "not stored");
  EXPECT_TRUE(std::filesystem::is_symlink(StatsFile()));
  EXPECT_EQ(Read(StatsFile() + ".bad"), damaged[0]);
  EXPECT_EQ(Read(StatsFile() + ".bad2"), damaged[1]);
  EXPECT_EQ(Read(StatsFile() + ".bad3"), damaged[2]);
}

// Found inside the run, kept across runs; keeping the best is the store's
// test below.
TEST_F(OnlineServiceTest, LeaderboardKeepsTheBestScoreAcrossRuns) {
  OnlineService::LeaderboardHandle high = 0;
  EXPECT_NE(service->FindOrCreateLeaderboard("High Score", false, [&](auto handle, bool) { high = handle; }), 0u);
  EXPECT_EQ(high, 0u);
  service->RunCallbacks();
  ASSERT_NE(high, 0u);
  EXPECT_EQ(service->GetLeaderboardName(high), "High Score");
  EXPECT_EQ(service->GetLeaderboardName(0), "");
  EXPECT_EQ(service->GetLeaderboardName(high + 1), "");
  std::vector<int32_t> kept;
  const auto record = [&](bool, int32_t score) { kept.push_back(score); };
  service->UploadBestScore(high, 800, record);
  EXPECT_EQ(service->UploadBestScore(999, 1, record), 0u);
  EXPECT_TRUE(kept.empty());
  service->RunCallbacks();
  EXPECT_EQ(kept, std::vector<int32_t>{800});

  Restart();
  service->FindOrCreateLeaderboard("High Score", false, [&](auto handle, bool) { high = handle; });
  service->RunCallbacks();
  service->UploadBestScore(high, 700, record);
  service->RunCallbacks();
  EXPECT_EQ(kept.back(), 800);
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

// A board's name follows the rules of a stat's: none empty, no control
// characters (the file is one line a record, split at tabs).
TEST(UserStatsStoreTest, ABoardWithoutAUsableNameTakesNoScore) {
  platform::UserStatsStore store("unused");
  for (const char* name : {"", "Bo\tard", "Bo\nard"}) {
    EXPECT_FALSE(store.SubmitBestScore(name, 500, false)) << name;
    int32_t kept = 0;
    EXPECT_FALSE(store.GetScore(name, kept)) << name;
  }
}

TEST_F(OnlineServiceTest, StoppedEverythingIsRefused) {
  ASSERT_TRUE(service->RequestCurrentStats());
  service->Shutdown();
  service->RunCallbacks();
  EXPECT_TRUE(listener.heard.empty());
  EXPECT_FALSE(service->RequestCurrentStats());
  EXPECT_EQ(service->FindOrCreateLeaderboard("High Score", false, [](auto, bool) {}), 0u);
  EXPECT_FALSE(service->IsLoggedOn());
  EXPECT_EQ(service->GetRemoteStorage(), nullptr);
}

// Calls run only inside a run, in posting order, once; what a call posts
// waits for the next run; a cancelled call never runs, even when it is
// cancelled from inside the run, and nothing posted takes its place.
TEST(CallbackQueue, RunsEachCallOnceInOrderOnlyInsideARun) {
  platform::CallbackQueue queue;
  std::string ran;
  platform::CallbackQueue::CallId fourth = 0;
  const auto first = queue.Post([&] { ran += "a"; });
  queue.Post([&] {
    ran += "b";
    queue.Cancel(fourth);
    queue.Post([&] { ran += "e"; });
  });
  queue.Post([&] { ran += "c"; });
  fourth = queue.Post([&] { ran += "d"; });
  queue.Cancel(first);
  queue.Cancel(12345);
  EXPECT_EQ(ran, "");
  const char* afterRun[] = {"bc", "bce", "bce"};
  for (const char* expected : afterRun) {
    queue.RunPending();
    EXPECT_EQ(ran, expected);
  }
  EXPECT_EQ(queue.PendingCount(), 0u);
}

TEST_F(OnlineServiceTest, RemoteStorageWriteReplacesTheWholeFileAndNamesStayInside) {
  platform::RemoteStorage storage(userData.File("storage"));
  // Whole files through the game's hooks are the game's test; here a smaller
  // buffer takes only what fits, and a shorter write leaves nothing of the longer file.
  ASSERT_TRUE(storage.Write("profile", "longer", 6));
  char read[4] = {};
  EXPECT_EQ(storage.Read("profile", read, 4), 4);
  EXPECT_EQ(std::string(read, 4), "long");
  ASSERT_TRUE(storage.Write("profile", "new", 3));
  EXPECT_EQ(storage.GetFileSize("profile"), 3);
  ASSERT_TRUE(storage.Write("empty", nullptr, 0));
  EXPECT_TRUE(storage.FileExists("empty"));
  EXPECT_EQ(storage.GetFileSize("empty"), 0);
  EXPECT_FALSE(storage.FileExists("absent"));

  // Names that could leave the folder, and sizes that lie, are refused.
  for (const char* name : {"", ".", "..", "../escape", "sub/file", "a\nb"}) {
    EXPECT_FALSE(storage.Write(name, "x", 1)) << name;
  }
  EXPECT_TRUE(platform::RemoteStorage::IsValidName("back\\slash"));
  EXPECT_FALSE(storage.Write("bad size", "x", -1));
  EXPECT_FALSE(storage.Write("null data", nullptr, 3));
}

}  // namespace
