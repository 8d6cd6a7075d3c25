#include "game/puzzle/solver/HintDriver.h"

#include "engine/core/NamedProperties.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/solver/HintCallOutInterface.h"

#include <cstring>
#include <utility>
#include <vector>

namespace Pemberquill {

namespace {

// One sentence per technique. Placeholders in braces name what goes there:
// {column} and {row} the step's square from 1, {value} the value placed,
// {candidate} the candidate removed, {solution} and {rule} the description
// of the cage solution and the rule text of its cage, {line} "row" or
// "column". Each is filled in as text, so no sentence ever passes through a
// format function.
struct HintSentence {
    int stepId;
    const char* pattern;
    HintCallOut callOut;
};

constexpr HintSentence HINT_SENTENCES[] = {
    {STEP_ID_STUCK, "Solver is stuck!", HintCallOut::None},
    {STEP_ID_BOARD_SOLVED, "Solver has solved the puzzle!", HintCallOut::None},
    {STEP_ID_SINGLE_SQUARE_CAGE, "Set [{column},{row}] = {value} because it is a single square cage.",
     HintCallOut::Square},
    {STEP_ID_ONLY_CANDIDATE_LEFT, "Set [{column},{row}] = {value} because that was the only candidate left.",
     HintCallOut::Square},
    {STEP_ID_ODD_IN_EVEN_CAGE, "Removed candidate {candidate} from [{column},{row}] because it was odd in an Even cage.",
     HintCallOut::Square},
    {STEP_ID_EVEN_IN_ODD_CAGE, "Removed candidate {candidate} from [{column},{row}] because it was even in an Odd cage.",
     HintCallOut::Square},
    {STEP_ID_LOWER_CAGE_NO_MAX,
     "Removed candidate {candidate} from [{column},{row}] because it is a LOWER cage and therefore can't have the max "
     "value.",
     HintCallOut::Square},
    {STEP_ID_HIGHER_CAGE_NO_MIN,
     "Removed candidate {candidate} from [{column},{row}] because it is a HIGHER cage and therefore can't have the min "
     "value.",
     HintCallOut::Square},
    {STEP_ID_BELOW_LOWEST_OF_LOWER_CAGE,
     "Removed candidate {candidate} from [{column},{row}] because it is <= the lowest candidate of a LOWER cage.",
     HintCallOut::Square},
    {STEP_ID_ABOVE_HIGHEST_OF_HIGHER_CAGE,
     "Removed candidate {candidate} from [{column},{row}] because it is >= the highest candidate of a HIGHER cage.",
     HintCallOut::Square},
    {STEP_ID_LAST_VALUE_OF_ONLY_SOLUTION,
     "Set [{column},{row}] = {value} because it is the last value for the only valid solution.", HintCallOut::Square},
    {STEP_ID_NO_SOLUTION_USES_CANDIDATE,
     "Removed candidate {candidate} from [{column},{row}] because no solutions use it.", HintCallOut::Candidate},
    {STEP_ID_ONLY_LOCATION_FOR_VALUE,
     "Set [{column},{row}] = {value} because it is the only candidate location left for that value.",
     HintCallOut::Square},
    {STEP_ID_ONLY_SOLUTION_LACKS_NUMBER,
     "Removed candidate {candidate} from [{column},{row}] because we have only one valid solution for the cage and it "
     "doesn't include that number.",
     HintCallOut::Candidate},
    {STEP_ID_COMBINATION_ELSEWHERE,
     "Removed candidate {candidate} from [{column},{row}] because it was accounted for by a combination somewhere else "
     "in its row or column.",
     HintCallOut::Candidate},
    {STEP_ID_UNIQUE_ORDERED_SOLUTION, "Set [{column},{row}] = {value} because the cage has a unique ordered solution.",
     HintCallOut::Square},
    {STEP_ID_REMOVE_LINEAR_DUPLICATE_SOLUTIONS,
     "Removed solution {solution} from {rule} cage because its duplicate values would be forced to be linear.",
     HintCallOut::None},
    {STEP_ID_REMOVE_SOLUTIONS_BY_PLACED_VALUES,
     "Removed solution {solution} from {rule} cage because of placed values.", HintCallOut::None},
    {STEP_ID_REMOVE_SOLUTIONS_BY_REMOVED_CANDIDATES,
     "Removed solution {solution} from {rule} cage because it depends on candidates that have been removed.",
     HintCallOut::None},
    {STEP_ID_REQUIRED_BY_OTHER_CAGE,
     "Removed candidate {candidate} from [{column},{row}] because it was required in all remaining solutions of "
     "another cage.",
     HintCallOut::Candidate},
    {STEP_ID_DEPENDENTS_NOT_VALIDATED,
     "Removed candidate {candidate} from [{column},{row}] because its dependents were not all validated.",
     HintCallOut::Candidate},
    {STEP_ID_DUPLICATE_DEPENDENTS_LINEAR,
     "Removed candidate {candidate} from [{column},{row}] because it has duplicate dependents that would be linear.",
     HintCallOut::Candidate},
    {STEP_ID_VALUE_ALREADY_PLACED, "Removed this candidate because its value has already been placed in this {line}.",
     HintCallOut::Candidate},
    {STEP_ID_ONLY_SQUARE_AVAILABLE,
     "Painted square [{column},{row}] because its cage must contain at least one more square and it is the only "
     "square available.",
     HintCallOut::Square},
    {STEP_ID_ONLY_LEGAL_CAGE, "Painted square [{column},{row}] because that's the only cage it can legally connect to.",
     HintCallOut::Square},
    {STEP_ID_SMALLEST_SOLUTIONS_INVALID,
     "Painted square [{column},{row}] because the smallest solutions for its cage are invalid so cage must grow.",
     HintCallOut::Square},
    {STEP_ID_ADJACENT_TO_COMPARISON_CAGE, "Painted square [{column},{row}] because it is adjacent to a comparison cage.",
     HintCallOut::Square},
};

// The hint line's look.
constexpr Rgba HINT_FONT_COLOR{255, 0, 0, 255};
constexpr Rgba HINT_SHADOW_COLOR{0, 0, 0, 80};
constexpr Rgba HINT_BASE_COLOR{200, 200, 200, 200};

const HintSentence* FindHintSentence(int stepId)
{
    for (const HintSentence& sentence : HINT_SENTENCES) {
        if (sentence.stepId == stepId) {
            return &sentence;
        }
    }
    return nullptr;
}

using HintArgument = std::pair<const char*, std::string>;

// The texts of a solution mark: the move names the cage by X and its
// solution by Y. A move that names neither leaves them empty.
void AddSolutionArguments(std::vector<HintArgument>& arguments, const BoardMove& move, const Board& board)
{
    std::string solutionText;
    std::string ruleText;
    if (const Cage* cage = board.GetCage(move.x)) {
        ruleText = cage->GetRuleText();
        if (move.y >= 0 && static_cast<size_t>(move.y) < cage->solutions.size()) {
            solutionText = cage->solutions[static_cast<size_t>(move.y)].description;
        }
    }
    arguments.emplace_back("solution", std::move(solutionText));
    arguments.emplace_back("rule", std::move(ruleText));
}

// Squares and candidates count from 1 for the player.
std::string OneBased(int index)
{
    return std::to_string(static_cast<long long>(index) + 1);
}

std::vector<HintArgument> MakeHintArguments(const BoardMove& move, const Board& board)
{
    std::vector<HintArgument> arguments = {
        {"column", OneBased(move.x)},
        {"row", OneBased(move.y)},
        {"value", std::to_string(move.data)},
        {"candidate", OneBased(move.data)},
        {"line", move.rowIndex != -1 ? "row" : "column"},
    };
    AddSolutionArguments(arguments, move, board);
    return arguments;
}

std::string FillInPattern(const char* pattern, const std::vector<HintArgument>& arguments)
{
    std::string text;
    const char* cursor = pattern;
    while (*cursor != '\0') {
        const char* close = *cursor == '{' ? std::strchr(cursor, '}') : nullptr;
        if (close == nullptr) {
            text += *cursor++;
            continue;
        }
        const std::string name(cursor + 1, close);
        for (const HintArgument& argument : arguments) {
            if (name == argument.first) {
                text += argument.second;
            }
        }
        cursor = close + 1;
    }
    return text;
}

} // namespace

std::string BuildHintSentence(const StepResult& step, const Board& board)
{
    const HintSentence* sentence = FindHintSentence(step.stepId);
    if (sentence == nullptr) {
        return std::string();
    }
    return FillInPattern(sentence->pattern, MakeHintArguments(step.move, board));
}

HintCallOut GetHintCallOut(int stepId)
{
    const HintSentence* sentence = FindHintSentence(stepId);
    return sentence != nullptr ? sentence->callOut : HintCallOut::None;
}

void StepResult::ShowHint(const Board& board) const
{
    NamedProperties properties;
    properties.Set("Label", "AI Solver says: \"" + BuildHintSentence(*this, board) + "\"");
    properties.Set("FontColor", HINT_FONT_COLOR);
    properties.Set("ShadowColor", HINT_SHADOW_COLOR);
    properties.Set("BaseColor", HINT_BASE_COLOR);
    FireGlobalEvent(HINT_TEXT_CHANGED_EVENT, properties);

    HintCallOutInterface* callOuts = GetHintCallOuts();
    if (callOuts == nullptr) {
        return;
    }
    callOuts->DestroyCallOutsByChannel(HINT_CALL_OUT_CHANNEL);
    const HintCallOut callOut = GetHintCallOut(stepId);
    // A step handed in from elsewhere may name no square of this board.
    if (callOut == HintCallOut::None || !board.IsInside(move.x, move.y)) {
        return;
    }
    const Square& square = board.GetSquare(static_cast<unsigned>(move.x), static_cast<unsigned>(move.y));
    if (callOut == HintCallOut::Square) {
        callOuts->CallOutSquare(square, HINT_CALL_OUT_CHANNEL);
    } else if (move.data >= 0 && move.data < static_cast<int>(board.GetSize())) {
        callOuts->CallOutCandidate(square, move.data, HINT_CALL_OUT_CHANNEL);
    }
}

} // namespace Pemberquill
