// Which hint explains which solver step, and staged hints: the stage and the
// button's label as the player keeps asking, the sentence of each stage with
// its numbers and words filled in, and the bubbles it places.
#include "engine/core/Diagnostics.h"
#include "game/puzzle/solver/HintRecord.h"
#include "game/puzzle/solver/StepResult.h"
#include "game/campaign/HintStages.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/game/options/PemberquillOptionsTestSupport.h"
#include "tests/support/RecordingHintCallOuts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Pemberquill;

using options_test::Fetch;

namespace {

class HintStagesTest : public ::testing::Test {
protected:
    HintStagesTest()
        // An Addition cage "3+" over (0,0)-(1,0); every other square is in no cage.
        : play(NineByNineAnswer(), {{CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}, 0}})
    {
        log.Listen({"HintStageChangedEvent", "HintTextChangedEvent", "HasTakenAHintEvent"});
    }

    HintRecord Step(int stepId, int x, int y, int data, int rowIndex = -1, int columnIndex = -1)
    {
        StepResult step;
        step.stepId = stepId;
        step.move.type = MOVE_TYPE_CANDIDATE;
        step.move.x = x;
        step.move.y = y;
        step.move.data = data;
        step.move.rowIndex = rowIndex;
        step.move.columnIndex = columnIndex;
        return HintRecord::FromSolverStep(step, &play.board);
    }

    // Requests for a hint, as the game object makes them.
    void Ask(const HintRecord& found, int times = 1)
    {
        for (int request = 0; request < times; ++request) {
            callOuts.calls.clear();
            SetHintStage(found, current);
            ShowHintText(current, &callOuts);
        }
    }

    unsigned Stage() const { return Fetch<unsigned>(log.Last("HintStageChangedEvent"), "Stage"); }
    std::string StageLabel() const { return Fetch<std::string>(log.Last("HintStageChangedEvent"), "Label"); }
    std::string Tip() const { return Fetch<std::string>(log.Last("HintTextChangedEvent"), "Label"); }

    testsupport::RecordingConsole console;
    UlvoEventSystem eventSystem;
    options_test::EventLog log;
    PlayableBoard play;
    RecordingHintCallOuts callOuts;
    HintRecord current;
};

// Asking again about one step walks through its stages; another step, even
// of the same kind or on another board, or a reset, starts over.
TEST_F(HintStagesTest, AskingAgainWalksTheStagesUntilAnotherStepOrAReset)
{
    const HintRecord oddInEven = Step(STEP_ID_ODD_IN_EVEN_CAGE, 0, 0, 2);
    const struct {
        const char *label, *bubble;
    } stages[] = {{"Another Tip", "cage 0 hint"},
                  {"Give me more...", "square 0,0 hint"},
                  {"Just tell me...", "square 0,0 hint"},
                  {"That's it!", "flagged 0,0 #2 hint"},
                  {"That's it!", "flagged 0,0 #2 hint"}};
    for (unsigned request = 0; request < 5; ++request) {
        Ask(oddInEven);
        EXPECT_EQ(request, Stage());
        EXPECT_EQ(stages[request].label, StageLabel());
        EXPECT_EQ((std::vector<std::string>{"destroy hint", stages[request].bubble}), callOuts.calls);
    }
    EXPECT_NE(Tip().find("candidate 3"), std::string::npos) << Tip();
    EXPECT_EQ(5, log.Count("HasTakenAHintEvent"));

    Ask(Step(STEP_ID_ODD_IN_EVEN_CAGE, 1, 0, 2));
    EXPECT_EQ(0u, Stage());
    EXPECT_EQ(1, current.move.x);
    PlayableBoard other(NineByNineAnswer(), {});
    HintRecord onOtherBoard = Step(STEP_ID_ODD_IN_EVEN_CAGE, 1, 0, 2);
    onOtherBoard.board = &other.board;
    Ask(onOtherBoard);
    EXPECT_EQ(0u, Stage());

    Ask(oddInEven, 2);
    ResetHintStage(current);
    EXPECT_EQ(0u, Stage());
    Ask(oddInEven);
    EXPECT_EQ(0u, Stage());
}

