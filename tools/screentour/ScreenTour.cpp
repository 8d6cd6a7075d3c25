#include "tools/screentour/ScreenTour.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "engine/core/Clock.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/application/UlvoApplicationSetup.h"
#include "engine/modules/renderer/UlvoRendererBasic_Win32_DirectX81.h"
#include "game/shell/PemberquillGame.h"
#include "game/shell/PemberquillShared.h"
#include "game/shell/TheGame.h"
#include "platform/crt/CrtRandom.h"
#include "platform/gpu/SdlGpuDevice.h"
#include "tools/screentour/ScreenshotPng.h"

namespace screentour {

namespace fs = std::filesystem;

namespace {

std::string MakeTemporaryFolder() {
  std::string pattern = (fs::temp_directory_path() / "screentour-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary user-data folder");
  }
  return pattern;
}

}  // namespace

ScreenTour::ScreenTour(const std::string& projectRoot, const std::string& outputFolder)
    : m_projectRoot(fs::absolute(projectRoot).string()),
      m_outputFolder(fs::absolute(outputFolder).string()) {}

ScreenTour::~ScreenTour() {
  StopGame();
  if (!m_userDataFolder.empty()) {
    std::error_code ignored;
    fs::remove_all(m_userDataFolder, ignored);
  }
}

std::vector<std::string> ScreenTour::Run(const std::vector<TourStop>& stops) {
  fs::create_directories(m_outputFolder);
  StartGame();
  // A click dismisses each splash image, as a player would; the first frame
  // without one pushes the title menu.
  while (m_game->GetGameObject()->GetSplashScreenCount() > 0) {
    m_game->RunFrame();
    FireGlobalEvent("HideSplashScreenDialogEvent");
  }
  Settle();
  std::vector<std::string> written;
  for (const TourStop& stop : stops) {
    if (stop.show) {
      stop.show();
    }
    Settle();
    written.push_back(Photograph(stop.windowName));
    if (stop.leave) {
      stop.leave();
      Settle();
    }
  }
  StopGame();
  return written;
}

void ScreenTour::StartGame() {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  setenv("SDL_RENDER_DRIVER", "software", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // Else the offscreen display would load a GL driver to present with.
  setenv("SDL_FRAMEBUFFER_ACCELERATION", "0", 1);
  m_userDataFolder = MakeTemporaryFolder();
  setenv("XDG_DATA_HOME", m_userDataFolder.c_str(), 1);
  if (chdir(m_projectRoot.c_str()) != 0) {
    throw std::runtime_error("cannot work in \"" + m_projectRoot + "\"");
  }
  // No options: like a new player's game it runs full screen, here on the
  // offscreen display's 1024 x 768 desktop, with the 16:10 virtual screen
  // letterboxed in it.
  UlvoApplicationSetup("");

  m_game = std::make_unique<Pemberquill::TheGame>();
  m_game->Startup();
  // Whatever real time a frame takes, the clocks move by one fixed step.
  Clock& master = UlvoCore::GetGlobal()->GetTimeSystem().GetMasterClock();
  master.SetMinimumStep(FRAME_SECONDS);
  master.SetMaximumStep(FRAME_SECONDS);
  platform::CrtSrand(RANDOM_SEED);
}

void ScreenTour::StopGame() {
  if (m_game != nullptr) {
    m_game->Shutdown();
    m_game.reset();
  }
}

void ScreenTour::Settle() {
  for (int frame = 0; frame < SETTLE_FRAMES; ++frame) {
    m_game->RunFrame();
  }
}

std::string ScreenTour::Photograph(const std::string& windowName) {
  auto* device = dynamic_cast<platform::SdlGpuDevice*>(ulvoRenderer->GetDevice());
  if (device == nullptr) {
    throw std::runtime_error("the renderer has no device to read the picture from");
  }
  const IntVector2 size = ulvoApp->GetClientSize();
  const std::string path = (fs::path(m_outputFolder) / (windowName + ".png")).string();
  WriteScreenshotPng(path, size.x, size.y, device->ReadBackBuffer({0, 0, size.x, size.y}));
  return path;
}

}  // namespace screentour
