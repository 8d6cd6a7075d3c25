#include "game/common/SaveOutcomes.h"

#include <string>
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
};

SaveOutcomes& Outcomes()
{
    static SaveOutcomes outcomes;
    return outcomes;
}

} // namespace

void ReportProgressSaved(bool isSaved)
{
    Outcomes().progress = isSaved ? ProgressSaveState::SAVED : ProgressSaveState::FAILED;
    NamedProperties args;
    args.Set("SaveState", static_cast<int>(Outcomes().progress));
    FireGlobalEvent(PROGRESS_SAVE_STATE_EVENT, args);
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

std::vector<std::string> DescribeSaveFailure(const SaveFailure& failure)
{
    return {
        "Saving failed.",
        Stringf("%s could not be written to", failure.what.c_str()),
        Stringf("\"%s\":", failure.path.c_str()),
        Stringf("%s.", failure.reason.c_str()),
    };
}

void ForgetSaveOutcomes()
{
    Outcomes() = SaveOutcomes();
}

} // namespace Pemberquill
