#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/core/EventRecipient.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/shell/LoadingScreen.h"

class Clock;
class NamedProperties;

namespace Pemberquill {

// The game object: owns the game subsystems, starts them behind the loading
// screen in its constructor, times the splash images and runs the
// subsystems' per-frame updates. The driver creates one at the end of its
// start-up and destroys it last.
class PemberquillGame : public EventRecipient {
public:
    static constexpr int MAX_SPLASH_SCREENS = 200;
    static constexpr double SPLASH_SCREEN_SECONDS = 5.0;
    static constexpr double MAX_CLOCK_STEP_SECONDS = 0.1;

    // Every player's options and profile file carry this stem.
    static constexpr const char* PROFILE_FILE_STEM = "steamuser";

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
    // The end of the key chain: true when a subsystem took the pair.
    bool HandleKey(int action, int key);

    void Event_OnStartupLoadingTaskComplete(NamedProperties& args);
    void Event_OnHideSplashScreenDialog(NamedProperties& args);

    Clock& GetClock() { return *m_clock; }
    const LoadingScreen& GetLoadingScreen() const { return m_loadingScreen; }
    size_t GetSplashScreenCount() const { return m_splashScreens.size(); }
    int GetMouseX() const { return m_mouseX; }
    int GetMouseY() const { return m_mouseY; }

    static std::string GetSplashScreenName(int index);

private:
    struct SplashScreen {
        std::string imageName;
        double endTime = 0.0;
        double duration = SPLASH_SCREEN_SECONDS;
    };

    void RegisterEventHandlers();
    void RunLoadingTasks();
    void ShutDownSubsystems();
    void FinishStartup();
    void LoadSplashScreens();
    // True while splash images are still being shown; the rest of the frame
    // waits for them.
    bool UpdateSplashScreens();
    void UpdateMousePosition();

    PuzzleChef m_puzzleChef;
    std::unique_ptr<Clock> m_clock;
    std::vector<SplashScreen> m_splashScreens;
    int m_mouseX = 0;
    int m_mouseY = 0;
    LoadingScreen m_loadingScreen;
};

}  // namespace Pemberquill
