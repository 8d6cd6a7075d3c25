#include "game/puzzle/Puzzle.h"

#include "PuzzleTestSupport.h"
#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/PuzzleProgress.h"

#include <gtest/gtest.h>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

constexpr int DOWN = 1;
constexpr int REPEAT = 2;
constexpr int UP = 3;
constexpr int LEFT_BUTTON = 1;

class FakeSettings final : public BoardSettingsInterface {
public:
    bool IsPaintingCages() const override { return paintingCages; }
    int GetPaintColorIndex() const override { return paintColorIndex; }
    bool UseAutoElimination() const override { return true; }
    bool IsAutoSolving() const override { return false; }
    bool IsShiftKeyDown() const override { return shift; }
    bool IsCtrlKeyDown() const override { return ctrl; }

    bool paintingCages = false;
    int paintColorIndex = 0;
    bool shift = false;
    bool ctrl = false;
};

// Counts what the puzzle tells the rest of the game.
class Recorder : public EventRecipient {
public:
    explicit Recorder(UlvoEventSystem& events)
    {
        RegisterEventHandler("HasMadeAMistakeEvent", &events, &Recorder::OnMistake, this);
        RegisterEventHandler("InstructorDestroyCallOutsByChannel", &events, &Recorder::OnDestroyCallOuts, this);
        RegisterEventHandler("PuzzleStepsChangedEvent", &events, &Recorder::OnSteps, this);
    }

    void OnMistake(NamedProperties&) { ++mistakes; }
    void OnDestroyCallOuts(NamedProperties& args)
    {
        std::string channel;
        EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("CallOutChannelName", channel));
        callOutChannels.push_back(channel);
    }
    void OnSteps(NamedProperties& args)
    {
        args.Get("Label", lastStepsLabel);
    }

    int mistakes = 0;
    std::vector<std::string> callOutChannels;
    std::string lastStepsLabel;
};

BoardMove ColorMove(const Board& board, int x, int y, int color)
{
    return board.MakeMove(MOVE_TYPE_COLOR, x, y, color);
}

class PuzzlePlayTest : public ::testing::Test {
protected:
    void SetUp() override { SetBoardSettings(&m_settings); }
    void TearDown() override { SetBoardSettings(nullptr); }

    // A started puzzle of numBoards 4 x 4 boards whose answers are
    // (x + y) mod 4 + 1, four cages each, par 10.
    void MakePuzzle(int numBoards)
    {
        m_puzzle = std::make_unique<Puzzle>(&m_clock);
        PuzzleDescriptor descriptor;
        descriptor.SetSeed(5);
        descriptor.SetSize(4);
        descriptor.SetSolverSteps(10);
        std::vector<std::unique_ptr<Board>> boards;
        for (int i = 0; i < numBoards; ++i) {
            descriptor.AddBoardRecipe(BoardRecipe());
            boards.push_back(MakeBoard(m_puzzle->GetClock(), 4, static_cast<unsigned>(i), 4));
        }
        m_puzzle->SetDescriptor(descriptor);
        m_puzzle->SetBoards(std::move(boards));
        m_puzzle->SetProgress(&m_progress);
    }

    Board& GetBoard(size_t index) { return *m_puzzle->GetBoards()[index]; }
    BoardProgress& GetBoardProgress(size_t index) { return *GetBoard(index).GetProgress(); }

    void Focus(int boardIndex, unsigned x, unsigned y)
    {
        m_puzzle->SetFocusedBoardIndex(boardIndex);
        Board& board = GetBoard(static_cast<size_t>(boardIndex));
        board.SetFocusedSquareIndex(static_cast<int>(board.GetSize() * y + x));
    }

    // Types a digit into a square, the way a player does.
    bool Type(int boardIndex, unsigned x, unsigned y, int digit)
    {
        Focus(boardIndex, x, y);
        return m_puzzle->HandleInput(DOWN, '0' + digit);
    }

    static unsigned Answer(unsigned x, unsigned y) { return (x + y) % 4 + 1; }

