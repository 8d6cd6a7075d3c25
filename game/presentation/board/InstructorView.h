#pragma once

#include "game/common/InstalledInterface.h"

#include <vector>

class Texture;

namespace Pemberquill {

class Board;
class InstructorCallOut;
struct Cage;
struct Square;

// The instructor as the screens see it: its call-outs, the tutorial's
// backdrop and whether the tutorial runs. The tutorial stands above the
// screens, so the instructor implements this and installs itself while it
// exists; tests install a fake.
class InstructorView {
public:
    // The first call-out, in creation order, that names the target; null for
    // a null target or when none does.
    virtual InstructorCallOut* FindCallOutForCage(const Cage* cage) const = 0;
    virtual InstructorCallOut* FindCallOutForSquare(const Square* square) const = 0;
    virtual InstructorCallOut* FindCallOutForCandidate(const Square* square, int candidateIndex) const = 0;
    virtual InstructorCallOut* FindCallOutForColumn(const Board* board, int columnIndex) const = 0;
    virtual InstructorCallOut* FindCallOutForRow(const Board* board, int rowIndex) const = 0;
    // Every call-out with a screen point, in creation order.
    virtual std::vector<InstructorCallOut*> CollectPositionedCallOuts() const = 0;
    // Null when the picture did not load.
    virtual Texture* GetBackgroundTexture() const = 0;
    // The scripted tutorial's pages are showing; its puzzle's boards then
    // publish nothing the play screen should show.
    virtual bool IsScriptedTutorialRunning() const = 0;

protected:
    ~InstructorView() = default;
};

// Installs the instructor the renderer draws from now on; the caller keeps
// ownership and installs null before it goes away.
inline void SetInstructorView(InstructorView* view)
{
    InstalledInterface<InstructorView>::Set(view);
}

// The installed instructor; null when there is none (tools, most tests).
inline InstructorView* GetInstructorView()
{
    return InstalledInterface<InstructorView>::Get();
}

} // namespace Pemberquill
