// A puzzle in play: its states, keys, mistakes, two boards kept in step,
// play time, the labels it publishes, and progress attached to its boards.
#include "game/puzzle/Puzzle.h"

#include "PuzzleTestSupport.h"
#include "game/puzzle/PuzzleProgress.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

// A generated-looking board: answers (x + y) mod N + 1, and numCages cages
// with square i (row-major) in cage i mod numCages, each cage coloured with
// its index mod 5.
std::unique_ptr<Board> MakeBoard(Clock& clock, unsigned size, unsigned boardIndex, unsigned numCages)
{
    auto board = std::make_unique<Board>(size, boardIndex, &clock, 1234);
    for (unsigned c = 0; c < numCages; ++c) {
        Cage cage;
        cage.index = static_cast<int>(c);
        cage.rule = CAGE_RULE_ADDITION;
        cage.color = static_cast<int>(c % 5);
        board->GetCages().push_back(cage);
    }
    std::vector<Square>& squares = board->GetSquares();
    for (size_t i = 0; i < squares.size(); ++i) {
        Square& square = squares[i];
        square.solutionValue = (square.x + square.y) % size + 1;
        square.cageIndex = static_cast<int>(i % numCages);
        board->GetCages()[i % numCages].squares.push_back(&square);
    }
    for (Cage& cage : board->GetCages()) {
        cage.FindTopLeftSquare();
    }
    return board;
}

constexpr int DOWN = 1;
constexpr int REPEAT = 2;
constexpr int UP = 3;
constexpr int LEFT_BUTTON = 1;

class PuzzleTest : public ::testing::Test {
protected:
    PuzzleTest()
    {
        log.Listen(events, {"HasMadeAMistakeEvent", "InstructorDestroyCallOutsByChannel", "PuzzleStepsChangedEvent",
                            "UndoButtonVisibilityEvent", "RedoButtonVisibilityEvent"});
    }

    // A puzzle of numBoards 4 x 4 boards whose answers are (x + y) mod 4 + 1,
    // square i in cage i mod 4 of colour i mod 4, par 10.
    void MakePuzzle(int numBoards)
    {
        puzzle = std::make_unique<Puzzle>(&clock);
        PuzzleDescriptor descriptor;
        descriptor.SetSeed(5);
        descriptor.SetSize(4);
        descriptor.SetSolverSteps(10);
        std::vector<std::unique_ptr<Board>> boards;
        for (int i = 0; i < numBoards; ++i) {
            descriptor.AddBoardRecipe(BoardRecipe());
            boards.push_back(MakeBoard(puzzle->GetClock(), 4, static_cast<unsigned>(i), 4));
        }
        puzzle->SetDescriptor(descriptor);
        puzzle->SetBoards(std::move(boards));
        puzzle->SetProgress(&progress);
    }

    // The first board's cages hidden, play started and the brush taken up
    // with colour 3.
    void StartPaintingTheFirstBoard(int numBoards)
    {
        MakePuzzle(numBoards);
        GetBoard(0).SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
        puzzle->Start();
        settings.paintingCages = true;
        settings.paintColorIndex = 3;
    }

    Board& GetBoard(size_t index) { return *puzzle->GetBoards()[index]; }
    BoardProgress& BoardProgressOf(size_t index) { return *GetBoard(index).GetProgress(); }
    const Square& At(size_t board, unsigned x, unsigned y) { return GetBoard(board).GetSquare(x, y); }

    // Types a digit into a square, the way a player does.
    bool Type(int boardIndex, unsigned x, unsigned y, int digit)
    {
        puzzle->SetFocusedBoardIndex(boardIndex);
        GetBoard(static_cast<size_t>(boardIndex)).SetFocusedSquareIndex(static_cast<int>(4 * y + x));
        return puzzle->HandleInput(DOWN, '0' + digit);
    }

    // The pointer over one board, as the board display moves it: the other
    // boards see it off their edges. -1 is off every board.
    void PointAt(int boardIndex, const Vector2& point)
    {
        puzzle->SetFocusedBoardIndex(boardIndex);
        for (size_t i = 0; i < puzzle->GetBoards().size(); ++i) {
            const bool over = static_cast<int>(i) == boardIndex;
            puzzle->UpdateBoardPointer(GetBoard(i), over ? point : Vector2(-1.0f, -1.0f), SOLUTIONS_LAYOUT_FIRST_BOARD);
        }
    }

