#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/steam/AchievementSystem.h"
#include "game/steam/PlayerAchievements.h"
#include "game/steam/SteamInterface.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using namespace Pemberquill;

AchievementDefinition Achievement(const std::string& title, const std::string& stat,
                                  int threshold) {
  AchievementDefinition definition;
  definition.title = title;
  definition.line1 = title + " first line";
  definition.line2 = "second line";
  definition.imageName = title + ".png";
  definition.steamName = "ACH_" + title;
  definition.statName = stat;
  definition.threshold = threshold;
  return definition;
}

void WriteDataFile(const char* name, ResourceStreamFormat format, void (*write)(ResourceStream&)) {
  ResourceStream stream(format, 256);
  write(stream);
  ASSERT_TRUE(stream.SaveToFile(UlvoPath(PATH_MARKER_DATA, name)));
}

class Player : public AchievementPlayerContext {
 public:
  PlayerAchievements* GetCurrentRecord() override { return &record; }
  std::string GetActiveLocationName() const override { return location; }
  std::vector<std::string> GetRequiredLocationNames() const override { return {}; }

  PlayerAchievements record;
  std::string location;
};

// What the player is shown, one entry per call, in order.
class Screens : public AchievementScreens {
 public:
  void ShowAchievementDialog(const std::vector<AchievementDefinition>& earned,
                             const std::string&) override {
    std::string text = "achievements:";
    for (const AchievementDefinition& definition : earned) {
      text += " " + definition.title;
    }
    shown.push_back(text);
  }
  void ShowInformationDialog(const std::vector<TextLines>& lines, const std::string&,
                             const std::string&) override {
    std::string text = "dialog:";
    for (const TextLines& line : lines) {
      if (line.defaultFontSize == 24.0f && line.color == Rgba(255, 255, 0, 255)) {
        text += " " + line.runs.front().text;
      }
    }
    shown.push_back(text);
  }
  void CloseDialogs() override { shown.push_back("close"); }
  void ShowAchievementsWindow(const PlayerAchievements&,
                              const std::vector<AchievementDefinition>&) override {}
  void CloseAchievementsWindow() override {}

  std::vector<std::string> shown;
};

// The campaign events that move play on, in the order they were fired.
class CampaignEvents : public EventRecipient {
 public:
  explicit CampaignEvents(UlvoEventSystem& events) {
    RegisterEventHandler("PlayNextCampaignPuzzleEvent", &events, &CampaignEvents::PlayNext, this);
    RegisterEventHandler("QuitCampaignPuzzleEvent", &events, &CampaignEvents::QuitPuzzle, this);
    RegisterEventHandler("QuitCampaignNodeEvent", &events, &CampaignEvents::QuitLocation, this);
    RegisterEventHandler("QuitCampaignRegionEvent", &events, &CampaignEvents::QuitRegion, this);
  }
  void PlayNext(NamedProperties&) { fired.push_back("PlayNext"); }
  void QuitPuzzle(NamedProperties&) { fired.push_back("QuitPuzzle"); }
  void QuitLocation(NamedProperties&) { fired.push_back("QuitLocation"); }
  void QuitRegion(NamedProperties&) { fired.push_back("QuitRegion"); }

  std::vector<std::string> fired;
};

class AchievementSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    system.SetPlayerContext(&player);
    system.SetScreens(&screens);
  }
  void TearDown() override {
    if (system.IsInitialized()) {
      system.Shutdown();
    }
  }

  void StartWith(const std::vector<AchievementDefinition>& achievements) {
    definitions = achievements;
    WriteDataFile(AchievementSystem::ACHIEVEMENTS_FILE, RESOURCE_STREAM_FORMAT_BINARY,
                  [](ResourceStream& stream) { WriteAchievementDefinitions(stream, definitions); });
    system.Startup(&clock);
  }

  // A solved puzzle at the given location that earns nothing by itself.
  static CampaignAccomplishments Solved(const std::string& location = "Reef",
                                        uint32_t moreFlags = 0) {
    CampaignAccomplishments result;
    result.flags = ACCOMPLISHED_PUZZLE_SOLVED | moreFlags;
    result.locationName = location;
    result.regionName = "Ocean";
    result.rankName = "Navigator";
    result.unlockedLocationName = "Lagoon";
    result.unlockedRegionName = "Canyon";
    return result;
  }

  void Fire(const char* eventName) { events.FireEvent(eventName); }

  static inline std::vector<AchievementDefinition> definitions;
  testsupport::RecordingConsole console;
  testsupport::ScopedDataFolder data;
  UlvoEventSystem events;
  CampaignEvents campaign{events};
  Clock clock;
  SteamInterface offline{"unused-online"};
  AchievementSystem system{offline};
  Player player;
  Screens screens;
};

