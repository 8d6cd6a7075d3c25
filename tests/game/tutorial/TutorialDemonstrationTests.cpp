// What the tutorial pages show of themselves while they stay open, how the
// instructor's windows leave, and what an instructor leaves behind.
#include "game/tutorial/Instructor.h"

#include "engine/core/Clock.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/presentation/ui/InstructorScreensInterface.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/board/Board.h"
#include "game/tutorial/Credits.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/game/tutorial/InstructorFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Pemberquill;

namespace {

// The play (12) and tutorial (4) windows exist; each pop is kept with how
// it goes.
class PoppingScreens : public InstructorScreensInterface {
public:
    int GetWindowHandle(int windowId) const override { return windowId == 12 || windowId == 4 ? 100 + windowId : -1; }
    void PushWindow(int) override {}
    void PopWindow(int windowId, bool fading) override
    {
        popped.push_back(std::to_string(windowId) + (fading ? " fading" : " at once"));
    }
    void SetInstructorTextRegion(const AABB2&) override {}
    void CreateInstructorTextArea(int, const std::vector<TextLines>&) override {}
    void CreateInformationDialog(const std::vector<TextLines>&, const std::string&, const std::string&) override {}
    void CreateHowToPlayWindow() override {}
    Texture* LoadTexture(const std::string&) override { return nullptr; }

    std::vector<std::string> popped;
};

// Counts the board edits announced to the game, which plays a sound for each.
class EditCounter : public EventRecipient {
public:
    EditCounter() { RegisterEventHandler("OnSetSquareValue", UlvoEventSystem::GetGlobal(), &EditCounter::On, this); }
    void On(NamedProperties&) { ++count; }
    int count = 0;
};

class TutorialDemonstrationTest : public tutorial_test::InstructorFixture<PoppingScreens> {
protected:
    void SetUp() override
    {
        InstructorFixture::SetUp();
        ShowTutorial();
    }

    EditCounter edits;
};

// Catches the page's square filled on the wrong steps or offered by the
// wrong candidate, and the tutorial's own fills announced as the player's
// (each would play a placing sound).
TEST_F(TutorialDemonstrationTest, ThePagesSquareIsFilledOnOddStepsAndOfferedAgainOnEvenOnes)
{
    const struct {
        int lesson;
        unsigned column, row;
        int candidate;  // offered on the even steps
    } pages[] = {{6, 0, 0, 1}, {9, 1, 0, 2}, {11, 1, 1, 1}};
    for (const auto& page : pages) {
        instructor.GetClock()->SetTime(0.0);
        instructor.StartLesson(page.lesson);
        const Board& board = instructor.GetCurrentPuzzleBoard();
        const Square& square = board.GetSquare(page.column, page.row);
        Frame(1.9, 2.1);
        EXPECT_EQ(board.GetSquareValue(square), square.solutionValue) << "page " << page.lesson << ", step 1";
        EXPECT_NE(instructor.FindCallOutForSquare(&square), nullptr) << "page " << page.lesson;
        Frame(3.9, 4.1);
        EXPECT_EQ(board.GetSquareValue(square), 0u) << "page " << page.lesson << ", step 2";
        EXPECT_EQ(instructor.FindCallOutForSquare(&square), nullptr) << "page " << page.lesson;
        EXPECT_NE(instructor.FindCallOutForCandidate(&square, page.candidate), nullptr) << "page " << page.lesson;
    }
    EXPECT_EQ(edits.count, 0);
}

// Catches the lesson dialog or the tutorial window left fading where the
// next screen is already on its way.
TEST_F(TutorialDemonstrationTest, TheLessonDialogAndTheTutorialLeaveAtOnce)
{
    events.FireEvent("HideTeachAGameMechanicEvent");
    events.FireEvent("InstructorExitTutorial");
    EXPECT_EQ(screens.popped, (std::vector<std::string>{"19 at once", "4 at once"}));
}

// Catches the page turned by another key, or by the space bar let go as
// well as pressed.
TEST_F(TutorialDemonstrationTest, OnlyPressingTheSpaceBarTurnsThePage)
{
    const struct {
        int action, key;
        int page;
    } presses[] = {{1, 65, 0}, {3, 32, 0}, {2, 65, 0}, {1, 32, 1}, {3, 32, 1}, {1, 13, 1}, {1, 32, 2}};
    for (const auto& press : presses) {
        instructor.OnKeyEvent(press.action, press.key);
        EXPECT_EQ(instructor.GetCurrentLesson(), press.page) << press.action << ", " << press.key;
    }
}

// Catches an instructor that, once gone, is still the one the hints place
// their call-outs with.
TEST(InstructorLifetimeTest, AnInstructorGoneNoLongerTakesTheHintsCallOuts)
{
    UlvoEventSystem events;
    testsupport::SilentConsole console;
    Clock clock;
    {
        Instructor instructor;
        instructor.Startup(&clock);
        ASSERT_EQ(GetHintCallOuts(), &instructor);
    }
    EXPECT_EQ(GetHintCallOuts(), nullptr);
    EXPECT_EQ(Instructor::GetInstance(), nullptr);
}

// Catches the credits shown or cut off at once instead of fading in and out.
TEST(CreditsWindowTest, TheCreditsWindowFadesInAndOut)
{
    testsupport::SilentConsole console;
    testsupport::ScopedDataFolder data;
    data.LinkShipped(Credits::CREDITS_FILE);
    screen_test::ScreenEnvironment screens;
    screens.ui.Startup(screens.clock);
    Credits credits;
    credits.Startup(&screens.clock);
    screen_test::PopFades pops;
    screen_test::PushesAtOnce pushes;
    FireGlobalEvent("PlayCreditsEvent");
    FireGlobalEvent("QuitCreditsEvent");
    EXPECT_EQ(pushes.flags, std::vector<bool>{false});
    EXPECT_EQ(pops.fades, std::vector<bool>{true});
    credits.Shutdown();
}

} // namespace
