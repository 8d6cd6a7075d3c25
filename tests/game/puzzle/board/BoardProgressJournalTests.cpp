// A board keeps what it works out from its progress (automatic eliminations
// and solution marks) and later reads only the squares the progress's
// journal names as changed. Whatever happened to the progress meanwhile
// (copied and edited elsewhere, read from a record, shared play, more edits
// than the journal holds, undo, the line setting switched), the board must
// end where a board that never saw the progress ends.
#include "engine/core/Diagnostics.h"
#include "tests/game/puzzle/PuzzleTestSupport.h"
#include "platform/crt/CrtRandom.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace Pemberquill;

namespace {

const std::vector<std::string> ANSWER = {"1234", "3412", "2143", "4321"};

std::vector<CageSpec> Cages()
{
    return {
        {CAGE_RULE_ADDITION, {{0, 0}, {1, 0}}, 0},          {CAGE_RULE_ADDITION, {{2, 0}, {3, 0}, {3, 1}}, 1},
        {CAGE_RULE_SUBTRACTION, {{0, 1}, {0, 2}}, 2},       {CAGE_RULE_MULTIPLICATION, {{1, 1}, {2, 1}}, 3},
        {CAGE_RULE_ADDITION, {{1, 2}, {2, 2}, {3, 2}}, 4},  {CAGE_RULE_MULTIPLICATION, {{0, 3}, {1, 3}}, 0},
        {CAGE_RULE_ADDITION, {{2, 3}, {3, 3}}, 1},
    };
}

// What the hidden-cage analysis works out: each cage's joinable squares and
// how large it may still grow.
std::string HiddenAnalysis(const Board& board)
{
    std::string state;
    if (board.HasHiddenCages()) {
        for (const Cage& cage : board.GetCages()) {
            const SquareMask joinable = board.FindJoinableSquares(cage, board.GetRemainingSolutionValues(cage));
            state += Stringf("|%llx %d", static_cast<unsigned long long>(joinable.low), cage.GetMaxSolutionSize(board));
        }
    }
    return state;
}

// What the board works out: each square's automatic eliminations and each
// cage's ruled-out solutions.
std::string DerivedState(const Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    std::string state;
    for (const Square& square : board.GetSquares()) {
        state += Stringf("%x ", progress.GetAutoEliminations(square));
    }
    for (const Cage& cage : board.GetCages()) {
        state += Stringf("|%llx", static_cast<unsigned long long>(progress.GetEliminatedSolutions(cage.index)));
    }
    return state + HiddenAnalysis(board);
}

struct Play {
    // A board that keeps the hidden-cage analysis asks for it on every
    // refresh, so that what it keeps must follow whatever the case does to
    // the progress next.
    Play(unsigned attributes, unsigned boardIndex, bool keepsAnalysis = true)
        : play(ANSWER, Cages(), attributes, boardIndex), keepsAnalysis(keepsAnalysis)
    {
        if (play.board.HasHiddenCages()) {
            play.board.BuildHiddenCageShapes();
        }
        Refresh();
    }
    // What the game does when it attaches a progress.
    void Attach(BoardProgress& progress)
    {
        play.board.SetProgress(&progress);
        Refresh();
    }
    void Refresh()
    {
        play.board.RecomputeAutoEliminations();
        play.board.UpdateCageSolutions();
        if (keepsAnalysis) {
            HiddenAnalysis(play.board);
        }
    }
    void Place(unsigned x, unsigned y, int value) { play.board.SetSquareValue(play.At(x, y), value, false, false); }
    void Toggle(unsigned x, unsigned y, int value) { play.board.ToggleCandidate(play.At(x, y), value, false); }
    void Paint(unsigned x, unsigned y, int color) { play.board.SetSquareColor(play.At(x, y), color, false); }
    BoardProgress& Progress() { return *play.board.GetProgress(); }

    PlayableBoard play;
    bool keepsAnalysis;
};

struct Boards {
    explicit Boards(unsigned attributes) : main(attributes, 0), other(attributes, 1) {}
    FakeBoardSettings settings;
    std::unique_ptr<BoardProgress> copy; // outlives the boards
    Play main;
    Play other;
};

struct JournalCase {
    const char* name;
    // Leaves main's board attached to the progress to check, refreshed.
    std::function<void(Boards&)> play;
};

void PlaySome(Play& play)
{
    play.Place(0, 0, 1);
    play.Toggle(1, 1, 2);
    play.Paint(2, 1, 3);
    play.Place(3, 2, 1);
}

} // namespace

