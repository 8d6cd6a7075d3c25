// Guards every solver step against change: solves a fixed set of generated
// puzzles through the chef and compares a digest of each step (technique,
// move, complexity, and the board state it leaves) and the final rating and
// par with the digests recorded when the set was chosen. Ratings and par are
// stored in recipe books and puzzle sets, and hints replay the steps, so a
// faster solver must find exactly the same steps in the same order.
#include "engine/core/Clock.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/board/Board.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/BoardSettingsInterface.h"
#include "game/puzzle/solver/SimpleBoardSolver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

using namespace Pemberquill;

namespace {

struct DigestCase {
    int generator;
    int size;
    int board1Attributes;
    int boardType2; // 0 = one board
    int board2Attributes;
    bool autoElimination;
    int seed;
    // Recorded from the solver as it was when the set was chosen.
    uint64_t stepDigest;
    int par;
    int hardestStep;
    bool solvable;
    float rating;
};

constexpr int SIMPLE = GENERATOR_TYPE_SIMPLE;
constexpr int HYBRID = GENERATOR_TYPE_HYBRID;
constexpr int HIDDEN = static_cast<int>(SOLVING_ATTRIBUTE_HIDDEN_CAGES);

const DigestCase CASES[] = {
    // generator, N, board 1, board 2 type, board 2, auto-elimination, seed: digest, par, hardest, solvable, rating
    {SIMPLE, 4, 0, 0, 0, true, 14, 0x3db6999bd1f8e7d6ull, 34, 14, true, 48.1999931f},
    {SIMPLE, 4, 0, 0, 0, true, 33, 0x05a05eff41028128ull, 22, 22, false, 45.9999962f},
    {SIMPLE, 5, 0, 0, 0, true, 1, 0x4c1cfd29e93c8c90ull, 64, 20, true, 102.899994f},
    {SIMPLE, 5, 0, 0, 0, true, 21, 0x33a1d1484b9fadc3ull, 71, 22, false, 144.100006f},
    {SIMPLE, 6, 0, 0, 0, true, 7, 0xef9117868dec187bull, 111, 21, true, 216.700012f},
    {SIMPLE, 6, 0, 0, 0, true, 27, 0x775a278c244aa545ull, 125, 21, false, 252.800079f},
    {SIMPLE, 6, 0, 0, 0, false, 36, 0x5f64b3d47a49c716ull, 194, 23, true, 592.500061f},
    {SIMPLE, 6, 0, 0, 0, false, 13, 0xe2295c291347cbd9ull, 185, 23, false, 618.199951f},
    {SIMPLE, 7, 0, 0, 0, true, 12, 0xcd70eef4bf3d55eaull, 170, 14, true, 292.900116f},
    {SIMPLE, 7, 0, 0, 0, true, 4, 0xfecb78aa744c8574ull, 206, 21, false, 437.900208f},
    {SIMPLE, 8, 0, 0, 0, true, 7, 0x1242babd23a3284full, 265, 20, true, 503.600342f},
    {SIMPLE, 8, 0, 0, 0, true, 20, 0xa7ef12f1d9ccfe0bull, 283, 22, false, 605.600037f},
    {SIMPLE, 9, 0, 0, 0, true, 6, 0xde0c128e75300038ull, 374, 14, true, 703.098877f},
    {SIMPLE, 9, 0, 0, 0, true, 25, 0x4efd37d2c7cf86a5ull, 401, 22, false, 866.39978f},
    {SIMPLE, 9, 0, 0, 0, false, 7, 0xf7f7174352abccc2ull, 648, 23, true, 2210.49927f},
    {SIMPLE, 9, 0, 0, 0, false, 25, 0xfa0891a2cc49d496ull, 648, 23, false, 2101.39844f},
    {SIMPLE, 6, 0, 1, 0, true, 18, 0x38906c1f438de4b5ull, 91, 12, true, 129.600006f},
    {SIMPLE, 6, 0, 1, 0, true, 39, 0xdc2d8fe1bb291716ull, 77, 14, false, 113.499992f},
    {HYBRID, 4, 0, 0, 0, true, 20, 0x7c441657baa4b459ull, 37, 12, true, 56.5999908f},
    {HYBRID, 4, 0, 0, 0, true, 33, 0xf90399514d696ce2ull, 31, 22, false, 73.6999893f},
    {HYBRID, 6, 0, 0, 0, true, 28, 0x790099d21818db83ull, 119, 21, true, 225.700012f},
    {HYBRID, 6, 0, 0, 0, true, 26, 0x97f4e123cb80c5c5ull, 111, 14, false, 190.100098f},
    {HYBRID, 7, 0, 0, 0, false, 27, 0x2406d5a0cdda86e5ull, 290, 23, true, 993.599854f},
    {HYBRID, 7, 0, 0, 0, false, 34, 0x5bbb5df6c0e10ff6ull, 269, 23, false, 956.199768f},
    {HYBRID, 9, 0, 0, 0, true, 21, 0xeede427da1fc3227ull, 362, 22, false, 811.699524f},
    {HYBRID, 4, HIDDEN, 0, 0, true, 20, 0xe6532055aacb9a13ull, 46, 27, true, 91.5999908f},
    {HYBRID, 4, HIDDEN, 0, 0, true, 28, 0x35abccfdc51b99f6ull, 39, 27, false, 83.7999954f},
    {HYBRID, 5, HIDDEN, 0, 0, true, 24, 0x283e4e4f52246869ull, 79, 27, true, 167.600021f},
    {HYBRID, 5, HIDDEN, 0, 0, true, 30, 0xecc079d43aab1ff1ull, 74, 25, false, 164.100006f},
    {HYBRID, 6, HIDDEN, 0, 0, true, 21, 0x0300f037d9d40da8ull, 136, 27, true, 289.700134f},
    {HYBRID, 6, HIDDEN, 0, 0, true, 13, 0x658bd7d97212dcebull, 121, 27, false, 259.900116f},
    {HYBRID, 9, HIDDEN, 0, 0, true, 33, 0x69533c64913b7626ull, 261, 27, false, 703.000183f},
    {HYBRID, 5, 0, 1, HIDDEN, true, 30, 0x676cc0bf574b93d0ull, 95, 27, true, 212.299988f},
    {HYBRID, 5, 0, 1, HIDDEN, true, 9, 0x9fd0bd78f312981cull, 75, 26, false, 148.199982f},
};

class Settings final : public BoardSettingsInterface {
public:
    explicit Settings(bool autoElimination) : m_autoElimination(autoElimination) { SetBoardSettings(this); }
    ~Settings() { SetBoardSettings(nullptr); }
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    bool IsPaintingCages() const override { return false; }
    int GetPaintColorIndex() const override { return -1; }
    bool UseAutoElimination() const override { return m_autoElimination; }
    bool IsAutoSolving() const override { return true; }
    bool IsShiftKeyDown() const override { return false; }
    bool IsCtrlKeyDown() const override { return false; }

private:
    bool m_autoElimination;
};

// FNV-1a over 32-bit words.
class Digest {
public:
    void Add(int64_t word)
    {
        m_hash ^= static_cast<uint64_t>(word);
        m_hash *= 0x100000001b3ull;
    }
    void Add(float value)
    {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        Add(static_cast<int64_t>(bits));
    }
    uint64_t Value() const { return m_hash; }

private:
    uint64_t m_hash = 0xcbf29ce484222325ull;
};

void AddStep(Digest& digest, const PuzzleStep& next)
{
    const BoardMove& move = next.step.move;
    digest.Add(int64_t{next.step.stepId});
    digest.Add(next.step.complexity);
    for (const int field : {move.type, move.x, move.y, move.data, move.extraData, move.rowIndex, move.columnIndex,
                            move.numCandidatesInvolved, move.originatingBoardIndex}) {
        digest.Add(int64_t{field});
    }
}

// Values, paint and both candidate masks of every square; both solution
// marks of every cage.
void AddBoardState(Digest& digest, const Board& board)
{
    const BoardProgress& progress = *board.GetProgress();
    for (const Square& square : board.GetSquares()) {
        digest.Add(int64_t{progress.GetValue(square)});
        digest.Add(int64_t{progress.GetColorIndex(square)});
        digest.Add(int64_t{progress.GetPlayerEliminations(square)});
        digest.Add(int64_t{progress.GetAutoEliminations(square)});
    }
    for (const Cage& cage : board.GetCages()) {
        for (int i = 0; i < static_cast<int>(cage.solutions.size()); ++i) {
            digest.Add(int64_t{progress.IsSolutionMarkedInvalid(cage.index, i)} * 2 +
                       progress.IsSolutionAutoEliminated(cage.index, i));
        }
    }
}

class SolverStepDigestTest : public ::testing::TestWithParam<DigestCase> {
protected:
    void SetUp() override { chef.Startup(&clock); }

