#include "game/puzzle/board/BoardSettingsInterface.h"

namespace Pemberquill {

namespace {

class DefaultBoardSettings final : public BoardSettingsInterface {
public:
    bool IsPaintingCages() const override { return false; }
    int GetPaintColorIndex() const override { return -1; }
    bool UseAutoElimination() const override { return true; }
    bool IsAutoSolving() const override { return false; }
    bool IsShiftKeyDown() const override { return false; }
    bool IsCtrlKeyDown() const override { return false; }
};

const DefaultBoardSettings DEFAULT_SETTINGS;
const BoardSettingsInterface* g_installedSettings = nullptr;

} // namespace

void SetBoardSettings(const BoardSettingsInterface* settings)
{
    g_installedSettings = settings;
}

const BoardSettingsInterface& GetBoardSettings()
{
    return g_installedSettings != nullptr ? *g_installedSettings : DEFAULT_SETTINGS;
}

} // namespace Pemberquill
