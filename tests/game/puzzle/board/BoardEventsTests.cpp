// The events a board fires for its edits and for the solutions panel.
#include "game/common/TeachableGameMechanics.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Pemberquill;

namespace {

const std::vector<std::string> ANSWER = {"1234", "3412", "2143", "4321"};

std::vector<CageSpec> Cages()
{
    return {
        {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}, {0, 1}}, 0},  // 1 + 2 + 3
        {CAGE_RULE_SUBTRACTION, {{2, 0}, {3, 0}}, 1},       // 3 - 4
        {CAGE_RULE_MULTIPLICATION, {{1, 1}, {2, 1}, {3, 1}}, 2},
        {CAGE_RULE_ADDITION, {{0, 2}, {1, 2}, {0, 3}, {1, 3}}, 3},
        {CAGE_RULE_ADDITION, {{2, 2}, {3, 2}, {2, 3}, {3, 3}}, 4},
    };
}

const std::vector<std::string> EDIT_EVENTS = {"OnSetSquareValue", "OnToggleCandidate", "CandidateEliminatedEvent",
                                              "OnToggleSolutionInvalid", "UpdateSolutionsEvent", "EndPaintingEvent"};

class BoardEventsTest : public ::testing::Test {
protected:
    BoardEventsTest() : play(ANSWER, Cages()) { log.Listen(events, EDIT_EVENTS); }

    void Focus(unsigned x, unsigned y) { board.UpdatePointer(play.CentreOf(x, y), SOLUTIONS_LAYOUT_FIRST_BOARD); }

    UlvoEventSystem events;
    EventLog log;
    FakeBoardSettings settings;
    PlayableBoard play;
    Board& board = play.board;
};

TEST_F(BoardEventsTest, SettingAValueFiresOnceWithTheBoardSquareAndValue)
{
    board.SetSquareValue(play.At(2, 1), 1, false, true);

    ASSERT_EQ(std::vector<std::string>{"OnSetSquareValue"}, log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnSetSquareValue", "board", nullptr));
    EXPECT_EQ(&play.At(2, 1), log.Get<Square*>("OnSetSquareValue", "square", nullptr));
    EXPECT_EQ(1u, log.Get<unsigned>("OnSetSquareValue", "solverValue", 99u));
}

TEST_F(BoardEventsTest, ValueEventsOnlyWhenAskedForAndApplied)
{
    board.SetSquareValue(play.At(2, 1), 1, false, false);
    board.SetSquareValue(play.At(2, 1), 2, true, true);
    board.SetSquareValue(play.At(2, 1), 9, false, true);
    board.Undo();
    board.Redo();
    board.ApplyMove(board.SetSquareValue(play.At(3, 3), 1, true, true));
    board.SetSquareColor(play.At(3, 3), 2, false);

    EXPECT_TRUE(log.entries.empty());
}

TEST_F(BoardEventsTest, TogglingACandidateFiresBothWaysAndEliminationOnlyWhenEliminating)
{
    board.ToggleCandidate(play.At(3, 2), 2, false);
    ASSERT_EQ((std::vector<std::string>{"OnToggleCandidate", "CandidateEliminatedEvent"}), log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnToggleCandidate", "board", nullptr));
    EXPECT_EQ(&play.At(3, 2), log.Get<Square*>("OnToggleCandidate", "square", nullptr));
    EXPECT_EQ(1, log.Get<int>("OnToggleCandidate", "candidateIndex", -1));
    EXPECT_TRUE(log.Get<bool>("OnToggleCandidate", "wasJustEliminated", false));
    EXPECT_TRUE(log.Last("CandidateEliminatedEvent").IsEmpty());

    log.entries.clear();
    board.ToggleCandidate(play.At(3, 2), 2, false);
    ASSERT_EQ(std::vector<std::string>{"OnToggleCandidate"}, log.Names());
    EXPECT_FALSE(log.Get<bool>("OnToggleCandidate", "wasJustEliminated", true));

    log.entries.clear();
    board.ToggleCandidate(play.At(3, 2), 2, true);
    board.ToggleCandidate(play.At(3, 2), 0, false);
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(BoardEventsTest, MarkingASolutionFiresItsCageAndIndex)
{
    board.MarkSolutionInvalid(3, 2, false);

    ASSERT_EQ(std::vector<std::string>{"OnToggleSolutionInvalid"}, log.Names());
    EXPECT_EQ(&board, log.Get<Board*>("OnToggleSolutionInvalid", "Board", nullptr));
    EXPECT_EQ(3u, log.Get<unsigned>("OnToggleSolutionInvalid", "CageIndex", 99u));
    EXPECT_EQ(2u, log.Get<unsigned>("OnToggleSolutionInvalid", "SolutionIndex", 99u));
    EXPECT_FALSE(log.Get<bool>("OnToggleSolutionInvalid", "Validity", true));

    log.entries.clear();
    board.MarkSolutionInvalid(3, 2, true);
    board.MarkSolutionInvalid(3, 200, false);
    EXPECT_TRUE(log.entries.empty());
}

TEST_F(BoardEventsTest, FocusingASquarePublishesItsCageSolutions)
{
    board.RecomputeAutoEliminations();
    board.UpdateCageSolutions();
    board.MarkSolutionInvalid(0, 1, false);
    log.entries.clear();

    Focus(1, 0);

    ASSERT_EQ(1, log.Count("UpdateSolutionsEvent"));
    const NamedProperties args = log.Last("UpdateSolutionsEvent");
    const Cage& cage = board.GetCages()[0];
    std::vector<std::string> descriptions;
    std::vector<bool> autoEliminated;
    std::vector<bool> markedInvalid;
    bool editable = true;
    Board* focusBoard = nullptr;
    Cage* focusCage = nullptr;
    SolutionsLayout layout = SOLUTIONS_LAYOUT_SINGLE_BOARD;
    EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("SolutionDescriptions", descriptions));
    EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("SolutionsAutoEliminated", autoEliminated));
    EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("SolutionsSolverEliminated", markedInvalid));
    EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("AreSolutionsEditable", editable));
    EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("FocusBoard", focusBoard));
    EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("FocusCage", focusCage));
    EXPECT_EQ(PROPERTY_FETCH_OK, args.Get("SolutionsLayout", layout));

    ASSERT_EQ(cage.solutions.size(), descriptions.size());
    ASSERT_GE(descriptions.size(), 2u);
    for (size_t i = 0; i < descriptions.size(); ++i) {
        EXPECT_EQ(cage.solutions[i].description, descriptions[i]);
        EXPECT_EQ(play.IsAutoOut(0, static_cast<int>(i)), autoEliminated.at(i));
        EXPECT_EQ(i == 1, markedInvalid.at(i));
    }
    EXPECT_FALSE(editable);
    EXPECT_EQ(&board, focusBoard);
    EXPECT_EQ(&board.GetCages()[0], focusCage);
    EXPECT_EQ(SOLUTIONS_LAYOUT_FIRST_BOARD, layout);
}

