#include <gtest/gtest.h>

#include <set>

#include "engine/core/ResourceStream.h"
#include "game/steam/AchievementStats.h"
#include "game/steam/AchievementSystem.h"
#include "game/steam/PlayerAchievements.h"
#include "game/steam/SteamInterface.h"
#include "platform/system/FileSystem.h"
#include "tests/support/FileBytes.h"
#include "tests/support/SilentConsole.h"
#include "tools/achievements/AchievementContent.h"

namespace {

using namespace Pemberquill;

TEST(AchievementContentTest, TheCommittedFilesAreWhatTheToolWritesAndTheGameCounts) {
  ResourceStream achievements(RESOURCE_STREAM_FORMAT_TEXT, 4096);
  WriteAchievementDefinitions(achievements, achievement_content::GameAchievements());
  ResourceStream stats(RESOURCE_STREAM_FORMAT_TEXT, 4096);
  WriteStatDefinitions(stats, achievement_content::GameStatistics());
  EXPECT_EQ(testsupport::ReadFileBytes("Data/Achievements.pqdf"),
            testsupport::Bytes(achievements.GetData(), achievements.GetData() + achievements.GetSize()));
  EXPECT_EQ(testsupport::ReadFileBytes("Data/Stats.pqdf"),
            testsupport::Bytes(stats.GetData(), stats.GetData() + stats.GetSize()));

  // Every statistic name is one the game counts (each counter of the record
  // below is 1, so a misspelt name reads 0); every achievement has its art
  // and follows a defined statistic.
  testsupport::SilentConsole console;
  Clock clock;
  SteamInterface offline("unused-online");
  AchievementSystem system(offline);
  system.Startup(&clock);
  PlayerAchievements ones;
  ones.puzzlesSolvedPerLocation["Reef"] = ones.hintsTakenPerLocation["Reef"] =
      ones.errorsMadePerLocation["Reef"] = ones.locationsUnlocked = ones.regionsUnlocked =
      ones.locationsCompleted = ones.regionsCompleted = ones.tutorialViews =
      ones.tutorialCompletions = ones.puzzlesSolved = ones.puzzlesUnderPar = ones.oceanPuzzles =
      ones.canyonPuzzles = ones.forestPuzzles = ones.mountainPuzzles = ones.skyPuzzles =
      ones.beyondPuzzles = ones.noMistakeCount = ones.hiddenCagePuzzles = ones.doubleBoardPuzzles =
      ones.easyPuzzles = ones.mediumPuzzles = ones.hardPuzzles = ones.practicePuzzles =
      ones.totalSteps = ones.candidatesEliminated = ones.hintsTaken = ones.errorsMade = 1;
  std::set<std::string> statNames;
  for (const StatDefinition& stat : system.GetStatistics()) {
    statNames.insert(stat.steamName);
    EXPECT_EQ(IntegerStat(ones, stat.steamName, "Reef"), 1) << stat.steamName;
  }
  for (const AchievementDefinition& definition : system.GetDefinitions()) {
    EXPECT_TRUE(platform::IsRegularFile("Data/" + definition.GetAchievedImagePath()));
    EXPECT_TRUE(platform::IsRegularFile("Data/" + definition.GetUnachievedImagePath()));
    EXPECT_EQ(statNames.count(definition.statName), 1u) << definition.statName;
  }
  system.Shutdown();
}

}  // namespace
