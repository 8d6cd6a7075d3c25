#pragma once

#include <string>

#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedDataFolder.h"

namespace sound_test {

using testsupport::RecordingConsole;

// A fresh working directory with an empty "Data/Audio" folder for one test.
class ScopedDataFolder : public testsupport::ScopedDataFolder {
 public:
  ScopedDataFolder() { MakeFolder("Audio"); }

  // An empty file is enough where the device does not decode it.
  void Touch(const std::string& pathInDataFolder) const {
    Write(pathInDataFolder, testsupport::Bytes(1, 0));
  }
};

}  // namespace sound_test
