// The achievement system: its definition files, what it counts, when it
// earns, the dialogs after a campaign result, and the statistics it hands on;
// the player's achievement record: its bytes, older versions, damaged or
// oversized records; the game's side of the online service: player files in
// remote storage, statistics answered inside the frame update, and the high
// score board.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/FileIO.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/renderer/Texture.h"
#include "game/steam/AchievementStats.h"
#include "game/steam/AchievementSystem.h"
#include "game/steam/PlayerAchievements.h"
#include "game/steam/SteamInterface.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/game/steam/RecordStreamTestSupport.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/SilentConsole.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/PlayerStorageHooks.h"

namespace {

using namespace Pemberquill;

AchievementDefinition Achievement(const std::string& title, const std::string& stat, int threshold) {
  AchievementDefinition definition{title, title + " 1", "line 2", title + ".png", "ACH_" + title, stat};
  definition.threshold = threshold;
  return definition;
}

template <typename Write>
std::string Serialized(ResourceStreamFormat format, Write write) {
  ResourceStream stream(format, 256);
  write(stream);
  return std::string(reinterpret_cast<const char*>(stream.GetData()), static_cast<size_t>(stream.GetSize()));
}

std::string ReadText(const std::string& path) {
  const testsupport::Bytes bytes = testsupport::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

// What the player is shown and which campaign events move play on, in order.
class Shown : public AchievementScreens, public EventRecipient {
 public:
  explicit Shown(UlvoEventSystem& events) {
    RegisterEventHandler("PlayNextCampaignPuzzleEvent", &events, &Shown::PlayNext, this);
    RegisterEventHandler("QuitCampaignPuzzleEvent", &events, &Shown::QuitPuzzle, this);
    RegisterEventHandler("QuitCampaignNodeEvent", &events, &Shown::QuitLocation, this);
    RegisterEventHandler("QuitCampaignRegionEvent", &events, &Shown::QuitRegion, this);
  }
  void ShowAchievementDialog(const std::vector<AchievementDefinition>& earned, const std::string&) override {
    log.push_back("achievements:");
    for (const AchievementDefinition& definition : earned) log.back() += " " + definition.title;
  }
  // Only the headings: the lines in yellow at size 24.
  void ShowInformationDialog(const std::vector<TextLines>& lines, const std::string&, const std::string&) override {
    log.push_back("dialog:");
    for (const TextLines& line : lines) {
      if (line.defaultFontSize == 24.0f && line.color == Rgba(255, 255, 0, 255)) log.back() += " " + line.runs[0].text;
    }
  }
  void CloseDialogs() override { log.push_back("close"); }
  void ShowAchievementsWindow(const PlayerAchievements&, const std::vector<AchievementDefinition>&) override {}
  void CloseAchievementsWindow() override {}
  Texture* LoadTexture(const std::string& imagePath) override {
    loadedImages.push_back(imagePath);
    textures.push_back(std::make_unique<Texture>());
    return textures.back().get();
  }
  void PlayNext(NamedProperties&) { log.push_back("PlayNext"); }
  void QuitPuzzle(NamedProperties&) { log.push_back("QuitPuzzle"); }
  void QuitLocation(NamedProperties&) { log.push_back("QuitLocation"); }
  void QuitRegion(NamedProperties&) { log.push_back("QuitRegion"); }

  std::vector<std::string> log;
  std::vector<std::string> loadedImages;
  std::vector<std::unique_ptr<Texture>> textures;
};

// The fixture stands in for the player's profile and the campaign.
class AchievementSystemTest : public ::testing::Test, public AchievementPlayerContext {
 protected:
  void SetUp() override {
    system.SetPlayerContext(this);
    system.SetScreens(&shown);
  }
  PlayerAchievements* GetCurrentRecord() override { return &record; }
  std::string GetActiveLocationName() const override { return location; }
  std::vector<std::string> GetRequiredLocationNames() const override { return requiredLocations; }
  void TearDown() override {
    if (system.IsInitialized()) system.Shutdown();
  }

  // Both definition files, the statistics' in text.
  void WriteDefinitions(const std::vector<AchievementDefinition>& achievements,
                        const std::vector<StatDefinition>& stats = {}) {
    data.Write(AchievementSystem::ACHIEVEMENTS_FILE,
               Serialized(RESOURCE_STREAM_FORMAT_BINARY,
                          [&](ResourceStream& stream) { WriteAchievementDefinitions(stream, achievements); }));
    data.Write(AchievementSystem::STATS_FILE,
               Serialized(RESOURCE_STREAM_FORMAT_TEXT, [&](ResourceStream& stream) { WriteStatDefinitions(stream, stats); }));
  }

  // No achievements; the puzzles solved, in all and at each location.
  void WriteSolvedCounts() {
    std::vector<StatDefinition> stats(2);
    stats[0].steamName = "NUMBER_OF_PUZZLES_SOLVED";
    stats[1].steamName = "NUMBER_OF_PUZZLES_SOLVED_IN";
    stats[1].isPerLocation = true;
    WriteDefinitions({}, stats);
  }

  void StartWith(const std::vector<AchievementDefinition>& achievements) {
    WriteDefinitions(achievements);
    system.Startup(&clock);
  }

  static CampaignAccomplishments Solved(uint32_t moreFlags = 0, const std::string& location = "Coral Reef") {
    CampaignAccomplishments result;
    result.flags = ACCOMPLISHED_PUZZLE_SOLVED | moreFlags;
    result.locationName = location;
    result.regionName = "Ocean";
    return result;
  }

  // The result, then frames until no dialog is left, each dialog closed in
  // the frame after it showed.
  void Play(const CampaignAccomplishments& result) {
    system.OnCampaignPuzzleFinished(result);
    for (int frame = 0; frame < 6; ++frame) {
      system.ShowUnlockDialogs();
      if (system.IsDialogShowing()) events.FireEvent(AchievementSystem::DIALOG_CLOSE_EVENT);
    }
  }

  testsupport::RecordingConsole console;
  testsupport::ScopedDataFolder data;
  UlvoEventSystem events;
  Shown shown{events};
  Clock clock;
  SteamInterface offline{"unused-online"};
  AchievementSystem system{offline};
  PlayerAchievements record;
  std::string location;
  std::vector<std::string> requiredLocations;
};

// Written back, what was read gives the bytes it was read from.
TEST_F(AchievementSystemTest, DefinitionsReadBackAsWritten) {
  const std::vector<AchievementDefinition> achievements = {Achievement("First", "NUMBER_OF_PUZZLES_SOLVED", 1),
                                                           Achievement("Two words", "NUMBER_OF_HARD_PUZZLES", -3)};
  std::vector<StatDefinition> stats(2);
  stats[0] = {"Rate", "", "RATE", "FLOAT_CONSTANT_1", "PUZZLE_SOLVING_TIME", STAT_TYPE_AVERAGE_RATE};
  stats[1].steamName = "NUMBER_OF_PUZZLES_SOLVED_IN";
  stats[1].isPerLocation = true;
  const auto definitionsFile = [](const std::vector<AchievementDefinition>& definitions) {
    return Serialized(RESOURCE_STREAM_FORMAT_TEXT,
                      [&](ResourceStream& stream) { WriteAchievementDefinitions(stream, definitions); });
  };
  const auto statsFile = [](const std::vector<StatDefinition>& definitions) {
    return Serialized(RESOURCE_STREAM_FORMAT_TEXT, [&](ResourceStream& stream) { WriteStatDefinitions(stream, definitions); });
  };
  data.Write(AchievementSystem::ACHIEVEMENTS_FILE, definitionsFile(achievements));
  data.Write(AchievementSystem::STATS_FILE, statsFile(stats));
  system.Startup(&clock);
  EXPECT_EQ(definitionsFile(system.GetDefinitions()), definitionsFile(achievements));
  EXPECT_EQ(statsFile(system.GetStatistics()), statsFile(stats));
}

// The images load with the definitions, so that a missing one is reported
// at start-up; they belong to the screens that loaded them.
TEST_F(AchievementSystemTest, ImagesLoadWithTheDefinitionsThroughTheScreens) {
  StartWith({Achievement("First", "NUMBER_OF_PUZZLES_SOLVED", 1), Achievement("Second", "NUMBER_OF_PUZZLES_SOLVED", 2)});
  EXPECT_EQ(shown.loadedImages, (std::vector<std::string>{"Images/Achievements/png/Unachieved/First.png",
                                                          "Images/Achievements/png/Achieved/First.png",
                                                          "Images/Achievements/png/Unachieved/Second.png",
                                                          "Images/Achievements/png/Achieved/Second.png"}));
  const std::vector<AchievementDefinition>& definitions = system.GetDefinitions();
  ASSERT_EQ(definitions.size(), 2u);
  for (size_t i = 0; i < definitions.size(); ++i) {
    EXPECT_EQ(definitions[i].unachievedImage, shown.textures[2 * i].get()) << i;
    EXPECT_EQ(definitions[i].achievedImage, shown.textures[2 * i + 1].get()) << i;
  }
  system.SetScreens(nullptr);
  for (const AchievementDefinition& definition : definitions) {
    EXPECT_EQ(definition.unachievedImage, nullptr);
    EXPECT_EQ(definition.achievedImage, nullptr);
  }
}

// Both files ship with the game: one missing or damaged is a broken
// installation, which stops the game naming the file.
TEST_F(AchievementSystemTest, AMissingOrDamagedDefinitionFileStopsTheGameNamingIt) {
  const struct {
    const char* file;
    const char* contents;  // null: the file is not there
    const char* expected;
  } cases[] = {
      {AchievementSystem::ACHIEVEMENTS_FILE, nullptr, "Unable to read the data file Data/Achievements.pqdf."},
      {AchievementSystem::ACHIEVEMENTS_FILE, "3\n{\n1\n\"cut short",
       "The data file Data/Achievements.pqdf is damaged and cannot be read: "},
      {AchievementSystem::STATS_FILE, nullptr, "Unable to read the data file Data/Stats.pqdf."},
      {AchievementSystem::STATS_FILE, "1\n{\n1\n", "The data file Data/Stats.pqdf is damaged and cannot be read: "},
  };
  for (const auto& test : cases) {
    WriteDefinitions({});
    std::filesystem::remove(data.PathOf(test.file));
    if (test.contents != nullptr) {
      data.Write(test.file, test.contents);
    }
    const testsupport::CaughtError error = testsupport::CatchUlvoException([this] { system.Startup(&clock); });
    EXPECT_EQ(error.message.rfind(test.expected, 0), 0u) << error.message;
    EXPECT_EQ(error.title, "AchievementSystem::LoadDefinitions");
    EXPECT_FALSE(system.IsInitialized());
  }
}

TEST_F(AchievementSystemTest, OnlyTheFirst32AchievementsAreKept) {
  StartWith(std::vector<AchievementDefinition>(40, Achievement("A", "NUMBER_OF_PUZZLES_SOLVED", 1)));
  EXPECT_EQ(system.GetDefinitions().size(), 32u);
  system.OnCampaignPuzzleFinished(Solved());
  EXPECT_EQ(record.achievementBits, 0xFFFFFFFFu);
}

TEST_F(AchievementSystemTest, EachAchievementIsEarnedOnceAtTheFirstResultPastItsThreshold) {
  StartWith({Achievement("Zero", "NO_SUCH_STATISTIC", 0), Achievement("Ten", "NUMBER_OF_PUZZLES_SOLVED", 10),
             Achievement("TwentyFive", "NUMBER_OF_PUZZLES_SOLVED", 25), Achievement("Unknown", "NO_SUCH_STATISTIC", 1)});
  std::vector<std::string> expected;
  for (int result = 1; result <= 30; ++result) {
    Play(Solved());
    const char* earned = result == 1 ? "Zero" : result == 10 ? "Ten" : result == 25 ? "TwentyFive" : nullptr;
    if (earned != nullptr) {
      expected.insert(expected.end(), {std::string("achievements: ") + earned, "close"});
    }
    expected.push_back("PlayNext");
  }
  EXPECT_EQ(shown.log, expected);
  EXPECT_EQ(record.achievementBits, 0x7u);
}

// Each event counts once, also after a restart; hints and mistakes count per
// location only inside one; a mistake costs the streak until a puzzle starts
// or a solve is counted.
TEST_F(AchievementSystemTest, PlayerEventsCountIntoTheRecord) {
  StartWith({Achievement("ReefHint", "NUMBER_OF_HINTS_TAKEN_IN", 1)});
  system.Shutdown();
  system.Startup(&clock);
  const struct {
    const char* location;
    const char* action;
    int16_t noMistakeCount;
    bool hasMadeAMistake;
    uint32_t bits;
  } steps[] = {
      {"", "HasTakenAHintEvent", 0, false, 0}, {"", "solve", 1, false, 0},
      {"Coral Reef", "HasMadeAMistakeEvent", 0, true, 0}, {"Coral Reef", "solve", 0, false, 0},
      {"Coral Reef", "HasTakenAHintEvent", 0, false, 0},  {"Coral Reef", "solve", 1, false, 1},
      {"", "HasMadeAMistakeEvent", 0, true, 1},           {"", "StartNewPuzzleEvent", 0, false, 1},
      {"", "CandidateEliminatedEvent", 0, false, 1},       {"", "HasStartedTutorialEvent", 0, false, 1},
      {"", "HasCompletedTutorialEvent", 0, false, 1},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.action);
    location = step.location;
    if (std::string(step.action) == "solve") {
      system.OnCampaignPuzzleFinished(Solved());
    } else {
      events.FireEvent(step.action);
    }
    EXPECT_EQ(record.noMistakeCount, step.noMistakeCount);
    EXPECT_EQ(record.hasMadeAMistake, step.hasMadeAMistake);
    EXPECT_EQ(record.achievementBits, step.bits);
  }
  EXPECT_EQ(record.hintsTaken, 2);
  EXPECT_EQ(record.hintsTakenPerLocation, (PlayerAchievements::LocationTable{{"Coral Reef", 1}}));
  EXPECT_EQ(record.errorsMade, 2);
  EXPECT_EQ(record.errorsMadePerLocation, (PlayerAchievements::LocationTable{{"Coral Reef", 1}}));
  EXPECT_EQ(std::make_tuple(record.candidatesEliminated, int{record.tutorialViews}, int{record.tutorialCompletions}),
            std::make_tuple(1, 1, 1));
}

TEST_F(AchievementSystemTest, EachResultFlagCountsIntoTheRecord) {
  StartWith({});
  CampaignAccomplishments result =
      Solved(ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_UNLOCKED | ACCOMPLISHED_REGION_UNLOCKED);
  result.regionName = "Mountain", result.rankName = "Navigator";
  result.reward = 120, result.steps = 40, result.stepsOverPar = -1, result.playTime = 1800.0f, result.difficultyPage = 3;
  result.locationCompleted = result.regionCompleted = result.severalBoards = result.boardAttribute = true;
  system.OnCampaignPuzzleFinished(result);
  system.OnCampaignPuzzleFinished(Solved());
  CampaignAccomplishments progress;
  progress.flags = ACCOMPLISHED_RANK_PROGRESS_ONLY, progress.reward = 5000;
  system.OnCampaignPuzzleFinished(progress);

  PlayerAchievements expected;
  expected.rank = "Navigator", expected.highScore = 5000, expected.totalSteps = 40, expected.totalSolvingTime = 1800.0f;
  expected.locationsUnlocked = expected.regionsUnlocked = expected.locationsCompleted = expected.regionsCompleted = 1;
  expected.puzzlesSolved = expected.noMistakeCount = 2;
  expected.puzzlesUnderPar = expected.mountainPuzzles = expected.oceanPuzzles = expected.mediumPuzzles = 1;
  expected.hiddenCagePuzzles = expected.doubleBoardPuzzles = 1;
  expected.puzzlesSolvedPerLocation = {{"Coral Reef", 2}};
  EXPECT_EQ(record_test::WriteRecord(record, RESOURCE_STREAM_FORMAT_TEXT),
            record_test::WriteRecord(expected, RESOURCE_STREAM_FORMAT_TEXT));
}

// The achievement dialog holds the unlock dialogs back until it closes.
TEST_F(AchievementSystemTest, UnlockDialogsFollowOneAtATimeEachMovingPlayOn) {
  StartWith({Achievement("Explorer", "NUMBER_OF_LOCATIONS_UNLOCKED", 1)});
  const struct {
    uint32_t flags;
    std::vector<std::string> log;
  } cases[] = {
      {0, {"PlayNext"}},
      {ACCOMPLISHED_NODE_SATISFIED, {"QuitPuzzle", "dialog: Puzzles Unlocked!", "close"}},
      {ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_UNLOCKED,
       {"achievements: Explorer", "close", "QuitPuzzle", "dialog: New Rank! New Location:", "close", "QuitLocation"}},
      {ACCOMPLISHED_RANK_EARNED | ACCOMPLISHED_NODE_SATISFIED | ACCOMPLISHED_NODE_UNLOCKED |
           ACCOMPLISHED_REGION_UNLOCKED,
       {"QuitPuzzle", "dialog: New Rank! Puzzles Unlocked!", "close", "QuitLocation", "dialog: New Location:",
        "close", "QuitRegion", "dialog: New Region:", "close"}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.flags);
    shown.log.clear();
    Play(Solved(test.flags));
    EXPECT_EQ(shown.log, test.log);
  }
}

// Stored in the frame after the statistics arrive, the store answered a
// frame later.
TEST_F(AchievementSystemTest, StatisticsReachTheServiceOnlyInsideTheFrameUpdate) {
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg("XDG_DATA_HOME", userData.Path().c_str());
  SteamInterface steam("online");
  steam.Startup(&clock);
  AchievementSystem counted(steam);
  counted.SetPlayerContext(this);
  WriteSolvedCounts();
  counted.Startup(&clock);
  const std::string storedStats = userData.File("online/stats.txt");
  counted.OnCampaignPuzzleFinished(Solved());
  counted.OnCampaignPuzzleFinished(Solved());
  for (int frame = 0; frame < 4; ++frame) {
    EXPECT_EQ(std::filesystem::exists(storedStats), frame >= 2) << frame;
    EXPECT_EQ(console.Text().find("StoreStats - success") != std::string::npos, frame >= 3) << frame;
    steam.Update();
  }
  EXPECT_EQ(ReadText(storedStats),
            "int\t2\tNUMBER_OF_PUZZLES_SOLVED\nint\t2\tNUMBER_OF_PUZZLES_SOLVED_IN_Coral Reef\n");
  counted.Shutdown();
  steam.Shutdown();
}

// Catches the statistics the service sends back logged under other names
// than they are stored by: a per-location one once for each location.
TEST_F(AchievementSystemTest, ReceivedStatisticsAreLoggedUnderTheirStoredNames) {
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg("XDG_DATA_HOME", userData.Path().c_str());
  SteamInterface& steam = GetSteamInterface();
  steam.Startup(&clock);
  AchievementSystem& global = GetAchievementSystem();
  global.SetPlayerContext(this);
  requiredLocations = {"Coral Reef", "Kelp Forest"};
  WriteSolvedCounts();
  global.Startup(&clock);
  global.OnCampaignPuzzleFinished(Solved());
  for (int frame = 0; frame < 4; ++frame) steam.Update();
  steam.GetStatsAndAchievements().OnStatsReceived(true);
  const std::string logged = console.Text();
  for (const char* line : {"\nNUMBER_OF_PUZZLES_SOLVED: 1\n", "\nNUMBER_OF_PUZZLES_SOLVED_IN_Coral Reef: 1\n",
                           "\nNUMBER_OF_PUZZLES_SOLVED_IN_Kelp Forest: 0\n"}) {
    EXPECT_NE(logged.find(line), std::string::npos) << line << logged;
  }
  global.Shutdown();
  global.SetPlayerContext(nullptr);
  steam.Shutdown();
}

// Every counter at the most its stored width holds, each table entry too.
PlayerAchievements FullCounters(const std::string& location) {
  PlayerAchievements record;
  record.candidatesEliminated = record.hintsTaken = record.errorsMade = INT32_MAX;
  record.locationsUnlocked = record.locationsCompleted = record.regionsUnlocked = record.regionsCompleted = INT8_MAX;
  record.tutorialViews = record.tutorialCompletions = INT8_MAX;
  for (int16_t* counter : {&record.puzzlesSolved, &record.puzzlesUnderPar, &record.oceanPuzzles, &record.canyonPuzzles,
                           &record.forestPuzzles, &record.mountainPuzzles, &record.skyPuzzles, &record.beyondPuzzles,
                           &record.noMistakeCount, &record.hiddenCagePuzzles, &record.doubleBoardPuzzles,
                           &record.easyPuzzles, &record.mediumPuzzles, &record.hardPuzzles, &record.practicePuzzles}) {
    *counter = INT16_MAX;
  }
  record.puzzlesSolvedPerLocation[location] = record.hintsTakenPerLocation[location] =
      record.errorsMadePerLocation[location] = INT32_MAX;
  return record;
}

// Full counters stay full whatever the player does next; only the streak a
// mistake ends starts again.
TEST_F(AchievementSystemTest, EveryCounterStopsAtItsMaximum) {
  StartWith({});
  location = "Coral Reef";
  record = FullCounters(location);
  int page = 0;
  for (const char* region : {"Ocean", "Canyon", "Forest", "Mountain", "Sky", "Beyond"}) {
    CampaignAccomplishments result = Solved(ACCOMPLISHED_NODE_UNLOCKED | ACCOMPLISHED_REGION_UNLOCKED, location);
    result.regionName = region;
    result.difficultyPage = page++ % 5;
    result.stepsOverPar = -1;
    result.locationCompleted = result.regionCompleted = result.severalBoards = result.boardAttribute = true;
    Play(result);
  }
  for (const char* event : {"CandidateEliminatedEvent", "HasTakenAHintEvent", "HasStartedTutorialEvent",
                            "HasCompletedTutorialEvent", "HasMadeAMistakeEvent"}) {
    events.FireEvent(event);
  }
  PlayerAchievements expected = FullCounters(location);
  expected.noMistakeCount = 0;
  expected.hasMadeAMistake = true;
  EXPECT_EQ(record_test::WriteRecord(record, RESOURCE_STREAM_FORMAT_TEXT),
            record_test::WriteRecord(expected, RESOURCE_STREAM_FORMAT_TEXT));
}

// Each counter at a value of its own: a name that reads another counter, or
// another location's entry, gives another value. Reading a per-location
// name makes the location's entry, but never one without a location.
TEST(AchievementStatsTest, EachNameReadsItsOwnCounter) {
  PlayerAchievements record;
  record.locationsUnlocked = 1, record.regionsUnlocked = 2, record.puzzlesSolved = 3, record.puzzlesUnderPar = 4;
  record.totalSteps = 5, record.candidatesEliminated = 6, record.locationsCompleted = 7, record.regionsCompleted = 8;
  record.noMistakeCount = 9, record.hiddenCagePuzzles = 10, record.doubleBoardPuzzles = 11, record.oceanPuzzles = 12;
  record.canyonPuzzles = 13, record.forestPuzzles = 14, record.mountainPuzzles = 15, record.skyPuzzles = 16;
  record.beyondPuzzles = 17, record.hintsTaken = 18, record.errorsMade = 19, record.tutorialViews = 20;
  record.tutorialCompletions = 21, record.easyPuzzles = 22, record.mediumPuzzles = 23, record.hardPuzzles = 24;
  record.practicePuzzles = 25, record.highScore = 26, record.totalSolvingTime = 27.0f, record.lastSolvingTime = 0.5f;
  record.puzzlesSolvedPerLocation = {{"Reef", 31}, {"Dune", 41}};
  record.hintsTakenPerLocation = {{"Reef", 32}, {"Dune", 42}};
  record.errorsMadePerLocation = {{"Reef", 33}, {"Dune", 43}};
  const struct {
    const char* name;
    const char* location;
    float value;
  } cases[] = {
      {"NUMBER_OF_LOCATIONS_UNLOCKED", "", 1},          {"NUMBER_OF_REGIONS_UNLOCKED", "", 2},
      {"NUMBER_OF_PUZZLES_SOLVED", "Reef", 3},          {"NUMBER_OF_PUZZLES_UNDER_PAR", "", 4},
      {"NUMBER_OF_TOTAL_STEPS_TAKEN", "", 5},           {"NUMBER_OF_CANDIDATES_ELIMINATED", "", 6},
      {"NUMBER_OF_LOCATIONS_COMPLETED", "", 7},         {"NUMBER_OF_REGIONS_COMPLETED", "", 8},
      {"NUMBER_OF_PUZZLES_WITHOUT_A_MISTAKE", "", 9},   {"NUMBER_OF_HIDDEN_CAGE_PUZZLES_SOLVED", "", 10},
      {"NUMBER_OF_DOUBLE_BOARD_PUZZLES_SOLVED", "", 11}, {"NUMBER_OF_OCEAN_PUZZLES_SOLVED", "", 12},
      {"NUMBER_OF_CANYON_PUZZLES_SOLVED", "", 13},      {"NUMBER_OF_FOREST_PUZZLES_SOLVED", "", 14},
      {"NUMBER_OF_MOUNTAIN_PUZZLES_SOLVED", "", 15},    {"NUMBER_OF_SKY_PUZZLES_SOLVED", "", 16},
      {"NUMBER_OF_BEYOND_PUZZLES_SOLVED", "", 17},      {"NUMBER_OF_TOTAL_HINTS_TAKEN", "", 18},
      {"NUMBER_OF_TOTAL_ERRORS_MADE", "", 19},          {"NUMBER_OF_TUTORIAL_VIEWS", "", 20},
      {"NUMBER_OF_TUTORIAL_COMPLETIONS", "", 21},       {"NUMBER_OF_EASY_PUZZLES", "", 22},
      {"NUMBER_OF_MEDIUM_PUZZLES", "", 23},             {"NUMBER_OF_HARD_PUZZLES", "", 24},
      {"NUMBER_OF_PRACTICE_PUZZLES", "", 25},           {"NUMBER_OF_PUZZLES_SOLVED_IN", "Reef", 31},
      {"NUMBER_OF_HINTS_TAKEN_IN", "Reef", 32},         {"NUMBER_OF_ERRORS_MADE_IN", "Reef", 33},
      {"NUMBER_OF_PUZZLES_SOLVED_IN", "Dune", 41},      {"NUMBER_OF_HINTS_TAKEN_IN", "Dune", 42},
      {"NUMBER_OF_ERRORS_MADE_IN", "Dune", 43},         {"NUMBER_OF_PUZZLES_SOLVED_IN", "", 0},
      {"NUMBER_OF_HINTS_TAKEN_IN", "", 0},              {"NUMBER_OF_ERRORS_MADE_IN", "", 0},
      {"NUMBER_OF_HINTS_TAKEN_IN", "Lagoon", 0},        {"number_of_puzzles_solved", "", 0},
      {"NUMBER_OF_PUZZLES_SOLVED_I", "Reef", 0},        {"PUZZLE_SOLVING_TIME", "", 0.5f},
      {"FLOAT_CONSTANT_1", "", 1},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.name) + " in \"" + test.location + "\"");
    EXPECT_EQ(FloatStat(record, test.name, test.location), test.value);
    const bool isCounter = std::string(test.name).rfind("NUMBER_OF_", 0) == 0;
    EXPECT_EQ(IntegerStat(record, test.name, test.location), isCounter ? static_cast<int32_t>(test.value) : 0);
  }
  const PlayerAchievements::LocationTable withLagoon = {{"Dune", 42}, {"Lagoon", 0}, {"Reef", 32}};
  EXPECT_EQ(record.hintsTakenPerLocation, withLagoon);
  EXPECT_EQ(record.puzzlesSolvedPerLocation, (PlayerAchievements::LocationTable{{"Dune", 41}, {"Reef", 31}}));
  EXPECT_EQ(record.errorsMadePerLocation, (PlayerAchievements::LocationTable{{"Dune", 43}, {"Reef", 33}}));
}

