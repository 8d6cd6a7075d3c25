// Time to hand out a generated puzzle: the chef builds and solves puzzles
// until one is as solvable as the request asks, and the game waits for it.
// Each run asks for 50 puzzles (seeds 0, 1000, 2000, ... with retries taking
// the seeds after them) and reports the median and worst time per accepted
// puzzle and the puzzles built per accepted one.
#include "engine/core/Clock.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem_Win32.h"
#include "game/puzzle/PuzzleChef.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

using namespace Pemberquill;

namespace {

constexpr int PUZZLES_PER_RUN = 50;
constexpr int64_t SEED_SPACING = 1000;

enum RequestKind { SIMPLE, HYBRID, HIDDEN_CAGES, TWO_BOARDS };
const char* const KIND_NAMES[] = {"simple", "hybrid", "hidden cages", "two boards"};

PuzzleRequest MakeRequest(int size, int kind)
{
    PuzzleRequest request(size, 0, 1, kind == HIDDEN_CAGES ? 1 : 0, kind == TWO_BOARDS ? 1 : 0, 0,
                          SOLVABILITY_SOLVABLE);
    if (kind == HYBRID) {
        request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    }
    return request;
}

void BM_GetPuzzleByGeneration(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const int kind = static_cast<int>(state.range(1));
    // The engine clock stands at the millisecond the run chooses, so the new
    // seed of each request is known.
    int64_t milliseconds = 0;
    PropertyAnimationSystem animations;
    UlvoCore core(std::make_unique<UlvoTimeSystem_Win32>([&milliseconds] { return milliseconds * 1000000; },
                                                         1000000000),
                  animations);
    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    PuzzleRequest request = MakeRequest(size, kind);

    std::vector<double> times;
    int accepted = 0;
    int built = 0;
    for (auto _ : state) {
        for (int i = 0; i < PUZZLES_PER_RUN; ++i) {
            milliseconds = i * SEED_SPACING;
            const int before = PuzzleChef::GetDynamicPuzzleCount();
            const auto start = std::chrono::steady_clock::now();
            const ServedPuzzle served = chef.GetPuzzle(request, -1, &clock);
            const auto end = std::chrono::steady_clock::now();
            built += PuzzleChef::GetDynamicPuzzleCount() - before;
            if (served) {
                ++accepted;
                times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            }
        }
    }

    std::sort(times.begin(), times.end());
    state.SetLabel(KIND_NAMES[kind]);
    state.counters["accepted"] = accepted;
    state.counters["median_ms"] = times.empty() ? 0.0 : times[times.size() / 2];
    state.counters["worst_ms"] = times.empty() ? 0.0 : times.back();
    state.counters["attempts_per_puzzle"] = accepted == 0 ? 0.0 : static_cast<double>(built) / accepted;
}

} // namespace

BENCHMARK(BM_GetPuzzleByGeneration)
    ->ArgsProduct({{4, 6, 9}, {SIMPLE, HYBRID, HIDDEN_CAGES, TWO_BOARDS}})
    ->ArgNames({"N", "kind"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
