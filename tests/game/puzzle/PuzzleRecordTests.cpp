// Every record the puzzle code saves or loads, through one harness: the
// sample's exact binary bytes and the start of its commented text, a round
// trip in each encoding, and every cut-short record refused without touching
// the record read into. Then the records' own boundaries and older layouts.
#include "PuzzleChefTestSupport.h"
#include "PuzzleTestSupport.h"
#include "engine/core/Clock.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleProgress.h"
#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace Pemberquill;
using namespace puzzle_test;

namespace {

const ResourceStreamFormat ALL_FORMATS[] = {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT,
                                            RESOURCE_STREAM_FORMAT_TEXT_COMPACT};

std::string Hex(const std::string& bytes)
{
    std::string hex;
    for (unsigned char byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        hex += digits;
    }
    return hex;
}

// Checks one record: sample is the record as written, fresh() a new record
// to read into.
template <typename Record, typename Fresh>
void CheckRecord(const Record& sample, Fresh fresh, const char* binaryHex, const char* textStart)
{
    if (*binaryHex != '\0') {
        EXPECT_EQ(binaryHex, Hex(WriteRecord(sample, RESOURCE_STREAM_FORMAT_BINARY)));
    }
    const std::string text = WriteRecord(sample, RESOURCE_STREAM_FORMAT_TEXT);
    EXPECT_EQ(textStart, text.substr(0, std::string(textStart).size()));

    for (ResourceStreamFormat format : ALL_FORMATS) {
        const std::string bytes = WriteRecord(sample, format);
        LoadedStream stream(bytes);
        const auto read = fresh();
        read->Read(*stream);
        EXPECT_EQ(bytes, WriteRecord(*read, format)) << "a field was lost in format " << format;
    }

    const std::string untouched = WriteRecord(*fresh(), RESOURCE_STREAM_FORMAT_BINARY);
    for (ResourceStreamFormat format : {RESOURCE_STREAM_FORMAT_BINARY, RESOURCE_STREAM_FORMAT_TEXT_COMPACT}) {
        const std::string bytes = WriteRecord(sample, format);
        const size_t end = bytes.find_last_not_of(" \t\r\n");
        for (size_t length = 0; length <= end; ++length) {
            LoadedStream stream(bytes.substr(0, length));
            const auto read = fresh();
            EXPECT_THROW(read->Read(*stream), UlvoException) << "format " << format << " cut at " << length;
            ASSERT_EQ(untouched, WriteRecord(*read, RESOURCE_STREAM_FORMAT_BINARY)) << "cut at " << length;
        }
    }
}

BoardMove MakeMove(int type, int x, int y, int data, int extraData = 0)
{
    BoardMove move;
    move.type = type;
    move.x = x;
    move.y = y;
    move.data = data;
    move.extraData = extraData;
    return move;
}

Square At(unsigned x, unsigned y)
{
    Square square;
    square.x = x;
    square.y = y;
    return square;
}

// A 3 x 3 progress that uses every saved field; one of its moves is undone.
BoardProgress MakeBoardProgress()
{
    BoardProgress progress(3, 2u);
    progress.SetSteps(37);
    progress.SetValue(At(0, 0), 3);
    progress.SetColorIndex(At(0, 0), 4);
    progress.SetColorIndex(At(2, 1), 0);
    progress.SetPlayerCandidateBit(At(1, 2), 0, true);
    progress.SetPlayerCandidateBit(At(1, 2), 2, true);
    progress.SetSolutionInvalidBit(1, 5, true);
    BoardMove hint = MakeMove(MOVE_TYPE_VALUE, 2, 1, 3);
    hint.rowIndex = 1;
    hint.columnIndex = 2;
    hint.numCandidatesInvolved = 5;
    hint.text = "The only place for a 3";
    hint.errorState = true;
    progress.RecordMove(hint);
    BoardMove paint = MakeMove(MOVE_TYPE_COLOR, 2, 2, -1, 3);
    paint.originatingBoardIndex = 1;
    progress.RecordMove(paint);
    progress.RecordMove(MakeMove(MOVE_TYPE_SOLUTION_MARK, 1, 63, 0));
    BoardMove undone;
    progress.PopUndoMove(undone);
    return progress;
}

// A started puzzle of two 2 x 2 boards with a little play on each.
PuzzleProgress MakePuzzleProgress()
{
    PuzzleProgress progress("1234-2x1x0x1x1x0");
    progress.SetState(PUZZLE_STATE_STARTED);
    progress.SetPlayTime(93.5f);
    Clock clock;
    std::vector<std::unique_ptr<Board>> boards;
    boards.push_back(MakeBoard(clock, 2, 0, 2));
    boards.push_back(MakeBoard(clock, 2, 1, 2));
    progress.AttachToBoards(boards);
    progress.GetBoardProgresses()[0]->SetValue(boards[0]->GetSquare(1, 0), 2);
    progress.GetBoardProgresses()[0]->SetSteps(1);
    progress.GetBoardProgresses()[1]->SetColorIndex(boards[1]->GetSquare(0, 1), 4);
    for (const std::unique_ptr<Board>& board : boards) {
        board->SetProgress(nullptr);
    }
    return progress;
}

// Every field away from its default.
PuzzleRequest MakeRequest()
{
    PuzzleRequest request(7, 3, 2, 1, 5, 4, SOLVABILITY_EITHER);
    request.cageRules1 = CageRules(CAGE_RULE_ADDITION | CAGE_RULE_EVEN);
    request.requiredOperators1 = CageRules(CAGE_RULE_DIVISION);
    request.cageRules2 = CageRules(CAGE_RULE_STRAIGHT | CAGE_RULE_NOOP | CAGE_RULE_EQUALS);
    request.requiredOperators2 = CageRules(0);
    request.generatorTypeIndex = GENERATOR_TYPE_HYBRID;
    request.generatorVersion = 1.5f;
    request.forceReducedCageSize = true;
    return request;
}

// Every field away from its default, the recipes' required operators aside
// (the book supplies them).
PuzzleDescriptor MakeDescriptor()
{
    BoardRecipe first;
    first.boardType = 2;
    first.boardSeedNumber = 99;
    first.boardSize = 6;
    first.isSolvable = true;
    first.solverSteps = 41;
    first.complexity = 12.25f;
    first.deepestStep = 17;
    first.difficultyRating = 3;
    first.solvingAttributes = 1;
    first.cageRules = CageRules(CAGE_RULE_ADDITION | CAGE_RULE_NOOP);
    BoardRecipe second = first;
    second.boardSeedNumber = -7;
    second.cageRules = CageRules(CAGE_RULE_ODD);
    PuzzleDescriptor descriptor;
    descriptor.SetSeed(31337);
    descriptor.SetSize(6);
    descriptor.AddBoardRecipe(first);
    descriptor.AddBoardRecipe(second);
    descriptor.SetSolverSteps(82);
    descriptor.SetSolverIterations(300);
    descriptor.SetTotalComplexity(24.5f);
    descriptor.SetHardestStep(17);
    descriptor.SetDifficultyRating(3);
    descriptor.SetSolvable(false);
    descriptor.SetUnlockPuzzle(true);
    descriptor.SetGeneratorIndex(GENERATOR_TYPE_HYBRID);
    descriptor.SetGeneratorVersion(1.5f);
    descriptor.SetBuildTime(250);
    descriptor.SetSolveTime(1750);
    descriptor.SetForceReducedCageSize(true);
    return descriptor;
}

// A recipe book read and written back as the request and the descriptors
// its lists hold.
struct BookRecord {
    PuzzleRequest request;
    std::vector<PuzzleDescriptor> descriptors;

