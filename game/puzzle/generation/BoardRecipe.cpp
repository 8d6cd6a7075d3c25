#include "game/puzzle/generation/BoardRecipe.h"

#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

namespace Pemberquill {

void BoardRecipe::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin();
    stream.WriteInt32(boardType, "Enumeration of BoardType");
    stream.WriteInt32(boardSeedNumber, "Board seed number");
    stream.WriteInt32(boardSize, "Board size");
    stream.WriteBool(isSolvable, "Is Solvable");
    stream.WriteInt32(solverSteps, "Number of Steps for solver to solve this board.");
    stream.WriteFloat(complexity, "Complexity total of all the steps taken to solve this board.");
    stream.WriteInt32(deepestStep, "Enumeration of the deepest solver step used to solve the board.");
    stream.WriteInt32(difficultyRating, "Enumeration of the difficulty rating of this board.");
    stream.WriteInt32(solvingAttributes, "Bitfield of the solving attributes.");
    stream.WriteBlockBegin("CageRules");
    WriteCageRulesFlags(stream, cageRules, "Use ");
    stream.WriteBlockEnd();
    stream.WriteBlockEnd();
}

void BoardRecipe::Read(ResourceStream& stream)
{
    BoardRecipe read = *this;
    ReadRecordBlockBegin(stream);
    read.boardType = stream.ReadInt32();
    read.boardSeedNumber = stream.ReadInt32();
    read.boardSize = stream.ReadInt32();
    read.isSolvable = stream.ReadBool();
    read.solverSteps = stream.ReadInt32();
    read.complexity = stream.ReadFloat();
    read.deepestStep = stream.ReadInt32();
    read.difficultyRating = stream.ReadInt32();
    read.solvingAttributes = stream.ReadInt32();
    ReadRecordBlockBegin(stream);
    ReadCageRulesFlags(stream, read.cageRules);
    ReadRecordBlockEnd(stream);
    ReadRecordBlockEnd(stream);
    *this = read;
}

bool BoardRecipe::operator==(const BoardRecipe& other) const
{
    return boardType == other.boardType && boardSeedNumber == other.boardSeedNumber &&
           boardSize == other.boardSize && isSolvable == other.isSolvable && solverSteps == other.solverSteps &&
           complexity == other.complexity && deepestStep == other.deepestStep &&
           difficultyRating == other.difficultyRating && solvingAttributes == other.solvingAttributes &&
           cageRules == other.cageRules && requiredOperators == other.requiredOperators;
}

} // namespace Pemberquill
