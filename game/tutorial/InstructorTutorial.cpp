#include "game/tutorial/Instructor.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/common/GameWindowID.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "game/presentation/ui/InstructorScreensInterface.h"
#include "game/tutorial/LessonText.h"

#include <cmath>

namespace Pemberquill {

namespace {

bool g_isTutorialRunning = false;

const char* const HINT_CHANNEL = "hint";
const AABB2 TUTORIAL_TEXT_REGION(Vector2(15.0f, 150.0f), Vector2(380.0f, 580.0f));

// Demonstration steps per second.
constexpr double CAGE_WALK_RATE = 0.75;
constexpr double DEMONSTRATION_RATE = 0.5;

double GetDemonstrationRate(int lesson)
{
    switch (lesson) {
    case 3:
    case 4: return CAGE_WALK_RATE;
    case 6:
    case 8:
    case 9:
    case 11: return DEMONSTRATION_RATE;
    default: return 0.0;
    }
}

} // namespace

bool Instructor::IsTutorialRunning()
{
    return g_isTutorialRunning;
}

void Instructor::SetTutorialRunning(bool isRunning)
{
    g_isTutorialRunning = isRunning;
}

// ------------------------------------------------------------ the tutorial puzzle

void Instructor::DestroyInstructorPuzzle()
{
    m_instructorPuzzleView.reset();
    m_tutorialPuzzle = ServedPuzzle();
}

Puzzle* Instructor::SwitchToInstructorPuzzle(int puzzleID)
{
    DestroyInstructorPuzzle();
    const TutorialPuzzleDefinition* definition = GetTutorialPuzzleDefinition(puzzleID);
    PuzzleChef* chef = PuzzleChef::GetDefaultInstance();
    if (definition != nullptr && chef != nullptr) {
        m_tutorialPuzzle = CreateCustomPuzzle(*chef, m_clock.get(), *definition);
    }
    ULVO_ASSERT(puzzleID == INSTRUCTOR_PUZZLE_NONE || m_tutorialPuzzle.puzzle != nullptr,
                Stringf("Failed to get a valid puzzle back for InstructorPuzzleID enum #%d", puzzleID),
                "Instructor::SwitchToInstructorPuzzle");
    if (m_tutorialPuzzle.puzzle != nullptr) {
        m_instructorPuzzleView =
            std::make_unique<PuzzleDisplay>(m_tutorialPuzzle.puzzle.get(), false, m_instructorPuzzleViewBounds);
    }
    return m_tutorialPuzzle.puzzle.get();
}

Board& Instructor::GetCurrentPuzzleBoard() const
{
    const char* const title = "Instructor::GetCurrentPuzzleBoard";
    ULVO_ASSERT(m_instructorPuzzleView != nullptr, "m_instructorPuzzleView was NULL!", title);
    const Puzzle* puzzle = GetInstructorPuzzle();
    ULVO_ASSERT(puzzle != nullptr, "puzzle was NULL!", title);
    return *puzzle->GetBoards()[0];
}

// Edits go without the edit event: the game would answer it as a move of
// play and take the tutorial's call-outs away.
void Instructor::FillSquare(int column, int row)
{
    const Square& answer = GetCurrentPuzzleBoard().GetSquare(static_cast<unsigned>(column), static_cast<unsigned>(row));
    for (const std::unique_ptr<Board>& board : GetInstructorPuzzle()->GetBoards()) {
        board->SetSquareValue(answer, static_cast<int>(answer.solutionValue), false, false);
    }
}

void Instructor::ClearSquare(int column, int row)
{
    const Square& square = GetCurrentPuzzleBoard().GetSquare(static_cast<unsigned>(column), static_cast<unsigned>(row));
    for (const std::unique_ptr<Board>& board : GetInstructorPuzzle()->GetBoards()) {
        board->SetSquareValue(square, 0, false, false);
    }
}

void Instructor::FillAllSquares()
{
    const int size = static_cast<int>(GetCurrentPuzzleBoard().GetSize());
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            FillSquare(column, row);
        }
    }
}

