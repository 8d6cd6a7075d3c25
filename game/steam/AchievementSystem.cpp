#include "game/steam/AchievementSystem.h"

#include <limits>
#include <utility>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/GameSounds.h"
#include "game/common/ShippedDataFile.h"
#include "game/steam/AchievementStats.h"
#include "game/steam/PlayerAchievements.h"
#include "game/steam/SteamInterface.h"

namespace Pemberquill {

namespace {

const char* const PLAY_NEXT_PUZZLE_EVENT = "PlayNextCampaignPuzzleEvent";
const char* const QUIT_PUZZLE_EVENT = "QuitCampaignPuzzleEvent";
const char* const QUIT_LOCATION_EVENT = "QuitCampaignNodeEvent";
const char* const QUIT_REGION_EVENT = "QuitCampaignRegionEvent";

const Rgba HEADING_COLOR(255, 255, 0, 255);
const Rgba NAME_COLOR(235, 200, 220, 255);
const Rgba BODY_COLOR(255, 255, 255, 255);
constexpr float HEADING_SIZE = 24.0f;
constexpr float NAME_SIZE = 40.0f;
constexpr float BODY_SIZE = 24.0f;

TextLines Heading(const std::string& text) {
  return TextLines(text, HEADING_COLOR, nullptr, HEADING_SIZE);
}
TextLines Name(const std::string& text) { return TextLines(text, NAME_COLOR, nullptr, NAME_SIZE); }
TextLines Body(const std::string& text) { return TextLines(text, BODY_COLOR, nullptr, BODY_SIZE); }

// The narrow counters stop at the largest value their stored width holds.
template <typename Counter>
void Increment(Counter& counter) {
  if (counter < std::numeric_limits<Counter>::max()) {
    ++counter;
  }
}

void CountRegionPuzzle(PlayerAchievements& record, const std::string& region) {
  struct RegionCounter {
    const char* name;
    int16_t PlayerAchievements::*counter;
  };
  static const RegionCounter REGIONS[] = {
      {"Ocean", &PlayerAchievements::oceanPuzzles},
      {"Canyon", &PlayerAchievements::canyonPuzzles},
      {"Forest", &PlayerAchievements::forestPuzzles},
      {"Mountain", &PlayerAchievements::mountainPuzzles},
      {"Sky", &PlayerAchievements::skyPuzzles},
      {"Beyond", &PlayerAchievements::beyondPuzzles},
  };
  for (const RegionCounter& entry : REGIONS) {
    if (region == entry.name) {
      Increment(record.*entry.counter);
      return;
    }
  }
}

void CountDifficultyPage(PlayerAchievements& record, int32_t page) {
  switch (page) {
    case 0:
      Increment(record.practicePuzzles);
      break;
    case 2:
      Increment(record.easyPuzzles);
      break;
    case 3:
      Increment(record.mediumPuzzles);
      break;
    case 4:
      Increment(record.hardPuzzles);
      break;
    default:
      break;
  }
}

void CountSolvedPuzzle(PlayerAchievements& record, const CampaignAccomplishments& result) {
  Increment(record.puzzlesSolved);
  record.highScore += result.reward;
  record.totalSteps += result.steps;
  record.totalSolvingTime += result.playTime;
  record.lastSolvingTime = result.playTime / 3600.0f;
  Increment(record.puzzlesSolvedPerLocation[result.locationName]);
  CountDifficultyPage(record, result.difficultyPage);
  if (!record.hasMadeAMistake) {
    Increment(record.noMistakeCount);
  }
  // The next puzzle starts its streak afresh.
  record.hasMadeAMistake = false;
  if (result.boardAttribute) {
    Increment(record.hiddenCagePuzzles);
  }
  if (result.severalBoards) {
    Increment(record.doubleBoardPuzzles);
  }
  if (result.locationCompleted) {
    Increment(record.locationsCompleted);
  }
  if (result.regionCompleted) {
    Increment(record.regionsCompleted);
  }
  CountRegionPuzzle(record, result.regionName);
  if (result.stepsOverPar < 0) {
    Increment(record.puzzlesUnderPar);
  }
}

}  // namespace

AchievementSystem::AchievementSystem(SteamInterface& steam) : m_steam(steam) {}

AchievementSystem::~AchievementSystem() {
  m_eventAfterDialog.clear();
  m_statistics.clear();
  m_definitions.clear();
}

AchievementSystem g_achievementSystem(GetSteamInterface());

AchievementSystem& GetAchievementSystem() { return g_achievementSystem; }

void AchievementSystem::Startup(Clock* parentClock) {
  ConsolePrintf("AchievementSystem Startup started.");
  m_clock = std::make_unique<Clock>(parentClock);
  LoadDefinitions();
  RegisterEventHandlers();
  m_isInitialized = true;
  ConsolePrintf("AchievementSystem Startup completed.");
}

void AchievementSystem::Shutdown() {
  ConsolePrintf("AchievementSystem Shutdown started.");
  if (UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal()) {
    eventSystem->UnregisterRecipient(this);
  }
  m_isInitialized = false;
  ConsolePrintf("AchievementSystem Shutodwn completed.");
}

void AchievementSystem::LoadDefinitions() {
  const char* const title = "AchievementSystem::LoadDefinitions";
  ReadShippedDataFile(ACHIEVEMENTS_FILE, title,
                      [this](ResourceStream& stream) { m_definitions = ReadAchievementDefinitions(stream); });
  // The record keeps the earned ones in 32 bits.
  if (m_definitions.size() > NUM_ACHIEVEMENT_BITS) {
    ConsolePrintf("WARNING: \"%s\" defines %d achievements; only the first %d are used.\n",
                  ACHIEVEMENTS_FILE, static_cast<int>(m_definitions.size()), NUM_ACHIEVEMENT_BITS);
    m_definitions.resize(NUM_ACHIEVEMENT_BITS);
  }
  LoadImages();
  ReadShippedDataFile(STATS_FILE, title,
                      [this](ResourceStream& stream) { m_statistics = ReadStatDefinitions(stream); });
}

void AchievementSystem::LoadImages() {
  if (m_screens == nullptr) {
    return;
  }
  for (AchievementDefinition& definition : m_definitions) {
    definition.unachievedImage = m_screens->LoadTexture(definition.GetUnachievedImagePath());
    definition.achievedImage = m_screens->LoadTexture(definition.GetAchievedImagePath());
  }
}

void AchievementSystem::SetScreens(AchievementScreens* screens) {
  if (screens != m_screens) {
    for (AchievementDefinition& definition : m_definitions) {
      definition.unachievedImage = nullptr;
      definition.achievedImage = nullptr;
    }
  }
  m_screens = screens;
}

void AchievementSystem::RegisterEventHandlers() {
  struct Subscription {
    const char* eventName;
    void (AchievementSystem::*handler)(NamedProperties&);
  };
  static const Subscription SUBSCRIPTIONS[] = {
      {DIALOG_CLOSE_EVENT, &AchievementSystem::Event_OnAchievementDialogClose},
      {"ShowAchievementsEvent", &AchievementSystem::Event_OnShowAchievements},
      {"QuitAchievementsEvent", &AchievementSystem::Event_OnQuitAchievements},
      {"StartNewPuzzleEvent", &AchievementSystem::Event_OnStartNewPuzzle},
      {"CandidateEliminatedEvent", &AchievementSystem::Event_OnCandidateEliminated},
      {"HasMadeAMistakeEvent", &AchievementSystem::Event_OnHasMadeAMistake},
      {"HasTakenAHintEvent", &AchievementSystem::Event_OnHasTakenAHint},
      {"HasStartedTutorialEvent", &AchievementSystem::Event_OnHasStartedTutorial},
      {"HasCompletedTutorialEvent", &AchievementSystem::Event_OnHasCompletedTutorial},
  };
  UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
  for (const Subscription& subscription : SUBSCRIPTIONS) {
    RegisterEventHandler(subscription.eventName, eventSystem, subscription.handler, this);
  }
}

PlayerAchievements* AchievementSystem::GetCurrentRecord() const {
  return m_context != nullptr ? m_context->GetCurrentRecord() : nullptr;
}

std::string AchievementSystem::GetActiveLocationName() const {
  return m_context != nullptr ? m_context->GetActiveLocationName() : std::string();
}

std::vector<std::string> AchievementSystem::GetRequiredLocationNames() const {
  return m_context != nullptr ? m_context->GetRequiredLocationNames() : std::vector<std::string>();
}

// ------------------------------------------------------------ campaign results

void AchievementSystem::OnCampaignPuzzleFinished(const CampaignAccomplishments& result) {
  PlayerAchievements* record = GetCurrentRecord();
  if (record == nullptr) {
    return;
  }
  if (result.flags & ACCOMPLISHED_RANK_PROGRESS_ONLY) {
    // Only the score: a result whose dialogs are still to show stays pending.
    record->highScore = result.reward;
    return;
  }
  m_pendingResult = std::make_unique<CampaignAccomplishments>(result);
  CampaignAccomplishments& pending = *m_pendingResult;
  std::string followUp = PLAY_NEXT_PUZZLE_EVENT;
  if (pending.flags & ACCOMPLISHED_PUZZLE_SOLVED) {
    pending.flags &= ~ACCOMPLISHED_PUZZLE_SOLVED;
    CountSolvedPuzzle(*record, result);
  }
  if (pending.flags & ACCOMPLISHED_RANK_EARNED) {
    record->rank = result.rankName;
    followUp = QUIT_PUZZLE_EVENT;
  }
  if (pending.flags & ACCOMPLISHED_NODE_SATISFIED) {
    followUp = QUIT_PUZZLE_EVENT;
  }
  if (pending.flags & ACCOMPLISHED_NODE_UNLOCKED) {
    Increment(record->locationsUnlocked);
  }
  if (pending.flags & ACCOMPLISHED_REGION_UNLOCKED) {
    Increment(record->regionsUnlocked);
  }

  const std::vector<AchievementDefinition> earned = CheckAchievements(*record, result.locationName);
  if (earned.empty()) {
    FireGlobalEvent(followUp);
  } else {
    if (m_steam.IsSteamAvailable()) {
      m_steam.GetStatsAndAchievements().SetAchievements(earned);
    }
    ShowAchievementDialog(earned, followUp);
  }
  UpdateStats(*record, result.locationName);
}

std::vector<AchievementDefinition> AchievementSystem::CheckAchievements(
    PlayerAchievements& record, const std::string& location) {
  std::vector<AchievementDefinition> earned;
  for (const AchievementDefinition& definition : m_definitions) {
    if (record.HasAchievement(definition.bitIndex)) {
      continue;
    }
    if (IntegerStat(record, definition.statName, location) >= definition.threshold) {
      record.SetAchievement(definition.bitIndex);
      earned.push_back(definition);
    }
  }
  return earned;
}

void AchievementSystem::UpdateStats(PlayerAchievements& record, const std::string& location) {
  for (StatDefinition& stat : m_statistics) {
    if (stat.isPerLocation) {
      stat.currentLocation = location;
    }
    switch (stat.type) {
      case STAT_TYPE_INTEGER:
        stat.integerValue = IntegerStat(record, stat.steamName, stat.currentLocation);
        break;
      case STAT_TYPE_FLOAT:
        stat.floatValue = FloatStat(record, stat.steamName, stat.currentLocation);
        break;
      case STAT_TYPE_AVERAGE_RATE:
        stat.rateCount = FloatStat(record, stat.countName, stat.currentLocation);
        stat.rateDuration = FloatStat(record, stat.lengthName, stat.currentLocation);
        break;
      default:
        break;
    }
  }
  if (m_steam.IsSteamAvailable()) {
    m_steam.GetStatsAndAchievements().SetStatValues(m_statistics);
  }
}

// ------------------------------------------------------------ dialogs

void AchievementSystem::ShowUnlockDialogs() {
  if (!m_pendingResult || m_isDialogShowing) {
    return;
  }
  std::string eventAfterDialog;
  const std::vector<TextLines> lines = TakeNextUnlockDialogLines(eventAfterDialog);
  if (lines.empty()) {
    return;
  }
  PlaySound(SOUND_ACHIEVEMENT_CONTENT_UNLOCKED);
  ShowInformationDialog(lines, eventAfterDialog);
}

// A new rank shares its dialog with the first of the other news; the rest
// follow one dialog each.
std::vector<TextLines> AchievementSystem::TakeNextUnlockDialogLines(std::string& eventAfterDialog) {
  CampaignAccomplishments& pending = *m_pendingResult;
  std::vector<TextLines> lines;
  if (pending.flags & ACCOMPLISHED_RANK_EARNED) {
    pending.flags &= ~ACCOMPLISHED_RANK_EARNED;
    lines.push_back(Heading("New Rank!"));
    lines.push_back(Name(pending.rankName));
    lines.push_back(Body(""));
    if (pending.flags & ACCOMPLISHED_NODE_UNLOCKED) {
      eventAfterDialog = QUIT_LOCATION_EVENT;
    }
  }
  if (pending.flags & ACCOMPLISHED_NODE_SATISFIED) {
    pending.flags &= ~ACCOMPLISHED_NODE_SATISFIED;
    lines.push_back(Body(""));
    lines.push_back(Heading("Puzzles Unlocked!"));
    lines.push_back(
        Body(Stringf("You've unlocked an additional %d puzzles!", pending.locationCountAfterSatisfaction)));
    lines.push_back(
        Body(Stringf("You can return to %s anytime to play", pending.locationName.c_str())));
    lines.push_back(Body("more Easy, Medium, or Hard puzzles of this type."));
    if (pending.flags & ACCOMPLISHED_NODE_UNLOCKED) {
      eventAfterDialog = QUIT_LOCATION_EVENT;
    }
  } else if (pending.flags & ACCOMPLISHED_NODE_UNLOCKED) {
    pending.flags &= ~ACCOMPLISHED_NODE_UNLOCKED;
    lines.push_back(Heading("New Location:"));
    lines.push_back(Name(pending.unlockedLocationName));
    lines.push_back(Body(""));
    lines.push_back(
        Body(Stringf("You have unlocked the new location %s.", pending.unlockedLocationName.c_str())));
    lines.push_back(Body("This new location has new types of puzzles to play."));
    if (pending.flags & ACCOMPLISHED_REGION_UNLOCKED) {
      eventAfterDialog = QUIT_REGION_EVENT;
    }
  } else if (pending.flags & ACCOMPLISHED_REGION_UNLOCKED) {
    lines.push_back(Body(""));
    lines.push_back(Heading("New Region:"));
    lines.push_back(Name(pending.unlockedRegionName));
    lines.push_back(Body(""));
    lines.push_back(
        Body(Stringf("You have unlocked a new region, %s.", pending.unlockedRegionName.c_str())));
    lines.push_back(Body("This new region has bigger puzzles!"));
    eventAfterDialog.clear();
    m_pendingResult.reset();
  }
  return lines;
}

void AchievementSystem::ShowInformationDialog(const std::vector<TextLines>& lines,
                                              const std::string& eventAfterDialog) {
  m_eventAfterDialog = eventAfterDialog;
  if (m_screens == nullptr) {
    FireEventAfterDialog();
    return;
  }
  m_screens->ShowInformationDialog(lines, DIALOG_CLOSE_EVENT, "OK");
  m_isDialogShowing = true;
}

void AchievementSystem::ShowAchievementDialog(const std::vector<AchievementDefinition>& earned,
                                              const std::string& eventAfterDialog) {
  m_eventAfterDialog = eventAfterDialog;
  if (m_screens == nullptr) {
    FireEventAfterDialog();
    return;
  }
  m_screens->ShowAchievementDialog(earned, DIALOG_CLOSE_EVENT);
  m_isDialogShowing = true;
}

void AchievementSystem::FireEventAfterDialog() {
  if (m_eventAfterDialog.empty()) {
    return;
  }
  // Taken first: the event's handlers may well open the next dialog.
  const std::string eventName = std::move(m_eventAfterDialog);
  m_eventAfterDialog.clear();
  FireGlobalEvent(eventName);
}

// ------------------------------------------------------------ events

void AchievementSystem::Event_OnAchievementDialogClose(NamedProperties& /*args*/) {
  if (m_screens != nullptr) {
    m_screens->CloseDialogs();
  }
  m_isDialogShowing = false;
  FireEventAfterDialog();
}

void AchievementSystem::Event_OnShowAchievements(NamedProperties& /*args*/) {
  PlayerAchievements* record = GetCurrentRecord();
  if (record != nullptr && m_screens != nullptr) {
    m_screens->ShowAchievementsWindow(*record, m_definitions);
  }
}

void AchievementSystem::Event_OnQuitAchievements(NamedProperties& /*args*/) {
  if (GetCurrentRecord() == nullptr) {
    return;
  }
  if (m_screens != nullptr) {
    m_screens->CloseAchievementsWindow();
  }
  FireGlobalEvent("PlayCampaignEvent");
}

void AchievementSystem::Event_OnStartNewPuzzle(NamedProperties& /*args*/) {
  if (PlayerAchievements* record = GetCurrentRecord()) {
    record->hasMadeAMistake = false;
  }
}

void AchievementSystem::Event_OnCandidateEliminated(NamedProperties& /*args*/) {
  if (PlayerAchievements* record = GetCurrentRecord()) {
    Increment(record->candidatesEliminated);
  }
}

void AchievementSystem::Event_OnHasMadeAMistake(NamedProperties& /*args*/) {
  PlayerAchievements* record = GetCurrentRecord();
  if (record == nullptr) {
    return;
  }
  record->hasMadeAMistake = true;
  Increment(record->errorsMade);
  record->noMistakeCount = 0;
  const std::string location = GetActiveLocationName();
  if (!location.empty()) {
    Increment(record->errorsMadePerLocation[location]);
  }
}

void AchievementSystem::Event_OnHasTakenAHint(NamedProperties& /*args*/) {
  PlayerAchievements* record = GetCurrentRecord();
  if (record == nullptr) {
    return;
  }
  Increment(record->hintsTaken);
  const std::string location = GetActiveLocationName();
  if (!location.empty()) {
    Increment(record->hintsTakenPerLocation[location]);
  }
}

void AchievementSystem::Event_OnHasStartedTutorial(NamedProperties& /*args*/) {
  if (PlayerAchievements* record = GetCurrentRecord()) {
    Increment(record->tutorialViews);
  }
}

void AchievementSystem::Event_OnHasCompletedTutorial(NamedProperties& /*args*/) {
  if (PlayerAchievements* record = GetCurrentRecord()) {
    Increment(record->tutorialCompletions);
  }
}

}  // namespace Pemberquill
