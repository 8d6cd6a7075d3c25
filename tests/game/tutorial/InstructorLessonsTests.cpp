#include "tests/game/tutorial/InstructorFixture.h"

#include "game/common/CageRules.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "tests/support/TestPuzzle.h"

#include <algorithm>

using namespace Pemberquill;

namespace {

TeachableGameMechanics Mechanics(unsigned rules, std::initializer_list<int> ids)
{
    TeachableGameMechanics mechanics;
    mechanics.rules.SetFromMask(rules);
    for (int id : ids) {
        mechanics.AddMechanic(id);
    }
    return mechanics;
}

bool Shows(const RecordingInstructorScreens& screens, const std::string& line)
{
    const std::vector<std::string> texts = screens.Texts();
    return std::find(texts.begin(), texts.end(), line) != texts.end();
}

class InstructorLessonsTest : public InstructorTest {
protected:
    void Teach(const TeachableGameMechanics& mechanics, Puzzle* puzzle = nullptr, int handle = 112)
    {
        screens.shown.clear();
        instructor.TeachGameMechanic(handle, mechanics, puzzle, nullptr);
    }
    const TeachableGameMechanics& Known() const { return profile.GetGameMechanicsKnown(); }
};

TEST_F(InstructorLessonsTest, OneLessonPerCallInOrderOfPriority)
{
    const struct {
        TeachableGameMechanics asked;
        const char* title;
        TeachableGameMechanics taught;
    } rows[] = {
        {Mechanics(CAGE_RULE_ADDITION, {1100}), "Double-Board Puzzles", Mechanics(0, {1100})},
        {Mechanics(CAGE_RULE_EQUALS, {1000, 1400}), "Hidden-Cage Boards", Mechanics(0, {1000})},
        {Mechanics(CAGE_RULE_NOOP | CAGE_RULE_EVEN, {1400}), "Even & Odd Cages",
         Mechanics(CAGE_RULE_EVEN | CAGE_RULE_ODD, {})},
        {Mechanics(CAGE_RULE_NOOP, {1400}), "No-Rule Cages", Mechanics(CAGE_RULE_NOOP, {})},
        {Mechanics(0, {1650, 1300, 1400}), "Right-click on Candidates", Mechanics(0, {1400})},
        {Mechanics(0, {2070, 2030}), "Last Candidate Standing", Mechanics(0, {2030})},
        {Mechanics(0, {2070}), "Last Candidate Standing", Mechanics(0, {})},
        {Mechanics(0, {1700, 1680}), "Welcome to Pemberquill!", Mechanics(0, {1680})},
    };
    for (const auto& row : rows) {
        profile.GetGameMechanicsKnown() = TeachableGameMechanics();
        Teach(row.asked);
        ASSERT_FALSE(screens.shown.empty()) << row.title;
        EXPECT_EQ(screens.Texts()[0], row.title);
        EXPECT_EQ(Known().rules, row.taught.rules) << row.title;
        EXPECT_EQ(Known().mechanics, row.taught.mechanics) << row.title;
    }
}

TEST_F(InstructorLessonsTest, RuleLessonsTakeTheirExampleFromThePuzzleOrADefault)
{
    const struct {
        unsigned rule;
        const char* example;
        const char* sentence;
    } defaults[] = {
        {CAGE_RULE_EQUALS, "2=", "...means there must be a 2 in that square."},
        {CAGE_RULE_ADDITION, "5+", "cage must add up to 5"},
        {CAGE_RULE_MULTIPLICATION, "6x", "cage must multiply together to equal 6"},
        {CAGE_RULE_SUBTRACTION, "2-", "must equal 2."},
        {CAGE_RULE_DIVISION, "2\xF7", "value must equal 2."},
    };
    for (const auto& row : defaults) {
        Teach(Mechanics(row.rule, {}));
        EXPECT_TRUE(Shows(screens, row.example)) << row.example;
        EXPECT_TRUE(Shows(screens, row.sentence)) << row.example;
        EXPECT_EQ(instructor.GetCallOutCount(), 0u) << "no puzzle, nothing to point at";
    }

    // The first Addition cage going up the columns from the left is the 3+
    // at the foot of the second column, not cage 1's 5+.
    Puzzle* puzzle = instructor.SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_RULES);
    const Board& board = *puzzle->GetBoards()[0];
    Teach(Mechanics(CAGE_RULE_ADDITION, {}), puzzle);
    EXPECT_TRUE(Shows(screens, "3+"));
    EXPECT_NE(instructor.FindCallOutForCage(&board.GetCages()[7]), nullptr);
    Teach(Mechanics(CAGE_RULE_EQUALS, {}), puzzle);
    EXPECT_TRUE(Shows(screens, "2="));
    EXPECT_NE(instructor.FindCallOutForCandidate(&board.GetSquare(0, 0), 1), nullptr);
}

TEST_F(InstructorLessonsTest, HowToPlayOpensItsWindowAndAlsoTeachesAddition)
{
    Teach(Mechanics(CAGE_RULE_EQUALS, {1200}));
    EXPECT_EQ(screens.howToPlayBuilt, 1);
    EXPECT_EQ(screens.pushed, std::vector<int>{22});
    EXPECT_TRUE(screens.shown.empty());
    EXPECT_EQ(Known().rules.GetMask(), static_cast<unsigned>(CAGE_RULE_ADDITION));
    EXPECT_TRUE(Known().HasMechanic(1200));
}

TEST_F(InstructorLessonsTest, TwoBoardsTakeTheLessonToTheDialog)
{
    TestPuzzle twoBoards{4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}}, 2};
    Teach(Mechanics(0, {1100}), twoBoards.puzzle.get(), 112);
    EXPECT_EQ(screens.dialogButton, "OK:HideTeachAGameMechanicEvent");
    EXPECT_EQ(screens.pushed, std::vector<int>{19});
    EXPECT_TRUE(instructor.IsMiniLessonDialogOpen());
    Fire("HideTeachAGameMechanicEvent");
    EXPECT_FALSE(instructor.IsMiniLessonDialogOpen());
    EXPECT_EQ(screens.popped, std::vector<int>{19});
}

TEST_F(InstructorLessonsTest, PlayingShowsWhatThePlayerHasProven)
{
    Puzzle* puzzle = instructor.SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_RULES);
    instructor.FillAllSquares();
    instructor.CheckForDynamicLessonOpportunity(puzzle);
    EXPECT_TRUE(Known().HasMechanic(2000)) << "every Equals cage filled";
    EXPECT_TRUE(Known().HasMechanic(2070)) << "every board valid";
}

} // namespace
