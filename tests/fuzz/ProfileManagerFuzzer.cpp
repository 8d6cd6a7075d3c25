// The profile manager starting over a folder of up to six profiles, each
// present, absent, damaged or unreadable, then making one new player. The
// manager may write the files it makes or loaded and move a file it cannot
// read aside; every other file stays as it was, under its name or a
// kept-aside name of it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <system_error>

#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/player/PlayerProfile.h"
#include "game/player/PlayerProfileManager.h"
#include "platform/system/FileSystem.h"
#include "tests/engine/core/FileTestSupport.h"
#include "tests/fuzz/RecordRoundTrip.h"
#include "tests/fuzz/ScratchFolder.h"

using namespace Pemberquill;

namespace {

enum FileState { ABSENT, PRESENT, DAMAGED, UNREADABLE, STATE_COUNT };
// Refused by the reader for its size; sparse, so it costs nothing to make.
constexpr std::uintmax_t UNREADABLE_SIZE = (std::uintmax_t{1} << 31) + 5;

std::string StemOf(int number) {
  return number == 0 ? PlayerProfileManager::OWN_PROFILE_STEM
                     : std::string(PlayerProfileManager::OWN_PROFILE_STEM) + "-" + std::to_string(number);
}

// Takes a length byte and that many bytes from the input.
std::string TakeText(const uint8_t*& data, const uint8_t* end) {
  if (data == end) {
    return "";
  }
  const size_t length = std::min<size_t>(*data, static_cast<size_t>(end - data - 1));
  ++data;
  const std::string text(reinterpret_cast<const char*>(data), length);
  data += length;
  return text;
}

void MakeProfile(const std::string& path, FileState state, const std::string& text) {
  switch (state) {
    case PRESENT: {
      PlayerProfile profile(text);
      ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 256);
      profile.Write(stream);
      platform::WriteFileAtomically(path, stream.GetData(), static_cast<size_t>(stream.GetSize()));
      break;
    }
    case DAMAGED:
      platform::WriteFileAtomically(path, text.data(), text.size());
      break;
    case UNREADABLE: {
      platform::WriteFileAtomically(path, text.data(), text.size());
      std::error_code ignored;
      std::filesystem::resize_file(path, UNREADABLE_SIZE, ignored);
      break;
    }
    default:
      break;
  }
}

// The file is under its own name or kept aside as "<name>.damaged<n>".
bool IsKept(const std::map<std::string, record_fuzz::FileIdentity>& after, const std::string& name,
            const record_fuzz::FileIdentity& identity) {
  const auto own = after.find(name);
  return (own != after.end() && own->second == identity) || record_fuzz::HasFileUnder(after, name + ".damaged", identity);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testsupport::SilentConsole console;
  static UlvoEventSystem events;
  static record_fuzz::ScratchFolder folder("profiles");
  folder.Clear();
  const uint8_t* at = data;
  const uint8_t* const end = data + size;
  for (int number = 0; number < PlayerProfileManager::NUM_PROFILE_SLOTS && at != end; ++number) {
    const FileState state = static_cast<FileState>(*at++ % STATE_COUNT);
    MakeProfile(folder.Path() + "/" + PlayerProfileManager::GetProfileFileName(StemOf(number)), state,
                TakeText(at, end));
  }
  const std::string newName = TakeText(at, end);
  const auto before = record_fuzz::SnapshotFolder(folder.Path());
  // A profile the manager loaded is its own: a switch away saves it.
  std::set<std::string> loaded;

  {
    file_test::FakeApplication application(folder.Path() + "/");
    PlayerProfileManager manager;
    manager.Startup("fuzz");
    for (int slot = 0; slot < PlayerProfileManager::NUM_PROFILE_SLOTS; ++slot) {
      const std::string name = manager.GetProfileNameInSlot(slot);
      if (!name.empty()) {
        loaded.insert(PlayerProfileManager::GetProfileFileName(manager.GetProfileFileStem(name)));
      }
    }
    NamedProperties args;
    args.Set<std::string>("OnActivationEventNameProperty", newName);
    FireGlobalEvent("CreateProfileEvent", args);
  }

  const auto after = record_fuzz::SnapshotFolder(folder.Path());
  for (const auto& [name, identity] : before) {
    if (loaded.count(name) != 0 ? after.count(name) == 0 : !IsKept(after, name, identity)) {
      record_fuzz::Finding("a profile file the manager did not make was changed or removed");
    }
  }
  return 0;
}
