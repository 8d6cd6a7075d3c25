#include "game/tutorial/Instructor.h"

#include "engine/core/Clock.h"
#include "engine/core/Diagnostics.h"
#include "game/presentation/board/PuzzleDisplay.h"
#include "game/puzzle/Puzzle.h"
#include "game/presentation/ui/InstructorScreensInterface.h"

namespace Pemberquill {

namespace {

Instructor* g_instructor = nullptr;

const char* const HINT_CHANNEL = "hint";
const char* const BACKGROUND_IMAGE = "Images/Backgrounds/Instructor1024x1024.png";

} // namespace

Instructor::Instructor()
{
    g_instructor = this;
    SetInstructorView(this);
}

Instructor::~Instructor()
{
    if (GetHintCallOuts() == this) {
        SetHintCallOuts(nullptr);
    }
    if (GetInstructorView() == this) {
        SetInstructorView(nullptr);
    }
    m_callOuts.clear();
    if (g_instructor == this) {
        g_instructor = nullptr;
    }
}

Instructor* Instructor::GetInstance()
{
    return g_instructor;
}

void Instructor::Startup(Clock* parentClock)
{
    ULVO_ASSERT(!IsStarted(), "Startup called on an initialized subsystem.", "Instructor::Startup");
    m_clock = std::make_unique<Clock>(parentClock);
    RegisterEventHandlers();
    SetHintCallOuts(this);
}

void Instructor::SetScreens(InstructorScreensInterface* screens)
{
    m_screens = screens;
    m_backgroundTexture = screens != nullptr ? screens->LoadTexture(BACKGROUND_IMAGE) : nullptr;
}

InstructorCallOut& Instructor::AddCallOut(const std::string& channelName)
{
    m_callOuts.push_back(std::make_unique<InstructorCallOut>(m_clock.get(), channelName));
    return *m_callOuts.back();
}

void Instructor::CallOutPosition(const Vector2& position, const std::string& channelName)
{
    if (g_instructor == nullptr) {
        return;
    }
    InstructorCallOut& callOut = g_instructor->AddCallOut(channelName);
    callOut.m_anchorPosition = position;
    callOut.m_isAnchorPositionValid = true;
}

void Instructor::CallOutCage(const Cage* cage, const std::string& channelName)
{
    AddCallOut(channelName).m_calledOutCage = cage;
}

void Instructor::CallOutSquare(const Square* square, const std::string& channelName)
{
    AddCallOut(channelName).m_calledOutSquare = square;
}

void Instructor::CallOutCandidate(const Square* square, int candidateIndex, const std::string& channelName)
{
    InstructorCallOut& callOut = AddCallOut(channelName);
    callOut.m_calledOutSquare = square;
    callOut.m_calledOutCandidateIndex = candidateIndex;
}

void Instructor::CallOutCandidateForRemoval(const Square* square, int candidateIndex, const std::string& channelName)
{
    CallOutCandidate(square, candidateIndex, channelName);
    m_callOuts.back()->m_isCalledOutForRemoval = true;
}

void Instructor::CallOutColumn(const Board* board, int columnIndex, const std::string& channelName)
{
    InstructorCallOut& callOut = AddCallOut(channelName);
    callOut.m_calledOutBoard = board;
    callOut.m_calledOutColumnIndex = columnIndex;
}

void Instructor::CallOutRow(const Board* board, int rowIndex, const std::string& channelName)
{
    InstructorCallOut& callOut = AddCallOut(channelName);
    callOut.m_calledOutBoard = board;
    callOut.m_calledOutRowIndex = rowIndex;
}

void Instructor::CallOutFirstCageOfRule(const Puzzle* puzzle, int rule)
{
    if (puzzle != nullptr) {
        CallOutCage(puzzle->FindCageWithRule(rule), HINT_CHANNEL);
    }
}

// Nothing names a null target: a call-out made with one is never found.
template <typename Matches>
InstructorCallOut* Instructor::FindFirst(const void* target, Matches matches) const
{
    if (target == nullptr) {
        return nullptr;
    }
    for (const std::unique_ptr<InstructorCallOut>& callOut : m_callOuts) {
        if (matches(*callOut)) {
            return callOut.get();
        }
    }
    return nullptr;
}

InstructorCallOut* Instructor::FindCallOutForCage(const Cage* cage) const
{
    return FindFirst(cage, [cage](const InstructorCallOut& c) { return c.m_calledOutCage == cage; });
}

InstructorCallOut* Instructor::FindCallOutForSquare(const Square* square) const
{
    return FindFirst(square, [square](const InstructorCallOut& c) {
        return c.m_calledOutSquare == square && c.m_calledOutCandidateIndex == INDEX_INVALID;
    });
}

InstructorCallOut* Instructor::FindCallOutForCandidate(const Square* square, int candidateIndex) const
{
    if (candidateIndex == INDEX_INVALID) {
        return nullptr;
    }
    return FindFirst(square, [square, candidateIndex](const InstructorCallOut& c) {
        return c.m_calledOutSquare == square && c.m_calledOutCandidateIndex == candidateIndex;
    });
}

InstructorCallOut* Instructor::FindCallOutForColumn(const Board* board, int columnIndex) const
{
    return FindFirst(board, [board, columnIndex](const InstructorCallOut& c) {
        return c.m_calledOutBoard == board && c.m_calledOutColumnIndex == columnIndex;
    });
}

InstructorCallOut* Instructor::FindCallOutForRow(const Board* board, int rowIndex) const
{
    return FindFirst(board, [board, rowIndex](const InstructorCallOut& c) {
        return c.m_calledOutBoard == board && c.m_calledOutRowIndex == rowIndex;
    });
}

std::vector<InstructorCallOut*> Instructor::CollectPositionedCallOuts() const
{
    std::vector<InstructorCallOut*> positioned;
    for (const std::unique_ptr<InstructorCallOut>& callOut : m_callOuts) {
        if (callOut->m_isAnchorPositionValid) {
            positioned.push_back(callOut.get());
        }
    }
    return positioned;
}

void Instructor::DestroyAllCallOuts()
{
    m_callOuts.clear();
}

void Instructor::DestroyCallOutsByChannel(const std::string& channelName)
{
    m_callOuts.remove_if(
        [&channelName](const std::unique_ptr<InstructorCallOut>& callOut) { return callOut->IsOnChannel(channelName); });
}

void Instructor::CallOutCage(const Cage& cage, const std::string& channelName)
{
    CallOutCage(&cage, channelName);
}

void Instructor::CallOutSquare(const Square& square, const std::string& channelName)
{
    CallOutSquare(&square, channelName);
}

void Instructor::CallOutCandidate(const Square& square, int candidateIndex, const std::string& channelName)
{
    CallOutCandidate(&square, candidateIndex, channelName);
}

void Instructor::CallOutCandidateVariant(const Square& square, int candidateIndex, const std::string& channelName)
{
    CallOutCandidateForRemoval(&square, candidateIndex, channelName);
}

void Instructor::CallOutRow(const Board& board, int rowIndex, const std::string& channelName)
{
    CallOutRow(&board, rowIndex, channelName);
}

void Instructor::CallOutColumn(const Board& board, int columnIndex, const std::string& channelName)
{
    CallOutColumn(&board, columnIndex, channelName);
}

void Instructor::CallOutScreenPosition(const Vector2& position, const std::string& channelName)
{
    CallOutPosition(position, channelName);
}

} // namespace Pemberquill
