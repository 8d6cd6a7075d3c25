#include "game/steam/SteamInterface.h"

#include <string>
#include <utility>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/FileIO.h"
#include "engine/core/UlvoPath.h"
#include "engine/core/UlvoUserDataPathInterface.h"
#include "game/common/KeepFileAside.h"
#include "platform/system/FileSystem.h"

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
                               int32_t byteCount, std::string* error) {
  platform::RemoteStorage* storage = AvailableRemoteStorage();
  if (storage == nullptr || byteCount < 0) {
    if (error != nullptr) {
      *error = storage == nullptr ? "the online storage is not available" : "a negative byte count";
    }
    return 0;
  }
  if (!storage->Write(path.GetResolvedPath(), bytes, static_cast<size_t>(byteCount), error)) {
    return 0;
  }
  return byteCount;
}

// How a file is kept aside in remote storage, where nothing is removed: it
// moves to its new name whole, whatever its size.
bool RenamePlayerStorageFile(const UlvoPath& from, const UlvoPath& to) {
  platform::RemoteStorage* storage = AvailableRemoteStorage();
  return storage != nullptr && storage->Rename(from.GetResolvedPath(), to.GetResolvedPath());
}

// Files in remote storage are never removed: the player's profile there is
// the only copy.
void KeepPlayerStorageFile(const UlvoPath&) {}

// Where a local player file goes when remote storage already holds one of
// its name: out of the patterns' reach, so it is looked at only once.
const char* const SUPERSEDED_SUFFIX = ".superseded";

// Under the first free name of "<file>.superseded", "<file>.superseded2", ...
// so that no copy kept by an earlier start is replaced.
void KeepSupersededFile(const std::string& localPath, const std::string& name) {
  for (int copy = 1; copy <= MAX_KEPT_ASIDE_COPIES; ++copy) {
    const std::string asidePath = KeptAsideName(localPath, SUPERSEDED_SUFFIX, copy);
    if (platform::RenameWithoutReplacing(localPath, asidePath)) {
      ConsolePrintf(
          "WARNING: Remote storage already holds \"%s\"; the local copy was kept as \"%s\".\n",
          name.c_str(), asidePath.c_str());
      return;
    }
  }
  ConsolePrintf("ERROR: Remote storage already holds \"%s\"; the local copy stays as it is.\n",
                name.c_str());
}

}  // namespace

SteamInterface g_steamInterface;

SteamInterface& GetSteamInterface() { return g_steamInterface; }

const std::vector<std::string>& SteamInterface::GetLocalPlayerFilePatterns() {
  static const std::vector<std::string> patterns = {"*.playerProfile", "*.playerProfile.malformed*",
                                                    "*.pqoptions", "*.pqoptions.malformed*"};
  return patterns;
}

SteamInterface::SteamInterface(const std::string& serviceFolder)
    : m_service(serviceFolder), m_statsAndAchievements(m_service), m_leaderboards(m_service) {}

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
  m_isSteamAvailable = m_service.Initialise();
  if (m_isSteamAvailable) {
    m_userName = platform::OnlineService::GetUserName();
    ConsolePrintf("Logged in as Steam User: %s\n", m_userName.c_str());
    for (const std::string& problem : m_service.GetLoadProblems()) {
      ConsolePrintf("ERROR: %s\n", problem.c_str());
    }
    InstallPlayerStorageHooks();
    MoveLocalPlayerFilesToRemoteStorage();
    m_statsAndAchievements.SetUp();
    m_leaderboards.SetUp();
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
  playerStorageRenameHook = RenamePlayerStorageFile;
}

// A profile saved while the service was unavailable would otherwise be
// hidden for good behind the hooks. A file is removed locally only once
// remote storage holds all of its bytes.
void SteamInterface::MoveLocalPlayerFilesToRemoteStorage() {
  const UlvoUserDataPathInterface* application = UlvoUserDataPathInterface::GetDefaultInstance();
  if (application == nullptr || application->GetUserDataPath().empty()) {
    return;
  }
  const std::string folder = application->GetUserDataPath();
  for (const std::string& pattern : GetLocalPlayerFilePatterns()) {
    for (const std::string& name : platform::ListFolder(folder, pattern)) {
      MoveLocalPlayerFile(folder, name);
    }
  }
}

void SteamInterface::MoveLocalPlayerFile(const std::string& folder, const std::string& name) {
  platform::RemoteStorage* storage = m_service.GetRemoteStorage();
  const std::string localPath = folder + name;
  if (storage->FileExists(name)) {
    KeepSupersededFile(localPath, name);
    return;
  }
  // Sized before it is read: a file larger than the storage takes stays
  // where it is, whole.
  std::vector<unsigned char> bytes;
  std::string error;
  if (platform::ReadWholeFile(localPath, platform::RemoteStorage::MAX_FILE_SIZE, bytes, error) !=
      platform::FileReadStatus::READ) {
    ConsolePrintf(
        "ERROR: \"%s\" could not be moved into remote storage (%s); it stays in the "
        "user-data folder.\n",
        localPath.c_str(), error.c_str());
    return;
  }
  if (!storage->Write(name, bytes.data(), bytes.size()) ||
      storage->GetFileSize(name) != static_cast<int64_t>(bytes.size())) {
    ConsolePrintf(
        "ERROR: \"%s\" could not be stored whole in remote storage; it stays in the "
        "user-data folder.\n",
        localPath.c_str());
    return;
  }
  platform::RemoveFile(localPath);
  ConsolePrintf("Moved \"%s\" into remote storage.\n", localPath.c_str());
}

void SteamInterface::Update() {
  if (!m_isSteamAvailable) {
    return;
  }
  m_service.RunCallbacks();
  m_statsAndAchievements.RequestStatsIfDue();
  if (m_statsAndAchievements.HasReceivedStats()) {
    m_statsAndAchievements.StoreStatsIfRequested();
  }
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
