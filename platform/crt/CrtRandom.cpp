#include "platform/crt/CrtRandom.h"

#include <cstdint>

namespace platform {

namespace {
uint32_t state = 1;
}

void CrtSrand(unsigned seed) { state = static_cast<uint32_t>(seed); }

int CrtRand() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7fff);
}

}  // namespace platform