TEST(BoardProgressJournalTest, DerivedStateMatchesAFreshBoardWhateverHappenedToTheProgress)
{
    const JournalCase cases[] = {
        {"a copy edited on another board, then attached",
         [](Boards& b) {
             PlaySome(b.main);
             b.copy = b.main.Progress().Clone();
             b.other.Attach(*b.copy);
             b.other.Place(1, 3, 2);
             b.other.Toggle(2, 2, 4);
             b.other.Paint(0, 2, 2);
             b.main.Attach(*b.copy);
             b.main.Place(2, 3, 4);
             b.other.Attach(*b.other.play.progress);
         }},
        {"the original edited on while its copy was attached",
         [](Boards& b) {
             PlaySome(b.main);
             b.copy = b.main.Progress().Clone();
             BoardProgress& original = b.main.Progress();
             b.main.Attach(*b.copy);
             b.main.Place(1, 0, 2);
             b.other.Attach(original);
             b.other.Place(1, 0, 3);
             b.other.Toggle(3, 3, 1);
             b.other.Attach(*b.other.play.progress);
             b.main.Attach(original);
         }},
        {"a record read over the progress",
         [](Boards& b) {
             PlaySome(b.main);
             puzzle_test::LoadedStream stream(
                 puzzle_test::WriteRecord(b.main.Progress(), RESOURCE_STREAM_FORMAT_BINARY));
             b.main.Place(1, 3, 2);
             b.main.Toggle(0, 1, 3);
             b.main.Progress().Read(*stream);
             b.main.Refresh();
         }},
        {"shared play copied from the other board",
         [](Boards& b) {
             PlaySome(b.main);
             b.other.Place(3, 3, 1);
             b.other.Toggle(0, 0, 2);
             b.main.Progress().CopySharedPlayFrom(b.other.Progress());
             b.main.Refresh();
         }},
        {"more edits elsewhere than the journal holds",
         [](Boards& b) {
             // The board last saw the journal's very start.
             BoardProgress& original = b.main.Progress();
             original.Reset();
             b.main.Refresh();
             b.main.play.board.SetProgress(nullptr);
             b.other.Attach(original);
             b.other.Place(1, 1, 4);
             for (int round = 0; round < 70; ++round) {
                 b.other.Toggle(static_cast<unsigned>(round % 4), 3, round % 4 + 1);
             }
             b.other.Attach(*b.other.play.progress);
             b.main.Attach(original);
         }},
        {"values taken back by undo",
         [](Boards& b) {
             PlaySome(b.main);
             b.main.Place(1, 1, 4);
             b.main.play.board.Undo();
             b.main.play.board.Undo();
             b.main.play.board.Undo();
         }},
        {"line eliminations switched off for one edit",
         [](Boards& b) {
             PlaySome(b.main);
             b.settings.useAutoElimination = false;
             b.main.Place(0, 3, 4);
             b.settings.useAutoElimination = true;
             b.main.Refresh();
         }},
    };
    for (unsigned attributes : {0u, SOLVING_ATTRIBUTE_HIDDEN_CAGES}) {
        for (const JournalCase& c : cases) {
            SCOPED_TRACE(Stringf("%s, attributes %u", c.name, attributes));
            Boards boards(attributes);
            c.play(boards);
            const auto copy = boards.main.Progress().Clone();
            Play fresh(attributes, 2, false);
            fresh.Attach(*copy);
            EXPECT_EQ(DerivedState(boards.main.play.board), DerivedState(fresh.play.board));
        }
    }
}

namespace {

// Everything a progress holds of one square, in one number.
uint64_t SquareState(const BoardProgress& progress, unsigned x, unsigned y)
{
    Square square;
    square.x = x;
    square.y = y;
    return uint64_t{progress.GetValue(square)} | uint64_t{static_cast<uint8_t>(progress.GetColorIndex(square))} << 8 |
           uint64_t{progress.GetPlayerEliminations(square)} << 16 | uint64_t{progress.GetAutoEliminations(square)} << 32;
}

uint64_t AutoSolutionMarks(const BoardProgress& progress, int cageIndex)
{
    uint64_t marks = 0;
    for (int solution = 0; solution < MAX_TRACKED_SOLUTIONS; ++solution) {
        marks |= uint64_t{progress.IsSolutionAutoEliminated(cageIndex, solution)} << solution;
    }
    return marks;
}

// What a reader kept of a progress, and what happened to the progress since.
struct Reading {
    Reading(const BoardProgress& read, int readerIndex) : progress(&read), reader(readerIndex)
    {
        squaresRevision = read.GetSquaresRevision();
        marksRevision = read.GetSolutionMarksRevision();
        autoRevision = read.GetAutoSolutionsRevision();
        for (unsigned y = 0; y < read.GetSize(); ++y) {
            for (unsigned x = 0; x < read.GetSize(); ++x) {
                squares.push_back(SquareState(read, x, y));
            }
        }
        for (int cage = 0; cage < static_cast<int>(read.GetNumberOfCages()); ++cage) {
            marks.push_back(read.GetEliminatedSolutions(cage));
            autoMarks.push_back(AutoSolutionMarks(read, cage));
        }
    }

