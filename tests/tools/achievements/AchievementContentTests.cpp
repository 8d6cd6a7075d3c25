#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
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

// The committed files hold exactly what the tool writes today.
TEST(AchievementContentTest, TheCommittedFilesAreWhatTheToolWrites) {
  ResourceStream achievements(RESOURCE_STREAM_FORMAT_TEXT, 4096);
  WriteAchievementDefinitions(achievements, achievement_content::GameAchievements());
  ResourceStream stats(RESOURCE_STREAM_FORMAT_TEXT, 4096);
  WriteStatDefinitions(stats, achievement_content::GameStatistics());
  for (const auto& [stream, name] :
       {std::make_pair(&achievements, "Achievements.pqdf"), std::make_pair(&stats, "Stats.pqdf")}) {
    const testsupport::Bytes written(stream->GetData(), stream->GetData() + stream->GetSize());
    EXPECT_EQ(testsupport::ReadFileBytes(std::string("Data/") + name), written) << name;
  }
}

TEST(AchievementContentTest, TheGameReadsEveryAchievementWithItsImagesAndAKnownStatistic) {
  testsupport::SilentConsole console;
  Clock clock;
  SteamInterface offline("unused-online");
  AchievementSystem system(offline);
  system.Startup(&clock);

  const std::set<std::string> artNames = {
      "FirstPuzzle.png",       "TutorialComplete.png", "OceanSatisfied.png",
      "OceanCompleted.png",    "CanyonSatisfied.png",  "CanyonCompleted.png",
      "ForestSatisfied.png",   "ForestCompleted.png",  "MountainSatisfied.png",
      "MountainCompleted.png", "SkySatisfied.png",     "SkyCompleted.png",
      "BeyondSatisfied.png",   "BeyondCompleted.png",  "NoMistakes5.png",
      "NoMistakes25.png",      "NoHints10.png",        "SpeedSolver.png",
      "Challenge1.png",        "ChallengeAll.png",     "TwoBoards.png",
      "HiddenCages.png",       "Puzzles100.png",       "PerfectGrade.png"};
  std::set<std::string> imageNames;
  std::set<std::string> steamNames;
  for (const AchievementDefinition& definition : system.GetDefinitions()) {
    imageNames.insert(definition.imageName);
    steamNames.insert(definition.steamName);
    EXPECT_TRUE(platform::IsRegularFile("Data/" + definition.GetAchievedImagePath()));
    EXPECT_TRUE(platform::IsRegularFile("Data/" + definition.GetUnachievedImagePath()));
    EXPECT_GT(definition.threshold, 0) << definition.title;
  }
  EXPECT_EQ(imageNames, artNames);
  EXPECT_EQ(steamNames.size(), system.GetDefinitions().size());

  // Every counter of this record is 1, so a misspelt name reads 0.
  PlayerAchievements ones;
  ones.puzzlesSolvedPerLocation["Reef"] = ones.hintsTakenPerLocation["Reef"] =
      ones.errorsMadePerLocation["Reef"] = 1;
  ones.locationsUnlocked = ones.regionsUnlocked = ones.locationsCompleted = ones.regionsCompleted =
      ones.tutorialViews = ones.tutorialCompletions = 1;
  ones.puzzlesSolved = ones.puzzlesUnderPar = ones.oceanPuzzles = ones.canyonPuzzles =
      ones.forestPuzzles = ones.mountainPuzzles = ones.skyPuzzles = ones.beyondPuzzles =
          ones.noMistakeCount = ones.hiddenCagePuzzles = ones.doubleBoardPuzzles =
              ones.easyPuzzles = ones.mediumPuzzles = ones.hardPuzzles = ones.practicePuzzles = 1;
  ones.totalSteps = ones.candidatesEliminated = ones.hintsTaken = ones.errorsMade = 1;

  std::set<std::string> statNames;
  for (const StatDefinition& stat : system.GetStatistics()) {
    statNames.insert(stat.steamName);
    EXPECT_EQ(IntegerStat(ones, stat.steamName, "Reef"), 1) << stat.steamName;
    EXPECT_EQ(stat.isPerLocation,
              stat.steamName.size() > 3 &&
                  stat.steamName.compare(stat.steamName.size() - 3, 3, "_IN") == 0);
  }
  EXPECT_EQ(statNames.size(), 28u);
  for (const AchievementDefinition& definition : system.GetDefinitions()) {
    EXPECT_EQ(statNames.count(definition.statName), 1u) << definition.statName;
  }
  system.Shutdown();
}

}  // namespace
