// What the instructor teaches after a move: the lesson the solver's next
// step or the player's mistake calls for, its lines as the player reads
// them and what it points at on the board.
#include "game/tutorial/Instructor.h"

#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/CageRules.h"
#include "game/player/PlayerProfile.h"
#include "game/presentation/ui/InstructorScreensInterface.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/board/Board.h"
#include "game/tutorial/LessonText.h"
#include "tests/game/tutorial/InstructorFixture.h"
#include "tests/support/TestPuzzle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Pemberquill;

namespace {

constexpr int PLAY_WINDOW_HANDLE = 112;

// The play window (12) exists; the last text area's lines are kept.
class TextAreaScreens : public InstructorScreensInterface {
public:
    int GetWindowHandle(int windowId) const override
    {
        return windowId == 12 && hasPlayWindow ? PLAY_WINDOW_HANDLE : -1;
    }
    void PushWindow(int) override {}
    void PopWindow(int, bool) override {}
    void SetInstructorTextRegion(const AABB2&) override {}
    void CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines) override
    {
        parent = parentHandle;
        shown = lines;
    }
    void CreateInformationDialog(const std::vector<TextLines>& lines, const std::string&, const std::string&) override
    {
        parent = -1;
        shown = lines;
    }
    void CreateHowToPlayWindow() override {}
    Texture* LoadTexture(const std::string&) override { return nullptr; }

    bool hasPlayWindow = true;
    int parent = 0;
    std::vector<TextLines> shown;
};

// A 4 x 4 puzzle (answers (x + y) % 4 + 1) whose cages know their solutions,
// as the solver needs them.
struct SolvablePuzzle : TestPuzzle {
    explicit SolvablePuzzle(const std::vector<TestCage>& cages) : TestPuzzle(4, cages)
    {
        for (Cage& cage : GetBoard().GetCages()) {
            cage.maxValue = 4;
            cage.GenerateSolutions(4, false);
        }
        GetProgress().Resize(4, static_cast<unsigned>(cages.size()), &GetBoard().GetCages());
    }
    const Square& At(unsigned x, unsigned y) const { return GetBoard().GetSquare(x, y); }
};

class InstructorStepLessonsTest : public tutorial_test::InstructorFixture<TextAreaScreens> {
protected:
    // Each line as "style:text": t title, b body, n note, e example; '?'
    // for a colour or size that is no lesson style.
    std::vector<std::string> Styled() const
    {
        const float title = instructor.GetTitleTextSize();
        const float body = instructor.GetBodyTextSize();
        std::vector<std::string> lines;
        for (const TextLines& line : screens.shown) {
            const Rgba color = line.runs.empty() ? line.color : line.runs[0].color;
            const float size = line.defaultFontSize;
            char style = '?';
            if (color == LessonText::TITLE_COLOR && size == title) {
                style = 't';
            } else if (color == LessonText::BODY_COLOR && size == body) {
                style = 'b';
            } else if (color == LessonText::NOTE_COLOR && size == body) {
                style = 'n';
            } else if (color == LessonText::EXAMPLE_COLOR && size == title) {
                style = 'e';
            }
            lines.push_back(std::string(1, style) + ":" + (line.runs.empty() ? "" : line.runs[0].text));
        }
        return lines;
    }
    std::string Title() const { return screens.shown.empty() ? "" : screens.shown[0].runs.at(0).text; }
    void AfterMove(Puzzle& puzzle)
    {
        screens.shown.clear();
        screens.parent = 0;
        instructor.CheckForDynamicLessonOpportunity(&puzzle);
    }
};

