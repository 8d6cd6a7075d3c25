// The credits roll (Data/Credits.pqdf): sections, groups and lines.

#include <memory>
#include <vector>

#include "game/tutorial/Credits.h"
#include "tests/fuzz/RecordRoundTrip.h"

using Pemberquill::Credits;
using Pemberquill::CreditsSection;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<std::vector<CreditsSection>>(); },
      [](std::vector<CreditsSection>& sections, ResourceStream& stream) {
        sections = Credits::ReadSections(stream);
      },
      [](std::vector<CreditsSection>& sections, ResourceStream& stream) {
        Credits::WriteSections(stream, sections);
      });
  return 0;
}
