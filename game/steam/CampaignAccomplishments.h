#pragma once

#include <cstdint>
#include <string>

namespace Pemberquill {

// What one solved campaign puzzle achieved, or the campaign score alone, as
// the campaign reports it to the achievement system.
struct CampaignAccomplishments {
  enum Flags : uint32_t {
    PUZZLE_SOLVED = 0x1,
    RANK_AWARDED = 0x2,
    PUZZLES_UNLOCKED = 0x4,
    LOCATION_UNLOCKED = 0x8,
    REGION_UNLOCKED = 0x10,
    BEYOND_UNLOCKED = 0x40,
    RANK_PROGRESS = 0x400,
  };

  uint32_t flags = 0;
  // The puzzle's score; with RANK_PROGRESS the whole campaign score.
  int32_t score = 0;
  int32_t steps = 0;
  // Steps minus the puzzle's par: negative under par.
  int32_t parDifference = 0;
  // How many puzzles the completed location now offers.
  int32_t puzzlesUnlocked = 0;
  // Seconds.
  float solvingTime = 0.0f;
  bool locationCompleted = false;
  bool regionCompleted = false;
  bool doubleBoard = false;
  bool hiddenCages = false;
  std::string rank = "Unspecified Rank";
  std::string location = "Unspecified Node";
  std::string region = "Unspecified Region";
  std::string unlockedLocation = "Unspecified Node Unlock";
  std::string unlockedRegion = "Unspecified Region Unlock";
  // The page of the location's puzzle set: 0 practice, 2 easy, 3 medium,
  // 4 hard; 5 when no page holds the puzzle.
  int32_t difficultyPage = 5;
};

}  // namespace Pemberquill
