#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/core/EventRecipient.h"
#include "game/common/GameSoundID.h"
#include "game/presentation/audio/PemberquillAudio.h"
#include "game/presentation/ui/AchievementScreensUI.h"
#include "game/presentation/ui/CampaignScreensUI.h"
#include "game/presentation/ui/FreePlayScreensUI.h"
#include "game/presentation/ui/InstructorScreensUI.h"
#include "game/presentation/ui/PemberquillAnimations.h"
#include "game/presentation/ui/PemberquillGUI.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/shell/GameAchievementContext.h"
#include "game/options/GameBoardSettings.h"
#include "game/campaign/PemberquillCampaign.h"
#include "game/shell/LoadingScreen.h"
#include "game/player/PlayerProfileManager.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/tutorial/Instructor.h"

class Clock;
class NamedProperties;

namespace Pemberquill {

// The game object: owns the game subsystems, starts them behind the loading
// screen in its constructor, times the splash images and runs the
// subsystems' per-frame updates. During play it answers the game's events:
// it prepares the puzzles that free play announces, keeps the staged hint,
// plays the sounds of play, pauses the game clock and tells the boards its
// settings. The driver creates one at the end of its start-up and destroys
// it last.
class PemberquillGame : public EventRecipient {
public:
    static constexpr int MAX_SPLASH_SCREENS = 200;
    static constexpr double SPLASH_SCREEN_SECONDS = 5.0;
    static constexpr double MAX_CLOCK_STEP_SECONDS = 0.1;

    // Runs every loading task; when it returns the game is ready for its
    // first frame.
    explicit PemberquillGame(Clock* parentClock);
    ~PemberquillGame() override;
    PemberquillGame(const PemberquillGame&) = delete;
    PemberquillGame& operator=(const PemberquillGame&) = delete;

    // The live game object, or null.
    static PemberquillGame* GetGlobal();

    // Called by the driver once per frame, after the projections are set.
    void Update();
    // Called by the driver once per frame, after the modules' render passes.
    // Draws nothing: the boards are drawn inside the UI's render pass, where
    // the puzzle canvas fires its render event, and drawing them here as
    // well would paint them twice.
    void Render() const {}
    // The end of the key chain: true when a subsystem took the pair. A mouse
    // button's pair acts where the mouse is as it happens.
    bool HandleKey(int action, int key);

    // Builds the puzzle's boards when it has none, starts play on it where
    // its progress left off, announces it with its start sound and lets the
    // instructor offer what the puzzle teaches; a null puzzle is an
    // assertion.
    void PlayPuzzle(Puzzle* puzzle);
    // Back to no hint: the stage, the hint panel and the hint's bubbles.
    void ResetHint();

    void Event_OnStartupLoadingTaskComplete(NamedProperties& args);
    void Event_OnToggleCandidate(NamedProperties& args);
    void Event_OnSetSquareValue(NamedProperties& args);
    void Event_OnToggleSolutionInvalid(NamedProperties& args);
    void Event_OnPlayPuzzle(NamedProperties& args);
    void Event_OnSolvePuzzle(NamedProperties& args);
    void Event_OnGiveHint(NamedProperties& args);
    void Event_OnTogglePause(NamedProperties& args);
    void Event_OnBeginAutoSolving(NamedProperties& args);
    void Event_OnEndAutoSolving(NamedProperties& args);
    void Event_OnUndo(NamedProperties& args);
    void Event_OnRedo(NamedProperties& args);
    void Event_OnPlayablePuzzleShown(NamedProperties& args);
    void Event_OnPlayablePuzzleHidden(NamedProperties& args);
    // Either owner's reset of the puzzle in play ("ResetCampaignPuzzleEvent",
    // "ResetFreePlayPuzzleEvent").
    void Event_OnResetPuzzle(NamedProperties& args);
    void Event_OnHideSplashScreenDialog(NamedProperties& args);
    void Event_OnShowOptions(NamedProperties& args);
    void Event_OnHideOptions(NamedProperties& args);
    void Event_OnPuzzleViewRender(NamedProperties& args);
    void Event_OnPuzzleViewRenderThumbnail(NamedProperties& args);
    void Event_OnBeginWhatIf(NamedProperties& args);
    void Event_OnAcceptWhatIf(NamedProperties& args);
    void Event_OnRejectWhatIf(NamedProperties& args);
    void Event_OnRewindPuzzle(NamedProperties& args);
    void Event_OnPlayablePuzzleUpdate(NamedProperties& args);
    void Event_OnShowInstructions(NamedProperties& args);
    void Event_OnHideInstructions(NamedProperties& args);
    void Event_OnPlayerProfileSelected(NamedProperties& args);
    void Event_OnTeachMechanics(NamedProperties& args);

