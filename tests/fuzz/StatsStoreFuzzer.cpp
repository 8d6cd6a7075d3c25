// The statistics and scores store of the online-service stand-in. What loads
// stores back to bytes that load again and store the same; a refused file is
// kept aside byte for byte and never stored over.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <string>
#include <vector>

#include "platform/steam/UserStatsStore.h"
#include "platform/system/FileSystem.h"
#include "tests/fuzz/RecordRoundTrip.h"

namespace {

// In memory when the system offers it: every store is flushed to disk.
class ScratchFolder {
 public:
  ScratchFolder() {
    char inMemory[] = "/dev/shm/pq-fuzz-stats-XXXXXX";
    char onDisk[] = "/tmp/pq-fuzz-stats-XXXXXX";
    const char* made = mkdtemp(inMemory);
    m_path = made != nullptr ? made : mkdtemp(onDisk);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

const std::string& Folder() {
  static const ScratchFolder folder;
  return folder.Path();
}

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::vector<unsigned char> bytes;
  std::string error;
  platform::ReadWholeFile(path, 1u << 26, bytes, error);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = Folder() + "/stats.txt";
  platform::RemoveFile(file + ".bad");
  if (!platform::WriteFileAtomically(file, data, size)) {
    return 0;
  }
  const std::vector<unsigned char> input(data, data + size);
  platform::UserStatsStore store(file);
  if (!store.Load()) {
    if (FileBytes(file + ".bad") != input) {
      record_fuzz::Finding("a refused statistics file was not kept aside whole");
    }
    return 0;
  }
  if (!store.Store()) {
    record_fuzz::Finding("statistics that loaded could not be stored");
  }
  const std::vector<unsigned char> first = FileBytes(file);
  platform::UserStatsStore again(file);
  if (!again.Load()) {
    record_fuzz::Finding("the store wrote what it refuses to load");
  }
  again.Store();
  if (FileBytes(file) != first) {
    record_fuzz::Finding("statistics read back from their own store stored different bytes");
  }
  return 0;
}
