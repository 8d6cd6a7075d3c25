#include "game/puzzle/Puzzle.h"

#include "PuzzleTestSupport.h"
#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleRequest.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

// Records what the puzzle publishes.
class Listener : public EventRecipient {
public:
    explicit Listener(UlvoEventSystem& events)
    {
        RegisterEventHandler("PuzzleStepsChangedEvent", &events, &Listener::OnSteps, this);
        RegisterEventHandler("UndoButtonVisibilityEvent", &events, &Listener::OnUndo, this);
        RegisterEventHandler("RedoButtonVisibilityEvent", &events, &Listener::OnRedo, this);
    }

    void OnSteps(NamedProperties& args)
    {
        std::string label;
        EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("Label", label));
        stepLabels.push_back(label);
    }
    void OnUndo(NamedProperties& args) { undo.push_back(GetEnabled(args)); }
    void OnRedo(NamedProperties& args) { redo.push_back(GetEnabled(args)); }

    std::vector<std::string> stepLabels;
    std::vector<bool> undo;
    std::vector<bool> redo;

private:
    static bool GetEnabled(const NamedProperties& args)
    {
        bool enabled = false;
        EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("Enabled", enabled));
        return enabled;
    }
};

BoardMove ValueMove(int x, int y, int value)
{
    BoardMove move;
    move.type = MOVE_TYPE_VALUE;
    move.x = x;
    move.y = y;
    move.data = value;
    return move;
}

class PuzzleTest : public ::testing::Test {
protected:
    // A puzzle of numBoards 4 x 4 boards with four cages each.
    std::unique_ptr<Puzzle> MakePuzzle(int numBoards)
    {
        auto puzzle = std::make_unique<Puzzle>(&m_clock);
        std::vector<std::unique_ptr<Board>> boards;
        for (int i = 0; i < numBoards; ++i) {
            boards.push_back(MakeBoard(puzzle->GetClock(), 4, static_cast<unsigned>(i), 4));
        }
        puzzle->SetBoards(std::move(boards));
        return puzzle;
    }

    static Board& BoardOf(const Puzzle& puzzle, size_t index) { return *puzzle.GetBoards()[index]; }
    static BoardProgress& ProgressOf(const Puzzle& puzzle, size_t index)
    {
        return *BoardOf(puzzle, index).GetProgress();
    }
    static const Square& SquareOf(const Puzzle& puzzle, size_t index, unsigned x, unsigned y)
    {
        return BoardOf(puzzle, index).GetSquare(x, y);
    }

    UlvoEventSystem m_events;
    Clock m_clock;
    PuzzleProgress m_progress{"p"};
};

} // namespace

TEST_F(PuzzleTest, DeletingBoardsKeepsTheProgress)
{
    const std::unique_ptr<Puzzle> puzzle = MakePuzzle(2);
    puzzle->SetProgress(&m_progress);
    ProgressOf(*puzzle, 0).SetValue(SquareOf(*puzzle, 0, 0, 0), 4);
    EXPECT_TRUE(puzzle->FindMistakes());

    puzzle->SetActive(true);
    puzzle->SetFocusedBoardIndex(1);
    puzzle->DeleteBoards();
    EXPECT_FALSE(puzzle->HasBoards());
    EXPECT_FALSE(puzzle->IsActive()) << "no board to play on";
    EXPECT_EQ(-1, puzzle->GetFocusedBoardIndex());
    EXPECT_TRUE(puzzle->GetMistakes().empty()) << "mistakes point at the boards";
    EXPECT_TRUE(puzzle->GetClock().GetChildren().empty()) << "the boards' clocks went with them";
    EXPECT_EQ(2u, m_progress.GetBoardProgresses().size());

    // Rebuilt boards pick the stored play up again.
    std::vector<std::unique_ptr<Board>> boards;
    boards.push_back(MakeBoard(puzzle->GetClock(), 4, 0, 4));
    boards.push_back(MakeBoard(puzzle->GetClock(), 4, 1, 4));
    puzzle->SetBoards(std::move(boards));
    EXPECT_EQ(4u, BoardOf(*puzzle, 0).GetSquareValue(0, 0));
}