    void Read(ResourceStream& stream)
    {
        const RecipeBook book(stream, "book");
        request = book.GetRequest();
        descriptors.clear();
        for (int d = 0; d < NUM_DIFFICULTY_RATINGS; ++d) {
            const std::vector<PuzzleDescriptor>& list = book.GetDifficultyList(d);
            descriptors.insert(descriptors.end(), list.begin(), list.end());
        }
    }
    void Write(ResourceStream& stream) const { WriteRecipeBook(stream, request, descriptors); }
};

// A request in the layout an older game wrote for this version.
std::string WriteOldRequest(int version, ResourceStreamFormat format)
{
    ResourceStream stream(format, 256);
    stream.WriteBlockBegin();
    for (int value : {version, 6, 2, 3, 1, 0, 2, 1}) { // version, size, boards, difficulty, types and attributes
        stream.WriteInt32(value);
    }
    if (version <= 2) {
        stream.WriteBool(version == 2);
    } else {
        stream.WriteInt32(SOLVABILITY_EITHER);
    }
    stream.WriteInt32(GENERATOR_TYPE_HYBRID);
    stream.WriteFloat(1.5f);
    const unsigned rules[] = {CAGE_RULE_ADDITION, CAGE_RULE_ODD, CAGE_RULE_MULTIPLICATION, CAGE_RULE_EVEN};
    for (int block = 0; block < (version >= 2 ? 4 : 2); ++block) {
        stream.WriteBlockBegin();
        for (int i = 0; i < NUM_CAGE_RULES; ++i) {
            stream.WriteBool(((rules[block] >> i) & 1u) != 0);
        }
        stream.WriteBlockEnd();
    }
    stream.WriteBlockEnd();
    return BytesOf(stream);
}

} // namespace

