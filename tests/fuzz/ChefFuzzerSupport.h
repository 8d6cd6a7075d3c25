#pragma once

// The puzzle chef the set and recipe-book fuzzers build with: started once,
// with whatever recipe books the working folder's data holds.

#include <vector>

#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleDescriptor.h"
#include "tests/fuzz/RecordRoundTrip.h"

namespace record_fuzz {

inline Clock& ChefClock() {
  static Clock clock;
  return clock;
}

inline Pemberquill::PuzzleChef& StartedChef() {
  static UlvoEventSystem events;
  static Pemberquill::PuzzleChef chef;
  if (!chef.IsStarted()) {
    chef.Startup(&ChefClock());
  }
  return chef;
}

// A descriptor the chef cannot build gives no puzzle; it never throws.
inline void CreateEveryPuzzle(const std::vector<Pemberquill::PuzzleDescriptor>& descriptors,
                              bool build) {
  for (const Pemberquill::PuzzleDescriptor& descriptor : descriptors) {
    try {
      StartedChef().CreatePuzzleFromDescriptor(descriptor, &ChefClock(), build);
    } catch (const UlvoException& error) {
      std::fprintf(stderr, "%s\n", error.GetMessage().c_str());
      Finding("the chef threw while making a puzzle from a descriptor");
    }
  }
}

}  // namespace record_fuzz
