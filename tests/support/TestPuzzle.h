#pragma once

#include "engine/core/Clock.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include <memory>
#include <utility>
#include <vector>

namespace Pemberquill {

struct TestCage {
    int rule;
    std::vector<std::pair<unsigned, unsigned>> squares; // (column, row)
};

// A puzzle of boards made by hand: answers (x + y) % N + 1, the given cages
// (key square top-left, colour = cage index), every other square without a
// cage, a progress attached to each board, and a name, so that it animates
// like a campaign puzzle. The puzzle clock stands at 10 s: fully shown.
class TestPuzzle {
public:
    TestPuzzle(unsigned size, const std::vector<TestCage>& cages, unsigned boardCount = 1)
        : puzzle(std::make_unique<Puzzle>(&clock))
    {
        std::vector<std::unique_ptr<Board>> boards;
        for (unsigned b = 0; b < boardCount; ++b) {
            boards.push_back(MakeBoard(size, b, cages));
        }
        puzzle->SetBoards(std::move(boards));
        for (const std::unique_ptr<Board>& board : puzzle->GetBoards()) {
            progresses.push_back(board->CreateProgress(false));
            board->SetProgress(progresses.back().get());
        }
        puzzle->SetDisplayName("Test #1");
        SetTime(10.0);
    }

    ~TestPuzzle()
    {
        for (const std::unique_ptr<Board>& board : puzzle->GetBoards()) {
            board->SetProgress(nullptr);
        }
    }

    Board& GetBoard(size_t index = 0) const { return *puzzle->GetBoards()[index]; }
    BoardProgress& GetProgress(size_t index = 0) const { return *progresses[index]; }

    // The puzzle's and every board's clock.
    void SetTime(double seconds)
    {
        puzzle->GetClock().SetTime(seconds);
        for (const std::unique_ptr<Board>& board : puzzle->GetBoards()) {
            board->GetClock().SetTime(seconds);
        }
    }

    // Every square holds its answer.
    void Solve()
    {
        for (size_t b = 0; b < progresses.size(); ++b) {
            for (const Square& square : GetBoard(b).GetSquares()) {
                progresses[b]->SetValue(square, square.solutionValue);
            }
        }
    }

    Clock clock;
    std::unique_ptr<Puzzle> puzzle;
    std::vector<std::unique_ptr<BoardProgress>> progresses;

private:
    std::unique_ptr<Board> MakeBoard(unsigned size, unsigned index, const std::vector<TestCage>& cages)
    {
        auto board = std::make_unique<Board>(size, index, &puzzle->GetClock(), 1u);
        board->SetCustomColors({});
        for (Square& square : board->GetSquares()) {
            square.solutionValue = (square.x + square.y) % size + 1;
        }
        for (const TestCage& wanted : cages) {
            Cage cage;
            cage.Init();
            cage.index = static_cast<int>(board->GetCages().size());
            cage.rule = wanted.rule;
            cage.color = cage.index;
            for (const auto& [x, y] : wanted.squares) {
                Square& square = board->GetSquare(x, y);
                square.cageIndex = cage.index;
                cage.squares.push_back(&square);
            }
            cage.FindTopLeftSquare();
            cage.ComputeTargetFromSolution();
            board->GetCages().push_back(cage);
        }
        return board;
    }
};

} // namespace Pemberquill