TEST(PuzzleRecordTest, EveryRecordIsPinnedRoundTripsAndRefusesEveryCut)
{
    {
        SCOPED_TRACE("board progress");
        CheckRecord(
            MakeBoardProgress(), [] { return std::make_unique<BoardProgress>(3, 0u); }, "01422aff02030225000304000000ff000000ff000000ff000000ff00000000000000ff000000ff050000ff0000020003"
            "000103000105020102010000ff0303000202ffff010000000400013fffff00",
            "\r\n// BoardProgress\r\n{\r\n\t2 // Version\r\n\t3 // Puzzle size\r\n\t2 // # of cages\r\n"
            "\t37 // Number of steps taken\r\n\t3 // Square #0 (0,0) value\r\n\t4 // ...and custom color index\r\n"
            "\t0 // Bits for solver-impossible candidates marked\r\n");
    }
    {
        SCOPED_TRACE("puzzle progress");
        CheckRecord(
            MakePuzzleProgress(), [] { return std::make_unique<PuzzleProgress>("kept"); }, "01422aff0110000000313233342d3278317830783178317830020000bb42020000000202020100000000000201000000"
            "ff000000ff000000000000020202000000000000000100000004000000ff000000000000", "");
    }
    {
        SCOPED_TRACE("puzzle set progress");
        Clock clock;
        std::vector<std::unique_ptr<Puzzle>> puzzles;
        const PuzzleRequest request(4, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
        for (int i = 0; i < 2; ++i) {
            puzzles.push_back(std::make_unique<Puzzle>(&clock));
            puzzles.back()->SetDescriptor(chef_test::MakeDescriptor(request, 10 + i));
        }
        PuzzleSetProgress progress("Canyon");
        progress.Load(puzzles);
        puzzles[1]->GetProgress()->SetState(PUZZLE_STATE_SEEN);
        progress.SetPlayerState(3);
        progress.SetCurrentPuzzle(1);
        CheckRecord(
            progress, [] { return std::make_unique<PuzzleSetProgress>("kept"); }, "01422aff020000000600000043616e796f6e010000000000000000000000000000000300000001000000010a00000031"
            "312d34783178307831010000000000000000",
            "\r\n// PuzzleSet progress data (for puzzleSetID \"Canyon\")\r\n{\r\n\t2 // Version\r\n"
            "\t\"Canyon\" // Puzzle set ID string\r\n"
            "\t1 // Index of current puzzle in puzzle set (if any)\r\n"
            "\t0 // Page of puzzles last viewed when satisfied.\r\n"
            "\t0 // Page of puzzles last viewed when satisfied.\r\n"
            "\t0 // Page of puzzles last viewed when satisfied.\r\n"
            "\t3 // Enumeration of whether the set is hidden, visible, locked, unlocked, etc.)\r\n"
            "\t1 // Number of (non-empty) puzzle progresses in set to follow\r\n");
    }
    {
        SCOPED_TRACE("puzzle request");
        CheckRecord(MakeRequest(), [] { return std::make_unique<PuzzleRequest>(); }, "01422aff040000000700000002000000030000000200000001000000050000000400000002000000010000000000c03f"
            "0100010000000000010000010000000001000000010000000001000000000000000000000000000000", "");
    }
    {
        SCOPED_TRACE("puzzle descriptor");
        CheckRecord(MakeDescriptor(), [] { return std::make_unique<PuzzleDescriptor>(); }, "01422aff010000001000000033313333372d362d21414e2d214f2d300001697a00000600000003000000110000000000"
            "c441520000002c010000010000000000c03ffa000000d606000001020000000200000063000000060000000129000000"
            "000044411100000003000000010000000001000000000000000102000000f9ffffff0600000001290000000000444111"
            "000000030000000100000000000000000000000100", "");
    }
    {
        SCOPED_TRACE("puzzle set");
        PuzzleSetDescriptor set;
        set.name = "Reef";
        set.setID = "Reef";
        set.baseColor = Rgba(10, 20, 30, 40);
        set.backgroundImage = "Reef.png";
        set.request = MakeRequest();
        set.descriptors.push_back(MakeDescriptor());
        CheckRecord(set, [] { return std::make_unique<PuzzleSetDescriptor>(); }, "", "");
    }
    {
        SCOPED_TRACE("recipe book");
        BookRecord book;
        book.request = PuzzleRequest(5, 0, 1, 0, 0, 0, SOLVABILITY_SOLVABLE);
        book.descriptors = chef_test::MakeDescriptors(book.request, 5);
        for (int d = 0; d < NUM_DIFFICULTY_RATINGS; ++d) {
            book.descriptors[static_cast<size_t>(d)].SetDifficultyRating(d);
        }
        CheckRecord(book, [] { return std::make_unique<BookRecord>(); }, "", "");
    }
}

TEST(PuzzleRecordTest, OlderLayoutsReadWithWhatTheyLack)
{
    // Version 1 board progress moves carry no originating board.
    LoadedStream boardStream(std::string("\x01\x42\x2A\xFF\x01\x01\x00\x05\x00\x01\xFF\x00\x00\x01\x00\x01\x00"
                                         "\x01\x01\x00\x01\x00\x00\x00\xFF\xFF",
                                         26));
    const BoardProgress board(*boardStream);
    EXPECT_EQ(5, board.GetSteps());
    EXPECT_EQ(1u, board.GetValue(At(0, 0)));
    ASSERT_EQ(1u, board.GetMoves().size());
    EXPECT_EQ(0, board.GetMoves()[0].originatingBoardIndex);
    EXPECT_TRUE(board.GetMoves()[0].errorState);
    EXPECT_EQ(1, board.GetMoveTracker());

    // Requests: version 1 has a solvable flag and no required operators,
    // version 2 adds them, version 3 a solvability; none has the force flag.
    // What a record lacks keeps what the request held.
    const struct {
        int version;
        int solvability;
        unsigned required1;
        unsigned required2;
    } cases[] = {{1, SOLVABILITY_UNSOLVABLE, CAGE_RULE_DIVISION, 0},
                 {2, SOLVABILITY_SOLVABLE, CAGE_RULE_MULTIPLICATION, CAGE_RULE_EVEN},
                 {3, SOLVABILITY_EITHER, CAGE_RULE_MULTIPLICATION, CAGE_RULE_EVEN}};
    for (ResourceStreamFormat format : ALL_FORMATS) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "format " << format << " version " << c.version);
            PuzzleRequest request = MakeRequest();
            LoadedStream stream(WriteOldRequest(c.version, format));
            request.Read(*stream);
            EXPECT_EQ(6, request.size);
            EXPECT_EQ(1, request.board2Attributes);
            EXPECT_EQ(c.solvability, request.solvabilityType);
            EXPECT_EQ(1.5f, request.generatorVersion);
            EXPECT_EQ(static_cast<unsigned>(CAGE_RULE_ODD), request.cageRules2.GetMask());
            EXPECT_EQ(c.required1, request.requiredOperators1.GetMask());
            EXPECT_EQ(c.required2, request.requiredOperators2.GetMask());
            EXPECT_TRUE(request.forceReducedCageSize);
        }
    }
}

