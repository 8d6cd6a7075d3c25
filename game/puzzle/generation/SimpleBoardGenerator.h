#pragma once

#include "game/puzzle/generation/BoardGenerator.h"

namespace Pemberquill {

// Fills a board with a random Latin square, grows cages of one to four
// squares as random walks, gives each cage a random arithmetic rule that its
// answer satisfies, and colours the cages so that neighbours differ.
class SimpleBoardGenerator : public BoardGenerator {
public:
    unsigned NewSeed() override;
    unsigned NextRoundRobinIndex(const Board& board) override;
    unsigned SetRoundRobinIndex(unsigned index) override;
    void FillSolutionValues(Board& board) override;
    bool Generate(Board& board, bool forceReducedCageSize) override;
    int GetCageLayoutMode(const Board& board) const override;
    // Equals, Addition, Multiplication, Subtraction and Division as the
    // cage's size and answer allow; the result is the last one appended.
    int GetCageOperatorCandidates(const Board& board, const Cage& cage,
                                  std::vector<int>& outCandidates) const override;
    // Every recipe of this generator is satisfied by any board.
    bool AssignRequiredOperators(Board& board) override;

    // Colours the board's cages from its colour choices so that no two
    // neighbouring cages share a colour. Needs at least four choices (four
    // colours always suffice for regions of a plane); fewer is an engine
    // error. Draws no random numbers.
    static void AdjustNeighboringCageColors(Board& board);

private:
    void LayOutCages(Board& board, bool forceReducedCageSize) const;
    bool AssignCageOperations(Board& board);

    unsigned m_roundRobinIndex = 0;
};

// Gives the cage the rule and the target its answer produces under it. The
// squares must be sorted largest value first, so that Subtraction and
// Division come out whole and positive. Anything but a single rule bit is an
// engine error.
void AssignCageOperationResult(Cage& cage, int operation);

// Merges each pair of neighbouring cages that share a rule without a target
// (Comparisons, Even, Odd, NoOp), scanning square pairs row by row.
void MergeNeighbouringTargetlessCages(Board& board);

} // namespace Pemberquill
