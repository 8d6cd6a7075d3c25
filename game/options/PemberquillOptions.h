#pragma once

#include <string>

#include "game/common/CageRules.h"
#include "game/common/GameSubsystem.h"

class NamedProperties;
class ResourceStream;

namespace Pemberquill {

// How the board shows the rule operators of its cages; the board drawing
// gives the four modes their meaning.
enum OperatorDisplayMode {
    OPERATOR_DISPLAY_MODE_0 = 0,
    OPERATOR_DISPLAY_MODE_1 = 1,
    OPERATOR_DISPLAY_MODE_2 = 2,
    OPERATOR_DISPLAY_MODE_3 = 3,
    NUM_OPERATOR_DISPLAY_MODES = 4,
};

// Every player setting: what the board shows, sound and volume, window mode,
// painting state and the puzzle-builder choices of free play. The game has
// one, GetPemberquillOptions(); the rest of the game reads it through the
// accessors and changes it only by events, and it publishes every value back
// to the screens by events (FireAllEvents). The values are stored per player
// in "<user name>.pqoptions" (commented text) in player storage.
class PemberquillOptions : public GameSubsystem {
public:
    static constexpr unsigned MIN_PUZZLE_SIZE = 1;
    static constexpr unsigned MAX_PUZZLE_SIZE = 9;
    static constexpr unsigned MAX_MASTER_VOLUME = 100;
    static constexpr unsigned MASTER_VOLUME_STEP = 10;
    static constexpr int MAX_DIFFICULTY_RATING = 4;
    static constexpr int MAX_BOARD_TYPE = 1;
    static constexpr int MAX_SOLVABILITY_TYPE = 2;
    static constexpr int MAX_ZOOM_LEVEL = 4;
    static constexpr int NO_PUZZLE_SEED = -1;
    static constexpr int OPTIONS_FILE_VERSION = 1;
    // "\" separators and the leading one as the game has always named it; the
    // application maps it onto the cursor image in the data folder.
    static constexpr const char* PAINT_CURSOR_PATH = "\\Data\\Images\\Cursors\\PaintBrush2.cur";

    // With every default.
    PemberquillOptions();
    ~PemberquillOptions() override;
    PemberquillOptions(const PemberquillOptions&) = delete;
    PemberquillOptions& operator=(const PemberquillOptions&) = delete;

    // Subscribes every handler below on the global event system (nothing
    // without one). Calling it again replaces the subscriptions instead of
    // doubling them, so no toggle ever runs twice for one event.
    void RegisterEventHandlers();

    // Publishes every value to the screens, the sound module and the board.
    void FireAllEvents();

    // Writes the options to the current user's file. False when there is no
    // user name, when the user's file could not be read, or was malformed
    // and could not be kept aside, or when the file could not be written.
    bool SaveOptions();

    // Saves the current values for the user so far, then reads userName's
    // file. A missing or empty file keeps the current values; a malformed
    // one is logged, kept aside under another name and leaves the current
    // values too; one that is there but cannot be read is logged with the
    // system's reason and not saved over in this run. In every case the window mode is applied and every value
    // published; when the play-sounds flag changed, the ambience is switched to follow it. True when the file was
    // read.
    bool LoadOptions(const std::string& userName);

    // After the user's files are deleted: nothing is saved until the next
    // LoadOptions names a user again.
    void ForgetUser() { m_userName.clear(); }

    // Switches the window to the stored mode (also when it already is in it).
    void SetWindowedMode();

    // The label of a difficulty rating, "Unknown" outside 0..4.
    static std::string GetDifficultyName(int index);
    static std::string GetZoomLevelName(int index);
    static std::string GetBoardTypeName(int index);
    static std::string GetSolvabilityTypeName(int index);
    // The name of the options file of a user.
    static std::string GetOptionsFileName(const std::string& userName);

