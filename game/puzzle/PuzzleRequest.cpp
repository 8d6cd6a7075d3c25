#include "game/puzzle/PuzzleRequest.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

namespace Pemberquill {

namespace {

const char* const REQUEST_RULES_LABEL_PREFIX = "Cage rule: ";

std::string GetAttributeSign(int solvingAttributes)
{
    return solvingAttributes == 1 ? "!" : "";
}

void WriteRulesBlock(ResourceStream& stream, const char* label, const CageRules& rules)
{
    stream.WriteBlockBegin(label);
    WriteCageRulesFlags(stream, rules, REQUEST_RULES_LABEL_PREFIX);
    stream.WriteBlockEnd();
}

void ReadRulesBlock(ResourceStream& stream, CageRules& rules)
{
    ReadRecordBlockBegin(stream);
    ReadCageRulesFlags(stream, rules);
    ReadRecordBlockEnd(stream);
}

} // namespace

std::string FormatPatternName(int generatorTypeIndex, int size, const PatternNameBoard& firstBoard,
                              const PatternNameBoard* secondBoard, int solvability)
{
    if (generatorTypeIndex == GENERATOR_TYPE_SIMPLE) {
        if (secondBoard == nullptr) {
            return Stringf("%dx%dx%dx%d", size, firstBoard.boardType, firstBoard.solvingAttributes, solvability);
        }
        return Stringf("%dx%dx%dx%dx%dx%d", size, firstBoard.boardType, firstBoard.solvingAttributes,
                       secondBoard->boardType, secondBoard->solvingAttributes, solvability);
    }
    const std::string sign1 = GetAttributeSign(firstBoard.solvingAttributes);
    const std::string letters1 = GetCageRulesText(firstBoard.cageRules.GetMask());
    if (secondBoard == nullptr) {
        return Stringf("%d-%s%s-%d", size, sign1.c_str(), letters1.c_str(), solvability);
    }
    const std::string sign2 = GetAttributeSign(secondBoard->solvingAttributes);
    const std::string letters2 = GetCageRulesText(secondBoard->cageRules.GetMask());
    return Stringf("%d-%s%s-%s%s-%d", size, sign1.c_str(), letters1.c_str(), sign2.c_str(), letters2.c_str(),
                   solvability);
}

PuzzleRequest::PuzzleRequest(int size, int difficulty, int boardType1, int board1Attributes, int boardType2,
                             int board2Attributes, int solvabilityType)
    : size(size),
      numberOfBoards(boardType2 != 0 ? 2 : 1),
      difficultyRating(difficulty),
      boardType1(boardType1),
      board1Attributes(board1Attributes),
      boardType2(boardType2),
      board2Attributes(board2Attributes),
      solvabilityType(solvabilityType)
{
}

void PuzzleRequest::Reset()
{
    *this = PuzzleRequest();
}

std::string PuzzleRequest::GetPatternName() const
{
    const PatternNameBoard first{boardType1, board1Attributes, cageRules1};
    const PatternNameBoard second{boardType2, board2Attributes, cageRules2};
    return FormatPatternName(generatorTypeIndex, size, first, numberOfBoards > 1 ? &second : nullptr,
                             solvabilityType);
}

bool PuzzleRequest::Matches(const PuzzleRequest& other) const
{
    return generatorTypeIndex == other.generatorTypeIndex && generatorVersion == other.generatorVersion &&
           GetPatternName() == other.GetPatternName();
}

void PuzzleRequest::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin("<Request>");
    stream.WriteInt32(PUZZLE_REQUEST_RECORD_VERSION, "Version");
    stream.WriteInt32(size, "Puzzle Size");
    stream.WriteInt32(numberOfBoards, "Number of boards");
    stream.WriteInt32(difficultyRating, "Difficulty Rating");
    stream.WriteInt32(boardType1, "BoardType 1");
    stream.WriteInt32(board1Attributes, "Board 1's solving attributes");
    stream.WriteInt32(boardType2, "BoardType 2");
    stream.WriteInt32(board2Attributes, "Board 2's solving attributes");
    stream.WriteInt32(solvabilityType, "SolvabilityType");
    stream.WriteInt32(generatorTypeIndex, "Generator Type index (0=Simple, 1=Hybrid)");
    stream.WriteFloat(generatorVersion, "Generator version");
    stream.WriteBool(forceReducedCageSize, "Force reduced cage size");
    WriteRulesBlock(stream, "<CageRules 1>", cageRules1);
    WriteRulesBlock(stream, "<CageRules 2>", cageRules2);
    WriteRulesBlock(stream, "<Required Operators 1>", requiredOperators1);
    WriteRulesBlock(stream, "<Required Operators 2>", requiredOperators2);
    stream.WriteBlockEnd();
}

void PuzzleRequest::Read(ResourceStream& stream)
{
    // Read into a copy, so that a record that turns out to be malformed
    // leaves this request as it was.
    PuzzleRequest read = *this;
    ReadRecordBlockBegin(stream);
    // Only versions 1 to 3 differ from the current layout; any other version
    // reads as the current one.
    const int version = stream.ReadInt32();
    const bool hasBoolSolvability = version == 1 || version == 2;
    const bool hasRequiredOperators = version != 1;
    const bool hasForceReducedCageSize = version < 1 || version > 3;
    read.size = stream.ReadInt32();
    read.numberOfBoards = stream.ReadInt32();
    read.difficultyRating = stream.ReadInt32();
    read.boardType1 = stream.ReadInt32();
    read.board1Attributes = stream.ReadInt32();
    read.boardType2 = stream.ReadInt32();
    read.board2Attributes = stream.ReadInt32();
    // Versions 1 and 2 knew only solvable and unsolvable.
    if (hasBoolSolvability) {
        read.solvabilityType = stream.ReadBool() ? SOLVABILITY_SOLVABLE : SOLVABILITY_UNSOLVABLE;
    } else {
        read.solvabilityType = stream.ReadInt32();
    }
    read.generatorTypeIndex = stream.ReadInt32();
    read.generatorVersion = stream.ReadFloat();
    if (hasForceReducedCageSize) {
        read.forceReducedCageSize = stream.ReadBool();
    }
    ReadRulesBlock(stream, read.cageRules1);
    ReadRulesBlock(stream, read.cageRules2);
    if (hasRequiredOperators) {
        ReadRulesBlock(stream, read.requiredOperators1);
        ReadRulesBlock(stream, read.requiredOperators2);
    }
    ReadRecordBlockEnd(stream);
    *this = read;
}

bool PuzzleRequest::operator==(const PuzzleRequest& other) const
{
    return size == other.size && numberOfBoards == other.numberOfBoards &&
           difficultyRating == other.difficultyRating && boardType1 == other.boardType1 &&
           board1Attributes == other.board1Attributes && cageRules1 == other.cageRules1 &&
           requiredOperators1 == other.requiredOperators1 && boardType2 == other.boardType2 &&
           board2Attributes == other.board2Attributes && cageRules2 == other.cageRules2 &&
           requiredOperators2 == other.requiredOperators2 && solvabilityType == other.solvabilityType &&
           generatorTypeIndex == other.generatorTypeIndex && generatorVersion == other.generatorVersion &&
           forceReducedCageSize == other.forceReducedCageSize;
}

} // namespace Pemberquill
