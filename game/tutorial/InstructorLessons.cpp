#include "game/tutorial/Instructor.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/CageRules.h"
#include "game/common/GameSounds.h"
#include "game/common/GameWindowID.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/board/Board.h"
#include "game/presentation/ui/InstructorScreensInterface.h"
#include "game/tutorial/LessonText.h"

namespace Pemberquill {

const char* const GAME_SHORT_NAME = "Pemberquill";

namespace {

const char* const HINT_CHANNEL = "hint";
// The step lessons name the channel this way; it is the same channel.
const char* const STEP_HINT_CHANNEL = "Hint";

constexpr int MECHANIC_HOW_TO_PLAY = 1200;
constexpr Rgba TWO_BOARDS_TITLE_COLOR{255, 255, 0, 255};
constexpr float TWO_BOARDS_TITLE_SIZE = 24.0f;

// The lesson keys in the order they are taught: identifiers as they are,
// rule flags as their rule bit negated; Odd stands for Odd and Even.
const int LESSON_PRIORITY[] = {
    1680, 1700, 1800, 1900, 1000, 1100,
    -CAGE_RULE_EQUALS, -CAGE_RULE_ADDITION, -CAGE_RULE_MULTIPLICATION, -CAGE_RULE_SUBTRACTION,
    -CAGE_RULE_DIVISION, -CAGE_RULE_STRAIGHT, -CAGE_RULE_COMPARISONS, -CAGE_RULE_ODD, -CAGE_RULE_NOOP,
    1400, 1950, 2000, 2030, 2070, 2150, 2200, 1500, 1300, 1600, 1650,
};

bool HasRule(const CageRules& rules, int rule)
{
    return (rules.GetMask() & static_cast<unsigned>(rule)) != 0;
}

bool HasLesson(const TeachableGameMechanics& mechanics, int key)
{
    if (key >= 0) {
        return mechanics.HasMechanic(key);
    }
    if (key == -CAGE_RULE_ODD) {
        return HasRule(mechanics.rules, CAGE_RULE_ODD) || HasRule(mechanics.rules, CAGE_RULE_EVEN);
    }
    return HasRule(mechanics.rules, -key);
}

void AddRule(TeachableGameMechanics& mechanics, int rule)
{
    mechanics.rules.SetFromMask(mechanics.rules.GetMask() | static_cast<unsigned>(rule));
}

std::string WithGameName(const char* text)
{
    std::string line = text;
    const size_t at = line.find("%s");
    if (at != std::string::npos) {
        line.replace(at, 2, GAME_SHORT_NAME);
    }
    return line;
}

// One printed line of a fixed lesson: 't' title, 'b' body, 'n' note, 'e'
// example; an empty text is a blank of that style.
struct FixedLine {
    char style;
    const char* text;
};

struct FixedLesson {
    int key;
    std::vector<FixedLine> lines;
};

const std::vector<FixedLesson>& GetFixedLessons()
{
    static const std::vector<FixedLesson> lessons = {
        {1680, {{'t', "Welcome to %s!"}, {'b', ""}, {'b', "If this is your first time playing"},
                {'b', "Pemberquill, you should click on the"}, {'b', "TUTORIAL button on the left."}, {'b', ""},
                {'b', "Once you're ready to try some puzzles"}, {'b', "for yourself, click PLAY."}}},
        {1700, {{'t', "Begin your journey"}, {'b', ""}, {'b', "You may begin your journey by"},
                {'b', "selecting the OCEAN region."}, {'b', ""}, {'n', "Other regions will unlock as you progress."},
                {'b', ""}, {'b', "The instructor will guide you as you play,"}, {'b', "so dive right in!"}}},
        {1800, {{'t', "Welcome to the Ocean region!"}, {'b', ""},
                {'n', "Each location in Ocean has puzzles of a different type."}, {'b', ""},
                {'b', "Start by clicking on the location marked Beginnings near the bottom."}}},
        {1900, {{'t', "Location View"}, {'b', ""},
                {'b', "You are now in the Location View for Ocean's first location, Beginnings."}, {'b', ""},
                {'n', "Play as many of the puzzles on the left as you like, starting"},
                {'n', "with the easiest one at the very TOP-LEFT of this screen (#1)."}, {'b', ""},
                {'b', "When you feel you're ready to try the Challenge Puzzle, click"},
                {'b', "the large puzzle pictured at the bottom-right of the screen."}, {'b', ""},
                {'n', "The instructor will teach you how to play as you go."},
                {'n', "You can access the tutorial at any time by clicking"},
                {'n', "Tutorial from the main menu or pause menu."}}},
        {1000, {{'t', "Hidden-Cage Boards"}, {'b', ""}, {'b', "In a Hidden-Cage Board, the cage colors"},
                {'b', "and boundaries have been hidden from you."}, {'b', ""},
                {'n', "You must discover them for yourself!"}, {'b', ""},
                {'b', "Use the PAINT COLOR buttons to fill in square"},
                {'b', "colors as you deduce what they must be."}, {'b', ""},
                {'n', "Remember to click SOLVING TIP if you want some"},
                {'n', "help getting started with this new puzzle type."}}},
        {1100, {{'b', ""}, {'b', "Double-Board puzzles have two different boards"}, {'b', "that you solve... together."},
                {'b', ""}, {'b', "Both boards share IDENTICAL ANSWERS, but each"},
                {'b', "board has its own cages and rules to give you"}, {'b', "more clues."}, {'b', ""},
                {'b', "Any value you enter on either board is"}, {'b', "automatically entered on both boards."},
                {'b', ""}, {'n', "Remember to click SOLVING TIP if you want some"},
                {'n', "help getting started with this new puzzle type."}}},
        {-CAGE_RULE_STRAIGHT,
         {{'t', "Straight Cages"}, {'b', ""}, {'b', "All the values in a Straight cage make a"},
          {'b', "\"Straight\" sequence, where values count up"}, {'b', "IN ANY ORDER without skipping any numbers."},
          {'b', ""}, {'b', "For example: 3,4,5,6 is a Straight, even if"},
          {'b', "the squares are out of order (4,6,3,5)."}, {'b', ""}, {'n', "Straights have at least three squares."}}},
        {-CAGE_RULE_COMPARISONS,
         {{'t', "Comparison Cages"}, {'b', ""}, {'b', "Comparison cages (<,>) have greater-than (>) and"},
          {'b', "less-than (<) signs showing which of their squares"},
          {'b', "are larger (or smaller) than their neighbors."}, {'b', ""},
          {'n', "Comparison cages may have any number of squares."}}},
        {-CAGE_RULE_ODD,
         {{'t', "Even & Odd Cages"}, {'b', ""}, {'b', "All of the squares in an Even cage must be"},
          {'b', "even numbers (2, 4, 6, or 8)."}, {'b', ""}, {'b', "All of the squares in an Odd cage must be"},
          {'b', "odd numbers (1, 3, 5, 7, or 9)."}, {'b', ""},
          {'n', "Even and Odd cages may have any number of squares."}}},
        {-CAGE_RULE_NOOP,
         {{'t', "No-Rule Cages"}, {'b', ""}, {'b', "No-Rule cages provide no operator or rule to help"},
          {'b', "give you a hint about their values.  They are nasty."}, {'b', ""},
          {'n', "No-Rule cages may have any number of squares."}}},
        {1400, {{'t', "Right-click on Candidates"}, {'b', ""}, {'b', "When you know a value CANNOT be used"},
                {'b', "in a square, you should eliminate it"}, {'b', "by RIGHT-CLICKING on the candidate."}, {'b', ""},
                {'n', "For example, in a 3+ cage, you can"}, {'n', "eliminate all of the '4' candidates."}}},
        {1950, {{'t', "Error Notification"}, {'b', ""}, {'b', "When you make a mistake, %s will"},
                {'b', "automatically show your mistakes in pulsing"}, {'b', "RED."}, {'b', ""},
                {'n', "You can disable this feature by clicking"}, {'n', "MENU, then OPTIONS.  Uncheck the box for"},
                {'n', "the option \"Highlight Errors Immediately\"."}, {'n', ""}}},
        {2000, {{'t', "Fill in the other Equals cages"}, {'b', ""},
                {'b', "Now fill in any other Equals (=) cages with"}, {'b', "the value shown in their top-left."}}},
        {2030, {{'t', "Last Candidate Standing"}, {'b', ""}, {'b', "When only one candidate remains in a square,"},
                {'b', "it must be the correct value for that square!"}}},
        {2070, {{'t', "Last Candidate Standing"}, {'b', ""}, {'b', "Now look for other squares in which only"},
                {'b', "one candidate remains... that must be the"}, {'b', "square's correct value!"}}},
        {1500, {{'t', "Solutions List"}, {'b', ""}, {'b', "When you move your mouse over a cage"},
                {'b', "that uses math, %s shows you"}, {'b', "all of the possible math equations for"},
                {'b', "that cage."}, {'b', ""}, {'b', "When solutions become impossible,"}, {'b', "they turn RED."},
                {'n', ""}, {'n', "You can disable this feature in the Options menu"},
                {'n', "and hide the solutions list."}}},
        {1300, {{'t', "No need to guess!"}, {'b', ""}, {'b', "Every %s puzzle is GUARANTEED to"},
                {'b', "be solvable..."}, {'b', ""}, {'e', "without guessing!"}, {'b', ""},
                {'b', "So try to stick to what you KNOW for sure,"}, {'b', "and you'll be as right as rain!"},
                {'n', ""}, {'n', "If you get stuck, click Solving Tip for a clue!"}}},
        {1600, {{'t', "Take the Challenge!"}, {'b', ""}, {'b', "When you feel you have solved enough puzzles in"},
                {'b', "this location and are ready for a challenge, click"}, {'b', ""},
                {'n', "Take the Challenge"}, {'b', ""}, {'b', "to try to solve the CHALLENGE PUZZLE"},
                {'b', "for this location."}, {'b', ""}, {'n', "Once you solve the Challenge Puzzle, this location"},
                {'n', "will become a Free Play of hundreds of puzzles"}, {'n', "of this type."}, {'b', ""},
                {'n', "You will also unlock the next location,"}, {'n', "and with it new puzzle types!"}}},
        {1650, {{'t', "More to come..."}, {'b', ""}, {'b', "After you have solved the Challenge Puzzle"},
                {'b', "in this location, there are dozens of other"}, {'b', "locations for you to explore!"}, {'b', ""},
                {'n', "Each location has a new type of"}, {'n', "puzzle for you to try."}}},
    };
    return lessons;
}

void AppendFixedLines(LessonText& text, const std::vector<FixedLine>& lines)
{
    for (const FixedLine& line : lines) {
        const std::string printed = WithGameName(line.text);
        switch (line.style) {
        case 't': text.Title(printed); break;
        case 'n': text.Note(printed); break;
        case 'e': text.Example(printed); break;
        default: text.Body(printed); break;
        }
    }
}

const FixedLesson* FindFixedLesson(int key)
{
    for (const FixedLesson& lesson : GetFixedLessons()) {
        if (lesson.key == key) {
            return &lesson;
        }
    }
    return nullptr;
}

// The rule lessons' example: the puzzle's first cage of the rule, or a
// stand-in target when there is none.
int GetDefaultTarget(int rule)
{
    switch (rule) {
    case CAGE_RULE_ADDITION: return 5;
    case CAGE_RULE_MULTIPLICATION: return 6;
    default: return 2;
    }
}

void AppendRuleLines(LessonText& text, int rule, int target)
{
    const char division = DIVISION_SIGN;
    text.Blank().Body("For example:").Blank();
    switch (rule) {
    case CAGE_RULE_EQUALS:
        text.Example(Stringf("%d=", target)).Blank().Body(Stringf("...means there must be a %d in that square.", target));
        break;
    case CAGE_RULE_ADDITION:
        text.Example(Stringf("%d+", target)).Blank().Body("...means that all of the squares in that");
        text.Body(Stringf("cage must add up to %d", target)).Blank().Note("Addition cages may have 2, 3, or 4 squares.");
        break;
    case CAGE_RULE_MULTIPLICATION:
        text.Example(Stringf("%dx", target)).Blank().Body("...means that all of the squares in that");
        text.Body(Stringf("cage must multiply together to equal %d", target)).Blank();
        text.Note("Multiplication cages may have 2, 3, or 4 squares.");
        break;
    case CAGE_RULE_SUBTRACTION:
        text.Example(Stringf("%d-", target)).Blank().Body("...means the larger value MINUS the smaller value");
        text.Body(Stringf("must equal %d.", target)).Blank().Body("The subtraction order may be different from the");
        text.Body("order that the values appear in the cage's").Body("squares, so a 3- cage could have answers of");
        text.Body("1 and 4, or it could have answers of 4 and 1.").Blank();
        text.Note("Subtraction cages always have exactly two squares.");
        break;
    default:
        text.Example(Stringf("%d%c", target, division)).Blank();
        text.Body("...means the larger value DIVIDED BY the smaller").Body(Stringf("value must equal %d.", target));
        text.Blank().Body("The division order may be different from the").Body("order that the values appear in the cage's");
        text.Body(Stringf("squares, so a 3%c cage could have answers of", division));
        text.Body("1 and 3, or it could have answers of 3 and 1.").Blank();
        text.Note("Division cages always have exactly two squares.");
        break;
    }
}

// How the lesson on solving a cage ends "Remember, the squares in this ...
// cage": what the cage's numbers must make. Only cages with a list of
// solutions (these rules) are solved by that step.
std::string WhatTheSquaresMustMake(int rule, int target)
{
    switch (rule) {
    case CAGE_RULE_EQUALS: return Stringf("must equal %d.", target);
    case CAGE_RULE_MULTIPLICATION: return Stringf("must multiply together to equal %d.", target);
    case CAGE_RULE_SUBTRACTION: return Stringf("must differ by %d.", target);
    case CAGE_RULE_DIVISION: return Stringf("must divide to equal %d.", target);
    case CAGE_RULE_STRAIGHT: return "must count up without skipping a number.";
    default: return Stringf("must add up to %d.", target);
    }
}

void AppendRuleIntroduction(LessonText& text, int rule)
{
    const char division = DIVISION_SIGN;
    switch (rule) {
    case CAGE_RULE_EQUALS:
        text.Title("Start with Equals").Blank().Body("You should start by finding any cages").Body("with the = operator.");
        text.Blank().Body("LEFT-CLICK on the correct number in that").Body("square to set it as the square's value.");
        break;
    case CAGE_RULE_ADDITION:
        text.Title("Addition Cages").Blank().Body("The Addition cage rule (+) says that all the squares");
        text.Body("must add up to the number shown in the cage rule.");
        break;
    case CAGE_RULE_MULTIPLICATION:
        text.Title("Multiplication Cages").Blank().Body("The Multiplication cage rule (x) says that all the");
        text.Body("squares must multiply together to equal the number").Body("in the cage rule.");
        break;
    case CAGE_RULE_SUBTRACTION:
        text.Title("Subtraction Cages").Blank().Body("The Subtraction cage rule (-) says that subtracting");
        text.Body("the smaller value from the larger value will result").Body("in the number shown in the cage rule.");
        break;
    default:
        text.Title("Division Cages").Blank();
        text.Body(Stringf("The Division cage rule (%c) says that dividing the", division));
        text.Body("larger value by the smaller value will result in").Body("the number shown in the cage rule.");
        break;
    }
}

} // namespace

Instructor::Lesson Instructor::BuildLesson(const TeachableGameMechanics& mechanics, Puzzle* puzzle,
                                           const PuzzleStep* step)
{
    Lesson lesson;
    int key = 0;
    bool found = false;
    for (int candidate : LESSON_PRIORITY) {
        if (HasLesson(mechanics, candidate)) {
            key = candidate;
            found = true;
            break;
        }
    }
    if (!found) {
        return lesson;
    }
    LessonText text(m_titleTextSize, m_bodyTextSize);
    const Square* stepSquare =
        step != nullptr && step->board != nullptr
            ? &step->board->GetSquare(static_cast<unsigned>(step->step.move.x), static_cast<unsigned>(step->step.move.y))
            : nullptr;
    const int rule = -key;
    switch (key) {
    case -CAGE_RULE_EQUALS:
    case -CAGE_RULE_ADDITION:
    case -CAGE_RULE_MULTIPLICATION:
    case -CAGE_RULE_SUBTRACTION:
    case -CAGE_RULE_DIVISION: {
        const Cage* cage = puzzle != nullptr ? puzzle->FindCageWithRule(rule) : nullptr;
        const int target = cage != nullptr ? cage->target : GetDefaultTarget(rule);
        if (rule == CAGE_RULE_EQUALS) {
            if (cage != nullptr) {
                CallOutCandidate(cage->GetKeySquare(), target - 1, HINT_CHANNEL);
            }
        } else {
            CallOutFirstCageOfRule(puzzle, rule);
        }
        AppendRuleIntroduction(text, rule);
        AppendRuleLines(text, rule, target);
        AddRule(lesson.taught, rule);
        break;
    }
    case -CAGE_RULE_ODD:
        CallOutFirstCageOfRule(puzzle, CAGE_RULE_EVEN);
        CallOutFirstCageOfRule(puzzle, CAGE_RULE_ODD);
        AppendFixedLines(text, FindFixedLesson(key)->lines);
        AddRule(lesson.taught, CAGE_RULE_EVEN);
        AddRule(lesson.taught, CAGE_RULE_ODD);
        break;
    case -CAGE_RULE_STRAIGHT:
    case -CAGE_RULE_COMPARISONS:
    case -CAGE_RULE_NOOP:
        CallOutFirstCageOfRule(puzzle, rule);
        AppendFixedLines(text, FindFixedLesson(key)->lines);
        AddRule(lesson.taught, rule);
        break;
    case 1100:
        text.Add("Double-Board Puzzles", TWO_BOARDS_TITLE_COLOR, TWO_BOARDS_TITLE_SIZE);
        AppendFixedLines(text, FindFixedLesson(key)->lines);
        lesson.taught.AddMechanic(key);
        break;
    case 2150:
        if (stepSquare != nullptr) {
            const Cage* cage = step->board->GetCage(stepSquare->cageIndex);
            CallOutCage(cage, STEP_HINT_CHANNEL);
            const std::string ruleText = cage != nullptr ? cage->GetRuleText() : std::string();
            const int rule = cage != nullptr ? cage->rule : CAGE_RULE_ADDITION;
            const int target = cage != nullptr ? cage->target : 0;
            text.Title("Solving a Cage").Blank().Body("You should now be able to solve the missing");
            text.Body(Stringf("value from this %s cage.", ruleText.c_str())).Blank();
            text.Body(Stringf("Remember, the squares in this %s cage", ruleText.c_str()));
            text.Body(WhatTheSquaresMustMake(rule, target));
            lesson.taught.AddMechanic(key);
        }
        break;
    case 2200:
        if (stepSquare != nullptr) {
            const int candidate = step->step.move.data;
            CallOutCandidateForRemoval(stepSquare, candidate, STEP_HINT_CHANNEL);
            text.Title("Eliminating Candidates").Blank().Body("When none of the possible solutions for a cage");
            text.Body(Stringf("use a certain candidate (like this %d)", candidate + 1));
            text.Body("we can RIGHT-CLICK to eliminate it!");
            lesson.taught.AddMechanic(key);
        }
        break;
    default:
        if (key == 2030 && stepSquare != nullptr) {
            CallOutCandidate(stepSquare, step->step.move.data - 1, STEP_HINT_CHANNEL);
        }
        AppendFixedLines(text, FindFixedLesson(key)->lines);
        // The instructor records these two itself, once the player has
        // shown them by playing.
        if (key != 2000 && key != 2070) {
            lesson.taught.AddMechanic(key);
        }
        break;
    }
    if (key == 1800) {
        NamedProperties args;
        args.Set<std::string>("RegionName", "Ocean");
        args.Set<std::string>("NodeName", "Beginnings");
        FireGlobalEvent("CallOutCampaignRegionNodeEvent", args);
    } else if (key == 1900) {
        FireGlobalEvent("CallOutInitialHomeworkEvent");
    }
    lesson.lines = std::move(text.Lines());
    return lesson;
}

void Instructor::TeachGameMechanic(int parentWindowHandle, const TeachableGameMechanics& mechanics, Puzzle* puzzle,
                                   const PuzzleStep* step)
{
    if (mechanics.GetCount() == 0) {
        return;
    }
    DestroyAllCallOuts();
    // A puzzle of two boards leaves no room for the text beside it.
    if (puzzle != nullptr && puzzle->GetBoards().size() > 1) {
        parentWindowHandle = PemberquillUI::NO_WINDOW;
    }
    if (mechanics.HasMechanic(MECHANIC_HOW_TO_PLAY)) {
        if (m_screens != nullptr) {
            m_screens->CreateHowToPlayWindow();
            m_screens->PushWindow(GAME_WINDOW_HOW_TO_PLAY);
        }
        TeachableGameMechanics taught;
        taught.AddMechanic(MECHANIC_HOW_TO_PLAY);
        AddRule(taught, CAGE_RULE_ADDITION);
        MarkMechanicsAsKnown(taught);
        PlaySound(SOUND_UI_DIALOG_INSTRUCTOR_MINI_LESSON);
        return;
    }
    const Lesson lesson = BuildLesson(mechanics, puzzle, step);
    ShowLesson(parentWindowHandle, lesson.lines);
    MarkMechanicsAsKnown(lesson.taught);
}

void Instructor::ShowLesson(int parentWindowHandle, const std::vector<TextLines>& lines)
{
    if (parentWindowHandle != PemberquillUI::NO_WINDOW) {
        if (m_screens != nullptr) {
            if (parentWindowHandle == m_screens->GetWindowHandle(GAME_WINDOW_PUZZLE)) {
                m_playScreenLesson = lines;
            }
            m_screens->CreateInstructorTextArea(parentWindowHandle, lines);
        }
        return;
    }
    if (m_screens != nullptr) {
        m_screens->CreateInformationDialog(lines, "OK", "HideTeachAGameMechanicEvent");
        m_screens->PushWindow(GAME_WINDOW_INFORMATION);
    }
    m_isMiniLessonDialogOpen = true;
    PlaySound(SOUND_UI_DIALOG_INSTRUCTOR_MINI_LESSON);
}

} // namespace Pemberquill