// Line hints name and point at the row or the column; the sentences fill in
// the numbers and words of the step.
TEST_F(HintStagesTest, SentencesNameTheLineFillInTheNumbersAndNeedABoard)
{
    Ask(Step(STEP_ID_ONLY_LOCATION_FOR_VALUE, 4, 3, 6, 3, -1));
    EXPECT_EQ("TIP: Look at this row.", Tip());
    EXPECT_EQ((std::vector<std::string>{"destroy hint", "row 3 hint"}), callOuts.calls);
    const HintRecord inColumn = Step(STEP_ID_ONLY_LOCATION_FOR_VALUE, 5, 4, 6, -1, 5);
    Ask(inColumn, 3);
    EXPECT_EQ("TIP: Only one square in this column still has the candidate 6, so the 6 must go here.", Tip());
    EXPECT_EQ((std::vector<std::string>{"destroy hint", "column 5 hint", "candidate 5,4 #5 hint"}), callOuts.calls);

    HintRecord combination = Step(STEP_ID_COMBINATION_ELSEWHERE, 2, 6, 4, 6, -1);
    combination.move.numCandidatesInvolved = 3;
    Ask(combination, 2);
    EXPECT_NE(Tip().find("If 3 squares share exactly 3 candidates"), std::string::npos) << Tip();

    // Without a board nothing is shown; without an instructor only the text;
    // a step off the board places no square bubble.
    log.events.clear();
    HintRecord boardless = Step(STEP_ID_ODD_IN_EVEN_CAGE, 0, 0, 2);
    boardless.board = nullptr;
    Ask(boardless);
    EXPECT_EQ(0, log.Count("HintTextChangedEvent"));
    EXPECT_TRUE(callOuts.calls.empty());
    SetHintStage(Step(STEP_ID_ODD_IN_EVEN_CAGE, 0, 0, 2), current);
    ShowHintText(current, nullptr);
    EXPECT_EQ("TIP: Look at this Even cage.", Tip());

    // A solution mark names a cage and a solution, not a square.
    Ask(Step(STEP_ID_NO_SOLUTION_USES_CANDIDATE, 12, -1, 40), 3);
    EXPECT_EQ("TIP: Remove (right-click) candidate 41 from this square, since none of the solutions use it.", Tip());
    EXPECT_EQ((std::vector<std::string>{"destroy hint"}), callOuts.calls);
    Ask(Step(STEP_ID_ODD_IN_EVEN_CAGE, 1, 1, 9), 4);
    EXPECT_EQ((std::vector<std::string>{"destroy hint"}), callOuts.calls);
}

// A step that places a value names that value; one that removes a
// candidate names the candidate, one more than the index it carries.
TEST_F(HintStagesTest, PlacingStepsNameTheirValueAndRemovingStepsTheirCandidate)
{
    const struct {
        int stepId, asks;
        const char* words;
    } cases[] = {
        {STEP_ID_SINGLE_SQUARE_CAGE, 2, "Put a 3 in this cage."},
        {STEP_ID_ONLY_CANDIDATE_LEFT, 3, "Put a 3 in this square"},
        {STEP_ID_UNIQUE_ORDERED_SOLUTION, 4, "The 3 must go here"},
        {STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION, 4, "Put a 3 into this square"},
        {STEP_ID_EVEN_IN_ODD_CAGE, 3, "Candidate 4 is an Even number."},
    };
    for (const auto& c : cases) {
        Ask(Step(c.stepId, 1, 1, 3), c.asks);
        EXPECT_NE(Tip().find(c.words), std::string::npos) << c.stepId << ": " << Tip();
    }
}

// A cage without a rule text is "this cage", with no second blank.
TEST_F(HintStagesTest, ACageWithoutARuleIsThisCage)
{
    play.board.GetCages()[0].rule = CAGE_RULE_NOOP;
    Ask(Step(STEP_ID_ONLY_CANDIDATE_LEFT, 1, 0, 3));
    EXPECT_EQ("TIP: Look at this cage.", Tip());
}

// The candidate bubble points at the step's own value, the lowest and the
// highest of the board included; a value outside 1 to the size gets none.
TEST_F(HintStagesTest, TheCandidateBubbleCoversOneToTheSizeAndNothingOutside)
{
    const struct {
        int value;
        std::vector<std::string> calls;
    } rows[] = {{1, {"destroy hint", "candidate 5,4 #0 hint"}},
                {9, {"destroy hint", "candidate 5,4 #8 hint"}},
                {10, {"destroy hint"}},
                {0, {"destroy hint"}}};
    for (const auto& row : rows) {
        Ask(Step(STEP_ID_ONLY_LOCATION_FOR_VALUE, 5, 4, row.value), 3);
        EXPECT_EQ(row.calls, callOuts.calls) << "value " << row.value;
    }
}

