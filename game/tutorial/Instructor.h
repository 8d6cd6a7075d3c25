#pragma once

#include "engine/core/Vector2.h"
#include "game/puzzle/solver/HintCallOutInterface.h"
#include "game/shell/GameSubsystem.h"
#include "game/tutorial/InstructorCallOut.h"

#include <list>
#include <memory>
#include <string>
#include <vector>

class Clock;
class NamedProperties;

namespace Pemberquill {

class Puzzle;

// The subsystem that teaches. It owns the call-outs, in creation order, on
// named channels (compared without regard to case): hints, lessons and the
// campaign place them by direct calls, the board drawing finds them by what
// they name, and undo, redo and the owners remove them by channel. It is
// the call-out side of the hints (HintCallOutInterface) while it lives.
class Instructor : public GameSubsystem, public HintCallOutInterface {
public:
    // Becomes the instructor singleton.
    Instructor();
    ~Instructor() override;
    Instructor(const Instructor&) = delete;
    Instructor& operator=(const Instructor&) = delete;

    // The live instructor, or null.
    static Instructor* GetInstance();

    // Makes the instructor's clock under the parent (every call-out's clock
    // runs below it), subscribes to "InstructorDestroyCallOutsByChannel" and
    // takes the hints' call-outs. Starting twice is an assertion.
    void Startup(Clock* parentClock);
    bool IsStarted() const { return m_clock != nullptr; }
    Clock* GetClock() const { return m_clock.get(); }

    // --- Creation: each appends one call-out; null targets are kept as
    // they come and are never drawn. ---
    // On the singleton, for the campaign map.
    static void CallOutPosition(const Vector2& position, const std::string& channelName);
    void CallOutCage(const Cage* cage, const std::string& channelName);
    void CallOutSquare(const Square* square, const std::string& channelName);
    void CallOutCandidate(const Square* square, int candidateIndex, const std::string& channelName);
    void CallOutCandidateForRemoval(const Square* square, int candidateIndex, const std::string& channelName);
    void CallOutColumn(const Board* board, int columnIndex, const std::string& channelName);
    void CallOutRow(const Board* board, int rowIndex, const std::string& channelName);
    // The puzzle's first cage of the rule, on the "hint" channel (also when
    // there is none); nothing for a null puzzle.
    void CallOutFirstCageOfRule(const Puzzle* puzzle, int rule);

    // --- Lookup: the first call-out, in creation order, that names it;
    // null for a null target. ---
    InstructorCallOut* FindCallOutForCage(const Cage* cage) const;
    InstructorCallOut* FindCallOutForSquare(const Square* square) const;
    InstructorCallOut* FindCallOutForCandidate(const Square* square, int candidateIndex) const;
    InstructorCallOut* FindCallOutForColumn(const Board* board, int columnIndex) const;
    InstructorCallOut* FindCallOutForRow(const Board* board, int rowIndex) const;
    // Every call-out with a screen point, in creation order; a board
    // call-out has one once it has been drawn.
    std::vector<InstructorCallOut*> CollectPositionedCallOuts() const;

    // --- Removal ---
    void DestroyAllCallOuts();
    void DestroyCallOutsByChannel(const std::string& channelName) override;
    size_t GetCallOutCount() const { return m_callOuts.size(); }

    // "InstructorDestroyCallOutsByChannel" {"CallOutChannelName"}; a missing
    // name is the empty channel.
    void Event_OnInstructorDestroyCallOutsByChannel(NamedProperties& args);

    // --- The hints' call-outs ---
    void CallOutCage(const Cage& cage, const std::string& channelName) override;
    void CallOutSquare(const Square& square, const std::string& channelName) override;
    void CallOutCandidate(const Square& square, int candidateIndex, const std::string& channelName) override;
    void CallOutCandidateVariant(const Square& square, int candidateIndex, const std::string& channelName) override;
    void CallOutRow(const Board& board, int rowIndex, const std::string& channelName) override;
    void CallOutColumn(const Board& board, int columnIndex, const std::string& channelName) override;

private:
    InstructorCallOut& AddCallOut(const std::string& channelName);
    template <typename Matches>
    InstructorCallOut* FindFirst(const void* target, Matches matches) const;

    std::unique_ptr<Clock> m_clock;
    // Destroyed before the clock their clocks run below.
    std::list<std::unique_ptr<InstructorCallOut>> m_callOuts;
};

} // namespace Pemberquill