// Catches a step kind mapped to another lesson, a kind that teaches nothing
// made to teach, and the mistake lesson lost or given without a mistake.
TEST_F(InstructorStepLessonsTest, EachNextStepKindTeachesItsOwnLesson)
{
    SolvablePuzzle equals{{{CAGE_RULE_EQUALS, {{0, 0}}}}};
    SolvablePuzzle oneCandidate{{}};
    for (int candidate : {1, 2, 3}) {
        oneCandidate.GetProgress().SetPlayerCandidateBit(oneCandidate.At(0, 0), candidate, true);
    }
    SolvablePuzzle halfFilled{{{CAGE_RULE_ADDITION, {{0, 1}, {0, 2}}}}};
    halfFilled.GetProgress().SetValue(halfFilled.At(0, 1), 2);
    SolvablePuzzle addition{{{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}}};
    SolvablePuzzle even{{{CAGE_RULE_EVEN, {{1, 0}, {3, 0}}}}};
    SolvablePuzzle wrong{{{CAGE_RULE_EQUALS, {{0, 0}}}}};
    wrong.GetProgress().SetValue(wrong.At(0, 2), 1);
    ASSERT_TRUE(wrong.puzzle->FindMistakes());

    const struct {
        const char* name;
        Puzzle& puzzle;
        int stepKind;
        const char* title; // "" for an emptied text area
    } rows[] = {
        {"an Equals cage to fill", *equals.puzzle, STEP_ID_SINGLE_SQUARE_CAGE, "Fill in the other Equals cages"},
        {"one candidate left", *oneCandidate.puzzle, STEP_ID_ONLY_CANDIDATE_LEFT, "Last Candidate Standing"},
        {"a cage's last value", *halfFilled.puzzle, STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION, "Solving a Cage"},
        {"a candidate no solution uses", *addition.puzzle, STEP_ID_NO_SOLUTION_USES_CANDIDATE,
         "Eliminating Candidates"},
        {"an odd value in an Even cage", *even.puzzle, STEP_ID_ODD_IN_EVEN_CAGE, ""},
        {"a wrong value", *wrong.puzzle, -1, "Error Notification"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.stepKind >= 0) {
            ASSERT_EQ(chef.FindNextPuzzleStep(row.puzzle).step.stepId, row.stepKind) << "the board the row needs";
        }
        profile.GetGameMechanicsKnown() = TeachableGameMechanics();
        AfterMove(row.puzzle);
        EXPECT_EQ(screens.parent, PLAY_WINDOW_HANDLE);
        EXPECT_EQ(Title(), row.title);
    }
}

// Catches the mistake's own kind read as a solver step: once the error
// lesson is known, a mistake teaches nothing more.
TEST_F(InstructorStepLessonsTest, AKnownErrorLessonLeavesAMistakeWithoutALesson)
{
    SolvablePuzzle wrong{{{CAGE_RULE_EQUALS, {{0, 0}}}}};
    wrong.GetProgress().SetValue(wrong.At(0, 2), 1);
    ASSERT_TRUE(wrong.puzzle->FindMistakes());
    AfterMove(*wrong.puzzle);
    ASSERT_EQ(Title(), "Error Notification");
    AfterMove(*wrong.puzzle);
    EXPECT_EQ(screens.parent, PLAY_WINDOW_HANDLE);
    EXPECT_TRUE(screens.shown.empty()) << Title();
}

// Catches a lost, reordered or restyled line of the error lesson.
TEST_F(InstructorStepLessonsTest, TheErrorLessonReadsAsWritten)
{
    SolvablePuzzle wrong{{}};
    wrong.GetProgress().SetValue(wrong.At(1, 1), 1);
    ASSERT_TRUE(wrong.puzzle->FindMistakes());
    AfterMove(*wrong.puzzle);
    const std::vector<std::string> expected = {
        "t:Error Notification",
        "b:",
        "b:When you make a mistake, Pemberquill will",
        "b:automatically show your mistakes in pulsing",
        "b:RED.",
        "b:",
        "n:You can disable this feature by clicking",
        "n:MENU, then OPTIONS.  Uncheck the box for",
        "n:the option \"Highlight Errors Immediately\".",
        "n:",
    };
    EXPECT_EQ(Styled(), expected);
    EXPECT_TRUE(profile.GetGameMechanicsKnown().HasMechanic(1950));
    EXPECT_EQ(instructor.GetCallOutCount(), 0u);
}

