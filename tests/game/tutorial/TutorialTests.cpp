// The instructor: call-outs, lessons per game mechanic, the scripted
// tutorial with its pages and demonstrations, and the tutorial's puzzles;
// the credits' file and roll.
#include "game/tutorial/Instructor.h"

#include "engine/core/Clock.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/renderer/Texture.h"
#include "game/common/CageRules.h"
#include "game/presentation/board/BoardView.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/board/Board.h"
#include "game/player/PlayerProfile.h"
#include "game/tutorial/Credits.h"
#include "game/presentation/ui/InstructorScreensInterface.h"
#include "game/tutorial/TutorialPuzzles.h"
#include "tests/game/common/MechanicsTestSupport.h"
#include "tests/game/tutorial/InstructorFixture.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/RecordingDrawCalls.h"
#include "tests/support/ScopedDataFolder.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/SilentConsole.h"
#include "tests/support/TestPuzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace Pemberquill;

namespace {

// Every window built: the play window (12) and the tutorial window (4)
// exist; what the instructor shows and pushes is kept.
class RecordingInstructorScreens : public InstructorScreensInterface {
public:
    int GetWindowHandle(int windowId) const override { return windowId == 12 || windowId == 4 ? 100 + windowId : -1; }
    void PushWindow(int windowId) override { pushed.push_back(windowId); }
    void PopWindow(int windowId, bool) override { popped.push_back(windowId); }
    void SetInstructorTextRegion(const AABB2&) override {}
    void CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines) override
    {
        textAreaParent = parentHandle;
        shown = lines;
    }
    void CreateInformationDialog(const std::vector<TextLines>& lines, const std::string& buttonLabel,
                                 const std::string& activationEvent) override
    {
        shown = lines;
        dialogButton = buttonLabel + ":" + activationEvent;
    }
    void CreateHowToPlayWindow() override { ++howToPlayBuilt; }
    Texture* LoadTexture(const std::string& imagePath) override
    {
        loadedImages.push_back(imagePath);
        return picture;
    }

    // The shown lines' texts, one a line.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const TextLines& line : shown) {
            texts.push_back(line.runs.empty() ? std::string() : line.runs[0].text);
        }
        return texts;
    }

    std::vector<int> pushed, popped;
    int textAreaParent = -1;
    std::vector<TextLines> shown;
    std::string dialogButton;
    int howToPlayBuilt = 0;
    std::vector<std::string> loadedImages;
    // What every image loads as.
    Texture* picture = nullptr;
};

// Counts the firings of one event and keeps the last "Enabled".
class EventCounter : public EventRecipient {
public:
    explicit EventCounter(const std::string& eventName)
    {
        RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &EventCounter::OnEvent, this);
    }
    void OnEvent(NamedProperties& args)
    {
        ++count;
        args.Get("Enabled", lastEnabled);
    }
    int count = 0;
    bool lastEnabled = false;
};

using mechanics_test::Mechanics;

class InstructorTest : public tutorial_test::InstructorFixture<RecordingInstructorScreens> {
protected:
    void Teach(const TeachableGameMechanics& mechanics, Puzzle* puzzle = nullptr, int handle = 112)
    {
        screens.shown.clear();
        instructor.TeachGameMechanic(handle, mechanics, puzzle, nullptr);
    }
    const TeachableGameMechanics& Known() const { return profile.GetGameMechanicsKnown(); }
    bool Shows(const std::string& line) const
    {
        const std::vector<std::string> texts = screens.Texts();
        return std::find(texts.begin(), texts.end(), line) != texts.end();
    }

    int CalledOutCage() const
    {
        for (const Cage& cage : instructor.GetCurrentPuzzleBoard().GetCages()) {
            if (instructor.FindCallOutForCage(&cage) != nullptr) {
                return cage.index;
            }
        }
        return -1;
    }

