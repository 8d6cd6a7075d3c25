#include "game/options/PemberquillOptions.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "game/common/GameSounds.h"
#include "game/common/KeepFileAside.h"
#include "game/common/SaveOutcomes.h"

namespace Pemberquill {

struct PemberquillOptions::StoredValues {
    int8_t version = OPTIONS_FILE_VERSION;
    bool isShowingCandidates = true;
    bool isShowingCages = true;
    bool isShowingOperators = true;
    bool isShowingSolutions = true;
    bool isShowingAnswers = false;
    // Always written false and never taken when read: the brush belongs to
    // the puzzle in play. The field keeps the file's layout.
    bool isPaintingCages = false;
    bool isPlayingSounds = true;
    bool isWindowed = false;
    bool isHighlightingErrors = true;
    bool useAutoElimination = true;
    int32_t puzzleSize = 4;
    int32_t masterVolume = 100;
    int32_t difficultyRating = 1;
    int32_t solvabilityType = 2;
    int32_t board1Type = 1;
    int32_t board2Type = 0;
    int32_t paintColorIndex = -1;
    int32_t cageRules1 = ALL_CAGE_RULES_MASK;
    int32_t cageRules2 = ALL_CAGE_RULES_MASK;
    bool shouldBoard1BeCageless = false;
    bool shouldBoard2BeCageless = false;
    int32_t puzzleSeed = NO_PUZZLE_SEED;
};

namespace {

// Copies of a malformed file are numbered past the first; this many are
// tried before the file is left where it is.

const char* const DIFFICULTY_NAMES[] = {"Very Easy", "Easy", "Medium", "Hard", "Very Hard"};
const char* const ZOOM_LEVEL_NAMES[] = {"No Zoom", "1/4 Zoom", "1/2 Zoom", "3/4 Zoom",
                                        "Full Zoom"};
const char* const BOARD_TYPE_NAMES[] = {"Unused", "Pemberquill"};
const char* const SOLVABILITY_TYPE_NAMES[] = {"No", "Yes", "Maybe"};

template <size_t N>
std::string NameFromTable(const char* const (&names)[N], int index)
{
    if (index < 0 || static_cast<size_t>(index) >= N) {
        return "Unknown";
    }
    return names[index];
}

// The flag rule of every "Toggle" event: the bool the event carries, or the
// flag inverted when it carries none.
void ApplyToggle(const NamedProperties& args, const char* key, bool& flag)
{
    bool value = false;
    if (args.Get(key, value) == PROPERTY_FETCH_OK) {
        flag = value;
    } else {
        flag = !flag;
    }
}

void StepUp(int& value, int maximum)
{
    if (value < maximum) {
        ++value;
    }
}

void StepDown(int& value)
{
    if (value > 0) {
        --value;
    }
}

void SetCustomCursor(const std::string& path)
{
    if (UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance()) {
        application->SetCustomCursor(path);
    }
}

// What scanning the seed edit line with "%d" gives, without the undefined
// result of "%d" on a number too large for an int: -1 (no seed) for text
// that does not begin with a number or whose number does not fit.
int ParsePuzzleSeed(const std::string& text)
{
    const char* const start = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(start, &end, 10);
    if (end == start) {
        return PemberquillOptions::NO_PUZZLE_SEED;
    }
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        ConsolePrintf("WARNING: Puzzle seed \"%s\" is too large; no seed is set.\n", start);
        return PemberquillOptions::NO_PUZZLE_SEED;
    }
    return static_cast<int>(value);
}

void ClampStoredValue(int32_t& value, int32_t minimum, int32_t maximum, const char* label,
                      const std::string& fileName)
{
    if (value >= minimum && value <= maximum) {
        return;
    }
    const int32_t clamped = value < minimum ? minimum : maximum;
    ConsolePrintf("WARNING: Options file \"%s\": \"%s\" %d is outside %d to %d; using %d.\n",
                  fileName.c_str(), label, value, minimum, maximum, clamped);
    value = clamped;
}

} // namespace

PemberquillOptions::PemberquillOptions() = default;

PemberquillOptions::~PemberquillOptions() = default;

std::string PemberquillOptions::GetDifficultyName(int index)
{
    return NameFromTable(DIFFICULTY_NAMES, index);
}

