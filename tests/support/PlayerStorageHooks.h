#pragma once

#include "engine/core/UlvoPath.h"

namespace testsupport {

// Takes every player-storage hook away, so that a test leaves paths of
// player storage resolving to the user-data folder for the next one.
inline void ForgetPlayerStorageHooks() {
  playerStorageReadHook = nullptr;
  playerStorageWriteHook = nullptr;
  playerStorageRemoveHook = nullptr;
  playerStorageRenameHook = nullptr;
}

}  // namespace testsupport
