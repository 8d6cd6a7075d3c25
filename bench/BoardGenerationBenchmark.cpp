// Time to build one board from a seed and a recipe, as the puzzle chef does
// for every puzzle it hands out or checks.
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/support/GeneratedBoard.h"

#include <benchmark/benchmark.h>

using namespace Pemberquill;

namespace {

void BuildBoards(benchmark::State& state, BoardGenerator& generator, unsigned allowedRules)
{
    Clock clock;
    GeneratorRecipe recipe;
    recipe.size = static_cast<unsigned>(state.range(0));
    recipe.allowedRules = allowedRules;
    unsigned seed = 0;
    for (auto _ : state) {
        GeneratedBoard built = BuildGeneratedBoard(generator, seed++, recipe, clock);
        benchmark::DoNotOptimize(built.board->GetCages().data());
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_SimpleBoardGeneration(benchmark::State& state)
{
    SimpleBoardGenerator generator;
    BuildBoards(state, generator, ALL_CAGE_RULES_MASK);
}

void BM_HybridBoardGeneration(benchmark::State& state)
{
    HybridBoardGenerator generator;
    BuildBoards(state, generator, ALL_CAGE_RULES_MASK);
}

// Rules without targets merge into large cages, which the colouring then
// has to order.
void BM_HybridTargetlessBoardGeneration(benchmark::State& state)
{
    HybridBoardGenerator generator;
    BuildBoards(state, generator, CAGE_RULE_COMPARISONS | CAGE_RULE_EVEN | CAGE_RULE_ODD | CAGE_RULE_NOOP);
}

} // namespace

BENCHMARK(BM_SimpleBoardGeneration)->DenseRange(3, 9);
BENCHMARK(BM_HybridBoardGeneration)->DenseRange(3, 9);
BENCHMARK(BM_HybridTargetlessBoardGeneration)->DenseRange(3, 9);