TEST_F(AchievementSystemTest, DefinitionsReadBackInBothEncodings) {
  for (const ResourceStreamFormat format :
       {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT}) {
    SCOPED_TRACE(format);
    definitions = {Achievement("First", "NUMBER_OF_PUZZLES_SOLVED", 1),
                   Achievement("Two words", "NUMBER_OF_HARD_PUZZLES", -3)};
    WriteDataFile(AchievementSystem::ACHIEVEMENTS_FILE, format,
                  [](ResourceStream& stream) { WriteAchievementDefinitions(stream, definitions); });
    WriteDataFile(AchievementSystem::STATS_FILE, format, [](ResourceStream& stream) {
      StatDefinition rate;
      rate.text = "Rate";
      rate.steamName = "RATE";
      rate.type = STAT_TYPE_AVERAGE_RATE;
      rate.countName = "FLOAT_CONSTANT_1";
      rate.lengthName = "PUZZLE_SOLVING_TIME";
      StatDefinition perLocation;
      perLocation.steamName = "NUMBER_OF_PUZZLES_SOLVED_IN";
      perLocation.isPerLocation = true;
      WriteStatDefinitions(stream, {rate, perLocation});
    });
    system.Startup(&clock);

    ASSERT_EQ(system.GetDefinitions().size(), 2u);
    const AchievementDefinition& second = system.GetDefinitions()[1];
    EXPECT_EQ(second.title, "Two words");
    EXPECT_EQ(second.line1, "Two words first line");
    EXPECT_EQ(second.line2, "second line");
    EXPECT_EQ(second.imageName, "Two words.png");
    EXPECT_EQ(second.steamName, "ACH_Two words");
    EXPECT_EQ(second.statName, "NUMBER_OF_HARD_PUZZLES");
    EXPECT_EQ(second.threshold, -3);
    EXPECT_EQ(second.bitIndex, 1);
    ASSERT_EQ(system.GetStatistics().size(), 2u);
    const StatDefinition& rate = system.GetStatistics()[0];
    EXPECT_EQ(rate.type, STAT_TYPE_AVERAGE_RATE);
    EXPECT_EQ(rate.countName, "FLOAT_CONSTANT_1");
    EXPECT_EQ(rate.lengthName, "PUZZLE_SOLVING_TIME");
    EXPECT_TRUE(system.GetStatistics()[1].isPerLocation);
    system.Shutdown();
  }
}

TEST_F(AchievementSystemTest, ABadDefinitionFileIsAnErrorAndTheGameGoesOnWithoutIt) {
  data.Write(AchievementSystem::ACHIEVEMENTS_FILE, "3\n{\n1\n\"cut short");
  system.Startup(&clock);
  EXPECT_TRUE(system.IsInitialized());
  EXPECT_TRUE(system.GetDefinitions().empty());
  EXPECT_TRUE(system.GetStatistics().empty());
  EXPECT_NE(console.Text().find("ERROR: The definition file \"Achievements.pqdf\" is malformed"),
            std::string::npos);
  EXPECT_NE(console.Text().find("ERROR: The definition file \"Stats.pqdf\" is missing"),
            std::string::npos);
  // With nothing defined a result still moves play on.
  system.OnCampaignPuzzleFinished(Solved());
  EXPECT_EQ(campaign.fired, std::vector<std::string>{"PlayNext"});
}

TEST_F(AchievementSystemTest, OnlyTheFirst32AchievementsAreKept) {
  std::vector<AchievementDefinition> many;
  for (int i = 0; i < 40; ++i) {
    many.push_back(Achievement("A" + std::to_string(i), "NUMBER_OF_PUZZLES_SOLVED", 1));
  }
  StartWith(many);
  EXPECT_EQ(system.GetDefinitions().size(), 32u);
  EXPECT_NE(console.Text().find("only the first 32 are used"), std::string::npos);
  system.OnCampaignPuzzleFinished(Solved());
  EXPECT_EQ(player.record.achievementBits, 0xFFFFFFFFu);
}

