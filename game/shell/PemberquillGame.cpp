#include "game/shell/PemberquillGame.h"

#include <cstdio>

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/shell/FreePlay.h"
#include "game/shell/PemberquillOptions.h"
#include "game/shell/StartupProfiling.h"

namespace Pemberquill {

namespace {

PemberquillGame* g_game = nullptr;

constexpr int VERSION_MAJOR = 1;
constexpr int VERSION_MINOR = 1;

}  // namespace

PemberquillGame::PemberquillGame(Clock* parentClock)
{
    g_game = this;
    m_clock = std::make_unique<Clock>(parentClock);
    m_clock->SetMaximumStep(MAX_CLOCK_STEP_SECONDS);
    RegisterEventHandlers();
    try {
        if (UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance()) {
            renderer->LoadFont("MainFont", "EN");
        }
        FireGlobalEvent("OnStartupLoadingTaskComplete");
        RunLoadingTasks();
        FinishStartup();
    } catch (...) {
        // No destructor runs for a half-built game object: what it started
        // must not outlive it.
        if (GetFreePlay().IsInitialized()) {
            GetFreePlay().Shutdown();
        }
        g_game = nullptr;
        throw;
    }
}

PemberquillGame::~PemberquillGame()
{
    ShutDownSubsystems();
    if (g_game == this) {
        g_game = nullptr;
    }
}

void PemberquillGame::ShutDownSubsystems()
{
    FreePlay& freePlay = GetFreePlay();
    if (freePlay.IsInitialized()) {
        freePlay.Shutdown();
    } else {
        // Free play's own check would throw, and a destructor must not.
        ConsolePrintf("FreePlay Shutdown begun.\n");
        ULVO_ASSERT_IN_DESTRUCTOR(freePlay.IsInitialized(), "Shutdown called on an uninitialized FreePlay.",
                                  "PemberquillGame::~PemberquillGame");
    }
}

PemberquillGame* PemberquillGame::GetGlobal()
{
    return g_game;
}

void PemberquillGame::RegisterEventHandlers()
{
    UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
    RegisterEventHandler("OnStartupLoadingTaskComplete", eventSystem,
                         &PemberquillGame::Event_OnStartupLoadingTaskComplete, this);
    RegisterEventHandler("HideSplashScreenDialogEvent", eventSystem,
                         &PemberquillGame::Event_OnHideSplashScreenDialog, this);
}

void PemberquillGame::RunLoadingTasks()
{
    StartProfiling("PuzzleChef startup");
    m_puzzleChef.Startup(m_clock.get());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    StartProfiling("FreePlay startup");
    GetFreePlay().Startup(m_clock.get());
    FireGlobalEvent("OnStartupLoadingTaskComplete");

    PemberquillOptions& options = GetPemberquillOptions();
    StartProfiling("Load Options");
    options.LoadOptions(PROFILE_FILE_STEM);
    StartProfiling("Register options callbacks");
    options.RegisterEventHandlers();
    StartProfiling("Fire Options events");
    options.FireAllEvents();

    StartProfiling("Load splash screens");
    LoadSplashScreens();
    StartProfiling("");
}

void PemberquillGame::FinishStartup()
{
    if (UlvoConsoleInterface* console = UlvoConsoleInterface::GetDefaultInstance()) {
        console->SetFont("MainFont", 18, false, false);
    }
    NamedProperties args;
    args.Set<std::string>("Label", Stringf("Version %d.%02d", VERSION_MAJOR, VERSION_MINOR));
    FireGlobalEvent("VersionTextChangedEvent", args);
}

std::string PemberquillGame::GetSplashScreenName(int index)
{
    return Stringf("Images/SplashScreens/splash%02d.png", index);
}

void PemberquillGame::LoadSplashScreens()
{
    for (int index = 0; index < MAX_SPLASH_SCREENS; ++index) {
        const std::string name = GetSplashScreenName(index);
        std::FILE* file = std::fopen(("Data/" + name).c_str(), "rb");
        if (file == nullptr) {
            return;
        }
        std::fclose(file);
        m_splashScreens.push_back(SplashScreen{name, 0.0, SPLASH_SCREEN_SECONDS});
    }
}

bool PemberquillGame::UpdateSplashScreens()
{
    if (m_splashScreens.empty()) {
        return false;
    }
    const double now = m_clock->GetTime();
    SplashScreen& current = m_splashScreens.front();
    if (current.endTime > 0.0) {
        if (current.endTime >= now) {
            return true;
        }
        m_splashScreens.erase(m_splashScreens.begin());
        if (m_splashScreens.empty()) {
            return true;
        }
    }
    m_splashScreens.front().endTime = now + m_splashScreens.front().duration;
    return true;
}

void PemberquillGame::Update()
{
    if (UpdateSplashScreens()) {
        return;
    }
    GetFreePlay().Update();
    UpdateMousePosition();
}

void PemberquillGame::UpdateMousePosition()
{
    if (UlvoInputInterface* input = UlvoInputInterface::GetDefaultInstance()) {
        input->GetMousePosition(m_mouseX, m_mouseY);
    }
}

bool PemberquillGame::HandleKey(int action, int key)
{
    if (UlvoInputInterface::GetDefaultInstance() == nullptr) {
        return false;
    }
    return GetFreePlay().OnKeyEvent(action, key);
}

void PemberquillGame::Event_OnStartupLoadingTaskComplete(NamedProperties& /*args*/)
{
    m_loadingScreen.ReportStep();
}

void PemberquillGame::Event_OnHideSplashScreenDialog(NamedProperties& /*args*/)
{
    if (!m_splashScreens.empty()) {
        m_splashScreens.erase(m_splashScreens.begin());
    }
}

}  // namespace Pemberquill