// A record with every stored field at a value of its own, at the given
// version, with or without the board-kind counts.
std::string FullRecordBytes(int version, bool withBoardKinds) {
  record_test::ByteWriter record;
  record.Marker().Int8(version).String("Able Seaman").Int32(int32_t(0x80000005u)).Int32(123456).Int32(7001);
  record.Float(5400.5f).Int8(11).Int8(3).Int16(300).Int16(120);
  record.Int16(101).Int16(102).Int16(103).Int16(104).Int16(105).Int16(106);
  record.Int8(7).Int8(2).Int16(17).Int32(90210).Bool(true);
  record.Int16(201).Int16(202).Int16(203).Int16(204).Int32(33).Int32(44).Int8(5).Int8(4);
  if (withBoardKinds) record.Int16(21).Int16(22);
  record.Int8(2).String("Beginnings").Int32(30).String("Reef Point").Int32(12);
  record.Int8(1).String("Beginnings").Int32(9);
  record.Int8(0);
  return record.bytes;
}

PlayerAchievements ReadFrom(const std::string& bytes, PlayerAchievements record = {}) {
  record_test::ServedStream stream(bytes);
  record.Read(*stream);
  return record;
}

// Distinct values in every field: a field read or written in the wrong place
// or width changes the bytes written back. Version 8 and every later one
// hold the board-kind counts.
TEST(PlayerAchievementsTest, AFullRecordReadsAndWritesBackTheSameBytes) {
  testsupport::SilentConsole console;
  const std::string bytes = FullRecordBytes(9, true);
  for (const int version : {8, 9, 12}) {
    EXPECT_EQ(record_test::WriteRecord(ReadFrom(FullRecordBytes(version, true)), RESOURCE_STREAM_FORMAT_BINARY), bytes)
        << version;
  }
}