    void TypeAllAnswersExcept(int boardIndex, unsigned skipX, unsigned skipY)
    {
        for (unsigned y = 0; y < 4; ++y) {
            for (unsigned x = 0; x < 4; ++x) {
                if (x != skipX || y != skipY) {
                    ASSERT_TRUE(Type(boardIndex, x, y, static_cast<int>(Answer(x, y))));
                }
            }
        }
    }

    std::vector<bool> ErrorFlags(size_t boardIndex)
    {
        std::vector<bool> flags;
        for (const BoardMove& move : GetBoardProgress(boardIndex).GetMoves()) {
            flags.push_back(move.errorState);
        }
        return flags;
    }

    UlvoEventSystem m_events;
    Recorder m_recorder{m_events};
    FakeSettings m_settings;
    Clock m_clock;
    PuzzleProgress m_progress{"5-4x1x0x1"};
    std::unique_ptr<Puzzle> m_puzzle;
};

} // namespace

TEST_F(PuzzlePlayTest, StatesRiseInOrderAndSolvingEndsPlay)
{
    MakePuzzle(1);
    EXPECT_EQ(PUZZLE_STATE_NEVER_SEEN, m_progress.GetState());
    Focus(0, 0, 0);
    EXPECT_FALSE(m_puzzle->HandleInput(DOWN, '1')) << "not started";

    m_clock.Advance(4.0);
    m_puzzle->Start();
    EXPECT_EQ(PUZZLE_STATE_SEEN, m_progress.GetState());
    EXPECT_TRUE(m_puzzle->IsShown());
    EXPECT_TRUE(m_puzzle->IsActive());
    EXPECT_EQ(4.0, m_puzzle->GetStartTime());
    EXPECT_EQ("Steps:  0 (par is 10)", m_recorder.lastStepsLabel);

    Focus(0, 0, 0);
    EXPECT_FALSE(m_puzzle->HandleInput(DOWN, 'Q')) << "the board has no use for it";
    EXPECT_EQ(PUZZLE_STATE_SEEN, m_progress.GetState());

    TypeAllAnswersExcept(0, 3, 3);
    EXPECT_EQ(PUZZLE_STATE_STARTED, m_progress.GetState());
    EXPECT_TRUE(m_puzzle->IsActive());
    EXPECT_EQ("Steps:  15 (par is 10)", m_recorder.lastStepsLabel);

    EXPECT_TRUE(Type(0, 3, 3, static_cast<int>(Answer(3, 3))));
    EXPECT_EQ(PUZZLE_STATE_SOLVED, m_progress.GetState());
    EXPECT_FALSE(m_puzzle->IsActive());
    EXPECT_FALSE(Type(0, 3, 3, 1)) << "a solved puzzle takes no more play";
    EXPECT_EQ(Answer(3, 3), GetBoard(0).GetSquareValue(3, 3));

    m_puzzle->Start();
    EXPECT_EQ(PUZZLE_STATE_SOLVED, m_progress.GetState()) << "starting never lowers the state";
    m_progress.SetState(5);
    m_puzzle->Start();
    EXPECT_EQ(5, m_progress.GetState());
}

TEST_F(PuzzlePlayTest, UndoAndRedoKeys)
{
    MakePuzzle(1);
    m_puzzle->Start();
    ASSERT_TRUE(Type(0, 1, 1, 2));
    ASSERT_TRUE(Type(0, 2, 1, 3));
    m_settings.ctrl = true;

    EXPECT_FALSE(m_puzzle->HandleInput(UP, 'Z')) << "key-up is not undo";
    EXPECT_EQ(2, GetBoardProgress(0).GetMoveTracker());

    EXPECT_TRUE(m_puzzle->HandleInput(DOWN, 'Z'));
    EXPECT_EQ(1, GetBoardProgress(0).GetMoveTracker());
    EXPECT_EQ(0u, GetBoard(0).GetSquareValue(2, 1));
    EXPECT_TRUE(m_puzzle->HandleInput(REPEAT, 'Z'));
    EXPECT_EQ(0, GetBoardProgress(0).GetMoveTracker());
    EXPECT_EQ(0u, GetBoard(0).GetSquareValue(1, 1));

    EXPECT_TRUE(m_puzzle->HandleInput(DOWN, 'Y'));
    EXPECT_EQ(2u, GetBoard(0).GetSquareValue(1, 1));
    EXPECT_EQ((std::vector<std::string>{"hint", "hint", "hint"}), m_recorder.callOutChannels);
    EXPECT_EQ(2, GetBoardProgress(0).GetSteps()) << "undo and redo are not steps";

    m_settings.ctrl = false;
    EXPECT_FALSE(m_puzzle->HandleInput(DOWN, 'Z')) << "without Ctrl the board gets it";
    EXPECT_EQ(1, GetBoardProgress(0).GetMoveTracker());

    // Keys work without a focused board.
    m_puzzle->SetFocusedBoardIndex(-1);
    m_settings.ctrl = true;
    EXPECT_TRUE(m_puzzle->HandleInput(DOWN, 'Z'));
    EXPECT_EQ(0u, GetBoard(0).GetSquareValue(1, 1));
}