    void TypeAllAnswersExcept(int boardIndex, unsigned skipX, unsigned skipY)
    {
        for (unsigned i = 0; i < 16; ++i) {
            if (i % 4 != skipX || i / 4 != skipY) {
                ASSERT_TRUE(Type(boardIndex, i % 4, i / 4, static_cast<int>((i % 4 + i / 4) % 4 + 1)));
            }
        }
    }

    // Whether the undo and redo buttons were last shown enabled.
    std::pair<bool, bool> Buttons() const
    {
        return {log.Get("UndoButtonVisibilityEvent", "Enabled", false),
                log.Get("RedoButtonVisibilityEvent", "Enabled", false)};
    }

    std::string StepsLabel() const { return log.Get<std::string>("PuzzleStepsChangedEvent", "Label", ""); }

    UlvoEventSystem events;
    EventLog log;
    FakeBoardSettings settings;
    Clock clock;
    PuzzleProgress progress{"5-4x1x0x1"};
    std::unique_ptr<Puzzle> puzzle;
};

} // namespace

TEST_F(PuzzleTest, StatesRiseInOrderAndSolvingEndsPlay)
{
    MakePuzzle(1);
    puzzle->SetFocusedBoardIndex(0);
    EXPECT_FALSE(puzzle->HandleInput(DOWN, '1')) << "not started";

    clock.Advance(4.0);
    puzzle->Start();
    EXPECT_EQ(PUZZLE_STATE_SEEN, progress.GetState());
    EXPECT_TRUE(puzzle->IsActive());
    EXPECT_EQ(4.0, puzzle->GetStartTime());
    EXPECT_EQ("Steps:  0 (par is 10)", StepsLabel());
    EXPECT_FALSE(puzzle->HandleInput(DOWN, 'Q')) << "the board has no use for it";

    TypeAllAnswersExcept(0, 3, 3);
    EXPECT_EQ(PUZZLE_STATE_STARTED, progress.GetState());
    EXPECT_EQ("Steps:  15 (par is 10)", StepsLabel());

    EXPECT_TRUE(Type(0, 3, 3, 3));
    EXPECT_EQ(PUZZLE_STATE_SOLVED, progress.GetState());
    EXPECT_FALSE(puzzle->IsActive());
    EXPECT_FALSE(Type(0, 3, 3, 1)) << "a solved puzzle takes no more play";

    puzzle->Start();
    EXPECT_EQ(PUZZLE_STATE_SOLVED, progress.GetState()) << "starting never lowers the state";
    progress.SetState(5); // graded by the campaign
    puzzle->Start();
    puzzle->MarkSolved();
    EXPECT_EQ(5, progress.GetState());
}

// Boards filled without a move of the player's (a hint, the solver) are
// noticed by the per-frame refresh, but only while the puzzle is in play.
TEST_F(PuzzleTest, TheRefreshMarksBoardsFilledOtherwiseSolvedOnlyInPlay)
{
    MakePuzzle(1);
    puzzle->Start();
    for (const Square& square : GetBoard(0).GetSquares()) {
        if (square.x != 3 || square.y != 3) {
            BoardProgressOf(0).SetValue(square, square.solutionValue);
        }
    }
    puzzle->RefreshIfActive();
    EXPECT_EQ(PUZZLE_STATE_SEEN, progress.GetState()) << "one square is still empty";

    BoardProgressOf(0).SetValue(At(0, 3, 3), At(0, 3, 3).solutionValue);
    puzzle->ResetBoardFocus();
    puzzle->RefreshIfActive();
    EXPECT_EQ(PUZZLE_STATE_SEEN, progress.GetState()) << "out of play";

    puzzle->Start();
    puzzle->RefreshIfActive();
    EXPECT_EQ(PUZZLE_STATE_SOLVED, progress.GetState());
    EXPECT_FALSE(puzzle->IsActive());
}

