#pragma once

#include <string>
#include <vector>

namespace Pemberquill {

// What the player is told about saving. Every save of a player file reports
// here: a failure is logged as an ERROR with the file and the system's
// reason, and the first one of the run waits to be shown on screen once;
// after a failed save of any player file the puzzle menu stops promising
// "(progress saved)" until a save of the progress succeeds again.
enum class ProgressSaveState {
    // Nothing saved yet in this run.
    NONE,
    SAVED,
    // A save of a player file failed after the last save of the progress.
    FAILED,
};

// Fired with "SaveState" (int, a ProgressSaveState) whenever a save of the
// player's progress reports, and after every failed save of a player file.
constexpr const char* PROGRESS_SAVE_STATE_EVENT = "ProgressSaveStateChangedEvent";

struct SaveFailure {
    // What the file holds, as the player knows it ("The player profile").
    std::string what;
    std::string path;
    std::string reason;
};

// After every save of the player's progress (the profile) that succeeded;
// one that failed is reported as any failed save, below.
void ReportProgressSaved();
ProgressSaveState GetProgressSaveState();

// After every save of a player file that failed, the progress or another.
void ReportSaveFailure(const SaveFailure& failure);
// The first failure of the run, handed out once; false when none waits.
bool TakeSaveFailureNotice(SaveFailure& failure);

// The saves made as the game ends are told whatever was shown before: the
// failures reported from the first call on are kept, in order, and handed
// out by the second, which stops keeping them.
void StartCollectingSaveFailures();
std::vector<SaveFailure> TakeCollectedSaveFailures();

// What the player reads of the failures, a line each; the first line is the
// heading.
std::vector<std::string> DescribeSaveFailures(const std::vector<SaveFailure>& failures);

// A new run: nothing saved, nothing failed, nothing to tell.
void ForgetSaveOutcomes();

}  // namespace Pemberquill
