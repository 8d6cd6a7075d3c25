// The events a board fires for its edits: once each, with their arguments,
// and never for moves made elsewhere, undone, redone or refused.
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Pemberquill;

namespace {

const std::vector<std::string> EDIT_EVENTS = {"OnSetSquareValue", "OnToggleCandidate", "CandidateEliminatedEvent",
                                              "OnToggleSolutionInvalid", "UpdateSolutionsEvent"};

class BoardEventsTest : public ::testing::Test {
protected:
    BoardEventsTest()
        : play({"1234", "3412", "2143", "4321"}, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {0, 1}}, 0},
                                                  {CAGE_RULE_SUBTRACTION, {{2, 0}, {3, 0}}, 1},
                                                  {CAGE_RULE_MULTIPLICATION, {{1, 1}, {2, 1}, {3, 1}}, 2},
                                                  {CAGE_RULE_ADDITION, {{0, 2}, {1, 2}, {0, 3}, {1, 3}}, 3},
                                                  {CAGE_RULE_ADDITION, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}, 4}})
    {
        log.Listen(events, EDIT_EVENTS);
    }

    UlvoEventSystem events;
    EventLog log;
    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardEventsTest, EachEditFiresOnceWithItsArguments)
{
    board.SetSquareValue(play.At(2, 1), 1, false, true);
    ASSERT_EQ(std::vector<std::string>{"OnSetSquareValue"}, log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnSetSquareValue", "board", nullptr));
    EXPECT_EQ(&play.At(2, 1), log.Get<Square*>("OnSetSquareValue", "square", nullptr));
    EXPECT_EQ(1u, log.Get<unsigned>("OnSetSquareValue", "solverValue", 99u));

    log.entries.clear();
    board.ToggleCandidate(play.At(3, 2), 2, false);
    ASSERT_EQ((std::vector<std::string>{"OnToggleCandidate", "CandidateEliminatedEvent"}), log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnToggleCandidate", "board", nullptr));
    EXPECT_EQ(&play.At(3, 2), log.Get<Square*>("OnToggleCandidate", "square", nullptr));
    EXPECT_EQ(1, log.Get<int>("OnToggleCandidate", "candidateIndex", -1));
    EXPECT_TRUE(log.Get<bool>("OnToggleCandidate", "wasJustEliminated", false));
    log.entries.clear();
    board.ToggleCandidate(play.At(3, 2), 2, false);
    ASSERT_EQ(std::vector<std::string>{"OnToggleCandidate"}, log.Names()) << "restoring eliminates nothing";
    EXPECT_FALSE(log.Get<bool>("OnToggleCandidate", "wasJustEliminated", true));

    log.entries.clear();
    board.MarkSolutionInvalid(3, 2, false);
    ASSERT_EQ(std::vector<std::string>{"OnToggleSolutionInvalid"}, log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnToggleSolutionInvalid", "Board", nullptr));
    EXPECT_EQ(3u, log.Get<unsigned>("OnToggleSolutionInvalid", "CageIndex", 99u));
    EXPECT_EQ(2u, log.Get<unsigned>("OnToggleSolutionInvalid", "SolutionIndex", 99u));
    EXPECT_FALSE(log.Get<bool>("OnToggleSolutionInvalid", "Validity", true));
}

TEST_F(BoardEventsTest, NothingFiresUnaskedForMovesMadeElsewhereOrRefused)
{
    const std::function<void()> silent[] = {
        [&] { board.SetSquareValue(play.At(2, 1), 1, false, false); },
        [&] { board.SetSquareValue(play.At(2, 1), 2, true, true); },
        [&] { board.SetSquareValue(play.At(2, 1), 9, false, true); },
        [&] { board.Undo(); },
        [&] { board.Redo(); },
        [&] { board.ApplyMove(board.SetSquareValue(play.At(3, 3), 1, true, true)); },
        [&] { board.SetSquareColor(play.At(3, 3), 2, false); },
        [&] { board.ToggleCandidate(play.At(3, 2), 2, true); },
        [&] { board.ToggleCandidate(play.At(3, 2), 0, false); },
        [&] { board.MarkSolutionInvalid(3, 2, true); },
        [&] { board.MarkSolutionInvalid(3, 200, false); },
        [&] {
            settings.autoSolving = true;
            board.UpdatePointer(play.CentreOf(1, 0), SOLUTIONS_LAYOUT_FIRST_BOARD);
            board.FireUpdateSolutionsEvent(SOLUTIONS_LAYOUT_SINGLE_BOARD);
        },
    };
    for (const auto& edit : silent) {
        edit();
        EXPECT_TRUE(log.entries.empty()) << &edit - silent;
    }
}

} // namespace
