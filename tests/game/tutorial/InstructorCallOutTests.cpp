#include "game/tutorial/Instructor.h"

#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/BoardView.h"
#include "tests/support/TestPuzzle.h"

#include <gtest/gtest.h>

using namespace Pemberquill;

namespace {

class InstructorCallOutTest : public ::testing::Test {
protected:
    void SetUp() override { instructor.Startup(&clock); }

    UlvoEventSystem events;
    Clock clock;
    Instructor instructor;
    TestPuzzle test{4, {{CAGE_RULE_ADDITION, {{1, 1}, {2, 1}}}}};
    const Square& square = test.GetBoard().GetSquare(1, 2);
};

TEST_F(InstructorCallOutTest, EachLookupFindsOnlyTheFirstCallOutOfItsKind)
{
    const Board& board = test.GetBoard();
    const Cage& cage = board.GetCages()[0];
    instructor.CallOutCandidate(&square, 2, "hint");
    instructor.CallOutSquare(&square, "hint");
    instructor.CallOutSquare(&square, "lesson");
    instructor.CallOutCage(&cage, "hint");
    instructor.CallOutColumn(&board, 3, "hint");
    instructor.CallOutRow(&board, 0, "hint");

    InstructorCallOut* squareCallOut = instructor.FindCallOutForSquare(&square);
    ASSERT_NE(squareCallOut, nullptr);
    EXPECT_EQ(squareCallOut->m_channelName, "hint") << "the earlier of two";
    EXPECT_EQ(instructor.FindCallOutForCandidate(&square, 2)->m_calledOutCandidateIndex, 2);
    EXPECT_EQ(instructor.FindCallOutForCandidate(&square, 1), nullptr) << "another candidate";
    EXPECT_EQ(instructor.FindCallOutForSquare(&board.GetSquare(2, 1)), nullptr) << "another square";
    EXPECT_EQ(instructor.FindCallOutForColumn(&board, 0), nullptr) << "another column";
    EXPECT_EQ(instructor.FindCallOutForRow(&board, 3), nullptr) << "a column as a row";
    EXPECT_NE(instructor.FindCallOutForCage(&cage), nullptr);
    EXPECT_NE(instructor.FindCallOutForColumn(&board, 3), nullptr);
    EXPECT_NE(instructor.FindCallOutForRow(&board, 0), nullptr);
}

TEST_F(InstructorCallOutTest, ChannelsAreRemovedWithoutRegardToCaseByCallOrEvent)
{
    instructor.CallOutSquare(&square, "hint");
    instructor.CallOutSquare(&square, "MapLocation");
    instructor.CallOutSquare(&square, "Hint");
    instructor.CallOutPosition(Vector2(1, 2), "");
    instructor.DestroyCallOutsByChannel("HINT");
    ASSERT_EQ(instructor.GetCallOutCount(), 2u);
    EXPECT_EQ(instructor.FindCallOutForSquare(&square)->m_channelName, "MapLocation");

    NamedProperties noName;
    events.FireEvent("InstructorDestroyCallOutsByChannel", noName);
    EXPECT_EQ(instructor.GetCallOutCount(), 1u) << "a missing name is the empty channel";
    NamedProperties map;
    map.Set("CallOutChannelName", std::string("maplocation"));
    events.FireEvent("InstructorDestroyCallOutsByChannel", map);
    EXPECT_EQ(instructor.GetCallOutCount(), 0u);
}

TEST_F(InstructorCallOutTest, HintsAndUndoReachTheInstructor)
{
    ASSERT_EQ(GetHintCallOuts(), &instructor);
    GetHintCallOuts()->CallOutCandidateVariant(square, 1, "hint");
    InstructorCallOut* callOut = instructor.FindCallOutForCandidate(&square, 1);
    ASSERT_NE(callOut, nullptr);
    EXPECT_TRUE(callOut->m_isCalledOutForRemoval);

    test.puzzle->Undo();
    EXPECT_EQ(instructor.GetCallOutCount(), 0u) << "undo leaves the hint's board state";
}

TEST_F(InstructorCallOutTest, AnchorsFollowTheBoardViewAndThenCountAsPositioned)
{
    BoardView view(&test.GetBoard(), AABB2(100, 100, 500, 500));
    view.UpdateLayout(false, false, false);
    instructor.CallOutColumn(&test.GetBoard(), 0, "hint");
    instructor.CallOutCage(nullptr, "hint");
    instructor.CallOutPosition(Vector2(7, 8), "MapLocation");
    ASSERT_EQ(instructor.CollectPositionedCallOuts().size(), 1u);

    instructor.FindCallOutForColumn(&test.GetBoard(), 0)->UpdateAnchorPositionForBoardView(view);
    const std::vector<InstructorCallOut*> positioned = instructor.CollectPositionedCallOuts();
    ASSERT_EQ(positioned.size(), 2u);
    EXPECT_EQ(positioned[0]->m_anchorPosition, Vector2(150, 90));
    EXPECT_EQ(positioned[1]->m_anchorPosition, Vector2(7, 8));
}

} // namespace