std::string PemberquillOptions::GetZoomLevelName(int index)
{
    return NameFromTable(ZOOM_LEVEL_NAMES, index);
}

std::string PemberquillOptions::GetBoardTypeName(int index)
{
    return NameFromTable(BOARD_TYPE_NAMES, index);
}

std::string PemberquillOptions::GetSolvabilityTypeName(int index)
{
    return NameFromTable(SOLVABILITY_TYPE_NAMES, index);
}

std::string PemberquillOptions::GetOptionsFileName(const std::string& userName)
{
    return Stringf("%s.pqoptions", userName.c_str());
}

// ------------------------------------------------------------ events

void PemberquillOptions::RegisterEventHandlers()
{
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    if (eventSystem == nullptr) {
        return;
    }
    eventSystem->UnregisterRecipient(this);

    using Handler = void (PemberquillOptions::*)(NamedProperties&);
    struct Subscription {
        const char* eventName;
        Handler handler;
    };
    static const Subscription SUBSCRIPTIONS[] = {
        {"IncreasePuzzleSizeEvent", &PemberquillOptions::Event_OnIncreasePuzzleSize},
        {"DecreasePuzzleSizeEvent", &PemberquillOptions::Event_OnDecreasePuzzleSize},
        {"SetPuzzleSizeEvent", &PemberquillOptions::Event_OnSetPuzzleSize},
        {"IncreaseDifficultyRatingEvent", &PemberquillOptions::Event_OnIncreaseDifficultyRating},
        {"DecreaseDifficultyRatingEvent", &PemberquillOptions::Event_OnDecreaseDifficultyRating},
        {"IncreaseBoard1TypeEvent", &PemberquillOptions::Event_OnIncreaseBoard1Type},
        {"DecreaseBoard1TypeEvent", &PemberquillOptions::Event_OnDecreaseBoard1Type},
        {"IncreaseBoard2TypeEvent", &PemberquillOptions::Event_OnIncreaseBoard2Type},
        {"DecreaseBoard2TypeEvent", &PemberquillOptions::Event_OnDecreaseBoard2Type},
        {"IncreaseSolvabilityTypeEvent", &PemberquillOptions::Event_OnIncreaseSolvabilityType},
        {"DecreaseSolvabilityTypeEvent", &PemberquillOptions::Event_OnDecreaseSolvabilityType},
        {"IncreaseMasterVolumeEvent", &PemberquillOptions::Event_OnIncreaseMasterVolume},
        {"DecreaseMasterVolumeEvent", &PemberquillOptions::Event_OnDecreaseMasterVolume},
        {"ToggleCandidatesEvent", &PemberquillOptions::Event_OnToggleCandidates},
        {"ToggleCagesEvent", &PemberquillOptions::Event_OnToggleCages},
        {"ToggleSolutionsEvent", &PemberquillOptions::Event_OnToggleSolutions},
        {"ToggleCampaignModeEvent", &PemberquillOptions::Event_OnToggleCampaignMode},
        {"ToggleOperatorsEvent", &PemberquillOptions::Event_OnToggleOperators},
        {"ToggleAllowZoomingEvent", &PemberquillOptions::Event_OnToggleAllowZooming},
        {"ToggleAllowGravityEvent", &PemberquillOptions::Event_OnToggleAllowGravity},
        {"ToggleIsPlayingSoundsEvent", &PemberquillOptions::Event_OnToggleIsPlayingSounds},
        {"ToggleIsWindowedEvent", &PemberquillOptions::Event_OnToggleIsWindowed},
        {"ToggleFullscreenEvent", &PemberquillOptions::Event_OnToggleIsWindowed},
        {"ToggleIsHighlightingErrorsEvent",
         &PemberquillOptions::Event_OnToggleIsHighlightingErrors},
        {"ToggleUseAutoEliminationEvent", &PemberquillOptions::Event_OnToggleUseAutoElimination},
        {"ToggleAnswersEvent", &PemberquillOptions::Event_OnToggleAnswers},
        {"ToggleUsePregeneratedEvent", &PemberquillOptions::Event_OnToggleUsePregenerated},
        {"ToggleLMBBehaviorEvent", &PemberquillOptions::Event_OnToggleLMBBehavior},
        {"SetIsBoardInteractionPermitted",
         &PemberquillOptions::Event_OnSetIsBoardInteractionPermitted},
        {"SetOperatorDisplayMode", &PemberquillOptions::Event_OnSetOperatorDisplayMode},
        {"IncreaseZoomLevelEvent", &PemberquillOptions::Event_OnIncreaseZoomLevel},
        {"DecreaseZoomLevelEvent", &PemberquillOptions::Event_OnDecreaseZoomLevel},
        {"BeginPaintingEvent", &PemberquillOptions::Event_OnBeginPainting},
        {"EndPaintingEvent", &PemberquillOptions::Event_OnEndPainting},
        {"BeginDroppingBallsEvent", &PemberquillOptions::Event_OnBeginDroppingBalls},
        {"EndDroppingBallsEvent", &PemberquillOptions::Event_OnEndDroppingBalls},
        {"SetPuzzleSeedEvent", &PemberquillOptions::Event_OnSetPuzzleSeed},
        {"ToggleShouldBoard1BeCagelessEvent",
         &PemberquillOptions::Event_OnToggleShouldBoard1BeCageless},
        {"ToggleShouldBoard2BeCagelessEvent",
         &PemberquillOptions::Event_OnToggleShouldBoard2BeCageless},
    };
    for (const Subscription& subscription : SUBSCRIPTIONS) {
        RegisterEventHandler(subscription.eventName, eventSystem, subscription.handler, this);
    }
}

