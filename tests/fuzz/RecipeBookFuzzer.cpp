// A recipe book: its request and descriptors, divided by difficulty; the
// first puzzle of each list is built, boards and all, as the chef hands
// them out.

#include <memory>
#include <string>
#include <vector>

#include "game/puzzle/RecipeBook.h"
#include "tests/fuzz/ChefFuzzerSupport.h"

using Pemberquill::PuzzleDescriptor;
using Pemberquill::RecipeBook;

namespace {

// A book is made from its file only, so the record here may hold none yet.
struct Book {
  std::unique_ptr<RecipeBook> book;

  std::vector<PuzzleDescriptor> AllDescriptors() const {
    std::vector<PuzzleDescriptor> all;
    for (int difficulty = 0; difficulty < Pemberquill::NUM_DIFFICULTY_RATINGS; ++difficulty) {
      const std::vector<PuzzleDescriptor>& list = book->GetDifficultyList(difficulty);
      all.insert(all.end(), list.begin(), list.end());
    }
    return all;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<PuzzleDescriptor> firstOfEachList;
  record_fuzz::CheckRoundTrip(
      data, size, [] { return std::make_unique<Book>(); },
      [&firstOfEachList](Book& record, ResourceStream& stream) {
        record.book = std::make_unique<RecipeBook>(stream, "fuzz.recipes");
        if (!firstOfEachList.empty()) {
          return;  // the round trip's second reading
        }
        for (int difficulty = 0; difficulty < Pemberquill::NUM_DIFFICULTY_RATINGS; ++difficulty) {
          const std::vector<PuzzleDescriptor>& list = record.book->GetDifficultyList(difficulty);
          if (!list.empty()) {
            firstOfEachList.push_back(list.front());
          }
        }
      },
      [](Book& record, ResourceStream& stream) {
        if (record.book != nullptr) {
          Pemberquill::WriteRecipeBook(stream, record.book->GetRequest(), record.AllDescriptors());
        }
      },
      false);
  record_fuzz::CreateEveryPuzzle(firstOfEachList, true);
  return 0;
}
