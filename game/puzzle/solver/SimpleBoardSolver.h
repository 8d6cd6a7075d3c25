#pragma once

#include "game/puzzle/board/Board.h"
#include "game/puzzle/solver/AssignmentSearch.h"
#include "game/puzzle/solver/BoardSolver.h"
#include "game/puzzle/solver/StepView.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

namespace Pemberquill {

// A solve gives up after this many calls of the step function.
constexpr int MAX_SOLVE_STEPS = 10000;

// The indices of a cage's remaining solutions in list order, walked over
// the progress's marks without building a list. Solutions past the tracked
// ones are never marked, so they always remain.
class RemainingSolutions {
public:
    // Walks from the solution at from on.
    RemainingSolutions(uint64_t eliminated, int count, int from = 0)
        : m_eliminated(eliminated), m_count(count), m_from(from)
    {
    }

    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = int;
        using difference_type = std::ptrdiff_t;
        using pointer = const int*;
        using reference = int;

        Iterator(const RemainingSolutions& range, int index) : m_range(&range), m_index(index) { SkipEliminated(); }
        int operator*() const { return m_index; }
        Iterator& operator++()
        {
            ++m_index;
            SkipEliminated();
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_index == other.m_index; }
        bool operator!=(const Iterator& other) const { return m_index != other.m_index; }

    private:
        // Jumps to the next open mark in one bit scan: a cage may list many
        // solutions, most of them ruled out late in a solve.
        void SkipEliminated()
        {
            if (m_index < MAX_TRACKED_SOLUTIONS && m_index < m_range->m_count) {
                const uint64_t open = ~m_range->m_eliminated >> m_index;
                m_index = open != 0 ? m_index + __builtin_ctzll(open) : MAX_TRACKED_SOLUTIONS;
            }
            m_index = std::min(m_index, std::max(m_range->m_count, 0));
        }
        const RemainingSolutions* m_range;
        int m_index;
    };

    Iterator begin() const { return Iterator(*this, m_from); }
    Iterator end() const { return Iterator(*this, m_count); }
    bool IsEmpty() const { return !(begin() != end()); }
    // The only remaining solution; -1 when none or several remain.
    int GetOnly() const
    {
        Iterator first = begin();
        if (!(first != end())) {
            return -1;
        }
        const int index = *first;
        return ++first != end() ? -1 : index;
    }

private:
    uint64_t m_eliminated;
    int m_count;
    int m_from;
};

// The solver of ordinary boards: value placing, candidate elimination and
// cage-solution reasoning, in one fixed order. Derived solvers put their
// own techniques in front by trying their own list first and falling back
// on SimpleBoardSolver::FindNextStep.
class SimpleBoardSolver : public BoardSolver {
public:
    SolveResult SolveBoard(Board& board) override;
    StepResult FindNextStep(Board& board, bool describeOnly) override;

    // Every square holds a value.
    static bool IsBoardSolved(const Board& board);

    // The rating of a solve: the complexity sum scaled by the hardest step,
    // in the precisions stored ratings were made with.
    static float ScaleRating(float complexitySum, int hardestStep);

protected:
    // Stores the describe-only flag for the techniques of this step.
    void BeginStep(const Board& board, bool describeOnly);

    // --- The board as the techniques read it ---
    // Bit c set = value c + 1 is still open in the square; 0 for a filled
    // square.
    static uint16_t GetPresentCandidates(const Board& board, const Square& square)
    {
        const BoardProgress& progress = *board.GetProgress();
        if (progress.GetValue(square) != 0) {
            return 0;
        }
        const unsigned allCandidates = (1u << board.GetSize()) - 1u;
        return static_cast<uint16_t>(allCandidates & ~static_cast<unsigned>(progress.GetEliminations(square)));
    }
    static bool IsCandidatePresent(const Board& board, const Square& square, int value)
    {
        return value >= 1 && value <= static_cast<int>(board.GetSize()) &&
               ((GetPresentCandidates(board, square) >> (value - 1)) & 1u) != 0;
    }
    static bool IsSquareEmpty(const Board& board, const Square& square) { return board.GetSquareValue(square) == 0; }
    // Neither marked invalid nor ruled out automatically.
    static bool IsSolutionRemaining(const Board& board, const Cage& cage, int solutionIndex)
    {
        return !board.GetProgress()->IsSolutionEliminated(cage.index, solutionIndex);
    }
    // Indices of the remaining solutions, in list order, walked without a
    // list.
    static RemainingSolutions WalkRemainingSolutions(const Board& board, const Cage& cage, int from = 0)
    {
        return RemainingSolutions(board.GetProgress()->GetEliminatedSolutions(cage.index),
                                  static_cast<int>(cage.solutions.size()), from);
    }
    // What most cage techniques look at: a cage with solutions, an empty
    // square left, and its extent settled.
    static bool PassesCommonCageFilter(const Board& board, const Cage& cage);
    // The cage's squares that parity and solution eliminations may touch:
    // all of them, or on hidden-cage boards only those already painted.
    static std::vector<Square*> GetSquaresForElimination(const Board& board, const Cage& cage);
    // The same without a copy on boards whose cages are visible; scratch
    // holds the painted squares on hidden-cage boards.
    static const std::vector<Square*>& GetSquaresForElimination(const Board& board, const Cage& cage,
                                                                std::vector<Square*>& scratch);

