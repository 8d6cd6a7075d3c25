#include "game/steam/AchievementStats.h"

#include "game/steam/PlayerAchievements.h"

namespace Pemberquill {

namespace {

struct CounterName {
  const char* name;
  int32_t (*read)(const PlayerAchievements& record);
};

const CounterName COUNTERS[] = {
    {"NUMBER_OF_LOCATIONS_UNLOCKED",
     [](const PlayerAchievements& r) -> int32_t { return r.locationsUnlocked; }},
    {"NUMBER_OF_REGIONS_UNLOCKED",
     [](const PlayerAchievements& r) -> int32_t { return r.regionsUnlocked; }},
    {"NUMBER_OF_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.puzzlesSolved; }},
    {"NUMBER_OF_PUZZLES_UNDER_PAR",
     [](const PlayerAchievements& r) -> int32_t { return r.puzzlesUnderPar; }},
    {"NUMBER_OF_TOTAL_STEPS_TAKEN",
     [](const PlayerAchievements& r) -> int32_t { return r.totalSteps; }},
    {"NUMBER_OF_CANDIDATES_ELIMINATED",
     [](const PlayerAchievements& r) -> int32_t { return r.candidatesEliminated; }},
    {"NUMBER_OF_LOCATIONS_COMPLETED",
     [](const PlayerAchievements& r) -> int32_t { return r.locationsCompleted; }},
    {"NUMBER_OF_REGIONS_COMPLETED",
     [](const PlayerAchievements& r) -> int32_t { return r.regionsCompleted; }},
    {"NUMBER_OF_PUZZLES_WITHOUT_A_MISTAKE",
     [](const PlayerAchievements& r) -> int32_t { return r.noMistakeCount; }},
    {"NUMBER_OF_HIDDEN_CAGE_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.hiddenCagePuzzles; }},
    {"NUMBER_OF_DOUBLE_BOARD_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.doubleBoardPuzzles; }},
    {"NUMBER_OF_OCEAN_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.oceanPuzzles; }},
    {"NUMBER_OF_CANYON_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.canyonPuzzles; }},
    {"NUMBER_OF_FOREST_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.forestPuzzles; }},
    {"NUMBER_OF_MOUNTAIN_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.mountainPuzzles; }},
    {"NUMBER_OF_SKY_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.skyPuzzles; }},
    {"NUMBER_OF_BEYOND_PUZZLES_SOLVED",
     [](const PlayerAchievements& r) -> int32_t { return r.beyondPuzzles; }},
    {"NUMBER_OF_TOTAL_HINTS_TAKEN",
     [](const PlayerAchievements& r) -> int32_t { return r.hintsTaken; }},
    {"NUMBER_OF_TOTAL_ERRORS_MADE",
     [](const PlayerAchievements& r) -> int32_t { return r.errorsMade; }},
    {"NUMBER_OF_TUTORIAL_VIEWS",
     [](const PlayerAchievements& r) -> int32_t { return r.tutorialViews; }},
    {"NUMBER_OF_TUTORIAL_COMPLETIONS",
     [](const PlayerAchievements& r) -> int32_t { return r.tutorialCompletions; }},
    {"NUMBER_OF_EASY_PUZZLES",
     [](const PlayerAchievements& r) -> int32_t { return r.easyPuzzles; }},
    {"NUMBER_OF_MEDIUM_PUZZLES",
     [](const PlayerAchievements& r) -> int32_t { return r.mediumPuzzles; }},
    {"NUMBER_OF_HARD_PUZZLES",
     [](const PlayerAchievements& r) -> int32_t { return r.hardPuzzles; }},
    {"NUMBER_OF_PRACTICE_PUZZLES",
     [](const PlayerAchievements& r) -> int32_t { return r.practicePuzzles; }},
};

struct LocationTableName {
  const char* name;
  PlayerAchievements::LocationTable PlayerAchievements::*table;
};

const LocationTableName LOCATION_TABLES[] = {
    {"NUMBER_OF_PUZZLES_SOLVED_IN", &PlayerAchievements::puzzlesSolvedPerLocation},
    {"NUMBER_OF_HINTS_TAKEN_IN", &PlayerAchievements::hintsTakenPerLocation},
    {"NUMBER_OF_ERRORS_MADE_IN", &PlayerAchievements::errorsMadePerLocation},
};

}  // namespace

int32_t IntegerStat(PlayerAchievements& record, const std::string& name,
                    const std::string& location) {
  for (const CounterName& counter : COUNTERS) {
    if (name == counter.name) {
      return counter.read(record);
    }
  }
  for (const LocationTableName& table : LOCATION_TABLES) {
    if (name == table.name) {
      // Outside a location there is no entry to read, and none is made.
      return location.empty() ? 0 : (record.*table.table)[location];
    }
  }
  return 0;
}

float FloatStat(PlayerAchievements& record, const std::string& name, const std::string& location) {
  if (name == "PUZZLE_SOLVING_TIME") {
    return record.lastSolvingTime;
  }
  if (name == "FLOAT_CONSTANT_1") {
    return 1.0f;
  }
  return static_cast<float>(IntegerStat(record, name, location));
}

}  // namespace Pemberquill