    const BoardProgress* progress;
    int reader;
    uint64_t squaresRevision;
    uint64_t marksRevision;
    uint64_t autoRevision;
    std::vector<uint64_t> squares;
    std::vector<uint64_t> marks;
    std::vector<uint64_t> autoMarks;
    int writesSince = 0;       // square writes to the same progress, one revision each
    bool restartedSince = false; // a bulk change, or another progress's history
};

// Checks one kept reading against the progress as it is now.
void CheckReading(const Reading& kept, const BoardProgress& progress, const Reading& now)
{
    const SquareMask sentinel{0, uint64_t{1} << 63};
    SquareMask changed = sentinel;
    const bool isAnswered = progress.CollectChangedSquares(kept.squaresRevision, changed);
    if (!isAnswered) {
        EXPECT_EQ(changed, sentinel) << "a refused reader's set is left alone";
    }
    if (!kept.restartedSince && kept.writesSince <= 64) {
        EXPECT_TRUE(isAnswered) << kept.writesSince << " writes behind";
    }
    if (isAnswered && kept.squares.size() == now.squares.size()) {
        EXPECT_TRUE(changed.high >> 63) << "what the reader had collected is kept";
        for (size_t index = 0; index < now.squares.size(); ++index) {
            if (kept.squares[index] != now.squares[index]) {
                EXPECT_TRUE(changed.Has(static_cast<int>(index))) << "square " << index << " changed unnamed";
            }
        }
    }
    if (kept.squaresRevision == now.squaresRevision) {
        EXPECT_EQ(kept.squares, now.squares);
    }
    if (kept.marksRevision == now.marksRevision) {
        EXPECT_EQ(kept.marks, now.marks);
    }
    if (kept.autoRevision == now.autoRevision) {
        EXPECT_EQ(kept.autoMarks, now.autoMarks);
    }
}

} // namespace

// Two progresses edited at random, every kind of write mixed with copies,
// records, shared play and bulk changes. Readers kept at every revision must
// be told every square changed since, or be refused; a reader no more than
// the journal's 64 writes behind is never refused; an unchanged revision
// means unchanged squares and marks.
TEST(BoardProgressJournalTest, EveryReaderIsToldEverySquareChangedSinceItRead)
{
    const unsigned size = 6;
    const unsigned numCages = 4;
    BoardProgress progresses[2] = {BoardProgress(size, numCages), BoardProgress(size, numCages)};
    std::vector<Reading> readings;
    platform::CrtSrand(39);
    const auto random = [](int range) { return platform::CrtRand() % range; };
    for (int edit = 0; edit < 3000; ++edit) {
        const int which = random(4) == 0 ? 1 : 0;
        BoardProgress& progress = progresses[which];
        const BoardProgress& other = progresses[1 - which];
        Square square;
        square.x = static_cast<unsigned>(random(size));
        square.y = static_cast<unsigned>(random(size));
        const int candidate = random(size);
        const int cage = random(numCages);
        const int solution = random(MAX_TRACKED_SOLUTIONS);
        const bool set = random(2) == 0;
        const uint64_t revisionBefore = progress.GetSquaresRevision();
        bool isBulk = true;
        const int kind = random(1000);
        SCOPED_TRACE(Stringf("edit %d, kind %d on progress %d", edit, kind, which));
        // Bulk changes are rare enough for the journal to fill up between them.
        if (kind < 150) {
            progress.SetValue(square, static_cast<unsigned>(random(size + 1)));
            isBulk = false;
        } else if (kind < 250) {
            progress.SetColorIndex(square, random(7) - 1);
            isBulk = false;
        } else if (kind < 450) {
            progress.SetPlayerCandidateBit(square, candidate, set);
            isBulk = false;
        } else if (kind < 600) {
            progress.SetAutoCandidateBit(square, candidate, set);
            isBulk = false;
        } else if (kind < 700) {
            progress.SetAutoEliminations(square, static_cast<uint16_t>(random(1 << size)));
            isBulk = false;
        } else if (kind < 800) {
            progress.SetSolutionInvalidBit(cage, solution, set);
        } else if (kind < 900) {
            progress.SetSolutionAutoBit(cage, solution, set);
        } else if (kind < 990) {
            const uint64_t covered = uint64_t(random(1 << 15)) << random(48);
            progress.SetAutoEliminatedSolutions(cage, covered, uint64_t(random(1 << 15)) << random(48));
        } else if (kind < 993) {
            progress.ClearAutoEliminations();
        } else if (kind < 995) {
            progress.CopySharedPlayFrom(other);
        } else if (kind < 997) {
            puzzle_test::LoadedStream stream(puzzle_test::WriteRecord(other, RESOURCE_STREAM_FORMAT_BINARY));
            progress.Read(*stream);
        } else if (kind < 999) {
            progress = other;
        } else {
            progress.Reset();
        }
        const bool isWrite = progress.GetSquaresRevision() != revisionBefore;
        for (Reading& kept : readings) {
            if (kept.reader == which) {
                kept.restartedSince = kept.restartedSince || (isWrite && isBulk);
                kept.writesSince += isWrite ? 1 : 0;
            }
        }
        // Each reader is checked against each progress: revisions of one
        // history prove nothing about another.
        const Reading now[2] = {Reading(progresses[0], 0), Reading(progresses[1], 1)};
        for (const Reading& kept : readings) {
            CheckReading(kept, progresses[kept.reader], now[kept.reader]);
            Reading asOther = kept;
            asOther.restartedSince = true;
            CheckReading(asOther, progresses[1 - kept.reader], now[1 - kept.reader]);
        }
        if (::testing::Test::HasFailure()) {
            return;
        }
        // Readers up to a little past the journal's reach.
        readings.push_back(now[which]);
        readings.erase(std::remove_if(readings.begin(), readings.end(),
                                      [](const Reading& kept) { return kept.writesSince > 70; }),
                       readings.end());
        if (readings.size() > 200) {
            readings.erase(readings.begin());
        }
    }
}

