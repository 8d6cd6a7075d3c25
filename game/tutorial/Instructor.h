#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"
#include "game/common/TeachableGameMechanics.h"
#include "game/common/TextLines.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/solver/HintCallOutInterface.h"
#include "game/common/GameSubsystem.h"
#include "game/presentation/board/InstructorCallOut.h"
#include "game/presentation/board/InstructorView.h"
#include "game/tutorial/TutorialPuzzles.h"

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

class Clock;
class NamedProperties;
class Texture;

namespace Pemberquill {

class Board;
class InstructorScreensInterface;
class PlayerProfile;
class Puzzle;
class PuzzleDisplay;

// Lesson texts print the game's name for "%s".
extern const char* const GAME_SHORT_NAME;

// The subsystem that teaches. It runs the scripted tutorial in the tutorial
// window (pages 0 to 11 and the end page -1, beside a tutorial puzzle), gives
// a short lesson the first time a player meets a rule or a mechanic, keeps
// the active profile's set of known mechanics, and owns the call-outs, in
// creation order, on named channels (compared without regard to case):
// hints, lessons and the campaign place them by direct calls, the board
// drawing finds them by what they name, and undo, redo and the owners
// remove them by channel. It is the call-out side of the hints
// (HintCallOutInterface) while it lives.
class Instructor : public GameSubsystem, public HintCallOutInterface, public InstructorView {
public:
    static constexpr int LAST_TUTORIAL_LESSON = 11;
    static constexpr int END_PAGE = -1;

    // The profile whose known mechanics grow; null when none is active.
    using ActiveProfileLookup = std::function<PlayerProfile*()>;

    // Becomes the instructor singleton.
    Instructor();
    ~Instructor() override;
    Instructor(const Instructor&) = delete;
    Instructor& operator=(const Instructor&) = delete;

    // The live instructor, or null.
    static Instructor* GetInstance();

    // Makes the instructor's clock under the parent (every call-out's clock
    // runs below it), subscribes to its events and takes the hints'
    // call-outs. Starting twice is an assertion.
    void Startup(Clock* parentClock);
    bool IsStarted() const { return m_clock != nullptr; }
    Clock* GetClock() const { return m_clock.get(); }

    // Both may be left unset (tests, tools): see the interface's comment.
    // The screens also load the tutorial window's background picture.
    void SetScreens(InstructorScreensInterface* screens);
    void SetActiveProfileLookup(ActiveProfileLookup lookup) { m_activeProfile = std::move(lookup); }

    // Once per frame: the lesson text sizes follow the screen width, then
    // the current tutorial page's demonstration runs.
    void UpdateLayout();
    // Space turns the tutorial's page; other keys go to the tutorial puzzle.
    // Nothing is taken while the tutorial puzzle is not shown.
    bool OnKeyEvent(int action, int key) override;

    // --- Known mechanics of the active profile ---
    void MarkMechanicsAsKnown(const TeachableGameMechanics& mechanics);
    bool AreMechanicsKnown(const TeachableGameMechanics& mechanics) const;
    // The empty set without a puzzle or a profile.
    TeachableGameMechanics GetUnknownMechanicsOfPuzzle(const Puzzle* puzzle) const;

    // --- Lessons during play ---
    // When a puzzle starts on the play window: how to play once, then what
    // the puzzle needs that the player does not know yet.
    void ShowTeachAGameMechanic(Puzzle* puzzle);
    // After each move: records what the player has shown by playing and
    // teaches what the solver's next step needs.
    void CheckForDynamicLessonOpportunity(Puzzle* puzzle);
    // Gives the one lesson of highest priority among the mechanics, in the
    // window of the handle (-1: the information dialog), and records what it
    // taught as known. step may be null.
    void TeachGameMechanic(int parentWindowHandle, const TeachableGameMechanics& mechanics, Puzzle* puzzle,
                           const PuzzleStep* step);
    // The lesson dialog's OK: closes the dialog.
    void HideTeachAGameMechanic();
    bool IsMiniLessonDialogOpen() const { return m_isMiniLessonDialogOpen; }

