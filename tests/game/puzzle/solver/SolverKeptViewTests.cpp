// A solver keeps what it read of a board from one step to the next and
// passes over what gave nothing before. Whatever happens to its boards in
// between (another board asked, the progress swapped, moves undone, the
// play reset, solutions marked by the player), it must find exactly the step
// a fresh solver finds.
#include "engine/core/Diagnostics.h"
#include "game/puzzle/generation/HybridBoardGenerator.h"
#include "game/puzzle/solver/HiddenCageSolver.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"
#include "game/puzzle/solver/StepView.h"
#include "platform/crt/CrtRandom.h"
#include "tests/game/puzzle/board/BoardPlaySupport.h"
#include "tests/support/GeneratedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>

using namespace Pemberquill;

namespace {

enum class Between { OTHER_BOARD, SWAPPED_PROGRESS, UNDO, RESET, MARKED };

struct KeptViewCase {
    const char* name;
    bool hidden;
    Between between;
};

// A generated board, started as a puzzle starts it.
struct PlayedBoard {
    PlayedBoard(bool hidden, unsigned seed, Clock& clock)
    {
        HybridBoardGenerator generator;
        GeneratorRecipe recipe;
        recipe.size = hidden ? 5 : 6;
        recipe.solvingAttributes = hidden ? SOLVING_ATTRIBUTE_HIDDEN_CAGES : 0;
        built = BuildGeneratedBoard(generator, seed, recipe, clock);
        progress = built.board->CreateProgress(false);
        Attach(progress.get());
        if (hidden) {
            built.board->BuildHiddenCageShapes();
        }
    }
    ~PlayedBoard() { built.board->SetProgress(nullptr); }
    void Attach(BoardProgress* attached)
    {
        built.board->SetProgress(attached);
        built.board->RecomputeAutoEliminations();
        built.board->UpdateCageSolutions();
    }

    GeneratedBoard built;
    std::unique_ptr<BoardProgress> progress;
};

// The player rules out every open solution but the first of the first cage
// with two or more open; returns the marks made.
int MarkSolutions(Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    for (const Cage& cage : board.GetCages()) {
        const size_t tracked = std::min<size_t>(cage.solutions.size(), MAX_TRACKED_SOLUTIONS);
        const uint64_t open = ~progress.GetEliminatedSolutions(cage.index) &
                              (tracked == 64 ? ~uint64_t{0} : (uint64_t{1} << tracked) - 1u);
        if ((open & (open - 1u)) != 0) {
            int marks = 0;
            for (uint64_t rest = open & (open - 1u); rest != 0; rest &= rest - 1u, ++marks) {
                board.MarkSolutionInvalid(cage.index, __builtin_ctzll(rest), false);
            }
            return marks;
        }
    }
    return 0;
}

std::unique_ptr<BoardSolver> MakeSolver(bool hidden)
{
    return hidden ? std::unique_ptr<BoardSolver>(std::make_unique<HiddenCageSolver>())
                  : std::make_unique<SimpleBoardSolver>();
}

std::string Describe(const StepResult& step)
{
    const BoardMove& move = step.move;
    return Stringf("id %d move %d (%d, %d) %d/%d row %d column %d k %d", step.stepId, move.type, move.x, move.y,
                   move.data, move.extraData, move.rowIndex, move.columnIndex, move.numCandidatesInvolved);
}

class SolverKeptViewTest : public ::testing::TestWithParam<KeptViewCase> {};

TEST_P(SolverKeptViewTest, AKeptSolverFindsTheStepAFreshOneFinds)
{
    const KeptViewCase& kept = GetParam();
    FakeBoardSettings settings;
    Clock clock;
    PlayedBoard played(kept.hidden, 11, clock);
    PlayedBoard other(kept.hidden, 12, clock);
    ASSERT_TRUE(played.built.generated && other.built.generated);
    Board& board = *played.built.board;
    const std::unique_ptr<BoardSolver> solver = MakeSolver(kept.hidden);
    std::unique_ptr<BoardProgress> earlier;

    for (int call = 0; call < MAX_SOLVE_STEPS; ++call) {
        // Every other step is asked of the other board.
        Board& asked = kept.between == Between::OTHER_BOARD && call % 2 == 1 ? *other.built.board : board;
        const StepResult expected = MakeSolver(kept.hidden)->FindNextStep(asked, true);
        ASSERT_EQ(Describe(expected), Describe(solver->FindNextStep(asked, true))) << "step " << call;
        if (kept.between == Between::MARKED) {
            // Marks made after the solver read the board, taken back before
            // its step is made.
            const int marks = MarkSolutions(board);
            ASSERT_EQ(Describe(MakeSolver(false)->FindNextStep(board, true)),
                      Describe(solver->FindNextStep(board, true)))
                << "marked at step " << call;
            for (int undone = 0; undone < marks; ++undone) {
                board.Undo();
            }
        }
        if (expected.stepId <= STEP_ID_BOARD_SOLVED && &asked == &board) {
            return;
        }
        solver->FindNextStep(asked, false);
        if (call % 4 != 3) {
            continue;
        }
        switch (kept.between) {
        case Between::OTHER_BOARD: break;
        case Between::SWAPPED_PROGRESS:
            // Back to the play of eight steps ago, in another progress.
            if (call == 3) {
                earlier = played.progress->Clone();
            } else if (call == 11) {
                played.Attach(earlier.get());
                played.progress.swap(earlier);
            }
            break;
        case Between::UNDO:
            board.Undo();
            board.Undo();
            break;
        case Between::RESET:
            if (call == 15) {
                played.progress->Reset();
                played.Attach(played.progress.get());
            }
            break;
        case Between::MARKED: break;
        }
    }
    FAIL() << "no end";
}

const KeptViewCase CASES[] = {
    {"OtherBoard", false, Between::OTHER_BOARD},   {"SwappedProgress", false, Between::SWAPPED_PROGRESS},
    {"Undo", false, Between::UNDO},                {"Reset", false, Between::RESET},
    {"HiddenUndo", true, Between::UNDO},           {"HiddenOtherBoard", true, Between::OTHER_BOARD},
    {"Marked", false, Between::MARKED},
};

INSTANTIATE_TEST_SUITE_P(Disturbances, SolverKeptViewTest, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<KeptViewCase>& info) { return info.param.name; });