TEST_F(PuzzleTest, MistakesInPassOrder)
{
    const std::unique_ptr<Puzzle> puzzle = MakePuzzle(2);
    puzzle->SetProgress(&m_progress);
    EXPECT_FALSE(puzzle->FindMistakes());

    Board& hidden = BoardOf(*puzzle, 1);
    hidden.SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    BoardProgress& first = ProgressOf(*puzzle, 0);
    BoardProgress& second = ProgressOf(*puzzle, 1);

    // Answers are (x + y) mod 4 + 1; square i is in cage i mod 4, whose
    // colour is its index.
    first.SetValue(SquareOf(*puzzle, 0, 3, 2), 1);  // answer 2: wrong
    first.SetValue(SquareOf(*puzzle, 0, 1, 0), 2);  // answer 2: right
    second.SetValue(SquareOf(*puzzle, 1, 0, 1), 3); // answer 2: wrong
    first.SetPlayerCandidateBit(SquareOf(*puzzle, 0, 2, 0), 2, true);  // answer 3 eliminated
    first.SetPlayerCandidateBit(SquareOf(*puzzle, 0, 0, 0), 3, true);  // 4 is not the answer: fine
    second.SetPlayerCandidateBit(SquareOf(*puzzle, 1, 0, 1), 1, true); // the square holds a value: not counted
    second.SetColorIndex(SquareOf(*puzzle, 1, 1, 1), 0);  // cage 1: wrong colour
    second.SetColorIndex(SquareOf(*puzzle, 1, 2, 0), 2);  // cage 2: right
    first.SetColorIndex(SquareOf(*puzzle, 0, 1, 1), 0);   // wrong, but the board shows its cages

    EXPECT_TRUE(puzzle->FindMistakes());
    struct Expected {
        int kind;
        size_t board;
        int x;
        int y;
    };
    const Expected expected[] = {
        {HINT_KIND_WRONG_COLOR, 1, 1, 1},
        {HINT_KIND_WRONG_VALUE, 0, 3, 2},
        {HINT_KIND_WRONG_VALUE, 1, 0, 1},
        {HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE, 0, 2, 0},
    };
    const std::vector<HintRecord>& mistakes = puzzle->GetMistakes();
    ASSERT_EQ(std::size(expected), mistakes.size());
    for (size_t i = 0; i < mistakes.size(); ++i) {
        EXPECT_EQ(expected[i].kind, mistakes[i].kind) << i;
        EXPECT_EQ(&BoardOf(*puzzle, expected[i].board), mistakes[i].board) << i;
        EXPECT_EQ(expected[i].x, mistakes[i].move.x) << i;
        EXPECT_EQ(expected[i].y, mistakes[i].move.y) << i;
        EXPECT_EQ(MOVE_TYPE_EMPTY, mistakes[i].move.type) << i;
        EXPECT_EQ(0u, mistakes[i].stage) << i;
    }

    // Squares within a board come row by row.
    second.SetValue(SquareOf(*puzzle, 1, 0, 1), 0);
    second.SetPlayerCandidateBit(SquareOf(*puzzle, 1, 0, 1), 1, false);
    second.SetColorIndex(SquareOf(*puzzle, 1, 1, 1), -1);
    first.SetPlayerCandidateBit(SquareOf(*puzzle, 0, 2, 0), 2, false);
    first.SetValue(SquareOf(*puzzle, 0, 0, 3), 1);
    ASSERT_TRUE(puzzle->FindMistakes());
    ASSERT_EQ(2u, puzzle->GetMistakes().size());
    EXPECT_EQ(2, puzzle->GetMistakes()[0].move.y);
    EXPECT_EQ(3, puzzle->GetMistakes()[1].move.y);
}

TEST_F(PuzzleTest, SolvedDetectionAndState)
{
    const std::unique_ptr<Puzzle> puzzle = MakePuzzle(2);
    puzzle->SetActive(true);
    puzzle->MarkSolved();
    EXPECT_TRUE(puzzle->IsActive()) << "without a progress nothing changes";

    puzzle->SetProgress(&m_progress);
    EXPECT_FALSE(puzzle->AreAllBoardsValid());
    for (size_t b = 0; b < 2; ++b) {
        for (const Square& square : BoardOf(*puzzle, b).GetSquares()) {
            ProgressOf(*puzzle, b).SetValue(square, square.solutionValue);
        }
    }
    ProgressOf(*puzzle, 1).SetValue(SquareOf(*puzzle, 1, 3, 3), 0);
    EXPECT_FALSE(puzzle->AreAllBoardsValid()) << "every board must be solved";
    ProgressOf(*puzzle, 1).SetValue(SquareOf(*puzzle, 1, 3, 3), SquareOf(*puzzle, 1, 3, 3).solutionValue);
    EXPECT_TRUE(puzzle->AreAllBoardsValid());

    m_progress.SetState(PUZZLE_STATE_STARTED);
    puzzle->MarkSolved();
    EXPECT_EQ(PUZZLE_STATE_SOLVED, m_progress.GetState());
    EXPECT_FALSE(puzzle->IsActive());

    m_progress.SetState(5); // graded by the campaign
    puzzle->MarkSolved();
    EXPECT_EQ(5, m_progress.GetState());
}

TEST_F(PuzzleTest, StepsLabelAndUndoRedoStates)
{
    Listener listener(m_events);
    PuzzleDescriptor descriptor;
    descriptor.SetSeed(1);
    descriptor.AddBoardRecipe(BoardRecipe());
    descriptor.SetSolverSteps(12);

    const std::unique_ptr<Puzzle> puzzle = MakePuzzle(2);
    puzzle->SetDescriptor(descriptor);
    puzzle->UpdateStepsLabel();
    puzzle->SetProgress(&m_progress);
    ProgressOf(*puzzle, 0).SetSteps(3);
    ProgressOf(*puzzle, 1).SetSteps(4);
    puzzle->UpdateStepsLabel();
    EXPECT_EQ((std::vector<std::string>{"Steps:  0 (par is 12)", "Steps:  7 (par is 12)"}), listener.stepLabels);

    BoardProgress& first = ProgressOf(*puzzle, 0);
    puzzle->UpdateUndoRedoVisibility(); // empty history
    first.RecordMove(ValueMove(0, 0, 1));
    first.RecordMove(ValueMove(1, 0, 2));
    puzzle->UpdateUndoRedoVisibility(); // at the end
    BoardMove popped;
    first.PopUndoMove(popped);
    puzzle->UpdateUndoRedoVisibility(); // in the middle
    first.PopUndoMove(popped);
    puzzle->UpdateUndoRedoVisibility(); // at the start
    // The second board's history plays no part.
    ProgressOf(*puzzle, 1).RecordMove(ValueMove(0, 0, 1));
    puzzle->UpdateUndoRedoVisibility();
    EXPECT_EQ((std::vector<bool>{false, true, true, false, false}), listener.undo);
    EXPECT_EQ((std::vector<bool>{false, false, true, true, true}), listener.redo);
}