// Version 7 records predate the hidden-cage and double-board counts.
TEST(PlayerAchievementsTest, AnOlderRecordKeepsTheCountsItLacksAndMergesTheTables) {
  testsupport::SilentConsole console;
  PlayerAchievements record;
  record.hiddenCagePuzzles = 8;
  record.doubleBoardPuzzles = 9;
  record.puzzlesSolvedPerLocation = {{"Beginnings", 1}, {"Lagoon", 2}};
  record.errorsMadePerLocation = {{"Lagoon", 3}};
  record = ReadFrom(FullRecordBytes(7, false), record);
  EXPECT_EQ(std::make_tuple(record.hiddenCagePuzzles, record.doubleBoardPuzzles, int{record.tutorialCompletions}),
            std::make_tuple(int16_t{8}, int16_t{9}, 4));
  EXPECT_EQ(record.puzzlesSolvedPerLocation,
            (PlayerAchievements::LocationTable{{"Beginnings", 30}, {"Lagoon", 2}, {"Reef Point", 12}}));
  EXPECT_EQ(record.errorsMadePerLocation, (PlayerAchievements::LocationTable{{"Lagoon", 3}}));
}

TEST(PlayerAchievementsTest, EveryTruncationThrowsAndLeavesTheRecordAsItWas) {
  testsupport::SilentConsole console;
  const std::string binary = FullRecordBytes(9, true);
  PlayerAchievements record = ReadFrom(binary);
  // A text record ends at its closing brace; only what follows it may go.
  const std::string text = record_test::WriteRecord(PlayerAchievements(), RESOURCE_STREAM_FORMAT_TEXT);
  for (const auto& [whole, end] : {std::make_pair(binary, binary.size()), std::make_pair(text, text.rfind('}') + 1)}) {
    for (size_t length = 0; length < end; ++length) {
      record_test::ServedStream stream(whole.substr(0, length));
      EXPECT_THROW(record.Read(*stream), UlvoException) << length;
    }
  }
  EXPECT_EQ(binary, record_test::WriteRecord(record, RESOURCE_STREAM_FORMAT_BINARY));
}