    EventCounter started{"HasStartedTutorialEvent"};
    EventCounter completed{"HasCompletedTutorialEvent"};
    EventCounter nextButton{"SetEnabledStatusForTutorialNextLessonButton"};
    TestPuzzle test{4, {{CAGE_RULE_ADDITION, {{1, 1}, {2, 1}}}}};
    const Square& square = test.GetBoard().GetSquare(1, 2);
};

TEST_F(InstructorTest, EachLookupFindsOnlyTheFirstCallOutOfItsKind)
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

TEST_F(InstructorTest, ChannelsAreRemovedWithoutRegardToCaseByCallOrEvent)
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

TEST_F(InstructorTest, HintsAndUndoReachTheInstructor)
{
    ASSERT_EQ(GetHintCallOuts(), &instructor);
    GetHintCallOuts()->CallOutCandidateVariant(square, 1, "hint");
    InstructorCallOut* callOut = instructor.FindCallOutForCandidate(&square, 1);
    ASSERT_NE(callOut, nullptr);
    EXPECT_TRUE(callOut->m_isCalledOutForRemoval);

    test.puzzle->Undo();
    EXPECT_EQ(instructor.GetCallOutCount(), 0u) << "undo leaves the hint's board state";
}

TEST_F(InstructorTest, AnchorsFollowTheBoardViewAndThenCountAsPositioned)
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

TEST_F(InstructorTest, OneLessonPerCallInOrderOfPriority)
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
        EXPECT_EQ(screens.Texts().at(0), row.title);
        EXPECT_EQ(Known().rules, row.taught.rules) << row.title;
        EXPECT_EQ(Known().mechanics, row.taught.mechanics) << row.title;
    }
    // Nothing asked that a lesson teaches: no lesson.
    profile.GetGameMechanicsKnown() = TeachableGameMechanics();
    Teach(Mechanics(0, {42}));
    EXPECT_TRUE(screens.shown.empty());
    EXPECT_TRUE(Known().mechanics.empty());
}

TEST_F(InstructorTest, RuleLessonsTakeTheirExampleFromThePuzzleOrADefault)
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
        EXPECT_TRUE(Shows(row.example)) << row.example;
        EXPECT_TRUE(Shows(row.sentence)) << row.example;
        EXPECT_EQ(instructor.GetCallOutCount(), 0u) << "no puzzle, nothing to point at";
    }

    // The first Addition cage going up the columns from the left is the 3+
    // at the foot of the second column, not cage 1's 5+.
    Puzzle* puzzle = instructor.SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_RULES);
    const Board& board = *puzzle->GetBoards()[0];
    Teach(Mechanics(CAGE_RULE_ADDITION, {}), puzzle);
    EXPECT_TRUE(Shows("3+"));
    EXPECT_NE(instructor.FindCallOutForCage(&board.GetCages()[7]), nullptr);
    Teach(Mechanics(CAGE_RULE_EQUALS, {}), puzzle);
    EXPECT_TRUE(Shows("2="));
    EXPECT_NE(instructor.FindCallOutForCandidate(&board.GetSquare(0, 0), 1), nullptr);
}

TEST_F(InstructorTest, HowToPlayOpensItsWindowAndAlsoTeachesAddition)
{
    Teach(Mechanics(CAGE_RULE_EQUALS, {1200}));
    EXPECT_EQ(screens.howToPlayBuilt, 1);
    EXPECT_EQ(screens.pushed, std::vector<int>{22});
    EXPECT_TRUE(screens.shown.empty());
    EXPECT_EQ(Known().rules.GetMask(), static_cast<unsigned>(CAGE_RULE_ADDITION));
    EXPECT_TRUE(Known().HasMechanic(1200));
}

TEST_F(InstructorTest, TwoBoardsTakeTheLessonToTheDialog)
{
    TestPuzzle twoBoards{4, {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}}}, 2};
    Teach(Mechanics(0, {1100}), twoBoards.puzzle.get(), 112);
    EXPECT_EQ(screens.dialogButton, "OK:HideTeachAGameMechanicEvent");
    EXPECT_EQ(screens.pushed, std::vector<int>{19});
    EXPECT_TRUE(instructor.IsMiniLessonDialogOpen());
    events.FireEvent("HideTeachAGameMechanicEvent");
    EXPECT_FALSE(instructor.IsMiniLessonDialogOpen());
    EXPECT_EQ(screens.popped, std::vector<int>{19});
}