// What each unit of a board reads, so that a test can tell which units an
// edit changed: per square its value, open candidates and, where cages are
// hidden, paint; a cage its squares, for Comparisons its squares' compared
// neighbours, and its ruled-out solutions; a line its squares.
struct UnitReads {
    UnitReads(const Board& board, const StepView& fresh)
    {
        const BoardProgress& progress = *board.GetProgress();
        const unsigned size = board.GetSize();
        const auto read = [&](unsigned x, unsigned y) {
            const Square& square = board.GetSquare(x, y);
            const int paint = board.HasHiddenCages() ? progress.GetColorIndex(square) : 0;
            return Stringf("%u/%x/%d ", progress.GetValue(square), fresh.present[y * size + x], paint);
        };
        for (const Cage& cage : board.GetCages()) {
            std::string reads = Stringf("%llx:", static_cast<unsigned long long>(progress.GetEliminatedSolutions(cage.index)));
            for (const Square* square : cage.squares) {
                reads += read(square->x, square->y);
                for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                    const int x = static_cast<int>(square->x) + dx;
                    const int y = static_cast<int>(square->y) + dy;
                    if (cage.rule == CAGE_RULE_COMPARISONS && board.IsInside(x, y) &&
                        board.GetSquare(unsigned(x), unsigned(y)).cageIndex == square->cageIndex) {
                        reads += read(unsigned(x), unsigned(y));
                    }
                }
            }
            cages.push_back(reads);
        }
        lines.resize(2 * MAX_BOARD_SIZE);
        for (unsigned a = 0; a < size; ++a) {
            for (unsigned b = 0; b < size; ++b) {
                lines[StepView::LineOfRow(a)] += read(b, a);
                lines[StepView::LineOfColumn(a)] += read(a, b);
            }
        }
    }

    std::vector<std::string> cages;
    std::vector<std::string> lines;
};

// The line a cage of two or more squares in one line lies in, or none.
size_t LineOfCage(const Cage& cage)
{
    if (cage.squares.size() < 2 || !cage.IsInOneLine()) {
        return SIZE_MAX;
    }
    const Square& first = *cage.squares[0];
    return cage.squares[1]->y == first.y ? StepView::LineOfRow(first.y) : StepView::LineOfColumn(first.x);
}

// Everything the kept view holds, as the techniques read it; the units to
// scan aside.
std::string ViewReads(StepView& view, const Board& board)
{
    const size_t numSquares = size_t{view.size} * view.size;
    std::string reads = Stringf("%u %d |", view.size, view.emptySquares);
    for (size_t index = 0; index < numSquares; ++index) {
        reads += Stringf("%x%c", view.present[index], view.isEmpty[index] ? 'e' : 'f');
    }
    reads += " |";
    for (size_t position = 0; position < board.GetCages().size(); ++position) {
        reads += Stringf("%d ", view.cageEmpties[position]);
    }
    reads += " | singles";
    for (size_t index = view.NextSingleCandidate(0); index < numSquares; index = view.NextSingleCandidate(index + 1)) {
        if (view.present[index] != 0 && (view.present[index] & (view.present[index] - 1u)) == 0) {
            reads += Stringf(" %zu", index);
        }
    }
    reads += " | once";
    for (unsigned once : view.GetValuesOpenOnce()) {
        reads += Stringf(" %x", once);
    }
    return reads;
}

