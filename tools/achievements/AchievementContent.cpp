#include "tools/achievements/AchievementContent.h"

namespace achievement_content {

namespace {

struct Achievement {
  const char* title;
  const char* line1;
  const char* line2;
  const char* image;
  const char* steamName;
  const char* statName;
  int threshold;
};

// The image names are those of the achievement art.
const Achievement ACHIEVEMENTS[] = {
    {"First Steps", "Solve your first", "campaign puzzle.", "FirstPuzzle.png", "ACH_FIRST_PUZZLE",
     "NUMBER_OF_PUZZLES_SOLVED", 1},
    {"Star Pupil", "Finish the tutorial", "from start to end.", "TutorialComplete.png",
     "ACH_TUTORIAL_COMPLETE", "NUMBER_OF_TUTORIAL_COMPLETIONS", 1},
    {"Ocean Explorer", "Solve 10 puzzles", "in the Ocean region.", "OceanSatisfied.png",
     "ACH_OCEAN_SATISFIED", "NUMBER_OF_OCEAN_PUZZLES_SOLVED", 10},
    {"Ocean Master", "Solve 30 puzzles", "in the Ocean region.", "OceanCompleted.png",
     "ACH_OCEAN_COMPLETED", "NUMBER_OF_OCEAN_PUZZLES_SOLVED", 30},
    {"Canyon Explorer", "Solve 10 puzzles", "in the Canyon region.", "CanyonSatisfied.png",
     "ACH_CANYON_SATISFIED", "NUMBER_OF_CANYON_PUZZLES_SOLVED", 10},
    {"Canyon Master", "Solve 30 puzzles", "in the Canyon region.", "CanyonCompleted.png",
     "ACH_CANYON_COMPLETED", "NUMBER_OF_CANYON_PUZZLES_SOLVED", 30},
    {"Forest Explorer", "Solve 10 puzzles", "in the Forest region.", "ForestSatisfied.png",
     "ACH_FOREST_SATISFIED", "NUMBER_OF_FOREST_PUZZLES_SOLVED", 10},
    {"Forest Master", "Solve 30 puzzles", "in the Forest region.", "ForestCompleted.png",
     "ACH_FOREST_COMPLETED", "NUMBER_OF_FOREST_PUZZLES_SOLVED", 30},
    {"Mountain Explorer", "Solve 10 puzzles", "in the Mountain region.", "MountainSatisfied.png",
     "ACH_MOUNTAIN_SATISFIED", "NUMBER_OF_MOUNTAIN_PUZZLES_SOLVED", 10},
    {"Mountain Master", "Solve 30 puzzles", "in the Mountain region.", "MountainCompleted.png",
     "ACH_MOUNTAIN_COMPLETED", "NUMBER_OF_MOUNTAIN_PUZZLES_SOLVED", 30},
    {"Sky Explorer", "Solve 10 puzzles", "in the Sky region.", "SkySatisfied.png",
     "ACH_SKY_SATISFIED", "NUMBER_OF_SKY_PUZZLES_SOLVED", 10},
    {"Sky Master", "Solve 30 puzzles", "in the Sky region.", "SkyCompleted.png",
     "ACH_SKY_COMPLETED", "NUMBER_OF_SKY_PUZZLES_SOLVED", 30},
    {"Beyond Explorer", "Solve 10 puzzles", "in the Beyond region.", "BeyondSatisfied.png",
     "ACH_BEYOND_SATISFIED", "NUMBER_OF_BEYOND_PUZZLES_SOLVED", 10},
    {"Beyond Master", "Solve 30 puzzles", "in the Beyond region.", "BeyondCompleted.png",
     "ACH_BEYOND_COMPLETED", "NUMBER_OF_BEYOND_PUZZLES_SOLVED", 30},
    {"Steady Hand", "Solve 5 puzzles in a row", "without a single mistake.", "NoMistakes5.png",
     "ACH_NO_MISTAKES_5", "NUMBER_OF_PUZZLES_WITHOUT_A_MISTAKE", 5},
    {"Flawless", "Solve 25 puzzles in a row", "without a single mistake.", "NoMistakes25.png",
     "ACH_NO_MISTAKES_25", "NUMBER_OF_PUZZLES_WITHOUT_A_MISTAKE", 25},
    {"Self-Reliant", "Solve 10 Hard puzzles,", "the toughest of each location.", "NoHints10.png",
     "ACH_HARD_10", "NUMBER_OF_HARD_PUZZLES", 10},
    {"Speed Solver", "Solve 10 puzzles in", "fewer steps than par.", "SpeedSolver.png",
     "ACH_SPEED_SOLVER", "NUMBER_OF_PUZZLES_UNDER_PAR", 10},
    {"Challenger", "Complete your first", "location.", "Challenge1.png", "ACH_CHALLENGE_1",
     "NUMBER_OF_LOCATIONS_COMPLETED", 1},
    {"Champion", "Complete all six", "regions.", "ChallengeAll.png", "ACH_CHALLENGE_ALL",
     "NUMBER_OF_REGIONS_COMPLETED", 6},
    {"Seeing Double", "Solve a puzzle", "with two boards.", "TwoBoards.png", "ACH_TWO_BOARDS",
     "NUMBER_OF_DOUBLE_BOARD_PUZZLES_SOLVED", 1},
    {"Hidden Depths", "Solve a puzzle", "with hidden cages.", "HiddenCages.png", "ACH_HIDDEN_CAGES",
     "NUMBER_OF_HIDDEN_CAGE_PUZZLES_SOLVED", 1},
    {"Centurion", "Solve 100", "campaign puzzles.", "Puzzles100.png", "ACH_PUZZLES_100",
     "NUMBER_OF_PUZZLES_SOLVED", 100},
    {"Perfect Grade", "Solve a puzzle in", "fewer steps than par.", "PerfectGrade.png",
     "ACH_PERFECT_GRADE", "NUMBER_OF_PUZZLES_UNDER_PAR", 1},
};

struct Statistic {
  const char* text;
  const char* steamName;
  bool isPerLocation;
};

const Statistic STATISTICS[] = {
    {"Locations unlocked", "NUMBER_OF_LOCATIONS_UNLOCKED", false},
    {"Regions unlocked", "NUMBER_OF_REGIONS_UNLOCKED", false},
    {"Puzzles solved", "NUMBER_OF_PUZZLES_SOLVED", false},
    {"Puzzles solved under par", "NUMBER_OF_PUZZLES_UNDER_PAR", false},
    {"Steps taken", "NUMBER_OF_TOTAL_STEPS_TAKEN", false},
    {"Candidates eliminated", "NUMBER_OF_CANDIDATES_ELIMINATED", false},
    {"Locations completed", "NUMBER_OF_LOCATIONS_COMPLETED", false},
    {"Regions completed", "NUMBER_OF_REGIONS_COMPLETED", false},
    {"Puzzles solved in a row without a mistake", "NUMBER_OF_PUZZLES_WITHOUT_A_MISTAKE", false},
    {"Hidden-cage puzzles solved", "NUMBER_OF_HIDDEN_CAGE_PUZZLES_SOLVED", false},
    {"Double-board puzzles solved", "NUMBER_OF_DOUBLE_BOARD_PUZZLES_SOLVED", false},
    {"Ocean puzzles solved", "NUMBER_OF_OCEAN_PUZZLES_SOLVED", false},
    {"Canyon puzzles solved", "NUMBER_OF_CANYON_PUZZLES_SOLVED", false},
    {"Forest puzzles solved", "NUMBER_OF_FOREST_PUZZLES_SOLVED", false},
    {"Mountain puzzles solved", "NUMBER_OF_MOUNTAIN_PUZZLES_SOLVED", false},
    {"Sky puzzles solved", "NUMBER_OF_SKY_PUZZLES_SOLVED", false},
    {"Beyond puzzles solved", "NUMBER_OF_BEYOND_PUZZLES_SOLVED", false},
    {"Puzzles solved in a location", "NUMBER_OF_PUZZLES_SOLVED_IN", true},
    {"Hints taken in a location", "NUMBER_OF_HINTS_TAKEN_IN", true},
    {"Errors made in a location", "NUMBER_OF_ERRORS_MADE_IN", true},
    {"Hints taken", "NUMBER_OF_TOTAL_HINTS_TAKEN", false},
    {"Errors made", "NUMBER_OF_TOTAL_ERRORS_MADE", false},
    {"Tutorial views", "NUMBER_OF_TUTORIAL_VIEWS", false},
    {"Tutorial completions", "NUMBER_OF_TUTORIAL_COMPLETIONS", false},
    {"Easy puzzles solved", "NUMBER_OF_EASY_PUZZLES", false},
    {"Medium puzzles solved", "NUMBER_OF_MEDIUM_PUZZLES", false},
    {"Hard puzzles solved", "NUMBER_OF_HARD_PUZZLES", false},
    {"Practice puzzles solved", "NUMBER_OF_PRACTICE_PUZZLES", false},
};

}  // namespace

std::vector<Pemberquill::AchievementDefinition> GameAchievements() {
  std::vector<Pemberquill::AchievementDefinition> definitions;
  for (const Achievement& achievement : ACHIEVEMENTS) {
    Pemberquill::AchievementDefinition definition;
    definition.title = achievement.title;
    definition.line1 = achievement.line1;
    definition.line2 = achievement.line2;
    definition.imageName = achievement.image;
    definition.steamName = achievement.steamName;
    definition.statName = achievement.statName;
    definition.threshold = achievement.threshold;
    definitions.push_back(definition);
  }
  return definitions;
}

std::vector<Pemberquill::StatDefinition> GameStatistics() {
  std::vector<Pemberquill::StatDefinition> stats;
  for (const Statistic& statistic : STATISTICS) {
    Pemberquill::StatDefinition stat;
    stat.text = statistic.text;
    stat.steamName = statistic.steamName;
    stat.type = Pemberquill::STAT_TYPE_INTEGER;
    stat.isPerLocation = statistic.isPerLocation;
    stats.push_back(stat);
  }
  return stats;
}

}  // namespace achievement_content