TEST_F(InstructorTest, PlayingShowsWhatThePlayerHasProven)
{
    Puzzle* puzzle = instructor.SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_RULES);
    instructor.FillAllSquares();
    instructor.CheckForDynamicLessonOpportunity(puzzle);
    EXPECT_TRUE(Known().HasMechanic(2000)) << "every Equals cage filled";
    EXPECT_TRUE(Known().HasMechanic(2070)) << "every board valid";
    EXPECT_EQ(instructor.GetUnknownMechanicsOfPuzzle(nullptr).GetCount(), 0) << "no puzzle, nothing to learn";
}

TEST_F(InstructorTest, PagesRunToTheEndPageAndStartAgain)
{
    EXPECT_FALSE(instructor.OnKeyEvent(1, ' ')) << "no tutorial shown";
    EXPECT_FALSE(Instructor::IsTutorialRunning()) << "no tutorial shown";
    ShowTutorial();
    ASSERT_EQ(instructor.GetCurrentLesson(), 0);
    EXPECT_EQ(started.count, 1);
    EXPECT_EQ(screens.textAreaParent, 104);
    EXPECT_TRUE(instructor.GetInstructorPuzzle()->AreAllBoardsValid()) << "page 0 shows a filled board";

    const struct {
        int lesson;
        const char* title;
        size_t cages; // of the page's puzzle; 0 for none
    } pages[] = {
        {1, "Rows and Columns", 1},  {2, "Rows and Columns", 1},  {3, "Cages", 8},
        {4, "Cage Rules", 8},        {5, "The Equals Rule", 8},   {6, "Candidates", 8},
        {7, "Auto Candidate Elimination", 8}, {8, "Start with Equals", 8}, {9, "Last Candidate Standing", 8},
        {10, "The Addition Rule", 8}, {11, "Solving Addition", 8}, {-1, "That's it!", 0},
    };
    for (const auto& page : pages) {
        EXPECT_TRUE(instructor.OnKeyEvent(1, ' '));
        EXPECT_EQ(instructor.GetCurrentLesson(), page.lesson);
        EXPECT_EQ(screens.Texts()[0], page.title) << "page " << page.lesson;
        const Puzzle* puzzle = instructor.GetInstructorPuzzle();
        EXPECT_EQ(puzzle ? puzzle->GetBoards()[0]->GetCages().size() : 0u, page.cages) << "page " << page.lesson;
        EXPECT_EQ(nextButton.lastEnabled, page.lesson != -1);
    }
    EXPECT_EQ(completed.count, 1);
    EXPECT_EQ(instructor.GetCallOutCount(), 0u);
    EXPECT_FALSE(Instructor::IsTutorialRunning());

    events.FireEvent("InstructorAdvanceToNextLesson");
    EXPECT_EQ(instructor.GetCurrentLesson(), 0);
    EXPECT_EQ(started.count, 2);
    EXPECT_TRUE(Instructor::IsTutorialRunning());

    events.FireEvent("InstructorExitTutorial");
    EXPECT_EQ(screens.popped, std::vector<int>{4}) << "the tutorial window closes";
    EXPECT_EQ(instructor.GetInstructorPuzzle(), nullptr);
    EXPECT_FALSE(Instructor::IsTutorialRunning());
    EXPECT_FALSE(instructor.OnKeyEvent(1, ' '));
}

