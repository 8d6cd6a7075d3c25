#include "game/puzzle/PuzzleSet.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioInterface.h"
#include "engine/modules/renderer/Texture.h"
#include "game/puzzle/Puzzle.h"
#include "game/puzzle/PuzzleChef.h"
#include "game/puzzle/PuzzleSetDescriptor.h"
#include "game/puzzle/PuzzleSetProgress.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace Pemberquill {

namespace {

PuzzleChef& RequireDefaultChef()
{
    PuzzleChef* chef = PuzzleChef::GetDefaultInstance();
    ULVO_ASSERT(chef, "A puzzle set cannot be filled without the puzzle chef.", "PuzzleSet::PuzzleSet");
    return *chef;
}

// What a puzzle in this progress state adds to the score.
int ScoreOfState(int state)
{
    switch (state) {
    case 3:
        return 1;
    case 4:
        return 4;
    case 5:
        return 5;
    default:
        return 0;
    }
}

} // namespace

PuzzleSet::PuzzleSet(const PuzzleSetDescriptor& descriptor, Clock* parentClock)
    : PuzzleSet(descriptor, parentClock, RequireDefaultChef())
{
}

PuzzleSet::PuzzleSet(const PuzzleSetDescriptor& descriptor, Clock* parentClock, PuzzleChef& chef)
    : m_clock(std::make_unique<Clock>(parentClock))
{
    FillPuzzles(descriptor, chef);
}

PuzzleSet::~PuzzleSet() = default;

void PuzzleSet::FillPuzzles(const PuzzleSetDescriptor& descriptor, PuzzleChef& chef)
{
    m_name = descriptor.name;
    m_baseColor = descriptor.baseColor;
    m_setID = descriptor.setID;
    m_backgroundImage = descriptor.backgroundImage;
    m_request = descriptor.request;
    LoadBackground();
    m_baseColor.a = 255;

    std::vector<std::unique_ptr<Puzzle>> customPuzzles;
    for (const PuzzleDescriptor& custom : descriptor.descriptors) {
        if (std::unique_ptr<Puzzle> puzzle = chef.CreatePuzzleFromDescriptor(custom, m_clock.get(), false)) {
            puzzle->SetUnlockPuzzle(false);
            customPuzzles.push_back(std::move(puzzle));
        }
    }
    m_hasCustomPuzzles = !descriptor.descriptors.empty();
    m_lastCustomIndex = static_cast<int>(customPuzzles.size()) - 1;

    std::vector<std::unique_ptr<Puzzle>> chefPuzzles = chef.TakePuzzlesFromBook(m_request, m_clock.get());
    // Stable, so that equally complex puzzles keep the book's order and a
    // set comes out the same every run.
    std::stable_sort(chefPuzzles.begin(), chefPuzzles.end(),
                     [](const std::unique_ptr<Puzzle>& a, const std::unique_ptr<Puzzle>& b) {
                         return a->GetTotalComplexity() < b->GetTotalComplexity();
                     });

    const int customCount = static_cast<int>(customPuzzles.size());
    const int chefCount = static_cast<int>(chefPuzzles.size());
    const PuzzleSetArrangement arrangement = ArrangePuzzleSet(customCount, chefCount);
    for (const int entry : arrangement.order) {
        std::unique_ptr<Puzzle>& source = entry < customCount ? customPuzzles[static_cast<size_t>(entry)]
                                                              : chefPuzzles[static_cast<size_t>(entry - customCount)];
        m_puzzles.push_back(std::move(source));
    }
    m_ranges = arrangement.ranges;
    if (Puzzle* unlock = GetUnlockPuzzle()) {
        unlock->SetUnlockPuzzle(true);
    }

    DebuggerPrintf("NODE %s: %d from chef, %d easy, %d medium, %d hard, %d homework %s\n", m_name.c_str(), chefCount,
                   m_ranges[PUZZLE_SET_RANGE_EASY].GetCount(), m_ranges[PUZZLE_SET_RANGE_MEDIUM].GetCount(),
                   m_ranges[PUZZLE_SET_RANGE_HARD].GetCount(), m_ranges[PUZZLE_SET_RANGE_HOMEWORK].GetCount(),
                   m_hasCustomPuzzles ? "(custom)" : "(auto)");

    for (size_t i = 0; i < m_puzzles.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        m_puzzles[i]->SetDisplayName(Stringf("%s #%d", m_name.c_str(), number));
        m_puzzles[i]->SetNumberInSet(number);
    }
}