void Instructor::SetTutorialTextItalic(bool isItalic)
{
    ULVO_ASSERT(m_instructorPuzzleView != nullptr, "m_instructorPuzzleView was NULL!", "Instructor::SetTutorialTextItalic");
    m_instructorPuzzleView->SetTextItalic(isItalic);
}

void Instructor::FocusSquare(int column, int row)
{
    Board& board = GetCurrentPuzzleBoard();
    GetInstructorPuzzle()->SetFocusedBoardIndex(0);
    board.SetFocusedSquareIndex(row * static_cast<int>(board.GetSize()) + column);
}

// ------------------------------------------------------------ pages

void Instructor::SetEnabledStatusForTutorialNextLessonButton(bool enabled)
{
    NamedProperties args;
    args.Set("Enabled", enabled);
    FireGlobalEvent("SetEnabledStatusForTutorialNextLessonButton", args);
}

void Instructor::ShowTutorialText(const std::vector<TextLines>& lines)
{
    if (m_screens != nullptr) {
        m_screens->SetInstructorTextRegion(TUTORIAL_TEXT_REGION);
        m_screens->CreateInstructorTextArea(m_screens->GetWindowHandle(GAME_WINDOW_TUTORIAL), lines);
    }
}

void Instructor::StartLesson(int lesson)
{
    m_currentLesson = END_PAGE;
    m_lessonStartTime = m_clock->GetTime();
    m_currentLesson = lesson;
    if (lesson == 0) {
        FireGlobalEvent("HasStartedTutorialEvent");
    }
    SetEnabledStatusForTutorialNextLessonButton(lesson != END_PAGE);
    ShowTutorialText(SetUpLesson(lesson));
    if (lesson == END_PAGE) {
        FireGlobalEvent("HasCompletedTutorialEvent");
    }
    SetTutorialRunning(lesson != END_PAGE);
}

void Instructor::AdvanceToNextLesson()
{
    int next = m_currentLesson + 1;
    if (next > LAST_TUTORIAL_LESSON) {
        next = END_PAGE;
    }
    StartLesson(next);
}