// The tutorial opened from inside a region lends the chef its colours; every
// way out of it gives the region's back, also after a second show.
TEST_F(InstructorTest, LeavingTheTutorialGivesTheChefBackItsPalette)
{
    const std::vector<Rgba> region = {{255, 244, 170}, {250, 214, 160}, {190, 232, 255}, {170, 255, 230},
                                      {255, 200, 200}, {220, 210, 255}, {200, 255, 170}};
    const struct {
        const char* name;
        int shows;
        const char* exitEvent;
    } exits[] = {
        {"hidden", 1, "InstructorPuzzleHiddenEvent"},
        {"exit button", 1, "InstructorExitTutorial"},
        {"shown twice, then hidden", 2, "InstructorPuzzleHiddenEvent"},
    };
    for (const auto& exit : exits) {
        chef.SetPalette(region);
        for (int i = 0; i < exit.shows; ++i) {
            ShowTutorial();
        }
        EXPECT_EQ(chef.GetPalette(), GetTutorialPalette()) << exit.name;
        events.FireEvent(exit.exitEvent);
        EXPECT_EQ(chef.GetPalette(), region) << exit.name;
        // The window's hide after the exit button must not hand back twice.
        chef.SetPalette({});
        events.FireEvent("InstructorPuzzleHiddenEvent");
        EXPECT_TRUE(chef.GetPalette().empty()) << exit.name;
    }
}

// The play window's lesson comes back after the tutorial as it last stood,
// call-outs included, and empty once play has emptied it.
TEST_F(InstructorTest, BackFromTheTutorialThePlayWindowShowsItsLastLesson)
{
    Teach(Mechanics(CAGE_RULE_ADDITION, {}), test.puzzle.get());
    const Cage& cage = test.GetBoard().GetCages()[0];
    ShowTutorial();
    EXPECT_EQ(instructor.FindCallOutForCage(&cage), nullptr) << "the tutorial's pages point at their own board";
    instructor.AdvanceToNextLesson();
    events.FireEvent("InstructorExitTutorial");
    EXPECT_EQ(screens.textAreaParent, 112);
    EXPECT_EQ(screens.Texts().at(0), "Addition Cages");
    EXPECT_EQ(instructor.GetCallOutCount(), 1u);
    EXPECT_NE(instructor.FindCallOutForCage(&cage), nullptr);

    Puzzle* puzzle = instructor.SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_RULES);
    instructor.FillAllSquares();
    instructor.CheckForDynamicLessonOpportunity(puzzle);
    ASSERT_TRUE(screens.shown.empty()) << "nothing left to teach on a solved board";
    ShowTutorial();
    events.FireEvent("InstructorExitTutorial");
    EXPECT_EQ(screens.textAreaParent, 112);
    EXPECT_TRUE(screens.shown.empty());
}

// A page opened well into the game: the board's fade-in and, on the filled
// first page, its solve wave start with the page, not at the clock's zero.
TEST_F(InstructorTest, TheFirstPagesBoardIsShownAndSolvedFromTheMomentItOpens)
{
    clock.Advance(100.0);
    ShowTutorial();
    clock.Advance(0.5);
    PuzzleDisplay& display = *instructor.GetInstructorPuzzleView();
    display.UpdateBoardViews();
    const BoardView& view = display.GetBoardViews().at(0);
    const double boardTime = view.board->GetClock().GetTime();
    EXPECT_DOUBLE_EQ(view.timeSinceShown, 0.5);
    EXPECT_TRUE(view.isSolved);
    EXPECT_DOUBLE_EQ(boardTime - view.solveTimeOnBoardClock, 0.5) << "time since solved";
}

TEST_F(InstructorTest, TheCageWalkTakesOneStepPerBoundaryCrossed)
{
    ShowTutorial();
    instructor.StartLesson(3);
    const struct {
        double from;
        double to;
        int cage; // -1: no call-out yet
        bool isNew;
    } frames[] = {
        {0.0, 0.5, -1, false}, {0.5, 1.4, 1, true}, {1.4, 2.0, 1, false},
        {2.0, 2.7, 2, true},   {2.7, 6.0, 4, true}, {9.0, 9.4, 7, true}, {10.6, 10.7, 0, true},
    };
    for (const auto& frame : frames) {
        Frame(frame.from, frame.to);
        EXPECT_EQ(CalledOutCage(), frame.cage) << frame.to << " s";
        if (frame.cage >= 0) {
            EXPECT_EQ(instructor.GetCallOutCount(), 1u);
            EXPECT_EQ(instructor.GetCallOuts().front()->GetTime() == 0.0, frame.isNew) << frame.to << " s";
        }
    }
}