void PemberquillOptions::FireAllEvents()
{
    // One bag for every event: a key once set rides along on the later
    // events until the bag is emptied for the visibility events.
    NamedProperties args;
    args.Set("Volume", static_cast<float>(m_masterVolume / 100.0));
    FireGlobalEvent("SetMasterVolumeEvent", args);
    FireGlobalEvent(m_isPlayingSounds ? "UnmuteAllAudio" : "MuteAllAudio", args);

    const struct {
        const char* eventName;
        bool value;
    } values[] = {
        {"SetCagesEvent", m_isShowingCages},
        {"SetSolutionsEvent", m_isShowingSolutions},
        {"SetOperatorsEvent", m_isShowingOperators},
        {"SetCandidatesEvent", m_isShowingCandidates},
        {"SetAnswersEvent", m_isShowingAnswers},
        {"SetAllowingZoomingEvent", m_allowZooming},
        {"SetAllowingGravityEvent", m_allowGravity},
        {"SetUsePregeneratedEvent", m_usePregenerated},
        {"SetIsPlayingSoundsEvent", m_isPlayingSounds},
        {"SetIsWindowedEvent", m_isWindowed},
        {"SetIsHighlightingErrorsEvent", m_isHighlightingErrors},
        {"SetUseAutoEliminationEvent", m_useAutoElimination},
        {"SetLMBBehaviorEvent", !m_lmbBehavior},
        {"SetCampaignModeEvent", m_campaignMode},
        {"SetShouldBoard1BeCagelessEvent", m_shouldBoard1BeCageless},
        {"SetShouldBoard2BeCagelessEvent", m_shouldBoard2BeCageless},
    };
    for (const auto& value : values) {
        args.Set("Value", value.value);
        FireGlobalEvent(value.eventName, args);
    }

    const struct {
        const char* eventName;
        std::string label;
    } labels[] = {
        {"PuzzleSizeChangedEvent", Stringf("%ux%u", m_puzzleSize, m_puzzleSize)},
        {"DifficultyRatingChangedEvent", GetDifficultyName(m_difficultyRating)},
        {"Board1TypeChangedEvent", GetBoardTypeName(m_board1Type)},
        {"Board2TypeChangedEvent", GetBoardTypeName(m_board2Type)},
        {"ZoomLevelChangedEvent", GetZoomLevelName(m_zoomLevel)},
        {"MasterVolumeChangedEvent", Stringf("%u%%", m_masterVolume)},
        {"SolvabilityTypeChangedEvent", GetSolvabilityTypeName(m_solvabilityType)},
        {"PuzzleSeedChangedEvent", Stringf("%d", m_puzzleSeed)},
    };
    for (const auto& label : labels) {
        args.Set("Label", label.label);
        FireGlobalEvent(label.eventName, args);
    }

    args.Clear();
    args.Set("AbleToBeVisible", !m_isShowingCages);
    FireGlobalEvent("SetPaintVisibilityEvent", args);
    args.Set("AbleToBeVisible", m_allowGravity);
    FireGlobalEvent("ToggleDropBallVisibilityEvent", args);
}