// Each page switches its puzzle (call-outs first, so none outlives the
// puzzle it points into), prepares the board, places its call-outs and
// returns its lines.
std::vector<TextLines> Instructor::SetUpLesson(int lesson)
{
    LessonText text(m_titleTextSize, m_bodyTextSize);
    const std::string gameName = GAME_SHORT_NAME;
    switch (lesson) {
    case 0:
        DestroyAllCallOuts();
        SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_WHOLE_BOARD);
        FillAllSquares();
        SetTutorialTextItalic(false);
        text.Title(Stringf("How to play %s", GAME_SHORT_NAME)).Blank();
        text.Body(Stringf("Here is a 4x4 %s puzzle.", GAME_SHORT_NAME)).Blank();
        text.Body("Each square has a number in it, from 1 to 4.");
        break;
    case 1:
        CallOutRow(&GetCurrentPuzzleBoard(), 2, HINT_CHANNEL);
        text.Title("Rows and Columns").Blank().Body("No number can appear twice in the same row.");
        text.Blank().Blank().Blank();
        break;
    case 2:
        DestroyAllCallOuts();
        CallOutColumn(&GetCurrentPuzzleBoard(), 1, HINT_CHANNEL);
        text.Title("Rows and Columns").Blank().Body("No number can appear twice in the same row.").Blank();
        text.Body("Likewise, no number can appear twice").Body("in any column.");
        break;
    case 3:
        DestroyAllCallOuts();
        SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_CAGES);
        text.Title("Cages").Blank().Body("The board is divided into different-colored");
        text.Body("areas, called CAGES.");
        break;
    case 4:
        DestroyAllCallOuts();
        SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_RULES);
        text.Title("Cage Rules").Blank().Body("At the top-left of each cage is a RULE that");
        text.Body("must be satisfied for that cage.");
        break;
    case 5:
        DestroyAllCallOuts();
        SetTutorialTextItalic(true);
        CallOutCage(GetCurrentPuzzleBoard().GetCage(0), HINT_CHANNEL);
        text.Title("The Equals Rule").Blank().Body("Here is the EQUALS rule, the simplest rule.").Blank();
        text.Body("It means the number in the square must").Body("equal the number shown in the rule.").Blank();
        text.Body("So a rule of:").Blank().Example("2=").Blank();
        text.Body("...means there must be a 2 in this square.");
        break;
    case 6:
        FocusSquare(0, 0);
        DestroyAllCallOuts();
        CallOutCandidate(&GetCurrentPuzzleBoard().GetSquare(0, 0), 1, HINT_CHANNEL);
        text.Title("Candidates").Blank().Body("Across the bottom of each square we show all");
        text.Body("of the possible numbers for that square.").Blank().Body("These are called CANDIDATES.").Blank();
        text.Body("You can click on a candidate to enter").Body("that number into the square.");
        break;
    case 7: {
        DestroyAllCallOuts();
        FillSquare(0, 0);
        GetInstructorPuzzle()->ResetBoardFocus();
        GetInstructorPuzzle()->ResetBoardHighlights();
        const Board& board = GetCurrentPuzzleBoard();
        const std::pair<unsigned, unsigned> crossed[] = {{1, 0}, {2, 0}, {3, 0}, {0, 1}, {0, 2}, {0, 3}};
        for (const auto& [column, row] : crossed) {
            CallOutCandidateForRemoval(&board.GetSquare(column, row), 1, HINT_CHANNEL);
        }
        text.Title("Auto Candidate Elimination").Blank();
        text.Body("Now that we have a 2 in the top-left square,").Body("there can no longer be any more 2s in the");
        text.Body("same row or column.").Blank();
        text.Body(Stringf("%s automatically eliminates the other", GAME_SHORT_NAME));
        text.Body("\"2\" candidates in this square's row and column.");
        text.NoteBlank().Note("In the initial puzzles, this feature may seem");
        text.Note("less important.  However, as you progress, it will");
        text.Note("become more and more useful, allowing you to play").Note("deeper and more interesting puzzles!");
        break;
    }
    case 8:
        DestroyAllCallOuts();
        CallOutCage(GetCurrentPuzzleBoard().GetCage(3), HINT_CHANNEL);
        CallOutCage(GetCurrentPuzzleBoard().GetCage(2), HINT_CHANNEL);
        text.Title("Start with Equals").Blank().Body(Stringf("The best way to start a %s puzzle", GAME_SHORT_NAME));
        text.Body("is to fill in all the Equals cages first.").Blank();
        text.Body("Here are two other Equals cages we can solve.");
        break;
    case 9:
        FillSquare(2, 0);
        FillSquare(3, 0);
        DestroyAllCallOuts();
        FocusSquare(1, 0);
        CallOutCandidate(&GetCurrentPuzzleBoard().GetSquare(1, 0), 2, HINT_CHANNEL);
        text.Title("Last Candidate Standing").Blank().Body("When only one candidate remains in a square,");
        text.Body("then that candidate must be the square's value!").Blank();
        text.Body("You can click the candidate to set it in the square.");
        break;
    case 10:
        FillSquare(1, 0);
        GetInstructorPuzzle()->ResetBoardFocus();
        GetInstructorPuzzle()->ResetBoardHighlights();
        DestroyAllCallOuts();
        CallOutCage(GetCurrentPuzzleBoard().GetCage(1), HINT_CHANNEL);
        text.Title("The Addition Rule").Blank().Body("Here is an ADDITION cage.").Blank();
        text.Body("It means the numbers in the squares for this").Body("cage add up to the number shown in the rule.");
        text.Blank().Body("So a rule of:").Blank().Example("5+").Blank();
        text.Body("...means this cage's squares must add up to 5.");
        break;
    case 11:
        FocusSquare(1, 1);
        DestroyAllCallOuts();
        CallOutCandidate(&GetCurrentPuzzleBoard().GetSquare(1, 1), 1, HINT_CHANNEL);
        text.Title("Solving Addition").Blank().Body("With the 3 in place, we can now solve");
        text.Body("the other square in this 5+ cage.").Blank().Body("Since 3+2=5, this square must be a 2.");
        text.NoteBlank().Note(Stringf("In a real puzzle, %s shows you all", GAME_SHORT_NAME));
        text.Note("of the possible solutions for the current cage").Note("on the right side of the screen.");
        text.NoteBlank().Note("Solutions will turn RED when they are no longer");
        text.Note("possible (given the values you have set).").NoteBlank();
        text.Note("NOTE: In the options menu you can set").Note("solutions to be hidden if you prefer.");
        break;
    default:
        DestroyAllCallOuts();
        SwitchToInstructorPuzzle(INSTRUCTOR_PUZZLE_NONE);
        text.Body("That's it!").Blank();
        text.Body("You can restart the tutorial to watch it again, or press");
        text.Body("Exit Tutorial to go back to the Main Menu, and then Play!").Blank();
        text.Body("The Instructor will help teach you new").Body("rules and strategy as you play!");
        break;
    }
    return std::move(text.Lines());
}