TEST_F(AchievementSystemTest, EachAchievementIsEarnedOnceAtTheFirstResultPastItsThreshold) {
  StartWith({Achievement("Zero", "NO_SUCH_STATISTIC", 0),
             Achievement("Ten", "NUMBER_OF_PUZZLES_SOLVED", 10),
             Achievement("TwentyFive", "NUMBER_OF_PUZZLES_SOLVED", 25),
             Achievement("Unknown", "NO_SUCH_STATISTIC", 1)});
  std::vector<std::string> expected;
  for (int result = 1; result <= 30; ++result) {
    system.OnCampaignPuzzleFinished(Solved());
    if (result == 1) expected.push_back("achievements: Zero");
    if (result == 10) expected.push_back("achievements: Ten");
    if (result == 25) expected.push_back("achievements: TwentyFive");
    if (system.IsDialogShowing()) {
      Fire(AchievementSystem::DIALOG_CLOSE_EVENT);
      expected.push_back("close");
    }
  }
  EXPECT_EQ(screens.shown, expected);
  EXPECT_EQ(player.record.achievementBits, 0x7u);
}

TEST_F(AchievementSystemTest, PerLocationCountsAreKeptOnlyInsideALocation) {
  StartWith({Achievement("ReefHint", "NUMBER_OF_HINTS_TAKEN_IN", 1)});
  Fire("HasTakenAHintEvent");
  EXPECT_EQ(player.record.hintsTaken, 1);
  EXPECT_TRUE(player.record.hintsTakenPerLocation.empty());
  system.OnCampaignPuzzleFinished(Solved("Reef"));
  EXPECT_EQ(player.record.achievementBits, 0u);

  player.location = "Reef";
  Fire("HasTakenAHintEvent");
  system.OnCampaignPuzzleFinished(Solved("Reef"));
  EXPECT_EQ(player.record.hintsTakenPerLocation.at("Reef"), 1);
  EXPECT_EQ(player.record.achievementBits, 1u);
}

TEST_F(AchievementSystemTest, AMistakeCostsTheStreakUntilAPuzzleStartsOrASolveIsCounted) {
  StartWith({});
  player.location = "Reef";
  struct Step {
    const char* action;
    int16_t noMistakeCount;
    bool hasMadeAMistake;
  };
  const Step steps[] = {
      {"solve", 1, false},  {"mistake", 0, true}, {"solve", 0, false}, {"solve", 1, false},
      {"mistake", 0, true}, {"start", 0, false},  {"solve", 1, false},
  };
  for (const Step& step : steps) {
    const std::string action = step.action;
    if (action == "solve") {
      system.OnCampaignPuzzleFinished(Solved());
    } else {
      Fire(action == "mistake" ? "HasMadeAMistakeEvent" : "StartNewPuzzleEvent");
    }
    EXPECT_EQ(player.record.noMistakeCount, step.noMistakeCount) << action;
    EXPECT_EQ(player.record.hasMadeAMistake, step.hasMadeAMistake) << action;
  }
  EXPECT_EQ(player.record.errorsMade, 2);
  EXPECT_EQ(player.record.errorsMadePerLocation.at("Reef"), 2);
}

TEST_F(AchievementSystemTest, ASolvedPuzzleIsCountedIntoTheRecord) {
  StartWith({});
  CampaignAccomplishments result =
      Solved("Reef", ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_UNLOCKED | ACCOMPLISHED_REGION_UNLOCKED);
  result.regionName = "Mountain";
  result.reward = 120;
  result.steps = 40;
  result.stepsOverPar = -1;
  result.playTime = 1800.0f;
  result.difficultyPage = 3;
  result.locationCompleted = true;
  result.regionCompleted = true;
  result.severalBoards = true;
  result.boardAttribute = true;
  system.OnCampaignPuzzleFinished(result);
  system.OnCampaignPuzzleFinished(Solved("Reef"));

  const PlayerAchievements& record = player.record;
  EXPECT_EQ(record.puzzlesSolved, 2);
  EXPECT_EQ(record.highScore, 120);
  EXPECT_EQ(record.totalSteps, 40);
  EXPECT_FLOAT_EQ(record.totalSolvingTime, 1800.0f);
  EXPECT_FLOAT_EQ(record.lastSolvingTime, 0.0f);
  EXPECT_EQ(record.puzzlesSolvedPerLocation.at("Reef"), 2);
  EXPECT_EQ(record.mediumPuzzles, 1);
  EXPECT_EQ(record.easyPuzzles + record.hardPuzzles + record.practicePuzzles, 0);
  EXPECT_EQ(record.mountainPuzzles, 1);
  EXPECT_EQ(record.oceanPuzzles, 1);
  EXPECT_EQ(record.puzzlesUnderPar, 1);
  EXPECT_EQ(record.locationsCompleted, 1);
  EXPECT_EQ(record.regionsCompleted, 1);
  EXPECT_EQ(record.doubleBoardPuzzles, 1);
  EXPECT_EQ(record.hiddenCagePuzzles, 1);
  EXPECT_EQ(record.rank, "Navigator");
  EXPECT_EQ(record.locationsUnlocked, 1);
  EXPECT_EQ(record.regionsUnlocked, 1);
}

