#pragma once

#include <memory>

#include "engine/core/EventRecipient.h"
#include "engine/modules/application/UlvoGameInterface.h"
#include "platform/system/ExclusiveFileLock.h"

class Clock;
class NamedProperties;

namespace Pemberquill {

class PemberquillGame;

// The driver: creates the eight engine modules (kept in the global module
// pointers of PemberquillShared.h), opens the window,
// creates the game object, runs one update pass and one render pass over
// the modules per frame at no more than 102 frames a second, and stops when
// "QuitGameEvent" has been fired. The entry function calls Startup, Run and
// Shutdown once each, in that order, then destroys it.
class TheGame : public UlvoGameInterface, public EventRecipient {
public:
    static constexpr const char* WINDOW_TITLE = "Harrowmere: Pemberquill";
    static constexpr const char* USER_DATA_FOLDER = "Pemberquill/";
    static constexpr int ICON_RESOURCE_ID = 101;
    static constexpr int FRAMES_PER_SECOND = 102;
    // In the user-data folder; held while the game runs.
    static constexpr const char* RUNNING_LOCK_FILE_NAME = "running.lock";

    TheGame();
    ~TheGame() override;

    // Starts the modules, moves to the folder that holds Data/ (or fails,
    // naming the folders looked in), opens the window and loads the game.
    // False, with the player told, when another copy of the game runs on the
    // same user-data folder: then nothing but a line in that copy's log is
    // written, and only destroying the driver is left to do.
    bool Startup();
    // Frames until a quit is requested; at once when one already was.
    void Run();
    // Destroys the game object (which shuts the game's subsystems down),
    // then shuts the modules down and destroys them.
    void Shutdown();

    bool IsQuitting() const override { return m_isQuitting; }
    void RequestQuit() { m_isQuitting = true; }
    bool OnKeyEvent(int action, int code) override;

    // One frame of the main loop.
    void RunFrame();

    // Replaces the game object with a new one below the game clock.
    void CreateGameObject();
    PemberquillGame* GetGameObject() { return m_game.get(); }
    Clock* GetGameClock() { return m_gameClock.get(); }

    void Event_OnQuitGame(NamedProperties& args);

private:
    void CreateEngineModules();
    // Two copies on one folder would each save their own older profile
    // over the other's progress.
    platform::ExclusiveFileLock::Outcome HoldUserDataFolder();
    void ReportAnotherCopyRunning() const;
    void OpenWindow();
    void UpdateGame();
    // The game object's render step, after the screens' render pass.
    void RenderGame();
    void SetUpScreenProjection();
    void SetUpVirtualScreenProjection();
    void LimitFrameRate(int framesPerSecond);
    void DestroyEngineModules();

    bool m_isQuitting = false;
    bool m_isStarted = false;
    platform::ExclusiveFileLock m_userDataLock;
    std::unique_ptr<Clock> m_gameClock;
    std::unique_ptr<PemberquillGame> m_game;
    double m_lastFrameLimitTime = -1.0;
};

}  // namespace Pemberquill