    Clock& GetClock() { return *m_clock; }
    PemberquillAudio& GetAudio() { return m_audio; }
    PemberquillCampaign& GetCampaign() { return m_campaign; }
    PlayerProfileManager& GetProfileManager() { return m_profileManager; }
    Instructor& GetInstructor() { return m_instructor; }
    const PemberquillGUI* GetGUI() const { return m_gui.get(); }
    const LoadingScreen& GetLoadingScreen() const { return m_loadingScreen; }
    size_t GetSplashScreenCount() const { return m_splashScreens.size(); }
    int GetMouseX() const { return m_mouseX; }
    int GetMouseY() const { return m_mouseY; }

    static std::string GetSplashScreenName(int index);

    bool IsAutoSolving() const { return m_isAutoSolving; }
    const BoardSettingsInterface& GetBoardSettings() const { return m_boardSettings; }
    const HintRecord& GetHint() const { return m_hint; }
    // The puzzle on the playable-puzzle screen, whose hints the player asks
    // for; null while none is shown.
    Puzzle* GetShownPuzzle() const { return m_activePuzzleView ? m_activePuzzleView->GetOwner() : nullptr; }
    // The shown puzzle's boards on screen, which follow the mouse each
    // frame; null while none is shown.
    const PuzzleDisplay* GetActivePuzzleView() const { return m_activePuzzleView.get(); }

private:
    struct SplashScreen {
        std::string imageName;
        double endTime = 0.0;
        double duration = SPLASH_SCREEN_SECONDS;
    };

    void RegisterEventHandlers();
    void RunLoadingTasks();
    void ShutDownSubsystems();
    // What the loading tasks started before one of them failed.
    void ShutDownStartedScreens();
    // The program-wide subsystems outlive this object: they must not keep
    // pointers into it.
    void DetachSingletons();
    void FinishStartup();
    void LoadSplashScreens();
    // True while splash images are still being shown; the rest of the frame
    // waits for them.
    bool UpdateSplashScreens();
    // Reads the mouse and moves the focus of the boards in play under it:
    // each frame, and at each mouse button, which acts where it happens.
    void FollowPointer();
    // Tells the player of the run's first failed save, once no other notice
    // is open.
    void ShowSaveFailureNotice();
    // Heard only when sounds are on and the game is not solving by itself.
    void PlayGameSound(GameSoundID sound) const;
    void ShowHintForPuzzle();
    // Ends painting: the brush belongs to the puzzle it was taken up in.
    void PutDownBrush() const;
    // Draws the canvas's puzzle in the canvas's bounds; handlerName names
    // the handler in its assertions.
    void RenderPuzzleView(NamedProperties& args, bool isThumbnail, const char* handlerName);
    // The what-if step of the given puzzle; nothing without one.
    void StepWhatIf(NamedProperties& args, void (Puzzle::*step)(), GameSoundID sound, bool isTrialRunning);

    PuzzleChef m_puzzleChef;
    PemberquillAnimations m_animations;
    PemberquillUI m_ui;
    PlayerProfileManager m_profileManager;
    CampaignScreensUI m_campaignScreens{m_ui};
    FreePlayScreensUI m_freePlayScreens{m_ui};
    std::unique_ptr<PemberquillGUI> m_gui;
    std::unique_ptr<Clock> m_clock;
    // After the clock: their own clocks are children of the game's.
    PemberquillCampaign m_campaign;
    PemberquillAudio m_audio;
    // Its clock and its call-outs' clocks run below the game's.
    Instructor m_instructor;
    InstructorScreensUI m_instructorScreens{m_ui};
    GameAchievementContext m_achievementContext{m_profileManager, m_campaign};
    AchievementScreensUI m_achievementScreens{m_ui};
    // The game-wide copy of the auto-solving flag lives in the board
    // settings; this one silences the sounds of play.
    bool m_isAutoSolving = false;
    GameBoardSettings m_boardSettings;
    HintRecord m_hint;
    std::unique_ptr<PuzzleDisplay> m_activePuzzleView;
    std::vector<SplashScreen> m_splashScreens;
    bool m_isMainMenuPushed = false;
    int m_mouseX = 0;
    int m_mouseY = 0;
    LoadingScreen m_loadingScreen;
    PemberquillRenderer m_renderer;
};

}  // namespace Pemberquill
