#pragma once

namespace platform {

// The C runtime's linear congruential generator, reproduced bit for bit:
// stored puzzles are rebuilt from their seeds and depend on its exact
// sequence. The state starts as if seeded with 1.
constexpr int CRT_RAND_MAX = 32767;

void CrtSrand(unsigned seed);

// 0..CRT_RAND_MAX.
int CrtRand();

}  // namespace platform