void PuzzleSet::LoadBackground()
{
    UlvoImageStudioInterface* imageStudio = UlvoImageStudioInterface::GetDefaultInstance();
    if (imageStudio == nullptr || m_backgroundImage.empty()) {
        return;
    }
    const UlvoPath path(PATH_MARKER_DATA, "Images/Backgrounds/" + m_backgroundImage);
    // A set plays as well without its background, so a missing image only
    // warns; one that is there but refused still stops the game, as every
    // damaged image does.
    std::error_code error;
    const std::unique_ptr<Image> image =
        std::filesystem::exists(path.GetResolvedPath(), error) ? imageStudio->LoadImage(path) : nullptr;
    if (image == nullptr) {
        ConsolePrintf("WARNING: Puzzle set \"%s\" has no background image \"%s\".\n", m_name.c_str(),
                      m_backgroundImage.c_str());
        return;
    }
    m_backgroundTexture = Texture::Create();
    m_backgroundTexture->PopulateFromImage(*image, false);
}

// --- The player's progress ---

void PuzzleSet::SetProgress(PuzzleSetProgress* progress)
{
    m_puzzleSetProgress = progress;
    if (m_puzzleSetProgress != nullptr) {
        m_puzzleSetProgress->SetRanges(&m_ranges);
    }
}

std::unique_ptr<PuzzleSetProgress> PuzzleSet::CreateProgress() const
{
    return std::make_unique<PuzzleSetProgress>(m_setID);
}

int PuzzleSet::GetPlayerState() const
{
    ULVO_ASSERT(m_puzzleSetProgress, "Unable to retrieve Player State without a PuzzleSetProgress.",
                "PuzzleSet::GetPlayerState");
    return m_puzzleSetProgress->GetPlayerState();
}

void PuzzleSet::SetPlayerState(int state)
{
    ULVO_ASSERT(m_puzzleSetProgress, "Unable to set Player State without a PuzzleSetProgress.",
                "PuzzleSet::SetPlayerState");
    m_puzzleSetProgress->SetPlayerState(state);
}

// --- Puzzles ---

Puzzle* PuzzleSet::GetCurrentPuzzle() const
{
    if (m_puzzleSetProgress == nullptr) {
        return nullptr;
    }
    const int index = m_puzzleSetProgress->GetCurrentPuzzle();
    if (index < 0 || static_cast<size_t>(index) >= m_puzzles.size()) {
        return nullptr;
    }
    return m_puzzles[static_cast<size_t>(index)].get();
}

Puzzle* PuzzleSet::GetUnlockPuzzle() const
{
    const PuzzleSetRange& unlock = m_ranges[PUZZLE_SET_RANGE_UNLOCK];
    if (unlock.GetCount() != 1) {
        return nullptr;
    }
    return m_puzzles[static_cast<size_t>(unlock.begin)].get();
}

PuzzleSetRange PuzzleSet::GetPageBounds(int range, int page) const
{
    if (range < 0 || range >= NUM_PUZZLE_SET_RANGES || page < 0) {
        return PuzzleSetRange{};
    }
    const PuzzleSetRange& whole = m_ranges[static_cast<size_t>(range)];
    // Pages come from the player's profile; a damaged one may name any page,
    // so the offset is worked out wide enough not to overflow.
    const int64_t offset = static_cast<int64_t>(PUZZLES_PER_SET_PAGE) * page;
    const int32_t begin = static_cast<int32_t>(std::min<int64_t>(whole.begin + offset, whole.end));
    return PuzzleSetRange{begin, std::min(begin + PUZZLES_PER_SET_PAGE, whole.end)};
}