    // --- Cage measures, kept for the step while a StepMeasureScope lives ---
    // The board does not change within a step until its one edit, which
    // ends the step; CountSquaresInCageColor, GetMaxSolutionSize and
    // IsPaintComplete walk the board and are asked of every cage by many
    // techniques.
    class StepMeasureScope {
    public:
        explicit StepMeasureScope(SimpleBoardSolver& solver);
        ~StepMeasureScope() { --m_solver.m_measureDepth; }
        StepMeasureScope(const StepMeasureScope&) = delete;
        StepMeasureScope& operator=(const StepMeasureScope&) = delete;

    private:
        SimpleBoardSolver& m_solver;
    };
    int CountPaintedInCageColor(const Board& board, const Cage& cage);
    int GetMaxSolutionSize(const Board& board, const Cage& cage);
    bool IsPaintComplete(const Board& board, const Cage& cage);

    // --- The step's one edit ---
    // Each makes the edit in the step's describe-only mode and copies the
    // board's move into the step; false, with nothing changed, when the
    // board refuses the edit.
    bool PlaceValue(Board& board, const Square& square, int value, StepResult& step) const;
    bool RemoveCandidate(Board& board, const Square& square, int value, StepResult& step) const;
    // The move also carries the cage index as its data and the solution
    // index as its extra data.
    bool DeclareSolutionInvalid(Board& board, const Cage& cage, int solutionIndex, StepResult& step) const;
    bool PaintSquare(Board& board, const Square& square, int colorIndex, StepResult& step) const;

    // --- Value placing and candidate elimination (SolverValueTechniques.cpp) ---
    bool StepBoardSolved(Board& board, StepResult& step);
    bool StepSingleSquareCage(Board& board, StepResult& step);
    bool StepOnlyCandidateLeft(Board& board, StepResult& step);
    bool StepValueAlreadyPlaced(Board& board, StepResult& step);
    bool StepOddInEvenCage(Board& board, StepResult& step);
    bool StepEvenInOddCage(Board& board, StepResult& step);
    bool StepLowerCageNoMax(Board& board, StepResult& step);
    bool StepHigherCageNoMin(Board& board, StepResult& step);
    bool StepBelowLowestOfLowerCage(Board& board, StepResult& step);
    bool StepAboveHighestOfHigherCage(Board& board, StepResult& step);
    bool StepOnlyLocationForValue(Board& board, StepResult& step);
    bool StepCombinationElsewhere(Board& board, StepResult& step);

    // --- Cage-solution reasoning (SolverCageTechniques.cpp) ---
    bool StepLastValueOfOnlySolution(Board& board, StepResult& step);
    bool StepNoSolutionUsesCandidate(Board& board, StepResult& step);
    bool StepOnlySolutionLacksNumber(Board& board, StepResult& step);
    bool StepUniqueOrderedSolution(Board& board, StepResult& step);
    bool StepRemoveLinearDuplicateSolutions(Board& board, StepResult& step);
    bool StepRemoveSolutionsByPlacedValues(Board& board, StepResult& step);
    bool StepRemoveSolutionsByRemovedCandidates(Board& board, StepResult& step);
    bool StepRequiredByOtherCage(Board& board, StepResult& step);
    bool StepDependentsNotValidated(Board& board, StepResult& step);
    bool StepDuplicateDependentsLinear(Board& board, StepResult& step);

private:
    // The board as the techniques of one FindNextStep read it, taken when
    // the step begins: a technique that edits the board ends the step, so
    // none reads the board after another has changed it. Techniques called
    // on their own read the board itself.
    class StepViewScope {
    public:
        StepViewScope(SimpleBoardSolver& solver, const Board& board);
        ~StepViewScope() { m_solver.m_view.Release(); }
        StepViewScope(const StepViewScope&) = delete;
        StepViewScope& operator=(const StepViewScope&) = delete;

    private:
        SimpleBoardSolver& m_solver;
    };
    size_t ViewIndex(const Square& square) const { return square.y * m_view.size + square.x; }
    uint16_t Present(const Board& board, const Square& square) const
    {
        return m_view.isTaken ? m_view.present[ViewIndex(square)] : GetPresentCandidates(board, square);
    }
    uint16_t PresentAt(const Board& board, unsigned x, unsigned y) const
    {
        return m_view.isTaken ? m_view.present[y * m_view.size + x] : GetPresentCandidates(board, board.GetSquare(x, y));
    }
    bool HasCandidate(const Board& board, const Square& square, int value) const
    {
        return value >= 1 && value <= static_cast<int>(board.GetSize()) &&
               ((Present(board, square) >> (value - 1)) & 1u) != 0;
    }
    bool IsEmpty(const Board& board, const Square& square) const
    {
        return m_view.isTaken ? m_view.isEmpty[ViewIndex(square)] : IsSquareEmpty(board, square);
    }
    bool IsFilled(const Board& board, const Cage& cage) const
    {
        return m_view.isTaken ? ViewCageEmpties(board, cage) == 0 : cage.AreAllSquaresFilled(board);
    }
    // Without a view: -1, to be counted.
    int CountEmptyInView(const Board& board, const Cage& cage) const
    {
        return m_view.isTaken ? ViewCageEmpties(board, cage) : -1;
    }
    int ViewCageEmpties(const Board& board, const Cage& cage) const
    {
        return m_view.cageEmpties[static_cast<size_t>(&cage - board.GetCages().data())];
    }
    // PassesCommonCageFilter, through the view.
    bool PassesCageFilter(const Board& board, const Cage& cage)
    {
        return !cage.solutions.empty() && !IsFilled(board, cage) && IsPaintComplete(board, cage);
    }

