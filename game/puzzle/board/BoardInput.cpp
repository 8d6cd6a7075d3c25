#include "game/puzzle/board/Board.h"

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "game/common/GameSounds.h"
#include "game/puzzle/board/BoardProgress.h"
#include "game/puzzle/board/BoardSettingsInterface.h"

#include <string>
#include <vector>

namespace Pemberquill {

namespace {

// The (action, code) pairs of the window procedure.
constexpr int ACTION_DOWN = 1;
constexpr int ACTION_UP = 3;
constexpr int ACTION_CHARACTER = 4;

constexpr int CODE_LEFT_BUTTON = 1;
constexpr int CODE_RIGHT_BUTTON = 2;
constexpr int KEY_DELETE = 0x2E;
constexpr int KEY_0 = 0x30;
constexpr int KEY_NUMPAD_0 = 0x60;
constexpr int CHARACTER_BACKSPACE = 8;
constexpr int CHARACTER_SPACE = 32;

constexpr int NO_DIGIT = -1;

bool IsInsideUnitBox(const Vector2& point)
{
    return point.x >= 0.0f && point.x <= 1.0f && point.y >= 0.0f && point.y <= 1.0f;
}

bool IsKeySquareOf(const Cage* cage, const Square& square)
{
    return cage != nullptr && cage->GetKeySquare() == &square;
}

// The brush is for finding hidden cages; a board that shows its cages keeps
// taking values and candidates while it is held.
bool IsBrushOver(const Board& board)
{
    return GetBoardSettings().IsPaintingCages() && board.HasHiddenCages();
}

} // namespace

bool Board::UpdatePointer(const Vector2& point, SolutionsLayout layout)
{
    const int previousFocus = m_focusedSquare;
    ResetFocus();
    m_pointerPosition = point;

    const BoardSettingsInterface& settings = GetBoardSettings();
    if (IsInsideUnitBox(point)) {
        unsigned x = 0;
        unsigned y = 0;
        GetSquareCoordsAt(point, x, y);
        m_focusedSquare = static_cast<int>(m_puzzleSize * y + x);
        const Square& square = GetSquare(x, y);
        if (!IsBrushOver(*this)) {
            if (GetSquareValue(square) != 0) {
                const AABB2 clearBox = ComputeBoundsForTopRightBoxRelativeToSquareMins() + square.bounds.mins;
                m_isOverClearBox = clearBox.IsPointInside(point);
            } else {
                m_focusedCandidate = GetCandidateAt(point);
                if (m_focusedCandidate >= 0 && m_progress != nullptr &&
                    m_progress->IsCandidateEliminatedAutomatically(square, m_focusedCandidate)) {
                    m_focusedCandidate = -1;
                }
            }
        }
    }

    const Square* focused = GetFocusedSquare();
    const bool paints = focused != nullptr && m_progress != nullptr && m_progress->IsPainting() && IsBrushOver(*this) &&
                        !IsKeySquareOf(GetCage(focused->cageIndex), *focused) &&
                        GetSquareColorIndex(*focused) != settings.GetPaintColorIndex();
    if (paints) {
        SetSquareColor(*focused, settings.GetPaintColorIndex(), false);
        PlaySound(SOUND_PLAYINGPUZZLE_PAINT_USED);
    }

    if (m_focusedSquare != previousFocus) {
        FireUpdateSolutionsEvent(layout);
        PlayFocusSounds(previousFocus);
    }
    return paints;
}

void Board::PlayFocusSounds(int previousFocus)
{
    const Square* focused = GetFocusedSquare();
    if (focused == nullptr) {
        return;
    }
    PlaySound(SOUND_PLAYINGPUZZLE_SQUARE_FOCUS_CHANGED);
    const bool sameCage = previousFocus >= 0 && previousFocus < static_cast<int>(m_squares.size()) &&
                          m_squares[static_cast<size_t>(previousFocus)].cageIndex == focused->cageIndex;
    if (!sameCage) {
        PlaySound(SOUND_PLAYINGPUZZLE_CAGE_FOCUS_CHANGED);
    }
}

bool Board::HandleInput(int code, int action)
{
    if (m_progress == nullptr) {
        return false;
    }
    // The button may be lifted off the board, or after the brush was put
    // down: the stroke ends all the same, or the next pass of the pointer
    // would paint.
    if (m_progress->IsPainting() && action == ACTION_UP && code == CODE_LEFT_BUTTON) {
        EndPainting();
        return true;
    }
    Square* square = GetFocusedSquare();
    if (square == nullptr) {
        return false;
    }
    const BoardSettingsInterface& settings = GetBoardSettings();

    if (IsBrushOver(*this) && !m_progress->IsPainting() && action == ACTION_DOWN && code == CODE_LEFT_BUTTON) {
        m_progress->SetPainting(true);
        return true;
    }

    const bool isClick = code == CODE_LEFT_BUTTON || code == CODE_RIGHT_BUTTON;
    if (m_focusedCandidate >= 0 && action == ACTION_DOWN && isClick) {
        const int value = m_focusedCandidate + 1;
        if (code == CODE_LEFT_BUTTON) {
            SetSquareValue(*square, value, false, true);
            return true;
        }
        ToggleCandidate(*square, value, false);
        TeachableGameMechanics taught;
        taught.AddMechanic(MECHANIC_ELIMINATE_WITH_RIGHT_BUTTON);
        NamedProperties args;
        args.Set<TeachableGameMechanics>("GameMechanicsToMarkAsKnown", taught);
        FireGlobalEvent("InstructorMarkMechanicsAsTaught", args);
        if (settings.IsShiftKeyDown() && !HasHiddenCages()) {
            ToggleCandidateAcrossCage(*square, m_focusedCandidate);
        }
        return true;
    }

    if (m_isOverClearBox && action == ACTION_DOWN && code == CODE_LEFT_BUTTON) {
        SetSquareValue(*square, 0, false, true);
        return true;
    }

    int digit = NO_DIGIT;
    if (action == ACTION_DOWN) {
        if (code >= KEY_0 && code <= KEY_0 + 9) {
            digit = code - KEY_0;
        } else if (code >= KEY_NUMPAD_0 && code <= KEY_NUMPAD_0 + 9) {
            digit = code - KEY_NUMPAD_0;
        } else if ((code == CODE_RIGHT_BUTTON && GetSquareValue(*square) != 0) || code == KEY_DELETE) {
            digit = 0;
        }
    } else if (action == ACTION_CHARACTER && (code == CHARACTER_SPACE || code == CHARACTER_BACKSPACE)) {
        digit = 0;
    }
    if (digit == NO_DIGIT) {
        return false;
    }
    if (settings.IsShiftKeyDown()) {
        ToggleCandidate(*square, digit, false);
    } else {
        SetSquareValue(*square, digit, false, true);
    }
    return true;
}

void Board::ToggleCandidateAcrossCage(const Square& square, int candidateIndex)
{
    const Cage* cage = GetCage(square.cageIndex);
    if (cage == nullptr) {
        return;
    }
    const bool eliminated = m_progress->IsCandidateEliminatedByPlayer(square, candidateIndex);
    for (const Square* other : cage->squares) {
        if (other != &square && m_progress->IsCandidateEliminatedByPlayer(*other, candidateIndex) != eliminated) {
            ToggleCandidate(*other, candidateIndex + 1, false);
        }
    }
}

void Board::EndPainting()
{
    if (m_progress != nullptr) {
        m_progress->SetPainting(false);
    }
    FireGlobalEvent("EndPaintingEvent");
}

void Board::FireUpdateSolutionsEvent(SolutionsLayout layout)
{
    if (GetBoardSettings().IsAutoSolving()) {
        return;
    }
    const Square* focused = GetFocusedSquare();
    Cage* cage = focused != nullptr ? GetCage(focused->cageIndex) : nullptr;
    const bool hidesCage = cage != nullptr && HasHiddenCages() &&
                           (GetSquareColorIndex(*focused) == -1 || !IsKeySquareOf(cage, *focused));
    if (cage == nullptr || hidesCage) {
        FireGlobalEvent("UpdateSolutionsEvent");
        return;
    }

    std::vector<std::string> descriptions;
    std::vector<bool> autoEliminated;
    std::vector<bool> markedInvalid;
    for (size_t i = 0; i < cage->solutions.size(); ++i) {
        const int solutionIndex = static_cast<int>(i);
        descriptions.push_back(cage->solutions[i].description);
        autoEliminated.push_back(m_progress != nullptr &&
                                 m_progress->IsSolutionAutoEliminated(cage->index, solutionIndex));
        markedInvalid.push_back(m_progress != nullptr &&
                                m_progress->IsSolutionMarkedInvalid(cage->index, solutionIndex));
    }
    NamedProperties args;
    args.Set<std::vector<std::string>>("SolutionDescriptions", descriptions);
    args.Set<std::vector<bool>>("SolutionsAutoEliminated", autoEliminated);
    args.Set<std::vector<bool>>("SolutionsSolverEliminated", markedInvalid);
    args.Set<bool>("AreSolutionsEditable", false);
    args.Set<Board*>("FocusBoard", this);
    args.Set<Cage*>("FocusCage", cage);
    args.Set<SolutionsLayout>("SolutionsLayout", layout);
    FireGlobalEvent("UpdateSolutionsEvent", args);
}

} // namespace Pemberquill