TEST_F(AchievementSystemTest, UnlockDialogsFollowOneAtATimeEachMovingPlayOn) {
  StartWith({});
  struct Case {
    uint32_t flags;
    std::vector<std::string> fired;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {0, {"PlayNext"}, {}},
      {ACCOMPLISHED_NODE_SATISFIED, {"QuitPuzzle"}, {"dialog: Puzzles Unlocked!", "close"}},
      {ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_UNLOCKED,
       {"QuitPuzzle", "QuitLocation"},
       {"dialog: New Rank! New Location:", "close"}},
      {ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_SATISFIED | ACCOMPLISHED_NODE_UNLOCKED |
           ACCOMPLISHED_REGION_UNLOCKED,
       {"QuitPuzzle", "QuitLocation", "QuitRegion"},
       {"dialog: New Rank! Puzzles Unlocked!", "close", "dialog: New Location:", "close",
        "dialog: New Region:", "close"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.flags);
    campaign.fired.clear();
    screens.shown.clear();
    system.OnCampaignPuzzleFinished(Solved("Reef", test.flags));
    for (int frame = 0; frame < 6; ++frame) {
      system.ShowUnlockDialogs();
      if (system.IsDialogShowing()) {
        Fire(AchievementSystem::DIALOG_CLOSE_EVENT);
      }
    }
    EXPECT_EQ(campaign.fired, test.fired);
    EXPECT_EQ(screens.shown, test.shown);
  }
}

TEST_F(AchievementSystemTest, ARestartedSystemCountsEachEventOnce) {
  StartWith({});
  system.Shutdown();
  system.Startup(&clock);
  Fire("CandidateEliminatedEvent");
  Fire("HasStartedTutorialEvent");
  EXPECT_EQ(player.record.candidatesEliminated, 1);
  EXPECT_EQ(player.record.tutorialViews, 1);
}

TEST_F(AchievementSystemTest, StatisticsReachTheServiceOnlyInsideTheFrameUpdate) {
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg("XDG_DATA_HOME", userData.Path().c_str());
  SteamInterface steam("online");
  steam.Startup(&clock);
  AchievementSystem counted(steam);
  counted.SetPlayerContext(&player);
  WriteDataFile(AchievementSystem::STATS_FILE, RESOURCE_STREAM_FORMAT_TEXT,
                [](ResourceStream& stream) {
                  StatDefinition solved;
                  solved.steamName = "NUMBER_OF_PUZZLES_SOLVED";
                  StatDefinition solvedHere = solved;
                  solvedHere.steamName = "NUMBER_OF_PUZZLES_SOLVED_IN";
                  solvedHere.isPerLocation = true;
                  WriteStatDefinitions(stream, {solved, solvedHere});
                });
  counted.Startup(&clock);
  const std::string storedStats = userData.File("online/stats.txt");

  counted.OnCampaignPuzzleFinished(Solved("Coral Reef"));
  counted.OnCampaignPuzzleFinished(Solved("Coral Reef"));
  EXPECT_FALSE(std::filesystem::exists(storedStats));
  steam.Update();
  steam.Update();
  const testsupport::Bytes stored = testsupport::ReadFileBytes(storedStats);
  EXPECT_EQ(std::string(stored.begin(), stored.end()),
            "int\t2\tNUMBER_OF_PUZZLES_SOLVED\n"
            "int\t2\tNUMBER_OF_PUZZLES_SOLVED_IN_Coral Reef\n");
  EXPECT_EQ(console.Text().find("StoreStats - success"), std::string::npos);
  steam.Update();
  EXPECT_NE(console.Text().find("StoreStats - success"), std::string::npos);
  counted.Shutdown();
  steam.Shutdown();
}

}  // namespace