// After every edit a kept view must read what a fresh one reads, and must
// give back to each technique every unit the edit changed, though the
// technique had found nothing there before: the next step may well be
// there. A step found the same way can hide a kept view gone stale; the
// view itself cannot.
TEST(SolverKeptViewTest, AfterEveryEditTheKeptViewReadsAsAFreshOneAndRescansEveryChangedUnit)
{
    FakeBoardSettings settings;
    Clock clock;
    for (bool hidden : {false, true}) {
        PlayedBoard played(hidden, 21, clock);
        ASSERT_TRUE(played.built.generated);
        Board& board = *played.built.board;
        std::unique_ptr<BoardProgress> spare = played.progress->Clone();
        StepView kept;
        std::unique_ptr<UnitReads> before;
        platform::CrtSrand(hidden ? 5 : 6);
        const auto random = [](int range) { return platform::CrtRand() % range; };
        const unsigned size = board.GetSize();
        for (int edit = 0; edit < 300; ++edit) {
            SCOPED_TRACE(Stringf("%s board, edit %d", hidden ? "hidden-cage" : "plain", edit));
            StepView fresh;
            fresh.Take(board);
            kept.Take(board);
            ASSERT_EQ(ViewReads(kept, board), ViewReads(fresh, board));
            const UnitReads now(board, fresh);
            const std::vector<Cage>& cages = board.GetCages();
            for (size_t position = 0; position < cages.size(); ++position) {
                const bool changed = before == nullptr || before->cages[position] != now.cages[position];
                const size_t line = LineOfCage(cages[position]);
                const bool lineChanged = line != SIZE_MAX && (before == nullptr || before->lines[line] != now.lines[line]);
                const bool anyChanged = before == nullptr || before->cages != now.cages || before->lines != now.lines;
                for (int slot = 0; slot < NUM_FRUITLESS_SLOTS; ++slot) {
                    const bool isCageSlot = slot < NUM_CAGE_SLOTS;
                    const bool due = slot == FRUITLESS_COMBINATION_ELSEWHERE ? false
                                     : hidden                                ? anyChanged
                                     : isCageSlot                            ? changed
                                                                             : changed || lineChanged;
                    if (due) {
                        ASSERT_EQ(kept.NextToScan(FruitlessSlot(slot), position), position)
                            << "cage " << position << " not rescanned by technique " << slot;
                    }
                }
            }
            for (unsigned a = 0; a < size; ++a) {
                for (size_t line : {StepView::LineOfRow(a), StepView::LineOfColumn(a)}) {
                    if (before == nullptr || before->lines[line] != now.lines[line]) {
                        ASSERT_EQ(kept.NextToScan(FRUITLESS_COMBINATION_ELSEWHERE, line), line)
                            << "line " << line << " not rescanned";
                    }
                }
            }
            // Every scan finds nothing: only what changes from here on is
            // to be scanned next time.
            for (int slot = 0; slot < NUM_FRUITLESS_SLOTS; ++slot) {
                for (size_t unit = 0; unit < 128; ++unit) {
                    kept.MarkFruitless(FruitlessSlot(slot), unit);
                }
            }
            kept.Release();
            fresh.Release();
            before = std::make_unique<UnitReads>(now);

            const Square& square = board.GetSquare(unsigned(random(int(size))), unsigned(random(int(size))));
            switch (random(12)) {
            case 0: board.SetSquareValue(square, int(square.solutionValue), false, false); break;
            case 1: board.SetSquareValue(square, random(int(size) + 1), false, false); break;
            case 2:
            case 3: board.ToggleCandidate(square, random(int(size)) + 1, false); break;
            case 4: board.Undo(); break;
            case 5: board.Redo(); break;
            case 6: {
                const Cage& cage = cages[size_t(random(int(cages.size())))];
                board.MarkSolutionInvalid(cage.index, random(int(std::max<size_t>(cage.solutions.size(), 1))), false);
                break;
            }
            case 7: board.SetSquareColor(square, random(4) - 1, false); break;
            case 8: MarkSolutions(board); break;
            case 9:
                // Play goes on in the other progress.
                played.Attach(spare.get());
                played.progress.swap(spare);
                break;
            case 10:
                if (random(5) == 0) {
                    played.progress->Reset();
                }
                break;
            default: board.Redo(); break;
            }
            board.RecomputeAutoEliminations();
            board.UpdateCageSolutions();
        }
    }
}

} // namespace
