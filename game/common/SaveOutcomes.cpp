#include "game/common/SaveOutcomes.h"

#include <string>
#include <utility>
#include <vector>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"

namespace Pemberquill {

namespace {

struct SaveOutcomes {
    ProgressSaveState progress = ProgressSaveState::NONE;
    bool hasFailed = false;
    bool isNoticeWaiting = false;
    SaveFailure firstFailure;
    bool isCollecting = false;
    std::vector<SaveFailure> collected;
};

SaveOutcomes& Outcomes()
{
    static SaveOutcomes outcomes;
    return outcomes;
}

void PublishProgressSaveState(ProgressSaveState state)
{
    Outcomes().progress = state;
    NamedProperties args;
    args.Set("SaveState", static_cast<int>(state));
    FireGlobalEvent(PROGRESS_SAVE_STATE_EVENT, args);
}

} // namespace

void ReportProgressSaved()
{
    PublishProgressSaveState(ProgressSaveState::SAVED);
}

ProgressSaveState GetProgressSaveState()
{
    return Outcomes().progress;
}

void ReportSaveFailure(const SaveFailure& failure)
{
    ConsolePrintf("ERROR: %s could not be saved to \"%s\": %s\n", failure.what.c_str(), failure.path.c_str(),
                  failure.reason.c_str());
    SaveOutcomes& outcomes = Outcomes();
    if (!outcomes.hasFailed) {
        outcomes.hasFailed = true;
        outcomes.isNoticeWaiting = true;
        outcomes.firstFailure = failure;
    }
    if (outcomes.isCollecting) {
        outcomes.collected.push_back(failure);
    }
    // Whichever player file failed, leaving may lose something of the
    // player's: the menu stops promising that it saves.
    PublishProgressSaveState(ProgressSaveState::FAILED);
}

bool TakeSaveFailureNotice(SaveFailure& failure)
{
    SaveOutcomes& outcomes = Outcomes();
    if (!outcomes.isNoticeWaiting) {
        return false;
    }
    outcomes.isNoticeWaiting = false;
    failure = outcomes.firstFailure;
    return true;
}

void StartCollectingSaveFailures()
{
    Outcomes().isCollecting = true;
    Outcomes().collected.clear();
}

std::vector<SaveFailure> TakeCollectedSaveFailures()
{
    Outcomes().isCollecting = false;
    return std::exchange(Outcomes().collected, {});
}

std::vector<std::string> DescribeSaveFailures(const std::vector<SaveFailure>& failures)
{
    std::vector<std::string> lines = {"Saving failed."};
    for (const SaveFailure& failure : failures) {
        lines.push_back(Stringf("%s could not be written to", failure.what.c_str()));
        lines.push_back(Stringf("\"%s\":", failure.path.c_str()));
        lines.push_back(Stringf("%s.", failure.reason.c_str()));
    }
    return lines;
}

void ForgetSaveOutcomes()
{
    Outcomes() = SaveOutcomes();
}

} // namespace Pemberquill