void PemberquillOptions::Event_OnIncreasePuzzleSize(NamedProperties&)
{
    if (m_puzzleSize < MAX_PUZZLE_SIZE) {
        ++m_puzzleSize;
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnDecreasePuzzleSize(NamedProperties&)
{
    if (m_puzzleSize > MIN_PUZZLE_SIZE) {
        --m_puzzleSize;
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnSetPuzzleSize(NamedProperties& args)
{
    // Screens built from descriptions may carry the size as a plain int.
    unsigned size = 0;
    int signedSize = 0;
    if (args.Get("PuzzleSize", size) == PROPERTY_FETCH_OK) {
        m_puzzleSize = size;
    } else if (args.Get("PuzzleSize", signedSize) == PROPERTY_FETCH_OK) {
        m_puzzleSize = signedSize < 0 ? MIN_PUZZLE_SIZE : static_cast<unsigned>(signedSize);
    }
    if (m_puzzleSize < MIN_PUZZLE_SIZE) {
        m_puzzleSize = MIN_PUZZLE_SIZE;
    } else if (m_puzzleSize > MAX_PUZZLE_SIZE) {
        m_puzzleSize = MAX_PUZZLE_SIZE;
    }
    bool startNewGame = true;
    args.Get("StartNewGame", startNewGame);
    if (startNewGame) {
        FireGlobalEvent("NewGameEvent");
    }
    FireAllEvents();
}

// The difficulty and the cages flag form one scale of ten steps: ratings 0
// to 4 with cages shown, then 0 to 4 without them.
void PemberquillOptions::Event_OnIncreaseDifficultyRating(NamedProperties&)
{
    if (m_difficultyRating < MAX_DIFFICULTY_RATING) {
        ++m_difficultyRating;
    } else if (m_difficultyRating == MAX_DIFFICULTY_RATING && m_isShowingCages) {
        m_isShowingCages = false;
        m_difficultyRating = 0;
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnDecreaseDifficultyRating(NamedProperties&)
{
    if (m_difficultyRating > 0) {
        --m_difficultyRating;
    } else if (m_difficultyRating == 0 && !m_isShowingCages) {
        m_isShowingCages = true;
        m_difficultyRating = MAX_DIFFICULTY_RATING;
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnIncreaseBoard1Type(NamedProperties&)
{
    StepUp(m_board1Type, MAX_BOARD_TYPE);
    FireAllEvents();
}

void PemberquillOptions::Event_OnDecreaseBoard1Type(NamedProperties&)
{
    StepDown(m_board1Type);
    FireAllEvents();
}

void PemberquillOptions::Event_OnIncreaseBoard2Type(NamedProperties&)
{
    StepUp(m_board2Type, MAX_BOARD_TYPE);
    FireAllEvents();
}

void PemberquillOptions::Event_OnDecreaseBoard2Type(NamedProperties&)
{
    StepDown(m_board2Type);
    FireAllEvents();
}

void PemberquillOptions::Event_OnIncreaseSolvabilityType(NamedProperties&)
{
    StepUp(m_solvabilityType, MAX_SOLVABILITY_TYPE);
    FireAllEvents();
}

void PemberquillOptions::Event_OnDecreaseSolvabilityType(NamedProperties&)
{
    StepDown(m_solvabilityType);
    FireAllEvents();
}

void PemberquillOptions::Event_OnIncreaseMasterVolume(NamedProperties&)
{
    if (m_masterVolume <= MAX_MASTER_VOLUME - MASTER_VOLUME_STEP) {
        m_masterVolume += MASTER_VOLUME_STEP;
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnDecreaseMasterVolume(NamedProperties&)
{
    if (m_masterVolume >= MASTER_VOLUME_STEP) {
        m_masterVolume -= MASTER_VOLUME_STEP;
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleCandidates(NamedProperties& args)
{
    ApplyToggle(args, "ShowCandidates", m_isShowingCandidates);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleCages(NamedProperties& args)
{
    ApplyToggle(args, "Value", m_isShowingCages);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleSolutions(NamedProperties& args)
{
    ApplyToggle(args, "ShowSolutions", m_isShowingSolutions);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleCampaignMode(NamedProperties& args)
{
    ApplyToggle(args, "CampaignMode", m_campaignMode);
    if (m_campaignMode) {
        FireGlobalEvent("NewGameEvent");
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleOperators(NamedProperties& args)
{
    ApplyToggle(args, "ShowOperators", m_isShowingOperators);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleAllowZooming(NamedProperties& args)
{
    ApplyToggle(args, "AllowZooming", m_allowZooming);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleAllowGravity(NamedProperties& args)
{
    ApplyToggle(args, "AllowGravity", m_allowGravity);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleIsPlayingSounds(NamedProperties& args)
{
    ApplyToggle(args, "PlaySounds", m_isPlayingSounds);
    FireAllEvents();
    FireSetSoundsEvent();
}

// Muting only holds back new sounds: the ambience stops and starts again
// by this event alone.
void PemberquillOptions::FireSetSoundsEvent()
{
    NamedProperties soundsArgs;
    soundsArgs.Set("Value", m_isPlayingSounds);
    FireGlobalEvent("SetSoundsEvent", soundsArgs);
}

void PemberquillOptions::Event_OnToggleIsWindowed(NamedProperties& args)
{
    ApplyToggle(args, "IsWindowed", m_isWindowed);
    ConsolePrintf("Event_OnToggleIsWindowed : calling SetWindowedMode\n");
    SetWindowedMode();
    ConsolePrintf(
        "Event_OnToggleIsWindowed : done calling SetWindowedMode; now calling FireAllEvents\n");
    FireAllEvents();
    ConsolePrintf("Event_OnToggleIsWindowed : done calling FireAllEvents\n");
}

void PemberquillOptions::Event_OnToggleIsHighlightingErrors(NamedProperties& args)
{
    ApplyToggle(args, "IsHighlightingErrors", m_isHighlightingErrors);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleUseAutoElimination(NamedProperties& args)
{
    ApplyToggle(args, "UseAutoElimination", m_useAutoElimination);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleAnswers(NamedProperties& args)
{
    ApplyToggle(args, "ShowAnswers", m_isShowingAnswers);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleUsePregenerated(NamedProperties& args)
{
    ApplyToggle(args, "UsePregenerated", m_usePregenerated);
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleLMBBehavior(NamedProperties& args)
{
    ApplyToggle(args, "ToggleLMBBehavior", m_lmbBehavior);
    FireAllEvents();
}

void PemberquillOptions::Event_OnSetIsBoardInteractionPermitted(NamedProperties& args)
{
    args.Get("IsAllowed", m_isBoardInteractionPermitted);
    FireAllEvents();
}

void PemberquillOptions::Event_OnSetOperatorDisplayMode(NamedProperties& args)
{
    OperatorDisplayMode mode = m_operatorDisplayMode;
    if (args.Get("OperatorDisplayMode", mode) != PROPERTY_FETCH_OK) {
        const int next = (m_operatorDisplayMode + 1) % NUM_OPERATOR_DISPLAY_MODES;
        m_operatorDisplayMode = static_cast<OperatorDisplayMode>(next);
    } else if (static_cast<int>(mode) >= 0 && static_cast<int>(mode) < NUM_OPERATOR_DISPLAY_MODES) {
        m_operatorDisplayMode = mode;
    } else {
        ConsolePrintf("WARNING: SetOperatorDisplayMode: mode %d is not one of 0 to %d; ignored.\n",
                      static_cast<int>(mode), NUM_OPERATOR_DISPLAY_MODES - 1);
    }
    FireAllEvents();
}

void PemberquillOptions::Event_OnIncreaseZoomLevel(NamedProperties&)
{
    StepUp(m_zoomLevel, MAX_ZOOM_LEVEL);
    FireAllEvents();
}

void PemberquillOptions::Event_OnDecreaseZoomLevel(NamedProperties&)
{
    StepDown(m_zoomLevel);
    FireAllEvents();
}

void PemberquillOptions::Event_OnBeginPainting(NamedProperties& args)
{
    args.Get("OnActivationEventNameProperty", m_paintColorIndex);
    m_isPaintingCages = true;
    PlaySound(SOUND_PLAYINGPUZZLE_PAINT_GRABBED);
    SetCustomCursor(PAINT_CURSOR_PATH);
}

void PemberquillOptions::Event_OnEndPainting(NamedProperties&)
{
    m_isPaintingCages = false;
    SetCustomCursor("");
}

void PemberquillOptions::Event_OnBeginDroppingBalls(NamedProperties&)
{
    m_isDroppingBalls = true;
    SetCustomCursor(PAINT_CURSOR_PATH);
}

void PemberquillOptions::Event_OnEndDroppingBalls(NamedProperties&)
{
    m_isDroppingBalls = false;
    SetCustomCursor("");
}

void PemberquillOptions::Event_OnSetPuzzleSeed(NamedProperties& args)
{
    std::string text;
    if (args.Get("OnActivationEventNameProperty", text) == PROPERTY_FETCH_OK) {
        m_puzzleSeed = ParsePuzzleSeed(text);
    }
}

void PemberquillOptions::Event_OnToggleShouldBoard1BeCageless(NamedProperties&)
{
    m_shouldBoard1BeCageless = !m_shouldBoard1BeCageless;
    FireAllEvents();
}

void PemberquillOptions::Event_OnToggleShouldBoard2BeCageless(NamedProperties&)
{
    m_shouldBoard2BeCageless = !m_shouldBoard2BeCageless;
    FireAllEvents();
}

void PemberquillOptions::SetWindowedMode()
{
    const char* const windowed = m_isWindowed ? "true" : "false";
    ConsolePrintf("PemberquillOptions::SetWindowedMode : m_isWindowed = %s, about to call "
                  "app->SetWindowed if true, app->SetFullscreen if false\n",
                  windowed);
    if (UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance()) {
        if (m_isWindowed) {
            application->SetWindowed();
        } else {
            application->SetFullscreen();
        }
    }
    ConsolePrintf("PemberquillOptions::SetWindowedMode : m_isWindowed = %s, done calling "
                  "app->SetWindowed  or  app->SetFullscreen\n",
                  windowed);
}

// ------------------------------------------------------------ the file

PemberquillOptions::StoredValues PemberquillOptions::GetStoredValues() const
{
    StoredValues values;
    values.isShowingCandidates = m_isShowingCandidates;
    values.isShowingCages = m_isShowingCages;
    values.isShowingOperators = m_isShowingOperators;
    values.isShowingSolutions = m_isShowingSolutions;
    values.isShowingAnswers = m_isShowingAnswers;
    values.isPlayingSounds = m_isPlayingSounds;
    values.isWindowed = m_isWindowed;
    values.isHighlightingErrors = m_isHighlightingErrors;
    values.useAutoElimination = m_useAutoElimination;
    values.puzzleSize = static_cast<int32_t>(m_puzzleSize);
    values.masterVolume = static_cast<int32_t>(m_masterVolume);
    values.difficultyRating = m_difficultyRating;
    values.solvabilityType = m_solvabilityType;
    values.board1Type = m_board1Type;
    values.board2Type = m_board2Type;
    values.paintColorIndex = m_paintColorIndex;
    values.cageRules1 = static_cast<int32_t>(m_cageRules1.GetMask());
    values.cageRules2 = static_cast<int32_t>(m_cageRules2.GetMask());
    values.shouldBoard1BeCageless = m_shouldBoard1BeCageless;
    values.shouldBoard2BeCageless = m_shouldBoard2BeCageless;
    values.puzzleSeed = m_puzzleSeed;
    return values;
}

void PemberquillOptions::TakeStoredValues(const StoredValues& values)
{
    m_isShowingCandidates = values.isShowingCandidates;
    m_isShowingCages = values.isShowingCages;
    m_isShowingOperators = values.isShowingOperators;
    m_isShowingSolutions = values.isShowingSolutions;
    m_isShowingAnswers = values.isShowingAnswers;
    m_isPlayingSounds = values.isPlayingSounds;
    m_isWindowed = values.isWindowed;
    m_isHighlightingErrors = values.isHighlightingErrors;
    m_useAutoElimination = values.useAutoElimination;
    m_puzzleSize = static_cast<unsigned>(values.puzzleSize);
    m_masterVolume = static_cast<unsigned>(values.masterVolume);
    m_difficultyRating = values.difficultyRating;
    m_solvabilityType = values.solvabilityType;
    m_board1Type = values.board1Type;
    m_board2Type = values.board2Type;
    m_paintColorIndex = values.paintColorIndex;
    m_cageRules1.SetFromMask(static_cast<unsigned>(values.cageRules1));
    m_cageRules2.SetFromMask(static_cast<unsigned>(values.cageRules2));
    m_shouldBoard1BeCageless = values.shouldBoard1BeCageless;
    m_shouldBoard2BeCageless = values.shouldBoard2BeCageless;
    m_puzzleSeed = values.puzzleSeed;
}

PemberquillOptions::StoredValues PemberquillOptions::ReadStoredValues(ResourceStream& stream)
{
    StoredValues values;
    values.version = stream.ReadInt8();
    values.isShowingCandidates = stream.ReadBool();
    values.isShowingCages = stream.ReadBool();
    values.isShowingOperators = stream.ReadBool();
    values.isShowingSolutions = stream.ReadBool();
    values.isShowingAnswers = stream.ReadBool();
    values.isPaintingCages = stream.ReadBool();
    values.isPlayingSounds = stream.ReadBool();
    values.isWindowed = stream.ReadBool();
    values.isHighlightingErrors = stream.ReadBool();
    values.useAutoElimination = stream.ReadBool();
    values.puzzleSize = stream.ReadInt32();
    values.masterVolume = stream.ReadInt32();
    values.difficultyRating = stream.ReadInt32();
    values.solvabilityType = stream.ReadInt32();
    values.board1Type = stream.ReadInt32();
    values.board2Type = stream.ReadInt32();
    values.paintColorIndex = stream.ReadInt32();
    values.cageRules1 = stream.ReadInt32();
    values.cageRules2 = stream.ReadInt32();
    values.shouldBoard1BeCageless = stream.ReadBool();
    values.shouldBoard2BeCageless = stream.ReadBool();
    values.puzzleSeed = stream.ReadInt32();
    return values;
}

// A value outside its limits would index past the name tables, ask for a
// board the generator cannot build or drive the sound beyond full volume.
void PemberquillOptions::ClampStoredValues(StoredValues& values, const std::string& fileName)
{
    ClampStoredValue(values.puzzleSize, MIN_PUZZLE_SIZE, MAX_PUZZLE_SIZE, "Puzzle size", fileName);
    ClampStoredValue(values.masterVolume, 0, MAX_MASTER_VOLUME, "Master volume", fileName);
    ClampStoredValue(values.difficultyRating, 0, MAX_DIFFICULTY_RATING, "Difficulty rating",
                     fileName);
    ClampStoredValue(values.solvabilityType, 0, MAX_SOLVABILITY_TYPE, "Solvability type",
                     fileName);
    ClampStoredValue(values.board1Type, 0, MAX_BOARD_TYPE, "Board 1 type", fileName);
    ClampStoredValue(values.board2Type, 0, MAX_BOARD_TYPE, "Board 2 type", fileName);
}

bool PemberquillOptions::SaveOptions()
{
    ConsolePrintf("Saving old options out.\n");
    if (m_userName.empty()) {
        ConsolePrintf("Options profile name empty: Nothing to save.\n");
        return false;
    }
    const std::string fileName = GetOptionsFileName(m_userName);
    const UlvoPath path(PATH_MARKER_PLAYER_STORAGE, fileName);
    if (m_isSaveBlocked) {
        ReportSaveFailure({"The options", path.GetResolvedPath(),
                           "the unreadable file there is left as it is"});
        return false;
    }

    const StoredValues values = GetStoredValues();
    ResourceStream stream(RESOURCE_STREAM_FORMAT_TEXT, 1024);
    stream.WriteInt8(values.version, "Version");
    stream.WriteBool(values.isShowingCandidates, "Showing candidates");
    stream.WriteBool(values.isShowingCages, "Showing cages");
    stream.WriteBool(values.isShowingOperators, "Showing operators");
    stream.WriteBool(values.isShowingSolutions, "Showing solutions");
    stream.WriteBool(values.isShowingAnswers, "Showing answers");
    stream.WriteBool(values.isPaintingCages, "Painting cages");
    stream.WriteBool(values.isPlayingSounds, "Playing sounds");
    stream.WriteBool(values.isWindowed, "Windowed");
    stream.WriteBool(values.isHighlightingErrors, "Highlighting errors");
    stream.WriteBool(values.useAutoElimination, "Use auto-elimination");
    stream.WriteInt32(values.puzzleSize, "Puzzle size");
    stream.WriteInt32(values.masterVolume, "Master volume");
    stream.WriteInt32(values.difficultyRating, "Difficulty rating");
    stream.WriteInt32(values.solvabilityType, "Solvability type");
    stream.WriteInt32(values.board1Type, "Board 1 type");
    stream.WriteInt32(values.board2Type, "Board 2 type");
    stream.WriteInt32(values.paintColorIndex, "Paint color index");
    stream.WriteInt32(values.cageRules1, "Cage rules 1");
    stream.WriteInt32(values.cageRules2, "Cage rules 2");
    stream.WriteBool(values.shouldBoard1BeCageless, "Board 1 hidden-cage");
    stream.WriteBool(values.shouldBoard2BeCageless, "Board 2 hidden-cage");
    stream.WriteInt32(values.puzzleSeed, "Puzzle seed");

    std::string reason;
    if (!stream.SaveToFile(path, &reason)) {
        ReportSaveFailure({"The options", path.GetResolvedPath(), reason});
        return false;
    }
    ConsolePrintf("Old options saved to: %s\n", fileName.c_str());
    return true;
}

bool PemberquillOptions::LoadOptions(const std::string& userName)
{
    SaveOptions();
    const bool wasPlayingSounds = m_isPlayingSounds;
    ConsolePrintf("Setting options username to: %s\n", userName.c_str());
    m_userName = userName;
    m_isSaveBlocked = false;
    ConsolePrintf("Creating profile options resource stream.\n");

    const std::string fileName = GetOptionsFileName(m_userName);
    bool isLoaded = false;
    ResourceStream stream(UlvoPath(PATH_MARKER_PLAYER_STORAGE, fileName));
    if (!stream.GetUnreadableReason().empty()) {
        // The player's options are in there: saving defaults would lose them.
        ConsolePrintf("ERROR: Options file \"%s\" could not be read (%s); it will not be saved over in "
                      "this run.\n",
                      fileName.c_str(), stream.GetUnreadableReason().c_str());
        m_isSaveBlocked = true;
    } else if (!stream.IsValid()) {
        ConsolePrintf("Options file was invalid (missing).  Skipping.\n");
    } else if (stream.GetSize() == 0) {
        ConsolePrintf("Options file was present, but contained 0 bytes!!!  Skipping.\n");
    } else {
        ConsolePrintf("Options file was valid.  Reading in.\n");
        try {
            StoredValues values = ReadStoredValues(stream);
            ClampStoredValues(values, fileName);
            TakeStoredValues(values);
            m_operatorDisplayMode = OPERATOR_DISPLAY_MODE_3;
            isLoaded = true;
        } catch (const UlvoException& error) {
            ConsolePrintf(
                "ERROR: Options file \"%s\" is malformed; the current options stay.\n%s\n",
                fileName.c_str(), error.GetMessage().c_str());
            KeepMalformedFileAside(stream, fileName);
        }
    }

    SetWindowedMode();
    FireAllEvents();
    // Told only on a change: the ambience of an unchanged switch plays on,
    // and the first load comes before there is an ambience to start.
    if (m_isPlayingSounds != wasPlayingSounds) {
        FireSetSoundsEvent();
    }
    return isLoaded;
}

// The next save replaces the file, so a copy of what the player had is
// stored beside it first, under a name no other copy has.
void PemberquillOptions::KeepMalformedFileAside(const ResourceStream& stream,
                                                const std::string& fileName)
{
    const std::string copyName = KeepFileAside(stream.GetData(), stream.GetSize(), fileName, ".malformed");
    if (!copyName.empty()) {
        ConsolePrintf("WARNING: The malformed options file was kept as \"%s\".\n",
                      UlvoPath(PATH_MARKER_PLAYER_STORAGE, copyName).GetResolvedPath().c_str());
        return;
    }
    ConsolePrintf("ERROR: No copy of the malformed options file \"%s\" could be kept; it will "
                  "not be saved over.\n",
                  fileName.c_str());
    m_isSaveBlocked = true;
}

PemberquillOptions& GetPemberquillOptions()
{
    static PemberquillOptions options;
    return options;
}

namespace {

// Built before main like the game's other singletons, whatever else the
// static initialisers do first.
[[maybe_unused]] PemberquillOptions& g_optionsBuiltBeforeMain = GetPemberquillOptions();

} // namespace

} // namespace Pemberquill