// The first stage of a line hint points at its row or column, the first and
// the last of the board included; a line outside the board gets none.
TEST_F(HintStagesTest, TheLineBubbleCoversEveryLineOfTheBoardAndNothingOutside)
{
    const struct {
        int row, column;
        std::vector<std::string> calls;
    } rows[] = {{0, -1, {"destroy hint", "row 0 hint"}},    {8, -1, {"destroy hint", "row 8 hint"}},
                {9, -1, {"destroy hint"}},                  {-2, 4, {"destroy hint"}},
                {-1, 0, {"destroy hint", "column 0 hint"}}, {-1, 8, {"destroy hint", "column 8 hint"}},
                {-1, 9, {"destroy hint"}}};
    for (const auto& row : rows) {
        Ask(Step(STEP_ID_ONLY_LOCATION_FOR_VALUE, 4, 3, 6, row.row, row.column));
        EXPECT_EQ(row.calls, callOuts.calls) << "row " << row.row << " column " << row.column;
    }
}

// Every hint about a line names it as a row or a column somewhere along its
// stages.
TEST_F(HintStagesTest, EveryLineHintNamesItsRowOrColumn)
{
    const auto tips = [this](int stepId, int row, int column) {
        const HintRecord found = Step(stepId, 4, 3, 6, row, column);
        std::string all;
        for (unsigned stage = 0; stage < GetHintStageCount(found.kind); ++stage) {
            Ask(found);
            all += Tip() + "\n";
        }
        return all;
    };
    // Step 15 has no name of its own in the solver but a line hint of its own.
    for (int stepId : {STEP_ID_ONLY_LOCATION_FOR_VALUE, STEP_ID_COMBINATION_ELSEWHERE, 15,
                       STEP_ID_REQUIRED_BY_OTHER_CAGE, STEP_ID_VALUE_ALREADY_PLACED}) {
        const std::string inRow = tips(stepId, 3, -1);
        const std::string inColumn = tips(stepId, -1, 4);
        EXPECT_NE(inRow.find(" row"), std::string::npos) << "step " << stepId << ": " << inRow;
        EXPECT_NE(inColumn.find(" column"), std::string::npos) << "step " << stepId << ": " << inColumn;
    }
}

TEST(HintRecordTest, FromSolverStepKeepsTheMoveAndSameStepIgnoresOnlyTheTextAndTheErrorFlag)
{
    StepResult step;
    step.stepId = STEP_ID_ONLY_CANDIDATE_LEFT;
    BoardMove& move = step.move;
    move.type = MOVE_TYPE_CANDIDATE;
    move.x = 2;
    move.y = 3;
    move.data = move.extraData = 1;
    move.rowIndex = 3;
    move.columnIndex = -1;
    move.numCandidatesInvolved = 2;
    move.originatingBoardIndex = 1;
    Board* board = reinterpret_cast<Board*>(0x10);
    const HintRecord original = HintRecord::FromSolverStep(step, board);
    EXPECT_EQ(board, original.board);

    HintRecord annotated = original;
    annotated.move.text = "explained";
    annotated.move.errorState = true;
    annotated.stage = 2;
    EXPECT_TRUE(original.IsSameStep(annotated));
    const std::vector<void (*)(BoardMove&)> changes = {
        [](BoardMove& m) { m.type = MOVE_TYPE_VALUE; },  [](BoardMove& m) { ++m.x; },
        [](BoardMove& m) { ++m.y; },                     [](BoardMove& m) { ++m.data; },
        [](BoardMove& m) { ++m.extraData; },             [](BoardMove& m) { m.rowIndex = -1; },
        [](BoardMove& m) { m.columnIndex = 4; },         [](BoardMove& m) { ++m.numCandidatesInvolved; },
        [](BoardMove& m) { m.originatingBoardIndex = 0; }};
    for (size_t index = 0; index < changes.size(); ++index) {
        HintRecord changed = original;
        changes[index](changed.move);
        EXPECT_FALSE(original.IsSameStep(changed)) << "change " << index;
    }
    step.stepId = STEP_ID_BOARD_SOLVED;
    EXPECT_EQ(HINT_KIND_NONE, HintRecord::FromSolverStep(step, board).kind);
}

} // namespace