TEST_F(PuzzleTest, UndoAndRedoKeysAndTheirButtons)
{
    MakePuzzle(2);
    puzzle->Start();
    ASSERT_TRUE(Type(0, 1, 1, 2));
    ASSERT_TRUE(Type(0, 2, 1, 3));
    settings.ctrlDown = true;
    EXPECT_FALSE(puzzle->HandleInput(UP, 'Z')) << "key-up is not undo";
    EXPECT_TRUE(puzzle->HandleInput(DOWN, 'Z'));
    EXPECT_EQ(0u, GetBoard(0).GetSquareValue(2, 1));
    EXPECT_TRUE(puzzle->HandleInput(REPEAT, 'Z'));
    EXPECT_EQ(0, BoardProgressOf(1).GetMoveTracker()) << "one undo takes the move back on both boards";
    EXPECT_TRUE(puzzle->HandleInput(DOWN, 'Y'));
    EXPECT_EQ(2u, GetBoard(1).GetSquareValue(1, 1));
    EXPECT_EQ(2, BoardProgressOf(0).GetSteps()) << "undo and redo are not steps";
    EXPECT_EQ(3, log.Count("InstructorDestroyCallOutsByChannel"));

    settings.ctrlDown = false;
    EXPECT_FALSE(puzzle->HandleInput(DOWN, 'Z')) << "without Ctrl the board gets it";
    puzzle->SetFocusedBoardIndex(-1);
    settings.ctrlDown = true;
    EXPECT_TRUE(puzzle->HandleInput(DOWN, 'Z')) << "keys work without a focused board";
    EXPECT_EQ(0, BoardProgressOf(0).GetMoveTracker());

    // The buttons follow the first board's history only.
    BoardProgressOf(1).RecordMove(BoardProgressOf(1).GetMoves()[0]);
    puzzle->UpdateUndoRedoVisibility();
    EXPECT_EQ(std::make_pair(false, true), Buttons());
    BoardMove move;
    BoardProgressOf(0).PopRedoMove(move);
    puzzle->UpdateUndoRedoVisibility();
    EXPECT_EQ(std::make_pair(true, true), Buttons());
    BoardProgressOf(0).PopRedoMove(move);
    puzzle->UpdateUndoRedoVisibility();
    EXPECT_EQ(std::make_pair(true, false), Buttons());
}

TEST_F(PuzzleTest, MistakesAreFlaggedRewoundAndFoundInPassOrder)
{
    MakePuzzle(2);
    puzzle->Start();
    ASSERT_TRUE(Type(0, 0, 0, 1)); // right
    ASSERT_TRUE(Type(0, 1, 0, 4)); // wrong: the answer is 2
    ASSERT_TRUE(Type(0, 2, 0, 3)); // right, but the wrong value still stands
    EXPECT_EQ(1, log.Count("HasMadeAMistakeEvent")) << "a mistake counts once, when it is made";
    const std::vector<BoardMove>& moves = BoardProgressOf(0).GetMoves();
    EXPECT_TRUE(!moves[0].errorState && moves[1].errorState && moves[2].errorState);

    puzzle->Rewind();
    EXPECT_EQ(1, BoardProgressOf(0).GetMoveTracker());
    EXPECT_EQ(1u, GetBoard(1).GetSquareValue(0, 0));
    EXPECT_EQ(0u, GetBoard(1).GetSquareValue(1, 0));
    EXPECT_TRUE(puzzle->GetMistakes().empty());
    puzzle->Rewind();
    EXPECT_EQ(1, BoardProgressOf(0).GetMoveTracker()) << "nothing left to rewind: the history stays";

    GetBoard(1).SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    BoardProgress& first = BoardProgressOf(0);
    BoardProgress& second = BoardProgressOf(1);
    first.SetValue(At(0, 0, 3), 1);                     // answer 4: wrong, and found after
    first.SetValue(At(0, 3, 2), 1);                     // answer 2: wrong
    first.SetPlayerCandidateBit(At(0, 2, 1), 3, true);  // answer 4 eliminated
    first.SetPlayerCandidateBit(At(0, 0, 1), 0, true);  // 1 is not the answer: fine
    second.SetValue(At(1, 0, 2), 2);                    // answer 3: wrong
    second.SetPlayerCandidateBit(At(1, 0, 2), 2, true); // the square holds a value: not counted
    second.SetColorIndex(At(1, 1, 1), 0);               // cage 1: wrong colour
    second.SetColorIndex(At(1, 2, 0), 2);               // cage 2: right
    first.SetColorIndex(At(0, 1, 1), 0);                // wrong, but the board shows its cages
    ASSERT_TRUE(puzzle->FindMistakes());
    const std::tuple<int, Board*, int, int> expected[] = {
        {HINT_KIND_WRONG_COLOR, &GetBoard(1), 1, 1}, {HINT_KIND_WRONG_VALUE, &GetBoard(0), 3, 2},
        {HINT_KIND_WRONG_VALUE, &GetBoard(0), 0, 3}, {HINT_KIND_WRONG_VALUE, &GetBoard(1), 0, 2},
        {HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE, &GetBoard(0), 2, 1}};
    ASSERT_EQ(std::size(expected), puzzle->GetMistakes().size());
    for (size_t i = 0; i < std::size(expected); ++i) {
        const HintRecord& m = puzzle->GetMistakes()[i];
        EXPECT_EQ(expected[i], std::make_tuple(m.kind, m.board, m.move.x, m.move.y)) << i;
    }
}

