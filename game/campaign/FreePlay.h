#pragma once

#include <memory>
#include <string>

#include "game/puzzle/PuzzleChef.h"
#include "game/common/GameSubsystem.h"

class Clock;
class NamedProperties;

namespace Pemberquill {

class PemberquillOptions;
class Puzzle;
struct CageRules;
struct PuzzleRequest;

// What free play asks of the game's screens: building its windows and
// moving them on the window stack. The screens implement it; free play
// without screens (tests, start-up before the screens exist) still plays and
// fires its events, it just shows nothing.
class FreePlayScreens {
public:
    // The puzzle window; its escape fires escapeEventName. Free play never
    // plays the challenge of a location, so it passes false for both flags.
    virtual void CreatePuzzleWindow(Puzzle* puzzle, const std::string& escapeEventName, bool isChallengeUnsolved,
                                    bool isChallenge) = 0;
    // The puzzle-builder menu with its play button.
    virtual void CreateFreePlayWindow(const std::string& playButtonLabel, const std::string& playButtonEventName,
                                      const std::string& rollOverText) = 0;
    // Ten check boxes that fire the rule toggles with the record's pointer.
    virtual void CreateCageRulesDialog(CageRules* cageRules) = 0;
    virtual void PushWindow(int windowId, bool pushImmediately) = 0;
    virtual void PopWindow(int windowId, bool allowAnimationsToFinish) = 0;

protected:
    ~FreePlayScreens() = default;
};

// Free play: the player builds a puzzle request on the puzzle-builder menu,
// plays what the puzzle chef makes of it, and once a puzzle is solved the
// next puzzle of the same request follows after a short pause. The request
// comes from the options as they are when each puzzle is asked for; the
// game object plays the puzzle once "PlayPuzzleEvent" announces it.
class FreePlay : public GameSubsystem {
public:
    // Window identifiers of the screens that free play opens.
    static constexpr int PUZZLE_WINDOW = 12;
    static constexpr int FREE_PLAY_WINDOW = 14;
    static constexpr int FREE_PLAY_ESCAPE_MENU = 15;
    static constexpr int CAGE_RULES_DIALOG = 32;
    // How long a solved puzzle stays on screen, in free-play clock seconds.
    static constexpr double SOLVED_PUZZLE_DISPLAY_SECONDS = 3.0;

    FreePlay() = default;
    ~FreePlay() override;
    FreePlay(const FreePlay&) = delete;
    FreePlay& operator=(const FreePlay&) = delete;

    // Subscribes the handlers and creates the free-play clock below parent.
    void Startup(Clock* parent);
    // Releases the current puzzle and the clock: the parent clock belongs to
    // the game object, which goes before this singleton does.
    void Shutdown();
    bool IsInitialized() const { return m_isInitialized; }

    // The caller keeps ownership; null detaches the screens.
    void SetScreens(FreePlayScreens* screens) { m_screens = screens; }

    // Once per frame: notices a solved puzzle and, after the pause, moves
    // on to the next puzzle.
    void Update();
    // Keys go to the puzzle first. The 'n' character skips to a new puzzle
    // but is still passed on to the later subsystems.
    bool OnKeyEvent(int action, int key) override;

    // Plays puzzle, which replaces the current one; an empty puzzle plays
    // the current one again. Nothing without any puzzle.
    void Play(ServedPuzzle puzzle);
    // A new puzzle for the options' request from the default puzzle chef;
    // empty when none could be made.
    ServedPuzzle NextPuzzle();
    // The player has left the puzzle; it stays the current puzzle.
    void Stop();

    bool IsPlaying() const { return m_isPlaying; }
    Puzzle* GetCurrentPuzzle() const { return m_currentPuzzle.puzzle.get(); }
    // Null before start-up and after shutdown.
    Clock* GetClock() const { return m_clock.get(); }
    // -1 when no move to the next puzzle is pending.
    double GetNextPuzzleTime() const { return m_nextPuzzleTime; }
    const std::string& GetExitEventName() const { return m_exitEventName; }

    // The request that the options describe.
    static PuzzleRequest BuildPuzzleRequest(const PemberquillOptions& options);

    void Event_OnPlayFreePlay(NamedProperties& args);
    void Event_OnPlayFreePlayPuzzle(NamedProperties& args);
    void Event_OnShowFreePlayEscapeDialog(NamedProperties& args);
    void Event_OnHideFreePlayEscapeDialog(NamedProperties& args);
    void Event_OnQuitFreePlayPuzzle(NamedProperties& args);
    void Event_OnQuitFreePlay(NamedProperties& args);
    void Event_OnResetFreePlayPuzzle(NamedProperties& args);
    void Event_OnShowCageRules1Dialog(NamedProperties& args);
    void Event_OnShowCageRules2Dialog(NamedProperties& args);
    void Event_OnHideCageRulesDialog(NamedProperties& args);
    // The ten "ToggleCanUse...Event" handlers, one per rule flag in mask
    // order: "Value" (bool) and the dialog's record under
    // "OnActivationEventNameProperty" (CageRules*).
    template <int RuleIndex>
    void Event_OnToggleCanUseRule(NamedProperties& args)
    {
        ToggleCanUseRule(RuleIndex, args);
    }

private:
    void RegisterEventHandlers();
    void ToggleCanUseRule(int ruleIndex, NamedProperties& args);
    void ShowCageRulesDialog(CageRules& cageRules);
    // The per-frame advance and the 'n' key.
    void MoveToNextPuzzle();
    void PushWindow(int windowId);
    void PopWindow(int windowId);

    std::unique_ptr<Clock> m_clock;
    bool m_isInitialized = false;
    bool m_isPlaying = false;
    // Declared after the clock, so that it goes first: its clock is a child
    // of the free-play clock.
    ServedPuzzle m_currentPuzzle;
    std::string m_exitEventName;
    double m_nextPuzzleTime = -1.0;
    FreePlayScreens* m_screens = nullptr;
};

// The game's one free-play controller, built on first use.
FreePlay& GetFreePlay();

} // namespace Pemberquill