TEST_F(PuzzlePlayTest, MistakesAreFlaggedAndRewound)
{
    MakePuzzle(1);
    m_puzzle->Start();
    ASSERT_TRUE(Type(0, 0, 0, 1));  // right
    ASSERT_TRUE(Type(0, 1, 0, 4));  // wrong: the answer is 2
    EXPECT_EQ(1, m_recorder.mistakes);
    ASSERT_TRUE(Type(0, 2, 0, 3));  // right, but the wrong value still stands
    EXPECT_EQ(2, m_recorder.mistakes);
    EXPECT_EQ((std::vector<bool>{false, true, true}), ErrorFlags(0));
    ASSERT_EQ(1u, m_puzzle->GetMistakes().size());
    EXPECT_EQ(HINT_KIND_WRONG_VALUE, m_puzzle->GetMistakes()[0].kind);

    m_puzzle->Rewind();
    EXPECT_EQ(1, GetBoardProgress(0).GetMoveTracker());
    EXPECT_EQ(1u, GetBoard(0).GetSquareValue(0, 0));
    EXPECT_EQ(0u, GetBoard(0).GetSquareValue(1, 0));
    EXPECT_EQ(0u, GetBoard(0).GetSquareValue(2, 0));
    EXPECT_TRUE(m_puzzle->GetMistakes().empty());
    EXPECT_EQ(2, m_recorder.mistakes);

    // Nothing left to rewind: the history stays.
    m_puzzle->Rewind();
    EXPECT_EQ(1, GetBoardProgress(0).GetMoveTracker());

    // Eliminating the answer is a mistake too.
    m_settings.shift = true;
    ASSERT_TRUE(Type(0, 3, 3, static_cast<int>(Answer(3, 3))));
    EXPECT_EQ(3, m_recorder.mistakes);
    ASSERT_EQ(1u, m_puzzle->GetMistakes().size());
    EXPECT_EQ(HINT_KIND_WRONGLY_ELIMINATED_CANDIDATE, m_puzzle->GetMistakes()[0].kind);
}