TEST(PuzzleRecordTest, OutOfRangeCountsAndFieldsAreRefusedOrKeptInside)
{
    BoardProgress progress(2, 0u);
    progress.SetSteps(12000);
    EXPECT_EQ(9999, RoundTrip(progress, RESOURCE_STREAM_FORMAT_BINARY).GetSteps());
    progress.SetSteps(-5);
    EXPECT_EQ(0, RoundTrip(progress, RESOURCE_STREAM_FORMAT_TEXT).GetSteps());

    // A 2 x 2 record: marker, 5 header bytes, 4 squares of 4 bytes, then the
    // tracker.
    progress.RecordMove(MakeMove(MOVE_TYPE_VALUE, 1, 1, 2));
    progress.RecordMove(MakeMove(MOVE_TYPE_CANDIDATE, 0, 1, 1));
    std::string bytes = WriteRecord(progress, RESOURCE_STREAM_FORMAT_BINARY);
    for (const auto& [tracker, expected] : {std::make_pair(3, 2), std::make_pair(-3, 0)}) {
        bytes[25] = static_cast<char>(tracker & 0xFF);
        bytes[26] = static_cast<char>((tracker >> 8) & 0xFF);
        LoadedStream stream(bytes);
        const BoardProgress read(*stream);
        EXPECT_EQ(expected, read.GetMoveTracker()) << tracker;
        EXPECT_EQ(2u, read.GetMoves().size());
    }

    // A history longer than the record holds keeps its newest moves.
    for (int i = 0; i < 40000; ++i) {
        progress.RecordMove(MakeMove(MOVE_TYPE_VALUE, i % 2, 0, i % 3));
    }
    BoardMove undone;
    progress.PopUndoMove(undone);
    const BoardProgress kept = RoundTrip(progress, RESOURCE_STREAM_FORMAT_BINARY);
    ASSERT_EQ(32767u, kept.GetMoves().size());
    EXPECT_EQ(32766, kept.GetMoveTracker());
    EXPECT_EQ((40000 - 32767) % 3, kept.GetMoves().front().data);
    EXPECT_EQ(39999 % 3, kept.GetMoves().back().data);

    // A count of board progresses the record cannot hold.
    PuzzleProgress solved("p");
    solved.SetState(PUZZLE_STATE_SOLVED);
    std::string puzzle = WriteRecord(solved, RESOURCE_STREAM_FORMAT_BINARY);
    for (uint32_t count : {1u, 0xFFFFFFFFu, 0x7FFFFFFFu}) {
        for (size_t i = 0; i < 4; ++i) {
            puzzle[puzzle.size() - 4 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
        }
        LoadedStream stream(puzzle);
        EXPECT_NE(std::string::npos, MessageOfThrow([&] { PuzzleProgress read(*stream); }).find("board progresses"));
    }
}

TEST(PuzzleRecordTest, ThePuzzleIdIsWorkedOutOnceAndAStoredOneWins)
{
    PuzzleDescriptor descriptor;
    descriptor.SetSeed(1234);
    descriptor.SetSize(5);
    BoardRecipe recipe;
    recipe.boardType = 1;
    descriptor.AddBoardRecipe(recipe);
    const std::string bytes = WriteRecord(descriptor, RESOURCE_STREAM_FORMAT_TEXT);
    EXPECT_EQ("1234-5x1x0x1", descriptor.GetPuzzleID()) << "written even when nobody asked for it before";

    descriptor.SetSize(6);
    descriptor.GetBoardRecipe(0).boardType = 2;
    descriptor.SetSeed(1234);
    EXPECT_EQ("1234-5x1x0x1", descriptor.GetPuzzleID());
    descriptor.SetSeed(-5);
    EXPECT_EQ("-5-6x2x0x1", descriptor.GetPuzzleID()) << "a new seed is a new puzzle";

    std::string campaign = bytes;
    campaign.replace(campaign.find("1234-5x1x0x1"), 12, "CAMPAIGN-001");
    LoadedStream stream(campaign);
    const PuzzleDescriptor read(*stream);
    EXPECT_EQ(1234, read.GetSeed());
    EXPECT_EQ("CAMPAIGN-001", read.GetPuzzleID());
}