TEST_F(InstructorTest, ALongFrameRunsOnlyTheLatestStep)
{
    ShowTutorial();
    instructor.StartLesson(8);
    Frame(1.9, 4.1);
    const Board& board = instructor.GetCurrentPuzzleBoard();
    EXPECT_EQ(board.GetSquareValue(2, 0), 4u) << "step 2 fills the square";
    EXPECT_NE(board.GetFocusedSquareIndex(), 2) << "step 1, which focuses it, is skipped";
    EXPECT_NE(instructor.FindCallOutForSquare(&board.GetSquare(2, 0)), nullptr);
}

TEST_F(InstructorTest, OnlyTheEqualsPageSlantsTheBoardText)
{
    ShowTutorial();
    const struct {
        int lesson;
        bool isItalic;
    } pages[] = {{5, true}, {6, false}, {5, true}, {0, false}};
    for (const auto& page : pages) {
        instructor.GetClock()->SetTime(0.0);
        instructor.StartLesson(page.lesson);
        // The first frame of the page, which runs step 0 of its demonstration.
        Frame(-0.05, 0.05);
        EXPECT_EQ(instructor.GetInstructorPuzzleView()->IsTextItalic(), page.isItalic) << "page " << page.lesson;
    }
}

TEST_F(InstructorTest, TheTutorialWindowDrawsTheInstructorsPictureOncePerRender)
{
    testsupport::RecordingDrawCalls renderer;
    EXPECT_EQ(screens.loadedImages, std::vector<std::string>{"Images/Backgrounds/Instructor1024x1024.png"});
    const std::unique_ptr<Texture> picture = Texture::Create();
    screens.picture = picture.get();
    instructor.SetScreens(&screens);
    events.FireEvent("TutorialWindowPostRenderEvent");
    ASSERT_EQ(renderer.calls.size(), 1u);
    EXPECT_EQ(renderer.calls[0].texture, picture.get());
}

TEST_F(InstructorTest, EachTutorialPuzzleHasTheTargetsAndAnswersTheLessonsName)
{
    chef.SetPalette(GetTutorialPalette());
    const struct {
        int puzzleID;
        std::vector<int> targets; // -1: a rule without a target
        bool isSolvable;
    } rows[] = {
        {INSTRUCTOR_PUZZLE_WHOLE_BOARD, {-1}, false},
        {INSTRUCTOR_PUZZLE_CAGES, {-1, -1, -1, -1, -1, -1, -1, -1}, false},
        {INSTRUCTOR_PUZZLE_RULES, {2, 5, 4, 1, 12, 36, -1, 3}, true},
        {INSTRUCTOR_PUZZLE_SINGLE_SQUARE, {1}, true},
        {INSTRUCTOR_PUZZLE_DIVISION_AND_STRAIGHT, {4, 2, 3, 1, 6, 4, -1, 7}, true},
    };
    for (const auto& row : rows) {
        ServedPuzzle served = Instructor::CreateCustomPuzzle(chef, &clock, *GetTutorialPuzzleDefinition(row.puzzleID));
        const Board& board = *served.puzzle->GetBoards()[0];
        const TutorialPuzzleDefinition& definition = *GetTutorialPuzzleDefinition(row.puzzleID);
        ASSERT_EQ(board.GetCages().size(), row.targets.size()) << "puzzle " << row.puzzleID;
        for (size_t i = 0; i < row.targets.size(); ++i) {
            const Cage& cage = board.GetCages()[i];
            if (row.targets[i] >= 0) {
                EXPECT_EQ(cage.target, row.targets[i]) << "puzzle " << row.puzzleID << " cage " << i;
            }
            EXPECT_EQ(cage.color, definition.cageRules[i].second);
            if ((cage.rule & ARITHMETIC_CAGE_RULES_MASK) != 0) {
                EXPECT_FALSE(cage.solutions.empty()) << "puzzle " << row.puzzleID << " cage " << i;
            }
        }
        for (size_t i = 0; i < definition.squareValues.size(); ++i) {
            EXPECT_EQ(static_cast<int>(board.GetSquares()[i].solutionValue), definition.squareValues[i]) << i;
        }
        EXPECT_EQ(chef.SolvePuzzle(*served.puzzle).isSolvable, row.isSolvable) << "puzzle " << row.puzzleID;
    }
}