// Every kind of edit the game makes, at random, each followed by the
// refresh the game makes: what the board keeps must stay what a board that
// never saw the progress works out, after every single edit.
TEST(BoardProgressJournalTest, DerivedStateMatchesAFreshBoardAfterEveryEditOfARandomPlay)
{
    for (unsigned attributes : {0u, SOLVING_ATTRIBUTE_HIDDEN_CAGES}) {
        Boards b(attributes);
        platform::CrtSrand(attributes + 7);
        const auto random = [](int range) { return platform::CrtRand() % range; };
        for (int edit = 0; edit < 250; ++edit) {
            const unsigned x = static_cast<unsigned>(random(4));
            const unsigned y = static_cast<unsigned>(random(4));
            const int kind = random(14);
            SCOPED_TRACE(Stringf("attributes %u, edit %d of kind %d", attributes, edit, kind));
            Board& board = b.main.play.board;
            switch (kind) {
            case 0:
            case 1: b.main.Place(x, y, random(5)); break;
            case 2:
            case 3: b.main.Toggle(x, y, random(4) + 1); break;
            case 4: b.main.Paint(x, y, random(8) - 1); break;
            case 5: board.Undo(); break;
            case 6: board.Redo(); break;
            case 7: {
                const Cage& cage = board.GetCages()[static_cast<size_t>(random(7))];
                board.MarkSolutionInvalid(cage.index, random(static_cast<int>(cage.solutions.size())), false);
                break;
            }
            case 8: b.main.Progress().ClearAutoEliminations(); break;
            case 9: b.settings.useAutoElimination = !b.settings.useAutoElimination; break;
            case 10:
                b.other.Place(x, y, random(5));
                b.main.Progress().CopySharedPlayFrom(b.other.Progress());
                break;
            case 11: {
                // Play goes on in a copy, or back in the board's own progress.
                if (&b.main.Progress() == b.main.play.progress.get()) {
                    auto copy = b.main.Progress().Clone();
                    b.main.Attach(*copy);
                    b.copy = std::move(copy);
                } else {
                    b.main.Attach(*b.main.play.progress);
                }
                break;
            }
            case 12: {
                puzzle_test::LoadedStream stream(
                    puzzle_test::WriteRecord(b.other.Progress(), RESOURCE_STREAM_FORMAT_BINARY));
                b.main.Progress().Read(*stream);
                break;
            }
            default:
                if (random(4) == 0) {
                    b.main.Progress().Reset();
                }
                break;
            }
            b.main.Refresh();
            const auto copy = b.main.Progress().Clone();
            Play fresh(attributes, 2, false);
            fresh.Attach(*copy);
            ASSERT_EQ(DerivedState(board), DerivedState(fresh.play.board));
        }
    }
}
