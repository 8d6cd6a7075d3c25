// One frame of the game's board drawing: a 9 x 9 two-board puzzle with
// candidates, a few values, the mouse over a square and two call-outs (a cage
// and a candidate), drawn through a renderer that only records the calls, so
// that the time is the game's own, without the rasteriser. Target: < 1 ms.
#include "engine/core/Clock.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/tutorial/Instructor.h"
#include "tests/support/RecordingDrawCalls.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace Pemberquill;

namespace {

void BM_DrawTwoBoardPuzzleFrame(benchmark::State& state)
{
    testsupport::RecordingDrawCalls renderer;
    Clock clock;
    PuzzleChef chef;
    chef.Startup(&clock);
    PuzzleRequest request(9, 0, 1, 0, 1, 0, SOLVABILITY_SOLVABLE);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(request);
    descriptor.SetSeed(4242);
    const std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
    if (puzzle == nullptr || puzzle->GetBoards().size() != 2) {
        state.SkipWithError("the puzzle could not be built");
        return;
    }
    puzzle->SetDisplayName("Bench #1");
    std::vector<std::unique_ptr<BoardProgress>> progresses;
    for (const std::unique_ptr<Board>& board : puzzle->GetBoards()) {
        progresses.push_back(board->CreateProgress(false));
        board->SetProgress(progresses.back().get());
        for (const Square& square : board->GetSquares()) {
            if ((square.x + 2 * square.y) % 5 == 0) {
                progresses.back()->SetValue(square, square.solutionValue);
            } else if (square.x % 2 == 0) {
                progresses.back()->SetPlayerCandidateBit(square, static_cast<int>(square.y % 9), true);
            }
        }
    }
    Board& first = *puzzle->GetBoards()[0];
    Board& second = *puzzle->GetBoards()[1];
    first.SetFocusedSquareIndex(40);
    Instructor instructor;
    instructor.Startup(&clock);
    instructor.CallOutCage(&first.GetCages()[0], "hint");
    instructor.CallOutCandidateForRemoval(&second.GetSquare(4, 4), 2, "hint");
    clock.Advance(10.0);

    for (auto _ : state) {
        renderer.calls.clear();
        PuzzleDisplay display(puzzle.get(), false, AABB2(0, 0, 1000, 600));
        PemberquillRenderer::DrawPuzzle(display);
        benchmark::DoNotOptimize(renderer.calls.data());
    }
    state.counters["draw_calls"] = static_cast<double>(renderer.calls.size());
    for (const std::unique_ptr<Board>& board : puzzle->GetBoards()) {
        board->SetProgress(nullptr);
    }
}

} // namespace

BENCHMARK(BM_DrawTwoBoardPuzzleFrame)->Unit(benchmark::kMicrosecond);
