#pragma once

#include "game/puzzle/PuzzleDescriptor.h"
#include "game/puzzle/PuzzleRequest.h"

#include <array>
#include <string>
#include <vector>

class ResourceStream;

namespace Pemberquill {

// Difficulty ratings run from 0 (easiest) to 4.
constexpr int NUM_DIFFICULTY_RATINGS = 5;

// A file of pre-generated puzzles for one request: the request, then the
// descriptors, easiest first. The reader deals them into five difficulty
// lists by position, so the file's order is its rating. Each descriptor is
// handed out at most once per run of the program.
class RecipeBook {
public:
    // A malformed file throws UlvoException.
    RecipeBook(ResourceStream& stream, const std::string& name);

    // Replaces the request and every list with the file's content.
    void Read(ResourceStream& stream);

    const std::string& GetName() const { return m_name; }
    const PuzzleRequest& GetRequest() const { return m_request; }
    // The descriptors of one difficulty not yet taken, in file order.
    const std::vector<PuzzleDescriptor>& GetDifficultyList(int difficulty) const;
    bool IsEmpty() const;

    // Same pattern name; unlike PuzzleRequest::Matches, the generator
    // version plays no part.
    bool MatchesRequest(const PuzzleRequest& request) const;

    // The next descriptor of the request's difficulty; when that list is
    // used up, of the next harder one, raising the request's difficulty to
    // match (easier lists are never used). The difficulty is first clamped
    // to 0..4. False when the request does not match the book (generator
    // and version included) or no list from its difficulty on holds any.
    bool TakeNextDescriptor(PuzzleRequest& request, PuzzleDescriptor& out);

    // The book is filed under this very request (generator and version
    // included) and has nothing left from the request's difficulty on: the
    // player has really run out of such puzzles.
    bool IsExhaustedFor(const PuzzleRequest& request) const;

private:
    std::string m_name;
    PuzzleRequest m_request;
    std::array<std::vector<PuzzleDescriptor>, NUM_DIFFICULTY_RATINGS> m_difficultyLists;
};

// The file the reader takes: the request, the count, the descriptors in
// the order given (which should run from the easiest to the hardest).
void WriteRecipeBook(ResourceStream& stream, const PuzzleRequest& request,
                     const std::vector<PuzzleDescriptor>& descriptors);

// A difficulty outside 0..4 brought to the nearest end.
int ClampDifficultyRating(int difficulty);

} // namespace Pemberquill
