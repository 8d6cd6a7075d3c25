#include "game/puzzle/RecipeBook.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "game/puzzle/board/PuzzleRecordHelpers.h"

#include <algorithm>

namespace Pemberquill {

namespace {

// Far beyond any book the cook makes; a larger count means a damaged file.
constexpr int MAX_RECIPE_BOOK_DESCRIPTORS = 1000000;

// Recipe records do not carry required operators: they come from the book.
void ApplyRequiredOperators(const PuzzleRequest& request, PuzzleDescriptor& descriptor)
{
    descriptor.GetBoardRecipe(0).requiredOperators = request.requiredOperators1;
    if (descriptor.GetBoardRecipes().size() == 2) {
        descriptor.GetBoardRecipe(1).requiredOperators = request.requiredOperators2;
    }
}

} // namespace

int ClampDifficultyRating(int difficulty)
{
    return std::clamp(difficulty, 0, NUM_DIFFICULTY_RATINGS - 1);
}

RecipeBook::RecipeBook(ResourceStream& stream, const std::string& name)
    : m_name(name)
{
    Read(stream);
}

void RecipeBook::Read(ResourceStream& stream)
{
    PuzzleRequest request;
    request.Read(stream);
    const int count = ReadRecordCount(stream, MAX_RECIPE_BOOK_DESCRIPTORS, "puzzle descriptors", "RecipeBook::Read");
    std::vector<PuzzleDescriptor> descriptors;
    for (int i = 0; i < count; ++i) {
        PuzzleDescriptor descriptor(stream);
        ApplyRequiredOperators(request, descriptor);
        descriptors.push_back(std::move(descriptor));
    }

    // The file runs from the easiest puzzle to the hardest; the few left
    // over by the division are dropped.
    const size_t perDifficulty = descriptors.size() / NUM_DIFFICULTY_RATINGS;
    for (int difficulty = 0; difficulty < NUM_DIFFICULTY_RATINGS; ++difficulty) {
        std::vector<PuzzleDescriptor>& list = m_difficultyLists[static_cast<size_t>(difficulty)];
        list.clear();
        const auto first = descriptors.begin() + static_cast<std::ptrdiff_t>(perDifficulty * difficulty);
        for (auto it = first; it != first + static_cast<std::ptrdiff_t>(perDifficulty); ++it) {
            it->SetDifficultyRating(difficulty);
            list.push_back(std::move(*it));
        }
    }
    m_request = request;
}

const std::vector<PuzzleDescriptor>& RecipeBook::GetDifficultyList(int difficulty) const
{
    ULVO_ASSERT(difficulty >= 0 && difficulty < NUM_DIFFICULTY_RATINGS,
                Stringf("Difficulty %d has no list; recipe books have 0 to %d.", difficulty,
                        NUM_DIFFICULTY_RATINGS - 1),
                "RecipeBook::GetDifficultyList");
    return m_difficultyLists[static_cast<size_t>(difficulty)];
}

bool RecipeBook::IsEmpty() const
{
    return std::all_of(m_difficultyLists.begin(), m_difficultyLists.end(),
                       [](const std::vector<PuzzleDescriptor>& list) { return list.empty(); });
}

bool RecipeBook::MatchesRequest(const PuzzleRequest& request) const
{
    return m_request.GetPatternName() == request.GetPatternName();
}

bool RecipeBook::TakeNextDescriptor(PuzzleRequest& request, PuzzleDescriptor& out)
{
    if (!request.Matches(m_request)) {
        return false;
    }
    request.difficultyRating = ClampDifficultyRating(request.difficultyRating);
    while (m_difficultyLists[static_cast<size_t>(request.difficultyRating)].empty()) {
        if (request.difficultyRating >= NUM_DIFFICULTY_RATINGS - 1) {
            return false;
        }
        ++request.difficultyRating;
    }
    std::vector<PuzzleDescriptor>& list = m_difficultyLists[static_cast<size_t>(request.difficultyRating)];
    out = std::move(list.front());
    list.erase(list.begin());
    return true;
}

bool RecipeBook::IsExhaustedFor(const PuzzleRequest& request) const
{
    if (!request.Matches(m_request)) {
        return false;
    }
    for (int difficulty = ClampDifficultyRating(request.difficultyRating); difficulty < NUM_DIFFICULTY_RATINGS;
         ++difficulty) {
        if (!m_difficultyLists[static_cast<size_t>(difficulty)].empty()) {
            return false;
        }
    }
    return true;
}

void WriteRecipeBook(ResourceStream& stream, const PuzzleRequest& request,
                     const std::vector<PuzzleDescriptor>& descriptors)
{
    request.Write(stream);
    stream.WriteInt32(static_cast<int32_t>(descriptors.size()), "Number of PuzzleDescriptors to follow");
    for (const PuzzleDescriptor& descriptor : descriptors) {
        descriptor.Write(stream);
    }
}

} // namespace Pemberquill
