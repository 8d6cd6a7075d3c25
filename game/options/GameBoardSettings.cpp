#include "game/options/GameBoardSettings.h"

#include "engine/modules/input/UlvoInputInterface.h"
#include "game/options/PemberquillOptions.h"
#include "platform/window/VirtualKey.h"

namespace Pemberquill {

namespace {

bool IsKeyDown(uint8_t code)
{
    const UlvoInputInterface* input = UlvoInputInterface::GetDefaultInstance();
    return input != nullptr && input->IsKeyDown(code);
}

} // namespace

bool GameBoardSettings::IsPaintingCages() const
{
    return GetPemberquillOptions().IsPaintingCages();
}

int GameBoardSettings::GetPaintColorIndex() const
{
    return GetPemberquillOptions().GetPaintColorIndex();
}

bool GameBoardSettings::UseAutoElimination() const
{
    return GetPemberquillOptions().UseAutoElimination();
}

bool GameBoardSettings::IsShiftKeyDown() const
{
    return IsKeyDown(platform::VK_SHIFT);
}

bool GameBoardSettings::IsCtrlKeyDown() const
{
    return IsKeyDown(platform::VK_CONTROL);
}

} // namespace Pemberquill