    ServedPuzzle Build(const DigestCase& digestCase)
    {
        PuzzleRequest request(digestCase.size, 0, 1, digestCase.board1Attributes, digestCase.boardType2,
                              digestCase.board2Attributes, SOLVABILITY_EITHER);
        request.generatorTypeIndex = digestCase.generator;
        PuzzleDescriptor descriptor = PuzzleChef::InitDescriptorFromRequest(request);
        descriptor.SetSeed(digestCase.seed);
        ServedPuzzle served;
        served.puzzle = chef.CreatePuzzleFromDescriptor(descriptor, &clock, true);
        if (served.puzzle != nullptr) {
            served.progress = std::make_unique<PuzzleProgress>(served.puzzle->GetPuzzleID());
            served.puzzle->SetProgress(served.progress.get());
        }
        return served;
    }

    // The solve as the chef runs it, one digest entry per step.
    uint64_t DigestSteps(Puzzle& puzzle)
    {
        Digest digest;
        puzzle.Start();
        for (int calls = 0; calls < MAX_SOLVE_STEPS; ++calls) {
            const PuzzleStep next = chef.FindNextPuzzleStep(puzzle);
            AddStep(digest, next);
            if (next.isMistake || next.step.stepId <= STEP_ID_BOARD_SOLVED) {
                break;
            }
            puzzle.ApplyHintMove(next.board, next.step.move);
            for (const std::unique_ptr<Board>& board : puzzle.GetBoards()) {
                AddBoardState(digest, *board);
            }
        }
        puzzle.Restart();
        return digest.Value();
    }

