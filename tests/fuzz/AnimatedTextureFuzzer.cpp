// An animated texture definition. Without an image studio no frame loads,
// so this reaches the reading alone; the game has no writer for the file.

#include "engine/modules/renderer/AnimatedTextureDefinition.h"
#include "tests/fuzz/RecordRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testsupport::SilentConsole console;
  try {
    record_fuzz::ReadServed(record_fuzz::Bytes(data, data + size), [](ResourceStream& stream) {
      const AnimatedTextureDefinition definition(stream);
      if (AnimatedTextureDefinition::Find(definition.GetName()) != &definition) {
        record_fuzz::Finding("a definition read is not in the table under its name");
      }
    });
  } catch (const UlvoException&) {
  }
  return 0;
}