// The tutorial's cages show their size, so their solution lists hold
// solutions of that size only.
TEST_F(InstructorTest, TutorialCagesListOnlySolutionsOfTheirOwnSize)
{
    chef.SetPalette(GetTutorialPalette());
    for (int id = INSTRUCTOR_PUZZLE_WHOLE_BOARD; id <= INSTRUCTOR_PUZZLE_DIVISION_AND_STRAIGHT; ++id) {
        ServedPuzzle served = Instructor::CreateCustomPuzzle(chef, &clock, *GetTutorialPuzzleDefinition(id));
        for (const Cage& cage : served.puzzle->GetBoards()[0]->GetCages()) {
            for (const CageSolution& solution : cage.solutions) {
                EXPECT_EQ(cage.squares.size(), solution.values.size())
                    << "puzzle " << id << " cage " << cage.index << ": " << solution.description;
            }
        }
    }
}

TEST_F(InstructorTest, ATutorialAnswerOutsideOneToTheSizeIsRejected)
{
    chef.SetPalette(GetTutorialPalette());
    for (int badValue : {0, -1, 5}) {
        TutorialPuzzleDefinition definition = *GetTutorialPuzzleDefinition(INSTRUCTOR_PUZZLE_RULES);
        definition.squareValues[6] = badValue;
        const auto error = testsupport::CatchUlvoException([&] { Instructor::CreateCustomPuzzle(chef, &clock, definition); });
        EXPECT_EQ(error.message.rfind(Stringf("Illegal square value %d in 4-sized puzzle (at 2,1)\n", badValue), 0), 0u)
            << error.message;
    }
}

// One section, one group of three lines: 1200 + 192 + 104 + 3 x 52.
const char* const ONE_GROUP_ROLL = "\"Section\" { \"Group\" { \"a\" \"b\" \"c\" \"STOP\" } \"Stop\" } \"stop\"";
constexpr float ONE_GROUP_HEIGHT = 1652.0f;

std::string Outline(const std::vector<CreditsSection>& sections)
{
    std::string text;
    for (const CreditsSection& section : sections) {
        text += section.name + "(";
        for (const CreditsGroup& group : section.groups) {
            text += group.name + "(";
            for (const CreditsLine& line : group.lines) {
                text += line.text + "()";
            }
            text += ")";
        }
        text += ")";
    }
    return text;
}

class CreditsTest : public ::testing::Test {
protected:
    UlvoEventSystem events;
    testsupport::RecordingConsole console;
    testsupport::ScopedDataFolder data;
    Clock clock;
    Credits credits;
};

TEST_F(CreditsTest, EveryEncodingReadsTheSameRoll)
{
    const std::vector<CreditsSection> roll = {
        {"S1", {{"G1", {{"x"}, {"y"}}}, {"G2", {}}}},
        {"S2", {}},
    };
    for (ResourceStreamFormat format :
         {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT, RESOURCE_STREAM_FORMAT_TEXT_COMPACT}) {
        ResourceStream written(format, 64);
        Credits::WriteSections(written, roll);
        const std::string path = data.PathOf("roll.pqdf");
        ASSERT_TRUE(written.SaveToFile(UlvoPath(PATH_MARKER_NONE, path)));
        ResourceStream read{UlvoPath(PATH_MARKER_NONE, path)};
        EXPECT_EQ(Outline(Credits::ReadSections(read)), "S1(G1(x()y())G2())S2()") << "format " << format;
    }
}