    // The board reads IsPaintingCages, GetPaintColorIndex and
    // UseAutoElimination through the game object's BoardSettingsInterface,
    // which answers them from here.
    bool IsShowingCandidates() const { return m_isShowingCandidates; }
    bool IsShowingOperators() const { return m_isShowingOperators; }
    bool IsShowingCages() const { return m_isShowingCages; }
    bool IsShowingSolutions() const { return m_isShowingSolutions; }
    bool IsShowingAnswers() const { return m_isShowingAnswers; }
    bool IsZoomingAllowed() const { return m_allowZooming; }
    bool IsUsingPregenerated() const { return m_usePregenerated; }
    bool IsPaintingCages() const { return m_isPaintingCages; }
    bool IsGravityAllowed() const { return m_allowGravity; }
    bool IsDroppingBalls() const { return m_isDroppingBalls; }
    bool IsPlayingSounds() const { return m_isPlayingSounds; }
    bool GetLMBBehavior() const { return m_lmbBehavior; }
    bool IsCampaignMode() const { return m_campaignMode; }
    bool IsWindowed() const { return m_isWindowed; }
    bool IsHighlightingErrors() const { return m_isHighlightingErrors; }
    bool UseAutoElimination() const { return m_useAutoElimination; }
    unsigned GetPuzzleSize() const { return m_puzzleSize; }
    unsigned GetMasterVolume() const { return m_masterVolume; }
    int GetDifficultyRating() const { return m_difficultyRating; }
    int GetBoard1Type() const { return m_board1Type; }
    bool ShouldBoard1BeCageless() const { return m_shouldBoard1BeCageless; }
    int GetBoard2Type() const { return m_board2Type; }
    bool ShouldBoard2BeCageless() const { return m_shouldBoard2BeCageless; }
    OperatorDisplayMode GetOperatorDisplayMode() const { return m_operatorDisplayMode; }
    int GetZoomLevel() const { return m_zoomLevel; }
    int GetPaintColorIndex() const { return m_paintColorIndex; }
    bool IsBoardInteractionPermitted() const { return m_isBoardInteractionPermitted; }
    const std::string& GetUserName() const { return m_userName; }
    int GetSolvabilityType() const { return m_solvabilityType; }
    // Free play's rule dialog edits these records in place.
    CageRules& GetCageRules1() { return m_cageRules1; }
    CageRules& GetCageRules2() { return m_cageRules2; }
    const CageRules& GetCageRules1() const { return m_cageRules1; }
    const CageRules& GetCageRules2() const { return m_cageRules2; }
    int GetPuzzleSeed() const { return m_puzzleSeed; }

