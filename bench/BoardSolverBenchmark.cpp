// Time to solve one generated board from its start to the end (solved or
// stuck), as the puzzle chef does for every puzzle it generates on demand.
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "tests/support/GeneratedBoard.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace Pemberquill;

namespace {

// Boards are generated before timing starts; each iteration solves the
// next one on a fresh progress.
constexpr unsigned BOARDS_PER_SIZE = 32;

void SolveBoards(benchmark::State& state, BoardGenerator& generator)
{
    Clock clock;
    GeneratorRecipe recipe;
    recipe.size = static_cast<unsigned>(state.range(0));
    std::vector<std::unique_ptr<Board>> boards;
    for (unsigned seed = 0; seed < BOARDS_PER_SIZE; ++seed) {
        boards.push_back(BuildGeneratedBoard(generator, seed, recipe, clock).board);
    }
    SimpleBoardSolver solver;
    size_t next = 0;
    int64_t steps = 0;
    for (auto _ : state) {
        Board& board = *boards[next];
        next = (next + 1) % boards.size();
        const std::unique_ptr<BoardProgress> progress = board.CreateProgress(false);
        board.SetProgress(progress.get());
        board.RecomputeAutoEliminations();
        board.UpdateCageSolutions();
        const SolveResult result = solver.SolveBoard(board);
        steps += result.steps;
        board.SetProgress(nullptr);
        benchmark::DoNotOptimize(result.rating);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["steps"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
}

void BM_SolveSimpleBoard(benchmark::State& state)
{
    SimpleBoardGenerator generator;
    SolveBoards(state, generator);
}

void BM_SolveHybridBoard(benchmark::State& state)
{
    HybridBoardGenerator generator;
    SolveBoards(state, generator);
}

} // namespace

BENCHMARK(BM_SolveSimpleBoard)->DenseRange(4, 9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveHybridBoard)->DenseRange(4, 9)->Unit(benchmark::kMicrosecond);
