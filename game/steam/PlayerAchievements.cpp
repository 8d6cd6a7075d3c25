#include "game/steam/PlayerAchievements.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

#include <algorithm>
#include <utility>

namespace Pemberquill {

namespace {

void WriteLocationTable(ResourceStream& stream, const PlayerAchievements::LocationTable& table)
{
    const int count = static_cast<int>(std::min<size_t>(table.size(), MAX_LOCATION_TABLE_ENTRIES));
    if (count < static_cast<int>(table.size())) {
        ConsolePrintf("WARNING: a location table of %d entries keeps only its first %d in the player profile.\n",
                      static_cast<int>(table.size()), count);
    }
    stream.WriteInt8(static_cast<int8_t>(count), "Number of locations");
    auto entry = table.begin();
    for (int i = 0; i < count; ++i, ++entry) {
        stream.WriteBlockBegin();
        stream.WriteString(entry->first, "Location");
        stream.WriteInt32(entry->second, "Value");
        stream.WriteBlockEnd();
    }
}

void ReadLocationTable(ResourceStream& stream, PlayerAchievements::LocationTable& table)
{
    const int count = stream.ReadInt8();
    for (int i = 0; i < count; ++i) {
        ReadRecordBlockBegin(stream);
        std::string location = stream.ReadString();
        const int32_t value = stream.ReadInt32();
        ReadRecordBlockEnd(stream);
        table[std::move(location)] = value;
    }
}

void ReadFields(ResourceStream& stream, PlayerAchievements& record)
{
    ReadRecordBlockBegin(stream);
    const int8_t version = stream.ReadInt8();
    record.rank = stream.ReadString();
    record.achievementBits = static_cast<uint32_t>(stream.ReadInt32());
    record.highScore = stream.ReadInt32();
    record.totalSteps = stream.ReadInt32();
    record.totalSolvingTime = stream.ReadFloat();
    record.locationsUnlocked = stream.ReadInt8();
    record.regionsUnlocked = stream.ReadInt8();
    record.puzzlesSolved = stream.ReadInt16();
    record.puzzlesUnderPar = stream.ReadInt16();
    record.oceanPuzzles = stream.ReadInt16();
    record.canyonPuzzles = stream.ReadInt16();
    record.forestPuzzles = stream.ReadInt16();
    record.mountainPuzzles = stream.ReadInt16();
    record.skyPuzzles = stream.ReadInt16();
    record.beyondPuzzles = stream.ReadInt16();
    record.locationsCompleted = stream.ReadInt8();
    record.regionsCompleted = stream.ReadInt8();
    record.noMistakeCount = stream.ReadInt16();
    record.candidatesEliminated = stream.ReadInt32();
    record.hasMadeAMistake = stream.ReadBool();
    record.easyPuzzles = stream.ReadInt16();
    record.mediumPuzzles = stream.ReadInt16();
    record.hardPuzzles = stream.ReadInt16();
    record.practicePuzzles = stream.ReadInt16();
    record.hintsTaken = stream.ReadInt32();
    record.errorsMade = stream.ReadInt32();
    record.tutorialViews = stream.ReadInt8();
    record.tutorialCompletions = stream.ReadInt8();
    if (version >= PLAYER_ACHIEVEMENTS_VERSION_WITH_BOARD_KINDS) {
        record.hiddenCagePuzzles = stream.ReadInt16();
        record.doubleBoardPuzzles = stream.ReadInt16();
    }
    ReadLocationTable(stream, record.puzzlesSolvedPerLocation);
    ReadLocationTable(stream, record.hintsTakenPerLocation);
    ReadLocationTable(stream, record.errorsMadePerLocation);
    ReadRecordBlockEnd(stream);
}

} // namespace

bool PlayerAchievements::HasAchievement(int bitIndex) const
{
    if (bitIndex < 0 || bitIndex >= NUM_ACHIEVEMENT_BITS) {
        return false;
    }
    return ((achievementBits >> bitIndex) & 1u) != 0;
}

void PlayerAchievements::SetAchievement(int bitIndex)
{
    if (bitIndex >= 0 && bitIndex < NUM_ACHIEVEMENT_BITS) {
        achievementBits |= 1u << bitIndex;
    }
}

void PlayerAchievements::Write(ResourceStream& stream) const
{
    stream.WriteBlockBegin();
    stream.WriteInt8(PLAYER_ACHIEVEMENTS_VERSION, "Version number of PlayerAchievements data");
    stream.WriteString(rank, "Current rank");
    stream.WriteInt32(static_cast<int32_t>(achievementBits), "Achievements as a bit field");
    stream.WriteInt32(highScore, "High score");
    stream.WriteInt32(totalSteps, "Total steps taken");
    stream.WriteFloat(totalSolvingTime, "Total time solving");
    stream.WriteInt8(locationsUnlocked, "Number of Locations unlocked");
    stream.WriteInt8(regionsUnlocked, "Number of regions unlocked");
    stream.WriteInt16(puzzlesSolved, "Number of puzzles solved");
    stream.WriteInt16(puzzlesUnderPar, "Number of puzzles under par");
    stream.WriteInt16(oceanPuzzles, "Number of Ocean puzzles solved");
    stream.WriteInt16(canyonPuzzles, "Number of Canyon puzzles solved");
    stream.WriteInt16(forestPuzzles, "Number of Forest puzzles solved");
    stream.WriteInt16(mountainPuzzles, "Number of Mountain puzzles solved");
    stream.WriteInt16(skyPuzzles, "Number of Sky puzzles solved");
    stream.WriteInt16(beyondPuzzles, "Number of Beyond puzzles solved");
    stream.WriteInt8(locationsCompleted, "Number of locations completed.");
    stream.WriteInt8(regionsCompleted, "Number of regions completed.");
    stream.WriteInt16(noMistakeCount, "Number of Puzzles solved in a row without mistakes");
    stream.WriteInt32(candidatesEliminated, "Candidates Eliminated");
    stream.WriteBool(hasMadeAMistake, "Has made a mistake.");
    stream.WriteInt16(easyPuzzles, "Easy puzzles solved.");
    stream.WriteInt16(mediumPuzzles, "Medium puzzles solved.");
    stream.WriteInt16(hardPuzzles, "Hard puzzles solved.");
    stream.WriteInt16(practicePuzzles, "Practice puzzles solved.");
    stream.WriteInt32(hintsTaken, "Hints taken.");
    stream.WriteInt32(errorsMade, "Errors made.");
    stream.WriteInt8(tutorialViews, "Tutorial views");
    stream.WriteInt8(tutorialCompletions, "Tutorial completions");
    stream.WriteInt16(hiddenCagePuzzles, "Hidden cage puzzles");
    stream.WriteInt16(doubleBoardPuzzles, "Double board puzzles");
    WriteLocationTable(stream, puzzlesSolvedPerLocation);
    WriteLocationTable(stream, hintsTakenPerLocation);
    WriteLocationTable(stream, errorsMadePerLocation);
    stream.WriteBlockEnd();
}

void PlayerAchievements::Read(ResourceStream& stream)
{
    // Read into a copy so that a damaged block changes nothing.
    PlayerAchievements read(*this);
    ReadFields(stream, read);
    *this = std::move(read);
}

} // namespace Pemberquill