// Two boards in step hold one mistake where one square is wrong, however
// the moves come: typed on either board, or undone and redone by the
// buttons, which leave no board focused. A crossed-out answer's record
// holds that candidate.
TEST_F(PuzzleTest, EachMistakeIsListedOnceAfterEveryMoveUndoAndRedo)
{
    // 'T' types the digit on the board ('E' crosses it out), 'U' and 'R'
    // click Undo and Redo.
    struct Play {
        char action;
        int board;
        int digit;
    };
    const struct {
        const char* name;
        std::vector<Play> plays;
        size_t listed;
        int events, kind, data;
    } cases[] = {
        {"typed", {{'T', 0, 4}}, 1, 1, HINT_KIND_WRONG_VALUE, 0},
        {"typed on the second board", {{'T', 1, 4}}, 1, 1, HINT_KIND_WRONG_VALUE, 0},
        {"cleared on the second board", {{'T', 1, 4}, {'T', 1, 0}}, 0, 1, 0, 0},
        {"undone by the button", {{'T', 0, 4}, {'U', 0, 0}}, 0, 1, 0, 0},
        {"redone by the button", {{'T', 0, 4}, {'U', 0, 0}, {'R', 0, 0}}, 1, 2, HINT_KIND_WRONG_VALUE, 0},
        {"answer crossed out", {{'E', 1, 2}}, 1, 1, HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MakePuzzle(2);
        puzzle->Start();
        log.entries.clear();
        for (const Play& play : c.plays) {
            settings.shiftDown = play.action == 'E';
            if (play.action == 'U' || play.action == 'R') {
                puzzle->SetFocusedBoardIndex(-1);
                play.action == 'U' ? puzzle->Undo() : puzzle->Redo();
            } else {
                ASSERT_TRUE(Type(play.board, 1, 0, play.digit)); // the answer is 2
            }
        }
        settings.shiftDown = false;
        ASSERT_EQ(c.listed, puzzle->GetMistakes().size());
        EXPECT_EQ(c.events, log.Count("HasMadeAMistakeEvent"));
        if (c.listed != 0) {
            const HintRecord& mistake = puzzle->GetMistakes()[0];
            EXPECT_EQ(std::make_tuple(c.kind, 1, 0, c.data),
                      std::make_tuple(mistake.kind, mistake.move.x, mistake.move.y, mistake.move.data));
        }
        progress.Reset();
    }
}

// A mistake that differs from every one standing in a single part (kind,
// board, square, what stands wrong) is new, and a restart forgets those
// standing: a comparison that skips a part, or a list kept across the
// restart, would let the last move of its row pass unnoticed.
TEST_F(PuzzleTest, AMistakeDifferingInOnePartFromThoseStandingCountsAsNew)
{
    // 'T' types the digit ('E' crosses it out), 'P' paints with that colour,
    // 'S' restarts. The answer at (1, 0) is 2; square (1, 1) is of cage 1,
    // colour 1.
    struct Move {
        char action;
        int board;
        unsigned x, y;
        int value;
    };
    const struct {
        const char* name;
        bool hiddenCages; // on both boards
        std::vector<Move> setup;
        Move last;
        size_t listed;
    } cases[] = {
        {"kind: a wrong value over the crossed-out answer", false, {{'E', 0, 1, 0, 2}}, {'T', 0, 1, 0, 1}, 1},
        {"x: the same wrong value along the row", false, {{'T', 0, 1, 0, 4}}, {'T', 0, 2, 0, 4}, 2},
        {"y: the same wrong value down the column", false, {{'T', 0, 1, 0, 4}}, {'T', 0, 1, 1, 4}, 2},
        {"board: the same wrong colour on the other board", true, {{'P', 0, 1, 1, 3}}, {'P', 1, 1, 1, 3}, 2},
        {"wrong: another wrong colour over it", true, {{'P', 0, 1, 1, 3}}, {'P', 0, 1, 1, 2}, 1},
        {"again after a restart", false, {{'T', 0, 1, 0, 4}, {'S', 0, 0, 0, 0}}, {'T', 0, 1, 0, 4}, 1},
    };
    const auto play = [this](const Move& move) {
        if (move.action == 'S') {
            puzzle->Restart();
            return true;
        }
        if (move.action == 'P') {
            settings.paintingCages = true;
            settings.paintColorIndex = move.value;
            const Vector2 center((move.x + 0.5f) / 4.0f, (move.y + 0.5f) / 4.0f);
            PointAt(move.board, center);
            bool played = puzzle->HandleInput(DOWN, LEFT_BUTTON);
            PointAt(move.board, center);
            played = puzzle->HandleInput(UP, LEFT_BUTTON) && played;
            settings.paintingCages = false;
            return played && GetBoard(static_cast<size_t>(move.board)).GetSquareColorIndex(
                                 At(static_cast<size_t>(move.board), move.x, move.y)) == move.value;
        }
        settings.shiftDown = move.action == 'E';
        const bool played = Type(move.board, move.x, move.y, move.value);
        settings.shiftDown = false;
        return played;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        progress.Reset();
        MakePuzzle(2);
        for (size_t b = 0; c.hiddenCages && b < 2; ++b) {
            GetBoard(b).SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
        }
        puzzle->Start();
        log.entries.clear();
        for (const Move& move : c.setup) {
            ASSERT_TRUE(play(move));
        }
        ASSERT_EQ(1, log.Count("HasMadeAMistakeEvent")) << "the first mistake";
        ASSERT_TRUE(play(c.last));
        EXPECT_EQ(2, log.Count("HasMadeAMistakeEvent"));
        EXPECT_EQ(c.listed, puzzle->GetMistakes().size());
    }
}

TEST_F(PuzzleTest, WrongPaintOnAHiddenCageBoardIsAMistakeWhenTheBrushIsLifted)
{
    StartPaintingTheFirstBoard(1);

    // Square (1, 1) belongs to cage 1, whose colour is 1.
    puzzle->SetFocusedBoardIndex(0);
    GetBoard(0).SetFocusedSquareIndex(5);
    ASSERT_TRUE(puzzle->HandleInput(DOWN, LEFT_BUTTON));
    GetBoard(0).UpdatePointer(Vector2(0.375f, 0.375f), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    EXPECT_EQ(0, log.Count("HasMadeAMistakeEvent"));
    ASSERT_TRUE(puzzle->HandleInput(UP, LEFT_BUTTON));
    EXPECT_EQ(1, log.Count("HasMadeAMistakeEvent"));
    ASSERT_EQ(1u, puzzle->GetMistakes().size());
    EXPECT_EQ(HINT_KIND_WRONG_COLOR, puzzle->GetMistakes()[0].kind);
    EXPECT_TRUE(BoardProgressOf(0).GetMoves()[0].errorState);
}

// A stroke on the first board, whose cages are hidden, lifted over a board
// or off the boards: it ends there, is processed once, and its paint stays
// in the one history the boards share.
TEST_F(PuzzleTest, AStrokeEndsWhereverTheButtonIsLiftedAndStaysInTheSharedHistory)
{
    const struct {
        int boards;
        int liftedOver; // -1: off the boards
    } cases[] = {{1, 0}, {1, -1}, {2, 1}, {2, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.boards << " boards, lifted over " << c.liftedOver);
        progress.Reset();
        StartPaintingTheFirstBoard(c.boards);
        ASSERT_TRUE(Type(0, 0, 0, 1));
        log.entries.clear();

        PointAt(0, Vector2(0.375f, 0.375f));
        ASSERT_TRUE(puzzle->HandleInput(DOWN, LEFT_BUTTON));
        PointAt(0, Vector2(0.625f, 0.375f)); // (2, 1), of cage 2: a wrong colour
        const int last = c.boards - 1;
        EXPECT_EQ(2, BoardProgressOf(last).GetMoveTracker()) << "each paint move is shared at once";
        PointAt(c.liftedOver, Vector2(0.375f, 0.125f)); // (1, 0), a key square: never painted
        EXPECT_TRUE(puzzle->HandleInput(UP, LEFT_BUTTON));
        EXPECT_FALSE(BoardProgressOf(0).IsPainting());
        EXPECT_EQ(1, log.Count("HasMadeAMistakeEvent"));
        EXPECT_EQ("Steps:  2 (par is 10)", StepsLabel());
        EXPECT_TRUE(Buttons().first);

        PointAt(0, Vector2(0.875f, 0.375f)); // (3, 1), the button up
        EXPECT_EQ(-1, GetBoard(0).GetSquareColorIndex(At(0, 3, 1)));
        settings.paintingCages = false;
        ASSERT_TRUE(Type(last, 2, 0, 3));
        puzzle->Undo();
        puzzle->Undo();
        EXPECT_EQ(-1, GetBoard(0).GetSquareColorIndex(At(0, 2, 1))) << "the paint is undone";
        for (int b = 0; b < c.boards; ++b) {
            EXPECT_EQ(1u, GetBoard(static_cast<size_t>(b)).GetSquareValue(0, 0)) << b;
            EXPECT_EQ(1, BoardProgressOf(static_cast<size_t>(b)).GetMoveTracker()) << b;
        }
    }
}

// The release of a stroke can miss the puzzle (paused, then left): play
// that starts again ends the stroke, or the brush taken up later would
// paint with the button up.
TEST_F(PuzzleTest, StartingPlayEndsAStrokeLeftOpen)
{
    StartPaintingTheFirstBoard(1);
    PointAt(0, Vector2(0.375f, 0.375f));
    ASSERT_TRUE(puzzle->HandleInput(DOWN, LEFT_BUTTON));
    puzzle->Start();
    PointAt(0, Vector2(0.625f, 0.375f));
    EXPECT_EQ(-1, GetBoard(0).GetSquareColorIndex(At(0, 2, 1)));
}

TEST_F(PuzzleTest, TwoBoardsStayInStepButKeepTheirOwnPaint)
{
    MakePuzzle(2);
    puzzle->Start();
    ASSERT_TRUE(Type(1, 2, 3, 2));
    EXPECT_EQ(2u, GetBoard(0).GetSquareValue(2, 3));
    EXPECT_EQ(1, BoardProgressOf(0).GetMoveTracker());
    EXPECT_EQ(0, BoardProgressOf(0).GetSteps()) << "steps are each board's own";
    EXPECT_TRUE(BoardProgressOf(0).IsCandidateEliminatedAutomatically(At(0, 0, 3), 1));

    settings.shiftDown = true;
    ASSERT_TRUE(Type(0, 0, 0, 3));
    EXPECT_TRUE(BoardProgressOf(1).IsCandidateEliminatedByPlayer(At(1, 0, 0), 2));
    settings.shiftDown = false;

    const int colorBefore = GetBoard(0).GetSquareColorIndex(At(0, 1, 2));
    puzzle->ApplyHintMove(&GetBoard(1), GetBoard(1).MakeMove(MOVE_TYPE_COLOR, 1, 2, 4));
    EXPECT_EQ(4, GetBoard(1).GetSquareColorIndex(At(1, 1, 2)));
    EXPECT_EQ(colorBefore, GetBoard(0).GetSquareColorIndex(At(0, 1, 2)));

    TypeAllAnswersExcept(0, 9, 9);
    EXPECT_EQ(PUZZLE_STATE_SOLVED, progress.GetState());
    EXPECT_TRUE(GetBoard(1).IsSolutionGridValid());
    EXPECT_EQ("Steps:  19 (par is 10)", StepsLabel()) << "both boards' steps";
}

TEST_F(PuzzleTest, PlayTimeIsCappedPerMoveAndRestartForgetsIt)
{
    MakePuzzle(1);
    clock.Advance(100.0);
    puzzle->Start();
    clock.Advance(30.0);
    ASSERT_TRUE(Type(0, 0, 0, 1));
    EXPECT_FLOAT_EQ(30.0f, progress.GetPlayTime());
    clock.Advance(15.0 * 60.0);
    ASSERT_TRUE(Type(0, 1, 0, 2));
    EXPECT_FLOAT_EQ(630.0f, progress.GetPlayTime());
    clock.Advance(2.5);
    puzzle->Undo();
    EXPECT_FLOAT_EQ(632.5f, progress.GetPlayTime()) << "undo counts as play";

    clock.Advance(50.0);
    puzzle->Restart();
    clock.Advance(1.0);
    ASSERT_TRUE(Type(0, 0, 0, 1));
    EXPECT_FLOAT_EQ(1.0f, progress.GetPlayTime());
}

TEST_F(PuzzleTest, DeletingBoardsKeepsTheProgressForTheRebuiltOnes)
{
    MakePuzzle(2);
    BoardProgressOf(0).SetValue(At(0, 0, 0), 4);
    EXPECT_TRUE(puzzle->FindMistakes());
    puzzle->SetActive(true);
    puzzle->DeleteBoards();
    EXPECT_FALSE(puzzle->IsActive()) << "no board to play on";
    EXPECT_TRUE(puzzle->GetMistakes().empty()) << "mistakes point at the boards";
    EXPECT_TRUE(puzzle->GetClock().GetChildren().empty());

    std::vector<std::unique_ptr<Board>> boards;
    boards.push_back(MakeBoard(puzzle->GetClock(), 4, 0, 4));
    boards.push_back(MakeBoard(puzzle->GetClock(), 4, 1, 4));
    puzzle->SetBoards(std::move(boards));
    EXPECT_EQ(4u, GetBoard(0).GetSquareValue(0, 0));
}

// A stored progress for two 4 x 4 boards of four cages each meets boards
// that differ: every board gets a fresh progress of its own shape.
TEST_F(PuzzleTest, ProgressThatDoesNotFitTheBoardsStartsAfresh)
{
    MakePuzzle(2);
    BoardProgressOf(0).SetValue(At(0, 0, 0), 3);
    BoardProgressOf(0).SetSteps(4);
    progress.SetState(PUZZLE_STATE_STARTED);
    const std::string stored = WriteRecord(progress, RESOURCE_STREAM_FORMAT_BINARY);
    progress.SetState(PUZZLE_STATE_SOLVED);
    EXPECT_LT(WriteRecord(progress, RESOURCE_STREAM_FORMAT_BINARY).size() + 100, stored.size())
        << "a solved puzzle keeps no boards";
    const std::vector<std::vector<std::pair<unsigned, unsigned>>> cases = {
        {{5, 4}, {5, 4}}, {{4, 4}, {4, 9}}, {{4, 4}}}; // size, cages
    for (const auto& shapes : cases) {
        std::vector<std::unique_ptr<Board>> boards;
        for (const auto& [size, cages] : shapes) {
            boards.push_back(MakeBoard(clock, size, static_cast<unsigned>(boards.size()), cages));
        }
        LoadedStream stream(stored);
        PuzzleProgress read(*stream);
        read.AttachToBoards(boards);
        ASSERT_EQ(boards.size(), read.GetBoardProgresses().size());
        for (size_t i = 0; i < boards.size(); ++i) {
            const BoardProgress* attached = boards[i]->GetProgress();
            EXPECT_EQ(read.GetBoardProgresses()[i].get(), attached);
            EXPECT_EQ(boards[i]->GetSize(), attached->GetSize());
            EXPECT_EQ(boards[i]->GetCages().size(), attached->GetNumberOfCages());
            EXPECT_EQ(0, attached->GetSteps());
            const Cage& cage = boards[i]->GetCages()[1];
            EXPECT_EQ(cage.color, boards[i]->GetSquareColorIndex(*cage.GetKeySquare())) << "key squares coloured";
        }
    }
}