// The count is one signed byte: a larger table would wrap it and scramble
// everything stored after it.
TEST(PlayerAchievementsTest, ATableBeyondItsCountKeepsItsFirstEntriesAndTheFileStaysReadable) {
  testsupport::SilentConsole console;
  PlayerAchievements record;
  for (int i = 0; i < 130; ++i) record.hintsTakenPerLocation[Stringf("Location %03d", i)] = i;
  record.errorsMadePerLocation["Lagoon"] = 6;
  const PlayerAchievements read = ReadFrom(record_test::WriteRecord(record, RESOURCE_STREAM_FORMAT_BINARY));
  ASSERT_EQ(read.hintsTakenPerLocation.size(), 127u);
  EXPECT_EQ(read.hintsTakenPerLocation.rbegin()->first, "Location 126");
  EXPECT_EQ(read.errorsMadePerLocation, (PlayerAchievements::LocationTable{{"Lagoon", 6}}));
}

// Larger than any buffer a reader might start with.
std::string ProfileSizedBytes() {
  std::string bytes(48 * 1024, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131) ^ (i >> 8));
  return bytes;
}

class SteamInterfaceTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (steam.IsInitialized()) steam.Shutdown();
    testsupport::ForgetPlayerStorageHooks();
  }
  std::string StoredFile(const std::string& name) const {
    return userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/storage/" + name);
  }
  int32_t Read(const std::string& name, std::unique_ptr<unsigned char[]>& buffer) {
    return playerStorageReadHook(UlvoPath(PATH_MARKER_PLAYER_STORAGE, name), buffer);
  }

  testsupport::RecordingConsole console;
  testsupport::TemporaryFolder userData;
  platform_test::ScopedEnvironment xdg{"XDG_DATA_HOME", userData.Path().c_str()};
  Clock gameClock;
  SteamInterface steam;
};