    Clock clock;
    PuzzleChef chef;
};

TEST_P(SolverStepDigestTest, StepsRatingAndParAreUnchanged)
{
    const DigestCase& expected = GetParam();
    const Settings settings(expected.autoElimination);
    ServedPuzzle served = Build(expected);
    ASSERT_TRUE(served);

    const uint64_t stepDigest = DigestSteps(*served.puzzle);
    const SolveResult result = chef.SolvePuzzle(*served.puzzle);

    EXPECT_EQ(expected.stepDigest, stepDigest) << std::hex << "0x" << stepDigest;
    EXPECT_EQ(expected.par, result.steps);
    EXPECT_EQ(expected.hardestStep, result.hardestStep);
    EXPECT_EQ(expected.solvable, result.isSolvable);
    EXPECT_EQ(expected.rating, result.rating) << std::hexfloat << result.rating;
}

std::string CaseName(const ::testing::TestParamInfo<DigestCase>& info)
{
    const DigestCase& c = info.param;
    std::string name = (c.generator == SIMPLE ? "Simple" : "Hybrid") + std::to_string(c.size);
    name += c.board1Attributes != 0 ? "Hidden" : "";
    name += c.boardType2 != 0 ? (c.board2Attributes != 0 ? "AndHidden" : "TwoBoards") : "";
    name += c.autoElimination ? "" : "ManualElimination";
    return name + "Seed" + std::to_string(c.seed);
}

INSTANTIATE_TEST_SUITE_P(FixedPuzzles, SolverStepDigestTest, ::testing::ValuesIn(CASES), CaseName);

} // namespace
