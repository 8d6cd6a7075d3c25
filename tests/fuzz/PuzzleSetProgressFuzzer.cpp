// The player's progress through one puzzle set, board progresses included.
// What reads is then attached to real boards, as the game does on loading:
// every square is read through it and its history walked both ways.

#include <memory>
#include <vector>

#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleSetProgress.h"
#include "game/puzzle/board/Board.h"
#include "tests/fuzz/ChefFuzzerSupport.h"

using Pemberquill::Board;
using Pemberquill::Puzzle;
using Pemberquill::PuzzleSetProgress;

namespace {

// The seed writer's two puzzles, so the seeds' progresses fit them.
const std::vector<std::unique_ptr<Puzzle>>& SeedPuzzles() {
  static const std::vector<std::unique_ptr<Puzzle>> puzzles = [] {
    std::vector<std::unique_ptr<Puzzle>> made;
    for (int seed = 1; seed <= 2; ++seed) {
      Pemberquill::PuzzleDescriptor descriptor = Pemberquill::PuzzleChef::InitDescriptorFromRequest(
          Pemberquill::PuzzleRequest(4, 1, 1, 0, 0, 0, Pemberquill::SOLVABILITY_SOLVABLE));
      descriptor.SetSeed(seed);
      made.push_back(record_fuzz::StartedChef().CreatePuzzleFromDescriptor(
          descriptor, &record_fuzz::ChefClock(), true));
    }
    return made;
  }();
  return puzzles;
}

void UseAttachedBoard(Board& board) {
  for (const Pemberquill::Square& square : board.GetSquares()) {
    if (board.GetSquareValue(square) > board.GetSize()) {
      record_fuzz::Finding("an attached progress holds a value its board cannot take");
    }
    board.GetPaletteColor(board.GetSquareColorIndex(square));
  }
  while (board.Undo()) {
  }
  while (board.Redo()) {
  }
  board.RecomputeAutoEliminations();
  board.UpdateCageSolutions();
}

void AttachToSeedPuzzles(const uint8_t* data, size_t size) {
  PuzzleSetProgress progress("fuzz");
  try {
    record_fuzz::ReadServed(record_fuzz::Bytes(data, data + size),
                            [&](ResourceStream& stream) { progress.Read(stream); });
  } catch (const UlvoException&) {
    return;
  }
  progress.Load(SeedPuzzles());
  for (const std::unique_ptr<Puzzle>& puzzle : SeedPuzzles()) {
    for (const std::unique_ptr<Board>& board : puzzle->GetBoards()) {
      UseAttachedBoard(*board);
    }
  }
  // The progresses go with this record; the boards must not keep them.
  for (const std::unique_ptr<Puzzle>& puzzle : SeedPuzzles()) {
    puzzle->SetProgress(nullptr);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Reading appends to the list, so a refused record may leave entries.
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<PuzzleSetProgress>("fuzz"); },
      [](PuzzleSetProgress& progress, ResourceStream& stream) { progress.Read(stream); },
      [](PuzzleSetProgress& progress, ResourceStream& stream) { progress.Write(stream); },
      false);
  AttachToSeedPuzzles(data, size);
  return 0;
}