// Whole files in and out, a missing file told from an unreadable one (the
// buffer left alone), and nothing once the service has stopped.
TEST_F(SteamInterfaceTest, PlayerStorageKeepsWholeFilesAndTellsMissingFromUnreadable) {
  steam.Startup(&gameClock);
  ASSERT_TRUE(ArePlayerStorageHooksInstalled());
  const std::string bytes = ProfileSizedBytes();
  const UlvoPath profile(PATH_MARKER_PLAYER_STORAGE, "Profiles/steamuser.playerProfile");
  // The byte count, as for a local file: a save is never taken for a failure.
  EXPECT_EQ(WriteWholeFile(reinterpret_cast<const unsigned char*>(bytes.data()), profile, static_cast<int32_t>(bytes.size())),
            static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(ReadText(StoredFile("Profiles_steamuser.playerProfile")), bytes);
  std::unique_ptr<unsigned char[]> buffer;
  ASSERT_EQ(ReadWholeFile(profile, buffer), static_cast<int32_t>(bytes.size()));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.get()), bytes.size()), bytes);

  // A link to itself cannot be read even by root, which no file mode stops.
  ASSERT_EQ(symlink("loop", StoredFile("loop").c_str()), 0);
  unsigned char* const before = buffer.get();
  EXPECT_EQ(Read("absent", buffer), WHOLE_FILE_MISSING);
  EXPECT_EQ(Read("loop", buffer), WHOLE_FILE_UNREADABLE);
  EXPECT_EQ(buffer.get(), before);

  // Once the service stops, the hooks stay and answer as unavailable.
  steam.Shutdown();
  ASSERT_TRUE(ArePlayerStorageHooksInstalled());
  EXPECT_EQ(ReadWholeFile(profile, buffer), -1);
  EXPECT_EQ(playerStorageWriteHook(profile, buffer.get(), 1, nullptr), 0);
  EXPECT_EQ(ReadText(StoredFile("Profiles_steamuser.playerProfile")), bytes);
}