// Catches the wrong cage, rule text or target in the cage lesson, and its
// call-out lost, placed on another cage or left behind by undo.
TEST_F(InstructorStepLessonsTest, TheCageLessonNamesAndPointsAtTheStepsCage)
{
    SolvablePuzzle puzzle{{{CAGE_RULE_EQUALS, {{3, 3}}}, {CAGE_RULE_ADDITION, {{0, 1}, {0, 2}}}}};
    profile.GetGameMechanicsKnown().AddMechanic(2000);
    puzzle.GetProgress().SetValue(puzzle.At(3, 3), 3);
    puzzle.GetProgress().SetValue(puzzle.At(0, 1), 2);
    AfterMove(*puzzle.puzzle);
    const std::vector<std::string> expected = {
        "t:Solving a Cage",
        "b:",
        "b:You should now be able to solve the missing",
        "b:value from this 5+ cage.",
        "b:",
        "b:Remember, the squares in this 5+ cage",
        "b:must add up to 5.",
    };
    EXPECT_EQ(Styled(), expected);
    const Board& board = puzzle.GetBoard();
    ASSERT_EQ(instructor.GetCallOutCount(), 1u);
    EXPECT_NE(instructor.FindCallOutForCage(&board.GetCages()[1]), nullptr);
    EXPECT_TRUE(profile.GetGameMechanicsKnown().HasMechanic(2150));
    instructor.DestroyCallOutsByChannel("hint");
    EXPECT_EQ(instructor.GetCallOutCount(), 0u) << "undo takes it away with the hints";
}

