// The shape lists of hidden cages are rebuilt on every start and restart of
// a hidden-cage board, and the solution marks walk them on every edit. The
// boards are 9 x 9 hidden-cage boards from the generator, all rules allowed
// (Straight cages reach nine squares and give the longest lists).
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "tests/support/GeneratedBoard.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

using namespace Pemberquill;

namespace {

constexpr unsigned NUM_BOARDS = 64;

struct BoardPool {
    Clock clock;
    std::vector<std::unique_ptr<Board>> boards;
};

BoardPool& HiddenBoards(unsigned size)
{
    static BoardPool pools[10];
    BoardPool& pool = pools[size];
    if (pool.boards.empty()) {
        HybridBoardGenerator generator;
        GeneratorRecipe recipe;
        recipe.size = size;
        recipe.solvingAttributes = SOLVING_ATTRIBUTE_HIDDEN_CAGES;
        for (unsigned seed = 1; seed <= NUM_BOARDS; ++seed) {
            pool.boards.push_back(BuildGeneratedBoard(generator, seed, recipe, pool.clock).board);
        }
    }
    return pool;
}

void ForgetShapes(Board& board)
{
    for (Cage& cage : board.GetCages()) {
        cage.valueSets.clear();
    }
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Each iteration builds the shapes of the next board of the pool; the
// counters give the median and the worst board in milliseconds.
void BM_BuildHiddenCageShapes(benchmark::State& state)
{
    BoardPool& pool = HiddenBoards(static_cast<unsigned>(state.range(0)));
    std::vector<std::vector<double>> perBoard(pool.boards.size());
    size_t next = 0;
    size_t shapes = 0;
    for (auto _ : state) {
        Board& board = *pool.boards[next];
        ForgetShapes(board);
        const auto start = std::chrono::steady_clock::now();
        board.BuildHiddenCageShapes();
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - start).count();
        state.SetIterationTime(seconds);
        perBoard[next].push_back(seconds * 1000.0);
        for (const Cage& cage : board.GetCages()) {
            shapes += cage.valueSets.size();
        }
        next = (next + 1) % pool.boards.size();
    }
    std::vector<double> boardMedians;
    for (const std::vector<double>& times : perBoard) {
        if (!times.empty()) {
            boardMedians.push_back(Median(times));
        }
    }
    state.counters["median_board_ms"] = Median(boardMedians);
    state.counters["worst_board_ms"] =
        boardMedians.empty() ? 0.0 : *std::max_element(boardMedians.begin(), boardMedians.end());
    state.counters["shapes_per_board"] =
        benchmark::Counter(static_cast<double>(shapes), benchmark::Counter::kAvgIterations);
}

// One edit's worth of solution marks on a started hidden-cage board.
void BM_HiddenCageSolutionMarks(benchmark::State& state)
{
    BoardPool& pool = HiddenBoards(static_cast<unsigned>(state.range(0)));
    std::vector<std::unique_ptr<BoardProgress>> progresses;
    for (const std::unique_ptr<Board>& board : pool.boards) {
        ForgetShapes(*board);
        board->BuildHiddenCageShapes();
        progresses.push_back(board->CreateProgress(false));
        board->SetProgress(progresses.back().get());
    }
    size_t next = 0;
    for (auto _ : state) {
        pool.boards[next]->UpdateCageSolutions();
        next = (next + 1) % pool.boards.size();
    }
    for (const std::unique_ptr<Board>& board : pool.boards) {
        board->SetProgress(nullptr);
    }
}

} // namespace

BENCHMARK(BM_BuildHiddenCageShapes)->Arg(6)->Arg(9)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HiddenCageSolutionMarks)->Arg(6)->Arg(9)->Unit(benchmark::kMicrosecond);