TEST_F(SteamInterfaceTest, WithoutTheServicePlayerStorageStaysLocal) {
  ASSERT_TRUE(platform::WriteFileAtomically(userData.File("not-a-folder"), "x", 1));
  platform_test::ScopedEnvironment brokenUserData("XDG_DATA_HOME", userData.File("not-a-folder").c_str());
  SteamInterface offline;
  offline.Startup(&gameClock);
  EXPECT_FALSE(ArePlayerStorageHooksInstalled());
  offline.Update();
  offline.Shutdown();
}

// Each damaged file is an error line of its own in the log.
TEST_F(SteamInterfaceTest, EveryStatisticsFileThatFailsToLoadIsLoggedAsAnError) {
  const std::string service = userData.File(SteamInterface::DEFAULT_SERVICE_FOLDER);
  ASSERT_TRUE(platform::CreateFolderRecursive(service));
  for (const char* name : {"/stats.txt", "/leaderboards.txt"}) {
    ASSERT_TRUE(platform::WriteFileAtomically(service + name, "not\ta line\n", 11));
  }
  steam.Startup(&gameClock);
  std::istringstream log(console.Text());
  int errors = 0;
  for (std::string line; std::getline(log, line);) {
    if (line.find("malformed") != std::string::npos) {
      EXPECT_EQ(line.rfind("ERROR: ", 0), 0u) << line;
      ++errors;
    }
  }
  EXPECT_EQ(errors, 2);
}