// Catches the lesson saying "add up to" of a cage that does not add: the
// cage over (0, 0) and (0, 1), answers 1 and 2, with its 2 placed and the
// 3 and 4 of (0, 0) crossed out.
TEST_F(InstructorStepLessonsTest, TheCageLessonSaysWhatTheCagesRuleMustMake)
{
    const struct {
        int rule;
        const char* ruleLine;
        const char* lastLine;
    } cases[] = {
        {CAGE_RULE_MULTIPLICATION, "b:Remember, the squares in this 2x cage", "b:must multiply together to equal 2."},
        {CAGE_RULE_SUBTRACTION, "b:Remember, the squares in this 1- cage", "b:must differ by 1."},
        {CAGE_RULE_DIVISION, "b:Remember, the squares in this 2\xF7 cage", "b:must divide to equal 2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastLine);
        profile.GetGameMechanicsKnown() = TeachableGameMechanics();
        profile.GetGameMechanicsKnown().AddMechanic(2000);
        SolvablePuzzle puzzle{{{CAGE_RULE_EQUALS, {{3, 3}}}, {c.rule, {{0, 0}, {0, 1}}}}};
        puzzle.GetProgress().SetValue(puzzle.At(3, 3), 3);
        puzzle.GetProgress().SetValue(puzzle.At(0, 1), 2);
        puzzle.GetProgress().SetPlayerCandidateBit(puzzle.At(0, 0), 2, true);
        puzzle.GetProgress().SetPlayerCandidateBit(puzzle.At(0, 0), 3, true);
        AfterMove(*puzzle.puzzle);
        const std::vector<std::string> lines = Styled();
        ASSERT_EQ(lines.size(), 7u) << Title();
        EXPECT_EQ(lines[5], c.ruleLine);
        EXPECT_EQ(lines[6], c.lastLine);
    }
}

// Catches the candidate shown off by one, the call-out on another
// candidate or not crossed out, and the lesson not recorded.
TEST_F(InstructorStepLessonsTest, TheEliminationLessonCrossesOutTheStepsCandidate)
{
    SolvablePuzzle puzzle{{{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}}};
    AfterMove(*puzzle.puzzle);
    const std::vector<std::string> expected = {
        "t:Eliminating Candidates",
        "b:",
        "b:When none of the possible solutions for a cage",
        "b:use a certain candidate (like this 3)",
        "b:we can RIGHT-CLICK to eliminate it!",
    };
    EXPECT_EQ(Styled(), expected);
    ASSERT_EQ(instructor.GetCallOutCount(), 1u);
    const InstructorCallOut* callOut = instructor.FindCallOutForCandidate(&puzzle.At(0, 0), 2);
    ASSERT_NE(callOut, nullptr);
    EXPECT_TRUE(callOut->m_isCalledOutForRemoval);
    EXPECT_TRUE(profile.GetGameMechanicsKnown().HasMechanic(2200));
    instructor.DestroyCallOutsByChannel("hint");
    EXPECT_EQ(instructor.GetCallOutCount(), 0u) << "undo takes it away with the hints";
}

// Catches the last-candidate call-out on the wrong candidate, and the
// follow-up lesson recorded as known before the player has shown it.
TEST_F(InstructorStepLessonsTest, LastCandidatePointsAtItThenFollowsUpUntilTheBoardIsRight)
{
    SolvablePuzzle puzzle{{}};
    for (int candidate : {1, 2, 3}) {
        puzzle.GetProgress().SetPlayerCandidateBit(puzzle.At(0, 0), candidate, true);
    }
    AfterMove(*puzzle.puzzle);
    const InstructorCallOut* callOut = instructor.FindCallOutForCandidate(&puzzle.At(0, 0), 0);
    ASSERT_NE(callOut, nullptr);
    EXPECT_FALSE(callOut->m_isCalledOutForRemoval);
    AfterMove(*puzzle.puzzle);
    ASSERT_GE(screens.shown.size(), 3u);
    EXPECT_EQ(screens.shown[2].runs.at(0).text, "Now look for other squares in which only");
    AfterMove(*puzzle.puzzle);
    EXPECT_EQ(screens.shown.size(), 5u) << "asked again until the board is right";
    EXPECT_FALSE(profile.GetGameMechanicsKnown().HasMechanic(2070));
}

// Catches a puzzle's first lesson given without a play window to show it
// in, or not given on the play window.
TEST_F(InstructorStepLessonsTest, APuzzleStartingOnThePlayWindowGetsItsFirstLessonThere)
{
    SolvablePuzzle puzzle{{{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}}};
    screens.hasPlayWindow = false;
    instructor.ShowTeachAGameMechanic(puzzle.puzzle.get());
    EXPECT_EQ(screens.parent, 0);
    EXPECT_FALSE(profile.GetGameMechanicsKnown().HasMechanic(1200));

    screens.hasPlayWindow = true;
    instructor.ShowTeachAGameMechanic(puzzle.puzzle.get());
    EXPECT_TRUE(profile.GetGameMechanicsKnown().HasMechanic(1200)) << "how to play, first";
    EXPECT_EQ(screens.parent, PLAY_WINDOW_HANDLE);
    EXPECT_FALSE(screens.shown.empty());
}

// Catches the first homework called out by a lesson other than the
// location lesson.
TEST_F(InstructorStepLessonsTest, OnlyTheLocationLessonCallsOutTheFirstHomework)
{
    struct Counter : EventRecipient {
        Counter()
        {
            RegisterEventHandler("CallOutInitialHomeworkEvent", UlvoEventSystem::GetGlobal(), &Counter::On, this);
        }
        void On(NamedProperties&) { ++count; }
        int count = 0;
    } homework;
    for (int lesson : {1400, 1700, 1900, 1300}) {
        TeachableGameMechanics mechanics;
        mechanics.AddMechanic(lesson);
        instructor.TeachGameMechanic(PLAY_WINDOW_HANDLE, mechanics, nullptr, nullptr);
    }
    EXPECT_EQ(homework.count, 1);
}

// Catches the Equals lesson recorded as learnt before every Equals cage is
// filled.
TEST_F(InstructorStepLessonsTest, FillingEveryEqualsCageShowsTheEqualsLessonWasLearnt)
{
    SolvablePuzzle puzzle{{{CAGE_RULE_EQUALS, {{0, 0}}}, {CAGE_RULE_EQUALS, {{3, 3}}}}};
    puzzle.GetProgress().SetValue(puzzle.At(0, 0), 1);
    AfterMove(*puzzle.puzzle);
    EXPECT_FALSE(profile.GetGameMechanicsKnown().HasMechanic(2000)) << "one cage left";
    puzzle.GetProgress().SetValue(puzzle.At(3, 3), 3);
    AfterMove(*puzzle.puzzle);
    EXPECT_TRUE(profile.GetGameMechanicsKnown().HasMechanic(2000));
}

} // namespace
