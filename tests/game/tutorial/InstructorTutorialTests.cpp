#include "tests/game/tutorial/InstructorFixture.h"

#include "game/puzzle/Puzzle.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/board/Board.h"
#include "engine/modules/renderer/Texture.h"
#include "tests/support/RecordingDrawCalls.h"

using namespace Pemberquill;

namespace {

class InstructorTutorialTest : public InstructorTest {
protected:
    void ShowTutorial()
    {
        NamedProperties args;
        args.Set("Bounds", AABB2(Vector2(0.0f, 0.0f), Vector2(400.0f, 400.0f)));
        events.FireEvent("InstructorPuzzleShownEvent", args);
    }

    // The frame that takes the instructor's clock from one lesson time to
    // the next.
    void Frame(double fromLessonTime, double toLessonTime)
    {
        instructor.GetClock()->SetTime(fromLessonTime);
        clock.Advance(toLessonTime - fromLessonTime);
        instructor.UpdateLessonAnimation();
    }

    int CalledOutCage() const
    {
        const Board& board = instructor.GetCurrentPuzzleBoard();
        for (const Cage& cage : board.GetCages()) {
            if (instructor.FindCallOutForCage(&cage) != nullptr) {
                return cage.index;
            }
        }
        return -1;
    }

    EventCounter started{"HasStartedTutorialEvent"};
    EventCounter completed{"HasCompletedTutorialEvent"};
    EventCounter nextButton{"SetEnabledStatusForTutorialNextLessonButton"};
};

TEST_F(InstructorTutorialTest, PagesRunToTheEndPageAndStartAgain)
{
    EXPECT_FALSE(instructor.OnKeyEvent(1, ' ')) << "no tutorial shown";
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

    Fire("InstructorAdvanceToNextLesson");
    EXPECT_EQ(instructor.GetCurrentLesson(), 0);
    EXPECT_EQ(started.count, 2);
    EXPECT_TRUE(Instructor::IsTutorialRunning());

    Fire("InstructorExitTutorial");
    EXPECT_EQ(instructor.GetInstructorPuzzle(), nullptr);
    EXPECT_FALSE(Instructor::IsTutorialRunning());
    EXPECT_FALSE(instructor.OnKeyEvent(1, ' '));
}

TEST_F(InstructorTutorialTest, TheCageWalkTakesOneStepPerBoundaryCrossed)
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

TEST_F(InstructorTutorialTest, ALongFrameRunsOnlyTheLatestStep)
{
    ShowTutorial();
    instructor.StartLesson(8);
    Frame(1.9, 4.1);
    const Board& board = instructor.GetCurrentPuzzleBoard();
    EXPECT_EQ(board.GetSquareValue(2, 0), 4u) << "step 2 fills the square";
    EXPECT_NE(board.GetFocusedSquareIndex(), 2) << "step 1, which focuses it, is skipped";
    EXPECT_NE(instructor.FindCallOutForSquare(&board.GetSquare(2, 0)), nullptr);
}

TEST_F(InstructorTutorialTest, OnlyTheEqualsPageSlantsTheBoardText)
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

TEST_F(InstructorTutorialTest, TheTutorialWindowDrawsTheInstructorsPictureOncePerRender)
{
    testsupport::RecordingDrawCalls renderer;
    EXPECT_EQ(screens.loadedImages, std::vector<std::string>{"Images/Backgrounds/Instructor1024x1024.png"});
    const std::unique_ptr<Texture> picture = Texture::Create();
    screens.picture = picture.get();
    instructor.SetScreens(&screens);
    Fire("TutorialWindowPostRenderEvent");
    ASSERT_EQ(renderer.calls.size(), 1u);
    EXPECT_EQ(renderer.calls[0].texture, picture.get());
}

} // namespace