std::vector<Puzzle*> PuzzleSet::GetPagePuzzles(int range, int page, bool& hasMore) const
{
    const PuzzleSetRange bounds = GetPageBounds(range, page);
    std::vector<Puzzle*> puzzles;
    for (int32_t i = bounds.begin; i < bounds.end; ++i) {
        puzzles.push_back(m_puzzles[static_cast<size_t>(i)].get());
    }
    hasMore = range >= 0 && range < NUM_PUZZLE_SET_RANGES && page >= 0 &&
              bounds.begin + PUZZLES_PER_SET_PAGE < m_ranges[static_cast<size_t>(range)].end;
    return puzzles;
}

int PuzzleSet::GetPageKindOfPuzzle(const Puzzle* puzzle) const
{
    const auto found = std::find_if(m_puzzles.begin(), m_puzzles.end(),
                                    [puzzle](const std::unique_ptr<Puzzle>& candidate) { return candidate.get() == puzzle; });
    if (puzzle == nullptr || found == m_puzzles.end()) {
        return NUM_PUZZLE_SET_RANGES;
    }
    const int32_t index = static_cast<int32_t>(found - m_puzzles.begin());
    for (int range = 0; range < NUM_PUZZLE_SET_RANGES; ++range) {
        if (m_ranges[static_cast<size_t>(range)].Contains(index)) {
            return range;
        }
    }
    return NUM_PUZZLE_SET_RANGES;
}

int PuzzleSet::GetDifficultyPuzzleCount() const
{
    return m_ranges[PUZZLE_SET_RANGE_EASY].GetCount() + m_ranges[PUZZLE_SET_RANGE_MEDIUM].GetCount() +
           m_ranges[PUZZLE_SET_RANGE_HARD].GetCount();
}

// --- Results ---

bool PuzzleSet::IsNewlySatisfied() const
{
    if (GetPlayerState() >= PUZZLE_SET_STATE_SATISFIED) {
        return false;
    }
    bool hasUnlockPuzzles = false;
    for (const std::unique_ptr<Puzzle>& puzzle : m_puzzles) {
        if (puzzle->IsUnlockPuzzle()) {
            hasUnlockPuzzles = true;
            if (!puzzle->IsSolved()) {
                return false;
            }
        }
    }
    return hasUnlockPuzzles || AreAllPuzzlesSolved();
}

bool PuzzleSet::AreAllPuzzlesSolved() const
{
    return std::all_of(m_puzzles.begin(), m_puzzles.end(),
                       [](const std::unique_ptr<Puzzle>& puzzle) { return puzzle->IsSolved(); });
}

int PuzzleSet::GetScore(int multiplier) const
{
    int score = 0;
    for (const std::unique_ptr<Puzzle>& puzzle : m_puzzles) {
        if (const PuzzleProgress* progress = puzzle->GetProgress()) {
            score += ScoreOfState(progress->GetState()) * multiplier;
        }
    }
    return score;
}

void PuzzleSet::ResetProgress()
{
    if (m_puzzleSetProgress != nullptr) {
        m_puzzleSetProgress->Reset();
    }
    for (const std::unique_ptr<Puzzle>& puzzle : m_puzzles) {
        puzzle->Restart();
    }
}

void PuzzleSet::ReleasePageBoards(int range, int page)
{
    const PuzzleSetRange bounds = GetPageBounds(range, page);
    for (int32_t i = bounds.begin; i < bounds.end; ++i) {
        m_puzzles[static_cast<size_t>(i)]->DeleteBoards();
    }
}

void PuzzleSet::ReleaseAllBoards()
{
    for (const std::unique_ptr<Puzzle>& puzzle : m_puzzles) {
        puzzle->DeleteBoards();
    }
}

} // namespace Pemberquill