// ------------------------------------------------------------ demonstrations

void Instructor::UpdateLessonAnimation()
{
    const double rate = GetDemonstrationRate(m_currentLesson);
    const Puzzle* puzzle = GetInstructorPuzzle();
    if (rate <= 0.0 || m_instructorPuzzleView == nullptr || puzzle == nullptr) {
        return;
    }
    const double t = std::max(0.0, m_clock->GetTime() - m_lessonStartTime);
    const double previous = t - m_clock->GetLastStep();
    const double step = std::floor(t * rate);
    if (std::floor(previous * rate) < step) {
        RunDemonstrationStep(m_currentLesson, static_cast<int>(step));
    }
}

void Instructor::RunDemonstrationStep(int lesson, int step)
{
    Board& board = GetCurrentPuzzleBoard();
    const bool isOdd = step % 2 == 1;
    switch (lesson) {
    case 3:
    case 4:
        DestroyAllCallOuts();
        CallOutCage(board.GetCage(step % static_cast<int>(board.GetCages().size())), HINT_CHANNEL);
        break;
    case 6:
    case 9:
    case 11: {
        // The page's square is filled on odd steps and offered again, by
        // its candidate, on even ones.
        const int column = lesson == 6 ? 0 : 1;
        const int row = lesson == 11 ? 1 : 0;
        const int candidate = lesson == 9 ? 2 : 1;
        DestroyAllCallOuts();
        if (isOdd) {
            CallOutSquare(&board.GetSquare(column, row), HINT_CHANNEL);
            FillSquare(column, row);
        } else {
            if (lesson == 6) {
                SetTutorialTextItalic(false);
            }
            ClearSquare(column, row);
            FocusSquare(column, row);
            CallOutCandidate(&board.GetSquare(column, row), candidate, HINT_CHANNEL);
        }
        break;
    }
    case 8:
        DestroyAllCallOuts();
        switch (step % 5) {
        case 0:
            GetInstructorPuzzle()->ResetBoardFocus();
            GetInstructorPuzzle()->ResetBoardHighlights();
            ClearSquare(2, 0);
            ClearSquare(3, 0);
            CallOutCage(board.GetCage(3), HINT_CHANNEL);
            CallOutCage(board.GetCage(2), HINT_CHANNEL);
            break;
        case 1:
            CallOutCandidate(&board.GetSquare(2, 0), 3, HINT_CHANNEL);
            FocusSquare(2, 0);
            break;
        case 2:
            CallOutSquare(&board.GetSquare(2, 0), HINT_CHANNEL);
            FillSquare(2, 0);
            break;
        case 3:
            CallOutCandidate(&board.GetSquare(3, 0), 0, HINT_CHANNEL);
            FocusSquare(3, 0);
            break;
        default:
            CallOutSquare(&board.GetSquare(3, 0), HINT_CHANNEL);
            FillSquare(3, 0);
            break;
        }
        break;
    default: break;
    }
}

} // namespace Pemberquill