TEST_F(SteamInterfaceTest, PlayerFilesOfAnOfflineRunMoveIntoRemoteStorageOnce) {
  file_test::FakeApplication application(userData.File("Pemberquill/"));
  ASSERT_TRUE(platform::CreateFolderRecursive(userData.File("Pemberquill")));
  const auto local = [this](const std::string& name) { return userData.File("Pemberquill/" + name); };
  const std::string profile = ProfileSizedBytes();
  const std::pair<std::string, std::string> files[] = {{"steamuser.playerProfile", profile},
                                                       {"steamuser.pqoptions", "options"},
                                                       {"steamuser.pqoptions.malformed2", "kept"}};
  for (const auto& [name, text] : files) ASSERT_TRUE(platform::WriteFileAtomically(local(name), text.data(), text.size()));
  ASSERT_TRUE(platform::WriteFileAtomically(local("application.log"), "log", 3));

  steam.Startup(&gameClock);
  for (const auto& [name, text] : files) {
    EXPECT_EQ(ReadText(StoredFile(name)), text) << name;
    EXPECT_FALSE(platform::IsRegularFile(local(name))) << name;
  }
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

// Beyond a 32-bit count (a sparse file, nothing of it read): the storage
// cannot take it whole, so it stays where it is.
TEST_F(SteamInterfaceTest, AnOldPlayerFileTooLargeForStorageStaysWhereItIs) {
  file_test::FakeApplication application(userData.File("Pemberquill/"));
  ASSERT_TRUE(platform::CreateFolderRecursive(userData.File("Pemberquill")));
  const std::string local = userData.File("Pemberquill/steamuser.playerProfile");
  const std::uintmax_t size = (std::uintmax_t{1} << 32) + 10;
  ASSERT_TRUE(platform::WriteFileAtomically(local, "profile", 7));
  std::filesystem::resize_file(local, size);
  steam.Startup(&gameClock);
  EXPECT_EQ(std::filesystem::file_size(local), size);
  EXPECT_FALSE(std::filesystem::exists(StoredFile("steamuser.playerProfile")));
  EXPECT_NE(console.Text().find("stays in the user-data folder"), std::string::npos);
}

TEST_F(SteamInterfaceTest, TheHighScoreBoardKeepsTheHighestScore) {
  steam.Startup(&gameClock);
  Pemberquill::PlayerAchievements record;
  record.highScore = 900;
  // Not found yet: nothing goes out.
  steam.GetLeaderboards().UploadScore(record);
  steam.Update();
  ASSERT_NE(steam.GetLeaderboards().GetLeaderboard(), 0u);
  const std::string board = userData.File(std::string(SteamInterface::DEFAULT_SERVICE_FOLDER) + "/leaderboards.txt");
  EXPECT_FALSE(platform::IsRegularFile(board));
  const std::pair<int32_t, int32_t> uploadedAndKept[] = {{500, 500}, {300, 500}, {500, 500}, {700, 700}, {-5, 700}};
  for (const auto& [uploaded, kept] : uploadedAndKept) {
    record.highScore = uploaded;
    steam.GetLeaderboards().UploadScore(record);
    steam.Update();
    EXPECT_EQ(ReadText(board), "score\t" + std::to_string(kept) + "\tHigh Score\n") << uploaded;
  }
}

}  // namespace
