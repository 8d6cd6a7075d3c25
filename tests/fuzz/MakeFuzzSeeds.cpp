// Writes the fuzzers' seed files, each made by the game's own writer, into
// tests/fuzz/corpus/<target>/ below the folder given (the project's root).
// Run again after a record's format changes; the same build writes the same
// bytes.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/puzzle/RecipeBook.h"
#include "game/campaign/CampaignData.h"
#include "game/campaign/CampaignProgress.h"
#include "game/options/PemberquillOptions.h"
#include "game/player/PlayerProfile.h"
#include "game/steam/PlayerAchievements.h"
#include "platform/steam/UserStatsStore.h"
#include "tests/engine/modules/application/CursorPngSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ServedPlayerFile.h"
#include "tests/support/SilentConsole.h"

using namespace Pemberquill;
namespace fs = std::filesystem;

namespace {

fs::path g_corpus;

void Save(const std::string& target, const std::string& name, const std::vector<uint8_t>& bytes) {
  const fs::path folder = g_corpus / target;
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Written(ResourceStreamFormat format,
                             const std::function<void(ResourceStream&)>& write) {
  ResourceStream stream(format, 256);
  write(stream);
  return std::vector<uint8_t>(stream.GetData(), stream.GetData() + stream.GetSize());
}

// The record in commented text and in binary.
void SaveBothEncodings(const std::string& target,
                       const std::function<void(ResourceStream&)>& write) {
  Save(target, "text", Written(RESOURCE_STREAM_FORMAT_TEXT, write));
  Save(target, "binary", Written(RESOURCE_STREAM_FORMAT_BINARY, write));
}

PuzzleRequest SmallRequest() { return PuzzleRequest(4, 1, 1, 0, 0, 0, SOLVABILITY_SOLVABLE); }

std::vector<PuzzleDescriptor> SmallDescriptors(int count) {
  std::vector<PuzzleDescriptor> descriptors;
  for (int seed = 1; seed <= count; ++seed) {
    PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(SmallRequest());
    descriptor.SetSeed(seed);
    descriptors.push_back(descriptor);
  }
  return descriptors;
}

PlayerAchievements SomeAchievements() {
  PlayerAchievements achievements;
  achievements.rank = "Apprentice";
  achievements.SetAchievement(3);
  achievements.highScore = 1234;
  achievements.totalSolvingTime = 95.5f;
  achievements.puzzlesSolved = 7;
  achievements.puzzlesSolvedPerLocation["Harbour Steps"] = 4;
  achievements.hintsTakenPerLocation["Harbour Steps"] = 1;
  return achievements;
}

void WriteRecordSeeds(PuzzleChef& chef, Clock& clock) {
  {
    PlayerProfile profile("seed");
    profile.GetGameMechanicsKnown().AddMechanic(2);
    profile.GetAchievements() = SomeAchievements();
    SaveBothEncodings("fuzz_player_profile", [&](ResourceStream& s) { profile.Write(s); });
  }
  const PlayerAchievements achievements = SomeAchievements();
  SaveBothEncodings("fuzz_achievements", [&](ResourceStream& s) { achievements.Write(s); });

  CampaignData campaign;
  campaign.campaignName = "Seed Campaign";
  campaign.startNodeName = "Harbour Steps";
  campaign.nodes.emplace_back();
  campaign.regions.emplace_back();
  SaveBothEncodings("fuzz_campaign_data", [&](ResourceStream& s) { campaign.Write(s); });

  CampaignProgress campaignProgress;
  campaignProgress.SetHighestRank("Apprentice");
  campaignProgress.SetBadges({"Ocean"});
  SaveBothEncodings("fuzz_campaign_progress", [&](ResourceStream& s) { campaignProgress.Write(s); });

  PuzzleSetDescriptor set;
  set.name = "Seed Set";
  set.setID = "seed-set";
  set.request = SmallRequest();
  set.descriptors = SmallDescriptors(2);
  SaveBothEncodings("fuzz_puzzle_set", [&](ResourceStream& s) { set.Write(s); });

  std::vector<std::unique_ptr<Puzzle>> puzzles;
  for (const PuzzleDescriptor& descriptor : SmallDescriptors(2)) {
    puzzles.push_back(chef.CreatePuzzleFromDescriptor(descriptor, &clock, true));
  }
  PuzzleSetProgress setProgress("seed-set");
  setProgress.Load(puzzles);
  setProgress.GetPuzzleProgresses()[0]->SetState(2);
  setProgress.GetPuzzleProgresses()[0]->AttachToBoards(puzzles[0]->GetBoards());
  setProgress.GetPuzzleProgresses()[1]->SetState(3);
  SaveBothEncodings("fuzz_puzzle_set_progress", [&](ResourceStream& s) { setProgress.Write(s); });

  // Recipe books ship in the compact text form.
  Save("fuzz_recipe_book", "compact",
       Written(RESOURCE_STREAM_FORMAT_TEXT_COMPACT, [&](ResourceStream& s) {
         WriteRecipeBook(s, SmallRequest(), SmallDescriptors(5));
       }));
}

void WriteOptionsSeed() {
  const testsupport::ServedPlayerFile served({});
  PemberquillOptions options;
  options.LoadOptions("seed");
  options.SaveOptions();
  Save("fuzz_options", "text", served.GetLastWrite());
}

void WriteStatsSeed() {
  const fs::path file = fs::temp_directory_path() / "pq-seed-stats.txt";
  platform::UserStatsStore store(file.string());
  store.SetStat("PuzzlesSolved", 42);
  store.SetStat("AverageSpeed", 1.25f);
  store.SetAchievement("FirstPuzzle", true);
  store.SubmitBestScore("High Score", 900, false);
  store.Store();
  Save("fuzz_stats_store", "stats", testsupport::ReadFileBytes(file.string()));
  fs::remove(file);
}

void WriteOtherSeeds(const fs::path& root) {
  Save("fuzz_font_definition", "MainFont_EN",
       testsupport::ReadFileBytes((root / "Data/Locale/Fonts/MainFont_EN.FontDef").string()));
  Save("fuzz_cursor", "cursor", modules_test::CursorPng(8, 8, "3,4"));
  Save("fuzz_animated_texture", "text", Written(RESOURCE_STREAM_FORMAT_TEXT, [](ResourceStream& s) {
         s.WriteBlockBegin();
         s.WriteInt32(1);
         s.WriteString("Sparkle", "Name");
         s.WriteString("Animations/Sparkle", "Frame folder");
         s.WriteString("*.png", "Frame pattern");
         s.WriteInt32(0);
         s.WriteBool(false, "Load the frame folder");
         s.WriteFloat(12.0f, "Frames per second");
         s.WriteInt32(1);
         s.WriteInt32(1);
         s.WriteInt32(0, "Tiled");
         s.WriteInt32(1, "Listed frames");
         s.WriteString("Animations/Sparkle/00.png");
         s.WriteBlockEnd();
       }));
  // The first byte picks the file: even for the achievements.
  for (const auto& [file, pick] : {std::pair<const char*, uint8_t>{"Achievements.pqdf", 0},
                                   std::pair<const char*, uint8_t>{"Stats.pqdf", 1}}) {
    std::vector<uint8_t> bytes = {pick};
    const std::vector<uint8_t> content = testsupport::ReadFileBytes((root / "Data" / file).string());
    bytes.insert(bytes.end(), content.begin(), content.end());
    Save("fuzz_definitions", file, bytes);
  }
  Save("fuzz_credits", "Credits.pqdf", testsupport::ReadFileBytes((root / "Data/Credits.pqdf").string()));
  // (name, place, length, bytes): a profile in the user-data folder, options
  // in both places, a kept-aside copy too large to store.
  // Per profile (state, length, text): own present, one damaged, one
  // absent, one unreadable, one present; then the new player's name.
  Save("fuzz_profile_manager", "profiles",
       {1, 3, 'A', 'n', 'n', 2, 4, 'd', 'a', 'm', 'g', 0, 0, 3, 1, 'u', 1, 3, 'B', 'o', 'b', 3, 'C', 'i', 'd'});
  Save("fuzz_player_file_move", "files",
       {0, 1, 4, 'p', 'r', 'o', 'f', 2, 3, 2, 'o', 'p', 3, 5, 1, 'm'});
  const std::pair<const char*, const char*> commandLines[] = {
      {"windowed-size", "-windowed 800 500"}, {"windowed-width", "-windowed 1200"},
      {"fullscreen", "-fullscreen"}};
  for (const auto& [name, line] : commandLines) {
    // A 1920 x 1200 desktop: 640 + 1280 and 400 + 800.
    std::vector<uint8_t> bytes = {0x00, 0x05, 0x20, 0x03};
    bytes.insert(bytes.end(), line, line + std::strlen(line));
    Save("fuzz_command_line", name, bytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <project root>\n", argv[0]);
    return 2;
  }
  static testsupport::SilentConsole console;
  static UlvoEventSystem events;
  const fs::path root = argv[1];
  g_corpus = root / "tests/fuzz/corpus";
  Clock clock;
  PuzzleChef chef;
  chef.Startup(&clock);
  WriteRecordSeeds(chef, clock);
  WriteOptionsSeed();
  WriteStatsSeed();
  WriteOtherSeeds(root);
  return 0;
}
