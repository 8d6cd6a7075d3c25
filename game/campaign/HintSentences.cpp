#include "game/campaign/HintSentences.h"

#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/Cage.h"
#include "game/puzzle/solver/HintRecord.h"

namespace Pemberquill {

namespace {

constexpr unsigned CAGE = HINT_CALL_OUT_CAGE;
constexpr unsigned SQUARE = HINT_CALL_OUT_SQUARE;
constexpr unsigned CANDIDATE = HINT_CALL_OUT_CANDIDATE;
constexpr unsigned FLAGGED = HINT_CALL_OUT_FLAGGED_CANDIDATE;
constexpr unsigned LINE = HINT_CALL_OUT_LINE;
constexpr unsigned NONE = HINT_CALL_OUT_NONE;

// Up to four stages per kind; the unused ones are left null.
constexpr int MAX_SENTENCE_STAGES = 4;

struct HintKindSentences {
    int kind;
    StagedHintSentence stages[MAX_SENTENCE_STAGES];
};

const HintKindSentences HINT_KIND_SENTENCES[] = {
    {1, {{"You have solved the puzzle!", NONE}}},
    {2,
     {{"You jumped to a conclusion at this square.", SQUARE},
      {"We can't prove the value in this square is correct, so let's remove it.", SQUARE},
      {"The value in this square is wrong.  Clear it.", SQUARE}}},
    {3,
     {{"There's something about this square that is wrong.", SQUARE},
      {"We can't determine the color of this square is correct, so let's unpaint it.", SQUARE},
      {"The color of this square is wrong.  Reset it by painting it gray again.", SQUARE}}},
    {4,
     {{"You jumped too quickly to a conclusion involving this square's candidates.", SQUARE},
      {"We can't prove that candidate %d for this square is impossible.", CANDIDATE},
      {"Restore candidate %d for this square by right-clicking on it.", CANDIDATE}}},
    {5,
     {{"Look at this Equals = cage.", CAGE},
      {"Put a %d in this cage.  The solution for an = cage is the same as the number in the top-left corner.",
       CAGE}}},
    {6,
     {{"Look at this %s cage.", CAGE},
      {"There is only one possible solution for this %s cage.", CAGE},
      {"Because this %s cage has a bend in it, the numbers can only fit one way.", CAGE},
      {"The %d must go here, since the duplicate numbers in the solution cannot share a row or column.", SQUARE}}},
    {7,
     {{"Look at this Even cage.", CAGE},
      {"All of the candidates in this cage must be Even numbers. Remove any that are not.", SQUARE},
      {"Candidate %d is an Odd number.", SQUARE},
      {"Remove (right-click) candidate %d, because it is an Odd number in an Even cage.", FLAGGED}}},
    {8,
     {{"Look at this Odd cage.", CAGE},
      {"All of the answers in this cage must be Odd numbers. Remove any that are not.", SQUARE},
      {"Candidate %d is an Even number.", SQUARE},
      {"Remove (right-click) candidate %d, because it is an Even number in an Odd cage.", FLAGGED}}},
    {9,
     {{"Look at this <,> comparison cage.", CAGE},
      {"This square is Less Than (<) at least one adjacent square.  Can you eliminate any candidates?", SQUARE},
      {"If a square is Less Than (<) an adjacent square, can any candidate be set to the maximum value?", SQUARE},
      {"Remove (right-click) candidate %d. None of the candidates in this square can be set to the maximum value.",
       FLAGGED}}},
    {10,
     {{"Look at this <,> comparison cage.", CAGE},
      {"This square is Greater Than (>) at least one adjacent square.  Can you eliminate any candidates?", SQUARE},
      {"If a square is Greater Than (>) an adjacent square, can any candidate be set to the miminum value?", SQUARE},
      {"Remove (right-click) candidate %d. None of the candidates in this square be set to the minimum value.",
       FLAGGED}}},
    {11,
     {{"Look at this <,> comparison cage.", CAGE},
      {"This square is Greater Than (>) an adjacent square.  Look at its smallest candidate.", SQUARE},
      {"The smallest candidate here must be greater than at least one of the candidates in the lesser square.",
       SQUARE},
      {"Remove (right-click) candidate %d, because it is not greater than any of the candidates in the lesser "
       "square.",
       FLAGGED}}},
    {12,
     {{"Look at this <,> comparison cage.", CAGE},
      {"This square is Less Than (<) an adjacent square. Look at its largest candidate.", SQUARE},
      {"The largest candidate here must be less than at least one of the candidates in the greater square.", SQUARE},
      {"Remove (right-click) candidate %d, since it is not less than any of the candidates in the greater square.",
       FLAGGED}}},
    {13,
     {{"Look at this %s cage.", CAGE},
      {"Only one candidate is left in this square.", SQUARE},
      {"Put a %d in this square, since it is the only candidate left!", CANDIDATE}}},
    {14, {{"Unable to give a hint for this step.", NONE}}},
    {15,
     {{"Look at the solutions for this cage.  Is every candidate in this square used in a solution?", SQUARE},
      {"Remove (right-click) candidates from this square that are not used in any of the solutions.", SQUARE},
      {"Remove (right-click) candidate %d from this square, since none of the solutions use it.", FLAGGED}}},
    {16,
     {{"Look at this %s.  Do any of its squares share exactly the same candidates?", LINE},
      {"If %d squares share exactly %d candidates, those numbers are \"taken\" and cannot be used elsewhere.",
       LINE | SQUARE, true},
      {"At least one candidate in this square is \"taken\" by others squares in this %s", LINE | SQUARE},
      {"Remove (right-click) candidate %d in this square, since it is \"taken\" elsewhere in this %s",
       LINE | FLAGGED}}},
    {17,
     {{"Look at this cage.", CAGE},
      {"There is only one possible value left that can complete this cage.", SQUARE},
      {"Only one candidate here can satisfy the \"%s\" rule for this cage!", SQUARE},
      {"Put a %d into this square, since it solves the \"%s\" rule for this cage.", CANDIDATE}}},
    {18,
     {{"Look at this %s.", LINE},
      {"Look at the all the candidates in this %s. Do you notice anything?", LINE},
      {"Only one square in this %s still has the candidate %d, so the %d must go here.", LINE | CANDIDATE},
      {"Put the %d in this square, since it is the only square in this %s that has this candidate.",
       LINE | CANDIDATE}}},
    {19,
     {{"Look at this square", LINE | SQUARE},
      {"Does it have any candidates that must be used in another cage in this %s?", LINE | SQUARE},
      {"Remove (right-click) candidate %d from this square. It is required by another cage in this %s.",
       LINE | FLAGGED}}},
    {20, {{"Unable to provide a hint for this step.", NONE}}},
    {21, {{"Unable to provide a hint for this step.", NONE}}},
    {22,
     {{"Look at the solutions for this cage.", CAGE},
      {"Only one valid solution is left for this cage.", CAGE},
      {"The solution does not use all the candidates in this square.  Remove the unused candidates.", SQUARE},
      {"Remove (right-click) candidate %d from this square, because it is not used in the solution.", FLAGGED}}},
    {23,
     {{"Look at this cage and compare it with the other cages in this %s.", LINE | CAGE},
      {"You can remove a candidate from this square, since another cage in this %s requires it.", LINE | SQUARE},
      {"Remove (right-click) candidate %d.  Another cage in this %s requires it.", LINE | FLAGGED}}},
    {24,
     {{"Look at the solutions for this cage.", CAGE},
      {"You can remove a candidate, since some candidates it depends on have been removed.", SQUARE},
      {"Remove (right-click) candidate %d. Some candidates that it depends on have been removed.", FLAGGED}}},
    {25,
     {{"Look at the solutions for this cage.", CAGE},
      {"You can remove a candidate.  All solutions that use it require you to repeat numbers illegally.", SQUARE},
      {"Remove (right-click) candidate %d.  All solutions that use it require you to repeat numbers illegally.",
       FLAGGED}}},
    {26,
     {{"Look at this %s.  Are any values placed?", LINE},
      {"If a value is placed in this %s, that value cannot be used elsewhere.", LINE},
      {"You can remove the candidate %d everywhere else in this %s, because its has already been used.", LINE},
      {"Remove (right-click) candidate %d in this square, since %d is already used in this %s", LINE | FLAGGED}}},
    {27,
     {{"Look at this %s cage and its solutions.", CAGE},
      {"This %s cage is too small to hold the only valid solution.", CAGE},
      {"Paint this square with the same color as the adjacent %s cage.", SQUARE}}},
    {28,
     {{"Look at this square.", SQUARE},
      {"You can paint this square, since it can only legally connect to one adjacent cage.", SQUARE},
      {"Paint this square with the same color as the adjacent %s cage.", SQUARE}}},
    {29,
     {{"Look at this %s cage and its solutions.", CAGE},
      {"This %s cage is too small to hold any of its solutions. There is only one way to grow it.", CAGE},
      {"Paint this square with the same color as the adjacent %s cage.", SQUARE}}},
    {30,
     {{"Look at this %s comparison cage.", CAGE},
      {"Because this is a comparison cage, it must include all adjacent %s comparison squares.", CAGE},
      {"Paint this square with the same color as the adjacent %s comparison squares in this cage.", SQUARE}}},
};

bool IsValueKind(int kind)
{
    return kind == 5 || kind == 6 || kind == 13 || kind == 17 || kind == 18;
}

bool NamesCageRule(int kind)
{
    return kind == 6 || kind == 13 || kind == 17 || (kind >= 27 && kind <= 30);
}

bool NamesLine(int kind)
{
    return kind == 16 || kind == 18 || kind == 19 || kind == 23 || kind == 26;
}

std::string GetCageRuleTextOfStep(const HintRecord& record)
{
    if (record.board == nullptr || !record.board->IsInside(record.move.x, record.move.y)) {
        return std::string();
    }
    const Cage* cage = record.board->GetCageFromSquare(static_cast<unsigned>(record.move.x),
                                                       static_cast<unsigned>(record.move.y));
    return cage != nullptr ? cage->GetRuleText() : std::string();
}

// Fills every "%d" with number and every "%s" with text; any other '%' is
// kept as it stands, so no sentence ever reaches a format function. An
// empty text (a cage without a rule) takes the blank after it along, so
// that no two blanks stand together.
std::string FillInSentence(const char* sentence, const std::string& number, const std::string& text)
{
    std::string filled;
    for (const char* cursor = sentence; *cursor != '\0'; ++cursor) {
        if (cursor[0] == '%' && cursor[1] == 'd') {
            filled += number;
            ++cursor;
        } else if (cursor[0] == '%' && cursor[1] == 's') {
            filled += text;
            ++cursor;
            if (text.empty() && cursor[1] == ' ') {
                ++cursor;
            }
        } else {
            filled += *cursor;
        }
    }
    return filled;
}

} // namespace

const StagedHintSentence* FindStagedHintSentence(int kind, unsigned stage)
{
    for (const HintKindSentences& entry : HINT_KIND_SENTENCES) {
        if (entry.kind != kind) {
            continue;
        }
        const StagedHintSentence* found = &entry.stages[0];
        for (unsigned index = 1; index <= stage && index < MAX_SENTENCE_STAGES; ++index) {
            if (entry.stages[index].text == nullptr) {
                break;
            }
            found = &entry.stages[index];
        }
        return found;
    }
    return nullptr;
}

int GetHintNumber(const HintRecord& record)
{
    return IsValueKind(record.kind) ? record.move.data : record.move.data + 1;
}

std::string BuildStagedHintSentence(const HintRecord& record)
{
    const StagedHintSentence* sentence = FindStagedHintSentence(record.kind, record.stage);
    if (sentence == nullptr) {
        return std::string();
    }
    const int number = sentence->namesInvolvedCount ? record.move.numCandidatesInvolved : GetHintNumber(record);
    std::string text;
    if (NamesCageRule(record.kind)) {
        text = GetCageRuleTextOfStep(record);
    } else if (NamesLine(record.kind)) {
        text = record.move.rowIndex != -1 ? "row" : "column";
    }
    return FillInSentence(sentence->text, std::to_string(number), text);
}

} // namespace Pemberquill