TEST_F(PuzzlePlayTest, TwoBoardsStayInStep)
{
    MakePuzzle(2);
    m_puzzle->Start();
    ASSERT_TRUE(Type(1, 2, 3, 2));
    EXPECT_EQ(2u, GetBoard(0).GetSquareValue(2, 3));
    EXPECT_EQ(GetBoardProgress(1).GetMoves().size(), GetBoardProgress(0).GetMoves().size());
    EXPECT_EQ(1, GetBoardProgress(0).GetMoveTracker());
    EXPECT_EQ(1, GetBoardProgress(1).GetSteps());
    EXPECT_EQ(0, GetBoardProgress(0).GetSteps()) << "steps are each board's own";
    // The placed value rules itself out in the other board's row too.
    EXPECT_TRUE(GetBoardProgress(0).IsCandidateEliminatedAutomatically(GetBoard(0).GetSquare(0, 3), 1));

    m_settings.shift = true;
    ASSERT_TRUE(Type(0, 0, 0, 3));
    EXPECT_TRUE(GetBoardProgress(1).IsCandidateEliminatedByPlayer(GetBoard(1).GetSquare(0, 0), 2));
    m_settings.shift = false;

    // Paint stays on the board it was put on.
    const int colorBefore = GetBoard(0).GetSquareColorIndex(GetBoard(0).GetSquare(1, 2));
    m_puzzle->ApplyHintMove(&GetBoard(1), ColorMove(GetBoard(1), 1, 2, 4));
    EXPECT_EQ(4, GetBoard(1).GetSquareColorIndex(GetBoard(1).GetSquare(1, 2)));
    EXPECT_EQ(colorBefore, GetBoard(0).GetSquareColorIndex(GetBoard(0).GetSquare(1, 2)));

    // One undo takes the move back on both boards.
    m_settings.ctrl = true;
    ASSERT_TRUE(m_puzzle->HandleInput(DOWN, 'Z'));
    ASSERT_TRUE(m_puzzle->HandleInput(DOWN, 'Z'));
    EXPECT_EQ(0u, GetBoard(0).GetSquareValue(2, 3));
    EXPECT_EQ(0u, GetBoard(1).GetSquareValue(2, 3));
    EXPECT_EQ(0, GetBoardProgress(0).GetMoveTracker());
    EXPECT_EQ(0, GetBoardProgress(1).GetMoveTracker());

    // Solving one board does not solve the puzzle: the other must agree.
    m_settings.ctrl = false;
    TypeAllAnswersExcept(0, 9, 9);
    EXPECT_EQ(PUZZLE_STATE_SOLVED, m_progress.GetState());
    EXPECT_TRUE(GetBoard(1).IsSolutionGridValid());
}

TEST_F(PuzzlePlayTest, PlayTimeIsCappedPerMove)
{
    MakePuzzle(1);
    m_clock.Advance(100.0);
    m_puzzle->Start();
    m_clock.Advance(30.0);
    ASSERT_TRUE(Type(0, 0, 0, 1));
    EXPECT_FLOAT_EQ(30.0f, m_progress.GetPlayTime());

    m_clock.Advance(15.0 * 60.0);
    ASSERT_TRUE(Type(0, 1, 0, 2));
    EXPECT_FLOAT_EQ(630.0f, m_progress.GetPlayTime());

    m_clock.Advance(2.5);
    m_puzzle->Undo();
    EXPECT_FLOAT_EQ(632.5f, m_progress.GetPlayTime()) << "undo counts as play";

    // Restarting forgets the time, and the pause before it.
    m_clock.Advance(50.0);
    m_puzzle->Restart();
    m_clock.Advance(1.0);
    ASSERT_TRUE(Type(0, 0, 0, 1));
    EXPECT_FLOAT_EQ(1.0f, m_progress.GetPlayTime());
}

TEST_F(PuzzlePlayTest, WrongPaintOnAHiddenCageBoardIsAMistake)
{
    MakePuzzle(1);
    GetBoard(0).SetSolvingAttributes(SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    m_puzzle->Start();
    m_settings.paintingCages = true;
    m_settings.paintColorIndex = 3;

    // Square (1, 1) belongs to cage 1, whose colour is 1.
    Focus(0, 1, 1);
    ASSERT_TRUE(m_puzzle->HandleInput(DOWN, LEFT_BUTTON));
    GetBoard(0).UpdatePointer(Vector2(0.375f, 0.375f), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    EXPECT_EQ(0, m_recorder.mistakes) << "the paint is checked when the brush is lifted";
    ASSERT_TRUE(m_puzzle->HandleInput(UP, LEFT_BUTTON));

    EXPECT_EQ(1, m_recorder.mistakes);
    ASSERT_EQ(1u, m_puzzle->GetMistakes().size());
    EXPECT_EQ(HINT_KIND_WRONG_COLOR, m_puzzle->GetMistakes()[0].kind);
    EXPECT_EQ((std::vector<bool>{true}), ErrorFlags(0));

    m_puzzle->Rewind();
    EXPECT_EQ(-1, GetBoard(0).GetSquareColorIndex(GetBoard(0).GetSquare(1, 1)));
    EXPECT_TRUE(m_puzzle->GetMistakes().empty());
}
