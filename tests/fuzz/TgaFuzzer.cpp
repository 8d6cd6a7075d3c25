// Feeds arbitrary files to the image studio as ".tga" files. A refusal
// (UlvoException) is the expected outcome of a malformed file; a crash, a
// sanitizer report, a leak or any other exception is a finding.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/fuzz/ImageFuzzerSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  image_fuzz::LoadFromPlayerStorage(std::vector<uint8_t>(data, data + size), "fuzz/input.tga");
  return 0;
}
