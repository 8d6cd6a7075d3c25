// The move of player files an offline run left in the user-data folder into
// remote storage at start-up. Whatever the files (present in either place,
// too large to store, of names the move looks for or not), no byte is lost:
// each local file stays, is kept aside under a name of its own, or is
// removed only once remote storage holds every byte of it; nothing stored
// before is changed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/core/Clock.h"
#include "game/steam/SteamInterface.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/fuzz/RecordRoundTrip.h"
#include "tests/fuzz/ScratchFolder.h"

using namespace Pemberquill;

namespace {

const char* const NAMES[] = {"steamuser.playerProfile",       "steamuser-3.playerProfile",
                             "steamuser.pqoptions",           "steamuser.pqoptions.malformed",
                             "steamuser.pqoptions.malformed2", "steamuser.playerProfile.damaged",
                             "application.log",               "steamuser.playerProfile.superseded"};
constexpr size_t NAME_COUNT = sizeof(NAMES) / sizeof(NAMES[0]);
constexpr int IN_USER_DATA = 1;
constexpr int IN_STORAGE = 2;
// Larger than the storage takes; sparse, so it costs nothing to make.
constexpr int TOO_LARGE = 4;
constexpr std::uintmax_t TOO_LARGE_SIZE = (std::uintmax_t{1} << 32) + 7;

struct Folders {
  Folders() : scratch("player-files"), userData(scratch.Path() + "/user/"),
              storage(scratch.Path() + "/" + SteamInterface::DEFAULT_SERVICE_FOLDER + "/storage/") {
    setenv("XDG_DATA_HOME", scratch.Path().c_str(), 1);
  }
  record_fuzz::ScratchFolder scratch;
  std::string userData;
  std::string storage;
};

std::vector<unsigned char> Bytes(const std::string& path) {
  std::vector<unsigned char> bytes;
  std::string error;
  platform::ReadWholeFile(path, 1u << 20, bytes, error);
  return bytes;
}

void Place(const std::string& path, const uint8_t* data, size_t size, bool tooLarge) {
  platform::WriteFileAtomically(path, data, size);
  if (tooLarge) {
    std::error_code ignored;
    std::filesystem::resize_file(path, TOO_LARGE_SIZE, ignored);
  }
}

// Input: entries of (name byte, place bits, length byte, that many bytes).
void MakeFiles(const Folders& folders, const uint8_t* data, size_t size) {
  size_t at = 0;
  while (at + 3 <= size) {
    const std::string name = NAMES[data[at] % NAME_COUNT];
    const int place = data[at + 1];
    const size_t length = std::min<size_t>(data[at + 2], size - at - 3);
    const uint8_t* content = data + at + 3;
    if (place & IN_USER_DATA) {
      Place(folders.userData + name, content, length, place & TOO_LARGE);
    }
    if (place & IN_STORAGE) {
      Place(folders.storage + name, content, length, false);
    }
    at += 3 + length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testsupport::SilentConsole console;
  static Folders folders;
  static Clock clock;
  folders.scratch.Clear();
  platform::CreateFolderRecursive(folders.userData);
  platform::CreateFolderRecursive(folders.storage);
  MakeFiles(folders, data, size);
  const auto localBefore = record_fuzz::SnapshotFolder(folders.userData);
  const auto storedBefore = record_fuzz::SnapshotFolder(folders.storage);
  std::map<std::string, std::vector<unsigned char>> localBytes;
  for (const auto& entry : localBefore) {
    localBytes[entry.first] = Bytes(folders.userData + entry.first);
  }

  {
    file_test::FakeApplication application(folders.userData);
    SteamInterface steam;
    steam.Startup(&clock);
    steam.Shutdown();
  }

  const auto localAfter = record_fuzz::SnapshotFolder(folders.userData);
  const auto storedAfter = record_fuzz::SnapshotFolder(folders.storage);
  for (const auto& [name, identity] : storedBefore) {
    if (storedAfter.count(name) == 0 || storedAfter.at(name) != identity) {
      record_fuzz::Finding("a file remote storage held was changed or removed");
    }
  }
  for (const auto& [name, identity] : localBefore) {
    if (record_fuzz::HasFileUnder(localAfter, name, identity)) {
      continue;
    }
    if (storedBefore.count(name) != 0 || storedAfter.count(name) == 0 ||
        std::get<1>(identity) != static_cast<off_t>(localBytes[name].size()) ||
        Bytes(folders.storage + name) != localBytes[name]) {
      record_fuzz::Finding("a local player file went without remote storage holding all of it");
    }
  }
  return 0;
}
