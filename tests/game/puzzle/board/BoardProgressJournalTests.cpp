// A board keeps what it works out from its progress (automatic eliminations
// and solution marks) and later reads only the squares the progress's
// journal names as changed. Whatever happened to the progress meanwhile
// (copied and edited elsewhere, read from a record, shared play, more edits
// than the journal holds, undo, the line setting switched), the board must
// end where a board that never saw the progress ends.
#include "engine/core/Diagnostics.h"
#include "tests/game/puzzle/PuzzleTestSupport.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"

#include <gtest/gtest.h>

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
