#pragma once

#include <cstdint>
#include <map>
#include <string>

class ResourceStream;

namespace Pemberquill {

// The version Write stores; records from version 8 on carry the hidden-cage
// and double-board counts.
constexpr int8_t PLAYER_ACHIEVEMENTS_VERSION = 9;
constexpr int8_t PLAYER_ACHIEVEMENTS_VERSION_WITH_BOARD_KINDS = 8;

// A location table stores its entry count in one signed byte.
constexpr int MAX_LOCATION_TABLE_ENTRIES = 127;

// The most achievements the bit field can tell apart.
constexpr int NUM_ACHIEVEMENT_BITS = 32;

// One player's lifetime tally, stored inside the player profile: the rank,
// the achievements earned, the high score and the counters from which the
// statistics and achievements are computed. The achievement system changes
// the counters; the statistics, the achievements window and the leaderboard
// read them.
//
// The narrow counters keep the widths they are stored with, so a value
// that fits in memory always fits in the file.
struct PlayerAchievements {
    using LocationTable = std::map<std::string, int32_t>;

    std::string rank = "Beginner";
    uint32_t achievementBits = 0;
    // The campaign score, which the leaderboard receives.
    int32_t highScore = 0;
    int32_t totalSteps = 0;
    int32_t candidatesEliminated = 0;
    int32_t hintsTaken = 0;
    int32_t errorsMade = 0;
    // Seconds spent on solved campaign puzzles.
    float totalSolvingTime = 0.0f;
    // Hours spent on the last solved campaign puzzle; never saved.
    float lastSolvingTime = 0.0f;
    int8_t locationsUnlocked = 0;
    int8_t locationsCompleted = 0;
    int8_t regionsUnlocked = 0;
    int8_t regionsCompleted = 0;
    int16_t puzzlesSolved = 0;
    int16_t puzzlesUnderPar = 0;
    int16_t oceanPuzzles = 0;
    int16_t canyonPuzzles = 0;
    int16_t forestPuzzles = 0;
    int16_t mountainPuzzles = 0;
    int16_t skyPuzzles = 0;
    int16_t beyondPuzzles = 0;
    int16_t noMistakeCount = 0;
    int16_t hiddenCagePuzzles = 0;
    int16_t doubleBoardPuzzles = 0;
    int16_t easyPuzzles = 0;
    int16_t mediumPuzzles = 0;
    int16_t hardPuzzles = 0;
    int16_t practicePuzzles = 0;
    int8_t tutorialViews = 0;
    int8_t tutorialCompletions = 0;
    bool hasMadeAMistake = false;
    // Keyed by location name.
    LocationTable puzzlesSolvedPerLocation;
    LocationTable hintsTakenPerLocation;
    LocationTable errorsMadePerLocation;

    // Bit indices outside 0..31 name no achievement: never earned, and
    // setting one changes nothing.
    bool HasAchievement(int bitIndex) const;
    void SetAchievement(int bitIndex);

    // One block at the current version. A table of more entries than its
    // count can hold keeps only its first MAX_LOCATION_TABLE_ENTRIES in the
    // file (with a logged warning), so that the file stays readable.
    void Write(ResourceStream& stream) const;
    // Reads a block of any version over this record: the fields that the
    // version carries are replaced, the others kept, and table entries are
    // added or overwritten. A malformed or truncated block throws
    // UlvoException and leaves the record as it was.
    void Read(ResourceStream& stream);
};

} // namespace Pemberquill