    // --- The scripted tutorial ---
    // Shows page n (0 to 11, or END_PAGE).
    void StartLesson(int lesson);
    // 0, 1, ..., 11, the end page, then 0 again.
    void AdvanceToNextLesson();
    // One demonstration step for each step boundary the page's clock has
    // crossed since the last frame, several crossed at once counting as one.
    void UpdateLessonAnimation();
    void ShowTutorialText(const std::vector<TextLines>& lines);
    void SetEnabledStatusForTutorialNextLessonButton(bool enabled);
    int GetCurrentLesson() const { return m_currentLesson; }
    bool IsTutorialPuzzleShown() const { return m_isTutorialPuzzleShown; }
    static bool IsTutorialRunning();
    bool IsScriptedTutorialRunning() const override { return IsTutorialRunning(); }
    // Null until the screens are set, or when the picture does not load.
    Texture* GetBackgroundTexture() const override { return m_backgroundTexture; }
    float GetBodyTextSize() const { return m_bodyTextSize; }
    float GetTitleTextSize() const { return m_titleTextSize; }

    // --- The tutorial puzzle ---
    // Replaces the tutorial puzzle and its display; INSTRUCTOR_PUZZLE_NONE
    // leaves none and returns null.
    Puzzle* SwitchToInstructorPuzzle(int puzzleID);
    Puzzle* GetInstructorPuzzle() const { return m_tutorialPuzzle.puzzle.get(); }
    PuzzleDisplay* GetInstructorPuzzleView() const { return m_instructorPuzzleView.get(); }
    // A one-board puzzle from the chef whose board is then filled from the
    // definition. A definition that does not fit its size is an assertion.
    static ServedPuzzle CreateCustomPuzzle(PuzzleChef& chef, Clock* clock, const TutorialPuzzleDefinition& definition);
    // Board 0 of the tutorial puzzle; an assertion when there is none.
    Board& GetCurrentPuzzleBoard() const;
    // The answer into the square on every board, or 0 (clear).
    void FillSquare(int column, int row);
    void ClearSquare(int column, int row);
    void FillAllSquares();
    void FocusSquare(int column, int row);
    // The tutorial puzzle's board text slanted (the Equals page) or upright.
    void SetTutorialTextItalic(bool isItalic);

    // --- Events ---
    void Event_OnInstructorPuzzleShown(NamedProperties& args);
    void Event_OnInstructorRestartTutorial(NamedProperties& args);
    void Event_OnInstructorPuzzleUpdate(NamedProperties& args);
    void Event_OnInstructorPuzzleHidden(NamedProperties& args);
    void Event_OnInstructorPuzzleViewRender(NamedProperties& args);
    void Event_OnInstructorAdvanceToNextLesson(NamedProperties& args);
    void Event_OnHideTeachAGameMechanic(NamedProperties& args);
    void Event_OnTutorialWindowPostRender(NamedProperties& args);
    void Event_OnInstructorExitTutorial(NamedProperties& args);
    void Event_OnInstructorMarkMechanicsAsTaught(NamedProperties& args);
    // "InstructorDestroyCallOutsByChannel" {"CallOutChannelName"}; a missing
    // name is the empty channel.
    void Event_OnInstructorDestroyCallOutsByChannel(NamedProperties& args);
    void Event_OnCheckForDynamicLessonOpportunity(NamedProperties& args);

    // --- Creation: each appends one call-out; null targets are kept as
    // they come and are never drawn. ---
    // On the singleton, for the campaign map.
    static void CallOutPosition(const Vector2& position, const std::string& channelName);
    void CallOutCage(const Cage* cage, const std::string& channelName);
    void CallOutSquare(const Square* square, const std::string& channelName);
    void CallOutCandidate(const Square* square, int candidateIndex, const std::string& channelName);
    void CallOutCandidateForRemoval(const Square* square, int candidateIndex, const std::string& channelName);
    void CallOutColumn(const Board* board, int columnIndex, const std::string& channelName);
    void CallOutRow(const Board* board, int rowIndex, const std::string& channelName);
    // The puzzle's first cage of the rule, on the "hint" channel (also when
    // there is none); nothing for a null puzzle.
    void CallOutFirstCageOfRule(const Puzzle* puzzle, int rule);

    // --- Lookup: the first call-out, in creation order, that names it;
    // null for a null target. ---
    InstructorCallOut* FindCallOutForCage(const Cage* cage) const override;
    InstructorCallOut* FindCallOutForSquare(const Square* square) const override;
    InstructorCallOut* FindCallOutForCandidate(const Square* square, int candidateIndex) const override;
    InstructorCallOut* FindCallOutForColumn(const Board* board, int columnIndex) const override;
    InstructorCallOut* FindCallOutForRow(const Board* board, int rowIndex) const override;
    // Every call-out with a screen point, in creation order; a board
    // call-out has one once it has been drawn.
    std::vector<InstructorCallOut*> CollectPositionedCallOuts() const override;
    const std::list<std::unique_ptr<InstructorCallOut>>& GetCallOuts() const { return m_callOuts; }

