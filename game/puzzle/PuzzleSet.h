#pragma once

#include "engine/core/EventRecipient.h"
#include "engine/core/Rgba.h"
#include "game/puzzle/PuzzleRequest.h"
#include "game/puzzle/PuzzleSetArrangement.h"

#include <memory>
#include <string>
#include <vector>

class Clock;
class Texture;

namespace Pemberquill {

class Puzzle;
class PuzzleChef;
class PuzzleSetProgress;
struct PuzzleSetDescriptor;

// The puzzles behind one campaign location: its own puzzles and those of the
// recipe book matching its request, arranged in five ranges (homework, the
// unlock puzzle, easy, medium, hard) that the location screen shows eight to
// a page. The campaign creates the set, links the player's progress to it
// and decides what the player states mean.
//
// The set owns its puzzles (built lazily by the chef), its clock and its
// background texture; the progress belongs to the player profile.
class PuzzleSet : public EventRecipient {
public:
    // Fills the set from the descriptor and the default puzzle chef, which
    // must exist; the set's clock runs below parentClock.
    PuzzleSet(const PuzzleSetDescriptor& descriptor, Clock* parentClock);
    // The same with a chef of the caller's choice.
    PuzzleSet(const PuzzleSetDescriptor& descriptor, Clock* parentClock, PuzzleChef& chef);
    ~PuzzleSet() override;
    PuzzleSet(const PuzzleSet&) = delete;
    PuzzleSet& operator=(const PuzzleSet&) = delete;

    const std::string& GetName() const { return m_name; }
    const std::string& GetSetID() const { return m_setID; }
    const Rgba& GetBaseColor() const { return m_baseColor; }
    const std::string& GetBackgroundImage() const { return m_backgroundImage; }
    // Null without an image studio or when the image is missing.
    Texture* GetBackgroundTexture() const { return m_backgroundTexture.get(); }
    // The request the set was filled for; its difficulty ends at 4 when a
    // recipe book matched.
    const PuzzleRequest& GetRequest() const { return m_request; }
    bool HasCustomPuzzles() const { return m_hasCustomPuzzles; }
    int GetLastCustomIndex() const { return m_lastCustomIndex; }
    const std::vector<std::unique_ptr<Puzzle>>& GetPuzzles() const { return m_puzzles; }
    const PuzzleSetRanges& GetRanges() const { return m_ranges; }
    Clock& GetClock() const { return *m_clock; }

    // --- The player's progress ---
    // Links the progress (the campaign keeps it alive while linked) and
    // gives it the set's ranges. Its puzzle progresses are attached by
    // PuzzleSetProgress::Load.
    void SetProgress(PuzzleSetProgress* progress);
    PuzzleSetProgress* GetProgress() const { return m_puzzleSetProgress; }
    // A new progress for this set, all zeros and no puzzle progresses.
    std::unique_ptr<PuzzleSetProgress> CreateProgress() const;
    // Both need a linked progress: without one they are assertions.
    int GetPlayerState() const;
    void SetPlayerState(int state);

    // --- Puzzles ---
    // The progress's current puzzle; null for none or without a progress.
    Puzzle* GetCurrentPuzzle() const;
    // The only puzzle of the unlock range; null unless it holds exactly one.
    Puzzle* GetUnlockPuzzle() const;
    // Page page (eight puzzles) of range; hasMore tells whether the range
    // goes on past it. A range outside 0..4 gives nothing.
    std::vector<Puzzle*> GetPagePuzzles(int range, int page, bool& hasMore) const;
    // The range (0..4) that holds the puzzle; 5 when none does.
    int GetPageKindOfPuzzle(const Puzzle* puzzle) const;
    // The easy, medium and hard puzzles together.
    int GetDifficultyPuzzleCount() const;

    // --- Results ---
    // Not yet satisfied (player state below 7) but done: every unlock
    // puzzle solved, or, in a set without one, every puzzle solved.
    bool IsNewlySatisfied() const;
    // Every puzzle of the set solved; true for an empty set.
    bool AreAllPuzzlesSolved() const;
    // 1, 4 or 5 per puzzle in state 3, 4 or 5, each times the multiplier.
    int GetScore(int multiplier) const;
    // The progress reset and every puzzle restarted.
    void ResetProgress();

    // Frees boards to save memory; the chef rebuilds them when needed.
    void ReleasePageBoards(int range, int page);
    void ReleaseAllBoards();

private:
    void FillPuzzles(const PuzzleSetDescriptor& descriptor, PuzzleChef& chef);
    void LoadBackground();
    // The puzzles of page page of range, as indices into the list.
    PuzzleSetRange GetPageBounds(int range, int page) const;

    std::string m_name;
    std::string m_setID;
    // The clock outlives the puzzles, whose clocks run below it.
    std::unique_ptr<Clock> m_clock;
    std::vector<std::unique_ptr<Puzzle>> m_puzzles;
    PuzzleSetProgress* m_puzzleSetProgress = nullptr;
    Rgba m_baseColor{255, 255, 255, 255};
    std::unique_ptr<Texture> m_backgroundTexture;
    std::string m_backgroundImage;
    PuzzleRequest m_request{4, 0, 1, 0, 0, 0, 1};
    bool m_hasCustomPuzzles = false;
    int m_lastCustomIndex = -1;
    PuzzleSetRanges m_ranges;
};

} // namespace Pemberquill