    // Tries each cage in list order until tryCage makes its edit, passing
    // over the cages the view has dropped from the technique's scan (see
    // BoardStepMemo). tryCage may read of the board only its size, its
    // cages' structure, answers and solution lists, and the cage's own
    // squares and eliminated solutions (on hidden-cage boards anything on
    // the board: there any change puts every cage back); besides, a
    // Comparisons cage's compared neighbours, and for
    // FRUITLESS_REQUIRED_BY_OTHER_CAGE the line the cage lies in.
    template <typename TryCage>
    bool ScanCages(const Board& board, FruitlessSlot slot, TryCage&& tryCage)
    {
        const std::vector<Cage>& cages = board.GetCages();
        for (size_t position = m_view.NextToScan(slot, 0); position < cages.size();
             position = m_view.NextToScan(slot, position + 1)) {
            if (tryCage(cages[position])) {
                return true;
            }
            m_view.MarkFruitless(slot, position);
        }
        return false;
    }

    // --- Compared neighbours (SolverValueTechniques.cpp) ---
    // Per square of a Comparisons cage, in the cage's order: bit k for each
    // neighbour, in the order column - 1, column + 1, row - 1, row + 1, in
    // the square's own cage whose answer is greater (bits 0 to 3) or
    // smaller (bits 4 to 7) than the square's. They read only the squares'
    // answers and cages, which the generator settles before it lists the
    // cages' solutions, so they are kept per cage position while the cage
    // keeps its list: the same solutions stamp (new for every list, on any
    // board), the same squares list and length. A cage without a stamp is
    // worked out afresh every time.
    struct ComparedCage {
        unsigned solutionsStamp = 0;
        Square* const* squaresData = nullptr;
        size_t numSquares = 0;
        std::vector<uint8_t> bits;
    };
    // The cage lies at position in the board's cage list.
    const std::vector<uint8_t>& GetComparedNeighbours(const Board& board, const Cage& cage, size_t position);
    const std::vector<uint8_t>& WorkOutComparedNeighbours(const Board& board, const Cage& cage, size_t position);
    // The comparison techniques share their walk over Comparisons cages;
    // examine gets each square and its compared neighbours.
    template <typename Examine>
    bool ForEachOpenComparisonSquare(Board& board, FruitlessSlot slot, Examine&& examine);
    std::vector<ComparedCage> m_comparedCages; // by cage position
    ComparedCage m_scratchCompared;
    bool RemoveParityCandidates(Board& board, int rule, bool removeOdd, StepResult& step);
    bool RemoveUnassignableCandidate(Board& board, bool keepDuplicatesOutOfLines, StepResult& step);
    // Whether the search with the line test would validate every candidate
    // because the one without it did, on the input in m_searchInput.
    bool IsFruitlessWithoutLineTest(const Board& board, const Cage& cage, size_t position,
                                    bool keepDuplicatesOutOfLines) const;
    // Everything the assignment search reads of a cage: its size, each
    // square's place and value or open candidates, the remaining solutions
    // and their values (named by the list's stamp and marks when it has a
    // stamp).
    void DescribeAssignmentInput(const Board& board, const Cage& cage, std::vector<int>& outKey) const;

    StepView m_view;
    // By cage position, -1 until measured in the step.
    struct CageMeasures {
        int painted = -1;
        int maxSolutionSize = -1;
    };
    int m_measureDepth = 0;
    std::vector<CageMeasures> m_measures;
    CageMeasures* FindMeasures(const Board& board, const Cage& cage);
    // Per search variant and cage position, the input of the last search
    // that removed nothing: the same input would again remove nothing.
    std::vector<std::vector<int>> m_fruitlessSearches[2];
    std::vector<int> m_searchInput;
    // The assignment search and each square's value and open candidates it
    // weighs, reused from cage to cage.
    AssignmentSearch m_assignmentSearch;
    std::vector<CageCandidate> m_assignCandidates;
    // The painted squares of a hidden cage, for GetSquaresForElimination.
    std::vector<Square*> m_paintedScratch;
    // A cage's only solution less the values already placed, for the
    // techniques that read what its empty squares must take.
    std::vector<int> m_valuesLeft;
    CageSolution m_solutionLeft;
};

} // namespace Pemberquill
