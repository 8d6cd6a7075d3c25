#include "engine/modules/application/UlvoGameInterface.h"

namespace {

UlvoGameInterface* g_gameInterface = nullptr;

}  // namespace

UlvoGameInterface::UlvoGameInterface() { g_gameInterface = this; }

UlvoGameInterface::~UlvoGameInterface() {
  if (g_gameInterface == this) {
    g_gameInterface = nullptr;
  }
}

UlvoGameInterface* UlvoGameInterface::GetGlobal() { return g_gameInterface; }
