#include "game/steam/SteamInterface.h"

#include <utility>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"

namespace Pemberquill {

namespace {

// The interface whose service the installed hooks use; the hooks stay
// installed after it shuts down and then answer as an unavailable service.
SteamInterface* storageOwner = nullptr;

platform::RemoteStorage* AvailableRemoteStorage() {
  if (storageOwner == nullptr || !storageOwner->IsSteamAvailable()) {
    return nullptr;
  }
  return storageOwner->GetOnlineService().GetRemoteStorage();
}

int32_t ReadPlayerStorageFile(const UlvoPath& path, std::unique_ptr<unsigned char[]>& buffer) {
  platform::RemoteStorage* storage = AvailableRemoteStorage();
  if (storage == nullptr) {
    return WHOLE_FILE_MISSING;
  }
  const std::string name = path.GetResolvedPath();
  std::vector<unsigned char> bytes;
  std::string error;
  const platform::FileReadStatus status = storage->ReadWholeFile(name, bytes, error);
  if (status == platform::FileReadStatus::UNREADABLE) {
    // The hook can only answer "unreadable"; the reason goes to the log
    // here, and the caller must not save over the file.
    ConsolePrintf("ERROR: The player file \"%s\" is there but could not be read (%s).\n",
                  name.c_str(), error.c_str());
  }
  return ToWholeFileResult(status, bytes, buffer);
}

// The whole-file write hands this back to its caller, who takes anything
// but the byte count as a failed save.
int32_t WritePlayerStorageFile(const UlvoPath& path, const unsigned char* bytes,
                               int32_t byteCount) {
  platform::RemoteStorage* storage = AvailableRemoteStorage();
  if (storage == nullptr || !storage->Write(path.GetResolvedPath(), bytes, byteCount)) {
    return 0;
  }
  return byteCount;
}

// Files in remote storage are never removed: the player's profile there is
// the only copy.
void KeepPlayerStorageFile(const UlvoPath&) {}

}  // namespace

SteamInterface::SteamInterface(const std::string& serviceFolder) : m_service(serviceFolder) {
  m_isSteamAvailable = m_service.Initialise();
}

SteamInterface::~SteamInterface() {
  ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized,
                            "SteamInterface was deleted without Shutdown() being called.",
                            "SteamInterface Destructor");
  if (storageOwner == this) {
    storageOwner = nullptr;
  }
}

void SteamInterface::Startup(Clock* parentClock) {
  ConsolePrintf("SteamInterface Startup begun.\n");
  ULVO_ASSERT(!m_isInitialized, "Startup called on an initialized subsystem.",
              "SteamInterface::Startup");
  m_clock = std::make_unique<Clock>(parentClock);
  if (m_isSteamAvailable) {
    m_userName = platform::OnlineService::GetUserName();
    ConsolePrintf("Logged in as Steam User: %s\n", m_userName.c_str());
    const std::string problems = m_service.GetLoadProblems();
    if (!problems.empty()) {
      ConsolePrintf("ERROR: %s", problems.c_str());
    }
    InstallPlayerStorageHooks();
  } else {
    // Without the service the hooks could neither read nor save the
    // profile, so player storage stays in the user-data folder.
    ConsolePrintf("Steam is not available: player files stay in the user-data folder.\n");
  }
  m_isInitialized = true;
  ConsolePrintf("SteamInterface Startup complete.\n");
}

void SteamInterface::InstallPlayerStorageHooks() {
  storageOwner = this;
  playerStorageReadHook = ReadPlayerStorageFile;
  playerStorageWriteHook = WritePlayerStorageFile;
  playerStorageRemoveHook = KeepPlayerStorageFile;
}

void SteamInterface::Update() {
  if (!m_isSteamAvailable) {
    return;
  }
  m_service.RunCallbacks();
}

void SteamInterface::Shutdown() {
  ConsolePrintf("SteamInterface Shutdown begun.\n");
  ULVO_ASSERT(m_isInitialized, "Shutdown called on an uninitialized SteamInterface.",
              "SteamInterface::Shutdown");
  if (m_isSteamAvailable) {
    m_service.Shutdown();
    m_isSteamAvailable = false;
  }
  m_isInitialized = false;
  ConsolePrintf("SteamInterface Shutdown complete.\n");
}

}  // namespace Pemberquill