TEST_F(BoardEventsTest, TheSolutionsPanelIsPublishedOnlyWhenTheFocusMoves)
{
    Focus(1, 0);
    board.UpdatePointer(play.CandidatePoint(1, 0, 3), SOLUTIONS_LAYOUT_FIRST_BOARD);
    EXPECT_EQ(1, log.Count("UpdateSolutionsEvent"));

    Focus(0, 1);
    EXPECT_EQ(2, log.Count("UpdateSolutionsEvent"));

    board.UpdatePointer(Vector2(1.5f, 0.5f), SOLUTIONS_LAYOUT_FIRST_BOARD);
    EXPECT_EQ(3, log.Count("UpdateSolutionsEvent"));
    EXPECT_TRUE(log.Last("UpdateSolutionsEvent").IsEmpty()) << "no focus empties the panel";
}

TEST_F(BoardEventsTest, NothingIsPublishedWhileTheGameSolvesByItself)
{
    settings.autoSolving = true;
    Focus(1, 0);
    board.FireUpdateSolutionsEvent(SOLUTIONS_LAYOUT_SINGLE_BOARD);
    board.UpdatePointer(Vector2(-1.0f, -1.0f), SOLUTIONS_LAYOUT_SINGLE_BOARD);

    EXPECT_EQ(0, log.Count("UpdateSolutionsEvent"));
    EXPECT_EQ(-1, board.GetFocusedSquareIndex());
}

TEST(BoardHiddenSolutionsPanelTest, ShowsACageOnlyOnItsPaintedKeySquare)
{
    UlvoEventSystem events;
    EventLog log;
    log.Listen(events, {"UpdateSolutionsEvent"});
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages(), SOLVING_ATTRIBUTE_HIDDEN_CAGES);
    Board& board = play.board;

    board.UpdatePointer(play.CentreOf(0, 0), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    EXPECT_FALSE(log.Last("UpdateSolutionsEvent").IsEmpty()) << "key squares start in their cage's colour";

    board.UpdatePointer(play.CentreOf(1, 0), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    EXPECT_TRUE(log.Last("UpdateSolutionsEvent").IsEmpty()) << "unpainted";

    board.SetSquareColor(play.At(1, 0), 0, false);
    board.FireUpdateSolutionsEvent(SOLUTIONS_LAYOUT_SINGLE_BOARD);
    EXPECT_TRUE(log.Last("UpdateSolutionsEvent").IsEmpty()) << "painted, but not the key square";

    board.SetSquareColor(play.At(0, 0), -1, false);
    board.UpdatePointer(play.CentreOf(0, 0), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    EXPECT_TRUE(log.Last("UpdateSolutionsEvent").IsEmpty()) << "a key square without paint";
    EXPECT_EQ(4, log.Count("UpdateSolutionsEvent"));
}

TEST(BoardMechanicsEventTest, ARightClickOnACandidateTeachesEliminationByRightButton)
{
    UlvoEventSystem events;
    EventLog log;
    log.Listen(events, {"InstructorMarkMechanicsAsTaught"});
    FakeBoardSettings settings;
    PlayableBoard play(ANSWER, Cages());

    play.board.UpdatePointer(play.CandidatePoint(2, 2, 3), SOLUTIONS_LAYOUT_SINGLE_BOARD);
    ASSERT_EQ(2, play.board.GetFocusedCandidate());
    EXPECT_TRUE(play.board.HandleInput(2, 1));

    ASSERT_EQ(1, log.Count("InstructorMarkMechanicsAsTaught"));
    TeachableGameMechanics taught;
    taught.AddMechanic(12345);
    EXPECT_EQ(PROPERTY_FETCH_OK,
              log.Last("InstructorMarkMechanicsAsTaught").Get("GameMechanicsToMarkAsKnown", taught));
    EXPECT_EQ(std::set<int>{MECHANIC_ELIMINATE_WITH_RIGHT_BUTTON}, taught.mechanics);
    EXPECT_EQ(0u, taught.rules.GetMask());

    play.board.HandleInput(1, 1);
    EXPECT_EQ(1, log.Count("InstructorMarkMechanicsAsTaught")) << "a left click places a value instead";
}

} // namespace
