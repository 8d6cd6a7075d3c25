#include "game/shell/TheGame.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/CommandLine.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/console/UlvoCommandConsoleBasic.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "engine/modules/sound/UlvoSoundBasic_FMOD.h"
#include "engine/ui/UlvoUIBasic.h"
#include "game/common/SaveOutcomes.h"
#include "game/shell/DataFolder.h"
#include "game/shell/PemberquillGame.h"
#include "game/shell/PemberquillShared.h"
#include "game/options/PemberquillOptions.h"
#include "game/shell/StartupWindowSize.h"
#include "platform/crt/CrtRandom.h"
#include "platform/system/ExecutableFolder.h"
#include "platform/system/FileSystem.h"
#include "platform/system/MessageBox.h"
#include "platform/system/HighResolutionCounter.h"

namespace Pemberquill {

TheGame::TheGame() = default;

TheGame::~TheGame()
{
    m_game.reset();
    m_gameClock.reset();
    DestroyEngineModules();
}

bool TheGame::Startup()
{
    platform::CrtSrand(static_cast<unsigned>(std::time(nullptr)));
    CreateEngineModules();
    ValidateEngineModules();

    ulvoCore->Startup();
    ulvoApp->SetApplicationName(WINDOW_TITLE);
    ulvoApp->SetUserDataFolder(USER_DATA_FOLDER);
    const platform::ExclusiveFileLock::Outcome hold = HoldUserDataFolder();
    if (hold == platform::ExclusiveFileLock::Outcome::HELD_ELSEWHERE) {
        // Not even the console starts: it would recreate the running copy's log.
        ReportAnotherCopyRunning();
        ulvoCore->Shutdown();
        m_isQuitting = true;
        return false;
    }
    ulvoConsole->Startup();
    if (hold == platform::ExclusiveFileLock::Outcome::FAILED) {
        ConsolePrintf("WARNING: The user-data folder could not be locked (%s): a second copy of the game "
                      "started on it would not be noticed.\n",
                      m_userDataLock.GetError().c_str());
    }
    UseDataFolder(platform::ExecutableFolder());
    ulvoApp->Startup();
    OpenWindow();

    ulvoRenderer->SetDeviceContext(ulvoApp->GetDeviceContext());
    ulvoRenderer->Startup();
    ulvoImageStudio->Startup();
    ulvoInput->Startup();
    ulvoSound->Startup();
    ulvoUI->Startup();

    RegisterEventHandler("QuitGameEvent", &ulvoCore->GetEventSystem(), &TheGame::Event_OnQuitGame,
                         this);
    m_gameClock = std::make_unique<Clock>(&ulvoCore->GetTimeSystem().GetMasterClock());
    CreateGameObject();
    m_isStarted = true;
    return true;
}

platform::ExclusiveFileLock::Outcome TheGame::HoldUserDataFolder()
{
    const std::string folder = ulvoApp->GetUserDataPath();
    platform::CreateFolderRecursive(folder);
    return m_userDataLock.Hold(folder + RUNNING_LOCK_FILE_NAME);
}

void TheGame::ReportAnotherCopyRunning() const
{
    const std::string line =
        Stringf("ERROR: Another copy of the game (process %d) is running on the user-data folder \"%s\"; "
                "this copy ends without writing any player file.",
                m_userDataLock.GetHolderProcessId(), ulvoApp->GetUserDataPath().c_str());
    if (!UlvoCommandConsoleBasic::AppendToExistingLog(line)) {
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    platform::ShowMessageBox(WINDOW_TITLE,
                             "The game is already running.\n\nSwitch to the game that is open; this copy "
                             "closes without changing your progress.",
                             platform::MessageBoxIcon::Exclamation);
}

void TheGame::CreateEngineModules()
{
    ulvoCore = UlvoCore::Create();
    ulvoConsole = UlvoCommandConsoleBasic::Create();
    ulvoApp = UlvoApplicationBasic_Win32::Create();
    ulvoRenderer = UlvoRendererBasic_Win32_DirectX81::Create();
    ulvoImageStudio = UlvoImageStudioBasic_Win32::Create();
    ulvoInput = UlvoInputBasic_Win32::Create();
    ulvoSound = UlvoSoundBasic_FMOD::Create();
    ulvoUI = UlvoUIBasic::Create();
}

void TheGame::OpenWindow()
{
    const StartupWindowSize window =
        ChooseStartupWindowSize(ulvoApp->GetDesktopSize(), CommandLine::GetInstance());
    ulvoApp->OpenWindow(window.size, window.fullscreen ? 1 : 0, ICON_RESOURCE_ID);
}

void TheGame::CreateGameObject()
{
    m_game.reset();
    m_game = std::make_unique<PemberquillGame>(m_gameClock.get());
}

void TheGame::Run()
{
    while (!m_isQuitting) {
        RunFrame();
    }
}

void TheGame::RunFrame()
{
    ulvoCore->Update();
    ulvoApp->Update();
    ulvoInput->Update();
    ulvoUI->Update();
    ulvoSound->Update();
    ulvoRenderer->Update();
    ulvoImageStudio->Update();
    ulvoConsole->Update();

    UpdateGame();

    ulvoImageStudio->Render();
    ulvoUI->Render();
    ulvoConsole->Render();
    ulvoInput->Render();
    ulvoSound->Render();
    ulvoApp->Render();
    ulvoCore->Render();
    RenderGame();
    // The renderer ends the scene and presents it last.
    ulvoRenderer->Render();

    platform::SleepMilliseconds(1);
    LimitFrameRate(FRAMES_PER_SECOND);
}

void TheGame::UpdateGame()
{
    SetUpScreenProjection();
    ulvoRenderer->Clear(Rgba(0, 0, 0, 255));
    SetUpVirtualScreenProjection();
    if (m_game != nullptr) {
        m_game->Update();
    }
}

void TheGame::RenderGame()
{
    if (m_game != nullptr) {
        m_game->Render();
    }
}

void TheGame::SetUpScreenProjection()
{
    const IntVector2 clientSize = ulvoApp->GetClientSize();
    ulvoRenderer->SetViewport(IntVector2(0, 0), clientSize);
    ulvoRenderer->SetTransform(0.0f, 0.0f, static_cast<float>(clientSize.x),
                             static_cast<float>(clientSize.y));
}

void TheGame::SetUpVirtualScreenProjection()
{
    const IntVector2 clientSize = ulvoApp->GetClientSize();
    const IntVector2 screenSize = ulvoApp->GetScreenBoundsSize();
    const IntVector2 viewSize = ulvoApp->GetViewBoundsSize();
    const IntVector2 origin(static_cast<int>(std::lround((clientSize.x - screenSize.x) / 2.0)),
                            static_cast<int>(std::lround((clientSize.y - screenSize.y) / 2.0)));
    ulvoRenderer->SetViewport(origin, screenSize);
    ulvoRenderer->SetTransform(0.0f, 0.0f, static_cast<float>(viewSize.x),
                             static_cast<float>(viewSize.y));
}

void TheGame::LimitFrameRate(int framesPerSecond)
{
    if (framesPerSecond <= 0) {
        return;
    }
    const double now = ulvoCore->GetTimeSystem().GetCurrentTimeSeconds();
    if (m_lastFrameLimitTime < 0.0) {
        m_lastFrameLimitTime = now;
    }
    const double target = 1.0 / framesPerSecond;
    const double elapsed = now - m_lastFrameLimitTime;
    if (elapsed > 0.0 && elapsed < target) {
        platform::SleepMilliseconds(static_cast<unsigned>((target - elapsed) * 1000.0));
    }
    m_lastFrameLimitTime = now;
}

bool TheGame::OnKeyEvent(int action, int code)
{
    return m_game != nullptr && m_game->HandleKey(action, code);
}

void TheGame::Event_OnQuitGame(NamedProperties& /*args*/)
{
    if (m_game != nullptr) {
        m_game->GetCampaign().GradePendingSolve();
    }
    StartCollectingSaveFailures();
    if (m_game != nullptr) {
        GetPemberquillOptions().SaveOptions();
        PlayerProfileManager& profiles = m_game->GetProfileManager();
        if (profiles.GetActiveProfile() != nullptr) {
            profiles.SavePlayerProfile(profiles.GetActiveSlotIndex());
        }
    }
    // The screens go with this frame: what these last saves lost is told in
    // a box the player cannot miss, however often saving failed before. A
    // notice still waiting for the screens was about these same files.
    const std::vector<SaveFailure> failures = TakeCollectedSaveFailures();
    SaveFailure waiting;
    TakeSaveFailureNotice(waiting);
    if (!failures.empty()) {
        std::string text;
        for (const std::string& line : DescribeSaveFailures(failures)) {
            text += line + "\n";
        }
        platform::ShowMessageBoxAndWriteToStderr(WINDOW_TITLE, text, platform::MessageBoxIcon::Error);
    }
    RequestQuit();
}

void TheGame::Shutdown()
{
    if (!m_isStarted) {
        DestroyEngineModules();
        return;
    }
    m_isStarted = false;
    // The game's subsystems go first: their shutdown lines still reach the
    // log, and nothing they hold outlives the module that made it.
    m_game.reset();
    ulvoConsole->Shutdown();
    ulvoSound->Shutdown();
    ulvoInput->Shutdown();
    ulvoUI->Shutdown();
    ulvoImageStudio->Shutdown();
    ulvoRenderer->Shutdown();
    ulvoApp->Shutdown();
    ulvoCore->Shutdown();
    DestroyEngineModules();
}

void TheGame::DestroyEngineModules()
{
    // Cleared as they go, so that nothing reaches a module that is gone.
    ulvoConsole.reset();
    ulvoSound.reset();
    ulvoInput.reset();
    ulvoUI.reset();
    ulvoImageStudio.reset();
    ulvoRenderer.reset();
    ulvoApp.reset();
    if (ulvoCore != nullptr) {
        // The driver's handlers go before the event system they live in.
        ulvoCore->GetEventSystem().UnregisterRecipient(this);
    }
    ulvoCore.reset();
}

}  // namespace Pemberquill