TEST_F(CreditsTest, TheRollMovesUpByItsHeightOverAHundredSecondsAndStays)
{
    data.Write(Credits::CREDITS_FILE, ONE_GROUP_ROLL);
    credits.Startup(&clock);
    EXPECT_EQ(Outline(credits.GetSections()), "Section(Group(a()b()c()))") << "STOP and Stop end lists";
    EXPECT_FLOAT_EQ(credits.GetRollHeight(), ONE_GROUP_HEIGHT);

    events.FireEvent("PlayCreditsEvent");
    EXPECT_TRUE(credits.IsPlaying()) << "the roll is drawn only while it plays";
    const struct {
        double seconds;
        float offset;
    } rows[] = {{0.0, 0.0f}, {50.0, -826.0f}, {100.0, -ONE_GROUP_HEIGHT}, {150.0, -ONE_GROUP_HEIGHT}};
    for (const auto& row : rows) {
        credits.GetClock()->SetTime(row.seconds);
        EXPECT_FLOAT_EQ(credits.GetScrollOffset(), row.offset) << row.seconds << " s";
    }

    events.FireEvent("PlayCreditsEvent");
    EXPECT_FLOAT_EQ(credits.GetScrollOffset(), 0.0f) << "opening again starts from the top";
    events.FireEvent("QuitCreditsEvent");
    EXPECT_FALSE(credits.IsPlaying());
    credits.Shutdown();
}

// No file at all, then one cut short: the roll ships with the game, so
// either stops it, naming the file, and leaves the credits deaf to events.
TEST_F(CreditsTest, AMissingOrDamagedFileStopsTheGameNamingIt)
{
    const struct {
        const char* text; // null: no file
        const char* expected;
    } cases[] = {
        {nullptr, "Unable to read the data file Data/Credits.pqdf."},
        {"\"Section\" { \"Group\" { \"a\"", "The data file Data/Credits.pqdf is damaged and cannot be read: "},
    };
    for (const auto& test : cases) {
        if (test.text != nullptr) {
            data.Write(Credits::CREDITS_FILE, test.text);
        }
        const testsupport::CaughtError error = testsupport::CatchUlvoException([this] { credits.Startup(&clock); });
        EXPECT_EQ(error.message.rfind(test.expected, 0), 0u) << error.message;
        EXPECT_EQ(error.title, "Credits::LoadSections");
        EXPECT_FALSE(credits.IsInitialized());
        events.FireEvent("PlayCreditsEvent");
        EXPECT_FALSE(credits.IsPlaying());
    }
}

TEST(ShippedCredits, TheGameReadsItsOwnCreditsFile)
{
    testsupport::ScopedWorkingDirectory inProject(PQ_SOURCE_DIR);
    ResourceStream stream{UlvoPath(PATH_MARKER_DATA, Credits::CREDITS_FILE)};
    ASSERT_TRUE(stream.IsValid());
    EXPECT_FALSE(Credits::ReadSections(stream).empty());
}

} // namespace

// The tutorial's puzzles are numbered from 0; either side of the range
// there is none, and every one inside is a puzzle of its own.
TEST(TutorialPuzzleDefinitionTest, EveryIdentifierInsideTheRangeHasItsOwnPuzzleAndNoneOutside)
{
    std::set<const TutorialPuzzleDefinition*> seen;
    for (int id = INSTRUCTOR_PUZZLE_NONE - 1; id <= NUM_INSTRUCTOR_PUZZLES; ++id) {
        const TutorialPuzzleDefinition* definition = GetTutorialPuzzleDefinition(id);
        const bool isInside = id >= INSTRUCTOR_PUZZLE_WHOLE_BOARD && id <= INSTRUCTOR_PUZZLE_DIVISION_AND_STRAIGHT;
        ASSERT_EQ(definition != nullptr, isInside) << "puzzle " << id;
        if (isInside) {
            EXPECT_EQ(definition->squareValues.size(), size_t(definition->size * definition->size)) << "puzzle " << id;
            EXPECT_TRUE(seen.insert(definition).second) << "puzzle " << id;
        }
    }
}