    // --- Removal ---
    void DestroyAllCallOuts();
    void DestroyCallOutsByChannel(const std::string& channelName) override;
    size_t GetCallOutCount() const { return m_callOuts.size(); }

    // --- The hints' call-outs ---
    void CallOutCage(const Cage& cage, const std::string& channelName) override;
    void CallOutSquare(const Square& square, const std::string& channelName) override;
    void CallOutCandidate(const Square& square, int candidateIndex, const std::string& channelName) override;
    void CallOutCandidateVariant(const Square& square, int candidateIndex, const std::string& channelName) override;
    void CallOutRow(const Board& board, int rowIndex, const std::string& channelName) override;
    void CallOutColumn(const Board& board, int columnIndex, const std::string& channelName) override;
    void CallOutScreenPosition(const Vector2& position, const std::string& channelName) override;

private:
    struct Lesson {
        std::vector<TextLines> lines;
        TeachableGameMechanics taught;
    };

    // The lines of the lesson of highest priority and what it teaches; it
    // places the lesson's call-outs and asks the campaign for its own.
    Lesson BuildLesson(const TeachableGameMechanics& mechanics, Puzzle* puzzle, const PuzzleStep* step);
    InstructorCallOut& AddCallOut(const std::string& channelName);
    template <typename Matches>
    InstructorCallOut* FindFirst(const void* target, Matches matches) const;

    // Fills the board's cages and squares from the definition, with each
    // cage's key square, target and solutions as a generated board has
    // them. The board arrives without cages and with a progress.
    static void PopulateCustomBoard(Board& board, const TutorialPuzzleDefinition& definition);
    static void SetTutorialRunning(bool isRunning);
    void RegisterEventHandlers();
    void SetPuzzleViewBounds(const AABB2& bounds);
    void DestroyInstructorPuzzle();
    // Removes the tutorial puzzle and gives the chef back the palette it had
    // before the tutorial showed, so that boards built afterwards keep their
    // region's colours.
    void HideTutorialPuzzle();
    PlayerProfile* GetActiveProfile() const;
    void RecordProvenMechanics(Puzzle& puzzle);
    // The error-notification lesson once the puzzle has a mistake.
    static TeachableGameMechanics GetMistakeMechanics(const Puzzle& puzzle);
    // Adds what the solver's next step calls for to requested and teaches
    // what the player does not know yet, or empties the play window's text.
    void TeachNextStepMechanics(Puzzle* puzzle, const PuzzleStep& step, TeachableGameMechanics requested);
    void ShowLesson(int parentWindowHandle, const std::vector<TextLines>& lines);
    void ShowEmptyTextArea(int windowId);
    // The tutorial builds its pages in the one text area there is, so the
    // play screen's lesson is built again once the tutorial is left, and its
    // call-outs come back.
    void RestorePlayScreenLesson();
    // Builds page n's board, call-outs and lines.
    std::vector<TextLines> SetUpLesson(int lesson);
    void RunDemonstrationStep(int lesson, int step);

    std::unique_ptr<Clock> m_clock;
    InstructorScreensInterface* m_screens = nullptr;
    // Kept by the screens.
    Texture* m_backgroundTexture = nullptr;
    ActiveProfileLookup m_activeProfile;
    bool m_isTutorialPuzzleShown = false;
    // The chef's palette from before the tutorial puzzle was shown.
    std::vector<Rgba> m_paletteBeforeTutorial;
    double m_lessonStartTime = 0.0;
    bool m_isMiniLessonDialogOpen = false;
    // The lines of the lesson the play screen shows beside its board.
    std::vector<TextLines> m_playScreenLesson;
    // The display goes before the puzzle it points at.
    ServedPuzzle m_tutorialPuzzle;
    std::unique_ptr<PuzzleDisplay> m_instructorPuzzleView;
    AABB2 m_instructorPuzzleViewBounds;
    int m_currentLesson = END_PAGE;
    float m_bodyTextSize = 16.0f;
    float m_titleTextSize = 26.0f;
    // Destroyed before the clock their clocks run below.
    std::list<std::unique_ptr<InstructorCallOut>> m_callOuts;
    // The play screen's call-outs, set aside while the tutorial is shown.
    std::list<std::unique_ptr<InstructorCallOut>> m_playScreenCallOuts;
};

} // namespace Pemberquill