    void Event_OnIncreasePuzzleSize(NamedProperties& args);
    void Event_OnDecreasePuzzleSize(NamedProperties& args);
    void Event_OnSetPuzzleSize(NamedProperties& args);
    void Event_OnIncreaseDifficultyRating(NamedProperties& args);
    void Event_OnDecreaseDifficultyRating(NamedProperties& args);
    void Event_OnIncreaseBoard1Type(NamedProperties& args);
    void Event_OnDecreaseBoard1Type(NamedProperties& args);
    void Event_OnIncreaseBoard2Type(NamedProperties& args);
    void Event_OnDecreaseBoard2Type(NamedProperties& args);
    void Event_OnIncreaseSolvabilityType(NamedProperties& args);
    void Event_OnDecreaseSolvabilityType(NamedProperties& args);
    void Event_OnIncreaseMasterVolume(NamedProperties& args);
    void Event_OnDecreaseMasterVolume(NamedProperties& args);
    void Event_OnToggleCandidates(NamedProperties& args);
    void Event_OnToggleCages(NamedProperties& args);
    void Event_OnToggleSolutions(NamedProperties& args);
    void Event_OnToggleCampaignMode(NamedProperties& args);
    void Event_OnToggleOperators(NamedProperties& args);
    void Event_OnToggleAllowZooming(NamedProperties& args);
    void Event_OnToggleAllowGravity(NamedProperties& args);
    void Event_OnToggleIsPlayingSounds(NamedProperties& args);
    // "ToggleIsWindowedEvent" and "ToggleFullscreenEvent" (Alt+Enter).
    void Event_OnToggleIsWindowed(NamedProperties& args);
    void Event_OnToggleIsHighlightingErrors(NamedProperties& args);
    void Event_OnToggleUseAutoElimination(NamedProperties& args);
    void Event_OnToggleAnswers(NamedProperties& args);
    void Event_OnToggleUsePregenerated(NamedProperties& args);
    void Event_OnToggleLMBBehavior(NamedProperties& args);
    void Event_OnSetIsBoardInteractionPermitted(NamedProperties& args);
    void Event_OnSetOperatorDisplayMode(NamedProperties& args);
    void Event_OnIncreaseZoomLevel(NamedProperties& args);
    void Event_OnDecreaseZoomLevel(NamedProperties& args);
    void Event_OnBeginPainting(NamedProperties& args);
    void Event_OnEndPainting(NamedProperties& args);
    void Event_OnBeginDroppingBalls(NamedProperties& args);
    void Event_OnEndDroppingBalls(NamedProperties& args);
    void Event_OnSetPuzzleSeed(NamedProperties& args);
    void Event_OnToggleShouldBoard1BeCageless(NamedProperties& args);
    void Event_OnToggleShouldBoard2BeCageless(NamedProperties& args);

private:
    // The part of the options that the file holds, read whole before any of
    // it is taken, so that a file that breaks off halfway changes nothing.
    struct StoredValues;

    StoredValues GetStoredValues() const;
    void TakeStoredValues(const StoredValues& values);
    static StoredValues ReadStoredValues(ResourceStream& stream);
    static void ClampStoredValues(StoredValues& values, const std::string& fileName);
    void KeepMalformedFileAside(const ResourceStream& stream, const std::string& fileName);
    // Switches the ambience off or on as the play-sounds flag now says.
    void FireSetSoundsEvent();

    bool m_isShowingCandidates = true;
    bool m_isShowingOperators = true;
    bool m_isShowingCages = true;
    bool m_isShowingSolutions = true;
    bool m_isShowingAnswers = false;
    bool m_allowZooming = true;
    bool m_usePregenerated = true;
    bool m_isPaintingCages = false;
    bool m_allowGravity = false;
    bool m_isDroppingBalls = false;
    bool m_isPlayingSounds = true;
    bool m_lmbBehavior = false;
    bool m_campaignMode = true;
    bool m_isWindowed = false;
    bool m_isHighlightingErrors = true;
    bool m_useAutoElimination = true;
    unsigned m_puzzleSize = 4;
    unsigned m_masterVolume = MAX_MASTER_VOLUME;
    int m_difficultyRating = 1;
    int m_board1Type = 1;
    bool m_shouldBoard1BeCageless = false;
    int m_board2Type = 0;
    bool m_shouldBoard2BeCageless = false;
    OperatorDisplayMode m_operatorDisplayMode = OPERATOR_DISPLAY_MODE_3;
    int m_zoomLevel = 2;
    int m_paintColorIndex = -1;
    bool m_isBoardInteractionPermitted = true;
    std::string m_userName;
    int m_solvabilityType = MAX_SOLVABILITY_TYPE;
    CageRules m_cageRules1{ALL_CAGE_RULES_MASK};
    CageRules m_cageRules2{ALL_CAGE_RULES_MASK};
    int m_puzzleSeed = NO_PUZZLE_SEED;
    // Set while the current user's file could not be read, or is malformed
    // and no copy of it could be kept aside: saving would then destroy the
    // only copy.
    bool m_isSaveBlocked = false;
};

// The game's options, built with their defaults before main runs. Safe to
// call from any static initialiser: the object is built on first use.
PemberquillOptions& GetPemberquillOptions();

} // namespace Pemberquill
